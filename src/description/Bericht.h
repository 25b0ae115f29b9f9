#pragma once
// The detailed report of a triangle or a tetrahedron, and the solid
// measurements of a tetrahedron that it prints.
#include <string>

#include "model/QuarnelT.h"
#include "model/VektorT.h"

namespace quarnel {

class Bauraum;
class Beschreibung;
class Objektliste;

// Puts the detailed report of the triangle or tetrahedron named s on top of
// the description text. When the report cannot be made, ok becomes false,
// nothing is written and a message says why: the object is no triangle or
// tetrahedron, a corner is missing or no point any more (it names that
// corner), or a number of the report is not finite. A name that names no
// object only clears ok.
void BeschreibeEck(Beschreibung& beschr, const std::string& s, bool& ok);

// Why there is no report of the object or name s: "S ist weder ein Dreieck
// noch ein Tetraeder".
std::string KeinDreieckOderTetraeder(const std::string& name);

// Surface area of a tetrahedron, area of a triangle; 0 for any other object
// and when a corner is missing or no point.
double Flaeche(const Objektliste& objekte, const QuarnelT& g);

// Centre M and radius r of the sphere through the four corners of the
// tetrahedron g. Reads ok: nothing happens when it is false on entry. ok
// becomes false (M and r untouched) when g is no tetrahedron, a corner is
// missing or no point, or the corners lie in one plane (InEinerEbene; "Das
// Tetraeder ist ausgeartet"). Like the heights and the insphere, computed
// from the exact differences of the corners, so that a tetrahedron far from
// the origin or shaped like a needle keeps its digits in every order of its
// corners.
void Umkugel(Bauraum& raum, const QuarnelT& g, VektorT& M, double& r, bool& ok);

// Centre M and radius r of the sphere that touches the four face planes of
// the tetrahedron g from inside. ok is set from its own checks, the same as
// Umkugel's but for the flag on entry; on failure M and r are untouched.
void Inkugel(Bauraum& raum, const QuarnelT& g, VektorT& M, double& r, bool& ok);

// The heights h1 to h4 of the tetrahedron g at its corners Ecken[1] to
// Ecken[4]: each corner's distance from the plane of the other three. ok is
// set from its own checks (three corners on one line give no plane); on
// failure the heights are untouched.
void TetraHoehen(Bauraum& raum, const QuarnelT& g, double& h1, double& h2, double& h3, double& h4, bool& ok);

}  // namespace quarnel
