#include "interpreter/Eingabeform.h"

namespace quarnel {

Eingabeform::Eingabeform() {
  // The window opens with both rows cleared.
  MenuleisteLeeren(1);
  MenuleisteLeeren(2);
}

void Eingabeform::MenuleisteLeeren(int i) {
  if (i == 1) {
    aT.sichtbar = false;
    aF.sichtbar = false;
    bT.text.clear();
    bF.sichtbar = false;
    cT.text.clear();
    cF.sichtbar = false;
    dT.text.clear();
    dF.sichtbar = false;
  } else if (i == 2) {
    EingabeText.text.clear();
    G1ListB.sichtbar = false;
    G2ListB.sichtbar = false;
    G3ListB.sichtbar = false;
    durch2T.text.clear();
    undT.text.clear();
  }
}

void Eingabeform::KeineForm() {
  AktuelleKennung = KeineKennung;
  MenuleisteLeeren(1);
  MenuleisteLeeren(2);
  GradF.sichtbar = false;  // the angle stands in the operand row
}

void Eingabeform::FelderLeeren() {
  GnameF.text.clear();
  aF.text.clear();
  bF.text.clear();
  cF.text.clear();
  dF.text.clear();
}

}  // namespace quarnel
