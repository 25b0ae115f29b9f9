// Orthogonal objects, translations, clones and mirror images.
#include <gtest/gtest.h>

#include "support/BauTransformationen.h"

namespace quarnel::test {
namespace {

// ---- orthogonal object ---------------------------------------------------

TEST(Orthogonale, LineGivesPlaneWithSimplifiedNormalAndPlaneGivesLine) {
  BauT b;
  b.Ger("g", {0, 0, 0}, {2, 4, 6});
  b.Pkt("P", {1, 1, 1});
  QuarnelT e = b.Orthogonale("e", "g", "P");
  ASSERT_TRUE(b.ok);
  EXPECT_EQ(e.Typ, Ebene);
  EXPECT_EQ(e.v1, VektorT(1, 1, 1));
  EXPECT_EQ(e.v2, VektorT(1, 2, 3));
  EXPECT_EQ(b.Q("g").v2, VektorT(2, 4, 6));  // the line keeps its own direction

  b.Ebe("E", {0, 0, 0}, {0, 0, -5});
  b.Pkt("Q", {3, 4, 5});
  QuarnelT l = b.Orthogonale("l", "E", "Q");
  EXPECT_EQ(l.Typ, Gerade);
  EXPECT_EQ(l.v1, VektorT(3, 4, 5));
  EXPECT_EQ(l.v2, VektorT(0, 0, -1));
  EXPECT_EQ(b.Satz(), "l ist die Gerade durch den Punkt mit den Koordinaten (3 | 4 | 5) und dem Richtungsvektor (0 | 0 | -1)");

  // A line named as the point contributes its stored point.
  b.Ger("k", {4, 5, 6}, {1, 0, 0});
  EXPECT_TRUE(IstEbene(b.Orthogonale("f", "g", "k"), {4, 5, 6}, {1, 2, 3}));
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST(Orthogonale, PointAndWholeSpaceSwapAndCompoundObjectsAreRefused) {
  BauT b;
  b.Pkt("P", {1, 2, 3});
  b.Objekt("R", Raum);
  EXPECT_EQ(b.Orthogonale("r", "P", "P").Typ, Raum);
  QuarnelT p = b.Orthogonale("p", "R", "P");
  EXPECT_TRUE(IstPunktBei(p, {1, 2, 3}));
  EXPECT_TRUE(b.Meldungen().empty());

  b.Objekt("D", Dreieck);
  b.Orthogonale("x", "D", "P");
  EXPECT_FALSE(b.ok);
  EXPECT_FALSE(b.Gibt("x"));
  EXPECT_EQ(b.Meldungen(), std::vector<std::string>{"Fehler in der Methode OrthogonaleDurchP"});

  // Called directly, the flag comes from the check alone.
  QuarnelT res;
  bool ok = false;
  OrthogonaleDurchP(b.h, b.Q("P"), VektorT(0, 0, 0), res, ok);
  EXPECT_TRUE(ok);
  b.Orthogonale("y", "P", "fehlt");
  EXPECT_FALSE(b.ok);
}

// ---- translation and clone ------------------------------------------------

TEST(Verschieben, MovesTheStoredPointAndKeepsTheVectorAsStored) {
  BauT b;
  b.Ger("g", {1, 0, 0}, {0, 1, 0});
  b.Pkt("P", {5, 5, 5});
  QuarnelT v = b.Verschiebe("v", "g", "P");
  EXPECT_EQ(v.Typ, Gerade);
  EXPECT_EQ(v.v1, VektorT(5, 5, 5));
  EXPECT_EQ(v.v2, VektorT(0, 1, 0));

  b.Ger("m", {0, 0, 0}, {0, -2, -4});  // not simplified, as a mirror image stores it
  EXPECT_EQ(b.Verschiebe("w", "m", "P").v2, VektorT(0, -2, -4));
  b.Ebe("E", {0, 0, 1}, {0, 0, 1});
  EXPECT_TRUE(IstEbene(b.Verschiebe("e", "E", "P"), {0, 0, 5}, {0, 0, 1}));
  EXPECT_TRUE(IstPunktBei(b.Verschiebe("q", "P", "P"), {5, 5, 5}));
  b.Objekt("R", Raum);
  EXPECT_EQ(b.Verschiebe("r", "R", "P").Typ, Raum);
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST(Verschieben, CompoundObjectsAndMissingNamesMakeNothing) {
  BauT b;
  b.Pkt("A", {0, 0, 0});
  b.Pkt("B", {1, 0, 0});
  b.Pkt("C", {0, 1, 0});
  b.Dreieck("T", "A", "B", "C");
  b.Objekt("L", LeeresQuarnel);
  b.Objekt("M", LeeresQuarnel);
  // A triangle carries only corner names; moving it would make a triangle
  // with the names of whatever object came before.
  b.Verschiebe("x", "T", "L");
  EXPECT_FALSE(b.ok);
  EXPECT_FALSE(b.Gibt("x"));
  // The empty object stays empty.
  EXPECT_EQ(b.Verschiebe("y", "L", "M").Typ, LeeresQuarnel);
  b.Verschiebe("z", "fehlt", "A");
  EXPECT_FALSE(b.ok);
  EXPECT_FALSE(b.Gibt("z"));
  EXPECT_EQ(b.Meldungen(), std::vector<std::string>{"Fehler beim Suchen nach fehlt"});
}

TEST(Klon, CopiesFlatsAndIgnoresEverythingElse) {
  BauT b;
  b.Ger("g", {1, 2, 3}, {0, 0, 7});
  QuarnelT k = b.Klon("k", "g");
  ASSERT_TRUE(b.ok);
  EXPECT_EQ(k.Typ, Gerade);
  EXPECT_EQ(k.v1, VektorT(1, 2, 3));
  EXPECT_EQ(k.v2, VektorT(0, 0, 7));
  b.Objekt("R", Raum);
  EXPECT_EQ(b.Klon("r", "R").Typ, Raum);

  // The clone does not follow its source.
  b.P("P", 1, 1, 1);
  b.Klon("q", "P");
  b.h.destruktiv = true;
  b.P("P", 9, 9, 9);
  EXPECT_TRUE(IstPunktBei(b.Q("q"), {1, 1, 1}));

  b.Objekt("L", LeeresQuarnel);
  b.Objekt("D", Dreieck);
  for (const char* alt : {"L", "D", "fehlt"}) {
    b.Klon("x", alt);
    EXPECT_FALSE(b.ok) << alt;
    EXPECT_FALSE(b.Gibt("x"));
  }
  EXPECT_TRUE(b.Meldungen().empty());
}

// ---- mirror images ---------------------------------------------------------

TEST(Spiegelbild, OfPoints) {
  BauT b;
  b.Pkt("P", {1, 2, 3});
  b.Pkt("Z", {1, 1, 1});
  b.Ger("g", {0, 0, 0}, {1, 1, 0});
  b.Ebe("E", {0, 0, 0}, {0, 0, 1});
  EXPECT_TRUE(IstPunktBei(b.Spiegelbild("a", "P", "Z"), {1, 0, -1}));
  EXPECT_TRUE(IstPunktBei(b.Spiegelbild("b", "P", "P"), {1, 2, 3}));
  EXPECT_EQ(b.Satz(), "b ist der Punkt mit dem Koordinatentripel (1 | 2 | 3)");
  b.Pkt("Q", {0, 5, 0});
  EXPECT_TRUE(IstPunktBei(b.Spiegelbild("c", "Q", "g"), {5, 0, 0}));
  EXPECT_TRUE(IstPunktBei(b.Spiegelbild("d", "P", "E"), {1, 2, -3}));
  b.Pkt("S", {4, 4, 0});  // on the line and in the plane
  EXPECT_TRUE(IstPunktBei(b.Spiegelbild("e", "S", "g"), {4, 4, 0}));
  EXPECT_TRUE(IstPunktBei(b.Spiegelbild("f", "S", "E"), {4, 4, 0}));
}

TEST(Spiegelbild, OfLinesKeepsTheComputedDirection) {
  BauT b;
  b.Ger("g", {1, 0, 0}, {0, 1, 0});
  EXPECT_TRUE(IstGerade(b.Spiegelbild("a", "g", "O"), {-1, 0, 0}, {0, 1, 0}));
  EXPECT_EQ(b.Q("a").v2, VektorT(0, 1, 0));

  b.Ger("h", {0, 0, 0}, {2, 0, 0});
  b.Ebe("E", {5, 0, 0}, {1, 0, 0});
  QuarnelT s = b.Spiegelbild("s", "h", "E");
  EXPECT_EQ(s.v1, VektorT(10, 0, 0));
  EXPECT_EQ(s.v2, VektorT(2, 0, 0));  // not simplified to (1|0|0)

  // In a line: the line through (0|0|1) along x, mirrored in the z axis.
  b.Ger("z", {0, 0, 0}, {0, 0, 1});
  b.Ger("k", {0, 0, 1}, {1, 0, 0});
  QuarnelT m = b.Spiegelbild("m", "k", "z");
  EXPECT_TRUE(IstGerade(m, {0, 0, 1}, {1, 0, 0}));
  EXPECT_EQ(m.v2, VektorT(1, 0, 0));  // −(image of d), the length of d
  // Twice in the same plane gives back point and direction, sense included.
  b.Ger("q", {1, 2, 3}, {1, -2, 2});
  b.Ebe("F", {0, 1, 0}, {1, 1, 1});
  b.Spiegelbild("q1", "q", "F");
  QuarnelT q2 = b.Spiegelbild("q2", "q1", "F");
  EXPECT_TRUE(Nah(q2.v1, {1, 2, 3}));
  EXPECT_TRUE(Nah(q2.v2, {1, -2, 2}));
}

TEST(Spiegelbild, OfPlanes) {
  BauT b;
  b.Ebe("E", {0, 0, 1}, {0, 0, 1});
  b.Ebe("F", {0, 0, 0}, {0, 0, 1});
  QuarnelT s = b.Spiegelbild("s", "E", "F");
  EXPECT_EQ(s.v1, VektorT(0, 0, -1));
  EXPECT_EQ(s.v2, VektorT(0, 0, 1));

  b.Pkt("Z", {1, 1, 1});
  QuarnelT p = b.Spiegelbild("p", "E", "Z");
  EXPECT_EQ(p.v1, VektorT(2, 2, 1));
  EXPECT_EQ(p.v2, VektorT(0, 0, 1));

  b.Ger("x", {0, 0, 0}, {1, 0, 0});
  EXPECT_TRUE(IstEbene(b.Spiegelbild("g", "E", "x"), {0, 0, -1}, {0, 0, 1}));

  // Normals along each axis and a general one.
  b.Ebe("N", {1, 2, 3}, {2, -1, 5});
  b.Ebe("M", {0, 0, 2}, {1, 0, 1});
  QuarnelT r = b.Spiegelbild("r", "N", "M");
  // The image of a plane contains the images of its points.
  for (VektorT q : {VektorT(1, 2, 3), VektorT(1, 7, 4), VektorT(-4, 2, 5)}) {
    VektorT bild;
    ASSERT_TRUE(SpiegelePG(b.h, q, b.Q("M"), bild));
    EXPECT_TRUE(LiegtInEbene(bild, r));
  }
}

// Every plane like x + y = 3 has a normal without z component; three points
// chosen along two parallel directions would lie on one line.
TEST(Spiegelbild, OfPlanesWithoutZComponentGivesAProperPlane) {
  BauT b;
  b.E("E", 1, 1, 0, 3);
  b.Ebe("F", {0, 0, 1}, {0, 0, 1});
  QuarnelT s = b.Spiegelbild("s", "E", "F");
  EXPECT_TRUE(IstEbene(s, {3, 0, 2}, {1, 1, 0}));

  b.Ebe("G", {0, 0, 0}, {1, 1, 0});
  QuarnelT t = b.Spiegelbild("t", "G", "F");
  EXPECT_EQ(t.v1, VektorT(0, 0, 2));
  EXPECT_EQ(t.v2, VektorT(1, 1, 0));

  b.Ebe("H", {0, 0, 0}, {1, 0, 0});
  EXPECT_TRUE(IstEbene(b.Spiegelbild("u", "E", "H"), {-3, 0, 0}, {-1, 1, 0}));
  b.Ger("g", {0, 0, 0}, {0, 0, 1});
  EXPECT_TRUE(IstEbene(b.Spiegelbild("v", "E", "g"), {-3, 0, 0}, {1, 1, 0}));

  VektorT a1, a2, a3;
  bool ok = true;
  b.Ebe("K", {1, 2, 3}, {3, -2, 0});
  Finde3Ebenenpunkte(b.h, b.Q("K"), a1, a2, a3, ok);
  EXPECT_FALSE(a2.Richtung(a1).kreuz(a3.Richtung(a1)).IstNullvektor());
}

TEST(Spiegelbild, RefusedPairs) {
  BauT b;
  b.Pkt("P", {1, 0, 0});
  b.Objekt("R", Raum);
  b.Objekt("D", Dreieck);
  b.Objekt("D2", Dreieck);
  b.Objekt("T", Tetraeder);
  b.Objekt("T2", Tetraeder);
  for (auto [g, m] : {std::pair{"P", "R"}, {"R", "P"}, {"D", "D2"}, {"T", "T2"}}) {
    b.ui.Leeren();
    b.Spiegelbild("x", g, m);
    EXPECT_FALSE(b.ok) << g << m;
    EXPECT_FALSE(b.Gibt("x"));
    EXPECT_EQ(b.Meldungen(), std::vector<std::string>{"Fehler in der Methode Spiegele"});
  }
  // Spiegele takes the object's type code first, even when it refuses.
  QuarnelT res;
  bool ok = true;
  Spiegele(b.h, b.Q("R"), b.Q("P"), res, ok);
  EXPECT_EQ(res.Typ, Raum);
  EXPECT_FALSE(ok);
  QuarnelT unberuehrt;
  Spiegele(b.h, b.Q("P"), b.Q("P"), unberuehrt, ok);
  EXPECT_EQ(unberuehrt.Typ, Zahl);
}

TEST(Finde3Ebenenpunkte, ChoosesTwoDirectionsOfThePlane) {
  BauT b;
  b.Ebe("E", {1, 2, 3}, {0, 0, 1});
  VektorT a1, a2, a3;
  bool ok = true;
  Finde3Ebenenpunkte(b.h, b.Q("E"), a1, a2, a3, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(a1, VektorT(1, 2, 3));
  EXPECT_EQ(a2, VektorT(1, 1, 3));
  EXPECT_EQ(a3, VektorT(2, 2, 3));
  b.Ebe("F", {0, 0, 0}, {5, 0, 0});
  Finde3Ebenenpunkte(b.h, b.Q("F"), a1, a2, a3, ok);
  EXPECT_EQ(a2, VektorT(0, 0, -5));
  EXPECT_EQ(a3, VektorT(0, 5, 0));
  b.Ebe("G", {0, 0, 0}, {0, 2, 0});
  Finde3Ebenenpunkte(b.h, b.Q("G"), a1, a2, a3, ok);
  EXPECT_EQ(a2, VektorT(0, 0, 2));
  EXPECT_EQ(a3, VektorT(-2, 0, 0));
  Finde3Ebenenpunkte(b.h, b.Q("O"), a1, a2, a3, ok);
  EXPECT_FALSE(ok);
}

}  // namespace
}  // namespace quarnel::test
