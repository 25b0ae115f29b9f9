#pragma once
// The program's texts on their way to and from the widgets: UTF-8 as a
// QString and back, and the mark of a row dragged out of one of the
// program's own lists. Everything else in src/qt builds on this; it builds
// on nothing of src/qt.
#include <QMimeData>
#include <QString>

#include <string>
#include <string_view>

namespace quarnel {

// UTF-8 text of the program as a QString, and back; line ends stay CR.
inline QString QText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string Utf8(const QString& text) { return text.toStdString(); }

// Text of a multi-line field as the program holds it: line ends become CR.
inline std::string MehrzeiligerText(const QString& text) {
  std::string s = Utf8(text);
  for (char& c : s)
    if (c == '\n') c = '\r';
  return s;
}

// Marks a row dragged out of the object or command list, beside its text:
// such a row lands only in a field that takes it, never as typed text.
inline constexpr const char* kZeilenformat = "application/x-quarnel-zeile";

// Whether a drag or drop brings such a row.
inline bool EigeneZeile(const QMimeData* m) {
  return m != nullptr && m->hasText() && m->hasFormat(QString::fromLatin1(kZeilenformat));
}

}  // namespace quarnel
