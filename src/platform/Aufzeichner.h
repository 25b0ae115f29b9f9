#pragma once
// Two platforms without a screen, for the tests, the benchmarks and the
// fuzzer: Aufzeichner records everything the core shows and answers its
// questions and file dialogs from a script; Stumm shows nothing, answers
// every question with Cancel and counts what it was asked to show.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Plattform.h"

namespace quarnel {

class Aufzeichner : public Plattform {
public:
  struct Eintrag {
    enum Art { Meldung, Frage, Beep, Zwischenablage, Beenden } art;
    std::string text;
  };
  std::vector<Eintrag> protokoll;        // everything shown, in order
  std::deque<Antwort> antworten;         // scripted answers to queries (default Abbrechen)
  std::deque<std::optional<std::string>> dateien;  // scripted answers to file dialogs
  bool shift = false;
  std::string zwischenablage;
  int beendet = -1;      // the exit code asked for; -1 while the program runs
  int ereignisse = 0;    // turns given to the event loop
  // Runs while a message box is shown, as the nested event loop of a real
  // one would let other gestures run.
  std::function<void()> beiMeldung;

  void MsgBox(const std::string& text) override {
    protokoll.push_back({Eintrag::Meldung, text});
    if (beiMeldung) beiMeldung();
  }
  Antwort Frage(const std::string& text, FrageArt) override {
    protokoll.push_back({Eintrag::Frage, text});
    if (antworten.empty()) return Antwort::Abbrechen;
    Antwort a = antworten.front();
    antworten.pop_front();
    return a;
  }
  void Beep() override { protokoll.push_back({Eintrag::Beep, {}}); }
  std::optional<std::string> OeffnenDialog() override { return naechsteDatei(); }
  std::optional<std::string> SpeichernDialog(const std::string&) override { return naechsteDatei(); }
  void Zwischenablage(const std::string& text) override {
    zwischenablage = text;
    protokoll.push_back({Eintrag::Zwischenablage, text});
  }
  bool ShiftGedrueckt() override { return shift; }
  void Ereignisse() override { ++ereignisse; }
  void Beenden(int code) override {
    beendet = code;
    protokoll.push_back({Eintrag::Beenden, std::to_string(code)});
  }

  // The texts of all message boxes shown so far.
  std::vector<std::string> Meldungen() const {
    std::vector<std::string> m;
    for (const auto& e : protokoll)
      if (e.art == Eintrag::Meldung) m.push_back(e.text);
    return m;
  }
  int Beeps() const {
    int n = 0;
    for (const auto& e : protokoll) n += e.art == Eintrag::Beep;
    return n;
  }
  void Leeren() { protokoll.clear(); }

private:
  std::optional<std::string> naechsteDatei() {
    if (dateien.empty()) return std::nullopt;
    auto d = dateien.front();
    dateien.pop_front();
    return d;
  }
};

class Stumm : public Plattform {
public:
  long meldungen = 0;  // message boxes and beeps

  void MsgBox(const std::string&) override { ++meldungen; }
  Antwort Frage(const std::string&, FrageArt) override { return Antwort::Abbrechen; }
  void Beep() override { ++meldungen; }
  std::optional<std::string> OeffnenDialog() override { return std::nullopt; }
  std::optional<std::string> SpeichernDialog(const std::string&) override { return std::nullopt; }
  void Zwischenablage(const std::string&) override {}
  bool ShiftGedrueckt() override { return false; }
  void Beenden(int) override {}
};

}  // namespace quarnel
