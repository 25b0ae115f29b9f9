#pragma once
// Builds one widget from a row of a control table: its name, place, size,
// colour, text size, first text and visibility come from the row, so that
// every window is laid out by the core's tables alone.
#include <QString>

#include <string>
#include <string_view>

#include "ui/main_window/Steuerelemente.h"

class QWidget;

namespace quarnel {

// Creates the widget for `s` in `eltern`: a line edit or a plain-text edit
// for a text field, a plain-text label, a list view (without a model), a
// push button, a combo box or a horizontal line.
QWidget* BaueSteuerelement(const Steuerelement& s, QWidget* eltern);

// Applies name, geometry, background colour, font and visibility of `s` to a
// widget built elsewhere.
void Gestalte(QWidget& w, const Steuerelement& s);

// UTF-8 text of the program as a QString, and back; line ends stay CR.
QString Q(std::string_view text);
std::string S(const QString& text);

// Text of a multi-line field as the program holds it: line ends become CR.
std::string MehrzeiligerText(const QString& text);

}  // namespace quarnel
