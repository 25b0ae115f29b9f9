#pragma once
// Intersection of two objects, feet of perpendiculars, and the foot and the
// mirror image of a single point on an object.
#include <string>

#include "model/QuarnelT.h"
#include "model/VektorT.h"

namespace quarnel {

class HauptF;

// The intersection of a and b, written into r (type code and vectors). Never
// fails and shows no message: objects without a common point give the empty
// object. r's name is left as it is.
void Schnitt(HauptF& h, const QuarnelT& a, const QuarnelT& b, QuarnelT& r);

// One point common to two planes that are not parallel. Shows "Verfehlter
// Aufruf von GemeinsamerEbenenpunkt" and leaves p untouched when e1 or e2 is
// not a plane.
void GemeinsamerEbenenpunkt(HauptF& h, const QuarnelT& e1, const QuarnelT& e2, VektorT& p);

// The foot of the perpendicular from p on g (a point, a line or a plane);
// false and f untouched for any other object.
bool LotfusspunktPG(HauptF& h, const VektorT& p, const QuarnelT& g, VektorT& f);
// The image of p in g (a point, a line or a plane); false and r untouched for
// any other object.
bool SpiegelePG(HauptF& h, const VektorT& p, const QuarnelT& g, VektorT& r);
// Whether p lies on the point, line or plane g (within the tolerance).
bool IstPunktvon(HauptF& h, const VektorT& p, const QuarnelT& g);

// The intersection of the objects named a and b, entered as G.
void ErzeugeSchnitt(HauptF& h, const std::string& a, const std::string& b, QuarnelT& G, bool& ok);
// The orthogonal projection of the object named a onto the object named b
// (the set of the feet of all perpendiculars), entered as G.
void ErzeugeLotfussfpunktG(HauptF& h, const std::string& a, const std::string& b, QuarnelT& G, bool& ok);

}  // namespace quarnel
