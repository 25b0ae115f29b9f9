#pragma once
// A window beside the main window (the point and plane edit windows, the
// help and information windows): title, fixed size and frame from the core's
// Fensterart; its controls are built by its view (Ansicht). It reports its
// close box instead of acting on it.
#include <QWidget>

#include <string_view>

#include "ui/main_window/Steuerelemente.h"

namespace quarnel {

class Nebenfenster final : public QWidget {
  Q_OBJECT
public:
  Nebenfenster(const Fensterart& art, QWidget* eltern);

  // The control of that name; nullptr when the window has none.
  QWidget* Element(std::string_view name) const;

signals:
  // The window is being closed by its close box or the desktop.
  void schliesst();

protected:
  void closeEvent(QCloseEvent* e) override;
};

}  // namespace quarnel
