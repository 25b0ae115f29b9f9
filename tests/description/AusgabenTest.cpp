// Object sentences and where they are shown.
#include <gtest/gtest.h>

#include "description/Ausgaben.h"
#include "support/Objekte.h"

namespace quarnel::test {
namespace {

const std::string cr(1, CR);

TEST(Satz, JederTypWoertlich) {
  Objekte o;
  Ausgaben& a = o.beschr.ausgabe;
  EXPECT_EQ(a.Satz(o.P("P", 1, 2, 3)), "P ist der Punkt mit dem Koordinatentripel (1 | 2 | 3)");
  EXPECT_EQ(a.Satz(o.G("g", VektorT(0, 0, 0), VektorT(1, 0, 0))),
            "g ist die Gerade durch den Punkt mit den Koordinaten (0 | 0 | 0) und dem Richtungsvektor (1 | 0 | 0)");
  EXPECT_EQ(a.Satz(o.E("E", VektorT(0, 0, 0), VektorT(1, -2, 0))),
            "E ist die Ebene durch den Punkt mit den Koordinaten (0 | 0 | 0) und mit dem Normalenvektor (1 | -2 | 0)" +
                cr + "E hat die Gleichung 1x + -2y + 0z = 0");
  EXPECT_EQ(a.Satz(o.D("d", "A", "B", "C")), "d ist das Dreieck mit den Ecken A, B und C");
  EXPECT_EQ(a.Satz(o.T("t", "E", "F", "G", "H")), "t ist das Tetraeder mit den Ecken E, F, G und H");
  EXPECT_EQ(a.Satz(o.Eck("S", Sammlung, "A,B,C", "")), "S ist die Sammlung der Quarnel A,B,C");
  EXPECT_EQ(a.Satz(o.Eck("s", Strecke, "A", "B")), "s ist die Strecke mit den Endpunkten A und B");
  QuarnelT g;
  g.name = "L";
  g.Typ = LeeresQuarnel;
  EXPECT_EQ(a.Satz(g), "L ist das leere Quarnel");
  g.Typ = Raum;
  EXPECT_EQ(a.Satz(g), "L ist der Raum");
  g.Typ = 7;
  EXPECT_EQ(a.Satz(g), "");
  g.Typ = Zahl;
  g.Wert = 2.5;
  EXPECT_EQ(a.Satz(g), "L ist die Zahl mit dem Wert 2.5");
}

TEST(Satz, RundungNurWoVorgesehen) {
  Objekte o;
  Ausgaben& a = o.beschr.ausgabe;
  EXPECT_EQ(a.Satz(o.P("P", 4e-08, -4e-08, 1.5)), "P ist der Punkt mit dem Koordinatentripel (0 | 0 | 1.5)");
  a.Dezimalen = 2;
  EXPECT_EQ(a.Satz(o.P("Q", 1.0 / 3, -2.0 / 3, 0)), "Q ist der Punkt mit dem Koordinatentripel (0.33 | -0.67 | 0)");
  // The value of a number and the constant of a plane keep all their digits;
  // the plane's coefficients are rounded.
  QuarnelT z;
  z.name = "z";
  z.Wert = 1.0 / 3;
  EXPECT_EQ(a.Satz(z), "z ist die Zahl mit dem Wert 0.3333333333333333");
  const QuarnelT& e = o.E("e", VektorT(1.0 / 3, 0, 0), VektorT(1, 0, 1.0 / 7));
  EXPECT_EQ(a.Satz(e), "e ist die Ebene durch den Punkt mit den Koordinaten (0.33 | 0 | 0) und mit dem "
                       "Normalenvektor (1 | 0 | 0.14)" +
                           cr + "e hat die Gleichung 1x + 0y + 0.14z = 0.3333333333333333");
  a.Dezimalen = 6;
  const QuarnelT& f = o.E("f", VektorT(1e-12, 0, 0), VektorT(1, 0, 0));
  EXPECT_EQ(a.Satz(f), "f ist die Ebene durch den Punkt mit den Koordinaten (0 | 0 | 0) und mit dem "
                       "Normalenvektor (1 | 0 | 0)" +
                           cr + "f hat die Gleichung 1x + 0y + 0z = 0.000000000001");
}

TEST(Satz, z2s) {
  Objekte o;
  Ausgaben& a = o.beschr.ausgabe;
  EXPECT_EQ(a.z2s(4), "4");
  EXPECT_EQ(a.z2s(-2), "-2");
  EXPECT_EQ(a.z2s(1.0 / 3), "0.333333");
  EXPECT_EQ(a.z2s(123.4567891), "123.456789");
  EXPECT_EQ(a.z2s(9.9999999e-8), "0");
  EXPECT_EQ(a.z2s(-4e-7), "0");  // rounds to -0, written without sign
  EXPECT_EQ(a.z2s(1e-7), "0");   // not zero by the tolerance, but rounds to 0
  EXPECT_EQ(a.z2s(2.5e-6), "0.000003");
  a.Dezimalen = 1;
  EXPECT_EQ(a.z2s(0.05), "0.1");
  EXPECT_EQ(a.z2s(-0.05), "-0.1");
  EXPECT_EQ(a.z2s(36.869898), "36.9");
  EXPECT_EQ(a.V(VektorT(0.25, -1, 1e6)), "(0.3 | -1 | 1000000)");
}

TEST(Routing, ModusAnZeigtBloeckeNeuesteZuerst) {
  Objekte o;
  Ausgaben& a = o.beschr.ausgabe;
  EXPECT_EQ(a.InfoFenster(), "");
  o.P("A", 1, 0, 0);
  const std::string sa = "A ist der Punkt mit dem Koordinatentripel (1 | 0 | 0)";
  EXPECT_EQ(a.LastInfoF, sa);
  EXPECT_EQ(a.InfoF(), cr + sa + cr);
  o.E("B", VektorT(0, 0, 1), VektorT(0, 0, 1));
  const std::string sb = a.Satz(*o.beschr.objekte.HoleQuarnel("B"));
  EXPECT_EQ(a.LastInfoF, sb);
  EXPECT_EQ(a.InfoFenster(), cr + sb + cr + cr + sa + cr);
  EXPECT_EQ(a.InfoF(), a.InfoFenster());
  EXPECT_EQ(a.AnzahlBloecke(), 2u);
  EXPECT_TRUE(o.ui.Meldungen().empty());
}

TEST(Routing, ModusAusNurKurzfeldUndBeiDoppelklickMeldung) {
  Objekte o;
  Ausgaben& a = o.beschr.ausgabe;
  const std::string vorher = a.InfoF();
  a.ProtokollAn = false;
  o.P("A", 1, 0, 0);
  EXPECT_EQ(a.LastInfoF, "A ist der Punkt mit dem Koordinatentripel (1 | 0 | 0)");
  EXPECT_EQ(a.InfoFenster(), vorher);
  EXPECT_EQ(a.InfoF(), vorher);
  EXPECT_TRUE(o.ui.Meldungen().empty());

  o.E("E", VektorT(0, 0, 0), VektorT(0, 0, 1));
  a.doppelklick = true;
  o.beschr.ZeigeQuarnel("E");
  a.doppelklick = false;
  ASSERT_EQ(o.ui.Meldungen().size(), 1u);
  EXPECT_EQ(o.ui.Meldungen()[0], a.Satz(*o.beschr.objekte.HoleQuarnel("E")));
  EXPECT_NE(o.ui.Meldungen()[0].find(CR), std::string::npos);  // two lines
  EXPECT_EQ(a.LastInfoF, o.ui.Meldungen()[0]);
  EXPECT_EQ(a.InfoFenster(), vorher);

  // With the mode on a double-click writes to the area, not to a box.
  a.ProtokollAn = true;
  a.doppelklick = true;
  o.beschr.ZeigeQuarnel("A");
  a.doppelklick = false;
  EXPECT_EQ(o.ui.Meldungen().size(), 1u);
  EXPECT_EQ(a.InfoF().substr(0, 3), cr + "A ");
}

TEST(Routing, DirekteBloeckeErscheinenErstBeimEinschalten) {
  Objekte o;
  Ausgaben& a = o.beschr.ausgabe;
  const std::string alt = a.InfoF();
  a.ProtokollAn = false;
  a.InsInfofenster("Der Winkel zwischen g und h beträgt 45º");
  a.InfoAktualisieren();
  o.beschr.ausgabe.HinweisAusgabe("Test");
  EXPECT_EQ(a.InfoF(), alt);
  a.ProtokollAn = true;
  o.P("A", 1, 0, 0);  // the next refresh shows everything
  EXPECT_EQ(a.InfoF(), cr + "A ist der Punkt mit dem Koordinatentripel (1 | 0 | 0)" + cr + cr + "Hinweis: Test" + cr +
                           cr + "Der Winkel zwischen g und h beträgt 45º" + cr + alt);
}

TEST(Routing, LeererTextLeertDasFeldImmer) {
  Objekte o;
  Ausgaben& a = o.beschr.ausgabe;
  o.P("A", 1, 0, 0);
  const std::string alt = a.InfoF();
  ASSERT_FALSE(alt.empty());
  a.ProtokollAn = false;
  // Emptied (as a re-execution does) the area keeps its text until the next
  // refresh; blocks written meanwhile with the mode off stay unseen.
  a.InfoLeeren();
  EXPECT_EQ(a.InfoFenster(), "");
  EXPECT_EQ(a.InfoF(), alt);
  a.InsInfofenster("neu");
  a.InfoAktualisieren();
  EXPECT_EQ(a.InfoF(), alt);
  a.InfoLeeren();
  a.InfoAktualisieren();
  EXPECT_EQ(a.InfoF(), "");
  a.ProtokollAn = true;
  a.InsInfofenster("x");
  a.InfoLeeren();
  EXPECT_EQ(a.InfoF(), "");
  a.InsInfofenster("y");
  a.InfoAktualisieren();
  EXPECT_EQ(a.InfoF(), cr + "y" + cr);
}

TEST(Routing, ZeigeAlleInListenordnung) {
  Objekte o;
  Ausgaben& a = o.beschr.ausgabe;
  o.P("B", 2, 0, 0);
  o.P("A", 1, 0, 0);
  QuarnelT z;
  z.name = "Z";
  z.Wert = 5;
  o.Setze(z);  // numbers are not shown by "Zeige alle"
  a.InfoLeeren();
  a.InfoAktualisieren();
  o.beschr.AlleQuarnelZeigen();
  EXPECT_EQ(a.InfoF(), cr + "B ist der Punkt mit dem Koordinatentripel (2 | 0 | 0)" + cr + cr +
                           "A ist der Punkt mit dem Koordinatentripel (1 | 0 | 0)" + cr + cr +
                           "O ist der Punkt mit dem Koordinatentripel (0 | 0 | 0)" + cr);
  EXPECT_EQ(a.LastInfoF, "B ist der Punkt mit dem Koordinatentripel (2 | 0 | 0)");

  a.ProtokollAn = false;
  a.LastInfoF.clear();
  const std::string vorher = a.InfoFenster();
  o.beschr.AlleQuarnelZeigen();
  EXPECT_EQ(a.LastInfoF, "B ist der Punkt mit dem Koordinatentripel (2 | 0 | 0)");
  EXPECT_EQ(a.InfoFenster(), vorher);
  EXPECT_TRUE(o.ui.Meldungen().empty());
}

TEST(Routing, ZeigeQuarnelOhneObjekt) {
  Objekte o;
  QuarnelT z;
  z.name = "Z";
  o.Setze(z);
  const std::string vorher = o.beschr.ausgabe.InfoFenster();
  o.beschr.ZeigeQuarnel("");
  o.beschr.ZeigeQuarnel("X");
  o.beschr.ZeigeQuarnel("Z");  // a number reads as absent here
  EXPECT_EQ(o.ui.Meldungen(), std::vector<std::string>(3, "Schwerer Fehler in Prozedur ZeigeQuarnel"));
  EXPECT_EQ(o.beschr.ausgabe.InfoFenster(), vorher);
}

}  // namespace
}  // namespace quarnel::test
