#include "interpreter/BefehlT.h"

namespace quarnel {

bool DefiniertQuarnel(std::int32_t k) {
  return k == VariablerPunkt || k == VariableEbene || (k >= NumPunkt && k <= QuarnelHuelle) ||
         k == GErzeugeKlonen || k == QuarnelSammlung;
}

}  // namespace quarnel
