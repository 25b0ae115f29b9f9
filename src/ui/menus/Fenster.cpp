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

// clang-format off
constexpr Steuerelement kHilfeZeilen[] = {
  {.name = "InfoTxt", .art = A::Textfeld, .links = 4, .oben = 4, .breite = 498, .hoehe = 617,
   .verhalten = {.anzeige = HilfeText}, .hintergrund = 0xFCFFD4, .mehrzeilig = true, .nurLesen = true,
   .rollleiste = true},
  {.name = "HilfeB", .art = A::Knopf, .links = 4, .oben = 625, .breite = 494, .hoehe = 27,
   .verhalten = {.aktion = Hilfe::Verbergen}, .text = "Hilfe-Fenster schließen", .ohneFokus = true},
};

constexpr Steuerelement kInformZeilen[] = {
  {.name = "InfoF", .art = A::Textfeld, .links = 3, .oben = 0, .breite = 533, .hoehe = 397,
   .verhalten = {.anzeige = InfoText}, .hintergrund = 0xFEFFC5, .mehrzeilig = true, .nurLesen = true,
   .rollleiste = true},
  {.name = "InfoB", .art = A::Knopf, .links = 3, .oben = 402, .breite = 530, .hoehe = 28,
   .verhalten = {.aktion = Inform::Verbergen}, .text = "Info-Fenster schließen", .ohneFokus = true},
};
// clang-format on

}  // namespace

const Fensterart kHilfeFensterArt{.titel = "Hilfe",
                                  .breite = 502,
                                  .hoehe = 652,
                                  .steuerelemente = kHilfeZeilen,
                                  .sichtbar = Hilfe::Sichtbar,
                                  .schliessen = Hilfe::Schliessen,
                                  .schliessbar = false,
                                  .nurMinimieren = true};
const Fensterart kInformFensterArt{.titel = "Info",
                                   .breite = 536,
                                   .hoehe = 430,
                                   .steuerelemente = kInformZeilen,
                                   .sichtbar = Inform::Sichtbar,
                                   .schliessen = Inform::Schliessen,
                                   .nurMinimieren = true,
                                   .verwerfen = true};

namespace {
constexpr const Fensterart* kFensterListe[] = {&kHauptFenster, &kKoordFensterArt, &kGlFensterArt, &kHilfeFensterArt,
                                               &kInformFensterArt};
}  // namespace

const std::span<const Fensterart* const> kFenster{kFensterListe};

}  // namespace quarnel
