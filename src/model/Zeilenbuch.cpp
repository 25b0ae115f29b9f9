#include "model/Zeilenbuch.h"

namespace quarnel {

std::uint64_t Fingerabdruck(std::string_view zeile) {
  std::uint64_t h = 14695981039346656037ULL;
  for (unsigned char c : zeile) {
    h ^= c;
    h *= 1099511628211ULL;
  }
  return h;
}

}  // namespace quarnel
