#include "description/Ausgaben.h"

#include "platform/Plattform.h"
#include "platform/Text.h"

namespace quarnel {

std::string Ausgaben::z2s(double z) const { return quarnel::z2s(z, Dezimalen); }

std::string Ausgaben::V(const VektorT& v) const {
  return "(" + z2s(v.kp[1]) + " | " + z2s(v.kp[2]) + " | " + z2s(v.kp[3]) + ")";
}

// The value of a number is written with all its digits, not rounded.
std::string Ausgaben::Zahlausgabe(const QuarnelT& g) const {
  return g.name + " ist die Zahl mit dem Wert " + Str(g.Wert);
}

std::string Ausgaben::Punktausgabe(const QuarnelT& g) const {
  return g.name + " ist der Punkt mit dem Koordinatentripel " + V(g.v1);
}

std::string Ausgaben::Geradenausgabe(const QuarnelT& g) const {
  return g.name + " ist die Gerade durch den Punkt mit den Koordinaten " + V(g.v1) +
         " und dem Richtungsvektor " + V(g.v2);
}

// First line: point and normal. Second line: the coordinate equation
// a·x + b·y + c·z = d with the normal's components as coefficients; the
// constant d = point · normal is written with all its digits.
std::string Ausgaben::EbenenAusgabe(const QuarnelT& g) const {
  const double a = g.v2.kp[1];
  const double b = g.v2.kp[2];
  const double c = g.v2.kp[3];
  const double d = g.v1.SkalProd(g.v2);
  std::string s = g.name + " ist die Ebene durch den Punkt mit den Koordinaten " + V(g.v1) +
                  " und mit dem Normalenvektor " + V(g.v2);
  s += CR;
  s += g.name + " hat die Gleichung " + z2s(a) + "x + " + z2s(b) + "y + " + z2s(c) + "z = " + Str(d);
  return s;
}

std::string Ausgaben::Dreieckausgabe(const QuarnelT& g) const {
  return g.name + " ist das Dreieck mit den Ecken " + g.Ecken[1] + ", " + g.Ecken[2] + " und " + g.Ecken[3];
}

std::string Ausgaben::Tetraederausgabe(const QuarnelT& g) const {
  return g.name + " ist das Tetraeder mit den Ecken " + g.Ecken[1] + ", " + g.Ecken[2] + ", " + g.Ecken[3] +
         " und " + g.Ecken[4];
}

std::string Ausgaben::Satz(const QuarnelT& g) const {
  switch (g.Typ) {
    case Sammlung: return g.name + " ist die Sammlung der Quarnel " + g.Ecken[1];
    case Tetraeder: return Tetraederausgabe(g);
    case Dreieck: return Dreieckausgabe(g);
    case Strecke: return g.name + " ist die Strecke mit den Endpunkten " + g.Ecken[1] + " und " + g.Ecken[2];
    case LeeresQuarnel: return g.name + " ist das leere Quarnel";
    case Zahl: return Zahlausgabe(g);
    case Punkt: return Punktausgabe(g);
    case Gerade: return Geradenausgabe(g);
    case Ebene: return EbenenAusgabe(g);
    case Raum: return g.name + " ist der Raum";
    default: return {};
  }
}

void Ausgaben::Ausgabe(const QuarnelT& g) {
  const std::string text = Satz(g);
  if (text.empty()) return;
  LastInfoF = text;
  if (ProtokollAn) {
    InsInfofenster(text);
    InfoAktualisieren();
  } else if (doppelklick) {
    ui_.MsgBox(text);
  }
}

void Ausgaben::InsInfofenster(const std::string& s) { bloecke_.push_back(s); }

void Ausgaben::InfoAktualisieren() {
  if (!ProtokollAn && !bloecke_.empty()) return;
  if (!zeigtAlteBloecke_ && angezeigt_ == bloecke_.size()) return;  // already shown
  if (zeigtAlteBloecke_) {
    // The text shown so far goes; the area starts again.
    zeigtAlteBloecke_ = false;
    alteBloecke_.clear();
    ++infoFolge_;
  }
  angezeigt_ = bloecke_.size();
  ++infoStand_;
}

void Ausgaben::HinweisAusgabe(const std::string& s) {
  InsInfofenster("Hinweis: " + s);
  InfoAktualisieren();
}

void Ausgaben::InfoLeeren() {
  if (!zeigtAlteBloecke_) {
    // Keep what the area shows; the blocks added since the last refresh
    // were never visible.
    bloecke_.resize(angezeigt_);
    alteBloecke_ = std::move(bloecke_);
    zeigtAlteBloecke_ = true;
  }
  bloecke_.clear();
  angezeigt_ = 0;
}

std::string Ausgaben::Verkette(const Textbloecke& bloecke, std::size_t anzahl) {
  std::size_t laenge = 0;
  for (std::size_t i = 0; i < anzahl; ++i) laenge += bloecke[i].size() + 2;
  std::string s;
  s.reserve(laenge);
  for (std::size_t i = anzahl; i-- > 0;) {
    s += CR;
    s += bloecke[i];
    s += CR;
  }
  return s;
}

std::string Ausgaben::InfoFenster() const { return Verkette(bloecke_, bloecke_.size()); }

std::string Ausgaben::InfoF() const {
  if (zeigtAlteBloecke_) return Verkette(alteBloecke_, alteBloecke_.size());
  return Verkette(bloecke_, angezeigt_);
}

}  // namespace quarnel
