// The editor's life: loading the group on activation, selecting an item, saving the group with
// its drawing file, and closing.
#include "documents/drawing_file.h"
#include "documents/file_dialog.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/paths.h"
#include "engine/sim_catalogue.h"
#include "groups/group_file.h"
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

SimEditor::SimEditor() : list_(kGroupItems) {}

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
  caption_ = EditorCaption(path_);
  ProcessListSelection(current_);
  return true;
}

void SimEditor::LoadDrawing() {
  drawingDamaged_ = false;
  const std::string zef = ChangeExtension(path_, "zef");
  PageRec empty;
  PageNew(empty);
  if (!IsPlainFile(zef)) {
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

bool SimEditor::SaveDrawing() {
  const std::string zef = ChangeExtension(path_, "zef");
  if (drawingDamaged_ && IsPlainFile(zef)) {
    // The unreadable drawing file is kept before the new one replaces it.
    std::string base, extension, error;
    SplitExtension(zef, base, extension);
    std::optional<std::string> bytes = ReadFileBytes(zef);
    if (!bytes || !WriteFileAtomic(base + "{damaged}.zef", *bytes, &error)) {
      MsgBox(GroupSaveFailedText(path_, error.empty() ? "the drawing file cannot be kept."
                                                      : error),
             vbExclamation);
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

int SimEditor::SimSave() {
  DataGridToSim();
  // The group file and its drawing are written under one hold of the group's lock.
  const FolderLock lock(path_);
  clsFileINI file;
  file.IniFilename(path_);
  // The file is built whole and replaces the old one in one write.
  bool ok = file.BeginBatch(true);
  if (ok) {
    for (int16_t i = 0; i < kGroupItems; ++i) SimItemWrite(file, Item(i), i, i == 0);
    ok = file.CommitBatch();
  }
  if (!ok) {
    MsgBox(GroupSaveFailedText(path_, file.WriteError()), vbExclamation);
    return 0;
  }
  changed_ = false;
  const bool drawn = SaveDrawing();
  caption_ = EditorCaption(path_);
  return drawn ? 1 : 0;
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
