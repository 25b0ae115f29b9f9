#pragma once
// Points and planes from numbers; lines and planes through points and
// directions.
#include <initializer_list>
#include <string>

#include "model/QuarnelT.h"
#include "model/VektorT.h"

namespace quarnel {

class Bauraum;

// The message that refuses a name that is taken or not allowed:
// "Der verwendete Quarnelname <name>  ist unerlaubt oder existiert bereits".
std::string NameUnerlaubt(const std::string& name);

// The point (x|y|z) under `name`. ok becomes true on success and false on a
// refused name. With raum.destruktiv an existing object of that name becomes
// this point in place.
void ErzeugePunkt(Bauraum& raum, const std::string& name, double x, double y, double z, bool& ok);
// The plane a·x + b·y + c·z = d under `name`. ok becomes true on success and
// false on a refused name or when a, b, c are all (near) zero.
void ErzeugeEbeneG(Bauraum& raum, const std::string& name, double a, double b, double c, double d, bool& ok);
// Whether a coordinate or coefficient lies beyond the bound that keeps every
// length, area and volume finite; the message that refuses such numbers.
bool ZahlenZuGross(std::initializer_list<double> zahlen);
extern const char* const kZahlZuGross;
// Whether the coefficients a, b, c of a plane equation count as all zero.
bool KoeffizientenNull(double a, double b, double c);
// A point of the plane a·x + b·y + c·z = d (a, b, c not all zero).
VektorT EbenenPunkt(double a, double b, double c, double d);

// The line through the points named p1 and p2.
void ErzeugeGeradePP(Bauraum& raum, const std::string& p1, const std::string& p2, QuarnelT& G, bool& ok);
// The line through the point named p with the direction of r (a point's
// position vector or a line's direction).
void ErzeugeGeradePR(Bauraum& raum, const std::string& p, const std::string& r, QuarnelT& G, bool& ok);
// The plane through three points.
void ErzeugeEbenePPP(Bauraum& raum, const std::string& p1, const std::string& p2, const std::string& p3, QuarnelT& G,
                     bool& ok);
// The plane through a point with a normal vector.
void ErzeugeEbenePN(Bauraum& raum, const std::string& p, const std::string& n, QuarnelT& G, bool& ok);
// The plane through a point with two directions.
void ErzeugeEbenePRR(Bauraum& raum, const std::string& p, const std::string& r1, const std::string& r2, QuarnelT& G,
                     bool& ok);
// v1 − v2, the vector from v2 to v1.
VektorT PP2G(const VektorT& v1, const VektorT& v2);

}  // namespace quarnel
