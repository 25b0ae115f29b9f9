#include "qt/Nebenfenster.h"

#include <QCloseEvent>
#include <QPalette>

#include "qt/Steuerbau.h"

namespace quarnel {

Nebenfenster::Nebenfenster(const Fensterart& art, std::span<const Steuerelement> steuerelemente,
                           QWidget* eltern, Qt::WindowFlags flags)
    : QWidget(eltern, flags) {
  setWindowTitle(Q(art.titel));
  setFixedSize(art.breite, art.hoehe);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  for (const Steuerelement& s : steuerelemente) BaueSteuerelement(s, this);
  // Hidden until the program shows it.
  setHidden(true);
}

QWidget* Nebenfenster::Element(std::string_view name) const {
  return findChild<QWidget*>(Q(name), Qt::FindDirectChildrenOnly);
}

void Nebenfenster::closeEvent(QCloseEvent* e) {
  emit schliesst();
  e->accept();
}

}  // namespace quarnel
