// The menu bar's tree, what its entries do, and the questions before quitting
// and before deleting everything.
#include <optional>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "support/Sitzung.h"
#include "ui/menus/Menueleiste.h"

namespace quarnel::test {
namespace {

TEST(Menueleiste, TreeOfFiftyFourEntries) {
  std::set<std::string_view> namen, kuerzel;
  std::size_t titel = 0, unter = 0, trenner = 0, befehle = 0, formen = 0;
  for (const MenueEintrag& e : kMenueleiste) {
    EXPECT_TRUE(namen.insert(e.name).second) << e.name;
    if (!e.kuerzel.empty()) {
      EXPECT_TRUE(kuerzel.insert(e.kuerzel).second) << e.kuerzel;
    }
    // Every parent stands before its entries and is a menu.
    if (e.art == Eintragsart::Titel) {
      EXPECT_EQ(e.eltern, "");
    } else {
      const MenueEintrag* p = FindeMenueEintrag(e.eltern);
      ASSERT_NE(p, nullptr) << e.name;
      EXPECT_LT(p, &e);
      EXPECT_TRUE(p->art == Eintragsart::Titel || p->art == Eintragsart::Untermenue);
    }
    EXPECT_EQ(e.art == Eintragsart::Trenner, e.text == "-");
    titel += e.art == Eintragsart::Titel;
    unter += e.art == Eintragsart::Untermenue;
    trenner += e.art == Eintragsart::Trenner;
    befehle += e.art == Eintragsart::Befehl;
    formen += e.kennung > 0;
  }
  EXPECT_EQ(titel, 7u);
  EXPECT_EQ(unter, 3u);
  EXPECT_EQ(trenner, 9u);
  EXPECT_EQ(befehle, 35u);
  EXPECT_EQ(formen, 24u);
  EXPECT_EQ(kuerzel.size(), 23u);
  EXPECT_EQ(kMenueleiste.front().name, "FileMenu");
  EXPECT_EQ(FindeMenueEintrag("GErzeugeSchnitt")->kuerzel, "Cmd+C");
  EXPECT_EQ(FindeMenueEintrag("GErzeugeSchnitt")->eltern, "QuarnelErzeuge");
  EXPECT_EQ(FindeMenueEintrag("QuarnelMenu")->text, "Quarnel  --> Quarnel");
  EXPECT_EQ(kMenueleiste.back().name, "InfoHilfe");
}

TEST(Menueleiste, EachFormEntryShowsItsFormAndTheOthersAct) {
  for (const MenueEintrag& e : kMenueleiste) {
    if (e.kennung == 0) continue;
    Sitzung s;
    EXPECT_TRUE(s.Menuewahl(e.name));
    EXPECT_EQ(s.h.form.AktuelleKennung, e.kennung) << e.name;
  }
  Sitzung s;
  // Titles, submenus and separators do nothing, but for the help menu's title.
  EXPECT_FALSE(s.Menuewahl("QuarnelErzeuge"));
  EXPECT_FALSE(s.Menuewahl("UntitledSeparator7"));
  EXPECT_TRUE(s.Menuewahl("HilfeM"));
  EXPECT_TRUE(s.h.HilfeFenster.sichtbar);
  EXPECT_TRUE(s.Menuewahl("InfoQuarnel"));
  EXPECT_TRUE(s.h.InformFenster.sichtbar);

  // The description mode and its label, twice switched.
  s.Menue("AusgabeProtokoll");
  EXPECT_FALSE(s.h.ausgabe.ProtokollAn);
  EXPECT_EQ(s.h.fenster.ProtoInfoT.text, "Beschreibungsenfenster inaktiv");
  s.Menue("AusgabeProtokoll");
  EXPECT_TRUE(s.h.ausgabe.ProtokollAn);
  EXPECT_EQ(s.h.fenster.ProtoInfoT.text, "Beschreibungsfenster aktiv");

  // "Alles Löschen" asks first; Cancel changes nothing, OK deletes all and
  // Restore gives the commands back.
  s.Punkt("A", "1", "2", "3");
  s.Punkt("B", "3", "2", "1");
  s.Menue("NeuItem");
  EXPECT_EQ(s.ui.protokoll.back().text, "Nach Drücken von 'ok' wird alles gelöscht!");
  EXPECT_EQ(s.Befehle(), 2u);
  EXPECT_NE(s.Q("A"), nullptr);
  s.ui.antworten.push_back(Antwort::OK);
  s.Menue("NeuItem");
  EXPECT_EQ(s.Befehle(), 0u);
  EXPECT_EQ(s.Q("A"), nullptr);
  EXPECT_TRUE(s.h.fenster.ProtokollBox.Zeilen().empty());
  s.Menue("UndoItem");
  EXPECT_EQ(s.h.befehle.Nr(1)->NeuG, "A");
  EXPECT_EQ(s.h.fenster.ProtokollBox.Anzahl(), 1u);
}

TEST(Menueleiste, QuittingNeverLosesWork) {
  Ordner o;
  struct Fall {
    Antwort antwort;
    std::optional<std::string> datei;
    bool endet;
  };
  const Fall faelle[] = {
      {Antwort::Abbrechen, std::nullopt, false},
      {Antwort::Nein, std::nullopt, true},
      {Antwort::Ja, o.Datei("neu.txt"), true},
      {Antwort::Ja, std::nullopt, false},                           // the save dialog cancelled
      {Antwort::Ja, o.Datei("fehlt/neu.txt"), false},               // the file cannot be written
  };
  for (const Fall& c : faelle) {
    Sitzung s;
    s.Punkt("P", "1", "2", "3");
    s.ui.antworten.push_back(c.antwort);
    s.ui.dateien.push_back(c.datei);
    s.Menue("FileQuit");
    EXPECT_EQ(s.ui.protokoll.front().text, "Vor dem Beenden Speichern?");
    EXPECT_EQ(s.ui.beendet, c.endet ? 0 : -1);
    if (c.antwort == Antwort::Ja && c.endet) {
      EXPECT_EQ(Ordner::Lies(*c.datei), "<1>    P ist der Punkt mit dem Koordinatentripel: (1|2|3) \r\n");
    }
  }
}

}  // namespace
}  // namespace quarnel::test
