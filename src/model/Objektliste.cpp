#include "model/Objektliste.h"

#include <utility>

#include "platform/Plattform.h"
#include "platform/Text.h"

namespace quarnel {

Objektliste::Objektliste(Plattform& ui, std::function<void(const QuarnelT&)> beschreibe)
    : ui_(ui), beschreibe_(std::move(beschreibe)) {}

QuarnelT Objektliste::Ursprung() {
  QuarnelT o;
  o.name = "O";
  o.Typ = Punkt;
  return o;
}

void Objektliste::NeuerKopf(QuarnelT kopf) {
  glieder_.clear();
  kopf_ = std::move(kopf);
  buch_.Neuaufbau();
}

std::int64_t Objektliste::AutoNummer(std::string_view name) {
  // Only the exact form an automatic name has ("G_" and the number's digits,
  // no sign, no leading zero) books its number: "G_01" or "G_1.0" name other
  // objects than "G_1" and must not free its number when they are deleted.
  if (name.size() < 3 || name.size() > 20 || name.substr(0, 2) != "G_" || name[2] == '0') return 0;
  std::int64_t n = 0;
  for (char c : name.substr(2)) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n;
}

bool Objektliste::Einlisten(QuarnelT obj) {
  if (!ZahlenEndlich(obj)) {
    // An overflow somewhere on the way: no number of it can be shown.
    ui_.MsgBox(kNichtBerechenbar);
    return false;
  }
  if (std::int64_t n = AutoNummer(obj.name); n >= 1) verbraucht_.insert(n);
  if (beschreibe_) beschreibe_(obj);
  // An object named like the head (the origin "O" after a restart) takes
  // the head's place, so that it is not hidden behind it; one named like a
  // member takes that member's place. Either row changes only when the
  // type word does.
  QuarnelT* alt = !obj.name.empty() && obj.name == kopf_.name ? &kopf_ : glieder_.Finde(obj.name);
  if (alt != nullptr) {
    const bool kopf = alt == &kopf_;
    const std::size_t zeile = kopf ? 0 : KopfZeile() + glieder_.Platz(obj.name);
    const bool hatteZeile = !kopf || KopfZeile() == 1;
    std::string vorher = hatteZeile ? Buchzeile(*alt) : std::string();
    *alt = std::move(obj);
    const bool hatZeile = !kopf || KopfZeile() == 1;
    if (hatteZeile && hatZeile)
      buch_.Geaendert(zeile, std::move(vorher), Buchzeile(*alt));
    else if (hatZeile)
      buch_.Eingefuegt(0);
    else if (hatteZeile)
      buch_.Entfernt(0, std::move(vorher));
    return true;
  }
  const std::size_t platz = glieder_.Einfuegen(std::move(obj));
  buch_.Eingefuegt(KopfZeile() + platz);
  return true;
}

const QuarnelT* Objektliste::HoleQuarnel(std::string_view name) const {
  if (kopf_.name == name) return &kopf_;
  return glieder_.Finde(name);
}

QuarnelT* Objektliste::HoleQuarnel(std::string_view name) {
  return const_cast<QuarnelT*>(std::as_const(*this).HoleQuarnel(name));
}

std::int32_t Objektliste::QuarnelTypNr(std::string_view name) const {
  const QuarnelT* g = HoleQuarnel(name);
  return g ? g->Typ : 0;
}

bool Objektliste::ExistiertQuarnel(std::string_view name) const { return QuarnelTypNr(name) != 0; }

void Objektliste::HoleVektor(std::int32_t selector, std::string_view name, VektorT& v) const {
  const QuarnelT* g = HoleQuarnel(name);
  if (!g) {
    ui_.MsgBox("Fehler beim Suchen nach " + std::string(name));
    return;
  }
  if (selector == 1) v.uebernimmtKomponentenVon(g->v1);
  else if (selector == 2) v.uebernimmtKomponentenVon(g->v2);
}

void Objektliste::LoescheQuarnel(std::string_view name) {
  if (std::int64_t n = AutoNummer(name); n >= 1) BefreieNr(n);
  const QuarnelT* g = glieder_.Finde(name);
  if (g == nullptr) {
    ui_.MsgBox("Fehler beim Loeschen");
    return;
  }
  buch_.Entfernt(KopfZeile() + glieder_.Platz(name), Buchzeile(*g));
  glieder_.Entfernen(name);
}

std::string Objektliste::Zeile(std::size_t i) const {
  if (i < KopfZeile()) return Objektzeile(kopf_);
  return Objektzeile(glieder_.Nr(i - KopfZeile()));
}

bool Objektliste::ErlaubterName(std::string_view text) {
  if (text.empty() || HatBlank(text)) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    // Blank and colon separate the parts of a protocol line, the comma the
    // members of a collection, the bar a member result from its operation.
    if (c == ':' || c == ',' || c == '|' || c < 32 || c == 127) return false;
    // The control characters U+0080 to U+009F (in UTF-8 C2 80 to C2 9F),
    // among them the line break U+0085.
    if (c == 0xC2 && i + 1 < text.size()) {
      const auto d = static_cast<unsigned char>(text[i + 1]);
      if (d >= 0x80 && d <= 0x9F) return false;
    }
  }
  return true;
}

std::int64_t Objektliste::FreieNr() {
  while (verbraucht_.count(kandidat_)) ++kandidat_;
  verbraucht_.insert(kandidat_);
  return kandidat_;
}

void Objektliste::BefreieNr(std::int64_t n) {
  verbraucht_.erase(n);
  if (n >= 1 && n < kandidat_) kandidat_ = n;
}

std::string Objektzeile(const QuarnelT& g) {
  // The type word stands in column 15; a longer name keeps one blank before
  // the whole word, so every row starts with the name and a blank.
  std::string zeile = g.name;
  if (!Typwort(g.Typ).empty()) {
    const std::size_t len = Len(g.name);
    zeile += len <= 13 ? Mid(Typname(g.Typ), static_cast<std::int64_t>(len) + 2) : " " + Typwort(g.Typ);
  }
  return zeile;
}

NamenListen Objektliste::ErzeugeNamenListen() const {
  NamenListen l;
  auto zeile = [](std::string& liste, const std::string& n) {
    liste += n;
    liste += CR;
  };
  bool erster = true;
  FuerAlle([&](const QuarnelT& g) {
    if (erster) {
      erster = false;
      if (g.Typ == Zahl) return;  // a blank head yields no line
    }
    const std::string& n = g.name;
    zeile(l.NListe, n);
    zeile(l.ErwNListe, Objektzeile(g));
    switch (g.Typ) {
      case Sammlung: zeile(l.mSoEckNListe, n); break;
      case Tetraeder: zeile(l.EckNListe, n); break;
      case Dreieck: zeile(l.EckNListe, n); zeile(l.DNListe, n); break;
      case Punkt:
        zeile(l.PNListe, n); zeile(l.gPNListe, n); zeile(l.oEckNliste, n); zeile(l.mSoEckNListe, n);
        break;
      case Gerade:
        zeile(l.gNListe, n); zeile(l.gPNListe, n); zeile(l.oPNListe, n); zeile(l.oEckNliste, n);
        zeile(l.mSoEckNListe, n);
        break;
      case Ebene:
        zeile(l.oEckNliste, n); zeile(l.oPNListe, n); zeile(l.mSoEckNListe, n);
        break;
      default: break;
    }
  });
  return l;
}

}  // namespace quarnel
