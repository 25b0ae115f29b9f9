#include "qt/Ablagefeld.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace quarnel {

Ablagefeld::Ablagefeld(QWidget* eltern) : QLineEdit(eltern) {
  // Read-only keeps typing and pasting out; drops are let in below.
  setReadOnly(true);
  setAcceptDrops(true);
}

void Ablagefeld::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasText())
    e->acceptProposedAction();
  else
    e->ignore();
}

void Ablagefeld::dragMoveEvent(QDragMoveEvent* e) {
  if (e->mimeData()->hasText())
    e->acceptProposedAction();
  else
    e->ignore();
}

void Ablagefeld::dragLeaveEvent(QDragLeaveEvent* e) { e->accept(); }

void Ablagefeld::dropEvent(QDropEvent* e) {
  if (!e->mimeData()->hasText()) {
    e->ignore();
    return;
  }
  e->acceptProposedAction();
  emit abgelegt(e->mimeData()->text());
}

}  // namespace quarnel
