#include "qt/HauptFenster.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>

namespace quarnel {

HauptFenster::HauptFenster(QWidget* parent) : QMainWindow(parent), plattform_(this), haupt_(plattform_) {
  setWindowTitle(QStringLiteral("Quarnel2"));
  // The content area has a fixed size: every control sits at a fixed place.
  auto* inhalt = new QWidget(this);
  inhalt->setFixedSize(995, 622);
  inhalt->setAutoFillBackground(true);
  QPalette p = inhalt->palette();
  p.setColor(QPalette::Window, Qt::white);
  inhalt->setPalette(p);
  setCentralWidget(inhalt);
  BaueMenue();
}

void HauptFenster::BaueMenue() {
  QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
  fileMenu->setObjectName(QStringLiteral("FileMenu"));

  fileQuit_ = fileMenu->addAction(QStringLiteral("&Quit"));
  fileQuit_->setObjectName(QStringLiteral("FileQuit"));
  fileQuit_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
  fileQuit_->setShortcutContext(Qt::ApplicationShortcut);
  fileQuit_->setMenuRole(QAction::NoRole);
  connect(fileQuit_, &QAction::triggered, this, [] { QCoreApplication::exit(0); });
}

}  // namespace quarnel
