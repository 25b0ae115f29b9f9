#pragma once
// One named object of the construction.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
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

// The names an object refers to at indices 1 to 4 (index 0 is not used).
// Most objects refer to none: until a name is set they cost one pointer.
class Eckennamen {
public:
  using Namen = std::array<std::string, 5>;

  Eckennamen() = default;
  Eckennamen(std::initializer_list<std::string> namen) {
    std::size_t i = 0;
    for (const std::string& n : namen) (*this)[i++] = n;
  }
  Eckennamen(const Eckennamen& o) : n_(o.n_ ? std::make_unique<Namen>(*o.n_) : nullptr) {}
  Eckennamen& operator=(const Eckennamen& o) {
    if (this != &o) n_ = o.n_ ? std::make_unique<Namen>(*o.n_) : nullptr;
    return *this;
  }
  Eckennamen(Eckennamen&&) noexcept = default;
  Eckennamen& operator=(Eckennamen&&) noexcept = default;

  const std::string& operator[](std::size_t i) const { return n_ ? (*n_)[i] : Leer(); }
  std::string& operator[](std::size_t i) {
    if (!n_) n_ = std::make_unique<Namen>();
    return (*n_)[i];
  }
  friend bool operator==(const Eckennamen& a, const Namen& b) {
    for (std::size_t i = 0; i < b.size(); ++i)
      if (a[i] != b[i]) return false;
    return true;
  }
  friend bool operator==(const Eckennamen& a, const Eckennamen& b) {
    return b.n_ ? a == *b.n_ : a == Namen{};
  }

private:
  static const std::string& Leer() {
    static const std::string leer;
    return leer;
  }
  std::unique_ptr<Namen> n_;
};

struct QuarnelT {
  std::string name;
  std::int32_t Typ = Zahl;
  VektorT v1;   // a point's position; the point a line or plane passes through
  VektorT v2;   // a line's direction, a plane's normal
  double Wert = 0.0;  // the value of a number object
  // Names of other objects at indices 1 to 4 (corners of a triangle or
  // tetrahedron, the apex at 4; a collection's comma-separated members at 1).
  Eckennamen Ecken;
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
