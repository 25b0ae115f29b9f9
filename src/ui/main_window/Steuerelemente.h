#pragma once
// The 40 controls of the main window: name, kind, place and look. Every
// control sits at a fixed place in the 995 x 622 content area for the whole
// run; the Qt layer builds its widgets from this table, so that each widget
// carries the control's name and the core and the screen agree on it.
#include <array>
#include <cstdint>
#include <string_view>

namespace quarnel {

enum class Steuerart { Textfeld, Beschriftung, Liste, Knopf, Aufklappmenue, Trennlinie };

struct Steuerelement {
  std::string_view name;
  Steuerart art;
  int links, oben, breite, hoehe;   // content coordinates
  std::string_view text = {};       // caption or first text
  std::uint32_t hintergrund = 0xFFFFFF;
  int schriftgroesse = 0;           // 0: the system's size
  bool fett = false;
  bool mehrzeilig = false;
  bool nurLesen = false;
  bool sichtbar = true;             // when the window is built
  bool ziehbar = false;             // rows can be dragged out
};

inline constexpr int kInhaltBreite = 995;
inline constexpr int kInhaltHoehe = 622;

// In creation order.
extern const std::array<Steuerelement, 40> kHauptFSteuerelemente;

// The entries of the decimals popup, by index: a heading, then 1 to 6 decimals.
extern const std::array<std::string_view, 7> kDezimalenEintraege;

// The main window, the edit windows of a point and of a plane, and the help
// and information windows: title, content size and controls.
struct Fensterart {
  std::string_view titel;
  int breite, hoehe;
};
inline constexpr Fensterart kHauptFenster{"Quarnel2", kInhaltBreite, kInhaltHoehe};
inline constexpr Fensterart kKoordFenster{"Ändern von Koordinaten", 357, 145};
inline constexpr Fensterart kGlFenster{"Änderung der Ebenengleichung", 533, 145};
inline constexpr Fensterart kHilfeFenster{"Hilfe", 502, 652};
inline constexpr Fensterart kInformFenster{"Info", 536, 430};
extern const std::array<Steuerelement, 6> kKoordFensterSteuerelemente;
extern const std::array<Steuerelement, 10> kGlFensterSteuerelemente;
extern const std::array<Steuerelement, 2> kHilfeFensterSteuerelemente;
extern const std::array<Steuerelement, 2> kInformFensterSteuerelemente;

// The control of that name in the table, nullptr when there is none.
template <std::size_t N>
constexpr const Steuerelement* FindeSteuerelement(const std::array<Steuerelement, N>& tabelle,
                                                  std::string_view name) {
  for (const Steuerelement& s : tabelle)
    if (s.name == name) return &s;
  return nullptr;
}

}  // namespace quarnel
