#include "description/Bericht.h"

#include <array>
#include <cmath>
#include <vector>

#include "description/Beschreibung.h"
#include "model/Genau.h"
#include "platform/Plattform.h"
#include "platform/Text.h"

namespace quarnel {

namespace {

constexpr const char* kNichtDefiniert = "nicht definiert";

std::string Zeilen(const std::vector<std::string>& zeilen) {
  std::string s;
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    if (i > 0) s += CR;
    s += zeilen[i];
  }
  return s;
}

// Looks up the corners Ecken[1] to Ecken[anzahl] and copies their
// positions. A corner may have been deleted or redefined as another object
// since the figure was made; then its stored vector is no position. The
// result is the number of the first corner that is missing or no point, 0
// when all are points.
int HoleEcken(const Objektliste& objekte, const QuarnelT& g, int anzahl, std::array<VektorT, 5>& p) {
  for (int i = 1; i <= anzahl; ++i) {
    const QuarnelT* e = objekte.HoleQuarnel(g.Ecken[i]);
    if (e == nullptr || e->Typ != Punkt) return i;
    p[i] = e->v1;
  }
  return 0;
}

// Whether the corners lie in one plane, which the message then says.
bool Ausgeartet(Plattform& ui, const std::array<VektorT, 5>& p) {
  if (!InEinerEbene(p[1], p[2], p[3], p[4])) return false;
  ui.MsgBox("Das Tetraeder ist ausgeartet");
  return true;
}

// Why the report of g cannot be made when its corner i is missing or no
// point; "" when i is 0.
std::string EckenFehler(const Objektliste& objekte, const QuarnelT& g, int i) {
  if (i == 0) return {};
  const std::string& e = g.Ecken[i];
  const QuarnelT* q = objekte.HoleQuarnel(e);
  if (q == nullptr || q->Typ == Zahl) return "Die Ecke " + e + " von " + g.name + " gibt es nicht";
  return "Die Ecke " + e + " von " + g.name + " ist kein Punkt";
}

// The number writers of a report; each remembers when it was handed a value
// that is not finite, so that such a report is refused instead of showing
// it as a number.
struct Zahlschreiber {
  const Ausgaben& a;
  bool endlich = true;
  std::string n(double x) {
    if (!std::isfinite(x)) endlich = false;
    return a.z2s(x);
  }
  std::string vs(const VektorT& v) {
    for (int i = 1; i <= 3; ++i)
      if (!std::isfinite(v.kp[i])) endlich = false;
    return v.Vektor2String(a.Dezimalen);
  }
};

// The volume, the heights, the spheres and the areas of a report are
// computed from the exact differences of the corners in numbers of about
// 31 digits (model/Genau.h), so that a needle-shaped body keeps its digits
// in every order of its corners.

// Six times the volume of the tetrahedron on the corners p[1] to p[4], with
// the sign of their orientation: the triple product of the edges from p[1].
Genau Spatprodukt(const std::array<VektorT, 5>& p) {
  return Skalar(Differenz(p[2], p[1]), Kreuz(Differenz(p[3], p[1]), Differenz(p[4], p[1])));
}

// Twice the area of each face; face i lies opposite corner i.
std::array<double, 5> Doppelflaechen(const std::array<VektorT, 5>& p) {
  std::array<double, 5> f{};
  for (int i = 1; i <= 4; ++i) f[i] = 2.0 * p[i % 4 + 1].DreiecksFlaeche(p[(i + 1) % 4 + 1], p[(i + 2) % 4 + 1]);
  return f;
}

// The report of a triangle: true and the text, or false and the reason.
bool Dreiecksbericht(Beschreibung& beschr, const QuarnelT& g, std::string& text) {
  std::array<VektorT, 5> p;
  if (const int fehlt = HoleEcken(beschr.objekte, g, 3, p); fehlt != 0) {
    text = EckenFehler(beschr.objekte, g, fehlt);
    return false;
  }
  Zahlschreiber schreiber{beschr.ausgabe};
  auto n = [&schreiber](double x) { return schreiber.n(x); };
  auto vs = [&schreiber](const VektorT& v) { return schreiber.vs(v); };
  const std::string& E1 = g.Ecken[1];
  const std::string& E2 = g.Ecken[2];
  const std::string& E3 = g.Ecken[3];
  const VektorT& P1 = p[1];
  const VektorT& P2 = p[2];
  const VektorT& P3 = p[3];

  const VektorT d1 = P1.Richtung(P2);
  const VektorT d2 = P2.Richtung(P3);
  const VektorT d3 = P3.Richtung(P1);
  // Coincident corners leave an edge without direction: the angles at its
  // ends and the height over it do not exist.
  const bool null1 = d1.IstNullvektor();
  const bool null2 = d2.IstNullvektor();
  const bool null3 = d3.IstNullvektor();

  // Interior angle at a corner: 180 degrees minus the angle between the edge
  // arriving there and the edge leaving it, to its true value: a very acute
  // corner is not rounded to 0 degrees, so the three angles add up to 180.
  auto innenwinkel = [&](const VektorT& an, const VektorT& ab, bool fehlt) -> std::string {
    if (fehlt) return kNichtDefiniert;
    return n(180.0 - WahrerWinkel(an, ab)) + "º";
  };
  const std::string w1 = innenwinkel(d1, d3, null1 || null3);
  const std::string w2 = innenwinkel(d2, d1, null2 || null1);
  const std::string w3 = innenwinkel(d3, d2, null3 || null2);

  const double F = P1.DreiecksFlaeche(P2, P3);

  // Feet of the heights on the opposite sides.
  const VektorT Q1 = P1.Fusspunkt(P2, P3);
  const VektorT Q2 = P2.Fusspunkt(P1, P3);
  const VektorT Q3 = P3.Fusspunkt(P1, P2);

  std::vector<std::string> z;
  z.push_back("Das Dreieck " + g.name + " mit den Ecken " + E1 + ", " + E2 + " und " + E3 +
              " hat folgende Eigenschaften: ");
  z.push_back(E1 + " = " + vs(P1) + ",          " + E2 + " = " + vs(P2) + ",    " + E3 + " = " + vs(P3));

  // Each side is named after the opposite corner.
  const double s1 = P2.dist(P3);
  const double s2 = P3.dist(P1);
  const double s3 = P1.dist(P2);
  const double u = (s1 + s2) + s3;
  // Height = twice the area over the opposite side.
  auto hoehe = [&](double s, bool fehlt) -> std::string {
    if (fehlt) return kNichtDefiniert;
    return n((2.0 * F) / s);
  };
  const std::string h1 = hoehe(s1, null2);
  const std::string h2 = hoehe(s2, null3);
  const std::string h3 = hoehe(s3, null1);

  z.push_back("Die Seitenlängen des Dreiecks sind ");
  z.push_back("L(" + E1 + "|" + E2 + ") = " + n(s3) + ",   L(" + E2 + "|" + E3 + ") = " + n(s1) + ",   L(" + E3 +
              "|" + E1 + ") = " + n(s2));
  z.push_back("Größen der Innenwinkel des Dreiecks an den jeweils angegebenen Ecken:");
  z.push_back(E1 + ":   " + w1 + ",      " + E2 + ":   " + w2 + ",     " + E3 + ":  " + w3);
  z.push_back("Der Umfang des Dreiecks beträgt " + n(u));
  z.push_back("Der Flächeninhalt des Dreiecks beträgt " + n(F));
  z.push_back("Die Höhen des Dreiecks mit den zugehörigen Ecken und Höhenfußpunkten sind:");
  z.push_back(E1 + ": " + h1 + ",    " + E2 + ": " + h2 + ",   " + E3 + ": " + h3);
  z.push_back("F(" + E1 + ") = " + vs(Q1) + ",     " + "F(" + E2 + ") = " + vs(Q2) + ",     " + "F(" + E3 +
              ") = " + vs(Q3));
  if (!schreiber.endlich) {
    text = kNichtBerechenbar;
    return false;
  }
  text = Zeilen(z);
  return true;
}

// The report of a tetrahedron: true and the text, or false and the reason.
bool Tetraederbericht(Beschreibung& beschr, const QuarnelT& g, std::string& text) {
  std::array<VektorT, 5> p;
  if (const int fehlt = HoleEcken(beschr.objekte, g, 4, p); fehlt != 0) {
    text = EckenFehler(beschr.objekte, g, fehlt);
    return false;
  }
  Zahlschreiber schreiber{beschr.ausgabe};
  auto n = [&schreiber](double x) { return schreiber.n(x); };
  auto vs = [&schreiber](const VektorT& v) { return schreiber.vs(v); };
  const std::string& E1 = g.Ecken[1];
  const std::string& E2 = g.Ecken[2];
  const std::string& E3 = g.Ecken[3];
  const std::string& E4 = g.Ecken[4];
  const VektorT& A = p[1];
  const VektorT& B = p[2];
  const VektorT& C = p[3];
  const VektorT& D = p[4];

  const double V = std::fabs(Wert(Spatprodukt(p))) / 6.0;

  double S = (D.dist(C) + D.dist(A)) + D.dist(B);
  S = ((S + B.dist(C)) + C.dist(A)) + A.dist(B);

  std::vector<std::string> z;
  z.push_back("Das Tetraeder " + g.name + " mit den Ecken " + E1 + ", " + E2 + ", " + E3 + " und " + E4 +
              " hat folgende Eigenschaften: ");
  z.push_back(E1 + " = " + vs(A) + ",          " + E2 + " = " + vs(B) + ",   " + E3 + " = " + vs(C) +
              ",          " + E4 + " = " + vs(D));
  z.push_back("Die Kantenlängen des Tetraeders sind ");
  z.push_back("L(" + E1 + "|" + E2 + ") = " + n(A.dist(B)) + ",   L(" + E2 + "|" + E3 + ") = " + n(B.dist(C)) +
              ",   L(" + E3 + "|" + E1 + ") = " + n(C.dist(A)));
  z.push_back("L(" + E4 + "|" + E1 + ") = " + n(D.dist(A)) + ",   L(" + E4 + "|" + E2 + ") = " + n(D.dist(B)) +
              ",   L(" + E4 + "|" + E3 + ") = " + n(D.dist(C)));
  if (InEinerEbene(A, B, C, D)) {
    z.push_back(" Das Tetraeder ist ausgeartet");
  } else {
    z.push_back("Das Volumen des Tetraeders beträgt " + n(V));
    z.push_back("Die Summe der sechs Kantenlängen beträgt " + n(S));
    z.push_back("Der Inhalt der Oberfläche  beträgt " + n(Flaeche(beschr.objekte, g)));

    // Each measurement is stated only when it could be made.
    double h1 = 0.0, h2 = 0.0, h3 = 0.0, h4 = 0.0;
    bool ok = true;
    TetraHoehen(beschr, g, h1, h2, h3, h4, ok);
    if (ok) {
      z.push_back("Die vier Höhen des Tetraeders sind (jeweils mit Angabe der zugehörigen Ecke):");
      z.push_back(E1 + ":  " + n(h1) + ",   " + E2 + ":  " + n(h2) + ",   " + E3 + ":  " + n(h3) + ",   " + E4 +
                  ":  " + n(h4));
    }
    VektorT M;
    double r = 0.0;
    ok = true;
    Umkugel(beschr, g, M, r, ok);
    if (ok) z.push_back("Mittelpunkt und Radius der Umkugel sind M= " + vs(M) + ",    r = " + n(r));
    Inkugel(beschr, g, M, r, ok);
    if (ok) z.push_back("Mittelpunkt und Radius der Inkugel sind M= " + vs(M) + ",    r = " + n(r));
  }
  if (!schreiber.endlich) {
    text = kNichtBerechenbar;
    return false;
  }
  text = Zeilen(z);
  return true;
}

// The report of g, or false and the reason why there is none.
bool Berichtstext(Beschreibung& beschr, const QuarnelT& g, std::string& text) {
  if (g.Typ == Tetraeder) return Tetraederbericht(beschr, g, text);
  if (g.Typ == Dreieck) return Dreiecksbericht(beschr, g, text);
  text = KeinDreieckOderTetraeder(g.name);
  return false;
}

}  // namespace

std::string KeinDreieckOderTetraeder(const std::string& name) {
  return name + " ist weder ein Dreieck noch ein Tetraeder";
}

void BeschreibeEck(Beschreibung& beschr, const std::string& s, bool& ok) {
  const QuarnelT* g = beschr.objekte.HoleQuarnel(s);
  ok = g != nullptr;
  if (!ok) return;
  std::string text;
  ok = Berichtstext(beschr, *g, text);
  if (!ok) {
    // Nothing is written; the user learns why.
    beschr.ui.MsgBox(text);
    return;
  }
  beschr.ausgabe.InsInfofenster(text);
  beschr.ausgabe.InfoAktualisieren();
}

double Flaeche(const Objektliste& objekte, const QuarnelT& g) {
  double f = 0.0;
  std::array<VektorT, 5> p;
  if (g.Typ == Dreieck) {
    if (HoleEcken(objekte, g, 3, p) == 0) f = p[1].DreiecksFlaeche(p[2], p[3]);
  } else if (g.Typ == Tetraeder) {
    if (HoleEcken(objekte, g, 4, p) == 0) {
      const VektorT &A = p[1], &B = p[2], &C = p[3], &D = p[4];
      // The base first, then the three faces at the apex.
      f = A.DreiecksFlaeche(B, C);
      f = f + D.DreiecksFlaeche(A, B);
      f = f + D.DreiecksFlaeche(B, C);
      f = f + D.DreiecksFlaeche(A, C);
    }
  }
  return f;
}

void Umkugel(Bauraum& raum, const QuarnelT& g, VektorT& M, double& r, bool& ok) {
  std::array<VektorT, 5> p;
  if (g.Typ != Tetraeder) {
    ok = false;
    return;
  }
  ok = HoleEcken(raum.objekte, g, 4, p) == 0 && ok;
  if (!ok) return;
  if (Ausgeartet(raum.ui, p)) {
    ok = false;
    return;
  }
  // The centre m, from the first corner, is as far from it as from the
  // other corners: 2·b·m = |b|² for the edges b, c, d from the first corner,
  // solved by Cramer's rule.
  const GenauV b = Differenz(p[2], p[1]), c = Differenz(p[3], p[1]), d = Differenz(p[4], p[1]);
  const GenauV cd = Kreuz(c, d);
  const GenauV zaehler = (cd * Skalar(b, b) + Kreuz(d, b) * Skalar(c, c)) + Kreuz(b, c) * Skalar(d, d);
  const GenauV m = zaehler / (2.0 * Wert(Skalar(b, cd)));
  r = Laenge(m);
  M = Verschoben(p[1], m);
}

void Inkugel(Bauraum& raum, const QuarnelT& g, VektorT& M, double& r, bool& ok) {
  ok = g.Typ == Tetraeder;
  if (!ok) {
    raum.ui.MsgBox("Kontrolle: Fehler bei Inkugel");
    return;
  }
  std::array<VektorT, 5> e;
  ok = HoleEcken(raum.objekte, g, 4, e) == 0;
  if (!ok) return;
  if (Ausgeartet(raum.ui, e)) {
    ok = false;
    return;
  }
  // The centre is the mean of the corners, each weighted by the area of the
  // face opposite it, and the radius is three times the volume over the
  // surface.
  const std::array<double, 5> f = Doppelflaechen(e);
  const double flaechen = ((f[1] + f[2]) + f[3]) + f[4];
  GenauV summe{};
  for (int i = 2; i <= 4; ++i) summe = summe + Differenz(e[i], e[1]) * Genau{f[i]};
  M = Verschoben(e[1], summe / flaechen);
  r = std::fabs(Wert(Spatprodukt(e))) / flaechen;
}

void TetraHoehen(Bauraum& raum, const QuarnelT& g, double& h1, double& h2, double& h3, double& h4, bool& ok) {
  ok = g.Typ == Tetraeder;
  if (!ok) {
    raum.ui.MsgBox("Kontrolle: Fehler bei TetraHoehen; Typ = " + Str(static_cast<std::int64_t>(g.Typ)));
    return;
  }
  std::array<VektorT, 5> e;
  ok = HoleEcken(raum.objekte, g, 4, e) == 0;
  if (!ok) return;
  // Each height is three times the volume over the area of the opposite
  // face; a face on a line has no plane to stand on.
  const std::array<double, 5> f = Doppelflaechen(e);
  ok = f[1] > 0.0 && f[2] > 0.0 && f[3] > 0.0 && f[4] > 0.0;
  if (!ok) return;
  const double sechsfach = std::fabs(Wert(Spatprodukt(e)));
  h1 = sechsfach / f[1];
  h2 = sechsfach / f[2];
  h3 = sechsfach / f[3];
  h4 = sechsfach / f[4];
}

}  // namespace quarnel
