#include "model/VektorT.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>
#include <tuple>

#include "model/Genau.h"
#include "platform/Plattform.h"
#include "platform/Text.h"

namespace quarnel {

bool IstNull(double x) { return std::fabs(x) < NullToleranz; }

std::int32_t ggT(std::int32_t a, std::int32_t b) {
  // Absolute values computed wide, so that the most negative Int32 saturates
  // instead of overflowing.
  auto betrag = [](std::int32_t v) -> std::int32_t {
    std::int64_t w = std::llabs(static_cast<std::int64_t>(v));
    return w > std::numeric_limits<std::int32_t>::max() ? std::numeric_limits<std::int32_t>::max()
                                                        : static_cast<std::int32_t>(w);
  };
  a = betrag(a);
  b = betrag(b);
  if (b < a) std::swap(a, b);
  while (a > 0) {
    std::int32_t t = b % a;
    b = a;
    a = t;
  }
  return b;
}

namespace {

// z, which is no whole number and whose scaled value |z|·10^d is 2^52 or
// more, rounded to d decimals from its exact binary value, halves away from
// zero; trailing zeros and a bare point cut. Such a double is at least
// 2^52 / 10^6 > 2^32, so it holds at most 20 binary digits after the point
// and its decimal text at 24 places is exact. `nurHalbe`: only where the
// shortest text (Str) has all d decimals and the exact value is a tie is it
// rounded so; the shortest text took the even neighbour there. Any other
// value keeps its shortest text: its exact digits beyond would show only
// how the double rounds what was meant (40000000000000.01 is
// 40000000000000.0078125).
std::string Festkomma(double z, int dezimalen, bool nurHalbe) {
  if (nurHalbe) {
    const std::string kurz = Str(z);
    const std::size_t punkt = kurz.find('.');
    if (punkt == std::string::npos || kurz.size() - punkt - 1 < static_cast<std::size_t>(dezimalen)) return kurz;
  }
  std::array<char, 64> buf{};  // |z| < 2^52: at most 16 digits before the point
  const auto [ende, fehler] =
      std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(z), std::chars_format::fixed, 24);
  if (fehler != std::errc()) return Str(z);
  std::string text(buf.data(), ende);
  const std::size_t schnitt = text.find('.') + 1 + static_cast<std::size_t>(dezimalen);
  bool aufrunden = text[schnitt] >= '5';
  if (nurHalbe && (text[schnitt] != '5' || text.find_first_not_of('0', schnitt + 1) != std::string::npos)) return Str(z);
  text.resize(schnitt);
  for (int i = static_cast<int>(text.size()) - 1; aufrunden; --i) {
    if (i < 0) {
      text.insert(0, "1");
      break;
    }
    if (text[i] == '.') continue;
    aufrunden = text[i] == '9';
    text[i] = aufrunden ? '0' : static_cast<char>(text[i] + 1);
  }
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return z < 0.0 ? "-" + text : text;
}

}  // namespace

std::string z2s(double z, int dezimalen) {
  double w = 0.0;
  if (!IstNull(z)) {
    if (dezimalen < 1) dezimalen = 1;
    if (dezimalen > 6) dezimalen = 6;
    static constexpr double zehner[7] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    const double p = zehner[dezimalen];
    const double skaliert = std::fabs(z) * p;
    if (skaliert >= 0x1p52) {
      // From 2^52 on, p·z has no digits after the point: scaling it there and
      // back would only add rounding errors (1000000000001 would come back as
      // 1000000000000.9999). A whole number is written as it is. Below 2^53 a
      // fraction may hold more binary digits than chosen: it is rounded from
      // its exact value. From 2^53 on its shortest text has no more decimals
      // than chosen, and digits beyond it would show only the rounding of
      // the double; but where the exact value is a tie, the shortest text
      // would take the even neighbour, so a tie is rounded away from zero.
      if (z != std::floor(z)) return Festkomma(z, dezimalen, skaliert >= 0x1p53);
      w = z;
    } else {
      w = Round(p * z) / p;
    }
  }
  return Str(w);
}

VektorT VektorT::plus(const VektorT& b) const {
  return VektorT(kp[1] + b.kp[1], kp[2] + b.kp[2], kp[3] + b.kp[3]);
}

VektorT VektorT::kreuz(const VektorT& b) const {
  return VektorT(kp[2] * b.kp[3] - kp[3] * b.kp[2], kp[3] * b.kp[1] - kp[1] * b.kp[3],
                 kp[1] * b.kp[2] - kp[2] * b.kp[1]);
}

VektorT VektorT::mal(double f) const { return VektorT(f * kp[1], f * kp[2], f * kp[3]); }

double VektorT::SkalProd(const VektorT& b) const {
  double s = 0.0;
  for (int i = 1; i <= 3; ++i) s = s + kp[i] * b.kp[i];
  return s;
}

VektorT VektorT::LinKomb(double a, const VektorT& b, double c) const {
  return mal(a).plus(b.mal(c));
}

double VektorT::Det(const VektorT& b, const VektorT& c) const { return SkalProd(b.kreuz(c)); }

VektorT VektorT::Richtung(const VektorT& q) const { return LinKomb(1.0, q, -1.0); }

bool VektorT::IstNullvektor() const { return IstNull(SkalProd(*this)); }

bool VektorT::VGanzzahlig() const {
  double e[4];
  for (int i = 1; i <= 3; ++i) {
    double c = std::fabs(kp[i]);
    e[i] = std::fabs(c - std::floor(c));
  }
  return IstNull((e[3] + e[2]) + e[1]);
}

void VektorT::VereinfacheRichtung() {
  const double x0 = kp[1], y0 = kp[2], z0 = kp[3];
  if ((x0 < 0.0 && y0 < 0.0) || (x0 < 0.0 && z0 < 0.0) || (y0 < 0.0 && z0 < 0.0)) {
    for (int i = 1; i <= 3; ++i) kp[i] = -kp[i];
  }
  // A component counts as zero when it is below the tolerance both as it is
  // and beside the largest one: so rounding noise goes, but a short normal
  // such as (0|-9e-8|4e-4), of a plane through three points 0.02 apart,
  // keeps its tilt, which is a quarter of a thousandth.
  const double groesste = std::fmax(std::fmax(std::fabs(kp[1]), std::fabs(kp[2])), std::fabs(kp[3]));
  for (int i = 1; i <= 3; ++i)
    if (IstNull(kp[i]) && std::fabs(kp[i]) < NullToleranz * groesste) kp[i] = 0.0;
  if (VGanzzahlig()) {
    std::int32_t g = ggT(ggT(CInt32(x0), CInt32(y0)), CInt32(z0));
    if (g > 1) {
      for (int i = 1; i <= 3; ++i) kp[i] = kp[i] / static_cast<double>(g);
    }
  }
}

double VektorT::Norm() const { return std::sqrt(SkalProd(*this)); }

void VektorT::Normiere() {
  double n = Norm();
  *this = mal(1.0 / n);
}

bool VektorT::istgleich(const VektorT& b) const {
  double s = 0.0;
  for (int i = 1; i <= 3; ++i) {
    double d = b.kp[i] - kp[i];
    s = s + d * d;
  }
  return IstNull(s);
}

double VektorT::dist(const VektorT& b) const { return LinKomb(1.0, b, -1.0).Norm(); }

std::string VektorT::Vektor2String(int dezimalen) const {
  return "(" + z2s(kp[1], dezimalen) + "|" + z2s(kp[2], dezimalen) + "|" + z2s(kp[3], dezimalen) + ")";
}

VektorT VektorT::SpiegelePP(const VektorT& z) const { return LinKomb(-1.0, z, 2.0); }

VektorT VektorT::Fusspunkt(const VektorT& a, const VektorT& b) const {
  // Two points that count as one give no line: the foot is that point, taken
  // as their middle, so that it is the same in either order.
  if (a.Richtung(b).IstNullvektor()) return Verschoben(a, Differenz(b, a) * Genau{0.5});
  // a + t·(b − a) with t = (self − a)·(b − a) / |b − a|², from the exact
  // differences and divided in numbers of about 31 digits, rounded once: the
  // same point whichever end of the line comes first.
  const GenauV d = Differenz(b, a);
  return Verschoben(a, d * (Skalar(Differenz(*this, a), d) / Skalar(d, d)));
}

double VektorT::DreiecksFlaeche(const VektorT& p2, const VektorT& p3) const {
  // Half the cross product of two sides, from the exact differences of the
  // corners: a needle-shaped triangle keeps its digits, whichever corner the
  // sides start from. Heron's formula from the three lengths would lose them
  // in s − a.
  return Laenge(Kreuz(Differenz(p2, *this), Differenz(p3, *this))) / 2.0;
}

bool VektorT::Hesseform(const VektorT& p2, const VektorT& p3, VektorT& n, double& d) const {
  VektorT u = Richtung(p2);
  VektorT v = Richtung(p3);
  n = u.kreuz(v);
  if (n.IstNullvektor()) return false;
  n.Normiere();
  d = n.SkalProd(p2);
  return true;
}

namespace {

// Cosine and sine of an angle in degrees. At whole multiples of 90 degrees
// they are exactly 0, 1 or -1: the radians of such an angle are rounded, and
// cos(pi/2) would come out as 6e-17, enough to tilt a plane turned by 180
// degrees against the parallel plane it should be.
void KosinusUndSinus(double grad, double& c, double& s) {
  const double viertel = grad / 90.0;
  if (std::isfinite(viertel) && viertel == std::floor(viertel)) {
    static constexpr double kKosinus[4] = {1.0, 0.0, -1.0, 0.0};
    const int k = (static_cast<int>(std::fmod(viertel, 4.0)) + 4) % 4;
    c = kKosinus[k];
    s = kKosinus[(k + 3) % 4];
    return;
  }
  const double bogen = ((grad * 4.0) * std::atan(1.0)) / 180.0;
  c = std::cos(bogen);
  s = std::sin(bogen);
}

}  // namespace

void VektorT::DrehachsenRichtungen(double alpha, VektorT& n1, VektorT& n2) const {
  // The rotation about a line is made of two mirror images in planes through
  // the line; their normals are D × n1 and D × n2. n1 is perpendicular to the
  // axis D; n2 is n1 turned by alpha in the negative sense about the axis, so
  // that the two mirror images turn by 2·alpha. The sense always refers to
  // the stored direction D: seen from the tip of D, a positive angle turns
  // clockwise, whatever the signs of D's components.
  const double x = kp[1], y = kp[2];
  double c = 0.0, s = 0.0;
  KosinusUndSinus(alpha, c, s);
  if (IstNull(x)) {
    n1.Vektor(1.0, 0.0, 0.0);
  } else {
    // (y|−x|0) is as long as the part of D across the z-axis, nearly null
    // for an axis close to it; only its direction matters.
    n1.Vektor(y, -x, 0.0);
    n1 = n1.mal(1.0 / n1.Norm());
  }
  // n2 = |D|·cos(alpha)·n1 − sin(alpha)·(D × n1): sine and cosine both enter,
  // so every angle has its own pair, and a half angle of 0 or 180 degrees
  // gives n2 parallel to n1 (one mirror plane twice, the identity).
  n2 = n1.LinKomb(Norm() * c, kreuz(n1), -s);
}

VektorT Einheit(const VektorT& v) {
  if (v.IstNullvektor()) return v;
  // Divided by its largest component first, so that the squared length of a
  // long vector cannot overflow.
  const double m = std::fmax(std::fmax(std::fabs(v.x()), std::fabs(v.y())), std::fabs(v.z()));
  const VektorT w = v.mal(1.0 / m);
  return w.mal(1.0 / w.Norm());
}

bool SindParallel(const VektorT& a, const VektorT& b) { return Einheit(a).kreuz(Einheit(b)).IstNullvektor(); }

bool SindSenkrecht(const VektorT& a, const VektorT& b) { return IstNull(Einheit(a).SkalProd(Einheit(b))); }

bool AufGerade(const VektorT& p, const VektorT& q, const VektorT& u) {
  return p.Richtung(q).kreuz(Einheit(u)).IstNullvektor();
}

bool InEbene(const VektorT& p, const VektorT& q, const VektorT& n) {
  return IstNull(p.Richtung(q).SkalProd(Einheit(n)));
}

namespace {

// The points in the order of their coordinates, so that a verdict on them
// does not depend on the order they were given in.
template <std::size_t N>
std::array<VektorT, N> Geordnet(std::array<VektorT, N> e) {
  std::sort(e.begin(), e.end(), [](const VektorT& x, const VektorT& y) {
    return std::tie(x.kp[1], x.kp[2], x.kp[3]) < std::tie(y.kp[1], y.kp[2], y.kp[3]);
  });
  return e;
}

}  // namespace

bool AufEinerGeraden(const VektorT& p1, const VektorT& p2, const VektorT& p3) {
  const std::array<VektorT, 3> e = Geordnet<3>({p1, p2, p3});
  const VektorT &a = e[0], &b = e[1], &c = e[2];
  // The height over the longest side is the lowest one; the angle at a
  // single corner says nothing (a long thin triangle has a tiny angle at
  // two corners and still spans a plane).
  const VektorT ab = a.Richtung(b), bc = b.Richtung(c), ca = c.Richtung(a);
  const double lab = ab.SkalProd(ab), lbc = bc.SkalProd(bc), lca = ca.SkalProd(ca);
  if (lab >= lbc && lab >= lca) return AufGerade(c, a, ab);
  if (lbc >= lca) return AufGerade(a, b, bc);
  return AufGerade(b, c, ca);
}

bool InEinerEbene(const VektorT& p1, const VektorT& p2, const VektorT& p3, const VektorT& p4) {
  const std::array<VektorT, 4> e = Geordnet<4>({p1, p2, p3, p4});
  // The lowest height stands over the largest face, as for three points
  // over the longest side. Each face is given by its normal (twice its area
  // long) and the edge from one of its corners to the opposite corner.
  const VektorT b = e[1].Richtung(e[0]), c = e[2].Richtung(e[0]), d = e[3].Richtung(e[0]);
  struct Flaeche {
    VektorT normale, kante;
    int ecken[3];
  };
  const std::array<Flaeche, 4> flaechen{{
      {b.kreuz(c), d, {0, 1, 2}},
      {b.kreuz(d), c, {0, 1, 3}},
      {c.kreuz(d), b, {0, 2, 3}},
      {c.Richtung(b).kreuz(d.Richtung(b)), b.mal(-1.0), {1, 2, 3}},
  }};
  const Flaeche& f = *std::max_element(flaechen.begin(), flaechen.end(), [](const Flaeche& x, const Flaeche& y) {
    return x.normale.SkalProd(x.normale) < y.normale.SkalProd(y.normale);
  });
  // When the largest face has no plane of its own (its corners lie on a
  // line), its normal is rounding noise and a height along it means
  // nothing. Every other face is smaller, so the fourth corner lies no
  // farther from the longest side than the third: the body is flat.
  if (f.normale == VektorT() || AufEinerGeraden(e[f.ecken[0]], e[f.ecken[1]], e[f.ecken[2]])) return true;
  // Otherwise the fourth corner is a point in the plane of that face when
  // its height counts as zero, as for any point and plane (InEbene).
  return IstNull(f.kante.SkalProd(Einheit(Verlaengert(f.normale))));
}

VektorT Quer(const VektorT& d, const VektorT& u) {
  const VektorT e = Einheit(Verlaengert(u));
  return d.LinKomb(1.0, e, -d.SkalProd(e));
}

VektorT Verlaengert(const VektorT& v) {
  if (!v.IstNullvektor() || v == VektorT()) return v;
  const double m = std::fmax(std::fmax(std::fabs(v.x()), std::fabs(v.y())), std::fabs(v.z()));
  int exponent = 0;
  std::frexp(m, &exponent);  // m = f·2^exponent with 0.5 ≤ f < 1
  VektorT w = v;
  for (int i = 1; i <= 3; ++i) w.kp[i] = std::ldexp(w.kp[i], 1 - exponent);
  // The largest component now lies in [1, 2); the length is at most √3 times
  // that, so one more halving may be needed.
  if (w.SkalProd(w) >= 4.0)
    for (int i = 1; i <= 3; ++i) w.kp[i] = std::ldexp(w.kp[i], -1);
  return w;
}

namespace {

// v scaled by a power of two, which is exact, so that its largest
// component lies in [1, 2).
VektorT Zweierskaliert(const VektorT& v) {
  const double m = std::fmax(std::fmax(std::fabs(v.x()), std::fabs(v.y())), std::fabs(v.z()));
  if (!(m > 0.0) || !std::isfinite(m)) return v;
  int exponent = 0;
  std::frexp(m, &exponent);
  VektorT w = v;
  for (int i = 1; i <= 3; ++i) w.kp[i] = std::ldexp(w.kp[i], 1 - exponent);
  return w;
}

// The cosine of the angle between a and b, neither of them null.
double Kosinus(const VektorT& a, const VektorT& b) {
  // The cosine does not depend on the lengths. The squared length of a very
  // long vector (a cross product of long normals) overflows, so such vectors
  // are scaled first; for all others the cosine is computed as it stands.
  VektorT p = a, q = b;
  if (!std::isfinite(p.SkalProd(p)) || !std::isfinite(q.SkalProd(q))) {
    p = Zweierskaliert(a);
    q = Zweierskaliert(b);
  }
  // Divided by the longer length first, so that the cosine is the same
  // number whichever vector comes first.
  const double np = p.Norm(), nq = q.Norm();
  return (p.SkalProd(q) / std::fmax(np, nq)) / std::fmin(np, nq);
}

// Radians in degrees.
double Grad(double bogen) { return (bogen * 180.0) / (4.0 * std::atan(1.0)); }

}  // namespace

double Winkel(const VektorT& a, const VektorT& b, Plattform* meldung) {
  if (a.IstNullvektor() || b.IstNullvektor()) {
    if (meldung) meldung->MsgBox("Der Nullvektor bestimmt keinen Winkel zu einem anderen Vektor");
    return kKeinWinkel;
  }
  const double c = Kosinus(a, b);
  if (IstNull(1.0 - c)) return 0.0;
  // Antiparallel vectors within the same tolerance enclose 180 degrees; near
  // -1 the arc cosine would turn the last bit of rounding into a millionth
  // of a degree, and the angle of two lines would depend on which way their
  // stored directions point.
  if (IstNull(1.0 + c)) return 180.0;
  // Rounding can put the cosine of (anti)parallel vectors just outside [-1, 1].
  return Grad(std::acos(std::fmin(std::fmax(c, -1.0), 1.0)));
}

double WahrerWinkel(const VektorT& a, const VektorT& b) {
  if (a.IstNullvektor() || b.IstNullvektor()) return kKeinWinkel;
  // Near 0 and 180 degrees the arc cosine turns the rounding of the cosine
  // into millionths of a degree; sine and cosine together keep every digit
  // (two exactly antiparallel edges give exactly 180 degrees). Scaled by
  // powers of two, which changes no angle, so that nothing overflows.
  const VektorT p = Zweierskaliert(a), q = Zweierskaliert(b);
  return Grad(std::atan2(p.kreuz(q).Norm(), p.SkalProd(q)));
}

}  // namespace quarnel
