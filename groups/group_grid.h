// The group editor's grid: a table of texts with a current cell, column widths and a selection,
// addressed only through these operations, and the column moves the editor makes on it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class GroupGrid {
 public:
  int Rows() const { return rows_; }
  int Cols() const { return cols_; }
  // Resizing keeps the texts that still fit; new cells are empty.
  void SetRows(int rows);
  void SetCols(int cols);
  int Row() const { return row_; }
  int Col() const { return col_; }
  void SetRow(int row);
  void SetCol(int col);
  // The current cell's text.
  const std::string& Text() const;
  void SetText(const std::string& text);
  // Any cell ("" outside the grid).
  const std::string& Cell(int row, int col) const;
  void SetCell(int row, int col, const std::string& text);
  float ColWidth(int col) const;
  void SetColWidth(int col, float twips);
  void SetSelection(int row1, int col1, int row2, int col2);
  int SelRow1() const { return sel_[0]; }
  int SelCol1() const { return sel_[1]; }

  // Told after every change of texts, size or current cell.
  void SetListener(std::function<void()> listener) { listener_ = std::move(listener); }

 private:
  void Changed();
  int rows_ = 0, cols_ = 0, row_ = 0, col_ = 0;
  std::vector<std::vector<std::string>> cells_;  // [row][col]
  std::vector<float> widths_;
  int sel_[4] = {0, 0, 0, 0};
  std::function<void()> listener_;
};

inline constexpr float kDefaultColWidth = 1000;

// Column operations; a column outside the grid shows the operation's message and changes
// nothing.
void GridSwapCols(GroupGrid& grid, int a, int b);
void GridMoveCol(GroupGrid& grid, int source, int destination);
void GridDeleteCol(GroupGrid& grid, int col);
void GridCloneCol(GroupGrid& grid, int col);
