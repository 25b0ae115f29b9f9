#include "ui/main_window/Steuerelemente.h"

#include "ui/main_window/HauptF.h"

namespace quarnel {

namespace {

using A = Steuerart;
constexpr std::uint32_t kWeiss = 0xFFFFFF;

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

}  // namespace

// clang-format off
const std::array<Steuerelement, 40> kHauptFSteuerelemente{{
  {"GnameF", A::Textfeld, 22, 10, 69, 51,
   {.feld = InForm<&Eingabeform::GnameF>, .taste = Taste<&HauptF::GnameF_KeyDown>}, "", 0xDAFF08, 24, true},
  {"aF", A::Textfeld, 415, 9, 80, 22, {.feld = InForm<&Eingabeform::aF>}, "", kWeiss, 0, false, false, false, false},
  {"bF", A::Textfeld, 543, 9, 80, 22, {.feld = InForm<&Eingabeform::bF>}, "", kWeiss, 0, false, false, false, false},
  {"cF", A::Textfeld, 667, 9, 80, 22, {.feld = InForm<&Eingabeform::cF>}, "", kWeiss, 0, false, false, false, false},
  {"dF", A::Textfeld, 794, 9, 80, 22, {.feld = InForm<&Eingabeform::dF>}, "", kWeiss, 0, false, false, false, false},
  {"TuEsButton", A::Knopf, 895, 10, 83, 75, {.aktion = Ruf<&HauptF::TuEsButton_Action>}, "Ausführen"},
  {"aT", A::Beschriftung, 114, 11, 300, 20, {.beschriftung = InForm<&Eingabeform::aT>}},
  {"bT", A::Beschriftung, 501, 11, 43, 20, {.beschriftung = InForm<&Eingabeform::bT>}},
  {"cT", A::Beschriftung, 629, 11, 36, 20, {.beschriftung = InForm<&Eingabeform::cT>}},
  {"dT", A::Beschriftung, 753, 11, 41, 20, {.beschriftung = InForm<&Eingabeform::dT>}},
  {"G1ListB", A::Liste, 415, 0, 54, 85, Operand1},
  {"durch2T", A::Beschriftung, 467, 32, 156, 20, {.beschriftung = InForm<&Eingabeform::durch2T>}},
  {"G2ListB", A::Liste, 626, 0, 59, 85, Operand2},
  {"undT", A::Beschriftung, 729, 32, 48, 20, {.beschriftung = InForm<&Eingabeform::undT>}},
  {"G3ListB", A::Liste, 818, 0, 56, 85, Operand3},
  {"Separator2", A::Trennlinie, 8, 85, 978, 14},
  {"StaticText3", A::Beschriftung, 780, 119, 186, 20, {}, "Quarnel-Liste"},
  {"Separator3", A::Trennlinie, 8, 376, 772, 14},
  {"ProtokollT", A::Beschriftung, 255, 406, 134, 20, {}, "Anweisungs-Liste"},
  {"QuarnelLB", A::Liste, 789, 144, 186, 371,
   {.liste = ImFenster<&Fensterelemente::QuarnelLB>, .doppelklick = Ruf<&HauptF::QuarnelLB_DoubleClick>,
    .ziehtext = Zeile<&HauptF::QuarnelLB_DragRow>}},
  {"BeschreibungT", A::Beschriftung, 3, 117, 126, 20, {}, "Beschreibungen"},
  {"InfoF", A::Beschreibung, 13, 144, 754, 233, {}, "", 0xFFF7C0, 0, false, true, true},
  {"BevelButton1", A::Knopf, 526, 106, 221, 33, {.aktion = Ruf<&HauptF::BevelButton1_Action>},
   "Alle Beschreibungen Löschen"},
  {"ProtokollBox", A::Liste, 255, 429, 513, 184,
   {.liste = ImFenster<&Fensterelemente::ProtokollBox>, .doppelklick = Ruf<&HauptF::ProtokollBox_DoubleClick>,
    .ziehtext = Zeile<&HauptF::ProtokollBox_DragRow>}},
  {"KillLastOrder3", A::Knopf, 531, 389, 220, 37, {.aktion = Ruf<&HauptF::KillLastOrder3_Action>},
   "Letzte Anweisung Löschen"},
  {"Beschr2ClipbB", A::Knopf, 134, 106, 113, 33, {.aktion = Ruf<&HauptF::Beschr2ClipbB_Action>}, "--> Clipboard"},
  {"BefListe2ClipbB1", A::Knopf, 406, 389, 113, 37, {.aktion = Ruf<&HauptF::BefListe2ClipbB1_Action>},
   "--> Clipboard"},
  {"GradF", A::Textfeld, 626, 32, 68, 22, {.feld = InForm<&Eingabeform::GradF>}, "", kWeiss, 0, false, false,
   false, false},
  {"LoeschF", A::Ablagefeld, 789, 519, 89, 62,
   {.feld = ImFenster<&Fensterelemente::LoeschF>, .taste = Taste<&HauptF::LoeschF_KeyDown>,
    .ablegen = Ablegen<&HauptF::LoeschF_DropObject>, .verlassen = Ruf<&HauptF::LoeschF_MouseExit>},
   "", 0xFF081D},
  {"PopupMenu1", A::Aufklappmenue, 789, 97, 186, 22,
   {.index = [](const HauptF& h) { return h.fenster.PopupMenu1; }, .eintraege = kDezimalenEintraege,
    .gewaehlt = [](HauptF& h, int i) { h.PopupMenu1_Change(i); }}},
  {"EingabeText", A::Beschriftung, 95, 32, 308, 20, {.beschriftung = InForm<&Eingabeform::EingabeText>}},
  {"StaticText1", A::Beschriftung, 789, 586, 89, 18, {}, "Löschen"},
  {"ProtoInfoT", A::Beschriftung, 250, 112, 276, 20,
   {.beschriftung = ImFenster<&Fensterelemente::ProtoInfoT>}, "Beschreibungsfenster aktiv", kWeiss, 16},
  {"SprachInfoB", A::Knopf, 13, 578, 218, 35, {.aktion = Ruf<&HauptF::SprachInfoB_Action>}, "", kWeiss, 0, false,
   false, false, true, false, false, Bild::Information},
  {"HinweisF", A::Textfeld, 13, 431, 223, 61, {.feld = InForm<&Eingabeform::HinweisF>}, "", kWeiss, 0, false, true},
  {"ProtokollT1", A::Beschriftung, 22, 406, 221, 20, {}, "Hinweis-Eingabe"},
  {"LastInfoF", A::Textfeld, 13, 494, 223, 72,
   {.anzeige = [](const HauptF& h) -> std::string_view { return h.ausgabe.LastInfoF; }}, "\r", kWeiss, 0, false,
   true, true},
  {"SammelF", A::Ablagefeld, 886, 519, 89, 62,
   {.feld = ImFenster<&Fensterelemente::SammelF>, .taste = Taste<&HauptF::SammelF_KeyDown>,
    .ablegen = Ablegen<&HauptF::SammelF_DropObject>, .verlassen = Ruf<&HauptF::SammelF_MouseExit>},
   "", 0xD1FFC9},
  {"StaticText2", A::Beschriftung, 886, 586, 89, 18, {}, "Sammeln"},
  {"StaticText4", A::Beschriftung, 13, 65, 90, 20, {}, "Quarnelname"},
}};
// clang-format on

const std::array<std::string_view, 7> kDezimalenEintraege{
    "Nachkommastellen", "1 Dezimale", "2 Dezimalen", "3 Dezimalen", "4 Dezimalen", "5 Dezimalen", "6 Dezimalen"};

const Fensterart kHauptFenster{"Quarnel2",
                               kInhaltBreite,
                               kInhaltHoehe,
                               kHauptFSteuerelemente,
                               nullptr,
                               [](HauptF& h) { return &h.form.Fokus; },
                               Taste<&HauptF::KeyDown>,
                               Ruf<&HauptF::MouseMove>,
                               Ruf<&HauptF::Open>,
                               [](HauptF& h) { return h.Close(); }};

const Steuerelement* FindeSteuerelement(std::span<const Steuerelement> tabelle, std::string_view name) {
  for (const Steuerelement& s : tabelle)
    if (s.name == name) return &s;
  return nullptr;
}

}  // namespace quarnel
