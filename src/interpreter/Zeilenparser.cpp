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

// A number of a point or equation text, read as written by Str; a typeset
// minus sign before it counts as "-", as in the form. "-0" is read as 0,
// which is how the point and equation texts write it again.
double Zahl(std::string_view t) {
  t.remove_prefix(std::min(t.find_first_not_of(' '), t.size()));
  if (!t.starts_with(kMinuszeichen)) return Val(t) + 0.0;
  return Val("-" + std::string(t.substr(kMinuszeichen.size()))) + 0.0;
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
  ok = false;
  const std::size_t a = s.find('(');
  if (a == std::string_view::npos) return;
  s.remove_prefix(a + 1);
  const std::size_t b = s.find('|');
  if (b == std::string_view::npos || b == 0) return;
  const std::string_view x = s.substr(0, b);
  s.remove_prefix(b + 1);
  const std::size_t c = s.find('|');
  if (c == std::string_view::npos || c == 0) return;
  const std::string_view y = s.substr(0, c);
  s.remove_prefix(c + 1);
  const std::size_t d = s.find(')');
  if (d == std::string_view::npos || d == 0) return;
  const std::string_view z = s.substr(0, d);
  // A number too large for a double ("1e999", 400 digits) is no coordinate.
  const double vx = Zahl(x), vy = Zahl(y), vz = Zahl(z);
  if (!std::isfinite(vx) || !std::isfinite(vy) || !std::isfinite(vz)) return;
  ok = true;
  v.Vektor(vx, vy, vz);
}

void Gleichung2GleichungsFeld(std::string_view s, std::array<double, 5>& A, bool& ok) {
  const auto nachPlus = [](std::string_view t) {
    const std::size_t p = t.find('+');
    return p == std::string_view::npos ? t : t.substr(p + 1);
  };
  // Each coefficient must be a finite number ("1e999" or 400 digits are not).
  const auto lies = [&ok](std::string_view t, double& a) {
    const double w = Zahl(t);
    ok = std::isfinite(w);
    if (ok) a = w;
  };
  // The coefficient of x stands before the x; those of y and z stand before
  // their letter in the text after the previous "+".
  std::string_view t = s;
  constexpr char kAchse[] = {'x', 'y', 'z'};
  for (int i = 1; i <= 3; ++i) {
    if (i > 1) t = nachPlus(t);
    const std::size_t p = t.find(kAchse[i - 1]);
    ok = p != std::string_view::npos && p > 0;
    if (!ok) return;
    lies(t.substr(0, p), A[i]);
    if (!ok) return;
  }
  const std::size_t g = t.find('=');
  lies(g == std::string_view::npos ? t : t.substr(g + 1), A[4]);
}

std::string Ausschnitt(std::string_view s, std::int64_t i, std::int64_t j) {
  if (j + 1 - i <= 0) return {};
  return Mid(s, i, j + 1 - i);
}

}  // namespace quarnel
