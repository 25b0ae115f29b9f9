#include "qt/Beschreibungsanzeige.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

#include "platform/Text.h"
#include "qt/QtPlattform.h"

namespace quarnel {

namespace {

// The text of blocks [von, bis) as the field shows it, newest first, and its
// number of lines.
QString Text(std::span<const std::string> bloecke, std::size_t von, std::size_t bis, std::size_t& zeilen) {
  std::string s;
  for (std::size_t i = bis; i-- > von;) {
    s += CR;
    s += bloecke[i];
    s += CR;
  }
  zeilen = static_cast<std::size_t>(std::count(s.begin(), s.end(), CR));
  return QtPlattform::Anzeigetext(s);
}

}  // namespace

Beschreibungsanzeige::Beschreibungsanzeige(QPlainTextEdit& feld) : QObject(&feld), feld_(feld) {
  QScrollBar* leiste = feld_.verticalScrollBar();
  connect(leiste, &QScrollBar::valueChanged, this, [this, leiste](int wert) {
    if (wert >= leiste->maximum() && geladen_ < bloecke_.size()) Nachladen();
  });
}

void Beschreibungsanzeige::Zeige(std::span<const std::string> bloecke) {
  const std::size_t alt = bloecke_.size();
  const bool oben = bloecke.size() > alt && std::equal(bloecke_.begin(), bloecke_.end(), bloecke.begin());
  if (!oben && bloecke.size() == alt && std::equal(bloecke_.begin(), bloecke_.end(), bloecke.begin())) return;
  std::size_t zeilen = 0;
  if (oben && bloecke.size() - alt < kErsteZeilen) {
    // New blocks on top of the old ones: only they go in.
    const QString neu = Text(bloecke, alt, bloecke.size(), zeilen);
    QTextCursor c(feld_.document());
    c.movePosition(QTextCursor::Start);
    c.insertText(neu);
    bloecke_.insert(bloecke_.end(), bloecke.begin() + static_cast<std::ptrdiff_t>(alt), bloecke.end());
    geladen_ += bloecke.size() - alt;
    zeilen_ += zeilen;
  } else {
    bloecke_.assign(bloecke.begin(), bloecke.end());
    geladen_ = 0;
    zeilen_ = 0;
    feld_.clear();
    Nachladen();
  }
  // The newest description is the one to read.
  feld_.verticalScrollBar()->setValue(0);
}

void Beschreibungsanzeige::Nachladen() {
  const std::size_t ziel = std::max(zeilen_, kErsteZeilen);
  // Oldest block not yet in the field: the blocks [bis - geladen_ ...) are in.
  const std::size_t bis = bloecke_.size() - geladen_;
  std::size_t von = bis, zeilen = 0;
  while (von > 0 && zeilen < ziel) {
    --von;
    zeilen += static_cast<std::size_t>(std::count(bloecke_[von].begin(), bloecke_[von].end(), CR)) + 2;
  }
  std::size_t z = 0;
  const QString text = Text(bloecke_, von, bis, z);
  QTextCursor c(feld_.document());
  c.movePosition(QTextCursor::End);
  c.insertText(text);
  geladen_ += bis - von;
  zeilen_ += z;
}

}  // namespace quarnel
