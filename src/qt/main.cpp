#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>

#include "platform/Datei.h"
#include "qt/HauptFenster.h"
#include "qt/QtPlattform.h"
#include "qt/Texte.h"
#include "ui/main_window/Steuerelemente.h"

int main(int argc, char** argv) {
  quarnel::SchreibgrenzeAlsFehler();
  QApplication app(argc, argv);
  // Message boxes have no title of their own; the desktop shows this name.
  QApplication::setApplicationName(quarnel::QText(quarnel::kHauptFenster.titel));
  // The standard buttons and file dialogs speak the program's language
  // (German) where Qt's translations are installed.
  QTranslator qtTexte;
  if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexte);
  // Numbers are read and written with a decimal point whatever the user's
  // language settings say.
  std::setlocale(LC_NUMERIC, "C");
  quarnel::QtPlattform plattform;
  quarnel::HauptFenster fenster(plattform);
  plattform.SetzeFenster(&fenster);
  fenster.show();
  return QApplication::exec();
}
