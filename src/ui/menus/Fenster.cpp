#include "ui/menus/Fenster.h"

#include "ui/main_window/Editierfenster.h"
#include "ui/main_window/HauptF.h"
#include "ui/menus/Hilfetexte.h"

namespace quarnel {

namespace {

using A = Steuerart;

template <Textfenster HauptF::*f>
struct Textfensterart {
  static bool Sichtbar(const HauptF& h) { return (h.*f).sichtbar; }
  // The button and the close box hide the window.
  static void Verbergen(HauptF& h) { (h.*f).sichtbar = false; }
  static bool Schliessen(HauptF& h) {
    Verbergen(h);
    return true;
  }
};
using Hilfe = Textfensterart<&HauptF::HilfeFenster>;
using Inform = Textfensterart<&HauptF::InformFenster>;

std::string_view HilfeText(const HauptF&) { return Hilfetext(); }
std::string_view InfoText(const HauptF&) { return Infotext(); }

}  // namespace

// clang-format off
const std::array<Steuerelement, 2> kHilfeFensterSteuerelemente{{
  {"InfoTxt", A::Textfeld, 4, 4, 498, 617, {.anzeige = HilfeText}, "", 0xFCFFD4, 0, false, true, true, true, true},
  {"HilfeB", A::Knopf, 4, 625, 494, 27, {.aktion = Hilfe::Verbergen}, "Hilfe-Fenster schließen", 0xFFFFFF, 0, false,
   false, false, true, false, true},
}};

const std::array<Steuerelement, 2> kInformFensterSteuerelemente{{
  {"InfoF", A::Textfeld, 3, 0, 533, 397, {.anzeige = InfoText}, "", 0xFEFFC5, 0, false, true, true, true, true},
  {"InfoB", A::Knopf, 3, 402, 530, 28, {.aktion = Inform::Verbergen}, "Info-Fenster schließen", 0xFFFFFF, 0, false,
   false, false, true, false, true},
}};
// clang-format on

const Fensterart kHilfeFensterArt{"Hilfe", 502, 652, kHilfeFensterSteuerelemente, Hilfe::Sichtbar, nullptr, nullptr,
                                  nullptr, nullptr, Hilfe::Schliessen, false, true, false};
const Fensterart kInformFensterArt{"Info", 536, 430, kInformFensterSteuerelemente, Inform::Sichtbar, nullptr, nullptr,
                                   nullptr, nullptr, Inform::Schliessen, true, true, true};

const std::array<const Fensterart*, 5> kFenster{&kHauptFenster, &kKoordFensterArt, &kGlFensterArt, &kHilfeFensterArt,
                                                &kInformFensterArt};

}  // namespace quarnel
