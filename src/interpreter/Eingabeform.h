#pragma once
// The input form along the top of the main window, without pixels: the name
// field, the number row, the operand row, the angle and note fields and the
// form kind the menus chose last. It sits with the interpreter, which runs
// the filled-in form and clears it after each command; the main window
// chooses the form and handles the events. The Qt layer writes the user's
// typing and list selections into these models as they happen and draws
// them after every event. The same small models (field, label, list) serve
// the main window's other controls.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "interpreter/BefehlT.h"

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
  // Selects the first row with exactly this text; false (selection dropped)
  // when there is none.
  bool Waehle(std::string_view zeile);
};

class Eingabeform {
public:
  Textfeld GnameF;               // name of the object to define
  Textfeld aF, bF, cF, dF;       // x, y, z of a point; a, b, c, d of a plane
  Textfeld GradF{{}, false, false};  // rotation angle in degrees (GErzeugeDrehen)
  // The note text (FileHInweis): open for typing at start and while a note
  // is typed, read-only once another form is chosen or a command runs.
  Textfeld HinweisF;
  Beschriftung aT, bT, cT, dT;   // labels of the number row
  Beschriftung EingabeText;      // the prompt of the operand row
  Beschriftung durch2T, undT;    // connectors between the operand lists
  Auswahlliste G1ListB, G2ListB, G3ListB;  // the operands

  // The command kind of the form now shown; 0 while none is chosen.
  std::int32_t AktuelleKennung = KeineKennung;
  // Members gathered for a collection (QuarnelSammlung), each preceded by a comma.
  std::string AktuelleSammlung;
  // A note is being typed: the window's own Return key waits.
  bool AufHinweisWarten = false;
  // The control that takes the keyboard focus next ("" for none); the Qt
  // layer moves the focus there, with the field's text selected so that
  // typing replaces it, and empties this.
  std::string Fokus;

  Eingabeform();

  // Clears one row of the form: 1 the number row, 2 the operand row; any
  // other value does nothing. Name, angle and note fields stay.
  void MenuleisteLeeren(int i);
  // Hides both rows and chooses no form: until a form is chosen again,
  // Return and "Ausführen" run nothing, so no hidden field is ever read.
  void KeineForm();
  // Empties the name field and the four number fields, in this order.
  void FelderLeeren();
};

}  // namespace quarnel
