#pragma once
// The input form along the top of the main window, without pixels: the name
// field, the number row, the operand row, the angle and note fields and the
// form kind the menus chose last. It sits with the interpreter, which runs
// the filled-in form and clears it after each command; the main window
// chooses the form and handles the events.
#include <cstdint>
#include <string>

#include "interpreter/BefehlT.h"
#include "interpreter/Bedienmodelle.h"

namespace quarnel {

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
  // Hides both rows and the angle field and chooses no form: until a form
  // is chosen again, Return and "Ausführen" run nothing, so no hidden field
  // is ever read.
  void KeineForm();
  // Empties the name field and the four number fields, in this order.
  void FelderLeeren();
};

}  // namespace quarnel
