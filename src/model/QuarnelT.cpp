#include "model/QuarnelT.h"

namespace quarnel {

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
