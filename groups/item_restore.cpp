// Restoring an item of the open group into the main window, and the step buttons that move
// through the group's items.
#include "documents/spec_record.h"
#include "drawlib/util/paths.h"
#include "engine/sim_catalogue.h"
#include "groups/group_file.h"
#include "groups/main_window_groups.h"
#include "mainwin/type_table.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr const char* kZefPrefix = "<zef>";
constexpr const char* kClipboardSource = "<clipboard>";

// Where the item's experimental spectrum comes from: the file named, the same name in the
// group's folder, or the spectrum stored in the group's drawing file.
std::string SpectrumSource(const std::string& f, const std::string& groupFile) {
  if (f.rfind(kZefPrefix, 0) == 0 || f == kClipboardSource || IsPlainFile(f)) return f;
  std::string folder, name, groupFolder, groupName;
  SplitPath(f, folder, name);
  SplitPath(groupFile, groupFolder, groupName);
  const std::string beside = JoinPath(groupFolder, name);
  if (!name.empty() && IsPlainFile(beside)) return beside;
  return kZefPrefix + f;
}

float ValueOr(const std::string& text, float current) {
  const float v = static_cast<float>(Val(text));
  return v < 0 ? current : v;
}

}  // namespace

void MainWindowGroups::SelectTypeButtons(int16_t group, int16_t type) {
  // The buttons change under the window's set-up guard, so their handlers do not run; the
  // guard goes back to idle afterwards (also after OptGroupSetup, which leaves it set), or
  // every later click on a type button would be ignored.
  form_.SetSetupState(kSetupTypeButtons);
  if (group >= 0)
    for (int g = 0; g < 4; ++g) ctl_.SetValue(Ctl::optGroup, g, g == group);
  if (type >= 0)
    for (int t = 0; t < kTypeButtonCount; ++t) ctl_.SetValue(Ctl::optType, t, t == type);
  form_.SetSetupState(kSetupIdle);
}

bool MainWindowGroups::mnuR_Click(int16_t index) {
  if (index < 0 || index > kLastGroupItem || mGroupFile.empty()) return false;
  SimItem local;
  SimItemRestore(local, index, mGroupFile, true);
  ShowDisableRef();
  int16_t t = -1;
  const bool valid = ItemTypeOf(local.Type, t);
  if (valid && t < 0) return false;  // an empty slot
  if (!valid || t >= kPeakListType) {
    MsgBox("Simulation" + Str(static_cast<int16_t>(index + 1)) +
           " cannot be restored (type [" + Trim(local.Type) + "]).");
    return false;
  }
  GrowSimItems(index);
  gSimItems[static_cast<size_t>(index)] = local;
  gCurrentSimItem = index;
  const int16_t g = CInt(Val(local.Group));
  std::string f = local.FileName;
  if (!f.empty()) {
    if (t != 0) gSpec.VertMult = static_cast<float>(Val(local.SpecVertMult));
    f = SpectrumSource(f, mGroupFile);
  } else {
    gLineFit = 0;
  }
  UpdateSaveRestore(index, local.Name);
  mRestoring = true;
  SimTypeRec& rec = gSimTypes[static_cast<size_t>(t)];
  RestoreSimParams(rec, local);
  int16_t mode = f == kClipboardSource ? 16 : 0;
  bool ok = false;
  if (t != 0) {
    if (g != form_.CurrentGroup() && g >= 0 && g <= 3) {
      form_.OptGroupSetup(g);
      SelectTypeButtons(g, -1);
    }
    gFinm.clear();
    if (gSimType != t) SelectTypeButtons(-1, t);
    gSimType = t;
    gRedrawFlags = 8;
    form_.LoadTypeDefaults(rec);
    if (!f.empty()) {
      form_.LoadExperimentalSpectrum(f, index, mode, ok);
      if (ok) {
        gLineFit = -1;
        form_.SetupLinefitting(true);
      }
    }
    // An item without a spectrum ends line fitting: its controls go with it.
    if (!gLineFit) form_.SetupLinefitting(false);
    form_.OptSetupParFrames();
  } else {
    form_.OptSetupSpectrum(rec.Par[0].Value, rec.Par[1].Value, rec.VertMult);
    if (gSimType != 0) SelectTypeButtons(-1, 0);
    gFinm.clear();
    form_.LoadExperimentalSpectrum(f, index, mode, ok);
    gSimType = 0;
    gLineFit = 0;
    form_.SetupLinefitting(false);
    form_.OptSetupParFrames();
  }
  mRestoring = false;
  form_.OptSetupMiscButtons();
  form_.SetDisplayWidth(gSpectHz);
  form_.OptSetupFormCaption();
  form_.CalcSpectTimed(0);
  if (f.rfind(kZefPrefix, 0) == 0)
    form_.MessageDisplay("The NMR file [" + f.substr(5) + "] not found. Using stored ZEF spectrum",
                         2, "Left");
  form_.LockHt();
  return true;
}

void MainWindowGroups::RestoreSimParams(SimTypeRec& typeRec, const SimItem& item) {
  const int16_t type = CInt(Val(item.Type));
  SimTypeSetup(typeRec, type);
  int16_t mode = 0;
  typeRec.Mode = TryCInt(Val(item.SpectType), mode) && mode >= 0 ? mode : gTypeMode;
  typeRec.VertMult = ValueOr(item.VertMult, gVertMult);
  if (Val(item.VertLock) != 0) {
    gVertLock = -1;
    VertLockHt = static_cast<float>(Val(item.VertLockHt));
  } else {
    gVertLock = 0;
  }
  int32_t base = 0;
  if (TryCLng(gBaseLnTwips - Val(item.SpecOffset), base) && base >= -32768 && base <= 32767)
    gExpBaseLnTwips = static_cast<int16_t>(base);
  if (type != 0 && !gLineFit) {
    typeRec.SpecRef = static_cast<float>(Val(item.SpecRef));
    typeRec.SpecMHz = static_cast<float>(Val(item.SpecMHz));
    gSpec.Ref = typeRec.SpecRef;
    gSpec.MHz = typeRec.SpecMHz;
  }
  for (size_t k = 0; k < kSimParCount; ++k) {
    typeRec.Par[k].Value = static_cast<float>(Val(item.Param[k]));
    typeRec.Par[k].Incr = item.ParamIncr[k];
  }
  const std::string shown = Left(item.ScreenParam, form_.ParScrnMax() + 1);
  for (int16_t k = 0; k <= typeRec.LastPar && k < kSimParCount; ++k) {
    SimParRec& par = typeRec.Par[static_cast<size_t>(k)];
    if (shown.find(static_cast<char>(48 + k)) != std::string::npos) par.Flags |= kParShown;
    else par.Flags &= ~kParShown;
    const int c = par.Flags & kParShiftMask;
    if (c != 0) typeRec.Spins[static_cast<size_t>(c)].Shift = par.Value;
  }
}

void MainWindowGroups::cmdNextPrevSim_Click(int16_t index) {
  auto shown = [](int16_t n) {
    return "[" + Str(static_cast<int16_t>(n + 1)) + ". " +
           gSimItems[static_cast<size_t>(n)].Name + "]";
  };
  GrowSimItems(kLastGroupItem);
  const int16_t current = gCurrentSimItem;
  switch (index) {
    case 0:
    case 1: {
      const bool next = index == 0;
      if (current == (next ? kLastGroupItem : 0)) {
        form_.MessageDisplay(next ? "Current Sim is Last Entry" : "Current Sim is First Entry",
                             2, "Left");
        return;
      }
      const int16_t n = static_cast<int16_t>(current + (next ? 1 : -1));
      if (mnuR_Click(n)) form_.MessageDisplay(shown(n) + " Restored.", 1, "Left");
      else
        form_.MessageDisplay(next ? "Next Sim is Empty (no data)"
                                  : "Previous Sim is Empty (no data)",
                             2, "Left");
      return;
    }
    case 2: {
      bool saved = false;
      SaveSimItem(current, gSimItems[static_cast<size_t>(current)].Name, saved);
      if (saved) form_.MessageDisplay(shown(current) + " Saved.", 2, "Left");
      return;
    }
    default: return;
  }
}
