#pragma once
// Objects made from one object by a transformation: the orthogonal object
// through a point, the translation onto a point, the clone, the mirror image
// in a point, line or plane, and the rotation about a line.
#include <string>

#include "model/QuarnelT.h"
#include "model/VektorT.h"

namespace quarnel {

class Bauraum;
class Plattform;

// The object through P orthogonal to A, written into res (not entered): a
// line gives the plane with the line's direction as normal, a plane the line
// along its normal, a point the whole space, the whole space the point P.
// The direction or normal is simplified. False, and res as it was, when A's
// type code is not above 0.
bool Orthogonale(const QuarnelT& A, const VektorT& P, QuarnelT& res);
// The same; ok becomes its result, and a failure shows "Fehler in der
// Methode OrthogonaleDurchP".
void OrthogonaleDurchP(Plattform& ui, const QuarnelT& A, const VektorT& P, QuarnelT& res, bool& ok);

// The object through the stored point of B orthogonal to A, entered as G.
void ErzeugeOrthogonale(Bauraum& raum, const std::string& A, const std::string& B, QuarnelT& G, bool& ok);

// A moved so that its stored point lies on the stored point of P; direction
// or normal as A stores it. Compound objects cannot be moved (ok false).
void ErzeugeVerschieben(Bauraum& raum, const std::string& A, const std::string& P, QuarnelT& G, bool& ok);

// An independent copy of the point, line, plane or whole space Alt under the
// name Neu. ok becomes whether Alt is such an object; nothing else is shown.
void KloneQuarnel(Bauraum& raum, const std::string& Neu, const std::string& Alt, bool& ok);

// The mirror image of g in m, both a point, a line or a plane, written into
// res (not entered). Only when ok is set on entry. res takes g's type code
// first; any other pair gives "Fehler in der Methode Spiegele" and ok false.
// Directions and normals of the image are kept as computed.
void Spiegele(Plattform& ui, const QuarnelT& g, const QuarnelT& m, QuarnelT& res, bool& ok);

// The mirror image of the object named g in the object named m, entered as G.
void ErzeugeSpiegelbild(Bauraum& raum, const std::string& g, const std::string& m, QuarnelT& G, bool& ok);

// Three points of the plane E that are not on one line: its stored point and
// that point moved along two directions of the plane. Only when ok is set on
// entry; ok becomes whether E is a plane.
void Finde3Ebenenpunkte(const QuarnelT& E, VektorT& A1, VektorT& A2, VektorT& A3, bool& ok);

// g turned by winkel degrees about the line achse, written into res (not
// entered), as the mirror images in two planes through the axis. Only when ok
// is set on entry; ok false when the axis is not a line with a direction or
// the angle is not a number, and as Spiegele leaves it.
void DrehungumGerade(Plattform& ui, const QuarnelT& g, double winkel, const QuarnelT& achse, QuarnelT& res,
                     bool& ok);

// The object named g turned by winkel degrees about the line named achse,
// entered as G.
void ErzeugeDrehung(Bauraum& raum, const std::string& g, double winkel, const std::string& achse, QuarnelT& G,
                    bool& ok);

}  // namespace quarnel
