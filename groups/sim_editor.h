// The group editor frmSimEdit without its widgets: all 25 items of a group as a grid with one
// column per item (two columns in a group of mixed types), the item list, the edit box for the
// current cell, the commands on the items and the clipboard copies. The window shows this state
// and passes the user's actions to the handlers; the caller passes the group path in the tag
// and reads the tag back after the editor has hidden itself.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "documents/page_record.h"
#include "groups/group_grid.h"
#include "groups/sim_item.h"

inline constexpr int kPrivateRow = 4;
inline constexpr int kFirstParamRow = 5;
inline constexpr const char* kNotEditable = "[Cannot be edited]";

// The buttons whose enabled state depends on the group.
struct EditorButtons {
  bool MakeParSame = true, MakeViewParSame = true, Copy = true, Paste = true;
  bool Make_k_vs_T = true, CopyData = true, CopyRates = true;
};

class SimEditor {
 public:
  SimEditor();

  // --- The window ---
  void SetTag(const std::string& tag);
  const std::string& Tag() const { return tag_; }
  // The window is activated; the group is loaded once per show.
  void Form_Activate();
  bool Visible() const { return visible_; }
  const std::string& Caption() const { return caption_; }
  GroupGrid& Grid1() { return grid_; }
  const std::vector<std::string>& lstIniItems() const { return list_; }
  int16_t ListIndex() const { return listIndex_; }
  const std::string& txtGridEdit() const { return edit_; }
  std::string txtBoxWidth, txtBoxHeight;
  const EditorButtons& Buttons() const { return buttons_; }
  bool ChangedSinceSave() const { return changed_; }
  bool MixedTypes() const { return mixed_; }
  int16_t CurrentItem() const { return current_; }
  int KRow() const { return kRow_; }

  // --- Public members ---
  int16_t CurrentSimType() const;
  std::string CurrentParrID(int row) const;
  int SimSave();
  void SimSaveAs();
  void GridFillDataCol(int16_t item, int col);
  void GridFillID(int16_t type);
  void DataSimToGrid();
  void GridGetColData(int16_t item, int col);
  void DataGridToSim();
  void MakeNameEntry(int16_t item);
  void GridSelectCurrent();

  // --- The user's actions ---
  void lstIniItems_Click(int16_t index);
  // The user moved the grid's current cell (already set in Grid1).
  void Grid1_CellChanged();
  // The user changed the edit box's text.
  void txtGridEdit_Change(const std::string& text);
  // Returns the key after the box's filter (0: swallowed).
  int16_t txtGridEdit_KeyPress(int16_t key);
  void txtGridEdit_KeyUp(int16_t key);
  void cmdSave_Click() { SimSave(); }
  void cmdSaveAs_Click() { SimSaveAs(); }
  // Exit; the window frame's close and Esc act the same.
  void cmdSimExit_Click();
  void cmdHelp_Click();
  // Where the help topics are (the main window's help folder).
  void SetHelpFolder(const std::string& folder) { helpFolder_ = folder; }

  // --- Commands on the items ---
  void cmdClone_Click();
  void cmdDelete_Click();
  // Index 1 up, 0 down.
  void cmdMoveupdn_Click(int16_t index);
  void cmdRenumber_Click();
  void cmdMakeParSame_Click();
  void cmdMakeViewParSame_Click();
  void cmdMakeBoxSame_Click();
  void cmdCopy_Click();
  void cmdPaste_Click();
  void cmdMake_k_vs_T_Click();
  // Index 0 the data table, 1 the rate table.
  void cmdClipboard_Click(int16_t index);
  void cmdZefStacked_Click();

 private:
  bool LoadGroup();
  void LoadDrawing();
  void Hide() { visible_ = false; }
  int LastRow() const;
  bool IsItemEmpty(int16_t item) const;
  void SelectListEntry(int16_t index);
  void ProcessListSelection(int16_t index);
  // False when the drawing was not written; `message` then holds what to tell, if anything.
  bool SaveDrawing(std::string& message);
  // An item of the group file that another program saved while the editor was open.
  struct OtherSave {
    int16_t file = -1;  // its index in the group file
    std::string name;   // the name to show
    bool removed = false;  // the editor no longer holds it (deleted, or dropped by a clone)
  };
  // Under the group's lock: takes into the editor every item that another program saved since
  // the editor read the group and that the editor left as it was, wherever the editor's moves,
  // clones and deletes have put it. Items both changed (and not yet answered) are listed in
  // `clashes`; saves that cannot be kept as the editor has no free item left, in `unkept`; the
  // editor items that took a save, in `taken`. `answers` is keyed by the index in the file.
  void TakeOtherSaves(const std::map<int16_t, int>& answers, std::vector<OtherSave>& clashes,
                      std::vector<OtherSave>& unkept, std::vector<int16_t>& taken);
  // Asks what to do with an item both changed: 1 write over, 0 keep the other save, -1 cancel.
  int AskAboutClash(const OtherSave& clash);
  bool WriteGroup(std::string& error);
  SimItem& Item(int16_t i) { return gSimItems[static_cast<size_t>(i)]; }
  const SimItem& Item(int16_t i) const { return gSimItems[static_cast<size_t>(i)]; }

  std::string tag_;
  std::string path_;
  std::string helpFolder_;
  std::string caption_ = "Simulation Group Editor";
  bool visible_ = true;
  bool loaded_ = false;
  int16_t current_ = 0;
  bool mixed_ = false;
  bool changed_ = false;
  int kRow_ = 0;
  bool listGuard_ = false;
  bool gridBusy_ = false;
  bool columnStale_ = false;  // column 1 of a mixed group no longer shows the current item
  bool drawingDamaged_ = false;
  GroupGrid grid_;
  std::vector<std::string> list_;
  int16_t listIndex_ = -1;
  std::string edit_;
  EditorButtons buttons_;
  PageArray loadedPages_;
  // The items as the editor last read or wrote them in the group file (that file), and as the
  // editor showed them then: a difference from the first is another program's save, from the
  // second an edit made here.
  std::vector<SimItem> knownFile_, knownEditor_;
  std::string knownPath_;
  // For each item of the editor, the index in that file it was read from (-1: none); clone,
  // move and delete carry it along with the item.
  std::vector<int16_t> origin_;
  void ResetOrigins();
  std::vector<SimItem> EditorView();
  void ReadKnownFile();
};
