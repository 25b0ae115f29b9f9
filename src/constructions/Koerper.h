#pragma once
// Objects made of the names of others (triangle, tetrahedron, collection)
// and the perpendicular bisector plane of two points.
#include <string>

#include "model/QuarnelT.h"

namespace quarnel {

class Bauraum;

// The triangle with the corner points A1, A2, A3 (three different names of
// points), entered as G. Only when ok is set on entry; otherwise silent.
// Failure: "Fehler beim Erzeugen eines Dreiecks", ok false.
void ErzeugeDreieck(Bauraum& raum, const std::string& A1, const std::string& A2, const std::string& A3, QuarnelT& G,
                    bool& ok);

// The tetrahedron over the triangle D with the apex point S, entered as G.
// Every failure, also ok false on entry, shows "Fehler beim Erzeugen eines
// Tetraeders" and leaves ok false.
void ErzeugeTetraeder(Bauraum& raum, const std::string& D, const std::string& S, QuarnelT& G, bool& ok);

// The perpendicular bisector plane of the points P and Q, entered as G: it
// passes through their midpoint with normal P − Q (simplified). Only when ok
// is set on entry. Coinciding points: "Fehler: Der Normalen darf nicht der
// Nullvektor sein", ok false.
void ErzeugeMittelsenkrechte(Bauraum& raum, const std::string& P, const std::string& Q, QuarnelT& G, bool& ok);

// The collection `name` of the comma-separated member names `mitglieder`,
// kept as given. A name that exists (unless raum.destruktiv) or that is not
// allowed gives "Der verwendete Quarnelname <name>  ist unerlaubt oder
// existiert bereits" and ok false; otherwise ok true.
void ErzeugeSammlung(Bauraum& raum, const std::string& name, const std::string& mitglieder, bool& ok);

}  // namespace quarnel
