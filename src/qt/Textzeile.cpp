#include "qt/Textzeile.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "qt/Texte.h"

namespace quarnel {

Textzeile::Textzeile(const QString& text, QWidget* eltern) : QLineEdit(text, eltern) {}

bool Textzeile::Zeile(QDropEvent* e) const {
  if (!EigeneZeile(e->mimeData())) return false;
  if (!isReadOnly() && nimmt_ && nimmt_(e->mimeData()->text()))
    e->acceptProposedAction();
  else
    e->ignore();
  return true;
}

void Textzeile::dragEnterEvent(QDragEnterEvent* e) {
  if (!Zeile(e)) QLineEdit::dragEnterEvent(e);
}

// A row is handed on, not inserted: no cursor shows a place for it.
void Textzeile::dragMoveEvent(QDragMoveEvent* e) {
  if (!Zeile(e)) QLineEdit::dragMoveEvent(e);
}

void Textzeile::dropEvent(QDropEvent* e) {
  if (!Zeile(e)) {
    QLineEdit::dropEvent(e);
    return;
  }
  if (e->isAccepted()) emit abgelegt(e->mimeData()->text());
}

}  // namespace quarnel
