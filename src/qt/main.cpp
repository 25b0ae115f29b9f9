#include <QApplication>

#include <clocale>

#include "qt/HauptFenster.h"
#include "qt/QtPlattform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Message boxes have no title of their own; the desktop shows this name.
  QApplication::setApplicationName(QStringLiteral("Quarnel2"));
  // Numbers are read and written with a decimal point whatever the user's
  // language settings say.
  std::setlocale(LC_NUMERIC, "C");
  quarnel::QtPlattform plattform;
  quarnel::HauptFenster fenster(plattform);
  plattform.SetzeFenster(&fenster);
  fenster.show();
  return QApplication::exec();
}
