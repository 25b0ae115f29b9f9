#pragma once
// The keyword of each command kind: a piece of the kind's sentence that only
// that sentence holds. Kinds without a command hold "nicht verwendet".
#include <cstdint>
#include <string_view>

namespace quarnel {

// Keyword of kind k for 1 <= k <= 50; "" for 0 and outside that range.
std::string_view BefehlsSchluessel(std::int32_t k);

// The kind whose keyword occurs in the text, the highest index winning;
// `bisher` when no keyword occurs. A coarse test: names and notes are
// searched too, so the protocol reader asks it only for a line that is no
// sentence word for word (ErkenneKennung, Saetze.h).
std::int32_t KennungNachSchluessel(std::string_view text, std::int32_t bisher);

}  // namespace quarnel
