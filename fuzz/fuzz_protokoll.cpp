// libFuzzer target: arbitrary bytes as the content of a protocol file, loaded
// as the menu command "Laden" loads it, then executed again and saved. Any
// crash, hang or sanitizer report is a finding, and so is a saved file that
// does not load back to itself: what was read is written as the program
// writes it, and that is read word for word.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "interpreter/Bearbeitung.h"
#include "interpreter/Protokolldatei.h"
#include "interpreter/Wiedergabe.h"
#include "platform/Aufzeichner.h"
#include "ui/main_window/HauptF.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  quarnel::Stumm ui;
  quarnel::HauptF h(ui);
  quarnel::Neustart(h);
  if (!quarnel::LadeText(h, text)) return 0;
  // The loaded list once more from scratch, and its file text loaded again.
  quarnel::AnweisungslisteAusfuehren(h);
  const std::string gespeichert = quarnel::Dateiinhalt(h.befehle);
  quarnel::Neustart(h);
  quarnel::LadeText(h, gespeichert);
  if (quarnel::Dateiinhalt(h.befehle) != gespeichert) __builtin_trap();
  return 0;
}
