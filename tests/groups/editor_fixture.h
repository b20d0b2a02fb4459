// Test fixture of the group editor: a group file written from items of given types, the editor
// opened on it, and the drawing file beside it.
#pragma once

#include <utility>
#include <vector>

#include "documents/drawing_file.h"
#include "groups/group_file.h"
#include "groups/item_tag.h"
#include "groups/sim_editor.h"
#include "tests/groups/groups_fixture.h"

class EditorTest : public GroupsTest {
 protected:
  std::string Path() const { return folder.File("Group.sim"); }
  std::string Zef() const { return folder.File("Group.zef"); }

  // Items (index, type), named "Item<index>", parameter k holding "<index>.<k>", TempK 300.
  void WriteGroup(const std::vector<std::pair<int16_t, int16_t>>& items) {
    for (const auto& [index, type] : items) {
      SimItem item = AbItem("Item" + std::to_string(index));
      item.Type = std::to_string(type);
      item.TempK = "300";
      for (size_t k = 0; k < kSimParCount; ++k)
        item.Param[k] = std::to_string(index) + "." + std::to_string(k);
      ASSERT_TRUE(SimItemSave(item, index, Path(), index == items.front().first));
    }
  }
  // A drawing file of n empty pages.
  void WriteDrawing(int16_t n) {
    PageArray pages(static_cast<size_t>(n) + 1);
    for (int16_t p = 1; p <= n; ++p) PageNew(pages[static_cast<size_t>(p)]);
    pages[1].pageCount = n;
    ASSERT_EQ(FileSaveBin(pages, 1, n, Zef()), 0);
  }
  void Open() {
    editor.SetTag(Path());
    editor.Form_Activate();
  }
  // The user selects a cell.
  void Select(int row, int col) {
    editor.Grid1().SetRow(row);
    editor.Grid1().SetCol(col);
    editor.Grid1_CellChanged();
  }
  const std::string& Cell(int row, int col) { return editor.Grid1().Cell(row, col); }

  SimEditor editor;
};
