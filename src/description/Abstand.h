#pragma once
// The distance of two named objects and its sentence (the distance itself is
// computed by AbstandG, constructions/Abstaende.h).
#include <string>

#include "model/QuarnelT.h"

namespace quarnel {

class Bauraum;
class Beschreibung;

// The distance of the named objects; 0 when a name is missing or the pair
// has no distance (see Abstandausgabe).
double Abstand(const Bauraum& raum, const std::string& s1, const std::string& s2);

// The distance command: puts "Der Abstand von <s1> und <s2> beträgt <d>" on
// top of the description text and refreshes it. Distances exist between
// points, lines, planes and the whole space (0 with the whole space); for any
// other pair, or a missing name, ok becomes false and nothing is written. A
// distance too large to compute is refused with kNichtBerechenbar.
void Abstandausgabe(Beschreibung& beschr, const std::string& s1, const std::string& s2, bool& ok);

}  // namespace quarnel
