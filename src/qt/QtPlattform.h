#pragma once
// The Plattform of the desktop program: real message boxes, file dialogs,
// clipboard and keyboard state from Qt.
#include <QString>

#include "platform/Plattform.h"

class QWidget;

namespace quarnel {

class QtPlattform : public Plattform {
public:
  // Dialogs are shown over `fenster` (may be null).
  explicit QtPlattform(QWidget* fenster = nullptr) : fenster_(fenster) {}
  void SetzeFenster(QWidget* fenster) { fenster_ = fenster; }

  void MsgBox(const std::string& text) override;
  Antwort Frage(const std::string& text, FrageArt art) override;
  void Beep() override;
  std::optional<std::string> OeffnenDialog() override;
  std::optional<std::string> SpeichernDialog(const std::string& vorschlag) override;
  void Zwischenablage(const std::string& text) override;
  bool ShiftGedrueckt() override;
  void Ereignisse() override;
  void Beenden(int code) override;

  // Program text (UTF-8, lines separated by CR) as shown by Qt widgets.
  static QString Anzeigetext(const std::string& text);

private:
  QWidget* fenster_;
};

}  // namespace quarnel
