#include "interpreter/Zeilenparser.h"

#include <algorithm>
#include <cmath>

#include "interpreter/BefehlT.h"
#include "interpreter/Eingabetext.h"
#include "interpreter/Saetze.h"
#include "platform/Text.h"

namespace quarnel {

namespace {

// The sign that joins a coefficient of the equation to the one before it:
// "+" or "-" (the typeset minus too), blanks around it; the coefficient
// after it is read whole as one number (it may carry a sign of its own, as
// in "+ -2", which is how the program writes it) and takes that sign.
bool Verbunden(std::string_view t, double& a) {
  t = OhneRandblanks(t);
  double vorzeichen = 1;
  if (t.starts_with('+')) {
    t.remove_prefix(1);
  } else if (t.starts_with('-')) {
    vorzeichen = -1;
    t.remove_prefix(1);
  } else if (t.starts_with(kMinuszeichen)) {
    vorzeichen = -1;
    t.remove_prefix(kMinuszeichen.size());
  } else {
    return false;
  }
  double w = 0;
  if (!Dateizahl(t, w, Summanden::einer)) return false;
  a = vorzeichen * w + 0.0;
  return true;
}

}  // namespace

bool Zeile2Befehl(BefehlT& b, std::string_view satz) {
  Satzworte worte;
  if (!SatzNachWorten(satz, worte)) return false;
  std::array<std::string, 4> texte;
  std::array<double, 5> gleichung{};
  VektorT vektor;
  bool punkt = false, ok = true;
  for (std::size_t n = 0; n < worte.anzahl && ok; ++n) {
    const auto [feld, text] = worte.felder[n];
    std::string& ziel = texte[Stelle(feld)];
    switch (feld) {
      case Feld::Name:
      case Feld::Operand1:
      case Feld::Operand2:
      case Feld::Operand3: ziel = text; break;
      // The numbers are written anew from what was read: for every text this
      // program writes that is the same text again, and a text from elsewhere
      // ("( 1 | 2 | 3 )", "(1,5|2|3)", "22,5") then shows exactly the numbers
      // that are executed.
      case Feld::Winkel: {
        double winkel = 0;
        ok = Dateizahl(text, winkel);
        if (ok) ziel = Str(winkel);
        break;
      }
      case Feld::Punkt:
        Zeile2Vektor(text, vektor, ok);
        if (ok) ziel = Koordinatentext(vektor);
        punkt = true;
        break;
      case Feld::Gleichung:
        Gleichung2GleichungsFeld(text, gleichung, ok);
        if (ok) ziel = Gleichungstext(gleichung[1], gleichung[2], gleichung[3], gleichung[4]);
        break;
      case Feld::Notiz:
        // A recorded note holds no control character; one from a damaged
        // file becomes a blank, as in a note typed in. A note of nothing but
        // blanks says nothing and is no note, in a file as in the form.
        ziel = text;
        Filtern(ziel);
        ok = !OhneRandblanks(ziel).empty();
        break;
    }
  }
  if (!ok) return false;

  b.NeuG = std::move(texte[0]);
  b.AltG1 = std::move(texte[1]);
  b.AltG2 = std::move(texte[2]);
  b.AltG3 = std::move(texte[3]);
  b.Gleichung = gleichung;
  if (punkt) b.Vektor = vektor;
  b.Kennung = worte.kennung;
  return true;
}

void Zeile2Vektor(std::string_view s, VektorT& v, bool& ok) {
  // "(" x "|" y "|" z ")", blanks around each number and around the whole.
  s = OhneRandblanks(s);
  ok = s.starts_with('(') && s.ends_with(')');
  if (!ok) return;
  s = s.substr(1, s.size() - 2);
  const std::size_t b = s.find('|');
  const std::size_t c = b == std::string_view::npos ? b : s.find('|', b + 1);
  double x = 0, y = 0, z = 0;
  ok = c != std::string_view::npos && Dateizahl(s.substr(0, b), x) && Dateizahl(s.substr(b + 1, c - b - 1), y) &&
       Dateizahl(s.substr(c + 1), z);
  if (ok) v.Vektor(x, y, z);
}

void Gleichung2GleichungsFeld(std::string_view s, std::array<double, 5>& A, bool& ok) {
  // a "x" ["+" | "-"] b "y" ["+" | "-"] c "z" "=" d: each coefficient is the
  // whole text between its neighbours, so none can move to another letter.
  // A coefficient is one number, a fraction at most: a constant term among
  // the terms ("1x + 2 + 3y", "1 + 1x", "- 3+4z") leaves a sum or two
  // numbers in front of a letter, and the line is not read. So is a mixed
  // number there: "7+1/5x" may be 7 1/5 x or 7 + 1/5 x. After the "=" stands
  // nothing but d, so a sum there ("= 7+1/5", "= 4 + 1") means the same
  // either way and is read as a file number. A coefficient must be written
  // ("1x", not "x"), and a constant term left of the "=" is not read.
  s = OhneRandblanks(s);
  const std::size_t x = s.find('x');
  ok = x != std::string_view::npos && Dateizahl(s.substr(0, x), A[1], Summanden::einer);
  if (!ok) return;
  const std::size_t y = s.find('y', x + 1);
  ok = y != std::string_view::npos && Verbunden(s.substr(x + 1, y - x - 1), A[2]);
  if (!ok) return;
  const std::size_t z = s.find('z', y + 1);
  ok = z != std::string_view::npos && Verbunden(s.substr(y + 1, z - y - 1), A[3]);
  if (!ok) return;
  std::string_view rest = OhneRandblanks(s.substr(z + 1));
  ok = rest.starts_with('=') && Dateizahl(rest.substr(1), A[4]);
}

std::string Ausschnitt(std::string_view s, std::int64_t i, std::int64_t j) {
  if (j + 1 - i <= 0) return {};
  return Mid(s, i, j + 1 - i);
}

}  // namespace quarnel
