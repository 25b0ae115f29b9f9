#include "constructions/SchnittLot.h"

#include <cmath>
#include <limits>

#include "constructions/Bauraum.h"
#include "platform/Plattform.h"

namespace quarnel {

namespace {

// Objects that the intersection and the feet treat geometrically: the flats
// and the whole space.
bool IstGeometrisch(std::int32_t t) { return t >= Punkt && t <= Raum; }

// A line or plane whose direction or normal is a null vector is known only
// by its point.
bool OhneVektor(const QuarnelT& g) { return (g.Typ == Gerade || g.Typ == Ebene) && g.v2.IstNullvektor(); }

// The point of the line through p along u that comes closest to the line
// through q along v; kr = u × v (not null), k the same lengthened.
VektorT NaechsterPunkt(const VektorT& p, const VektorT& u, const VektorT& q, const VektorT& v, const VektorT& kr,
                       const VektorT& k) {
  // p + t·u − q lies in the plane of v and k; crossing with v and taking the
  // part along k leaves t·(u × v)·k = ((q − p) × v)·k.
  const double t = q.Richtung(p).kreuz(v).SkalProd(k) / kr.SkalProd(k);
  return p.LinKomb(1.0, u, t);
}

// A point of the line common to the planes through p1 with normal n1 and
// through p2 with normal n2 (not parallel). U lies in the second plane and
// is orthogonal to the line of both; walking from p2 along U reaches the
// line at the foot of p2.
VektorT Treffpunkt(const VektorT& p1, const VektorT& n1, const VektorT& p2, const VektorT& n2) {
  VektorT k = n1.kreuz(n2);
  VektorT u = k.kreuz(n2);
  double t = (p1.SkalProd(n1) - p2.SkalProd(n1)) / u.SkalProd(n1);
  return p2.LinKomb(1.0, u, t);
}

// Directions and normals that come out of rotations and mirror images are
// off by a few roundings, a tilt of about 1e-16 for each step. Below this
// bound the unit cross product of two of them says nothing about where the
// objects meet, only how they were computed.
constexpr double kRundungsneigung = 1e-12;

// u and v enclose an angle that rounding cannot have made.
bool Verkippt(const VektorT& u, const VektorT& v) {
  return Einheit(Verlaengert(u)).kreuz(Einheit(Verlaengert(v))).Norm() >= kRundungsneigung;
}

// Beyond this coordinate a few roundings of a point are as large as the
// tolerance: whether the point lies on a line or in a plane is then decided
// by rounding, and the test can no longer fail for the point computed as
// where two objects meet.
constexpr double kAufloesbar = NullToleranz / (4.0 * std::numeric_limits<double>::epsilon());

// The point p lies where doubles still tell the tolerance from rounding.
bool Aufloesbar(const VektorT& p) {
  return std::fmax(std::fmax(std::fabs(p.x()), std::fabs(p.y())), std::fabs(p.z())) < kAufloesbar;
}

// r becomes a copy of g's type and vectors (the vectors a point lacks are
// left as r had them).
void KopieVon(const QuarnelT& g, QuarnelT& r) {
  r.Typ = g.Typ;
  if (g.Typ >= Punkt && g.Typ <= Ebene) r.v1 = g.v1;
  if (g.Typ == Gerade || g.Typ == Ebene) r.v2 = g.v2;
}

// The intersection of two flats. S is the one of the lower type code (a on a
// tie), T the other; the case is the pair of codes.
void SchnittFlach(const QuarnelT& a, const QuarnelT& b, QuarnelT& r) {
  const QuarnelT& S = b.Typ < a.Typ ? b : a;
  const QuarnelT& T = b.Typ < a.Typ ? a : b;
  // Copies first: r may be handed in as one of the operands.
  const std::int32_t tS = S.Typ, tT = T.Typ;
  const VektorT pS = S.v1, uS = S.v2, pT = T.v1, uT = T.v2;

  if (tS == Punkt && (tT == Punkt || tT == Gerade || tT == Ebene)) {
    // A point meets a flat in itself when it lies on it.
    const bool liegtDarauf = tT == Punkt    ? pS.istgleich(pT)
                             : tT == Gerade ? AufGerade(pS, pT, uT)
                                            : InEbene(pS, pT, uT);
    if (liegtDarauf) {
      r.v1 = pS;
      r.Typ = Punkt;
    } else {
      r.Typ = LeeresQuarnel;
    }
  } else if (tS == Gerade && tT == Gerade) {
    VektorT k = uS.kreuz(uT);
    if (!SindParallel(uS, uT)) {
      VektorT w = pT.LinKomb(1.0, pS, -1.0);
      if (w.IstNullvektor()) {
        r.v1 = pS;
        r.Typ = Punkt;
      } else if (InEbene(pT, pS, Verlaengert(k))) {
        // T's point lies in the plane through S spanned by both directions:
        // the lines are less than the tolerance apart, so they meet.
        // pS + t·uS = pT + s·uT gives (pT − pS) × uT = t·k.
        w = w.kreuz(uT);
        double t = w.SkalProd(k) / k.SkalProd(k);
        r.v1 = pS.LinKomb(1.0, uS, t);
        r.Typ = Punkt;
      } else {
        r.Typ = LeeresQuarnel;  // skew lines
      }
    } else {
      VektorT m;
      switch (LageParallelerGeraden(pS, uS, pT, uT, m)) {
        case ParalleleLage::Gleich:
          r.v1 = pS;
          r.v2 = uS;
          r.Typ = Gerade;
          break;
        case ParalleleLage::Schneidend:
          r.v1 = m;
          r.Typ = Punkt;
          break;
        default:
          r.Typ = LeeresQuarnel;  // distinct parallel or skew lines
          break;
      }
    }
  } else if (tS == Gerade && tT == Ebene) {
    // A line counts as parallel to the plane with the same test that the
    // distance uses, so a line lying in the plane meets it in the line.
    if (!SindSenkrecht(uS, uT)) {
      double s = uS.SkalProd(uT);
      VektorT w = pT.LinKomb(1.0, pS, -1.0);
      double t = w.SkalProd(uT) / s;
      r.v1 = pS.LinKomb(1.0, uS, t);
      r.Typ = Punkt;
    } else {
      if (InEbene(pS, pT, uT)) {
        r.v1 = pS;
        r.v2 = uS;
        r.Typ = Gerade;
      } else {
        r.Typ = LeeresQuarnel;
      }
    }
  } else if (tS == Ebene && tT == Ebene) {
    if (!SindParallel(uS, uT)) {
      // Short normals give a short direction, which the simplification
      // would round to nothing; it is lengthened first.
      VektorT k = Verlaengert(uS.kreuz(uT));
      k.VereinfacheRichtung();
      VektorT d;
      if (pS.istgleich(pT)) {
        d = pS;
      } else {
        d = Treffpunkt(pS, uS, pT, uT);
      }
      r.v2 = k;
      r.v1 = d;
      r.Typ = Gerade;
    } else {
      VektorT m;
      switch (LageParallelerEbenen(pS, uS, pT, uT, m)) {
        case ParalleleLage::Gleich:
          r.v1 = pS;
          r.v2 = uS;
          r.Typ = Ebene;
          break;
        case ParalleleLage::Schneidend: {
          VektorT k = Verlaengert(uS.kreuz(uT));
          k.VereinfacheRichtung();
          r.v2 = k;
          r.v1 = m;
          r.Typ = Gerade;
          break;
        }
        default:
          r.Typ = LeeresQuarnel;  // distinct parallel planes
          break;
      }
    }
  }
}

}  // namespace

void Schnitt(const QuarnelT& a, const QuarnelT& b, QuarnelT& r) {
  if (a.Typ == LeeresQuarnel || b.Typ == LeeresQuarnel) {
    r.Typ = LeeresQuarnel;
    return;
  }
  // Compound objects and numbers have no point set here: r stays as it is.
  if (!IstGeometrisch(a.Typ) || !IstGeometrisch(b.Typ)) return;
  if (a.Typ == Raum) {
    KopieVon(b, r);
    return;
  }
  if (b.Typ == Raum) {
    KopieVon(a, r);
    return;
  }
  SchnittFlach(a, b, r);
}

ParalleleLage LageParallelerGeraden(const VektorT& p, const VektorT& u, const VektorT& q, const VektorT& v,
                                    VektorT& punkt) {
  // One line only when each stored point lies on the other line: a single
  // point on the other line would make the verdict depend on the order.
  if (AufGerade(q, p, u) && AufGerade(p, q, v)) return ParalleleLage::Gleich;
  // Directions tilted by more than rounding may meet, far away or at a
  // stored point. They do when the common perpendicular counts as zero; the
  // closest points of both lines are found, and their midpoint must lie on
  // both lines, where doubles can still tell (far out, rounding can no
  // longer tell where they meet, and the lines are parallel).
  // Each quantity is computed for both orders and combined symmetrically.
  const VektorT kr = u.kreuz(v);
  const VektorT kr2 = v.kreuz(u);  // exactly −kr
  if (Verkippt(u, v) && InEbene(q, p, Verlaengert(kr))) {
    const VektorT m1 = NaechsterPunkt(p, u, q, v, kr, Verlaengert(kr));
    const VektorT m2 = NaechsterPunkt(q, v, p, u, kr2, Verlaengert(kr2));
    const VektorT m = m1.plus(m2).mal(0.5);
    if (Aufloesbar(m) && AufGerade(m, p, u) && AufGerade(m, q, v)) {
      punkt = m;
      return ParalleleLage::Schneidend;
    }
  }
  // Apart: in one plane when each line lies in the plane through the other
  // line and this line's point, spanned by that line and the point's height.
  const VektorT d = Quer(p.Richtung(q), u);
  const VektorT d2 = Quer(q.Richtung(p), v);
  if (SindSenkrecht(v, u.kreuz(d)) && SindSenkrecht(u, v.kreuz(d2))) return ParalleleLage::Parallel;
  return ParalleleLage::Windschief;
}

ParalleleLage LageParallelerEbenen(const VektorT& p, const VektorT& n, const VektorT& q, const VektorT& m,
                                   VektorT& punkt) {
  if (InEbene(p, q, m) && InEbene(q, p, n)) return ParalleleLage::Gleich;
  // Normals tilted by more than rounding belong to planes that meet in a
  // line, far away or near the stored points; a point of it is found from
  // either plane, and their midpoint must lie in both where doubles can
  // still tell. Otherwise the planes are parallel.
  if (Verkippt(n, m)) {
    const VektorT t = Treffpunkt(p, n, q, m).plus(Treffpunkt(q, m, p, n)).mal(0.5);
    if (Aufloesbar(t) && InEbene(t, p, n) && InEbene(t, q, m)) {
      punkt = t;
      return ParalleleLage::Schneidend;
    }
  }
  return ParalleleLage::Parallel;
}

void GemeinsamerEbenenpunkt(Plattform& ui, const QuarnelT& e1, const QuarnelT& e2, VektorT& p) {
  if (e1.Typ != Ebene || e2.Typ != Ebene) {
    ui.MsgBox("Verfehlter Aufruf von GemeinsamerEbenenpunkt");
    return;
  }
  p = Treffpunkt(e1.v1, e1.v2, e2.v1, e2.v2);
}

bool LotfusspunktPG(const VektorT& p, const QuarnelT& g, VektorT& f) {
  if (g.Typ == Punkt) {
    f = g.v1;
    return true;
  }
  if (g.Typ != Gerade && g.Typ != Ebene) return false;
  if (OhneVektor(g)) {
    f = g.v1;
    return true;
  }
  // The plane through p perpendicular to the line, or the line through p
  // perpendicular to the plane, meets g in the foot.
  QuarnelT hilf;
  hilf.v1 = p;
  hilf.v2 = g.v2;
  hilf.Typ = 5 - g.Typ;
  QuarnelT r;
  Schnitt(hilf, g, r);
  f = r.v1;
  return true;
}

bool SpiegelePG(const VektorT& p, const QuarnelT& g, VektorT& r) {
  if (g.Typ == Punkt) {
    r = p.SpiegelePP(g.v1);
    return true;
  }
  if (g.Typ != Gerade && g.Typ != Ebene) return false;
  VektorT f;
  LotfusspunktPG(p, g, f);
  r = p.SpiegelePP(f);
  return true;
}

bool IstPunktvon(const VektorT& p, const QuarnelT& g) {
  if (g.Typ == Punkt) return p.istgleich(g.v1);
  if (g.Typ != Gerade && g.Typ != Ebene) return false;
  VektorT f;
  LotfusspunktPG(p, g, f);
  return p.istgleich(f);
}

void ErzeugeSchnitt(Bauraum& raum, const std::string& a, const std::string& b, QuarnelT& G, bool& ok) {
  const QuarnelT* A = raum.objekte.HoleQuarnel(a);
  const QuarnelT* B = raum.objekte.HoleQuarnel(b);
  bool gefunden = A != nullptr && B != nullptr;
  // The empty object meets nothing; otherwise only points, lines, planes and
  // the whole space can be intersected.
  bool zulaessig = gefunden && (A->Typ == LeeresQuarnel || B->Typ == LeeresQuarnel ||
                                (IstGeometrisch(A->Typ) && IstGeometrisch(B->Typ)));
  if (!zulaessig) {
    ok = false;
    raum.ui.MsgBox("Fehler bei den Operanden-Quarneln in ErzeugeSchnitt");
    return;
  }
  Schnitt(*A, *B, G);
  if (ok) ok = raum.objekte.Einlisten(G);
}

void ErzeugeLotfussfpunktG(Bauraum& raum, const std::string& a, const std::string& b, QuarnelT& G, bool& ok) {
  const QuarnelT* pa = raum.objekte.HoleQuarnel(a);
  const QuarnelT* pb = raum.objekte.HoleQuarnel(b);
  if (!pa || !pb) {
    ok = false;
    return;
  }
  // Copies: G may be entered under the name of an operand.
  const QuarnelT A = *pa;
  const QuarnelT B = *pb;

  auto leer = [&] { G.Typ = LeeresQuarnel; };
  auto punktVonB = [&] {
    G.Typ = Punkt;
    G.v1 = B.v1;
  };
  auto kopieVonB = [&] { KopieVon(B, G); };
  // The auxiliary flat through a point with the given vector.
  auto hilf = [](std::int32_t typ, const VektorT& p, const VektorT& v) {
    QuarnelT H;
    H.Typ = typ;
    H.v1 = p;
    H.v2 = v;
    return H;
  };

  if (A.Typ == LeeresQuarnel) {
    leer();
  } else if (!IstGeometrisch(A.Typ)) {
    ok = false;  // compound objects are not projected
    return;
  } else if (B.Typ == LeeresQuarnel) {
    leer();
  } else if (!IstGeometrisch(B.Typ)) {
    ok = false;
    return;
  } else if (A.Typ == Raum) {
    // All of space projected onto an object covers that object.
    kopieVonB();
  } else if (B.Typ == Raum) {
    // Projected onto all of space, an object stays as it is.
    KopieVon(A, G);
  } else if (A.Typ == Punkt && B.Typ == Punkt) {
    raum.ui.MsgBox("Warnung: Verschiebung Punkt auf Punkt");
    punktVonB();
  } else if (B.Typ == Punkt || OhneVektor(B)) {
    punktVonB();  // every foot on a point (or a flat known only by its point) is that point
  } else if (A.Typ == Punkt || OhneVektor(A)) {
    // Point onto line: the plane through the point across the line;
    // point onto plane: the line through the point along the normal.
    Schnitt(B, hilf(5 - B.Typ, A.v1, B.v2), G);
  } else if (A.Typ == Gerade && B.Typ == Gerade) {
    if (SindSenkrecht(A.v2, B.v2)) {
      // Perpendicular lines: every point of A drops onto one point of B.
      Schnitt(B, hilf(Ebene, A.v1, B.v2), G);
    } else {
      kopieVonB();
    }
  } else if (A.Typ == Gerade && B.Typ == Ebene) {
    if (SindParallel(A.v2, B.v2)) {
      Schnitt(A, B, G);  // A stands on B: its foot is where it meets B
    } else {
      // The plane through A perpendicular to B cuts B in the projected line.
      Schnitt(B, hilf(Ebene, A.v1, Verlaengert(A.v2.kreuz(B.v2))), G);
    }
  } else if (A.Typ == Ebene && B.Typ == Gerade) {
    if (SindParallel(A.v2, B.v2)) {
      Schnitt(A, B, G);
    } else {
      kopieVonB();
    }
  } else {  // two planes
    if (SindSenkrecht(A.v2, B.v2)) {
      Schnitt(A, B, G);
    } else {
      kopieVonB();
    }
  }
  if (ok) ok = raum.objekte.Einlisten(G);
}

}  // namespace quarnel
