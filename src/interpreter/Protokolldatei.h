#pragma once
// The text side of a protocol file: what is written when the command list is
// saved, and how a file's text becomes commands again. Dialogs, messages and
// the re-execution after loading are the caller's business.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

class Befehlsliste;

// The file content of a saved command list: its protocol text and one line
// end, as a text stream's write-line call leaves it.
std::string Dateiinhalt(const Befehlsliste& liste);

// A protocol file begins with "<1>" (a UTF-8 byte order mark before it is
// skipped), or holds nothing but blanks and line ends: that is what saving an
// empty command list writes, and it loads as no command at all. Anything
// else is no protocol file.
bool IstQuarnelDatei(std::string_view text);
// The bytes that decide whether a file may be a protocol file: what
// IstQuarnelDatei refuses on the first AnfangsLaenge bytes of a file is no
// protocol file whatever follows, so it is refused before the rest is read.
// A file that passes there is judged again once it is read whole (its start
// may be blank and something else follow).
inline constexpr std::size_t AnfangsLaenge = 6;

// The largest protocol file that is loaded. A loaded command costs about
// 1 KB while the program holds it (its record, its object, the names, the
// line in the protocol text and its description), measured on protocols of
// 10,000 to 160,000 mixed commands; its line in the file takes about 77
// bytes, so memory grows by about 14 bytes for every byte of the file. At
// 128 MB a file holds some 1.7 million commands, far more than anyone builds,
// and loading it needs about 2 GB, which a desktop machine still has. A
// larger file is refused before it is read instead of exhausting memory.
inline constexpr std::size_t MaxProtokollGroesse = std::size_t{128} << 20;

// The lines of a file text that are read as commands. A line ends at CR, LF
// or CR LF; a last line without line end counts too. Blank lines after the
// last line that holds anything else are not read (normally the empty rest
// after the final line end). A byte order mark at the start is dropped.
std::vector<std::string> Dateizeilen(std::string_view text);

// The sentence of a protocol line. A line's number is "<", digits and ">"
// at its start (blanks before it are forgiven); the sentence is what follows
// it, or the whole line when it has no such number, blanks at its start
// dropped either way. A ">" anywhere else is a character of the sentence, as
// in a name or a note, and so is a "<" that begins no number.
std::string_view SatzDerZeile(std::string_view zeile);

struct Einlesebericht {
  std::size_t angehaengt = 0;          // commands appended to the list
  std::vector<std::size_t> verworfen;  // numbers (from 1) of the lines not read
};

// Reads every line of a protocol file text into a command and appends it to
// the list (after the commands already there). A line is read as the
// sentence whose words it holds, as written or with its blanks edited by
// hand (Zeile2Befehl on SatzDerZeile). Names and notes that hold the words
// of another kind (a point Klon1, a note "Pfeil -> Loesche das Quarnel: A")
// load as what they are, and a line never turns into another command than
// the one its words say. The stack of deleted commands is not touched. Any
// other line, or one whose point or equation text or rotation angle is not
// wholly numbers, is skipped and listed in the report.
// Does not test "<1>".
Einlesebericht Befehlslisteeinlesen(Befehlsliste& liste, std::string_view text);

}  // namespace quarnel
