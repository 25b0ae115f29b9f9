// Loading protocol files, executing the command list again, the restart and
// the editing of the command list.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "interpreter/Bearbeitung.h"
#include "interpreter/Protokolldatei.h"
#include "support/Sitzung.h"
#include "interpreter/Wiedergabe.h"

namespace quarnel::test {
namespace {

std::string Beispiel(const std::string& name) {
  return Ordner::Lies(std::string(QUARNEL_TEST_DATA) + "/protokolle/" + name);
}

// Loads the text as the menu command "Laden" does.
bool Lade(Sitzung& s, const Ordner& o, const std::string& text) {
  s.ui.dateien.push_back(o.Schreibe("datei.txt", text));
  return LadeFile(s.h);
}

std::string Block(const std::string& t) { return std::string(1, CR) + t + CR; }

TEST(Wiedergabe, ExampleFileOfPointsLineAndPlane) {
  Sitzung s;
  Ordner o;
  ASSERT_TRUE(Lade(s, o, Beispiel("beispiel1_punkte.txt")));
  EXPECT_EQ(s.Namen(), (std::vector<std::string>{"O", "A", "B", "E", "g"}));
  EXPECT_EQ(s.Q("g")->v2, VektorT(3, 4, 0));
  EXPECT_EQ(s.Q("E")->v2, VektorT(0, 0, 1));
  std::vector<std::int32_t> arten;
  for (const BefehlT& b : s.h.befehle) arten.push_back(b.Kennung);
  EXPECT_EQ(arten, (std::vector<std::int32_t>{9, 9, 11, 10, 43, 43, 42}));
  EXPECT_EQ(s.h.ausgabe.InfoFenster(),
            Block("Der Winkel zwischen g und E beträgt 0º") + Block("Der Abstand von A und E beträgt 3") +
                Block("Der Abstand von A und B beträgt 5") +
                Block("E ist die Ebene durch den Punkt mit den Koordinaten (9 | 9 | 0) und mit dem "
                      "Normalenvektor (0 | 0 | 1)\rE hat die Gleichung 0x + 0y + 1z = 0") +
                Block("g ist die Gerade durch den Punkt mit den Koordinaten (1 | 2 | 3) und dem "
                      "Richtungsvektor (3 | 4 | 0)") +
                Block("B ist der Punkt mit dem Koordinatentripel (4 | 6 | 3)") +
                Block("A ist der Punkt mit dem Koordinatentripel (1 | 2 | 3)"));
  // The protocol shows the file again.
  EXPECT_EQ(s.h.befehle.Protokoll() + "\n", Beispiel("beispiel1_punkte.txt"));
  EXPECT_TRUE(s.Meldungen().empty());
  EXPECT_EQ(s.ui.Beeps(), 0);
}

// Every example file is a file this program writes: loaded and saved again,
// it comes back byte for byte.
TEST(Wiedergabe, ExampleFilesSaveBackAsTheyWere) {
  Ordner o;
  for (const auto& e : std::filesystem::directory_iterator(std::string(QUARNEL_TEST_DATA) + "/protokolle")) {
    Sitzung s;
    const std::string datei = Ordner::Lies(e.path().string());
    ASSERT_TRUE(Lade(s, o, datei)) << e.path();
    EXPECT_EQ(s.ui.Beeps(), 0) << e.path();
    EXPECT_EQ(Dateiinhalt(s.h.befehle), datei) << e.path();
  }
}

// A file typed by hand: other blanks than the program writes, the typeset
// minus sign, line feeds. Every line that names a command loads as the
// command the program writes; the last line lacks an operand and beeps.
TEST(Wiedergabe, HandWrittenFileLoadsAsTheProgramWouldWriteIt) {
  Sitzung s;
  Ordner o;
  ASSERT_TRUE(Lade(s, o, Ordner::Lies(std::string(QUARNEL_TEST_DATA) + "/handgeschrieben.txt")));
  EXPECT_EQ(s.ui.Beeps(), 1);
  ASSERT_EQ(s.Meldungen().size(), 1u);
  EXPECT_EQ(s.Meldungen()[0].rfind("Die Zeile 7 der Datei wurde nicht gelesen", 0), 0u);
  ASSERT_EQ(Dateiinhalt(s.h.befehle),
            Sitzung::Datei({"A ist der Punkt mit dem Koordinatentripel: (1|0|0)",
                            "B ist der Punkt mit dem Koordinatentripel: (-1|-2.5|3)",
                            "E ist die Ebene mit der Gleichung: 0x + 0y + 1z = -1",
                            "g wird definiert als Gerade durch die Punkte: A und: B",
                            "s wird definiert als Ergebnis der Spiegelung von:  A an: E",
                            "Zeige die wesentlichen Daten von: s"}));
  EXPECT_EQ(s.Q("B")->v1, VektorT(-1, -2.5, 3));
  EXPECT_EQ(s.Q("s")->v1, VektorT(1, 0, -2));  // A mirrored in z = -1
}

TEST(Wiedergabe, ExampleFilesOfSolidsAndCollections) {
  Sitzung s;
  Ordner o;
  ASSERT_TRUE(Lade(s, o, Beispiel("beispiel2_koerper.txt")));
  EXPECT_EQ(s.Typ("T"), Dreieck);
  EXPECT_EQ(s.Typ("K"), Tetraeder);
  const std::string info = s.h.ausgabe.InfoFenster();
  // The tetrahedron's report is the newest block, the triangle's below it.
  EXPECT_EQ(info.rfind("\rDas Tetraeder K mit den Ecken A, B, C und D hat folgende Eigenschaften: \r", 0), 0u);
  EXPECT_NE(info.find("Mittelpunkt und Radius der Inkugel sind M= (0.211325|0.211325|0.211325),    r = 0.211325\r"),
            std::string::npos);
  EXPECT_LT(info.find("Das Tetraeder K mit"), info.find("Das Dreieck T mit"));

  Sitzung c;
  ASSERT_TRUE(Lade(c, o, Beispiel("beispiel3_sammlung.txt")));
  EXPECT_TRUE(c.Q("S|P")->v1.istgleich(VektorT(0, -1, 0)));
  EXPECT_TRUE(c.Q("S|Q")->v1.istgleich(VektorT(0, -2, 0)));
  EXPECT_EQ(c.Q("S")->Ecken[1], "S|P,S|Q");
  EXPECT_EQ(c.Befehle(), 7u);  // the member results are not commands
  EXPECT_EQ(c.h.ausgabe.InfoFenster().rfind(Block("Hinweis: Drehung um die Achse a"), 0), 0u);
  EXPECT_EQ(c.h.ausgabe.LastInfoF, "Drehung um die Achse a");
  EXPECT_NE(c.h.ausgabe.InfoFenster().find(Block("S|P ist der Punkt mit dem Koordinatentripel (0 | -1 | 0)")),
            std::string::npos);
}

TEST(Wiedergabe, LoadingAppendsAndReplaysTheWholeList) {
  Sitzung s;
  Ordner o;
  s.Punkt("A", "1", "2", "3");
  s.Punkt("X", "0", "0", "0");
  // The file defines A again: refused by the point's own name test; g then
  // runs through the A of the list.
  ASSERT_TRUE(Lade(s, o, Sitzung::Datei({"A ist der Punkt mit dem Koordinatentripel: (9|9|9)",
                                         "g wird definiert als Gerade durch die Punkte: A und: X"})));
  EXPECT_EQ(s.Befehle(), 4u);
  EXPECT_EQ(s.Q("A")->v1, VektorT(1, 2, 3));
  EXPECT_EQ(s.Q("g")->v2, VektorT(1, 2, 3));
  EXPECT_EQ(s.Meldungen(), (std::vector<std::string>{"Der verwendete Quarnelname A  ist unerlaubt oder existiert bereits"}));
  EXPECT_EQ(s.Namen().front(), "O");  // after loading, the origin is the head
  EXPECT_FALSE(s.h.form.G1ListB.sichtbar);  // the form's rows are cleared
}

TEST(Wiedergabe, FirstCommandMayRedefineTheOriginAtLoadAndReexecutionAlike) {
  Sitzung s;
  Ordner o;
  ASSERT_TRUE(Lade(s, o, Sitzung::Datei({"O ist der Punkt mit dem Koordinatentripel: (1|1|1)",
                                         "P ist der Punkt mit dem Koordinatentripel: (2|0|0)",
                                         "g wird definiert als Gerade durch die Punkte: O und: P"})));
  EXPECT_EQ(s.Q("O")->v1, VektorT(1, 1, 1));
  const VektorT richtung = s.Q("g")->v2;
  EXPECT_TRUE(s.Meldungen().empty());
  AnweisungslisteAusfuehren(s.h);
  EXPECT_EQ(s.Q("O")->v1, VektorT(1, 1, 1));
  EXPECT_EQ(s.Q("g")->v2, richtung);
  EXPECT_TRUE(s.Meldungen().empty());
  EXPECT_FALSE(s.h.destruktiv);
  // Only the first: a later redefinition is refused as always.
  s.Punkt("Q", "5", "5", "5");
  BefehlT b = s.h.befehle.ErschaffeB();
  b.Kennung = NumPunkt;
  b.NeuG = "P";
  b.Vektor = VektorT(7, 7, 7);
  s.h.befehle.Anhaengen(b);
  AnweisungslisteAusfuehren(s.h);
  EXPECT_EQ(s.Q("P")->v1, VektorT(2, 0, 0));
  EXPECT_EQ(s.Meldungen().size(), 1u);
}

TEST(Wiedergabe, ReexecutionRecomputesDependantsAndGivesNoTurnToTheEventLoop) {
  Sitzung s;
  s.Punkt("A", "0", "0", "0");
  s.Punkt("B", "1", "0", "0");
  s.Ebene("E", "0", "0", "1", "2");
  s.Form(GGeradePP, "g", "A", "B");
  s.Form(GErzeugeSchnitt, "S", "g", "E");  // parallel: the empty object
  EXPECT_EQ(s.Typ("S"), LeeresQuarnel);
  s.Form(GErzeugeSpiegelbild, "B2", "B", "E");
  EXPECT_EQ(s.Q("B2")->v1, VektorT(1, 0, 4));

  // The point B moves (as the coordinate dialog does it): everything built
  // on it follows when the list is executed again.
  s.h.befehle.Nr(2)->Vektor = VektorT(1, 0, 1);
  s.ui.ereignisse = 0;
  AnweisungslisteAusfuehren(s.h);
  EXPECT_EQ(s.ui.ereignisse, 0);
  EXPECT_EQ(s.Q("g")->v2, VektorT(1, 0, 1));
  EXPECT_EQ(s.Typ("S"), Punkt);
  EXPECT_EQ(s.Q("S")->v1, VektorT(2, 0, 2));
  EXPECT_EQ(s.Q("B2")->v1, VektorT(1, 0, 3));
  // "O" is an ordinary object behind a blank head now, sorted by name.
  EXPECT_EQ(s.Namen(), (std::vector<std::string>{"", "A", "B", "B2", "E", "O", "S", "g"}));
  EXPECT_EQ(s.h.objekte.ErzeugeNamenListen().NListe, "A\rB\rB2\rE\rO\rS\rg\r");

  // Without its point the line and what depends on it are skipped silently.
  ASSERT_TRUE(LoescheBefehl(s.h, "<2>    B ist der Punkt ..."));
  AnweisungslisteAusfuehren(s.h);
  EXPECT_EQ(s.Typ("g"), 0);
  EXPECT_EQ(s.Typ("S"), 0);
  EXPECT_EQ(s.Typ("B2"), 0);
  EXPECT_TRUE(s.Meldungen().empty());
}

TEST(Wiedergabe, ReplayRunsRecordedDeletionsNotesAndCollectionCommands) {
  Sitzung s;
  Ordner o;
  ASSERT_TRUE(Lade(s, o, Sitzung::Datei({
      "A ist der Punkt mit dem Koordinatentripel: (1|0|0)",
      "B ist der Punkt mit dem Koordinatentripel: (0|1|0)",
      "K ist die Sammlung der Quarnel: A,B",
      "L ist definiert als als Klon von: K",
      "Zeige die wesentlichen Daten von: K",
      "Loesche das Quarnel: O",
      "Loesche das Quarnel: B",
      "Hinweis: Ende",
  })));
  EXPECT_EQ(s.Q("L")->Ecken[1], "A,B");
  EXPECT_EQ(s.Typ("O"), Punkt);  // the origin is never deleted
  EXPECT_EQ(s.Typ("B"), 0);
  EXPECT_EQ(s.h.ausgabe.LastInfoF, "Ende");
  EXPECT_NE(s.h.ausgabe.InfoFenster().find(Block("K ist die Sammlung der Quarnel A,B")), std::string::npos);
  EXPECT_TRUE(s.Meldungen().empty());
}

TEST(Wiedergabe, RestartLeavesTheOriginAlone) {
  Sitzung s;
  s.Punkt("", "1", "1", "1");
  s.h.ausgabe.ProtokollAn = false;
  s.h.form.AktuelleKennung = GGeradePP;
  Neustart(s.h);
  EXPECT_EQ(s.Namen(), (std::vector<std::string>{"O"}));
  EXPECT_EQ(s.Befehle(), 0u);
  EXPECT_EQ(s.h.befehle.Protokoll(), "");
  EXPECT_EQ(s.h.ausgabe.InfoFenster(), "");
  EXPECT_TRUE(s.h.ausgabe.ProtokollAn);
  EXPECT_FALSE(s.h.form.G1ListB.sichtbar);
  EXPECT_FALSE(s.h.form.aF.sichtbar);
  EXPECT_EQ(s.h.form.AktuelleKennung, GGeradePP);  // the form kind is kept
  EXPECT_TRUE(s.h.objekte.NrVerbraucht(1));        // and the automatic numbers
}

TEST(Bearbeitung, DeleteAndRestoreRunTheListAgain) {
  Sitzung s;
  for (const char* n : {"A", "B", "C"}) s.Punkt(n, "1", "2", "3");
  // Delete command 2 by its row, then give it back: it comes at the end.
  EXPECT_FALSE(LoescheBefehl(s.h, "<4>    zu weit"));
  EXPECT_FALSE(LoescheBefehl(s.h, "<0>    null"));
  EXPECT_FALSE(LoescheBefehl(s.h, "<>    leer"));
  EXPECT_FALSE(LoescheBefehl(s.h, "ohne Nummer"));
  ASSERT_TRUE(LoescheBefehl(s.h, "<2>    B ist der Punkt mit dem Koordinatentripel: (1|2|3) "));
  EXPECT_NE(s.h.befehle.Protokoll().find("<2>    C ist"), std::string::npos);
  EXPECT_EQ(s.Typ("B"), Punkt);  // until the list runs again, as the delete field has it run
  AnweisungslisteAusfuehren(s.h);
  ASSERT_TRUE(Restore(s.h));
  EXPECT_NE(s.h.befehle.Protokoll().find("<3>    B ist"), std::string::npos);
  EXPECT_FALSE(Restore(s.h));

  // Two deletions of the last and two restores give the old order back.
  s.h.ausgabe.LastInfoF = "alt";
  ASSERT_TRUE(LoescheLetztenBefehl(s.h));
  ASSERT_TRUE(LoescheLetztenBefehl(s.h));
  EXPECT_EQ(s.h.ausgabe.LastInfoF, "");
  EXPECT_EQ(s.Befehle(), 1u);
  ASSERT_TRUE(Restore(s.h));
  ASSERT_TRUE(Restore(s.h));
  EXPECT_NE(s.h.befehle.Protokoll().find("<2>    C ist"), std::string::npos);
  EXPECT_NE(s.h.befehle.Protokoll().find("<3>    B ist"), std::string::npos);
  // The object of the deleted last command is gone at once, and the
  // deleted command survives a new one: Restore brings it and its object
  // back.
  ASSERT_TRUE(LoescheLetztenBefehl(s.h));
  EXPECT_EQ(s.Typ("B"), 0);
  s.Punkt("D", "0", "0", "0");
  ASSERT_TRUE(Restore(s.h));
  EXPECT_EQ(s.Typ("B"), Punkt);
  EXPECT_EQ(s.Typ("D"), Punkt);
  EXPECT_EQ(s.h.form.AktuelleKennung, 0);  // executed again
  EXPECT_FALSE(Restore(s.h));
  // Nothing can be built on the object of a deleted command, so nothing is
  // recorded that a saved file could not rebuild.
  s.Form(GGeradePP, "g", "D", "A");
  ASSERT_TRUE(LoescheLetztenBefehl(s.h));
  s.Form(GGeradePR, "k", "C", "g");
  EXPECT_EQ(s.Typ("k"), 0);
  EXPECT_EQ(s.Letzter().NeuG, "B");
  // Loading a file leaves the deleted commands restorable.
  ASSERT_TRUE(LadeText(s.h, Sitzung::Datei({"P ist der Punkt mit dem Koordinatentripel: (5|5|5)",
                                            "Q ist der Punkt mit dem Koordinatentripel: (6|6|6)"})));
  ASSERT_TRUE(Restore(s.h));
  EXPECT_EQ(s.Letzter().NeuG, "g");
  EXPECT_EQ(s.Typ("g"), Gerade);
  while (LoescheLetztenBefehl(s.h)) {
  }
  EXPECT_EQ(s.h.befehle.Protokoll(), "");
}

TEST(Bearbeitung, DeleteAllThenRestoreRebuildsTheList) {
  Sitzung s;
  s.Punkt("A", "1", "0", "0");
  s.Punkt("B", "0", "1", "0");
  s.Form(GGeradePP, "g", "A", "B");
  const std::string protokoll = s.h.befehle.Protokoll();
  AllesLoeschen(s.h);
  EXPECT_EQ(s.Namen(), (std::vector<std::string>{"O"}));
  EXPECT_EQ(s.h.befehle.Protokoll(), "");
  while (Restore(s.h)) {
  }
  EXPECT_EQ(s.h.befehle.Protokoll(), protokoll);
  EXPECT_EQ(s.Typ("g"), Gerade);  // each restored command made its object
  // An empty list deleted keeps what was deleted before.
  AllesLoeschen(s.h);
  AllesLoeschen(s.h);
  EXPECT_TRUE(Restore(s.h));
}

// Restore gives a command back only while no other object bears its name;
// until then it waits on the stack, and nothing else changes.
TEST(Bearbeitung, RestoreWaitsForAFreeName) {
  Sitzung s;
  auto vergeben = [](const std::string& n) {
    return std::vector<std::string>{"Der verwendete Quarnelname " + n + "  ist unerlaubt oder existiert bereits"};
  };
  s.PunktImFenster("P1", "1", "2", "3");
  s.ui.antworten.push_back(Antwort::OK);
  s.Menue("NeuItem");
  s.PunktImFenster("P1", "4", "5", "6");
  const std::string protokoll = s.h.befehle.Protokoll();
  s.ui.Leeren();
  s.Menue("UndoItem");
  EXPECT_EQ(s.Meldungen(), vergeben("P1"));
  EXPECT_EQ(s.h.befehle.Protokoll(), protokoll);
  EXPECT_EQ(s.Namen(), (std::vector<std::string>{"O", "P1"}));
  EXPECT_EQ(s.Q("P1")->v1, VektorT(4, 5, 6));
  EXPECT_EQ(s.h.befehle.LagerGroesse(), 1u);
  s.ui.Leeren();
  s.Menue("FileAktualisieren");
  EXPECT_TRUE(s.Meldungen().empty());

  // A line whose name a point took meanwhile.
  s.FormImFenster("GGeradePP", "g", "O", "P1");
  s.Menue("LetztLoeschItem");
  s.PunktImFenster("g", "7", "8", "9");
  s.ui.Leeren();
  s.Menue("UndoItem");
  EXPECT_EQ(s.Meldungen(), vergeben("g"));
  EXPECT_EQ(s.Typ("g"), Punkt);
  EXPECT_EQ(s.Befehle(), 2u);
  // The name freed, each command comes back in its turn, the newest first.
  s.ZieheObjekt("g");
  ASSERT_EQ(s.Typ("g"), 0);
  s.ui.Leeren();
  s.Menue("UndoItem");
  EXPECT_EQ(s.Typ("g"), Gerade);
  EXPECT_EQ(s.Letzter().NeuG, "g");
  s.Menue("UndoItem");
  EXPECT_EQ(s.Meldungen(), vergeben("P1"));
  s.ZieheObjekt("P1");
  s.Menue("UndoItem");
  EXPECT_EQ(s.Q("P1")->v1, VektorT(1, 2, 3));
  EXPECT_EQ(s.h.befehle.LagerGroesse(), 0u);
  EXPECT_EQ(s.Meldungen(), vergeben("P1"));
  // Into an empty list a command comes back as the first, which may move
  // the origin, as the first line of a loaded file may.
  s.ui.antworten.push_back(Antwort::OK);
  s.Menue("NeuItem");
  ASSERT_TRUE(LadeText(s.h, Sitzung::Datei({"O ist der Punkt mit dem Koordinatentripel: (1|1|1)"})));
  s.ui.antworten.push_back(Antwort::OK);
  s.Menue("NeuItem");
  s.Menue("UndoItem");
  EXPECT_EQ(s.Q("O")->v1, VektorT(1, 1, 1));
}

TEST(Bearbeitung, DoubleClickMovesTheLastCommandAndExecutesAgain) {
  Sitzung s;
  s.Punkt("A", "1", "0", "0");
  s.Punkt("B", "0", "1", "0");
  s.Form(GGeradePP, "g", "A", "B");
  s.Form(GErzeugeSpiegelbild, "C", "A", "g");
  s.Punkt("D", "0", "0", "1");
  // The last command moves behind command 2: D is command 3.
  BefehlszeileDoppelklick(s.h, "<2>    B ist ...");
  EXPECT_EQ(s.h.befehle.Nr(3)->NeuG, "D");
  EXPECT_EQ(s.h.befehle.Nr(5)->NeuG, "C");
  EXPECT_EQ(s.Typ("C"), Punkt);
  EXPECT_EQ(s.h.form.AktuelleKennung, 0);  // executed again
  // The last or last-but-one row moves nothing; the list still runs again.
  s.h.form.AktuelleKennung = GGeradePP;
  BefehlszeileDoppelklick(s.h, "<4>");
  EXPECT_EQ(s.h.befehle.Nr(5)->NeuG, "C");
  EXPECT_EQ(s.h.form.AktuelleKennung, 0);
  // A row without a number does nothing at all.
  s.h.form.AktuelleKennung = GGeradePP;
  BefehlszeileDoppelklick(s.h, "g ist ...");
  BefehlszeileDoppelklick(s.h, "<-3>");
  EXPECT_EQ(s.h.form.AktuelleKennung, GGeradePP);
  // Moving a command in front of its operand: it is skipped on replay.
  BefehlszeileDoppelklick(s.h, "<1>");  // C (mirror of A in g) behind A, before g
  EXPECT_EQ(s.h.befehle.Nr(2)->NeuG, "C");
  EXPECT_EQ(s.Typ("C"), 0);
  EXPECT_EQ(Zeilennummer("<15>    x"), 15);
  EXPECT_EQ(Zeilennummer("< 7>"), 7);
}

}  // namespace
}  // namespace quarnel::test
