#include "groups/ui/group_grid_model.h"

#include <QApplication>
#include <QPalette>

#include "platform/ui/qt_text.h"

GroupGridModel::GroupGridModel(GroupGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {}

int GroupGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.Rows();
}

int GroupGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.Cols();
}

QVariant GroupGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const bool header = index.row() == 0 || index.column() == 0;
  switch (role) {
    case Qt::DisplayRole: return ToQString(grid_.Cell(index.row(), index.column()));
    case Qt::BackgroundRole:
      if (header) return QApplication::palette().button();
      return {};
    case Qt::ForegroundRole:
      if (header) return QApplication::palette().buttonText();
      return {};
    default: return {};
  }
}

Qt::ItemFlags GroupGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GroupGridModel::Refresh() {
  beginResetModel();
  endResetModel();
}
