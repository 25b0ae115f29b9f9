#pragma once
// The command list is the construction; the objects are its result. Replay
// executes the recorded commands again, in list order, so that every object
// is computed anew from the current data. It records nothing and reads
// nothing from the input form.
namespace quarnel {

class Ablauf;
class Bauraum;
struct BefehlT;

// Executes the one command b against the current objects, with the same
// type guards as the interactive run. A command whose guard fails is skipped
// silently. ablauf.destruktiv is false afterwards.
void BefehlAusfuehren(Ablauf& ablauf, const BefehlT& b);

// Executes every command of the list from its head, then rebuilds the name
// lists once. Does not reset the objects (the callers do) and gives the
// event loop no turn: nothing can change the list while it is walked.
void BefehlslisteAbarbeiten(Ablauf& ablauf);

// The state in which a run begins: the origin "O" as the only object (the
// head of the object list), empty command list, protocol and description
// text, description mode on, both rows of the input form cleared. The stack
// of deleted commands and the automatic numbers are kept.
void Neustart(Ablauf& ablauf);

// Empties the object list: a blank head (no name, type code 0) remains.
void AlleQuarnelLoeschen(Bauraum& raum);

// "Alles Aktualisieren": rebuilds every object from the command list. The
// form kind goes back to 0, the form's rows and the description text are
// cleared, the origin "O" is made as an ordinary point, and the list runs
// from its head; its first command may redefine an existing name, as when a
// file is loaded, so the same list always gives the same construction.
// Both lists are shown anew afterwards.
void AnweisungslisteAusfuehren(Ablauf& ablauf);

}  // namespace quarnel
