#include "qt/HauptFenster.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPalette>

#include <map>

#include "qt/Ansicht.h"
#include "qt/Texte.h"
#include "ui/menus/Fenster.h"
#include "ui/menus/Menueleiste.h"

namespace quarnel {

namespace {

// "Cmd+X" as Qt writes it: Ctrl+X (the Command key where there is one).
QKeySequence Tastenkuerzel(std::string_view kuerzel) {
  std::string s(kuerzel);
  if (s.starts_with("Cmd+")) s.replace(0, 4, "Ctrl+");
  return QKeySequence::fromString(QText(s), QKeySequence::PortableText);
}

// A key that only modifies others reaches no key handler.
bool NurUmschalter(int taste) {
  switch (taste) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Meta: case Qt::Key_Alt: case Qt::Key_AltGr:
    case Qt::Key_CapsLock: case Qt::Key_NumLock: case Qt::Key_ScrollLock:
    case Qt::Key_Super_L: case Qt::Key_Super_R: case Qt::Key_Hyper_L: case Qt::Key_Hyper_R:
      return true;
    default:
      return false;
  }
}

// The key as the key handlers take it: its text, CR for Return and Enter.
std::string Tastentext(const QKeyEvent& e) {
  if (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter) return "\r";
  return Utf8(e.text());
}

}  // namespace

void HauptFenster::Vordialog::MsgBox(const std::string& text) {
  fenster_.Abgleichen();
  ui_.MsgBox(text);
}

Antwort HauptFenster::Vordialog::Frage(const std::string& text, FrageArt art) {
  fenster_.Abgleichen();
  return ui_.Frage(text, art);
}

std::optional<std::string> HauptFenster::Vordialog::OeffnenDialog() {
  fenster_.Abgleichen();
  return ui_.OeffnenDialog();
}

std::optional<std::string> HauptFenster::Vordialog::SpeichernDialog(const std::string& vorschlag) {
  fenster_.Abgleichen();
  return ui_.SpeichernDialog(vorschlag);
}

void HauptFenster::Vordialog::Ereignisse() {
  // The window repaints in the middle of a long loop: its lists read the
  // core's rows as they paint, so they are brought along first. (The other
  // widgets show texts of their own and follow at the end of the event.)
  fenster_.haupt_.ListenNachfuehren();
  fenster_.ansicht_->ListenAbgleichen();
  ui_.Ereignisse();
}

HauptFenster::HauptFenster(Plattform& ui, QWidget* eltern) : QMainWindow(eltern), ui_(ui, *this), haupt_(ui_) {
  setWindowTitle(QText(kHauptFenster.titel));
  // The content area has a fixed size: every control sits at a fixed place.
  inhalt_ = new QWidget(this);
  inhalt_->setObjectName(QStringLiteral("Inhalt"));
  inhalt_->setFixedSize(kHauptFenster.breite, kHauptFenster.hoehe);
  inhalt_->setAutoFillBackground(true);
  QPalette p = inhalt_->palette();
  p.setColor(QPalette::Window, Qt::white);
  inhalt_->setPalette(p);
  setCentralWidget(inhalt_);
  ansicht_ = new Ansicht(kHauptFenster, *this, *inhalt_);
  // Any mouse movement over the window counts, over the controls too.
  inhalt_->setMouseTracking(true);
  for (QWidget* w : inhalt_->findChildren<QWidget*>()) w->setMouseTracking(true);

  for (const Fensterart* art : kFenster)
    if (art != &kHauptFenster) seitenfenster_.push_back({art, nullptr});
  BaueMenueleiste();
  // The window is as large as its fixed content and its menu bar, and
  // offers no maximise button.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  // Keys, mouse movements and shortcut overrides of all the program's
  // windows pass one filter.
  qApp->installEventFilter(this);
  if (kHauptFenster.oeffnen != nullptr) Weiterleiten(kHauptFenster.oeffnen);
}

HauptFenster::~HauptFenster() {
  qApp->removeEventFilter(this);
  // The widgets read the core's models: they go before the core does.
  for (Seitenfenster& s : seitenfenster_) delete s.fenster;
  delete takeCentralWidget();
}

void HauptFenster::BaueMenueleiste() {
  std::map<std::string_view, QMenu*> menues;
  for (const MenueEintrag& e : kMenueleiste) {
    QMenu* eltern = e.eltern.empty() ? nullptr : menues.at(e.eltern);
    const std::string_view name = e.name;
    auto waehlen = [this, name] { Weiterleiten([name](HauptF& h) { MenueGewaehlt(h, name); }); };
    switch (e.art) {
      case Eintragsart::Titel:
      case Eintragsart::Untermenue: {
        QMenu* m = eltern != nullptr ? eltern->addMenu(QText(e.text)) : menuBar()->addMenu(QText(e.text));
        m->setObjectName(QText(e.name));
        menues[e.name] = m;
        // Opening a menu is what choosing its title is here: the help menu's
        // title shows the help; the other titles do nothing.
        connect(m, &QMenu::aboutToShow, this, waehlen);
        break;
      }
      case Eintragsart::Trenner:
        eltern->addSeparator()->setObjectName(QText(e.name));
        break;
      case Eintragsart::Befehl: {
        QAction* a = eltern->addAction(QText(e.text));
        a->setObjectName(QText(e.name));
        if (!e.kuerzel.empty()) {
          const QKeySequence k = Tastenkuerzel(e.kuerzel);
          a->setShortcut(k);
          kuerzel_.insert(k[0].toCombined());
        }
        // One menu bar for the whole program: its shortcuts act in every
        // window of it, and no entry moves to a menu of the desktop's.
        a->setShortcutContext(Qt::ApplicationShortcut);
        a->setMenuRole(QAction::NoRole);
        // A held key chooses the entry once: deleting or restoring runs the
        // whole list again each time.
        a->setAutoRepeat(false);
        connect(a, &QAction::triggered, this, waehlen);
        break;
      }
    }
  }
}

QWidget* HauptFenster::Element(std::string_view name) const { return ansicht_->Element(name); }

QAction* HauptFenster::Eintrag(std::string_view name) const { return menuBar()->findChild<QAction*>(QText(name)); }

QMenu* HauptFenster::Menue(std::string_view name) const { return menuBar()->findChild<QMenu*>(QText(name)); }

Nebenfenster* HauptFenster::Fenster(const Fensterart& art) const {
  for (const Seitenfenster& s : seitenfenster_)
    if (s.art == &art) return s.fenster;
  return nullptr;
}

void HauptFenster::AbgleichenSeitenfenster(Seitenfenster& s) {
  const Fensterart& art = *s.art;
  // A window that takes typing takes the keyboard when it is shown and
  // gives it back to the main window when it is hidden.
  const bool tastatur = art.fokus != nullptr;
  if (art.sichtbar(haupt_)) {
    if (s.fenster == nullptr) {
      s.fenster = new Nebenfenster(art, this);
      s.ansicht = new Ansicht(art, *this, *s.fenster);
      connect(s.fenster, &Nebenfenster::schliesst, this, [this, &art] { Weiterleiten(art.schliessen); });
    }
    s.ansicht->Abgleichen();
    if (s.fenster->isHidden()) {
      s.fenster->show();
      if (tastatur) {
        s.fenster->raise();
        s.fenster->activateWindow();
      }
    }
  } else if (s.fenster != nullptr && !s.fenster->isHidden()) {
    // A window that had the keyboard gives it back too, even without a
    // window manager to hand it on.
    const bool aktiv = s.fenster->isActiveWindow();
    s.fenster->hide();
    if (tastatur || aktiv) activateWindow();
  }
}

void HauptFenster::Abgleichen() {
  haupt_.ListenNachfuehren();
  ansicht_->Abgleichen();
  for (Seitenfenster& s : seitenfenster_) AbgleichenSeitenfenster(s);
}

Ansicht* HauptFenster::AnsichtVon(const QWidget* w) const {
  const QWidget* fenster = w->window();
  if (fenster == this) return ansicht_;
  for (const Seitenfenster& s : seitenfenster_)
    if (s.fenster != nullptr && fenster == s.fenster) return s.ansicht;
  return nullptr;
}

std::optional<bool> HauptFenster::Taste(QWidget* empfaenger, QKeyEvent& e) {
  Ansicht* ansicht = AnsichtVon(empfaenger);
  if (ansicht == nullptr) return std::nullopt;
  bool (*taste)(HauptF&, std::string_view) = nullptr;
  if (const Steuerelement* s = ansicht->Zeile(empfaenger); s != nullptr && s->verhalten.taste != nullptr)
    taste = s->verhalten.taste;
  else if (empfaenger == ansicht->Inhalt().window() || ansicht->Inhalt().isAncestorOf(empfaenger))
    // The window's own keys come from its controls, not from its menu bar.
    taste = ansicht->Art().taste;
  if (taste == nullptr) return std::nullopt;
  const std::string t = Tastentext(e);
  return Weiterleiten([taste, &t](HauptF& h) { return taste(h, t); });
}

bool HauptFenster::Gehalten(const QKeyEvent& k) const {
  if (k.isAutoRepeat()) return true;
  // A time of 0 is no time: a key made up by a program, not by the desktop.
  const auto los = losgelassen_.constFind(k.key());
  return k.timestamp() != 0 && los != losgelassen_.cend() && *los == k.timestamp();
}

bool HauptFenster::eventFilter(QObject* ziel, QEvent* e) {
  const QEvent::Type art = e->type();
  if (art == QEvent::KeyRelease) {
    auto* k = static_cast<QKeyEvent*>(e);
    losgelassen_[k->key()] = k->timestamp();
    return false;
  }
  if (art != QEvent::KeyPress && art != QEvent::ShortcutOverride && art != QEvent::MouseMove && art != QEvent::Leave)
    return false;
  auto* w = qobject_cast<QWidget*>(ziel);
  // A key held down before a message box opened does not answer the box:
  // its repeats would press the box's button before it could be read.
  if (art == QEvent::KeyPress && w != nullptr && qobject_cast<QMessageBox*>(w->window()) != nullptr &&
      Gehalten(*static_cast<QKeyEvent*>(e)))
    return true;
  if (w == nullptr || AnsichtVon(w) == nullptr) return false;
  switch (art) {
    case QEvent::ShortcutOverride: {
      auto* k = static_cast<QKeyEvent*>(e);
      if (!kuerzel_.contains(k->keyCombination().toCombined())) return false;
      // A held shortcut chooses its entry once: its repeats are accepted
      // here, which keeps them from the menu, and dropped as key presses.
      if (Gehalten(*k)) {
        k->accept();
        return true;
      }
      // Filtered out, and so not accepted by the focused field, the override
      // leaves the key to the menu's shortcut: Ctrl+C chooses "als Schnitt"
      // even in a text field. (Accepting it would give the key to the field.)
      return true;
    }
    case QEvent::KeyPress: {
      auto* k = static_cast<QKeyEvent*>(e);
      if (zustellung_ != nullptr) {
        // A handled key that its control ignores (a line edit ignores
        // Return) stops there instead of travelling on to the window.
        if (w == zustellung_) return false;
        k->accept();
        return true;
      }
      // Only the first receiver counts: a key another part of the window
      // ignored and handed on is not a key press of its own.
      QWidget* fokus = QApplication::focusWidget();
      if (fokus != nullptr ? w != fokus : !w->isWindow()) return false;
      if (NurUmschalter(k->key())) return false;
      if (Gehalten(*k)) {
        // A held shortcut's repeats do nothing, not even a text field's
        // editing (Ctrl+X would cut).
        if (kuerzel_.contains(k->keyCombination().toCombined())) {
          k->accept();
          return true;
        }
        // A held Return is one press: it runs the form once, as a held
        // shortcut chooses its entry once.
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) return false;
      }
      const std::optional<bool> schlucken = Taste(w, *k);
      if (!schlucken.has_value() || *schlucken) return schlucken.value_or(false);
      // The handler may have shown a message box; once it is closed the
      // focus may be nowhere, and a key handed on from the control would
      // look like a new key press to the window and run its Return again.
      // So the key goes to its control alone: one key press, one handler.
      QPointer<QWidget> empfaenger(w);
      {
        const QScopedValueRollback<QWidget*> nurDort(zustellung_, w);
        // notify, not sendEvent: the key stays what it was, a key typed.
        if (empfaenger != nullptr) QCoreApplication::instance()->notify(w, k);
      }
      k->accept();
      return true;
    }
    case QEvent::MouseMove: {
      // A move the first receiver ignores travels on to its parents: count
      // it once.
      const auto zeit = static_cast<QMouseEvent*>(e)->timestamp();
      Ansicht* ansicht = AnsichtVon(w);
      if (ansicht->Art().mausbewegung != nullptr && zeit != letzteBewegung_) {
        letzteBewegung_ = zeit;
        Weiterleiten(ansicht->Art().mausbewegung);
      }
      return false;
    }
    case QEvent::Leave:
      if (const Steuerelement* s = AnsichtVon(w)->Zeile(w); s != nullptr && s->verhalten.verlassen != nullptr)
        Weiterleiten(s->verhalten.verlassen);
      return false;
    default:
      return false;
  }
}

void HauptFenster::closeEvent(QCloseEvent* e) {
  // Closing the window is quitting: the core asks first, and no work is lost.
  if (kHauptFenster.schliessen != nullptr && Weiterleiten(kHauptFenster.schliessen))
    e->accept();
  else
    e->ignore();
}

}  // namespace quarnel
