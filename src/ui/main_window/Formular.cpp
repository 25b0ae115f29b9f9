// The main window's methods that lay out the input form for each command
// kind (declared with the other methods in HauptF.h). The form reads as a
// German sentence: the new object's name first, then the prompt and the
// operand lists joined by connector words, or the number fields of a point
// or a plane. A new command kind gets its row in kFormen here, its menu entry
// in kMenueleiste (ui/menus/Menueleiste.cpp) and its sentence in Satzformen
// (interpreter/Saetze.cpp).
#include "interpreter/BefehlT.h"
#include "ui/main_window/HauptF.h"

namespace quarnel {

namespace {

// A connector between two operand lists: shown with its text, hidden, or
// emptied and left as it was shown.
struct Verbinder {
  enum Art { Zeigen, Verbergen, Leer } art;
  const char* text = "";
};
constexpr Verbinder Zeige(const char* text) { return {Verbinder::Zeigen, text}; }
constexpr Verbinder kVerborgen{Verbinder::Verbergen};
constexpr Verbinder kLeer{Verbinder::Leer};

// What one row of the form shows. A list is given by the name list that
// fills it (nullptr: the list is hidden).
using Namenliste = std::string NamenListen::*;
struct Formzeile {
  std::int32_t kennung;
  const char* text;  // the prompt
  Namenliste g1 = nullptr;
  Verbinder durch2;
  Namenliste g2 = nullptr;
  Verbinder und;
  Namenliste g3 = nullptr;
};

using L = NamenListen;
// "\xEF\xBB\xBF" is an invisible zero-width no-break space before "als" in
// three of the prompts.
// clang-format off
constexpr Formzeile kFormen[] = {
  {.kennung = GGeradePP, .text = "wird definiert \xEF\xBB\xBF" "als Gerade durch",
   .g1 = &L::PNListe, .durch2 = Zeige("und"), .g2 = &L::PNListe, .und = kVerborgen},
  {.kennung = GGeradePR, .text = "wird definiert \xEF\xBB\xBF" "als Gerade durch",
   .g1 = &L::PNListe, .durch2 = Zeige("mit Richtung"), .g2 = &L::gPNListe, .und = kVerborgen},
  {.kennung = GEbenePPP, .text = "wird definiert \xEF\xBB\xBF" "als Ebene durch",
   .g1 = &L::PNListe, .durch2 = Zeige("und"), .g2 = &L::PNListe, .und = Zeige("und"), .g3 = &L::PNListe},
  {.kennung = GEbenePN, .text = "wird definiert als Ebene durch",
   .g1 = &L::PNListe, .durch2 = Zeige("mit Normalenrichtung"), .g2 = &L::PNListe, .und = kVerborgen},
  {.kennung = GEbenePRR, .text = "wird definiert als Ebene durch",
   .g1 = &L::PNListe, .durch2 = Zeige("mit Richtungen"), .g2 = &L::gPNListe, .und = Zeige("und"), .g3 = &L::gPNListe},
  {.kennung = GErzeugeSchnitt, .text = "wird definiert als Schnitt von",
   .g1 = &L::mSoEckNListe, .durch2 = Zeige("mit"), .g2 = &L::oEckNliste, .und = kVerborgen},
  {.kennung = GErzeugeLotfusspunktG, .text = "wird definiert als Fußpunktquarnel aller Lote von",
   .g1 = &L::mSoEckNListe, .durch2 = Zeige("auf"), .g2 = &L::oEckNliste, .und = kVerborgen},
  {.kennung = GErzeugeSpiegelbild, .text = "wird definiert als Spiegelbild von",
   .g1 = &L::mSoEckNListe, .durch2 = Zeige("an"), .g2 = &L::oEckNliste, .und = kVerborgen},
  {.kennung = GErzeugeOrthogonale, .text = "wird definiert als Orthogonale von",
   .g1 = &L::mSoEckNListe, .durch2 = Zeige("durch"), .g2 = &L::PNListe, .und = kVerborgen},
  {.kennung = GErzeugeVerschieben, .text = "wird definiert als Verschieberesultat von",
   .g1 = &L::mSoEckNListe, .durch2 = Zeige("auf"), .g2 = &L::PNListe, .und = kVerborgen},
  {.kennung = GErzeugeDrehen, .text = "wird definiert als Drehungsresultat von",
   .g1 = &L::mSoEckNListe, .durch2 = Zeige("mit Drehwinkel"), .und = Zeige("um"), .g3 = &L::gNListe},
  {.kennung = QuarnelDreieck, .text = "wird definiert als Dreieck mit den Ecken ",
   .g1 = &L::PNListe, .durch2 = Zeige("und"), .g2 = &L::PNListe, .und = Zeige("und"), .g3 = &L::PNListe},
  {.kennung = QuarnelTetraeder, .text = "wird definiert als Tetraeder mit der Basis",
   .g1 = &L::DNListe, .durch2 = Zeige("und Spitze"), .g2 = &L::PNListe, .und = kVerborgen},
  {.kennung = GErzeugeMittelsenkrechte, .text = "wird definiert als Mittelsenkrechte der Punkte",
   .g1 = &L::PNListe, .durch2 = Zeige("und"), .g2 = &L::PNListe, .und = kVerborgen},
  {.kennung = QuarnelHuelle, .text = "wird definiert \xEF\xBB\xBF" "als Hülle von",
   .g1 = &L::oEckNliste, .durch2 = Zeige("und"), .g2 = &L::oEckNliste, .und = Zeige("und"), .g3 = &L::oEckNliste},
  {.kennung = GErzeugeKlonen, .text = "wird definiert als Klon von",
   .g1 = &L::mSoEckNListe, .durch2 = kVerborgen, .und = kLeer},
  {.kennung = QuarnelSammlung, .text = " ist eine Sammlung", .durch2 = kLeer, .und = kLeer},
  {.kennung = AusgabeZeige, .text = "Zeige", .g1 = &L::NListe, .durch2 = kLeer, .und = kLeer},
  {.kennung = BerechneWinkel, .text = "Berechne den Winkel zwischen",
   .g1 = &L::oPNListe, .durch2 = Zeige("und"), .g2 = &L::oPNListe, .und = kLeer},
  {.kennung = BerechneAbstand, .text = "Berechne den Abstand von",
   .g1 = &L::oEckNliste, .durch2 = Zeige("und"), .g2 = &L::oEckNliste, .und = kLeer},
  {.kennung = AusgabeBeschreibe, .text = "Beschreibe ausführlich",
   .g1 = &L::EckNListe, .durch2 = kLeer, .und = kLeer},
};
// clang-format on

// One row for each kind.
static_assert([] {
  for (std::size_t i = 0; i < std::size(kFormen); ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (kFormen[i].kennung == kFormen[j].kennung) return false;
  return true;
}());

void SetzeVerbinder(Beschriftung& b, Verbinder v) {
  switch (v.art) {
    case Verbinder::Zeigen: b.text = v.text; b.sichtbar = true; break;
    case Verbinder::Verbergen: b.sichtbar = false; break;
    case Verbinder::Leer: b.text.clear(); break;
  }
}

void SetzeListe(Auswahlliste& l, const NamenListen& listen, Namenliste n) {
  if (n == nullptr) {
    l.sichtbar = false;
    return;
  }
  l.Laden(listen.*n);
  l.sichtbar = true;
}

}  // namespace

void HauptF::SetzeKennungAuf(std::int32_t k) {
  Eingabeform& f = form;
  f.AktuelleKennung = k;
  f.GradF.sichtbar = false;
  f.HinweisF.nurLesen = true;
  if (k != FileHInweis) f.HinweisF.text.clear();
  // Only a note is typed while the window's Return waits.
  f.AufHinweisWarten = k == FileHInweis;
  if (OhneName(k)) {
    f.GnameF.sichtbar = false;
  } else {
    f.GnameF.sichtbar = true;
    f.Fokus = "GnameF";
  }
  // The row the form does not show is cleared: the operand row for a point or
  // a plane, the number row for every later kind.
  f.MenuleisteLeeren(k > NumEbene ? 1 : 2);
  if (k == VariablerPunkt) PunktEingabeSchablone();
  if (k == VariableEbene) EbenenEingabeSchablone();

  const NamenListen listen = objekte.ErzeugeNamenListen();
  f.G1ListB.Laden(listen.NListe);
  f.G2ListB.Laden(listen.NListe);
  f.G3ListB.Laden(listen.NListe);

  for (const Formzeile& z : kFormen) {
    if (z.kennung != k) continue;
    f.EingabeText.text = z.text;
    SetzeListe(f.G1ListB, listen, z.g1);
    SetzeVerbinder(f.durch2T, z.durch2);
    SetzeListe(f.G2ListB, listen, z.g2);
    SetzeVerbinder(f.undT, z.und);
    SetzeListe(f.G3ListB, listen, z.g3);
  }
  if (k == GErzeugeDrehen) f.GradF.sichtbar = true;  // the angle stands in place of the second list
  if (k == QuarnelSammlung) {
    f.AktuelleSammlung.clear();
    ausgabe.LastInfoF.clear();
  }
  if (k == FileHInweis) {
    f.MenuleisteLeeren(2);
    f.HinweisF.nurLesen = false;
    f.Fokus = "HinweisF";
  }
}

void HauptF::PunktEingabeSchablone() {
  Eingabeform& f = form;
  for (Beschriftung* b : {&f.aT, &f.bT, &f.cT}) b->sichtbar = true;
  for (Textfeld* t : {&f.GnameF, &f.aF, &f.bF, &f.cF}) t->sichtbar = true;
  f.aT.text = "ist fester Punkt mit den Koordinaten  x =";
  f.bT.text = ",  y =";
  f.cT.text = ",  z =";
  f.dF.sichtbar = false;
  f.dT.sichtbar = false;
}

void HauptF::EbenenEingabeSchablone() {
  Eingabeform& f = form;
  for (Beschriftung* b : {&f.aT, &f.bT, &f.cT, &f.dT}) b->sichtbar = true;
  for (Textfeld* t : {&f.GnameF, &f.aF, &f.bF, &f.cF, &f.dF}) t->sichtbar = true;
  f.aT.text = "ist feste Ebene mit der Gleichung";
  f.bT.text = "x  +";
  f.cT.text = "y  +";
  f.dT.text = "z  =";
}

}  // namespace quarnel
