// The detailed reports of triangles and tetrahedra, and the solid
// measurements behind them.
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "description/Abstand.h"
#include "description/Bericht.h"
#include "support/BauTransformationen.h"
#include "support/Objekte.h"

namespace quarnel::test {

namespace {

// The lines joined by CR, none after the last.
std::string Zeilen(std::initializer_list<std::string> z) {
  std::string s;
  for (const auto& l : z) {
    if (&l != z.begin()) s += CR;
    s += l;
  }
  return s;
}

struct Berichte : Objekte {
  // Builds the report the way the command does and returns the block it
  // added; nothing when it added none (an empty block is a block).
  std::optional<std::string> Versuch(const std::string& name, int dezimalen = 6) {
    beschr.ausgabe.Dezimalen = dezimalen;
    beschr.ausgabe.InfoLeeren();
    bool ok = true;
    BeschreibeEck(beschr, name, ok);
    EXPECT_EQ(ok, beschr.ausgabe.AnzahlBloecke() == 1);
    EXPECT_LE(beschr.ausgabe.AnzahlBloecke(), 1u);
    if (beschr.ausgabe.AnzahlBloecke() == 0) return std::nullopt;
    const std::string t = beschr.ausgabe.InfoFenster();
    return t.substr(1, t.size() - 2);
  }
  // The block of a report that must be made.
  std::string Bericht(const std::string& name, int dezimalen = 6) {
    const auto r = Versuch(name, dezimalen);
    EXPECT_TRUE(r) << "no report of " << name;
    return r.value_or("");
  }
  void Tetra(std::initializer_list<VektorT> p) {
    const char* n[] = {"A", "B", "C", "D"};
    int i = 0;
    for (const auto& v : p) P(n[i++], v.x(), v.y(), v.z());
    T("t", "A", "B", "C", "D");
  }
  void Dreieck(VektorT a, VektorT b, VektorT c) {
    P("A", a.x(), a.y(), a.z());
    P("B", b.x(), b.y(), b.z());
    P("C", c.x(), c.y(), c.z());
    D("d", "A", "B", "C");
  }
};

TEST(Dreiecksbericht, Rechtwinklig) {
  Berichte b;
  b.Dreieck({0, 0, 0}, {4, 0, 0}, {0, 3, 0});
  EXPECT_EQ(Lesbar(b.Bericht("d")),
            Lesbar(Zeilen({"Das Dreieck d mit den Ecken A, B und C hat folgende Eigenschaften: ",
                           "A = (0|0|0),          B = (4|0|0),    C = (0|3|0)",
                           "Die Seitenlängen des Dreiecks sind ",
                           "L(A|B) = 4,   L(B|C) = 5,   L(C|A) = 3",
                           "Größen der Innenwinkel des Dreiecks an den jeweils angegebenen Ecken:",
                           "A:   90º,      B:   36.869898º,     C:  53.130102º",
                           "Der Umfang des Dreiecks beträgt 12",
                           "Der Flächeninhalt des Dreiecks beträgt 6",
                           "Die Höhen des Dreiecks mit den zugehörigen Ecken und Höhenfußpunkten sind:",
                           "A: 2.4,    B: 4,   C: 3",
                           "F(A) = (1.44|1.92|0),     F(B) = (0|0|0),     F(C) = (0|0|0)"})));
  EXPECT_TRUE(b.ui.Meldungen().empty());
}

TEST(Dreiecksbericht, AllgemeineLage) {
  Berichte b;
  b.Dreieck({1, 2, 3}, {4, -1, 2}, {-2, 5, -1});
  EXPECT_EQ(Lesbar(b.Bericht("d")),
            Lesbar(Zeilen({"Das Dreieck d mit den Ecken A, B und C hat folgende Eigenschaften: ",
                           "A = (1|2|3),          B = (4|-1|2),    C = (-2|5|-1)",
                           "Die Seitenlängen des Dreiecks sind ",
                           "L(A|B) = 4.358899,   L(B|C) = 9,   L(C|A) = 5.830952",
                           "Größen der Innenwinkel des Dreiecks an den jeweils angegebenen Ecken:",
                           "A:   123.423467º,      B:   32.733897º,     C:  23.842636º",
                           "Der Umfang des Dreiecks beträgt 19.189851",
                           "Der Flächeninhalt des Dreiecks beträgt 10.606602",
                           "Die Höhen des Dreiecks mit den zugehörigen Ecken und Höhenfußpunkten sind:",
                           "A: 2.357023,    B: 3.638034,   C: 4.866643",
                           "F(A) = (1.555556|1.444444|0.777778),     F(B) = (2.235294|0.764706|4.647059),     "
                           "F(C) = (-1.210526|4.210526|3.736842)"})));
  EXPECT_EQ(Lesbar(b.Bericht("d", 2)),
            Lesbar(Zeilen({"Das Dreieck d mit den Ecken A, B und C hat folgende Eigenschaften: ",
                           "A = (1|2|3),          B = (4|-1|2),    C = (-2|5|-1)",
                           "Die Seitenlängen des Dreiecks sind ",
                           "L(A|B) = 4.36,   L(B|C) = 9,   L(C|A) = 5.83",
                           "Größen der Innenwinkel des Dreiecks an den jeweils angegebenen Ecken:",
                           "A:   123.42º,      B:   32.73º,     C:  23.84º",
                           "Der Umfang des Dreiecks beträgt 19.19",
                           "Der Flächeninhalt des Dreiecks beträgt 10.61",
                           "Die Höhen des Dreiecks mit den zugehörigen Ecken und Höhenfußpunkten sind:",
                           "A: 2.36,    B: 3.64,   C: 4.87",
                           "F(A) = (1.56|1.44|0.78),     F(B) = (2.24|0.76|4.65),     F(C) = (-1.21|4.21|3.74)"})));
}

TEST(Dreiecksbericht, KollinearUndZusammenfallend) {
  Berichte b;
  b.Dreieck({0, 0, 0}, {1, 0, 0}, {2, 0, 0});
  EXPECT_EQ(Lesbar(b.Bericht("d")),
            Lesbar(Zeilen({"Das Dreieck d mit den Ecken A, B und C hat folgende Eigenschaften: ",
                           "A = (0|0|0),          B = (1|0|0),    C = (2|0|0)",
                           "Die Seitenlängen des Dreiecks sind ",
                           "L(A|B) = 1,   L(B|C) = 1,   L(C|A) = 2",
                           "Größen der Innenwinkel des Dreiecks an den jeweils angegebenen Ecken:",
                           "A:   0º,      B:   180º,     C:  0º",
                           "Der Umfang des Dreiecks beträgt 4",
                           "Der Flächeninhalt des Dreiecks beträgt 0",
                           "Die Höhen des Dreiecks mit den zugehörigen Ecken und Höhenfußpunkten sind:",
                           "A: 0,    B: 0,   C: 0",
                           "F(A) = (0|0|0),     F(B) = (1|0|0),     F(C) = (2|0|0)"})));
  // Two corners in one place: the angles at them and the height over the
  // vanished side do not exist.
  b.P("B", 0, 0, 0);
  b.P("C", 3, 4, 0);
  EXPECT_EQ(Lesbar(b.Bericht("d")),
            Lesbar(Zeilen({"Das Dreieck d mit den Ecken A, B und C hat folgende Eigenschaften: ",
                           "A = (0|0|0),          B = (0|0|0),    C = (3|4|0)",
                           "Die Seitenlängen des Dreiecks sind ",
                           "L(A|B) = 0,   L(B|C) = 5,   L(C|A) = 5",
                           "Größen der Innenwinkel des Dreiecks an den jeweils angegebenen Ecken:",
                           "A:   nicht definiert,      B:   nicht definiert,     C:  0º",
                           "Der Umfang des Dreiecks beträgt 10",
                           "Der Flächeninhalt des Dreiecks beträgt 0",
                           "Die Höhen des Dreiecks mit den zugehörigen Ecken und Höhenfußpunkten sind:",
                           "A: 0,    B: 0,   C: nicht definiert",
                           "F(A) = (0|0|0),     F(B) = (0|0|0),     F(C) = (0|0|0)"})));
  // All three in one place.
  b.P("C", 0, 0, 0);
  const std::string r = b.Bericht("d");
  EXPECT_NE(r.find("A:   nicht definiert,      B:   nicht definiert,     C:  nicht definiert"), std::string::npos);
  EXPECT_NE(r.find("A: nicht definiert,    B: nicht definiert,   C: nicht definiert"), std::string::npos);
  EXPECT_TRUE(b.ui.Meldungen().empty());
}

TEST(Dreiecksbericht, SehrSpitzeWinkelMitIhremWahrenWert) {
  // 0.014324 degrees at C: not rounded to 0, the three add up to 180.
  Berichte b;
  b.Dreieck({0, 0, 0}, {0, 1, 0}, {4000, 0, 0});
  const std::string r = b.Bericht("d");
  EXPECT_NE(r.find("A:   90º,      B:   89.985676º,     C:  0.014324º"), std::string::npos) << Lesbar(r);
}

TEST(Berichte, ZahlenOhneEndlichenWertWerdenNichtGezeigt) {
  // Corners far out (made by hand): the cross product of the sides
  // overflows, and so does the distance of the corners.
  Berichte b;
  b.Dreieck({1e200, 0, 0}, {-1e200, 0, 0}, {0, 1e200, 0});
  EXPECT_FALSE(b.Versuch("d"));
  bool ok = true;
  Abstandausgabe(b.beschr, "A", "B", ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(b.beschr.ausgabe.AnzahlBloecke(), 0u);
  EXPECT_EQ(b.ui.Meldungen(), std::vector<std::string>(2, kNichtBerechenbar));
}

TEST(Tetraederbericht, Eckentetraeder) {
  Berichte b;
  b.Tetra({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
  EXPECT_EQ(Lesbar(b.Bericht("t")),
            Lesbar(Zeilen({"Das Tetraeder t mit den Ecken A, B, C und D hat folgende Eigenschaften: ",
                           "A = (0|0|0),          B = (1|0|0),   C = (0|1|0),          D = (0|0|1)",
                           "Die Kantenlängen des Tetraeders sind ",
                           "L(A|B) = 1,   L(B|C) = 1.414214,   L(C|A) = 1",
                           "L(D|A) = 1,   L(D|B) = 1.414214,   L(D|C) = 1.414214",
                           "Das Volumen des Tetraeders beträgt 0.166667",
                           "Die Summe der sechs Kantenlängen beträgt 7.242641",
                           "Der Inhalt der Oberfläche  beträgt 2.366025",
                           "Die vier Höhen des Tetraeders sind (jeweils mit Angabe der zugehörigen Ecke):",
                           "A:  0.57735,   B:  1,   C:  1,   D:  1",
                           "Mittelpunkt und Radius der Umkugel sind M= (0.5|0.5|0.5),    r = 0.866025",
                           "Mittelpunkt und Radius der Inkugel sind M= (0.211325|0.211325|0.211325),    "
                           "r = 0.211325"})));
  EXPECT_EQ(Lesbar(b.Bericht("t", 2)),
            Lesbar(Zeilen({"Das Tetraeder t mit den Ecken A, B, C und D hat folgende Eigenschaften: ",
                           "A = (0|0|0),          B = (1|0|0),   C = (0|1|0),          D = (0|0|1)",
                           "Die Kantenlängen des Tetraeders sind ",
                           "L(A|B) = 1,   L(B|C) = 1.41,   L(C|A) = 1",
                           "L(D|A) = 1,   L(D|B) = 1.41,   L(D|C) = 1.41",
                           "Das Volumen des Tetraeders beträgt 0.17",
                           "Die Summe der sechs Kantenlängen beträgt 7.24",
                           "Der Inhalt der Oberfläche  beträgt 2.37",
                           "Die vier Höhen des Tetraeders sind (jeweils mit Angabe der zugehörigen Ecke):",
                           "A:  0.58,   B:  1,   C:  1,   D:  1",
                           "Mittelpunkt und Radius der Umkugel sind M= (0.5|0.5|0.5),    r = 0.87",
                           "Mittelpunkt und Radius der Inkugel sind M= (0.21|0.21|0.21),    r = 0.21"})));
  EXPECT_TRUE(b.ui.Meldungen().empty());
}

TEST(Tetraederbericht, Regulaer) {
  Berichte b;
  b.Tetra({{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}});
  EXPECT_EQ(Lesbar(b.Bericht("t")),
            Lesbar(Zeilen({"Das Tetraeder t mit den Ecken A, B, C und D hat folgende Eigenschaften: ",
                           "A = (1|1|1),          B = (1|-1|-1),   C = (-1|1|-1),          D = (-1|-1|1)",
                           "Die Kantenlängen des Tetraeders sind ",
                           "L(A|B) = 2.828427,   L(B|C) = 2.828427,   L(C|A) = 2.828427",
                           "L(D|A) = 2.828427,   L(D|B) = 2.828427,   L(D|C) = 2.828427",
                           "Das Volumen des Tetraeders beträgt 2.666667",
                           "Die Summe der sechs Kantenlängen beträgt 16.970563",
                           "Der Inhalt der Oberfläche  beträgt 13.856406",
                           "Die vier Höhen des Tetraeders sind (jeweils mit Angabe der zugehörigen Ecke):",
                           "A:  2.309401,   B:  2.309401,   C:  2.309401,   D:  2.309401",
                           "Mittelpunkt und Radius der Umkugel sind M= (0|0|0),    r = 1.732051",
                           "Mittelpunkt und Radius der Inkugel sind M= (0|0|0),    r = 0.57735"})));
}

TEST(Tetraederbericht, AllgemeineLage) {
  Berichte b;
  b.Tetra({{1.5, -2, 0.25}, {3, 1, -1}, {-2, 0.5, 2}, {0.75, 4, 3}});
  EXPECT_EQ(Lesbar(b.Bericht("t")),
            Lesbar(Zeilen({"Das Tetraeder t mit den Ecken A, B, C und D hat folgende Eigenschaften: ",
                           "A = (1.5|-2|0.25),          B = (3|1|-1),   C = (-2|0.5|2),          D = (0.75|4|3)",
                           "Die Kantenlängen des Tetraeders sind ",
                           "L(A|B) = 3.579455,   L(B|C) = 5.85235,   L(C|A) = 4.643544",
                           "L(D|A) = 6.642665,   L(D|B) = 5.482928,   L(D|C) = 4.562072",
                           "Das Volumen des Tetraeders beträgt 7.234375",
                           "Die Summe der sechs Kantenlängen beträgt 30.763014",
                           "Der Inhalt der Oberfläche  beträgt 40.497596",
                           "Die vier Höhen des Tetraeders sind (jeweils mit Angabe der zugehörigen Ecke):",
                           "A:  1.839879,   B:  2.050744,   C:  2.212805,   D:  2.611493",
                           "Mittelpunkt und Radius der Umkugel sind M= (1.309845|0.908027|1.87608),    r = 3.337202",
                           "Mittelpunkt und Radius der Inkugel sind M= (0.890426|0.620719|0.911504),    "
                           "r = 0.535911"})));
}

TEST(Tetraederbericht, FlachUndUnvollstaendig) {
  Berichte b;
  b.Tetra({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}});
  EXPECT_EQ(Lesbar(b.Bericht("t")),
            Lesbar(Zeilen({"Das Tetraeder t mit den Ecken A, B, C und D hat folgende Eigenschaften: ",
                           "A = (0|0|0),          B = (1|0|0),   C = (0|1|0),          D = (1|1|0)",
                           "Die Kantenlängen des Tetraeders sind ",
                           "L(A|B) = 1,   L(B|C) = 1.414214,   L(C|A) = 1",
                           "L(D|A) = 1.414214,   L(D|B) = 1,   L(D|C) = 1", " Das Tetraeder ist ausgeartet"})));
  EXPECT_TRUE(b.ui.Meldungen().empty());

  // A report that cannot be made adds no block, not even an empty one, and
  // fails with a message that says why: a corner deleted or redefined as
  // another object, an object that is no figure.
  b.beschr.objekte.LoescheQuarnel("D");
  EXPECT_FALSE(b.Versuch("t"));
  b.E("B", {7, 0, 0}, {1, 0, 0});
  EXPECT_FALSE(b.Versuch("t"));
  b.Eck("S", Sammlung, "A,B", "");
  EXPECT_FALSE(b.Versuch("S"));
  EXPECT_FALSE(b.Versuch("A"));
  EXPECT_EQ(b.ui.Meldungen(), (std::vector<std::string>{"Die Ecke D von t gibt es nicht", "Die Ecke B von t ist kein Punkt",
                                                         "S ist weder ein Dreieck noch ein Tetraeder",
                                                         "A ist weder ein Dreieck noch ein Tetraeder"}));
  b.ui.Leeren();
  EXPECT_FALSE(b.Versuch("nix"));
  EXPECT_TRUE(b.ui.Meldungen().empty());
}

// ---- the solid measurements, checked against the geometry ----------------

double Abstand(const VektorT& p, const VektorT& q) { return p.dist(q); }
// Distance of x from the plane through a, b, c.
double EbenenAbstand(const VektorT& x, const VektorT& a, const VektorT& b, const VektorT& c) {
  VektorT n = b.Richtung(a).kreuz(c.Richtung(a));
  return std::fabs(x.Richtung(a).SkalProd(n)) / n.Norm();
}
double Dreiecksflaeche(const VektorT& a, const VektorT& b, const VektorT& c) {
  return b.Richtung(a).kreuz(c.Richtung(a)).Norm() / 2;
}

void PruefeKoerper(Berichte& b, const char* wo) {
  SCOPED_TRACE(wo);
  const QuarnelT& t = *b.beschr.objekte.HoleQuarnel("t");
  std::array<VektorT, 5> p;
  for (int i = 1; i <= 4; ++i) p[i] = b.beschr.objekte.HoleQuarnel(t.Ecken[i])->v1;
  const double V = std::fabs(p[2].Richtung(p[1]).Det(p[3].Richtung(p[1]), p[4].Richtung(p[1]))) / 6;
  const double rel = 1e-9;

  double hh[5] = {};
  bool ok = false;
  TetraHoehen(b.beschr, t, hh[1], hh[2], hh[3], hh[4], ok);
  ASSERT_TRUE(ok);
  for (int i = 1; i <= 4; ++i) {
    const VektorT &u = p[i % 4 + 1], &v = p[(i + 1) % 4 + 1], &w = p[(i + 2) % 4 + 1];
    EXPECT_NEAR(hh[i] * Dreiecksflaeche(u, v, w), 3 * V, rel * 3 * V) << "height " << i;
  }

  VektorT M;
  double r = -1;
  ok = true;
  Umkugel(b.beschr, t, M, r, ok);
  ASSERT_TRUE(ok);
  for (int i = 1; i <= 4; ++i) EXPECT_NEAR(Abstand(M, p[i]), r, rel * r) << "corner " << i;

  ok = false;
  Inkugel(b.beschr, t, M, r, ok);
  ASSERT_TRUE(ok);
  for (int i = 1; i <= 4; ++i) {
    const VektorT &u = p[i % 4 + 1], &v = p[(i + 1) % 4 + 1], &w = p[(i + 2) % 4 + 1];
    EXPECT_NEAR(EbenenAbstand(M, u, v, w), r, 1e-7 * r) << "face " << i;
  }
  // The insphere's radius is three times the volume over the surface.
  EXPECT_NEAR(r, 3 * V / Flaeche(b.beschr.objekte, t), 1e-7 * r);
  EXPECT_TRUE(b.ui.Meldungen().empty());
}

TEST(Koerpermasse, GegenDieGeometrie) {
  Berichte b;
  b.Tetra({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
  PruefeKoerper(b, "corner");
  b.Tetra({{0, 0, 0}, {4, 0, 0}, {0, 3, 0}, {0, 0, 12}});
  PruefeKoerper(b, "4 3 12");
  b.Tetra({{1.5, -2, 0.25}, {3, 1, -1}, {-2, 0.5, 2}, {0.75, 4, 3}});
  PruefeKoerper(b, "general");
  b.Tetra({{0, 1, 0}, {0, 0, 0}, {1, 0, 0}, {0, 0, -1}});  // other handedness
  PruefeKoerper(b, "mirrored");
  // A proper tetrahedron with a base too small for the program's tolerance
  // on a face's cross product still gets its true measures.
  b.Tetra({{0, 0, 0}, {0.01, 0, 0}, {0, 0.01, 0}, {0, 0, 1}});
  PruefeKoerper(b, "tiny base");
}

TEST(Koerpermasse, BekannteWerte) {
  Berichte b;
  b.Tetra({{0, 0, 0}, {4, 0, 0}, {0, 3, 0}, {0, 0, 12}});
  const QuarnelT& t = *b.beschr.objekte.HoleQuarnel("t");
  VektorT M;
  double r = 0;
  bool ok = true;
  Umkugel(b.beschr, t, M, r, ok);
  EXPECT_TRUE(ok);
  EXPECT_LT(M.dist(VektorT(2, 1.5, 6)), 1e-12);
  EXPECT_NEAR(r, 6.5, 1e-12);
  EXPECT_NEAR(Flaeche(b.beschr.objekte, t), 6 + 24 + std::sqrt(936.0) + 18, 1e-12);
  EXPECT_NEAR(Flaeche(b.beschr.objekte, *b.beschr.objekte.HoleQuarnel("A")), 0, 0);

  // Umkugel reads its flag; a flag false on entry leaves everything as it is.
  ok = false;
  M = VektorT(7, 7, 7);
  Umkugel(b.beschr, t, M, r, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(M, VektorT(7, 7, 7));

  // Four corners in one plane.
  b.P("D", 1, 1, 0);
  double hh[4] = {9, 9, 9, 9};
  ok = true;
  Umkugel(b.beschr, t, M, r, ok);
  EXPECT_FALSE(ok);
  Inkugel(b.beschr, t, M, r, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(M, VektorT(7, 7, 7));
  EXPECT_EQ(b.ui.Meldungen(), std::vector<std::string>(2, "Das Tetraeder ist ausgeartet"));

  // Called on another object.
  b.ui.Leeren();
  b.D("d", "A", "B", "C");
  const QuarnelT& d = *b.beschr.objekte.HoleQuarnel("d");
  TetraHoehen(b.beschr, d, hh[0], hh[1], hh[2], hh[3], ok);
  EXPECT_FALSE(ok);
  Inkugel(b.beschr, d, M, r, ok);
  EXPECT_FALSE(ok);
  ok = true;
  Umkugel(b.beschr, d, M, r, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(hh[0], 9);
  EXPECT_EQ(b.ui.Meldungen(),
            (std::vector<std::string>{"Kontrolle: Fehler bei TetraHoehen; Typ = -3", "Kontrolle: Fehler bei Inkugel"}));
  EXPECT_NEAR(Flaeche(b.beschr.objekte, d), 6, 1e-12);
}

// Tetrahedra of size 1 to 1e4 whose height is 1e-2 down to 1e-6 of their
// size, turned in space, corners on a grid of 2^-20 so that moving them is
// exact: flat in every order of the corners when their lowest height counts
// as zero; else with an insphere of three times the volume over the surface
// as radius, and moved away by 1 to 1e9 with the same spheres and heights,
// to 1e-9 and to the rounding of the offset.
TEST(Koerpermasse, FlachUndFernVomUrsprung) {
  std::mt19937 zufall(1604);
  std::uniform_real_distribution<double> z(0.0, 1.0);
  auto raster = [](double x) { return std::ldexp(std::round(std::ldexp(x, 20)), -20); };
  for (int i = 0; i < 150; ++i) {
    SCOPED_TRACE(i);
    const double S = std::pow(10.0, 4 * z(zufall)), h = S * std::pow(10.0, -2 - 4 * z(zufall));
    const VektorT e[4] = {{0, 0, 0}, {S, 0, 0}, {S * (2 * z(zufall) - 0.5), S * (0.3 + z(zufall)), 0},
                          {S * z(zufall), S * z(zufall), h}};
    const VektorT achse(z(zufall) - 0.5, z(zufall) - 0.5, z(zufall) - 0.5);
    const double winkel = 360 * z(zufall);
    VektorT p[4];
    for (int k = 0; k < 4; ++k) {
      const VektorT q = Gedreht(e[k], {0, 0, 0}, achse, winkel);
      p[k] = {raster(q.x()), raster(q.y()), raster(q.z())};
    }
    // Six times the volume, twice the faces and the lowest height, in long double.
    auto d = [&](int a, int b, int j) { return static_cast<long double>(p[b].kp[j]) - p[a].kp[j]; };
    auto kreuz = [&](int a, int b, int c, int j) {
      const int j1 = j % 3 + 1, j2 = j1 % 3 + 1;
      return d(a, b, j1) * d(a, c, j2) - d(a, b, j2) * d(a, c, j1);
    };
    long double volumen = 0, flaechen = 0, groesste = 0;
    for (int j = 1; j <= 3; ++j) volumen += d(0, 1, j) * kreuz(0, 2, 3, j);
    for (const auto& f : {std::array{1, 2, 3}, {0, 2, 3}, {0, 1, 3}, {0, 1, 2}}) {
      long double q = 0;
      for (int j = 1; j <= 3; ++j) q += kreuz(f[0], f[1], f[2], j) * kreuz(f[0], f[1], f[2], j);
      flaechen += std::sqrt(q);
      groesste = std::max(groesste, std::sqrt(q));
    }
    const double tiefste = static_cast<double>(std::fabs(volumen) / groesste);
    if (tiefste > 5e-8 && tiefste < 2e-7) continue;  // too close to the bound to say
    const bool flach = tiefste < 1e-7;
    std::array<int, 4> r{0, 1, 2, 3};
    do EXPECT_EQ(InEinerEbene(p[r[0]], p[r[1]], p[r[2]], p[r[3]]), flach);
    while (std::next_permutation(r.begin(), r.end()));

    Berichte b;
    VektorT um0, in0;
    double r0 = 0, q0 = 0, h0[4] = {};
    for (double o = 0; o <= 1e9; o = o == 0 ? 1 : 10 * o) {
      SCOPED_TRACE(o);
      const VektorT v(o, -o, o);
      b.Tetra({p[0].plus(v), p[1].plus(v), p[2].plus(v), p[3].plus(v)});
      EXPECT_EQ(b.Bericht("t").find("ausgeartet") != std::string::npos, flach);
      if (flach) break;
      const QuarnelT& t = *b.beschr.objekte.HoleQuarnel("t");
      VektorT um, in;
      double ru = 0, ri = 0, hh[4] = {};
      bool ok = true;
      Umkugel(b.beschr, t, um, ru, ok);
      Inkugel(b.beschr, t, in, ri, ok);
      TetraHoehen(b.beschr, t, hh[0], hh[1], hh[2], hh[3], ok);
      ASSERT_TRUE(ok);
      if (o == 0) {
        EXPECT_NEAR(ri, std::fabs(volumen) / flaechen, 1e-9 * ri) << S << " " << h;
        um0 = um, in0 = in, r0 = ru, q0 = ri;
        std::copy(hh, hh + 4, h0);
      }
      EXPECT_NEAR(ru, r0, 1e-9 * r0);
      EXPECT_NEAR(ri, q0, 1e-9 * q0);
      for (int k = 0; k < 4; ++k) EXPECT_NEAR(hh[k], h0[k], 1e-9 * h0[k]);
      const double rundung = 4 * o * std::numeric_limits<double>::epsilon() + 1e-9 * S;
      EXPECT_LE(um.Richtung(v).dist(um0), rundung + 1e-9 * r0);
      EXPECT_LE(in.Richtung(v).dist(in0), rundung);
    }
    EXPECT_TRUE(b.ui.Meldungen().empty());
  }
}

// ---- against values exact from the doubles as stored -----------------------

// 113-bit numbers: a difference of two corners below is exact in them, and a
// product keeps 1e-34 of its size, twenty digits more than any check reads.
__extension__ typedef __float128 Quad;
using QVektor = std::array<Quad, 3>;

Quad Wurzel(Quad x) {
  Quad w = std::sqrt(static_cast<double>(x));
  for (int i = 0; i < 2 && w > 0; ++i) w = (w + x / w) / 2;
  return w;
}
QVektor Von(const VektorT& a, const VektorT& b) {
  return {Quad(b.x()) - a.x(), Quad(b.y()) - a.y(), Quad(b.z()) - a.z()};
}
Quad Skalar(const QVektor& u, const QVektor& v) { return u[0] * v[0] + u[1] * v[1] + u[2] * v[2]; }
QVektor Kreuz(const QVektor& u, const QVektor& v) {
  return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}
double Laenge(const QVektor& u) { return static_cast<double>(Wurzel(Skalar(u, u))); }

// The measures of the tetrahedron p[0] to p[3]; face i lies opposite p[i].
struct Masse {
  double V, h[4], ru, ri;
  VektorT um, in;
};
Masse Exakt(const std::array<VektorT, 4>& p) {
  const QVektor b = Von(p[0], p[1]), c = Von(p[0], p[2]), d = Von(p[0], p[3]);
  const QVektor cd = Kreuz(c, d), db = Kreuz(d, b), bc = Kreuz(b, c);
  const Quad det = Skalar(b, cd), sechs = det < 0 ? -det : det;
  Quad f[4], flaechen = 0;
  Masse m{};
  for (int i = 0; i < 4; ++i) {
    const VektorT& a = p[(i + 1) % 4];
    const QVektor n = Kreuz(Von(a, p[(i + 2) % 4]), Von(a, p[(i + 3) % 4]));
    f[i] = Wurzel(Skalar(n, n));
    m.h[i] = static_cast<double>(sechs / f[i]);
    flaechen += f[i];
  }
  QVektor um, in;
  for (int k = 0; k < 3; ++k) {
    um[k] = (Skalar(b, b) * cd[k] + Skalar(c, c) * db[k] + Skalar(d, d) * bc[k]) / (2 * det);
    in[k] = (f[1] * b[k] + f[2] * c[k] + f[3] * d[k]) / flaechen;
    m.um.kp[k + 1] = static_cast<double>(p[0].kp[k + 1] + um[k]);
    m.in.kp[k + 1] = static_cast<double>(p[0].kp[k + 1] + in[k]);
  }
  m.V = static_cast<double>(sechs / 6);
  m.ru = Laenge(um);
  m.ri = static_cast<double>(sechs / flaechen);
  return m;
}

// The tetrahedron on p in every order of its corners: flat, or its volume
// and heights as the report writes them and both spheres to 1e-9.
void PruefeTetraeder(Berichte& b, const std::array<VektorT, 4>& p, bool flach) {
  const Masse m = Exakt(p);
  std::array<int, 4> r{0, 1, 2, 3};
  do {
    b.Tetra({p[r[0]], p[r[1]], p[r[2]], p[r[3]]});
    const std::string t = b.Bericht("t");
    EXPECT_EQ(t.find(" Das Tetraeder ist ausgeartet") != std::string::npos, flach) << Lesbar(t);
    if (flach) continue;
    EXPECT_NE(t.find("Das Volumen des Tetraeders beträgt " + z2s(m.V, 6) + CR), std::string::npos) << Lesbar(t);
    EXPECT_NE(t.find("A:  " + z2s(m.h[r[0]], 6) + ",   B:  " + z2s(m.h[r[1]], 6) + ",   C:  " + z2s(m.h[r[2]], 6) +
                     ",   D:  " + z2s(m.h[r[3]], 6) + CR),
              std::string::npos)
        << Lesbar(t);
    const QuarnelT& g = *b.beschr.objekte.HoleQuarnel("t");
    VektorT M;
    double radius = 0;
    bool ok = true;
    Umkugel(b.beschr, g, M, radius, ok);
    EXPECT_LE(M.dist(m.um), 1e-9 * m.ru);
    EXPECT_NEAR(radius, m.ru, 1e-9 * m.ru);
    Inkugel(b.beschr, g, M, radius, ok);
    EXPECT_LE(M.dist(m.in), 1e-9 * m.in.Norm());
    EXPECT_NEAR(radius, m.ri, 1e-9 * m.ri);
    EXPECT_TRUE(ok);
  } while (std::next_permutation(r.begin(), r.end()));
}

// The triangle on e in every order of its corners: area and heights as the
// report writes them; its area as a face of the surface to a few roundings
// of the product of its two shorter sides, which it is taken from.
void PruefeDreieck(Berichte& b, const std::array<VektorT, 3>& e) {
  std::array<int, 3> r{0, 1, 2};
  do {
    const VektorT &A = e[r[0]], &B = e[r[1]], &C = e[r[2]];
    b.Dreieck(A, B, C);
    const std::string t = b.Bericht("d");
    const double F = Laenge(Kreuz(Von(A, B), Von(A, C))) / 2, c = Laenge(Von(A, B)), a = Laenge(Von(B, C)),
                 bb = Laenge(Von(C, A));
    EXPECT_NE(t.find("Der Flächeninhalt des Dreiecks beträgt " + z2s(F, 6) + CR), std::string::npos) << Lesbar(t);
    EXPECT_NE(t.find("A: " + z2s(2 * F / a, 6) + ",    B: " + z2s(2 * F / bb, 6) + ",   C: " + z2s(2 * F / c, 6) + CR),
              std::string::npos)
        << Lesbar(t);
    const double kurz = std::min({a * bb, bb * c, c * a});
    EXPECT_NEAR(Flaeche(b.beschr.objekte, *b.beschr.objekte.HoleQuarnel("d")), F, 0x1p-51 * kurz);
  } while (std::next_permutation(r.begin(), r.end()));
}

// Two needle-shaped bodies 1e5 long, 1 wide and 1e-3 thick, one with two
// corners 1e-3 apart (its volume is 16.666667, its height at D 1 and its
// circumsphere's radius 1250000000.500728), one with its corners spread
// along the needle, and their faces; three corners on one line give area and
// heights 0.
TEST(Koerpermasse, NadelnInJederReihenfolge) {
  const std::array<VektorT, 4> nadel{
      {{0, 0, 0}, {-60000, 64000, 48000}, {-60000, 63999.9994, 48000.0008}, {-29999.2, 32000.48, 24000.36}}};
  const Masse m = Exakt(nadel);
  EXPECT_EQ(z2s(m.V, 6) + " " + z2s(m.h[3], 6) + " " + z2s(m.ru, 6), "16.666667 1 1250000000.500728");
  Berichte b;
  for (const auto& p : {nadel, std::array<VektorT, 4>{{{0, 0, 0}, {-60000, 64000, 48000}, {-20999.2, 22400.48, 16800.36},
                                                       {-42000, 44800.0006, 33599.9992}}}}) {
    SCOPED_TRACE(p[2].Vektor2String(6));
    PruefeTetraeder(b, p, false);
    for (int f = 0; f < 4; ++f) PruefeDreieck(b, {p[(f + 1) % 4], p[(f + 2) % 4], p[(f + 3) % 4]});
  }
  PruefeDreieck(b, {{{-2, 1.5, 0.5}, {1.8, -1.2, 1.3}, {2.75, -1.875, 1.5}}});
  EXPECT_TRUE(b.ui.Meldungen().empty());
}

// What a report says, whatever the order of its corners: each value by its
// line and its label, the text before its "=" or ":" (a piece without one is
// its own label); an edge, on either of two lines, by its two corners in the
// order of their names. The first line, which names the corners in their
// order, is left out.
std::map<std::string, std::string> Aussagen(const std::string& bericht) {
  auto rein = [](std::string s) {
    s.erase(0, s.find_first_not_of(' '));
    return s.erase(s.find_last_not_of(' ') + 1);
  };
  std::map<std::string, std::string> a;
  std::istringstream zeilen(bericht);
  std::string zeile, teil;
  std::getline(zeilen, zeile, CR);
  for (int i = 1; std::getline(zeilen, zeile, CR); ++i) {
    std::istringstream teile(zeile);
    while (std::getline(teile, teil, ',')) {
      const std::size_t t = std::min(teil.find_first_of("=:"), teil.size());
      std::string name = rein(teil.substr(0, t));
      if (name.rfind("L(", 0) == 0) {
        const std::size_t strich = name.find('|');
        const std::string x = name.substr(2, strich - 2), y = name.substr(strich + 1, name.size() - strich - 2);
        name = "L(" + std::min(x, y) + "|" + std::max(x, y) + ")";
      } else {
        name = Str(i) + " " + name;
      }
      a[name] = rein(teil.substr(std::min(t + 1, teil.size())));
    }
  }
  return a;
}

// Bodies of size 1e6 to 1e9 and their faces say the same in every order of
// their corners, to the last digit shown: each sum and quotient of a report
// is taken in numbers of about 31 digits and rounded once. A regular body
// symmetric about the origin has both its centres there.
TEST(Koerpermasse, JedeReihenfolgeSagtDasselbe) {
  const double a = 123456789012;
  std::vector<std::array<VektorT, 4>> koerper{{{{a, a, a}, {a, -a, -a}, {-a, a, -a}, {-a, -a, a}}}};
  std::mt19937 zufall(2903);
  std::uniform_real_distribution<double> z(-1.0, 1.0);
  for (int i = 0; i < 96; ++i) {
    const double S = std::pow(10.0, 7.5 + 1.5 * z(zufall));
    std::array<VektorT, 4> p;
    for (VektorT& e : p) e = VektorT(z(zufall), z(zufall), z(zufall)).mal(S);
    koerper.push_back(p);
  }
  // A sliver whose circumsphere is 1e9 times its size: its centre hangs on
  // the last digits of the volume. And a body with two corners closer than
  // a point's tolerance: the foot on the line through them is their middle.
  koerper.push_back({{{0.16240803422400618, -0.6832342594903889, -0.13866071941746272},
                      {9496341.052430259, -2692146.87362144, 1603701.3890792967},
                      {3513646.291807081, -996094.773172192, 593369.4269135676},
                      {6742402.19409864, -1911424.4790263188, 1138627.9463320288}}});
  koerper.push_back({{{0, 0, 0}, {0.0002, 0, 0}, {1, 1, 0}, {0.3, 0.2, 1}}});
  Berichte b;
  for (const auto& p : koerper) {
    for (int k = 0; k < 4; ++k) b.P("P" + Str(k), p[k].x(), p[k].y(), p[k].z());
    std::map<std::string, std::map<std::string, std::string>> gesagt;  // by figure and its corners
    std::array<std::string, 4> e{"P0", "P1", "P2", "P3"};
    do {
      b.T("t", e[0], e[1], e[2], e[3]);
      b.D("d", e[0], e[1], e[2]);
      const std::string t = b.Bericht("t");
      if (&p == &koerper.front()) {
        for (const char* kugel : {"Umkugel", "Inkugel"})
          EXPECT_NE(t.find(kugel + std::string(" sind M= (0|0|0),")), std::string::npos) << Lesbar(t);
      }
      if (&p == &koerper[koerper.size() - 2]) {  // exactly r = 35830752608224831.29
        EXPECT_NE(t.find("M= (5320572132533841|-2295368897934375.5|-35359095382612810),    r = 35830752608224830"),
                  std::string::npos)
            << Lesbar(t);
      }
      std::array<std::string, 3> f{e[0], e[1], e[2]};
      std::sort(f.begin(), f.end());
      for (const auto& [figur, bericht] : {std::pair{std::string("t"), t}, {f[0] + f[1] + f[2], b.Bericht("d")}}) {
        const auto aussagen = Aussagen(bericht);
        const auto [erster, neu] = gesagt.try_emplace(figur, aussagen);
        EXPECT_TRUE(neu || erster->second == aussagen) << e[0] << e[1] << e[2] << e[3] << "\n" << Lesbar(bericht);
      }
    } while (std::next_permutation(e.begin(), e.end()));
    EXPECT_EQ(gesagt.size(), 5u);
  }
  EXPECT_TRUE(b.ui.Meldungen().empty());
}

// Bases of size 1, 1e3 and 1e6 with the apex 5e-8 (flat), 2e-7, 1e-6 and
// 1e-4 (real) above them, turned in space, a base of 1e3 with the apex 1e-4
// above it (volume 16.666667) and a unit base with the apex 6e-7 above a
// corner (volume 1e-7): flat exactly when the apex counts as a point of the
// base's plane, as InEbene says.
TEST(Tetraederbericht, FlachNurWennDieSpitzeInDerEbeneDerGrundflaecheLiegt) {
  std::vector<std::pair<std::array<VektorT, 4>, bool>> koerper{
      {{{{0, 0, 0}, {1000, 0, 0}, {0, 1000, 0}, {300, 300, 0.0001}}}, false},
      {{{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 0.0000006}}}, false}};
  for (const double S : {1.0, 1e3, 1e6})
    for (const double h : {5e-8, 2e-7, 1e-6, 1e-4}) {
      std::array<VektorT, 4> p{{{0, 0, 0}, {S, 0, 0}, {0.3 * S, 0.9 * S, 0}, {0.4 * S, 0.3 * S, h}}};
      for (VektorT& e : p) e = Gedreht(e, VektorT(0.3, 0.2, -0.4).mal(S), {1, -2, 0.5}, 37);
      koerper.push_back({p, h < 1e-7});
    }
  Berichte b;
  for (const auto& [p, flach] : koerper) {
    SCOPED_TRACE(p[3].Vektor2String(6));
    EXPECT_EQ(InEbene(p[3], p[0], p[1].Richtung(p[0]).kreuz(p[2].Richtung(p[0]))), flach);
    PruefeTetraeder(b, p, flach);
  }
  EXPECT_TRUE(b.ui.Meldungen().empty());
}

TEST(Tetraederbericht, KleineGrundflaeche) {
  Berichte b;
  b.Tetra({{0, 0, 0}, {0.01, 0, 0}, {0, 0.01, 0}, {0, 0, 1}});
  const std::string r = b.Bericht("t");
  EXPECT_NE(r.find("Das Volumen des Tetraeders beträgt 0.000017"), std::string::npos) << Lesbar(r);
  EXPECT_NE(r.find("A:  0.007071,   B:  0.01,   C:  0.01,   D:  1"), std::string::npos) << Lesbar(r);
  EXPECT_NE(r.find("Mittelpunkt und Radius der Umkugel sind M= (0.005|0.005|0.5),    r = 0.50005"), std::string::npos)
      << Lesbar(r);
  EXPECT_NE(r.find("Mittelpunkt und Radius der Inkugel sind M= (0.00292|0.00292|0.00292),    r = 0.00292"), std::string::npos) << Lesbar(r);
  EXPECT_TRUE(b.ui.Meldungen().empty());
}

TEST(Tetraederbericht, FlachNachDerKleinstenHoehe) {
  // A sliver whose corner C lies 1e-12 off the plane of the others is flat,
  // though its volume, 1.7e-7, is not small.
  Berichte b;
  b.Tetra({{0, 0, 0}, {100, 0, 0}, {50, 1e-12, 0}, {50, 0, 10000}});
  const std::string r = b.Bericht("t");
  EXPECT_EQ(r.substr(r.rfind(CR)), "\r Das Tetraeder ist ausgeartet") << Lesbar(r);
  EXPECT_TRUE(b.ui.Meldungen().empty());
}


TEST(Tetraederbericht, FlachAusKonstruktionenInJederReihenfolge) {
  // Flat bodies whose corners come from constructions: a clone, the point
  // where a line meets a plane, the foot of a perpendicular on a plane. In
  // every order of the corners the report says that the body is flat, and
  // it and each face's triangle report are made without a message (a report
  // with a number that is not finite would be refused with one).
  std::mt19937 zufall(2107);
  std::uniform_real_distribution<double> z(-1.0, 1.0);
  for (int i = 0; i < 60; ++i) {
    SCOPED_TRACE(i);
    BauT b;
    const double m = std::pow(10.0, 2 + 2 * z(zufall));
    auto zahl = [&] { return m * z(zufall); };
    for (const char* n : {"P", "Q", "R", "S"}) b.P(n, zahl(), zahl(), zahl());
    b.E("E", z(zufall), z(zufall), z(zufall), zahl());
    b.Gerade("k", "P", "Q");
    b.Schnitt("L", "k", "E");  // on the line through P and Q
    b.Klon("U", "P");
    b.Ebene("F", "P", "Q", "R");
    b.Lot("X", "S", "F");  // in the plane through P, Q and R
    if (!b.Gibt("L") || b.Q("L").Typ != Punkt || !b.Gibt("X")) continue;
    for (std::array<std::string, 4> e : {std::array<std::string, 4>{"L", "P", "Q", "U"}, {"L", "P", "Q", "S"},
                                         {"L", "P", "R", "X"}, {"P", "R", "S", "U"}}) {
      do {
        b.Dreieck("d", e[0], e[1], e[2]);
        b.Tetraeder("t", "d", e[3]);
        for (const char* f : {"d", "t"}) {
          b.beschr.ausgabe.InfoLeeren();
          bool ok = false;
          BeschreibeEck(b.beschr, f, ok);
          const std::string r = b.beschr.ausgabe.InfoFenster();
          EXPECT_TRUE(ok) << e[0] << e[1] << e[2] << e[3] << " " << f;
          EXPECT_TRUE(*f == 'd' || r.find(" Das Tetraeder ist ausgeartet") != std::string::npos) << Lesbar(r);
        }
      } while (std::next_permutation(e.begin(), e.end()));
    }
    EXPECT_TRUE(b.Meldungen().empty()) << b.Meldungen().front();
  }
}

}  // namespace
}  // namespace quarnel::test
