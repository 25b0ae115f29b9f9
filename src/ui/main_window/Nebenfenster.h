#pragma once
// The main window's own controls, and the small windows beside it, without
// pixels: the windows that change a point's coordinates or a plane's
// equation, and the help and information windows. The main window opens them and waits for the edit
// windows; what their buttons do lives with the menus.
#include <string>

#include "interpreter/Eingabeform.h"

namespace quarnel {

struct BefehlT;

// The point window (x, y, z) or the plane window (a, b, c and d of
// a·x + b·y + c·z = d). It edits the command that first defines the object
// `name`; the command changes only when the window is confirmed.
struct Editierfenster {
  Beschriftung Titel;  // "Koordinaten des Punktes P" / "Koordinatengleichung der Ebene E"
  Textfeld xF, yF, zF, dF;
  bool sichtbar = false;
  // Open for an edit: the main window's Return and "Ausführen" wait meanwhile.
  bool Warten = false;
  BefehlT* AktuellerBefehl = nullptr;
  std::string name;
  std::string Fokus;  // the field that takes the keyboard focus next, its text selected ("" for none)
};

// The main window's own controls beside the input form.
struct Fensterelemente {
  Auswahlliste QuarnelLB;    // one row per object: name, blank(s), type word
  Auswahlliste ProtokollBox; // one row per command: "<n>", four blanks, sentence
  // The delete and collect fields: a dropped row's text lands here and is
  // acted on when the mouse leaves the field.
  Textfeld LoeschF, SammelF;
  Beschriftung ProtoInfoT{"Beschreibungsfenster aktiv"};  // the description mode
  int PopupMenu1 = 0;        // index of the decimals popup's entry shown
  // Return-key gate: the window's Return has just run the form; cleared by
  // another key in the name field, a mouse movement or a confirmed edit window.
  bool IgnoreReturn = false;
};

// A window that shows a fixed text.
struct Textfenster {
  bool sichtbar = false;
};

}  // namespace quarnel
