#include "interpreter/Saetze.h"

#include <algorithm>
#include <vector>

#include "interpreter/BefehlT.h"
#include "model/Objektliste.h"
#include "platform/Text.h"

namespace quarnel {

namespace {

// A sentence is a row of pieces: fixed text, or one of the command's fields.
// The same rows write the sentences and find the fields of a line.
struct Stueck {
  std::string_view text;  // the fixed text; empty for a field
  Feld feld = Feld::Name;
  constexpr bool IstText() const { return !text.empty(); }
};

struct Satzform {
  std::int32_t kennung;
  std::vector<Stueck> stuecke;
  // The first fixed text without its blanks: what a line must hold there,
  // whatever its blanks, so most forms are ruled out at one glance.
  std::string kern = {};
};

// No kern is longer (the longest has 50 bytes).
constexpr std::size_t kKopflaenge = 64;

constexpr Stueck T(std::string_view t) { return {t}; }
constexpr Stueck kName{{}, Feld::Name};
constexpr Stueck kA1{{}, Feld::Operand1};
constexpr Stueck kA2{{}, Feld::Operand2};
constexpr Stueck kA3{{}, Feld::Operand3};
constexpr Stueck kWinkel{{}, Feld::Winkel};
constexpr Stueck kPunkt{{}, Feld::Punkt};
constexpr Stueck kGleichung{{}, Feld::Gleichung};
constexpr Stueck kNotiz{{}, Feld::Notiz};

// The fields that take the rest of the line; every other field is one word.
constexpr bool IstRest(Feld f) { return f == Feld::Punkt || f == Feld::Gleichung || f == Feld::Notiz; }

// Every sentence: its kind, its fixed texts and its fields, in order.
std::vector<Satzform> Formentabelle() {
  // clang-format off
  return {
      {VariablerPunkt, {kName, T(" ist variabler Punkt mit dem aktuellen Koordinatentripel: "), kPunkt}},
      {VariableEbene, {kName, T(" ist die variable Ebene mit der aktuellen Gleichung: "), kGleichung}},
      {NumPunkt, {kName, T(" ist der Punkt mit dem Koordinatentripel: "), kPunkt}},
      {NumEbene, {kName, T(" ist die Ebene mit der Gleichung: "), kGleichung}},
      {GGeradePP, {kName, T(" wird definiert als Gerade durch die Punkte: "), kA1, T(" und: "), kA2}},
      {GGeradePR, {kName, T(" wird definiert als Gerade durch den Punkt: "), kA1, T(" mit der Richtung: "), kA2}},
      {GEbenePPP, {kName, T(" wird definiert als Ebene durch die Punkte: "), kA1, T(" ,: "), kA2, T(" und: "), kA3}},
      {GEbenePN, {kName, T(" wird definiert als Ebene durch den Punkt: "), kA1, T(" mit dem Normalenvektor: "), kA2}},
      {GEbenePRR, {kName, T(" wird definiert als Ebene durch den Punkt: "), kA1, T(" mit den Richtungen: "), kA2,
                  T(" und: "), kA3}},
      {GErzeugeSchnitt, {kName, T(" wird definiert als Schnitt der Quarnel: "), kA1, T(" und: "), kA2}},
      {GErzeugeLotfusspunktG, {kName, T(" wird definiert als Fusspunktquarnel der Lote von: "), kA1, T(" auf: "), kA2}},
      {GErzeugeSpiegelbild, {kName, T(" wird definiert als Ergebnis der Spiegelung von:  "), kA1, T(" an: "), kA2}},
      {GErzeugeOrthogonale, {kName, T(" wird definiert als orthogonales Quarnel zu: "), kA1, T(" und durch: "), kA2}},
      {GErzeugeVerschieben, {kName, T(" wird definiert als Ergebnis der Verschiebung von: "), kA1, T(" auf den Punkt: "), kA2}},
      {GErzeugeDrehen, {kName, T(" wird definiert als Ergebnis der Drehung von: "), kA1, T(" um den Winkel: "), kWinkel,
                       T(" Grad mit der Drehachse: "), kA3}},
      {QuarnelDreieck, {kName, T(" ist das Dreieck mit den Ecken: "), kA1, T(" und: "), kA2, T(" und: "), kA3}},
      {QuarnelTetraeder, {kName, T(" ist das Tetraeder mit der Grundflaeche: "), kA1, T(" und der Spitze: "), kA2}},
      {GErzeugeMittelsenkrechte, {kName, T(" ist die Mittelsenkrechte der Punkte: "), kA1, T(" und: "), kA2}},
      {QuarnelHuelle, {kName, T(" ist die Huelle von: "), kA1, T(" ,: "), kA2, T(" und: "), kA3}},
      {GErzeugeKlonen, {kName, T(" ist definiert als als Klon von: "), kA1}},
      {QuarnelSammlung, {kName, T(" ist die Sammlung der Quarnel: "), kA1}},
      {LoescheQuarnel, {T("Loesche das Quarnel: "), kA1}},
      {AusgabeZeige, {T("Zeige die wesentlichen Daten von: "), kA1}},
      {BerechneWinkel, {T("Berechne den Winkel zwischen den Quarneln: "), kA1, T(" und: "), kA2}},
      {BerechneAbstand, {T("Bestimme den Abstand, den: "), kA1, T(" von: "), kA2, T(" hat")}},
      {AusgabeBeschreibe, {T("Gib eine ausfuehrliche Beschreibung von: "), kA1}},
      {FileHInweis, {T("Hinweis: "), kNotiz}},
  };
  // clang-format on
}

const std::vector<Satzform>& Satzformen() {
  static const std::vector<Satzform> formen = [] {
    std::vector<Satzform> v = Formentabelle();
    for (Satzform& f : v) {
      const auto t = std::find_if(f.stuecke.begin(), f.stuecke.end(), [](const Stueck& st) { return st.IstText(); });
      for (char c : t->text)
        if (c != ' ') f.kern += c;
    }
    return v;
  }();
  return formen;
}

const Satzform* FormVon(std::int32_t k) {
  for (const Satzform& f : Satzformen())
    if (f.kennung == k) return &f;
  return nullptr;
}

// An operand (or the angle): a word that holds no colon and no control
// character either. Object names hold none of them, nor does the member
// list; a member result's name ("S|P") is an operand too.
bool IstOperand(std::string_view wort) {
  if (wort.empty()) return false;
  for (unsigned char c : wort)
    if (c == ':' || c < 32 || c == 127) return false;
  return true;
}

// One line as the sentence forms look at it. A word is the run from a
// position up to the next blank; each is found, and judged as a name or an
// operand, once however many forms look at it, so a long line is walked a
// few times, not once for every form.
class Zeile {
public:
  explicit Zeile(std::string_view s) : s(s), anfang(NachBlanks(s, 0)) {}

  const std::string_view s;
  const std::size_t anfang;  // behind the blanks the line begins with

  // The word that begins at byte i.
  std::string_view Wort(std::size_t i) { return s.substr(i, Eintrag(i).ende - i); }

  // Does the word at i fit the field f?
  bool PasstWort(Feld f, std::size_t i) {
    Gesehen& g = Eintrag(i);
    signed char& urteil = f == Feld::Name ? g.name : g.operand;
    if (urteil < 0) {
      const std::string_view wort = s.substr(i, g.ende - i);
      urteil = f == Feld::Name ? Objektliste::ErlaubterName(wort) : IstOperand(wort);
    }
    return urteil > 0;
  }

  // Where a form's first fixed text stands: behind the first word when the
  // form begins with a name, else at the start.
  std::size_t Textanfang(const Satzform& f) {
    return f.stuecke.front().IstText() ? anfang : Eintrag(anfang).ende;
  }

  // Does the form's first fixed text stand there byte for byte?
  bool ErsterTextWieGeschrieben(const Satzform& f) {
    const std::string_view t = f.stuecke[f.stuecke.front().IstText() ? 0 : 1].text;
    return s.substr(Textanfang(f), t.size()) == t;
  }

  // Does the line hold the form's first fixed text there whatever its
  // blanks? The bytes there that are no blanks are read once for all forms,
  // as far as some form asks.
  bool ErsterTextLose(const Satzform& f) {
    Kopf& k = koepfe_[!f.stuecke.front().IstText()];
    if (!k.begonnen) {
      k.i = Textanfang(f);
      k.begonnen = true;
    }
    const std::string_view kern = f.kern;
    while (k.laenge < kern.size() && k.i < s.size()) {
      if (k.laenge == k.text.size()) return false;
      if (const std::size_t n = BlankBei(s, k.i)) {
        k.i += n;
      } else {
        k.text[k.laenge++] = s[k.i++];
      }
    }
    return std::string_view(k.text.data(), k.laenge).starts_with(kern);
  }

private:
  struct Gesehen {
    std::size_t anfang = 0, ende = 0;
    signed char name = -1, operand = -1;  // -1: not yet judged
  };
  struct Kopf {
    std::array<char, kKopflaenge> text{};  // the bytes read, blanks left out
    std::size_t laenge = 0;
    std::size_t i = 0;  // where reading goes on
    bool begonnen = false;
  };

  Gesehen& Eintrag(std::size_t i) {
    for (std::size_t k = 0; k < std::min(zahl_, gesehen_.size()); ++k)
      if (gesehen_[k].anfang == i) return gesehen_[k];
    Gesehen& g = gesehen_[zahl_++ % gesehen_.size()];
    g = {i, i};
    while (g.ende < s.size() && BlankBei(s, g.ende) == 0) ++g.ende;
    return g;
  }

  std::array<Gesehen, 4> gesehen_{};
  std::size_t zahl_ = 0;
  std::array<Kopf, 2> koepfe_{};
};

// The fixed text t at byte i of s with its blanks edited by hand: where t has
// blanks, s has at least one; at a colon it may have none or more. Moves i
// behind the text.
bool FesterTextLose(std::string_view t, std::string_view s, std::size_t& i) {
  for (std::size_t k = 0; k < t.size();) {
    if (t[k] == ' ') {
      const std::size_t e = std::min(t.find_first_not_of(' ', k), t.size());
      const bool amDoppelpunkt = (k > 0 && t[k - 1] == ':') || (e < t.size() && t[e] == ':');
      const std::size_t j = NachBlanks(s, i);
      if (j == i && !amDoppelpunkt) return false;
      i = j;
      k = e;
    } else {
      if (t[k] == ':') i = NachBlanks(s, i);
      if (i >= s.size() || s[i] != t[k]) return false;
      ++i;
      ++k;
    }
  }
  return true;
}

// Does the line hold the words of the sentence form f? It is walked once,
// both as written and with its blanks edited: as long as every fixed text
// stands byte for byte where the program writes it (and the line has no
// leading blanks), the walk "as written" holds, and a rest text then begins
// right after the fixed text, blanks and all; otherwise it begins behind the
// blanks there. A word is the same either way.
bool Passt(const Satzform& f, Zeile& z, Satzworte& w) {
  const std::string_view s = z.s;
  std::size_t i = z.anfang;  // the walk with edited blanks
  std::size_t g = 0;         // the walk as written, while it holds
  bool genau = z.anfang == 0;
  w.anzahl = 0;
  for (const Stueck& st : f.stuecke) {
    if (st.IstText()) {
      const std::string_view t = st.text;
      if (genau && s.substr(i, t.size()) == t) {
        g = i + t.size();
        i = t.back() == ' ' ? NachBlanks(s, g) : g;
      } else {
        genau = false;
        if (!FesterTextLose(t, s, i)) return false;
      }
    } else if (IstRest(st.feld)) {
      std::string_view rest = s.substr(genau ? g : i);
      if (rest.ends_with(' ')) rest.remove_suffix(1);  // the closing blank
      w.felder[w.anzahl++] = {st.feld, rest};
      w.kennung = f.kennung;
      return true;
    } else {
      if (i != g) genau = false;
      if (!z.PasstWort(st.feld, i)) return false;
      const std::string_view wort = z.Wort(i);
      w.felder[w.anzahl++] = {st.feld, wort};
      i = g = i + wort.size();
    }
  }
  w.kennung = f.kennung;
  return NachBlanks(s, i) == s.size();
}

}  // namespace

std::string BText(std::int32_t kennung, std::string_view NeuG, std::string_view AltG1, std::string_view AltG2,
                  std::string_view AltG3) {
  const std::array<std::string_view, 4> texte = {NeuG, AltG1, AltG2, AltG3};
  std::string s;
  if (const Satzform* f = FormVon(kennung))
    for (const Stueck& st : f->stuecke) s += st.IstText() ? st.text : texte[Stelle(st.feld)];
  s += ' ';
  return s;
}

std::string BText(const BefehlT& b) { return BText(b.Kennung, b.NeuG, b.AltG1, b.AltG2, b.AltG3); }

std::string Befehlszeile(std::int64_t n, const BefehlT& b) { return "<" + Str(n) + ">    " + BText(b); }

std::string Protokollzeile(std::int64_t n, const BefehlT& b) { return Befehlszeile(n, b) + CR; }

bool SatzNachWorten(std::string_view zeile, Satzworte& worte) {
  // No line holds the words of two sentences: their first fixed texts tell
  // them apart, whatever the blanks (only two forms share theirs, and their
  // second ones differ). So a line as the program writes it is first looked
  // for among the forms whose first fixed text stands there as written,
  // which is quick; then among the forms whose first fixed text it holds
  // with other blanks.
  Zeile z(zeile);
  const std::vector<Satzform>& formen = Satzformen();
  if (z.anfang == 0)
    for (const Satzform& f : formen)
      if (z.ErsterTextWieGeschrieben(f) && Passt(f, z, worte)) return true;
  for (const Satzform& f : formen)
    if (z.ErsterTextLose(f) && Passt(f, z, worte)) return true;
  return false;
}

std::string Koordinatentext(double x, double y, double z) {
  return "(" + Str(x) + "|" + Str(y) + "|" + Str(z) + ")";
}

std::string Koordinatentext(const VektorT& v) { return Koordinatentext(v.x(), v.y(), v.z()); }

std::string Gleichungstext(double a, double b, double c, double d) {
  return Str(a) + "x + " + Str(b) + "y + " + Str(c) + "z = " + Str(d);
}

}  // namespace quarnel
