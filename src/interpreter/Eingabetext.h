#pragma once
// Rules between what the user types and what the geometry receives.
#include <string>
#include <string_view>

namespace quarnel {

// The minus sign of typeset text (U+2212), as a number copied from a document
// or a web page carries it: a minus like the hyphen, in the form and in files.
inline constexpr std::string_view kMinuszeichen = "\xE2\x88\x92";

// The number a typed text stands for. A decimal comma counts as a point and
// the typeset minus sign (U+2212) as "-";
// "a/b" is a fraction; terms joined by "+" are added, so a mixed number is
// written 7+1/5. Characters that cannot belong to a number are dropped; a
// zero or missing denominator is ignored; a text without digits gives 0.
// The result is always a finite number and never -0: a number, quotient or
// sum beyond the range of doubles counts as 0, a denominator so small that
// the quotient would overflow is ignored like a zero one.
double myval(std::string_view s);

// The typed object name without its commas, blanks (of every kind) and
// control characters (a pasted line break).
std::string Kommafrei(std::string_view s);

// Every control character (code below 32) of a note becomes one blank, so a
// recorded note stays on one protocol line.
void Filtern(std::string& s);

// One step through a comma-separated member list: a := the text before the
// first comma (the whole text when there is none); b := the text after it
// (b is left unchanged when there is no comma). s may be the same string as b.
void TeileBeimKomma(std::string s, std::string& a, std::string& b);

// Whether a number of a file may be a sum: a mixed number "7+1/5" is one
// number where it stands alone, but in front of a letter of an equation
// "7+1/5x" may as well be the constant 7 and the term 1/5x, so a coefficient
// is read as one summand only.
enum class Summanden { mehrere, einer };

// A number of a protocol file: a coordinate, an equation coefficient or a
// rotation angle. The text this program writes reads back to the same
// double; a decimal comma and the typeset minus sign (also in the exponent)
// read as in the form, and so do fractions and mixed numbers ("1/3",
// "7+1/5": terms joined by "+", each a number or a quotient of two; with
// Summanden::einer one such term only). Unlike the form, an exponent counts:
// "1e3" is 1000. Blanks (of every kind) may stand around the text and
// around "+" and "/". Anything else is no number: false, and z is left
// alone. So is a quotient with a zero denominator and a value beyond the
// range of doubles. -0 reads as 0.
bool Dateizahl(std::string_view s, double& z, Summanden summanden = Summanden::mehrere);

// The rotation angle typed in degrees, read with the number rule above, so
// "22,5" is 22.5 degrees.
double LiesWinkel(std::string_view s);

}  // namespace quarnel
