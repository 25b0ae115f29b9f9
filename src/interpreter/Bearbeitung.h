#pragma once
// Editing the command list as a whole, loading a protocol file behind it and
// saving it. Deleting a command by its row changes only the command list and
// the protocol text (the caller runs the list again); deleting the last
// command, restoring and moving run the whole list again themselves.
#include <cstdint>
#include <string_view>

namespace quarnel {

class Ablauf;

// The command number of a protocol row: the whole number between its first
// "<" and the ">" after it; 0 when there is none or it is not above 0.
std::int32_t Zeilennummer(std::string_view zeile);

// Deletes the command of the protocol row `zeile` (its number between "<" and
// ">") and puts it on top of the stack of deleted commands. A row without a
// number, or a number beyond the list, changes nothing; false then.
bool LoescheBefehl(Ablauf& ablauf, std::string_view zeile);

// Deletes the last command (false on an empty list, nothing happens then),
// executes the whole list again, so that its object is gone, and empties the
// short result field.
bool LoescheLetztenBefehl(Ablauf& ablauf);

// Takes the most recently deleted command back to the END of the list and
// executes the whole list again. False when nothing is left to restore, and
// when another object bears the name the command defines ("Der verwendete
// Quarnelname <name>  ist unerlaubt oder existiert bereits"): nothing
// changes then, and the command stays on top of the stack until its name is
// free.
bool Restore(Ablauf& ablauf);

// "Alles Löschen" (after the user confirmed): the whole list goes onto the
// stack of deleted commands, first command on top, so that Restore gives it
// back in its old order; then a restart.
void AllesLoeschen(Ablauf& ablauf);

// Double-click on the protocol row `zeile` with number N: the last command
// moves behind command N when N is below the number of the last-but-one
// command; then the whole list is executed again (also when nothing moved).
// A row without a number above 0 does nothing at all.
void BefehlszeileDoppelklick(Ablauf& ablauf, std::string_view zeile);

// "Laden": asks for a file and reads it first. Cancel changes nothing. A file
// that does not begin with "<1>" ("Das ist keine Quarnel-Datei") changes
// nothing either, and only its first bytes are read. Nor does one that cannot
// be read ("Die Datei konnte nicht gelesen werden"): missing, no permission,
// no regular file (a folder, a pipe or a device is refused at once, never
// waited on), larger than MaxProtokollGroesse, or more than the memory holds.
// Each message names the file on its next line and then says why.
// Otherwise the form's rows are cleared, the objects start again from the
// origin "O", the file's commands are appended to the command list (a beep
// for every line that is no command sentence) and the whole list is
// executed. Should memory run out on the way, the appended commands go again
// and the list from before is executed anew. True when a file was loaded.
bool LadeFile(Ablauf& ablauf);
// The part of LadeFile after the file was read: `text` is the file's content.
bool LadeText(Ablauf& ablauf, std::string_view text);

// "Speichern": asks for a place (proposed name "QuarnelDaten") and writes the
// protocol text with one line end. Cancel writes nothing. The file is
// replaced as a whole: a failed write leaves the old file as it was and shows
// "Die Datei konnte nicht gespeichert werden" with the file's name and the
// reason on the next lines. True when saved.
bool SpeichereProtokoll(Ablauf& ablauf);

}  // namespace quarnel
