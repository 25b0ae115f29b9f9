// Protocol files loaded whole and their results compared with the exact
// geometry, for constructions whose vectors are far from unit length.
#include <cmath>
#include <string>

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

}  // namespace
}  // namespace quarnel::test
