#include "interpreter/Ausfuehrung.h"

#include <set>
#include <utility>

#include "constructions/Grundlagen.h"
#include "constructions/Huelle.h"
#include "constructions/Koerper.h"
#include "constructions/SchnittLot.h"
#include "constructions/Transformationen.h"
#include "description/Abstand.h"
#include "description/Bericht.h"
#include "description/Winkel.h"
#include "interpreter/Ablauf.h"
#include "interpreter/Befehlsliste.h"
#include "interpreter/Ebenenform.h"
#include "interpreter/Eingabetext.h"
#include "interpreter/Saetze.h"
#include "platform/Text.h"

namespace quarnel {

bool Waechter(std::int32_t k, std::int32_t t1, std::int32_t t2, std::int32_t t3) {
  // Products are formed in 64 bits: a type code is small, but nothing here
  // should depend on that.
  const std::int64_t p12 = static_cast<std::int64_t>(t1) * t2;
  const std::int64_t p123 = p12 * t3;
  auto RichtungOderPunkt = [](std::int32_t t) { return t == Punkt || t == Gerade; };
  switch (k) {
    case NumPunkt:
    case NumEbene:
    case QuarnelSammlung:
    case FileHInweis:
      return true;  // no operand objects
    // Points are asked for by name: two empty objects (code −1 each) also
    // multiply to 1, but they have no point to pass through.
    case GGeradePP:
    case GEbenePN:
    case GErzeugeMittelsenkrechte:
      return t1 == Punkt && t2 == Punkt;
    case GGeradePR:
      return t1 == Punkt && RichtungOderPunkt(t2);
    case GEbenePPP:
    case QuarnelDreieck:
      return t1 == Punkt && t2 == Punkt && t3 == Punkt;
    case GEbenePRR:
      return t1 == Punkt && RichtungOderPunkt(t2) && RichtungOderPunkt(t3);
    case GErzeugeSchnitt:
      // Any two objects, in either order: the empty object meets everything
      // in the empty object, and the intersection refuses compound objects
      // with its message.
      return t1 != 0 && t2 != 0;
    case GErzeugeSpiegelbild:
    case BerechneAbstand:
      return p12 > 0;
    case GErzeugeLotfusspunktG:
    case GErzeugeOrthogonale:
    case GErzeugeVerschieben:
      return t1 > 0 && t2 > 0;
    case GErzeugeDrehen:
      return t1 > 0 && t3 == Gerade;
    case QuarnelTetraeder:
      return t1 == Dreieck && t2 == Punkt;
    case QuarnelHuelle:
      return t1 > Strecke && t2 > Strecke && t3 > Strecke && p123 != 0;
    case GErzeugeKlonen:
    case LoescheQuarnel:
    case AusgabeZeige:
      return t1 != 0;
    case BerechneWinkel:
      return p12 > 3;
    case AusgabeBeschreibe:
      return t1 <= Dreieck;  // triangle, tetrahedron (a collection takes its own road)
    default:
      return false;
  }
}

bool WirktAufGlieder(std::int32_t k) { return k >= GErzeugeSchnitt && k <= GErzeugeDrehen; }

namespace {

// Kinds whose first operand names an object, so that a collection there
// takes the collection road.
bool ErsterOperandIstObjekt(std::int32_t k) {
  return (k >= GGeradePP && k <= QuarnelHuelle) || k == GErzeugeKlonen ||
         (k >= AusgabeZeige && k <= AusgabeBeschreibe);
}

// The number of the next automatic name "G_<n>" that no object bears, now
// booked. A number can be free while its name is taken, when the user typed
// a name the list reads as the same number ("G_01"); such numbers are passed
// over and stay booked, since their name is in use.
std::int64_t FreieAutoNr(Bauraum& raum) {
  std::int64_t n = raum.objekte.FreieNr();
  while (raum.objekte.ExistiertQuarnel(Objektliste::AutoName(n))) n = raum.objekte.FreieNr();
  return n;
}

// Ausfuehren with the success flag as the guard left it: a construction that
// is asked with the flag cleared makes nothing.
bool Konstruiere(Beschreibung& beschr, std::int32_t k, const std::string& name, const std::string& a1, const std::string& a2,
                 const std::string& a3, bool ok) {
  QuarnelT G;
  G.name = name;
  switch (k) {
    case GGeradePP: ErzeugeGeradePP(beschr, a1, a2, G, ok); break;
    case GGeradePR: ErzeugeGeradePR(beschr, a1, a2, G, ok); break;
    case GEbenePPP: ErzeugeEbenePPP(beschr, a1, a2, a3, G, ok); break;
    case GEbenePN: ErzeugeEbenePN(beschr, a1, a2, G, ok); break;
    case GEbenePRR: ErzeugeEbenePRR(beschr, a1, a2, a3, G, ok); break;
    case GErzeugeSchnitt: ErzeugeSchnitt(beschr, a1, a2, G, ok); break;
    case GErzeugeLotfusspunktG: ErzeugeLotfussfpunktG(beschr, a1, a2, G, ok); break;
    case GErzeugeSpiegelbild: ErzeugeSpiegelbild(beschr, a1, a2, G, ok); break;
    case GErzeugeOrthogonale: ErzeugeOrthogonale(beschr, a1, a2, G, ok); break;
    case GErzeugeVerschieben: ErzeugeVerschieben(beschr, a1, a2, G, ok); break;
    case GErzeugeDrehen: ErzeugeDrehung(beschr, a1, LiesWinkel(a2), a3, G, ok); break;
    case QuarnelDreieck: ErzeugeDreieck(beschr, a1, a2, a3, G, ok); break;
    case QuarnelTetraeder: ErzeugeTetraeder(beschr, a1, a2, G, ok); break;
    case GErzeugeMittelsenkrechte: ErzeugeMittelsenkrechte(beschr, a1, a2, G, ok); break;
    case QuarnelHuelle: ErzeugeHuelle(beschr, a1, a2, a3, G, ok); break;
    case GErzeugeKlonen: KloneQuarnel(beschr, name, a1, ok); break;
    case AusgabeZeige: beschr.ZeigeQuarnel(a1); return true;
    case BerechneWinkel: Winkelausgabe(beschr, a1, a2, ok); return ok;
    case BerechneAbstand: Abstandausgabe(beschr, a1, a2, ok); return ok;
    case AusgabeBeschreibe: BeschreibeEck(beschr, a1, ok); return ok;
    default: return false;
  }
  // A construction that reports success has entered its result.
  return ok && beschr.objekte.ExistiertQuarnel(name);
}

}  // namespace

bool Ausfuehren(Beschreibung& beschr, std::int32_t k, const std::string& name, const std::string& a1, const std::string& a2,
                const std::string& a3) {
  return Konstruiere(beschr, k, name, a1, a2, a3, true);
}

bool SammlungAktion(Ablauf& ablauf, std::int32_t k, const std::string& name, const std::string& g1,
                    const std::string& g2, const std::string& g3) {
  const QuarnelT* coll = ablauf.objekte.HoleQuarnel(g1);
  if (coll == nullptr || coll->Typ != Sammlung) return false;
  std::string rest = coll->Ecken[1];  // a copy: the loop may replace objects
  if (WirktAufGlieder(k)) {
    std::string ergebnisse;
    // Walk the member list from comma to comma; empty names are skipped, and
    // so is a member named twice: its result is made once, without the name
    // warnings a second result of the same name would bring.
    std::set<std::string, std::less<>> erledigt;
    std::size_t anfang = 0;
    while (anfang <= rest.size()) {
      std::size_t ende = rest.find(',', anfang);
      if (ende == std::string::npos) ende = rest.size();
      const std::string m = rest.substr(anfang, ende - anfang);
      anfang = ende + 1;
      if (m.empty() || !erledigt.insert(m).second) continue;
      const std::string r = name + "|" + m;
      if (QuarnelAktionSingle(ablauf, r, m, g2, g3, k, true)) {
        ergebnisse += ',';
        ergebnisse += r;
      }
    }
    if (ergebnisse.empty()) return false;
    QuarnelT N;
    N.name = name;
    N.Typ = Sammlung;
    N.Ecken[1] = ergebnisse.substr(1);
    ablauf.objekte.Einlisten(std::move(N));
    return true;
  }
  if (k == GErzeugeKlonen) {
    // A new collection of the same members; no member is copied.
    QuarnelT N;
    N.name = name;
    N.Typ = Sammlung;
    N.Ecken[1] = std::move(rest);
    ablauf.objekte.Einlisten(std::move(N));
    return true;
  }
  if (k == AusgabeZeige) {
    ablauf.ZeigeQuarnel(g1);
    return true;
  }
  return false;
}

bool QuarnelAktionSingle(Ablauf& ablauf, const std::string& NeuG, const std::string& AltG1, const std::string& AltG2,
                         const std::string& AltG3, std::int32_t Kennung, bool gliedergebnis) {
  const std::int32_t k = Kennung;
  const std::int32_t t1 = ablauf.objekte.QuarnelTypNr(AltG1);
  const std::int32_t t2 = ablauf.objekte.QuarnelTypNr(AltG2);
  const std::int32_t t3 = ablauf.objekte.QuarnelTypNr(AltG3);
  ablauf.form.HinweisF.nurLesen = true;

  const bool definiert = k >= GGeradePP && k <= QuarnelSammlung;
  const bool misst = k >= AusgabeZeige && k <= FileHInweis;  // deletions are recorded by the delete field
  if (!definiert && !misst) return false;

  // The name: commands that define nothing carry none; an object without a
  // name gets the next automatic one, booked only if the object is made.
  std::string name = OhneName(k) ? std::string() : NeuG;
  std::int64_t autoNr = 0;
  if (definiert && name.empty()) {
    autoNr = FreieAutoNr(ablauf);
    name = Objektliste::AutoName(autoNr);
  }
  auto NummerZurueck = [&] {
    if (autoNr != 0 && !ablauf.objekte.ExistiertQuarnel(name)) ablauf.objekte.BefreieNr(autoNr);
  };

  if (definiert) {
    // A member result's name holds "|" by design; its parts were tested.
    const bool vergeben = ablauf.objekte.ExistiertQuarnel(name) && !ablauf.destruktiv;
    if (vergeben || (!gliedergebnis && !Objektliste::ErlaubterName(name))) {
      ablauf.ui.MsgBox("Der Quarnelname " + name + " ist nicht erlaubt oder bereits für ein anderes Quarnel vergeben");
      ablauf.ui.MsgBox("Diese Warnung wendet sich gegen " + name);
      NummerZurueck();
      return false;
    }
  }

  std::string a1 = AltG1, a2 = AltG2, a3 = AltG3;
  bool gemacht = false;
  if (k == QuarnelSammlung) {
    if (!a1.empty()) {
      bool ok = false;
      ErzeugeSammlung(ablauf, name, a1, ok);
      gemacht = ok && ablauf.objekte.ExistiertQuarnel(name);
      ablauf.form.AktuelleSammlung.clear();
      ablauf.form.EingabeText.text.clear();
    }
  } else if (k == FileHInweis) {
    // The note is only recorded here; it is written to the description area
    // when the command list is executed. A note of nothing but blanks (line
    // breaks become blanks; every blank of the blank rule) says nothing and
    // would not read back from a file.
    Filtern(a2);
    if (!OhneRandblanks(a2).empty()) {
      a1.clear();
      a3.clear();
      ablauf.form.HinweisF.text.clear();
      gemacht = true;
    }
  } else if (Waechter(k, t1, t2, t3)) {
    gemacht = Ausfuehren(ablauf, k, name, a1, a2, a3);
  } else if (k == GGeradePR || k == GErzeugeDrehen || k == QuarnelDreieck || k == QuarnelTetraeder) {
    // These constructions are asked with the flag cleared when the operands
    // do not fit; they make nothing then, and only the tetrahedron's says so.
    Konstruiere(ablauf, k, name, a1, a2, a3, false);
  }

  if (!gemacht) {
    NummerZurueck();
    return false;
  }
  if (!gliedergebnis) {
    BefehlT b = ablauf.befehle.ErschaffeB();
    b.NeuG = name;
    b.AltG1 = std::move(a1);
    b.AltG2 = std::move(a2);
    b.AltG3 = std::move(a3);
    b.Kennung = k;
    ablauf.befehle.Anhaengen(std::move(b));
  }
  return true;
}

void QuarnelAktion(Ablauf& ablauf) {
  Eingabeform& f = ablauf.form;
  const std::int32_t k = f.AktuelleKennung;
  const std::string name = Kommafrei(f.GnameF.text);
  std::string g1 = f.G1ListB.Text();
  // The angle is recorded as the number it was read as, so that the protocol,
  // the replay and a saved file all turn by the same angle.
  std::string g2 = k == GErzeugeDrehen ? Str(LiesWinkel(f.GradF.text)) : f.G2ListB.Text();
  const std::string g3 = f.G3ListB.Text();

  if (!OhneName(k) && (!Objektliste::ErlaubterName(name) || (ablauf.objekte.ExistiertQuarnel(name) && !ablauf.destruktiv))) {
    ablauf.ui.MsgBox("Der Quarnelname " + name + " ist nicht erlaubt oder bereits für ein anderes Quarnel vergeben");
    return;
  }
  if (k == QuarnelSammlung) g1 = Mid(f.AktuelleSammlung, 2);
  if (k == FileHInweis) g2 = f.HinweisF.text;

  if (ablauf.objekte.QuarnelTypNr(g1) != Sammlung || !ErsterOperandIstObjekt(k)) {
    QuarnelAktionSingle(ablauf, name, g1, g2, g3, k);
    return;
  }
  // The first operand is a collection: one command for the whole operation.
  if (!SammlungAktion(ablauf, k, name, g1, g2, g3)) {
    ablauf.ui.Beep();
    return;
  }
  BefehlT b = ablauf.befehle.ErschaffeB();
  b.NeuG = OhneName(k) ? std::string() : name;
  b.AltG1 = g1;
  b.AltG2 = g2;
  b.AltG3 = g3;
  b.Kennung = k;
  ablauf.befehle.Anhaengen(std::move(b));
}

void DefinierePunkt(Ablauf& ablauf, bool variabel) {
  std::string name = Kommafrei(ablauf.form.GnameF.text);
  std::int64_t autoNr = 0;
  if (name.empty()) {
    autoNr = FreieAutoNr(ablauf);
    name = Objektliste::AutoName(autoNr);
  }
  const double x = myval(ablauf.form.aF.text);
  const double y = myval(ablauf.form.bF.text);
  const double z = myval(ablauf.form.cF.text);
  bool ok = false;
  ErzeugePunkt(ablauf, name, x, y, z, ok);
  if (ok) {
    BefehlT b = ablauf.befehle.ErschaffeB();
    b.Kennung = variabel ? VariablerPunkt : NumPunkt;
    b.Vektor.Vektor(x, y, z);
    b.NeuG = name;
    // The coordinates are written so that they read back exactly.
    b.AltG1 = Koordinatentext(b.Vektor);
    ablauf.befehle.Anhaengen(std::move(b));
  } else if (autoNr != 0 && !ablauf.objekte.ExistiertQuarnel(name)) {
    ablauf.objekte.BefreieNr(autoNr);
  }
  ablauf.destruktiv = false;
}

void TuEs(Ablauf& ablauf) {
  const std::int32_t k = ablauf.form.AktuelleKennung;
  if (k == KeineKennung) return;  // no form chosen: nothing to run
  if (Zahlenform(k)) {
    if (k == VariablerPunkt) {
      DefinierePunkt(ablauf);
      ablauf.ausgabe.LastInfoF.clear();
    } else if (k == VariableEbene) {
      DefiniereEbene(ablauf, false);
      ablauf.ausgabe.LastInfoF.clear();
    }
  } else {
    QuarnelAktion(ablauf);
  }
  ablauf.form.FelderLeeren();
  ablauf.form.Fokus = "GnameF";
}

}  // namespace quarnel
