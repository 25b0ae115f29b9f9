#pragma once
// Numbers of about 31 digits for the few values that need more than a
// double: the area of a triangle and the feet of its heights, and the
// volume, heights, spheres and sums of a tetrahedron's report. Such values are small results of large products: a body 1e5
// long, 1 wide and 1e-3 thick has a volume of about 17 from products of
// 1e15, of which doubles keep three or four digits, and other ones in
// another order of the corners. A number here is the unevaluated sum of two
// doubles (about 106 bits): the difference of two coordinates is exact in
// it, and a sum, product or quotient is right to about 2^-104 of its size.
// What the products cancel is lost from those 31 digits, not from a double's
// 16, so the volume of that needle keeps 18 digits whatever the order of its
// corners. The sum of a few doubles of like size is exact here; a value
// summed or divided in these numbers and rounded once at the end is the
// same double in every order of its terms, where doubles summed in turn
// differ in the last digit.
#include <array>

#include "model/VektorT.h"

namespace quarnel {

// hoch + tief, tief at most half a unit in the last place of hoch.
struct Genau {
  double hoch = 0.0;
  double tief = 0.0;
};

Genau operator+(const Genau& a, const Genau& b);
Genau operator-(const Genau& a);
Genau operator-(const Genau& a, const Genau& b);
Genau operator*(const Genau& a, const Genau& b);
Genau operator/(const Genau& a, const Genau& b);
// |a|.
Genau Betrag(const Genau& a);
// The double nearest to a.
double Wert(const Genau& a);

// A vector of such numbers, components x, y, z at 0 to 2.
struct GenauV {
  std::array<Genau, 3> k;
};

// p − q exactly.
GenauV Differenz(const VektorT& p, const VektorT& q);
GenauV operator+(const GenauV& a, const GenauV& b);
GenauV operator*(const GenauV& a, const Genau& f);
GenauV operator/(const GenauV& a, const Genau& f);
GenauV Kreuz(const GenauV& a, const GenauV& b);
Genau Skalar(const GenauV& a, const GenauV& b);
// b · (c × d), from the exact value rounded once: the same number, but for
// its sign, in every order of the three vectors, however much the products
// cancel (a sliver's volume is a tiny rest of them).
Genau Spatprodukt(const GenauV& b, const GenauV& c, const GenauV& d);
double Laenge(const GenauV& a);
// The point p moved by d, rounded once.
VektorT Verschoben(const VektorT& p, const GenauV& d);

}  // namespace quarnel
