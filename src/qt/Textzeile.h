#pragma once
// A one-line text field. Text dragged in from elsewhere lands where it is
// dropped, as a paste puts it. A row dragged out of the program's own
// lists is no typed text: its blanks pad columns, and its digits would
// read as a number. The field takes such a row only when it has a use for
// it, and then hands it on whole instead of inserting it.
#include <QLineEdit>

#include <functional>

namespace quarnel {

class Textzeile final : public QLineEdit {
  Q_OBJECT
public:
  using Nimmt = std::function<bool(const QString& zeile)>;
  explicit Textzeile(const QString& text, QWidget* eltern = nullptr);

  // From now on the field takes the rows `nimmt` accepts; it takes none
  // before.
  void NimmZeilen(Nimmt nimmt) { nimmt_ = std::move(nimmt); }

signals:
  // A row the field takes was dropped on it.
  void abgelegt(const QString& zeile);

protected:
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;

private:
  // Whether the drag brings a row of the program's own lists, and then
  // answers it: accepted when the field takes it, refused otherwise.
  bool Zeile(QDropEvent* e) const;

  Nimmt nimmt_;
};

}  // namespace quarnel
