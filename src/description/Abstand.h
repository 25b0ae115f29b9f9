#pragma once
// The distance between two points, lines or planes, and its sentence.
#include <string>

#include "model/QuarnelT.h"

namespace quarnel {

class HauptF;

// The distance (never negative) between g1 and g2, each a point, a line or a
// plane; 0 for any other object. A value that counts as zero is exactly 0.
double AbstandG(HauptF& h, const QuarnelT& g1, const QuarnelT& g2);

// The distance of the named objects; 0 when a name is missing or the pair
// has no distance (see Abstandausgabe).
double Abstand(HauptF& h, const std::string& s1, const std::string& s2);

// The distance command: puts "Der Abstand von <s1> und <s2> beträgt <d>" on
// top of the description text and refreshes it. Distances exist between
// points, lines, planes and the whole space (0 with the whole space); for any
// other pair, or a missing name, ok becomes false and nothing is written. A
// distance too large to compute is refused with kNichtBerechenbar.
void Abstandausgabe(HauptF& h, const std::string& s1, const std::string& s2, bool& ok);

}  // namespace quarnel
