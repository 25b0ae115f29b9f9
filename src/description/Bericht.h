#pragma once
// The detailed report of a triangle or a tetrahedron, and the solid
// measurements of a tetrahedron that it prints.
#include <string>

#include "model/QuarnelT.h"
#include "model/VektorT.h"

namespace quarnel {

class HauptF;

// Puts the detailed report of the triangle or tetrahedron named s on top of
// the description text. ok becomes false, and nothing is written, when s
// names no triangle or tetrahedron or when the report cannot be made (a
// corner name that names no object).
void BeschreibeEck(HauptF& h, const std::string& s, bool& ok);

// The report of a triangle or a tetrahedron: lines separated by CR, none
// after the last. "" for any other object and when a corner name names no
// object.
std::string ausfBeschreibung(HauptF& h, const QuarnelT& g);

// Surface area of a tetrahedron, area of a triangle; 0 for any other object
// and when a corner is missing.
double Flaeche(HauptF& h, const QuarnelT& g);

// Centre M and radius r of the sphere through the four corners of the
// tetrahedron g. Reads ok: nothing happens when it is false on entry. ok
// becomes false (M and r untouched) when g is no tetrahedron, a corner is
// missing, or the corners lie in one plane ("Das Tetraeder ist ausgeartet").
void Umkugel(HauptF& h, const QuarnelT& g, VektorT& M, double& r, bool& ok);

// Centre M and radius r of the sphere that touches the four face planes of
// the tetrahedron g from inside. ok is set from its own checks; on failure
// M and r are untouched.
void Inkugel(HauptF& h, const QuarnelT& g, VektorT& M, double& r, bool& ok);

// The heights h1 to h4 of the tetrahedron g at its corners Ecken[1] to
// Ecken[4]: each corner's distance from the plane of the other three. ok is
// set from its own checks; on failure the heights are untouched.
void TetraHoehen(HauptF& h, const QuarnelT& g, double& h1, double& h2, double& h3, double& h4, bool& ok);

}  // namespace quarnel
