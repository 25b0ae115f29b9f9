#include "qt/Zeilenansicht.h"

#include <QApplication>
#include <QHeaderView>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>

#include "qt/ZeilenModell.h"

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
  // Tab moves the keyboard on to the next control, not from row to row.
  setTabKeyNavigation(false);
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

QModelIndex Zeilenansicht::moveCursor(CursorAction wohin, Qt::KeyboardModifiers tasten) {
  // One column: Home and End go to the first and last row, as Ctrl+Home and
  // Ctrl+End do.
  if (wohin == MoveHome || wohin == MoveEnd) tasten |= Qt::ControlModifier;
  return QTableView::moveCursor(wohin, tasten);
}

void Zeilenansicht::keyboardSearch(const QString& text) {
  auto* modell = qobject_cast<ZeilenModell*>(model());
  if (modell == nullptr || text.isEmpty()) return;
  // Letters typed in quick succession spell the start of one row; the same
  // letter typed again moves on to the next row that starts with it.
  const bool weiter = tippzeit_.isValid() && tippzeit_.elapsed() <= QApplication::keyboardInputInterval();
  tippzeit_.start();
  getippt_ = weiter ? getippt_ + text : text;
  const bool gleich = getippt_.count(getippt_.back()) == getippt_.size();
  const QString suche = gleich ? QString(getippt_.back()) : getippt_;
  const QModelIndex jetzt = currentIndex();
  int ab = 0;
  if (jetzt.isValid()) ab = gleich ? jetzt.row() + 1 : jetzt.row();
  const int ziel = modell->Tippziel(suche, ab);
  if (ziel >= 0) setCurrentIndex(modell->index(ziel));
}

void Zeilenansicht::InSicht(int zeile) {
  // The rows may have changed just now: the scroll bars learn of them first.
  updateGeometries();
  if (model() != nullptr && zeile >= 0 && zeile < model()->rowCount())
    scrollTo(model()->index(zeile, 0), QAbstractItemView::EnsureVisible);
  horizontalScrollBar()->setValue(0);
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
