#include "description/Beschreibung.h"

namespace quarnel {

// The object list is built before `ausgabe`, but it calls the sentence only
// when an object is entered, which is after construction.
Beschreibung::Beschreibung(Plattform& ui_)
    : Bauraum(ui_, [this](const QuarnelT& g) { ausgabe.Ausgabe(g); }), ausgabe(ui_) {}

void Beschreibung::ZeigeQuarnel(std::string_view name) {
  if (!objekte.ExistiertQuarnel(name)) {
    ui.MsgBox("Schwerer Fehler in Prozedur ZeigeQuarnel");
    return;
  }
  if (const QuarnelT* g = objekte.HoleQuarnel(name)) ausgabe.Ausgabe(*g);
}

void Beschreibung::AlleQuarnelZeigen() {
  objekte.FuerAlle([this](const QuarnelT& g) {
    if (g.Typ != Zahl) ausgabe.Ausgabe(g);
    ui.Ereignisse();
  });
}

}  // namespace quarnel
