#include "qt/ZeilenModell.h"

#include <QMimeData>

#include "qt/Steuerbau.h"

namespace quarnel {

ZeilenModell::ZeilenModell(const Auswahlliste& quelle, Ziehtext ziehtext, QObject* eltern)
    : QAbstractListModel(eltern),
      quelle_(quelle),
      ziehtext_(std::move(ziehtext)),
      gezeichnet_(quelle.stand),
      anzahl_(static_cast<int>(quelle.zeilen.size())) {}

int ZeilenModell::rowCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : anzahl_; }

// A view asks for the index of every row when it lays out the list.
QModelIndex ZeilenModell::index(int zeile, int spalte, const QModelIndex& eltern) const {
  if (eltern.isValid() || spalte != 0 || zeile < 0 || zeile >= anzahl_) return {};
  return createIndex(zeile, 0);
}

QVariant ZeilenModell::data(const QModelIndex& index, int rolle) const {
  if (rolle != Qt::DisplayRole || !index.isValid() || index.row() < 0) return {};
  const auto zeile = static_cast<std::size_t>(index.row());
  if (zeile >= quelle_.zeilen.size()) return {};
  return QText(quelle_.zeilen[zeile]);
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

void ZeilenModell::Auffrischen() {
  if (quelle_.stand == gezeichnet_) return;
  beginResetModel();
  gezeichnet_ = quelle_.stand;
  anzahl_ = static_cast<int>(quelle_.zeilen.size());
  endResetModel();
}

}  // namespace quarnel
