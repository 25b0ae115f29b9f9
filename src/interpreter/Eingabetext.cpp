#include "interpreter/Eingabetext.h"

#include <cmath>
#include <vector>

#include "platform/Text.h"

namespace quarnel {

namespace {

// A number text as a double; a text whose value lies beyond the range of
// doubles (400 digits, say) counts as no number, that is 0, so that no
// infinite coordinate ever reaches the geometry.
double Zahl(std::string_view t) {
  const double z = Val(t);
  return std::isfinite(z) ? z : 0.0;
}

// One term without "+": its number characters (a comma read as a point),
// split at the first "/" into numerator and denominator. A denominator of 0
// is ignored, and so is one so small that the quotient would overflow: the
// term is then its numerator.
double Term(std::string_view s) {
  std::string t;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (s.substr(i, kMinuszeichen.size()) == kMinuszeichen) {
      c = '-';
      i += kMinuszeichen.size() - 1;
    }
    if (c == ',') c = '.';
    if ((c >= '0' && c <= '9') || c == '-' || c == '/' || c == '.') t += c;
  }
  const std::size_t q = t.find('/');
  if (q == std::string::npos) return Zahl(t);
  const double zaehler = Zahl(std::string_view(t).substr(0, q));
  const double nenner = Zahl(std::string_view(t).substr(q + 1));
  if (nenner == 0.0) return zaehler;
  const double quotient = zaehler / nenner;
  return std::isfinite(quotient) ? quotient : zaehler;
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
  // A sum beyond the range of doubles counts as no number either. Adding 0
  // turns -0 into 0: the coordinate text of a point writes both as "0", and
  // the point must be the same after its protocol was saved and loaded.
  if (!std::isfinite(summe)) return 0.0;
  return summe + 0.0;
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
