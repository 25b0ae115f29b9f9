#pragma once
// Shows a long, growing text in a plain-text field. New descriptions come on
// top of the old ones, so when the old text still stands unchanged below the
// new one, only the new part is inserted at the top; otherwise the whole text
// is set.
#include <string>

class QPlainTextEdit;

namespace quarnel {

class Beschreibungsanzeige {
public:
  explicit Beschreibungsanzeige(QPlainTextEdit& feld) : feld_(feld) {}

  // Shows `text` (UTF-8, lines separated by CR).
  void Zeige(std::string text);
  const std::string& Gezeigt() const { return gezeigt_; }

private:
  QPlainTextEdit& feld_;
  std::string gezeigt_;
};

}  // namespace quarnel
