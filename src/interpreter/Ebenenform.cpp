#include "interpreter/Ebenenform.h"

#include <cstdint>

#include "constructions/Grundlagen.h"
#include "interpreter/Ablauf.h"
#include "interpreter/Befehlsliste.h"
#include "interpreter/Eingabetext.h"
#include "interpreter/Saetze.h"
#include "platform/Text.h"

namespace quarnel {

void DefiniereEbene(Ablauf& ablauf, bool variabel) {
  const double a = myval(ablauf.form.aF.text);
  const double b = myval(ablauf.form.bF.text);
  const double c = myval(ablauf.form.cF.text);
  const double d = myval(ablauf.form.dF.text);
  std::string name = Kommafrei(ablauf.form.GnameF.text);
  std::int64_t autoNr = 0;
  if (name.empty()) {
    autoNr = ablauf.objekte.FreieNr();
    name = "G_" + Str(autoNr);
  }
  bool ok = false;
  ErzeugeEbeneG(ablauf, name, a, b, c, d, ok);
  // An automatic number stays booked only for a plane that was made.
  if (!ok && autoNr != 0 && !ablauf.objekte.ExistiertQuarnel(name)) ablauf.objekte.BefreieNr(autoNr);
  if (ok) {
    BefehlT befehl = ablauf.befehle.ErschaffeB();
    befehl.Kennung = variabel ? VariableEbene : NumEbene;
    befehl.NeuG = name;
    befehl.Gleichung = {0.0, a, b, c, d};
    befehl.AltG1 = Gleichungstext(a, b, c, d);
    ablauf.befehle.Anhaengen(std::move(befehl));
  }
  ablauf.destruktiv = false;
}

}  // namespace quarnel
