// The angle between lines and planes and its sentence.
#include <gtest/gtest.h>

#include "support/Objekte.h"
#include "description/Winkel.h"

namespace quarnel::test {

namespace {

struct Winkelfall : Objekte {
  Winkelfall() {
    G("g", VektorT(0, 0, 0), VektorT(1, 0, 0));
    G("h", VektorT(0, 0, 0), VektorT(1, 1, 0));
    G("k", VektorT(0, 1, 0), VektorT(-1, 1, 0));
    G("m", VektorT(0, 0, 5), VektorT(-1, 0, 0));
    G("s", VektorT(0, 0, 0), VektorT(1, 0, 1));
    G("z", VektorT(0, 0, 0), VektorT(0, 0, 1));
    E("E", VektorT(0, 0, 0), VektorT(0, 0, 1));
    E("F", VektorT(0, 0, 0), VektorT(0, 0, -1));
    E("X", VektorT(0, 0, 0), VektorT(1, 0, 0));
    beschr.ausgabe.InfoLeeren();
    beschr.ausgabe.InfoAktualisieren();
  }
  // The sentence that the angle command writes, or "" when it writes none.
  std::string Satz(const std::string& a, const std::string& b) {
    bool ok = true;
    std::size_t vorher = beschr.ausgabe.AnzahlBloecke();
    Winkelausgabe(beschr, a, b, ok);
    if (beschr.ausgabe.AnzahlBloecke() == vorher) {
      EXPECT_FALSE(ok);
      return "";
    }
    EXPECT_TRUE(ok);
    std::string t = beschr.ausgabe.InfoFenster();
    return t.substr(1, t.find(CR, 1) - 1);
  }
};

TEST(Winkel, GeradenUndEbenenInBeidenReihenfolgen) {
  Winkelfall w;
  EXPECT_EQ(w.Satz("g", "h"), "Der Winkel zwischen g und h beträgt 45º");
  EXPECT_EQ(w.Satz("g", "k"), "Der Winkel zwischen g und k beträgt 45º");  // 135 folded
  EXPECT_EQ(w.Satz("g", "m"), "Der Winkel zwischen g und m beträgt 0º");   // antiparallel
  EXPECT_EQ(w.Satz("E", "X"), "Der Winkel zwischen E und X beträgt 90º");
  EXPECT_EQ(w.Satz("E", "F"), "Der Winkel zwischen E und F beträgt 0º");
  EXPECT_EQ(w.Satz("z", "E"), "Der Winkel zwischen z und E beträgt 90º");
  EXPECT_EQ(w.Satz("F", "z"), "Der Winkel zwischen F und z beträgt 90º");
  EXPECT_EQ(w.Satz("s", "E"), "Der Winkel zwischen s und E beträgt 45º");
  EXPECT_EQ(w.Satz("F", "s"), "Der Winkel zwischen F und s beträgt 45º");
  EXPECT_EQ(w.Satz("g", "E"), "Der Winkel zwischen g und E beträgt 0º");   // parallel to the plane
  w.beschr.ausgabe.Dezimalen = 2;
  w.G("r", VektorT(0, 0, 0), VektorT(1, 2, 0));
  EXPECT_EQ(w.Satz("g", "r"), "Der Winkel zwischen g und r beträgt 63.43º");
  EXPECT_EQ(w.Satz("r", "X"), "Der Winkel zwischen r und X beträgt 26.57º");
  EXPECT_TRUE(w.ui.Meldungen().empty());
}

TEST(Winkel, ModusAusSchreibtUnsichtbar) {
  Winkelfall w;
  w.beschr.ausgabe.ProtokollAn = false;
  EXPECT_EQ(w.Satz("g", "h"), "Der Winkel zwischen g und h beträgt 45º");
  EXPECT_EQ(w.beschr.ausgabe.InfoF(), "");
}

TEST(Winkel, PaareOhneWinkel) {
  Winkelfall w;
  w.P("P", 1, 2, 3);
  QuarnelT r;
  r.name = "R";
  r.Typ = Raum;
  w.Setze(r);
  w.D("d", "O", "P", "O");
  w.D("e", "O", "P", "O");
  w.Eck("st", Strecke, "O", "P");
  for (auto [a, b] : {std::pair{"g", "R"}, {"P", "R"}, {"d", "e"}, {"st", "st"}, {"st", "d"}, {"P", "g"}, {"P", "E"}}) {
    w.ui.Leeren();
    EXPECT_EQ(w.Satz(a, b), "") << a << " " << b;
    EXPECT_EQ(w.ui.Meldungen(), std::vector<std::string>{"Zwischen diesen Quarneln gibt es keinen Winkel"});
  }
  // An unknown name: no angle and no sentence.
  w.ui.Leeren();
  EXPECT_EQ(w.Satz("g", "nix"), "");
  EXPECT_TRUE(w.ui.Meldungen().empty());
  // A flag that is false on entry: nothing at all.
  bool ok = false;
  const std::size_t bloecke = w.beschr.ausgabe.AnzahlBloecke();
  Winkelausgabe(w.beschr, "g", "h", ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(w.beschr.ausgabe.AnzahlBloecke(), bloecke);
  EXPECT_EQ(WinkelZwischen(w.beschr, "g", "h", ok), 0.0);
}

TEST(Winkel, NullrichtungOhneSatz) {
  Winkelfall w;
  w.G("n", VektorT(0, 0, 0), VektorT(0, 0, 0));
  EXPECT_EQ(w.Satz("n", "g"), "");
  EXPECT_EQ(w.ui.Meldungen(), std::vector<std::string>{"Der Nullvektor bestimmt keinen Winkel zu einem anderen Vektor"});
}

TEST(Winkel, UngefaltetBerechnet) {
  Winkelfall w;
  bool ok = true;
  EXPECT_DOUBLE_EQ(WinkelZwischen(w.beschr, "g", "k", ok), 135.0);
  EXPECT_TRUE(ok);
  EXPECT_DOUBLE_EQ(WinkelZwischen(w.beschr, "E", "F", ok), 180.0);
  EXPECT_DOUBLE_EQ(WinkelZwischen(w.beschr, "s", "F", ok), 45.0);
}

}  // namespace
}  // namespace quarnel::test
