// The command list and its stack of deleted commands.
#include <gtest/gtest.h>

#include "interpreter/Befehlsliste.h"
#include "interpreter/Saetze.h"
#include "platform/Text.h"

namespace quarnel {
namespace {

BefehlT Punktbefehl(const std::string& name) {
  BefehlT b;
  b.Kennung = NumPunkt;
  b.NeuG = name;
  b.AltG1 = "(1|2|3)";
  b.Vektor = VektorT(1, 2, 3);
  return b;
}

std::string Namen(const Befehlsliste& l) {
  std::string s;
  for (const BefehlT& b : l) s += b.NeuG;
  return s;
}

Befehlsliste Fuenf() {
  Befehlsliste l;
  for (const char* n : {"A", "B", "C", "D", "E"}) l.Anhaengen(Punktbefehl(n));
  return l;
}

TEST(Befehlsliste, NewCommandsLeaveTheDeletedOnTheStack) {
  Befehlsliste l = Fuenf();
  EXPECT_FALSE(l.LoescheBefehlNr(0));
  EXPECT_FALSE(l.LoescheBefehlNr(6));
  ASSERT_TRUE(l.LoescheBefehlNr(3));
  EXPECT_EQ(Namen(l), "ABDE");
  ASSERT_TRUE(l.LoescheLetzten());
  EXPECT_EQ(Namen(l), "ABD");
  EXPECT_EQ(l.LagerGroesse(), 2u);

  // A new command gets a fresh record; both deleted commands stay ...
  BefehlT neu = l.ErschaffeB();
  EXPECT_TRUE(neu.NeuG.empty());
  EXPECT_EQ(neu.Kennung, 0);
  EXPECT_EQ(l.LagerGroesse(), 2u);
  neu.Kennung = LoescheQuarnel;
  neu.AltG1 = "A";
  l.Anhaengen(neu);
  // ... so Restore brings back E, then C, at the end.
  ASSERT_TRUE(l.Restore());
  ASSERT_TRUE(l.Restore());
  EXPECT_EQ(Namen(l), "ABDEC");
  EXPECT_FALSE(l.Restore());

  Befehlsliste leer;
  EXPECT_FALSE(leer.LoescheLetzten());
  BefehlT b = leer.ErschaffeB();
  EXPECT_EQ(b.Gleichung[4], 0.0);
}

TEST(Befehlsliste, DeletingAllThenRestoringRebuildsTheOrder) {
  Befehlsliste l = Fuenf();
  BefehlT* c = l.Nr(3);
  l.AllesEinlagern();
  EXPECT_TRUE(l.empty());
  EXPECT_FALSE(l.Enthaelt(c));
  while (l.Restore()) {
  }
  EXPECT_EQ(Namen(l), "ABCDE");
  // The record is the same one and is in the list again.
  EXPECT_TRUE(l.Enthaelt(c));
  EXPECT_EQ(l.Nr(3), c);
  l.Leeren();
  EXPECT_TRUE(l.empty());
  EXPECT_EQ(l.LagerGroesse(), 0u);
}

TEST(Befehlsliste, MovingTheLastCommandForward) {
  Befehlsliste l = Fuenf();
  BefehlT* e = l.Nr(5);
  ASSERT_TRUE(l.VerschiebeLetztenHinter(2));
  EXPECT_EQ(Namen(l), "ABECD");
  EXPECT_EQ(l.Nr(3), e);
  EXPECT_TRUE(l.VerschiebeLetztenHinter(1));
  EXPECT_EQ(Namen(l), "ADBEC");
  // Behind the last-but-one or the last, or before the head: nothing moves.
  for (std::int64_t n : {0, 4, 5, 99}) EXPECT_FALSE(l.VerschiebeLetztenHinter(n));
  EXPECT_EQ(Namen(l), "ADBEC");
  Befehlsliste eins;
  eins.Anhaengen(Punktbefehl("A"));
  EXPECT_FALSE(eins.VerschiebeLetztenHinter(1));
}

TEST(Befehlsliste, HoleBefehlFindsTheEarliestDefinition) {
  Befehlsliste l;
  EXPECT_EQ(l.HoleBefehl("P"), nullptr);
  BefehlT loesche;
  loesche.Kennung = LoescheQuarnel;
  loesche.NeuG = "P";  // a stale name on a deletion defines nothing
  loesche.AltG1 = "P";
  l.Anhaengen(loesche);
  BefehlT variabel = Punktbefehl("P");
  variabel.Kennung = VariablerPunkt;  // names P but makes nothing
  l.Anhaengen(variabel);
  BefehlT& erster = l.Anhaengen(Punktbefehl("P"));
  l.Anhaengen(Punktbefehl("P"));
  EXPECT_EQ(l.HoleBefehl("P"), &erster);
  BefehlT& letzter = l.Anhaengen(Punktbefehl("Q"));
  EXPECT_EQ(l.HoleBefehl("Q"), &letzter);
  EXPECT_EQ(l.HoleBefehl("p"), nullptr);
}

TEST(Befehlsliste, ProtocolTextNumbersTheSentences) {
  Befehlsliste l;
  EXPECT_EQ(l.Protokoll(), "");
  l.Anhaengen(Punktbefehl("A"));
  BefehlT g;
  g.Kennung = GGeradePP;
  g.NeuG = "g";
  g.AltG1 = "A";
  g.AltG2 = "B";
  l.Anhaengen(g);
  l.Anhaengen(BefehlT{});  // a kind without a sentence
  EXPECT_EQ(l.Protokoll(),
            "<1>    A ist der Punkt mit dem Koordinatentripel: (1|2|3) \r"
            "<2>    g wird definiert als Gerade durch die Punkte: A und: B \r"
            "<3>     \r");
  ASSERT_TRUE(l.LoescheBefehlNr(1));
  EXPECT_EQ(l.Protokoll().substr(0, 4), "<1> ");
  EXPECT_NE(l.Protokoll().find("<2>     \r"), std::string::npos);
}

}  // namespace
}  // namespace quarnel
