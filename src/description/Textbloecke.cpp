#include "description/Textbloecke.h"

#include <algorithm>
#include <cstring>

namespace quarnel {

void Textbloecke::push_back(std::string_view block) {
  if (stuecke_.empty() || block.size() > groesse_ - genutzt_) {
    // A new piece; a block larger than a piece gets one of its own size.
    groesse_ = std::max(kStueck, block.size());
    genutzt_ = 0;
    stuecke_.push_back(std::make_unique_for_overwrite<char[]>(groesse_));
  }
  if (!block.empty()) std::memcpy(stuecke_.back().get() + genutzt_, block.data(), block.size());
  orte_.push_back({static_cast<std::uint32_t>(stuecke_.size() - 1), static_cast<std::uint32_t>(genutzt_),
                   static_cast<std::uint32_t>(block.size())});
  genutzt_ += block.size();
}

void Textbloecke::resize(std::size_t n) {
  if (n >= orte_.size()) return;
  orte_.resize(n);
  // The pieces behind the last block kept go; the next block starts a new one.
  stuecke_.resize(orte_.empty() ? 0 : orte_.back().stueck + 1);
  genutzt_ = groesse_;
}

}  // namespace quarnel
