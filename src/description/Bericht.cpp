#include "description/Bericht.h"

#include <array>
#include <cmath>
#include <vector>

#include "description/Beschreibung.h"
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

// The corners measured from the first one, which becomes the origin. Far
// from the origin, differences of the corners keep the digits that their
// squares and products with normals would lose; a result is moved back by
// adding the first corner.
std::array<VektorT, 5> VonDerErstenEcke(const std::array<VektorT, 5>& p) {
  std::array<VektorT, 5> q;
  for (int i = 1; i <= 4; ++i) q[i] = p[i].Richtung(p[1]);
  return q;
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

// The plane of a face in Hesse normal form (unit normal n, n·X = d). The
// program's tolerance on the face's cross product is absolute, so a small
// but proper face of a larger solid would give no plane; such a face is
// accepted when its cross product is not negligible against its edges.
bool Flaechenebene(const VektorT& p1, const VektorT& p2, const VektorT& p3, VektorT& n, double& d) {
  if (p1.Hesseform(p2, p3, n, d)) return true;
  const VektorT u = p1.Richtung(p2);
  const VektorT v = p1.Richtung(p3);
  const VektorT k = u.kreuz(v);
  const double l = k.Norm();
  if (!(l > 1e-13 * (u.Norm() * v.Norm()))) return false;
  n = k.mal(1.0 / l);
  d = n.SkalProd(p2);
  return true;
}

// The four face planes; face i lies opposite corner i and is built from the
// other three corners in cyclic order.
bool Flaechenebenen(const std::array<VektorT, 5>& p, std::array<VektorT, 5>& n, std::array<double, 5>& d) {
  const bool f1 = Flaechenebene(p[2], p[3], p[4], n[1], d[1]);
  const bool f2 = Flaechenebene(p[3], p[4], p[1], n[2], d[2]);
  const bool f3 = Flaechenebene(p[4], p[1], p[2], n[3], d[3]);
  const bool f4 = Flaechenebene(p[1], p[2], p[3], n[4], d[4]);
  return f1 && f2 && f3 && f4;
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

  const VektorT k = d1.kreuz(d2);
  const double F = k.Norm() / 2.0;

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

  // Volume: a sixth of the triple product of three edges from one corner.
  const VektorT a = A.Richtung(B);
  const VektorT b = D.Richtung(A);
  const VektorT c = C.Richtung(A);
  const double V = std::fabs(a.Det(b, c)) / 6.0;

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
  const std::array<VektorT, 5> q = VonDerErstenEcke(p);
  const VektorT &A = q[1], &B = q[2], &C = q[3], &D = q[4];
  // The centre is as far from D as from A, B and C:
  // (D − P)·M = ½(|D|² − |P|²) for P = A, B, C; the system by its columns.
  const VektorT X(D.kp[1] - A.kp[1], D.kp[1] - B.kp[1], D.kp[1] - C.kp[1]);
  const VektorT Y(D.kp[2] - A.kp[2], D.kp[2] - B.kp[2], D.kp[2] - C.kp[2]);
  const VektorT Z(D.kp[3] - A.kp[3], D.kp[3] - B.kp[3], D.kp[3] - C.kp[3]);
  const double nA = A.Norm(), nB = B.Norm(), nC = C.Norm(), nD = D.Norm();
  VektorT R(nD * nD - nA * nA, nD * nD - nB * nB, nD * nD - nC * nC);
  R = R.mal(0.5);
  const double det = X.Det(Y, Z);
  // Cramer's rule.
  const double x = R.Det(Y, Z) / det;
  const double y = X.Det(R, Z) / det;
  const double zz = X.Det(Y, R) / det;
  M.Vektor(x, y, zz);
  r = M.dist(A);
  M = M.plus(p[1]);
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
  // surface. Cross products and a triple product of edges keep their digits
  // also for a flat tetrahedron, where a system of the face planes would
  // lose them twice over.
  const std::array<VektorT, 5> p = VonDerErstenEcke(e);
  double flaechen = 0.0;
  M = VektorT();
  for (int i = 1; i <= 4; ++i) {
    const VektorT &a = p[i % 4 + 1], &b = p[(i + 1) % 4 + 1], &c = p[(i + 2) % 4 + 1];
    const double f = b.Richtung(a).kreuz(c.Richtung(a)).Norm();  // twice the area
    flaechen = flaechen + f;
    M = M.LinKomb(1.0, p[i], f);
  }
  M = M.mal(1.0 / flaechen);
  r = std::fabs(p[2].Det(p[3], p[4])) / flaechen;
  M = M.plus(e[1]);
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
  const std::array<VektorT, 5> p = VonDerErstenEcke(e);
  std::array<VektorT, 5> n;
  std::array<double, 5> d{};
  ok = Flaechenebenen(p, n, d);
  if (!ok) return;
  // Each height is the corner's distance from the plane of its opposite face.
  h1 = std::fabs(n[1].SkalProd(p[1]) - d[1]);
  h2 = std::fabs(n[2].SkalProd(p[2]) - d[2]);
  h3 = std::fabs(n[3].SkalProd(p[3]) - d[3]);
  h4 = std::fabs(n[4].SkalProd(p[4]) - d[4]);
}

}  // namespace quarnel
