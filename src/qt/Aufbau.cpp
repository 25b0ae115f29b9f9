// Building a window's widgets from its table and binding each to its model
// and its handlers: typing and selections go into the models as they
// happen; every other gesture goes to the row's handler through the main
// window's one way in, one connection for each signal.
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QPlainTextEdit>
#include <QPushButton>

#include "qt/Ansicht.h"
#include "qt/Beschreibungsanzeige.h"
#include "qt/HauptFenster.h"
#include "qt/QtPlattform.h"
#include "qt/Steuerbau.h"
#include "qt/Texte.h"
#include "qt/Zeilenablage.h"
#include "qt/ZeilenModell.h"

namespace quarnel {

Ansicht::Ansicht(const Fensterart& art, HauptFenster& fenster, QWidget& inhalt)
    : QObject(&inhalt), art_(art), fenster_(fenster), inhalt_(inhalt) {
  for (const Steuerelement& s : art.steuerelemente) {
    Bindung& b = bindungen_.emplace_back();
    b.zeile = &s;
    b.widget = BaueSteuerelement(s, &inhalt);
    nachWidget_[b.widget] = &b;
    Binde(b);
  }
}

HauptF& Ansicht::Haupt() const { return fenster_.Haupt(); }

QWidget* Ansicht::Element(std::string_view name) const {
  for (const Bindung& b : bindungen_)
    if (b.zeile->name == name) return b.widget;
  return nullptr;
}

const Steuerelement* Ansicht::Zeile(const QWidget* w) const {
  auto it = nachWidget_.find(w);
  return it == nachWidget_.end() ? nullptr : it->second->zeile;
}

void Ansicht::Binde(Bindung& b) {
  const Verhalten& v = b.zeile->verhalten;
  b.zeile1 = qobject_cast<QLineEdit*>(b.widget);
  b.mehrzeilig = qobject_cast<QPlainTextEdit*>(b.widget);
  b.label = qobject_cast<QLabel*>(b.widget);
  b.ansicht = qobject_cast<QAbstractItemView*>(b.widget);
  b.popup = qobject_cast<QComboBox*>(b.widget);
  if (b.zeile1 != nullptr) b.gezeigt = Utf8(b.zeile1->text());
  if (b.mehrzeilig != nullptr) b.gezeigt = MehrzeiligerText(b.mehrzeilig->toPlainText());
  if (b.label != nullptr) b.gezeigt = Utf8(b.label->text());

  switch (b.zeile->art) {
    case Steuerart::Beschreibung:
      b.beschreibung = new Beschreibungsanzeige(*b.mehrzeilig);
      break;
    case Steuerart::Textfeld:
    case Steuerart::Ablagefeld:
      BindeFeld(b);
      break;
    case Steuerart::Liste:
      BindeListe(b);
      break;
    case Steuerart::Knopf:
      if (v.aktion != nullptr)
        connect(static_cast<QPushButton*>(b.widget), &QPushButton::clicked, this,
                [this, aktion = v.aktion] { fenster_.Weiterleiten(aktion); });
      break;
    case Steuerart::Aufklappmenue:
      if (v.gewaehlt != nullptr)
        connect(b.popup, &QComboBox::activated, this, [this, gewaehlt = v.gewaehlt](int i) {
          fenster_.Weiterleiten([gewaehlt, i](HauptF& h) { gewaehlt(h, i); });
        });
      break;
    case Steuerart::Beschriftung:
    case Steuerart::Trennlinie:
      break;
  }
}

void Ansicht::BindeFeld(Bindung& b) {
  const Verhalten& v = b.zeile->verhalten;
  // Every field answers a row dragged over it: a field whose control has a
  // use for rows takes those the core says it takes, as they are dragged
  // over it; any other refuses them.
  Zeilenablage::Nimmt nimmt;
  Zeilenablage::Ablegen ablegen;
  if (v.ablegen != nullptr) {
    if (v.nimmt != nullptr) nimmt = [this, n = v.nimmt](const QString& t) { return n(Haupt(), Utf8(t)); };
    ablegen = [this, a = v.ablegen](const QString& t) {
      fenster_.Weiterleiten([a, text = Utf8(t)](HauptF& h) { a(h, text); });
    };
  }
  new Zeilenablage(b.mehrzeilig != nullptr ? *b.mehrzeilig->viewport() : *b.widget, std::move(nimmt),
                   std::move(ablegen));
  if (v.feld == nullptr || b.zeile->art == Steuerart::Ablagefeld) return;
  // Typing goes into the model as it happens.
  Textfeld* feld = v.feld(Haupt());
  if (b.zeile1 != nullptr) {
    connect(b.zeile1, &QLineEdit::textEdited, this, [&b, feld](const QString& t) {
      feld->text = Utf8(t);
      b.gezeigt = feld->text;
    });
  } else if (b.mehrzeilig != nullptr) {
    // Written by the program only under a signal blocker, so this is typing.
    connect(b.mehrzeilig, &QPlainTextEdit::textChanged, this, [&b, feld] {
      feld->text = MehrzeiligerText(b.mehrzeilig->toPlainText());
      b.gezeigt = feld->text;
    });
  }
}

void Ansicht::BindeListe(Bindung& b) {
  const Verhalten& v = b.zeile->verhalten;
  if (v.liste == nullptr) return;
  Auswahlliste* liste = v.liste(Haupt());
  ZeilenModell::Ziehtext ziehtext;
  if (v.ziehtext != nullptr)
    ziehtext = [this, z = v.ziehtext](int zeile) { return z(Haupt(), zeile); };
  b.modell = new ZeilenModell(*liste, std::move(ziehtext), b.ansicht);
  b.ansicht->setModel(b.modell);
  // The selection goes into the model as the user makes it; a list with a
  // change handler then runs it.
  connect(b.ansicht->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this, &b, liste, wechsel = v.wechsel] {
            const QModelIndexList gewaehlt = b.ansicht->selectionModel()->selectedRows();
            liste->auswahl = gewaehlt.isEmpty() ? -1 : gewaehlt.front().row();
            if (wechsel != nullptr) fenster_.Weiterleiten(wechsel);
          });
  // A double-click acts on the row clicked.
  if (v.doppelklick != nullptr)
    connect(b.ansicht, &QAbstractItemView::doubleClicked, this,
            [this, liste, doppelklick = v.doppelklick](const QModelIndex& i) {
              liste->auswahl = i.row();
              fenster_.Weiterleiten(doppelklick);
            });
}

}  // namespace quarnel
