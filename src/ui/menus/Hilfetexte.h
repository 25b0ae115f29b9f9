#pragma once
// The fixed texts of the help window and of the information window. Both are
// German, UTF-8, with CR (13) between their lines and never LF, so that the
// windows show them as the program shows every other text.
#include <string_view>

namespace quarnel {

// The user's guide. It opens with the line "Hilfe zum Programm Quarnel2 ( V0.81)"
// and a rule of dashes. Its two worked examples are written as numbered
// command lines exactly as the command list shows them, each followed by a
// line "Ergebnis: ..." that quotes the sentences the description area then
// holds.
std::string_view Hilfetext();

// What the program does and how its protocol files work.
std::string_view Infotext();

}  // namespace quarnel
