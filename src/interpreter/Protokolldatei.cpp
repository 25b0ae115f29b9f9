#include "interpreter/Protokolldatei.h"

#include <algorithm>

#include "interpreter/BefehlT.h"
#include "interpreter/Saetze.h"
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

std::string Dateiinhalt(const Befehlsliste& liste) { return Protokolltext(liste) + "\n"; }

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
    const std::size_t e = std::min(text.find_first_of("\r\n", i), text.size());
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

std::string SatzDerZeile(std::string_view zeile) {
  const std::size_t q = zeile.find('>');
  if (q == std::string_view::npos || q == 0) return std::string(zeile);
  return LTrim(zeile.substr(q + 1));
}

namespace {

// A line is read as the sentence whose words it holds, written as the
// program writes it or with other blanks (SatzNachWorten), and then by that
// sentence's field rules. Names and notes that hold the keyword of another
// kind (a point Klon1, a note "nicht verwendet") load as what they are, and
// a line never turns into another command than the one its words say.
bool LiesSatz(BefehlT& b, std::string_view satz) {
  std::string eigener;
  const std::int32_t k = SatzNachWorten(satz, eigener);
  return k != KeineKennung && Zeile2Befehl(b, eigener, k);
}

}  // namespace

Einlesebericht Befehlslisteeinlesen(Befehlsliste& liste, std::string_view text) {
  Einlesebericht bericht;
  std::size_t n = 0;
  FuerJedeZeile(text, [&](std::string_view zeile) {
    ++n;
    std::string satz = SatzDerZeile(zeile);
    // Every sentence ends in one blank; an editor may have cut it off.
    if (satz.empty() || satz.back() != ' ') satz += ' ';
    BefehlT b;
    if (!LiesSatz(b, satz)) {
      bericht.verworfen.push_back(n);
      return;
    }
    liste.Anhaengen(std::move(b));
    ++bericht.angehaengt;
  });
  return bericht;
}

}  // namespace quarnel
