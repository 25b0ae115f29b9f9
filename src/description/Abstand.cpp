#include "description/Abstand.h"

#include <cmath>

#include "constructions/Abstaende.h"
#include "description/Beschreibung.h"

namespace quarnel {

double Abstand(const Bauraum& raum, const std::string& s1, const std::string& s2) {
  const QuarnelT* g1 = raum.objekte.HoleQuarnel(s1);
  const QuarnelT* g2 = raum.objekte.HoleQuarnel(s2);
  if (!g1 || !g2) return 0.0;
  return AbstandG(*g1, *g2);
}

void Abstandausgabe(Beschreibung& beschr, const std::string& s1, const std::string& s2, bool& ok) {
  auto messbar = [](std::int32_t t) { return t >= Punkt && t <= Raum; };
  if (!messbar(beschr.objekte.QuarnelTypNr(s1)) || !messbar(beschr.objekte.QuarnelTypNr(s2))) {
    ok = false;  // the empty object and compound objects have no distance
    return;
  }
  if (!ok) return;
  double d = Abstand(beschr, s1, s2);
  if (!std::isfinite(d)) {
    // Far apart beyond what can be computed: no number to show.
    beschr.ui.MsgBox(kNichtBerechenbar);
    ok = false;
    return;
  }
  beschr.ausgabe.InsInfofenster("Der Abstand von " + s1 + " und " + s2 + " beträgt " + beschr.ausgabe.z2s(d));
  beschr.ausgabe.InfoAktualisieren();
}

}  // namespace quarnel
