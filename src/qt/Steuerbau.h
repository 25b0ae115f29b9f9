#pragma once
// Builds one widget from a row of a control table: its name, place, size,
// colour, text size, first text and visibility come from the row, so that
// every window is laid out by the core's tables alone.
#include <QPlainTextEdit>

#include "ui/main_window/Steuerelemente.h"

class QWidget;

namespace quarnel {

// A multi-line text field. It takes a paste only when it brings text: a
// middle click while nothing is selected on the desktop offers a paste with
// no data at all, which the plain-text edit's own paste does not survive.
// And a drag of its selected text ends with the button's release, however
// fast the mouse leaves the field. The edit starts the drag from a mouse
// move, and the drag's own loop, run inside that move, takes the release.
// Back from it with the mouse outside, the move starts the edit's
// auto-scroll, whose timer sends moves with the button held from then on;
// the edit never learnt of the release and starts the drag anew from each.
// So a move with a button the mouse no longer holds hands the edit the
// release it missed.
class Textbereich final : public QPlainTextEdit {
public:
  using QPlainTextEdit::QPlainTextEdit;
  bool canInsertFromMimeData(const QMimeData* quelle) const override;
  // Public, so that a test can offer it the empty paste directly.
  void insertFromMimeData(const QMimeData* quelle) override;

protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

private:
  QPointF gedrueckt_;  // where the left button was last pressed, in the viewport
};

// Creates the widget for `s` in `eltern`: a one-line field or a Textbereich
// for a text field, a read-only one-line field for a drop field, a
// Textbereich for the description area, a plain-text label, a list view
// (without a model), a push button, a combo box with its entries or a
// horizontal line.
QWidget* BaueSteuerelement(const Steuerelement& s, QWidget* eltern);

}  // namespace quarnel
