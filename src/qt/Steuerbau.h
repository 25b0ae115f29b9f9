#pragma once
// Builds one widget from a row of a control table: its name, place, size,
// colour, text size, first text and visibility come from the row, so that
// every window is laid out by the core's tables alone.
#include <QPlainTextEdit>

#include "ui/main_window/Steuerelemente.h"

class QWidget;

namespace quarnel {

// A multi-line text field that takes a paste only when it brings text. A
// middle click while nothing is selected on the desktop offers a paste with
// no data at all, which the plain-text edit's own paste does not survive.
class Textbereich final : public QPlainTextEdit {
public:
  using QPlainTextEdit::QPlainTextEdit;
  bool canInsertFromMimeData(const QMimeData* quelle) const override;
  // Public, so that a test can offer it the empty paste directly.
  void insertFromMimeData(const QMimeData* quelle) override;
};

// Creates the widget for `s` in `eltern`: a one-line field or a Textbereich
// for a text field, a read-only one-line field for a drop field, a
// Textbereich for the description area, a plain-text label, a list view
// (without a model), a push button, a combo box with its entries or a
// horizontal line.
QWidget* BaueSteuerelement(const Steuerelement& s, QWidget* eltern);

}  // namespace quarnel
