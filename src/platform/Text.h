#pragma once
// Number and string services of the desktop framework, written for this program.
// Text is UTF-8; every length and position counts characters (code points),
// and positions start at 1.
#include <cstdint>
#include <string>
#include <string_view>

namespace quarnel {

// Line separator inside the program: carriage return (13).
inline constexpr char CR = '\r';

// Shortest text that reads back to the same double, in fixed notation,
// never with an exponent or "+"; "-0" is written "0"; whole values have
// no decimal point. Non-finite values are written "0".
std::string Str(double x);
std::string Str(std::int64_t n);
inline std::string Str(int n) { return Str(static_cast<std::int64_t>(n)); }

// Leading decimal number of the text (leading blanks skipped, optional sign,
// digits, optional "." and digits, optional exponent); 0 when there is none.
double Val(std::string_view s);

// Round to the nearest whole number, halves away from zero.
double Round(double x);
// Double to Int32: rounds to nearest, saturates outside the range, NaN gives 0.
std::int32_t CInt32(double x);

// Number of characters (code points).
std::size_t Len(std::string_view s);
// Characters from position start (1-based) on, at most count of them
// (all that remain when count is omitted). Out-of-range positions give "".
std::string Mid(std::string_view s, std::int64_t start, std::int64_t count = -1);
std::string Left(std::string_view s, std::int64_t count);
// Character position (1-based) of the first occurrence of what at or after
// position start; 0 when absent.
std::int64_t InStr(std::string_view s, std::string_view what, std::int64_t start = 1);
// Blanks removed from the left.
std::string LTrim(std::string_view s);

// What separates words wherever the program reads text: the space, the tab,
// the no-break space and every other space separator of Unicode (U+1680,
// U+2000 to U+200A, U+202F, U+205F, U+3000). A reader cannot tell them apart
// on the screen, so no name holds one and no file line means another thing
// by one. BlankBei gives the byte length of the blank that begins at byte i
// of s, BlankVor that of the blank that ends just before byte e; 0 when none.
// BlankBei is inline, as readers ask it for every byte of a line: most bytes
// are no blank and are told so at once.
std::size_t BreiterBlankBei(std::string_view s, std::size_t i);  // from byte C2, E1, E2, E3
inline std::size_t BlankBei(std::string_view s, std::size_t i) {
  if (i >= s.size()) return 0;
  const auto c = static_cast<unsigned char>(s[i]);
  if (c == ' ' || c == '\t') return 1;
  return c >= 0xC2 && c <= 0xE3 ? BreiterBlankBei(s, i) : 0;
}
std::size_t BlankVor(std::string_view s, std::size_t e);
// Byte position of the first character at or after byte i that is no blank.
std::size_t NachBlanks(std::string_view s, std::size_t i);
// The text without the blanks at its two ends.
std::string_view OhneRandblanks(std::string_view s);
// Does the text hold a blank anywhere?
bool HatBlank(std::string_view s);
// Fields separated by sep: the count (0 for an empty text).
std::int64_t CountFields(std::string_view s, std::string_view sep);

}  // namespace quarnel
