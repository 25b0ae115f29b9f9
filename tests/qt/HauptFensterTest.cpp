// The main window on screen, driven as a user drives it: the controls and the
// menu bar as the tables lay them out, keys, shortcuts, drags, buttons and
// the windows beside it. Message boxes and dialogs go to a recorder.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QHeaderView>
#include <QTableView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>
#include <QAbstractItemModelTester>
#include <QtTest>

#include "platform/Aufzeichner.h"
#include "qt/HauptFenster.h"
#include "qt/QtPlattform.h"
#include "interpreter/Saetze.h"
#include "qt/Steuerbau.h"
#include "qt/Texte.h"
#include "ui/main_window/Steuerelemente.h"
#include "ui/main_window/Editierfenster.h"
#include "ui/menus/Fenster.h"
#include "ui/menus/Hilfetexte.h"
#include "ui/menus/Menueleiste.h"

using namespace quarnel;

namespace {

// Real message boxes, as the program shows them, each running its own event
// loop: as soon as one shows, the user reads it and presses Return on it.
// With `gehalten`, the Return that opened a box is still held: its repeats
// reach the box first, and `offen` tells whether the box stayed open.
struct LeserDerMeldungen : QObject {
  std::vector<std::string> meldungen;
  bool gehalten = false, offen = false;
  LeserDerMeldungen() { qApp->installEventFilter(this); }
  ~LeserDerMeldungen() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* ziel, QEvent* e) override {
    auto* box = qobject_cast<QMessageBox*>(ziel);
    if (box != nullptr && e->type() == QEvent::Show) {
      meldungen.push_back(Utf8(box->text()));
      QTimer::singleShot(0, box, [this, box] {
        if (gehalten) {
          for (int i = 0; i < 3; ++i) {
            QKeyEvent wiederholt(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
            QApplication::sendEvent(box->focusWidget() != nullptr ? box->focusWidget() : box, &wiederholt);
          }
          offen = box->isVisible();
        }
        QTest::keyClick(box, Qt::Key_Return);
      });
    }
    return false;
  }
};

// The desktop's drag as the X11 platform runs it, where the offscreen one
// ends every drag at once: from its start the drag takes the mouse, and
// the button's release drops its text on the widget under the mouse
// instead of reaching any widget. A drag begun while the button is held
// runs `hand`, the rest of the user's gesture, at once, as the desktop runs
// it inside the drag; a drag begun without a held button waits for the
// next release.
struct Ziehschleife : QObject {
  int begonnen = 0, abgelegt = 0;  // drags begun, drops
  bool laeuft = false;
  QString text;
  std::function<void()> hand;
  Ziehschleife() { qApp->installEventFilter(this); }
  ~Ziehschleife() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* ziel, QEvent* e) override {
    // A multi-line text field drags its selection: the drag is born a child
    // of its viewport (still a bare QObject as its parent learns of it).
    QPlainTextEdit* feld = nullptr;
    if (e->type() == QEvent::ChildAdded && ziel->isWidgetType())
      feld = qobject_cast<QPlainTextEdit*>(static_cast<QWidget*>(ziel)->parentWidget());
    if (feld != nullptr && ziel == feld->viewport() && !static_cast<QChildEvent*>(e)->child()->isWidgetType()) {
      text = feld->textCursor().selectedText();
      ++begonnen;
      laeuft = true;
      if ((QGuiApplication::mouseButtons() & Qt::LeftButton) && hand) std::exchange(hand, nullptr)();
      return false;
    }
    const QEvent::Type art = e->type();
    if (!laeuft || !ziel->isWindowType() ||
        (art != QEvent::MouseButtonPress && art != QEvent::MouseButtonDblClick && art != QEvent::MouseMove &&
         art != QEvent::MouseButtonRelease))
      return false;
    if (art != QEvent::MouseButtonRelease) return true;
    laeuft = false;
    const QPointF wo = static_cast<QMouseEvent*>(e)->globalPosition();
    if (QWidget* unter = QApplication::widgetAt(wo.toPoint())) {
      QMimeData daten;
      daten.setText(text);
      const QPointF p = unter->mapFromGlobal(wo);
      QDragEnterEvent betreten(p.toPoint(), Qt::CopyAction, &daten, Qt::NoButton, Qt::NoModifier);
      QDropEvent ablegen(p, Qt::CopyAction, &daten, Qt::NoButton, Qt::NoModifier);
      QCoreApplication::sendEvent(unter, &betreten);
      if (betreten.isAccepted()) QCoreApplication::sendEvent(unter, &ablegen);
      if (ablegen.isAccepted()) ++abgelegt;
    }
    return true;
  }
};

// What a list view shows, as a screen shows it: the rows its model told of,
// each read once, when a signal names it, and kept until another signal
// names it again. A model that tells a view less than what changed makes
// this copy differ from the core's rows.
struct Abbild : QObject {
  QAbstractItemModel* m;
  QStringList zeilen;
  explicit Abbild(QAbstractItemModel* modell) : m(modell) {
    Alle();
    connect(m, &QAbstractItemModel::modelReset, this, &Abbild::Alle);
    connect(m, &QAbstractItemModel::layoutChanged, this, &Abbild::Alle);
    connect(m, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int von, int bis) {
      for (int i = von; i <= bis; ++i) zeilen.insert(i, Text(i));
    });
    connect(m, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int von, int bis) {
      zeilen.remove(von, bis - von + 1);
    });
    connect(m, &QAbstractItemModel::rowsMoved, this, [this](const QModelIndex&, int von, int bis, const QModelIndex&, int vor) {
      const QStringList z = zeilen.mid(von, bis - von + 1);
      zeilen.remove(von, z.size());
      const int ziel = vor > von ? vor - z.size() : vor;
      for (int i = 0; i < z.size(); ++i) zeilen.insert(ziel + i, z[i]);
    });
    connect(m, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& von, const QModelIndex& bis) {
      for (int i = von.row(); i <= bis.row(); ++i) zeilen[i] = Text(i);
    });
  }
  QString Text(int i) const { return m->data(m->index(i, 0)).toString(); }
  void Alle() {
    zeilen.clear();
    for (int i = 0; i < m->rowCount(); ++i) zeilen << Text(i);
  }
};

// The object and command lists as a fresh render of the core gives them.
QStringList Objektzeilen(const HauptF& h) {
  QStringList z;
  h.objekte.FuerAlle([&](const QuarnelT& g) {
    if (g.Typ != Zahl) z << QText(Objektzeile(g));
  });
  return z;
}
QStringList Befehlszeilen(const HauptF& h) {
  QStringList z;
  std::int64_t n = 0;
  for (const BefehlT& b : h.befehle) z << QText(Befehlszeile(++n, b));
  return z;
}

// A protocol file of that text in the folder.
std::string Datei(const QTemporaryDir& ordner, const char* text) {
  QFile d(ordner.filePath("protokoll.txt"));
  if (!d.open(QIODevice::WriteOnly)) qWarning("cannot write the protocol file");
  d.write(text);
  return d.fileName().toStdString();
}

// A shown, active main window on a recorder.
template <class P>
struct SitzungAuf {
  P ui;
  HauptFenster w{ui};
  HauptF& h = w.Haupt();

  SitzungAuf() {
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w)) qWarning("main window not active");
  }
  template <class T = QWidget>
  T* E(std::string_view name) {
    return qobject_cast<T*>(w.Element(name));
  }
  // The user clicks into a field: its window becomes active (it is not
  // after a message box closed) and the field takes the focus.
  void Fokus(std::string_view feld) {
    if (!w.isActiveWindow()) {
      w.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    E(feld)->setFocus();
  }
  // A key as the user presses it: it goes to the widget with the focus.
  void Taste(std::string_view feld, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    Fokus(feld);
    QTest::keyClick(QApplication::focusWidget(), k, m);
  }
  void Tippe(std::string_view feld, const QString& text) {
    Fokus(feld);
    QTest::keyClicks(QApplication::focusWidget(), text);
  }
  void Menue(std::string_view eintrag) { w.Eintrag(eintrag)->trigger(); }
  std::size_t Befehle() const { return h.fenster.ProtokollBox.Anzahl(); }
  void Doppelklick(std::string_view liste, int zeile, Qt::KeyboardModifiers m = Qt::NoModifier) {
    auto* v = E<QAbstractItemView>(liste);
    const QPoint p = v->visualRect(v->model()->index(zeile, 0)).center();
    QTest::mouseClick(v->viewport(), Qt::LeftButton, m, p);
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, m, p);
  }
  // A point through the point form, run by Return in the name field.
  void Punkt(const QString& name, const QString& x) {
    Menue("NumPunkt");
    Tippe("aF", x);
    Tippe("bF", "0");
    Tippe("cF", "0");
    Tippe("GnameF", name);
    Taste("GnameF", Qt::Key_Return);
  }
};
using Sitzung = SitzungAuf<Aufzeichner>;

}  // namespace

class HauptFensterTest : public QObject {
  Q_OBJECT
private slots:
  void steuerelementeNachTabelle() {
    Sitzung s;
    QCOMPARE(s.w.windowTitle(), QStringLiteral("Quarnel2"));
    QCOMPARE(s.w.centralWidget()->size(), QSize(kInhaltBreite, kInhaltHoehe));
    for (const Steuerelement& e : kHauptFSteuerelemente) {
      QWidget* w = s.w.Element(e.name);
      QVERIFY2(w != nullptr, e.name.data());
      QCOMPARE(w->objectName(), QText(e.name));
      QCOMPARE(w->geometry(), QRect(e.links, e.oben, e.breite, e.hoehe));
    }
    QCOMPARE(s.w.centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 40);
    for (QLabel* l : s.w.findChildren<QLabel*>()) QCOMPARE(l->textFormat(), Qt::PlainText);  // names may hold "<"
    QCOMPARE(s.E("GnameF")->font().pixelSize(), 24);
    QVERIFY(s.E("GnameF")->font().bold());
    QCOMPARE(s.E("LoeschF")->palette().color(QPalette::Base), QColor(0xFF, 0x08, 0x1D));
    auto* popup = s.E<QComboBox>("PopupMenu1");
    QCOMPARE(popup->count(), 7);
    QCOMPARE(popup->currentText(), QStringLiteral("Nachkommastellen"));
    // The window opens with the input form's rows hidden and "O" listed.
    QVERIFY(s.E("aF")->isHidden() && s.E("G1ListB")->isHidden() && !s.E("GnameF")->isHidden());
    QCOMPARE(s.E<QAbstractItemView>("QuarnelLB")->model()->rowCount(), 1);
    // A fixed layout in a window of fixed size, without a maximise button.
    QCOMPARE(s.w.minimumSize(), s.w.maximumSize());
    QVERIFY(!s.w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  }

  void menueleisteNachTabelle() {
    Sitzung s;
    QMap<QString, QList<QAction*>> erwartet;  // per menu, its entries in order
    for (const MenueEintrag& e : kMenueleiste) {
      QAction* a = nullptr;
      if (e.art == Eintragsart::Titel || e.art == Eintragsart::Untermenue) {
        QMenu* m = s.w.Menue(e.name);
        QVERIFY2(m != nullptr, e.name.data());
        QCOMPARE(m->title(), QText(e.text));
        a = m->menuAction();
      } else {
        a = s.w.Eintrag(e.name);
        QVERIFY2(a != nullptr, e.name.data());
        QCOMPARE(a->isSeparator(), e.art == Eintragsart::Trenner);
        if (e.art == Eintragsart::Befehl) {
          QCOMPARE(a->text(), QText(e.text));
          QString k = QText(e.kuerzel).replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
          QCOMPARE(a->shortcut(), QKeySequence(k));
          QCOMPARE(a->shortcutContext(), Qt::ApplicationShortcut);
        }
      }
      erwartet[QText(e.eltern)].append(a);
    }
    QCOMPARE(s.w.menuBar()->actions(), erwartet.value(QString()));
    int eintraege = erwartet.value(QString()).size();
    for (auto it = erwartet.cbegin(); it != erwartet.cend(); ++it) {
      if (it.key().isEmpty()) continue;
      QCOMPARE(s.w.Menue(it.key().toStdString())->actions(), it.value());
      eintraege += it.value().size();
    }
    QCOMPARE(eintraege, 54);
  }

  // Every shortcut of the table chooses its entry while the name field has
  // the focus, also the ones a line edit uses for editing (Ctrl+A, C, V, X, Z).
  void kuerzelSchlagenDasNamensfeld() {
    Sitzung s;
    int gepruefte = 0;
    for (const MenueEintrag& e : kMenueleiste) {
      if (e.kuerzel.empty()) continue;
      s.Menue(e.kennung == GGeradePP ? "NumPunkt" : "GGeradePP");
      s.w.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&s.w));
      s.Tippe("GnameF", "N");
      QSignalSpy gewaehlt(s.w.Eintrag(e.name), &QAction::triggered);
      const QKeySequence k(QText(e.kuerzel).replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+")));
      QTest::keySequence(QApplication::focusWidget(), k);
      QVERIFY2(gewaehlt.count() == 1, e.name.data());
      if (e.kennung > 0) QCOMPARE(s.h.form.AktuelleKennung, e.kennung);
      ++gepruefte;
    }
    QCOMPARE(gepruefte, 23);
  }

  // Return in the name field runs the form once; Return in a number field is
  // the window's Return: it runs once, then waits for the mouse to move.
  void returnLaeuftEinmal() {
    Sitzung s;
    s.Punkt("P", "1");
    QCOMPARE(s.Befehle(), std::size_t{1});
    QVERIFY(s.h.objekte.QuarnelTypNr("P") == Punkt);
    QCOMPARE(s.E<QAbstractItemView>("ProtokollBox")->model()->rowCount(), 1);
    QCOMPARE(s.E<QLineEdit>("GnameF")->text(), QString());  // the form is emptied for the next one
    QCOMPARE(QApplication::focusWidget(), s.E("GnameF"));

    s.Menue("NumPunkt");
    s.Tippe("GnameF", "Q");
    s.Tippe("aF", "2");
    s.Taste("aF", Qt::Key_Return);
    QCOMPARE(s.Befehle(), std::size_t{2});
    s.Tippe("aF", "3");  // no name: the form names the point itself
    s.Taste("aF", Qt::Key_Return);
    s.E<QPushButton>("TuEsButton")->click();
    QCOMPARE(s.Befehle(), std::size_t{2});
    QTest::mouseMove(s.E("ProtokollBox"), QPoint(20, 20));
    s.Taste("aF", Qt::Key_Enter);
    QCOMPARE(s.Befehle(), std::size_t{3});
    // A Return held down in the name field runs the form once.
    s.Menue("NumPunkt");
    s.Tippe("GnameF", "R");
    s.Taste("GnameF", Qt::Key_Return);
    for (int i = 0; i < 3; ++i) {
      QKeyEvent wiederholt(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
      QApplication::sendEvent(s.E("GnameF"), &wiederholt);
    }
    QCOMPARE(s.Befehle(), std::size_t{4});
    // The X11 layer may miss that flag: a held key repeats as a release and
    // a press at one instant. Only a press at a time of its own is new.
    auto Zeitlich = [&](QEvent::Type art, Qt::Key k, Qt::KeyboardModifiers m, ulong zeit) {
      QKeyEvent e(art, k, m, k == Qt::Key_Return ? QStringLiteral("\r") : QString());
      e.setTimestamp(zeit);
      QApplication::sendEvent(QApplication::focusWidget(), &e);
    };
    s.Menue("NumPunkt");
    s.Tippe("GnameF", "S");
    Zeitlich(QEvent::KeyPress, Qt::Key_Return, {}, 1000);
    for (ulong t = 1660; t < 1800; t += 40) {
      Zeitlich(QEvent::KeyRelease, Qt::Key_Return, {}, t);
      Zeitlich(QEvent::KeyPress, Qt::Key_Return, {}, t);
    }
    QCOMPARE(s.Befehle(), std::size_t{5});
    Zeitlich(QEvent::KeyRelease, Qt::Key_Return, {}, 1900);
    s.Tippe("GnameF", "T");
    Zeitlich(QEvent::KeyPress, Qt::Key_Return, {}, 2500);
    QCOMPARE(s.Befehle(), std::size_t{6});
    // A held shortcut chooses its entry once: Ctrl+X deletes one command.
    QVERIFY(qt_sendShortcutOverrideEvent(s.E("GnameF"), 3000, Qt::Key_X, Qt::ControlModifier));
    for (ulong t = 3660; t < 3800; t += 40) {
      Zeitlich(QEvent::KeyRelease, Qt::Key_X, Qt::ControlModifier, t);
      QVERIFY(!qt_sendShortcutOverrideEvent(s.E("GnameF"), t, Qt::Key_X, Qt::ControlModifier));
      Zeitlich(QEvent::KeyPress, Qt::Key_X, Qt::ControlModifier, t);
    }
    QCOMPARE(s.Befehle(), std::size_t{5});
  }

  // A message box shown by a run started with Return runs a loop of its own;
  // once it is closed, that Return goes no further: one key press, one run.
  void einReturnEinLaufTrotzMeldung() {
    LeserDerMeldungen leser;
    SitzungAuf<QtPlattform> s;
    s.Punkt("A", "1");
    s.Punkt("A", "4");  // the name is taken
    QCOMPARE(leser.meldungen.size(), std::size_t{1});
    QCOMPARE(leser.meldungen.back(), std::string("Der verwendete Quarnelname A  ist unerlaubt oder existiert bereits"));
    s.Menue("GGeradePP");
    s.Tippe("GnameF", "A");
    s.Taste("GnameF", Qt::Key_Return);
    QCOMPARE(leser.meldungen.size(), std::size_t{2});
    s.Menue("NumEbene");
    for (const char* feld : {"aF", "bF", "cF", "dF"}) s.Tippe(feld, "0");
    s.Tippe("GnameF", "E");
    s.Taste("GnameF", Qt::Key_Return);
    QCOMPARE(leser.meldungen.size(), std::size_t{3});
    // The window's Return, from a number field.
    s.Menue("NumPunkt");
    s.Tippe("GnameF", "A");
    s.Taste("aF", Qt::Key_Return);
    QCOMPARE(leser.meldungen.size(), std::size_t{4});
    // A Return held on a taken name: its repeats leave the box open.
    leser.gehalten = true;
    s.Tippe("GnameF", "A");
    s.Taste("GnameF", Qt::Key_Return);
    QCOMPARE(leser.meldungen.size(), std::size_t{5});
    QVERIFY(leser.offen);
    QCOMPARE(s.Befehle(), std::size_t{1});
    QCOMPARE(s.h.objekte.ErzeugeNamenListen().NListe, std::string("O\rA\r"));
  }

  // A middle click with nothing selected on the desktop pastes no data at
  // all: every multi-line field of every window takes it without harm.
  void leeresEinfuegenInJedesTextfeld() {
    Sitzung s;
    s.Menue("InfoHilfe");
    s.Menue("InfoQuarnel");
    const QList<QPlainTextEdit*> felder = s.w.findChildren<QPlainTextEdit*>();  // the windows beside it too
    QCOMPARE(felder.size(), 5);  // note, description, last info; help and information text
    const QMimeData nichts;
    for (QPlainTextEdit* feld : felder) {
      auto* t = dynamic_cast<Textbereich*>(feld);
      QVERIFY2(t != nullptr, qPrintable(feld->objectName()));
      const bool nurLesen = t->isReadOnly();
      t->setReadOnly(false);
      const QString vorher = t->toPlainText();
      QVERIFY(!t->canInsertFromMimeData(&nichts));
      t->insertFromMimeData(&nichts);
      t->insertFromMimeData(nullptr);
      QCOMPARE(t->toPlainText(), vorher);
      t->setReadOnly(nurLesen);
    }
  }

  // What each list paints is what the core holds, in the core's order. A
  // model tester watches every list model, and a copy of each list that
  // learns of its rows only through the model's signals matches a fresh
  // render after every gesture: also after a re-run that only reorders, a
  // moved command, a confirmed point edit and a load, and while a load's
  // message box is up.
  void listenFolgenDemKern() {
    Sitzung s;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> pruefer;
    for (const char* name : {"QuarnelLB", "ProtokollBox", "G1ListB", "G2ListB", "G3ListB"})
      pruefer.push_back(std::make_unique<QAbstractItemModelTester>(
          s.E<QAbstractItemView>(name)->model(), QAbstractItemModelTester::FailureReportingMode::QtTest));
    Abbild objekte(s.E<QAbstractItemView>("QuarnelLB")->model());
    Abbild befehle(s.E<QAbstractItemView>("ProtokollBox")->model());
    Abbild operanden(s.E<QAbstractItemView>("G1ListB")->model());
    auto Stimmt = [&] {
      QCOMPARE(objekte.zeilen, Objektzeilen(s.h));
      QCOMPARE(befehle.zeilen, Befehlszeilen(s.h));
    };
    s.Punkt("B", "1");
    Stimmt();
    s.Punkt("A", "2");  // in front of B
    Stimmt();
    s.Doppelklick("QuarnelLB", 1);
    s.Menue("FileAktualisieren");  // O now stands among the names: A, B, O
    Stimmt();
    QVERIFY(objekte.zeilen.front().startsWith("A "));
    QCOMPARE(s.h.fenster.QuarnelLB.auswahl, -1);  // row 1 now names another object
    QVERIFY(s.E<QAbstractItemView>("QuarnelLB")->selectionModel()->selectedRows().isEmpty());
    s.Punkt("C", "3");
    s.E<QPushButton>("KillLastOrder3")->click();
    Stimmt();
    s.Menue("UndoItem");
    Stimmt();
    s.Menue("GGeradePP");
    QCOMPARE(operanden.zeilen, (QStringList{"A", "B", "C", "O"}));
    s.Doppelklick("ProtokollBox", 0);  // C moves behind A; everything runs again
    Stimmt();
    QVERIFY(befehle.zeilen[1].contains("C ist der Punkt"));
    s.ui.shift = true;
    s.Doppelklick("QuarnelLB", 0, Qt::ShiftModifier);
    s.ui.shift = false;
    Nebenfenster* f = s.w.Fenster(kKoordFensterArt);
    QApplication::setActiveWindow(f);
    QTest::keyClicks(f->Element("xF"), "5");
    QTest::keyClick(f->Element("xF"), Qt::Key_Return);
    QCOMPARE(s.h.objekte.HoleQuarnel("A")->v1.x(), 5.0);
    Stimmt();

    QTemporaryDir ordner;
    s.ui.dateien = {Datei(ordner,
                          "<1>    X ist der Punkt mit dem Koordinatentripel: (1|2|3) \r"
                          "<2>    Y ist der Punkt mit dem Koordinatentripel: (4|5|6) \r"
                          "<3>    Gib eine ausfuehrliche Beschreibung von: X \r\n")};
    int geprueft = 0;
    s.ui.beiMeldung = [&] {
      Stimmt();
      ++geprueft;
    };
    s.Menue("FileLaden");
    QCOMPARE(s.ui.Meldungen().back(), std::string("X ist weder ein Dreieck noch ein Tetraeder"));
    QCOMPARE(geprueft, 1);
    QCOMPARE(objekte.zeilen.size(), 6);
    Stimmt();
    s.ui.antworten = {Antwort::OK};
    s.Menue("NeuItem");
    Stimmt();
    QVERIFY(befehle.zeilen.isEmpty());
  }

  // The lists look and act as list boxes: Home and End go to the first and
  // last row, Tab and Shift+Tab leave the list, a typed letter goes to the
  // next name that starts with it in that case; a list filled anew starts
  // at the top with nothing chosen; the newest command is in sight.
  void listenWieListboxen() {
    Sitzung s;
    for (const char* n : {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N"}) s.Punkt(n, "1");
    s.Menue("NumEbene");
    for (const char* feld : {"aF", "bF", "cF", "dF"}) s.Tippe(feld, "1");
    s.Tippe("GnameF", "m");
    s.Taste("GnameF", Qt::Key_Return);
    QCOMPARE(s.Befehle(), std::size_t{15});
    auto* befehle = s.E<QTableView>("ProtokollBox");
    auto ImBlick = [](QTableView* v, int zeile) {
      return v->viewport()->rect().contains(v->visualRect(v->model()->index(zeile, 0)));
    };
    QVERIFY(ImBlick(befehle, 14));  // the command just made
    s.E<QPushButton>("KillLastOrder3")->click();
    befehle->scrollToTop();
    s.Menue("UndoItem");
    QVERIFY(ImBlick(befehle, 14));  // the command restored
    QTemporaryDir ordner;
    befehle->scrollToTop();
    s.ui.dateien = {Datei(ordner, "<1>    Z ist der Punkt mit dem Koordinatentripel: (1|2|3) \r\n")};
    s.Menue("FileLaden");
    QVERIFY(ImBlick(befehle, 15));  // the command loaded

    s.Menue("GErzeugeSpiegelbild");
    auto* g1 = s.E<QTableView>("G1ListB");
    for (const char* name : {"QuarnelLB", "ProtokollBox", "G1ListB"}) {
      auto* v = s.E<QTableView>(name);
      Auswahlliste& l = *FindeSteuerelement(kHauptFSteuerelemente, name)->verhalten.liste(s.h);
      const int letzte = v->model()->rowCount() - 1;
      s.Taste(name, Qt::Key_End);
      QCOMPARE(l.auswahl, letzte);
      QVERIFY(ImBlick(v, letzte));
      s.Taste(name, Qt::Key_Home);
      QCOMPARE(l.auswahl, 0);
      s.Taste(name, Qt::Key_Tab);
      QVERIFY(QApplication::focusWidget() != v);
      QCOMPARE(l.auswahl, 0);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
      QCOMPARE(QApplication::focusWidget(), v);
      QCOMPARE(l.auswahl, 0);
    }
    // M, and M again a moment later: the point M each time, never the plane
    // m; m finds the plane.
    const Auswahlliste& operand = s.h.form.G1ListB;
    for (const char* name : {"QuarnelLB", "G1ListB"})
      for (const char* taste : {"M", "M", "m"}) {
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        s.Tippe(name, taste);
        QCOMPARE(NameDerZeile(FindeSteuerelement(kHauptFSteuerelemente, name)->verhalten.liste(s.h)->Text()),
                 std::string(taste));
      }
    s.Taste("G1ListB", Qt::Key_End);
    QVERIFY(g1->verticalScrollBar()->value() > 0);
    s.Menue("GErzeugeSpiegelbild");  // filled anew: at the top, nothing chosen
    QCOMPARE(g1->verticalScrollBar()->value(), 0);
    QVERIFY(g1->selectionModel()->selectedRows().isEmpty());
    QCOMPARE(operand.auswahl, -1);

    // A new row takes no selection with it.
    s.Taste("QuarnelLB", Qt::Key_Home);
    s.Punkt("Y", "1");
    QCOMPARE(s.h.fenster.QuarnelLB.auswahl, -1);
    QVERIFY(s.E<QTableView>("QuarnelLB")->selectionModel()->selectedRows().isEmpty());
    // With no form chosen no form field shows, the angle neither.
    s.Menue("GErzeugeDrehen");
    s.Tippe("GradF", "30");
    s.Menue("LetztLoeschItem");
    QVERIFY(s.E("GradF")->isHidden());
  }

  // A list with nothing chosen takes its first row on the first Down, also
  // when the keyboard entered it by Tab or Shift+Tab (which puts the view on
  // its first row without choosing it): the object list shown anew after
  // Ctrl+K, the command list and operand lists never chosen in.
  void erstesAbwaertsWaehltDieErsteZeile() {
    Sitzung s;
    s.Punkt("B", "1");
    s.Punkt("A", "2");
    auto Taste = [](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
      QTest::keyClick(QApplication::focusWidget(), k, m);
    };
    // Down, Down in the list, reached by Shift+Tab from the control after it.
    auto Abwaerts = [&](const char* name, auto&& dazwischen) {
      auto* v = s.E<QAbstractItemView>(name);
      const Auswahlliste& l = *FindeSteuerelement(kHauptFSteuerelemente, name)->verhalten.liste(s.h);
      s.Taste(name, Qt::Key_Tab);
      dazwischen();
      QCOMPARE(l.auswahl, -1);
      Taste(Qt::Key_Backtab, Qt::ShiftModifier);
      QCOMPARE(QApplication::focusWidget(), v);
      Taste(Qt::Key_Down);
      QVERIFY2(l.auswahl == 0, name);
      QCOMPARE(v->selectionModel()->selectedRows().value(0).row(), 0);
      Taste(Qt::Key_Down);
      QCOMPARE(l.auswahl, 1);
    };
    s.Taste("QuarnelLB", Qt::Key_End);
    QCOMPARE(s.h.fenster.QuarnelLB.auswahl, 2);
    Abwaerts("QuarnelLB", [&] { Taste(Qt::Key_K, Qt::ControlModifier); });
    Abwaerts("ProtokollBox", [] {});
    // A click below the rows of a list shown anew chooses nothing; End then
    // chooses the last row, not the first.
    Taste(Qt::Key_K, Qt::ControlModifier);
    auto* objekte = s.E<QAbstractItemView>("QuarnelLB");
    QTest::mouseClick(objekte->viewport(), Qt::LeftButton, {}, QPoint(20, objekte->viewport()->height() - 5));
    QCOMPARE(s.h.fenster.QuarnelLB.auswahl, -1);
    QTest::keyClick(objekte, Qt::Key_End);
    QCOMPARE(s.h.fenster.QuarnelLB.auswahl, 2);
    Taste(Qt::Key_3, Qt::ControlModifier);  // a plane through three points
    for (const char* name : {"G1ListB", "G2ListB", "G3ListB"}) Abwaerts(name, [] {});
  }

  // A row dragged from the object list and dropped on the delete field
  // deletes its object when the mouse leaves the field; typing there does not.
  void ziehenAufsLoeschfeld() {
    Sitzung s;
    s.Punkt("P", "1");
    s.Punkt("Q", "2");
    auto* liste = s.E<QAbstractItemView>("QuarnelLB");
    const QModelIndex p = liste->model()->index(1, 0);
    QVERIFY(liste->model()->data(p).toString().startsWith("P "));
    // The row picked up is the view's current one; the mouse, moving on
    // before the drag began, selected the next.
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(liste->model()->index(2, 0)).center());
    liste->selectionModel()->setCurrentIndex(p, QItemSelectionModel::NoUpdate);
    QCOMPARE(s.h.fenster.QuarnelLB.auswahl, 2);
    std::unique_ptr<QMimeData> daten(liste->model()->mimeData({p}));
    QCOMPARE(daten->text(), liste->model()->data(p).toString());

    QWidget* loeschF = s.E("LoeschF");
    const QPoint mitte = loeschF->rect().center();
    QDragEnterEvent betreten(mitte, Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(loeschF, &betreten);
    QVERIFY(betreten.isAccepted());
    QDropEvent ablegen(QPointF(mitte), Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(loeschF, &ablegen);
    QCOMPARE(s.E<QLineEdit>("LoeschF")->text(), daten->text());
    QCOMPARE(s.h.objekte.QuarnelTypNr("P"), Punkt);  // nothing happens at the drop itself
    QEvent verlassen(QEvent::Leave);
    QCoreApplication::sendEvent(loeschF, &verlassen);
    QCOMPARE(s.h.objekte.QuarnelTypNr("P"), 0);
    QCOMPARE(s.E<QLineEdit>("LoeschF")->text(), QString());
    QCOMPARE(liste->model()->rowCount(), 2);  // O and Q
    // As the core says: no row is selected, none stands current (the view
    // would select the row after the one removed).
    QVERIFY(liste->selectionModel()->selectedRows().isEmpty());
    QVERIFY(!liste->currentIndex().isValid());
    QCOMPARE(s.Befehle(), std::size_t{3});    // the deletion is recorded

    s.Tippe("LoeschF", "Q");
    QCOMPARE(s.E<QLineEdit>("LoeschF")->text(), QString());
    QCoreApplication::sendEvent(loeschF, &verlassen);
    QCOMPARE(s.h.objekte.QuarnelTypNr("Q"), Punkt);
    // Text dragged in from another program is not taken.
    QMimeData fremd;
    fremd.setText("Q             Punkt");
    QDragEnterEvent fremdBetreten(mitte, Qt::CopyAction, &fremd, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(loeschF, &fremdBetreten);
    QVERIFY(!fremdBetreten.isAccepted());
    QDropEvent fremdAblegen(QPointF(mitte), Qt::CopyAction, &fremd, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(loeschF, &fremdAblegen);
    QCoreApplication::sendEvent(loeschF, &verlassen);
    QCOMPARE(s.h.objekte.QuarnelTypNr("Q"), Punkt);

    // The origin cannot go; a menu choice made while its message is shown
    // does not run in the middle of the drop's handling.
    // The field is empty by the time the message shows.
    QString waehrendDerMeldung = "?";
    s.ui.beiMeldung = [&] {
      waehrendDerMeldung = s.E<QLineEdit>("LoeschF")->text();
      s.Menue("GGeradePP");
    };
    std::unique_ptr<QMimeData> o(liste->model()->mimeData({liste->model()->index(0, 0)}));
    QDragEnterEvent ursprungBetreten(mitte, Qt::CopyAction, o.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(loeschF, &ursprungBetreten);
    QDropEvent ursprung(QPointF(mitte), Qt::CopyAction, o.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(loeschF, &ursprung);
    QVERIFY(s.E<QLineEdit>("LoeschF")->text().startsWith("O "));
    QCoreApplication::sendEvent(loeschF, &verlassen);
    QCOMPARE(s.ui.Meldungen().back(), std::string("Der Ursprung O - er lebet ewiglich..."));
    QCOMPARE(waehrendDerMeldung, QString());
    QCOMPARE(s.h.form.AktuelleKennung, VariablerPunkt);
  }

  // An object row dropped on the name field gives the object's name, in
  // place of what the field held; a command row is refused there, and every
  // other field refuses both (their digits are no number). Text
  // dragged in from elsewhere lands as typed text.
  void ziehenAufDieTextfelder() {
    Sitzung s;
    s.Punkt("D", "1");
    s.Menue("NumPunkt");
    s.Tippe("GnameF", "Q");
    auto* objekte = s.E<QAbstractItemView>("QuarnelLB");
    std::unique_ptr<QMimeData> objekt(objekte->model()->mimeData({objekte->model()->index(1, 0)}));  // after O
    QVERIFY(objekt->text().startsWith("D "));
    auto* befehle = s.E<QAbstractItemView>("ProtokollBox");
    std::unique_ptr<QMimeData> befehl(befehle->model()->mimeData({befehle->model()->index(0, 0)}));
    QMimeData fremd;
    fremd.setText("2.5");
    // Whether the field takes the drop, as the drag enters it and as it falls.
    auto Ablegen = [](QWidget* feld, const QMimeData* m) {
      const QPoint mitte = feld->rect().center();
      QDragEnterEvent betreten(mitte, Qt::CopyAction, m, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(feld, &betreten);
      QDropEvent ablegen(QPointF(mitte), Qt::CopyAction, m, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(feld, &ablegen);
      return betreten.isAccepted() && ablegen.isAccepted();
    };
    auto* name = s.E<QLineEdit>("GnameF");
    QVERIFY(Ablegen(name, objekt.get()));
    QCOMPARE(name->text(), QString("D"));
    QCOMPARE(s.h.form.GnameF.text, std::string("D"));
    QVERIFY(!Ablegen(name, befehl.get()));
    QCOMPARE(name->text(), QString("D"));
    QVERIFY(Ablegen(s.E("aF"), &fremd));
    QCOMPARE(s.h.form.aF.text, std::string("2.5"));
    // The point window's fields too.
    s.ui.shift = true;
    s.Doppelklick("QuarnelLB", 1, Qt::ShiftModifier);
    QList<QLineEdit*> felder = s.w.centralWidget()->findChildren<QLineEdit*>();
    felder += s.w.Fenster(kKoordFensterArt)->findChildren<QLineEdit*>();
    int gezaehlt = 0;
    for (QLineEdit* feld : felder) {
      if (feld == name || feld->isReadOnly()) continue;  // the drop fields are read-only
      const QString vorher = feld->text();
      QVERIFY2(!Ablegen(feld, objekt.get()) && !Ablegen(feld, befehl.get()), qPrintable(feld->objectName()));
      QCOMPARE(feld->text(), vorher);
      ++gezaehlt;
    }
    QCOMPARE(gezaehlt, 8);  // aF, bF, cF, dF, the angle; xF, yF, zF
    // The note field, of several lines, refuses both rows too.
    s.Menue("FileHInweis");
    QWidget* hinweis = s.E<QPlainTextEdit>("HinweisF")->viewport();
    QVERIFY(!Ablegen(hinweis, objekt.get()) && !Ablegen(hinweis, befehl.get()));
    QVERIFY(Ablegen(hinweis, &fremd));
    QCOMPARE(s.h.form.HinweisF.text, std::string("2.5"));
  }

  // Shift and double-click on a point opens its window; Return there stores
  // the new coordinates, the close box cancels.
  void punktfensterPerShiftDoppelklick() {
    Sitzung s;
    s.Punkt("P", "1");
    s.ui.shift = true;
    s.Doppelklick("QuarnelLB", 1, Qt::ShiftModifier);
    Nebenfenster* f = s.w.Fenster(kKoordFensterArt);
    QVERIFY(f->isVisible());
    auto* xF = qobject_cast<QLineEdit*>(f->Element("xF"));
    QCOMPARE(xF->text(), QStringLiteral("1"));
    QCOMPARE(qobject_cast<QLabel*>(f->Element("KoordText"))->text(), QStringLiteral("Koordinaten des Punktes P"));
    s.Taste("GnameF", Qt::Key_Return);  // the main window waits for the edit window
    QCOMPARE(s.Befehle(), std::size_t{1});
    QApplication::setActiveWindow(f);  // the desktop would; the offscreen platform does not
    QCOMPARE(QApplication::focusWidget(), xF);
    QTest::keyClicks(xF, "7");  // replaces the selected "1"
    QTest::keyClick(xF, Qt::Key_Return);
    QVERIFY(f->isHidden());
    QCOMPARE(s.h.objekte.HoleQuarnel("P")->v1.x(), 7.0);

    // Return on its Cancel button stores nothing; the close box cancels.
    s.Doppelklick("QuarnelLB", 1, Qt::ShiftModifier);
    QVERIFY(f->isVisible() && s.h.KoordFenster.Warten);
    xF->setText("9");
    s.h.KoordFenster.xF.text = "9";
    QApplication::setActiveWindow(f);
    f->Element("AbbrechB")->setFocus();
    QCOMPARE(QApplication::focusWidget(), f->Element("AbbrechB"));
    QTest::keyClick(f->Element("AbbrechB"), Qt::Key_Return);
    QCOMPARE(s.h.objekte.HoleQuarnel("P")->v1.x(), 7.0);
    f->close();
    QVERIFY(f->isHidden() && !s.h.KoordFenster.Warten);
  }

  // The two clipboard buttons, the decimals popup and the button that
  // empties the description area.
  void knoepfeUndDezimalen() {
    Sitzung s;
    s.Punkt("P", "1/3");
    auto* info = s.E<QPlainTextEdit>("InfoF");
    QVERIFY(info->toPlainText().contains("0.333333"));
    s.E<QPushButton>("Beschr2ClipbB")->click();
    QCOMPARE(s.ui.zwischenablage, "\r" + s.h.ausgabe.InfoF());
    QCOMPARE(QText(s.ui.zwischenablage).mid(1).replace('\r', '\n'), info->toPlainText());
    s.E<QPushButton>("BefListe2ClipbB1")->click();
    QCOMPARE(s.ui.zwischenablage, "\r" + s.h.befehle.Protokoll());

    emit s.E<QComboBox>("PopupMenu1")->activated(6);
    emit s.E<QComboBox>("PopupMenu1")->activated(3);
    QCOMPARE(s.h.ausgabe.Dezimalen, 3);
    s.Punkt("Q", "1/3");
    const QString text = info->toPlainText();
    QVERIFY(text.indexOf("Q ist der Punkt") < text.indexOf("P ist der Punkt"));
    QVERIFY(text.section("P ist", 0, 0).contains("(0.333 |"));  // the new block, on top
    QVERIFY(text.section("P ist", 1).contains("0.333333"));     // the old one keeps its digits

    emit s.E<QComboBox>("PopupMenu1")->activated(6);
    QCOMPARE(s.h.ausgabe.Dezimalen, 6);
    s.E<QPushButton>("BevelButton1")->click();
    QCOMPARE(info->toPlainText(), QString());
  }

  // Closing the window asks whether to save; Cancel keeps the program, No ends it.
  void schliessenFragtNachSpeichern() {
    Sitzung s;
    QVERIFY(!s.w.close());
    QCOMPARE(s.ui.protokoll.back().text, std::string("Vor dem Beenden Speichern?"));
    QVERIFY(s.w.isVisible());
    QCOMPARE(s.ui.beendet, -1);
    s.ui.antworten = {Antwort::Nein};
    s.w.Eintrag("FileQuit")->trigger();
    QCOMPARE(s.ui.beendet, 0);
    s.ui.beendet = -1;
    s.ui.antworten = {Antwort::Nein};
    QVERIFY(s.w.close());
    QCOMPARE(s.ui.beendet, 0);
  }

  // A word dragged out of the help text at once, its first move already
  // outside, and dropped on the name field lands there once; the drag ends
  // with the button's release: none runs after it, a menu opens and a click
  // drops nothing. (The text field's auto-scroll, started by that move
  // after the drag, sent moves with the button held, and each began the
  // drag anew.)
  void ziehenAusDerHilfeEndetBeimLoslassen() {
    Sitzung s;
    s.Menue("NumPunkt");
    s.Tippe("GnameF", "Bert");
    s.Menue("InfoHilfe");
    Nebenfenster* hilfe = s.w.Fenster(kHilfeFensterArt);
    hilfe->move(s.w.frameGeometry().topRight() + QPoint(20, 0));
    QVERIFY(QTest::qWaitForWindowExposed(hilfe));
    auto* text = qobject_cast<QPlainTextEdit*>(hilfe->Element("InfoTxt"));
    QTextCursor c = text->document()->find(QStringLiteral("Programm"));
    c.setPosition(c.selectionStart() + 3);
    const QPoint wort = text->viewport()->mapTo(hilfe, text->cursorRect(c).center());
    QWindow* hier = hilfe->windowHandle();
    QTest::mouseDClick(hier, Qt::LeftButton, {}, wort);
    QCOMPARE(text->textCursor().selectedText(), QStringLiteral("Programm"));
    QTest::qWait(QApplication::doubleClickInterval() + 50);  // the next press is no third click

    Ziehschleife ziehen;
    auto* name = s.E<QLineEdit>("GnameF");
    const QPoint ueberName = name->mapTo(&s.w, name->rect().center());
    ziehen.hand = [&] {
      QTest::mouseMove(s.w.windowHandle(), ueberName);
      QTest::mouseRelease(s.w.windowHandle(), Qt::LeftButton, {}, ueberName);
    };
    QTest::mousePress(hier, Qt::LeftButton, {}, wort);
    QTest::mouseMove(hier, wort - QPoint(60 + wort.x(), 0));
    QCOMPARE(ziehen.begonnen, 1);
    QCOMPARE(ziehen.abgelegt, 1);
    QVERIFY(name->text().contains("Programm"));
    QCOMPARE(text->textCursor().selectedText(), QStringLiteral("Programm"));  // still chosen, as after any drag
    const QString danach = name->text();
    QTest::qWait(350);  // the auto-scroll's steps are 100 ms apart
    QCOMPARE(ziehen.begonnen, 1);
    QVERIFY(!ziehen.laeuft);
    QMenu* datei = s.w.Menue("FileMenu");
    QTest::mouseClick(s.w.windowHandle(), Qt::LeftButton, {},
                      s.w.menuBar()->mapTo(&s.w, s.w.menuBar()->actionGeometry(datei->menuAction()).center()));
    QTRY_VERIFY(datei->isVisible());
    datei->close();
    const QPoint leer(700, 70);
    QCOMPARE(s.w.centralWidget()->childAt(leer), nullptr);
    QTest::mouseClick(s.w.windowHandle(), Qt::LeftButton, {}, s.w.centralWidget()->mapTo(&s.w, leer));
    QTest::mouseClick(s.w.windowHandle(), Qt::LeftButton, {}, ueberName);
    QCOMPARE(ziehen.abgelegt, 1);
    QCOMPARE(name->text(), danach);
  }

  // A capital umlaut keeps its dots in a list row: the row of "Öl" has
  // pixels drawn above the O, higher than anything in the row of "Ol", in
  // the object list and in the command list.
  void umlauteBehaltenIhrePunkte() {
    Sitzung s;
    s.Punkt("Ol", "1");
    s.Punkt(QStringLiteral(u"Öl"), "2");
    // The topmost line of the row that holds `name` with anything drawn on it.
    auto Oberkante = [](QAbstractItemView* v, const QString& name) {
      const QModelIndexList zeilen = v->model()->match(v->model()->index(0, 0), Qt::DisplayRole, name, 1,
                                                       Qt::MatchContains);
      if (zeilen.isEmpty()) return -1;
      const QImage bild = v->viewport()->grab(v->visualRect(zeilen.front())).toImage();
      for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
          if (qGray(bild.pixel(x, y)) < 160) return y;
      return bild.height();
    };
    for (const char* liste : {"QuarnelLB", "ProtokollBox"}) {
      auto* v = s.E<QAbstractItemView>(liste);
      QVERIFY(!v->selectionModel()->hasSelection());  // no row is painted as chosen
      const int ol = Oberkante(v, "Ol");
      const int oel = Oberkante(v, QStringLiteral(u"Öl"));
      QVERIFY2(ol > 0 && oel >= 0, liste);
      QVERIFY2(oel < ol, liste);
    }
  }

  void hilfeUndInfofenster() {
    Sitzung s;
    s.Menue("InfoHilfe");
    QPointer<Nebenfenster> hilfe = s.w.Fenster(kHilfeFensterArt);
    QVERIFY(hilfe && hilfe->isVisible());
    QVERIFY(!(hilfe->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(hilfe->size(), QSize(kHilfeFensterArt.breite, kHilfeFensterArt.hoehe));
    auto* text = qobject_cast<QPlainTextEdit*>(hilfe->Element("InfoTxt"));
    QVERIFY(text->isReadOnly());
    QVERIFY(text->toPlainText().startsWith("Hilfe zum Programm Quarnel2 ( V0.81)\n"));
    qobject_cast<QPushButton*>(hilfe->Element("HilfeB"))->click();
    QVERIFY(hilfe->isHidden());
    s.Menue("InfoHilfe");
    QCOMPARE(s.w.Fenster(kHilfeFensterArt), hilfe.data());
    QVERIFY(hilfe->isVisible());
    // Opening the help menu's title shows the help too.
    qobject_cast<QPushButton*>(hilfe->Element("HilfeB"))->click();
    emit s.w.Menue("HilfeM")->aboutToShow();
    QVERIFY(hilfe->isVisible());

    s.Menue("InfoQuarnel");
    QPointer<Nebenfenster> info = s.w.Fenster(kInformFensterArt);
    QVERIFY(info && info->isVisible());
    QCOMPARE(info->minimumSize(), info->maximumSize());
    QVERIFY(!info->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QString inhalt = qobject_cast<QPlainTextEdit*>(info->Element("InfoF"))->toPlainText();
    // The whole text, longer than the area, which scrolls.
    QCOMPARE(inhalt, QtPlattform::Anzeigetext(std::string(Infotext())));
    QVERIFY(qobject_cast<QPlainTextEdit*>(info->Element("InfoF"))->verticalScrollBar()->maximum() > 0);
    info->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(info.isNull());
    QVERIFY(!s.h.InformFenster.sichtbar);
    s.Menue("InfoQuarnel");
    QVERIFY(s.w.Fenster(kInformFensterArt) != nullptr && s.w.Fenster(kInformFensterArt)->isVisible());
    QCOMPARE(qobject_cast<QPlainTextEdit*>(s.w.Fenster(kInformFensterArt)->Element("InfoF"))->toPlainText(), inhalt);
  }

  void zeilenendenFuerDieAnzeige() {
    QCOMPARE(QtPlattform::Anzeigetext("a\rb\r\nc\nÄ"), QStringLiteral("a\nb\nc\nÄ"));
  }

  // The desktop program ends its event loop with the code asked for.
  void plattformBeendetDieSchleife() {
    QtPlattform p;
    QTimer::singleShot(0, [&p] { p.Beenden(0); });
    QTimer notbremse;
    notbremse.setSingleShot(true);
    connect(&notbremse, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    notbremse.start(10000);
    QCOMPARE(QCoreApplication::exec(), 0);
  }
};

QTEST_MAIN(HauptFensterTest)
#include "HauptFensterTest.moc"
