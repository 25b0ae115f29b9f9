#include "constructions/Abstaende.h"

#include <cmath>

#include "constructions/SchnittLot.h"
#include "constructions/Transformationen.h"

namespace quarnel {

namespace {

bool IstFlach(std::int32_t t) { return t >= Punkt && t <= Ebene; }

// Distance from the point p to its foot on the line or plane b: the flat
// through p orthogonal to b (with b's simplified direction or normal) is
// intersected with b.
double AbstandZumFusspunkt(const VektorT& p, const QuarnelT& b) {
  if (b.v2.IstNullvektor()) return p.dist(b.v1);  // a flat known only by its point
  QuarnelT H;
  Orthogonale(b, p, H);
  QuarnelT S;
  Schnitt(H, b, S);
  // Simplifying drops components below the tolerance, so for a vector just
  // above it the pair can count as parallel; the foot along b's own vector
  // is the same point.
  if (S.Typ != Punkt) LotfusspunktPG(p, b, S.v1);
  return p.dist(S.v1);
}

// Two lines or two planes whose directions or normals count as parallel:
// the smaller of the distances of each stored point from the other object
// (equal for exactly parallel ones), so that the order does not matter.
double AbstandBeider(const QuarnelT& a, const QuarnelT& b) {
  return std::fmin(AbstandZumFusspunkt(a.v1, b), AbstandZumFusspunkt(b.v1, a));
}

}  // namespace

double AbstandG(const QuarnelT& g1, const QuarnelT& g2) {
  // Only points, lines and planes have a position to measure from; anything
  // with the whole space, and every other pair, is at distance 0.
  if (!IstFlach(g1.Typ) || !IstFlach(g2.Typ)) return 0.0;
  const QuarnelT& A = g2.Typ < g1.Typ ? g2 : g1;
  const QuarnelT& B = g2.Typ < g1.Typ ? g1 : g2;
  double d = 0.0;
  switch (A.Typ * 10 + B.Typ) {
    case 11:
      d = A.v1.dist(B.v1);
      break;
    case 12:
    case 13:
      d = AbstandZumFusspunkt(A.v1, B);
      break;
    case 22: {
      if (!SindParallel(A.v2, B.v2)) {
        // Skew or meeting lines: the distance of A from the plane through B
        // parallel to A, the length of the common perpendicular.
        QuarnelT H;
        H.Typ = Ebene;
        H.v1 = B.v1;
        H.v2 = Verlaengert(A.v2.kreuz(B.v2));
        d = AbstandG(A, H);
      } else {
        VektorT m;
        switch (LageParallelerGeraden(A.v1, A.v2, B.v1, B.v2, m)) {
          case ParalleleLage::Schneidend:
            break;  // they meet at a very small angle
          case ParalleleLage::Windschief:
            // The length of the common perpendicular.
            d = std::fabs(B.v1.Richtung(A.v1).SkalProd(Einheit(Verlaengert(A.v2.kreuz(B.v2)))));
            break;
          default:
            d = AbstandBeider(A, B);
            break;
        }
      }
      break;
    }
    case 23: {
      if (SindSenkrecht(A.v2, B.v2)) d = AbstandZumFusspunkt(A.v1, B);  // parallel to the plane
      break;
    }
    case 33: {
      VektorT m;
      if (SindParallel(A.v2, B.v2) &&
          LageParallelerEbenen(A.v1, A.v2, B.v1, B.v2, m) != ParalleleLage::Schneidend)
        d = AbstandBeider(A, B);
      break;
    }
    default:
      break;
  }
  if (IstNull(d)) d = 0.0;
  return d;
}

}  // namespace quarnel
