#include "interpreter/Protokolldatei.h"

#include <algorithm>

#include "interpreter/Befehlsliste.h"
#include "interpreter/Zeilenparser.h"
#include "platform/Text.h"

namespace quarnel {

namespace {

constexpr std::string_view kBOM = "\xEF\xBB\xBF";

std::string_view OhneBOM(std::string_view text) {
  if (text.substr(0, kBOM.size()) == kBOM) text.remove_prefix(kBOM.size());
  return text;
}

}  // namespace

std::string Dateiinhalt(const Befehlsliste& liste) { return liste.Protokoll() + "\n"; }

namespace {
constexpr std::string_view kLeer = " \t\r\n";
}  // namespace

bool IstQuarnelDatei(std::string_view text) {
  text = OhneBOM(text);
  return text.substr(0, 3) == "<1>" || text.find_first_not_of(kLeer) == std::string_view::npos;
}

namespace {

// Calls f with each line of the file text that is read as a command, as a
// view into the text, so that a file of millions of lines is walked without
// copying it.
template <class F> void FuerJedeZeile(std::string_view text, F&& f) {
  text = OhneBOM(text);
  // The blank rest behind the last line that holds anything else is not
  // read (normally the line end that saving appends); every line before it
  // is, with or without its number.
  const std::size_t letztes = text.find_last_not_of(" \t\r\n");
  if (letztes == std::string_view::npos) return;
  std::size_t i = 0;
  while (i <= letztes) {
    std::size_t e = i;
    while (e < text.size() && text[e] != '\r' && text[e] != '\n') ++e;
    f(text.substr(i, e - i));
    i = e;
    if (i < text.size()) {
      // CR LF is one line end; a lone CR or LF is one too.
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++i;
    }
  }
}

}  // namespace

std::vector<std::string> Dateizeilen(std::string_view text) {
  std::vector<std::string> zeilen;
  FuerJedeZeile(text, [&](std::string_view z) { zeilen.emplace_back(z); });
  return zeilen;
}

std::string_view SatzDerZeile(std::string_view zeile) {
  std::size_t i = NachBlanks(zeile, 0);
  if (i < zeile.size() && zeile[i] == '<') {
    std::size_t z = i + 1;
    while (z < zeile.size() && zeile[z] >= '0' && zeile[z] <= '9') ++z;
    if (z > i + 1 && z < zeile.size() && zeile[z] == '>') i = NachBlanks(zeile, z + 1);
  }
  return zeile.substr(i);
}

Einlesebericht Befehlslisteeinlesen(Befehlsliste& liste, std::string_view text) {
  Einlesebericht bericht;
  std::size_t n = 0;
  FuerJedeZeile(text, [&](std::string_view zeile) {
    ++n;
    BefehlT b;
    if (!Zeile2Befehl(b, SatzDerZeile(zeile))) {
      bericht.verworfen.push_back(n);
      return;
    }
    liste.Anhaengen(std::move(b));
    ++bericht.angehaengt;
  });
  return bericht;
}

}  // namespace quarnel
