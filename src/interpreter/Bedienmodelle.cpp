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
  InSicht(0);
}

void Auswahlliste::Geaendert(const Zeilenaenderung& a) {
  auswahl = -1;
  buch_.Uebernehmen(a);
  // Too many to follow one by one: the view loads the rows anew.
  if (buch_.IstNeu()) NeuGeladen();
}


namespace {

// A text with its letters in one case, so that two texts compare without
// theirs: A to Z and the umlauts Ä, Ö, Ü (two bytes in UTF-8, the second
// 0x20 below the small letter's); every other character stays as it is.
std::string OhneFall(std::string_view s) {
  std::string t(s);
  for (std::size_t i = 0; i < t.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(t[i]);
    if (c >= 'A' && c <= 'Z') t[i] = static_cast<char>(c - 'A' + 'a');
    if (c == 0xC3 && i + 1 < t.size()) {
      const unsigned char d = static_cast<unsigned char>(t[i + 1]);
      if (d == 0x84 || d == 0x96 || d == 0x9C) t[i + 1] = static_cast<char>(d + 0x20);
      ++i;
    }
  }
  return t;
}

// Whether the text is one character (in UTF-8), once or more, and that
// character.
bool EinZeichen(std::string_view s, std::string_view& zeichen) {
  std::size_t anfang = s.size() - 1;
  while (anfang > 0 && (static_cast<unsigned char>(s[anfang]) & 0xC0) == 0x80) --anfang;
  zeichen = s.substr(anfang);
  for (std::size_t i = 0; i < s.size(); i += zeichen.size())
    if (s.substr(i, zeichen.size()) != zeichen) return false;
  return true;
}

}  // namespace

int Auswahlliste::Tippziel(std::string_view getippt) const {
  const std::size_t n = Anzahl();
  if (getippt.empty() || n == 0) return -1;
  const bool gewaehlt = auswahl >= 0 && static_cast<std::size_t>(auswahl) < n;
  std::string_view zeichen;
  const bool weiter = EinZeichen(getippt, zeichen);
  if (weiter) getippt = zeichen;
  std::size_t ab = 0;
  if (gewaehlt) ab = static_cast<std::size_t>(auswahl) + (weiter ? 1 : 0);
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t i = (ab + k) % n;
    if (Zeile(i).starts_with(getippt)) return static_cast<int>(i);
  }
  const std::string klein = OhneFall(getippt);
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t i = (ab + k) % n;
    if (OhneFall(Zeile(i)).starts_with(klein)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace quarnel
