#include "interpreter/Befehlsliste.h"

#include <algorithm>
#include <utility>

#include "interpreter/Saetze.h"

namespace quarnel {

BefehlT Befehlsliste::ErschaffeB() {
  // Always a fresh record: the deleted commands stay restorable, and no
  // stale name survives in a command that does not set it (a deletion, a
  // measurement).
  return BefehlT{};
}

std::string Befehlsliste::Zeile(std::size_t i) const {
  return Befehlszeile(static_cast<std::int64_t>(i + 1), *liste_[i]);
}

std::string Befehlsliste::Buchzeile(std::size_t i) const { return buch_.Verfolgt() ? Zeile(i) : std::string(); }

BefehlT& Befehlsliste::Anhaengen(BefehlT b) {
  liste_.push_back(std::make_unique<BefehlT>(std::move(b)));
  buch_.Eingefuegt(liste_.size() - 1);
  return *liste_.back();
}

bool Befehlsliste::LoescheBefehlNr(std::int64_t n) {
  if (n < 1 || static_cast<std::size_t>(n) > liste_.size()) return false;
  const auto it = liste_.begin() + (n - 1);
  lager_.push_back(std::move(*it));
  liste_.erase(it);
  // The commands behind it are numbered anew.
  buch_.Neuaufbau();
  return true;
}

bool Befehlsliste::LoescheLetzten() {
  if (liste_.empty()) return false;
  buch_.Entfernt(liste_.size() - 1, Buchzeile(liste_.size() - 1));
  lager_.push_back(std::move(liste_.back()));
  liste_.pop_back();
  return true;
}

bool Befehlsliste::Restore() {
  if (lager_.empty()) return false;
  liste_.push_back(std::move(lager_.back()));
  lager_.pop_back();
  buch_.Eingefuegt(liste_.size() - 1);
  return true;
}

void Befehlsliste::AllesEinlagern() {
  // Pushed from the last command to the first, so the first lies on top.
  for (auto it = liste_.rbegin(); it != liste_.rend(); ++it) lager_.push_back(std::move(*it));
  liste_.clear();
  buch_.Neuaufbau();
}

void Befehlsliste::Leeren() {
  liste_.clear();
  buch_.Neuaufbau();
}

void Befehlsliste::KuerzeAuf(std::size_t n) {
  if (n >= liste_.size()) return;
  liste_.erase(liste_.begin() + static_cast<std::ptrdiff_t>(n), liste_.end());
  buch_.Neuaufbau();
}

bool Befehlsliste::VerschiebeLetztenHinter(std::int64_t n) {
  const auto m = static_cast<std::int64_t>(liste_.size());
  if (m < 2 || n < 1 || n > m - 2) return false;
  std::rotate(liste_.begin() + n, liste_.end() - 1, liste_.end());
  buch_.Neuaufbau();
  return true;
}

namespace {

// A command that makes the object NeuG when it is executed. The variable
// point and plane (kinds 1 and 2) carry a name but execute nothing.
bool MachtQuarnel(const BefehlT& b) { return b.Kennung >= NumPunkt && DefiniertQuarnel(b.Kennung); }

}  // namespace

BefehlT* Befehlsliste::HoleBefehl(std::string_view s) {
  return const_cast<BefehlT*>(std::as_const(*this).HoleBefehl(s));
}

const BefehlT* Befehlsliste::HoleBefehl(std::string_view s) const {
  for (const Zeiger& b : liste_)
    if (MachtQuarnel(*b) && b->NeuG == s) return b.get();
  return nullptr;
}

BefehlT* Befehlsliste::Nr(std::int64_t n) { return const_cast<BefehlT*>(std::as_const(*this).Nr(n)); }

const BefehlT* Befehlsliste::Nr(std::int64_t n) const {
  if (n < 1 || static_cast<std::size_t>(n) > liste_.size()) return nullptr;
  return liste_[static_cast<std::size_t>(n - 1)].get();
}

bool Befehlsliste::Enthaelt(const BefehlT* b) const {
  for (const Zeiger& c : liste_)
    if (c.get() == b) return true;
  return false;
}

std::string Befehlsliste::Protokoll() const {
  std::string p;
  for (std::size_t i = 0; i < liste_.size(); ++i) p += Protokollzeile(static_cast<std::int64_t>(i + 1), *liste_[i]);
  return p;
}

}  // namespace quarnel
