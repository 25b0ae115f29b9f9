#include "qt/Zeilenansicht.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace quarnel {

Zeilenansicht::Zeilenansicht(QWidget* eltern) : QTableView(eltern) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setShowGrid(false);
  setWordWrap(false);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  // Every row as high as an item of a list view: one line of text and the
  // style's margins.
  QStyleOptionViewItem zeile;
  initViewItemOption(&zeile);
  zeile.text = QStringLiteral("Xg");
  zeile.features |= QStyleOptionViewItem::HasDisplay;
  const int hoehe = style()->sizeFromContents(QStyle::CT_ItemViewItem, &zeile, QSize(), this).height();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(hoehe);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void Zeilenansicht::setModel(QAbstractItemModel* modell) {
  QTableView::setModel(modell);
  if (modell == nullptr) return;
  connect(modell, &QAbstractItemModel::modelReset, this, &Zeilenansicht::Breite);
  connect(modell, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int von) {
    if (von == 0) Breite();
  });
  connect(modell, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int von) {
    if (von == 0) Breite();
  });
  connect(modell, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& von) {
    if (von.row() == 0) Breite();
  });
  Breite();
}

void Zeilenansicht::resizeEvent(QResizeEvent* e) {
  QTableView::resizeEvent(e);
  Breite();
}

void Zeilenansicht::Breite() {
  int breite = viewport()->width();
  if (model() != nullptr && model()->rowCount() > 0) {
    const QString erste = model()->data(model()->index(0, 0)).toString();
    breite = std::max(breite, fontMetrics().horizontalAdvance(erste) + 8);
  }
  if (horizontalHeader()->sectionSize(0) != breite) setColumnWidth(0, breite);
}

}  // namespace quarnel
