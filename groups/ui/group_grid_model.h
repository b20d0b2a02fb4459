// The group editor's grid on Qt: a table model over GroupGrid. Row 0 and column 0 look like
// headers; no cell is edited in place (the editor's edit box does that).
#pragma once

#include <QAbstractTableModel>

#include "groups/group_grid.h"

class GroupGridModel : public QAbstractTableModel {
 public:
  explicit GroupGridModel(GroupGrid& grid, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // The grid changed: the view shows it again.
  void Refresh();

 private:
  GroupGrid& grid_;
};
