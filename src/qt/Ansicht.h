#pragma once
// One window of the program on screen, built from the core's table of its
// controls: each control becomes a widget that carries the control's name,
// shows the control's model and hands the control's events to its handlers
// through the main window's one way in. Nothing here decides: what a widget
// shows comes from a model, what a gesture does from a handler. The same
// class serves the main window's content and the windows beside it.
//
// Building and binding the widgets is in Aufbau.cpp, bringing them up to
// date with the models in Abgleich.cpp.
#include <QObject>

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/main_window/Steuerelemente.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QAbstractItemView;
class QPlainTextEdit;
class QWidget;

namespace quarnel {

class Beschreibungsanzeige;
class HauptF;
class HauptFenster;
class ZeilenModell;

class Ansicht final : public QObject {
  Q_OBJECT
public:
  // Builds the controls of `art` into `inhalt`, which owns them and this.
  Ansicht(const Fensterart& art, HauptFenster& fenster, QWidget& inhalt);

  const Fensterart& Art() const { return art_; }
  QWidget& Inhalt() const { return inhalt_; }
  // The widget of the control of that name; nullptr when there is none.
  QWidget* Element(std::string_view name) const;
  // The row of the control a widget shows; nullptr for any other widget.
  const Steuerelement* Zeile(const QWidget* w) const;

  // Brings every widget up to date with its model, touching only what
  // differs, and moves the keyboard where the core asks for it.
  void Abgleichen();
  // The lists alone, which read the core's rows as they paint.
  void ListenAbgleichen();

private:
  // A control and its widget, with what the widget shows now.
  struct Bindung {
    const Steuerelement* zeile = nullptr;
    QWidget* widget = nullptr;
    QLineEdit* zeile1 = nullptr;        // a one-line field
    QPlainTextEdit* mehrzeilig = nullptr;
    QLabel* label = nullptr;
    QAbstractItemView* ansicht = nullptr;
    ZeilenModell* modell = nullptr;
    QComboBox* popup = nullptr;
    Beschreibungsanzeige* beschreibung = nullptr;
    std::string gezeigt;  // the text shown (fields, labels, read-only texts)
    std::uint64_t sichtStand = 0;  // the list's last wish for a row in sight, followed
  };

  void Binde(Bindung& b);
  void BindeFeld(Bindung& b);
  void BindeListe(Bindung& b);
  void Abgleichen(Bindung& b);
  void AbgleichenFeld(Bindung& b);
  void AbgleichenListe(Bindung& b);
  HauptF& Haupt() const;

  const Fensterart& art_;
  HauptFenster& fenster_;
  QWidget& inhalt_;
  std::deque<Bindung> bindungen_;  // stays in place: the connections hold their bindings
  std::unordered_map<const QWidget*, const Bindung*> nachWidget_;
  std::uint64_t infoStand_ = ~std::uint64_t{0};
};

}  // namespace quarnel
