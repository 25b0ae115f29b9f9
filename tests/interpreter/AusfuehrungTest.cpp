// Running the input form: the point form, commands on named objects, type
// guards, what is recorded and what is not, and collections as operands.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "interpreter/Ausfuehrung.h"
#include "support/Sitzung.h"
#include "interpreter/Wiedergabe.h"

namespace quarnel::test {
namespace {

const std::string kNameMeldung = " ist nicht erlaubt oder bereits für ein anderes Quarnel vergeben";

TEST(Ausfuehrung, PointFormRecordsTheExactPointAndClearsTheForm) {
  Sitzung s;
  s.Punkt("P 1,2", "1/3", "2,5", "7+1/5");
  const QuarnelT* p = s.Q("P12");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->v1, VektorT(1.0 / 3.0, 2.5, 7.2));
  const BefehlT& b = s.Letzter();
  EXPECT_EQ(b.Kennung, NumPunkt);
  EXPECT_EQ(b.NeuG, "P12");
  EXPECT_EQ(b.Vektor, p->v1);
  // The protocol text reads back to the same double, whatever is displayed.
  EXPECT_EQ(Val(Mid(b.AltG1, 2)), 1.0 / 3.0);
  EXPECT_EQ(s.h.form.GnameF.text, "");
  EXPECT_EQ(s.h.form.aF.text, "");
  EXPECT_EQ(s.h.form.AktuelleKennung, VariablerPunkt);  // the form stays for the next point
  EXPECT_EQ(s.h.ausgabe.LastInfoF, "");
  EXPECT_NE(s.h.befehle.Protokoll().find("<1>    P12 ist der Punkt mit dem Koordinatentripel: "), std::string::npos);

  // An automatic name for an empty name field; a refused name records nothing.
  s.Punkt("", "0", "0", "1");
  EXPECT_EQ(s.Letzter().NeuG, "G_1");
  s.Punkt("P12", "5", "5", "5");
  EXPECT_EQ(s.Meldungen().back(), "Der verwendete Quarnelname P12  ist unerlaubt oder existiert bereits");
  EXPECT_EQ(s.Befehle(), 2u);
  EXPECT_EQ(s.Q("P12")->v1, VektorT(1.0 / 3.0, 2.5, 7.2));
  EXPECT_FALSE(s.h.destruktiv);
  // A plane without a name that is refused gives its automatic number back.
  s.Ebene("", "0", "0", "0", "5");
  EXPECT_EQ(s.Meldungen().back(), "Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben");
  EXPECT_FALSE(s.h.objekte.NrVerbraucht(2));
  s.Ebene("", "0", "0", "1", "5");
  EXPECT_EQ(s.Letzter().NeuG, "G_2");
  EXPECT_EQ(s.Befehle(), 3u);
}

TEST(Ausfuehrung, CommandOnNamedObjectsIsRunAndRecordedOnce) {
  Sitzung s;
  s.Punkt("A", "1", "2", "3");
  s.Punkt("B", "4", "6", "3");
  s.Form(GGeradePP, "g", "A", "B");
  ASSERT_EQ(s.Typ("g"), Gerade);
  const BefehlT& b = s.Letzter();
  EXPECT_EQ(b.Kennung, GGeradePP);
  EXPECT_EQ(b.NeuG, "g");
  EXPECT_EQ(b.AltG1, "A");
  EXPECT_EQ(b.AltG2, "B");
  EXPECT_EQ(s.Befehle(), 3u);
  EXPECT_NE(s.h.befehle.Protokoll().find("<3>    g wird definiert als Gerade durch die Punkte: A und: B \r"),
            std::string::npos);
  EXPECT_NE(s.h.objekte.ErzeugeNamenListen().ErwNListe.find("g "), std::string::npos);

  // Operands of the wrong types: nothing happens, silently.
  const auto meldungen = s.Meldungen().size();
  s.Form(GGeradePP, "h", "A", "g");
  s.Form(GEbenePRR, "e", "A", "B", "g");  // a point or a line as a direction is fine ...
  EXPECT_EQ(s.Typ("e"), Ebene);
  s.Punkt("E0", "0", "0", "0");
  s.Ebene("F", "0", "0", "1", "0");
  s.Form(GEbenePRR, "e2", "A", "F", "B");  // ... a plane is not
  EXPECT_EQ(s.Typ("h"), 0);
  EXPECT_EQ(s.Typ("e2"), 0);
  EXPECT_EQ(s.Meldungen().size(), meldungen);
  // The tetrahedron's construction is asked all the same, and says so.
  s.Form(QuarnelTetraeder, "K", "A", "B");
  EXPECT_EQ(s.Meldungen().back(), "Fehler beim Erzeugen eines Tetraeders");

  // The name test: a name in use, or an empty one, is refused before anything runs.
  s.Form(GErzeugeSchnitt, "g", "g", "F");
  EXPECT_EQ(s.Meldungen().back(), "Der Quarnelname g" + kNameMeldung);
  s.Form(GErzeugeSchnitt, "", "g", "F");
  EXPECT_EQ(s.Meldungen().back(), "Der Quarnelname " + kNameMeldung);
  s.Form(KeineKennung, "x");  // no form chosen: nothing
  EXPECT_EQ(s.Befehle(), 6u);
}

TEST(Ausfuehrung, DirectCallsGetAutomaticNamesOnlyForObjectsMade) {
  Sitzung s;
  s.Punkt("A", "0", "0", "0");
  s.Punkt("B", "1", "0", "0");
  // A construction without a name gets the next automatic name ...
  EXPECT_TRUE(QuarnelAktionSingle(s.h, "", "A", "B", "", GGeradePP));
  EXPECT_EQ(s.Letzter().NeuG, "G_1");
  // ... but one that makes nothing gives its number back,
  EXPECT_FALSE(QuarnelAktionSingle(s.h, "", "A", "A", "", GErzeugeMittelsenkrechte));
  EXPECT_FALSE(s.h.objekte.NrVerbraucht(2));
  // and commands that define nothing take none and carry no name.
  EXPECT_TRUE(QuarnelAktionSingle(s.h, "", "A", "B", "", BerechneAbstand));
  EXPECT_EQ(s.Letzter().Kennung, BerechneAbstand);
  EXPECT_EQ(s.Letzter().NeuG, "");
  EXPECT_TRUE(QuarnelAktionSingle(s.h, "versteckt", "A", "", "", AusgabeZeige));
  EXPECT_EQ(s.Letzter().NeuG, "");
  EXPECT_FALSE(s.h.objekte.NrVerbraucht(2));
  EXPECT_EQ(s.h.objekte.FreieNr(), 2);
  // An automatic name is never one in use, even when its number was free
  // because a typed name read as the same number was deleted.
  s.ui.Leeren();
  s.Punkt("G_01", "0", "0", "1");
  s.h.objekte.LoescheQuarnel("G_01");
  s.Punkt("", "0", "0", "2");
  EXPECT_EQ(s.Letzter().NeuG, "G_3");  // G_1 is the line, 2 was booked above
  EXPECT_TRUE(s.Meldungen().empty());
  // A refused name shows both warnings.
  EXPECT_FALSE(QuarnelAktionSingle(s.h, "A", "A", "B", "", GGeradePP));
  EXPECT_EQ(s.Meldungen(), (std::vector<std::string>{"Der Quarnelname A" + kNameMeldung,
                                                      "Diese Warnung wendet sich gegen A"}));
}

TEST(Ausfuehrung, OnlyCommandsThatMadeTheirObjectAreRecorded) {
  Sitzung s;
  s.Punkt("P", "1", "0", "0");
  s.Punkt("Q", "0", "1", "0");
  s.Punkt("Z", "0", "0", "1");
  s.Form(GGeradePP, "a", "O", "Z");
  // The whole space (orthogonal to a point) passes the rotation's guard but
  // cannot be rotated: its message, and no command.
  s.Form(GErzeugeOrthogonale, "R", "P", "Q");
  ASSERT_EQ(s.Typ("R"), Raum);
  const auto befehle = s.Befehle();
  s.Form(GErzeugeDrehen, "D", "R", "90", "a");
  EXPECT_EQ(s.Typ("D"), 0);
  EXPECT_EQ(s.Befehle(), befehle);
  EXPECT_EQ(s.Meldungen().back(), "Fehler in der Methode Spiegele");

  // A rotation that works records the angle it turned by.
  s.Form(GErzeugeDrehen, "D", "P", "22,5", "a");
  ASSERT_EQ(s.Typ("D"), Punkt);
  EXPECT_EQ(s.Letzter().AltG2, "22.5");
  EXPECT_EQ(s.Letzter().AltG3, "a");

  // Measurements are recorded when they wrote their text, not otherwise.
  s.Form(BerechneWinkel, "", "a", "P");  // a point has no angle
  EXPECT_EQ(s.Letzter().Kennung, GErzeugeDrehen);
  s.Form(BerechneAbstand, "", "P", "a");
  EXPECT_EQ(s.Letzter().Kennung, BerechneAbstand);
}

TEST(Ausfuehrung, NoteIsRecordedOnOneLine) {
  Sitzung s;
  s.h.form.AktuelleKennung = FileHInweis;
  s.h.form.HinweisF.text = "erste Zeile\rzweite\tZeile";
  s.h.form.HinweisF.nurLesen = false;
  TuEs(s.h);
  ASSERT_EQ(s.Befehle(), 1u);
  EXPECT_EQ(s.Letzter().Kennung, FileHInweis);
  EXPECT_EQ(s.Letzter().AltG2, "erste Zeile zweite Zeile");
  EXPECT_EQ(s.h.form.HinweisF.text, "");
  EXPECT_TRUE(s.h.form.HinweisF.nurLesen);
  EXPECT_EQ(s.h.befehle.Protokoll(), "<1>    Hinweis: erste Zeile zweite Zeile \r");
  // An empty note is nothing, and so is one of line breaks and blanks only:
  // it would not read back from a saved file.
  TuEs(s.h);
  for (const char* leer : {"\r\t ", "\u2009\u00A0\u3000"}) {
    s.h.form.HinweisF.text = leer;
    TuEs(s.h);
  }
  EXPECT_EQ(s.Befehle(), 1u);
}

TEST(Ausfuehrung, CollectionRecordsItsMembersAndActsOnEachMember) {
  Sitzung s;
  s.Punkt("A", "1", "0", "0");
  s.Punkt("B", "0", "1", "0");
  s.Ebene("E", "0", "0", "1", "1");
  // The collect field gathered A and B.
  s.h.form.AktuelleSammlung = ",A,B";
  s.h.form.EingabeText.text = " ist eine Sammlung";
  s.Form(QuarnelSammlung, "K");
  ASSERT_EQ(s.Typ("K"), Sammlung);
  EXPECT_EQ(s.Letzter().AltG1, "A,B");
  EXPECT_EQ(s.h.form.AktuelleSammlung, "");
  EXPECT_EQ(s.h.form.EingabeText.text, "");
  // Without gathered members nothing is made.
  s.Form(QuarnelSammlung, "L");
  EXPECT_EQ(s.Typ("L"), 0);

  const auto befehle = s.Befehle();
  s.Form(GErzeugeSpiegelbild, "S", "K", "E");
  EXPECT_EQ(s.Q("S|A")->v1, VektorT(1, 0, 2));
  EXPECT_EQ(s.Q("S|B")->v1, VektorT(0, 1, 2));
  EXPECT_EQ(s.Q("S")->Ecken[1], "S|A,S|B");
  ASSERT_EQ(s.Befehle(), befehle + 1);  // one command for the whole operation
  EXPECT_EQ(s.Letzter().NeuG, "S");
  EXPECT_EQ(s.Letzter().AltG1, "K");
  EXPECT_EQ(s.Letzter().AltG2, "E");

  // A clone of a collection names the same members.
  s.Form(GErzeugeKlonen, "L", "K");
  EXPECT_EQ(s.Q("L")->Ecken[1], "A,B");
  EXPECT_EQ(s.Letzter().Kennung, GErzeugeKlonen);

  // A command that does nothing with a collection records nothing: a beep.
  const auto vorher = s.Befehle();
  s.ui.Leeren();
  s.Form(QuarnelDreieck, "T", "K", "A", "B");
  EXPECT_EQ(s.Befehle(), vorher);
  EXPECT_EQ(s.ui.Beeps(), 1);

  // A member that fails is not listed; when none succeeds there is no result.
  s.h.form.AktuelleSammlung = ",A,nix,E";
  s.Form(QuarnelSammlung, "M");
  s.Punkt("Z", "0", "0", "5");
  s.Form(GErzeugeVerschieben, "V", "M", "Z");
  EXPECT_EQ(s.Q("V")->Ecken[1], "V|A,V|E");
  EXPECT_EQ(s.Typ("V|nix"), 0);
  // A member named twice is acted on once, without name warnings.
  s.h.form.AktuelleSammlung = ",A,A";
  s.Form(QuarnelSammlung, "AA");
  s.ui.Leeren();
  s.Form(GErzeugeVerschieben, "X", "AA", "Z");
  EXPECT_EQ(s.Q("X")->Ecken[1], "X|A");
  EXPECT_TRUE(s.Meldungen().empty());
  s.h.form.AktuelleSammlung = ",nix";
  s.Form(QuarnelSammlung, "N");
  const auto n = s.Befehle();
  s.Form(GErzeugeVerschieben, "W", "N", "Z");
  EXPECT_EQ(s.Typ("W"), 0);
  EXPECT_EQ(s.Befehle(), n);
}

TEST(Ausfuehrung, MemberResultsAreNeverRecordedAndTypedBarsAreRefused) {
  Sitzung s;
  s.Punkt("A", "1", "0", "0");
  s.Punkt("B", "2", "0", "0");
  // A name typed with "|" is not allowed, so it cannot pass for a member result.
  s.Form(GGeradePP, "a|b", "A", "B");
  EXPECT_EQ(s.Meldungen().back(), "Der Quarnelname a|b" + kNameMeldung);
  EXPECT_EQ(s.Typ("a|b"), 0);
  // A member result is made but not recorded, whatever its name.
  EXPECT_TRUE(QuarnelAktionSingle(s.h, "S|A", "A", "O", "", GErzeugeSpiegelbild, true));
  EXPECT_EQ(s.Typ("S|A"), Punkt);
  EXPECT_EQ(s.Befehle(), 2u);
}

TEST(Ausfuehrung, GuardTableIsSharedWithTheReplay) {
  Sitzung s;
  s.Punkt("P", "1", "2", "3");
  s.Punkt("Q", "4", "5", "6");
  s.Form(GErzeugeVerschieben, "V", "P", "Q");
  s.Form(GErzeugeOrthogonale, "W", "P", "Q");
  ASSERT_EQ(s.Typ("V"), Punkt);
  ASSERT_EQ(s.Typ("W"), Raum);
  // Two points pass the guards of translation and orthogonal object; they
  // must pass them again when the list is executed again.
  AnweisungslisteAusfuehren(s.h);
  EXPECT_EQ(s.Typ("V"), Punkt);
  EXPECT_EQ(s.Typ("W"), Raum);
  EXPECT_EQ(s.Q("V")->v1, VektorT(4, 5, 6));
}

TEST(Ausfuehrung, EmptyObjectsAreNoPointsToPassThrough) {
  Sitzung s;
  s.Punkt("A", "1", "0", "0");
  s.Punkt("B", "2", "0", "0");
  s.Punkt("C", "3", "0", "0");
  s.Punkt("D", "0", "5", "0");
  s.Punkt("F", "0", "6", "0");
  s.Punkt("G", "0", "7", "0");
  s.Punkt("Z", "0", "0", "9");
  // Planes through collinear points are empty objects; their codes multiply
  // to 1 like those of two points.
  s.Form(GEbenePPP, "X", "A", "B", "C");
  s.Form(GEbenePPP, "Y", "D", "F", "G");
  ASSERT_EQ(s.Typ("X"), LeeresQuarnel);
  const std::size_t n = s.Befehle();
  s.Form(GGeradePP, "g", "X", "Y");
  s.Form(GEbenePPP, "W", "X", "Y", "Z");
  s.Form(GEbenePN, "N", "X", "Y");
  s.Form(QuarnelDreieck, "T", "X", "Y", "Z");
  EXPECT_EQ(s.Befehle(), n);
  EXPECT_EQ(s.Namen().size(), 10u);
  // The same on replay, where a protocol file may name them.
  BefehlT b;
  b.Kennung = GGeradePP;
  b.NeuG = "h";
  b.AltG1 = "X";
  b.AltG2 = "Y";
  BefehlAusfuehren(s.h, b);
  EXPECT_EQ(s.Typ("h"), 0);
}

// The intersection takes every pair in either order, interactively and on
// replay alike: the empty object meets everything in the empty object, a
// compound operand is refused with the message.
TEST(Ausfuehrung, IntersectionTakesEveryPairInEitherOrder) {
  Sitzung s;
  s.Punkt("A", "1", "0", "0");
  s.Punkt("B", "0", "1", "0");
  s.Punkt("C", "0", "0", "1");
  s.Form(GGeradePP, "g", "A", "B");
  s.Ebene("F", "0", "0", "1", "5");
  s.Form(GErzeugeSchnitt, "L", "g", "F");  // parallel: the empty object
  s.Form(QuarnelDreieck, "D", "A", "B", "C");
  ASSERT_EQ(s.Typ("L"), LeeresQuarnel);
  const std::size_t n = s.Befehle();
  int i = 0;
  for (auto [x, y] : {std::pair{"L", "g"}, {"g", "L"}, {"L", "L"}, {"L", "D"}, {"D", "L"}, {"L", "A"}}) {
    s.Form(GErzeugeSchnitt, "S" + std::to_string(++i), x, y);
    EXPECT_EQ(s.Typ("S" + std::to_string(i)), LeeresQuarnel) << x << " " << y;
  }
  EXPECT_EQ(s.Befehle(), n + 6);
  EXPECT_TRUE(s.Meldungen().empty());
  const std::string kOperanden = "Fehler bei den Operanden-Quarneln in ErzeugeSchnitt";
  for (auto [x, y] : {std::pair{"D", "F"}, {"F", "D"}, {"D", "D"}}) s.Form(GErzeugeSchnitt, "X", x, y);
  EXPECT_EQ(s.Meldungen(), std::vector<std::string>(3, kOperanden));
  EXPECT_EQ(s.Typ("X"), 0);
  EXPECT_EQ(s.Befehle(), n + 6);
  // On replay: the same results, and a compound pair read from a file is
  // refused with the same message.
  BefehlT b;
  b.Kennung = GErzeugeSchnitt;
  b.NeuG = "X";
  b.AltG1 = "F";
  b.AltG2 = "D";
  s.h.befehle.Anhaengen(b);
  AnweisungslisteAusfuehren(s.h);
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(s.Typ("S" + std::to_string(k)), LeeresQuarnel);
  EXPECT_EQ(s.Meldungen(), std::vector<std::string>(4, kOperanden));
}

// A report on a corner that is gone or no point any more, and a result too
// large to compute, say why and are not recorded.
TEST(Ausfuehrung, RefusedReportsAndOverflowingResultsAreNotRecorded) {
  Sitzung s;
  s.Punkt("A", "1", "0", "0");
  s.Punkt("B", "0", "1", "0");
  s.Punkt("C", "9", "9", "9");
  s.Form(QuarnelDreieck, "T", "A", "B", "C");
  s.h.objekte.LoescheQuarnel("A");
  s.Ebene("A", "1", "0", "0", "7");
  std::size_t n = s.Befehle();
  s.Form(AusgabeBeschreibe, "", "T");
  EXPECT_EQ(s.Meldungen(), std::vector<std::string>{"Die Ecke A von T ist kein Punkt"});
  EXPECT_EQ(s.Befehle(), n);
  EXPECT_EQ(s.h.ausgabe.InfoFenster().find("Das Dreieck T"), std::string::npos);

  // Each plane through a point with the directions of two lines squares the
  // size of the numbers, each line orthogonal to a plane takes its normal:
  // the fifth plane's normal overflows.
  const std::string e50 = "1" + std::string(50, '0');
  s.Punkt("R1", e50, "0", "0");
  s.Punkt("R2", "0", e50, "0");
  s.Punkt("R3", "0", "0", e50);
  s.Form(GEbenePRR, "E1", "O", "R1", "R2");
  s.Form(GEbenePRR, "E2", "O", "R2", "R3");
  s.Form(GErzeugeOrthogonale, "g1", "E1", "O");
  s.Form(GErzeugeOrthogonale, "g2", "E2", "O");
  s.Form(GEbenePRR, "E3", "O", "g1", "g2");
  s.Form(GErzeugeOrthogonale, "g3", "E3", "O");
  s.Form(GEbenePRR, "E4", "O", "g3", "g1");
  s.Form(GErzeugeOrthogonale, "g4", "E4", "O");
  ASSERT_EQ(s.Typ("g4"), Gerade);
  n = s.Befehle();
  s.Form(GEbenePRR, "E5", "O", "g3", "g4");
  EXPECT_EQ(s.Meldungen(), (std::vector<std::string>{"Die Ecke A von T ist kein Punkt", kNichtBerechenbar}));
  EXPECT_EQ(s.Typ("E5"), 0);
  EXPECT_EQ(s.Befehle(), n);
}

}  // namespace
}  // namespace quarnel::test
