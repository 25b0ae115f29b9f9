#pragma once
// The main window without pixels: owns the whole state of a run, grouped by
// subsystem. The Qt layer draws it and forwards events to it.
#include <string>
#include <string_view>

#include "description/Ausgaben.h"
#include "interpreter/BefehlT.h"
#include "model/Objektliste.h"
#include "platform/Plattform.h"
#include "ui/main_window/Eingabeform.h"

namespace quarnel {

class HauptF {
public:
  explicit HauptF(Plattform& ui);
  HauptF(const HauptF&) = delete;
  HauptF& operator=(const HauptF&) = delete;

  Plattform& ui;
  Ausgaben ausgabe;     // description text, short result, decimals, mode
  Objektliste objekte;  // the object list, lookups, automatic names, name lists
  Eingabeform form;     // the input form: fields, operand lists, form kind
  Befehlsliste befehle; // the command list, its deleted commands, the protocol text

  // True while a command file is loaded: points and planes from numbers may
  // then redefine existing names.
  bool destruktiv = false;

  // Describes the named object; "Schwerer Fehler in Prozedur ZeigeQuarnel"
  // when there is none.
  void ZeigeQuarnel(std::string_view name);
  // Describes every object of the list except those of type code 0.
  void AlleQuarnelZeigen();
};

}  // namespace quarnel
