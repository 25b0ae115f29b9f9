#include "qt/Steuerbau.h"

#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextCursor>

#include "qt/QtPlattform.h"
#include "qt/Texte.h"
#include "qt/Zeilenansicht.h"

namespace quarnel {

namespace {
bool BringtText(const QMimeData* quelle) { return quelle != nullptr && !quelle->formats().isEmpty(); }
}  // namespace

bool Textbereich::canInsertFromMimeData(const QMimeData* quelle) const {
  return BringtText(quelle) && QPlainTextEdit::canInsertFromMimeData(quelle);
}

void Textbereich::insertFromMimeData(const QMimeData* quelle) {
  if (BringtText(quelle)) QPlainTextEdit::insertFromMimeData(quelle);
}

void Textbereich::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) gedrueckt_ = e->position();
  QPlainTextEdit::mousePressEvent(e);
}

void Textbereich::mouseMoveEvent(QMouseEvent* e) {
  // Whether the move brings the left button while the mouse no longer holds
  // it: its release went to a drag's loop, before this move or during it.
  auto Losgelassen = [e] {
    return (e->buttons() & Qt::LeftButton) && !(QGuiApplication::mouseButtons() & Qt::LeftButton);
  };
  if (!Losgelassen()) QPlainTextEdit::mouseMoveEvent(e);
  if (!Losgelassen()) return;
  // The release where the button was pressed, so that the text stays where
  // it is: it stops the auto-scroll. The selection stays as the drag left
  // it, as after a drag whose release the edit never learns of.
  const QTextCursor auswahl = textCursor();
  QMouseEvent los(QEvent::MouseButtonRelease, gedrueckt_, viewport()->mapToGlobal(gedrueckt_), Qt::LeftButton,
                  Qt::NoButton, e->modifiers());
  QPlainTextEdit::mouseReleaseEvent(&los);
  setTextCursor(auswahl);
}

namespace {

// Applies name, geometry, background colour, font and visibility of `s`.
void Gestalte(QWidget& w, const Steuerelement& s) {
  w.setObjectName(QText(s.name));
  w.setGeometry(s.links, s.oben, s.breite, s.hoehe);
  if (s.schriftgroesse > 0 || s.fett) {
    QFont f = w.font();
    // The layout counts one point of text size as one pixel, as it does for
    // the places and sizes of the controls.
    if (s.schriftgroesse > 0) f.setPixelSize(s.schriftgroesse);
    f.setBold(s.fett);
    w.setFont(f);
  }
  if (s.art == Steuerart::Textfeld || s.art == Steuerart::Ablagefeld || s.art == Steuerart::Beschreibung) {
    QPalette p = w.palette();
    p.setColor(QPalette::Base, QColor::fromRgb(s.hintergrund));
    p.setColor(QPalette::Text, Qt::black);
    w.setPalette(p);
  }
  w.setHidden(!s.sichtbar);
}

Textbereich* BaueTextbereich(const Steuerelement& s, QWidget* eltern) {
  auto* t = new Textbereich(eltern);
  t->setPlainText(QtPlattform::Anzeigetext(std::string(s.text)));
  t->setReadOnly(s.nurLesen);
  t->setTabChangesFocus(true);
  // Texts are replaced by the program, never undone by the user.
  t->document()->setUndoRedoEnabled(false);
  t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  if (s.rollleiste) t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return t;
}

}  // namespace

QWidget* BaueSteuerelement(const Steuerelement& s, QWidget* eltern) {
  QWidget* w = nullptr;
  switch (s.art) {
    case Steuerart::Textfeld:
      if (s.mehrzeilig) {
        w = BaueTextbereich(s, eltern);
      } else {
        auto* t = new QLineEdit(QText(s.text), eltern);
        t->setReadOnly(s.nurLesen);
        w = t;
      }
      break;
    case Steuerart::Beschreibung:
      w = BaueTextbereich(s, eltern);
      break;
    case Steuerart::Ablagefeld: {
      // Read-only keeps typing and pasting out; rows are let in by its
      // Zeilenablage. Drops need no keyboard focus, and Tab must not get
      // stuck here.
      auto* t = new QLineEdit(eltern);
      t->setReadOnly(true);
      t->setFocusPolicy(Qt::NoFocus);
      w = t;
      break;
    }
    case Steuerart::Beschriftung: {
      auto* l = new QLabel(eltern);
      // Names may hold "<" or "&": a label never reads its text as markup.
      l->setTextFormat(Qt::PlainText);
      l->setText(QText(s.text));
      w = l;
      break;
    }
    case Steuerart::Liste: {
      auto* v = new Zeilenansicht(eltern);
      if (s.verhalten.ziehtext != nullptr) {
        v->setDragEnabled(true);
        v->setDragDropMode(QAbstractItemView::DragOnly);
        v->setDefaultDropAction(Qt::CopyAction);
      }
      w = v;
      break;
    }
    case Steuerart::Knopf: {
      auto* b = new QPushButton(QText(s.text), eltern);
      // A click leaves the keyboard focus in the field being filled in.
      b->setFocusPolicy(s.ohneFokus ? Qt::NoFocus : Qt::TabFocus);
      if (s.bild == Bild::Information) {
        b->setIcon(b->style()->standardIcon(QStyle::SP_MessageBoxInformation));
        b->setIconSize(QSize(24, 24));
      }
      w = b;
      break;
    }
    case Steuerart::Aufklappmenue: {
      auto* c = new QComboBox(eltern);
      c->setFocusPolicy(Qt::TabFocus);
      for (std::string_view eintrag : s.verhalten.eintraege) c->addItem(QText(eintrag));
      w = c;
      break;
    }
    case Steuerart::Trennlinie: {
      auto* f = new QFrame(eltern);
      f->setFrameShape(QFrame::HLine);
      f->setFrameShadow(QFrame::Sunken);
      w = f;
      break;
    }
  }
  Gestalte(*w, s);
  return w;
}

}  // namespace quarnel
