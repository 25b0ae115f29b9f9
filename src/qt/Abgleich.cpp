// Bringing a window's widgets up to date with the core's models after every
// event: each widget is touched only where it differs from its model, so a
// refresh costs what changed.
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "qt/Ansicht.h"
#include "qt/Beschreibungsanzeige.h"
#include "qt/HauptFenster.h"
#include "qt/QtPlattform.h"
#include "qt/Texte.h"
#include "qt/ZeilenModell.h"
#include "qt/Zeilenansicht.h"

namespace quarnel {

namespace {

void SetzeSichtbar(QWidget& w, bool sichtbar) {
  if (w.isHidden() == sichtbar) w.setVisible(sichtbar);
}

}  // namespace

void Ansicht::Abgleichen() {
  for (Bindung& b : bindungen_) Abgleichen(b);
  // The field the core sends the keyboard to shows its text selected, so
  // that typing replaces it.
  if (art_.fokus == nullptr) return;
  std::string& fokus = *art_.fokus(Haupt());
  if (fokus.empty()) return;
  if (QWidget* w = Element(fokus)) {
    w->setFocus();
    if (auto* zeile = qobject_cast<QLineEdit*>(w)) zeile->selectAll();
  }
  fokus.clear();
}

void Ansicht::ListenAbgleichen() {
  for (Bindung& b : bindungen_)
    if (b.zeile->art == Steuerart::Liste) AbgleichenListe(b);
}

void Ansicht::Abgleichen(Bindung& b) {
  const Verhalten& v = b.zeile->verhalten;
  HauptF& h = Haupt();
  switch (b.zeile->art) {
    case Steuerart::Textfeld:
    case Steuerart::Ablagefeld:
      AbgleichenFeld(b);
      break;
    case Steuerart::Beschreibung:
      if (h.ausgabe.InfoStand() != infoStand_) {
        infoStand_ = h.ausgabe.InfoStand();
        b.beschreibung->Zeige(h.ausgabe);
      }
      break;
    case Steuerart::Beschriftung:
      if (v.beschriftung != nullptr) {
        const Beschriftung& m = *v.beschriftung(h);
        if (m.text != b.gezeigt) {
          b.gezeigt = m.text;
          b.label->setText(QText(b.gezeigt));
        }
        SetzeSichtbar(*b.label, m.sichtbar);
      }
      break;
    case Steuerart::Liste:
      AbgleichenListe(b);
      break;
    case Steuerart::Aufklappmenue:
      if (v.index != nullptr && b.popup->currentIndex() != v.index(h)) {
        const QSignalBlocker still(b.popup);
        b.popup->setCurrentIndex(v.index(h));
      }
      break;
    case Steuerart::Knopf:
    case Steuerart::Trennlinie:
      break;
  }
}

void Ansicht::AbgleichenFeld(Bindung& b) {
  const Verhalten& v = b.zeile->verhalten;
  HauptF& h = Haupt();
  if (v.anzeige != nullptr) {
    // A text the user only reads.
    const std::string_view text = v.anzeige(h);
    if (text != b.gezeigt) {
      b.gezeigt = text;
      if (b.mehrzeilig != nullptr) b.mehrzeilig->setPlainText(QtPlattform::Anzeigetext(b.gezeigt));
      else b.zeile1->setText(QText(b.gezeigt));
    }
    return;
  }
  if (v.feld == nullptr) return;
  const Textfeld& f = *v.feld(h);
  if (f.text != b.gezeigt) {
    // Written only when it differs: setting a line edit's text moves its
    // cursor, and a multi-line field would report it as typing.
    b.gezeigt = f.text;
    if (b.zeile1 != nullptr) {
      b.zeile1->setText(QText(f.text));
    } else {
      const QSignalBlocker still(b.mehrzeilig);
      b.mehrzeilig->setPlainText(QtPlattform::Anzeigetext(f.text));
    }
  }
  // A drop field stays read-only for the user whatever the model says.
  if (b.zeile->art == Steuerart::Textfeld) {
    if (b.zeile1 != nullptr && b.zeile1->isReadOnly() != f.nurLesen) b.zeile1->setReadOnly(f.nurLesen);
    if (b.mehrzeilig != nullptr && b.mehrzeilig->isReadOnly() != f.nurLesen) b.mehrzeilig->setReadOnly(f.nurLesen);
  }
  SetzeSichtbar(*b.widget, f.sichtbar);
}

void Ansicht::AbgleichenListe(Bindung& b) {
  if (b.modell == nullptr) return;
  const Auswahlliste& liste = *b.zeile->verhalten.liste(Haupt());
  QItemSelectionModel* auswahl = b.ansicht->selectionModel();
  {
    // The view follows the rows that changed. A view of one selected row
    // would select the next row in place of one removed: that is no choice
    // of the user's, and neither is the row it then stands on.
    const QSignalBlocker still(auswahl);
    if (b.modell->Auffrischen()) auswahl->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
  }
  if (liste.SichtStand() != b.sichtStand) {
    b.sichtStand = liste.SichtStand();
    if (auto* z = qobject_cast<Zeilenansicht*>(b.ansicht)) z->InSicht(static_cast<int>(liste.SichtZeile()));
  }
  SetzeSichtbar(*b.ansicht, liste.sichtbar);
  const QModelIndexList gewaehlt = auswahl->selectedRows();
  const int gezeigt = gewaehlt.isEmpty() ? -1 : gewaehlt.front().row();
  if (gezeigt != liste.auswahl) {
    const QSignalBlocker still(auswahl);
    if (liste.auswahl < 0)
      auswahl->clearSelection();
    else
      auswahl->select(b.modell->index(liste.auswahl), QItemSelectionModel::ClearAndSelect);
    b.ansicht->viewport()->update();
  }
}

}  // namespace quarnel
