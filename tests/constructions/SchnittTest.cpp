// Intersection of points, lines, planes and the whole space.
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "constructions/Abstaende.h"
#include "support/Bau.h"

namespace quarnel::test {
namespace {

struct SchnittTest : ::testing::Test {
  Bau b;
  // Intersects in both orders; both must agree geometrically.
  QuarnelT Beide(const std::string& x, const std::string& y) {
    QuarnelT r1 = b.Schnitt("S1", x, y);
    EXPECT_TRUE(b.ok);
    QuarnelT r2 = b.Schnitt("S2", y, x);
    EXPECT_TRUE(b.ok);
    EXPECT_TRUE(Gleich(r1, r2)) << x << " and " << y;
    return r1;
  }
};

TEST_F(SchnittTest, PunktMitPunktGeradeUndEbene) {
  b.P("A", 1, 2, 3);
  b.P("B", 1.0001, 2, 3);  // closer than the tolerance
  b.P("C", 1, 2, 4);
  b.GeradeDirekt("g", {0, 0, 0}, {1, 2, 3});
  b.EbeneDirekt("e", {0, 0, 3}, {0, 0, 1});
  // Two points that count as equal give a copy of the first operand's position.
  EXPECT_EQ(b.Schnitt("S", "A", "B").v1, VektorT(1, 2, 3));
  EXPECT_EQ(b.Schnitt("S", "B", "A").v1, VektorT(1.0001, 2, 3));
  EXPECT_EQ(b.Satz(), "S ist der Punkt mit dem Koordinatentripel (1.0001 | 2 | 3)");
  EXPECT_EQ(Beide("A", "C").Typ, LeeresQuarnel);
  EXPECT_EQ(b.Satz(), "S2 ist das leere Quarnel");
  EXPECT_TRUE(IstPunktBei(Beide("A", "g"), {1, 2, 3}));
  EXPECT_EQ(Beide("C", "g").Typ, LeeresQuarnel);
  EXPECT_TRUE(IstPunktBei(Beide("A", "e"), {1, 2, 3}));
  EXPECT_EQ(Beide("C", "e").Typ, LeeresQuarnel);
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST_F(SchnittTest, ZweiGeraden) {
  b.GeradeDirekt("g", {0, 0, 0}, {1, 0, 0});
  b.GeradeDirekt("h", {1, 1, 0}, {0, 1, 0});
  b.GeradeDirekt("k", {0, 1, 1}, {0, 0, 1});     // skew to g
  b.GeradeDirekt("m", {5, 0, 0}, {-3, 0, 0});    // g again
  b.GeradeDirekt("p", {0, 2, 0}, {1, 0, 0});     // parallel to g
  b.GeradeDirekt("q", {0, 0, 0}, {1, 1, 1});     // meets g in its stored point
  b.GeradeDirekt("s", {3, -1, 7}, {1, 2, -4});   // general position
  b.GeradeDirekt("t", {2, 5, -1}, {-1, 3, 2});
  EXPECT_TRUE(IstPunktBei(Beide("g", "h"), {1, 0, 0}));
  EXPECT_EQ(Beide("g", "k").Typ, LeeresQuarnel);
  EXPECT_TRUE(IstPunktBei(Beide("g", "q"), {0, 0, 0}));
  EXPECT_EQ(Beide("g", "p").Typ, LeeresQuarnel);
  // The same line: a copy of the first operand.
  QuarnelT r = b.Schnitt("S", "g", "m");
  EXPECT_EQ(r.Typ, Gerade);
  EXPECT_EQ(r.v1, VektorT(0, 0, 0));
  EXPECT_EQ(r.v2, VektorT(1, 0, 0));
  // Lines through a common point in general position meet in that point.
  b.Flach("u", Gerade, {4, 1, 3}, {1, 2, -4});
  b.Flach("w", Gerade, VektorT(4, 1, 3).Richtung(VektorT(-1, 3, 2).mal(2.5)), {-1, 3, 2});
  QuarnelT x = Beide("u", "w");
  EXPECT_TRUE(IstPunktBei(x, {4, 1, 3}, 1e-12));
}

TEST_F(SchnittTest, GeradeUndEbene) {
  b.GeradeDirekt("g", {1, 2, 3}, {0, 0, 1});
  b.EbeneDirekt("e", {0, 0, 0}, {0, 0, 1});
  b.GeradeDirekt("i", {1, 1, 0}, {1, -1, 0});  // in e
  b.GeradeDirekt("p", {1, 1, 1}, {1, -1, 0});  // parallel, outside
  EXPECT_TRUE(IstPunktBei(Beide("g", "e"), {1, 2, 0}));
  QuarnelT r = Beide("e", "i");
  EXPECT_EQ(r.Typ, Gerade);
  EXPECT_EQ(r.v1, VektorT(1, 1, 0));
  EXPECT_EQ(r.v2, VektorT(1, -1, 0));
  EXPECT_EQ(Beide("p", "e").Typ, LeeresQuarnel);
  // A general line meets a general plane in a point of both.
  b.E("f", 2, -1, 3, 7);
  b.GeradeDirekt("s", {3, -1, 7}, {1, 2, -4});
  QuarnelT x = Beide("s", "f");
  EXPECT_TRUE(LiegtAufGerade(x.v1, b.Q("s"), 1e-12));
  EXPECT_TRUE(LiegtInEbene(x.v1, b.Q("f"), 1e-12));
}

TEST_F(SchnittTest, GeradeInEbeneTrotzRundung) {
  // The direction's product with the normal is 2.8e-17, not exactly 0: the
  // line lies in the plane (as the distance 0 says) and is the intersection.
  b.P("A", 0.1, 0.2, 0);
  b.P("B", 0.3, 0, 0);
  b.Gerade("g", "A", "B");
  b.E("e", 1, 1, 1, 0.3);
  ASSERT_NE(b.Q("g").v2.SkalProd(b.Q("e").v2), 0.0);
  EXPECT_EQ(AbstandG(b.Q("g"), b.Q("e")), 0.0);
  EXPECT_TRUE(Gleich(Beide("g", "e"), b.Q("g")));
  // Parallel but 0.001 away: no intersection.
  b.E("f", 1, 1, 1, 0.301);
  EXPECT_EQ(Beide("g", "f").Typ, LeeresQuarnel);
}

TEST_F(SchnittTest, ZweiEbenen) {
  b.EbeneDirekt("e", {0, 0, 3}, {0, 0, 1});
  b.EbeneDirekt("f", {5, 0, 0}, {1, 0, 0});
  QuarnelT r = b.Schnitt("S", "e", "f");
  EXPECT_EQ(r.Typ, Gerade);
  EXPECT_EQ(r.v1, VektorT(5, 0, 3));
  EXPECT_EQ(r.v2, VektorT(0, 1, 0));
  // Swapped, the direction is reversed (one negative component is kept).
  EXPECT_EQ(b.Schnitt("S", "f", "e").v2, VektorT(0, -1, 0));
  // Planes through a common stored point meet in a line through that point.
  b.EbeneDirekt("k", {1, 2, 3}, {1, 1, 0});
  b.EbeneDirekt("m", {1, 2, 3}, {0, 1, 1});
  r = b.Schnitt("S", "k", "m");
  EXPECT_EQ(r.v1, VektorT(1, 2, 3));
  EXPECT_TRUE(IstGerade(r, {1, 2, 3}, {1, -1, 1}));
  // The same plane twice, and parallel planes.
  b.EbeneDirekt("e2", {7, -2, 3}, {0, 0, -4});
  r = b.Schnitt("S", "e", "e2");
  EXPECT_EQ(r.Typ, Ebene);
  EXPECT_EQ(r.v1, VektorT(0, 0, 3));
  EXPECT_EQ(r.v2, VektorT(0, 0, 1));
  b.E("p", 0, 0, 1, 4);
  EXPECT_EQ(Beide("e", "p").Typ, LeeresQuarnel);
  // General planes: a line in both.
  b.E("g1", 2, -1, 3, 7);
  b.E("g2", -1, 4, 1, 2);
  r = Beide("g1", "g2");
  ASSERT_EQ(r.Typ, Gerade);
  for (double t : {0.0, 1.0, -3.5}) {
    VektorT x = r.v1.LinKomb(1.0, r.v2, t);
    EXPECT_TRUE(LiegtInEbene(x, b.Q("g1"), 1e-12));
    EXPECT_TRUE(LiegtInEbene(x, b.Q("g2"), 1e-12));
  }
}

TEST_F(SchnittTest, RaumUndLeeresQuarnel) {
  b.P("A", 1, 2, 3);
  b.GeradeDirekt("g", {0, 0, 0}, {1, 2, 3});
  b.EbeneDirekt("e", {0, 0, 3}, {0, 0, 1});
  b.Flach("R", Raum, {}, {});
  b.Flach("R2", Raum, {}, {});
  b.Flach("L", LeeresQuarnel, {1, 1, 1}, {1, 1, 1});
  b.Eck("D", Dreieck, "A", "A", "A");
  // Whatever meets all of space is itself.
  for (const char* n : {"A", "g", "e"}) EXPECT_TRUE(Gleich(Beide(n, "R"), b.Q(n))) << n;
  EXPECT_EQ(Beide("R", "R2").Typ, Raum);
  EXPECT_EQ(b.Satz(), "S2 ist der Raum");
  // The empty object meets nothing.
  for (const char* n : {"A", "g", "e", "R", "L", "D"}) EXPECT_EQ(Beide(n, "L").Typ, LeeresQuarnel) << n;
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST_F(SchnittTest, NichtSchneidbareOperanden) {
  b.P("A", 1, 2, 3);
  b.EbeneDirekt("e", {0, 0, 3}, {0, 0, 1});
  b.Eck("D", Dreieck, "A", "A", "A");
  b.Eck("T", Tetraeder, "A", "A", "A", "A");
  b.Eck("s", Strecke, "A", "A");
  b.Eck("M", Sammlung, "A,e");
  for (auto [x, y] : {std::pair{"D", "e"}, {"e", "T"}, {"s", "A"}, {"M", "A"}, {"D", "D"}, {"A", "fehlt"}}) {
    b.ui.Leeren();
    b.Schnitt("S", x, y);
    EXPECT_FALSE(b.ok) << x << " " << y;
    EXPECT_FALSE(b.Gibt("S"));
    EXPECT_EQ(b.Meldungen(), std::vector<std::string>{"Fehler bei den Operanden-Quarneln in ErzeugeSchnitt"});
  }
}

TEST_F(SchnittTest, ZufaelligeLagenSindGeometrischWahr) {
  // Random lines and planes, kept away from near-parallel positions: each
  // intersection, foot and distance agrees with the geometry.
  std::mt19937 zufall(4711);
  std::uniform_real_distribution<double> z(-10.0, 10.0);
  auto v = [&] { return VektorT(z(zufall), z(zufall), z(zufall)); };
  // |sin| of the angle between u and v.
  auto sinus = [](const VektorT& u, const VektorT& w) { return Laenge(u.kreuz(w)) / (Laenge(u) * Laenge(w)); };
  const double eps = 1e-9;
  for (int i = 0; i < 300; ++i) {
    b.GeradeDirekt("g", v(), v());
    b.GeradeDirekt("m", v(), v());
    b.EbeneDirekt("e", v(), v());
    b.EbeneDirekt("f", v(), v());
    b.Flach("P", Punkt, v(), {});
    const QuarnelT g = b.Q("g"), m = b.Q("m"), e = b.Q("e"), f = b.Q("f"), P = b.Q("P");
    if (sinus(g.v2, m.v2) < 0.1 || sinus(e.v2, f.v2) < 0.1 || sinus(g.v2, e.v2) > 0.99) continue;
    // Line and plane meet in a point of both; two planes in a line in both.
    QuarnelT x = b.Schnitt("S", "g", "e");
    EXPECT_TRUE(LiegtAufGerade(x.v1, g, eps));
    EXPECT_TRUE(LiegtInEbene(x.v1, e, eps));
    QuarnelT l = b.Schnitt("S", "f", "e");
    for (double t : {-2.0, 3.0}) {
      VektorT y = l.v1.LinKomb(1.0, l.v2, t);
      EXPECT_TRUE(LiegtInEbene(y, e, eps * (1 + Laenge(y))));
      EXPECT_TRUE(LiegtInEbene(y, f, eps * (1 + Laenge(y))));
    }
    // A line through a point of g meets g there.
    VektorT y = g.v1.LinKomb(1.0, g.v2, z(zufall));
    b.GeradeDirekt("k", y, m.v2);
    EXPECT_TRUE(IstPunktBei(b.Schnitt("S", "g", "k"), y, eps));
    // Feet: on the object, the offset across the line or along the normal,
    // its length the distance.
    VektorT fg, fe;
    ASSERT_TRUE(LotfusspunktPG(P.v1, g, fg));
    ASSERT_TRUE(LotfusspunktPG(P.v1, e, fe));
    EXPECT_TRUE(LiegtAufGerade(fg, g, eps));
    EXPECT_TRUE(LiegtInEbene(fe, e, eps));
    EXPECT_TRUE(Senkrecht(P.v1.Richtung(fg), g.v2, eps));
    EXPECT_NEAR(AbstandG(P, g), P.v1.dist(fg), eps);
    EXPECT_NEAR(AbstandG(e, P), P.v1.dist(fe), eps);
    EXPECT_TRUE(IstPunktBei(b.Lot("F", "P", "e"), fe, eps));
    // Skew lines: the length of the common perpendicular.
    VektorT n = g.v2.kreuz(m.v2);
    EXPECT_NEAR(AbstandG(g, m), std::fabs(g.v1.Richtung(m.v1).SkalProd(n)) / Laenge(n), eps);
    // The projection of g onto e holds the feet of g's points.
    QuarnelT pr = b.Lot("F", "g", "e");
    ASSERT_EQ(pr.Typ, Gerade);
    for (double t : {-1.0, 2.0}) {
      VektorT q;
      LotfusspunktPG(g.v1.LinKomb(1.0, g.v2, t), e, q);
      EXPECT_TRUE(LiegtAufGerade(q, pr, eps * (1 + Laenge(q))));
    }
  }
}

TEST_F(SchnittTest, LaengeDerVektorenEntscheidetNicht) {
  // Long vectors: the plane's normal R × S is about 1e6 long, so the product
  // with the direction R is rounding noise of about 1e-9, not 0; the line
  // still is parallel to the plane, 0.674 away.
  b.P("P", 1, 2, 3);
  b.P("Q", 1, 2, 4);
  b.P("R", -941.99, -68.755, 886.713);
  b.P("S", 297.949, 801.801, -773.588);
  b.EbenePRR("E", "P", "R", "S");
  b.GeradePR("g", "Q", "R");
  EXPECT_EQ(Beide("g", "E").Typ, LeeresQuarnel);
  // Short vectors: lines through points 0.02 apart meeting at 8.5 degrees.
  b.P("A", 1, 1, 1);
  b.P("B", 1.02, 1, 1);
  b.P("C", 1.02, 1.003, 1);
  b.Gerade("k", "B", "A");
  b.Gerade("m", "C", "A");
  EXPECT_TRUE(IstPunktBei(Beide("k", "m"), {1, 1, 1}));
  // Short normals: the planes x = 5 and y = 5 meet in a line; a line that
  // is not perpendicular to a plane projects onto a line.
  b.E("e1", 0.01, 0, 0, 0.05);
  b.E("e2", 0, 0.02, 0, 0.1);
  EXPECT_TRUE(IstGerade(Beide("e1", "e2"), {5, 5, 0}, {0, 0, 1}));
  b.E("f", 0.1, 0.2, 0, 0.3);
  b.GeradeDirekt("d", {0, 0, 0}, {1, 2, 0.002});
  EXPECT_TRUE(IstGerade(b.Lot("L", "d", "f"), {0.6, 1.2, 0}, {0, 0, 1}));
}

TEST_F(SchnittTest, GemeinsamerEbenenpunktNurFuerEbenen) {
  b.EbeneDirekt("e", {0, 0, 3}, {0, 0, 1});
  b.GeradeDirekt("g", {0, 0, 0}, {1, 2, 3});
  VektorT p(7, 8, 9);
  GemeinsamerEbenenpunkt(b.beschr.ui, b.Q("e"), b.Q("g"), p);
  EXPECT_EQ(p, VektorT(7, 8, 9));
  EXPECT_EQ(b.Meldungen(), std::vector<std::string>{"Verfehlter Aufruf von GemeinsamerEbenenpunkt"});
}

}  // namespace
}  // namespace quarnel::test
