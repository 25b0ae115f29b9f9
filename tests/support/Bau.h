#pragma once
// A small construction fixture so that tests read like geometry: the objects
// and their sentences (no window) on a recording platform, builder calls
// that run the constructions the way the interpreter does, and checks that
// compare objects geometrically, independent of the point and the length of
// a direction that happen to be stored.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "constructions/Grundlagen.h"
#include "constructions/SchnittLot.h"
#include "description/Beschreibung.h"
#include "model/QuarnelT.h"
#include "model/VektorT.h"
#include "platform/Aufzeichner.h"

namespace quarnel::test {

struct Bau {
  Aufzeichner ui;
  Beschreibung beschr{ui};
  bool ok = false;  // the flag of the last builder call

  // Points and planes from numbers; a failure is a test failure.
  void P(const std::string& n, double x, double y, double z) {
    ok = false;
    ErzeugePunkt(beschr, n, x, y, z, ok);
    EXPECT_TRUE(ok) << "point " << n;
  }
  void E(const std::string& n, double a, double b, double c, double d) {
    ok = false;
    ErzeugeEbeneG(beschr, n, a, b, c, d, ok);
    EXPECT_TRUE(ok) << "plane " << n;
  }

  // The listed object of that name; a failed expectation and a blank object
  // when there is none.
  const QuarnelT& Q(const std::string& n) {
    static const QuarnelT keins{};
    const QuarnelT* g = beschr.objekte.HoleQuarnel(n);
    EXPECT_NE(g, nullptr) << "no object " << n;
    return g ? *g : keins;
  }
  bool Gibt(const std::string& n) const { return beschr.objekte.ExistiertQuarnel(n); }

  // Runs a construction as the interpreter does: the result object carries
  // the new name and type code 0, the flag is preset true. Returns the
  // listed object when the construction succeeded, else the result object
  // as the construction left it. The flag is kept in `ok`.
  template <class F> QuarnelT Baue(const std::string& neu, F&& f) {
    QuarnelT G;
    G.name = neu;
    ok = true;
    std::forward<F>(f)(G, ok);
    if (ok && Gibt(neu)) return Q(neu);
    return G;
  }

  QuarnelT Gerade(const std::string& neu, const std::string& p1, const std::string& p2) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeGeradePP(beschr, p1, p2, G, k); });
  }
  QuarnelT GeradePR(const std::string& neu, const std::string& p, const std::string& r) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeGeradePR(beschr, p, r, G, k); });
  }
  QuarnelT Ebene(const std::string& neu, const std::string& p1, const std::string& p2, const std::string& p3) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeEbenePPP(beschr, p1, p2, p3, G, k); });
  }
  QuarnelT EbenePN(const std::string& neu, const std::string& p, const std::string& n) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeEbenePN(beschr, p, n, G, k); });
  }
  QuarnelT EbenePRR(const std::string& neu, const std::string& p, const std::string& r1, const std::string& r2) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeEbenePRR(beschr, p, r1, r2, G, k); });
  }
  QuarnelT Schnitt(const std::string& neu, const std::string& a, const std::string& b) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeSchnitt(beschr, a, b, G, k); });
  }
  QuarnelT Lot(const std::string& neu, const std::string& a, const std::string& b) {
    return Baue(neu, [&](QuarnelT& G, bool& k) { ErzeugeLotfussfpunktG(beschr, a, b, G, k); });
  }

  // Enters an object made by hand (a segment, a triangle, the whole space
  // ...), as the constructions would.
  void Setze(QuarnelT g) { beschr.objekte.Einlisten(std::move(g)); }
  // A line or plane entered with exactly these vectors (no simplification).
  void GeradeDirekt(const std::string& n, const VektorT& p, const VektorT& r) { Flach(n, QuarnelTyp::Gerade, p, r); }
  void EbeneDirekt(const std::string& n, const VektorT& p, const VektorT& nv) { Flach(n, QuarnelTyp::Ebene, p, nv); }
  void Flach(const std::string& n, std::int32_t typ, const VektorT& p, const VektorT& v) {
    QuarnelT g;
    g.name = n;
    g.Typ = typ;
    g.v1 = p;
    g.v2 = v;
    Setze(g);
  }
  void Eck(const std::string& n, std::int32_t typ, const std::string& e1 = "", const std::string& e2 = "",
           const std::string& e3 = "", const std::string& e4 = "") {
    QuarnelT g;
    g.name = n;
    g.Typ = typ;
    g.Ecken = {"", e1, e2, e3, e4};
    Setze(g);
  }

  std::vector<std::string> Meldungen() const { return ui.Meldungen(); }
  // The sentence the last entered object showed in the short-result field.
  const std::string& Satz() const { return beschr.ausgabe.LastInfoF; }
  // The first line of the newest block of the description text ("" when
  // there is none).
  std::string NeuesterBlock() const {
    const std::string t = beschr.ausgabe.InfoFenster();
    if (t.size() < 2) return {};
    return t.substr(1, t.find('\r', 1) - 1);
  }
};

// ---- geometric checks --------------------------------------------------

inline constexpr double kEps = 1e-9;

inline bool Nah(const VektorT& a, const VektorT& b, double eps = kEps) {
  return std::fabs(a.x() - b.x()) <= eps && std::fabs(a.y() - b.y()) <= eps &&
         std::fabs(a.z() - b.z()) <= eps;
}
inline double Laenge(const VektorT& a) { return std::sqrt(a.SkalProd(a)); }
// Whether u and v are parallel (relative to their lengths); false for a null vector.
inline bool Parallel(const VektorT& u, const VektorT& v, double eps = kEps) {
  double lu = Laenge(u), lv = Laenge(v);
  if (lu == 0.0 || lv == 0.0) return false;
  return Laenge(u.kreuz(v)) <= eps * lu * lv;
}
inline bool Senkrecht(const VektorT& u, const VektorT& v, double eps = kEps) {
  return std::fabs(u.SkalProd(v)) <= eps * Laenge(u) * Laenge(v);
}
// Distance of the point p from the line g / the plane e given by their vectors.
inline double AbstandVonGerade(const VektorT& p, const QuarnelT& g) {
  return Laenge(p.Richtung(g.v1).kreuz(g.v2)) / Laenge(g.v2);
}
inline double AbstandVonEbene(const VektorT& p, const QuarnelT& e) {
  return std::fabs(p.Richtung(e.v1).SkalProd(e.v2)) / Laenge(e.v2);
}

inline ::testing::AssertionResult IstPunktBei(const QuarnelT& g, const VektorT& p, double eps = kEps) {
  if (g.Typ != Punkt) return ::testing::AssertionFailure() << g.name << " has type " << g.Typ;
  if (!Nah(g.v1, p, eps))
    return ::testing::AssertionFailure() << g.name << " at " << g.v1.Vektor2String(6) << " not "
                                         << p.Vektor2String(6);
  return ::testing::AssertionSuccess();
}
inline ::testing::AssertionResult LiegtAufGerade(const VektorT& p, const QuarnelT& g, double eps = kEps) {
  if (g.Typ != Gerade) return ::testing::AssertionFailure() << g.name << " is no line";
  double d = AbstandVonGerade(p, g);
  if (d > eps) return ::testing::AssertionFailure() << p.Vektor2String(6) << " is " << d << " off " << g.name;
  return ::testing::AssertionSuccess();
}
inline ::testing::AssertionResult LiegtInEbene(const VektorT& p, const QuarnelT& e, double eps = kEps) {
  if (e.Typ != Ebene) return ::testing::AssertionFailure() << e.name << " is no plane";
  double d = AbstandVonEbene(p, e);
  if (d > eps) return ::testing::AssertionFailure() << p.Vektor2String(6) << " is " << d << " off " << e.name;
  return ::testing::AssertionSuccess();
}
// g is the line through a with direction r (any point, any length, either sense).
inline ::testing::AssertionResult IstGerade(const QuarnelT& g, const VektorT& a, const VektorT& r,
                                            double eps = kEps) {
  if (g.Typ != Gerade) return ::testing::AssertionFailure() << g.name << " has type " << g.Typ;
  if (!Parallel(g.v2, r, eps))
    return ::testing::AssertionFailure() << g.name << " runs along " << g.v2.Vektor2String(6) << " not "
                                         << r.Vektor2String(6);
  return LiegtAufGerade(a, g, eps);
}
// e is the plane through a with normal n (any point, any length, either sense).
inline ::testing::AssertionResult IstEbene(const QuarnelT& e, const VektorT& a, const VektorT& n,
                                           double eps = kEps) {
  if (e.Typ != Ebene) return ::testing::AssertionFailure() << e.name << " has type " << e.Typ;
  if (!Parallel(e.v2, n, eps))
    return ::testing::AssertionFailure() << e.name << " has normal " << e.v2.Vektor2String(6) << " not "
                                         << n.Vektor2String(6);
  return LiegtInEbene(a, e, eps);
}
// The same point, line or plane, however each is stored.
inline ::testing::AssertionResult Gleich(const QuarnelT& a, const QuarnelT& b, double eps = kEps) {
  if (a.Typ != b.Typ) return ::testing::AssertionFailure() << a.name << " type " << a.Typ << ", " << b.name
                                                           << " type " << b.Typ;
  switch (a.Typ) {
    case Punkt: return IstPunktBei(a, b.v1, eps);
    case Gerade: return IstGerade(a, b.v1, b.v2, eps);
    case Ebene: return IstEbene(a, b.v1, b.v2, eps);
    default: return ::testing::AssertionSuccess();
  }
}

}  // namespace quarnel::test
