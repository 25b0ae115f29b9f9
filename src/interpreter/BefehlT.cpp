#include "interpreter/BefehlT.h"

#include <iterator>

#include "interpreter/Saetze.h"

namespace quarnel {

bool DefiniertQuarnel(std::int32_t k) {
  return k == VariablerPunkt || k == VariableEbene || (k >= NumPunkt && k <= QuarnelHuelle) ||
         k == GErzeugeKlonen || k == QuarnelSammlung;
}

BefehlT Befehlsliste::ErschaffeB() {
  // Always a fresh record: the deleted commands stay restorable, and no
  // stale name survives in a command that does not set it (a deletion, a
  // measurement).
  return BefehlT{};
}

BefehlT& Befehlsliste::Anhaengen(BefehlT b) {
  liste_.push_back(std::move(b));
  return liste_.back();
}

bool Befehlsliste::LoescheBefehlNr(std::int64_t n) {
  if (n < 1 || static_cast<std::size_t>(n) > liste_.size()) return false;
  auto it = std::next(liste_.begin(), n - 1);
  lager_.splice(lager_.begin(), liste_, it);
  return true;
}

bool Befehlsliste::LoescheLetzten() {
  if (liste_.empty()) return false;
  lager_.splice(lager_.begin(), liste_, std::prev(liste_.end()));
  return true;
}

bool Befehlsliste::Restore() {
  if (lager_.empty()) return false;
  liste_.splice(liste_.end(), lager_, lager_.begin());
  return true;
}

void Befehlsliste::AllesEinlagern() {
  // Pushed from the last command to the first, so the first lies on top.
  lager_.splice(lager_.begin(), liste_);
}

void Befehlsliste::Leeren() { liste_.clear(); }

void Befehlsliste::KuerzeAuf(std::size_t n) {
  if (n < liste_.size()) liste_.erase(std::next(liste_.begin(), static_cast<std::ptrdiff_t>(n)), liste_.end());
}

bool Befehlsliste::VerschiebeLetztenHinter(std::int64_t n) {
  const auto m = static_cast<std::int64_t>(liste_.size());
  if (m < 2 || n < 1 || n > m - 2) return false;
  liste_.splice(std::next(liste_.begin(), n), liste_, std::prev(liste_.end()));
  return true;
}

namespace {

// A command that makes the object NeuG when it is executed. The variable
// point and plane (kinds 1 and 2) carry a name but execute nothing.
bool MachtQuarnel(const BefehlT& b) { return b.Kennung >= NumPunkt && DefiniertQuarnel(b.Kennung); }

}  // namespace

BefehlT* Befehlsliste::HoleBefehl(std::string_view s) {
  for (BefehlT& b : liste_)
    if (MachtQuarnel(b) && b.NeuG == s) return &b;
  return nullptr;
}

const BefehlT* Befehlsliste::HoleBefehl(std::string_view s) const {
  for (const BefehlT& b : liste_)
    if (MachtQuarnel(b) && b.NeuG == s) return &b;
  return nullptr;
}

BefehlT* Befehlsliste::Nr(std::int64_t n) {
  if (n < 1 || static_cast<std::size_t>(n) > liste_.size()) return nullptr;
  return &*std::next(liste_.begin(), n - 1);
}

bool Befehlsliste::Enthaelt(const BefehlT* b) const {
  for (const BefehlT& c : liste_)
    if (&c == b) return true;
  return false;
}

void Befehlsliste::ZeigeBefehlsliste() { Protokoll = Protokolltext(*this); }

}  // namespace quarnel
