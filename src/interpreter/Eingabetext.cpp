#include "interpreter/Eingabetext.h"

#include <vector>

#include "platform/Text.h"

namespace quarnel {

namespace {

// One term without "+": its number characters (a comma read as a point),
// split at the first "/" into numerator and denominator.
double Term(std::string_view s) {
  std::string t;
  for (char c : s) {
    if (c == ',') c = '.';
    if ((c >= '0' && c <= '9') || c == '-' || c == '/' || c == '.') t += c;
  }
  const std::size_t q = t.find('/');
  if (q == std::string::npos) return Val(t);
  const double zaehler = Val(std::string_view(t).substr(0, q));
  const double nenner = Val(std::string_view(t).substr(q + 1));
  if (nenner == 0.0) return zaehler;
  return zaehler / nenner;
}

}  // namespace

double myval(std::string_view s) {
  // The text is the sum of its "+"-separated terms, added from the right:
  // t1 + (t2 + (t3 + ...)). A "+" at the very end separates nothing.
  std::vector<std::string_view> terme;
  std::size_t anfang = 0;
  for (;;) {
    const std::size_t p = s.find('+', anfang);
    if (p == std::string_view::npos || p + 1 == s.size()) {
      terme.push_back(s.substr(anfang));
      break;
    }
    terme.push_back(s.substr(anfang, p - anfang));
    anfang = p + 1;
  }
  double summe = Term(terme.back());
  for (std::size_t i = terme.size() - 1; i-- > 0;) summe = Term(terme[i]) + summe;
  return summe;
}

std::string Kommafrei(std::string_view s) {
  std::string r;
  for (char c : s)
    if (c != ',' && c != ' ') r += c;
  return r;
}

void Filtern(std::string& s) {
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
}

void TeileBeimKomma(std::string s, std::string& a, std::string& b) {
  const std::size_t p = s.find(',');
  if (p == std::string::npos) {
    a = std::move(s);
    return;
  }
  a = s.substr(0, p);
  b = s.substr(p + 1);
}

double LiesWinkel(std::string_view s) { return myval(s); }

}  // namespace quarnel
