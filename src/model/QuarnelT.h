#pragma once
// One named object of the construction.
#include <array>
#include <cstdint>
#include <string>

#include "model/VektorT.h"

namespace quarnel {

// Type codes. Negative codes are compound or empty objects; 1 to 4 are the
// flats by dimension plus one.
enum QuarnelTyp : std::int32_t {
  Sammlung = -5,
  Tetraeder = -4,
  Dreieck = -3,
  Strecke = -2,
  LeeresQuarnel = -1,
  Zahl = 0,
  Punkt = 1,
  Gerade = 2,
  Ebene = 3,
  Raum = 4,
};

struct QuarnelT {
  std::string name;
  std::int32_t Typ = Zahl;
  VektorT v1;   // a point's position; the point a line or plane passes through
  VektorT v2;   // a line's direction, a plane's normal
  double Wert = 0.0;  // the value of a number object
  // Names of other objects at indices 1 to 4 (corners of a triangle or
  // tetrahedron, the apex at 4; a collection's comma-separated members at 1).
  std::array<std::string, 5> Ecken;
};

// Whether every number the object shows is finite: a point's position, the
// point and vector of a line or plane, a plane's equation constant, a
// number's value. Other objects show no numbers of their own.
bool ZahlenEndlich(const QuarnelT& g);
// What is shown instead of a result whose numbers are not all finite.
inline constexpr const char* kNichtBerechenbar = "Das Ergebnis ist zu groß, um berechnet zu werden";

// The type word of a code ("Punkt", "leeres Quarnel", ...); "" for 0 and for
// codes outside -5 to 4.
std::string Typwort(std::int32_t typ);
// 15 blanks followed by the type word; "" where there is no type word.
std::string Typname(std::int32_t typ);

}  // namespace quarnel
