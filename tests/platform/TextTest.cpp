#include "platform/Text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

using namespace quarnel;

namespace {

bool ohneExponent(const std::string& t) { return t.find_first_of("eE+") == std::string::npos; }

double ausBits(std::uint64_t bits) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

}  // namespace

TEST(Str, RoundTripsRandomDoublesInPlainNotation) {
  std::mt19937_64 rng(20240611);
  std::uniform_real_distribution<double> nah(-1000.0, 1000.0);
  for (int i = 0; i < 200000; ++i) {
    // Alternate between every bit pattern (all magnitudes) and ordinary coordinates.
    double x = (i % 2) ? ausBits(rng()) : nah(rng);
    if (!std::isfinite(x)) continue;
    const std::string t = Str(x);
    ASSERT_TRUE(ohneExponent(t)) << t;
    ASSERT_EQ(Val(t), x == 0.0 ? 0.0 : x) << t;
  }
}

TEST(Str, Extremes) {
  const double kleinste = std::numeric_limits<double>::denorm_min();
  const double groesste = std::numeric_limits<double>::max();
  for (double x : {kleinste, -kleinste, groesste, -groesste, 1e-300, 1e300, 2.2250738585072014e-308}) {
    const std::string t = Str(x);
    EXPECT_TRUE(ohneExponent(t)) << t;
    EXPECT_EQ(Val(t), x) << t;
  }
  EXPECT_EQ(Str(1e-300).substr(0, 10), "0.00000000");
  EXPECT_EQ(Str(1e-300).size(), 302u);  // "0." + 299 zeros + "1"
  EXPECT_EQ(Str(groesste).size(), 309u);
}

TEST(Str, ReadableForms) {
  EXPECT_EQ(Str(0.0), "0");
  EXPECT_EQ(Str(-0.0), "0");
  EXPECT_EQ(Str(1.0), "1");
  EXPECT_EQ(Str(-2.0), "-2");
  EXPECT_EQ(Str(100.0), "100");
  EXPECT_EQ(Str(1e12), "1000000000000");
  EXPECT_EQ(Str(1e22), "10000000000000000000000");
  EXPECT_EQ(Str(0.5), "0.5");
  EXPECT_EQ(Str(-0.125), "-0.125");
  EXPECT_EQ(Str(1.0 / 3.0), "0.3333333333333333");
  EXPECT_EQ(Str(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(Str(1e-7), "0.0000001");
  EXPECT_EQ(Str(123.456), "123.456");
  EXPECT_EQ(Str(std::nan("")), "0");
  EXPECT_EQ(Str(std::numeric_limits<double>::infinity()), "0");
  EXPECT_EQ(Str(-std::numeric_limits<double>::infinity()), "0");
  EXPECT_EQ(Str(std::int64_t{-42}), "-42");
  EXPECT_EQ(Str(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(Str(7), "7");
}

TEST(Val, LeadingNumberOnly) {
  EXPECT_EQ(Val(""), 0.0);
  EXPECT_EQ(Val("abc"), 0.0);
  EXPECT_EQ(Val("-"), 0.0);
  EXPECT_EQ(Val("."), 0.0);
  EXPECT_EQ(Val("-.e5"), 0.0);
  EXPECT_EQ(Val("12abc"), 12.0);
  EXPECT_EQ(Val("   2 "), 2.0);
  EXPECT_EQ(Val("-0.5"), -0.5);
  EXPECT_EQ(Val("+3"), 3.0);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("5."), 5.0);
  EXPECT_EQ(Val("1.2.3"), 1.2);
  EXPECT_EQ(Val("3-2"), 3.0);
  EXPECT_EQ(Val("1,5"), 1.0);   // no decimal comma
  EXPECT_EQ(Val("1e3"), 1000.0);
  EXPECT_EQ(Val("2.5E-1x"), 0.25);
  EXPECT_EQ(Val("1e"), 1.0);    // an exponent needs digits
  EXPECT_EQ(Val("1e+"), 1.0);
  EXPECT_EQ(Val("0x1A"), 0.0);  // no hexadecimal
  EXPECT_EQ(Val("inf"), 0.0);
  EXPECT_EQ(Val("nan"), 0.0);
  EXPECT_EQ(Val("\t1"), 0.0);   // only blanks are skipped
  EXPECT_EQ(Val("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val("1e-999"), 0.0);
  EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(Val("1" + std::string(400, '0')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val("0.1"), 0.1);  // correctly rounded
}

TEST(Zahlen, RoundAndSaturatingInt32) {
  EXPECT_EQ(Round(0.5), 1.0);
  EXPECT_EQ(Round(-0.5), -1.0);
  EXPECT_EQ(Round(2.5), 3.0);
  EXPECT_EQ(Round(12.5), 13.0);  // 0.125 · 100: z2s(0.125) with 2 decimals gives 0.13
  EXPECT_EQ(Round(-1.4999), -1.0);
  EXPECT_EQ(Round(1e300), 1e300);

  EXPECT_EQ(CInt32(2.5), 3);
  EXPECT_EQ(CInt32(-2.5), -3);
  EXPECT_EQ(CInt32(2147483646.6), 2147483647);
  EXPECT_EQ(CInt32(2147483647.4), 2147483647);
  EXPECT_EQ(CInt32(3e9), 2147483647);
  EXPECT_EQ(CInt32(1e300), 2147483647);
  EXPECT_EQ(CInt32(std::numeric_limits<double>::infinity()), 2147483647);
  EXPECT_EQ(CInt32(-2147483648.0), -2147483647 - 1);
  EXPECT_EQ(CInt32(-3e9), -2147483647 - 1);
  EXPECT_EQ(CInt32(-std::numeric_limits<double>::infinity()), -2147483647 - 1);
  EXPECT_EQ(CInt32(std::nan("")), 0);
}

TEST(Utf8, PositionsCountCharacters) {
  const std::string s = "Ä-Größe ü";  // 9 characters, 12 bytes
  EXPECT_EQ(Len(s), 9u);
  EXPECT_EQ(Len(""), 0u);
  EXPECT_EQ(Mid(s, 3), "Größe ü");
  EXPECT_EQ(Mid(s, 4, 3), "röß");
  EXPECT_EQ(Mid(s, 9, 5), "ü");
  EXPECT_EQ(Mid(s, 10), "");
  EXPECT_EQ(Mid(s, 0, 2), "");
  EXPECT_EQ(Mid(s, 2, 0), "");
  EXPECT_EQ(Left(s, 1), "Ä");
  EXPECT_EQ(Left(s, 0), "");
  EXPECT_EQ(Left(s, -3), "");
  EXPECT_EQ(Left(s, 100), s);
  EXPECT_EQ(InStr(s, "ö"), 5);
  EXPECT_EQ(InStr(s, "e"), 7);
  EXPECT_EQ(InStr(s, " "), 8);
  EXPECT_EQ(InStr(s, "x"), 0);
  EXPECT_EQ(InStr(s, ""), 0);
  EXPECT_EQ(InStr("a:b:c", ":", 3), 4);
  EXPECT_EQ(InStr("a:b:c", ":", 5), 0);
  EXPECT_EQ(InStr("a:b:c", ":", 99), 0);
  EXPECT_EQ(InStr("a:b:c", ":", -1), 2);
}

TEST(Utf8, BrokenBytesCountOneEach) {
  // A lone continuation byte, a cut-off two-byte sequence at the end, an
  // overlong form and a surrogate: each byte is one character.
  const std::string kaputt = std::string("a\x80") + "ü" + "\xC0\xAF" + "\xED\xA0\x80" + "\xC3";
  EXPECT_EQ(Len(kaputt), 9u);
  EXPECT_EQ(Mid(kaputt, 3, 1), "ü");
  EXPECT_EQ(InStr(kaputt, "\xC3"), 9);  // not inside "ü" (C3 BC)
  EXPECT_EQ(InStr("ü", "\xBC"), 0);     // a trailing byte of a character is no match
  std::string alles;
  for (int b = 0; b < 256; ++b) alles += static_cast<char>(b);
  std::size_t summe = 0;
  for (std::int64_t i = 1; i <= static_cast<std::int64_t>(Len(alles)); ++i) summe += Mid(alles, i, 1).size();
  EXPECT_EQ(summe, alles.size());
}

TEST(TextFunktionen, LeftTrimAndFieldCount) {
  EXPECT_EQ(LTrim("  a b  "), "a b  ");
  EXPECT_EQ(LTrim("\ra"), "\ra");

  EXPECT_EQ(CountFields("", ","), 0);
  EXPECT_EQ(CountFields("A", ","), 1);
  EXPECT_EQ(CountFields(",A,B", ","), 3);
  EXPECT_EQ(CountFields("A,,", ","), 3);
  EXPECT_EQ(CountFields("a und b und c", " und "), 3);
}

namespace {

std::string Utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

}  // namespace

// Every code point is tried: the tab and Unicode's space separators are
// blanks, at either end of a word and inside it, and nothing else is, not
// the line ends, the zero-width space or a lone continuation byte.
TEST(TextFunktionen, BlanksAreTheTabAndEverySpaceSeparator) {
  const std::u32string blanks = U" \t\u00A0\u1680\u2000\u2001\u2002\u2003\u2004\u2005\u2006\u2007\u2008\u2009\u200A"
                                U"\u202F\u205F\u3000";
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const std::string b = Utf8(c);
    const bool blank = blanks.find(c) != std::u32string::npos;
    ASSERT_EQ(BlankBei("a" + b + "b", 1), blank ? b.size() : 0) << std::hex << static_cast<std::uint32_t>(c);
    ASSERT_EQ(BlankVor("a" + b, b.size() + 1), blank ? b.size() : 0) << std::hex << static_cast<std::uint32_t>(c);
    ASSERT_EQ(HatBlank("a" + b + "b"), blank) << std::hex << static_cast<std::uint32_t>(c);
    if (blank) {
      ASSERT_EQ(OhneRandblanks(b + "a b" + b + b), "a b") << std::hex << static_cast<std::uint32_t>(c);
    }
  }
  EXPECT_EQ(BlankBei("\xE2\x80", 0), 0u);  // cut off before its last byte
  EXPECT_EQ(BlankVor("\x80\x80", 2), 0u);
  EXPECT_EQ(NachBlanks("\t \u3000x", 0), 5u);
  EXPECT_EQ(OhneRandblanks(" \u2009 "), "");
}
