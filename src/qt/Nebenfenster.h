#pragma once
// A window beside the main window: the point and plane edit windows and the
// help and information windows. Title, fixed size and controls come from the
// core's tables.
#include <QWidget>

#include <span>
#include <string_view>

#include "ui/main_window/Steuerelemente.h"

namespace quarnel {

class Nebenfenster final : public QWidget {
  Q_OBJECT
public:
  Nebenfenster(const Fensterart& art, std::span<const Steuerelement> steuerelemente, QWidget* eltern,
               Qt::WindowFlags flags);

  // The control of that name; nullptr when the window has none.
  QWidget* Element(std::string_view name) const;

signals:
  // The window is being closed by its close box or the desktop.
  void schliesst();

protected:
  void closeEvent(QCloseEvent* e) override;
};

}  // namespace quarnel
