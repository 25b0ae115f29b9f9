#pragma once
// A vector of three doubles: a point (its position vector), the direction of
// a line or the normal of a plane. A plain value type.
#include <cstdint>
#include <string>

namespace quarnel {

// The one tolerance of the program: |x| strictly below 1e-07 counts as zero.
inline constexpr double NullToleranz = 1e-07;
bool IstNull(double x);
// Greatest common divisor of the absolute values; ggT(0, 0) = 0.
std::int32_t ggT(std::int32_t a, std::int32_t b);
// Output text of a number, rounded to `dezimalen` decimals (1 to 6), never
// with more; a value that counts as zero is written "0", a whole number as
// itself.
std::string z2s(double z, int dezimalen);

struct VektorT {
  // Components x, y, z at indices 1 to 3; index 0 is not used.
  double kp[4] = {0.0, 0.0, 0.0, 0.0};

  VektorT() = default;
  VektorT(double x, double y, double z) : kp{0.0, x, y, z} {}

  double x() const { return kp[1]; }
  double y() const { return kp[2]; }
  double z() const { return kp[3]; }

  void Vektor(double x, double y, double z) { kp[1] = x; kp[2] = y; kp[3] = z; }
  void uebernimmtKomponentenVon(const VektorT& b) { kp[1] = b.kp[1]; kp[2] = b.kp[2]; kp[3] = b.kp[3]; }

  VektorT plus(const VektorT& b) const;
  VektorT kreuz(const VektorT& b) const;         // self × b
  VektorT mal(double f) const;
  double SkalProd(const VektorT& b) const;       // summed in index order
  VektorT LinKomb(double a, const VektorT& b, double c) const;  // a·self + c·b
  double Det(const VektorT& b, const VektorT& c) const;         // self · (b × c)
  VektorT Richtung(const VektorT& q) const;      // self − q
  bool IstNullvektor() const;                    // squared length tested
  void VereinfacheRichtung();                    // canonical form, in place
  bool VGanzzahlig() const;
  double Norm() const;
  void Normiere();                               // only on a vector that is not null
  bool istgleich(const VektorT& b) const;        // squared distance tested
  double dist(const VektorT& b) const;

  // "(x|y|z)" with each component written by z2s.
  std::string Vektor2String(int dezimalen) const;

  // Geometry on points given as vectors.
  // Point reflection of self at the centre z: 2·z − self.
  VektorT SpiegelePP(const VektorT& z) const;
  // Foot of the perpendicular from self onto the line through a and b, the
  // same point in either order of a and b (Genau.h); the middle of a and b
  // when they count as one point.
  VektorT Fusspunkt(const VektorT& a, const VektorT& b) const;
  // Area of the triangle self, p2, p3: half the cross product of two sides,
  // from the exact differences of the corners (Genau.h), so the same in
  // every order of the corners.
  double DreiecksFlaeche(const VektorT& p2, const VektorT& p3) const;
  // Hesse normal form of the plane through self, p2, p3: unit normal n and
  // constant d with n·X = d; false (n unnormalised, d untouched) when the
  // points determine no plane.
  bool Hesseform(const VektorT& p2, const VektorT& p3, VektorT& n, double& d) const;
  // Two directions n1, n2 perpendicular to the axis self, turned from n1 to
  // n2 by the angle alpha (degrees) in the negative sense about self:
  // clockwise seen from the tip of self, whatever the signs of its
  // components. n1 has length 1, n2 about the length of self.
  void DrehachsenRichtungen(double alpha, VektorT& n1, VektorT& n2) const;

  bool operator==(const VektorT& o) const {
    return kp[1] == o.kp[1] && kp[2] == o.kp[2] && kp[3] == o.kp[3];
  }
};

// Geometric decisions that do not depend on the lengths of the stored
// vectors. Directions and normals are stored at whatever length they were
// computed, so the tolerance is applied to unit vectors: for vectors of
// length 1 each test is the plain one. A vector that counts as null is used
// as it is (it has no direction to scale).
// a and b are parallel: |â × b̂|² counts as zero.
bool SindParallel(const VektorT& a, const VektorT& b);
// a and b are perpendicular: â · b̂ counts as zero.
bool SindSenkrecht(const VektorT& a, const VektorT& b);
// p lies on the line through q along u: its squared distance from the line
// counts as zero, as for two equal points.
bool AufGerade(const VektorT& p, const VektorT& q, const VektorT& u);
// p lies in the plane through q with normal n: its distance from the plane
// counts as zero.
bool InEbene(const VektorT& p, const VektorT& q, const VektorT& n);
// The points a, b, c lie on one line: the corner opposite the longest side
// lies on the line through that side. The same answer in every order of the
// three points.
bool AufEinerGeraden(const VektorT& a, const VektorT& b, const VektorT& c);
// The points a, b, c, d lie in one plane: the corner opposite the largest
// face lies in the plane of that face (its height counts as zero, as InEbene
// decides), or the largest face itself lies on a line (AufEinerGeraden). The
// same answer in every order of the four points.
bool InEinerEbene(const VektorT& a, const VektorT& b, const VektorT& c, const VektorT& d);
// v at length 1, or v itself when it counts as null. Exactly the negated
// vector for −v.
VektorT Einheit(const VektorT& v);
// The part of d across the direction u: d less its part along u. u × d is
// the same vector in exact arithmetic; but for a d nearly along u, and long
// (a point nearly on a line, far along it), that cross product cancels to a
// vector tilted by rounding, while u × Quer(d, u) stays across u.
VektorT Quer(const VektorT& d, const VektorT& u);
// A cross product of short vectors can count as the null vector although the
// vectors span a definite direction. Such a vector comes back scaled by a
// power of two, which is exact, to a length from 1 to 2; any other vector,
// the zero vector included, comes back as it is.
VektorT Verlaengert(const VektorT& v);

// Angle between two vectors in degrees (0 to 180), or kKeinWinkel when one of
// them is a null vector. The message is shown through `meldung` when given.
// The angle does not depend on which vector comes first. Within the
// tolerance of parallel (antiparallel) vectors it is exactly 0 (180), so
// that the angle of two lines does not depend on the sense of their stored
// directions.
inline constexpr double kKeinWinkel = 666.0;
class Plattform;
double Winkel(const VektorT& a, const VektorT& b, Plattform* meldung);
// The same angle to its true value, also close to 0 and 180 degrees (the
// angles of a figure); kKeinWinkel, without a message, for a null vector.
double WahrerWinkel(const VektorT& a, const VektorT& b);

}  // namespace quarnel
