#pragma once
// The angle between two lines, a line and a plane, or two planes, and its
// sentence in the description area.
#include <string>

namespace quarnel {

class Bauraum;
class Beschreibung;

// The angle in degrees between the objects named s1 and s2, from their
// directions and normals: 0 to 180 for two lines or two planes, 0 to 90 for a
// line and a plane. Returns 0 and leaves ok as it is when ok is false on
// entry. Any other pair of objects, or a name that names no object, gives 0
// and ok false. A null direction or normal gives the no-angle marker
// kKeinWinkel (after its message) and ok false.
double WinkelZwischen(Bauraum& raum, const std::string& s1, const std::string& s2, bool& ok);

// Computes the angle, folds it into 0 to 90 degrees and puts the sentence
// "Der Winkel zwischen s1 und s2 beträgt wº" on top of the description text.
// A pair of objects that encloses no angle gets a message instead, and ok
// becomes false.
void Winkelausgabe(Beschreibung& beschr, const std::string& s1, const std::string& s2, bool& ok);

}  // namespace quarnel
