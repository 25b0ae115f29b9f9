#include "ui/main_window/Steuerelemente.h"

#include "ui/main_window/HauptF.h"

namespace quarnel {

namespace {

using A = Steuerart;

// The models of the main window's controls: in the input form or among the
// window's own controls.
template <auto m> auto* InForm(HauptF& h) { return &(h.form.*m); }
template <auto m> auto* ImFenster(HauptF& h) { return &(h.fenster.*m); }

// The handlers, methods of the main window.
template <void (HauptF::*m)()> void Ruf(HauptF& h) { (h.*m)(); }
template <bool (HauptF::*m)(std::string_view)> bool Taste(HauptF& h, std::string_view t) { return (h.*m)(t); }
template <std::string (HauptF::*m)(int) const> std::string Zeile(const HauptF& h, int z) { return (h.*m)(z); }
template <void (HauptF::*m)(std::string_view)> void Ablegen(HauptF& h, std::string_view t) { (h.*m)(t); }

// The operand lists: the selection goes into the model; a change in the
// second one hides the angle field.
constexpr Verhalten Operand1{.liste = InForm<&Eingabeform::G1ListB>};
constexpr Verhalten Operand2{.liste = InForm<&Eingabeform::G2ListB>, .wechsel = Ruf<&HauptF::G2ListB_Change>};
constexpr Verhalten Operand3{.liste = InForm<&Eingabeform::G3ListB>};

constexpr std::string_view kDezimalen[] = {"Nachkommastellen", "1 Dezimale",  "2 Dezimalen", "3 Dezimalen",
                                           "4 Dezimalen",      "5 Dezimalen", "6 Dezimalen"};

// clang-format off
constexpr Steuerelement kHauptFZeilen[] = {
  {.name = "GnameF", .art = A::Textfeld, .links = 22, .oben = 10, .breite = 69, .hoehe = 51,
   .verhalten = {.feld = InForm<&Eingabeform::GnameF>, .taste = Taste<&HauptF::GnameF_KeyDown>,
                 .ablegen = Ablegen<&HauptF::GnameF_DropObject>,
                 .nimmt = [](const HauptF& h, std::string_view z) { return !h.IstBefehlszeile(z); }},
   .hintergrund = 0xDAFF08, .schriftgroesse = 24, .fett = true},
  {.name = "aF", .art = A::Textfeld, .links = 415, .oben = 9, .breite = 80, .hoehe = 22,
   .verhalten = {.feld = InForm<&Eingabeform::aF>}, .sichtbar = false},
  {.name = "bF", .art = A::Textfeld, .links = 543, .oben = 9, .breite = 80, .hoehe = 22,
   .verhalten = {.feld = InForm<&Eingabeform::bF>}, .sichtbar = false},
  {.name = "cF", .art = A::Textfeld, .links = 667, .oben = 9, .breite = 80, .hoehe = 22,
   .verhalten = {.feld = InForm<&Eingabeform::cF>}, .sichtbar = false},
  {.name = "dF", .art = A::Textfeld, .links = 794, .oben = 9, .breite = 80, .hoehe = 22,
   .verhalten = {.feld = InForm<&Eingabeform::dF>}, .sichtbar = false},
  {.name = "TuEsButton", .art = A::Knopf, .links = 895, .oben = 10, .breite = 83, .hoehe = 75,
   .verhalten = {.aktion = Ruf<&HauptF::TuEsButton_Action>}, .text = "Ausführen"},
  {.name = "aT", .art = A::Beschriftung, .links = 114, .oben = 11, .breite = 300, .hoehe = 20,
   .verhalten = {.beschriftung = InForm<&Eingabeform::aT>}},
  {.name = "bT", .art = A::Beschriftung, .links = 501, .oben = 11, .breite = 43, .hoehe = 20,
   .verhalten = {.beschriftung = InForm<&Eingabeform::bT>}},
  {.name = "cT", .art = A::Beschriftung, .links = 629, .oben = 11, .breite = 36, .hoehe = 20,
   .verhalten = {.beschriftung = InForm<&Eingabeform::cT>}},
  {.name = "dT", .art = A::Beschriftung, .links = 753, .oben = 11, .breite = 41, .hoehe = 20,
   .verhalten = {.beschriftung = InForm<&Eingabeform::dT>}},
  {.name = "G1ListB", .art = A::Liste, .links = 415, .oben = 0, .breite = 54, .hoehe = 85, .verhalten = Operand1},
  {.name = "durch2T", .art = A::Beschriftung, .links = 467, .oben = 32, .breite = 156, .hoehe = 20,
   .verhalten = {.beschriftung = InForm<&Eingabeform::durch2T>}},
  {.name = "G2ListB", .art = A::Liste, .links = 626, .oben = 0, .breite = 59, .hoehe = 85, .verhalten = Operand2},
  {.name = "undT", .art = A::Beschriftung, .links = 729, .oben = 32, .breite = 48, .hoehe = 20,
   .verhalten = {.beschriftung = InForm<&Eingabeform::undT>}},
  {.name = "G3ListB", .art = A::Liste, .links = 818, .oben = 0, .breite = 56, .hoehe = 85, .verhalten = Operand3},
  {.name = "Separator2", .art = A::Trennlinie, .links = 8, .oben = 85, .breite = 978, .hoehe = 14},
  {.name = "StaticText3", .art = A::Beschriftung, .links = 780, .oben = 119, .breite = 186, .hoehe = 20,
   .text = "Quarnel-Liste"},
  {.name = "Separator3", .art = A::Trennlinie, .links = 8, .oben = 376, .breite = 772, .hoehe = 14},
  {.name = "ProtokollT", .art = A::Beschriftung, .links = 255, .oben = 406, .breite = 134, .hoehe = 20,
   .text = "Anweisungs-Liste"},
  {.name = "QuarnelLB", .art = A::Liste, .links = 789, .oben = 144, .breite = 186, .hoehe = 371,
   .verhalten = {.liste = ImFenster<&Fensterelemente::QuarnelLB>, .doppelklick = Ruf<&HauptF::QuarnelLB_DoubleClick>,
                 .ziehtext = Zeile<&HauptF::QuarnelLB_DragRow>}},
  {.name = "BeschreibungT", .art = A::Beschriftung, .links = 3, .oben = 117, .breite = 126, .hoehe = 20,
   .text = "Beschreibungen"},
  {.name = "InfoF", .art = A::Beschreibung, .links = 13, .oben = 144, .breite = 754, .hoehe = 233,
   .hintergrund = 0xFFF7C0, .mehrzeilig = true, .nurLesen = true},
  {.name = "BevelButton1", .art = A::Knopf, .links = 526, .oben = 106, .breite = 221, .hoehe = 33,
   .verhalten = {.aktion = Ruf<&HauptF::BevelButton1_Action>}, .text = "Alle Beschreibungen Löschen"},
  {.name = "ProtokollBox", .art = A::Liste, .links = 255, .oben = 429, .breite = 513, .hoehe = 184,
   .verhalten = {.liste = ImFenster<&Fensterelemente::ProtokollBox>,
                 .doppelklick = Ruf<&HauptF::ProtokollBox_DoubleClick>,
                 .ziehtext = Zeile<&HauptF::ProtokollBox_DragRow>}},
  {.name = "KillLastOrder3", .art = A::Knopf, .links = 531, .oben = 389, .breite = 220, .hoehe = 37,
   .verhalten = {.aktion = Ruf<&HauptF::KillLastOrder3_Action>}, .text = "Letzte Anweisung Löschen"},
  {.name = "Beschr2ClipbB", .art = A::Knopf, .links = 134, .oben = 106, .breite = 113, .hoehe = 33,
   .verhalten = {.aktion = Ruf<&HauptF::Beschr2ClipbB_Action>}, .text = "--> Clipboard"},
  {.name = "BefListe2ClipbB1", .art = A::Knopf, .links = 406, .oben = 389, .breite = 113, .hoehe = 37,
   .verhalten = {.aktion = Ruf<&HauptF::BefListe2ClipbB1_Action>}, .text = "--> Clipboard"},
  {.name = "GradF", .art = A::Textfeld, .links = 626, .oben = 32, .breite = 68, .hoehe = 22,
   .verhalten = {.feld = InForm<&Eingabeform::GradF>}, .sichtbar = false},
  {.name = "LoeschF", .art = A::Ablagefeld, .links = 789, .oben = 519, .breite = 89, .hoehe = 62,
   .verhalten = {.feld = ImFenster<&Fensterelemente::LoeschF>, .taste = Taste<&HauptF::LoeschF_KeyDown>,
                 .ablegen = Ablegen<&HauptF::LoeschF_DropObject>, .verlassen = Ruf<&HauptF::LoeschF_MouseExit>},
   .hintergrund = 0xFF081D},
  {.name = "PopupMenu1", .art = A::Aufklappmenue, .links = 789, .oben = 97, .breite = 186, .hoehe = 22,
   .verhalten = {.index = [](const HauptF& h) { return h.fenster.PopupMenu1; }, .eintraege = kDezimalen,
                 .gewaehlt = [](HauptF& h, int i) { h.PopupMenu1_Change(i); }}},
  {.name = "EingabeText", .art = A::Beschriftung, .links = 95, .oben = 32, .breite = 308, .hoehe = 20,
   .verhalten = {.beschriftung = InForm<&Eingabeform::EingabeText>}},
  {.name = "StaticText1", .art = A::Beschriftung, .links = 789, .oben = 586, .breite = 89, .hoehe = 18,
   .text = "Löschen"},
  {.name = "ProtoInfoT", .art = A::Beschriftung, .links = 250, .oben = 112, .breite = 276, .hoehe = 20,
   .verhalten = {.beschriftung = ImFenster<&Fensterelemente::ProtoInfoT>}, .text = "Beschreibungsfenster aktiv",
   .schriftgroesse = 16},
  {.name = "SprachInfoB", .art = A::Knopf, .links = 13, .oben = 578, .breite = 218, .hoehe = 35,
   .verhalten = {.aktion = Ruf<&HauptF::SprachInfoB_Action>}, .bild = Bild::Information},
  {.name = "HinweisF", .art = A::Textfeld, .links = 13, .oben = 431, .breite = 223, .hoehe = 61,
   .verhalten = {.feld = InForm<&Eingabeform::HinweisF>}, .mehrzeilig = true},
  {.name = "ProtokollT1", .art = A::Beschriftung, .links = 22, .oben = 406, .breite = 221, .hoehe = 20,
   .text = "Hinweis-Eingabe"},
  {.name = "LastInfoF", .art = A::Textfeld, .links = 13, .oben = 494, .breite = 223, .hoehe = 72,
   .verhalten = {.anzeige = [](const HauptF& h) -> std::string_view { return h.ausgabe.LastInfoF; }},
   .text = "\r", .mehrzeilig = true, .nurLesen = true},
  {.name = "SammelF", .art = A::Ablagefeld, .links = 886, .oben = 519, .breite = 89, .hoehe = 62,
   .verhalten = {.feld = ImFenster<&Fensterelemente::SammelF>, .taste = Taste<&HauptF::SammelF_KeyDown>,
                 .ablegen = Ablegen<&HauptF::SammelF_DropObject>, .verlassen = Ruf<&HauptF::SammelF_MouseExit>},
   .hintergrund = 0xD1FFC9},
  {.name = "StaticText2", .art = A::Beschriftung, .links = 886, .oben = 586, .breite = 89, .hoehe = 18,
   .text = "Sammeln"},
  {.name = "StaticText4", .art = A::Beschriftung, .links = 13, .oben = 65, .breite = 90, .hoehe = 20,
   .text = "Quarnelname"},
};
// clang-format on

}  // namespace

const std::span<const Steuerelement> kHauptFSteuerelemente{kHauptFZeilen};
const std::span<const std::string_view> kDezimalenEintraege{kDezimalen};

const Fensterart kHauptFenster{.titel = "Quarnel2",
                               .breite = kInhaltBreite,
                               .hoehe = kInhaltHoehe,
                               .steuerelemente = kHauptFZeilen,
                               .fokus = [](HauptF& h) { return &h.form.Fokus; },
                               .taste = Taste<&HauptF::KeyDown>,
                               .mausbewegung = Ruf<&HauptF::MouseMove>,
                               .oeffnen = Ruf<&HauptF::Open>,
                               .schliessen = [](HauptF& h) { return h.Close(); }};

const Steuerelement* FindeSteuerelement(std::span<const Steuerelement> tabelle, std::string_view name) {
  for (const Steuerelement& s : tabelle)
    if (s.name == name) return &s;
  return nullptr;
}

}  // namespace quarnel
