#include "qt/Beschreibungsanzeige.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <string>

#include "description/Ausgaben.h"
#include "platform/Text.h"
#include "qt/QtPlattform.h"

namespace quarnel {

namespace {

// The text of blocks [von, bis) as the field shows it, newest first, and its
// number of lines.
QString Text(const Ausgaben& a, std::size_t von, std::size_t bis, std::size_t& zeilen) {
  std::string s;
  for (std::size_t i = bis; i-- > von;) {
    s += CR;
    s += a.AngezeigterBlock(i);
    s += CR;
  }
  zeilen = static_cast<std::size_t>(std::count(s.begin(), s.end(), CR));
  return QtPlattform::Anzeigetext(s);
}

}  // namespace

Beschreibungsanzeige::Beschreibungsanzeige(QPlainTextEdit& feld) : QObject(&feld), feld_(feld) {
  QScrollBar* leiste = feld_.verticalScrollBar();
  connect(leiste, &QScrollBar::valueChanged, this, [this, leiste](int wert) {
    if (wert >= leiste->maximum() && geladen_ < anzahl_) Aelteres();
  });
}

void Beschreibungsanzeige::Zeige(const Ausgaben& a) {
  ausgabe_ = &a;
  const std::size_t n = a.AnzahlAngezeigt();
  const bool gleicheFolge = a.InfoFolge() == folge_ && n >= anzahl_;
  if (gleicheFolge && n == anzahl_) return;
  if (gleicheFolge && n - anzahl_ < kErsteZeilen) {
    // New blocks on top of the old ones: only they go in.
    std::size_t zeilen = 0;
    const QString neu = Text(a, anzahl_, n, zeilen);
    QTextCursor c(feld_.document());
    c.movePosition(QTextCursor::Start);
    c.insertText(neu);
    geladen_ += n - anzahl_;
    zeilen_ += zeilen;
    anzahl_ = n;
  } else {
    folge_ = a.InfoFolge();
    anzahl_ = n;
    geladen_ = 0;
    zeilen_ = 0;
    feld_.clear();
    Aelteres();
  }
  // The newest description is the one to read.
  feld_.verticalScrollBar()->setValue(0);
}

void Beschreibungsanzeige::Aelteres() {
  // The core's text changed since it was shown: the next refresh shows it.
  const Ausgaben* a = ausgabe_;
  if (a == nullptr || a->InfoFolge() != folge_ || a->AnzahlAngezeigt() < anzahl_) return;
  const std::size_t ziel = std::max(zeilen_, kErsteZeilen);
  // Oldest block not yet in the field: the blocks [bis - geladen_ ...) are in.
  const std::size_t bis = anzahl_ - geladen_;
  std::size_t von = bis, zeilen = 0;
  while (von > 0 && zeilen < ziel) {
    --von;
    const std::string_view b = a->AngezeigterBlock(von);
    zeilen += static_cast<std::size_t>(std::count(b.begin(), b.end(), CR)) + 2;
  }
  std::size_t z = 0;
  const QString text = Text(*a, von, bis, z);
  QTextCursor c(feld_.document());
  c.movePosition(QTextCursor::End);
  c.insertText(text);
  geladen_ += bis - von;
  zeilen_ += z;
}

}  // namespace quarnel
