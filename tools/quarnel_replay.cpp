// Loads a protocol file the way the menu command "Laden" does and prints the
// description text; optionally saves the command list again the way
// "Speichern" does. Messages and beeps go to stderr as they happen; a message
// of several lines (the file's name, the reason) goes on over further lines.
//
//   quarnel_replay [--decimals N] [--save OUT] FILE
//
// Exit status: 0 loaded (and saved), 1 refused (or not saved), 2 usage error.
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <optional>
#include <string>

#include "interpreter/Bearbeitung.h"
#include "interpreter/Wiedergabe.h"
#include "platform/Datei.h"
#include "platform/Plattform.h"
#include "platform/Text.h"
#include "ui/main_window/HauptF.h"

namespace {

// Answers the file dialogs from a queue and reports what the program shows.
class Konsole : public quarnel::Plattform {
public:
  std::deque<std::string> dateien;

  void MsgBox(const std::string& text) override { std::fprintf(stderr, "Meldung: %s\n", Zeilen(text).c_str()); }
  quarnel::Antwort Frage(const std::string& text, quarnel::FrageArt) override {
    std::fprintf(stderr, "Frage: %s\n", Zeilen(text).c_str());
    return quarnel::Antwort::Abbrechen;
  }
  void Beep() override { std::fprintf(stderr, "Beep\n"); }
  std::optional<std::string> OeffnenDialog() override { return Naechste(); }
  std::optional<std::string> SpeichernDialog(const std::string&) override { return Naechste(); }
  void Zwischenablage(const std::string&) override {}
  bool ShiftGedrueckt() override { return false; }
  void Beenden(int) override {}

  // The program separates lines with CR; the console wants LF.
  static std::string Zeilen(std::string s) {
    for (char& c : s)
      if (c == quarnel::CR) c = '\n';
    return s;
  }

private:
  std::optional<std::string> Naechste() {
    if (dateien.empty()) return std::nullopt;
    std::string d = dateien.front();
    dateien.pop_front();
    return d;
  }
};

int Gebrauch() {
  std::fprintf(stderr, "usage: quarnel_replay [--decimals N] [--save OUT] FILE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int dezimalen = 6;
  std::optional<std::string> ziel;
  std::optional<std::string> datei;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--decimals" && i + 1 < argc) {
      const std::string n = argv[++i];
      if (n.size() != 1 || n[0] < '1' || n[0] > '6') return Gebrauch();
      dezimalen = n[0] - '0';
    } else if (arg == "--save" && i + 1 < argc) {
      ziel = argv[++i];
    } else if (!arg.empty() && arg[0] != '-' && !datei) {
      datei = arg;
    } else {
      return Gebrauch();
    }
  }
  if (!datei) return Gebrauch();
  quarnel::SchreibgrenzeAlsFehler();

  Konsole ui;
  quarnel::HauptF h(ui);
  quarnel::Neustart(h);
  h.ausgabe.Dezimalen = dezimalen;
  h.ausgabe.ProtokollAn = true;

  ui.dateien.push_back(*datei);
  const bool geladen = quarnel::LadeFile(h);
  // The description text, newest block first, a block at a time.
  for (std::size_t i = h.ausgabe.AnzahlBloecke(); i-- > 0;) {
    const std::string block = "\n" + Konsole::Zeilen(std::string(h.ausgabe.Block(i))) + "\n";
    std::fwrite(block.data(), 1, block.size(), stdout);
  }
  std::fflush(stdout);
  if (!geladen) return 1;

  if (ziel) {
    ui.dateien.push_back(*ziel);
    if (!quarnel::SpeichereProtokoll(h)) return 1;
  }
  return 0;
}
