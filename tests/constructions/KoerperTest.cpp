// Triangles, tetrahedra, perpendicular bisector planes and collections.
#include <gtest/gtest.h>

#include "support/BauTransformationen.h"

namespace quarnel::test {
namespace {

struct KoerperTest : ::testing::Test {
  BauT b;
  void SetUp() override {
    b.P("A1", 0, 0, 0);
    b.P("A2", 1, 0, 0);
    b.P("A3", 2, 0, 0);  // collinear with A1, A2
    b.P("S", 0, 0, 1);
    b.Ger("g", {0, 0, 0}, {1, 0, 0});
    b.Objekt("L", LeeresQuarnel);
    b.Objekt("M", LeeresQuarnel);
  }
};

TEST_F(KoerperTest, TriangleAndTetrahedronKeepTheirCornerNames) {
  QuarnelT d = b.Dreieck("D", "A1", "A2", "A3");  // collinear corners are allowed
  EXPECT_EQ(d.Typ, Dreieck);
  EXPECT_EQ((std::array<std::string, 5>{"", "A1", "A2", "A3", ""}), d.Ecken);
  EXPECT_EQ(b.Satz(), "D ist das Dreieck mit den Ecken A1, A2 und A3");
  b.Dreieck("E", "A1", "A2", "S");
  QuarnelT t = b.Tetraeder("T", "E", "A3");  // the apex may lie in the base plane
  EXPECT_EQ(t.Typ, Tetraeder);
  EXPECT_EQ((std::array<std::string, 5>{"", "A1", "A2", "S", "A3"}), t.Ecken);
  EXPECT_EQ(b.Satz(), "T ist das Tetraeder mit den Ecken A1, A2, S und A3");
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST_F(KoerperTest, TriangleRefusals) {
  // Repeated or missing corners, and corners that are no points (two empty
  // objects and a point multiply to 1 like three points do).
  for (auto [a, c, e] : {std::tuple{"A1", "A2", "A1"}, {"A2", "A3", "A3"}, {"A1", "A2", "fehlt"},
                         {"L", "M", "A1"}, {"A1", "A2", "g"}}) {
    b.Dreieck("D", a, c, e);
    EXPECT_FALSE(b.ok) << a << c << e;
  }
  QuarnelT G;
  G.name = "D";
  bool ok = false;  // cleared on entry: silently nothing
  ErzeugeDreieck(b.beschr, "A1", "A2", "S", G, ok);
  EXPECT_FALSE(b.Gibt("D"));
  EXPECT_EQ(b.Meldungen(), std::vector<std::string>(5, "Fehler beim Erzeugen eines Dreiecks"));
}

TEST_F(KoerperTest, TetrahedronRefusals) {
  b.Dreieck("D", "A1", "A2", "S");
  b.Tetraeder("T", "D", "A1");  // the apex is a base corner
  EXPECT_FALSE(b.ok);
  b.Tetraeder("T", "D", "L");   // the apex is no point
  EXPECT_FALSE(b.ok);
  // Base corners redefined or deleted since the triangle was made; two empty
  // corners with two points multiply to 1 like four points do.
  b.Objekt("A1", LeeresQuarnel);
  b.Objekt("A2", LeeresQuarnel);
  b.Tetraeder("T", "D", "A3");
  EXPECT_FALSE(b.ok);
  b.beschr.objekte.LoescheQuarnel("A1");
  b.Tetraeder("T", "D", "A3");
  EXPECT_FALSE(b.ok);
  QuarnelT G;
  G.name = "T";
  bool ok = false;  // even a flag cleared on entry shows the message
  ErzeugeTetraeder(b.beschr, "D", "A3", G, ok);
  EXPECT_FALSE(b.Gibt("T"));
  EXPECT_EQ(b.Meldungen(), std::vector<std::string>(5, "Fehler beim Erzeugen eines Tetraeders"));
}

TEST_F(KoerperTest, PerpendicularBisectorPlane) {
  b.P("P", 1, 2, 3);
  b.P("Q", 3, 2, 1);
  QuarnelT m = b.Mittelsenkrechte("m", "P", "Q");
  ASSERT_TRUE(b.ok);
  EXPECT_EQ(m.Typ, Ebene);
  EXPECT_EQ(m.v1, VektorT(2, 2, 2));
  EXPECT_EQ(m.v2, VektorT(-1, 0, 1));
  // Every point of it is as far from P as from Q.
  for (VektorT x : {VektorT(2, 2, 2), VektorT(3, 7, 3), VektorT(0, -1, 0)}) {
    ASSERT_TRUE(LiegtInEbene(x, m));
    EXPECT_NEAR(x.dist(b.Q("P").v1), x.dist(b.Q("Q").v1), 1e-12);
  }

  b.P("R", 1, 2, 3.0003);  // closer than the tolerance allows
  for (auto [p, q] : {std::pair{"P", "P"}, {"P", "R"}}) {
    b.ui.Leeren();
    b.Mittelsenkrechte("n", p, q);
    EXPECT_FALSE(b.ok);
    EXPECT_FALSE(b.Gibt("n"));
    EXPECT_EQ(b.Meldungen(), std::vector<std::string>{"Fehler: Der Normalen darf nicht der Nullvektor sein"});
  }
  // Two empty objects have no positions to bisect.
  b.ui.Leeren();
  b.Mittelsenkrechte("n", "L", "M");
  EXPECT_FALSE(b.ok);
  EXPECT_FALSE(b.Gibt("n"));
}

TEST_F(KoerperTest, Collection) {
  bool ok = false;
  ErzeugeSammlung(b.beschr, "K", "A1,fehlt,A1", ok);  // kept as given
  ASSERT_TRUE(ok);
  EXPECT_EQ(b.Q("K").Typ, Sammlung);
  EXPECT_EQ(b.Q("K").Ecken[1], "A1,fehlt,A1");
  EXPECT_EQ(b.Satz(), "K ist die Sammlung der Quarnel A1,fehlt,A1");

  for (const char* name : {"K", "S T", "S:1", ""}) {
    b.ui.Leeren();
    ok = true;
    ErzeugeSammlung(b.beschr, name, "A2", ok);
    EXPECT_FALSE(ok) << name;
    EXPECT_EQ(b.Meldungen(), std::vector<std::string>{"Der verwendete Quarnelname " + std::string(name) +
                                                      "  ist unerlaubt oder existiert bereits"});
  }
  EXPECT_EQ(b.Q("K").Ecken[1], "A1,fehlt,A1");
  // While a command file is loaded an existing name is replaced.
  b.beschr.destruktiv = true;
  ErzeugeSammlung(b.beschr, "K", "A2", ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(b.Q("K").Ecken[1], "A2");
  ErzeugeSammlung(b.beschr, "g", "A2,A3", ok);
  EXPECT_EQ(b.Q("g").Typ, Sammlung);
}

}  // namespace
}  // namespace quarnel::test
