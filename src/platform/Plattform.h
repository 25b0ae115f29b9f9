#pragma once
// Everything the core asks of the user goes through this interface: the
// Qt layer implements it with real dialogs, tests with a script.
#include <optional>
#include <string>

namespace quarnel {

enum class Antwort { Ja, Nein, Abbrechen, OK };
enum class FrageArt { JaNeinAbbrechen, OKAbbrechen };

class Plattform {
public:
  virtual ~Plattform() = default;
  // Modal message box with one button.
  virtual void MsgBox(const std::string& text) = 0;
  // Modal query; returns the pressed button.
  virtual Antwort Frage(const std::string& text, FrageArt art) = 0;
  virtual void Beep() = 0;
  // File dialogs: the chosen path, or nothing on cancel.
  virtual std::optional<std::string> OeffnenDialog() = 0;
  virtual std::optional<std::string> SpeichernDialog(const std::string& vorschlag) = 0;
  virtual void Zwischenablage(const std::string& text) = 0;
  virtual bool ShiftGedrueckt() = 0;
  // Gives the event loop a turn inside long loops; a no-op where there is none.
  virtual void Ereignisse() {}
  // Ends the program with this exit code once the current event is handled.
  virtual void Beenden(int code) = 0;
};

}  // namespace quarnel
