#include "interpreter/Schluessel.h"

#include <array>

namespace quarnel {

namespace {

constexpr std::string_view kFrei = "nicht verwendet";

constexpr std::array<std::string_view, 51> kSchluessel = [] {
  std::array<std::string_view, 51> t{};
  for (int k = 1; k <= 50; ++k) t[k] = kFrei;
  t[9] = "der Punkt mit";
  t[10] = "die Ebene mit";
  t[11] = "Gerade durch die Punkte";
  t[12] = "Gerade durch den Punkt";
  t[13] = "Ebene durch die Punkte";
  t[14] = "mit dem Normalenvektor";
  t[15] = "mit den Richtungen";
  t[16] = "Schnitt";
  t[17] = "Fusspunkt";
  t[18] = "Spiegelung";
  t[19] = "orthogonales";
  t[20] = "Verschiebung";
  t[21] = "Drehung";
  t[22] = "Dreieck";
  t[23] = "Tetraeder";
  t[24] = "Mittelsenkrechte";
  t[25] = "Huelle";
  t[30] = "Klon";
  t[31] = "Sammlung";
  t[40] = "Loesche";
  t[41] = "Daten";
  t[42] = "Winkel zwischen";
  t[43] = "Abstand";
  t[44] = "Beschreib";
  t[45] = "Hinweis:";
  return t;
}();

}  // namespace

std::string_view BefehlsSchluessel(std::int32_t k) {
  if (k < 0 || k > 50) return {};
  return kSchluessel[static_cast<std::size_t>(k)];
}

std::int32_t KennungNachSchluessel(std::string_view text, std::int32_t bisher) {
  std::int32_t k = bisher;
  for (std::int32_t i = 1; i <= 50; ++i)
    if (text.find(kSchluessel[static_cast<std::size_t>(i)]) != std::string_view::npos) k = i;
  return k;
}

}  // namespace quarnel
