#include "interpreter/Zeilenparser.h"

#include <algorithm>
#include <cmath>

#include "interpreter/BefehlT.h"
#include "interpreter/Eingabetext.h"
#include "interpreter/Saetze.h"
#include "platform/Text.h"

namespace quarnel {

namespace {

std::string_view OhneFuehrendeBlanks(std::string_view s) {
  const std::size_t i = s.find_first_not_of(' ');
  return i == std::string_view::npos ? std::string_view{} : s.substr(i);
}

// The rest text of a point, plane or note without the one blank that the
// sentence puts after it; a text kept whole would grow by a blank on every
// save and load.
std::string OhneSchlussblank(std::string_view s) {
  if (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

// The text after the first colon, leading blanks dropped; false when there is
// no colon or the text begins with it.
bool NachDoppelpunkt(std::string_view s, std::string_view& rest) {
  const std::size_t c = s.find(':');
  if (c == std::string_view::npos || c == 0) return false;
  rest = OhneFuehrendeBlanks(s.substr(c + 1));
  return true;
}

// The text up to the first blank; false when there is none or it comes first.
bool BisBlank(std::string_view s, std::string& wort) {
  const std::size_t p = s.find(' ');
  if (p == std::string_view::npos || p == 0) return false;
  wort = std::string(s.substr(0, p));
  return true;
}

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

bool Zeile2Befehl(BefehlT& b, std::string_view s, std::int32_t kennung) {
  std::string neu, a1, a2, a3;
  std::array<double, 5> gleichung{};
  VektorT vektor;
  bool ok = true;

  if (!OhneName(kennung)) ok = BisBlank(s, neu);
  std::string_view r;
  ok = NachDoppelpunkt(s, r) && ok;
  if (ok) {
    switch (kennung) {
      // The point and equation texts are written anew from the numbers read:
      // for every text this program writes that is the same text again, and
      // a text from elsewhere ("( 1 | 2 | 3 )", "(1,5|2|3)", stray bytes
      // after the ")") then shows exactly the numbers that are executed.
      case VariablerPunkt:
      case NumPunkt:
        Zeile2Vektor(r, vektor, ok);
        if (ok) a1 = Koordinatentext(vektor);
        break;
      case VariableEbene:
      case NumEbene:
        Gleichung2GleichungsFeld(r, gleichung, ok);
        if (ok) a1 = Gleichungstext(gleichung[1], gleichung[2], gleichung[3], gleichung[4]);
        break;
      case GErzeugeKlonen:
      case QuarnelSammlung:
      case LoescheQuarnel:
      case AusgabeZeige:
      case AusgabeBeschreibe:
        ok = BisBlank(r, a1);
        break;
      case GGeradePP:
      case GGeradePR:
      case GEbenePN:
      case GErzeugeSchnitt:
      case GErzeugeLotfusspunktG:
      case GErzeugeSpiegelbild:
      case GErzeugeOrthogonale:
      case GErzeugeVerschieben:
      case QuarnelTetraeder:
      case GErzeugeMittelsenkrechte:
      case BerechneWinkel:
      case BerechneAbstand:
      case GEbenePPP:
      case GEbenePRR:
      case GErzeugeDrehen:
      case QuarnelDreieck:
      case QuarnelHuelle: {
        std::string_view r2, r3;
        ok = BisBlank(r, a1) && NachDoppelpunkt(r, r2) && BisBlank(r2, a2);
        const bool drei = kennung == GEbenePPP || kennung == GEbenePRR || kennung == GErzeugeDrehen ||
                          kennung == QuarnelDreieck || kennung == QuarnelHuelle;
        if (ok && drei) ok = NachDoppelpunkt(r2, r3) && BisBlank(r3, a3);
        // The angle is a number like a coordinate: read whole, and kept as
        // the program writes it, so it shows the degrees that are turned.
        double winkel = 0;
        if (ok && kennung == GErzeugeDrehen) {
          ok = Dateizahl(a2, winkel);
          if (ok) a2 = Str(winkel);
        }
        break;
      }
      case FileHInweis: {
        // The note is everything after "Hinweis: " but the closing blank, so
        // a note that begins with blanks keeps them; a note of nothing but
        // blanks is no note. A recorded note holds no control character; one
        // from a damaged file becomes a blank, as in a note typed in.
        std::string_view notiz = s.substr(s.find(':') + 1);
        if (!notiz.empty() && notiz.front() == ' ') notiz.remove_prefix(1);
        a2 = OhneSchlussblank(notiz);
        Filtern(a2);
        ok = a2.find_first_not_of(' ') != std::string::npos;
        break;
      }
      default:
        break;  // no command of this kind: only the name is read
    }
  }
  if (!ok) return false;

  b.NeuG = std::move(neu);
  b.AltG1 = std::move(a1);
  b.AltG2 = std::move(a2);
  b.AltG3 = std::move(a3);
  b.Gleichung = gleichung;
  if (kennung == VariablerPunkt || kennung == NumPunkt) b.Vektor = vektor;
  b.Kennung = kennung;
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
