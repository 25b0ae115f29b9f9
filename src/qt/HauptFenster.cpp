#include "qt/HauptFenster.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include <map>
#include <utility>

#include "qt/Ablagefeld.h"
#include "qt/Beschreibungsanzeige.h"
#include "qt/Nebenfenster.h"
#include "qt/QtPlattform.h"
#include "qt/Steuerbau.h"
#include "qt/ZeilenModell.h"
#include "ui/menus/Editierfenster.h"
#include "ui/menus/Hilfetexte.h"
#include "ui/menus/Menueleiste.h"

namespace quarnel {

namespace {

// Which control of the main window shows which model of the core.
constexpr std::pair<std::string_view, void (HauptF::*)()> kKnoepfe[] = {
    {"TuEsButton", &HauptF::TuEsButton_Action},         {"BevelButton1", &HauptF::BevelButton1_Action},
    {"KillLastOrder3", &HauptF::KillLastOrder3_Action}, {"Beschr2ClipbB", &HauptF::Beschr2ClipbB_Action},
    {"BefListe2ClipbB1", &HauptF::BefListe2ClipbB1_Action}, {"SprachInfoB", &HauptF::SprachInfoB_Action},
};
constexpr std::pair<std::string_view, std::string (HauptF::*)(int) const> kZiehen[] = {
    {"QuarnelLB", &HauptF::QuarnelLB_DragRow}, {"ProtokollBox", &HauptF::ProtokollBox_DragRow}};
constexpr std::pair<std::string_view, Textfeld Editierfenster::*> kEditierfelder[] = {
    {"xF", &Editierfenster::xF}, {"yF", &Editierfenster::yF}, {"zF", &Editierfenster::zF}, {"dF", &Editierfenster::dF}};

template <class T, std::size_t N>
T Finde(const std::pair<std::string_view, T> (&tabelle)[N], std::string_view name) {
  for (const auto& [n, wert] : tabelle)
    if (n == name) return wert;
  return nullptr;
}

// "Cmd+X" as Qt writes it: Ctrl+X (the Command key where there is one).
QKeySequence Tastenkuerzel(std::string_view kuerzel) {
  std::string s(kuerzel);
  if (s.starts_with("Cmd+")) s.replace(0, 4, "Ctrl+");
  return QKeySequence::fromString(Q(s), QKeySequence::PortableText);
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
  return S(e.text());
}

// The field the core sends the keyboard to shows its text selected, so that
// typing replaces it.
void Fokussiere(QWidget* w) {
  if (w == nullptr) return;
  w->setFocus();
  if (auto* zeile = qobject_cast<QLineEdit*>(w)) zeile->selectAll();
}

void SetzeSichtbar(QWidget& w, bool sichtbar) {
  if (w.isHidden() == sichtbar) w.setVisible(sichtbar);
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

HauptFenster::HauptFenster(Plattform& ui, QWidget* eltern) : QMainWindow(eltern), ui_(ui, *this), haupt_(ui_) {
  setWindowTitle(Q(kHauptFenster.titel));
  BaueInhalt();
  BaueMenueleiste();
  BaueEditierfenster(koord_, haupt_.KoordFenster, kKoordFensterSteuerelemente, "KoordText", true);
  BaueEditierfenster(gl_, haupt_.GlFenster, kGlFensterSteuerelemente, "GlText", false);
  // Keys, mouse movements and shortcut overrides of all the program's
  // windows pass one filter.
  qApp->installEventFilter(this);
  Weiterleiten([](HauptF& h) { h.Open(); });
}

HauptFenster::~HauptFenster() {
  qApp->removeEventFilter(this);
  // The widgets read the core's models: they go before the core does.
  delete inform_;
  delete hilfe_;
  delete koord_;
  delete gl_;
  delete takeCentralWidget();
}

void HauptFenster::BaueInhalt() {
  // The content area has a fixed size: every control sits at a fixed place.
  inhalt_ = new QWidget(this);
  inhalt_->setObjectName(QStringLiteral("Inhalt"));
  inhalt_->setFixedSize(kInhaltBreite, kInhaltHoehe);
  inhalt_->setAutoFillBackground(true);
  QPalette p = inhalt_->palette();
  p.setColor(QPalette::Window, Qt::white);
  inhalt_->setPalette(p);
  setCentralWidget(inhalt_);

  for (const Steuerelement& s : kHauptFSteuerelemente) {
    const bool ablage = s.name == "LoeschF" || s.name == "SammelF";
    QWidget* w = nullptr;
    if (ablage) {
      auto* a = new Ablagefeld(inhalt_);
      Gestalte(*a, s);
      w = a;
    } else {
      w = BaueSteuerelement(s, inhalt_);
    }
    if (Textfeld* feld = haupt_.TextfeldNamens(s.name)) BindeFeld(*feld, w, ablage);
    if (Beschriftung* b = haupt_.BeschriftungNamens(s.name))
      beschriftungen_.push_back({b, static_cast<QLabel*>(w), S(static_cast<QLabel*>(w)->text())});
    if (Auswahlliste* liste = haupt_.ListeNamens(s.name)) {
      ZeilenModell::Ziehtext ziehtext;
      if (auto ziehen = Finde(kZiehen, s.name); ziehen && s.ziehbar)
        ziehtext = [this, ziehen](int zeile) { return (haupt_.*ziehen)(zeile); };
      BindeListe(*liste, static_cast<QListView*>(w), std::move(ziehtext));
    }
    if (auto knopf = Finde(kKnoepfe, s.name))
      connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this,
              [this, knopf] { Weiterleiten([knopf](HauptF& h) { (h.*knopf)(); }); });
  }
  gnameF_ = Element("GnameF");
  loeschF_ = Element("LoeschF");
  sammelF_ = Element("SammelF");
  lastInfoF_ = static_cast<QPlainTextEdit*>(Element("LastInfoF"));
  lastInfoGezeigt_ = MehrzeiligerText(lastInfoF_->toPlainText());
  beschreibung_ = new Beschreibungsanzeige(*static_cast<QPlainTextEdit*>(Element("InfoF")));

  // The version button shows a picture of the style, no caption.
  auto* info = static_cast<QPushButton*>(Element("SprachInfoB"));
  info->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  info->setIconSize(QSize(24, 24));

  popup_ = static_cast<QComboBox*>(Element("PopupMenu1"));
  for (std::string_view eintrag : kDezimalenEintraege) popup_->addItem(Q(eintrag));
  popup_->setCurrentIndex(haupt_.fenster.PopupMenu1);
  connect(popup_, &QComboBox::activated, this,
          [this](int i) { Weiterleiten([i](HauptF& h) { h.PopupMenu1_Change(i); }); });

  connect(static_cast<QListView*>(Element("G2ListB"))->selectionModel(), &QItemSelectionModel::selectionChanged,
          this, [this] { Weiterleiten([](HauptF& h) { h.G2ListB_Change(); }); });
  connect(static_cast<QListView*>(Element("QuarnelLB")), &QListView::doubleClicked, this,
          [this] { Weiterleiten([](HauptF& h) { h.QuarnelLB_DoubleClick(); }); });
  connect(static_cast<QListView*>(Element("ProtokollBox")), &QListView::doubleClicked, this,
          [this] { Weiterleiten([](HauptF& h) { h.ProtokollBox_DoubleClick(); }); });

  // Any mouse movement over the window counts, over the controls too.
  inhalt_->setMouseTracking(true);
  for (QWidget* w : inhalt_->findChildren<QWidget*>()) w->setMouseTracking(true);
}

void HauptFenster::BindeFeld(Textfeld& feld, QWidget* w, bool ablage) {
  Feldbindung& b = felder_.emplace_back();
  b.feld = &feld;
  b.ablage = ablage;
  if (auto* zeile = qobject_cast<QLineEdit*>(w)) {
    b.zeile = zeile;
    b.gezeigt = S(zeile->text());
    if (ablage) {
      connect(static_cast<Ablagefeld*>(zeile), &Ablagefeld::abgelegt, this, [this, &feld](const QString& t) {
        Weiterleiten([&feld, text = S(t)](HauptF&) { feld.text = text; });
      });
    } else {
      connect(zeile, &QLineEdit::textEdited, this, [&b](const QString& t) {
        b.feld->text = S(t);
        b.gezeigt = b.feld->text;
      });
    }
  } else if (auto* mehr = qobject_cast<QPlainTextEdit*>(w)) {
    b.mehrzeilig = mehr;
    b.gezeigt = MehrzeiligerText(mehr->toPlainText());
    // Written by the program only under a signal blocker, so this is typing.
    connect(mehr, &QPlainTextEdit::textChanged, this, [&b] {
      b.feld->text = MehrzeiligerText(b.mehrzeilig->toPlainText());
      b.gezeigt = b.feld->text;
    });
  }
}

void HauptFenster::BindeListe(Auswahlliste& liste, QListView* ansicht, ZeilenModell::Ziehtext ziehtext) {
  auto* modell = new ZeilenModell(liste, std::move(ziehtext), ansicht);
  ansicht->setModel(modell);
  listen_.push_back({&liste, ansicht, modell});
  // The selection goes into the model as the user makes it.
  connect(ansicht->selectionModel(), &QItemSelectionModel::selectionChanged, this, [&liste, ansicht] {
    const QModelIndexList gewaehlt = ansicht->selectionModel()->selectedRows();
    liste.auswahl = gewaehlt.isEmpty() ? -1 : gewaehlt.front().row();
  });
  // A double-click acts on the row clicked.
  connect(ansicht, &QListView::doubleClicked, this, [&liste](const QModelIndex& i) { liste.auswahl = i.row(); });
}

void HauptFenster::BaueMenueleiste() {
  std::map<std::string_view, QMenu*> menues;
  for (const MenueEintrag& e : kMenueleiste) {
    QMenu* eltern = e.eltern.empty() ? nullptr : menues.at(e.eltern);
    switch (e.art) {
      case Eintragsart::Titel:
      case Eintragsart::Untermenue: {
        QMenu* m = eltern != nullptr ? eltern->addMenu(Q(e.text)) : menuBar()->addMenu(Q(e.text));
        m->setObjectName(Q(e.name));
        menues[e.name] = m;
        // Choosing the help menu's title shows the help as well: opening it
        // is what choosing a title is here.
        if (e.name == "HilfeM") {
          const std::string_view name = e.name;
          connect(m, &QMenu::aboutToShow, this,
                  [this, name] { Weiterleiten([name](HauptF& h) { MenueGewaehlt(h, name); }); });
        }
        break;
      }
      case Eintragsart::Trenner:
        eltern->addSeparator()->setObjectName(Q(e.name));
        break;
      case Eintragsart::Befehl: {
        QAction* a = eltern->addAction(Q(e.text));
        a->setObjectName(Q(e.name));
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
        const std::string_view name = e.name;
        connect(a, &QAction::triggered, this,
                [this, name] { Weiterleiten([name](HauptF& h) { MenueGewaehlt(h, name); }); });
        break;
      }
    }
  }
}

void HauptFenster::BaueEditierfenster(Nebenfenster*& ansicht, Editierfenster& modell,
                                      std::span<const Steuerelement> tabelle, std::string_view titelname,
                                      bool koord) {
  ansicht = new Nebenfenster(koord ? kKoordFenster : kGlFenster, tabelle, this, Qt::Window);
  for (const auto& [name, feld] : kEditierfelder)
    if (QWidget* w = ansicht->Element(name)) BindeFeld(modell.*feld, w);
  auto* titel = static_cast<QLabel*>(ansicht->Element(titelname));
  beschriftungen_.push_back({&modell.Titel, titel, S(titel->text())});
  auto ok = [koord](HauptF& h) {
    if (koord)
      KoordFenster(h).AktualisierenB_Action();
    else
      GlFenster(h).AktualisierenB_Action();
  };
  auto abbrechen = [koord](HauptF& h) {
    if (koord)
      KoordFenster(h).AbbrechB_Action();
    else
      GlFenster(h).AbbrechB_Action();
  };
  connect(static_cast<QPushButton*>(ansicht->Element("AktualisierenB")), &QPushButton::clicked, this,
          [this, ok] { Weiterleiten(ok); });
  connect(static_cast<QPushButton*>(ansicht->Element("AbbrechB")), &QPushButton::clicked, this,
          [this, abbrechen] { Weiterleiten(abbrechen); });
  // The close box cancels.
  connect(ansicht, &Nebenfenster::schliesst, this, [this, abbrechen] { Weiterleiten(abbrechen); });
}

Nebenfenster* HauptFenster::BaueTextfenster(const Fensterart& art, std::span<const Steuerelement> tabelle,
                                            std::string_view text, bool schliessbar) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint;
  if (schliessbar) flags |= Qt::WindowCloseButtonHint;
  auto* f = new Nebenfenster(art, tabelle, this, flags);
  for (const Steuerelement& s : tabelle) {
    QWidget* w = f->Element(s.name);
    if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
      t->setPlainText(QtPlattform::Anzeigetext(std::string(text)));
      t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    } else if (auto* k = qobject_cast<QPushButton*>(w)) {
      k->setFocusPolicy(Qt::NoFocus);
    }
  }
  return f;
}

QWidget* HauptFenster::Element(std::string_view name) const {
  return inhalt_->findChild<QWidget*>(Q(name), Qt::FindDirectChildrenOnly);
}

QAction* HauptFenster::Eintrag(std::string_view name) const {
  return menuBar()->findChild<QAction*>(Q(name));
}

QMenu* HauptFenster::Menue(std::string_view name) const { return menuBar()->findChild<QMenu*>(Q(name)); }

void HauptFenster::AbgleichenFeld(Feldbindung& b) {
  const Textfeld& f = *b.feld;
  QWidget* w = b.zeile != nullptr ? static_cast<QWidget*>(b.zeile) : b.mehrzeilig;
  if (f.text != b.gezeigt) {
    // Written only when it differs: setting a line edit's text moves its
    // cursor, and a multi-line field would report it as typing.
    b.gezeigt = f.text;
    if (b.zeile != nullptr) {
      b.zeile->setText(Q(f.text));
    } else {
      const QSignalBlocker still(b.mehrzeilig);
      b.mehrzeilig->setPlainText(QtPlattform::Anzeigetext(f.text));
    }
  }
  if (!b.ablage) {
    if (b.zeile != nullptr && b.zeile->isReadOnly() != f.nurLesen) b.zeile->setReadOnly(f.nurLesen);
    if (b.mehrzeilig != nullptr && b.mehrzeilig->isReadOnly() != f.nurLesen) b.mehrzeilig->setReadOnly(f.nurLesen);
  }
  SetzeSichtbar(*w, f.sichtbar);
}

void HauptFenster::AbgleichenEditierfenster(Nebenfenster& ansicht, Editierfenster& modell) {
  if (modell.sichtbar && ansicht.isHidden()) {
    ansicht.show();
    ansicht.raise();
    ansicht.activateWindow();
  } else if (!modell.sichtbar && !ansicht.isHidden()) {
    ansicht.hide();
    // The keyboard goes back to the main window.
    activateWindow();
  }
  if (!modell.Fokus.empty()) {
    Fokussiere(ansicht.Element(modell.Fokus));
    modell.Fokus.clear();
  }
}

void HauptFenster::AbgleichenTextfenster() {
  if (haupt_.HilfeFenster.sichtbar) {
    if (hilfe_ == nullptr) {
      hilfe_ = BaueTextfenster(kHilfeFenster, kHilfeFensterSteuerelemente, Hilfetext(), false);
      connect(static_cast<QPushButton*>(hilfe_->Element("HilfeB")), &QPushButton::clicked, this,
              [this] { Weiterleiten([](HauptF& h) { h.HilfeFenster.sichtbar = false; }); });
      // Closed all the same (the desktop may offer it): hidden, as by its button.
      connect(hilfe_, &Nebenfenster::schliesst, this,
              [this] { Weiterleiten([](HauptF& h) { h.HilfeFenster.sichtbar = false; }); });
    }
    if (hilfe_->isHidden()) hilfe_->show();
  } else if (hilfe_ != nullptr && !hilfe_->isHidden()) {
    hilfe_->hide();
  }

  if (haupt_.InformFenster.sichtbar) {
    if (inform_ == nullptr) {
      inform_ = BaueTextfenster(kInformFenster, kInformFensterSteuerelemente, Infotext(), true);
      // The close box discards the window; the next showing builds it anew.
      inform_->setAttribute(Qt::WA_DeleteOnClose);
      connect(static_cast<QPushButton*>(inform_->Element("InfoB")), &QPushButton::clicked, this,
              [this] { Weiterleiten([](HauptF& h) { h.InformFenster.sichtbar = false; }); });
      connect(inform_, &Nebenfenster::schliesst, this, [this] {
        inform_ = nullptr;
        Weiterleiten([](HauptF& h) { h.InformFenster.sichtbar = false; });
      });
    }
    if (inform_->isHidden()) inform_->show();
  } else if (inform_ != nullptr && !inform_->isHidden()) {
    inform_->hide();
  }
}

void HauptFenster::Abgleichen() {
  Eingabeform& f = haupt_.form;
  for (Feldbindung& b : felder_) AbgleichenFeld(b);
  for (Beschriftungsbindung& b : beschriftungen_) {
    if (b.beschriftung->text != b.gezeigt) {
      b.gezeigt = b.beschriftung->text;
      b.label->setText(Q(b.gezeigt));
    }
    SetzeSichtbar(*b.label, b.beschriftung->sichtbar);
  }
  // The lists are reloaded only when the core loaded new rows.
  for (Listenbindung& l : listen_) {
    l.modell->Abgleichen();
    SetzeSichtbar(*l.ansicht, l.liste->sichtbar);
    QItemSelectionModel* auswahl = l.ansicht->selectionModel();
    const QModelIndexList gewaehlt = auswahl->selectedRows();
    const int gezeigt = gewaehlt.isEmpty() ? -1 : gewaehlt.front().row();
    if (gezeigt != l.liste->auswahl) {
      const QSignalBlocker still(auswahl);
      if (l.liste->auswahl < 0)
        auswahl->clearSelection();
      else
        auswahl->select(l.modell->index(l.liste->auswahl), QItemSelectionModel::ClearAndSelect);
      l.ansicht->viewport()->update();
    }
  }
  if (haupt_.ausgabe.InfoStand() != infoStand_) {
    infoStand_ = haupt_.ausgabe.InfoStand();
    beschreibung_->Zeige(haupt_.ausgabe.InfoFBloecke());
  }
  if (haupt_.ausgabe.LastInfoF != lastInfoGezeigt_) {
    lastInfoGezeigt_ = haupt_.ausgabe.LastInfoF;
    lastInfoF_->setPlainText(QtPlattform::Anzeigetext(lastInfoGezeigt_));
  }
  if (popup_->currentIndex() != haupt_.fenster.PopupMenu1) {
    const QSignalBlocker still(popup_);
    popup_->setCurrentIndex(haupt_.fenster.PopupMenu1);
  }

  AbgleichenEditierfenster(*koord_, haupt_.KoordFenster);
  AbgleichenEditierfenster(*gl_, haupt_.GlFenster);
  AbgleichenTextfenster();

  if (!f.Fokus.empty()) {
    Fokussiere(Element(f.Fokus));
    f.Fokus.clear();
  }
}

bool HauptFenster::Eigenes(const QWidget* fenster) const {
  return fenster == this || fenster == koord_ || fenster == gl_ || (fenster != nullptr && (fenster == hilfe_ || fenster == inform_));
}

// Return in an edit window confirms it from its number fields only; on its
// buttons the keys keep their own meaning (Space presses "Abbrechen").
bool HauptFenster::Editierfeld(Nebenfenster& fenster, const QWidget* w) {
  for (const auto& [name, feld] : kEditierfelder)
    if (fenster.Element(name) == w) return true;
  return false;
}

std::optional<bool> HauptFenster::Taste(QWidget* empfaenger, QKeyEvent& e) {
  const std::string t = Tastentext(e);
  bool schlucken = false;
  QWidget* fenster = empfaenger->window();
  if (empfaenger == gnameF_)
    Weiterleiten([&](HauptF& h) { schlucken = h.GnameF_KeyDown(t); });
  else if (empfaenger == loeschF_)
    Weiterleiten([&](HauptF& h) { schlucken = h.LoeschF_KeyDown(t); });
  else if (empfaenger == sammelF_)
    Weiterleiten([&](HauptF& h) { schlucken = h.SammelF_KeyDown(t); });
  else if (fenster == koord_ && Editierfeld(*koord_, empfaenger))
    Weiterleiten([&](HauptF& h) { schlucken = KoordFenster(h).KeyDown(t); });
  else if (fenster == gl_ && Editierfeld(*gl_, empfaenger))
    Weiterleiten([&](HauptF& h) { schlucken = GlFenster(h).KeyDown(t); });
  else if (empfaenger == this || inhalt_->isAncestorOf(empfaenger))
    // The window's own keys come from its controls, not from its menu bar.
    Weiterleiten([&](HauptF& h) { schlucken = h.KeyDown(t); });
  else
    return std::nullopt;
  return schlucken;
}

bool HauptFenster::eventFilter(QObject* ziel, QEvent* e) {
  const QEvent::Type art = e->type();
  if (art != QEvent::KeyPress && art != QEvent::ShortcutOverride && art != QEvent::MouseMove && art != QEvent::Leave)
    return false;
  auto* w = qobject_cast<QWidget*>(ziel);
  if (w == nullptr || !Eigenes(w->window())) return false;
  switch (art) {
    case QEvent::ShortcutOverride:
      // Filtered out, and so not accepted by the focused field, the override
      // leaves the key to the menu's shortcut: Ctrl+C chooses "als Schnitt"
      // even in a text field. (Accepting it would give the key to the field.)
      return kuerzel_.contains(static_cast<QKeyEvent*>(e)->keyCombination().toCombined());
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
      const std::optional<bool> schlucken = Taste(w, *k);
      if (!schlucken.has_value() || *schlucken) return schlucken.value_or(false);
      // The handler may have shown a message box; once it is closed the
      // focus may be nowhere, and a key handed on from the control would
      // look like a new key press to the window and run its Return again.
      // So the key goes to its control alone: one key press, one handler.
      QPointer<QWidget> ziel(w);
      {
        const QScopedValueRollback<QWidget*> nurDort(zustellung_, w);
        // notify, not sendEvent: the key stays what it was, a key typed.
        if (ziel != nullptr) QCoreApplication::instance()->notify(w, k);
      }
      k->accept();
      return true;
    }
    case QEvent::MouseMove: {
      // A move the first receiver ignores travels on to its parents: count
      // it once.
      const auto zeit = static_cast<QMouseEvent*>(e)->timestamp();
      if (w->window() == this && zeit != letzteBewegung_) {
        letzteBewegung_ = zeit;
        Weiterleiten([](HauptF& h) { h.MouseMove(); });
      }
      return false;
    }
    case QEvent::Leave:
      if (w == loeschF_) Weiterleiten([](HauptF& h) { h.LoeschF_MouseExit(); });
      if (w == sammelF_) Weiterleiten([](HauptF& h) { h.SammelF_MouseExit(); });
      return false;
    default:
      return false;
  }
}

void HauptFenster::closeEvent(QCloseEvent* e) {
  // Closing the window is quitting: the same question, and no work is lost.
  bool erlaubt = false;
  Weiterleiten([&erlaubt](HauptF& h) {
    erlaubt = BeendenErlaubt(h);
    if (erlaubt) h.ui.Beenden(0);
  });
  if (erlaubt)
    e->accept();
  else
    e->ignore();
}

}  // namespace quarnel
