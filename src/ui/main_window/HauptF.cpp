#include "ui/main_window/HauptF.h"

namespace quarnel {

HauptF::HauptF(Plattform& ui_)
    : ui(ui_), ausgabe(ui_), objekte(ui_, [this](const QuarnelT& g) { ausgabe.Ausgabe(g); }) {
  objekte.NeuerKopf(Objektliste::Ursprung());
}

void HauptF::ZeigeQuarnel(std::string_view name) {
  if (!objekte.ExistiertQuarnel(name)) {
    ui.MsgBox("Schwerer Fehler in Prozedur ZeigeQuarnel");
    return;
  }
  if (const QuarnelT* g = objekte.HoleQuarnel(name)) ausgabe.Ausgabe(*g);
}

void HauptF::AlleQuarnelZeigen() {
  objekte.FuerAlle([this](const QuarnelT& g) {
    if (g.Typ != Zahl) ausgabe.Ausgabe(g);
    ui.Ereignisse();
  });
}

}  // namespace quarnel
