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
// a note of blanks only fails). The point and equation texts and the
// rotation angle must be wholly numbers (Dateizahl) and are kept as written
// anew from the numbers read (the same text for everything this program
// writes); control characters of a note become blanks. Returns false and
// leaves b exactly as it was when the sentence does not fit the kind's
// layout; the caller then drops the line.
bool Zeile2Befehl(BefehlT& b, std::string_view s, std::int32_t kennung);

// Reads "(x|y|z)" into v: blanks may stand around the numbers and the whole,
// nothing else. Each number is read whole by the rule of file numbers
// (Dateizahl). ok false and v unchanged when a delimiter is missing or a
// number text is not a number.
void Zeile2Vektor(std::string_view s, VektorT& v, bool& ok);

// Reads "a x + b y + c z = d" into A[1..4]: a is the text before the "x",
// b and c the texts between two letters, each after its joining "+" or "-"
// (which gives it its sign), d the text after the "=" behind the "z". Each
// coefficient is read whole as one number (Dateizahl, one summand: a
// fraction but no sum), d as any file number. ok false when a letter, a
// joining sign or the "=" is missing or a coefficient is no number (so a
// constant term anywhere left of the "=" makes the text unread);
// coefficients read before that stay.
void Gleichung2GleichungsFeld(std::string_view s, std::array<double, 5>& A, bool& ok);

// The characters of s from position i to position j inclusive (from 1).
std::string Ausschnitt(std::string_view s, std::int64_t i, std::int64_t j);

}  // namespace quarnel
