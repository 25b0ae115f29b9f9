#include "ui/menus/Menueleiste.h"

#include "interpreter/Bearbeitung.h"
#include "interpreter/BefehlT.h"
#include "interpreter/Wiedergabe.h"
#include "ui/main_window/HauptF.h"

namespace quarnel {

namespace {

using E = Eintragsart;

// clang-format off
constexpr MenueEintrag kEintraege[] = {
  {.name = "FileMenu", .text = "&File", .art = E::Titel},
  {.eltern = "FileMenu", .name = "FileLaden", .text = "Laden", .kuerzel = "Cmd+O", .art = E::Befehl,
   .tun = [](HauptF& h) { LadeFile(h); }},
  {.eltern = "FileMenu", .name = "FileSpeichern", .text = "Speichern", .kuerzel = "Cmd+S", .art = E::Befehl,
   .tun = [](HauptF& h) { SpeichereProtokoll(h); }},
  {.eltern = "FileMenu", .name = "UntitledSeparator3", .text = "-", .art = E::Trenner},
  {.eltern = "FileMenu", .name = "FileAktualisieren", .text = "Alles Aktualisieren",
   .kuerzel = "Cmd+K", .art = E::Befehl, .tun = [](HauptF& h) { AnweisungslisteAusfuehren(h); }},
  {.eltern = "FileMenu", .name = "UntitledSeparator", .text = "-", .art = E::Trenner},
  {.eltern = "FileMenu", .name = "FileHInweis", .text = "HInweis einfügen",
   .kuerzel = "Cmd+B", .art = E::Befehl, .kennung = FileHInweis},
  {.eltern = "FileMenu", .name = "UntitledSeparator6", .text = "-", .art = E::Trenner},
  {.eltern = "FileMenu", .name = "FileQuit", .text = "&Quit", .kuerzel = "Cmd+Q", .art = E::Befehl,
   .tun = [](HauptF& h) { h.Close(); }},
  {.name = "NumMenu", .text = "Num --> Quarnel", .art = E::Titel},
  {.eltern = "NumMenu", .name = "NumPunkt", .text = "Punkteingabe",
   .kuerzel = "Cmd+A", .art = E::Befehl, .kennung = VariablerPunkt},
  {.eltern = "NumMenu", .name = "NumEbene", .text = "Ebeneneingabe",
   .kuerzel = "Cmd+E", .art = E::Befehl, .kennung = VariableEbene},
  {.name = "QuarnelMenu", .text = "Quarnel  --> Quarnel", .art = E::Titel},
  {.eltern = "QuarnelMenu", .name = "QuarnelGerade", .text = "Definiere Gerade", .art = E::Untermenue},
  {.eltern = "QuarnelGerade", .name = "GGeradePP", .text = "durch zwei Punkte",
   .kuerzel = "Cmd+2", .art = E::Befehl, .kennung = GGeradePP},
  {.eltern = "QuarnelGerade", .name = "GGeradePR", .text = "über Punkt und Richtung",
   .art = E::Befehl, .kennung = GGeradePR},
  {.eltern = "QuarnelMenu", .name = "QuarnelEbene", .text = "Definiere Ebene", .art = E::Untermenue},
  {.eltern = "QuarnelEbene", .name = "GEbenePPP", .text = "durch 3 Punkte",
   .kuerzel = "Cmd+3", .art = E::Befehl, .kennung = GEbenePPP},
  {.eltern = "QuarnelEbene", .name = "GEbenePRR", .text = "über Punkt und zwei Richtungen",
   .art = E::Befehl, .kennung = GEbenePRR},
  {.eltern = "QuarnelEbene", .name = "GEbenePN", .text = "über Punkt und Normalenvektor",
   .art = E::Befehl, .kennung = GEbenePN},
  {.eltern = "QuarnelMenu", .name = "QuarnelHuelle", .text = "Definiere Hülle",
   .art = E::Befehl, .kennung = QuarnelHuelle},
  {.eltern = "QuarnelMenu", .name = "UntitledSeparator5", .text = "-", .art = E::Trenner},
  {.eltern = "QuarnelMenu", .name = "QuarnelDreieck", .text = "Definiere Dreieck",
   .art = E::Befehl, .kennung = QuarnelDreieck},
  {.eltern = "QuarnelMenu", .name = "QuarnelTetraeder", .text = "Definiere Tetraeder",
   .art = E::Befehl, .kennung = QuarnelTetraeder},
  {.eltern = "QuarnelMenu", .name = "QuarnelSammlung", .text = "Definiere Sammlung",
   .art = E::Befehl, .kennung = QuarnelSammlung},
  {.eltern = "QuarnelMenu", .name = "UntitledSeparator0", .text = "-", .art = E::Trenner},
  {.eltern = "QuarnelMenu", .name = "QuarnelErzeuge", .text = "Erzeuge Quarnel", .art = E::Untermenue},
  {.eltern = "QuarnelErzeuge", .name = "GErzeugeSchnitt", .text = "als Schnitt",
   .kuerzel = "Cmd+C", .art = E::Befehl, .kennung = GErzeugeSchnitt},
  {.eltern = "QuarnelErzeuge", .name = "GErzeugeMittelsenkrechte", .text = "als Mittelsenkrechte",
   .art = E::Befehl, .kennung = GErzeugeMittelsenkrechte},
  {.eltern = "QuarnelErzeuge", .name = "GErzeugeLotfusspunktG", .text = "als Lotfußpunktquarnel",
   .kuerzel = "Cmd+F", .art = E::Befehl, .kennung = GErzeugeLotfusspunktG},
  {.eltern = "QuarnelErzeuge", .name = "GErzeugeSpiegelbild", .text = "als Spiegelbild",
   .kuerzel = "Cmd+M", .art = E::Befehl, .kennung = GErzeugeSpiegelbild},
  {.eltern = "QuarnelErzeuge", .name = "GErzeugeOrthogonale", .text = "als Orthogonale",
   .art = E::Befehl, .kennung = GErzeugeOrthogonale},
  {.eltern = "QuarnelErzeuge", .name = "UntitledSeparator7", .text = "-", .art = E::Trenner},
  {.eltern = "QuarnelErzeuge", .name = "GErzeugeVerschieben", .text = "durch Verschieben",
   .kuerzel = "Cmd+V", .art = E::Befehl, .kennung = GErzeugeVerschieben},
  {.eltern = "QuarnelErzeuge", .name = "GErzeugeDrehen", .text = "durch Drehen",
   .kuerzel = "Cmd+R", .art = E::Befehl, .kennung = GErzeugeDrehen},
  {.eltern = "QuarnelErzeuge", .name = "GErzeugeKlonen", .text = "durch Klonen",
   .art = E::Befehl, .kennung = GErzeugeKlonen},
  {.name = "BerechneMenu", .text = "Berechne", .art = E::Titel},
  {.eltern = "BerechneMenu", .name = "BerechneWinkel", .text = "Winkel zwischen",
   .kuerzel = "Cmd+W", .art = E::Befehl, .kennung = BerechneWinkel},
  {.eltern = "BerechneMenu", .name = "BerechneAbstand", .text = "Abstand von",
   .kuerzel = "Cmd+D", .art = E::Befehl, .kennung = BerechneAbstand},
  {.name = "AusgabeMenu", .text = "Ausgabe", .art = E::Titel},
  {.eltern = "AusgabeMenu", .name = "AusgabeZeige", .text = "Zeige", .art = E::Befehl, .kennung = AusgabeZeige},
  {.eltern = "AusgabeMenu", .name = "AusgabeBeschreibe", .text = "Beschreibe ausführlich",
   .art = E::Befehl, .kennung = AusgabeBeschreibe},
  {.eltern = "AusgabeMenu", .name = "UntitledSeparator2", .text = "-", .art = E::Trenner},
  {.eltern = "AusgabeMenu", .name = "AusgabeAllesZeigen", .text = "Zeige alle Quarnel",
   .kuerzel = "Cmd+L", .art = E::Befehl, .tun = [](HauptF& h) { h.AlleQuarnelZeigen(); }},
  {.eltern = "AusgabeMenu", .name = "UntitledSeparator4", .text = "-", .art = E::Trenner},
  // The mode label follows the mode when the window is brought up to date.
  {.eltern = "AusgabeMenu", .name = "AusgabeProtokoll", .text = "Switch Beschreibungsmodus",
   .kuerzel = "Cmd+U", .art = E::Befehl, .tun = [](HauptF& h) { h.ausgabe.ProtokollAn = !h.ausgabe.ProtokollAn; }},
  {.name = "LoeschMenu", .text = "Löschen", .art = E::Titel},
  {.eltern = "LoeschMenu", .name = "NeuItem", .text = "Alles Löschen", .kuerzel = "Cmd+N", .art = E::Befehl,
   .tun = [](HauptF& h) {
      if (h.YesNoAbfrage("Nach Drücken von 'ok' wird alles gelöscht!") == 1) AllesLoeschen(h);
   }},
  {.eltern = "LoeschMenu", .name = "LetztLoeschItem", .text = "Letzte Anweisung löschen",
   .kuerzel = "Cmd+X", .art = E::Befehl, .tun = [](HauptF& h) { LoescheLetztenBefehl(h); }},
  {.eltern = "LoeschMenu", .name = "UntitledSeparator1", .text = "-", .art = E::Trenner},
  {.eltern = "LoeschMenu", .name = "UndoItem", .text = "Restore", .kuerzel = "Cmd+Z", .art = E::Befehl,
   .tun = [](HauptF& h) { Restore(h); }},
  {.name = "HilfeM", .text = "Hilfe", .art = E::Titel, .tun = [](HauptF& h) { h.HilfeFenster.sichtbar = true; }},
  {.eltern = "HilfeM", .name = "InfoQuarnel", .text = "Info zu Quarnel2", .kuerzel = "Cmd+I", .art = E::Befehl,
   .tun = [](HauptF& h) { h.InformFenster.sichtbar = true; }},
  {.eltern = "HilfeM", .name = "InfoHilfe", .text = "Hilfe zu Quarnel2", .kuerzel = "Cmd+H", .art = E::Befehl,
   .tun = [](HauptF& h) { h.HilfeFenster.sichtbar = true; }},
};
// clang-format on

}  // namespace

const std::span<const MenueEintrag> kMenueleiste{kEintraege};

const MenueEintrag* FindeMenueEintrag(std::string_view name) {
  for (const MenueEintrag& e : kMenueleiste)
    if (e.name == name) return &e;
  return nullptr;
}

bool MenueGewaehlt(HauptF& h, std::string_view name) {
  const MenueEintrag* e = FindeMenueEintrag(name);
  if (e == nullptr) return false;
  if (e->kennung > KeineKennung) {
    h.SetzeKennungAuf(e->kennung);
    return true;
  }
  if (e->tun == nullptr) return false;
  e->tun(h);
  return true;
}

}  // namespace quarnel
