// The main window on screen: its title, its quit entry and the dialogs'
// text conversion.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>

#include "qt/HauptFenster.h"

using quarnel::HauptFenster;

class HauptFensterTest : public QObject {
  Q_OBJECT
private slots:
  void titelUndGroesse() {
    HauptFenster w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Quarnel2"));
    QCOMPARE(w.centralWidget()->size(), QSize(995, 622));
    QVERIFY(dynamic_cast<quarnel::QtPlattform*>(&w.Haupt().ui) != nullptr);
  }

  void quitEintragImFileMenue() {
    HauptFenster w;
    const auto menues = w.menuBar()->findChildren<QMenu*>(QStringLiteral("FileMenu"));
    QCOMPARE(menues.size(), 1);
    QMenu* file = menues.front();
    QCOMPARE(file->title(), QStringLiteral("&File"));
    QVERIFY(file->actions().contains(w.FileQuit()));
    QCOMPARE(w.FileQuit()->text(), QStringLiteral("&Quit"));
    QCOMPARE(w.FileQuit()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  }

  void zeilenendenFuerDieAnzeige() {
    QCOMPARE(quarnel::QtPlattform::Anzeigetext("a\rb\r\nc\nÄ"), QStringLiteral("a\nb\nc\nÄ"));
  }

  // Runs last: ends an event loop through the menu entry and its shortcut.
  void quitBeendetDasProgramm() {
    HauptFenster w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTimer::singleShot(0, w.FileQuit(), &QAction::trigger);
    QTimer notbremse;
    notbremse.setSingleShot(true);
    connect(&notbremse, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    notbremse.start(10000);
    QCOMPARE(QCoreApplication::exec(), 0);

    w.activateWindow();
    QTimer::singleShot(0, &w, [&w] { QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier); });
    notbremse.start(10000);
    QCOMPARE(QCoreApplication::exec(), 0);
  }
};

QTEST_MAIN(HauptFensterTest)
#include "HauptFensterTest.moc"
