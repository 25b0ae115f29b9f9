#include "interpreter/Saetze.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

#include "interpreter/BefehlT.h"
#include "interpreter/Eingabetext.h"
#include "model/Objektliste.h"
#include "platform/Text.h"

namespace quarnel {

namespace {

// A sentence is a row of pieces: fixed text, or one of the command's fields.
// The same rows write the sentences and recognise them when a file is read.
enum Feld { Text_, Neu, A1, A2, A3, A1Rest, A2Rest };

struct Stueck {
  Feld feld;
  std::string_view text;  // the fixed text of a Text_ piece
};

struct Satzform {
  std::int32_t kennung;
  std::vector<Stueck> stuecke;
};

constexpr Stueck T(std::string_view t) { return {Text_, t}; }
constexpr Stueck F(Feld f) { return {f, {}}; }

const std::vector<Satzform>& Satzformen() {
  // clang-format off
  static const std::vector<Satzform> formen = {
      {VariablerPunkt, {F(Neu), T(" ist variabler Punkt mit dem aktuellen Koordinatentripel: "), F(A1Rest)}},
      {VariableEbene, {F(Neu), T(" ist die variable Ebene mit der aktuellen Gleichung: "), F(A1Rest)}},
      {NumPunkt, {F(Neu), T(" ist der Punkt mit dem Koordinatentripel: "), F(A1Rest)}},
      {NumEbene, {F(Neu), T(" ist die Ebene mit der Gleichung: "), F(A1Rest)}},
      {GGeradePP, {F(Neu), T(" wird definiert als Gerade durch die Punkte: "), F(A1), T(" und: "), F(A2)}},
      {GGeradePR, {F(Neu), T(" wird definiert als Gerade durch den Punkt: "), F(A1), T(" mit der Richtung: "), F(A2)}},
      {GEbenePPP, {F(Neu), T(" wird definiert als Ebene durch die Punkte: "), F(A1), T(" ,: "), F(A2), T(" und: "), F(A3)}},
      {GEbenePN, {F(Neu), T(" wird definiert als Ebene durch den Punkt: "), F(A1), T(" mit dem Normalenvektor: "), F(A2)}},
      {GEbenePRR, {F(Neu), T(" wird definiert als Ebene durch den Punkt: "), F(A1), T(" mit den Richtungen: "), F(A2),
                  T(" und: "), F(A3)}},
      {GErzeugeSchnitt, {F(Neu), T(" wird definiert als Schnitt der Quarnel: "), F(A1), T(" und: "), F(A2)}},
      {GErzeugeLotfusspunktG, {F(Neu), T(" wird definiert als Fusspunktquarnel der Lote von: "), F(A1), T(" auf: "), F(A2)}},
      {GErzeugeSpiegelbild, {F(Neu), T(" wird definiert als Ergebnis der Spiegelung von:  "), F(A1), T(" an: "), F(A2)}},
      {GErzeugeOrthogonale, {F(Neu), T(" wird definiert als orthogonales Quarnel zu: "), F(A1), T(" und durch: "), F(A2)}},
      {GErzeugeVerschieben, {F(Neu), T(" wird definiert als Ergebnis der Verschiebung von: "), F(A1), T(" auf den Punkt: "), F(A2)}},
      {GErzeugeDrehen, {F(Neu), T(" wird definiert als Ergebnis der Drehung von: "), F(A1), T(" um den Winkel: "), F(A2),
                       T(" Grad mit der Drehachse: "), F(A3)}},
      {QuarnelDreieck, {F(Neu), T(" ist das Dreieck mit den Ecken: "), F(A1), T(" und: "), F(A2), T(" und: "), F(A3)}},
      {QuarnelTetraeder, {F(Neu), T(" ist das Tetraeder mit der Grundflaeche: "), F(A1), T(" und der Spitze: "), F(A2)}},
      {GErzeugeMittelsenkrechte, {F(Neu), T(" ist die Mittelsenkrechte der Punkte: "), F(A1), T(" und: "), F(A2)}},
      {QuarnelHuelle, {F(Neu), T(" ist die Huelle von: "), F(A1), T(" ,: "), F(A2), T(" und: "), F(A3)}},
      {GErzeugeKlonen, {F(Neu), T(" ist definiert als als Klon von: "), F(A1)}},
      {QuarnelSammlung, {F(Neu), T(" ist die Sammlung der Quarnel: "), F(A1)}},
      {LoescheQuarnel, {T("Loesche das Quarnel: "), F(A1)}},
      {AusgabeZeige, {T("Zeige die wesentlichen Daten von: "), F(A1)}},
      {BerechneWinkel, {T("Berechne den Winkel zwischen den Quarneln: "), F(A1), T(" und: "), F(A2)}},
      {BerechneAbstand, {T("Bestimme den Abstand, den: "), F(A1), T(" von: "), F(A2), T(" hat")}},
      {AusgabeBeschreibe, {T("Gib eine ausfuehrliche Beschreibung von: "), F(A1)}},
      {FileHInweis, {T("Hinweis: "), F(A2Rest)}},
  };
  // clang-format on
  return formen;
}

const Satzform* FormVon(std::int32_t k) {
  for (const Satzform& f : Satzformen())
    if (f.kennung == k) return &f;
  return nullptr;
}

// An operand: a run without blank and colon that holds no control
// character either. Object names hold none of them, nor do the angle text
// and the member list; a member result's name ("S|P") is an operand too.
bool IstOperand(std::string_view t) {
  if (t.empty() || HatBlank(t)) return false;
  for (unsigned char c : t)
    if (c == ':' || c < 32 || c == 127) return false;
  return true;
}

bool PasstFeld(Feld f, std::string_view wort) {
  return f == Neu ? Objektliste::ErlaubterName(wort) : IstOperand(wort);
}

// Does the text s hold the sentence form f, and which fields? `genau`: its
// fixed pieces stand there byte for byte, as the program writes them.
// Otherwise whatever its blanks: where the sentence has blanks, the line has
// at least one; at a colon it may have none or more. Either way the new name
// must keep the name rule (a line naming something that can never be
// defined is no command), each operand is one word as above, and a rest
// text takes everything that follows but the closing blank; only blanks may
// follow the last field.
bool Passt(const Satzform& f, std::string_view s, bool genau, std::array<std::string, 4>& felder) {
  std::size_t i = genau ? 0 : NachBlanks(s, 0);
  for (const Stueck& st : f.stuecke) {
    switch (st.feld) {
      case Text_: {
        const std::string_view t = st.text;
        if (genau) {
          if (s.substr(i, t.size()) != t) return false;
          i += t.size();
          break;
        }
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
        break;
      }
      case A1Rest:
      case A2Rest: {
        // The rest keeps its own blanks but the closing one.
        std::string_view rest = s.substr(i);
        if (rest.ends_with(' ')) rest.remove_suffix(1);
        felder[st.feld == A1Rest ? 1 : 2] = std::string(rest);
        return true;
      }
      case Neu:
      case A1:
      case A2:
      case A3: {
        std::size_t e = i;
        while (e < s.size() && BlankBei(s, e) == 0) ++e;
        const std::string_view wort = s.substr(i, e - i);
        if (!PasstFeld(st.feld, wort)) return false;
        felder[st.feld == Neu ? 0 : st.feld - A1 + 1] = std::string(wort);
        i = e;
        break;
      }
    }
  }
  return NachBlanks(s, i) == s.size();
}

}  // namespace

std::string BText(std::int32_t kennung, std::string_view NeuG, std::string_view AltG1, std::string_view AltG2,
                  std::string_view AltG3) {
  std::string s;
  if (const Satzform* f = FormVon(kennung)) {
    for (const Stueck& st : f->stuecke) {
      switch (st.feld) {
        case Text_: s += st.text; break;
        case Neu: s += NeuG; break;
        case A1:
        case A1Rest: s += AltG1; break;
        case A2:
        case A2Rest: s += AltG2; break;
        case A3: s += AltG3; break;
      }
    }
  }
  s += ' ';
  return s;
}

std::string BText(const BefehlT& b) { return BText(b.Kennung, b.NeuG, b.AltG1, b.AltG2, b.AltG3); }

std::string Befehlszeile(std::int64_t n, const BefehlT& b) { return "<" + Str(n) + ">    " + BText(b); }

std::string Protokollzeile(std::int64_t n, const BefehlT& b) { return Befehlszeile(n, b) + CR; }

std::string Protokolltext(const Befehlsliste& liste) {
  std::string p;
  std::int64_t n = 1;
  for (const BefehlT& b : liste) p += Protokollzeile(n++, b);
  return p;
}

std::int32_t ErkenneKennung(std::string_view satz) {
  std::array<std::string, 4> felder;
  for (const Satzform& f : Satzformen())
    if (Passt(f, satz, true, felder)) return f.kennung;
  return 0;
}

std::int32_t SatzNachWorten(std::string_view zeile, std::string& satz) {
  for (const Satzform& f : Satzformen()) {
    // As written first: so the blanks a note begins with stay its own.
    std::array<std::string, 4> felder;
    if (!Passt(f, zeile, true, felder) && !Passt(f, zeile, false, felder)) continue;
    satz = BText(f.kennung, felder[0], felder[1], felder[2], felder[3]);
    return f.kennung;
  }
  return 0;
}

std::string Koordinatentext(double x, double y, double z) {
  return "(" + Str(x) + "|" + Str(y) + "|" + Str(z) + ")";
}

std::string Koordinatentext(const VektorT& v) { return Koordinatentext(v.x(), v.y(), v.z()); }

std::string Gleichungstext(double a, double b, double c, double d) {
  return Str(a) + "x + " + Str(b) + "y + " + Str(c) + "z = " + Str(d);
}

}  // namespace quarnel
