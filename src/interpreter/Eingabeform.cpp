#include "interpreter/Eingabeform.h"

#include "platform/Text.h"

namespace quarnel {

void Auswahlliste::Laden(std::string_view text) {
  zeilen.clear();
  auswahl = -1;
  ++stand;
  std::size_t anfang = 0;
  while (anfang < text.size()) {
    std::size_t ende = text.find(CR, anfang);
    if (ende == std::string_view::npos) ende = text.size();
    zeilen.emplace_back(text.substr(anfang, ende - anfang));
    anfang = ende + 1;
  }
}

std::string Auswahlliste::Text() const {
  if (auswahl < 0 || static_cast<std::size_t>(auswahl) >= zeilen.size()) return {};
  return zeilen[static_cast<std::size_t>(auswahl)];
}

bool Auswahlliste::Waehle(std::string_view zeile) {
  for (std::size_t i = 0; i < zeilen.size(); ++i)
    if (zeilen[i] == zeile) {
      auswahl = static_cast<int>(i);
      return true;
    }
  auswahl = -1;
  return false;
}

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
}

void Eingabeform::FelderLeeren() {
  GnameF.text.clear();
  aF.text.clear();
  bF.text.clear();
  cF.text.clear();
  dF.text.clear();
}

}  // namespace quarnel
