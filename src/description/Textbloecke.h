#pragma once
// The blocks of the description text, oldest first, kept in pieces of 64 KB
// instead of one string each: a block costs its characters and twelve bytes,
// and a block once stored never moves, so a view may hold on to it.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

class Textbloecke {
public:
  std::size_t size() const { return orte_.size(); }
  bool empty() const { return orte_.empty(); }
  std::string_view operator[](std::size_t i) const {
    const Ort& o = orte_[i];
    return std::string_view(stuecke_[o.stueck].get() + o.anfang, o.laenge);
  }
  void push_back(std::string_view block);
  // Keeps the first n blocks (n at most size()).
  void resize(std::size_t n);
  void clear() {
    orte_.clear();
    stuecke_.clear();
    genutzt_ = groesse_ = 0;
  }

private:
  static constexpr std::size_t kStueck = 64 * 1024;
  struct Ort {
    std::uint32_t stueck, anfang, laenge;
  };
  std::vector<std::unique_ptr<char[]>> stuecke_;
  std::vector<Ort> orte_;
  std::size_t groesse_ = 0, genutzt_ = 0;  // of the last piece
};

}  // namespace quarnel
