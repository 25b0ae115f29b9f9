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

// Reads one protocol sentence into b: the sentence whose words the text
// holds (SatzNachWorten) gives the kind, and each of its fields is read by
// what it holds. A name or operand is taken as it stands. The point text, the
// equation text and the rotation angle must be wholly numbers (Dateizahl)
// and are kept as written anew from the numbers read (the same text for
// everything this program writes). A note keeps the blanks it begins with,
// its control characters become blanks, and a note of blanks only is none.
// Returns false and leaves b exactly as it was when the text is no sentence
// or a field does not read; the caller then drops the line.
bool Zeile2Befehl(BefehlT& b, std::string_view satz);

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
