#include "ui/menus/Editierfenster.h"

#include "constructions/Grundlagen.h"
#include "interpreter/BefehlT.h"
#include "interpreter/Eingabetext.h"
#include "interpreter/Saetze.h"
#include "interpreter/Wiedergabe.h"
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

// The window goes back to idle: hidden, waiting for nothing.
void Schliessen(HauptF& h, Editierfenster& f) {
  f.sichtbar = false;
  f.Warten = false;
  f.AktuellerBefehl = nullptr;
  f.Fokus = "xF";
  h.fenster.IgnoreReturn = false;
}

// After a stored edit: the new protocol row, then every object anew.
void Neuberechnen(HauptF& h) {
  h.befehle.ZeigeBefehlsliste();
  AnweisungslisteAusfuehren(h);
  h.ListboxenAbgleichen();
}

}  // namespace

KoordFenster::KoordFenster(HauptF& h) : h_(h), f_(h.KoordFenster) {}

bool KoordFenster::KEintragen() {
  const double x = myval(f_.xF.text);
  const double y = myval(f_.yF.text);
  const double z = myval(f_.zF.text);
  BefehlT* b = NochGueltig(h_, f_);
  const bool hatte = f_.AktuellerBefehl != nullptr;
  bool gespeichert = false;
  if (b == nullptr) {
    if (hatte) h_.ui.Beep();
  } else if (ZahlenZuGross({x, y, z})) {
    // The point would be refused at the next run, and everything built on it
    // would go with it.
    h_.form.HinweisF.text = kZahlZuGross;
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
  Schliessen(h_, f_);
  return gespeichert;
}

void KoordFenster::AktualisierenB_Action() {
  f_.Warten = false;
  if (KEintragen()) Neuberechnen(h_);
}

void KoordFenster::AbbrechB_Action() { Schliessen(h_, f_); }

bool KoordFenster::KeyDown(std::string_view taste) {
  if (taste == "\r" && f_.Warten) AktualisierenB_Action();
  return false;
}

GlFenster::GlFenster(HauptF& h) : h_(h), f_(h.GlFenster) {}

void GlFenster::GEintragen(bool& ok) {
  const double a = myval(f_.xF.text);
  const double b = myval(f_.yF.text);
  const double c = myval(f_.zF.text);
  const double d = myval(f_.dF.text);
  BefehlT* befehl = NochGueltig(h_, f_);
  ok = false;
  // The same tests as the plane from an equation: a plane accepted here is
  // made again at every run.
  if (KoeffizientenNull(a, b, c)) {
    h_.form.HinweisF.text = kKoeffizientenNull;
  } else if (ZahlenZuGross({a, b, c, d})) {
    h_.form.HinweisF.text = kZahlZuGross;
  } else if (befehl == nullptr) {
    if (f_.AktuellerBefehl != nullptr) h_.ui.Beep();
  } else {
    befehl->Kennung = NumEbene;
    befehl->Gleichung = {0.0, a, b, c, d};
    befehl->AltG1 = Gleichungstext(a, b, c, d);
    befehl->AltG2.clear();
    befehl->AltG3.clear();
    ok = true;
  }
  Schliessen(h_, f_);
}

void GlFenster::AktualisierenB_Action() {
  f_.Warten = false;
  bool ok = false;
  GEintragen(ok);
  if (ok) Neuberechnen(h_);
}

void GlFenster::AbbrechB_Action() { Schliessen(h_, f_); }

bool GlFenster::KeyDown(std::string_view taste) {
  if (taste == "\r" && f_.Warten) AktualisierenB_Action();
  return false;
}

}  // namespace quarnel
