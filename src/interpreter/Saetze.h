#pragma once
// The German sentence of each command and the numbered protocol text that
// the command list shows and a protocol file stores. The wording, blanks and
// colons are a file format as well as a display text.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/VektorT.h"

namespace quarnel {

class Befehlsliste;
struct BefehlT;

// The sentence of one command, followed by one blank; a kind without a
// sentence gives the single blank.
std::string BText(std::int32_t kennung, std::string_view NeuG, std::string_view AltG1,
                  std::string_view AltG2, std::string_view AltG3);
std::string BText(const BefehlT& b);

// Command n's row in the command list box: "<n>", four blanks, the sentence.
std::string Befehlszeile(std::int64_t n, const BefehlT& b);
// One protocol line: the row and CR.
std::string Protokollzeile(std::int64_t n, const BefehlT& b);
// All lines of the list, numbered from 1; "" for an empty list.
std::string Protokolltext(const Befehlsliste& liste);

// The kind whose sentence the text is, word for word: the fixed pieces of the
// sentence must stand where they belong; the new name must keep the name rule
// (Objektliste::ErlaubterName), every operand is a run of characters without
// blank, colon and control characters; the point text, the equation text and
// the note may be any rest of the line. The closing blank may be missing.
// 0 when the text is no command sentence (also for the kinds that have none).
std::int32_t ErkenneKennung(std::string_view satz);

// The kind of a line that holds the words of a sentence, as written
// (ErkenneKennung) or with other blanks, as a text editor leaves them: more
// than one where the sentence has one, one where it has two, none or some
// at a colon; a tab and a no-break space count as blanks. The name is a
// word that keeps the name rule, each operand one word, the point text,
// equation text and note the rest of the line (a note as written keeps the
// blanks it begins with). satz is then the program's own sentence of those
// words; 0 (satz untouched) when the line is no sentence.
std::int32_t SatzNachWorten(std::string_view zeile, std::string& satz);

// The coordinate text of a point command, "(x|y|z)", each component written
// with Str: the shortest text that reads back to the same double, so a
// protocol keeps the point exactly, whatever the number of decimals shown.
std::string Koordinatentext(const VektorT& v);
std::string Koordinatentext(double x, double y, double z);
// The equation text of a plane command: a "x + " b "y + " c "z = " d, each
// number written with Str.
std::string Gleichungstext(double a, double b, double c, double d);

}  // namespace quarnel
