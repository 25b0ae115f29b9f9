#pragma once
// The German sentence of each command and the numbered protocol text that
// the command list shows and a protocol file stores. The wording, blanks and
// colons are a file format as well as a display text. One table holds every
// sentence: its fixed words and its fields. The same table writes the
// sentences and finds the fields of a line when a file is read.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/VektorT.h"

namespace quarnel {

struct BefehlT;

// What a field of a sentence holds, and so how its text is read.
enum class Feld : std::uint8_t {
  Name,       // NeuG, the name of the object defined
  Operand1,   // AltG1, AltG2, AltG3: the names of the objects used (one
  Operand2,   // word each; a collection's member list is one word too)
  Operand3,
  Winkel,     // AltG2 of a rotation: the angle in degrees, one word
  Punkt,      // AltG1: the coordinate text "(x|y|z)", the rest of the line
  Gleichung,  // AltG1: the equation text, the rest of the line
  Notiz,      // AltG2: the note, the rest of the line
};

// Which text of the command a field is: 0 NeuG, 1 AltG1, 2 AltG2, 3 AltG3.
constexpr std::size_t Stelle(Feld f) {
  switch (f) {
    case Feld::Name: return 0;
    case Feld::Operand1:
    case Feld::Punkt:
    case Feld::Gleichung: return 1;
    case Feld::Operand2:
    case Feld::Winkel:
    case Feld::Notiz: return 2;
    case Feld::Operand3: return 3;
  }
  return 0;
}

// The sentence of one command, followed by one blank; a kind without a
// sentence gives the single blank.
std::string BText(std::int32_t kennung, std::string_view NeuG, std::string_view AltG1,
                  std::string_view AltG2, std::string_view AltG3);
std::string BText(const BefehlT& b);

// Command n's row in the command list box: "<n>", four blanks, the sentence.
std::string Befehlszeile(std::int64_t n, const BefehlT& b);
// One protocol line: the row and CR.
std::string Protokollzeile(std::int64_t n, const BefehlT& b);

// The fields a line holds when it holds the words of a sentence: views into
// the line, in the sentence's order.
struct Satzworte {
  struct Wort {
    Feld feld = Feld::Name;
    std::string_view text;
  };
  std::int32_t kennung = 0;
  std::array<Wort, 4> felder{};
  std::size_t anzahl = 0;
};

// Does the line hold the words of a sentence? As the program writes it, or
// with its blanks edited by hand: more than one where the sentence has one,
// one where it has two, none or some at a colon, and any blank of the blank
// rule (BlankBei) for a space. The name must keep the name rule
// (Objektliste::ErlaubterName: a line naming something that can never be
// defined is no command), each operand and the angle is one word without
// colon and control characters, the point text, equation text and note are
// the rest of the line but its one closing blank. Blanks may stand before
// the sentence and after its last word. Where the fixed words stand exactly
// as written, the rest begins right after them, so a note keeps the blanks
// it begins with. False (worte undefined) when the line is no sentence.
bool SatzNachWorten(std::string_view zeile, Satzworte& worte);

// The coordinate text of a point command, "(x|y|z)", each component written
// with Str: the shortest text that reads back to the same double, so a
// protocol keeps the point exactly, whatever the number of decimals shown.
std::string Koordinatentext(const VektorT& v);
std::string Koordinatentext(double x, double y, double z);
// The equation text of a plane command: a "x + " b "y + " c "z = " d, each
// number written with Str.
std::string Gleichungstext(double a, double b, double c, double d);

}  // namespace quarnel
