#pragma once
// The windows that change a point's coordinates and a plane's equation after
// the fact, in one place: the model, opening, confirming and cancelling. A
// Shift-double-click on a point or a plane in the object list opens one on
// the command that first defines the object. Confirming turns that command
// into a point or a plane given by the typed numbers and computes everything
// again, so every object built on it follows; cancelling leaves the command
// as it was. While a window is open, the main window's Return and
// "Ausführen" wait.
#include <span>
#include <string>
#include <string_view>

#include "interpreter/Bedienmodelle.h"
#include "ui/main_window/Steuerelemente.h"

namespace quarnel {

class HauptF;
struct BefehlT;
struct QuarnelT;

// The point window (x, y, z) or the plane window (a, b, c and d of
// a·x + b·y + c·z = d).
class Editierfenster {
public:
  explicit Editierfenster(bool ebene) : ebene_(ebene) {}

  Beschriftung Titel;  // "Koordinaten des Punktes P" / "Koordinatengleichung der Ebene E"
  Textfeld xF, yF, zF, dF;
  bool sichtbar = false;
  // Open for an edit: the main window's Return and "Ausführen" wait meanwhile.
  bool Warten = false;
  BefehlT* AktuellerBefehl = nullptr;
  std::string name;
  std::string Fokus;  // the field that takes the keyboard focus next ("" for none)

  // Opens the window on command b, which first defines g, filled with g's
  // numbers as the object holds them: a point's coordinates, a plane's
  // stored normal and the constant that belongs to it.
  void Oeffnen(BefehlT& b, const QuarnelT& g);
  // "Alles Aktualisieren / Fertig": stores the typed numbers into the
  // command and computes everything again; the window closes either way.
  void AktualisierenB_Action(HauptF& h);
  // "Abbrechen", and the window's close box.
  void AbbrechB_Action(HauptF& h);
  // Return in a number field confirms; other keys go on to the field.
  bool KeyDown(HauptF& h, std::string_view taste);

private:
  // Store the typed numbers into the command; false when nothing was stored:
  // the command no longer defines the object (deleted, or moved behind
  // another definition; a beep), or the numbers would be refused (a note in
  // the note field says why).
  bool KEintragen(HauptF& h);
  void GEintragen(HauptF& h, bool& ok);
  // Back to idle: hidden, waiting for nothing.
  void Schliessen(HauptF& h);

  bool ebene_;
};

// The two windows and their controls.
extern const std::span<const Steuerelement> kKoordFensterSteuerelemente;
extern const std::span<const Steuerelement> kGlFensterSteuerelemente;
extern const Fensterart kKoordFensterArt;
extern const Fensterart kGlFensterArt;

}  // namespace quarnel
