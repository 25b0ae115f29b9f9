#pragma once
// How a text field answers a row dragged out of the program's own lists.
// Text dragged in from elsewhere lands where it is dropped, as a paste puts
// it; the field's own handlers see to that. A row is no typed text: its
// blanks pad columns, and its digits would read as a number. The field
// takes a row only when its control has a use for it (`ablegen`) and takes
// that row (`nimmt`), and then hands it on whole instead of inserting it;
// every other field refuses it. One piece for every field, one line or
// several, drop field or not: it watches the widget that takes the field's
// drops (a multi-line field's viewport).
#include <QObject>

#include <functional>

namespace quarnel {

class Zeilenablage final : public QObject {
  Q_OBJECT
public:
  using Nimmt = std::function<bool(const QString& zeile)>;
  using Ablegen = std::function<void(const QString& zeile)>;

  // Watches `feld`, which owns it. Without `ablegen` the field refuses every
  // row; with it, it takes the rows `nimmt` accepts (every row when `nimmt`
  // is empty) and hands each one dropped to `ablegen`.
  Zeilenablage(QWidget& feld, Nimmt nimmt, Ablegen ablegen);

protected:
  bool eventFilter(QObject* ziel, QEvent* e) override;

private:
  Nimmt nimmt_;
  Ablegen ablegen_;
};

}  // namespace quarnel
