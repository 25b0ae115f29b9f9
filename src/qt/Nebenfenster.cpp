#include "qt/Nebenfenster.h"

#include <QCloseEvent>
#include <QPalette>

#include "qt/Texte.h"

namespace quarnel {

namespace {

Qt::WindowFlags Rahmen(const Fensterart& art) {
  // Every window has a fixed layout and a fixed size: its title bar offers
  // no maximise button.
  Qt::WindowFlags f = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint;
  if (!art.nurMinimieren) f |= Qt::WindowSystemMenuHint;
  if (art.schliessbar) f |= Qt::WindowCloseButtonHint;
  return f;
}

}  // namespace

Nebenfenster::Nebenfenster(const Fensterart& art, QWidget* eltern) : QWidget(eltern, Rahmen(art)) {
  setWindowTitle(QText(art.titel));
  setFixedSize(art.breite, art.hoehe);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  // The close box discards a window that is built anew each time.
  if (art.verwerfen) setAttribute(Qt::WA_DeleteOnClose);
  // Hidden until the program shows it.
  setHidden(true);
}

QWidget* Nebenfenster::Element(std::string_view name) const {
  return findChild<QWidget*>(QText(name), Qt::FindDirectChildrenOnly);
}

void Nebenfenster::closeEvent(QCloseEvent* e) {
  emit schliesst();
  e->accept();
}

}  // namespace quarnel
