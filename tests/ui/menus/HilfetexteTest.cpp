// The help and information texts: their form, and the help text's promises.
// The worked examples are taken from the help text itself, loaded as a
// protocol file and typed into the input form; the results the text quotes
// must then stand in the description area and hold for the objects.
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "interpreter/Bearbeitung.h"
#include "interpreter/Eingabetext.h"
#include "interpreter/Zeilenparser.h"
#include "support/Sitzung.h"
#include "platform/Text.h"
#include "ui/menus/Hilfetexte.h"

namespace quarnel::test {
namespace {

std::vector<std::string> Zeilen(std::string_view text) {
  std::vector<std::string> z;
  std::size_t anfang = 0;
  for (;;) {
    const std::size_t ende = text.find(CR, anfang);
    z.emplace_back(text.substr(anfang, ende - anfang));
    if (ende == std::string_view::npos) return z;
    anfang = ende + 1;
  }
}

// Well-formed UTF-8: every sequence complete, not overlong, no surrogate,
// nothing beyond U+10FFFF.
bool GueltigesUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t folge = 0;  // continuation bytes after the lead byte
    std::uint32_t cp = c, kleinster = 0;
    if (c >= 0xF0 && c < 0xF8) {
      folge = 3, cp = c & 0x07u, kleinster = 0x10000;
    } else if (c >= 0xE0 && c < 0xF0) {
      folge = 2, cp = c & 0x0Fu, kleinster = 0x800;
    } else if (c >= 0xC0 && c < 0xE0) {
      folge = 1, cp = c & 0x1Fu, kleinster = 0x80;
    } else if (c >= 0x80) {
      return false;
    }
    if (i + folge >= s.size()) return false;
    for (std::size_t k = 1; k <= folge; ++k) {
      const auto d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3Fu);
    }
    if (cp < kleinster || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += folge + 1;
  }
  return true;
}

TEST(Hilfetexte, FormOfBothTexts) {
  const std::string_view hilfe = Hilfetext(), info = Infotext();
  for (const std::string_view t : {hilfe, info}) {
    EXPECT_EQ(t.find('\n'), std::string_view::npos);
    EXPECT_TRUE(GueltigesUtf8(t));
  }
  const std::vector<std::string> h = Zeilen(hilfe);
  ASSERT_GE(h.size(), 2u);
  EXPECT_EQ(h[0], "Hilfe zum Programm Quarnel2 ( V0.81)");
  EXPECT_GE(h[1].size(), 10u);
  EXPECT_EQ(h[1].find_first_not_of('-'), std::string::npos);
  EXPECT_GE(Len(hilfe), 9500u);
  EXPECT_LE(Len(hilfe), 10950u);
  // A new user's first questions: the decimals, the empty object, the
  // detailed report, the box under the note field, what follows a refusal.
  for (const char* antwort : {"„Nachkommastellen“", "„das leere Quarnel“", "„Beschreibe ausführlich“",
                              "unter „Hinweis-Eingabe“", "klicken Sie auf „OK“"})
    EXPECT_NE(hilfe.find(antwort), std::string_view::npos) << antwort;

  const std::vector<std::string> i = Zeilen(info);
  EXPECT_EQ(i[0], "Quarnel2");
  EXPECT_NE(info.find("0.8"), std::string_view::npos);
  EXPECT_GE(Len(info), 2700u);
  EXPECT_LE(Len(info), 3800u);
  // No address of any kind.
  for (const char* adresse : {"@", "http", "www."}) EXPECT_EQ(info.find(adresse), std::string_view::npos) << adresse;
}

// The number rules the help text shows by example, each read as it says.
TEST(Hilfetexte, NumberExamplesReadAsTheTextSays) {
  const std::string_view hilfe = Hilfetext();
  const std::pair<const char*, double> beispiele[] = {
      {"5/7", 5.0 / 7}, {"7+1/5", 7.2}, {"-7+-1/5", -7.2}, {"2 1/2", 10.5}, {"1e5", 15}, {"−", 0}};
  for (const auto& [eingabe, wert] : beispiele) {
    EXPECT_NE(hilfe.find(std::string("„") + eingabe + "“"), std::string_view::npos) << eingabe;
    EXPECT_DOUBLE_EQ(myval(eingabe), wert) << eingabe;
  }
  EXPECT_EQ(myval("−7+−1/5"), -7.2);  // the typeset minus is a minus
  // A file reads the exponent, and an equation in the forms the information
  // text names.
  const std::string_view info = Infotext();
  for (const char* t : {"„1e3“ ist in der Datei 1000", "im Eingabefeld aber 13", "„2x + -3y − 1/2z = 5“", "„7+1/5x“"})
    EXPECT_NE(info.find(t), std::string_view::npos) << t;
  double z = 0;
  EXPECT_TRUE(Dateizahl("1e3", z));
  EXPECT_EQ(z, 1000);
  EXPECT_EQ(myval("1e3"), 13);
  std::array<double, 5> A{};
  bool ok = false;
  Gleichung2GleichungsFeld("2x + -3y − 1/2z = 5", A, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(A, (std::array<double, 5>{0, 2, -3, -0.5, 5}));
  Gleichung2GleichungsFeld("7+1/5x + 1y + 1z = 0", A, ok);
  EXPECT_FALSE(ok);
  // The description area shows at once which number was read.
  Sitzung s;
  s.Punkt("Z", "2 1/2", "1e5", "7+1/5");
  EXPECT_NE(s.h.ausgabe.InfoFenster().find("Z ist der Punkt mit dem Koordinatentripel (10.5 | 15 | 7.2)"),
            std::string::npos);
}

// The way a rotation turns and what a shift moves where, as the text says.
TEST(Hilfetexte, RotationAndShiftAsTheTextSays) {
  const std::string_view hilfe = Hilfetext();
  for (const char* satz : {"dreht ein positiver Winkel im Uhrzeigersinn, ein negativer gegen ihn",
                           "So wird (1|0|0) um 90 Grad um die Gerade durch O mit dem Richtungsvektor (0|0|1) zu (0|−1|0).",
                           "Der Punkt, den die Beschreibung von g nennt, landet auf P."})
    EXPECT_NE(hilfe.find(satz), std::string_view::npos) << satz;
  Sitzung s;
  s.Punkt("A", "1", "0", "0");
  s.Punkt("Z", "0", "0", "1");
  s.Form(GGeradePR, "z", "O", "Z");
  s.Form(GErzeugeDrehen, "R", "A", "90", "z");
  s.Form(GErzeugeDrehen, "L", "A", "-90", "z");
  s.Form(GGeradePP, "g", "A", "Z");
  s.Form(GErzeugeVerschieben, "h", "g", "L");
  ASSERT_TRUE(s.Q("R") && s.Q("L") && s.Q("h"));
  EXPECT_TRUE(s.Q("R")->v1.istgleich(VektorT(0, -1, 0)));
  EXPECT_TRUE(s.Q("L")->v1.istgleich(VektorT(0, 1, 0)));
  // g is described through A, and h through L with g's direction.
  EXPECT_TRUE(s.Q("g")->v1.istgleich(s.Q("A")->v1));
  EXPECT_TRUE(s.Q("h")->v1.istgleich(s.Q("L")->v1));
  EXPECT_TRUE(s.Q("h")->v2.istgleich(s.Q("g")->v2));
}

// The field under the note and the decimals, as the text says: the field
// holds the last sentence on an object also with the descriptions off, the
// number forms empty it; new decimals hold for new output, Ctrl+K rewrites.
TEST(Hilfetexte, NoteFieldAndDecimalsAsTheTextSays) {
  for (const char* satz : {"zeigt den letzten Satz über ein Quarnel, auch ohne Beschreibungsmodus",
                           "Punkt- und Ebeneneingabe leeren es.", "gilt für neue Ausgaben; Strg+K schreibt alles neu.",
                           "Jedes Mal läuft die Liste sofort neu: Kein Quarnel überlebt seinen Befehl."})
    EXPECT_NE(Hilfetext().find(satz), std::string_view::npos) << satz;
  Sitzung s;
  s.PunktImFenster("A", "1/3", "0", "0");
  EXPECT_EQ(s.h.ausgabe.LastInfoF, "");
  s.Menue("AusgabeProtokoll");
  s.FormImFenster("GGeradePP", "g", "A", "O");
  EXPECT_EQ(s.h.ausgabe.LastInfoF.rfind("g ist die Gerade", 0), 0u);
  s.Menue("AusgabeProtokoll");
  const std::string sechs = "(0.333333 | 0 | 0)", zwei = "(0.33 | 0 | 0)";
  s.Popup(2);
  s.Doppelklick("QuarnelLB", "A");
  EXPECT_NE(s.h.ausgabe.InfoFenster().find(sechs), std::string::npos);
  EXPECT_NE(s.h.ausgabe.InfoFenster().find(zwei), std::string::npos);
  s.Menue("FileAktualisieren");
  EXPECT_EQ(s.h.ausgabe.InfoFenster().find(sechs), std::string::npos);
}

// What the report calls flat, as the text says: a body whose sides are all
// below 0.00032 is flat with heights of 0.0001; ten times larger it is not.
TEST(Hilfetexte, FlatTetrahedraAsTheTextSays) {
  for (const char* satz : {"Gerundet wird nur die Ausgabe; beim Rechnen gelten Werte unter 0,0000001 als null.",
                           "wenn seine kleinste Höhe unter 0,0000001 liegt oder die Ecken seiner größten Fläche auf "
                           "einer Geraden liegen",
                           "Das gilt für jedes Tetraeder mit Kanten unter 0,00032, auch bei größeren Höhen."})
    EXPECT_NE(Hilfetext().find(satz), std::string_view::npos) << satz;
  for (const auto& [seite, spitze, flach] : {std::tuple{"0.0004", "0.0001", true}, {"0.004", "0.001", false}}) {
    Sitzung s;
    s.Punkt("A", "0", "0", "0");
    s.Punkt("B", seite, "0", "0");
    s.Punkt("C", "0", seite, "0");
    s.Punkt("D", spitze, spitze, spitze);
    s.Form(QuarnelDreieck, "T", "A", "B", "C");
    s.Form(QuarnelTetraeder, "K", "T", "D");
    s.Form(AusgabeBeschreibe, "", "K");
    const std::string info = s.h.ausgabe.InfoFenster();
    EXPECT_NE(info.find("Das Tetraeder K mit den Ecken"), std::string::npos) << seite;
    EXPECT_EQ(info.find(" Das Tetraeder ist ausgeartet") != std::string::npos, flach) << seite;
  }
}

// A worked example: its numbered command lines and the line after them.
struct Beispiel {
  std::vector<std::string> zeilen;
  std::string ergebnis;
};

std::vector<Beispiel> Beispiele(std::string_view hilfe) {
  std::vector<Beispiel> b;
  bool imBeispiel = false;
  for (const std::string& z : Zeilen(hilfe)) {
    const bool befehl = !z.empty() && z[0] == '<';
    if (befehl && !imBeispiel) b.emplace_back();
    if (befehl) b.back().zeilen.push_back(z);
    if (!befehl && imBeispiel) b.back().ergebnis = z;
    imBeispiel = befehl;
  }
  return b;
}

// The quoted sentences of one kind in a result line: each begins at a name
// (letters, digits, "_") right before `mitte` and ends after the first
// `schluss` behind it.
std::vector<std::string> Saetze(const std::string& zeile, const std::string& mitte, const std::string& schluss) {
  std::vector<std::string> s;
  for (std::size_t p = zeile.find(mitte); p != std::string::npos; p = zeile.find(mitte, p + 1)) {
    std::size_t a = p;
    while (a > 0 && (std::isalnum(static_cast<unsigned char>(zeile[a - 1])) || zeile[a - 1] == '_')) --a;
    const std::size_t e = zeile.find(schluss, p + mitte.size());
    if (a < p && e != std::string::npos) s.push_back(zeile.substr(a, e + schluss.size() - a));
  }
  return s;
}

// Checks every result that the line quotes against the session: a point's
// sentence and a distance's sentence stand in the description area, the
// point has the coordinates quoted, and a distance between two points is the
// distance of their positions. Returns how many results were checked.
int PruefeErgebnisse(Sitzung& s, const std::string& ergebnis) {
  const std::string info = s.h.ausgabe.InfoFenster();
  int geprueft = 0;
  const std::string punkt = " ist der Punkt mit dem Koordinatentripel (";
  for (const std::string& satz : Saetze(ergebnis, punkt, ")")) {
    ++geprueft;
    EXPECT_NE(info.find(satz), std::string::npos) << satz;
    const std::string name = satz.substr(0, satz.find(' '));
    VektorT v;
    bool ok = false;
    Zeile2Vektor(satz.substr(satz.find('(')), v, ok);
    const QuarnelT* P = s.Q(name);
    if (P == nullptr || P->Typ != Punkt || !ok) {
      ADD_FAILURE() << "no point as quoted: " << satz;
      continue;
    }
    EXPECT_NEAR(P->v1.x(), v.x(), 1e-9) << satz;
    EXPECT_NEAR(P->v1.y(), v.y(), 1e-9) << satz;
    EXPECT_NEAR(P->v1.z(), v.z(), 1e-9) << satz;
  }
  const std::string abstand = "Der Abstand von ";
  for (std::size_t p = ergebnis.find(abstand); p != std::string::npos; p = ergebnis.find(abstand, p + 1)) {
    ++geprueft;
    // "Der Abstand von A und B beträgt d", d up to the closing quote.
    const std::string satz = ergebnis.substr(p, ergebnis.find("“", p) - p);
    EXPECT_NE(info.find(satz), std::string::npos) << satz;
    std::istringstream woerter(satz.substr(abstand.size()));
    std::string a, und, b, betraegt, d;
    woerter >> a >> und >> b >> betraegt >> d;
    const QuarnelT* A = s.Q(a);
    const QuarnelT* B = s.Q(b);
    if (A && B && A->Typ == Punkt && B->Typ == Punkt) {
      EXPECT_NEAR(A->v1.dist(B->v1), Val(d), 1e-9) << satz;
    }
  }
  return geprueft;
}

TEST(Hilfetexte, WorkedExamplesGiveTheStatedResults) {
  const std::vector<Beispiel> beispiele = Beispiele(Hilfetext());
  ASSERT_EQ(beispiele.size(), 2u);
  for (const Beispiel& b : beispiele) {
    SCOPED_TRACE(b.zeilen.front());
    // Numbered from 1 like a protocol file, so it loads as one.
    std::string datei;
    for (std::size_t i = 0; i < b.zeilen.size(); ++i) {
      EXPECT_EQ(b.zeilen[i].rfind("<" + Str(static_cast<std::int64_t>(i + 1)) + ">    ", 0), 0u) << b.zeilen[i];
      datei += b.zeilen[i] + CR;
    }
    EXPECT_EQ(b.ergebnis.rfind("Ergebnis: ", 0), 0u) << b.ergebnis;

    // Loaded: every line is a command (no beep), every command runs without
    // a message, and the command list writes the lines back word for word.
    Sitzung geladen;
    ASSERT_TRUE(LadeText(geladen.h, datei));
    EXPECT_EQ(geladen.ui.Beeps(), 0);
    EXPECT_TRUE(geladen.Meldungen().empty());
    ASSERT_EQ(geladen.Befehle(), b.zeilen.size());
    const std::vector<std::string> protokoll = Zeilen(geladen.h.befehle.Protokoll());
    for (std::size_t i = 0; i < b.zeilen.size(); ++i) EXPECT_EQ(protokoll[i], b.zeilen[i] + " ");
    EXPECT_GE(PruefeErgebnisse(geladen, b.ergebnis), 1);

    // Typed into the input form, command by command, the same list and the
    // same results come out.
    Sitzung getippt;
    for (const BefehlT& c : geladen.h.befehle) {
      if (c.Kennung == NumPunkt)
        getippt.Punkt(c.NeuG, Str(c.Vektor.x()), Str(c.Vektor.y()), Str(c.Vektor.z()));
      else
        getippt.Form(c.Kennung, c.NeuG, c.AltG1, c.AltG2, c.AltG3);
    }
    EXPECT_TRUE(getippt.Meldungen().empty());
    EXPECT_EQ(getippt.h.befehle.Protokoll(), geladen.h.befehle.Protokoll());
    EXPECT_GE(PruefeErgebnisse(getippt, b.ergebnis), 1);
  }
}

}  // namespace
}  // namespace quarnel::test
