#include "qt/Ablagefeld.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "qt/Texte.h"

namespace quarnel {

Ablagefeld::Ablagefeld(QWidget* eltern) : QLineEdit(eltern) {
  // Read-only keeps typing and pasting out; drops are let in below.
  setReadOnly(true);
  setAcceptDrops(true);
  // Drops need no keyboard focus, and Tab must not get stuck here.
  setFocusPolicy(Qt::NoFocus);
}

void Ablagefeld::dragEnterEvent(QDragEnterEvent* e) {
  if (EigeneZeile(e->mimeData()))
    e->acceptProposedAction();
  else
    e->ignore();
}

void Ablagefeld::dragMoveEvent(QDragMoveEvent* e) {
  if (EigeneZeile(e->mimeData()))
    e->acceptProposedAction();
  else
    e->ignore();
}

void Ablagefeld::dragLeaveEvent(QDragLeaveEvent* e) { e->accept(); }

void Ablagefeld::dropEvent(QDropEvent* e) {
  if (!EigeneZeile(e->mimeData())) {
    e->ignore();
    return;
  }
  e->acceptProposedAction();
  emit abgelegt(e->mimeData()->text());
}

}  // namespace quarnel
