// Protocol files loaded whole and their results compared with the exact
// geometry, for constructions whose vectors are far from unit length.
#include <cmath>
#include <initializer_list>
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

// Images parallel to the original after a half turn (once, or by -90 and
// 270 degrees) or a mirror image, the hull of a line and a point 0.085 from
// it 1.3e5 along it in four orders, a tetrahedron at 1e12 and a flat one of
// size 1e6, one whose corners lie on a line (an intersection and a clone),
// needle-shaped faces, whole numbers beyond 1e12, and report lines that name
// a point, a line, a collection and nothing.
TEST(ReplayE2E, ParallelImagesFarCornersAndFlatSolidsGiveTheExactAnswers) {
  Sitzung s;
  ASSERT_TRUE(LadeText(s.h, Ordner::Lies(std::string(QUARNEL_TEST_DATA) + "/protokolle/parallel_fern_flach.txt")));
  const std::string text = s.h.ausgabe.InfoFenster();
  const std::string ebene = " ist die Ebene durch den Punkt mit den Koordinaten (0 | 0 | 0) und mit dem Normalenvektor "
                            "(-1.1 | 0 | 0.3)";
  for (const std::string& zeile : std::initializer_list<std::string>
       {"R ist das leere Quarnel", "R2 ist das leere Quarnel", "R3 ist das leere Quarnel", "R4 ist das leere Quarnel",
        "Der Abstand von F und Y beträgt 2", "Der Abstand von Y und F beträgt 2", "Der Abstand von F und Y2 beträgt 2",
        "Der Abstand von k2 und k beträgt 2", "Der Abstand von E und Z beträgt 3.794733", "H ist der Raum",
        "H1" + ebene, "H2" + ebene, "H3" + ebene, "H4" + ebene,
        "Mittelpunkt und Radius der Umkugel sind M= (1000000000000.5|1000000000000.5|1000000000000.5),    r = 0.866025",
        "Mittelpunkt und Radius der Inkugel sind M= (200000.000525|200000.000525|15),    r = 15",
        "L(Q5|O) = 11.57556,   L(Q5|L5) = 11.753932,   L(Q5|U5) = 0\r Das Tetraeder ist ausgeartet",
        "Der Inhalt der Oberfläche  beträgt 20000005000.00625", "Der Inhalt der Oberfläche  beträgt 2000000.500001",
        "G ist der Punkt mit dem Koordinatentripel (1000000000001 | 100000000001 | 0)"})
    EXPECT_NE(text.find(CR + zeile + CR), std::string::npos) << zeile;
  std::vector<std::string> meldungen;
  for (const char* n : {"A", "k", "N", "nix"}) meldungen.push_back(std::string(n) + " ist weder ein Dreieck noch ein Tetraeder");
  EXPECT_EQ(s.Meldungen(), meldungen);
}

}  // namespace
}  // namespace quarnel::test
