#pragma once
// The state the description adds to the constructions: the output texts and
// their settings. Every object that is entered shows its sentence through
// them.
#include <string_view>

#include "constructions/Bauraum.h"
#include "description/Ausgaben.h"

namespace quarnel {

class Beschreibung : public Bauraum {
public:
  explicit Beschreibung(Plattform& ui);

  Ausgaben ausgabe;  // description text, short result, decimals, mode

  // Describes the named object; "Schwerer Fehler in Prozedur ZeigeQuarnel"
  // when there is none.
  void ZeigeQuarnel(std::string_view name);
  // Describes every object of the list except those of type code 0.
  void AlleQuarnelZeigen();
};

}  // namespace quarnel
