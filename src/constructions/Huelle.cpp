#include "constructions/Huelle.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "constructions/Abstaende.h"
#include "constructions/Bauraum.h"
#include "constructions/SchnittLot.h"

namespace quarnel {

namespace {

bool IstHuellenOperand(std::int32_t typ) { return typ == LeeresQuarnel || (typ >= Punkt && typ <= Raum); }

// The direction within the plane of two parallel lines: u itself when v is
// exactly parallel to it; otherwise the mean of both directions at the
// length of u (v turned to the same sense), so that the plane through the
// two lines is the same whichever comes first.
VektorT ParalleleRichtung(const VektorT& u, const VektorT& v) {
  if (u.kreuz(v) == VektorT()) return u;
  const double laenge = u.SkalProd(Einheit(u));  // |u|, without squaring it
  const VektorT w = Einheit(v).mal(u.SkalProd(v) < 0.0 ? -laenge : laenge);
  return u.LinKomb(0.5, w, 0.5);
}

// The distance of the point p from the line g.
double Hoehe(const VektorT& p, const QuarnelT& g) { return Quer(p.Richtung(g.v1), g.v2).Norm(); }

// Whether the point p comes before the point q in the hull of a line g and
// two points: the one farther from g first; on a tie, in the order of their
// coordinates.
bool Vorher(const VektorT& p, const VektorT& q, const QuarnelT& g) {
  const double hp = Hoehe(p, g), hq = Hoehe(q, g);
  if (hp != hq) return hp > hq;
  return std::tie(p.kp[1], p.kp[2], p.kp[3]) < std::tie(q.kp[1], q.kp[2], q.kp[3]);
}

}  // namespace

void ErzeugeHuelle(Bauraum& raum, const std::string& a, const std::string& b, const std::string& c, QuarnelT& G,
                   bool& ok) {
  const QuarnelT* A1 = raum.objekte.HoleQuarnel(a);
  const QuarnelT* A2 = raum.objekte.HoleQuarnel(b);
  const QuarnelT* A3 = raum.objekte.HoleQuarnel(c);
  ok = A1 != nullptr && A2 != nullptr && A3 != nullptr;
  // Only flats and the empty object have a hull; compound objects and
  // numbers carry no point to join.
  ok = ok && IstHuellenOperand(A1->Typ) && IstHuellenOperand(A2->Typ) && IstHuellenOperand(A3->Typ);
  if (!ok) {
    raum.ui.MsgBox("Fehler bei den Operanden-Quarneln in ErzeugeSchnitt");
    return;
  }
  Huelle(*A1, *A2, *A3, G, ok);
  ok = raum.objekte.Einlisten(G);
}

void Huelle(const QuarnelT& O1, const QuarnelT& O2, const QuarnelT& O3, QuarnelT& res, bool& ok) {
  // The operands are joined in an order that does not depend on the order
  // they were named in. The first of the highest type code comes first, so
  // the first flat is built on given objects, not a flat built from two
  // others (the rest keep their order). After a line, two points come in
  // the order of their distance from it, the farther first: the plane
  // through the line and the farther point is the better determined, and
  // the nearer point is tested against it, as three points are judged by
  // the corner opposite the longest side.
  std::array<const QuarnelT*, 3> o{&O1, &O2, &O3};
  const auto hoechster = std::max_element(o.begin(), o.end(), [](const QuarnelT* x, const QuarnelT* y) {
    return x->Typ < y->Typ;
  });
  std::rotate(o.begin(), hoechster, hoechster + 1);
  if (o[0]->Typ == Gerade && o[1]->Typ == Punkt && o[2]->Typ == Punkt && Vorher(o[2]->v1, o[1]->v1, *o[0]))
    std::swap(o[1], o[2]);
  const QuarnelT &A1 = *o[0], &A2 = *o[1], &A3 = *o[2];

  QuarnelT T;
  Huelle2(A1, A2, T, ok);
  if (A1.Typ == Punkt && A2.Typ == Punkt && A3.Typ == Punkt && T.Typ == Gerade) {
    // Three points span a plane unless they lie on one line, judged on the
    // whole triangle so that the order of the points does not matter (the
    // third point's distance from the line of the first two would not do
    // for a long thin triangle). The line or plane is the one the general
    // case below builds.
    if (AufEinerGeraden(A1.v1, A2.v1, A3.v1)) {
      res.Typ = Gerade;
      res.v1 = T.v1;
      res.v2 = T.v2;
    } else {
      res.Typ = Ebene;
      res.v1 = T.v1;
      res.v2 = Verlaengert(T.v2.kreuz(A3.v1.Richtung(T.v1)));
    }
    return;
  }
  // The third operand comes first, so the hull of the first two is the
  // operand whose point a constructed flat takes on a tie.
  Huelle2(A3, T, res, ok);
}

void Huelle2(const QuarnelT& a, const QuarnelT& b, QuarnelT& res, bool&) {
  // L has the lower type code (the first operand on a tie), U the other.
  const bool getauscht = b.Typ < a.Typ;
  const QuarnelT& L = getauscht ? b : a;
  const QuarnelT& U = getauscht ? a : b;
  const std::int32_t tL = L.Typ, tU = U.Typ;
  const VektorT PL = L.v1, PU = U.v1;
  const VektorT vL = L.v2, vU = U.v2;  // direction of a line, normal of a plane
  const VektorT D = PL.Richtung(PU);   // from U's point to L's point

  auto kopieVonU = [&] {
    res.Typ = tU;
    res.v1 = PU;
    res.v2 = vU;
  };
  auto raum = [&] { res.Typ = Raum; };
  auto flach = [&](std::int32_t typ, const VektorT& v2) {
    res.Typ = typ;
    res.v1 = PU;
    res.v2 = v2;
  };
  // L lies in U, or two lines with crossing directions meet, or two
  // parallel lines are one line: the distance counts as zero.
  auto treffen = [&] { return IstNull(AbstandG(L, U)); };

  if (tL == LeeresQuarnel) {
    kopieVonU();
  } else if (tU == Raum) {
    raum();
  } else if (tU == Ebene) {
    bool liegtDrin = false;
    if (tL == Ebene) {
      // Only one plane; two planes that meet, even far away, span the space.
      VektorT m;
      liegtDrin = SindParallel(vL, vU) && LageParallelerEbenen(PL, vL, PU, vU, m) == ParalleleLage::Gleich;
    } else if (tL == Gerade) {
      liegtDrin = SindSenkrecht(vL, vU) && treffen();
    } else if (tL == Punkt) {
      liegtDrin = treffen();
    } else {
      return;
    }
    if (liegtDrin) kopieVonU(); else raum();
  } else if (tU == Gerade) {
    // A normal made from short vectors is lengthened (exactly), lest the
    // plane count as having none.
    if (tL == Gerade) {
      if (!SindParallel(vL, vU)) {
        // Crossing directions: the lines span a plane only when they meet.
        if (treffen()) flach(Ebene, Verlaengert(vL.kreuz(vU))); else raum();
      } else {
        // Directions parallel within the tolerance: decided as the
        // intersection decides it, whichever line comes first.
        VektorT m;
        switch (LageParallelerGeraden(PL, vL, PU, vU, m)) {
          case ParalleleLage::Gleich:
            kopieVonU();  // one line
            break;
          case ParalleleLage::Schneidend:
            flach(Ebene, Verlaengert(vL.kreuz(vU)));  // meeting at a very small angle
            break;
          case ParalleleLage::Parallel: {  // two parallel lines
            const VektorT r = ParalleleRichtung(vL, vU);
            flach(Ebene, Verlaengert(r.kreuz(Quer(D, r))));
            break;
          }
          case ParalleleLage::Windschief:
            raum();
            break;
        }
      }
    } else if (tL == Punkt) {
      // The plane is spanned by the line and the height of the point over it.
      if (treffen()) kopieVonU(); else flach(Ebene, Verlaengert(vU.kreuz(Quer(D, vU))));
    }
  } else if (tU == Punkt) {
    if (D.IstNullvektor()) {
      res.Typ = Punkt;
      res.v1 = PU;
    } else {
      flach(Gerade, D);
    }
  }
}

}  // namespace quarnel
