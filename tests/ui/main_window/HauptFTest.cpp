// The main window driven as a user drives it: menu choices, typing into the
// fields, picking rows, Return and buttons, double-clicks, drags onto the
// drop fields, and the point and plane windows.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Aufzeichner.h"
#include "support/Sitzung.h"
#include "platform/Text.h"
#include "ui/main_window/HauptF.h"
#include "ui/main_window/Steuerelemente.h"
#include "ui/main_window/Editierfenster.h"
#include "ui/menus/Fenster.h"
#include "ui/menus/Menueleiste.h"

namespace quarnel::test {
namespace {

const std::string cr(1, CR);

TEST(HauptF, StartsEmptyAndBuildsAConstructionFromTheForms) {
  Sitzung f;
  HauptF& h = f.h;
  EXPECT_EQ(h.fenster.QuarnelLB.Zeilen(), std::vector<std::string>{"O             Punkt"});
  EXPECT_TRUE(h.fenster.ProtokollBox.Zeilen().empty());
  EXPECT_EQ(h.ausgabe.InfoF(), "");
  EXPECT_EQ(h.form.AktuelleKennung, 0);
  EXPECT_FALSE(h.form.aF.sichtbar);
  EXPECT_FALSE(h.form.G1ListB.sichtbar);
  EXPECT_FALSE(h.form.HinweisF.nurLesen);
  EXPECT_EQ(h.fenster.ProtoInfoT.text, "Beschreibungsfenster aktiv");

  // Three points: the window's Return in the last number field runs the
  // form once; a second Return waits for the mouse.
  f.Menue("NumPunkt");
  EXPECT_EQ(h.form.aT.text, "ist fester Punkt mit den Koordinaten  x =");
  EXPECT_TRUE(h.form.cF.sichtbar);
  EXPECT_FALSE(h.form.dF.sichtbar);
  EXPECT_EQ(h.form.Fokus, "GnameF");
  f.TippeName("A");
  h.form.aF.text = "1";
  h.form.bF.text = "0";
  h.form.cF.text = "0";
  f.Fenstertaste("\r");
  h.form.GnameF.text = "Z";
  f.Fenstertaste("\r");
  f.Klick("TuEsButton");
  EXPECT_EQ(h.befehle.size(), 1u);
  f.Maus();
  f.PunktImFenster("B", "1", "0", "4");
  f.PunktImFenster("C", "0", "3,5", "1/2");
  EXPECT_EQ(f.Q("C")->v1, VektorT(0, 3.5, 0.5));

  // A line through two of them: the operand lists hold the points only.
  f.Menue("GGeradePP");
  EXPECT_EQ(h.form.EingabeText.text, "wird definiert \xEF\xBB\xBF" "als Gerade durch");
  EXPECT_EQ(h.form.G1ListB.Zeilen(), (std::vector<std::string>{"O", "A", "B", "C"}));
  EXPECT_EQ(h.form.durch2T.text, "und");
  f.FormImFenster("GGeradePP", "g", "A", "B");
  // A plane from its equation, then the intersection of line and plane.
  f.EbeneImFenster("E", "0", "0", "2", "4");
  EXPECT_TRUE(h.form.dF.sichtbar);
  EXPECT_EQ(h.form.dT.text, "z  =");
  f.FormImFenster("GErzeugeSchnitt", "S", "g", "E");
  EXPECT_EQ(f.Q("S")->v1, VektorT(1, 0, 2));
  EXPECT_EQ(h.ausgabe.LastInfoF, "S ist der Punkt mit dem Koordinatentripel (1 | 0 | 2)");
  EXPECT_EQ(h.ausgabe.InfoF().substr(0, 55), cr + "S ist der Punkt mit dem Koordinatentripel (1 | 0 | 2)" + cr);
  EXPECT_EQ(f.Namen(), (std::vector<std::string>{"O", "A", "B", "C", "E", "S", "g"}));
  EXPECT_EQ(h.fenster.ProtokollBox.Zeilen().at(5), "<6>    S wird definiert als Schnitt der Quarnel: g und: E ");

  // A triangle and its report; the report's form hides the name field. The
  // window's Return runs it once, then waits for the mouse.
  f.FormImFenster("QuarnelDreieck", "T", "A", "B", "C");
  f.Menue("AusgabeBeschreibe");
  EXPECT_FALSE(h.form.GnameF.sichtbar);
  f.WaehleZeile(h.form.G1ListB, "T");
  f.Fenstertaste("\r");
  ASSERT_EQ(h.befehle.size(), 8u);
  EXPECT_NE(h.ausgabe.InfoF().find("Das Dreieck T mit den Ecken A, B und C hat folgende Eigenschaften: "),
            std::string::npos);
  EXPECT_EQ(h.fenster.ProtokollBox.Zeilen().back(), "<8>    Gib eine ausfuehrliche Beschreibung von: T ");
  f.Fenstertaste("\r");
  EXPECT_EQ(h.befehle.size(), 8u);
  f.Maus();

  // Three decimals from now on; texts already shown keep theirs.
  f.Popup(3);
  f.PunktImFenster("D", "1/3", "0", "0");
  EXPECT_EQ(h.ausgabe.InfoF().substr(1, 57), "D ist der Punkt mit dem Koordinatentripel (0.333 | 0 | 0)");
  f.Popup(0);
  EXPECT_EQ(h.ausgabe.Dezimalen, 3);

  // The clipboard buttons put a CR in front of their texts.
  f.Klick("BefListe2ClipbB1");
  EXPECT_EQ(f.ui.zwischenablage, cr + h.befehle.Protokoll());
  f.Klick("BevelButton1");
  EXPECT_EQ(h.ausgabe.InfoF(), "");
  f.Klick("Beschr2ClipbB");
  EXPECT_EQ(f.ui.zwischenablage, cr);
}

TEST(HauptF, DropFieldsDeleteAndCollectAndDoubleClicksMoveAndShow) {
  Sitzung f;
  HauptF& h = f.h;
  f.PunktImFenster("A", "1", "0", "0");
  f.PunktImFenster("B", "0", "1", "0");
  f.PunktImFenster("LangerPunktname1", "0", "0", "1");  // its row holds no two blanks
  f.FormImFenster("GGeradePP", "g", "A", "B");
  ASSERT_EQ(h.befehle.size(), 4u);

  // An object row: the object goes at once, and its deletion is recorded.
  f.ZieheObjekt("LangerPunktname1");
  EXPECT_EQ(f.Q("LangerPunktname1"), nullptr);
  EXPECT_EQ(f.Befehl(5).Kennung, LoescheQuarnel);
  EXPECT_EQ(h.fenster.ProtokollBox.Zeilen().back(), "<5>    Loesche das Quarnel: LangerPunktname1 ");
  EXPECT_EQ(h.fenster.LoeschF.text, "");
  // The origin stays; typing into the field deletes nothing.
  f.ZieheObjekt("O");
  EXPECT_EQ(f.ui.Meldungen().back(), "Der Ursprung O - er lebet ewiglich...");
  EXPECT_TRUE(f.Taste("LoeschF", "A"));
  f.Ereignis(Sitzung::Von("LoeschF").verlassen);
  EXPECT_NE(f.Q("A"), nullptr);
  // A command row: the command goes, and everything is computed again.
  f.ZieheBefehl(4);
  EXPECT_EQ(f.Q("g"), nullptr);
  EXPECT_EQ(h.befehle.size(), 4u);
  EXPECT_EQ(h.fenster.ProtokollBox.Zeilen().back(), "<4>    Loesche das Quarnel: LangerPunktname1 ");

  // Collecting: each member once, in the order dropped; only with the form.
  f.ZieheObjekt("A", "SammelF");
  EXPECT_EQ(h.form.AktuelleSammlung, "");
  f.Menue("QuarnelSammlung");
  f.TippeName("M");
  for (const char* n : {"A", "B", "A", "B"}) f.ZieheObjekt(n, "SammelF");
  EXPECT_EQ(h.ausgabe.LastInfoF, "Sammelobjekte:" + cr + "A,B");
  f.Taste("GnameF", "\r");
  ASSERT_NE(f.Q("M"), nullptr);
  EXPECT_EQ(f.Q("M")->Ecken[1], "A,B");

  // Double-click on command 2: the last command (the collection) moves
  // behind it, and the list runs again.
  f.PunktImFenster("C", "5", "5", "5");
  f.Menue("QuarnelSammlung");
  f.TippeName("N");
  f.ZieheObjekt("C", "SammelF");
  f.Taste("GnameF", "\r");
  ASSERT_EQ(h.befehle.size(), 7u);
  f.Doppelklick("ProtokollBox", 1);
  EXPECT_EQ(f.Befehl(3).NeuG, "N");
  EXPECT_EQ(h.fenster.ProtokollBox.Zeilen().at(2), "<3>    N ist die Sammlung der Quarnel: C ");

  // Double-click on an object row describes it; with the mode off in a box.
  f.Menue("AusgabeProtokoll");
  EXPECT_EQ(h.fenster.ProtoInfoT.text, "Beschreibungsenfenster inaktiv");
  f.Doppelklick("QuarnelLB", "A");
  EXPECT_EQ(f.ui.Meldungen().back(), "A ist der Punkt mit dem Koordinatentripel (1 | 0 | 0)");
  EXPECT_FALSE(h.ausgabe.doppelklick);
  f.Menue("AusgabeProtokoll");
  EXPECT_EQ(h.fenster.ProtoInfoT.text, "Beschreibungsfenster aktiv");

  // An object named like a command row is deleted as an object; a command
  // row dragged to the collect field adds nothing.
  f.PunktImFenster("<1>", "7", "7", "7");
  const std::size_t n = h.befehle.size();
  f.ZieheObjekt("<1>");
  EXPECT_EQ(f.Q("<1>"), nullptr);
  EXPECT_EQ(h.befehle.size(), n + 1);
  EXPECT_EQ(f.Befehl(1).NeuG, "A");
  f.PunktImFenster("<2>", "7", "7", "7");
  f.Menue("QuarnelSammlung");
  f.ZieheBefehl(2, "SammelF");
  EXPECT_EQ(h.form.AktuelleSammlung, "");
  // A long name's row shows its own object.
  f.PunktImFenster("LangerPunktname2", "1", "2", "3");
  f.Doppelklick("QuarnelLB", "LangerPunktname2");
  EXPECT_EQ(h.ausgabe.LastInfoF, "LangerPunktname2 ist der Punkt mit dem Koordinatentripel (1 | 2 | 3)");
}

TEST(HauptF, PointAndPlaneWindowsChangeTheDefinitionOnlyWhenConfirmed) {
  Sitzung f;
  HauptF& h = f.h;
  f.PunktImFenster("A", "1", "0", "0");
  f.PunktImFenster("B", "1", "0", "4");
  f.FormImFenster("GGeradePP", "g", "A", "B");
  f.EbeneImFenster("E", "0", "0", "2", "4");
  f.FormImFenster("GErzeugeSchnitt", "S", "g", "E");
  ASSERT_EQ(f.Q("S")->v1, VektorT(1, 0, 2));

  // Shift-double-click on the intersection point opens its window; Cancel
  // leaves the construction as it was, also across a re-execution.
  f.ui.shift = true;
  f.Doppelklick("QuarnelLB", "S");
  EXPECT_TRUE(h.KoordFenster.sichtbar);
  EXPECT_EQ(h.KoordFenster.Titel.text, "Koordinaten des Punktes S");
  EXPECT_EQ(h.KoordFenster.zF.text, "2");
  EXPECT_EQ(f.Befehl(5).Kennung, GErzeugeSchnitt);
  // While it waits, neither Return nor the button runs the form.
  f.Menue("NumPunkt");
  f.TippeName("X");
  f.Taste("GnameF", "\r");
  f.Klick("TuEsButton");
  EXPECT_EQ(h.befehle.size(), 5u);
  f.Menue("FileAktualisieren");
  f.Klick("AbbrechB", kKoordFensterSteuerelemente);
  EXPECT_FALSE(h.KoordFenster.sichtbar);
  EXPECT_FALSE(h.KoordFenster.Warten);
  EXPECT_EQ(f.Befehl(5).Kennung, GErzeugeSchnitt);
  EXPECT_EQ(f.Q("S")->v1, VektorT(1, 0, 2));

  // New coordinates for A: fractions and commas are read as the form reads
  // them, recorded exactly, and the intersection follows.
  f.Doppelklick("QuarnelLB", "A");
  h.KoordFenster.xF.text = "1/2";
  h.KoordFenster.yF.text = "0";
  h.KoordFenster.zF.text = "0,0";
  f.Taste("xF", "\r", kKoordFensterSteuerelemente);
  EXPECT_FALSE(h.KoordFenster.Warten);
  EXPECT_EQ(f.Befehl(1).AltG1, "(0.5|0|0)");
  EXPECT_EQ(f.Q("S")->v1, VektorT(0.75, 0, 2));
  f.PunktImFenster("X", "0", "0", "9");
  EXPECT_EQ(h.befehle.size(), 6u);  // Return works again

  // The plane window: a refused equation changes nothing, with a note; the
  // zero test is the plane construction's own.
  f.Doppelklick("QuarnelLB", "E");
  EXPECT_EQ(h.GlFenster.zF.text, "1");  // the stored normal ...
  EXPECT_EQ(h.GlFenster.dF.text, "2");  // ... and its constant
  h.GlFenster.zF.text = "0.00000001";
  f.Klick("AktualisierenB", kGlFensterSteuerelemente);
  EXPECT_EQ(h.form.HinweisF.text, "Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben.");
  EXPECT_EQ(f.Befehl(4).AltG1, "0x + 0y + 2z = 4");
  EXPECT_FALSE(h.GlFenster.sichtbar);
  f.Doppelklick("QuarnelLB", "E");
  h.GlFenster.dF.text = "3";
  f.Klick("AktualisierenB", kGlFensterSteuerelemente);
  EXPECT_EQ(f.Befehl(4).AltG1, "0x + 0y + 1z = 3");
  EXPECT_EQ(f.Q("S")->v1, VektorT(0.875, 0, 3));

  // A window left open while its command is deleted stores nothing.
  f.Doppelklick("QuarnelLB", "B");
  f.ZieheBefehl(2);
  h.KoordFenster.xF.text = "9";
  f.Klick("AktualisierenB", kKoordFensterSteuerelemente);
  EXPECT_EQ(f.ui.Beeps(), 1);
  EXPECT_FALSE(h.KoordFenster.Warten);
  f.Menue("UndoItem");
  EXPECT_EQ(h.befehle.Nr(6)->AltG1, "(1|0|4)");

  // Shift-double-click on the origin opens nothing: no command defines it.
  f.Doppelklick("QuarnelLB", "O");
  EXPECT_FALSE(h.KoordFenster.sichtbar || h.GlFenster.sichtbar);

  // Whatever is typed into the point window, a saved protocol reads back the
  // point that was stored.
  f.Doppelklick("QuarnelLB", "A");
  h.KoordFenster.xF.text = "7+1/5";
  h.KoordFenster.yF.text = "1|2";
  h.KoordFenster.zF.text = ")3";
  f.Klick("AktualisierenB", kKoordFensterSteuerelemente);
  EXPECT_EQ(f.Befehl(1).AltG1, "(7.2|12|3)");
  Ordner o;
  f.ui.dateien.push_back(o.Datei("p.txt"));
  f.Menue("FileSpeichern");
  Sitzung g;
  g.ui.dateien.push_back(o.Datei("p.txt"));
  g.Menue("FileLaden");
  EXPECT_EQ(g.Q("A")->v1, VektorT(7.2, 12, 3));
  EXPECT_EQ(g.ui.Beeps(), 0);
}

// Which of the three starters runs the form, for each state of the gate.
TEST(HauptF, ReturnGate) {
  enum Starter { Fenster_, Namensfeld, Knopf };
  struct Fall {
    Starter starter;
    bool hinweis, ignoriere, wartet, laeuft;
  };
  const Fall faelle[] = {
      {Fenster_, false, false, false, true}, {Fenster_, true, false, false, false},
      {Fenster_, false, true, false, false}, {Fenster_, false, false, true, false},
      {Namensfeld, false, false, false, true}, {Namensfeld, true, false, false, true},
      {Namensfeld, false, true, false, false}, {Namensfeld, false, false, true, false},
      {Knopf, false, false, false, true},   {Knopf, true, false, false, true},
      {Knopf, false, true, false, false},   {Knopf, false, false, true, false},
  };
  int i = 0;
  for (const Fall& c : faelle) {
    Sitzung f;
    HauptF& h = f.h;
    f.Menue("NumPunkt");
    h.form.GnameF.text = "P";
    h.form.AufHinweisWarten = c.hinweis;
    h.fenster.IgnoreReturn = c.ignoriere;
    h.GlFenster.Warten = c.wartet;
    if (c.starter == Fenster_) f.Fenstertaste("\r");
    if (c.starter == Namensfeld) f.Taste("GnameF", "\r");
    if (c.starter == Knopf) f.Klick("TuEsButton");
    EXPECT_EQ(h.befehle.size(), c.laeuft ? 1u : 0u) << "case " << i;
    EXPECT_EQ(h.fenster.IgnoreReturn, c.ignoriere || (c.laeuft && c.starter == Fenster_)) << "case " << i;
    ++i;
  }
  // Another key in the name field and a mouse movement open the gate again;
  // the note form keeps the window's Return quiet, "Ausführen" records it.
  Sitzung f;
  HauptF& h = f.h;
  h.fenster.IgnoreReturn = true;
  f.Taste("GnameF", "x");
  EXPECT_FALSE(h.fenster.IgnoreReturn);
  f.Menue("FileHInweis");
  EXPECT_FALSE(h.form.HinweisF.nurLesen);
  EXPECT_EQ(h.form.Fokus, "HinweisF");
  h.form.HinweisF.text = "Ein Hinweis";
  f.Fenstertaste("\r");
  EXPECT_EQ(h.befehle.size(), 0u);
  f.Klick("TuEsButton");
  EXPECT_EQ(h.fenster.ProtokollBox.Zeilen(), std::vector<std::string>{"<1>    Hinweis: Ein Hinweis "});
  // Once another form is chosen, the window's Return works again.
  f.Menue("NumPunkt");
  h.form.GnameF.text = "P";
  f.Fenstertaste("\r");
  EXPECT_EQ(h.befehle.size(), 2u);

  // After "Alles Löschen", as after deleting the last command, loading and
  // saving, no form is chosen: a hidden number row is never read, and
  // Return runs nothing, not even a message.
  Ordner o;
  for (const std::string_view danach : {"NeuItem", "LetztLoeschItem", "FileSpeichern", "FileLaden"}) {
    f.PunktImFenster(std::string("A") + danach.front(), "2/3", "0", "0");
    f.ui.antworten = {Antwort::OK};
    f.ui.dateien = {o.Datei("werk.txt")};
    f.Menue(danach);
    EXPECT_FALSE(h.form.aF.sichtbar) << danach;
    f.ui.Leeren();
    const std::size_t n = h.befehle.size();
    f.TippeName("B");
    f.Taste("GnameF", "\r");
    f.Klick("TuEsButton");
    EXPECT_EQ(h.befehle.size(), n) << danach;
    EXPECT_TRUE(f.ui.protokoll.empty()) << danach;
  }
}

TEST(HauptF, FormRowsFollowTheChosenKind) {
  Sitzung f;
  HauptF& h = f.h;
  // Choosing a form anew drops what was picked in its lists: Return then
  // runs nothing that was not picked again.
  f.PunktImFenster("A", "0", "0", "0");
  f.PunktImFenster("B", "1", "0", "0");
  f.Menue("GGeradePP");
  f.WaehleZeile(h.form.G1ListB, "A");
  f.WaehleZeile(h.form.G2ListB, "B");
  f.Menue("GGeradePP");
  EXPECT_EQ(h.form.G1ListB.auswahl, -1);
  EXPECT_EQ(h.form.G2ListB.auswahl, -1);
  f.TippeName("g");
  f.Taste("GnameF", "\r");
  EXPECT_EQ(f.Typ("g"), 0);
  EXPECT_EQ(h.befehle.size(), 2u);
  // "Letzte Anweisung Löschen" takes the last command back, and its object.
  f.Klick("KillLastOrder3");
  EXPECT_EQ(h.befehle.size(), 1u);
  EXPECT_EQ(f.Typ("B"), 0);
  EXPECT_EQ(h.fenster.QuarnelLB.Anzahl(), 2u);  // O and A

  f.Menue("GErzeugeKlonen");
  EXPECT_FALSE(h.form.durch2T.sichtbar);
  f.Menue("GGeradePP");
  EXPECT_TRUE(h.form.durch2T.sichtbar);
  EXPECT_EQ(h.form.durch2T.text, "und");
  f.Menue("GEbenePPP");
  EXPECT_TRUE(h.form.G3ListB.sichtbar);
  f.Menue("QuarnelSammlung");
  EXPECT_FALSE(h.form.G1ListB.sichtbar || h.form.G2ListB.sichtbar || h.form.G3ListB.sichtbar);
  EXPECT_EQ(h.form.EingabeText.text, " ist eine Sammlung");
  f.Menue("GErzeugeDrehen");
  EXPECT_TRUE(h.form.GradF.sichtbar);
  EXPECT_FALSE(h.form.G2ListB.sichtbar);
  EXPECT_EQ(h.form.G3ListB.Anzahl(), 0u);  // no lines yet
  f.Ereignis(Sitzung::Von("G2ListB").wechsel);
  EXPECT_FALSE(h.form.GradF.sichtbar);
  // Back to a number form: the operand row goes, the name stays.
  h.form.GnameF.text = "Q";
  f.Menue("NumPunkt");
  EXPECT_FALSE(h.form.G1ListB.sichtbar);
  EXPECT_EQ(h.form.EingabeText.text, "");
  EXPECT_EQ(h.form.GnameF.text, "Q");
  // A text in the note field stays for the note form and goes otherwise.
  h.form.HinweisF.text = "Meldung";
  f.Menue("FileHInweis");
  EXPECT_EQ(h.form.HinweisF.text, "Meldung");
  f.Menue("GGeradePP");
  EXPECT_EQ(h.form.HinweisF.text, "");
  EXPECT_TRUE(h.form.HinweisF.nurLesen);
}

// A run of the command list rebuilds every object; both lists are then
// shown anew, as list boxes loaded anew: nothing chosen, from the first row,
// and the last when a command came back.
TEST(HauptF, EveryRunShowsBothListsAnew) {
  Sitzung f;
  for (const char* n : {"A", "B", "C"}) f.PunktImFenster(n, "1", "2", "3");
  for (const char* menue : {"FileAktualisieren", "LetztLoeschItem", "UndoItem"}) {
    SCOPED_TRACE(menue);
    f.WaehleZeile(f.h.fenster.QuarnelLB, "B");
    f.h.fenster.ProtokollBox.auswahl = 1;
    const std::uint64_t stand = f.h.fenster.ProtokollBox.Stand();
    f.Menue(menue);
    EXPECT_EQ(f.h.fenster.QuarnelLB.auswahl, -1);
    EXPECT_EQ(f.h.fenster.ProtokollBox.auswahl, -1);
    EXPECT_NE(f.h.fenster.ProtokollBox.Stand(), stand);
    EXPECT_EQ(f.h.fenster.ProtokollBox.SichtZeile(), std::string(menue) == "UndoItem" ? 2u : 0u);
  }
}

// Every handler that the tables name, of every control, window and menu
// entry, run through the one way in on a construction that holds something
// of each kind: afterwards the list boxes show what a fresh render of the
// objects and commands shows, and a view that follows their changes shows
// the same (Sitzung checks both after every gesture).
TEST(Steuerelemente, EveryHandlerLeavesTheListsAsAFreshRender) {
  Ordner o;
  auto Aufbau = [&o](Sitzung& f) {
    f.PunktImFenster("A", "1", "0", "0");
    f.PunktImFenster("B", "0", "1", "0");
    f.PunktImFenster("C", "0", "0", "1");
    f.FormImFenster("GGeradePP", "g", "A", "B");
    f.EbeneImFenster("E", "1", "1", "1", "1");
    f.FormImFenster("QuarnelDreieck", "T", "A", "B", "C");
    f.FormImFenster("AusgabeZeige", "", "g", "");
    f.ui.antworten = {Antwort::OK, Antwort::Nein};
    f.ui.dateien = {o.Datei("f.txt"), o.Datei("f.txt")};
    f.WaehleZeile(f.h.fenster.QuarnelLB, "A");
    f.h.fenster.ProtokollBox.auswahl = 2;
  };
  int handler = 0;
  for (const Fensterart* art : kFenster) {
    auto Lauf = [&](auto&& gestik) {
      Sitzung f;
      Aufbau(f);
      // The edit windows act on an open edit.
      if (art == &kKoordFensterArt || art == &kGlFensterArt) {
        f.ui.shift = true;
        f.Doppelklick("QuarnelLB", art == &kKoordFensterArt ? "A" : "E");
        f.ui.shift = false;
      }
      gestik(f);
      ++handler;
    };
    for (const Steuerelement& s : art->steuerelemente) {
      const Verhalten& v = s.verhalten;
      SCOPED_TRACE(s.name);
      if (v.aktion) Lauf([&](Sitzung& f) { f.Ereignis(v.aktion); });
      if (v.taste) {
        Lauf([&](Sitzung& f) { f.Ereignis([&](HauptF& h) { return v.taste(h, "\r"); }); });
        Lauf([&](Sitzung& f) { f.Ereignis([&](HauptF& h) { return v.taste(h, "x"); }); });
      }
      if (v.wechsel) Lauf([&](Sitzung& f) { f.Ereignis(v.wechsel); });
      if (v.doppelklick) {
        Lauf([&](Sitzung& f) {
          v.liste(f.h)->auswahl = 1;
          f.Ereignis(v.doppelklick);
        });
      }
      if (v.gewaehlt) Lauf([&](Sitzung& f) { f.Ereignis([&](HauptF& h) { v.gewaehlt(h, 3); }); });
      if (v.ablegen) {
        Lauf([&](Sitzung& f) { f.ZieheObjekt("g", s.name); });
        Lauf([&](Sitzung& f) { f.ZieheBefehl(2, s.name); });
      }
      if (v.verlassen) Lauf([&](Sitzung& f) { f.Ereignis(v.verlassen); });
    }
    if (art->taste) Lauf([&](Sitzung& f) { f.Ereignis([&](HauptF& h) { return art->taste(h, "\r"); }); });
    if (art->mausbewegung) Lauf([&](Sitzung& f) { f.Ereignis(art->mausbewegung); });
    if (art->oeffnen) Lauf([&](Sitzung& f) { f.Ereignis(art->oeffnen); });
    if (art->schliessen) Lauf([&](Sitzung& f) { f.Ereignis(art->schliessen); });
  }
  for (const MenueEintrag& e : kMenueleiste) {
    Sitzung f;
    Aufbau(f);
    f.Menuewahl(e.name);
    ++handler;
  }
  EXPECT_EQ(handler, 106);  // 52 of the windows and their controls, 54 of the menu bar
}

TEST(Steuerelemente, FortyNamedControlsInsideTheWindow) {
  std::vector<std::string_view> namen;
  for (const Steuerelement& s : kHauptFSteuerelemente) {
    EXPECT_LE(s.links + s.breite, kInhaltBreite) << s.name;
    EXPECT_LE(s.oben + s.hoehe, kInhaltHoehe) << s.name;
    for (std::string_view n : namen) EXPECT_NE(n, s.name);
    namen.push_back(s.name);
  }
  EXPECT_NE(FindeSteuerelement(kHauptFSteuerelemente, "QuarnelLB")->verhalten.ziehtext, nullptr);
  EXPECT_EQ(FindeSteuerelement(kHauptFSteuerelemente, "G1ListB")->verhalten.ziehtext, nullptr);
}

}  // namespace
}  // namespace quarnel::test
