#include "ui/menus/Menueleiste.h"

#include "interpreter/Bearbeitung.h"
#include "interpreter/BefehlT.h"
#include "interpreter/Wiedergabe.h"
#include "ui/main_window/HauptF.h"

namespace quarnel {

namespace {
using E = Eintragsart;
}  // namespace

// clang-format off
const std::array<MenueEintrag, 54> kMenueleiste{{
  {"", "FileMenu", "&File", "", E::Titel},
  {"FileMenu", "FileLaden", "Laden", "Cmd+O", E::Befehl},
  {"FileMenu", "FileSpeichern", "Speichern", "Cmd+S", E::Befehl},
  {"FileMenu", "UntitledSeparator3", "-", "", E::Trenner},
  {"FileMenu", "FileAktualisieren", "Alles Aktualisieren", "Cmd+K", E::Befehl},
  {"FileMenu", "UntitledSeparator", "-", "", E::Trenner},
  {"FileMenu", "FileHInweis", "HInweis einfügen", "Cmd+B", E::Befehl, FileHInweis},
  {"FileMenu", "UntitledSeparator6", "-", "", E::Trenner},
  {"FileMenu", "FileQuit", "&Quit", "Cmd+Q", E::Befehl},
  {"", "NumMenu", "Num --> Quarnel", "", E::Titel},
  {"NumMenu", "NumPunkt", "Punkteingabe", "Cmd+A", E::Befehl, VariablerPunkt},
  {"NumMenu", "NumEbene", "Ebeneneingabe", "Cmd+E", E::Befehl, VariableEbene},
  {"", "QuarnelMenu", "Quarnel  --> Quarnel", "", E::Titel},
  {"QuarnelMenu", "QuarnelGerade", "Definiere Gerade", "", E::Untermenue},
  {"QuarnelGerade", "GGeradePP", "durch zwei Punkte", "Cmd+2", E::Befehl, GGeradePP},
  {"QuarnelGerade", "GGeradePR", "über Punkt und Richtung", "", E::Befehl, GGeradePR},
  {"QuarnelMenu", "QuarnelEbene", "Definiere Ebene", "", E::Untermenue},
  {"QuarnelEbene", "GEbenePPP", "durch 3 Punkte", "Cmd+3", E::Befehl, GEbenePPP},
  {"QuarnelEbene", "GEbenePRR", "über Punkt und zwei Richtungen", "", E::Befehl, GEbenePRR},
  {"QuarnelEbene", "GEbenePN", "über Punkt und Normalenvektor", "", E::Befehl, GEbenePN},
  {"QuarnelMenu", "QuarnelHuelle", "Definiere Hülle", "", E::Befehl, QuarnelHuelle},
  {"QuarnelMenu", "UntitledSeparator5", "-", "", E::Trenner},
  {"QuarnelMenu", "QuarnelDreieck", "Definiere Dreieck", "", E::Befehl, QuarnelDreieck},
  {"QuarnelMenu", "QuarnelTetraeder", "Definiere Tetraeder", "", E::Befehl, QuarnelTetraeder},
  {"QuarnelMenu", "QuarnelSammlung", "Definiere Sammlung", "", E::Befehl, QuarnelSammlung},
  {"QuarnelMenu", "UntitledSeparator0", "-", "", E::Trenner},
  {"QuarnelMenu", "QuarnelErzeuge", "Erzeuge Quarnel", "", E::Untermenue},
  {"QuarnelErzeuge", "GErzeugeSchnitt", "als Schnitt", "Cmd+C", E::Befehl, GErzeugeSchnitt},
  {"QuarnelErzeuge", "GErzeugeMittelsenkrechte", "als Mittelsenkrechte", "", E::Befehl, GErzeugeMittelsenkrechte},
  {"QuarnelErzeuge", "GErzeugeLotfusspunktG", "als Lotfußpunktquarnel", "Cmd+F", E::Befehl, GErzeugeLotfusspunktG},
  {"QuarnelErzeuge", "GErzeugeSpiegelbild", "als Spiegelbild", "Cmd+M", E::Befehl, GErzeugeSpiegelbild},
  {"QuarnelErzeuge", "GErzeugeOrthogonale", "als Orthogonale", "", E::Befehl, GErzeugeOrthogonale},
  {"QuarnelErzeuge", "UntitledSeparator7", "-", "", E::Trenner},
  {"QuarnelErzeuge", "GErzeugeVerschieben", "durch Verschieben", "Cmd+V", E::Befehl, GErzeugeVerschieben},
  {"QuarnelErzeuge", "GErzeugeDrehen", "durch Drehen", "Cmd+R", E::Befehl, GErzeugeDrehen},
  {"QuarnelErzeuge", "GErzeugeKlonen", "durch Klonen", "", E::Befehl, GErzeugeKlonen},
  {"", "BerechneMenu", "Berechne", "", E::Titel},
  {"BerechneMenu", "BerechneWinkel", "Winkel zwischen", "Cmd+W", E::Befehl, BerechneWinkel},
  {"BerechneMenu", "BerechneAbstand", "Abstand von", "Cmd+D", E::Befehl, BerechneAbstand},
  {"", "AusgabeMenu", "Ausgabe", "", E::Titel},
  {"AusgabeMenu", "AusgabeZeige", "Zeige", "", E::Befehl, AusgabeZeige},
  {"AusgabeMenu", "AusgabeBeschreibe", "Beschreibe ausführlich", "", E::Befehl, AusgabeBeschreibe},
  {"AusgabeMenu", "UntitledSeparator2", "-", "", E::Trenner},
  {"AusgabeMenu", "AusgabeAllesZeigen", "Zeige alle Quarnel", "Cmd+L", E::Befehl},
  {"AusgabeMenu", "UntitledSeparator4", "-", "", E::Trenner},
  {"AusgabeMenu", "AusgabeProtokoll", "Switch Beschreibungsmodus", "Cmd+U", E::Befehl},
  {"", "LoeschMenu", "Löschen", "", E::Titel},
  {"LoeschMenu", "NeuItem", "Alles Löschen", "Cmd+N", E::Befehl},
  {"LoeschMenu", "LetztLoeschItem", "Letzte Anweisung löschen", "Cmd+X", E::Befehl},
  {"LoeschMenu", "UntitledSeparator1", "-", "", E::Trenner},
  {"LoeschMenu", "UndoItem", "Restore", "Cmd+Z", E::Befehl},
  {"", "HilfeM", "Hilfe", "", E::Titel},
  {"HilfeM", "InfoQuarnel", "Info zu Quarnel2", "Cmd+I", E::Befehl},
  {"HilfeM", "InfoHilfe", "Hilfe zu Quarnel2", "Cmd+H", E::Befehl},
}};
// clang-format on

const MenueEintrag* FindeMenueEintrag(std::string_view name) {
  for (const MenueEintrag& e : kMenueleiste)
    if (e.name == name) return &e;
  return nullptr;
}

namespace {

struct Handlung {
  std::string_view name;
  void (*tun)(HauptF&);
};

// What the entries that do more than show a form do.
// clang-format off
constexpr std::array<Handlung, 12> kHandlungen{{
  {"FileLaden", [](HauptF& h) { LadeFile(h); }},
  {"FileSpeichern", [](HauptF& h) { SpeichereProtokoll(h); }},
  {"FileAktualisieren", [](HauptF& h) { AnweisungslisteAusfuehren(h); }},
  {"FileQuit", [](HauptF& h) { h.Close(); }},
  {"AusgabeAllesZeigen", [](HauptF& h) { h.AlleQuarnelZeigen(); }},
  // The mode label follows the mode when the window is brought up to date.
  {"AusgabeProtokoll", [](HauptF& h) { h.ausgabe.ProtokollAn = !h.ausgabe.ProtokollAn; }},
  {"NeuItem", [](HauptF& h) {
     if (h.YesNoAbfrage("Nach Drücken von 'ok' wird alles gelöscht!") == 1) AllesLoeschen(h);
   }},
  {"LetztLoeschItem", [](HauptF& h) { LoescheLetztenBefehl(h); }},
  {"UndoItem", [](HauptF& h) { Restore(h); }},
  {"InfoQuarnel", [](HauptF& h) { h.InformFenster.sichtbar = true; }},
  {"InfoHilfe", [](HauptF& h) { h.HilfeFenster.sichtbar = true; }},
  {"HilfeM", [](HauptF& h) { h.HilfeFenster.sichtbar = true; }},
}};
// clang-format on

}  // namespace

bool MenueGewaehlt(HauptF& h, std::string_view name) {
  const MenueEintrag* e = FindeMenueEintrag(name);
  if (e == nullptr) return false;
  bool getan = false;
  if (e->kennung > KeineKennung) {
    h.SetzeKennungAuf(e->kennung);
    getan = true;
  } else {
    for (const Handlung& a : kHandlungen)
      if (a.name == name) {
        a.tun(h);
        getan = true;
      }
  }
  return getan;
}

}  // namespace quarnel
