// Start-up and shut-down of the main window: the start-up road, the three settings sections
// the window owns, and the window-wide events.
#include <algorithm>
#include <cmath>

#include "documents/file_location.h"
#include "documents/file_startup.h"
#include "documents/spec_record.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/ini/libr_ini.h"
#include "platform/msgbox.h"
#include "drawlib/pending_events.h"
#include "drawlib/util/paths.h"
#include "engine/engine_globals.h"
#include "mainwin/design_layout.h"
#include "mainwin/disable_ref.h"
#include "mainwin/group_startup.h"
#include "mainwin/kavo_form.h"
#include "mainwin/printer_page.h"
#include "mainwin/twips_int.h"
#include "platform/paths.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr const char* kConfigSection = "KavoConfiguration";
constexpr const char* kLastFilesSection = "Kavo LastFiles";
constexpr const char* kLastGroupsSection = "Kavo LastGroups";
constexpr const char* kDefaultGroupName = "default.sim";

// "PrintBoxToggles": a 16-bit integer, else the default 111.
int16_t ReadToggles(const std::string& value) {
  int16_t toggles = 0;
  if (!TryCInt(Val(value), toggles)) return 111;
  return toggles;
}

// A saved item's type text names a type above 0.
bool IsSavedType(const std::string& typeText) {
  const std::string t = Trim(typeText);
  if (t.empty() || t.find_first_not_of("0123456789+-. ") != std::string::npos) return false;
  return Val(t) > 0;
}

// A float setting to write: the text it was read from while it holds the value read from that
// text, else Str of the value.
std::string SettingText(float value, const std::string& readText, float readValue) {
  return value == readValue ? readText : Str(value);
}

}  // namespace

KavoForm::KavoForm(KavoHost& host, PictureBox& picture) : host_(host), pic_(picture) {
  LoadDesignControls(ctl_);
  mFrameToPar.fill(-1);
  mParToFrame.fill(-1);
  mSimTypeGroups = DefaultSimTypeGroups();
  mNoise = [this] { return std::uniform_real_distribution<float>(0.0f, 1.0f)(mNoiseEngine); };
  RegisterPlotDocumentSources(&plotSources_);
}

KavoForm::~KavoForm() { RegisterPlotDocumentSources(nullptr); }

void KavoForm::PlaceWindowAndPicture() {
  const float width = std::max(0.9f * host_.ScreenWidthTwips(), 640.0f);
  const float height = std::max(0.9f * host_.ScreenHeightTwips(), 480.0f);
  host_.MoveForm(0, 0, width, height);
  const Control inc = ctl_.Get(Ctl::fraIncrement);
  const float left = inc.Left;
  // The picture is never smaller than 3000 x 2000 twips, however small the screen.
  const float picWidth = std::max(host_.ScaleWidth() - 100 - left, 3000.0f);
  const float byHeight = static_cast<float>(
      RoundHalfEven(host_.ScaleHeight() - inc.Top - inc.Height - 330));
  const float byWidth = static_cast<float>(RoundHalfEven(0.55 * picWidth));
  const float picHeight = std::max(std::min(byHeight, byWidth), 2000.0f);
  const Control pic = Pic();
  ctl_.SetGeometry(Ctl::picKavo, 0, left, pic.Top, picWidth, picHeight);
  LastParFrameFromWidth();
}

void KavoForm::LastParFrameFromWidth() {
  const float frameWidth = ctl_.Get(Ctl::fraPar, 0).Width;
  const double fit = Fix((Pic().Width - ctl_.Get(Ctl::fraIncrement).Width) / frameWidth) - 1;
  mParScrnMax = static_cast<int16_t>(std::clamp(fit, 0.0, 13.0));
}

bool KavoForm::Form_Load(const std::vector<std::string>& commandLine) {
  RedimLineList(kStartLineCapacity);
  int16_t everyPoint = 1;
  SetPointDisplay(everyPoint);
  mSelPar = -1;
  PlaceWindowAndPicture();

  std::string iniName;
  if (FileInitName(iniName, commandLine) == 0) return false;
  DrawLibInit(host_.PictureOutput());
  // The drawing's page table belongs to the drawing documents; page 1 is their start state.

  const Control par0 = ctl_.Get(Ctl::fraPar, 0);
  for (int i = 0; i < kParFrames; ++i) {
    ctl_.SetTop(Ctl::fraPar, i, par0.Top);
    ctl_.SetLeft(Ctl::fraPar, i, par0.Left + static_cast<float>(i) * par0.Width);
  }
  mIncrement = 2.0f;
  mSimTypeGroups = DefaultSimTypeGroups();
  ctl_.SetValue(Ctl::grpInc, 10, true);
  grpInc_Click(10);
  gTraceColors = {PaletteColor(1), PaletteColor(4), PaletteColor(0), PaletteColor(2)};
  mVertMultInc = 1.0f;

  const Control pic = Pic();
  gVertScale = pic.Height;
  ctl_.SetTop(Ctl::Image1, 0, static_cast<float>(RoundHalfEven(0.3 * gVertScale)));
  gBaseLnTwips = TwipsInt16(0.92 * gVertScale - 2 * host_.TwipsPerPixelY());
  gBaseLnSaveTwips = gBaseLnTwips;
  gExpBaseLnTwips = gBaseLnTwips;
  gDiffBaseLnTwips = TwipsInt16(0.3 * gVertScale);
  gSpectHz = 300;
  VertLockHt = 0.72f * gBaseLnTwips;
  PicCalcScaling();
  gRedrawFlags = 2;

  InitKavo();
  OpenStartupGroup();

  PlaceGrip();
  ctl_.SetVisible(Ctl::grp1, 0, true);
  host_.ShowForm();
  HelpSetup(0);
  DoEvents();
  SetTypeButton(gSimType, true);
  ctl_.SetVisible(Ctl::mnuImportPeakPick, 0, FileTestFlag() != 0);
  mLoaded = true;
  return true;
}

void KavoForm::InitKavo() {
  const double paper = PrinterPaperWidthWorld();
  const Control pic = Pic();
  mBoxWidthRead.text =
      IniGetString(kConfigSection, "PrintBoxWidth", Str(static_cast<float>(paper - 804)));
  gPrintBoxWidth = mBoxWidthRead.value = static_cast<float>(Val(mBoxWidthRead.text));
  mBoxHeightRead.text = IniGetString(kConfigSection, "PrintBoxHeight",
                                     Str(static_cast<float>(paper * pic.Height / pic.Width)));
  gPrintBoxHeight = mBoxHeightRead.value = static_cast<float>(Val(mBoxHeightRead.text));
  gPrintBoxToggles = ReadToggles(IniGetString(kConfigSection, "PrintBoxToggles", Str(111)));
  gDisableRef = ReadDisableRef(IniGetString(kConfigSection, "DisableRef", "-1")) ? -1 : 0;
  ctl_.SetValue(Ctl::mnuPref, 5, gDisableRef != 0);
  gSpec.MHz = static_cast<float>(Val(IniGetString(kConfigSection, "Default MHz", "200")));
  GroupsAtStartup().GroupINItoMenu();
  ReadRecentLists();
}

void KavoForm::ReadRecentLists() {
  IniEntryTable files;
  const int fileCount = IniReadSection(kLastFilesSection, files);
  if (fileCount > 0) {
    ctl_.SetVisible(Ctl::mnufListSep, 0, true);
    DoEvents();
    for (int i = 1; i <= 9 && i <= fileCount; ++i) {
      const std::string& path = files[1][static_cast<size_t>(i - 1)];
      ctl_.SetCaption(Ctl::mnufList, i, path);
      ctl_.SetVisible(Ctl::mnufList, i, !path.empty());
    }
  }
  IniEntryTable groups;
  const int groupCount = IniReadSection(kLastGroupsSection, groups);
  if (groupCount == 0) {
    ctl_.SetCaption(Ctl::mnuGroupList, 1, JoinPath(SettingsFolder(), kDefaultGroupName));
    ctl_.SetVisible(Ctl::mnuGroupList, 1, false);
    return;
  }
  for (int i = 1; i <= 9 && i <= groupCount; ++i) {
    const std::string& path = groups[1][static_cast<size_t>(i - 1)];
    ctl_.SetCaption(Ctl::mnuGroupList, i, path);
    ctl_.SetVisible(Ctl::mnuGroupList, i, !path.empty());
  }
}

void KavoForm::OpenStartupGroup() {
  std::string candidate = ctl_.Get(Ctl::mnuGroupList, 1).Caption;
  if (!IsPlainFile(candidate)) {
    candidate = JoinPath(SettingsFolder(), kDefaultGroupName);
    if (!IsPlainFile(candidate)) candidate.clear();
  }
  if (candidate.empty()) {
    StartDefaultGroup(true);
    return;
  }
  GroupStartup& groups = GroupsAtStartup();
  for (int16_t n = 0; n <= 24; ++n) {
    std::string typeText;
    groups.SimItemRestore(candidate, n, typeText);
    if (IsSavedType(typeText)) {
      bool ok = false;
      groups.GroupSwitch(candidate, n, ok);
      groups.RebuildGroupListMenu(candidate);
      if (ok) mGroupFile = candidate;
      return;
    }
  }
  // A group without a saved simulation is not opened; the window still needs a type.
  StartDefaultGroup(false);
}

void KavoForm::StartDefaultGroup(bool writeFile) {
  gSimType = 2;
  LoadTypeDefaultsFor(2);
  ctl_.SetValue(Ctl::optGroup, 0, true);
  optGroup_Click(0);
  if (!writeFile) return;
  // The groups give the new group its title and start date.
  mGroupFile = JoinPath(SettingsFolder(), kDefaultGroupName);
  GroupsAtStartup().GroupCreateNew(mGroupFile);
  GroupsAtStartup().IniSaveCalcD(0, " AB");
}

void KavoForm::QuitKavo(int16_t& /*cancel*/) {
  // Before the settings file is registered there is nothing to write.
  if (mLoaded) {
    std::vector<std::string> files, groups(1);
    for (int i = 0; i < kRecentFiles; ++i) files.push_back(ctl_.Get(Ctl::mnufList, i).Caption);
    for (int i = 1; i < kRecentGroups; ++i)
      groups.push_back(ctl_.Get(Ctl::mnuGroupList, i).Caption);
    // The writes stop at the first that fails: the others would fail the same way.
    const std::string width = SettingText(gPrintBoxWidth, mBoxWidthRead.text, mBoxWidthRead.value);
    const std::string height =
        SettingText(gPrintBoxHeight, mBoxHeightRead.text, mBoxHeightRead.value);
    const bool saved =
        IniPutString(kConfigSection, "PrintBoxWidth", width) != 0 &&
        IniPutString(kConfigSection, "PrintBoxHeight", height) != 0 &&
        IniPutString(kConfigSection, "PrintBoxToggles", Str(gPrintBoxToggles)) != 0 &&
        IniPutString(kConfigSection, "Default MHz", Str(gSpec.MHz)) != 0 &&
        IniPutString(kConfigSection, "DisableRef",
                     Str(static_cast<int16_t>(gDisableRef ? -1 : 0))) != 0 &&
        CtrlMenuToINI(files, kLastFilesSection) && CtrlMenuToINI(groups, kLastGroupsSection);
    // Said once, though the window's closing passes here twice.
    if (!saved && !mSettingsWarned) {
      mSettingsWarned = true;
      MsgBox("The settings (the lists of recent spectra and groups, the print box size and the "
             "other options) could not be saved in the file " + IniRegFile + ": " +
                 IniWriteError + "\r\nThe next start will use the settings saved before.",
             vbExclamation);
    }
  }
  HelpQuit();
}

void KavoForm::Form_KeyUp(int16_t keyCode, int16_t /*shift*/) {
  if (keyCode == 112) host_.PopupMenu(Ctl::mnuHelp);
}

void KavoForm::Form_Paint() { FreqReadoutUpdate(); }

void KavoForm::Form_Resize() {
  FreqReadoutUpdate();
  LastParFrameFromWidth();
  if (mCalcHasRun && !host_.Minimized()) PicCalcScaling();
}

void KavoForm::Form_QueryUnload(int16_t& cancel, int16_t /*unloadMode*/) {
  QuitKavo(cancel);
  host_.UnloadAll();
}

void KavoForm::Form_Unload(int16_t& cancel) {
  QuitKavo(cancel);
  if (cancel) return;
  host_.UnloadAll();
}

void KavoForm::mnuExit_Click() { host_.CloseForm(); }
