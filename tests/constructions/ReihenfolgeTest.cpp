// Symmetric operations give the same object whichever operand comes first,
// also for lines and planes that are parallel only within the tolerance.
#include <array>
#include <cmath>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "constructions/Abstaende.h"
#include "constructions/Huelle.h"
#include "support/BauTransformationen.h"

namespace quarnel::test {
namespace {

// The same point, line or plane by the program's own tolerance: each stored
// point lies on the other object and the vectors are parallel.
::testing::AssertionResult Dasselbe(const QuarnelT& a, const QuarnelT& b) {
  if (a.Typ != b.Typ) return ::testing::AssertionFailure() << "type " << a.Typ << " and type " << b.Typ;
  bool gleich = true;
  if (a.Typ == Punkt) gleich = a.v1.istgleich(b.v1);
  if (a.Typ == Gerade)
    gleich = SindParallel(a.v2, b.v2) && AufGerade(a.v1, b.v1, b.v2) && AufGerade(b.v1, a.v1, a.v2);
  if (a.Typ == Ebene) gleich = SindParallel(a.v2, b.v2) && InEbene(a.v1, b.v1, b.v2) && InEbene(b.v1, a.v1, a.v2);
  if (gleich) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << a.v1.Vektor2String(6) << " " << a.v2.Vektor2String(6) << " and "
                                       << b.v1.Vektor2String(6) << " " << b.v2.Vektor2String(6);
}

QuarnelT Flach(std::int32_t typ, const VektorT& p, const VektorT& v) { return {"", typ, p, v, 0.0, {}}; }

struct Paar {
  BauT b;
  QuarnelT Schnitt(const QuarnelT& x, const QuarnelT& y) {
    QuarnelT r;
    quarnel::Schnitt(x, y, r);
    return r;
  }
  QuarnelT Huelle(const QuarnelT& x, const QuarnelT& y, const QuarnelT& z) {
    QuarnelT r;
    bool ok = true;
    quarnel::Huelle(x, y, z, r, ok);
    return r;
  }
  // Intersection, distance, angle and hull of g and h in every order; the
  // intersection is returned.
  QuarnelT PruefeBeideReihenfolgen(const QuarnelT& g, const QuarnelT& h) {
    const QuarnelT s = Schnitt(g, h);
    EXPECT_TRUE(Dasselbe(s, Schnitt(h, g)));
    EXPECT_EQ(AbstandG(g, h), AbstandG(h, g));
    EXPECT_EQ(Winkel(g.v2, h.v2, nullptr), Winkel(h.v2, g.v2, nullptr));
    const QuarnelT u = Huelle(g, h, g);
    for (const QuarnelT& w : {Huelle(h, g, h), Huelle(g, g, h), Huelle(h, h, g), Huelle(g, h, h), Huelle(h, g, g)})
      EXPECT_TRUE(Dasselbe(u, w));
    return s;
  }
  // The plane through three points in all six orders.
  void PruefeEbenen(const VektorT& x, const VektorT& y, const VektorT& z) {
    b.P("X", x.x(), x.y(), x.z());
    b.P("Y", y.x(), y.y(), y.z());
    b.P("Z", z.x(), z.y(), z.z());
    const QuarnelT e = b.Ebene("E", "X", "Y", "Z");
    const std::array<std::array<const char*, 3>, 5> andere{
        {{"X", "Z", "Y"}, {"Y", "X", "Z"}, {"Y", "Z", "X"}, {"Z", "X", "Y"}, {"Z", "Y", "X"}}};
    for (const auto& o : andere) EXPECT_TRUE(Dasselbe(e, b.Ebene("E", o[0], o[1], o[2]))) << o[0] << o[1] << o[2];
    const QuarnelT hx = b.Q("X"), hy = b.Q("Y"), hz = b.Q("Z");
    const QuarnelT u = Huelle(hx, hy, hz);
    EXPECT_EQ(u.Typ, e.Typ == Ebene ? Ebene : Gerade);
    for (const QuarnelT& w : {Huelle(hx, hz, hy), Huelle(hy, hx, hz), Huelle(hy, hz, hx), Huelle(hz, hx, hy),
                              Huelle(hz, hy, hx)})
      EXPECT_TRUE(Dasselbe(u, w));
  }
};

TEST(Reihenfolge, GeradenUnterSehrKleinemWinkel) {
  // The x-axis and the line through A (10000|0|0) and C (0|1|0) meet in A
  // at 0.0057 degrees, in the plane z = 0.
  Paar t;
  t.b.P("A", 10000, 0, 0);
  t.b.P("C", 0, 1, 0);
  t.b.P("B", 1, 0, 0);
  const QuarnelT g = t.b.Gerade("g", "O", "B");
  const QuarnelT h = t.b.Gerade("h", "A", "C");
  EXPECT_TRUE(IstPunktBei(t.PruefeBeideReihenfolgen(g, h), {10000, 0, 0}));
  EXPECT_EQ(AbstandG(g, h), 0.0);
  EXPECT_TRUE(IstEbene(t.Huelle(g, h, g), {0, 0, 0}, {0, 0, 1}));
  EXPECT_TRUE(IstEbene(t.b.Ebene("E", "A", "O", "C"), {0, 0, 0}, {0, 0, 1}));
  t.PruefeEbenen({10000, 0, 0}, {0, 0, 0}, {0, 1, 0});
  EXPECT_TRUE(t.b.Meldungen().empty());
}

TEST(Reihenfolge, ZufaelligeFastParalleleGeradenUndEbenen) {
  std::mt19937 zufall(20261207);
  std::uniform_real_distribution<double> z(-1.0, 1.0);
  auto zahl = [&](double a, double b) { return a + (b - a) * (z(zufall) + 1.0) / 2.0; };
  auto vektor = [&](double m) { return VektorT(m * z(zufall), m * z(zufall), m * z(zufall)); };
  auto einheit = [](const VektorT& v) { return v.mal(1.0 / v.Norm()); };
  for (int i = 0; i < 400; ++i) {
    SCOPED_TRACE(i);
    Paar t;
    const VektorT p = vektor(100);
    const VektorT u = vektor(10);
    if (u.Norm() < 1.0) continue;
    // A unit vector across u, and u turned towards it by a tiny angle.
    const VektorT quer = einheit(u.kreuz(vektor(1)));
    const VektorT v = u.LinKomb(1.0, quer, zahl(2e-5, 2e-4) * u.Norm());
    const VektorT senkrecht = einheit(u.kreuz(v));
    const double fern = zahl(50, 500) * (i % 2 ? 1 : -1), abstand = zahl(0.01, 10);
    const VektorT treff = p.LinKomb(1.0, u, fern);  // on the first line
    const VektorT q = treff.LinKomb(1.0, v, zahl(50, 500));
    const QuarnelT g = Flach(Gerade, p, u);
    switch (i % 4) {
      case 0: {  // meeting at a very small angle, far from both stored points
        const QuarnelT s = t.PruefeBeideReihenfolgen(g, Flach(Gerade, q, v));
        EXPECT_TRUE(IstPunktBei(s, treff, 1e-6 * treff.Norm()));
        EXPECT_EQ(AbstandG(g, Flach(Gerade, q, v)), 0.0);
        t.PruefeEbenen(treff, p, q);
        break;
      }
      case 1: {  // skew, the common perpendicular `abstand` long
        const QuarnelT h = Flach(Gerade, q.LinKomb(1.0, senkrecht, abstand), v);
        EXPECT_EQ(t.PruefeBeideReihenfolgen(g, h).Typ, LeeresQuarnel);
        EXPECT_NEAR(AbstandG(g, h), abstand, 1e-9 * q.Norm());
        t.PruefeEbenen(treff, p, h.v1);
        break;
      }
      case 2: {  // exactly parallel, apart
        const QuarnelT h = Flach(Gerade, treff.LinKomb(1.0, quer, abstand), u.mal(i % 8 == 2 ? 2.0 : -0.5));
        EXPECT_EQ(t.PruefeBeideReihenfolgen(g, h).Typ, LeeresQuarnel);
        EXPECT_EQ(t.Huelle(g, h, g).Typ, Ebene);
        break;
      }
      default: {  // planes normal to u and v, meeting in a line far from e's point
        const QuarnelT e = Flach(Ebene, treff, u);
        const QuarnelT f = Flach(Ebene, treff.LinKomb(1.0, einheit(u.kreuz(senkrecht)), fern), v);
        const QuarnelT s = t.PruefeBeideReihenfolgen(e, f);
        EXPECT_EQ(s.Typ, Gerade);
        EXPECT_EQ(t.Huelle(e, f, e).Typ, Raum);
        // Exactly parallel planes `abstand` apart.
        const QuarnelT e2 = Flach(Ebene, treff.LinKomb(1.0, einheit(u), abstand), u.mal(-2.0));
        EXPECT_EQ(t.PruefeBeideReihenfolgen(e, e2).Typ, LeeresQuarnel);
        EXPECT_NEAR(AbstandG(e, e2), abstand, 1e-9 * q.Norm());
        break;
      }
    }
  }
}

TEST(Reihenfolge, FastParalleleTreffenSichNurWoDieZahlenEsAufloesen) {
  // Planes and lines tilted by 1e-9 against each other, c apart at the
  // origin, meet at c·1e9: at 1e6 they meet; at 5e8, where rounding of the
  // coordinates reaches the tolerance, they are parallel and c apart.
  Paar t;
  for (const double c : {1e-3, 0.5}) {
    const QuarnelT e = Flach(Ebene, {0, 0, 0}, {0, 0, 1}), f = Flach(Ebene, {0, 0, c}, {1e-9, 0, 1});
    const QuarnelT g = Flach(Gerade, {0, 0, 0}, {1, 0, 0}), h = Flach(Gerade, {0, c, 0}, {1, -1e-9, 0});
    EXPECT_EQ(t.PruefeBeideReihenfolgen(e, f).Typ, c < 0.1 ? Gerade : LeeresQuarnel) << c;
    EXPECT_EQ(t.PruefeBeideReihenfolgen(g, h).Typ, c < 0.1 ? Punkt : LeeresQuarnel) << c;
    EXPECT_NEAR(AbstandG(e, f), c < 0.1 ? 0 : c, 1e-9);
    EXPECT_NEAR(AbstandG(g, h), c < 0.1 ? 0 : c, 1e-9);
  }
}

// The distance of the point p from the point, line or plane g.
double AbstandVon(const VektorT& p, const QuarnelT& g) {
  if (g.Typ == Punkt) return p.dist(g.v1);
  return g.Typ == Gerade ? AbstandVonGerade(p, g) : AbstandVonEbene(p, g);
}

TEST(Reihenfolge, GedrehteUndGespiegelteBleibenParallel) {
  // A plane E, a line h and a point P, turned by an even number of quarter
  // turns (at once, or in two odd steps) about an axis g parallel to E and h,
  // or mirrored in a plane S parallel to both, in g or in a point A: each
  // image is the object itself or lies apart, parallel, at twice the
  // distance from the mirror, whatever rounding tilted its stored vector.
  std::mt19937 zufall(16);
  std::uniform_real_distribution<double> z(-1.0, 1.0);
  auto vektor = [&](double m) { return VektorT(m * z(zufall), m * z(zufall), m * z(zufall)); };
  for (int i = 0; i < 600; ++i) {
    SCOPED_TRACE(i);
    Paar t;
    BauT& b = t.b;
    const VektorT n = vektor(5), A = vektor(100);
    if (n.Norm() < 0.5) continue;
    const VektorT quer = n.kreuz(vektor(3));  // a direction within E
    b.E("E", n.x(), n.y(), n.z(), std::round(n.SkalProd(vektor(100))));
    b.Pkt("A", A);
    b.Pkt("B", A.plus(quer));
    b.Gerade("g", "A", "B");
    b.Ebe("S", A, n.mal(z(zufall) * 3));
    b.Pkt("P", vektor(100));
    b.Ger("h", b.Q("P").v1, quer.mal(z(zufall) < 0 ? -2.0 : 0.5));
    const std::string X = i % 3 == 0 ? "E" : i % 3 == 1 ? "h" : "P";
    const int fall = i / 3 % 5, k = 2 * static_cast<int>(4 * z(zufall)) + 1;
    const int viertel = k + 2 * static_cast<int>(3 * z(zufall)) + 1;  // even
    const char* spiegel = fall < 2 ? "g" : std::array{"S", "g", "A"}[fall - 2];  // half turns mirror in g
    if (fall == 0) b.Drehe("Y", X, 90 * viertel, "g");
    if (fall == 1) b.Drehe("Y", b.Drehe("Y1", X, 90 * k, "g").name, 90 * (viertel - k), "g");
    if (fall >= 2) b.Spiegelbild("Y", X, spiegel);
    const QuarnelT x = b.Q(X), y = b.Q("Y"), m = b.Q(spiegel);
    const double abstand = fall < 2 && viertel % 4 == 0
                               ? 0.0
                               : 2.0 * (m.Typ >= x.Typ ? AbstandVon(x.v1, m) : AbstandVon(m.v1, x));
    const QuarnelT s = t.PruefeBeideReihenfolgen(x, y);
    EXPECT_TRUE(abstand == 0.0 ? Dasselbe(s, x) : s.Typ == LeeresQuarnel) << X;
    EXPECT_NEAR(AbstandG(x, y), abstand, 1e-9 * abstand) << X;
    EXPECT_TRUE(abstand == 0.0 ? Dasselbe(t.Huelle(x, y, y), x) : t.Huelle(x, y, x).Typ == x.Typ + 1) << X;
    EXPECT_TRUE(b.Meldungen().empty());
  }
}

}  // namespace
}  // namespace quarnel::test
