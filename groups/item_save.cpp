// Saving the current simulation as an item of the open group, with its drawing as the item's
// page of the group's drawing file.
#include <optional>

#include "documents/drawing_file.h"
#include "documents/spec_record.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/paths.h"
#include "engine/sim_type_traits.h"
#include "groups/group_file.h"
#include "groups/item_drawing.h"
#include "groups/main_window_groups.h"
#include "mainwin/plot_document.h"
#include "platform/atomic_file.h"
#include "platform/folder_lock.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

void MainWindowGroups::mnuS_Click(int16_t index) {
  if (index < 0 || index > kLastGroupItem || NoGroupOpen()) return;
  const std::string caption = NameOfMenuText(ctl_.Get(Ctl::mnuS, index).Caption);
  std::string name;
  if (caption.size() >= 5) {
    name = Mid(caption, InStr(2, caption, " ") + 1);
  } else if (ShowsLoadedSpectrum()) {
    std::string folder, file;
    SplitPath(gFinm, folder, file);
    name = form_.TypeCaption() + " (" + file + ")";
  } else {
    name = form_.TypeCaption();
  }
  const std::string answer = InputBox(
      "Type a name for the current simulation (64 Characters).\r\nThis is item" +
          Str(static_cast<int16_t>(index + 1)) + " in the Simulation Group: [" + mGroupFile + "]",
      "Save Spectrum ", name);
  bool saved = false;
  if (!answer.empty()) SaveSimItem(index, answer, saved);
}

void MainWindowGroups::SaveSimItem(int16_t index, const std::string& name, bool& saved) {
  saved = false;
  if (index < 0 || index > kLastGroupItem || NoGroupOpen()) return;
  if (gSimType == kPeakListType) {
    MsgBox("An imported peak list cannot be saved in a simulation group.");
    return;
  }
  form_.SnapshotSimulation(gSimTypes[static_cast<size_t>(gSimType)]);
  // The item and its drawing are saved under one hold of the group's lock, so that another
  // instance saving into the same group never finds one without the other. The drawing goes
  // first: when it cannot be written the item is not saved either, and when the item cannot be
  // written the drawing is put back as it was, so the two files always agree.
  const FolderLock lock(mGroupFile);
  const std::string zef = ChangeExtension(mGroupFile, "zef");
  const std::optional<std::string> drawingBefore =
      IsPlainFile(zef) ? ReadFileBytes(zef) : std::optional<std::string>{};
  if (IsPlainFile(zef) && !drawingBefore) {
    MsgBox(ItemNotSavedText(index, zef), vbExclamation);
    return;
  }
  bool unreadable = false;
  if (!SaveZefFile(index, mGroupFile, &unreadable)) {
    MsgBox(unreadable ? "The drawing file [" + zef + "] could not be read (it may be damaged or "
                        "cut short), so the simulation was not saved as item" +
                            Str(static_cast<int16_t>(index + 1)) + " of the group [" +
                            mGroupFile + "]. The group and its drawing are as they were."
                      : ItemNotSavedText(index, zef),
           vbExclamation);
    return;
  }
  if (!IniSaveCalcD(gSimType, form_.CurrentGroup(), gFinm, index, name)) {
    if (!PutFileBack(zef, drawingBefore))
      MsgBox("The drawing file [" + zef + "] now holds a drawing for item" +
                 Str(static_cast<int16_t>(index + 1)) +
                 " that was not saved in the group, and it could not be put back as it was.",
             vbExclamation);
    return;
  }
  UpdateSaveRestore(index, name);
  saved = true;
}

std::string MainWindowGroups::ItemNotSavedText(int16_t index, const std::string& zef) const {
  return "The simulation was not saved as item" + Str(static_cast<int16_t>(index + 1)) +
         " of the group [" + mGroupFile + "], because its drawing could not be written to [" +
         zef + "]. The group and its drawing are as they were.";
}

bool MainWindowGroups::IniSaveCalcD(int16_t simType, int16_t typeGroup,
                                    const std::string& fileName, int16_t index,
                                    const std::string& name) {
  if (index < 0 || index > kLastGroupItem || NoGroupOpen()) return false;
  if (simType == kPeakListType) {
    MsgBox("An imported peak list cannot be saved in a simulation group.");
    return false;
  }
  if (simType < 0 || simType > kPeakListType) return false;
  GrowSimItems(index);
  SimItem item = gSimItems[static_cast<size_t>(index)];
  item.Type = Str(simType);
  item.Group = Str(typeGroup);
  item.Name = name;
  item.SpecRef = Str(gSpec.Ref);
  item.SpecMHz = Str(gSpec.MHz);
  item.SpectType = Str(gTypeMode);
  item.VertMult = Str(gVertMult);
  item.VertLock = gVertLock != 0 ? "-1" : "0";
  item.VertLockHt = Str(VertLockHt);
  item.SpecOffset = Str(static_cast<int32_t>(gBaseLnTwips) - gExpBaseLnTwips);
  std::string screen;
  const int16_t last = TypeLastPar(simType);
  for (int16_t k = 0; k <= last && k < kSimParCount; ++k) {
    const SimParRec& par = gSimPar[static_cast<size_t>(k)];
    item.Param[static_cast<size_t>(k)] = par.Value != 0 ? FormatByMagnitude(par.Value) : "0";
    item.ParamIncr[static_cast<size_t>(k)] = par.Incr;
    if (par.Flags & kParShown) screen += Chr(48 + k);
  }
  item.ScreenParam = screen;
  if (simType == 0 || gLineFit) {
    item.FileName = fileName;
    item.SpecVertMult = Str(gSpec.VertMult);
  } else {
    item.FileName.clear();
  }
  std::string error;
  if (!SimItemSave(item, index, mGroupFile, true, &error)) {
    MsgBox(GroupSaveFailedText(mGroupFile, error), vbExclamation);
    return false;
  }
  gSimItems[static_cast<size_t>(index)] = item;
  gCurrentSimItem = index;
  return true;
}

bool MainWindowGroups::SaveZefFile(int16_t index, const std::string& path, bool* unreadable) {
  ErrorLocation = 10001;
  const bool ok = SaveItemDrawing(index, path, [](PageRec& page) {
    CreatePlotDocument(1);
    PageCapture(page);
  }, unreadable);
  ErrorLocation = 10002;
  return ok;
}
