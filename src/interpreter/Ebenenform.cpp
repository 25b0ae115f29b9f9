#include "interpreter/Ebenenform.h"

#include <cstdint>

#include "constructions/Grundlagen.h"
#include "interpreter/Ablauf.h"
#include "interpreter/BefehlT.h"
#include "interpreter/Eingabetext.h"
#include "interpreter/Saetze.h"
#include "platform/Text.h"

namespace quarnel {

void DefiniereEbene(Ablauf& h, bool variabel) {
  const double a = myval(h.form.aF.text);
  const double b = myval(h.form.bF.text);
  const double c = myval(h.form.cF.text);
  const double d = myval(h.form.dF.text);
  std::string name = Kommafrei(h.form.GnameF.text);
  std::int64_t autoNr = 0;
  if (name.empty()) {
    autoNr = h.objekte.FreieNr();
    name = "G_" + Str(autoNr);
  }
  bool ok = false;
  ErzeugeEbeneG(h, name, a, b, c, d, ok);
  // An automatic number stays booked only for a plane that was made.
  if (!ok && autoNr != 0 && !h.objekte.ExistiertQuarnel(name)) h.objekte.BefreieNr(autoNr);
  if (ok) {
    BefehlT befehl = h.befehle.ErschaffeB();
    befehl.Kennung = variabel ? VariableEbene : NumEbene;
    befehl.NeuG = name;
    befehl.Gleichung = {0.0, a, b, c, d};
    befehl.AltG1 = Gleichungstext(a, b, c, d);
    h.befehle.Anhaengen(std::move(befehl));
  }
  h.destruktiv = false;
}

}  // namespace quarnel
