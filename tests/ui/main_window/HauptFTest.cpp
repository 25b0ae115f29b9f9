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
#include "ui/menus/Editierfenster.h"
#include "ui/menus/Menueleiste.h"

namespace quarnel::test {
namespace {

const std::string cr(1, CR);

struct Fenster {
  Aufzeichner ui;
  HauptF h{ui};
  Fenster() { h.Open(); }

  void Menue(std::string_view name) { EXPECT_TRUE(MenueGewaehlt(h, name)); }
  // Picks the row of that name in an operand list, as a click does.
  void Waehle(Auswahlliste& l, const std::string& name) {
    l.auswahl = -1;
    for (std::size_t i = 0; i < l.zeilen.size(); ++i)
      if (NameDerZeile(l.zeilen[i]) == name) l.auswahl = static_cast<int>(i);
    ASSERT_GE(l.auswahl, 0) << name;
  }
  // Typing a name: every key reaches the name field's handler first.
  void TippeName(const std::string& name) {
    for (char c : name) h.GnameF_KeyDown(std::string(1, c));
    h.form.GnameF.text = name;
  }
  void Punkt(const std::string& n, const std::string& x, const std::string& y, const std::string& z) {
    Menue("NumPunkt");
    TippeName(n);
    h.form.aF.text = x;
    h.form.bF.text = y;
    h.form.cF.text = z;
    h.GnameF_KeyDown("\r");
  }
  void Ebene(const std::string& n, const std::string& a, const std::string& b, const std::string& c,
             const std::string& d) {
    Menue("NumEbene");
    TippeName(n);
    h.form.aF.text = a;
    h.form.bF.text = b;
    h.form.cF.text = c;
    h.form.dF.text = d;
    h.GnameF_KeyDown("\r");
  }
  void Form(std::string_view menue, const std::string& n, const std::string& a, const std::string& b,
            const std::string& c = "") {
    Menue(menue);
    TippeName(n);
    Waehle(h.form.G1ListB, a);
    if (!b.empty()) Waehle(h.form.G2ListB, b);
    if (!c.empty()) Waehle(h.form.G3ListB, c);
    h.TuEsButton_Action();
  }
  // Drags the row of the object (or the command row number n) onto a drop
  // field and moves the mouse out of it.
  void ZieheObjekt(const std::string& name, bool aufLoeschF = true) {
    std::string zeile;
    for (const std::string& z : h.fenster.QuarnelLB.zeilen)
      if (NameDerZeile(z) == name) zeile = z;
    ASSERT_FALSE(zeile.empty()) << name;
    (aufLoeschF ? h.fenster.LoeschF : h.fenster.SammelF).text = zeile;
    if (aufLoeschF) h.LoeschF_MouseExit();
    else h.SammelF_MouseExit();
  }
  void ZieheBefehl(std::size_t n) {
    h.fenster.LoeschF.text = h.ProtokollBox_DragRow(static_cast<int>(n - 1));
    h.LoeschF_MouseExit();
  }
  const QuarnelT* Q(const std::string& n) const { return h.objekte.HoleQuarnel(n); }
  const BefehlT& Befehl(std::size_t n) { return *h.befehle.Nr(static_cast<std::int64_t>(n)); }
  std::vector<std::string> Namen() const {
    std::vector<std::string> v;
    for (const std::string& z : h.fenster.QuarnelLB.zeilen) v.push_back(NameDerZeile(z));
    return v;
  }
};

TEST(HauptF, StartsEmptyAndBuildsAConstructionFromTheForms) {
  Fenster f;
  HauptF& h = f.h;
  EXPECT_EQ(h.fenster.QuarnelLB.zeilen, std::vector<std::string>{"O             Punkt"});
  EXPECT_TRUE(h.fenster.ProtokollBox.zeilen.empty());
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
  h.KeyDown("\r");
  h.form.GnameF.text = "Z";
  h.KeyDown("\r");
  h.TuEsButton_Action();
  EXPECT_EQ(h.befehle.size(), 1u);
  h.MouseMove();
  f.Punkt("B", "1", "0", "4");
  f.Punkt("C", "0", "3,5", "1/2");
  EXPECT_EQ(f.Q("C")->v1, VektorT(0, 3.5, 0.5));

  // A line through two of them: the operand lists hold the points only.
  f.Menue("GGeradePP");
  EXPECT_EQ(h.form.EingabeText.text, "wird definiert \xEF\xBB\xBF" "als Gerade durch");
  EXPECT_EQ(h.form.G1ListB.zeilen, (std::vector<std::string>{"O", "A", "B", "C"}));
  EXPECT_EQ(h.form.durch2T.text, "und");
  f.Form("GGeradePP", "g", "A", "B");
  // A plane from its equation, then the intersection of line and plane.
  f.Ebene("E", "0", "0", "2", "4");
  EXPECT_TRUE(h.form.dF.sichtbar);
  EXPECT_EQ(h.form.dT.text, "z  =");
  f.Form("GErzeugeSchnitt", "S", "g", "E");
  EXPECT_EQ(f.Q("S")->v1, VektorT(1, 0, 2));
  EXPECT_EQ(h.ausgabe.LastInfoF, "S ist der Punkt mit dem Koordinatentripel (1 | 0 | 2)");
  EXPECT_EQ(h.ausgabe.InfoF().substr(0, 55), cr + "S ist der Punkt mit dem Koordinatentripel (1 | 0 | 2)" + cr);
  EXPECT_EQ(f.Namen(), (std::vector<std::string>{"O", "A", "B", "C", "E", "S", "g"}));
  EXPECT_EQ(h.fenster.ProtokollBox.zeilen.at(5), "<6>    S wird definiert als Schnitt der Quarnel: g und: E ");

  // A triangle and its report; the report's form hides the name field. The
  // window's Return runs it once, then waits for the mouse.
  f.Form("QuarnelDreieck", "T", "A", "B", "C");
  f.Menue("AusgabeBeschreibe");
  EXPECT_FALSE(h.form.GnameF.sichtbar);
  f.Waehle(h.form.G1ListB, "T");
  h.KeyDown("\r");
  ASSERT_EQ(h.befehle.size(), 8u);
  EXPECT_NE(h.ausgabe.InfoF().find("Das Dreieck T mit den Ecken A, B und C hat folgende Eigenschaften: "),
            std::string::npos);
  EXPECT_EQ(h.fenster.ProtokollBox.zeilen.back(), "<8>    Gib eine ausfuehrliche Beschreibung von: T ");
  h.KeyDown("\r");
  EXPECT_EQ(h.befehle.size(), 8u);
  h.MouseMove();

  // Three decimals from now on; texts already shown keep theirs.
  h.PopupMenu1_Change(3);
  f.Punkt("D", "1/3", "0", "0");
  EXPECT_EQ(h.ausgabe.InfoF().substr(1, 57), "D ist der Punkt mit dem Koordinatentripel (0.333 | 0 | 0)");
  h.PopupMenu1_Change(0);
  EXPECT_EQ(h.ausgabe.Dezimalen, 3);

  // The clipboard buttons put a CR in front of their texts.
  h.BefListe2ClipbB1_Action();
  EXPECT_EQ(f.ui.zwischenablage, cr + h.befehle.Protokoll);
  h.BevelButton1_Action();
  EXPECT_EQ(h.ausgabe.InfoF(), "");
  h.Beschr2ClipbB_Action();
  EXPECT_EQ(f.ui.zwischenablage, cr);
}

TEST(HauptF, DropFieldsDeleteAndCollectAndDoubleClicksMoveAndShow) {
  Fenster f;
  HauptF& h = f.h;
  f.Punkt("A", "1", "0", "0");
  f.Punkt("B", "0", "1", "0");
  f.Punkt("LangerPunktname1", "0", "0", "1");  // its row holds no two blanks
  f.Form("GGeradePP", "g", "A", "B");
  ASSERT_EQ(h.befehle.size(), 4u);

  // An object row: the object goes at once, and its deletion is recorded.
  f.ZieheObjekt("LangerPunktname1");
  EXPECT_EQ(f.Q("LangerPunktname1"), nullptr);
  EXPECT_EQ(f.Befehl(5).Kennung, LoescheQuarnel);
  EXPECT_EQ(h.fenster.ProtokollBox.zeilen.back(), "<5>    Loesche das Quarnel: LangerPunktname1 ");
  EXPECT_EQ(h.fenster.LoeschF.text, "");
  // The origin stays; typing into the field deletes nothing.
  f.ZieheObjekt("O");
  EXPECT_EQ(f.ui.Meldungen().back(), "Der Ursprung O - er lebet ewiglich...");
  EXPECT_TRUE(h.LoeschF_KeyDown("A"));
  h.LoeschF_MouseExit();
  EXPECT_NE(f.Q("A"), nullptr);
  // A command row: the command goes, and everything is computed again.
  f.ZieheBefehl(4);
  EXPECT_EQ(f.Q("g"), nullptr);
  EXPECT_EQ(h.befehle.size(), 4u);
  EXPECT_EQ(h.fenster.ProtokollBox.zeilen.back(), "<4>    Loesche das Quarnel: LangerPunktname1 ");

  // Collecting: each member once, in the order dropped; only with the form.
  f.ZieheObjekt("A", false);
  EXPECT_EQ(h.form.AktuelleSammlung, "");
  f.Menue("QuarnelSammlung");
  f.TippeName("M");
  for (const char* n : {"A", "B", "A", "B"}) f.ZieheObjekt(n, false);
  EXPECT_EQ(h.ausgabe.LastInfoF, "Sammelobjekte:" + cr + "A,B");
  h.GnameF_KeyDown("\r");
  ASSERT_NE(f.Q("M"), nullptr);
  EXPECT_EQ(f.Q("M")->Ecken[1], "A,B");

  // Double-click on command 2: the last command (the collection) moves
  // behind it, and the list runs again.
  f.Punkt("C", "5", "5", "5");
  f.Menue("QuarnelSammlung");
  f.TippeName("N");
  f.ZieheObjekt("C", false);
  h.GnameF_KeyDown("\r");
  ASSERT_EQ(h.befehle.size(), 7u);
  h.fenster.ProtokollBox.auswahl = 1;
  h.ProtokollBox_DoubleClick();
  EXPECT_EQ(f.Befehl(3).NeuG, "N");
  EXPECT_EQ(h.fenster.ProtokollBox.zeilen.at(2), "<3>    N ist die Sammlung der Quarnel: C ");

  // Double-click on an object row describes it; with the mode off in a box.
  f.Menue("AusgabeProtokoll");
  EXPECT_EQ(h.fenster.ProtoInfoT.text, "Beschreibungsenfenster inaktiv");
  f.Waehle(h.fenster.QuarnelLB, "A");
  h.QuarnelLB_DoubleClick();
  EXPECT_EQ(f.ui.Meldungen().back(), "A ist der Punkt mit dem Koordinatentripel (1 | 0 | 0)");
  EXPECT_FALSE(h.ausgabe.doppelklick);
  f.Menue("AusgabeProtokoll");
  EXPECT_EQ(h.fenster.ProtoInfoT.text, "Beschreibungsfenster aktiv");

  // An object named like a command row is deleted as an object; a command
  // row dragged to the collect field adds nothing.
  f.Punkt("<1>", "7", "7", "7");
  const std::size_t n = h.befehle.size();
  f.ZieheObjekt("<1>");
  EXPECT_EQ(f.Q("<1>"), nullptr);
  EXPECT_EQ(h.befehle.size(), n + 1);
  EXPECT_EQ(f.Befehl(1).NeuG, "A");
  f.Punkt("<2>", "7", "7", "7");
  f.Menue("QuarnelSammlung");
  h.fenster.SammelF.text = h.ProtokollBox_DragRow(1);
  h.SammelF_MouseExit();
  EXPECT_EQ(h.form.AktuelleSammlung, "");
  // A long name's row shows its own object.
  f.Punkt("LangerPunktname2", "1", "2", "3");
  f.Waehle(h.fenster.QuarnelLB, "LangerPunktname2");
  h.QuarnelLB_DoubleClick();
  EXPECT_EQ(h.ausgabe.LastInfoF, "LangerPunktname2 ist der Punkt mit dem Koordinatentripel (1 | 2 | 3)");
}

TEST(HauptF, PointAndPlaneWindowsChangeTheDefinitionOnlyWhenConfirmed) {
  Fenster f;
  HauptF& h = f.h;
  f.Punkt("A", "1", "0", "0");
  f.Punkt("B", "1", "0", "4");
  f.Form("GGeradePP", "g", "A", "B");
  f.Ebene("E", "0", "0", "2", "4");
  f.Form("GErzeugeSchnitt", "S", "g", "E");
  ASSERT_EQ(f.Q("S")->v1, VektorT(1, 0, 2));

  // Shift-double-click on the intersection point opens its window; Cancel
  // leaves the construction as it was, also across a re-execution.
  f.ui.shift = true;
  f.Waehle(h.fenster.QuarnelLB, "S");
  h.QuarnelLB_DoubleClick();
  EXPECT_TRUE(h.KoordFenster.sichtbar);
  EXPECT_EQ(h.KoordFenster.Titel.text, "Koordinaten des Punktes S");
  EXPECT_EQ(h.KoordFenster.zF.text, "2");
  EXPECT_EQ(f.Befehl(5).Kennung, GErzeugeSchnitt);
  // While it waits, neither Return nor the button runs the form.
  f.Menue("NumPunkt");
  f.TippeName("X");
  h.GnameF_KeyDown("\r");
  h.TuEsButton_Action();
  EXPECT_EQ(h.befehle.size(), 5u);
  MenueGewaehlt(h, "FileAktualisieren");
  KoordFenster(h).AbbrechB_Action();
  EXPECT_FALSE(h.KoordFenster.sichtbar);
  EXPECT_FALSE(h.KoordFenster.Warten);
  EXPECT_EQ(f.Befehl(5).Kennung, GErzeugeSchnitt);
  EXPECT_EQ(f.Q("S")->v1, VektorT(1, 0, 2));

  // New coordinates for A: fractions and commas are read as the form reads
  // them, recorded exactly, and the intersection follows.
  f.Waehle(h.fenster.QuarnelLB, "A");
  h.QuarnelLB_DoubleClick();
  h.KoordFenster.xF.text = "1/2";
  h.KoordFenster.yF.text = "0";
  h.KoordFenster.zF.text = "0,0";
  KoordFenster(h).KeyDown("\r");
  EXPECT_FALSE(h.KoordFenster.Warten);
  EXPECT_EQ(f.Befehl(1).AltG1, "(0.5|0|0)");
  EXPECT_EQ(f.Q("S")->v1, VektorT(0.75, 0, 2));
  f.Punkt("X", "0", "0", "9");
  EXPECT_EQ(h.befehle.size(), 6u);  // Return works again

  // The plane window: a refused equation changes nothing, with a note; the
  // zero test is the plane construction's own.
  f.Waehle(h.fenster.QuarnelLB, "E");
  h.QuarnelLB_DoubleClick();
  EXPECT_EQ(h.GlFenster.zF.text, "1");  // the stored normal ...
  EXPECT_EQ(h.GlFenster.dF.text, "2");  // ... and its constant
  h.GlFenster.zF.text = "0.00000001";
  GlFenster(h).AktualisierenB_Action();
  EXPECT_EQ(h.form.HinweisF.text, "Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben.");
  EXPECT_EQ(f.Befehl(4).AltG1, "0x + 0y + 2z = 4");
  EXPECT_FALSE(h.GlFenster.sichtbar);
  h.QuarnelLB_DoubleClick();
  h.GlFenster.dF.text = "3";
  GlFenster(h).AktualisierenB_Action();
  EXPECT_EQ(f.Befehl(4).AltG1, "0x + 0y + 1z = 3");
  EXPECT_EQ(f.Q("S")->v1, VektorT(0.875, 0, 3));

  // A window left open while its command is deleted stores nothing.
  f.Waehle(h.fenster.QuarnelLB, "B");
  h.QuarnelLB_DoubleClick();
  f.ZieheBefehl(2);
  h.KoordFenster.xF.text = "9";
  KoordFenster(h).AktualisierenB_Action();
  EXPECT_EQ(f.ui.Beeps(), 1);
  EXPECT_FALSE(h.KoordFenster.Warten);
  MenueGewaehlt(h, "UndoItem");
  EXPECT_EQ(h.befehle.Nr(6)->AltG1, "(1|0|4)");

  // Shift-double-click on the origin opens nothing: no command defines it.
  f.Waehle(h.fenster.QuarnelLB, "O");
  h.QuarnelLB_DoubleClick();
  EXPECT_FALSE(h.KoordFenster.sichtbar || h.GlFenster.sichtbar);

  // Whatever is typed into the point window, a saved protocol reads back the
  // point that was stored.
  f.Waehle(h.fenster.QuarnelLB, "A");
  h.QuarnelLB_DoubleClick();
  h.KoordFenster.xF.text = "7+1/5";
  h.KoordFenster.yF.text = "1|2";
  h.KoordFenster.zF.text = ")3";
  KoordFenster(h).AktualisierenB_Action();
  EXPECT_EQ(f.Befehl(1).AltG1, "(7.2|12|3)");
  Ordner o;
  f.ui.dateien.push_back(o.Datei("p.txt"));
  MenueGewaehlt(h, "FileSpeichern");
  Fenster g;
  g.ui.dateien.push_back(o.Datei("p.txt"));
  MenueGewaehlt(g.h, "FileLaden");
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
    Fenster f;
    HauptF& h = f.h;
    f.Menue("NumPunkt");
    h.form.GnameF.text = "P";
    h.form.AufHinweisWarten = c.hinweis;
    h.fenster.IgnoreReturn = c.ignoriere;
    h.GlFenster.Warten = c.wartet;
    if (c.starter == Fenster_) h.KeyDown("\r");
    if (c.starter == Namensfeld) h.GnameF_KeyDown("\r");
    if (c.starter == Knopf) h.TuEsButton_Action();
    EXPECT_EQ(h.befehle.size(), c.laeuft ? 1u : 0u) << "case " << i;
    EXPECT_EQ(h.fenster.IgnoreReturn, c.ignoriere || (c.laeuft && c.starter == Fenster_)) << "case " << i;
    ++i;
  }
  // Another key in the name field and a mouse movement open the gate again;
  // the note form keeps the window's Return quiet, "Ausführen" records it.
  Fenster f;
  HauptF& h = f.h;
  h.fenster.IgnoreReturn = true;
  h.GnameF_KeyDown("x");
  EXPECT_FALSE(h.fenster.IgnoreReturn);
  f.Menue("FileHInweis");
  EXPECT_FALSE(h.form.HinweisF.nurLesen);
  EXPECT_EQ(h.form.Fokus, "HinweisF");
  h.form.HinweisF.text = "Ein Hinweis";
  h.KeyDown("\r");
  EXPECT_EQ(h.befehle.size(), 0u);
  h.TuEsButton_Action();
  EXPECT_EQ(h.fenster.ProtokollBox.zeilen, std::vector<std::string>{"<1>    Hinweis: Ein Hinweis "});
  // Once another form is chosen, the window's Return works again.
  f.Menue("NumPunkt");
  h.form.GnameF.text = "P";
  h.KeyDown("\r");
  EXPECT_EQ(h.befehle.size(), 2u);

  // After "Alles Löschen", as after deleting the last command, loading and
  // saving, no form is chosen: a hidden number row is never read, and
  // Return runs nothing, not even a message.
  Ordner o;
  for (const std::string_view danach : {"NeuItem", "LetztLoeschItem", "FileSpeichern", "FileLaden"}) {
    f.Punkt(std::string("A") + danach.front(), "2/3", "0", "0");
    f.ui.antworten = {Antwort::OK};
    f.ui.dateien = {o.Datei("werk.txt")};
    f.Menue(danach);
    EXPECT_FALSE(h.form.aF.sichtbar) << danach;
    f.ui.Leeren();
    const std::size_t n = h.befehle.size();
    f.TippeName("B");
    h.GnameF_KeyDown("\r");
    h.TuEsButton_Action();
    EXPECT_EQ(h.befehle.size(), n) << danach;
    EXPECT_TRUE(f.ui.protokoll.empty()) << danach;
  }
}

TEST(HauptF, FormRowsFollowTheChosenKind) {
  Fenster f;
  HauptF& h = f.h;
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
  EXPECT_EQ(h.form.G3ListB.zeilen.size(), 0u);  // no lines yet
  h.G2ListB_Change();
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

TEST(Steuerelemente, FortyNamedControlsInsideTheWindow) {
  std::vector<std::string_view> namen;
  for (const Steuerelement& s : kHauptFSteuerelemente) {
    EXPECT_LE(s.links + s.breite, kInhaltBreite) << s.name;
    EXPECT_LE(s.oben + s.hoehe, kInhaltHoehe) << s.name;
    for (std::string_view n : namen) EXPECT_NE(n, s.name);
    namen.push_back(s.name);
  }
  EXPECT_EQ(FindeSteuerelement(kHauptFSteuerelemente, "QuarnelLB")->ziehbar, true);
  EXPECT_EQ(FindeSteuerelement(kHauptFSteuerelemente, "G1ListB")->ziehbar, false);
}

}  // namespace
}  // namespace quarnel::test
