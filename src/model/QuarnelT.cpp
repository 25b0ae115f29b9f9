#include "model/QuarnelT.h"

#include <cmath>

namespace quarnel {

namespace {

bool Endlich(const VektorT& v) { return std::isfinite(v.x()) && std::isfinite(v.y()) && std::isfinite(v.z()); }

}  // namespace

bool ZahlenEndlich(const QuarnelT& g) {
  switch (g.Typ) {
    case Zahl: return std::isfinite(g.Wert);
    case Punkt: return Endlich(g.v1);
    case Gerade: return Endlich(g.v1) && Endlich(g.v2);
    // The sentence of a plane also states d = point · normal.
    case Ebene: return Endlich(g.v1) && Endlich(g.v2) && std::isfinite(g.v1.SkalProd(g.v2));
    default: return true;
  }
}

std::string Typwort(std::int32_t typ) {
  switch (typ) {
    case Sammlung: return "Sammlung";
    case Tetraeder: return "Tetraeder";
    case Dreieck: return "Dreieck";
    case Strecke: return "Strecke";
    case LeeresQuarnel: return "leeres Quarnel";
    case Punkt: return "Punkt";
    case Gerade: return "Gerade";
    case Ebene: return "Ebene";
    case Raum: return "Raum";
    default: return "";
  }
}

std::string Typname(std::int32_t typ) {
  std::string w = Typwort(typ);
  if (w.empty()) return "";
  return std::string(15, ' ') + w;
}

}  // namespace quarnel
