#include "description/Bericht.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
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

// A report as it is written: the positions of its corners, its lines and
// the writer of its numbers.
struct Berichtsblatt {
  explicit Berichtsblatt(const Ausgaben& a) : schreiber{a} {}

  Zahlschreiber schreiber;
  std::array<VektorT, 5> p{};
  std::vector<std::string> z;

  // Opens the report of g, a "Dreieck" or "Tetraeder" with one corner more
  // than separators: looks up the corners' positions and writes the line
  // that names the figure and its corners, then the line of their positions
  // with the separators between them. False, and why, when a corner is
  // missing or no point.
  bool Anfang(const Objektliste& objekte, const QuarnelT& g, const std::string& art,
              std::initializer_list<const char*> luecken, std::string& text) {
    const int anzahl = static_cast<int>(luecken.size()) + 1;
    if (const int fehlt = HoleEcken(objekte, g, anzahl, p); fehlt != 0) {
      text = EckenFehler(objekte, g, fehlt);
      return false;
    }
    std::string namen = g.Ecken[1];
    std::string lagen = g.Ecken[1] + " = " + schreiber.vs(p[1]);
    for (int i = 2; i <= anzahl; ++i) {
      namen += (i < anzahl ? ", " : " und ") + g.Ecken[i];
      lagen += luecken.begin()[i - 2] + g.Ecken[i] + " = " + schreiber.vs(p[i]);
    }
    z.push_back("Das " + art + " " + g.name + " mit den Ecken " + namen + " hat folgende Eigenschaften: ");
    z.push_back(lagen);
    return true;
  }
  // The lines joined by CR; false and kNichtBerechenbar when a number was
  // not finite.
  bool Ende(std::string& text) const {
    text = schreiber.endlich ? Zeilen(z) : kNichtBerechenbar;
    return schreiber.endlich;
  }
};

// A sum of doubles in numbers of about 31 digits, which hold the sum of a few
// doubles of like size exactly: the same in every order of the terms.
Genau Summe(std::initializer_list<double> w) {
  Genau s{};
  for (double x : w) s = s + Genau{x};
  return s;
}

// The measures of the tetrahedron on the corners p[1] to p[4], computed from
// the exact differences of the corners in numbers of about 31 digits
// (model/Genau.h), each sum and quotient in them too, and rounded once at
// the end: so a needle-shaped body keeps its digits, and a body of any size
// shows the same digits in every order of its corners. The triple product
// and the faces are taken once, for all of them.
struct Koerpermasse {
  explicit Koerpermasse(const std::array<VektorT, 5>& e)
      : p(e), b(Differenz(e[2], e[1])), c(Differenz(e[3], e[1])), d(Differenz(e[4], e[1])), cd(Kreuz(c, d)),
        spat(Spatprodukt(b, c, d)) {
    for (int i = 1; i <= 4; ++i) f[i] = 2.0 * p[i % 4 + 1].DreiecksFlaeche(p[(i + 1) % 4 + 1], p[(i + 2) % 4 + 1]);
    flaechen = Summe({f[1], f[2], f[3], f[4]});
  }

  std::array<VektorT, 5> p;
  GenauV b, c, d;  // the edges from p[1]
  GenauV cd;       // c × d
  Genau spat;      // b · (c × d): six times the volume, signed by the orientation
  std::array<double, 5> f{};  // twice the area of each face; face i lies opposite corner i
  Genau flaechen;             // their sum, twice the surface

  double Volumen() const { return Wert(Betrag(spat) / Genau{6.0}); }
  double Oberflaeche() const { return Wert(flaechen) / 2.0; }
  // Each height is three times the volume over the area of the opposite
  // face; false when a face lies on a line and has no plane to stand on.
  bool Hoehen(std::array<double, 5>& h) const {
    if (!(f[1] > 0.0 && f[2] > 0.0 && f[3] > 0.0 && f[4] > 0.0)) return false;
    for (int i = 1; i <= 4; ++i) h[i] = Wert(Betrag(spat) / Genau{f[i]});
    return true;
  }
  // The centre m, from the first corner, is as far from it as from the
  // other corners: 2·b·m = |b|² for the edges b, c, d from the first corner,
  // solved by Cramer's rule.
  void Umkugel(VektorT& M, double& r) const {
    const GenauV zaehler = (cd * Skalar(b, b) + Kreuz(d, b) * Skalar(c, c)) + Kreuz(b, c) * Skalar(d, d);
    const GenauV m = zaehler / (spat + spat);
    r = Laenge(m);
    M = Verschoben(p[1], m);
  }
  // The centre is the mean of the corners, each weighted by the area of the
  // face opposite it, and the radius is three times the volume over the
  // surface.
  void Inkugel(VektorT& M, double& r) const {
    const GenauV summe = (b * Genau{f[2]} + c * Genau{f[3]}) + d * Genau{f[4]};
    M = Verschoben(p[1], summe / flaechen);
    r = Wert(Betrag(spat) / flaechen);
  }
};

// The report of a triangle: true and the text, or false and the reason.
bool Dreiecksbericht(Beschreibung& beschr, const QuarnelT& g, std::string& text) {
  Berichtsblatt blatt(beschr.ausgabe);
  if (!blatt.Anfang(beschr.objekte, g, "Dreieck", {",          ", ",    "}, text)) return false;
  auto n = [&blatt](double x) { return blatt.schreiber.n(x); };
  auto vs = [&blatt](const VektorT& v) { return blatt.schreiber.vs(v); };
  const std::string& E1 = g.Ecken[1];
  const std::string& E2 = g.Ecken[2];
  const std::string& E3 = g.Ecken[3];
  const VektorT& P1 = blatt.p[1];
  const VektorT& P2 = blatt.p[2];
  const VektorT& P3 = blatt.p[3];

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

  // Each side is named after the opposite corner.
  const double s1 = P2.dist(P3);
  const double s2 = P3.dist(P1);
  const double s3 = P1.dist(P2);
  // Height = twice the area over the opposite side.
  auto hoehe = [&](double s, bool fehlt) -> std::string {
    if (fehlt) return kNichtDefiniert;
    return n((2.0 * F) / s);
  };
  const std::string h1 = hoehe(s1, null2);
  const std::string h2 = hoehe(s2, null3);
  const std::string h3 = hoehe(s3, null1);

  std::vector<std::string>& z = blatt.z;
  z.push_back("Die Seitenlängen des Dreiecks sind ");
  z.push_back("L(" + E1 + "|" + E2 + ") = " + n(s3) + ",   L(" + E2 + "|" + E3 + ") = " + n(s1) + ",   L(" + E3 +
              "|" + E1 + ") = " + n(s2));
  z.push_back("Größen der Innenwinkel des Dreiecks an den jeweils angegebenen Ecken:");
  z.push_back(E1 + ":   " + w1 + ",      " + E2 + ":   " + w2 + ",     " + E3 + ":  " + w3);
  z.push_back("Der Umfang des Dreiecks beträgt " + n(Wert(Summe({s1, s2, s3}))));
  z.push_back("Der Flächeninhalt des Dreiecks beträgt " + n(F));
  z.push_back("Die Höhen des Dreiecks mit den zugehörigen Ecken und Höhenfußpunkten sind:");
  z.push_back(E1 + ": " + h1 + ",    " + E2 + ": " + h2 + ",   " + E3 + ": " + h3);
  z.push_back("F(" + E1 + ") = " + vs(Q1) + ",     " + "F(" + E2 + ") = " + vs(Q2) + ",     " + "F(" + E3 +
              ") = " + vs(Q3));
  return blatt.Ende(text);
}

// The report of a tetrahedron: true and the text, or false and the reason.
bool Tetraederbericht(Beschreibung& beschr, const QuarnelT& g, std::string& text) {
  Berichtsblatt blatt(beschr.ausgabe);
  if (!blatt.Anfang(beschr.objekte, g, "Tetraeder", {",          ", ",   ", ",          "}, text)) return false;
  auto n = [&blatt](double x) { return blatt.schreiber.n(x); };
  auto vs = [&blatt](const VektorT& v) { return blatt.schreiber.vs(v); };
  const std::string& E1 = g.Ecken[1];
  const std::string& E2 = g.Ecken[2];
  const std::string& E3 = g.Ecken[3];
  const std::string& E4 = g.Ecken[4];
  const VektorT& A = blatt.p[1];
  const VektorT& B = blatt.p[2];
  const VektorT& C = blatt.p[3];
  const VektorT& D = blatt.p[4];
  const double ab = A.dist(B), bc = B.dist(C), ca = C.dist(A), da = D.dist(A), db = D.dist(B), dc = D.dist(C);

  std::vector<std::string>& z = blatt.z;
  z.push_back("Die Kantenlängen des Tetraeders sind ");
  z.push_back("L(" + E1 + "|" + E2 + ") = " + n(ab) + ",   L(" + E2 + "|" + E3 + ") = " + n(bc) + ",   L(" + E3 +
              "|" + E1 + ") = " + n(ca));
  z.push_back("L(" + E4 + "|" + E1 + ") = " + n(da) + ",   L(" + E4 + "|" + E2 + ") = " + n(db) + ",   L(" + E4 +
              "|" + E3 + ") = " + n(dc));
  if (InEinerEbene(A, B, C, D)) {
    z.push_back(" Das Tetraeder ist ausgeartet");
  } else {
    const Koerpermasse m(blatt.p);
    z.push_back("Das Volumen des Tetraeders beträgt " + n(m.Volumen()));
    z.push_back("Die Summe der sechs Kantenlängen beträgt " + n(Wert(Summe({ab, bc, ca, da, db, dc}))));
    z.push_back("Der Inhalt der Oberfläche  beträgt " + n(m.Oberflaeche()));

    // Each measurement is stated only when it could be made.
    if (std::array<double, 5> h{}; m.Hoehen(h)) {
      z.push_back("Die vier Höhen des Tetraeders sind (jeweils mit Angabe der zugehörigen Ecke):");
      z.push_back(E1 + ":  " + n(h[1]) + ",   " + E2 + ":  " + n(h[2]) + ",   " + E3 + ":  " + n(h[3]) + ",   " + E4 +
                  ":  " + n(h[4]));
    }
    VektorT M;
    double r = 0.0;
    m.Umkugel(M, r);
    z.push_back("Mittelpunkt und Radius der Umkugel sind M= " + vs(M) + ",    r = " + n(r));
    m.Inkugel(M, r);
    z.push_back("Mittelpunkt und Radius der Inkugel sind M= " + vs(M) + ",    r = " + n(r));
  }
  return blatt.Ende(text);
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
  std::array<VektorT, 5> p;
  if (g.Typ == Dreieck && HoleEcken(objekte, g, 3, p) == 0) return p[1].DreiecksFlaeche(p[2], p[3]);
  if (g.Typ == Tetraeder && HoleEcken(objekte, g, 4, p) == 0) return Koerpermasse(p).Oberflaeche();
  return 0.0;
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
  Koerpermasse(p).Umkugel(M, r);
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
  Koerpermasse(e).Inkugel(M, r);
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
  std::array<double, 5> h{};
  ok = Koerpermasse(e).Hoehen(h);
  if (!ok) return;
  h1 = h[1];
  h2 = h[2];
  h3 = h[3];
  h4 = h[4];
}

}  // namespace quarnel
