// The description area shows the core's description text exactly: a long
// text a part at a time as the reader scrolls, new blocks inserted on top.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

#include "description/Ausgaben.h"
#include "platform/Aufzeichner.h"
#include "qt/Beschreibungsanzeige.h"
#include "qt/QtPlattform.h"

using namespace quarnel;

class BeschreibungsanzeigeTest : public QObject {
  Q_OBJECT
private slots:
  void zeigtDenTextDesKerns() {
    Aufzeichner ui;
    Ausgaben ausgabe(ui);
    QPlainTextEdit feld;
    feld.resize(300, 200);
    feld.show();
    Beschreibungsanzeige anzeige(feld);
    auto Gleich = [&] { return feld.toPlainText() == QtPlattform::Anzeigetext(ausgabe.InfoF()); };

    for (int i = 0; i < 1000; ++i) ausgabe.InsInfofenster("Block " + std::to_string(i) + "\rzweite Zeile");
    ausgabe.InfoAktualisieren();
    anzeige.Zeige(ausgabe);
    // The newest blocks are there at once, the older ones not yet.
    QVERIFY(anzeige.Geladen() > 100 && anzeige.Geladen() < 1000);
    QVERIFY(feld.toPlainText().startsWith("\nBlock 999\nzweite Zeile\n\nBlock 998\n"));
    QVERIFY(QtPlattform::Anzeigetext(ausgabe.InfoF()).startsWith(feld.toPlainText()));
    int schritte = 0;
    while (anzeige.Geladen() < 1000 && ++schritte < 20)
      feld.verticalScrollBar()->setValue(feld.verticalScrollBar()->maximum());
    QVERIFY(schritte < 10);  // each step loads as much again
    QVERIFY(Gleich());

    // A new block goes on top; the old text stays below it.
    ausgabe.InsInfofenster("neu");
    ausgabe.InfoAktualisieren();
    anzeige.Zeige(ausgabe);
    QVERIFY(Gleich());
    QCOMPARE(feld.verticalScrollBar()->value(), 0);

    // Emptied, then one block: the whole text is set anew.
    ausgabe.InfoLeeren();
    ausgabe.InfoAktualisieren();
    anzeige.Zeige(ausgabe);
    QCOMPARE(feld.toPlainText(), QString());
    ausgabe.InsInfofenster("A ist der Punkt");
    ausgabe.InfoAktualisieren();
    anzeige.Zeige(ausgabe);
    QVERIFY(Gleich());
  }
};

QTEST_MAIN(BeschreibungsanzeigeTest)
#include "BeschreibungsanzeigeTest.moc"
