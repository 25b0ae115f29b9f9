#include "interpreter/Bedienmodelle.h"

#include "platform/Text.h"

namespace quarnel {

std::vector<std::string> Auswahlliste::Zeilen() const {
  std::vector<std::string> z;
  for (std::size_t i = 0; i < Anzahl(); ++i) z.push_back(Zeile(i));
  return z;
}

std::string Auswahlliste::Text() const {
  if (auswahl < 0 || static_cast<std::size_t>(auswahl) >= Anzahl()) return {};
  return Zeile(static_cast<std::size_t>(auswahl));
}

void Auswahlliste::Laden(std::string_view text) {
  quelle_ = nullptr;
  eigene_.clear();
  std::size_t anfang = 0;
  while (anfang < text.size()) {
    std::size_t ende = text.find(CR, anfang);
    if (ende == std::string_view::npos) ende = text.size();
    eigene_.emplace_back(text.substr(anfang, ende - anfang));
    anfang = ende + 1;
  }
  NeuGeladen();
}

void Auswahlliste::Zeige(Zeilenquelle& quelle) {
  eigene_.clear();
  quelle_ = &quelle;
  NeuGeladen();
}

void Auswahlliste::NeuGeladen() {
  ++stand_;
  buch_.Leeren();
  auswahl = -1;
}

void Auswahlliste::Geaendert(const Zeilenaenderung& a) {
  auswahl = -1;
  buch_.Uebernehmen(a);
  // Too many to follow one by one: the view loads the rows anew.
  if (buch_.IstNeu()) NeuGeladen();
}

}  // namespace quarnel
