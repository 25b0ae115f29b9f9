#pragma once
// A drop field: takes the text of a row dropped on it, but no typing and no
// pasting. What the dropped text means is decided when the mouse leaves the
// field.
#include <QLineEdit>

namespace quarnel {

class Ablagefeld final : public QLineEdit {
  Q_OBJECT
public:
  explicit Ablagefeld(QWidget* eltern = nullptr);

signals:
  // A text was dropped on the field; it replaces what the field held.
  void abgelegt(const QString& text);

protected:
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dragLeaveEvent(QDragLeaveEvent* e) override;
  void dropEvent(QDropEvent* e) override;
};

}  // namespace quarnel
