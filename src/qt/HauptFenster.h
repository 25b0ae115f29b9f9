#pragma once
// The program's main window on screen. It owns the pixel-free main window
// HauptF, which holds the whole state of a run, and shows it.
#include <QMainWindow>

#include "qt/QtPlattform.h"
#include "ui/main_window/HauptF.h"

class QAction;

namespace quarnel {

class HauptFenster : public QMainWindow {
  Q_OBJECT
public:
  explicit HauptFenster(QWidget* parent = nullptr);

  HauptF& Haupt() { return haupt_; }
  // The menu entry that ends the program.
  QAction* FileQuit() const { return fileQuit_; }

private:
  void BaueMenue();

  QtPlattform plattform_;
  HauptF haupt_;
  QAction* fileQuit_ = nullptr;
};

}  // namespace quarnel
