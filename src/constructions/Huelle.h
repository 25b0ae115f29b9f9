#pragma once
// The hull of three objects: the smallest flat (point, line, plane or the
// whole space) that contains them all. The empty object adds nothing.
#include <string>

#include "model/QuarnelT.h"

namespace quarnel {

class Bauraum;

// The hull of the objects named a, b, c (each the empty object, a point, a
// line, a plane or the whole space), entered as G. A name that names no such
// object gives "Fehler bei den Operanden-Quarneln in ErzeugeSchnitt" and ok
// false.
void ErzeugeHuelle(Bauraum& raum, const std::string& a, const std::string& b, const std::string& c, QuarnelT& G,
                   bool& ok);

// The hull of three objects, written into res: the hull of the third with
// the hull of the first two, taken in an order that does not depend on the
// order of the arguments (the first of the highest type code first; after a
// line, of two points the one farther from it). Three points lie on one line
// or span a plane as the whole triangle decides, whatever their order. ok is
// neither read nor changed.
void Huelle(const QuarnelT& A1, const QuarnelT& A2, const QuarnelT& A3, QuarnelT& res, bool& ok);

// The hull of two objects, written into res (type code and vectors only; a
// vector the case does not need keeps what res held). Directions and normals
// are kept as computed; a constructed line or plane passes through the point
// of the operand with the higher type code. Two lines or two planes that are
// parallel within the tolerance give the same flat in either order (see
// LageParallelerGeraden). ok is neither read nor changed.
void Huelle2(const QuarnelT& a, const QuarnelT& b, QuarnelT& res, bool& ok);

}  // namespace quarnel
