#include "description/Winkel.h"

#include <cmath>

#include "description/Beschreibung.h"
#include "model/VektorT.h"

namespace quarnel {

namespace {

// Only lines and planes carry a direction or a normal, and only they
// enclose an angle with each other.
bool HatRichtung(const QuarnelT& g) { return g.Typ == Gerade || g.Typ == Ebene; }

}  // namespace

double WinkelZwischen(Bauraum& raum, const std::string& s1, const std::string& s2, bool& ok) {
  double w = 0.0;
  if (!ok) return w;
  const QuarnelT* g1 = raum.objekte.HoleQuarnel(s1);
  const QuarnelT* g2 = raum.objekte.HoleQuarnel(s2);
  if (g1 == nullptr || g2 == nullptr || !HatRichtung(*g1) || !HatRichtung(*g2)) {
    ok = false;
    return w;
  }
  ok = true;
  w = Winkel(g1->v2, g2->v2, &raum.ui);
  if (w == kKeinWinkel) {
    ok = false;
    return w;
  }
  // A line against a plane: the angle with the normal is measured, so the
  // angle with the plane is its complement; the absolute value makes the
  // sense of the normal irrelevant.
  if (g1->Typ * g2->Typ == Gerade * Ebene) w = std::fabs(90.0 - w);
  return w;
}

void Winkelausgabe(Beschreibung& beschr, const std::string& s1, const std::string& s2, bool& ok) {
  if (!ok) return;
  const QuarnelT* g1 = beschr.objekte.HoleQuarnel(s1);
  const QuarnelT* g2 = beschr.objekte.HoleQuarnel(s2);
  if (g1 != nullptr && g2 != nullptr && !(HatRichtung(*g1) && HatRichtung(*g2))) {
    beschr.ui.MsgBox("Zwischen diesen Quarneln gibt es keinen Winkel");
    ok = false;
    return;
  }
  double w = WinkelZwischen(beschr, s1, s2, ok);
  if (!ok) return;
  // Two lines or two planes: the acute angle, whichever way the vectors point.
  if (w > 90.0) w = 180.0 - w;
  beschr.ausgabe.InsInfofenster("Der Winkel zwischen " + s1 + " und " + s2 + " beträgt " + beschr.ausgabe.z2s(w) + "º");
  beschr.ausgabe.InfoAktualisieren();
}

}  // namespace quarnel
