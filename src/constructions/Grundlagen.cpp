#include "constructions/Grundlagen.h"

#include <cmath>
#include <initializer_list>

#include "constructions/Bauraum.h"
#include "model/Objektliste.h"

namespace quarnel {

namespace {

// Reads v1 (selector 1) or v2 (selector 2) of the named object into v. A name
// that nobody bears is reported by the object list; the result is false then
// and v stays as it was.
bool LiesVektor(Bauraum& raum, std::int32_t selector, const std::string& name, VektorT& v) {
  raum.objekte.HoleVektor(selector, name, v);
  return raum.objekte.HoleQuarnel(name) != nullptr;
}

// Last step of every line or plane construction: a null direction or normal
// turns the result into the empty object (keeping its vectors) after the
// message; the flag stays set, so the command is kept and repeats the outcome.
// A result that cannot be entered (its numbers overflowed) clears the flag.
void NullTestUndEinlisten(Bauraum& raum, QuarnelT& G, bool& ok, const char* meldung, bool ausgeartet = false) {
  if (ausgeartet || G.v2.IstNullvektor()) {
    G.Typ = LeeresQuarnel;
    raum.ui.MsgBox(meldung);
  }
  ok = raum.objekte.Einlisten(G);
}


// u and w span no plane when one of them counts as null or they are
// parallel; the test is on their directions, not on the length of u × w.
bool SpannenKeineEbene(const VektorT& u, const VektorT& w) {
  return u.IstNullvektor() || w.IstNullvektor() || SindParallel(u, w);
}

constexpr const char* kRichtungNull = "Der Richtungsvektor darf nicht der Nullvektor sein";
constexpr const char* kNormaleNull = "Der Normalenvektor darf nicht der Nullvektor sein";
constexpr const char* kEbenenNormaleNull = "Der Normalenvektor einer Ebene kann nicht der Nullvektor sein";

}  // namespace

// Coordinates and coefficients are bounded so that every length, area,
// volume and sphere computed from them stays a finite number.
constexpr double kGroessteZahl = 1e50;
bool ZahlenZuGross(std::initializer_list<double> zahlen) {
  for (double z : zahlen)
    if (!(std::fabs(z) <= kGroessteZahl)) return true;
  return false;
}
const char* const kZahlZuGross = "Die Zahlen dürfen dem Betrag nach nicht größer als 10^50 sein";

bool KoeffizientenNull(double a, double b, double c) { return IstNull((a * a + b * b) + c * c); }

std::string NameUnerlaubt(const std::string& name) {
  return "Der verwendete Quarnelname " + name + "  ist unerlaubt oder existiert bereits";
}

void ErzeugePunkt(Bauraum& raum, const std::string& name, double x, double y, double z, bool& ok) {
  Objektliste& l = raum.objekte;
  if ((l.ExistiertQuarnel(name) && !raum.destruktiv) || !Objektliste::ErlaubterName(name)) {
    raum.ui.MsgBox(NameUnerlaubt(name));
    ok = false;
    return;
  }
  if (ZahlenZuGross({x, y, z})) {
    raum.ui.MsgBox(kZahlZuGross);
    ok = false;
    return;
  }
  if (l.ExistiertQuarnel(name)) {
    // Redefinition while loading: the object stays where it is and keeps its
    // other fields; it becomes a point at the new position, silently.
    QuarnelT* g = l.HoleQuarnel(name);
    ok = g != nullptr;
    g->v1.Vektor(x, y, z);
    g->Typ = Punkt;
    return;
  }
  QuarnelT g;
  g.name = name;
  g.v1.Vektor(x, y, z);
  g.Typ = Punkt;
  ok = l.Einlisten(g);
}

VektorT EbenenPunkt(double a, double b, double c, double d) {
  // Prefer a point with small whole coordinates: every candidate from -9 to 9
  // is tried and the last exact hit is kept.
  VektorT p;
  bool gefunden = false;
  for (int ix = -9; ix <= 9; ++ix) {
    const double x = ix;
    for (int iy = -9; iy <= 9; ++iy) {
      const double y = iy;
      for (int iz = -9; iz <= 9; ++iz) {
        const double z = iz;
        if (((a * x) + (b * y)) + (c * z) == d) {
          p.Vektor(x, y, z);
          gefunden = true;
        }
      }
    }
  }
  if (gefunden) return p;
  // Otherwise the point on the coordinate axis of the first coefficient that
  // does not count as zero. A coefficient below the tolerance is dropped from
  // the stored normal, so dividing by it would put the point off the stored
  // plane. The coefficient check guarantees that one of them is large enough.
  if (!IstNull(a)) {
    p.Vektor(d / a, 0.0, 0.0);
  } else if (!IstNull(b)) {
    p.Vektor(0.0, d / b, 0.0);
  } else if (!IstNull(c)) {
    p.Vektor(0.0, 0.0, d / c);
  } else {
    const double aa = std::fabs(a), ab = std::fabs(b), ac = std::fabs(c);
    if (aa >= ab && aa >= ac && a != 0.0) p.Vektor(d / a, 0.0, 0.0);
    else if (ab >= ac && b != 0.0) p.Vektor(0.0, d / b, 0.0);
    else if (c != 0.0) p.Vektor(0.0, 0.0, d / c);
  }
  return p;
}

void ErzeugeEbeneG(Bauraum& raum, const std::string& name, double a, double b, double c, double d, bool& ok) {
  Objektliste& l = raum.objekte;
  if ((l.ExistiertQuarnel(name) && !raum.destruktiv) || !Objektliste::ErlaubterName(name)) {
    raum.ui.MsgBox("Der verwendete Quarnelname " + name + "  ist unerlaubt  oder existiert bereits");
    ok = false;
    return;
  }
  if (ZahlenZuGross({a, b, c, d})) {
    raum.ui.MsgBox(kZahlZuGross);
    ok = false;
    return;
  }
  if (KoeffizientenNull(a, b, c)) {
    raum.ui.MsgBox("Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben");
    ok = false;
    return;
  }
  // A redefined plane is a new object: entering it replaces the old one.
  QuarnelT G;
  G.name = name;
  G.v1 = EbenenPunkt(a, b, c, d);
  VektorT n(a, b, c);
  n.VereinfacheRichtung();
  G.v2 = n;
  G.Typ = Ebene;
  ok = l.Einlisten(G);
}

void ErzeugeGeradePP(Bauraum& raum, const std::string& p1, const std::string& p2, QuarnelT& G, bool& ok) {
  ok = ok && p1 != p2;
  if (!ok) return;
  VektorT a, b;
  bool da = LiesVektor(raum, 1, p1, a);
  bool db = LiesVektor(raum, 1, p2, b);
  if (!da || !db) {
    ok = false;
    return;
  }
  VektorT r = a.Richtung(b);
  r.VereinfacheRichtung();
  G.v1 = a;
  G.v2 = r;
  G.Typ = Gerade;
  NullTestUndEinlisten(raum, G, ok, kRichtungNull);
}

void ErzeugeGeradePR(Bauraum& raum, const std::string& p, const std::string& r, QuarnelT& G, bool& ok) {
  // The origin's position vector is the null vector: no direction.
  ok = ok && r != "O";
  if (!ok) return;
  VektorT a;
  bool da = LiesVektor(raum, 1, p, a);
  const QuarnelT* rq = raum.objekte.HoleQuarnel(r);
  ok = rq != nullptr;
  if (!ok || !da) {
    ok = false;
    return;
  }
  VektorT d;
  if (rq->Typ == Punkt) {
    // A point given as the direction is used exactly as its position vector.
    d = rq->v1;
  } else {
    d = rq->v2;
    d.VereinfacheRichtung();
  }
  G.v1 = a;
  G.v2 = d;
  G.Typ = Gerade;
  NullTestUndEinlisten(raum, G, ok, kRichtungNull);
}

void ErzeugeEbenePPP(Bauraum& raum, const std::string& p1, const std::string& p2, const std::string& p3, QuarnelT& G,
                     bool& ok) {
  ok = ok && p1 != p2;
  ok = ok && p1 != p3;
  ok = ok && p2 != p3;
  if (!ok) return;
  VektorT a1, a2, a3;
  bool d1 = LiesVektor(raum, 1, p1, a1);
  bool d2 = LiesVektor(raum, 1, p2, a2);
  bool d3 = LiesVektor(raum, 1, p3, a3);
  if (!d1 || !d2 || !d3) {
    ok = false;
    return;
  }
  VektorT u = a1.Richtung(a2);
  VektorT w = a1.Richtung(a3);
  const bool ausgeartet = AufEinerGeraden(a1, a2, a3);
  VektorT n = u.kreuz(w);
  if (!ausgeartet) n = Verlaengert(n);
  n.VereinfacheRichtung();
  G.v1 = a1;
  G.v2 = n;
  G.Typ = Ebene;
  NullTestUndEinlisten(raum, G, ok, kEbenenNormaleNull, ausgeartet);
}

void ErzeugeEbenePN(Bauraum& raum, const std::string& p, const std::string& n, QuarnelT& G, bool& ok) {
  if (!ok) return;
  VektorT a, nv;
  bool da = LiesVektor(raum, 1, p, a);
  // The normal is the position vector of N, whatever N is.
  bool dn = LiesVektor(raum, 1, n, nv);
  if (!da || !dn) {
    ok = false;
    return;
  }
  nv.VereinfacheRichtung();
  G.v1 = a;
  G.v2 = nv;
  G.Typ = Ebene;
  NullTestUndEinlisten(raum, G, ok, kNormaleNull);
}

void ErzeugeEbenePRR(Bauraum& raum, const std::string& p, const std::string& r1, const std::string& r2, QuarnelT& G,
                     bool& ok) {
  ok = ok && r1 != r2;
  if (!ok) return;
  VektorT a, u, w;
  bool da = LiesVektor(raum, 1, p, a);
  // A point stands for its position vector, a line for its direction.
  bool du = LiesVektor(raum, raum.objekte.QuarnelTypNr(r1), r1, u);
  bool dw = LiesVektor(raum, raum.objekte.QuarnelTypNr(r2), r2, w);
  if (!da || !du || !dw) {
    ok = false;
    return;
  }
  const bool ausgeartet = SpannenKeineEbene(u, w);
  VektorT n = u.kreuz(w);
  if (!ausgeartet) n = Verlaengert(n);
  G.v1 = a;
  n.VereinfacheRichtung();
  G.v2 = n;
  G.Typ = Ebene;
  NullTestUndEinlisten(raum, G, ok, kNormaleNull, ausgeartet);
}

VektorT PP2G(const VektorT& v1, const VektorT& v2) { return v1.Richtung(v2); }

}  // namespace quarnel
