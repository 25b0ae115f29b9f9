// Distances between points, lines and planes, and the distance sentence.
#include <cmath>

#include <gtest/gtest.h>

#include "constructions/Abstaende.h"
#include "description/Abstand.h"
#include "support/Bau.h"

namespace quarnel::test {
namespace {

struct AbstandTest : ::testing::Test {
  Bau b;
  // The distance in both orders; they must agree.
  double D(const std::string& x, const std::string& y) {
    double d1 = AbstandG(b.Q(x), b.Q(y));
    double d2 = AbstandG(b.Q(y), b.Q(x));
    EXPECT_NEAR(d1, d2, 1e-12) << x << " " << y;
    return d1;
  }
};

TEST_F(AbstandTest, PunktZuPunktGeradeUndEbene) {
  b.P("A", 1, 2, 3);
  b.P("B", 4, 6, 3);
  b.P("C", 0, 0, 5);
  b.P("D", 0, 5, 0);
  b.P("E", 3, 3, 0);
  b.EbeneDirekt("z0", {0, 0, 0}, {0, 0, 1});
  b.GeradeDirekt("g", {0, 0, 0}, {1, 1, 0});
  EXPECT_EQ(D("A", "B"), 5.0);
  EXPECT_EQ(D("A", "A"), 0.0);
  EXPECT_EQ(D("C", "z0"), 5.0);
  EXPECT_NEAR(D("D", "g"), std::sqrt(12.5), 1e-12);
  EXPECT_EQ(D("E", "g"), 0.0);
  EXPECT_EQ(D("E", "z0"), 0.0);
}

TEST_F(AbstandTest, GeradenUndEbenen) {
  b.GeradeDirekt("x", {0, 0, 0}, {1, 0, 0});
  b.GeradeDirekt("y3", {0, 0, 3}, {0, 1, 0});   // skew to x
  b.GeradeDirekt("p", {0, 2, 0}, {1, 0, 0});    // parallel to x
  b.GeradeDirekt("q", {5, 0, 0}, {1, 1, 1});    // meets x
  b.GeradeDirekt("x2", {7, 0, 0}, {-2, 0, 0});  // x again
  b.GeradeDirekt("h4", {0, 0, 4}, {1, 1, 0});
  b.GeradeDirekt("s", {0, 0, 4}, {1, 1, 1});
  b.E("z0", 0, 0, 1, 0);
  b.E("z7", 0, 0, 1, 7);
  b.E("x0", 1, 0, 0, 0);
  EXPECT_EQ(D("x", "y3"), 3.0);
  EXPECT_EQ(D("x", "p"), 2.0);
  EXPECT_EQ(D("x", "q"), 0.0);
  EXPECT_EQ(D("x", "x2"), 0.0);
  EXPECT_EQ(D("h4", "z0"), 4.0);
  EXPECT_EQ(D("s", "z0"), 0.0);
  EXPECT_EQ(D("z0", "z7"), 7.0);
  EXPECT_EQ(D("z0", "x0"), 0.0);
  // Skew lines in general position: the common perpendicular.
  b.GeradeDirekt("a", {1, 2, 3}, {1, 0, 1});
  b.GeradeDirekt("c", {0, -1, 2}, {0, 1, -1});
  VektorT n = b.Q("a").v2.kreuz(b.Q("c").v2);
  double erwartet = std::fabs(b.Q("a").v1.Richtung(b.Q("c").v1).SkalProd(n)) / Laenge(n);
  EXPECT_NEAR(D("a", "c"), erwartet, 1e-12);
}

TEST_F(AbstandTest, RichtungKnappUeberDerToleranz) {
  // The simplified direction drops the y component, and its product with
  // the stored one counts as zero; the distance is still that to the foot.
  const double a = std::sqrt(1e-7) * (1.0 - 1e-9);
  b.GeradeDirekt("g", {0, 0, 0}, {a, 5e-8, 0});
  ASSERT_FALSE(b.Q("g").v2.IstNullvektor());
  b.P("A", 1, 0, 5);
  EXPECT_NEAR(D("A", "g"), 5.0, 1e-6);
}

TEST_F(AbstandTest, LaengeDerVektorenEntscheidetNicht) {
  // A line parallel to a plane whose normal is about 1e6 long.
  b.P("R", -941.99, -68.755, 886.713);
  b.P("S", 297.949, 801.801, -773.588);
  b.EbeneDirekt("E", {1, 2, 3}, b.Q("R").v1.kreuz(b.Q("S").v1));
  b.GeradeDirekt("g", {1, 2, 4}, b.Q("R").v1);
  EXPECT_NEAR(D("g", "E"), 0.674050358309441, 1e-9);
  // Planes with short normals that meet; short lines that meet, and that
  // are skew 0.001 apart.
  b.E("e1", 0.01, 0, 0, 0.05);
  b.E("e2", 0, 0.02, 0, 0.1);
  EXPECT_EQ(D("e1", "e2"), 0.0);
  b.GeradeDirekt("k", {1, 1, 1}, {0.02, 0, 0});
  b.GeradeDirekt("m", {1, 1, 1}, {0.02, 0.003, 0});
  b.GeradeDirekt("n", {1, 1, 1.001}, {0.02, 0.003, 0});
  EXPECT_EQ(D("k", "m"), 0.0);
  EXPECT_NEAR(D("k", "n"), 0.001, 1e-12);
}

TEST_F(AbstandTest, RaumUndAndereObjekte) {
  b.P("A", 1, 2, 3);
  b.GeradeDirekt("g", {0, 0, 0}, {1, 1, 0});
  b.Flach("R", Raum, {}, {});
  b.Flach("L", LeeresQuarnel, {1, 1, 1}, {0, 0, 0});
  b.Eck("D", Dreieck, "A", "A", "A");
  for (const char* n : {"A", "g", "R", "L", "D"}) EXPECT_EQ(D(n, "R"), 0.0) << n;
  // No vectors are read from objects that have none.
  EXPECT_EQ(D("A", "L"), 0.0);
  EXPECT_EQ(D("D", "D"), 0.0);
}

TEST_F(AbstandTest, Satz) {
  b.P("A", 0, 0, 5);
  b.E("E", 0, 0, 1, 0);
  b.GeradeDirekt("g", {0, 0, 0}, {1, 1, 0});
  b.P("D", 0, 5, 0);
  bool ok = true;
  Abstandausgabe(b.beschr, "A", "E", ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(b.NeuesterBlock(), "Der Abstand von A und E beträgt 5");
  Abstandausgabe(b.beschr, "D", "g", ok);
  EXPECT_EQ(b.NeuesterBlock(), "Der Abstand von D und g beträgt 3.535534");
  b.beschr.ausgabe.Dezimalen = 2;
  Abstandausgabe(b.beschr, "g", "D", ok);
  EXPECT_EQ(b.NeuesterBlock(), "Der Abstand von g und D beträgt 3.54");
  // Also written while the description mode is off (shown later).
  b.beschr.ausgabe.ProtokollAn = false;
  std::size_t bloecke = b.beschr.ausgabe.AnzahlBloecke();
  Abstandausgabe(b.beschr, "A", "A", ok);
  EXPECT_EQ(b.beschr.ausgabe.AnzahlBloecke(), bloecke + 1);
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST_F(AbstandTest, KeinAbstandOhneOrt) {
  b.P("A", 0, 0, 5);
  b.Flach("R", Raum, {}, {});
  b.Flach("L", LeeresQuarnel, {}, {});
  b.Eck("D", Dreieck, "A", "A", "A");
  bool ok = true;
  Abstandausgabe(b.beschr, "A", "R", ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(b.NeuesterBlock(), "Der Abstand von A und R beträgt 0");
  std::size_t bloecke = b.beschr.ausgabe.AnzahlBloecke();
  for (auto [x, y] : {std::pair{"L", "L"}, {"A", "L"}, {"D", "D"}, {"D", "A"}, {"A", "fehlt"}}) {
    ok = true;
    Abstandausgabe(b.beschr, x, y, ok);
    EXPECT_FALSE(ok) << x << " " << y;
  }
  EXPECT_EQ(b.beschr.ausgabe.AnzahlBloecke(), bloecke);
  EXPECT_EQ(Abstand(b.beschr, "A", "fehlt"), 0.0);
}

}  // namespace
}  // namespace quarnel::test
