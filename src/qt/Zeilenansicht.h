#pragma once
// The view of a list box: one row per line of text, one column, no headers
// and no grid. A table view rather than a list view, because inserting a row
// into a table view costs the same whatever the number of rows, while a list
// view lays out every row again. Its rows are as high as the font's full
// height, so that accents and descenders show whole. It looks and acts as a
// list box does: as wide as its first row (or its visible area), so that
// longer rows can be scrolled to; Home and End go to the first and last
// row, Up and Down with no row chosen to the first, Tab and Shift+Tab leave
// it for the next or previous control, and typed letters go to the row the
// core's list names for them.
#include <QElapsedTimer>
#include <QTableView>

namespace quarnel {

class Zeilenansicht final : public QTableView {
  Q_OBJECT
public:
  explicit Zeilenansicht(QWidget* eltern = nullptr);
  void setModel(QAbstractItemModel* modell) override;
  void keyboardSearch(const QString& text) override;

  // Scrolls row `zeile` into sight and the rows back to their start.
  void InSicht(int zeile);

protected:
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;
  // Where a row's text sits in it: so that the accents and descenders fit.
  void initViewItemOption(QStyleOptionViewItem* option) const override;
  QModelIndex moveCursor(CursorAction wohin, Qt::KeyboardModifiers tasten) override;

private:
  // Every row as high as the font's full height, from the top of the
  // accents above capitals to the bottom of the descenders.
  void Zeilenhoehe();
  // The column as wide as the first row, at least as the visible area.
  void Breite();

  QString getippt_;        // the letters typed in quick succession
  QElapsedTimer tippzeit_;  // since the last of them
  Qt::Alignment ausrichtung_ = Qt::AlignVCenter;  // of a row's text, up and down
};

}  // namespace quarnel
