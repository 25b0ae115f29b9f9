#pragma once
// Objects kept in ascending name order (byte-wise), in blocks of at most a
// few hundred, so that finding a name, inserting, removing and telling an
// object's place in the order all stay cheap for hundreds of thousands of
// objects. An object keeps its address while it stays here.
#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "model/QuarnelT.h"

namespace quarnel {

class Namensordnung {
  static constexpr std::size_t kBlock = 256;
  using Blockliste = std::vector<std::vector<std::unique_ptr<QuarnelT>>>;

  // The first block whose last name is not below `name`: where the name
  // stands or belongs; end() when it belongs behind every name here.
  Blockliste::iterator Block(std::string_view name) {
    return std::lower_bound(bloecke_.begin(), bloecke_.end(), name,
                            [](const auto& b, std::string_view n) { return std::string_view(b.back()->name) < n; });
  }
  Blockliste::const_iterator Block(std::string_view name) const {
    return std::lower_bound(bloecke_.begin(), bloecke_.end(), name,
                            [](const auto& b, std::string_view n) { return std::string_view(b.back()->name) < n; });
  }
  template <class B>
  static auto InBlock(B& b, std::string_view name) {
    return std::lower_bound(b.begin(), b.end(), name,
                            [](const auto& o, std::string_view n) { return std::string_view(o->name) < n; });
  }
  // How many objects stand in the blocks before this one.
  std::size_t Vor(Blockliste::const_iterator b) const {
    std::size_t n = 0;
    for (auto it = bloecke_.begin(); it != b; ++it) n += it->size();
    return n;
  }


public:
  // The object of that name; nullptr when there is none.
  QuarnelT* Finde(std::string_view name) const {
    const auto b = Block(name);
    if (b == bloecke_.end()) return nullptr;
    const auto it = InBlock(*b, name);
    return it != b->end() && (*it)->name == name ? it->get() : nullptr;
  }
  // Enters an object whose name is not here; returns its place.
  std::size_t Einfuegen(QuarnelT obj) {
    auto b = Block(obj.name);
    if (b == bloecke_.end()) {
      if (bloecke_.empty()) bloecke_.emplace_back();
      b = bloecke_.end() - 1;  // behind every name here
    }
    const auto it = InBlock(*b, obj.name);
    const std::size_t platz = Vor(b) + static_cast<std::size_t>(it - b->begin());
    b->insert(it, std::make_unique<QuarnelT>(std::move(obj)));
    ++anzahl_;
    if (b->size() > 2 * kBlock) {
      // Split the full block in two halves.
      std::vector<std::unique_ptr<QuarnelT>> hinten(std::make_move_iterator(b->begin() + kBlock),
                                                    std::make_move_iterator(b->end()));
      b->erase(b->begin() + kBlock, b->end());
      bloecke_.insert(b + 1, std::move(hinten));
    }
    return platz;
  }
  // Removes the object of that name, which must be here; returns its place.
  std::size_t Entfernen(std::string_view name) {
    const auto b = Block(name);
    const auto it = InBlock(*b, name);
    const std::size_t platz = Vor(b) + static_cast<std::size_t>(it - b->begin());
    b->erase(it);
    --anzahl_;
    if (b->empty()) bloecke_.erase(b);
    return platz;
  }
  // The place of the object of that name, which must be here.
  std::size_t Platz(std::string_view name) const {
    const auto b = Block(name);
    return Vor(b) + static_cast<std::size_t>(InBlock(*b, name) - b->begin());
  }
  // The object at place i (from 0).
  const QuarnelT& Nr(std::size_t i) const {
    for (const auto& b : bloecke_) {
      if (i < b.size()) return *b[i];
      i -= b.size();
    }
    return *bloecke_.back().back();  // never reached for i < size()
  }
  std::size_t size() const { return anzahl_; }
  void clear() {
    bloecke_.clear();
    anzahl_ = 0;
  }
  template <class F>
  void FuerAlle(F&& f) const {
    for (const auto& b : bloecke_)
      for (const auto& o : b) f(*o);
  }

private:
  Blockliste bloecke_;
  std::size_t anzahl_ = 0;
};

}  // namespace quarnel
