#include "qt/Zeilenablage.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include "qt/Texte.h"

namespace quarnel {

Zeilenablage::Zeilenablage(QWidget& feld, Nimmt nimmt, Ablegen ablegen)
    : QObject(&feld), nimmt_(std::move(nimmt)), ablegen_(std::move(ablegen)) {
  feld.installEventFilter(this);
}

bool Zeilenablage::eventFilter(QObject* ziel, QEvent* e) {
  const QEvent::Type art = e->type();
  if (art != QEvent::DragEnter && art != QEvent::DragMove && art != QEvent::Drop) return QObject::eventFilter(ziel, e);
  auto* d = static_cast<QDropEvent*>(e);
  // Anything but a row is the field's own business.
  if (!EigeneZeile(d->mimeData())) return false;
  // A row is answered here and goes no further: no cursor shows a place
  // for it, and it is never inserted.
  const QString zeile = d->mimeData()->text();
  if (!ablegen_ || (nimmt_ && !nimmt_(zeile))) {
    d->ignore();
    return true;
  }
  d->acceptProposedAction();
  if (art == QEvent::Drop) ablegen_(zeile);
  return true;
}

}  // namespace quarnel
