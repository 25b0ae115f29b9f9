// libFuzzer target: arbitrary bytes as the content of a protocol file, loaded
// as the menu command "Laden" loads it, then executed again and saved. Any
// crash, hang or sanitizer report is a finding.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "interpreter/Bearbeitung.h"
#include "interpreter/Protokolldatei.h"
#include "interpreter/Wiedergabe.h"
#include "platform/Plattform.h"
#include "ui/main_window/HauptF.h"

namespace {

class Stumm : public quarnel::Plattform {
public:
  void MsgBox(const std::string&) override {}
  quarnel::Antwort Frage(const std::string&, quarnel::FrageArt) override { return quarnel::Antwort::Abbrechen; }
  void Beep() override {}
  std::optional<std::string> OeffnenDialog() override { return std::nullopt; }
  std::optional<std::string> SpeichernDialog(const std::string&) override { return std::nullopt; }
  void Zwischenablage(const std::string&) override {}
  bool ShiftGedrueckt() override { return false; }
  void Beenden(int) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Stumm ui;
  quarnel::HauptF h(ui);
  quarnel::Neustart(h);
  if (!quarnel::LadeText(h, text)) return 0;
  // The loaded list once more from scratch, and its file text loaded again.
  quarnel::AnweisungslisteAusfuehren(h);
  const std::string gespeichert = quarnel::Dateiinhalt(h.befehle);
  quarnel::Neustart(h);
  quarnel::LadeText(h, gespeichert);
  return 0;
}
