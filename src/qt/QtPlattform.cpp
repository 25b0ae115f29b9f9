#include "qt/QtPlattform.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

namespace quarnel {

QString QtPlattform::Anzeigetext(const std::string& text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

void QtPlattform::MsgBox(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QString(), Anzeigetext(text), QMessageBox::Ok, fenster_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

Antwort QtPlattform::Frage(const std::string& text, FrageArt art) {
  const auto knoepfe = art == FrageArt::JaNeinAbbrechen
                           ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                           : QMessageBox::Ok | QMessageBox::Cancel;
  QMessageBox box(QMessageBox::NoIcon, QString(), Anzeigetext(text), knoepfe, fenster_);
  box.setTextFormat(Qt::PlainText);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes: return Antwort::Ja;
    case QMessageBox::No: return Antwort::Nein;
    case QMessageBox::Ok: return Antwort::OK;
    default: return Antwort::Abbrechen;  // Cancel, Escape, closed
  }
}

void QtPlattform::Beep() { QApplication::beep(); }

std::optional<std::string> QtPlattform::OeffnenDialog() {
  const QString pfad = QFileDialog::getOpenFileName(fenster_);
  if (pfad.isEmpty()) return std::nullopt;
  return pfad.toStdString();
}

std::optional<std::string> QtPlattform::SpeichernDialog(const std::string& vorschlag) {
  QFileDialog d(fenster_, QString(), QString::fromStdString(vorschlag), QStringLiteral("Text (*.txt);;*"));
  d.setAcceptMode(QFileDialog::AcceptSave);
  // A name typed without an extension gets the filter's, before the dialog
  // asks whether to replace a file of that name.
  d.setDefaultSuffix(QStringLiteral("txt"));
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
  return d.selectedFiles().first().toStdString();
}

void QtPlattform::Zwischenablage(const std::string& text) {
  // The text goes out as the program holds it, CR line ends included.
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

bool QtPlattform::ShiftGedrueckt() {
  return QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
}

void QtPlattform::Ereignisse() {
  // Repaints and timers only: a click or key press must not start a second
  // command while a long one is still running.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPlattform::Beenden(int code) { QCoreApplication::exit(code); }

}  // namespace quarnel
