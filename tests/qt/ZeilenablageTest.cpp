// Every field answers a row of the program's own lists alike, one line or
// several, typed into or read-only: it takes the rows its control takes and
// hands them on whole, and refuses the others.
#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

#include "qt/Steuerbau.h"
#include "qt/Texte.h"
#include "qt/Zeilenablage.h"

using namespace quarnel;

class ZeilenablageTest : public QObject {
  Q_OBJECT
private slots:
  void jedesFeldFragtSeineZeile() {
    QMimeData zeile;
    zeile.setText("P             Punkt");
    zeile.setData(QString::fromLatin1(kZeilenformat), QByteArray());
    // Whether `feld` takes the row, as the drag enters it and as it falls.
    auto Ablegen = [&](QWidget& feld) {
      QDragEnterEvent betreten(QPoint(5, 5), Qt::CopyAction, &zeile, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(&feld, &betreten);
      QDropEvent ablegen(QPointF(5, 5), Qt::CopyAction, &zeile, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(&feld, &ablegen);
      return betreten.isAccepted() && ablegen.isAccepted();
    };
    QLineEdit einzeilig, ablage;
    ablage.setReadOnly(true);
    Textbereich mehrzeilig;
    for (QWidget* feld : {static_cast<QWidget*>(&einzeilig), static_cast<QWidget*>(&ablage), mehrzeilig.viewport()}) {
      QStringList abgelegt;
      bool nimmt = false;
      auto Nimmt = [&](const QString&) { return nimmt; };
      auto Ablage = [&](const QString& z) { abgelegt << z; };
      auto a = std::make_unique<Zeilenablage>(*feld, Nimmt, Ablage);
      QVERIFY(!Ablegen(*feld));  // the core refuses it
      nimmt = true;
      QVERIFY(Ablegen(*feld));
      QCOMPARE(abgelegt, QStringList{zeile.text()});
      // Without a use for rows the field refuses every one.
      a = std::make_unique<Zeilenablage>(*feld, Nimmt, Zeilenablage::Ablegen());
      QVERIFY(!Ablegen(*feld));
    }
    // The rows were handed on, never inserted.
    QCOMPARE(einzeilig.text(), QString());
    QCOMPARE(mehrzeilig.toPlainText(), QString());
  }
};

QTEST_MAIN(ZeilenablageTest)
#include "ZeilenablageTest.moc"
