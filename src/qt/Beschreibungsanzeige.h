#pragma once
// Shows the core's description text in a plain-text field: blocks of text,
// the newest on top, each between two line ends. Blocks only ever come on
// top, so while the older blocks stay as they are only the new ones are
// inserted at the top. A long text goes into the field a part at a time:
// the newest lines at once, older ones each time the reader scrolls to the
// end of what is there, so a text of many thousand lines costs nothing
// until it is read. The blocks are read from the core when they are put in,
// never copied.
#include <QObject>

#include <cstddef>
#include <cstdint>

class QPlainTextEdit;

namespace quarnel {

class Ausgaben;

class Beschreibungsanzeige final : public QObject {
  Q_OBJECT
public:
  // Lines put into the field at once, at least.
  static constexpr std::size_t kErsteZeilen = 500;

  explicit Beschreibungsanzeige(QPlainTextEdit& feld);

  // Shows the description area's text as the core holds it now.
  void Zeige(const Ausgaben& ausgabe);
  // How many of the blocks, the newest, are in the field so far.
  std::size_t Geladen() const { return geladen_; }

private:
  // Puts the next older blocks into the field: about as many lines as it
  // holds already, at least kErsteZeilen.
  void Aelteres();

  QPlainTextEdit& feld_;
  const Ausgaben* ausgabe_ = nullptr;
  std::uint64_t folge_ = ~std::uint64_t{0};  // the core's text the field shows
  std::size_t anzahl_ = 0;   // its blocks
  std::size_t geladen_ = 0;  // the newest blocks that are in the field
  std::size_t zeilen_ = 0;   // lines in the field
};

}  // namespace quarnel
