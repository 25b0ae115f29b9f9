#pragma once
// Running one command: the filled-in input form (point form, the other
// forms, a collection as first operand), the type guards of every kind and
// the recording of the command in the command list.
#include <cstdint>
#include <string>

namespace quarnel {

class Ablauf;
class Beschreibung;

// Whether operands of the type codes t1, t2, t3 (0 for a missing name) admit
// a command of kind k. The products of two codes read as pairs: 1 point and
// point, 2 point and line, 3 point and plane, 4 line and line, 6 line and
// plane, 9 plane and plane. Both the interactive run and the replay of the
// command list use this one table, so a command that ran once runs again.
bool Waechter(std::int32_t k, std::int32_t t1, std::int32_t t2, std::int32_t t3);

// Runs the construction (kinds 11 to 25, 30) or the measurement (41 to 44)
// of kind k on the named operands, the result named `name`; no name test and
// no guard. Returns whether the object was made (or the output written).
bool Ausfuehren(Beschreibung& beschr, std::int32_t k, const std::string& name, const std::string& a1, const std::string& a2,
                const std::string& a3);

// Whether a command of kind k acts on each member when its first operand is
// a collection (intersection, feet, mirror image, orthogonal, translation,
// rotation).
bool WirktAufGlieder(std::int32_t k);

// Runs the command of kind k whose first operand g1 is a collection: for the
// kinds of WirktAufGlieder once for each member, each result named name, "|"
// and the member's name, the results forming the new collection `name`; a
// clone (30) is a new collection of the same members; show (41) describes
// the collection. Only member results that were made are listed. Returns
// whether anything was made or shown; nothing is recorded here.
bool SammlungAktion(Ablauf& ablauf, std::int32_t k, const std::string& name, const std::string& g1,
                    const std::string& g2, const std::string& g3);

// Runs one command whose first operand is a single object (or none) and, when
// it made its object or output, records it as the last command. An empty name
// of an object-defining kind gets the next automatic name "G_<n>", which is
// given back when nothing is made. Kinds 11 to 31 refuse a name that is not
// allowed or already in use (unless ablauf.destruktiv) with two message boxes.
// Kind 31 takes the member list in AltG1, kind 45 the note text in AltG2; a
// rotation (21) reads its angle in degrees from AltG2. Commands of kinds 40
// to 45 define nothing and are recorded without a name.
// `gliedergebnis`: the call makes the result for one member of a collection
// operation; it is made but neither recorded nor shown in the lists.
// Returns whether the object was made (or the output shown).
bool QuarnelAktionSingle(Ablauf& ablauf, const std::string& NeuG, const std::string& AltG1, const std::string& AltG2,
                         const std::string& AltG3, std::int32_t Kennung, bool gliedergebnis = false);

// Runs the input form of the chosen kind (ablauf.form.AktuelleKennung) on named
// objects: name from the name field (commas and blanks removed), operands
// from the selected rows of the three operand lists (the angle field for a
// rotation, the collect buffer for a collection, the note field for a note).
void QuarnelAktion(Ablauf& ablauf);

// The point of the point form: name from the name field ("G_<n>" when
// empty), x, y, z from the number fields; when it was made, its command is
// appended (kind 1 when `variabel`, else 9). ablauf.destruktiv is false afterwards.
void DefinierePunkt(Ablauf& ablauf, bool variabel = false);

// Return or "Ausführen": runs the form of the chosen kind as one command,
// then empties the name and number fields and refreshes the name lists and
// the protocol text; the form kind stays for the next command.
void TuEs(Ablauf& ablauf);

}  // namespace quarnel
