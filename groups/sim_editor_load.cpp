// The editor's life: loading the group on activation, selecting an item, saving the group with
// its drawing file, and closing.
#include <map>

#include "documents/drawing_file.h"
#include "documents/file_dialog.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/paths.h"
#include "engine/sim_catalogue.h"
#include "groups/group_file.h"
#include "groups/item_drawing.h"
#include "groups/sim_editor.h"
#include "mainwin/help_context_ids.h"
#include "platform/folder_lock.h"
#include "platform/atomic_file.h"
#include "platform/help_viewer.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

std::string EditorCaption(const std::string& path) {
  return "Simulation Group Editor [" + path + "]";
}

std::string BoxMillimetres(float worldUnits) {
  return CommaToPoint(Format(worldUnits / kWorldUnitsPerMM, "0.0"));
}

}  // namespace

SimEditor::SimEditor() : list_(kGroupItems), origin_(kGroupItems, -1) {}

void SimEditor::SetTag(const std::string& tag) {
  tag_ = tag;
  loaded_ = false;
  visible_ = true;
}

bool SimEditor::IsItemEmpty(int16_t item) const {
  return item < 0 || static_cast<size_t>(item) >= gSimItems.size() || !ItemInUse(Item(item));
}

void SimEditor::Form_Activate() {
  if (loaded_) return;
  loaded_ = true;
  if (!LoadGroup()) Hide();
}

bool SimEditor::LoadGroup() {
  path_ = tag_;
  mixed_ = false;
  if (!IsPlainFile(path_)) {
    MsgBox("The file " + path_ + " was not found. Operation cancelled.");
    return false;
  }
  if (!IsReadableGroupFile(path_)) {
    MsgBox(UnreadableGroupText(path_));
    return false;
  }
  // Read into a copy: a group this editor cannot read leaves the items as they were.
  std::vector<SimItem> items = gSimItems;
  items.resize(std::max<size_t>(items.size(), kGroupItems));
  int16_t firstType = -1;
  for (int16_t i = 0; i < kGroupItems; ++i) {
    SimItem& item = items[static_cast<size_t>(i)];
    SimItemRestore(item, i, path_, i == 0);
    int16_t type = -1;
    if (!ItemTypeOf(item.Type, type)) {
      MsgBox("The simulation group [" + path_ + "] holds simulations this editor cannot read.");
      return false;
    }
    if (type < 0) continue;
    SimTypeRec& rec = gSimTypes[static_cast<size_t>(type)];
    if (rec.LastPar == 0) SimTypeSetup(rec, type);
    if (firstType < 0) firstType = type;
    else if (type != firstType) mixed_ = true;
  }
  gSimItems = std::move(items);
  // The commands that read or write the grid row by row need one type; the two group tables
  // are built from every item and stay available.
  buttons_ = EditorButtons{};
  if (mixed_) {
    buttons_.MakeParSame = buttons_.MakeViewParSame = buttons_.Copy = buttons_.Paste = false;
    buttons_.Make_k_vs_T = false;
  }
  txtBoxWidth = BoxMillimetres(gPrintBoxWidth);
  txtBoxHeight = BoxMillimetres(gPrintBoxHeight);
  current_ = 0;
  for (int16_t i = 0; i < kGroupItems; ++i)
    if (!IsItemEmpty(i)) {
      current_ = i;
      break;
    }
  changed_ = false;
  DataSimToGrid();
  grid_.SetColWidth(0, kDefaultColWidth * 1.2f);
  if (mixed_) grid_.SetColWidth(1, grid_.ColWidth(0) * 6);
  for (int16_t i = 0; i < kGroupItems; ++i) MakeNameEntry(i);
  LoadDrawing();
  knownFile_ = gSimItems;
  knownPath_ = path_;
  ResetOrigins();
  caption_ = EditorCaption(path_);
  ProcessListSelection(current_);
  knownEditor_ = EditorView();
  return true;
}

std::vector<SimItem> SimEditor::EditorView() {
  std::vector<SimItem> kept = gSimItems;
  DataGridToSim();
  std::vector<SimItem> view = std::move(gSimItems);
  gSimItems = std::move(kept);
  return view;
}

void SimEditor::ReadKnownFile() {
  knownFile_ = gSimItems;
  for (int16_t i = 0; i < kGroupItems; ++i)
    SimItemRestore(knownFile_[static_cast<size_t>(i)], i, path_, false);
  knownPath_ = path_;
}

void SimEditor::LoadDrawing() {
  drawingDamaged_ = false;
  const std::string zef = ChangeExtension(path_, "zef");
  PageRec empty;
  PageNew(empty);
  if (!IsPlainFile(zef) || IsEmptyDrawingFile(zef)) {
    for (SimItem& item : gSimItems)
      if (item.Page.objects.empty()) item.Page = empty;
    return;
  }
  loadedPages_.assign(2, PageRec{});
  if (FileLoadBin32Bit(loadedPages_, zef, 0) != 0) {
    MsgBox("ZEF file " + zef + "not found. ZEF drawing will be empty.", vbOKOnly,
           "Error in Sim-ZEF FIle load");
    drawingDamaged_ = true;
    for (SimItem& item : gSimItems) item.Page = empty;
    return;
  }
  const int16_t count = loadedPages_[1].pageCount;
  for (int16_t i = 0; i < kGroupItems; ++i) {
    const bool have = !IsItemEmpty(i) && i + 1 <= count &&
                      static_cast<size_t>(i + 1) < loadedPages_.size();
    Item(i).Page = have ? loadedPages_[static_cast<size_t>(i + 1)] : empty;
  }
}

void SimEditor::SelectListEntry(int16_t index) { listIndex_ = index; }

void SimEditor::lstIniItems_Click(int16_t index) {
  if (listGuard_ || index < 0 || index > kLastGroupItem) return;
  listGuard_ = true;
  ProcessListSelection(index);
  listGuard_ = false;
}

void SimEditor::ProcessListSelection(int16_t index) {
  SelectListEntry(index);
  if (!mixed_) {
    current_ = index;
    grid_.SetCol(index + 1);
  } else {
    if (IsItemEmpty(index)) {
      SelectListEntry(current_);
      return;
    }
    if (!IsItemEmpty(current_)) DataGridToSim();
    current_ = index;
    DataSimToGrid();
    grid_.SetRow(2);
    grid_.SetCol(1);
  }
  Grid1_CellChanged();
}

bool SimEditor::SaveDrawing(std::string& message) {
  const std::string zef = ChangeExtension(path_, "zef");
  if (drawingDamaged_ && IsPlainFile(zef)) {
    // The unreadable drawing file is kept before the new one replaces it.
    std::string base, extension, error;
    SplitExtension(zef, base, extension);
    std::optional<std::string> bytes = ReadFileBytes(zef);
    if (!bytes || !WriteFileAtomic(base + "{damaged}.zef", *bytes, &error)) {
      message = GroupSaveFailedText(path_, error.empty() ? "the drawing file cannot be kept."
                                                         : error);
      return false;
    }
    drawingDamaged_ = false;
  }
  PageArray pages(kGroupItems + 1);
  PageNew(pages[0]);
  for (int16_t i = 0; i < kGroupItems; ++i) pages[static_cast<size_t>(i + 1)] = Item(i).Page;
  pages[1].pageCount = kGroupItems;
  pages[1].currentPage = 1;
  return FileSaveBin(pages, 1, kGroupItems, zef) == 0;
}

void SimEditor::ResetOrigins() {
  origin_.assign(kGroupItems, -1);
  for (int16_t i = 0; i < kGroupItems; ++i) origin_[static_cast<size_t>(i)] = i;
}

void SimEditor::TakeOtherSaves(const std::map<int16_t, int>& answers,
                               std::vector<OtherSave>& clashes, std::vector<OtherSave>& unkept,
                               std::vector<int16_t>& taken) {
  clashes.clear();
  unkept.clear();
  // Only the file this editor read can hold another program's saves of these items.
  if (path_ != knownPath_ || knownFile_.size() < kGroupItems ||
      knownEditor_.size() < kGroupItems || gSimItems.size() < kGroupItems ||
      origin_.size() < kGroupItems || !IsPlainFile(path_) || !IsReadableGroupFile(path_))
    return;
  const std::string zef = ChangeExtension(path_, "zef");
  PageArray pages;
  int16_t count = 0;
  if (!drawingDamaged_ && IsPlainFile(zef) && !IsEmptyDrawingFile(zef)) {
    pages.assign(2, PageRec{});
    if (FileLoadBin32Bit(pages, zef, 0) == 0) count = pages[1].pageCount;
  }
  auto take = [&](int16_t file, SimItem& now, int16_t into) {
    if (file + 1 <= count && static_cast<size_t>(file + 1) < pages.size())
      now.Page = pages[static_cast<size_t>(file + 1)];
    else if (!ItemInUse(now))
      PageNew(now.Page);
    Item(into) = now;
    origin_[static_cast<size_t>(into)] = file;
    taken.push_back(into);
  };
  std::vector<std::pair<int16_t, SimItem>> removed;  // saved there, no longer in the editor
  for (int16_t j = 0; j < kGroupItems; ++j) {
    const size_t f = static_cast<size_t>(j);
    SimItem now = knownFile_[f];
    SimItemRestore(now, j, path_, false);
    if (SameSavedValues(now, knownFile_[f])) continue;
    // The editor's items read from item j of the file (several after a clone, none after a
    // delete); the first one left as it was takes the other save.
    int16_t left = -1, edited = -1;
    bool same = false;
    for (int16_t i = 0; i < kGroupItems && !same; ++i) {
      if (origin_[static_cast<size_t>(i)] != j) continue;
      same = SameSavedValues(Item(i), now);
      if (SameSavedValues(Item(i), knownEditor_[f])) {
        if (left < 0) left = i;
      } else if (edited < 0) {
        edited = i;
      }
    }
    if (same) continue;  // both made the same change
    if (left >= 0) {
      take(j, now, left);
      continue;
    }
    if (edited < 0) {
      removed.emplace_back(j, now);
      continue;
    }
    const auto answer = answers.find(j);
    if (answer == answers.end()) {
      std::string name = Trim(Item(edited).Name);
      if (name.empty()) name = Trim(knownFile_[f].Name);
      clashes.push_back({j, name, false});
    } else if (answer->second == 0) {
      take(j, now, edited);
    }
  }
  // Saves of items the editor deleted (asked about) or dropped as empty ones when cloning go
  // to the first free item of the editor.
  for (auto& [j, now] : removed) {
    const size_t f = static_cast<size_t>(j);
    const OtherSave save{j, Trim(now.Name), true};
    if (ItemInUse(knownEditor_[f])) {
      const auto answer = answers.find(j);
      if (answer == answers.end()) {
        clashes.push_back(save);
        continue;
      }
      if (answer->second != 0) continue;  // the user deletes it all the same
    }
    int16_t free = -1;
    for (int16_t i = 0; i < kGroupItems && free < 0; ++i)
      if (IsItemEmpty(i)) free = i;
    if (free < 0) unkept.push_back(save);
    else take(j, now, free);
  }
}

int SimEditor::AskAboutClash(const OtherSave& clash) {
  const std::string item = "Item" + Str(static_cast<int16_t>(clash.file + 1)) + " [" +
                           clash.name + "] of the group [" + path_ +
                           "] was saved by another program while this editor was open, and ";
  const int answer = MsgBox(
      clash.removed
          ? item + "it is deleted here.\r\n\r\nYes: delete it all the same.\r\nNo: keep the "
                   "other program's version of this item (it takes a free item of the group)."
                   "\r\nCancel: save nothing now."
          : item + "it is changed here too.\r\n\r\nYes: save this editor's version over the "
                   "other one.\r\nNo: keep the other program's version of this item (the "
                   "changes made here to it are dropped).\r\nCancel: save nothing now.",
      vbYesNoCancel + vbExclamation, "Item saved by another program");
  if (answer == vbYes) return 1;
  if (answer == vbNo) return 0;
  return -1;
}

bool SimEditor::WriteGroup(std::string& error) {
  clsFileINI file;
  file.IniFilename(path_);
  // The file is built whole and replaces the old one in one write.
  bool ok = file.BeginBatch(true);
  if (ok) {
    for (int16_t i = 0; i < kGroupItems; ++i) SimItemWrite(file, Item(i), i, i == 0);
    ok = file.CommitBatch();
  }
  if (!ok) error = file.WriteError();
  return ok;
}

int SimEditor::SimSave() {
  DataGridToSim();
  std::map<int16_t, int> answers;  // the user's choice for items both programs changed
  std::vector<int16_t> taken;      // items taken from the other program's saves
  // The grid and the list show the items taken from the other program's saves, whether the
  // save goes on or not.
  auto showTaken = [&] {
    for (const int16_t i : taken) {
      if (!mixed_) GridFillDataCol(i, i + 1);
      else if (i == current_) DataSimToGrid();
      MakeNameEntry(i);
    }
  };
  for (;;) {
    std::vector<OtherSave> clashes, unkept;
    std::string error, drawingMessage;
    bool written = false, drawingFailed = false, putBack = false;
    {
      // The group file is read again and written with its drawing under one hold of the
      // group's lock; no message box is shown while it is held. When the drawing cannot be
      // written the group file is put back as it was, so the two never disagree.
      const FolderLock lock(path_);
      TakeOtherSaves(answers, clashes, unkept, taken);
      if (clashes.empty() && unkept.empty()) {
        const bool existed = IsPlainFile(path_);
        const std::optional<std::string> groupBefore =
            existed ? ReadFileBytes(path_) : std::optional<std::string>{};
        written = WriteGroup(error);
        if (written && !SaveDrawing(drawingMessage)) {
          written = false;
          drawingFailed = true;
          putBack = (!existed || groupBefore) && PutFileBack(path_, groupBefore);
        }
        if (written) ReadKnownFile();
      }
    }
    if (drawingFailed) {
      showTaken();
      const std::string zef = ChangeExtension(path_, "zef");
      MsgBox((drawingMessage.empty()
                  ? "The simulation group [" + path_ + "] was not saved, because its drawing "
                    "could not be written to [" + zef + "]."
                  : drawingMessage) +
                 (putBack ? " The group and its drawing are as they were."
                          : " The group file holds the new items and could not be put back as "
                            "it was; its drawing [" + zef + "] does not show them."),
             vbExclamation);
      return 0;
    }
    if (!clashes.empty()) {
      for (const OtherSave& clash : clashes) {
        const int answer = AskAboutClash(clash);
        if (answer < 0) {
          showTaken();
          return 0;
        }
        answers[clash.file] = answer;
      }
      continue;  // the file may have changed again while the question was open
    }
    if (!unkept.empty()) {
      showTaken();
      const OtherSave& save = unkept.front();
      MsgBox("Item" + Str(static_cast<int16_t>(save.file + 1)) + " [" + save.name +
                 "] of the group [" + path_ +
                 "] was saved by another program while this editor was open, and every item "
                 "of this editor is in use, so it cannot be kept. Nothing was saved: delete an "
                 "item here and save again.",
             vbExclamation, "Item saved by another program");
      return 0;
    }
    if (!written) {
      showTaken();
      MsgBox(GroupSaveFailedText(path_, error), vbExclamation);
      return 0;
    }
    if (!drawingMessage.empty()) MsgBox(drawingMessage, vbExclamation);
    break;
  }
  changed_ = false;
  showTaken();
  ResetOrigins();
  knownEditor_ = EditorView();
  caption_ = EditorCaption(path_);
  return 1;
}

void SimEditor::SimSaveAs() {
  std::string folder, name;
  if (!path_.empty()) SplitPath(path_, folder, name);
  std::string chosen = FileDialog("", path_, folder, "Simulations (*.sim)|*.sim",
                                  kOfnOverwritePrompt, 0);
  if (chosen.empty()) chosen = path_;  // a cancelled dialog saves under the same name
  const std::string old = path_;
  path_ = chosen;
  if (SimSave() == 0 && ChangedSinceSave()) {
    path_ = old;  // nothing was written under the new name
    return;
  }
  tag_ = path_;
}

void SimEditor::cmdSimExit_Click() {
  if (changed_) {
    const int answer = MsgBox(
        "Items in the simulation group have been changed since the last save.  Do you wish to "
        "save the currrent sim file?",
        vbYesNoCancel, "Simulation File Editor");
    if (answer == vbCancel) return;
    if (answer == vbYes && SimSave() == 0 && changed_) return;
  }
  Hide();
}

void SimEditor::cmdHelp_Click() { Help().ShowTopic(helpFolder_, HelpContextIds::kSimulationEditor); }
