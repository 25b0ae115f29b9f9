#pragma once
// Output texts and their settings: the description text (newest block
// first), the short-result field, the description mode and the decimals.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <string>
#include <vector>

#include "description/Textbloecke.h"
#include "model/QuarnelT.h"

namespace quarnel {

class Plattform;

class Ausgaben {
public:
  explicit Ausgaben(Plattform& ui) : ui_(ui) {}

  int Dezimalen = 6;          // decimals of the output format, 1 to 6
  bool ProtokollAn = true;    // description mode
  bool doppelklick = false;   // true while the object list's double-click runs
  std::string LastInfoF;      // the short-result field

  // Output text of a number with the current decimals.
  std::string z2s(double z) const;
  // Vector text of an object sentence: "(x | y | z)".
  std::string V(const VektorT& v) const;

  // The sentences of the single object types.
  std::string Zahlausgabe(const QuarnelT& g) const;
  std::string Punktausgabe(const QuarnelT& g) const;
  std::string Geradenausgabe(const QuarnelT& g) const;
  std::string EbenenAusgabe(const QuarnelT& g) const;   // two lines
  std::string Dreieckausgabe(const QuarnelT& g) const;
  std::string Tetraederausgabe(const QuarnelT& g) const;

  // The object's sentence by its type code; "" for a code outside the table.
  std::string Satz(const QuarnelT& g) const;
  // Shows the object's sentence: short-result field, description area or
  // (mode off, during a double-click) a message box.
  void Ausgabe(const QuarnelT& g);

  // Puts a block on top of the description text (not yet shown).
  void InsInfofenster(const std::string& s);
  // Shows the description text in the description area when the mode is on
  // or the text is empty.
  void InfoAktualisieren();
  // "Hinweis: " + s as a block, shown at once.
  void HinweisAusgabe(const std::string& s);
  // Empties the description text. The area keeps showing its old text until
  // the next refresh.
  void InfoLeeren();

  // The whole description text: CR + block + CR for each block, newest first.
  std::string InfoFenster() const;
  // The text of the description area as last refreshed.
  std::string InfoF() const;
  std::size_t AnzahlBloecke() const { return bloecke_.size(); }
  // Block i of the description text, oldest first: InfoFenster() is CR +
  // block + CR for each of them, newest first.
  std::string_view Block(std::size_t i) const { return bloecke_[i]; }
  // The blocks of the description area as last refreshed, oldest first: its
  // text is CR + block + CR for each of them, newest first.
  std::size_t AnzahlAngezeigt() const { return zeigtAlteBloecke_ ? alteBloecke_.size() : angezeigt_; }
  std::string_view AngezeigterBlock(std::size_t i) const {
    return zeigtAlteBloecke_ ? alteBloecke_[i] : bloecke_[i];
  }
  // Changes whenever the text of the description area may have changed, so
  // that a view redraws it only then.
  std::uint64_t InfoStand() const { return infoStand_; }
  // Changes whenever the area's text is not the text it showed before with
  // newer blocks on top: a view that shows the older ones needs only the new.
  std::uint64_t InfoFolge() const { return infoFolge_; }

private:
  static std::string Verkette(const Textbloecke& bloecke, std::size_t anzahl);

  Plattform& ui_;
  // Blocks in the order they were added; the text shows them newest first.
  Textbloecke bloecke_;
  // The description area shows the first `angezeigt_` blocks added ...
  std::size_t angezeigt_ = 0;
  // ... or, after the text was emptied and before the next refresh, the
  // blocks it showed at that time.
  bool zeigtAlteBloecke_ = false;
  Textbloecke alteBloecke_;
  std::uint64_t infoStand_ = 0;
  std::uint64_t infoFolge_ = 0;
};

}  // namespace quarnel
