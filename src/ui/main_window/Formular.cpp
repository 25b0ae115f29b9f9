// The main window's methods that lay out the input form for each command
// kind (declared with the other methods in HauptF.h). The form reads as a
// German sentence: the new object's name first, then the prompt and the
// operand lists joined by connector words, or the number fields of a point
// or a plane. A new command kind gets its row in kFormen here, its menu entry
// in kMenueleiste (ui/menus/Menueleiste.cpp) and its sentence in Satzformen
// (interpreter/Saetze.cpp).
#include <array>

#include "interpreter/BefehlT.h"
#include "ui/main_window/HauptF.h"

namespace quarnel {

namespace {

// What one row of the form shows. A list is given by the name list that
// fills it (nullptr: the list is hidden). A connector is shown with its text
// or hidden; `leer` empties it and leaves it as it was shown.
enum class Verbinder { Zeigen, Verbergen, Leer };
using Namenliste = std::string NamenListen::*;

struct Formzeile {
  std::int32_t kennung;
  const char* eingabeText;
  Namenliste g1;
  Verbinder durch2;
  const char* durch2Text;
  Namenliste g2;
  Verbinder und;
  const char* undText;
  Namenliste g3;
};

using V = Verbinder;
using L = NamenListen;
// "\xEF\xBB\xBF" is an invisible zero-width no-break space before "als" in
// three of the prompts.
// clang-format off
constexpr std::array<Formzeile, 21> kFormen{{
  {GGeradePP, "wird definiert \xEF\xBB\xBF" "als Gerade durch", &L::PNListe, V::Zeigen, "und", &L::PNListe, V::Verbergen, "", nullptr},
  {GGeradePR, "wird definiert \xEF\xBB\xBF" "als Gerade durch", &L::PNListe, V::Zeigen, "mit Richtung", &L::gPNListe, V::Verbergen, "", nullptr},
  {GEbenePPP, "wird definiert \xEF\xBB\xBF" "als Ebene durch", &L::PNListe, V::Zeigen, "und", &L::PNListe, V::Zeigen, "und", &L::PNListe},
  {GEbenePN, "wird definiert als Ebene durch", &L::PNListe, V::Zeigen, "mit Normalenrichtung", &L::PNListe, V::Verbergen, "", nullptr},
  {GEbenePRR, "wird definiert als Ebene durch", &L::PNListe, V::Zeigen, "mit Richtungen", &L::gPNListe, V::Zeigen, "und", &L::gPNListe},
  {GErzeugeSchnitt, "wird definiert als Schnitt von", &L::mSoEckNListe, V::Zeigen, "mit", &L::oEckNliste, V::Verbergen, "", nullptr},
  {GErzeugeLotfusspunktG, "wird definiert als Fußpunktquarnel aller Lote von", &L::mSoEckNListe, V::Zeigen, "auf", &L::oEckNliste, V::Verbergen, "", nullptr},
  {GErzeugeSpiegelbild, "wird definiert als Spiegelbild von", &L::mSoEckNListe, V::Zeigen, "an", &L::oEckNliste, V::Verbergen, "", nullptr},
  {GErzeugeOrthogonale, "wird definiert als Orthogonale von", &L::mSoEckNListe, V::Zeigen, "durch", &L::PNListe, V::Verbergen, "", nullptr},
  {GErzeugeVerschieben, "wird definiert als Verschieberesultat von", &L::mSoEckNListe, V::Zeigen, "auf", &L::PNListe, V::Verbergen, "", nullptr},
  {GErzeugeDrehen, "wird definiert als Drehungsresultat von", &L::mSoEckNListe, V::Zeigen, "mit Drehwinkel", nullptr, V::Zeigen, "um", &L::gNListe},
  {QuarnelDreieck, "wird definiert als Dreieck mit den Ecken ", &L::PNListe, V::Zeigen, "und", &L::PNListe, V::Zeigen, "und", &L::PNListe},
  {QuarnelTetraeder, "wird definiert als Tetraeder mit der Basis", &L::DNListe, V::Zeigen, "und Spitze", &L::PNListe, V::Verbergen, "", nullptr},
  {GErzeugeMittelsenkrechte, "wird definiert als Mittelsenkrechte der Punkte", &L::PNListe, V::Zeigen, "und", &L::PNListe, V::Verbergen, "", nullptr},
  {QuarnelHuelle, "wird definiert \xEF\xBB\xBF" "als Hülle von", &L::oEckNliste, V::Zeigen, "und", &L::oEckNliste, V::Zeigen, "und", &L::oEckNliste},
  {GErzeugeKlonen, "wird definiert als Klon von", &L::mSoEckNListe, V::Verbergen, "", nullptr, V::Leer, "", nullptr},
  {QuarnelSammlung, " ist eine Sammlung", nullptr, V::Leer, "", nullptr, V::Leer, "", nullptr},
  {AusgabeZeige, "Zeige", &L::NListe, V::Leer, "", nullptr, V::Leer, "", nullptr},
  {BerechneWinkel, "Berechne den Winkel zwischen", &L::oPNListe, V::Zeigen, "und", &L::oPNListe, V::Leer, "", nullptr},
  {BerechneAbstand, "Berechne den Abstand von", &L::oEckNliste, V::Zeigen, "und", &L::oEckNliste, V::Leer, "", nullptr},
  {AusgabeBeschreibe, "Beschreibe ausführlich", &L::EckNListe, V::Leer, "", nullptr, V::Leer, "", nullptr},
}};
// clang-format on

void SetzeVerbinder(Beschriftung& b, Verbinder v, const char* text) {
  switch (v) {
    case Verbinder::Zeigen: b.text = text; b.sichtbar = true; break;
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
    f.EingabeText.text = z.eingabeText;
    SetzeListe(f.G1ListB, listen, z.g1);
    SetzeVerbinder(f.durch2T, z.durch2, z.durch2Text);
    SetzeListe(f.G2ListB, listen, z.g2);
    SetzeVerbinder(f.undT, z.und, z.undText);
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
