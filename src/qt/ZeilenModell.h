#pragma once
// A list box of the core shown by a view (Zeilenansicht). The model reads each row
// from the core's list when the view asks for it, and tells the view what
// changed: the rows inserted, removed or changed one by one, or all of them
// when the core loaded them anew. So a command that adds one object to a
// list of many thousand costs one row.
#include <QAbstractListModel>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "interpreter/Bedienmodelle.h"

namespace quarnel {

class ZeilenModell final : public QAbstractListModel {
  Q_OBJECT
public:
  // The text a dragged row carries; rows cannot be dragged without one.
  using Ziehtext = std::function<std::string(int zeile)>;

  explicit ZeilenModell(Auswahlliste& quelle, Ziehtext ziehtext = {}, QObject* eltern = nullptr);

  int rowCount(const QModelIndex& eltern = QModelIndex()) const override;
  QModelIndex index(int zeile, int spalte = 0, const QModelIndex& eltern = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indizes) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

  // Tells the view what changed in the core's rows since the last call,
  // and marks it seen; whether anything changed.
  bool Auffrischen();
  // The row that the letters `getippt`, typed in quick succession, lead to
  // from the row chosen in the core's list; -1 for none.
  int Tippziel(const QString& getippt) const;

private:
  // The text of row `zeile` as the view knows the rows now: the core's rows
  // seen through the changes the view has not yet been told of.
  std::string Text(std::size_t zeile) const;

  Auswahlliste& quelle_;
  std::vector<Zeilenaenderung> offen_;  // the changes being told, in order
  std::size_t erzaehlt_ = 0;            // of them told so far
  Ziehtext ziehtext_;
  std::uint64_t gezeichnet_;  // the core's stand the view shows
  // The row count the view was last told; the core's rows may change before
  // the next Auffrischen, so the view never asks beyond what it was told.
  int anzahl_ = 0;
};

}  // namespace quarnel
