#pragma once
// The models of the window's controls, without pixels: a text field, a label
// and a list box. The program writes into them what a control shows; the Qt
// layer draws them after every event and writes back what the user types and
// selects. The input form is made of them, and so are the main window's
// other controls and the edit windows.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

// A text field.
struct Textfeld {
  std::string text;
  bool sichtbar = true;
  bool nurLesen = false;
};

// A label.
struct Beschriftung {
  std::string text;
  bool sichtbar = true;
};

// A list box whose rows come from one text, one row per CR-ended line.
struct Auswahlliste {
  std::vector<std::string> zeilen;
  int auswahl = -1;  // index of the selected row, -1 when none is selected
  bool sichtbar = true;
  // Counts the loads, so that a view redraws the rows only when they changed.
  std::uint64_t stand = 0;

  // Replaces the rows by the lines of the text (no empty row after the last
  // CR); the selection is dropped.
  void Laden(std::string_view text);
  // The selected row's text, "" when no row is selected.
  std::string Text() const;
};

}  // namespace quarnel
