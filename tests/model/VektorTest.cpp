#include <gtest/gtest.h>

#include <cmath>

#include "model/VektorT.h"
#include "platform/Aufzeichner.h"
#include "platform/Text.h"

using namespace quarnel;

namespace {
void ErwarteV(const VektorT& v, double x, double y, double z) {
  EXPECT_DOUBLE_EQ(v.x(), x);
  EXPECT_DOUBLE_EQ(v.y(), y);
  EXPECT_DOUBLE_EQ(v.z(), z);
}
}  // namespace

TEST(Toleranz, GrenzenDerNull) {
  EXPECT_TRUE(IstNull(9.99e-08));
  EXPECT_TRUE(IstNull(-9.99e-08));
  EXPECT_FALSE(IstNull(1e-07));
  EXPECT_FALSE(IstNull(-1e-07));
  EXPECT_TRUE(IstNull(0.0));
  EXPECT_TRUE(IstNull(-0.0));
  EXPECT_FALSE(IstNull(std::nan("")));
  // Null vectors and equal points are decided on squared quantities.
  EXPECT_TRUE(VektorT(3e-4, 0, 0).IstNullvektor());
  EXPECT_FALSE(VektorT(3.2e-4, 0, 0).IstNullvektor());
  VektorT a(1, 2, 3);
  EXPECT_TRUE(a.istgleich(VektorT(1 + 3e-4, 2, 3)));
  EXPECT_TRUE(VektorT(1 + 3e-4, 2, 3).istgleich(a));
  EXPECT_FALSE(a.istgleich(VektorT(1 + 3.2e-4, 2, 3)));
  EXPECT_NEAR(a.dist(VektorT(1 + 3.2e-4, 2, 3)), 3.2e-4, 1e-15);
}

TEST(Toleranz, GroessterGemeinsamerTeiler) {
  EXPECT_EQ(ggT(0, 0), 0);
  EXPECT_EQ(ggT(0, 7), 7);
  EXPECT_EQ(ggT(7, 0), 7);
  EXPECT_EQ(ggT(-12, 18), 6);
  // The most negative whole number must not overflow.
  EXPECT_GT(ggT(INT32_MIN, 0), 0);
}

TEST(Richtung, KanonischeForm) {
  struct Fall { VektorT ein; VektorT aus; };
  const Fall faelle[] = {
      {{-2, -4, 6}, {1, 2, -3}},  {{0, 0, -5}, {0, 0, -1}},      {{1, -2, 3}, {1, -2, 3}},
      {{0, 0, 0}, {0, 0, 0}},     {{1e-9, 2, 4}, {0, 1, 2}},     {{-1e-9, -2, 3}, {0, 2, -3}},
      {{-0.5, -1, 0}, {0.5, 1, 0}}, {{1.9999999999, 4, 6}, {1.9999999999, 4, 6}},
      {{0, -9e-8, 4e-4}, {0, -9e-8, 4e-4}}, {{4e-4, 3e-14, -9e-8}, {4e-4, 0, -9e-8}},
  };
  for (const auto& f : faelle) {
    VektorT v = f.ein;
    v.VereinfacheRichtung();
    EXPECT_EQ(v, f.aus) << v.x() << " " << v.y() << " " << v.z();
  }
  VektorT v(-0.5, -1, 0);
  v.VereinfacheRichtung();
  EXPECT_FALSE(std::signbit(v.z()));  // a positive zero
  // Huge whole components must not overflow the divisor.
  VektorT gross(4e12, 2e12, 0);
  gross.VereinfacheRichtung();
  EXPECT_TRUE(std::isfinite(gross.x()));
  EXPECT_NEAR(gross.x() / gross.y(), 2.0, 1e-12);
}

TEST(Algebra, GrundoperationenUndHelfer) {
  ErwarteV(VektorT(1, 0, 0).kreuz(VektorT(0, 1, 0)), 0, 0, 1);
  EXPECT_DOUBLE_EQ(VektorT(1, 0, 0).Det(VektorT(0, 1, 0), VektorT(0, 0, 1)), 1.0);
  ErwarteV(VektorT(), 0, 0, 0);
  ErwarteV(VektorT(5, 7, 9).Richtung(VektorT(1, 2, 3)), 4, 5, 6);
  ErwarteV(VektorT(1, 2, 3).LinKomb(2, VektorT(1, 1, 1), -1), 1, 3, 5);
  ErwarteV(VektorT(1, 2, 3).SpiegelePP(VektorT(0, 0, 0)), -1, -2, -3);
  ErwarteV(VektorT(1, 1, 0).Fusspunkt(VektorT(0, 0, 0), VektorT(2, 0, 0)), 1, 0, 0);
  ErwarteV(VektorT(1, 1, 0).Fusspunkt(VektorT(4, 5, 6), VektorT(4, 5, 6)), 4, 5, 6);
  EXPECT_DOUBLE_EQ(VektorT(0, 0, 0).DreiecksFlaeche(VektorT(3, 0, 0), VektorT(0, 4, 0)), 6.0);
  // Collinear corners: area zero, never NaN.
  EXPECT_EQ(VektorT(0, 0, 0).DreiecksFlaeche(VektorT(0.1, 0.1, 0.1), VektorT(0.3, 0.3, 0.3)), 0.0);
  VektorT n;
  double d = 99;
  ASSERT_TRUE(VektorT(0, 0, 0).Hesseform(VektorT(1, 0, 0), VektorT(0, 1, 0), n, d));
  ErwarteV(n, 0, 0, 1);
  EXPECT_EQ(d, 0.0);
  ASSERT_TRUE(VektorT(1, 0, 0).Hesseform(VektorT(0, 1, 0), VektorT(0, 0, 1), n, d));
  EXPECT_NEAR(n.x(), 1 / std::sqrt(3.0), 1e-15);
  EXPECT_NEAR(d, 1 / std::sqrt(3.0), 1e-15);
  d = 99;
  EXPECT_FALSE(VektorT(0, 0, 0).Hesseform(VektorT(1, 1, 1), VektorT(2, 2, 2), n, d));
  EXPECT_EQ(d, 99);
}

TEST(Algebra, WinkelZwischenVektoren) {
  Aufzeichner ui;
  EXPECT_DOUBLE_EQ(Winkel(VektorT(1, 0, 0), VektorT(0, 1, 0), &ui), 90.0);
  EXPECT_DOUBLE_EQ(Winkel(VektorT(1, 0, 0), VektorT(-1, 0, 0), &ui), 180.0);
  EXPECT_NEAR(Winkel(VektorT(1, 1, 0), VektorT(0, 1, 1), &ui), 60.0, 1e-12);
  EXPECT_EQ(Winkel(VektorT(1, 0, 0), VektorT(1, 0.0001, 0), &ui), 0.0);
  EXPECT_NEAR(Winkel(VektorT(1, 0, 0), VektorT(1, 0.001, 0), &ui), 0.0573, 1e-4);
  // Antiparallel vectors whose cosine rounds below -1 still give 180, not NaN.
  EXPECT_DOUBLE_EQ(Winkel(VektorT(-4, -3, -2), VektorT(4, 3, 2), &ui), 180.0);
  // Vectors whose squared length overflows (cross products of long normals).
  EXPECT_NEAR(Winkel(VektorT(1e200, 0, 0), VektorT(1e200, 1e200, 0), &ui), 45.0, 1e-12);
  EXPECT_EQ(Winkel(VektorT(1e200, 0, 0), VektorT(1, 0, 0), &ui), 0.0);
  EXPECT_TRUE(ui.Meldungen().empty());
  EXPECT_EQ(Winkel(VektorT(0.0001, 0, 0), VektorT(1, 2, 3), &ui), kKeinWinkel);
  ASSERT_EQ(ui.Meldungen().size(), 1u);
  EXPECT_EQ(ui.Meldungen()[0], "Der Nullvektor bestimmt keinen Winkel zu einem anderen Vektor");
}

TEST(Zahltext, RundungUndNull) {
  EXPECT_EQ(z2s(0.0, 6), "0");
  EXPECT_EQ(z2s(-0.0, 6), "0");
  EXPECT_EQ(z2s(5e-08, 6), "0");
  EXPECT_EQ(z2s(-9.99e-08, 6), "0");
  EXPECT_EQ(z2s(1.234, 2), "1.23");
  EXPECT_EQ(z2s(-1.236, 2), "-1.24");
  EXPECT_EQ(z2s(1.0 / 3.0, 6), "0.333333");
  EXPECT_EQ(z2s(0.04, 1), "0");
  EXPECT_EQ(z2s(1e12, 6), "1000000000000");
  // Too large to be scaled by 10^6: written whole, not as 0.
  EXPECT_EQ(z2s(-1e308, 6), Str(-1e308));
  EXPECT_EQ(VektorT(1, 4, 9).Vektor2String(6), "(1|4|9)");
  EXPECT_EQ(VektorT(1e-09, -2, 3).Vektor2String(6), "(0|-2|3)");
}

// Between 2^52 / 10^d and 2^53 / 10^d a double still holds binary digits
// beyond the d-th decimal; the text shows no more decimals than chosen, and
// an exact tie rounds away from zero as it does for smaller numbers.
TEST(Zahltext, GrosseZahlenMitBruchteil) {
  EXPECT_EQ(z2s(5513555619.3672495, 6), "5513555619.367249");
  EXPECT_EQ(z2s(47885035946.291985, 5), "47885035946.29198");
  EXPECT_EQ(z2s(4600000000000.0205, 3), "4600000000000.021");
  EXPECT_EQ(z2s(-450359962737050.56, 1), "-450359962737050.6");
  EXPECT_EQ(z2s(450359962737050.25, 1), "450359962737050.3");
  EXPECT_EQ(z2s(-45035996273705.125, 2), "-45035996273705.13");
  EXPECT_EQ(z2s(0.25, 1), "0.3");
  // From 2^53 on too, where the shortest text would break a tie to the even
  // neighbour.
  EXPECT_EQ(z2s(910000000000000.25, 1), "910000000000000.3");
  EXPECT_EQ(z2s(-100000000000000.125, 2), "-100000000000000.13");
  EXPECT_EQ(z2s(10000000000000.0625, 3), "10000000000000.063");
  EXPECT_EQ(z2s(1000000000000.03125, 4), "1000000000000.0313");
  EXPECT_EQ(z2s(100000000000.015625, 5), "100000000000.01563");
  EXPECT_EQ(z2s(9100000000.0078125, 6), "9100000000.007813");
  EXPECT_EQ(z2s(40000000000000.01, 6), "40000000000000.01");  // its double ends in .0078125
  EXPECT_EQ(z2s(9100000000.197265625, 2), "9100000000.2");
  EXPECT_EQ(VektorT(5513555619.3672495, 0.5, 1000000000001).Vektor2String(6),
            "(5513555619.367249|0.5|1000000000001)");
  for (int d = 1; d <= 6; ++d) {
    const double p = std::pow(10.0, d);
    EXPECT_EQ(z2s(1000000000001, d), "1000000000001");
    for (double lage : {0.0, 0.3, 0.77, 0.999}) {
      const double ganz = std::ceil(std::ldexp(1.0 + lage, 52) / p);
      // 2^-(d+1) and three times it are ties: their scaled values end in .5.
      for (double bruch : {0.03, 0.3, 0.45, 0.6251, 0.97, 0.9999999, std::ldexp(1.0, -d - 1), std::ldexp(3.0, -d - 1)}) {
        const double z = ganz + bruch;  // rounded to the binary digits there
        ASSERT_GE(z * p, 0x1p52);
        ASSERT_LT(z * p, 0x1p53);
        // The fraction and its scaled value are exact (at most 20 and 34
        // bits); the text is the exact value rounded to nearest, halves away
        // from zero.
        const double stellen = std::round((z - ganz) * p);
        std::string erwartet = Str(static_cast<std::int64_t>(ganz + (stellen == p ? 1 : 0)));
        if (stellen != 0 && stellen != p) {
          std::string nach = Str(static_cast<std::int64_t>(stellen));
          nach.insert(0, static_cast<std::size_t>(d) - nach.size(), '0');
          while (nach.back() == '0') nach.pop_back();
          erwartet += "." + nach;
        }
        SCOPED_TRACE(Str(z) + " bei " + Str(d) + " Stellen");
        EXPECT_EQ(z2s(z, d), erwartet);
        EXPECT_EQ(z2s(-z, d), "-" + erwartet);
      }
    }
  }
}
