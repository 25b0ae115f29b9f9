#pragma once
// Shows the description text in a plain-text field: blocks of text, the
// newest on top, each between two line ends. Blocks only ever come on top,
// so while the older blocks stay as they are only the new ones are inserted
// at the top. A long text goes into the field a part at a time: the newest
// lines at once, older ones each time the reader scrolls to the end of what
// is there, so a text of many thousand lines costs nothing until it is read.
#include <QObject>

#include <cstddef>
#include <span>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace quarnel {

class Beschreibungsanzeige final : public QObject {
  Q_OBJECT
public:
  // Lines put into the field at once, at least.
  static constexpr std::size_t kErsteZeilen = 500;

  explicit Beschreibungsanzeige(QPlainTextEdit& feld);

  // Shows the blocks (UTF-8, lines separated by CR), given oldest first.
  void Zeige(std::span<const std::string> bloecke);
  // How many of the blocks, the newest, are in the field so far.
  std::size_t Geladen() const { return geladen_; }

private:
  // Puts the next older blocks into the field: about as many lines as it
  // holds already, at least kErsteZeilen.
  void Nachladen();

  QPlainTextEdit& feld_;
  std::vector<std::string> bloecke_;  // the blocks shown, oldest first
  std::size_t geladen_ = 0;           // the newest blocks that are in the field
  std::size_t zeilen_ = 0;            // lines in the field
};

}  // namespace quarnel
