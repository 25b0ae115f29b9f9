#include "interpreter/Schluessel.h"

#include <array>

#include "interpreter/BefehlT.h"

namespace quarnel {

namespace {

constexpr std::string_view kFrei = "nicht verwendet";

constexpr std::array<std::string_view, kKennungsnummernBis + 1> kSchluessel = [] {
  std::array<std::string_view, kKennungsnummernBis + 1> t{};
  for (int k = 1; k <= kKennungsnummernBis; ++k) t[k] = kFrei;
  t[NumPunkt] = "der Punkt mit";
  t[NumEbene] = "die Ebene mit";
  t[GGeradePP] = "Gerade durch die Punkte";
  t[GGeradePR] = "Gerade durch den Punkt";
  t[GEbenePPP] = "Ebene durch die Punkte";
  t[GEbenePN] = "mit dem Normalenvektor";
  t[GEbenePRR] = "mit den Richtungen";
  t[GErzeugeSchnitt] = "Schnitt";
  t[GErzeugeLotfusspunktG] = "Fusspunkt";
  t[GErzeugeSpiegelbild] = "Spiegelung";
  t[GErzeugeOrthogonale] = "orthogonales";
  t[GErzeugeVerschieben] = "Verschiebung";
  t[GErzeugeDrehen] = "Drehung";
  t[QuarnelDreieck] = "Dreieck";
  t[QuarnelTetraeder] = "Tetraeder";
  t[GErzeugeMittelsenkrechte] = "Mittelsenkrechte";
  t[QuarnelHuelle] = "Huelle";
  t[GErzeugeKlonen] = "Klon";
  t[QuarnelSammlung] = "Sammlung";
  t[LoescheQuarnel] = "Loesche";
  t[AusgabeZeige] = "Daten";
  t[BerechneWinkel] = "Winkel zwischen";
  t[BerechneAbstand] = "Abstand";
  t[AusgabeBeschreibe] = "Beschreib";
  t[FileHInweis] = "Hinweis:";
  return t;
}();

}  // namespace

std::string_view BefehlsSchluessel(std::int32_t k) {
  if (k < KeineKennung || k > kKennungsnummernBis) return {};
  return kSchluessel[static_cast<std::size_t>(k)];
}

}  // namespace quarnel
