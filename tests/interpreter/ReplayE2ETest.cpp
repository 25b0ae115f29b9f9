// Protocol files loaded whole and their results compared with the exact
// geometry, for constructions whose vectors are far from unit length.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "interpreter/Bearbeitung.h"
#include "support/Sitzung.h"

namespace quarnel::test {
namespace {

void ErwarteNahe(const VektorT& v, double x, double y, double z) {
  EXPECT_NEAR(v.x(), x, 1e-9);
  EXPECT_NEAR(v.y(), y, 1e-9);
  EXPECT_NEAR(v.z(), z, 1e-9);
}

TEST(ReplayE2E, ShortAxesTwiceTurnedPlanesAndAntiparallelAngles) {
  Sitzung s;
  ASSERT_TRUE(LadeText(s.h, Ordner::Lies(std::string(QUARNEL_TEST_DATA) + "/protokolle/drehachsen_und_winkel.txt")));

  // (1|0|0) turned by 90 degrees about axes through O whose directions are
  // short or nearly along the z-axis: a quarter turn clockwise seen from the tip.
  ErwarteNahe(s.Q("X")->v1, 1e-10, -0.99999999995, 1e-5);
  ErwarteNahe(s.Q("Y")->v1, 0, -1, 0);
  ErwarteNahe(s.Q("Z")->v1, 1.0 / 9, -4.0 / 9, 8.0 / 9);

  // The plane x = 0 turned twice by 30 degrees about a line through O still
  // passes through O, so it meets the plane F through O (5.58 degrees away)
  // in a line through O.
  const QuarnelT* g = s.Q("s");
  ASSERT_EQ(g->Typ, Gerade);
  const VektorT d(0.3190841587344333, 0.7743859855451753, 0.5463621921728904);
  EXPECT_LT(g->v2.kreuz(d).Norm() / g->v2.Norm(), 1e-9);
  EXPECT_LT(g->v1.kreuz(d).Norm(), 1e-9);

  // Antiparallel edges and directions enclose exactly 0 degrees.
  const std::string text = s.h.ausgabe.InfoFenster();
  EXPECT_NE(text.find("Der Winkel zwischen g und h beträgt 0º"), std::string::npos);
  EXPECT_NE(text.find("B1:   0º,"), std::string::npos);
}

TEST(ReplayE2E, ParallelImagesFarCornersAndFlatSolidsGiveTheExactAnswers) {
  Sitzung s;
  ASSERT_TRUE(LadeText(s.h, Ordner::Lies(std::string(QUARNEL_TEST_DATA) + "/protokolle/parallel_fern_flach.txt")));
  const std::string text = s.h.ausgabe.InfoFenster();
  auto steht = [&](const std::string& zeile) { return text.find(CR + zeile + CR) != std::string::npos; };
  // Planes and a line turned by 180 degrees (once, or by -90 and 270) about
  // an axis parallel to them, and a plane mirrored in a parallel plane.
  for (const char* leer : {"R", "R2", "R3", "R4"}) EXPECT_TRUE(steht(std::string(leer) + " ist das leere Quarnel")) << leer;
  for (const char* abstand : {"F und Y beträgt 2", "Y und F beträgt 2", "F und Y2 beträgt 2", "k2 und k beträgt 2",
                              "E und Z beträgt 3.794733"})
    EXPECT_TRUE(steht(std::string("Der Abstand von ") + abstand)) << abstand;
  EXPECT_TRUE(steht("H ist der Raum"));
  // The hull of a line and a point 0.085 from it, 1.3e5 along it.
  for (const char* huelle : {"H1", "H2", "H3", "H4"})
    EXPECT_TRUE(steht(std::string(huelle) +
                      " ist die Ebene durch den Punkt mit den Koordinaten (0 | 0 | 0) und mit dem Normalenvektor "
                      "(-1.1 | 0 | 0.3)"))
        << huelle;
  // The unit corner tetrahedron moved to 1e12, and a flat one of size 1e6.
  EXPECT_TRUE(steht(
      "Mittelpunkt und Radius der Umkugel sind M= (1000000000000.5|1000000000000.5|1000000000000.5),    r = 0.866025"));
  EXPECT_TRUE(steht("Mittelpunkt und Radius der Inkugel sind M= (200000.000525|200000.000525|15),    r = 15"));
  // Report lines that name a point, a line, a collection and no object.
  EXPECT_EQ(s.Meldungen(), (std::vector<std::string>{"A ist weder ein Dreieck noch ein Tetraeder",
                                                     "k ist weder ein Dreieck noch ein Tetraeder",
                                                     "N ist weder ein Dreieck noch ein Tetraeder",
                                                     "nix ist weder ein Dreieck noch ein Tetraeder"}));
}

}  // namespace
}  // namespace quarnel::test
