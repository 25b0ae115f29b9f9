#include "qt/Zeilenansicht.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
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
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  Zeilenhoehe();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void Zeilenansicht::Zeilenhoehe() {
  // An item of a list view: one line of text and the style's margins.
  QStyleOptionViewItem zeile;
  QTableView::initViewItemOption(&zeile);
  zeile.text = QStringLiteral("Xg");
  zeile.features |= QStyleOptionViewItem::HasDisplay;
  const int hoehe = style()->sizeFromContents(QStyle::CT_ItemViewItem, &zeile, QSize(), this).height();
  // A line of text is the font's ascent and descent high, and the accents
  // above capitals (Ö, Ü) reach higher: a row is higher by what the glyphs
  // need beyond the line, and the line sits low when the accents need the
  // room, high when the descenders do, in the middle when both do.
  const QFontMetrics fm = fontMetrics();
  const QRect tinte = fm.tightBoundingRect(QStringLiteral(u"ÄÖÜÅÉÂÇgjpqy|"));
  const int oben = std::max(0, -tinte.top() - fm.ascent());
  const int unten = std::max(0, tinte.bottom() + 1 - fm.descent());
  ausrichtung_ = oben > 0 && unten == 0 ? Qt::AlignBottom : unten > 0 && oben == 0 ? Qt::AlignTop : Qt::AlignVCenter;
  const int mehr = ausrichtung_ == Qt::AlignVCenter ? 2 * std::max(oben, unten) : oben + unten;
  verticalHeader()->setDefaultSectionSize(hoehe + mehr);
}

void Zeilenansicht::initViewItemOption(QStyleOptionViewItem* option) const {
  QTableView::initViewItemOption(option);
  option->displayAlignment = Qt::AlignLeft | ausrichtung_;
}

void Zeilenansicht::changeEvent(QEvent* e) {
  QTableView::changeEvent(e);
  if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) Zeilenhoehe();
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
  // With no row chosen there is no row to move on from: End chooses the last
  // row, Up, Down, Home and the page keys the first. The view may stand on a
  // row of its own (it puts itself on the first when the keyboard enters it)
  // or on none (after a click below the rows, where it would take the first
  // row for every key); neither is a choice. It leaves it, so that the row
  // reached counts as a move and is chosen.
  const bool zeilentaste = wohin == MoveUp || wohin == MoveDown || wohin == MoveHome || wohin == MoveEnd ||
                           wohin == MovePageUp || wohin == MovePageDown;
  if (zeilentaste && model() != nullptr && model()->rowCount() > 0 && !selectionModel()->hasSelection()) {
    selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    return model()->index(wohin == MoveEnd ? model()->rowCount() - 1 : 0, 0);
  }
  // One column: Home and End go to the first and last row, as Ctrl+Home and
  // Ctrl+End do.
  if (wohin == MoveHome || wohin == MoveEnd) tasten |= Qt::ControlModifier;
  return QTableView::moveCursor(wohin, tasten);
}

void Zeilenansicht::keyboardSearch(const QString& text) {
  auto* modell = qobject_cast<ZeilenModell*>(model());
  if (modell == nullptr || text.isEmpty()) return;
  // Letters typed in quick succession count together; the core's list
  // says which row they lead to.
  const bool weiter = tippzeit_.isValid() && tippzeit_.elapsed() <= QApplication::keyboardInputInterval();
  tippzeit_.start();
  getippt_ = weiter ? getippt_ + text : text;
  const int ziel = modell->Tippziel(getippt_);
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
