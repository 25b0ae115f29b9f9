#include "constructions/Koerper.h"

#include "constructions/Bauraum.h"
#include "constructions/Grundlagen.h"

namespace quarnel {

namespace {

bool IstPunktName(const Bauraum& raum, const std::string& name) { return raum.objekte.QuarnelTypNr(name) == Punkt; }

}  // namespace

void ErzeugeDreieck(Bauraum& raum, const std::string& A1, const std::string& A2, const std::string& A3, QuarnelT& G,
                    bool& ok) {
  if (!ok) return;
  // A triangle keeps only the names of its corners; its geometry is read
  // from the corner points whenever it is needed, so each must be a point.
  ok = IstPunktName(raum, A1) && IstPunktName(raum, A2) && IstPunktName(raum, A3);
  ok = ok && A1 != A2 && A1 != A3 && A2 != A3;
  if (!ok) {
    raum.ui.MsgBox("Fehler beim Erzeugen eines Dreiecks");
    return;
  }
  G.Ecken[1] = A1;
  G.Ecken[2] = A2;
  G.Ecken[3] = A3;
  G.Typ = Dreieck;
  raum.objekte.Einlisten(G);
}

void ErzeugeTetraeder(Bauraum& raum, const std::string& D, const std::string& S, QuarnelT& G, bool& ok) {
  ok = ok && raum.objekte.ExistiertQuarnel(D) && raum.objekte.ExistiertQuarnel(S);
  const QuarnelT* basis = nullptr;
  const QuarnelT* spitze = nullptr;
  if (ok) {
    basis = raum.objekte.HoleQuarnel(D);
    spitze = raum.objekte.HoleQuarnel(S);
    ok = basis != nullptr && spitze != nullptr;
  }
  // The apex must not be one of the base corners.
  if (ok) ok = spitze->name != basis->Ecken[1] && spitze->name != basis->Ecken[2] && spitze->name != basis->Ecken[3];
  // The base corners are looked up afresh: they may have been deleted or
  // redefined since the triangle was made.
  const QuarnelT* ecke[4] = {nullptr, nullptr, nullptr, nullptr};
  for (int i = 1; i <= 3 && ok; ++i) {
    ecke[i] = raum.objekte.HoleQuarnel(basis->Ecken[i]);
    ok = ecke[i] != nullptr;
  }
  // All four corners must be points.
  if (ok) ok = ecke[1]->Typ == Punkt && ecke[2]->Typ == Punkt && ecke[3]->Typ == Punkt && spitze->Typ == Punkt;
  if (!ok) {
    raum.ui.MsgBox("Fehler beim Erzeugen eines Tetraeders");
    return;
  }
  G.Ecken[1] = ecke[1]->name;
  G.Ecken[2] = ecke[2]->name;
  G.Ecken[3] = ecke[3]->name;
  G.Ecken[4] = spitze->name;
  G.Typ = Tetraeder;
  raum.objekte.Einlisten(G);
}

void ErzeugeMittelsenkrechte(Bauraum& raum, const std::string& P, const std::string& Q, QuarnelT& G, bool& ok) {
  if (!ok) return;
  VektorT A, B;
  raum.objekte.HoleVektor(1, P, A);
  raum.objekte.HoleVektor(1, Q, B);
  // Only points have a position to take the midpoint of.
  if (!IstPunktName(raum, P) || !IstPunktName(raum, Q)) {
    ok = false;
    return;
  }
  const VektorT M = A.LinKomb(0.5, B, 0.5);
  VektorT N = A.Richtung(B);  // from Q to P
  N.VereinfacheRichtung();
  ok = !N.IstNullvektor();
  if (!ok) {
    raum.ui.MsgBox("Fehler: Der Normalen darf nicht der Nullvektor sein");
    return;
  }
  G.v1 = M;
  G.v2 = N;
  G.Typ = Ebene;
  ok = raum.objekte.Einlisten(G);
}

void ErzeugeSammlung(Bauraum& raum, const std::string& name, const std::string& mitglieder, bool& ok) {
  if ((raum.objekte.ExistiertQuarnel(name) && !raum.destruktiv) || !Objektliste::ErlaubterName(name)) {
    raum.ui.MsgBox(NameUnerlaubt(name));
    ok = false;
    return;
  }
  // The members are kept by name only, exactly as given; entering replaces
  // an older object of the same name.
  QuarnelT S;
  S.name = name;
  S.Ecken[1] = mitglieder;
  S.Typ = Sammlung;
  raum.objekte.Einlisten(std::move(S));
  ok = true;
}

}  // namespace quarnel
