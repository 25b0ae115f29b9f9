#include "constructions/Bauraum.h"

#include <utility>

namespace quarnel {

Bauraum::Bauraum(Plattform& ui_, std::function<void(const QuarnelT&)> beschreibe)
    : ui(ui_), objekte(ui_, std::move(beschreibe)) {
  objekte.NeuerKopf(Objektliste::Ursprung());
}

}  // namespace quarnel
