#pragma once
// What the constructions work on: the object list, the platform that shows
// their messages, and whether an existing name may be redefined. This is the
// first link of the chain that holds the state of a run: Bauraum
// (constructions), Beschreibung (description), Ablauf (interpreter) and the
// main window HauptF at the top, each adding what its layer owns. A function
// takes the lowest link it needs; a HauptF converts to every one of them.
#include <functional>

#include "model/Objektliste.h"
#include "model/QuarnelT.h"
#include "platform/Plattform.h"

namespace quarnel {

class Bauraum {
public:
  // `beschreibe` is shown every object that is entered (the description
  // layer passes the object's sentence); nothing is shown without it. The
  // list begins with the origin "O".
  explicit Bauraum(Plattform& ui, std::function<void(const QuarnelT&)> beschreibe = {});
  Bauraum(const Bauraum&) = delete;
  Bauraum& operator=(const Bauraum&) = delete;

  Plattform& ui;
  Objektliste objekte;  // the object list, lookups, automatic names, name lists

  // True while a command file is loaded: points and planes from numbers may
  // then redefine existing names.
  bool destruktiv = false;
};

}  // namespace quarnel
