#pragma once
// The keyword of each command kind: a piece of the kind's sentence that only
// that sentence holds. Kinds without a command hold "nicht verwendet". A
// protocol line is not given its kind by keyword, since names and notes may
// hold keywords too: it is known by all the words of its sentence (Saetze.h).
#include <cstdint>
#include <string_view>

namespace quarnel {

// Keyword of kind k for 1 <= k <= 50; "" for 0 and outside that range.
std::string_view BefehlsSchluessel(std::int32_t k);

}  // namespace quarnel
