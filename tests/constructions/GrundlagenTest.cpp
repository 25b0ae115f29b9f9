// Points and planes from numbers; lines and planes through points and
// directions.
#include <gtest/gtest.h>

#include "support/Bau.h"

namespace quarnel::test {
namespace {

const std::string kPunktName = "  ist unerlaubt oder existiert bereits";
const std::string kEbenenName = "  ist unerlaubt  oder existiert bereits";

TEST(PunkteUndEbenenAusZahlen, PunktWirdEingetragenUndBeschrieben) {
  Bau b;
  b.P("A", 1, 2, 3);
  EXPECT_TRUE(IstPunktBei(b.Q("A"), {1, 2, 3}));
  EXPECT_EQ(b.Satz(), "A ist der Punkt mit dem Koordinatentripel (1 | 2 | 3)");
}

TEST(PunkteUndEbenenAusZahlen, UnerlaubteOderVorhandeneNamen) {
  Bau b;
  b.P("A", 1, 2, 3);
  for (const std::string n : {"", "a b", "a:b", "A"}) {
    bool ok = true;
    ErzeugePunkt(b.beschr, n, 0, 0, 0, ok);
    EXPECT_FALSE(ok) << n;
    ok = true;
    ErzeugeEbeneG(b.beschr, n, 0, 0, 1, 0, ok);
    EXPECT_FALSE(ok) << n;
    ASSERT_EQ(b.Meldungen().size(), 2u);
    EXPECT_EQ(b.Meldungen()[0], "Der verwendete Quarnelname " + n + kPunktName);
    EXPECT_EQ(b.Meldungen()[1], "Der verwendete Quarnelname " + n + kEbenenName);
    b.ui.Leeren();
  }
  // The empty name leaves three blanks before "ist".
  bool ok = true;
  ErzeugePunkt(b.beschr, "", 0, 0, 0, ok);
  EXPECT_EQ(b.Meldungen().back(), "Der verwendete Quarnelname   ist unerlaubt oder existiert bereits");
  EXPECT_TRUE(IstPunktBei(b.Q("A"), {1, 2, 3}));
}

TEST(PunkteUndEbenenAusZahlen, NeudefinitionBeimLaden) {
  Bau b;
  b.GeradeDirekt("g", {1, 1, 1}, {0, 0, 1});
  b.E("E", 0, 0, 1, 5);
  b.beschr.destruktiv = true;
  b.ui.Leeren();
  std::string satz = b.Satz();
  // A point redefinition keeps the object in place, silently; a line keeps its v2.
  bool ok = false;
  ErzeugePunkt(b.beschr, "g", 4, 5, 6, ok);
  EXPECT_TRUE(ok);
  EXPECT_TRUE(IstPunktBei(b.Q("g"), {4, 5, 6}));
  EXPECT_EQ(b.Q("g").v2, VektorT(0, 0, 1));
  EXPECT_EQ(b.Satz(), satz);
  // A plane redefinition enters a new plane.
  ok = false;
  ErzeugeEbeneG(b.beschr, "E", 1, 0, 0, 2, ok);
  EXPECT_TRUE(ok);
  EXPECT_TRUE(IstEbene(b.Q("E"), {2, 0, 0}, {1, 0, 0}));
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST(PunkteUndEbenenAusZahlen, KoeffizientenDuerfenNichtAlleNullSein) {
  Bau b;
  bool ok = true;
  ErzeugeEbeneG(b.beschr, "E", 0, 0, 0.0003, 1, ok);
  EXPECT_FALSE(ok);
  EXPECT_FALSE(b.Gibt("E"));
  ASSERT_EQ(b.Meldungen().size(), 1u);
  EXPECT_EQ(b.Meldungen()[0], "Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben");
  b.E("E", 0, 0, 0.00032, 1);
  EXPECT_TRUE(b.ok);
}

TEST(PunkteUndEbenenAusZahlen, ZuGrosseZahlenWerdenAbgewiesen) {
  // Lengths and volumes computed from larger numbers would overflow.
  Bau b;
  bool ok = true;
  ErzeugePunkt(b.beschr, "P", 1e200, 0, 0, ok);
  EXPECT_FALSE(ok);
  ok = true;
  ErzeugeEbeneG(b.beschr, "E", 1, 0, 0, -1e51, ok);
  EXPECT_FALSE(ok);
  EXPECT_FALSE(b.Gibt("P") || b.Gibt("E"));
  EXPECT_EQ(b.Meldungen(), std::vector<std::string>(2, "Die Zahlen dürfen dem Betrag nach nicht größer als 10^50 sein"));
  b.P("Q", -1e50, 0, 0);
  EXPECT_TRUE(b.ok);
}

TEST(PunkteUndEbenenAusZahlen, GespeicherterPunktUndNormale) {
  struct Fall {
    double a, b, c, d;
    VektorT p, n;
  };
  const Fall faelle[] = {
      {2, 4, 6, 8, {9, 8, -7}, {1, 2, 3}},       {-2, -4, 6, 8, {9, 7, 9}, {1, 2, -3}},
      {0, 0, 1, 0, {9, 9, 0}, {0, 0, 1}},        {1, 0, 0, 5, {5, 9, 9}, {1, 0, 0}},
      {1, 1, 1, 0, {9, 0, -9}, {1, 1, 1}},       {1, 1, 1, 27, {9, 9, 9}, {1, 1, 1}},
      {1, 1, 1, 28, {28, 0, 0}, {1, 1, 1}},      {3, 0, 0, 30, {10, 0, 0}, {1, 0, 0}},
      {2, 0, 0, 1, {0.5, 0, 0}, {1, 0, 0}},      {0, 0, 2, 7, {0, 0, 3.5}, {0, 0, 1}},
      // Exact arithmetic: 0.1 + 0.2 and 0.1·3 miss 0.3; only x = 5, y = −1 hits.
      {0.1, 0.2, 0, 0.3, {5, -1, 9}, {0.1, 0.2, 0}},
  };
  for (const Fall& f : faelle) {
    Bau b;
    b.E("E", f.a, f.b, f.c, f.d);
    EXPECT_EQ(b.Q("E").v1, f.p) << f.a << "x+" << f.b << "y+" << f.c << "z=" << f.d;
    EXPECT_EQ(b.Q("E").v2, f.n) << f.a << "x+" << f.b << "y+" << f.c << "z=" << f.d;
  }
}

TEST(PunkteUndEbenenAusZahlen, ErsatzpunktLiegtAufDerGespeichertenEbene) {
  // Without a small whole-number point, the point lies on the axis of the
  // first coefficient that does not count as zero, so it is on the plane
  // that is stored.
  EXPECT_EQ(EbenenPunkt(1, 4, 0, 100), VektorT(100, 0, 0));
  EXPECT_EQ(EbenenPunkt(5e-8, 4, 0, 100), VektorT(0, 25, 0));
  Bau b;
  b.E("E", 1e-20, 0, 1, 50);  // the stored normal drops the tiny coefficient
  EXPECT_EQ(b.Q("E").v2, VektorT(0, 0, 1));
  EXPECT_TRUE(IstEbene(b.Q("E"), {0, 0, 50}, {0, 0, 1}));
}

TEST(GeradenUndEbenenDurchPunkte, GeradeDurchZweiPunkte) {
  Bau b;
  b.P("A", 0, 0, 0);
  b.P("B", 2, 4, 6);
  QuarnelT g = b.Gerade("g", "A", "B");
  EXPECT_TRUE(b.ok);
  EXPECT_EQ(g.v1, VektorT(0, 0, 0));
  EXPECT_EQ(g.v2, VektorT(1, 2, 3));  // (−2, −4, −6) simplified
  EXPECT_EQ(b.Satz(), "g ist die Gerade durch den Punkt mit den Koordinaten (0 | 0 | 0) und dem Richtungsvektor (1 | 2 | 3)");
  EXPECT_EQ(PP2G({1, 2, 3}, {0, 0, 1}), VektorT(1, 2, 2));
}

TEST(GeradenUndEbenenDurchPunkte, GleicheNamenWerdenStillAbgewiesen) {
  Bau b;
  b.P("A", 0, 0, 0);
  b.P("B", 1, 0, 0);
  b.P("C", 0, 1, 0);
  b.Gerade("g", "A", "A");
  EXPECT_FALSE(b.ok);
  b.Ebene("e", "A", "B", "A");
  EXPECT_FALSE(b.ok);
  b.Ebene("e", "A", "B", "B");
  EXPECT_FALSE(b.ok);
  b.EbenePRR("e", "A", "B", "B");
  EXPECT_FALSE(b.ok);
  b.GeradePR("g", "B", "O");
  EXPECT_FALSE(b.ok);
  EXPECT_FALSE(b.Gibt("g"));
  EXPECT_FALSE(b.Gibt("e"));
  EXPECT_TRUE(b.Meldungen().empty());
  // Called with the flag already cleared, nothing happens.
  QuarnelT G;
  G.name = "g";
  bool ok = false;
  ErzeugeGeradePR(b.beschr, "A", "B", G, ok);
  ErzeugeEbenePN(b.beschr, "A", "B", G, ok);
  EXPECT_FALSE(b.Gibt("g"));
}

TEST(GeradenUndEbenenDurchPunkte, NullvektorGibtDasLeereQuarnel) {
  Bau b;
  b.P("A", 1, 1, 1);
  b.P("B", 1.0001, 1, 1);  // closer than the tolerance
  b.P("Q", 0, 0, 0);
  b.P("C", 2, 2, 2);
  b.P("D", 3, 3, 3);
  struct Fall {
    QuarnelT r;
    const char* meldung;
  };
  const Fall faelle[] = {
      {b.Gerade("g1", "A", "B"), "Der Richtungsvektor darf nicht der Nullvektor sein"},
      {b.GeradePR("g2", "A", "Q"), "Der Richtungsvektor darf nicht der Nullvektor sein"},
      {b.Ebene("e1", "A", "C", "D"), "Der Normalenvektor einer Ebene kann nicht der Nullvektor sein"},
      {b.EbenePN("e2", "A", "Q"), "Der Normalenvektor darf nicht der Nullvektor sein"},
      {b.EbenePRR("e3", "Q", "A", "C"), "Der Normalenvektor darf nicht der Nullvektor sein"},
  };
  ASSERT_EQ(b.Meldungen().size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    const Fall& f = faelle[i];
    EXPECT_EQ(f.r.Typ, LeeresQuarnel) << f.r.name;
    EXPECT_EQ(b.Meldungen()[i], f.meldung);
    EXPECT_TRUE(b.Gibt(f.r.name));  // entered, and the flag stays set
  }
  EXPECT_TRUE(b.ok);
  EXPECT_EQ(b.Satz(), "e3 ist das leere Quarnel");
  // The empty object keeps the vectors that were computed.
  EXPECT_EQ(b.Q("g2").v1, VektorT(1, 1, 1));
}

TEST(GeradenUndEbenenDurchPunkte, KleineDreieckeSpannenEineEbene) {
  // Three points 0.01 apart span a plane, however short the cross product
  // of their differences is; three collinear points far apart do not.
  Bau b;
  b.P("A", 1, 1, 1);
  b.P("B", 1.01, 1, 1);
  b.P("C", 1, 1.01, 1);
  QuarnelT e = b.Ebene("e", "A", "B", "C");
  EXPECT_TRUE(IstEbene(e, {1, 1, 1}, {0, 0, 1}));
  b.P("D", 1000, 1000, 1000.0000000001);
  b.P("F", 2000, 2000, 2000);
  EXPECT_EQ(b.Ebene("f", "A", "D", "F").Typ, LeeresQuarnel);
  EXPECT_EQ(b.Meldungen(), std::vector<std::string>{"Der Normalenvektor einer Ebene kann nicht der Nullvektor sein"});
  // A short normal or direction keeps its small tilt: the plane holds all
  // three of its points and not a fourth 0.000112 above it, the line a point
  // a million times as far along.
  b.P("K", 0, 0, 0);
  b.P("L", 0.02, 0, 0);
  b.P("M", 0, 0.02, 0.0000045);
  const QuarnelT k = b.Ebene("k", "K", "L", "M");
  for (const VektorT& p : {VektorT(0, 0, 0), VektorT(0.02, 0, 0), VektorT(0, 0.02, 0.0000045)})
    EXPECT_TRUE(LiegtInEbene(p, k, 1e-9));
  EXPECT_NEAR(AbstandVonEbene({0.5, 0.5, 0}, k), 0.0001125, 1e-9);
  b.P("N", 0.001, 0.00000009, 0);
  EXPECT_TRUE(LiegtAufGerade({1000, 0.09, 0}, b.Gerade("n", "K", "N"), 1e-9));
}

TEST(GeradenUndEbenenDurchPunkte, GeradeDurchPunktMitRichtung) {
  Bau b;
  b.P("A", 1, 0, 0);
  b.P("R", 2, 4, 6);
  b.GeradeDirekt("h", {0, 0, 0}, {2, 4, 6});
  // A point's position vector is taken as it is, a line's direction simplified.
  EXPECT_EQ(b.GeradePR("g", "A", "R").v2, VektorT(2, 4, 6));
  EXPECT_EQ(b.GeradePR("k", "A", "h").v2, VektorT(1, 2, 3));
  EXPECT_EQ(b.Q("k").v1, VektorT(1, 0, 0));
}

TEST(GeradenUndEbenenDurchPunkte, Ebenen) {
  Bau b;
  b.P("A", 1, 0, 0);
  b.P("B", 0, 1, 0);
  b.P("C", 0, 0, 1);
  b.P("N", 0, 0, 4);
  b.GeradeDirekt("g", {5, 5, 5}, {0, 2, 0});
  QuarnelT e = b.Ebene("e", "A", "B", "C");
  EXPECT_EQ(e.v1, VektorT(1, 0, 0));
  EXPECT_EQ(e.v2, VektorT(1, 1, 1));
  for (const char* p : {"A", "B", "C"}) EXPECT_TRUE(LiegtInEbene(b.Q(p).v1, e));
  QuarnelT f = b.EbenePN("f", "A", "N");
  EXPECT_TRUE(IstEbene(f, {1, 0, 0}, {0, 0, 1}));
  EXPECT_EQ(f.v2, VektorT(0, 0, 1));
  // A point contributes its position vector, a line its direction.
  QuarnelT k = b.EbenePRR("k", "B", "A", "g");
  EXPECT_TRUE(IstEbene(k, {0, 1, 0}, {0, 0, 1}));
  EXPECT_TRUE(b.Meldungen().empty());
  EXPECT_EQ(b.Satz().substr(0, b.Satz().find('\r')),
            "k ist die Ebene durch den Punkt mit den Koordinaten (0 | 1 | 0) und mit dem Normalenvektor (0 | 0 | 1)");
}

TEST(GeradenUndEbenenDurchPunkte, FehlenderOperandErzeugtNichts) {
  Bau b;
  b.P("A", 1, 0, 0);
  b.P("B", 0, 1, 0);
  b.Gerade("g", "A", "X");
  EXPECT_FALSE(b.ok);
  b.Ebene("e", "X", "A", "B");
  EXPECT_FALSE(b.ok);
  b.EbenePRR("f", "A", "B", "Y");
  EXPECT_FALSE(b.ok);
  b.GeradePR("k", "Z", "B");
  EXPECT_FALSE(b.ok);
  for (const char* n : {"g", "e", "f", "k"}) EXPECT_FALSE(b.Gibt(n));
  std::vector<std::string> erwartet = {"Fehler beim Suchen nach X", "Fehler beim Suchen nach X",
                                       "Fehler beim Suchen nach Y", "Fehler beim Suchen nach Z"};
  EXPECT_EQ(b.Meldungen(), erwartet);
}

}  // namespace
}  // namespace quarnel::test
