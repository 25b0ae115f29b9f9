// The rules for typed numbers, names and notes, and the plane form.
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "interpreter/Ablauf.h"
#include "interpreter/Befehlsliste.h"
#include "interpreter/Ebenenform.h"
#include "interpreter/Eingabetext.h"
#include "interpreter/Protokolldatei.h"
#include "platform/Aufzeichner.h"
#include "platform/Text.h"

namespace quarnel {
namespace {

TEST(Eingabetext, NumberRule) {
  const std::vector<std::pair<const char*, double>> faelle = {
      {"3,5", 3.5},  {"3.5", 3.5},    {"-3,5", -3.5},      {"5/7", 5.0 / 7},   {"0,5/0,25", 2},
      {"7+1/5", 7.2}, {"1/2+1/4", 0.75}, {"1+2+3", 6},      {"-7+1/5", -7 + 1.0 / 5}, {"-7+-1/5", -7 + -1.0 / 5},
      {"+3", 3},     {"3+", 3},       {"1/0", 1},          {"-1/0", -1},       {"1/", 1},
      {"/2", 0},     {"", 0},         {"abc", 0},          {"x = 3", 3},       {"2 1/2", 10.5},
      {"1e5", 15},   {"12 345", 12345}, {"+", 0},          {"1++", 1},         {"1/2/4", 0.5},
      // the minus sign of typeset text, as copied from a document
      {"\u22123", -3}, {"\u22127+\u22121/5", -7 + -1.0 / 5}, {"2/\u22124", -0.5}};
  for (const auto& [s, w] : faelle) EXPECT_EQ(myval(s), w) << s;
  EXPECT_EQ(myval("1+1/3"), 1 + 1.0 / 3);
  // Mixed numbers need the "+"; a blank only joins the digits.
  EXPECT_EQ(myval("1+3/4"), 1.75);
  EXPECT_EQ(myval("-1+-3/4"), -1.75);
  EXPECT_EQ(myval("1 3/4"), 3.25);
  // Never infinite, never "not a number", never -0: a number beyond the
  // doubles counts as none, a quotient that would overflow keeps its
  // numerator, a sum that overflows gives 0.
  const std::string riesig(400, '9'), winzig = "0." + std::string(320, '0') + "1";
  for (const std::string& s : std::vector<std::string>{riesig, "-" + riesig, riesig + "/3", "1/" + winzig,
                                                       riesig + "+-" + riesig,
                                                       "1" + std::string(308, '0') + "+1" + std::string(308, '0'),
                                                       "-0", "-0/5", "0/0"}) {
    const double w = myval(s);
    EXPECT_TRUE(std::isfinite(w)) << s;
    EXPECT_FALSE(std::signbit(w) && w == 0.0) << s;
  }
  EXPECT_EQ(myval(riesig), 0);
  EXPECT_EQ(myval("2+" + riesig), 2);
  EXPECT_EQ(myval("1/" + winzig), 1);
  EXPECT_EQ(myval("1e999"), 1999);
  EXPECT_EQ(LiesWinkel("22,5"), 22.5);
  // A long sum is read without deep recursion.
  std::string summe;
  for (int i = 0; i < 200000; ++i) summe += "1+";
  EXPECT_EQ(myval(summe), 200000);
}

// A number in a file is read whole or not at all. Every double the program
// writes reads back to itself, in every spelling the form also takes; junk
// inside or after a number is never skipped.
TEST(Eingabetext, FileNumbersReadWholeOrNotAtAll) {
  std::mt19937_64 zufall(24);
  std::uniform_real_distribution<double> lage(-7, 20);
  const auto liest = [](const std::string& t, double soll) {
    double z = 12345;
    return Dateizahl(t, z) && std::bit_cast<std::uint64_t>(z) == std::bit_cast<std::uint64_t>(soll);
  };
  const auto ersetze = [](std::string t, const std::string& alt, const std::string& neu) {
    for (std::size_t p = t.find(alt); p != std::string::npos; p = t.find(alt, p + neu.size())) t.replace(p, alt.size(), neu);
    return t;
  };
  const std::string junk = "abcdxyzABZ#*|()_;?:'\"";
  for (int i = 0; i < 20000; ++i) {
    const double x = (i % 2 ? -1 : 1) * std::pow(10.0, lage(zufall)) * (1 + std::ldexp(double(zufall() >> 12), -52));
    const std::string t = Str(x);
    ASSERT_TRUE(liest(t, x)) << t;
    ASSERT_TRUE(liest("  " + t + "\u00A0", x)) << t;
    EXPECT_TRUE(liest(ersetze(ersetze(t, ".", ","), "-", "\u2212"), x)) << t;
    // The exponent form, with the typeset minus, the comma or "E" in it.
    char buf[64];
    const auto e = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    const std::string wiss(buf, e.ptr);
    EXPECT_TRUE(liest(wiss, x)) << wiss;
    EXPECT_TRUE(liest(ersetze(ersetze(ersetze(wiss, "-", "\u2212"), ".", ","), "e", "E"), x)) << wiss;
    // Junk anywhere in it, or an exponent without digits, is no number.
    const std::size_t p = zufall() % (t.size() + 1);
    const std::string kaputt = t.substr(0, p) + junk[zufall() % junk.size()] + t.substr(p);
    double z = 7;
    EXPECT_FALSE(Dateizahl(kaputt, z)) << kaputt;
    EXPECT_FALSE(Dateizahl(t + "e", z)) << t;
    EXPECT_FALSE(Dateizahl(t + (t.find('.') == std::string::npos ? ".5.5" : ".5"), z)) << t;
    EXPECT_EQ(z, 7);
  }
  // Fractions and mixed numbers read as in the form; what the form would
  // guess at is no number here.
  for (const auto& [t, w] : std::vector<std::pair<std::string, double>>{
           {"1/2", 0.5}, {" 7 + 1/5 ", 7.2}, {"-7+1/5", -7 + 1.0 / 5}, {"1/3", 1.0 / 3}, {"+3", 3}, {"-0", 0},
           {"1e+2", 100}, {"2e\u22125", 2e-5}, {"1.", 1}, {".5", 0.5}, {"\u22121,5", -1.5}})
    EXPECT_TRUE(liest(t, w)) << t;
  for (const char* t : {"", " ", "1,5,3", "12.5.3", "1abc", "1/0", "1/", "/2", "3+", "- 5", "1 2", "2 1/2", "1e999",
                        "inf", "nan", "0x10", "1-2", "--1", "1e", "e5", ".", "-", "1/2/4", "1\u00A0000"}) {
    double z = 7;
    EXPECT_FALSE(Dateizahl(t, z)) << t;
  }
}

TEST(Eingabetext, NamesNotesAndMemberLists) {
  EXPECT_EQ(Kommafrei("P 1,2"), "P12");
  EXPECT_EQ(Kommafrei(", ,"), "");
  EXPECT_EQ(Kommafrei("a\tb\u00A0c\u2009d\u3000e"), "abcde");
  EXPECT_EQ(Kommafrei("Ab\nCd\r"), "AbCd");  // pasted, it shows as "Ab Cd"

  std::string n = "Zeile 1\r\nZeile 2\tEnde";
  Filtern(n);
  EXPECT_EQ(n, "Zeile 1  Zeile 2 Ende");
  std::string u = "Größe º";
  Filtern(u);
  EXPECT_EQ(u, "Größe º");

  std::string a, b = "alt";
  TeileBeimKomma("A,B,C", a, b);
  EXPECT_EQ(a, "A");
  EXPECT_EQ(b, "B,C");
  TeileBeimKomma(b, a, b);
  EXPECT_EQ(a, "B");
  EXPECT_EQ(b, "C");
  TeileBeimKomma(b, a, b);
  EXPECT_EQ(a, "C");
  EXPECT_EQ(b, "C");
  TeileBeimKomma("A,,B", a, b);
  EXPECT_EQ(b, ",B");
  TeileBeimKomma(",A", a, b);
  EXPECT_EQ(a, "");
  EXPECT_EQ(b, "A");
}

TEST(Ebenenform, RecordsThePlaneWithItsExactEquation) {
  Aufzeichner ui;
  Ablauf h(ui);
  h.form.aF.text = "0";
  h.form.bF.text = "0";
  h.form.cF.text = "1";
  h.form.dF.text = "2";
  h.destruktiv = true;
  DefiniereEbene(h, false);
  EXPECT_FALSE(h.destruktiv);
  ASSERT_EQ(h.befehle.size(), 1u);
  const BefehlT& e = *h.befehle.begin();
  EXPECT_EQ(e.Kennung, NumEbene);
  EXPECT_EQ(e.NeuG, "G_1");
  EXPECT_EQ(e.AltG1, "0x + 0y + 1z = 2");
  EXPECT_TRUE(h.objekte.ExistiertQuarnel("G_1"));

  // Fractions are kept exactly, not rounded to the decimals shown.
  h.ausgabe.Dezimalen = 2;
  h.form.GnameF.text = "F, 1";
  h.form.aF.text = "1/3";
  h.form.dF.text = "-2,5";
  DefiniereEbene(h, true);
  ASSERT_EQ(h.befehle.size(), 2u);
  const BefehlT& f = *h.befehle.Nr(2);
  EXPECT_EQ(f.Kennung, VariableEbene);
  EXPECT_EQ(f.NeuG, "F1");
  EXPECT_EQ(f.Gleichung[1], 1.0 / 3);
  EXPECT_EQ(f.AltG1, "0.3333333333333333x + 0y + 1z = -2.5");
  // Saved and loaded, both planes have the very same coefficients.
  Befehlsliste geladen;
  Befehlslisteeinlesen(geladen, Dateiinhalt(h.befehle));
  ASSERT_EQ(geladen.size(), 2u);
  EXPECT_EQ(geladen.Nr(1)->Gleichung, e.Gleichung);
  EXPECT_EQ(geladen.Nr(2)->Gleichung, f.Gleichung);
  EXPECT_EQ(geladen.Nr(2)->AltG1, f.AltG1);

  // All coefficients zero: refused with the message, nothing recorded.
  h.form.GnameF.text = "";
  h.form.aF.text = h.form.bF.text = h.form.cF.text = "0";
  ui.Leeren();
  DefiniereEbene(h, false);
  EXPECT_EQ(h.befehle.size(), 2u);
  EXPECT_EQ(ui.Meldungen(), std::vector<std::string>{"Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben"});
  // The automatic number taken for the refused plane is free again.
  EXPECT_FALSE(h.objekte.NrVerbraucht(2));
}

}  // namespace
}  // namespace quarnel
