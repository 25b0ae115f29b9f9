#pragma once
// The command list: the user's work as the ordered list of recorded commands.
// Commands taken off the list are kept on a stack, newest on top, from which
// "Restore" brings them back. The stack holds only deleted commands: a new
// command always gets a fresh record, so making one never costs a deleted
// command its way back.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "interpreter/BefehlT.h"
#include "model/Zeilenbuch.h"

namespace quarnel {

// The command list with its stack of deleted commands. Records keep their
// address while they stay in this object (moving between list and stack does
// not move them), so a window may hold a pointer to a command and find out
// later whether it still stands in the list. The list is the source of the
// command list box: row n is "<n>", four blanks and command n's sentence,
// rendered when asked for; the book says what changed since the box last
// looked.
class Befehlsliste final : public Zeilenquelle {
  using Zeiger = std::unique_ptr<BefehlT>;

  // Walks the records of the list, not their pointers.
  template <class It, class T>
  class Iter {
  public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::remove_const_t<T>;
    using difference_type = std::ptrdiff_t;
    using pointer = T*;
    using reference = T&;
    Iter() = default;
    explicit Iter(It it) : it_(it) {}
    T& operator*() const { return **it_; }
    T* operator->() const { return it_->get(); }
    Iter& operator++() {
      ++it_;
      return *this;
    }
    Iter operator++(int) { return Iter(it_++); }
    bool operator==(const Iter& o) const { return it_ == o.it_; }

  private:
    It it_{};
  };

public:
  using iterator = Iter<std::vector<Zeiger>::iterator, BefehlT>;
  using const_iterator = Iter<std::vector<Zeiger>::const_iterator, const BefehlT>;

  // A new empty record, ready to be filled. The stack of deleted commands is
  // not touched.
  BefehlT ErschaffeB();
  // Appends the command at the end of the list; returns the stored record.
  BefehlT& Anhaengen(BefehlT b);

  // Takes command number n (from 1) off the list and puts it on top of the
  // stack. False (nothing changed) when there is no command n.
  bool LoescheBefehlNr(std::int64_t n);
  // The same for the last command; false on an empty list.
  bool LoescheLetzten();
  // The top of the stack, which Restore takes back; nullptr when it is empty.
  const BefehlT* Zuoberst() const { return lager_.empty() ? nullptr : lager_.back().get(); }
  // Takes the top of the stack back to the end of the list; false when the
  // stack is empty.
  bool Restore();
  // Puts the whole list on the stack so that the first command lies on top;
  // repeated Restore then rebuilds the old order. The list is empty afterwards.
  void AllesEinlagern();
  // Forgets the list without keeping its commands (restart).
  void Leeren();
  // Forgets the commands behind the first n, without keeping them either.
  void KuerzeAuf(std::size_t n);

  // Moves the last command behind command number n, so that it becomes
  // command n + 1 and the commands after n move one place back. Only when
  // 1 <= n <= size() - 2; otherwise nothing moves and the result is false.
  // The moved record stays the same record; the stack is not touched.
  bool VerschiebeLetztenHinter(std::int64_t n);

  // The first command from the head that defines the name s (kinds 9 to 31
  // that make an object when executed); nullptr when there is none.
  BefehlT* HoleBefehl(std::string_view s);
  const BefehlT* HoleBefehl(std::string_view s) const;

  // Command number n (from 1), nullptr when there is none.
  BefehlT* Nr(std::int64_t n);
  const BefehlT* Nr(std::int64_t n) const;
  // True when the record is in the list now (not on the stack, not gone).
  bool Enthaelt(const BefehlT* b) const;

  std::size_t size() const { return liste_.size(); }
  bool empty() const { return liste_.empty(); }
  std::size_t LagerGroesse() const { return lager_.size(); }
  iterator begin() { return iterator(liste_.begin()); }
  iterator end() { return iterator(liste_.end()); }
  const_iterator begin() const { return const_iterator(liste_.begin()); }
  const_iterator end() const { return const_iterator(liste_.end()); }

  // The protocol text: for each command, numbered from 1,
  // "<n>" + four blanks + its sentence + CR.
  std::string Protokoll() const;
  // Commands were changed in place (their fields written directly): their
  // rows are shown anew.
  void ZeigeBefehlsliste() { buch_.Neuaufbau(); }

  // The command list box's rows.
  std::size_t Zeilenzahl() const override { return liste_.size(); }
  std::string Zeile(std::size_t i) const override;
  Zeilenbuch& Buch() override { return buch_; }

private:
  // Row i for the book, while it follows single changes.
  std::string Buchzeile(std::size_t i) const;

  std::vector<Zeiger> liste_;
  std::vector<Zeiger> lager_;  // back = top of the stack
  Zeilenbuch buch_;
};

}  // namespace quarnel
