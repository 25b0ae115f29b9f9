#pragma once
// The construction fixture extended by the transformations, the compound
// objects and the hull, plus an independent rotation for checking results.
#include <cmath>
#include <string>

#include "constructions/Huelle.h"
#include "constructions/Koerper.h"
#include "constructions/Transformationen.h"
#include "support/Bau.h"

namespace quarnel::test {

struct BauT : Bau {
  QuarnelT Orthogonale(const std::string& neu, const std::string& a, const std::string& b) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeOrthogonale(beschr, a, b, G, k); });
  }
  QuarnelT Verschiebe(const std::string& neu, const std::string& a, const std::string& p) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeVerschieben(beschr, a, p, G, k); });
  }
  QuarnelT Klon(const std::string& neu, const std::string& alt) {
    return Baue(neu, [&](QuarnelT&, bool& k) { KloneQuarnel(beschr, neu, alt, k); });
  }
  QuarnelT Spiegelbild(const std::string& neu, const std::string& g, const std::string& m) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeSpiegelbild(beschr, g, m, G, k); });
  }
  QuarnelT Drehe(const std::string& neu, const std::string& g, double winkel, const std::string& achse) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeDrehung(beschr, g, winkel, achse, G, k); });
  }
  QuarnelT Dreieck(const std::string& neu, const std::string& a, const std::string& b, const std::string& c) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeDreieck(beschr, a, b, c, G, k); });
  }
  QuarnelT Tetraeder(const std::string& neu, const std::string& d, const std::string& s) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeTetraeder(beschr, d, s, G, k); });
  }
  QuarnelT Mittelsenkrechte(const std::string& neu, const std::string& p, const std::string& q) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeMittelsenkrechte(beschr, p, q, G, k); });
  }
  QuarnelT Huelle(const std::string& neu, const std::string& a, const std::string& b, const std::string& c) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeHuelle(beschr, a, b, c, G, k); });
  }

  // Objects given by their vectors, entered directly.
  void Objekt(const std::string& n, std::int32_t typ, const VektorT& v1 = {}, const VektorT& v2 = {}) {
    QuarnelT g;
    g.name = n;
    g.Typ = typ;
    g.v1 = v1;
    g.v2 = v2;
    Setze(g);
  }
  void Pkt(const std::string& n, const VektorT& p) { Objekt(n, quarnel::Punkt, p); }
  void Ger(const std::string& n, const VektorT& p, const VektorT& d) { Objekt(n, quarnel::Gerade, p, d); }
  void Ebe(const std::string& n, const VektorT& p, const VektorT& nv) { Objekt(n, quarnel::Ebene, p, nv); }
};

// p turned by the angle w (degrees) about the unit axis k through a, in the
// right-hand sense (Rodrigues' formula).
inline VektorT Gedreht(const VektorT& p, const VektorT& a, VektorT k, double w) {
  k = k.mal(1.0 / std::sqrt(k.SkalProd(k)));
  const double t = w * std::acos(-1.0) / 180.0;
  const VektorT v = p.Richtung(a);
  const VektorT r = v.mal(std::cos(t)).plus(k.kreuz(v).mal(std::sin(t))).plus(k.mal(k.SkalProd(v) * (1.0 - std::cos(t))));
  return a.plus(r);
}

}  // namespace quarnel::test
