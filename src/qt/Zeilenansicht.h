#pragma once
// The view of a list box: one row per line of text, one column, no headers
// and no grid. A table view rather than a list view, because inserting a row
// into a table view costs the same whatever the number of rows, while a list
// view lays out every row again. As a list box with rows of one size does,
// it is as wide as its first row (or its visible area), so that longer rows
// can be scrolled to.
#include <QTableView>

namespace quarnel {

class Zeilenansicht final : public QTableView {
  Q_OBJECT
public:
  explicit Zeilenansicht(QWidget* eltern = nullptr);
  void setModel(QAbstractItemModel* modell) override;

protected:
  void resizeEvent(QResizeEvent* e) override;

private:
  // The column as wide as the first row, at least as the visible area.
  void Breite();
};

}  // namespace quarnel
