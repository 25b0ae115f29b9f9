#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace quarnel {

namespace {

// Byte length of the UTF-8 character that starts at s[i]. A byte that does
// not start a well-formed sequence counts as a character of its own, so any
// byte string can be walked without losing or skipping bytes.
std::size_t ZeichenLaenge(std::string_view s, std::size_t i) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = b(i);
  if (c < 0x80) return 1;
  std::size_t n = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) lo = 0xA0;  // no overlong forms
    if (c == 0xED) hi = 0x9F;  // no surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
  } else {
    return 1;
  }
  if (i + n > s.size()) return 1;
  if (b(i + 1) < lo || b(i + 1) > hi) return 1;
  for (std::size_t k = 2; k < n; ++k)
    if (b(i + k) < 0x80 || b(i + k) > 0xBF) return 1;
  return n;
}

// Byte offset of the character at 1-based position pos; s.size() when the
// text has fewer characters (pos one past the end lands there too).
// npos when pos lies beyond that.
std::size_t ByteOffset(std::string_view s, std::int64_t pos) {
  std::size_t i = 0;
  for (std::int64_t k = 1; k < pos; ++k) {
    if (i >= s.size()) return std::string_view::npos;
    i += ZeichenLaenge(s, i);
  }
  return i;
}

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }
bool IstBlank(char c) { return c == ' '; }

// Decimal order of magnitude of a scanned number "ddd.ddd[e[-]ddd]": the
// position of its first significant digit relative to the decimal point
// (1 for 1..9.99, 0 for 0.1..0.999, -1 for 0.01.., and so on).
long Groessenordnung(std::string_view zahl) {
  const std::size_t e = zahl.find('e');
  long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view t = zahl.substr(e + 1);
    const bool neg = !t.empty() && t.front() == '-';
    if (neg) t.remove_prefix(1);
    for (char c : t) {
      exponent = exponent * 10 + (c - '0');
      if (exponent > 1000000) break;  // far outside every double
    }
    if (neg) exponent = -exponent;
    zahl = zahl.substr(0, e);
  }
  const std::size_t punkt = std::min(zahl.find('.'), zahl.size());
  const std::size_t erste = zahl.find_first_not_of("0.");
  if (erste == std::string_view::npos) return 0;
  const long lage = erste < punkt ? static_cast<long>(punkt - erste) : -static_cast<long>(erste - punkt - 1);
  return lage + exponent;
}

}  // namespace

std::string Str(double x) {
  if (!std::isfinite(x) || x == 0.0) return "0";
  // Shortest digits that read back to x, as d.ddde±XX; then written out
  // positionally so that no exponent ever appears.
  std::array<char, 64> buf{};
  auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::scientific);
  if (ec != std::errc()) return "0";
  std::string_view sci(buf.data(), static_cast<std::size_t>(end - buf.data()));

  std::string text;
  std::size_t i = 0;
  if (sci[i] == '-') {
    text += '-';
    ++i;
  }
  std::string ziffern;
  for (; i < sci.size() && sci[i] != 'e'; ++i)
    if (sci[i] != '.') ziffern += sci[i];
  int exponent = 0;
  std::string_view exp = sci.substr(i + 1);
  if (!exp.empty() && exp.front() == '+') exp.remove_prefix(1);
  std::from_chars(exp.data(), exp.data() + exp.size(), exponent);
  while (ziffern.size() > 1 && ziffern.back() == '0') ziffern.pop_back();

  // Number of digits before the decimal point.
  const long vorKomma = static_cast<long>(exponent) + 1;
  const long n = static_cast<long>(ziffern.size());
  if (vorKomma <= 0) {
    text += "0.";
    text.append(static_cast<std::size_t>(-vorKomma), '0');
    text += ziffern;
  } else if (vorKomma >= n) {
    text += ziffern;
    text.append(static_cast<std::size_t>(vorKomma - n), '0');
  } else {
    text += ziffern.substr(0, static_cast<std::size_t>(vorKomma));
    text += '.';
    text += ziffern.substr(static_cast<std::size_t>(vorKomma));
  }
  return text;
}

std::string Str(std::int64_t n) { return std::to_string(n); }

double Val(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && IstBlank(s[i])) ++i;
  bool negativ = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
    negativ = s[i] == '-';
    ++i;
  }
  // The number proper: digits, optionally "." and digits, at least one digit.
  std::string zahl;
  std::size_t ziffern = 0;
  while (i < s.size() && IstZiffer(s[i])) {
    zahl += s[i++];
    ++ziffern;
  }
  if (i < s.size() && s[i] == '.') {
    zahl += s[i++];
    while (i < s.size() && IstZiffer(s[i])) {
      zahl += s[i++];
      ++ziffern;
    }
  }
  if (ziffern == 0) return 0.0;
  if (zahl.back() == '.') zahl.pop_back();
  if (zahl.front() == '.') zahl.insert(zahl.begin(), '0');
  // An exponent counts only when at least one digit follows it.
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t k = i + 1;
    std::string exp = "e";
    if (k < s.size() && (s[k] == '-' || s[k] == '+')) {
      if (s[k] == '-') exp += '-';
      ++k;
    }
    if (k < s.size() && IstZiffer(s[k])) {
      while (k < s.size() && IstZiffer(s[k])) exp += s[k++];
      zahl += exp;
    }
  }
  double wert = 0.0;
  auto [ptr, ec] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert, std::chars_format::general);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    // Too large gives infinity, too small gives zero, as the C library does.
    wert = Groessenordnung(zahl) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc()) {
    return 0.0;
  }
  return negativ ? -wert : wert;
}

double Round(double x) { return std::round(x); }

std::int32_t CInt32(double x) {
  if (std::isnan(x)) return 0;
  const double r = std::round(x);
  if (r >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (r <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(r);
}

std::size_t Len(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); i += ZeichenLaenge(s, i)) ++n;
  return n;
}

std::string Mid(std::string_view s, std::int64_t start, std::int64_t count) {
  if (start < 1 || count == 0) return {};
  const std::size_t a = ByteOffset(s, start);
  if (a == std::string_view::npos || a >= s.size()) return {};
  if (count < 0) return std::string(s.substr(a));
  std::size_t e = a;
  for (std::int64_t k = 0; k < count && e < s.size(); ++k) e += ZeichenLaenge(s, e);
  return std::string(s.substr(a, e - a));
}

std::string Left(std::string_view s, std::int64_t count) {
  if (count <= 0) return {};
  return Mid(s, 1, count);
}

std::int64_t InStr(std::string_view s, std::string_view what, std::int64_t start) {
  if (what.empty()) return 0;
  if (start < 1) start = 1;
  std::size_t i = ByteOffset(s, start);
  if (i == std::string_view::npos) return 0;
  std::int64_t pos = start;
  // A match counts only where it begins and ends on character boundaries.
  std::size_t suche = i;
  while (suche < s.size()) {
    const std::size_t f = s.find(what, suche);
    if (f == std::string_view::npos) return 0;
    while (i < f) {
      i += ZeichenLaenge(s, i);
      ++pos;
    }
    if (i == f) {
      std::size_t e = f;
      while (e < f + what.size()) e += ZeichenLaenge(s, e);
      if (e == f + what.size()) return pos;
    }
    suche = f + 1;
  }
  return 0;
}

std::string LTrim(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && IstBlank(s[i])) ++i;
  return std::string(s.substr(i));
}

std::int64_t CountFields(std::string_view s, std::string_view sep) {
  if (s.empty()) return 0;
  if (sep.empty()) return 1;
  std::int64_t n = 1;
  for (std::size_t i = s.find(sep); i != std::string_view::npos; i = s.find(sep, i + sep.size())) ++n;
  return n;
}

std::size_t BreiterBlankBei(std::string_view s, std::size_t i) {
  if (i >= s.size()) return 0;
  const auto b = [&](std::size_t k) { return k < s.size() ? static_cast<unsigned char>(s[k]) : 0u; };
  switch (b(i)) {
    case 0xC2: return b(i + 1) == 0xA0 ? 2 : 0;                      // U+00A0
    case 0xE1: return b(i + 1) == 0x9A && b(i + 2) == 0x80 ? 3 : 0;  // U+1680
    case 0xE2:
      if (b(i + 1) == 0x80 && ((b(i + 2) >= 0x80 && b(i + 2) <= 0x8A) || b(i + 2) == 0xAF)) return 3;  // U+2000..200A, U+202F
      return b(i + 1) == 0x81 && b(i + 2) == 0x9F ? 3 : 0;                                            // U+205F
    case 0xE3: return b(i + 1) == 0x80 && b(i + 2) == 0x80 ? 3 : 0;  // U+3000
    default: return 0;
  }
}

std::size_t BlankVor(std::string_view s, std::size_t e) {
  for (std::size_t n = 1; n <= 3 && n <= e; ++n)
    if (BlankBei(s, e - n) == n) return n;
  return 0;
}

std::size_t NachBlanks(std::string_view s, std::size_t i) {
  while (std::size_t n = BlankBei(s, i)) i += n;
  return i;
}

std::string_view OhneRandblanks(std::string_view s) {
  s.remove_prefix(std::min(NachBlanks(s, 0), s.size()));
  while (std::size_t n = BlankVor(s, s.size())) s.remove_suffix(n);
  return s;
}

bool HatBlank(std::string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i)
    if (BlankBei(s, i) != 0) return true;
  return false;
}

}  // namespace quarnel
