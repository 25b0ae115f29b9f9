#pragma once
// Turning one protocol sentence back into a command, and reading the point
// and equation texts of point and plane commands.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/VektorT.h"

namespace quarnel {

struct BefehlT;

// Fills b from the sentence s (the protocol line without its "<n>" and the
// blanks after it) read as a command of kind `kennung`: the new name is the
// text before the first blank (kinds below 40), each operand the text after a
// colon, leading blanks dropped, up to the next blank; the point text (kinds
// 1, 9), the equation text (2, 10) and the note (45) are the whole rest,
// without the one closing blank that the sentence adds (the note also
// without the one blank after "Hinweis:", so its own leading blanks stay;
// a note of blanks only fails). The point and
// equation texts are kept as written anew from the numbers read (the same
// text for everything this program writes); control characters of a note
// become blanks. Returns false and leaves b exactly as it was when the
// sentence does not fit the kind's layout; the caller then beeps and drops
// the line.
bool Zeile2Befehl(BefehlT& b, std::string_view s, std::int32_t kennung);

// Reads "(x|y|z)" (blanks around the numbers allowed, text before "(" and
// after ")" ignored) into v. Here and in the equation text a number may
// begin with the typeset minus sign (U+2212) in place of "-". ok false and v
// unchanged when a delimiter is missing, a number text is empty or a number
// is too large for a double.
void Zeile2Vektor(std::string_view s, VektorT& v, bool& ok);

// Reads "a x + b y + c z = d" into A[1..4]. ok false when "x", "y" or "z" is
// missing or stands first in its piece, or a coefficient is too large for a
// double; coefficients read before that stay.
void Gleichung2GleichungsFeld(std::string_view s, std::array<double, 5>& A, bool& ok);

// The characters of s from position i to position j inclusive (from 1).
std::string Ausschnitt(std::string_view s, std::int64_t i, std::int64_t j);

}  // namespace quarnel
