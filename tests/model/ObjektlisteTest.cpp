#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "constructions/Bauraum.h"
#include "platform/Aufzeichner.h"
#include "platform/Text.h"

using namespace quarnel;

namespace {
QuarnelT Obj(const std::string& name, std::int32_t typ, VektorT v1 = {}) {
  QuarnelT g;
  g.name = name;
  g.Typ = typ;
  g.v1 = v1;
  return g;
}

std::vector<std::string> Namen(const Objektliste& l) {
  std::vector<std::string> n;
  l.FuerAlle([&](const QuarnelT& g) { n.push_back(g.name); });
  return n;
}

std::string Zeilen(std::initializer_list<std::string> z) {
  std::string s;
  for (const auto& t : z) s += t + "\r";
  return s;
}
}  // namespace

TEST(Objektliste, KopfUndNamensordnung) {
  Aufzeichner ui;
  Bauraum h(ui);
  Objektliste& l = h.objekte;
  l.Einlisten(Obj("B", Punkt));
  l.Einlisten(Obj("A", Punkt));
  l.Einlisten(Obj("Z", Gerade));
  // The origin head stays first although "A" and "B" sort before it.
  EXPECT_EQ(Namen(l), (std::vector<std::string>{"O", "A", "B", "Z"}));
  // Byte-wise and case-sensitive: upper case before lower case.
  l.Einlisten(Obj("a", Punkt));
  EXPECT_EQ(Namen(l).back(), "a");
  EXPECT_EQ(l.QuarnelTypNr("Z"), Gerade);
  EXPECT_EQ(l.QuarnelTypNr("z"), 0);
  EXPECT_FALSE(l.ExistiertQuarnel("nix"));
  EXPECT_EQ(l.HoleQuarnel("nix"), nullptr);

  // After a re-execution the head is blank and "O" is an ordinary member.
  l.NeuerKopf(QuarnelT{});
  l.Einlisten(Obj("P", Punkt));
  l.Einlisten(Objektliste::Ursprung());
  EXPECT_EQ(Namen(l), (std::vector<std::string>{"", "O", "P"}));
  ASSERT_NE(l.HoleQuarnel(""), nullptr);  // the blank head is found ...
  EXPECT_FALSE(l.ExistiertQuarnel(""));   // ... but counts as absent
}

TEST(Objektliste, ErsetzenLoeschenUndVektoren) {
  Aufzeichner ui;
  Bauraum h(ui);
  Objektliste& l = h.objekte;
  l.Einlisten(Obj("P", Punkt, {1, 2, 3}));
  l.Einlisten(Obj("P", Gerade, {4, 5, 6}));
  EXPECT_EQ(l.Anzahl(), 2u);
  EXPECT_EQ(l.QuarnelTypNr("P"), Gerade);
  VektorT v(9, 9, 9);
  l.HoleVektor(1, "P", v);
  EXPECT_EQ(v, VektorT(4, 5, 6));
  l.HoleVektor(3, "P", v);  // no such vector: nothing copied, nothing shown
  EXPECT_EQ(v, VektorT(4, 5, 6));
  EXPECT_TRUE(ui.Meldungen().empty());
  l.HoleVektor(1, "Q", v);
  l.LoescheQuarnel("P");
  EXPECT_FALSE(l.ExistiertQuarnel("P"));
  // An object named like the head replaces it in place instead of hiding behind it.
  l.Einlisten(Obj("O", Ebene, {0, 0, 5}));
  EXPECT_EQ(l.QuarnelTypNr("O"), Ebene);
  EXPECT_EQ(l.Kopf().v1, VektorT(0, 0, 5));
  EXPECT_EQ(l.Anzahl(), 1u);
  l.LoescheQuarnel("O");  // the head is never removed
  EXPECT_TRUE(l.ExistiertQuarnel("O"));
  EXPECT_EQ(ui.Meldungen(), (std::vector<std::string>{"Fehler beim Suchen nach Q", "Fehler beim Loeschen"}));
}

TEST(Objektliste, Namensregel) {
  EXPECT_TRUE(Objektliste::ErlaubterName("Punkt_1"));
  EXPECT_TRUE(Objektliste::ErlaubterName("Größe"));
  EXPECT_TRUE(Objektliste::ErlaubterName("a\xC2\xBA"));  // "º"
  // A name holds no blank of any kind: a reader could not see where it ends.
  for (const char* schlecht : {"", "a b", "a\xC2\xA0" "b", "a\u2009", "\u202Fb", "a\u3000b", "a\u2007b", "a\u205Fb",
                               "a\u1680b", "a:b", "a,b", "a|b", "a\rb", "a\tb", "a\x7F", "a\xC2\x85" "b"})
    EXPECT_FALSE(Objektliste::ErlaubterName(schlecht)) << schlecht;
}

TEST(Objektliste, AutomatischeNamen) {
  Aufzeichner ui;
  Bauraum h(ui);
  Objektliste& l = h.objekte;
  EXPECT_EQ(l.FreieNr(), 1);
  EXPECT_EQ(l.FreieNr(), 2);
  // A user's name of that form books its number too.
  l.Einlisten(Obj("G_3", Punkt));
  EXPECT_EQ(l.FreieNr(), 4);
  // Deleting frees the number; the lowest free one comes next.
  l.LoescheQuarnel("G_3");
  EXPECT_EQ(l.FreieNr(), 3);
  // Names with 0, letters or no number book nothing; neither do other
  // spellings of a number, so deleting them cannot free a number in use.
  l.Einlisten(Obj("G_0", Punkt));
  l.Einlisten(Obj("G_x", Punkt));
  EXPECT_FALSE(l.NrVerbraucht(0));
  l.Einlisten(Obj("G_5", Punkt));
  l.Einlisten(Obj("G_05", Punkt));
  l.Einlisten(Obj("G_5.0", Punkt));
  l.LoescheQuarnel("G_05");
  l.LoescheQuarnel("G_5.0");
  EXPECT_TRUE(l.NrVerbraucht(5));
  // Numbers never run out and are never handed out twice.
  std::set<std::int64_t> gesehen;
  for (int i = 0; i < 1200; ++i) {
    std::int64_t n = l.FreieNr();
    EXPECT_TRUE(gesehen.insert(n).second);
  }
  EXPECT_GE(*gesehen.rbegin(), 1200);
  EXPECT_TRUE(ui.Meldungen().empty());
  // A restart keeps the numbers booked.
  l.NeuerKopf(Objektliste::Ursprung());
  EXPECT_TRUE(l.NrVerbraucht(1));
}

TEST(Objektliste, NamenListen) {
  Aufzeichner ui;
  Bauraum h(ui);
  Objektliste& l = h.objekte;
  EXPECT_EQ(l.ErzeugeNamenListen().NListe, Zeilen({"O"}));
  EXPECT_EQ(l.ErzeugeNamenListen().ErwNListe, Zeilen({"O" + std::string(13, ' ') + "Punkt"}));
  EXPECT_EQ(l.ErzeugeNamenListen().mSoEckNListe, Zeilen({"O"}));
  EXPECT_EQ(l.ErzeugeNamenListen().gNListe, "");

  l.Einlisten(Obj("AB", Punkt));
  l.Einlisten(Obj("E", LeeresQuarnel));
  l.Einlisten(Obj("D", Dreieck));
  l.Einlisten(Obj("T", Tetraeder));
  l.Einlisten(Obj("S", Sammlung));
  l.Einlisten(Obj("g", Gerade));
  l.Einlisten(Obj("e", Ebene));
  l.Einlisten(Obj("R", Raum));
  l.Einlisten(Obj("EinSehrLangerName", Gerade));
  const NamenListen n = l.ErzeugeNamenListen();
  EXPECT_EQ(n.NListe, Zeilen({"O", "AB", "D", "E", "EinSehrLangerName", "R", "S", "T", "e", "g"}));
  EXPECT_EQ(n.ErwNListe,
            Zeilen({"O" + std::string(13, ' ') + "Punkt", "AB" + std::string(12, ' ') + "Punkt",
                    "D" + std::string(13, ' ') + "Dreieck", "E" + std::string(13, ' ') + "leeres Quarnel",
                    "EinSehrLangerName Gerade", "R" + std::string(13, ' ') + "Raum",
                    "S" + std::string(13, ' ') + "Sammlung", "T" + std::string(13, ' ') + "Tetraeder",
                    "e" + std::string(13, ' ') + "Ebene", "g" + std::string(13, ' ') + "Gerade"}));
  EXPECT_EQ(n.PNListe, Zeilen({"O", "AB"}));
  EXPECT_EQ(n.gPNListe, Zeilen({"O", "AB", "EinSehrLangerName", "g"}));
  EXPECT_EQ(n.oPNListe, Zeilen({"EinSehrLangerName", "e", "g"}));
  EXPECT_EQ(n.gNListe, Zeilen({"EinSehrLangerName", "g"}));
  EXPECT_EQ(n.DNListe, Zeilen({"D"}));
  EXPECT_EQ(n.EckNListe, Zeilen({"D", "T"}));
  EXPECT_EQ(n.oEckNliste, Zeilen({"O", "AB", "EinSehrLangerName", "e", "g"}));
  EXPECT_EQ(n.mSoEckNListe, Zeilen({"O", "AB", "EinSehrLangerName", "S", "e", "g"}));

  // A blank head yields no line; every row starts with the name and a blank.
  l.NeuerKopf(QuarnelT{});
  l.Einlisten(Objektliste::Ursprung());
  l.Einlisten(Obj("Dreizehn_Zch_", Punkt));
  l.Einlisten(Obj("Vierzehn_Zchn_", Punkt));
  EXPECT_EQ(l.ErzeugeNamenListen().ErwNListe, Zeilen({"Dreizehn_Zch_ Punkt", "O" + std::string(13, ' ') + "Punkt",
                                           "Vierzehn_Zchn_ Punkt"}));
}
