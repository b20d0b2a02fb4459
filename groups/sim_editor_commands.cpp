// The editor's commands on the items: clone, delete, move, renumber, one value for a row, one
// set of parameter panels, one spectrum box size for all drawings, Copy and Paste of the grid,
// and the list of rate constants and temperatures.
#include <algorithm>
#include <cmath>
#include <optional>

#include "documents/drawing_file.h"
#include "drawlib/device/obj_header.h"
#include "drawlib/document_services.h"
#include "drawlib/ini/cls_file_ini.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/paths.h"
#include "drawlib/util/strings.h"
#include "groups/group_file.h"
#include "groups/group_tables.h"
#include "groups/item_drawing.h"
#include "groups/item_tag.h"
#include "groups/sim_editor.h"
#include "platform/atomic_file.h"
#include "platform/clipboard.h"
#include "platform/folder_lock.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr float kMinBoxMM = 20, kMaxBoxMM = 1000;

// A box size typed in mm: a number, clamped to 20..1000 mm; false for no number.
bool BoxSize(const std::string& text, float& mm) {
  const std::string t = Trim(CommaToPoint(text));
  if (t.empty() || t.find_first_of("0123456789") == std::string::npos) return false;
  const double v = Val(t);
  if (!std::isfinite(v)) return false;
  mm = static_cast<float>(std::clamp(v, static_cast<double>(kMinBoxMM),
                                     static_cast<double>(kMaxBoxMM)));
  return true;
}

// Every spectrum object of the page takes the box size (millimetres); a page whose spectrum
// label is no object header keeps the rest of its steps as they are.
void RescaleSpectra(PageRec& page, float width, float height) {
  PageRestore(page);
  for (int s = 1; s <= StepCount; ++s) {
    if (StepList.StepType[static_cast<size_t>(s)] != kStepSpectrum) continue;
    std::string& label = StepList.Text[static_cast<size_t>(s)];
    if (!ObjHeaderParse(label)) break;
    if (auto* bytes = std::get_if<ByteArray>(&StepList.Data[static_cast<size_t>(s)]))
      SpecRescale(*bytes, label, width, height);
  }
  const int16_t pageCount = page.pageCount;
  PageCapture(page);
  page.pageCount = pageCount;
}

bool StartsWithK(const std::string& name) { return !name.empty() && name[0] == 'k'; }
bool EndsWithPerK(const std::string& name) {
  return name.size() >= 2 && name.substr(name.size() - 2) == "/k";
}

}  // namespace

void SimEditor::cmdClone_Click() {
  const int16_t i = listIndex_;
  if (i < 0) return;
  if (!IsItemEmpty(kLastGroupItem)) {
    MsgBox("The Sim Editor is full (25 items - last item is in use) - can't clone current one");
    return;
  }
  // Column 1 of a mixed group holds the edits of the current item: the copies carry them.
  if (mixed_) DataGridToSim();
  list_.insert(list_.begin() + i, list_[static_cast<size_t>(i)]);
  list_.pop_back();
  for (int16_t j = kLastGroupItem; j >= i + 1; --j) {
    Item(j) = Item(static_cast<int16_t>(j - 1));
    origin_[static_cast<size_t>(j)] = origin_[static_cast<size_t>(j - 1)];
  }
  if (!mixed_) GridCloneCol(grid_, i + 1);
  changed_ = true;
}

void SimEditor::cmdDelete_Click() {
  const int16_t i = listIndex_;
  if (i < 0) return;
  for (int16_t j = i; j < kLastGroupItem; ++j) {
    Item(j) = Item(static_cast<int16_t>(j + 1));
    origin_[static_cast<size_t>(j)] = origin_[static_cast<size_t>(j + 1)];
  }
  SimItem empty;
  PageNew(empty.Page);
  Item(kLastGroupItem) = empty;
  origin_[kLastGroupItem] = -1;
  list_.erase(list_.begin() + i);
  list_.push_back("[Empty]");
  if (!mixed_) {
    GridDeleteCol(grid_, i + 1);
    grid_.SetCols(kGroupItems + 1);
    GridFillDataCol(kLastGroupItem, kGroupItems);
  } else if (current_ >= i) {
    // Column 1 shows the deleted item: it must not be read back into the next one.
    columnStale_ = true;
  }
  changed_ = true;
  listGuard_ = true;
  int16_t chosen = i;
  for (int16_t d = 1; IsItemEmpty(chosen) && d <= kLastGroupItem; ++d) {
    if (i - d >= 0 && !IsItemEmpty(static_cast<int16_t>(i - d))) chosen = static_cast<int16_t>(i - d);
    else if (i + d <= kLastGroupItem && !IsItemEmpty(static_cast<int16_t>(i + d)))
      chosen = static_cast<int16_t>(i + d);
  }
  SelectListEntry(chosen);
  if (IsItemEmpty(chosen)) {
    MsgBox("There are no active simulations left. Click Ok to exit the sime editor", vbOKOnly,
           "Sim Delete");
    listGuard_ = false;
    Hide();
    return;
  }
  listGuard_ = false;
  if (mixed_ && columnStale_) current_ = chosen;
  ProcessListSelection(chosen);
}

void SimEditor::cmdMoveupdn_Click(int16_t index) {
  const int16_t i = listIndex_;
  if (i < 0) return;
  const bool up = index == 1;
  if (up ? i < 1 : i >= static_cast<int16_t>(list_.size()) - 1) return;
  const int16_t j = static_cast<int16_t>(up ? i - 1 : i + 1);
  if (mixed_) DataGridToSim();
  std::swap(Item(i), Item(j));
  std::swap(origin_[static_cast<size_t>(i)], origin_[static_cast<size_t>(j)]);
  std::swap(list_[static_cast<size_t>(i)], list_[static_cast<size_t>(j)]);
  listGuard_ = true;
  SelectListEntry(j);
  listGuard_ = false;
  changed_ = true;
  if (!mixed_) GridSwapCols(grid_, i + 1, j + 1);
  current_ = j;
  if (mixed_) DataSimToGrid();
}

void SimEditor::cmdRenumber_Click() {
  for (size_t n = 0; n < list_.size(); ++n) {
    const std::string& entry = list_[n];
    const long dot = InStr(entry, ".");
    const std::string title = dot > 0 ? Mid(entry, dot + 1) : entry;
    list_[n] = LTrim(Str(static_cast<int16_t>(n + 1)) + ". " + Trim(title));
    grid_.SetCell(0, mixed_ ? 1 : static_cast<int>(n) + 1, Str(static_cast<int16_t>(n + 1)));
  }
  if (mixed_) grid_.SetCell(0, 1, Str(static_cast<int16_t>(current_ + 1)));
  changed_ = true;
}

void SimEditor::cmdMakeParSame_Click() {
  const std::string v = grid_.Text();
  const int r = grid_.Row();
  grid_.SetCol(0);
  const std::string label = grid_.Text();
  if (MsgBox("Make all values in row" + Str(static_cast<int16_t>(r)) + " [" + label +
                 "] the same as the current value [" + v + "]",
             vbOKCancel, "Make Row Same") != vbOK)
    return;
  for (int c = 1; c <= kGroupItems && c < grid_.Cols(); ++c) grid_.SetCell(r, c, v);
  changed_ = true;
}

void SimEditor::cmdMakeViewParSame_Click() {
  const int col = std::max(grid_.Col(), 1);
  const int16_t source = mixed_ ? current_ : static_cast<int16_t>(col - 1);
  const std::string sp = Item(source).ScreenParam;
  if (MsgBox("Show same Parameter Panels for all simulations as for Simulation " +
                 Str(static_cast<int16_t>(grid_.Col())) + "?",
             vbOKCancel, "Make Screen Pars Same") != vbOK)
    return;
  for (int16_t i = 0; i < kGroupItems; ++i) Item(i).PrivateTag = TagSet(Item(i).PrivateTag, "ScreenParam", sp);
  changed_ = true;
}

void SimEditor::cmdMakeBoxSame_Click() {
  float width = 0, height = 0;
  if (!BoxSize(txtBoxWidth, width) || !BoxSize(txtBoxHeight, height)) {
    MsgBox("The box width and height must be numbers (millimetres).");
    return;
  }
  const std::string zef = ChangeExtension(path_, "zef");
  if (!IsPlainFile(zef)) {
    MsgBox("File [" + zef + "] Not Found");
    return;
  }
  // The group file and its drawing are read afresh and written back under the group's lock, so
  // another program's saves in between are kept; the lock is let go before any message. The
  // drawing goes first and is put back when the group file cannot take the size, so the two
  // never disagree.
  std::optional<FolderLock> lock(std::in_place, path_);
  PageArray pages(2);
  if (!IsEmptyDrawingFile(zef) && FileLoadBin32Bit(pages, zef, 0) != 0) return;
  const std::optional<std::string> drawingBefore = ReadFileBytes(zef);
  const int16_t count = pages[1].pageCount;
  for (int16_t p = 1; p <= count && static_cast<size_t>(p) < pages.size(); ++p)
    RescaleSpectra(pages[static_cast<size_t>(p)], width, height);
  pages[1].pageCount = count;
  if (!drawingBefore || (count > 0 && FileSaveBin(pages, 1, count, zef) != 0)) {
    lock.reset();
    MsgBox("The box size was not set: the drawing file [" + zef + "] could not be written.",
           vbExclamation);
    return;
  }
  clsFileINI file;
  file.IniFilename(path_);
  bool ok = file.BeginBatch();
  if (ok) {
    file.INIString(kGroupHeaderSection, "Box Width", "", Trim(Str(width)));
    file.INIString(kGroupHeaderSection, "Box Height", "", Trim(Str(height)));
    ok = file.CommitBatch();
  }
  if (!ok) {
    const std::string error = file.WriteError();
    const bool putBack = count == 0 || PutFileBack(zef, drawingBefore);
    lock.reset();
    MsgBox(GroupSaveFailedText(path_, error) +
               (putBack ? " The box size was not set."
                        : " The drawing file [" + zef + "] holds the new box size and could "
                          "not be put back as it was."),
           vbExclamation);
    return;
  }
  gPrintBoxWidth = width * kWorldUnitsPerMM;
  gPrintBoxHeight = height * kWorldUnitsPerMM;
  txtBoxWidth = Trim(Str(width));
  txtBoxHeight = Trim(Str(height));
  lock.reset();
  // The pages the editor holds take the size too, so that a later save keeps it. They are not
  // taken from the file: after a move or delete here its pages belong to other items, and an
  // item another program saved meanwhile comes in whole with its page at that save.
  for (int16_t i = 0; i < kGroupItems; ++i)
    if (!IsItemEmpty(i)) RescaleSpectra(Item(i).Page, width, height);
  changed_ = true;
}

void SimEditor::cmdCopy_Click() {
  std::string text;
  for (int r = 0; r < grid_.Rows(); ++r) {
    if (r > 0) text += "\r\n";
    for (int c = 0; c <= kGroupItems; ++c) {
      if (c > 0) text += "\t";
      const bool tag = r == kPrivateRow && c >= 1 && !mixed_;
      text += tag ? Item(static_cast<int16_t>(c - 1)).PrivateTag : grid_.Cell(r, c);
    }
  }
  ClipboardBatch batch;
  ClipboardAddText(text);
}

void SimEditor::cmdPaste_Click() {
  std::optional<std::string> clip = ClipboardText();
  if (!clip) return;
  std::string rest = *clip;
  for (int r = 0; r < grid_.Rows() && !rest.empty(); ++r) {
    std::string line = GetToken(rest, "\r\n");
    for (int c = 0; c <= kGroupItems; ++c) {
      const size_t tab = line.find('\t');
      const std::string cell = line.substr(0, tab);
      if (r == kPrivateRow && c >= 1) {
        if (!ItemTagTypeValid(cell)) {
          MsgBox("Paste: column" + Str(static_cast<int16_t>(c)) + " holds no valid type.");
        } else {
          Item(static_cast<int16_t>(c - 1)).PrivateTag = cell;
          grid_.SetCell(r, c, Left(cell, 50));
        }
      } else {
        grid_.SetCell(r, c, cell);
      }
      if (tab == std::string::npos) break;
      line = line.substr(tab + 1);
    }
  }
  for (int16_t i = 0; i < kGroupItems; ++i) MakeNameEntry(i);
  changed_ = true;
}

void SimEditor::cmdMake_k_vs_T_Click() {
  const int row = grid_.Row();
  const std::string name = CurrentParrID(row);
  const bool ratio = row != kRow_ && StartsWithK(name) && EndsWithPerK(name);
  if (kRow_ <= 0) {
    MsgBox("No parameter named k in this simulation type.");
    return;
  }
  DataGridToSim();
  std::string text;
  bool first = true;
  for (int16_t i = 0; i < kGroupItems; ++i) {
    if (IsItemEmpty(i)) continue;
    const SimItem& item = Item(i);
    std::string kv = item.Param[static_cast<size_t>(kRow_ - kFirstParamRow)];
    if (ratio)
      kv = Trim(CommaToPoint(Format(
          ValPoint(kv) * ValPoint(item.Param[static_cast<size_t>(row - kFirstParamRow)]), "0.00")));
    if (!first) text += "\r\n";
    first = false;
    text += kv + "," + item.TempK;
  }
  ClipboardBatch batch;
  ClipboardAddText(text);
}

void SimEditor::cmdClipboard_Click(int16_t index) {
  DataGridToSim();
  const int16_t type = CurrentSimType();
  if (type < 0) return;
  CopyGroupTable(BuildGroupTable(gSimItems, gSimTypes[static_cast<size_t>(type)], index == 1));
}

void SimEditor::cmdZefStacked_Click() { CopyStackedPlot(ChangeExtension(path_, "zef")); }
