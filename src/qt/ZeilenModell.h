#pragma once
// A list box of the core shown by a QListView. The model reads the rows of
// the core's list and tells the view to reload them only when the core loaded
// new ones, so that a list of many thousand rows costs nothing while it stays
// the same.
#include <QAbstractListModel>

#include <cstdint>
#include <functional>
#include <string>

#include "interpreter/Bedienmodelle.h"

namespace quarnel {

class ZeilenModell final : public QAbstractListModel {
  Q_OBJECT
public:
  // The text a dragged row carries; rows cannot be dragged without one.
  using Ziehtext = std::function<std::string(int zeile)>;
  // Marks a row dragged out of one of the program's lists, so that the drop
  // fields take no text dragged in from elsewhere.
  static constexpr const char* kZeilenformat = "application/x-quarnel-zeile";

  explicit ZeilenModell(const Auswahlliste& quelle, Ziehtext ziehtext = {}, QObject* eltern = nullptr);

  int rowCount(const QModelIndex& eltern = QModelIndex()) const override;
  QModelIndex index(int zeile, int spalte = 0, const QModelIndex& eltern = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indizes) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

  // Reloads the view when the core's rows changed since the last call.
  void Auffrischen();

private:
  const Auswahlliste& quelle_;
  Ziehtext ziehtext_;
  std::uint64_t gezeichnet_;
  // The row count the view was last told; the core's rows may change before
  // the next Auffrischen, so the view never asks beyond what it was told.
  int anzahl_ = 0;
};

}  // namespace quarnel
