// The editor's grid and the items: the row labels of the current item's type, filling a column
// from an item and reading it back, and the item list's entries.
#include "drawlib/util/numbers.h"
#include "groups/item_tag.h"
#include "groups/sim_editor.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr float kKelvinOffset = 273.16f;

// Rows whose texts are numbers, shown and stored with a decimal point.
bool NumericRow(int row) { return row == 3 || row >= kFirstParamRow; }

}  // namespace

int16_t SimEditor::CurrentSimType() const {
  if (current_ < 0 || static_cast<size_t>(current_) >= gSimItems.size()) return -1;
  int16_t type = -1;
  return ItemTypeOf(Item(current_).Type, type) ? type : -1;
}

std::string SimEditor::CurrentParrID(int row) const {
  const int16_t type = CurrentSimType();
  if (row < kFirstParamRow || row > kFirstParamRow + kSimParCount - 1 || type < 0) return "";
  return Trim(gSimTypes[static_cast<size_t>(type)].Par[static_cast<size_t>(row - 5)].Name);
}

int SimEditor::LastRow() const {
  const int16_t type = CurrentSimType();
  return type < 0 ? kPrivateRow : TypeLastPar(type) + kFirstParamRow;
}

void SimEditor::GridFillID(int16_t type) {
  grid_.SetCol(0);
  kRow_ = 0;
  static const char* const kLabels[] = {"", " File", " Title", " Temp C", " Private"};
  for (int row = 1; row <= LastRow(); ++row) {
    std::string label;
    if (row < kFirstParamRow) {
      label = kLabels[row];
    } else if (type >= 0) {
      label = Trim(gSimTypes[static_cast<size_t>(type)].Par[static_cast<size_t>(row - 5)].Name) +
              " ";
      if (Trim(label) == "k") kRow_ = row;
    }
    grid_.SetCell(row, 0, label);
  }
}

void SimEditor::GridFillDataCol(int16_t item, int col) {
  if (item < 0 || item > kLastGroupItem) return;
  SimItem& it = Item(item);
  grid_.SetCol(col);
  for (int row = 0; row <= LastRow(); ++row) {
    std::string text;
    switch (row) {
      case 0: text = Str(static_cast<int16_t>(item + 1)); break;
      case 1: text = it.FileName; break;
      case 2: text = it.Name; break;
      case 3:
        // A temperature below 10 K is not set: the cell is emptied.
        if (Val(it.TempK) >= 10) text = Format(ValPoint(it.TempK) - kKelvinOffset, "0.00");
        break;
      case kPrivateRow:
        it.PrivateTag = ItemTagBuild(it);
        text = Left(it.PrivateTag, 50);
        break;
      default: text = it.Param[static_cast<size_t>(row - kFirstParamRow)]; break;
    }
    grid_.SetCell(row, col, text);
  }
}

void SimEditor::DataSimToGrid() {
  grid_.SetRows(LastRow() + 1);
  if (!mixed_) {
    grid_.SetCols(kGroupItems + 1);
    GridFillID(CurrentSimType());
    for (int col = 1; col <= kGroupItems; ++col) GridFillDataCol(static_cast<int16_t>(col - 1), col);
  } else {
    grid_.SetCols(2);
    GridFillID(CurrentSimType());
    GridFillDataCol(current_, 1);
  }
  columnStale_ = false;
}

void SimEditor::GridGetColData(int16_t item, int col) {
  if (item < 0 || item > kLastGroupItem) return;
  SimItem& it = Item(item);
  for (int row = 1; row <= LastRow() && row < grid_.Rows(); ++row) {
    const std::string& cell = grid_.Cell(row, col);
    switch (row) {
      case 1: it.FileName = cell; break;
      case 2: it.Name = cell; break;
      case 3:
        it.TempK = Trim(cell).empty() ? "0" : Format(ValPoint(cell) + kKelvinOffset, "0.00");
        break;
      case kPrivateRow: ItemTagParse(it.PrivateTag, it); break;
      default: it.Param[static_cast<size_t>(row - kFirstParamRow)] = CommaToPoint(cell); break;
    }
  }
}

void SimEditor::DataGridToSim() {
  gridBusy_ = true;
  if (!mixed_) {
    for (int col = 1; col <= kGroupItems && col < grid_.Cols(); ++col)
      GridGetColData(static_cast<int16_t>(col - 1), col);
  } else if (!columnStale_) {
    GridGetColData(current_, 1);
  }
  gridBusy_ = false;
}

void SimEditor::MakeNameEntry(int16_t item) {
  if (item < 0 || item > kLastGroupItem) return;
  if (list_.size() < kGroupItems) list_.resize(kGroupItems);
  const std::string number = Str(static_cast<int16_t>(item + 1)) + ". ";
  // In a mixed group column 1 shows the current item, whose title may be edited there.
  const bool inGrid = !mixed_ || item == current_;
  const std::string& title = inGrid ? grid_.Cell(2, mixed_ ? 1 : item + 1) : Item(item).Name;
  list_[static_cast<size_t>(item)] = number + title;
}

void SimEditor::GridSelectCurrent() {
  grid_.SetSelection(grid_.Row(), grid_.Col(), grid_.Row(), grid_.Col());
}

void SimEditor::Grid1_CellChanged() {
  const int row = grid_.Row();
  if (row == kPrivateRow) {
    edit_ = kNotEditable;
  } else if (!gridBusy_) {
    edit_ = NumericRow(row) ? CommaToPoint(grid_.Text()) : grid_.Text();
    GridSelectCurrent();
  }
  const std::string id = CurrentParrID(row);
  const bool rateRow = (row == kRow_ && kRow_ > 0) ||
                       (id.size() >= 3 && id[0] == 'k' && id.substr(id.size() - 2) == "/k");
  buttons_.Make_k_vs_T = !mixed_ && rateRow;
}

void SimEditor::txtGridEdit_Change(const std::string& text) {
  edit_ = text;
  const int row = grid_.Row();
  if (row == kPrivateRow || Trim(grid_.Text()) == Trim(text)) return;
  changed_ = true;
  grid_.SetText(text);
  if (row == 2) MakeNameEntry(mixed_ ? current_ : static_cast<int16_t>(grid_.Col() - 1));
}

int16_t SimEditor::txtGridEdit_KeyPress(int16_t key) { return key == 13 ? 0 : key; }

void SimEditor::txtGridEdit_KeyUp(int16_t key) {
  if (key != 13) return;
  if (grid_.Col() < grid_.Cols() - 1) {
    grid_.SetCol(grid_.Col() + 1);
  } else if (grid_.Row() < grid_.Rows() - 1) {
    grid_.SetRow(grid_.Row() + 1);
    grid_.SetCol(1);
  }
  GridSelectCurrent();
  Grid1_CellChanged();
}
