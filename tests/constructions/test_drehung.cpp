// Rotation of points, lines and planes about a line.
#include <cmath>

#include <gtest/gtest.h>

#include "support/BauTransformationen.h"

namespace quarnel::test {
namespace {

// The axes of the tests: each coordinate axis in both senses, and lines in
// general position with a positive, a negative and a zero x component.
struct Achse {
  const char* name;
  VektorT punkt, richtung;
};
const Achse kAchsen[] = {
    {"x", {0, 0, 0}, {1, 0, 0}},      {"x-", {0, 2, 0}, {-1, 0, 0}},     {"y", {1, 0, 0}, {0, 1, 0}},
    {"y-", {0, 0, 0}, {0, -3, 0}},    {"z", {0, 0, 0}, {0, 0, 1}},       {"z-", {1, 1, 1}, {0, 0, -2}},
    {"a", {1, -1, 2}, {2, 1, -3}},    {"b", {-2, 0, 1}, {-1, 2, 0.5}},   {"c", {3, 1, 0}, {0, 1, 2}},
    {"d", {0, 0, 0}, {1, 2, 3}},
};

// The sense of a positive angle: clockwise seen from the tip of the axis
// direction, where the direction is taken with a positive x component
// whenever it has one.
VektorT Bezug(const VektorT& d) { return (IstNull(d.x()) || d.x() > 0.0) ? d : d.mal(-1.0); }

struct DrehungTest : ::testing::Test {
  BauT b;
  void SetUp() override {
    for (const Achse& a : kAchsen) b.Ger(a.name, a.punkt, a.richtung);
    b.Pkt("P", {1, 0, 0});
    b.Pkt("Q", {2, -1, 3});
    b.Ger("g", {1, 2, 0}, {1, -1, 2});
    b.Ebe("E", {1, 0, 4}, {2, 1, 1});
    b.E("F", 1, 1, 0, 3);  // no z component in its normal
  }
  // What the object `g` turned by w degrees about `a` must be.
  QuarnelT Erwartet(const QuarnelT& g, const Achse& a, double w) {
    QuarnelT e = g;
    const VektorT k = Bezug(a.richtung);
    e.v1 = Gedreht(g.v1, a.punkt, k, -w);
    e.v2 = Gedreht(g.v2, {0, 0, 0}, k, -w);
    return e;
  }
};

TEST_F(DrehungTest, QuarterTurnOfAPointAboutTheZAxis) {
  QuarnelT s = b.Drehe("S", "P", 90, "z");
  ASSERT_TRUE(b.ok);
  EXPECT_TRUE(IstPunktBei(s, {0, -1, 0}));
  EXPECT_EQ(b.Satz(), "S ist der Punkt mit dem Koordinatentripel (0 | -1 | 0)");
  EXPECT_TRUE(IstPunktBei(b.Drehe("S2", "P", 180, "z"), {-1, 0, 0}));
  EXPECT_TRUE(IstPunktBei(b.Drehe("S3", "P", 270, "z"), {0, 1, 0}));
  EXPECT_TRUE(IstPunktBei(b.Drehe("S4", "P", 60, "z"), {0.5, -std::sqrt(3.0) / 2, 0}));
  b.Pkt("Y", {0, 1, 0});
  EXPECT_TRUE(IstPunktBei(b.Drehe("S5", "Y", 90, "x"), {0, 0, -1}));
  EXPECT_TRUE(IstPunktBei(b.Drehe("S6", "P", 90, "d"), {0.0714285714285714, -0.658927, 0.748808}, 1e-6));
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST_F(DrehungTest, PointsLinesAndPlanesAboutEveryAxis) {
  int n = 0;
  for (const Achse& a : kAchsen) {
    for (const char* g : {"Q", "g", "E", "F"}) {
      for (double w : {15.0, 90.0, 135.0, 180.0, 200.0, 300.0, -45.0, -170.0, 500.0}) {
        const std::string neu = "R" + std::to_string(n++);
        QuarnelT r = b.Drehe(neu, g, w, a.name);
        ASSERT_TRUE(b.ok) << g << " " << w << " " << a.name;
        QuarnelT e = Erwartet(b.Q(g), a, w);
        EXPECT_TRUE(Gleich(r, e, 1e-8)) << g << " by " << w << " about " << a.name;
        if (r.Typ == Gerade) {  // the rotated line carries the rotated direction itself
          EXPECT_TRUE(Nah(r.v2, e.v2, 1e-8)) << g << " by " << w << " about " << a.name;
        }
        for (double k : {r.v1.x(), r.v1.y(), r.v1.z(), r.v2.x(), r.v2.y(), r.v2.z()}) ASSERT_TRUE(std::isfinite(k));
      }
    }
  }
  EXPECT_TRUE(b.Meldungen().empty());
}

// The object g turned about the named axis, under a new name of its own.
QuarnelT Drehe(BauT& b, const std::string& g, double w, const std::string& achse) {
  static int n = 0;
  QuarnelT r = b.Drehe("T" + std::to_string(n++), g, w, achse);
  EXPECT_TRUE(b.ok) << g << " by " << w << " about " << achse;
  return r;
}

TEST_F(DrehungTest, FullTurnsAndOppositeAnglesAndDistanceToTheAxis) {
  for (const Achse& a : kAchsen) {
    const QuarnelT achse = b.Q(a.name);
    for (const char* g : {"Q", "g", "E"}) {
      const QuarnelT start = b.Q(g);
      for (double w : {0.0, 360.0, -360.0, 720.0})
        EXPECT_TRUE(Gleich(Drehe(b, g, w, a.name), start, 1e-9)) << g << " by " << w << " about " << a.name;
      EXPECT_TRUE(Gleich(Drehe(b, g, 70, a.name), Drehe(b, g, 430, a.name), 1e-8)) << g << " about " << a.name;
      EXPECT_TRUE(Gleich(Drehe(b, g, 70, a.name), Drehe(b, g, -290, a.name), 1e-8)) << g << " about " << a.name;
      EXPECT_FALSE(Gleich(Drehe(b, g, 70, a.name), Drehe(b, g, -70, a.name), 1e-6)) << g << " about " << a.name;
      EXPECT_FALSE(Gleich(Drehe(b, g, 90, a.name), Drehe(b, g, 270, a.name), 1e-6)) << g << " about " << a.name;

      // Four quarter turns, each of the previous result, return the start.
      std::string letzte = g;
      for (int i = 0; i < 4; ++i) letzte = Drehe(b, letzte, 90, a.name).name;
      EXPECT_TRUE(Gleich(b.Q(letzte), start, 1e-8)) << g << " about " << a.name;
    }
    // A point keeps its distance to the axis, and a point on it stays.
    const double d0 = AbstandVonGerade(b.Q("Q").v1, achse);
    for (double w : {33.0, 123.0, 250.0}) EXPECT_NEAR(AbstandVonGerade(Drehe(b, "Q", w, a.name).v1, achse), d0, 1e-9);
    const VektorT drauf = a.punkt.plus(a.richtung.mal(2.5));
    b.Pkt(std::string("A") + a.name, drauf);
    EXPECT_TRUE(IstPunktBei(Drehe(b, std::string("A") + a.name, 77, a.name), drauf));
  }
}

// Each mirror image of a plane roughly squares the length of its normal;
// turned step by step, a plane must neither lose its normal nor overflow.
TEST_F(DrehungTest, PlanesStayProperThroughLongChainsOfTurns) {
  b.E("G", 7, 11, 13, 1);
  b.E("H", 0.1, 0.2, 0.3, 1);
  for (const char* g : {"G", "H"}) {
    std::string letzte = g;
    for (int i = 1; i <= 12; ++i) {
      const QuarnelT r = Drehe(b, letzte, 90, "a");
      letzte = r.name;
      EXPECT_FALSE(r.v2.IstNullvektor()) << g << " after " << i;
      EXPECT_TRUE(std::isfinite(r.v2.SkalProd(r.v2))) << g << " after " << i;
      EXPECT_TRUE(Gleich(r, Erwartet(b.Q(g), kAchsen[6], 90.0 * i), 1e-8)) << g << " after " << i;
    }
  }
}

TEST_F(DrehungTest, LineParallelToTheAxisKeepsItsSense) {
  b.Ger("p", {1, 0, 0}, {0, 0, 3});
  QuarnelT r = b.Drehe("r", "p", 90, "z");
  EXPECT_TRUE(IstGerade(r, {0, -1, 0}, {0, 0, 1}));
  EXPECT_TRUE(Nah(r.v2, {0, 0, 3}));
}

TEST_F(DrehungTest, OperandsStayAndFailuresMakeNothing) {
  const QuarnelT achse = b.Q("a"), objekt = b.Q("g");
  b.Drehe("r", "g", 45, "a");
  EXPECT_EQ(b.Q("a").v1, achse.v1);
  EXPECT_EQ(b.Q("a").v2, achse.v2);
  EXPECT_EQ(b.Q("g").v2, objekt.v2);

  // The whole space: the first mirror image refuses it, once.
  b.Objekt("R", Raum);
  b.Drehe("X1", "R", 45, "a");
  EXPECT_FALSE(b.ok);
  EXPECT_FALSE(b.Gibt("X1"));
  EXPECT_EQ(b.Meldungen(), std::vector<std::string>{"Fehler in der Methode Spiegele"});

  // An axis that is no line, a missing name, an angle that is no number:
  // no message, nothing made.
  b.ui.Leeren();
  for (auto [g, achsname, w] : {std::tuple{"Q", "P", 45.0}, {"Q", "E", 45.0}, {"fehlt", "a", 45.0},
                                {"Q", "fehlt", 45.0}, {"Q", "a", std::nan("")}, {"Q", "a", INFINITY}}) {
    b.Drehe("Y1", g, w, achsname);
    EXPECT_FALSE(b.ok) << g << " " << achsname;
    EXPECT_FALSE(b.Gibt("Y1"));
  }
  EXPECT_TRUE(b.Meldungen().empty());
  // A flag cleared on entry does nothing at all.
  QuarnelT G;
  G.name = "Z1";
  bool ok = false;
  ErzeugeDrehung(b.h, "Q", 45, "a", G, ok);
  EXPECT_FALSE(b.Gibt("Z1"));
}

TEST(DrehachsenRichtungen, PerpendicularToTheAxisAtTheHalfAngle) {
  for (const Achse& a : kAchsen) {
    for (double alpha : {0.0, 30.0, 90.0, 150.0, 180.0, 250.0, -60.0}) {
      VektorT n1, n2;
      a.richtung.DrehachsenRichtungen(alpha, n1, n2);
      EXPECT_TRUE(Senkrecht(n1, a.richtung));
      EXPECT_TRUE(Senkrecht(n2, a.richtung));
      const VektorT erwartet = Gedreht(n1, {0, 0, 0}, Bezug(a.richtung), -alpha);
      EXPECT_TRUE(Parallel(n2, erwartet) && n2.SkalProd(erwartet) > 0) << a.name << " " << alpha;
    }
  }
  VektorT n1, n2;
  VektorT(0, 0, 1).DrehachsenRichtungen(60, n1, n2);
  EXPECT_EQ(n1, VektorT(1, 0, 0));
  EXPECT_TRUE(Nah(n2, {0.5, -std::sqrt(3.0) / 2, 0}));
  VektorT(1, 0, 0).DrehachsenRichtungen(60, n1, n2);
  EXPECT_EQ(n1, VektorT(0, -1, 0));
  EXPECT_TRUE(Parallel(n2, {0, -1 / std::sqrt(3.0), 1}));
}

}  // namespace
}  // namespace quarnel::test
