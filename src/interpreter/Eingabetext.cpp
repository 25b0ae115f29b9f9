#include "interpreter/Eingabetext.h"

#include <charconv>
#include <cmath>
#include <system_error>
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
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (const std::size_t n = BlankBei(s, i)) {
      i += n - 1;
      continue;
    }
    // A line break pasted into the one-line field shows as a blank there.
    if (s[i] != ',' && static_cast<unsigned char>(s[i]) >= 32) r += s[i];
  }
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

namespace {

// Reads a number text of a file as a short descent: a sum of terms, a term a
// number or a quotient, a number a sign, digits with one point and an
// exponent. Works on the text with the typeset minus as "-", every blank
// (BlankBei) as a space and the comma as a point.
class Zahlleser {
 public:
  explicit Zahlleser(std::string t) : t_(std::move(t)) {}

  // The whole text as a sum of terms joined by "+", or as one term alone.
  bool Summe(double& z, Summanden summanden) {
    std::vector<double> terme;
    double w = 0;
    if (!Term(w)) return false;
    terme.push_back(w);
    Blanks();
    while (summanden == Summanden::mehrere && Ist('+')) {
      ++i_;
      Blanks();
      if (!Term(w)) return false;
      terme.push_back(w);
      Blanks();
    }
    if (i_ != t_.size()) return false;
    // Added from the right, as the form adds its terms.
    double summe = terme.back();
    for (std::size_t k = terme.size() - 1; k-- > 0;) summe = terme[k] + summe;
    if (!std::isfinite(summe)) return false;
    z = summe + 0.0;
    return true;
  }

  void Blanks() {
    while (Ist(' ')) ++i_;
  }

 private:
  bool Ist(char c) const { return i_ < t_.size() && t_[i_] == c; }
  bool Ziffer() const { return i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9'; }
  std::size_t Ziffern() {
    const std::size_t a = i_;
    while (Ziffer()) ++i_;
    return i_ - a;
  }

  bool Term(double& z) {
    if (!Zahl(z)) return false;
    const std::size_t vorher = i_;
    Blanks();
    if (!Ist('/')) {
      i_ = vorher;
      return true;
    }
    ++i_;
    Blanks();
    double nenner = 0;
    if (!Zahl(nenner) || nenner == 0.0) return false;
    z /= nenner;
    return std::isfinite(z);
  }

  bool Zahl(double& z) {
    bool negativ = false;
    if (Ist('+') || Ist('-')) negativ = t_[i_++] == '-';
    const std::size_t anfang = i_;
    std::size_t n = Ziffern();
    if (Ist('.')) {
      ++i_;
      n += Ziffern();
    }
    if (n == 0) return false;
    if (Ist('e') || Ist('E')) {
      ++i_;
      if (Ist('+') || Ist('-')) ++i_;
      if (Ziffern() == 0) return false;
    }
    const char* a = t_.data() + anfang;
    const char* e = t_.data() + i_;
    const auto [ende, fehler] = std::from_chars(a, e, z, std::chars_format::general);
    if (fehler != std::errc() || ende != e || !std::isfinite(z)) return false;
    if (negativ) z = -z;
    return true;
  }

  std::string t_;
  std::size_t i_ = 0;
};

}  // namespace

bool Dateizahl(std::string_view s, double& z, Summanden summanden) {
  std::string t;
  t.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const std::string_view rest = s.substr(i);
    if (rest.starts_with(kMinuszeichen)) {
      t += '-';
      i += kMinuszeichen.size() - 1;
    } else if (const std::size_t n = BlankBei(s, i)) {
      t += ' ';
      i += n - 1;
    } else {
      t += s[i] == ',' ? '.' : s[i];
    }
  }
  Zahlleser leser(std::move(t));
  leser.Blanks();
  double w = 0;
  if (!leser.Summe(w, summanden)) return false;
  z = w;
  return true;
}

}  // namespace quarnel
