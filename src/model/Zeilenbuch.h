#pragma once
// Lists whose rows a list box shows without holding them: a source renders
// a row when it is asked for it, and keeps a book of what changed since a
// view last looked (rows inserted, removed or changed one at a time, or the
// whole list built anew). A view applies the changes instead of loading
// every row again, so a change costs what changed, not what exists.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quarnel {

struct Zeilenaenderung {
  enum Art : std::uint8_t { Eingefuegt, Entfernt, Geaendert } art;
  std::size_t zeile;
  // The row's text before a removal or a change, so that a view can show
  // the rows as they were until it has applied the change.
  std::string alt;
};

class Zeilenbuch {
public:
  // Beyond this many changes a view loads the rows anew instead.
  static constexpr std::size_t kHoechstens = 64;

  void Eingefuegt(std::size_t zeile) { Neu({Zeilenaenderung::Eingefuegt, zeile, {}}); }
  void Entfernt(std::size_t zeile, std::string alt) { Neu({Zeilenaenderung::Entfernt, zeile, std::move(alt)}); }
  void Geaendert(std::size_t zeile, std::string alt, std::string_view neu) {
    if (alt == neu) return;
    Neu({Zeilenaenderung::Geaendert, zeile, std::move(alt)});
  }
  // Writes down a change another book holds.
  void Uebernehmen(const Zeilenaenderung& a) { Neu(Zeilenaenderung(a)); }
  // The whole list was built anew, or changed too much to follow.
  void Neuaufbau() {
    aenderungen_.clear();
    neu_ = true;
  }
  // Whether single changes are still written down; a source need not
  // render its rows for the book while they are not.
  bool Verfolgt() const { return !neu_; }
  bool IstNeu() const { return neu_; }
  bool Leer() const { return !neu_ && aenderungen_.empty(); }
  const std::vector<Zeilenaenderung>& Aenderungen() const { return aenderungen_; }
  // The view has looked.
  void Leeren() {
    aenderungen_.clear();
    neu_ = false;
  }

private:
  void Neu(Zeilenaenderung a) {
    if (neu_) return;
    if (aenderungen_.size() >= kHoechstens) return Neuaufbau();
    aenderungen_.push_back(std::move(a));
  }

  std::vector<Zeilenaenderung> aenderungen_;
  bool neu_ = true;  // nobody has looked yet
};

// A list whose rows are rendered when asked for.
class Zeilenquelle {
public:
  virtual std::size_t Zeilenzahl() const = 0;
  virtual std::string Zeile(std::size_t i) const = 0;
  // What changed since the main window last looked.
  virtual Zeilenbuch& Buch() = 0;

protected:
  ~Zeilenquelle() = default;
};

}  // namespace quarnel
