// Orthogonal objects, translations, clones and mirror images.
#include <gtest/gtest.h>

#include "support/BauTransformationen.h"

namespace quarnel::test {
namespace {

using Meldungen = std::vector<std::string>;

TEST(Orthogonale, SwapsLinesAndPlanesPointsAndSpace) {
  BauT b;
  b.Ger("g", {0, 0, 0}, {2, 4, 6});
  b.Ebe("E", {0, 0, 0}, {0, 0, -5});
  b.Pkt("P", {3, 4, 5});
  b.Objekt("R", Raum);
  QuarnelT e = b.Orthogonale("e", "g", "P");
  EXPECT_EQ(e.Typ, Ebene);
  EXPECT_EQ(e.v1, VektorT(3, 4, 5));
  EXPECT_EQ(e.v2, VektorT(1, 2, 3));        // simplified in the result only
  EXPECT_EQ(b.Q("g").v2, VektorT(2, 4, 6));
  QuarnelT l = b.Orthogonale("l", "E", "P");
  EXPECT_EQ(l.v2, VektorT(0, 0, -1));
  EXPECT_EQ(b.Satz(), "l ist die Gerade durch den Punkt mit den Koordinaten (3 | 4 | 5) und dem Richtungsvektor (0 | 0 | -1)");
  EXPECT_TRUE(IstEbene(b.Orthogonale("f", "g", "l"), {3, 4, 5}, {1, 2, 3}));  // a line lends its point
  EXPECT_EQ(b.Orthogonale("r", "P", "P").Typ, Raum);
  EXPECT_TRUE(IstPunktBei(b.Orthogonale("p", "R", "P"), {3, 4, 5}));
  EXPECT_TRUE(b.Meldungen().empty());

  b.Objekt("D", Dreieck);
  b.Orthogonale("x", "D", "P");
  EXPECT_FALSE(b.ok);
  b.Orthogonale("y", "g", "fehlt");
  EXPECT_FALSE(b.ok);
  EXPECT_FALSE(b.Gibt("x") || b.Gibt("y"));
  EXPECT_EQ(b.Meldungen(), Meldungen{"Fehler in der Methode OrthogonaleDurchP"});
}

TEST(VerschiebenUndKlonen, CopiesVectorsAsStored) {
  BauT b;
  b.Ger("g", {1, 0, 0}, {0, -2, -4});  // not simplified, as a mirror image stores it
  b.P("P", 5, 5, 5);
  QuarnelT v = b.Verschiebe("v", "g", "P");
  EXPECT_EQ(v.Typ, Gerade);
  EXPECT_EQ(v.v1, VektorT(5, 5, 5));
  EXPECT_EQ(v.v2, VektorT(0, -2, -4));
  EXPECT_TRUE(IstPunktBei(b.Verschiebe("q", "P", "P"), {5, 5, 5}));
  QuarnelT k = b.Klon("k", "g");
  EXPECT_EQ(k.v1, VektorT(1, 0, 0));
  EXPECT_EQ(k.v2, VektorT(0, -2, -4));
  // Neither follows its source.
  b.Klon("c", "P");
  b.beschr.destruktiv = true;
  b.P("P", 9, 9, 9);
  EXPECT_TRUE(IstPunktBei(b.Q("c"), {5, 5, 5}));
  EXPECT_TRUE(IstPunktBei(b.Q("q"), {5, 5, 5}));
  EXPECT_TRUE(b.Meldungen().empty());

  // A triangle holds only corner names: there is nothing to move or clone.
  b.P("A", 0, 0, 0);
  b.P("B", 1, 0, 0);
  b.Dreieck("T", "A", "B", "P");
  b.Objekt("L", LeeresQuarnel);
  b.Objekt("M", LeeresQuarnel);
  b.Verschiebe("x", "T", "L");
  EXPECT_FALSE(b.ok);
  EXPECT_EQ(b.Verschiebe("y", "L", "M").Typ, LeeresQuarnel);  // empty stays empty
  for (const char* alt : {"T", "L", "fehlt"}) {
    b.Klon("z", alt);
    EXPECT_FALSE(b.ok) << alt;
  }
  EXPECT_TRUE(b.Meldungen().empty());
  b.Verschiebe("w", "fehlt", "A");
  EXPECT_FALSE(b.ok);
  EXPECT_FALSE(b.Gibt("x") || b.Gibt("z") || b.Gibt("w"));
  EXPECT_EQ(b.Meldungen(), Meldungen{"Fehler beim Suchen nach fehlt"});
}

TEST(Spiegelbild, OfPointsLinesAndPlanesInPointsLinesAndPlanes) {
  BauT b;
  b.Pkt("P", {1, 2, 3});
  b.Ger("g", {1, 2, 0}, {1, -1, 2});
  b.Ebe("E", {1, 0, 4}, {2, 1, 1});
  b.Pkt("Z", {1, 1, 1});
  b.Ger("m", {0, 0, 0}, {0, 0, 1});  // the z axis: (x|y|z) → (−x|−y|z)
  b.Ebe("F", {0, 0, 2}, {0, 0, 1});  // z = 2: (x|y|z) → (x|y|4 − z)
  struct Fall { const char *g, *m; std::int32_t typ; VektorT v1, v2 = {}; };
  const Fall faelle[] = {
      {"P", "Z", Punkt, {1, 0, -1}},  {"P", "m", Punkt, {-1, -2, 3}},
      {"P", "F", Punkt, {1, 2, 1}},   {"P", "P", Punkt, {1, 2, 3}},
      {"g", "Z", Gerade, {1, 0, 2}, {1, -1, 2}}, {"g", "m", Gerade, {-1, -2, 0}, {1, -1, -2}},
      {"g", "F", Gerade, {1, 2, 4}, {-1, 1, 2}}, {"E", "Z", Ebene, {1, 2, -2}, {2, 1, 1}},
      {"E", "m", Ebene, {-1, 0, 4}, {-2, -1, 1}}, {"E", "F", Ebene, {1, 0, 0}, {2, 1, -1}},
  };
  for (const Fall& f : faelle) {
    QuarnelT s = b.Spiegelbild(std::string(f.g) + f.m, f.g, f.m);
    QuarnelT bild;
    bild.Typ = f.typ;
    bild.v1 = f.v1;
    bild.v2 = f.v2;
    EXPECT_TRUE(Gleich(s, bild)) << f.g << " in " << f.m;
    // A line stores the negated image of its direction.
    if (s.Typ == Gerade) {
      EXPECT_TRUE(Nah(s.v2, f.v2)) << f.g << " in " << f.m;
    }
  }
  EXPECT_EQ(b.Satz(), "EF ist die Ebene durch den Punkt mit den Koordinaten (1 | 0 | 0) und mit dem Normalenvektor (-2 | -1 | 1)\r"
                      "EF hat die Gleichung -2x + -1y + 1z = -2");
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST(Spiegelbild, KeepsTheComputedVectors) {
  BauT b;
  b.Ger("g", {1, 0, 0}, {0, 1, 0});
  EXPECT_EQ(b.Spiegelbild("a", "g", "O").v1, VektorT(-1, 0, 0));
  b.Ger("h", {0, 0, 0}, {2, 0, 0});
  b.Ebe("E", {5, 0, 0}, {1, 0, 0});
  QuarnelT s = b.Spiegelbild("s", "h", "E");
  EXPECT_EQ(s.v1, VektorT(10, 0, 0));
  EXPECT_EQ(s.v2, VektorT(2, 0, 0));  // not simplified to (1|0|0)
  b.Ebe("F", {0, 0, 1}, {0, 0, 1});
  b.Ebe("G", {0, 0, 0}, {0, 0, 1});
  QuarnelT t = b.Spiegelbild("t", "F", "G");
  EXPECT_EQ(t.v1, VektorT(0, 0, -1));
  EXPECT_EQ(t.v2, VektorT(0, 0, 1));
  // Twice in the same plane: the line comes back with its sense.
  b.Ger("q", {1, 2, 3}, {1, -2, 2});
  b.Ebe("K", {0, 1, 0}, {1, 1, 1});
  b.Spiegelbild("q1", "q", "K");
  QuarnelT q2 = b.Spiegelbild("q2", "q1", "K");
  EXPECT_TRUE(Nah(q2.v1, {1, 2, 3}));
  EXPECT_TRUE(Nah(q2.v2, {1, -2, 2}));
}

// A plane whose normal has no z component (x + y = 3, ...) must not be
// represented by three points on one line.
TEST(Spiegelbild, OfPlanesWithoutZComponent) {
  BauT b;
  b.E("E", 1, 1, 0, 3);
  b.Ebe("F", {0, 0, 1}, {0, 0, 1});
  b.Ebe("H", {0, 0, 0}, {1, 0, 0});
  b.Ger("z", {0, 0, 0}, {0, 0, 1});
  EXPECT_TRUE(IstEbene(b.Spiegelbild("s", "E", "F"), {3, 0, 2}, {1, 1, 0}));
  EXPECT_TRUE(IstEbene(b.Spiegelbild("u", "E", "H"), {-3, 0, 0}, {-1, 1, 0}));
  EXPECT_TRUE(IstEbene(b.Spiegelbild("v", "E", "z"), {-3, 0, 0}, {1, 1, 0}));
  b.Ebe("G", {0, 0, 0}, {1, 1, 0});
  QuarnelT t = b.Spiegelbild("t", "G", "F");
  EXPECT_EQ(t.v1, VektorT(0, 0, 2));
  EXPECT_EQ(t.v2, VektorT(1, 1, 0));
}

// Far from the origin, a short direction or a normal whose directions in the
// plane are nearly parallel must not turn the image by rounding.
TEST(Spiegelbild, FarFromTheOriginKeepsItsDirections) {
  BauT b;
  b.Ebe("F", {0, 0, 2}, {0, 0, 1});  // z = 2: (x|y|z) → (x|y|4 − z)
  b.Ger("g", {600, 700, 500}, {0.001, 0.0005, 0.0007});
  EXPECT_TRUE(Nah(b.Spiegelbild("s", "g", "F").v2, {-0.001, -0.0005, 0.0007}, 1e-15));
  const VektorT k(1, 2, 2);
  b.Ebe("K", {0, 0, 0}, k);  // x → x − 2/9·(k·x)·k
  for (VektorT n : {VektorT(-5.46, -341.8, -1.2e-6), VektorT(0.067, -0.0057, -1.9e-6)}) {
    b.Ebe("E", {600, 700, 500}, n);
    const QuarnelT t = b.Spiegelbild("t", "E", "K");
    const VektorT w = n.kreuz({0, 0, 1});
    const VektorT x = b.Q("E").v1.LinKomb(1.0, w, 1000.0 / Laenge(w));  // a point of E 1000 away
    EXPECT_TRUE(LiegtInEbene(x.LinKomb(1.0, k, -2.0 / 9.0 * k.SkalProd(x)), t, 1e-9)) << n.Vektor2String(6);
  }
}

TEST(Spiegelbild, ThreePointsOfAPlane) {
  BauT b;
  struct Fall { VektorT n, a2, a3; };
  for (const Fall& f : {Fall{{0, 0, 1}, {1, 1, 3}, {2, 2, 3}}, Fall{{5, 0, 0}, {1, 2, -2}, {1, 7, 3}},
                        Fall{{0, 2, 0}, {1, 2, 5}, {-1, 2, 3}}}) {
    b.Ebe("E", {1, 2, 3}, f.n);
    VektorT a1, a2, a3;
    bool ok = true;
    Finde3Ebenenpunkte(b.Q("E"), a1, a2, a3, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(a1, VektorT(1, 2, 3));
    EXPECT_EQ(a2, f.a2);
    EXPECT_EQ(a3, f.a3);
  }
}

TEST(Spiegelbild, RefusedPairs) {
  BauT b;
  b.Pkt("P", {1, 0, 0});
  b.Objekt("R", Raum);
  b.Objekt("D", Dreieck);
  b.Objekt("T", Tetraeder);
  // Also pairs whose key g² + m would match one of a flat pair's.
  for (auto [g, m] : {std::pair{"P", "R"}, {"R", "P"}, {"D", "D"}, {"T", "T"}}) {
    b.ui.Leeren();
    b.Spiegelbild("x", g, m);
    EXPECT_FALSE(b.ok);
    EXPECT_FALSE(b.Gibt("x"));
    EXPECT_EQ(b.Meldungen(), Meldungen{"Fehler in der Methode Spiegele"}) << g << m;
  }
}

}  // namespace
}  // namespace quarnel::test
