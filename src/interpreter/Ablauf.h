#pragma once
// The state the interpreter adds to the description: the command list and
// the input form whose filled-in fields it runs as one command.
#include "description/Beschreibung.h"
#include "interpreter/Befehlsliste.h"
#include "interpreter/Eingabeform.h"

namespace quarnel {

class Ablauf : public Beschreibung {
public:
  explicit Ablauf(Plattform& ui) : Beschreibung(ui) {}

  Eingabeform form;      // the input form a command is run from
  Befehlsliste befehle;  // the command list, its deleted commands, the protocol text
};

}  // namespace quarnel
