#pragma once
// The windows that change a point's coordinates and a plane's equation after
// the fact. The main window opens one by a Shift-double-click on a point or a
// plane; confirming turns the command that first defines the object into a
// point or a plane given by these numbers and computes everything again, so
// every object built on it follows. Cancel leaves the command as it was.
#include <string>
#include <string_view>

namespace quarnel {

class HauptF;
struct Editierfenster;

class KoordFenster {
public:
  explicit KoordFenster(HauptF& h);
  // "Alles Aktualisieren / Fertig".
  void AktualisierenB_Action();
  // "Abbrechen", and the window's close box.
  void AbbrechB_Action();
  // Return confirms the open window; other keys go on to the fields.
  bool KeyDown(std::string_view taste);
  // Stores the typed coordinates into the command; false when nothing was
  // stored (the command no longer defines the point, or a number is too large).
  bool KEintragen();

private:
  HauptF& h_;
  Editierfenster& f_;
};

class GlFenster {
public:
  explicit GlFenster(HauptF& h);
  void AktualisierenB_Action();
  void AbbrechB_Action();
  bool KeyDown(std::string_view taste);
  // Stores the typed equation; ok false when it was refused (no plane, a
  // number too large, or the command no longer defines the plane).
  void GEintragen(bool& ok);

private:
  HauptF& h_;
  Editierfenster& f_;
};

}  // namespace quarnel
