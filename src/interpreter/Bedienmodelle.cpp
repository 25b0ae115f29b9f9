#include "interpreter/Bedienmodelle.h"

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

}  // namespace quarnel
