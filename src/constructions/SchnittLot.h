#pragma once
// Intersection of two objects, feet of perpendiculars, and the foot and the
// mirror image of a single point on an object.
#include <string>

#include "model/QuarnelT.h"
#include "model/VektorT.h"

namespace quarnel {

class Bauraum;
class Plattform;

// The intersection of a and b, written into r (type code and vectors). Never
// fails and shows no message: objects without a common point give the empty
// object. r's name is left as it is.
void Schnitt(const QuarnelT& a, const QuarnelT& b, QuarnelT& r);

// How two lines or two planes lie whose directions or normals count as
// parallel. The tolerance of "parallel" leaves room for lines that meet at
// a very small angle, or planes that meet in a line; which of the two is
// named first never changes the answer. They meet only where doubles can
// still tell: directions tilted by no more than rounding (an image under a
// rotation or mirror image), or a meeting point so far out that the
// tolerance is below the rounding of its coordinates, leave them parallel.
enum class ParalleleLage {
  Gleich,      // one line or plane: the stored point of each lies on the other
  Schneidend,  // lines meeting in one point, planes meeting in one line
  Parallel,    // apart, lines in one plane
  Windschief,  // lines apart and not in one plane
};
// The lines through p along u and through q along v (u and v parallel within
// the tolerance). For Schneidend, `punkt` becomes the meeting point.
ParalleleLage LageParallelerGeraden(const VektorT& p, const VektorT& u, const VektorT& q, const VektorT& v,
                                    VektorT& punkt);
// The planes through p with normal n and through q with normal m (n and m
// parallel within the tolerance). For Schneidend, `punkt` becomes a point of
// their common line, which runs along n × m.
ParalleleLage LageParallelerEbenen(const VektorT& p, const VektorT& n, const VektorT& q, const VektorT& m,
                                   VektorT& punkt);

// One point common to two planes that are not parallel. Shows "Verfehlter
// Aufruf von GemeinsamerEbenenpunkt" and leaves p untouched when e1 or e2 is
// not a plane.
void GemeinsamerEbenenpunkt(Plattform& ui, const QuarnelT& e1, const QuarnelT& e2, VektorT& p);

// The foot of the perpendicular from p on g (a point, a line or a plane);
// false and f untouched for any other object.
bool LotfusspunktPG(const VektorT& p, const QuarnelT& g, VektorT& f);
// The image of p in g (a point, a line or a plane); false and r untouched for
// any other object.
bool SpiegelePG(const VektorT& p, const QuarnelT& g, VektorT& r);
// Whether p lies on the point, line or plane g (within the tolerance).
bool IstPunktvon(const VektorT& p, const QuarnelT& g);

// The intersection of the objects named a and b, entered as G.
void ErzeugeSchnitt(Bauraum& raum, const std::string& a, const std::string& b, QuarnelT& G, bool& ok);
// The orthogonal projection of the object named a onto the object named b
// (the set of the feet of all perpendiculars), entered as G.
void ErzeugeLotfussfpunktG(Bauraum& raum, const std::string& a, const std::string& b, QuarnelT& G, bool& ok);

}  // namespace quarnel
