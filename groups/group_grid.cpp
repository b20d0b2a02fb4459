#include "groups/group_grid.h"

#include <algorithm>

#include "platform/msgbox.h"

namespace {
const std::string kNoText;
}  // namespace

void GroupGrid::Changed() {
  if (listener_) listener_();
}

void GroupGrid::SetRows(int rows) {
  rows_ = std::max(rows, 0);
  cells_.resize(static_cast<size_t>(rows_));
  for (auto& r : cells_) r.resize(static_cast<size_t>(cols_));
  row_ = std::clamp(row_, 0, std::max(rows_ - 1, 0));
  Changed();
}

void GroupGrid::SetCols(int cols) {
  cols_ = std::max(cols, 0);
  for (auto& r : cells_) r.resize(static_cast<size_t>(cols_));
  widths_.resize(static_cast<size_t>(cols_), kDefaultColWidth);
  col_ = std::clamp(col_, 0, std::max(cols_ - 1, 0));
  Changed();
}

void GroupGrid::SetRow(int row) {
  if (row < 0 || row >= rows_ || row == row_) return;
  row_ = row;
  Changed();
}

void GroupGrid::SetCol(int col) {
  if (col < 0 || col >= cols_ || col == col_) return;
  col_ = col;
  Changed();
}

const std::string& GroupGrid::Text() const { return Cell(row_, col_); }

void GroupGrid::SetText(const std::string& text) { SetCell(row_, col_, text); }

const std::string& GroupGrid::Cell(int row, int col) const {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return kNoText;
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void GroupGrid::SetCell(int row, int col, const std::string& text) {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return;
  cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
  Changed();
}

float GroupGrid::ColWidth(int col) const {
  return col >= 0 && col < cols_ ? widths_[static_cast<size_t>(col)] : 0;
}

void GroupGrid::SetColWidth(int col, float twips) {
  if (col < 0 || col >= cols_) return;
  widths_[static_cast<size_t>(col)] = twips;
  Changed();
}

void GroupGrid::SetSelection(int row1, int col1, int row2, int col2) {
  sel_[0] = row1;
  sel_[1] = col1;
  sel_[2] = row2;
  sel_[3] = col2;
}

void GridSwapCols(GroupGrid& grid, int a, int b) {
  if (a < 0 || b < 0 || a >= grid.Cols() || b >= grid.Cols()) return;
  for (int r = 0; r < grid.Rows(); ++r) {
    const std::string t = grid.Cell(r, a);
    grid.SetCell(r, a, grid.Cell(r, b));
    grid.SetCell(r, b, t);
  }
}

void GridMoveCol(GroupGrid& grid, int source, int destination) {
  if (source < 0 || destination < 0 || source >= grid.Cols() || destination >= grid.Cols()) {
    MsgBox("GridMoveCol Source or destination outside of Grid");
    return;
  }
  for (int r = 0; r < grid.Rows(); ++r) grid.SetCell(r, destination, grid.Cell(r, source));
}

void GridDeleteCol(GroupGrid& grid, int col) {
  if (col < 0 || col >= grid.Cols()) {
    MsgBox("GridDelCol Delete col is outside of Grid");
    return;
  }
  for (int c = col + 1; c < grid.Cols(); ++c) GridMoveCol(grid, c, c - 1);
  grid.SetCols(grid.Cols() - 1);
}

void GridCloneCol(GroupGrid& grid, int col) {
  if (col < 0 || col >= grid.Cols()) {
    MsgBox("GridCloneCol Clonete col is outside of Grid");
    return;
  }
  grid.SetCols(grid.Cols() + 1);
  for (int c = grid.Cols() - 2; c >= col; --c) GridMoveCol(grid, c, c + 1);
}
