#include "constructions/Huelle.h"

#include "description/Abstand.h"
#include "ui/main_window/HauptF.h"

namespace quarnel {

namespace {

bool IstHuellenOperand(std::int32_t typ) { return typ == LeeresQuarnel || (typ >= Punkt && typ <= Raum); }

}  // namespace

void ErzeugeHuelle(HauptF& h, const std::string& a, const std::string& b, const std::string& c, QuarnelT& G,
                   bool& ok) {
  const QuarnelT* A1 = h.objekte.HoleQuarnel(a);
  const QuarnelT* A2 = h.objekte.HoleQuarnel(b);
  const QuarnelT* A3 = h.objekte.HoleQuarnel(c);
  ok = A1 != nullptr && A2 != nullptr && A3 != nullptr;
  // Only flats and the empty object have a hull; compound objects and
  // numbers carry no point to join.
  ok = ok && IstHuellenOperand(A1->Typ) && IstHuellenOperand(A2->Typ) && IstHuellenOperand(A3->Typ);
  if (!ok) {
    h.ui.MsgBox("Fehler bei den Operanden-Quarneln in ErzeugeSchnitt");
    return;
  }
  Huelle(h, *A1, *A2, *A3, G, ok);
  ok = h.objekte.Einlisten(G);
}

void Huelle(HauptF& h, const QuarnelT& A1, const QuarnelT& A2, const QuarnelT& A3, QuarnelT& res, bool& ok) {
  QuarnelT T;
  Huelle2(h, A1, A2, T, ok);
  // The third operand comes first, so the hull of the first two is the
  // operand whose point a constructed flat takes on a tie.
  Huelle2(h, A3, T, res, ok);
}

void Huelle2(HauptF& h, const QuarnelT& a, const QuarnelT& b, QuarnelT& res, bool&) {
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
  auto treffen = [&] { return IstNull(AbstandG(h, L, U)); };

  if (tL == LeeresQuarnel) {
    kopieVonU();
  } else if (tU == Raum) {
    raum();
  } else if (tU == Ebene) {
    bool liegtDrin = false;
    if (tL == Ebene) {
      liegtDrin = SindParallel(vL, vU) && treffen();
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
      } else if (treffen()) {
        kopieVonU();  // one line
      } else {
        flach(Ebene, Verlaengert(vL.kreuz(D)));  // two parallel lines
      }
    } else if (tL == Punkt) {
      if (treffen()) kopieVonU(); else flach(Ebene, Verlaengert(vU.kreuz(D)));
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
