#pragma once
// Objects made by hand and entered into the list directly, so that the
// description tests do not depend on the constructions.
#include <algorithm>
#include <string>

#include "description/Beschreibung.h"
#include "model/QuarnelT.h"
#include "platform/Aufzeichner.h"
#include "platform/Text.h"

namespace quarnel::test {

struct Objekte {
  Aufzeichner ui;
  Beschreibung beschr{ui};

  const QuarnelT& Setze(QuarnelT g) {
    std::string n = g.name;
    beschr.objekte.Einlisten(std::move(g));
    return *beschr.objekte.HoleQuarnel(n);
  }
  const QuarnelT& P(const std::string& n, double x, double y, double z) {
    QuarnelT g;
    g.name = n;
    g.Typ = Punkt;
    g.v1 = VektorT(x, y, z);
    return Setze(g);
  }
  const QuarnelT& G(const std::string& n, VektorT p, VektorT r) {
    QuarnelT g;
    g.name = n;
    g.Typ = Gerade;
    g.v1 = p;
    g.v2 = r;
    return Setze(g);
  }
  const QuarnelT& E(const std::string& n, VektorT p, VektorT nv) {
    QuarnelT g;
    g.name = n;
    g.Typ = Ebene;
    g.v1 = p;
    g.v2 = nv;
    return Setze(g);
  }
  const QuarnelT& Eck(const std::string& n, std::int32_t typ, const std::string& e1, const std::string& e2,
                      const std::string& e3 = "", const std::string& e4 = "") {
    QuarnelT g;
    g.name = n;
    g.Typ = typ;
    g.Ecken = {"", e1, e2, e3, e4};
    return Setze(g);
  }
  const QuarnelT& D(const std::string& n, const std::string& e1, const std::string& e2, const std::string& e3) {
    return Eck(n, Dreieck, e1, e2, e3);
  }
  const QuarnelT& T(const std::string& n, const std::string& e1, const std::string& e2, const std::string& e3,
                    const std::string& e4) {
    return Eck(n, Tetraeder, e1, e2, e3, e4);
  }
};

// The text with every CR shown as a line feed, for readable failure output.
inline std::string Lesbar(std::string s) {
  std::ranges::replace(s, '\r', '\n');
  return s;
}

}  // namespace quarnel::test
