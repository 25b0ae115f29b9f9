// Rotation of points, lines and planes about a line.
#include <cmath>

#include <gtest/gtest.h>

#include "support/BauTransformationen.h"

namespace quarnel::test {
namespace {

// Each coordinate axis in both senses, and lines in general position with a
// positive, a negative and a zero x component.
struct Achse {
  const char* name;
  VektorT punkt, richtung;
};
const Achse kAchsen[] = {
    {"x", {0, 0, 0}, {1, 0, 0}},   {"x-", {0, 2, 0}, {-1, 0, 0}},   {"y", {1, 0, 0}, {0, 1, 0}},
    {"y-", {0, 0, 0}, {0, -3, 0}}, {"z", {0, 0, 0}, {0, 0, 1}},     {"z-", {1, 1, 1}, {0, 0, -2}},
    {"a", {1, -1, 2}, {2, 1, -3}}, {"b", {-2, 0, 1}, {-1, 2, 0.5}}, {"c", {3, 1, 0}, {0, 1, 2}},
};

// A positive angle turns clockwise seen from the tip of the stored axis
// direction, so the two orientations of one line turn in opposite senses.
VektorT Bezug(const VektorT& d) { return d; }

struct DrehungTest : ::testing::Test {
  BauT b;
  int nr = 0;
  void SetUp() override {
    for (const Achse& a : kAchsen) b.Ger(a.name, a.punkt, a.richtung);
    b.Pkt("P", {1, 0, 0});
    b.Pkt("Q", {2, -1, 3});
    b.Ger("g", {1, 2, 0}, {1, -1, 2});
    b.Ebe("E", {1, 0, 4}, {2, 1, 1});
    b.E("F", 1, 1, 0, 3);  // no z component in its normal
  }
  QuarnelT Drehe(const std::string& g, double w, const Achse& a) {
    QuarnelT r = b.Drehe("T" + std::to_string(nr++), g, w, a.name);
    EXPECT_TRUE(b.ok) << g << " by " << w << " about " << a.name;
    return r;
  }
  // The object g turned by w degrees about a, by an independent formula.
  static QuarnelT Erwartet(const QuarnelT& g, const Achse& a, double w) {
    QuarnelT e = g;
    e.v1 = Gedreht(g.v1, a.punkt, Bezug(a.richtung), -w);
    e.v2 = Gedreht(g.v2, {0, 0, 0}, Bezug(a.richtung), -w);
    return e;
  }
};

TEST_F(DrehungTest, KnownImages) {
  EXPECT_TRUE(IstPunktBei(b.Drehe("S", "P", 90, "z"), {0, -1, 0}));
  EXPECT_EQ(b.Satz(), "S ist der Punkt mit dem Koordinatentripel (0 | -1 | 0)");
  EXPECT_TRUE(IstPunktBei(b.Drehe("S2", "P", 180, "z"), {-1, 0, 0}));
  EXPECT_TRUE(IstPunktBei(b.Drehe("S3", "P", 270, "z"), {0, 1, 0}));
  EXPECT_TRUE(IstPunktBei(b.Drehe("S4", "P", 60, "z"), {0.5, -std::sqrt(3.0) / 2, 0}));
  b.Pkt("Y", {0, 1, 0});
  EXPECT_TRUE(IstPunktBei(b.Drehe("S5", "Y", 90, "x"), {0, 0, -1}));
  b.Ger("d", {0, 0, 0}, {1, 2, 3});
  EXPECT_TRUE(IstPunktBei(b.Drehe("S6", "P", 90, "d"), {0.0714286, -0.658927, 0.748808}, 1e-6));
  EXPECT_TRUE(IstPunktBei(b.Drehe("S7", "P", 270, "d"), {0.0714286, 0.944641, -0.320237}, 1e-6));
  // A line parallel to the axis stays parallel, with its sense.
  b.Ger("p", {1, 0, 0}, {0, 0, 3});
  QuarnelT r = b.Drehe("r", "p", 90, "z");
  EXPECT_TRUE(IstGerade(r, {0, -1, 0}, {0, 0, 1}));
  EXPECT_TRUE(Nah(r.v2, {0, 0, 3}));
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST_F(DrehungTest, PointsLinesAndPlanesAboutEveryAxis) {
  for (const Achse& a : kAchsen)
    for (const char* g : {"Q", "g", "E", "F"})
      for (double w : {15.0, 90.0, 135.0, 180.0, 200.0, 300.0, -45.0, -170.0, 500.0}) {
        QuarnelT r = Drehe(g, w, a);
        QuarnelT e = Erwartet(b.Q(g), a, w);
        EXPECT_TRUE(Gleich(r, e, 1e-8)) << g << " by " << w << " about " << a.name;
        // A turned line carries the turned direction itself.
        if (r.Typ == Gerade) {
          EXPECT_TRUE(Nah(r.v2, e.v2, 1e-8)) << g << " by " << w << " about " << a.name;
        }
      }
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST_F(DrehungTest, WholeTurnsOppositeAnglesAndDistanceToTheAxis) {
  for (const Achse& a : kAchsen) {
    for (const char* g : {"Q", "g", "E"}) {
      const QuarnelT start = b.Q(g);
      for (double w : {0.0, 360.0, -360.0, 720.0})
        EXPECT_TRUE(Gleich(Drehe(g, w, a), start, 1e-9)) << g << " by " << w << " about " << a.name;
      EXPECT_TRUE(Gleich(Drehe(g, 70, a), Drehe(g, 430, a), 1e-8)) << g << " about " << a.name;
      EXPECT_TRUE(Gleich(Drehe(g, 70, a), Drehe(g, -290, a), 1e-8)) << g << " about " << a.name;
      EXPECT_FALSE(Gleich(Drehe(g, 70, a), Drehe(g, -70, a), 1e-6)) << g << " about " << a.name;
      EXPECT_FALSE(Gleich(Drehe(g, 90, a), Drehe(g, 270, a), 1e-6)) << g << " about " << a.name;
      std::string letzte = g;  // four quarter turns, each of the previous result
      for (int i = 0; i < 4; ++i) letzte = Drehe(letzte, 90, a).name;
      EXPECT_TRUE(Gleich(b.Q(letzte), start, 1e-8)) << g << " about " << a.name;
    }
    const double d0 = AbstandVonGerade(b.Q("Q").v1, b.Q(a.name));
    EXPECT_NEAR(AbstandVonGerade(Drehe("Q", 123, a).v1, b.Q(a.name)), d0, 1e-9);
    const VektorT drauf = a.punkt.plus(a.richtung.mal(2.5));
    b.Pkt("A", drauf);
    EXPECT_TRUE(IstPunktBei(Drehe("A", 77, a), drauf));
  }
}

TEST_F(DrehungTest, HalfTurnsAboutTheAxesAreExact) {
  // A half turn about a coordinate axis negates the two coordinates across
  // it, relative to the axis; in doubles exactly, with no rounding of
  // cos(90°) to tilt the image.
  for (int i = 0; i < 6; ++i) {
    const Achse& a = kAchsen[i];
    const int achse = i / 2 + 1;  // the coordinate along the axis
    VektorT q = a.punkt.mal(2.0).Richtung(b.Q("Q").v1), n = b.Q("F").v2.mal(-1.0);
    q.kp[achse] = b.Q("Q").v1.kp[achse];
    n.kp[achse] = -n.kp[achse];
    for (double w : {180.0, -180.0, 540.0, 360.0}) {
      EXPECT_EQ(Drehe("Q", w, a).v1, w == 360.0 ? b.Q("Q").v1 : q) << w << " about " << a.name;
      EXPECT_EQ(Drehe("F", w, a).v2.kreuz(w == 360.0 ? b.Q("F").v2 : n), VektorT()) << w << " about " << a.name;
    }
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
      const QuarnelT r = Drehe(letzte, 90, kAchsen[6]);
      letzte = r.name;
      EXPECT_FALSE(r.v2.IstNullvektor()) << g << " after " << i;
      EXPECT_TRUE(Gleich(r, Erwartet(b.Q(g), kAchsen[6], 90.0 * i), 1e-8)) << g << " after " << i;
    }
  }
}

TEST_F(DrehungTest, FailuresMakeNothingAndOperandsStay) {
  const QuarnelT achse = b.Q("a");
  b.Drehe("r", "g", 45, "a");
  EXPECT_TRUE(Nah(b.Q("a").v1, achse.v1, 0) && Nah(b.Q("a").v2, achse.v2, 0));
  b.Objekt("R", Raum);
  b.Drehe("X1", "R", 45, "a");  // refused by the first mirror image, once
  EXPECT_FALSE(b.ok);
  EXPECT_EQ(b.Meldungen(), std::vector<std::string>{"Fehler in der Methode Spiegele"});
  // No line as axis, a missing name, no number as angle: silently nothing.
  b.ui.Leeren();
  for (auto [g, achsname, w] : {std::tuple{"Q", "P", 45.0}, {"Q", "E", 45.0}, {"fehlt", "a", 45.0},
                                {"Q", "fehlt", 45.0}, {"Q", "a", std::nan("")}, {"Q", "a", INFINITY}}) {
    b.Drehe("Y1", g, w, achsname);
    EXPECT_FALSE(b.ok) << g << " " << achsname;
  }
  QuarnelT G;
  G.name = "Y1";
  bool ok = false;  // cleared on entry
  ErzeugeDrehung(b.beschr, "Q", 45, "a", G, ok);
  EXPECT_FALSE(b.Gibt("X1") || b.Gibt("Y1"));
  EXPECT_TRUE(b.Meldungen().empty());
}

}  // namespace
}  // namespace quarnel::test
