#pragma once
// The models of the window's controls, without pixels: a text field, a label
// and a list box. The program writes into them what a control shows; the Qt
// layer draws them after every event and writes back what the user types and
// selects. The input form is made of them, and so are the main window's
// other controls and the edit windows.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Zeilenbuch.h"

namespace quarnel {

// A text field.
struct Textfeld {
  std::string text;
  bool sichtbar = true;
  bool nurLesen = false;
};

// A label.
struct Beschriftung {
  std::string text;
  bool sichtbar = true;
};

// A list box. Its rows are its own (the operand lists, loaded from a text
// when a form is chosen) or a source's, rendered when asked for (the object
// and command lists). A view follows it by its book of changes: the rows
// inserted, removed or changed since the view last looked, or a new stand
// when the rows were loaded anew.
class Auswahlliste {
public:
  int auswahl = -1;  // index of the selected row, -1 when none is selected
  bool sichtbar = true;

  std::size_t Anzahl() const { return quelle_ != nullptr ? quelle_->Zeilenzahl() : eigene_.size(); }
  std::string Zeile(std::size_t i) const { return quelle_ != nullptr ? quelle_->Zeile(i) : eigene_[i]; }
  // Every row, for a small list or a check.
  std::vector<std::string> Zeilen() const;
  // The selected row's text, "" when no row is selected.
  std::string Text() const;

  // Replaces the rows by the lines of the text (no empty row after the last
  // CR); the selection is dropped.
  void Laden(std::string_view text);
  // Shows the rows of a source from now on (which must outlive this).
  void Zeige(Zeilenquelle& quelle);
  Zeilenquelle* Quelle() const { return quelle_; }

  // What a view follows: a stand that changes whenever the rows were
  // loaded anew, and the single changes since then that it has not yet
  // seen. The view marks them seen.
  std::uint64_t Stand() const { return stand_; }
  const Zeilenbuch& Aenderungen() const { return buch_; }
  void Gesehen() { buch_.Leeren(); }
  // The rows were loaded anew, or one row changed: either way the
  // selection is dropped. A list loaded anew starts at its first row.
  void NeuGeladen();
  void Geaendert(const Zeilenaenderung& a);

  // The row the view is to scroll into sight, and a count that changes with
  // every such wish, so that the view follows each one once.
  void InSicht(std::size_t zeile) {
    sichtZeile_ = zeile;
    ++sichtStand_;
  }
  std::size_t SichtZeile() const { return sichtZeile_; }
  std::uint64_t SichtStand() const { return sichtStand_; }

  // Where typing leads, as in a list box; `getippt` holds the letters typed
  // in quick succession. One letter, or the same letter again and again,
  // moves on to the next row after the chosen one that starts with it;
  // other letters spell the start of a row, looked for from the chosen row
  // itself on. Either search goes round from the top, starts at the first
  // row when none is chosen, and takes the letters as typed; when no row
  // starts with them so, it takes a row that does in any case of its
  // letters (umlauts too). -1 when no row starts with them, or nothing is
  // typed.
  int Tippziel(std::string_view getippt) const;

private:
  std::vector<std::string> eigene_;
  Zeilenquelle* quelle_ = nullptr;
  std::uint64_t stand_ = 0;
  Zeilenbuch buch_;
  std::size_t sichtZeile_ = 0;
  std::uint64_t sichtStand_ = 0;
};

}  // namespace quarnel
