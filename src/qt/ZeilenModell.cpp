#include "qt/ZeilenModell.h"

#include <QMimeData>

#include "qt/Texte.h"

namespace quarnel {

ZeilenModell::ZeilenModell(Auswahlliste& quelle, Ziehtext ziehtext, QObject* eltern)
    : QAbstractListModel(eltern),
      quelle_(quelle),
      ziehtext_(std::move(ziehtext)),
      gezeichnet_(quelle.Stand()),
      anzahl_(static_cast<int>(quelle.Anzahl())) {
  quelle_.Gesehen();
}

int ZeilenModell::rowCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : anzahl_; }

// A view asks for the index of every row when it lays out the list.
QModelIndex ZeilenModell::index(int zeile, int spalte, const QModelIndex& eltern) const {
  if (eltern.isValid() || spalte != 0 || zeile < 0 || zeile >= anzahl_) return {};
  return createIndex(zeile, 0);
}

QVariant ZeilenModell::data(const QModelIndex& index, int rolle) const {
  if (rolle != Qt::DisplayRole || !index.isValid() || index.row() < 0) return {};
  if (index.row() >= anzahl_) return {};
  return QText(Text(static_cast<std::size_t>(index.row())));
}

Qt::ItemFlags ZeilenModell::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractListModel::flags(index);
  if (index.isValid() && ziehtext_) f |= Qt::ItemIsDragEnabled;
  return f;
}

QStringList ZeilenModell::mimeTypes() const {
  return {QStringLiteral("text/plain"), QString::fromLatin1(kZeilenformat)};
}

QMimeData* ZeilenModell::mimeData(const QModelIndexList& indizes) const {
  if (!ziehtext_ || indizes.isEmpty()) return nullptr;
  auto* m = new QMimeData;
  // One row is selected at a time; it travels as plain text, which is what
  // a text field accepts when the row is dropped on it.
  m->setText(QText(ziehtext_(indizes.front().row())));
  m->setData(QString::fromLatin1(kZeilenformat), QByteArray());
  return m;
}

int ZeilenModell::Tippziel(const QString& getippt) const { return quelle_.Tippziel(Utf8(getippt)); }

std::string ZeilenModell::Text(std::size_t zeile) const {
  // Each change not yet told moves the row, or tells its text before.
  for (std::size_t k = erzaehlt_; k < offen_.size(); ++k) {
    const Zeilenaenderung& a = offen_[k];
    switch (a.art) {
      case Zeilenaenderung::Eingefuegt:
        if (zeile >= a.zeile) ++zeile;
        break;
      case Zeilenaenderung::Entfernt:
        if (zeile == a.zeile) return a.alt;
        if (zeile > a.zeile) --zeile;
        break;
      case Zeilenaenderung::Geaendert:
        if (zeile == a.zeile) return a.alt;
        break;
    }
  }
  return zeile < quelle_.Anzahl() ? quelle_.Zeile(zeile) : std::string();
}

bool ZeilenModell::Auffrischen() {
  const Zeilenbuch& buch = quelle_.Aenderungen();
  const bool geaendert = quelle_.Stand() != gezeichnet_ || !buch.Leer();
  if (quelle_.Stand() != gezeichnet_ || buch.IstNeu()) {
    beginResetModel();
    gezeichnet_ = quelle_.Stand();
    anzahl_ = static_cast<int>(quelle_.Anzahl());
    endResetModel();
  } else {
    // Told one by one, so that between the signals before and after a
    // change the view sees the rows as they were and then as they are.
    offen_ = buch.Aenderungen();
    for (erzaehlt_ = 0; erzaehlt_ < offen_.size();) {
      const Zeilenaenderung& a = offen_[erzaehlt_];
      const int z = static_cast<int>(a.zeile);
      switch (a.art) {
        case Zeilenaenderung::Eingefuegt:
          beginInsertRows({}, z, z);
          ++anzahl_;
          ++erzaehlt_;
          endInsertRows();
          break;
        case Zeilenaenderung::Entfernt:
          beginRemoveRows({}, z, z);
          --anzahl_;
          ++erzaehlt_;
          endRemoveRows();
          break;
        case Zeilenaenderung::Geaendert:
          ++erzaehlt_;
          emit dataChanged(index(z), index(z), {Qt::DisplayRole});
          break;
      }
    }
    offen_.clear();
    erzaehlt_ = 0;
  }
  quelle_.Gesehen();
  return geaendert;
}

}  // namespace quarnel
