// The desktop's save dialog, typed into as a user does.
#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "qt/QtPlattform.h"

using namespace quarnel;

class QtPlattformTest : public QObject {
  Q_OBJECT

  // Shows the save dialog on the suggested name in `ordner`, types `name`
  // over it and presses Return; a question whether to replace a file is
  // answered Yes and kept in `frage`.
  static std::optional<std::string> Speichern(const QTemporaryDir& ordner, const QString& name, QString& frage) {
    QTimer::singleShot(0, [&] {
      auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      auto* feld = d != nullptr ? d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
      if (feld == nullptr) {
        if (d != nullptr) d->reject();
        QFAIL("no save dialog with a name field");
      }
      QCOMPARE(feld->text(), QStringLiteral("QuarnelDaten"));
      feld->setText(name);
      QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
          frage = box->text();
          box->button(QMessageBox::Yes)->click();
        }
      });
      QTest::keyClick(feld, Qt::Key_Return);
    });
    QtPlattform p;
    return p.SpeichernDialog(ordner.filePath(QStringLiteral("QuarnelDaten")).toStdString());
  }

private slots:
  // A name without an extension gets ".txt", before the dialog asks about
  // replacing a file of that name; one with an extension stays as typed.
  void einNameOhneEndungWirdTxt() {
    QTemporaryDir ordner;
    QString frage;
    QCOMPARE(Speichern(ordner, QStringLiteral("daten"), frage), ordner.filePath("daten.txt").toStdString());
    QVERIFY(frage.isEmpty());
    QCOMPARE(Speichern(ordner, QStringLiteral("daten.dat"), frage), ordner.filePath("daten.dat").toStdString());
    QFile(ordner.filePath("daten.txt")).open(QIODevice::WriteOnly);
    QCOMPARE(Speichern(ordner, QStringLiteral("daten"), frage), ordner.filePath("daten.txt").toStdString());
    QVERIFY(frage.contains(QStringLiteral("daten.txt")));
  }
};

QTEST_MAIN(QtPlattformTest)
#include "QtPlattformTest.moc"
