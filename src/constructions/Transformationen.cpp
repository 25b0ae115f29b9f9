#include "constructions/Transformationen.h"

#include <algorithm>
#include <cmath>

#include "constructions/Bauraum.h"
#include "constructions/SchnittLot.h"
#include "platform/Plattform.h"

namespace quarnel {

namespace {

bool IstFlach(std::int32_t typ) { return typ >= Punkt && typ <= Ebene; }

// The normal of a mirrored plane is the cross product of two edges whose
// lengths follow the original normal, so its length is about the square of
// the original's. Mirrored again and again (a plane rotated step by step)
// a short normal soon becomes so short that the tolerance, which is absolute,
// takes planes at several degrees to each other for parallel; a long one
// would overflow. A normal shorter than 1 or with a squared length above
// 1e+07 is therefore scaled by a power of two, which is exact, to a length
// from 1 to 2; its direction stays as computed.
void HalteLaenge(VektorT& n) {
  const double q = n.SkalProd(n);
  if (!(q > 0.0) || !std::isfinite(q) || (q >= 1.0 && q <= 1.0 / NullToleranz)) return;
  int exponent = 0;
  std::frexp(std::sqrt(q), &exponent);  // |n| = m·2^exponent with 0.5 ≤ m < 1
  for (int i = 1; i <= 3; ++i) n.kp[i] = std::ldexp(n.kp[i], 1 - exponent);
}

// A power of two, 1 or more, that makes u at least as long as P's distance
// from the origin (and at least 1). P + u keeps only the leading digits of a
// u much shorter than P, so a direction taken from the images of P and P + u
// would come out turned. Taken that many times, u reaches a point far enough
// from P, and dividing the power of two out again is exact.
double Streckung(const VektorT& u, const VektorT& P) {
  const double r = std::fmax(1.0, P.Norm());
  const double l = u.Norm();
  if (!(l > 0.0) || l >= r || !std::isfinite(r)) return 1.0;
  int exponent = 0;
  std::frexp(r / l, &exponent);  // r/l = m·2^exponent with 0.5 ≤ m < 1
  return std::ldexp(1.0, std::min(exponent, 500));
}

// Three points of the plane E that are not on one line: A1 its stored point,
// A2 and A3 that point moved along two directions u of the plane, when
// `strecken` is set each lengthened by Streckung. `faktor` is the product of
// the two lengthenings, the factor by which the cross product of the edges
// from A1 is too long.
void DreiEbenenpunkte(const QuarnelT& E, VektorT& A1, VektorT& A2, VektorT& A3, bool& ok, bool strecken,
                      double& faktor) {
  faktor = 1.0;
  if (!ok) return;
  ok = E.Typ == Ebene;
  if (!ok) return;
  const VektorT n = E.v2;
  // The cross products of the unit axes with the normal lie in the plane:
  // u1 = (0|−n3|n2), u2 = (n3|0|−n1), u3 = (−n2|n1|0).
  const VektorT u[4] = {VektorT(), VektorT(1.0, 0.0, 0.0).kreuz(n), VektorT(0.0, 1.0, 0.0).kreuz(n),
                        VektorT(0.0, 0.0, 1.0).kreuz(n)};
  int a = 1, b = 2;
  if (u[1].IstNullvektor()) {
    a = 2;
    b = 3;
  } else if (u[2].IstNullvektor()) {
    a = 1;
    b = 3;
  }
  // Two of them are parallel when the normal's component that pairs them is
  // zero (u1 × u2 = n3·n, u1 × u3 = −n2·n, u2 × u3 = n1·n); the three points
  // would then lie on one line, as for every plane like x + y = 3. Take u1
  // and u3 then, and if these are parallel too, leave out the u of the
  // normal's largest component: the other two span the plane best. Parallel
  // is judged on the directions alone: for a normal like (5|300|0.000001)
  // the three points would lie so nearly on one line that the rounding of
  // their images would tilt the image plane.
  if (SindParallel(u[a], u[b]) && a == 1 && b == 2) b = 3;
  if (SindParallel(u[a], u[b])) {
    const double b1 = std::fabs(n.x()), b2 = std::fabs(n.y()), b3 = std::fabs(n.z());
    if (b1 >= b2 && b1 >= b3) {
      a = 2;
      b = 3;
    } else if (b2 >= b3) {
      a = 1;
      b = 3;
    } else {
      a = 1;
      b = 2;
    }
  }
  const VektorT P1 = E.v1;
  const double fa = strecken ? Streckung(u[a], P1) : 1.0, fb = strecken ? Streckung(u[b], P1) : 1.0;
  A1 = P1;
  A2 = u[a].mal(fa).LinKomb(1.0, P1, 1.0);
  A3 = u[b].mal(fb).LinKomb(1.0, P1, 1.0);
  faktor = fa * fb;
}

}  // namespace

// ---- orthogonal object, translation, clone ---------------------------------

bool Orthogonale(const QuarnelT& A, const VektorT& P, QuarnelT& res) {
  if (A.Typ <= Zahl) return false;
  // The line's direction becomes the plane's normal and the other way round;
  // only the copy in the result is brought into canonical form.
  VektorT richtung = A.v2;
  richtung.VereinfacheRichtung();
  const std::int32_t typ = 5 - A.Typ;
  res.v1.uebernimmtKomponentenVon(P);
  res.v2 = richtung;
  res.Typ = typ;
  return true;
}

void OrthogonaleDurchP(Plattform& ui, const QuarnelT& A, const VektorT& P, QuarnelT& res, bool& ok) {
  ok = Orthogonale(A, P, res);
  if (!ok) ui.MsgBox("Fehler in der Methode OrthogonaleDurchP");
}

void ErzeugeOrthogonale(Bauraum& raum, const std::string& A, const std::string& B, QuarnelT& G, bool& ok) {
  if (!ok) return;
  const QuarnelT* a = raum.objekte.HoleQuarnel(A);
  const QuarnelT* b = raum.objekte.HoleQuarnel(B);
  if (a == nullptr || b == nullptr) {
    ok = false;
    return;
  }
  // Of B only its stored point counts, whatever B is.
  OrthogonaleDurchP(raum.ui, *a, b->v1, G, ok);
  if (ok) ok = raum.objekte.Einlisten(G);
}

void ErzeugeVerschieben(Bauraum& raum, const std::string& A, const std::string& P, QuarnelT& G, bool& ok) {
  if (!ok) return;
  // A's stored point is moved onto P's stored point; A's direction or normal
  // goes along as A stores it.
  VektorT V1, V2;
  raum.objekte.HoleVektor(2, A, V2);
  raum.objekte.HoleVektor(1, P, V1);
  const QuarnelT* a = raum.objekte.HoleQuarnel(A);
  if (a == nullptr || raum.objekte.HoleQuarnel(P) == nullptr) {
    ok = false;
    return;
  }
  // Segments, triangles, tetrahedra and collections consist of the names of
  // other objects; there is no point of theirs to move.
  const std::int32_t typ = a->Typ;
  if (typ <= Strecke || typ == Zahl) {
    ok = false;
    return;
  }
  G.v1 = V1;
  G.v2 = V2;
  G.Typ = typ;
  ok = raum.objekte.Einlisten(G);
}

void KloneQuarnel(Bauraum& raum, const std::string& Neu, const std::string& Alt, bool& ok) {
  const QuarnelT* a = raum.objekte.HoleQuarnel(Alt);
  ok = a != nullptr && a->Typ > Zahl;
  if (!ok) return;
  QuarnelT K;
  K.v1 = a->v1;
  if (a->Typ > Punkt) K.v2 = a->v2;  // a point's clone gets only its position
  K.Typ = a->Typ;
  K.name = Neu;
  ok = raum.objekte.Einlisten(std::move(K));
}

// ---- mirror image ------------------------------------------------------------

void Spiegele(Plattform& ui, const QuarnelT& g, const QuarnelT& m, QuarnelT& res, bool& ok) {
  if (!ok) return;
  const std::int32_t gTyp = g.Typ, mTyp = m.Typ;
  res.Typ = gTyp;
  if (!IstFlach(gTyp) || !IstFlach(mTyp)) {
    ui.MsgBox("Fehler in der Methode Spiegele");
    ok = false;
    return;
  }
  const VektorT P = g.v1;  // g's stored point
  const VektorT d = g.v2;  // g's direction or normal
  const VektorT M = m.v1;  // m's stored point
  // Each pair of type codes has its own key.
  switch (gTyp * gTyp + mTyp) {
    case 2:  // point in point
      res.v1 = P.SpiegelePP(M);
      break;
    case 3:  // point in line
    case 4: {  // point in plane
      VektorT F;
      LotfusspunktPG(P, m, F);
      res.v1 = P.SpiegelePP(F);
      break;
    }
    case 5:  // line in point: the direction stays
      res.v1 = P.SpiegelePP(M);
      res.v2 = d;
      break;
    case 6:    // line in line
    case 7: {  // line in plane
      // Two points of the line are mirrored; the image runs from Q' to P',
      // the negated image of d with the length of d.
      // Q is taken far enough along d that the images keep the digits of d.
      const double f = Streckung(d, P);
      const VektorT Q = P.LinKomb(1.0, d, f);
      VektorT P_, Q_;
      SpiegelePG(P, m, P_);
      SpiegelePG(Q, m, Q_);
      res.v1 = P_;
      res.v2 = P_.Richtung(Q_).mal(1.0 / f);
      break;
    }
    case 10:  // plane in point: the normal stays
      res.v1 = P.LinKomb(-1.0, M, 2.0);
      res.v2 = d;
      break;
    case 11:    // plane in line
    case 12: {  // plane in plane
      // Three points of the plane are mirrored; the image plane passes
      // through the images, its normal is the cross product of two edges.
      VektorT A1, A2, A3;
      double faktor = 1.0;
      DreiEbenenpunkte(g, A1, A2, A3, ok, true, faktor);
      VektorT A1_, A2_, A3_;
      SpiegelePG(A1, m, A1_);
      SpiegelePG(A2, m, A2_);
      SpiegelePG(A3, m, A3_);
      A2 = A1_.Richtung(A2_);
      A3 = A1_.Richtung(A3_);
      A3_ = A2.kreuz(A3).mal(1.0 / faktor);
      HalteLaenge(A3_);
      res.v1 = A1_;
      res.v2 = A3_;
      break;
    }
    default:
      break;
  }
}

void ErzeugeSpiegelbild(Bauraum& raum, const std::string& g, const std::string& m, QuarnelT& G, bool& ok) {
  const std::int32_t t1 = raum.objekte.QuarnelTypNr(g);
  const std::int32_t t2 = raum.objekte.QuarnelTypNr(m);
  if (t1 * t2 <= 0) {
    ok = false;
    return;
  }
  const QuarnelT* objekt = raum.objekte.HoleQuarnel(g);
  const QuarnelT* spiegel = raum.objekte.HoleQuarnel(m);
  ok = objekt != nullptr && spiegel != nullptr;
  if (ok) Spiegele(raum.ui, *objekt, *spiegel, G, ok);
  if (ok) ok = raum.objekte.Einlisten(G);
}

// ---- rotation ----------------------------------------------------------------

void Finde3Ebenenpunkte(const QuarnelT& E, VektorT& A1, VektorT& A2, VektorT& A3, bool& ok) {
  double faktor = 1.0;
  DreiEbenenpunkte(E, A1, A2, A3, ok, false, faktor);
}

void DrehungumGerade(Plattform& ui, const QuarnelT& g, double winkel, const QuarnelT& achse, QuarnelT& res,
                     bool& ok) {
  ok = ok && achse.Typ == Gerade;
  if (!ok) return;
  // A direction that counts as null fixes no axis, and an angle that is no
  // number turns nothing.
  if (achse.v2.IstNullvektor() || !std::isfinite(winkel)) {
    ok = false;
    return;
  }
  // The mirror planes are built from the unit direction: from a short one
  // (an axis through two close points) their normals would be so short that
  // the feet of the perpendiculars on them count as not existing.
  const VektorT D = achse.v2.mal(1.0 / achse.v2.Norm());
  // Two planes through the axis that enclose half the angle; mirroring in
  // the first and then in the second turns by the whole angle.
  // Whole turns are taken off first (exactly), so that a huge angle cannot
  // overflow on its way to radians.
  VektorT n1, n2;
  D.DrehachsenRichtungen(std::fmod(winkel, 360.0) / 2.0, n1, n2);
  QuarnelT E1, E2, T;
  E1.Typ = Ebene;
  E1.v1 = achse.v1;
  E1.v2 = D.kreuz(n1);
  E2.Typ = Ebene;
  E2.v1 = achse.v1;
  E2.v2 = D.kreuz(n2);
  Spiegele(ui, g, E1, T, ok);
  if (ok) Spiegele(ui, T, E2, res, ok);
}

void ErzeugeDrehung(Bauraum& raum, const std::string& g, double winkel, const std::string& achse, QuarnelT& G,
                    bool& ok) {
  if (!ok) return;
  const QuarnelT* objekt = raum.objekte.HoleQuarnel(g);
  ok = objekt != nullptr;
  const QuarnelT* gerade = nullptr;
  if (ok) {
    gerade = raum.objekte.HoleQuarnel(achse);
    ok = gerade != nullptr;
  }
  if (ok) DrehungumGerade(raum.ui, *objekt, winkel, *gerade, G, ok);
  if (ok) {
    G.Typ = objekt->Typ;
    ok = raum.objekte.Einlisten(G);
  }
}

}  // namespace quarnel
