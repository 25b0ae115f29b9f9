#include "qt/Beschreibungsanzeige.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include <string_view>

#include "qt/QtPlattform.h"

namespace quarnel {

void Beschreibungsanzeige::Zeige(std::string text) {
  if (text == gezeigt_) return;
  const std::string_view neu(text);
  if (!gezeigt_.empty() && neu.size() > gezeigt_.size() && neu.ends_with(gezeigt_)) {
    const std::string oben(neu.substr(0, neu.size() - gezeigt_.size()));
    QTextCursor c(feld_.document());
    c.movePosition(QTextCursor::Start);
    c.insertText(QtPlattform::Anzeigetext(oben));
    // The newest description is the one to read.
    feld_.verticalScrollBar()->setValue(0);
  } else {
    feld_.setPlainText(QtPlattform::Anzeigetext(text));
  }
  gezeigt_ = std::move(text);
}

}  // namespace quarnel
