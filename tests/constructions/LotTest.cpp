// Feet of perpendiculars: of whole objects (orthogonal projection) and of a
// single point, with the mirror image of a point and the incidence test.
#include <gtest/gtest.h>

#include "support/Bau.h"

namespace quarnel::test {
namespace {

struct LotTest : ::testing::Test {
  Bau b;
  void SetUp() override {
    b.P("A", 1, 2, 3);
    b.GeradeDirekt("x", {0, 0, 0}, {1, 0, 0});     // the x axis
    b.EbeneDirekt("z0", {0, 0, 0}, {0, 0, 1});     // the plane z = 0
    b.ui.Leeren();
  }
};

TEST_F(LotTest, PunktAufGeradeEbeneUndPunkt) {
  EXPECT_TRUE(IstPunktBei(b.Lot("F", "A", "x"), {1, 0, 0}));
  EXPECT_TRUE(IstPunktBei(b.Lot("F", "A", "z0"), {1, 2, 0}));
  EXPECT_EQ(b.Satz(), "F ist der Punkt mit dem Koordinatentripel (1 | 2 | 0)");
  // A point on the line or in the plane is its own foot.
  b.P("B", 5, 0, 0);
  EXPECT_TRUE(IstPunktBei(b.Lot("F", "B", "x"), {5, 0, 0}));
  EXPECT_TRUE(IstPunktBei(b.Lot("F", "B", "z0"), {5, 0, 0}));
  EXPECT_TRUE(b.Meldungen().empty());
  // Onto a point: a warning, then that point; the line and plane need none.
  EXPECT_TRUE(IstPunktBei(b.Lot("F", "A", "B"), {5, 0, 0}));
  EXPECT_EQ(b.Meldungen(), std::vector<std::string>{"Warnung: Verschiebung Punkt auf Punkt"});
  b.ui.Leeren();
  EXPECT_TRUE(IstPunktBei(b.Lot("F", "x", "A"), {1, 2, 3}));
  EXPECT_TRUE(IstPunktBei(b.Lot("F", "z0", "A"), {1, 2, 3}));
  EXPECT_TRUE(b.Meldungen().empty());
  // A general plane: the foot lies in it and the offset is along the normal.
  b.E("e", 2, -1, 3, 7);
  QuarnelT f = b.Lot("F", "A", "e");
  EXPECT_TRUE(LiegtInEbene(f.v1, b.Q("e"), 1e-12));
  EXPECT_TRUE(Parallel(b.Q("A").v1.Richtung(f.v1), b.Q("e").v2));
}

TEST_F(LotTest, GeradeAufGerade) {
  // Perpendicular (here skew) lines: one point. Any other angle: line B.
  b.GeradeDirekt("g", {0, 0, 1}, {0, 1, 0});
  EXPECT_TRUE(IstPunktBei(b.Lot("F", "g", "x"), {0, 0, 0}));
  b.GeradeDirekt("h", {0, 7, 1}, {1, 1, 0});
  b.GeradeDirekt("p", {0, 7, 1}, {2, 0, 0});
  for (const char* n : {"h", "p"}) {
    QuarnelT f = b.Lot("F", n, "x");
    EXPECT_EQ(f.Typ, Gerade);
    EXPECT_EQ(f.v1, b.Q("x").v1);
    EXPECT_EQ(f.v2, b.Q("x").v2);
  }
}

TEST_F(LotTest, GeradeAufEbene) {
  b.GeradeDirekt("g", {0, 0, 1}, {1, 0, 1});
  QuarnelT f = b.Lot("F", "g", "z0");
  EXPECT_EQ(f.Typ, Gerade);
  EXPECT_EQ(f.v1, VektorT(0, 0, 0));
  EXPECT_EQ(f.v2, VektorT(1, 0, 0));
  // A line standing on the plane: its foot point.
  b.GeradeDirekt("s", {3, 4, 5}, {0, 0, -2});
  EXPECT_TRUE(IstPunktBei(b.Lot("F", "s", "z0"), {3, 4, 0}));
  // A line lying in the plane is rebuilt as itself.
  b.GeradeDirekt("i", {1, 1, 0}, {1, -1, 0});
  EXPECT_TRUE(Gleich(b.Lot("F", "i", "z0"), b.Q("i")));
  // General position: the projection lies in the plane and holds the feet of
  // two points of the line.
  b.E("e", 2, -1, 3, 7);
  b.GeradeDirekt("t", {3, -1, 7}, {1, 2, -4});
  f = b.Lot("F", "t", "e");
  ASSERT_EQ(f.Typ, Gerade);
  for (double t : {0.0, 2.0}) {
    VektorT p = b.Q("t").v1.LinKomb(1.0, b.Q("t").v2, t);
    VektorT fp;
    ASSERT_TRUE(LotfusspunktPG(p, b.Q("e"), fp));
    EXPECT_TRUE(LiegtAufGerade(fp, f, 1e-12));
    EXPECT_TRUE(LiegtInEbene(fp, b.Q("e"), 1e-12));
  }
}

TEST_F(LotTest, EbeneAufGeradeUndEbene) {
  b.EbeneDirekt("e3", {0, 0, 3}, {0, 0, 1});
  b.EbeneDirekt("x5", {5, 0, 0}, {1, 0, 0});
  b.EbeneDirekt("s", {0, 0, 0}, {1, 0, 1});
  // Perpendicular planes: their line; parallel or oblique ones: plane B.
  QuarnelT f = b.Lot("F", "e3", "x5");
  EXPECT_EQ(f.Typ, Gerade);
  EXPECT_EQ(f.v1, VektorT(5, 0, 3));
  EXPECT_EQ(f.v2, VektorT(0, 1, 0));
  for (const char* n : {"e3", "z0", "s"}) {
    f = b.Lot("F", n, "z0");
    EXPECT_EQ(f.Typ, Ebene);
    EXPECT_EQ(f.v1, b.Q("z0").v1);
    EXPECT_EQ(f.v2, b.Q("z0").v2);
  }
  // A plane onto a line perpendicular to it: the point where they meet;
  // onto any other line: the line.
  b.GeradeDirekt("a", {1, 2, 9}, {0, 0, 5});
  EXPECT_TRUE(IstPunktBei(b.Lot("F", "e3", "a"), {1, 2, 3}));
  EXPECT_TRUE(Gleich(b.Lot("F", "e3", "x"), b.Q("x")));
}

TEST_F(LotTest, RaumLeeresQuarnelUndZusammengesetzte) {
  b.Flach("R", Raum, {}, {});
  b.Flach("L", LeeresQuarnel, {}, {});
  b.Eck("D", Dreieck, "A", "A", "A");
  // All of space projects onto the whole object; anything onto space stays.
  for (const char* n : {"A", "x", "z0"}) {
    EXPECT_TRUE(Gleich(b.Lot("F", "R", n), b.Q(n))) << n;
    EXPECT_TRUE(Gleich(b.Lot("F", n, "R"), b.Q(n))) << n;
  }
  EXPECT_EQ(b.Lot("F", "R", "R").Typ, Raum);
  // The empty object projects to, and receives, nothing.
  for (const char* n : {"A", "x", "z0", "R", "D"}) EXPECT_EQ(b.Lot("F", "L", n).Typ, LeeresQuarnel) << n;
  for (const char* n : {"A", "x", "z0", "R"}) EXPECT_EQ(b.Lot("F", n, "L").Typ, LeeresQuarnel) << n;
  EXPECT_EQ(b.Satz(), "F ist das leere Quarnel");
  // Compound objects and missing names: nothing, silently.
  b.beschr.objekte.LoescheQuarnel("F");
  for (auto [x, y] : {std::pair{"D", "z0"}, {"A", "D"}, {"D", "L"}, {"A", "fehlt"}, {"fehlt", "A"}}) {
    b.Lot("F", x, y);
    EXPECT_FALSE(b.ok) << x << " " << y;
    EXPECT_FALSE(b.Gibt("F"));
  }
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST_F(LotTest, FusspunktUndSpiegelbildEinesPunktes) {
  VektorT f, r;
  ASSERT_TRUE(LotfusspunktPG({1, 2, 3}, b.Q("z0"), f));
  ASSERT_TRUE(SpiegelePG({1, 2, 3}, b.Q("z0"), r));
  EXPECT_EQ(f, VektorT(1, 2, 0));
  EXPECT_EQ(r, VektorT(1, 2, -3));
  // An unsimplified direction gives the same foot.
  for (VektorT d : {VektorT(1, 1, 0), VektorT(-2.5, -2.5, 0)}) {
    b.GeradeDirekt("d", {0, 0, 0}, d);
    ASSERT_TRUE(LotfusspunktPG({0, 5, 0}, b.Q("d"), f));
    ASSERT_TRUE(SpiegelePG({0, 5, 0}, b.Q("d"), r));
    EXPECT_TRUE(Nah(f, {2.5, 2.5, 0}, 1e-12));
    EXPECT_TRUE(Nah(r, {5, 0, 0}, 1e-12));
  }
  ASSERT_TRUE(LotfusspunktPG({1, 1, 1}, b.Q("O"), f));
  ASSERT_TRUE(SpiegelePG({1, 1, 1}, b.Q("O"), r));
  EXPECT_EQ(f, VektorT(0, 0, 0));
  EXPECT_EQ(r, VektorT(-1, -1, -1));
  // A point on the object is its own foot and image.
  ASSERT_TRUE(SpiegelePG({4, 0, 0}, b.Q("x"), r));
  EXPECT_EQ(r, VektorT(4, 0, 0));
  // Objects without a point set leave the vector as it was.
  b.Flach("R", Raum, {}, {});
  b.Flach("L", LeeresQuarnel, {1, 1, 1}, {1, 1, 1});
  b.Eck("D", Dreieck, "A", "A", "A");
  for (const char* n : {"R", "L", "D"}) {
    f = r = VektorT(7, 7, 7);
    EXPECT_FALSE(LotfusspunktPG({1, 2, 3}, b.Q(n), f));
    EXPECT_FALSE(SpiegelePG({1, 2, 3}, b.Q(n), r));
    EXPECT_EQ(f, VektorT(7, 7, 7));
    EXPECT_EQ(r, VektorT(7, 7, 7));
  }
  // A line without a direction is known only by its point: every foot on it
  // is that point, and projected it behaves like that point.
  b.GeradeDirekt("n", {3, 3, 3}, {0, 0, 0});
  ASSERT_TRUE(LotfusspunktPG({1, 2, 3}, b.Q("n"), f));
  EXPECT_EQ(f, VektorT(3, 3, 3));
  for (const char* n : {"A", "x", "z0"}) EXPECT_TRUE(IstPunktBei(b.Lot("F", n, "n"), {3, 3, 3})) << n;
  EXPECT_TRUE(IstPunktBei(b.Lot("F", "n", "x"), {3, 0, 0}));
  EXPECT_TRUE(IstPunktBei(b.Lot("F", "n", "z0"), {3, 3, 0}));
}

TEST_F(LotTest, IstPunktvon) {
  EXPECT_TRUE(IstPunktvon({1.0001, 2, 3}, b.Q("A")));
  EXPECT_FALSE(IstPunktvon({1.001, 2, 3}, b.Q("A")));
  EXPECT_TRUE(IstPunktvon({-7, 0, 0}, b.Q("x")));
  EXPECT_FALSE(IstPunktvon({-7, 0.001, 0}, b.Q("x")));
  EXPECT_TRUE(IstPunktvon({-7, 4, 0}, b.Q("z0")));
  EXPECT_FALSE(IstPunktvon({-7, 4, 0.001}, b.Q("z0")));
  b.Flach("R", Raum, {}, {});
  EXPECT_FALSE(IstPunktvon({0, 0, 0}, b.Q("R")));
}

}  // namespace
}  // namespace quarnel::test
