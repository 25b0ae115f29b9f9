#include "ui/main_window/Editierfenster.h"

#include "constructions/Grundlagen.h"
#include "interpreter/Befehlsliste.h"
#include "interpreter/Eingabetext.h"
#include "interpreter/Saetze.h"
#include "interpreter/Wiedergabe.h"
#include "model/QuarnelT.h"
#include "platform/Text.h"
#include "ui/main_window/HauptF.h"

namespace quarnel {

namespace {

constexpr const char* kKoeffizientenNull = "Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben.";

// The edited command, when it still stands in the command list as the first
// definition of the object. A command deleted, replaced or moved behind
// another definition while the window was open takes no values.
BefehlT* NochGueltig(HauptF& h, const Editierfenster& f) {
  if (f.AktuellerBefehl == nullptr) return nullptr;
  return h.befehle.HoleBefehl(f.name) == f.AktuellerBefehl ? f.AktuellerBefehl : nullptr;
}

// After a stored edit: the new protocol row, then every object anew.
void Neuberechnen(HauptF& h) {
  h.befehle.ZeigeBefehlsliste();
  AnweisungslisteAusfuehren(h);
}

}  // namespace

void Editierfenster::Oeffnen(BefehlT& b, const QuarnelT& g) {
  AktuellerBefehl = &b;
  name = g.name;
  if (!ebene_) {
    Titel.text = "Koordinaten des Punktes " + name;
    xF.text = Str(g.v1.x());
    yF.text = Str(g.v1.y());
    zF.text = Str(g.v1.z());
  } else {
    Titel.text = "Koordinatengleichung der Ebene " + name;
    xF.text = Str(g.v2.x());
    yF.text = Str(g.v2.y());
    zF.text = Str(g.v2.z());
    dF.text = Str(g.v1.SkalProd(g.v2));
  }
  Warten = true;
  sichtbar = true;
  Fokus = "xF";
}

void Editierfenster::Schliessen(HauptF& h) {
  sichtbar = false;
  Warten = false;
  AktuellerBefehl = nullptr;
  Fokus = "xF";
  h.fenster.IgnoreReturn = false;
}

bool Editierfenster::KEintragen(HauptF& h) {
  const double x = myval(xF.text);
  const double y = myval(yF.text);
  const double z = myval(zF.text);
  BefehlT* b = NochGueltig(h, *this);
  const bool hatte = AktuellerBefehl != nullptr;
  bool gespeichert = false;
  if (b == nullptr) {
    if (hatte) h.ui.Beep();
  } else if (ZahlenZuGross({x, y, z})) {
    // The point would be refused at the next run, and everything built on it
    // would go with it.
    h.form.HinweisF.text = kZahlZuGross;
  } else {
    // A point from numbers from now on; the coordinate text is written from
    // the numbers read, so that a saved file reads back the same point.
    b->Kennung = NumPunkt;
    b->Vektor.Vektor(x, y, z);
    b->AltG1 = Koordinatentext(b->Vektor);
    b->AltG2.clear();
    b->AltG3.clear();
    gespeichert = true;
  }
  Schliessen(h);
  return gespeichert;
}

void Editierfenster::GEintragen(HauptF& h, bool& ok) {
  const double a = myval(xF.text);
  const double b = myval(yF.text);
  const double c = myval(zF.text);
  const double d = myval(dF.text);
  BefehlT* befehl = NochGueltig(h, *this);
  ok = false;
  // The same tests as the plane from an equation: a plane accepted here is
  // made again at every run.
  if (KoeffizientenNull(a, b, c)) {
    h.form.HinweisF.text = kKoeffizientenNull;
  } else if (ZahlenZuGross({a, b, c, d})) {
    h.form.HinweisF.text = kZahlZuGross;
  } else if (befehl == nullptr) {
    if (AktuellerBefehl != nullptr) h.ui.Beep();
  } else {
    befehl->Kennung = NumEbene;
    befehl->Gleichung = {0.0, a, b, c, d};
    befehl->AltG1 = Gleichungstext(a, b, c, d);
    befehl->AltG2.clear();
    befehl->AltG3.clear();
    ok = true;
  }
  Schliessen(h);
}

void Editierfenster::AktualisierenB_Action(HauptF& h) {
  Warten = false;
  bool ok = false;
  if (!ebene_)
    ok = KEintragen(h);
  else
    GEintragen(h, ok);
  if (ok) Neuberechnen(h);
}

void Editierfenster::AbbrechB_Action(HauptF& h) { Schliessen(h); }

bool Editierfenster::KeyDown(HauptF& h, std::string_view taste) {
  if (taste == "\r" && Warten) AktualisierenB_Action(h);
  return false;
}

namespace {

using A = Steuerart;

// The controls of either window, reaching the window's own model.
template <Editierfenster HauptF::*fenster>
struct Von {
  template <Textfeld Editierfenster::*feld>
  static Textfeld* Feld(HauptF& h) { return &((h.*fenster).*feld); }
  static Beschriftung* Titel(HauptF& h) { return &(h.*fenster).Titel; }
  static bool Taste(HauptF& h, std::string_view t) { return (h.*fenster).KeyDown(h, t); }
  static void Aktualisieren(HauptF& h) { (h.*fenster).AktualisierenB_Action(h); }
  static void Abbrechen(HauptF& h) { (h.*fenster).AbbrechB_Action(h); }
  static bool Schliessen(HauptF& h) {
    Abbrechen(h);
    return true;
  }
  static bool Sichtbar(const HauptF& h) { return (h.*fenster).sichtbar; }
  static std::string* Fokus(HauptF& h) { return &(h.*fenster).Fokus; }
  // A number field: typing goes into the model, Return confirms.
  template <Textfeld Editierfenster::*feld>
  static constexpr Verhalten Zahl{.feld = Feld<feld>, .taste = Taste};
};
using K = Von<&HauptF::KoordFenster>;
using G = Von<&HauptF::GlFenster>;

// clang-format off
constexpr Steuerelement kKoordZeilen[] = {
  {.name = "KoordText", .art = A::Beschriftung, .links = 31, .oben = 21, .breite = 288, .hoehe = 22,
   .verhalten = {.beschriftung = K::Titel}, .text = "Koordinaten des Punktes "},
  {.name = "xF", .art = A::Textfeld, .links = 31, .oben = 55, .breite = 90, .hoehe = 35,
   .verhalten = K::Zahl<&Editierfenster::xF>},
  {.name = "yF", .art = A::Textfeld, .links = 130, .oben = 55, .breite = 90, .hoehe = 35,
   .verhalten = K::Zahl<&Editierfenster::yF>},
  {.name = "zF", .art = A::Textfeld, .links = 229, .oben = 55, .breite = 90, .hoehe = 35,
   .verhalten = K::Zahl<&Editierfenster::zF>},
  {.name = "AktualisierenB", .art = A::Knopf, .links = 31, .oben = 108, .breite = 189, .hoehe = 22,
   .verhalten = {.aktion = K::Aktualisieren}, .text = "Alles Aktualisieren / Fertig"},
  {.name = "AbbrechB", .art = A::Knopf, .links = 233, .oben = 107, .breite = 86, .hoehe = 22,
   .verhalten = {.aktion = K::Abbrechen}, .text = "Abbrechen"},
};

constexpr Steuerelement kGlZeilen[] = {
  {.name = "GlText", .art = A::Beschriftung, .links = 12, .oben = 7, .breite = 288, .hoehe = 22,
   .verhalten = {.beschriftung = G::Titel}, .text = "Koordinatengleichung der Ebene "},
  {.name = "xF", .art = A::Textfeld, .links = 12, .oben = 41, .breite = 90, .hoehe = 35,
   .verhalten = G::Zahl<&Editierfenster::xF>},
  {.name = "yF", .art = A::Textfeld, .links = 143, .oben = 41, .breite = 90, .hoehe = 35,
   .verhalten = G::Zahl<&Editierfenster::yF>},
  {.name = "zF", .art = A::Textfeld, .links = 275, .oben = 41, .breite = 90, .hoehe = 35,
   .verhalten = G::Zahl<&Editierfenster::zF>},
  {.name = "AktualisierenB", .art = A::Knopf, .links = 12, .oben = 93, .breite = 353, .hoehe = 31,
   .verhalten = {.aktion = G::Aktualisieren}, .text = "Alles Aktualisieren / Fertig"},
  {.name = "AbbrechB", .art = A::Knopf, .links = 420, .oben = 93, .breite = 86, .hoehe = 32,
   .verhalten = {.aktion = G::Abbrechen}, .text = "Abbrechen"},
  {.name = "dF", .art = A::Textfeld, .links = 416, .oben = 41, .breite = 90, .hoehe = 35,
   .verhalten = G::Zahl<&Editierfenster::dF>},
  {.name = "StaticText1", .art = A::Beschriftung, .links = 102, .oben = 46, .breite = 37, .hoehe = 20, .text = "x +"},
  {.name = "StaticText2", .art = A::Beschriftung, .links = 239, .oben = 48, .breite = 37, .hoehe = 20, .text = "y +"},
  {.name = "StaticText3", .art = A::Beschriftung, .links = 367, .oben = 46, .breite = 46, .hoehe = 20, .text = "z ="},
};
// clang-format on

}  // namespace

const std::span<const Steuerelement> kKoordFensterSteuerelemente{kKoordZeilen};
const std::span<const Steuerelement> kGlFensterSteuerelemente{kGlZeilen};

const Fensterart kKoordFensterArt{.titel = "Ändern von Koordinaten",
                                  .breite = 357,
                                  .hoehe = 145,
                                  .steuerelemente = kKoordZeilen,
                                  .sichtbar = K::Sichtbar,
                                  .fokus = K::Fokus,
                                  .schliessen = K::Schliessen};
const Fensterart kGlFensterArt{.titel = "Änderung der Ebenengleichung",
                               .breite = 533,
                               .hoehe = 145,
                               .steuerelemente = kGlZeilen,
                               .sichtbar = G::Sichtbar,
                               .fokus = G::Fokus,
                               .schliessen = G::Schliessen};

}  // namespace quarnel
