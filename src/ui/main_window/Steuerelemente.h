#pragma once
// The windows of the program and their controls, one row per control: its
// name, kind, place and look, the model that holds what it shows, and the
// handlers of the events it takes. Every control sits at a fixed place in
// its window for the whole run. The Qt layer builds each window from its
// table alone: a widget per row that carries the control's name, draws the
// row's model and hands each event to the row's handler, through the one way
// in (HauptF::Ereignis).
//
// A new control is one row here (and its model and handlers in HauptF); a
// new window is a table and a Fensterart, listed in kFenster
// (ui/menus/Fenster.h).
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quarnel {

class HauptF;
struct Textfeld;
struct Beschriftung;
class Auswahlliste;

enum class Steuerart {
  Textfeld,      // one line, or several (mehrzeilig)
  Ablagefeld,    // takes rows dropped from the program's own lists, no typing
  Beschreibung,  // the description area: the description text, newest first
  Beschriftung,
  Liste,
  Knopf,
  Aufklappmenue,
  Trennlinie,
};

// A picture on a button in place of a caption.
enum class Bild { Keins, Information };

// What a control shows and what it does; nullptr where it shows or takes
// nothing of the kind. Models are reached from the main window's state.
struct Verhalten {
  // --- the model ---
  Textfeld* (*feld)(HauptF&) = nullptr;            // typing goes into it
  Beschriftung* (*beschriftung)(HauptF&) = nullptr;
  Auswahlliste* (*liste)(HauptF&) = nullptr;       // the selection goes into it
  std::string_view (*anzeige)(const HauptF&) = nullptr;  // a text the user only reads
  int (*index)(const HauptF&) = nullptr;           // the popup's entry shown
  std::span<const std::string_view> eintraege{};   // the popup's entries
  // --- the events ---
  void (*aktion)(HauptF&) = nullptr;                        // button pressed
  bool (*taste)(HauptF&, std::string_view) = nullptr;       // key typed; true swallows it
  void (*wechsel)(HauptF&) = nullptr;                       // selection changed by the user
  void (*doppelklick)(HauptF&) = nullptr;                   // on a row, which is selected first
  void (*gewaehlt)(HauptF&, int) = nullptr;                 // popup entry chosen
  void (*ablegen)(HauptF&, std::string_view) = nullptr;     // a row's text dropped on it
  // Which rows it takes, asked as a row is dragged over it; every row when
  // nullptr. A text field without `ablegen` takes no row: dropped text is
  // typed text there, and a row is none.
  bool (*nimmt)(const HauptF&, std::string_view) = nullptr;
  void (*verlassen)(HauptF&) = nullptr;                     // the mouse left it
  // The text a row carries when it is dragged out; rows cannot be dragged
  // without it.
  std::string (*ziehtext)(const HauptF&, int zeile) = nullptr;
};

struct Steuerelement {
  std::string_view name;
  Steuerart art;
  int links, oben, breite, hoehe;   // content coordinates
  Verhalten verhalten = {};
  std::string_view text = {};       // caption or first text
  std::uint32_t hintergrund = 0xFFFFFF;
  int schriftgroesse = 0;           // 0: the system's size
  bool fett = false;
  bool mehrzeilig = false;
  bool nurLesen = false;
  bool sichtbar = true;             // when the window is built
  bool rollleiste = false;          // a vertical scroll bar always
  bool ohneFokus = false;           // a button that never takes the keyboard
  Bild bild = Bild::Keins;
};

// A window: title, content size, controls, and what the window itself does.
struct Fensterart {
  std::string_view titel;
  int breite, hoehe;
  std::span<const Steuerelement> steuerelemente;
  // Whether it is shown; nullptr for the main window, which always is.
  bool (*sichtbar)(const HauptF&) = nullptr;
  // The control that takes the keyboard next, by name ("" for none); the Qt
  // layer moves the focus there, the field's text selected so that typing
  // replaces it, and empties it.
  std::string* (*fokus)(HauptF&) = nullptr;
  // A key typed into a control of the window that has no key handler of its own.
  bool (*taste)(HauptF&, std::string_view) = nullptr;
  void (*mausbewegung)(HauptF&) = nullptr;  // the mouse moved over the window
  void (*oeffnen)(HauptF&) = nullptr;       // once, when the window is first shown
  // The close box (or the desktop) closes the window: true when it may close.
  bool (*schliessen)(HauptF&) = nullptr;
  bool schliessbar = true;   // the title bar offers a close box
  bool nurMinimieren = false;  // no other button in the title bar but minimise
  bool verwerfen = false;    // closed by its close box, the window is built anew next time
};

inline constexpr int kInhaltBreite = 995;
inline constexpr int kInhaltHoehe = 622;

// The main window's controls, in creation order.
extern const std::span<const Steuerelement> kHauptFSteuerelemente;
extern const Fensterart kHauptFenster;

// The entries of the decimals popup, by index: a heading, then 1 to 6 decimals.
extern const std::span<const std::string_view> kDezimalenEintraege;

// The control of that name in the table, nullptr when there is none.
const Steuerelement* FindeSteuerelement(std::span<const Steuerelement> tabelle, std::string_view name);

}  // namespace quarnel
