#include "mainwin/design_layout.h"

#include <array>

#include "engine/engine_globals.h"
#include "mainwin/help_context_ids.h"
#include "mainwin/kavo_form.h"
#include "mainwin/type_table.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

namespace H = HelpContextIds;

// Left column.
constexpr float kColLeft = 60, kColWidth = 2100;
// The increment frame and the parameter rows beside it, across the top of the window.
constexpr float kIncLeft = 2400, kIncWidth = 1460, kTopRowTop = 60, kTopRowHeight = 1380;
constexpr float kParWidth = 1500;

struct ControlDesign {
  Ctl id;
  int index;
  float left, top, width, height;
  const char* caption;
  const char* tip;
  int32_t help;
  bool visible;
};

// clang-format off
const ControlDesign kDesign[] = {
  {Ctl::fraCalcType, 0, kColLeft, 60, kColWidth, 800, "Calc Type", "", 0, true},
  {Ctl::fraPattern, 0, kColLeft, 900, kColWidth, 4440, "Multiplet", "", 0, true},
  {Ctl::optType, 0, 120, 240, 1900, 240, "Spectrum", "", H::kSpectrumType, true},
  {Ctl::fraUpDown, 0, kColLeft, 5400, kColWidth, 2070, "", "", 0, true},
  {Ctl::fraDiff, 0, kColLeft, 7530, kColWidth, 420, "", "", 0, false},
  {Ctl::CmndQuit, 0, 80, 90, 960, 270, "Quit", "Quit line fitting", H::kQuitFitting, true},
  {Ctl::btnDiffTogg, 0, 1080, 90, 960, 270, "Diff", "Toggle difference spectrum", H::kDifference, true},
  {Ctl::cmdNextPrevSim, 0, kColLeft, 8010, 680, 300, "Next",
   "Change to next Simulation in Save/Restore Menu", H::kSaveRestore, true},
  {Ctl::cmdNextPrevSim, 1, kColLeft + 710, 8010, 680, 300, "Prev",
   "Change to previous Simulation in Save/Restore Menu", H::kSaveRestore, true},
  {Ctl::cmdNextPrevSim, 2, kColLeft + 1420, 8010, 680, 300, "Save",
   "Save current simulation to Sim file", H::kSaveRestore, true},
  {Ctl::fraError, 0, kColLeft, 8370, kColWidth, kErrorFrameHeight, "", "", 0, true},
  {Ctl::lblFreq, 0, 100, 180, 1260, 240, "Lft Click Hz", "Hz position of Left-Mouse-Click", H::kFrequency,
   true},
  {Ctl::lblFreq, 1, 100, 510, 1260, 240, "Difference",
   "Difference in hz between two previous Left-Mouse-Clicks", H::kFrequency, true},
  {Ctl::cmdFreqEnter, 0, 1400, 150, 600, 300, "Enter",
   "Enter the value above into the currently active parameter", H::kFrequency, true},
  {Ctl::cmdFreqEnter, 1, 1400, 480, 600, 300, "Enter",
   "Enter the value above into the currently active parameter", H::kFrequency, true},
  {Ctl::lstError, 0, 100, 860, 1900, 1540, "", "", H::kErrorList, false},
  {Ctl::lblTimeDate, 0, kColLeft, 10930, kColWidth, 240, "", "", 0, true},
  {Ctl::fraIncrement, 0, kIncLeft, kTopRowTop, kIncWidth, kTopRowHeight, "Increment", "", H::kIncrement,
   true},
  {Ctl::txtInc, 0, 80, 220, 1300, 285, "0.02", "User defined parameter increment", H::kIncrement, true},
  {Ctl::picKavo, 0, kIncLeft, kTopRowTop + kTopRowHeight + 60, 9000, 5000, "", "", 0, true},
  {Ctl::grp1, 0, 0, 0, 300, 300, "", "", 0, true},
  {Ctl::scrhDisplay, 0, kIncLeft, 0, 9000, 255, "", "", 0, false},
};

struct ToolbarDesign {
  int index, row, column;
  const char* caption;
  const char* tip;
  int32_t help;
};
const ToolbarDesign kToolbar[] = {
  {0, 0, 0, "", "Increase height of simulation by 100/10/1/0.1%", H::kHeightButtons},
  {1, 0, 1, "", "Decrease height of simulation by 100/10/1/0.1%", H::kHeightButtons},
  {11, 1, 0, "", "Increase height of spectrum by 100/10/1/0.1%", H::kHeightButtons},
  {12, 1, 1, "", "Derease height of spectrum by 100/10/1/0.1%", H::kHeightButtons},
  {2, 2, 0, "", "Move Simulation to the left by 100/10/1/0.1%", H::kMoveButtons},
  {3, 2, 1, "", "Move simulation to the right by 100/10/1/0.1%", H::kMoveButtons},
  {4, 3, 0, "", "Expand spectrum/simulation by 100/10/1/0.1%", H::kZoomButtons},
  {5, 3, 1, "", "Contract spectrum/simulation width by 100/10/1/0.1%", H::kZoomButtons},
  {6, 4, 0, "", "Rstore full spectrum/simulation width", H::kFullWidth},
  {7, 4, 1, "", "Toggle auto-redraw", H::kRedraw},
  {8, 5, 0, " 10%", "Select size of increment for spectrum changes", H::kStepSize},
  {9, 5, 1, "ReDraw", "Redraw the screen", H::kRedraw},
  {10, 6, 0, "Stick/Full", "Toggle between stick and full lineshape spectra", H::kStickFull},
};

const char* const kRibbonTips[] = {
  "Apply user-defined parameter increment", "Parameter increment +/- 0.1",
  "Parameter increment +/- 0.3", "Parameter increment +/- 1", "Parameter increment +/- 3",
  "Parameter increment +/- 10", "Parameter increment +/- 30", "Parameter increment +/- 100",
  "Parameter increment +/- 1000"};
const char* const kRibbonCaptions[] = {"Usr", "0.1", "0.3", "1", "3", "10", "30", "100", "1000"};

const char* const kMultiplets[] = {"Singlet", "Doublet", "Triplet", "Quartet", "Pentet", "Sextet",
                                   "Septet", "Octet", "Nonet", "1:1:1 t", "1:1:1:1q"};
// clang-format on

void LoadParameterFrame(FormControls& c, int i) {
  c.SetGeometry(Ctl::fraPar, i, kIncLeft + kIncWidth + i * kParWidth, kTopRowTop, kParWidth,
                kTopRowHeight);
  c.SetHelpContextID(Ctl::fraPar, i, H::kParFrame);
  c.SetGeometry(Ctl::ParName, i, 60, 180, 1380, 240);
  c.SetCaption(Ctl::ParName, i, "Name1");
  c.SetGeometry(Ctl::ParVal, i, 60, 450, 1380, 285);
  c.SetToolTip(Ctl::ParVal, i, "Type value of parameter");
  c.SetHelpContextID(Ctl::ParVal, i, H::kParValue);
  c.SetGeometry(Ctl::cmbPar, i, 60, 450, 1380, 285);
  c.SetItems(Ctl::cmbPar, i, {std::begin(kMultiplets), std::end(kMultiplets)});
  c.SetVisible(Ctl::cmbPar, i, false);
  c.SetGeometry(Ctl::CmndNeg, i, 60, 790, 330, 300);
  c.SetCaption(Ctl::CmndNeg, i, "-");
  c.SetToolTip(Ctl::CmndNeg, i, "Decrease value of parameter by Increment");
  c.SetHelpContextID(Ctl::CmndNeg, i, H::kParStep);
  c.SetGeometry(Ctl::CmndPlus, i, 410, 790, 330, 300);
  c.SetCaption(Ctl::CmndPlus, i, "+");
  c.SetToolTip(Ctl::CmndPlus, i, "Increase value of parameter by Increment");
  c.SetHelpContextID(Ctl::CmndPlus, i, H::kParStep);
  c.SetGeometry(Ctl::ParSpin, i, 760, 790, 255, 520);
  c.SetToolTip(Ctl::ParSpin, i, "Increase or decrease parameter rapidly");
  c.SetGeometry(Ctl::CmndSign, i, 1035, 790, 405, 300);
  c.SetCaption(Ctl::CmndSign, i, "+/-");
  c.SetToolTip(Ctl::CmndSign, i, "Change sign of parameter");
  c.SetHelpContextID(Ctl::CmndSign, i, H::kParSign);
  c.SetGeometry(Ctl::lblInc, i, 60, 1120, 680, 210);
  c.SetCaption(Ctl::lblInc, i, "    1");
  c.SetToolTip(Ctl::lblInc, i, "Increment for this parameter");
  c.SetBackColor(Ctl::ParName, i, 0xC0C0C0);
}

struct MenuCaption {
  Ctl id;
  int index;
  const char* caption;
  int32_t help;
  bool visible;
  bool checked;
};
// clang-format off
const MenuCaption kMenuCaptions[] = {
  {Ctl::mnuFile, 0, "&File", 0, true, false},
  {Ctl::mnuFileLoad, 0, "&Open New Spectrum ...", 0, true, false},
  {Ctl::mnuCancelSim, 0, "&Cancel Line Fitting", 0, true, false},
  {Ctl::mnuReset, 0, "&Reset Simulation", 0, true, false},
  {Ctl::mnuImportZEF, 0, "Import ZEF NMR Clipboard", 0, true, false},
  {Ctl::mnuImportPeakPick, 0, "ImportPeakPick SDBS", 0, true, false},
  {Ctl::mnuExit, 0, "Exit", 0, true, false},
  {Ctl::mnufListSep, 0, "-", 0, false, false},
  {Ctl::mnuExp, 0, "&Export", H::kExport, true, false},
  {Ctl::mnuClipBrd, 0, "Copy ZEF drawing to Clipboard", H::kExport, true, false},
  {Ctl::mnuExportData, 0, "Spectrum Data to Clipboard (for Spreadsheet)", H::kExport, true, false},
  {Ctl::mnuExportImage, 0, "Image WMF/EMF/GIF/BMP", 0, true, false},
  {Ctl::mnuPrefrences, 0, "&Options", H::kOptions, true, false},
  {Ctl::mnuPar, 0, "&Parameters ...", H::kParameters, true, false},
  {Ctl::mnuPref, 0, "Lock height", 0, true, false},
  {Ctl::mnuPref, 1, "Show difference", 0, true, false},
  {Ctl::mnuPref, 2, "Point density", 0, true, false},
  {Ctl::mnuPrefPoint, 0, "Calculate Every Point", 0, true, true},
  {Ctl::mnuPrefPoint, 1, "Calculate Every 3rd Point", 0, true, false},
  {Ctl::mnuPrefPoint, 2, "Calculate Every 10th Point", 0, true, false},
  {Ctl::mnuPref, 3, "Autoredraw", 0, true, true},
  {Ctl::mnuPref, 4, "Display Width", 0, true, false},
  {Ctl::mnuPref, 5, "Disable Spectrum Reference", 0, true, true},
  {Ctl::mnuABXTree, 0, "Show AB, ABX coupling trees", 0, true, false},
  {Ctl::mnuNoise, 0, "No noise", 0, true, true},
  {Ctl::mnuNoise, 1, "0.25% noise", 0, true, false},
  {Ctl::mnuNoise, 2, "0.5% noise", 0, true, false},
  {Ctl::mnuNoise, 3, "1% noise", 0, true, false},
  {Ctl::mnuNoise, 4, "2% noise", 0, true, false},
  {Ctl::mnuNoise, 5, "4% noise", 0, true, false},
  {Ctl::mnuNoise, 6, "8% noise", 0, true, false},
  {Ctl::mnuPrint, 0, "&Print", 0, true, false},
  {Ctl::mnuPrintPreview, 0, "Print preview/setup ...", H::kPrinting, true, false},
  {Ctl::mnuPrintSpec, 0, "Print spectrum", 0, true, false},
  {Ctl::mnuGroup, 0, "Sim-&Group", 0, true, false},
  {Ctl::mnuSimEdit, 0, "S&imulation Editor", H::kSimulationEditor, true, false},
  {Ctl::MnuGroupNew, 0, "&New Simulation Group...", 0, true, false},
  {Ctl::mnuGroupOpen, 0, "&Open Simulation Group...", 0, true, false},
  {Ctl::mnuGroupSaveAs, 0, "S&ave Simulation Group As ...", 0, true, false},
  {Ctl::mnuSaveSpect, 0, "&SimSave", H::kSaveRestore, true, false},
  {Ctl::mnuRestore, 0, "Sim&Restore", H::kSaveRestore, true, false},
  {Ctl::mnuHelp, 0, "&Help", 0, true, false},
  {Ctl::mnuHelpTopic, 70, "Contents", 0, true, false},
  {Ctl::mnuHelpTopic, 72, "Capabilities", 0, true, false},
  {Ctl::mnuHelpTopic, 74, "Simulation", 0, true, false},
  {Ctl::mnuHelpTopic, 76, "Line Fitting", 0, true, false},
  {Ctl::mnuHelpTopic, 78, "Printing", 0, true, false},
  {Ctl::mnuHelpTopic, 80, "Options", 0, true, false},
  {Ctl::mnuHelpTopic, 82, "Parameters", 0, true, false},
  {Ctl::mnuHelpTopic, 84, "Save/Restore", 0, true, false},
  {Ctl::mnuHelpTopic, kHelpAboutItem, "About VIREO", 0, true, false},
  {Ctl::mnuPopRtDrag, 0, "RtDrag", 0, false, false},
  {Ctl::mnuPopRt, 0, "Expand Spectrum", 0, true, false},
  {Ctl::mnuPopRt, 1, "Integrate", 0, true, false},
  {Ctl::mnuPopRt, 2, "Peak Position", 0, true, false},
  {Ctl::mnuPopRt, 3, "RtHz WdthHz", 0, true, false},
  {Ctl::mnuPopRt, 4, "Set Reference", 0, true, false},
};
// clang-format on

// The six export submenus, stored hidden, and their frame items.
struct ExportSubmenu {
  Ctl items;
  const char* caption;
  bool ellipsis;   // " ..." after the frame captions
  int firstItem;   // "Clipboard Bitmap" has items 1-3 only
  int32_t help;
};
const ExportSubmenu kExportSubmenus[] = {
    {Ctl::mnuExportWMFC, "Clipboard WinMetafile", false, 0, HelpContextIds::kExportFrames},
    {Ctl::mnuExportWMFD, "Disk WinMetafile", true, 0, HelpContextIds::kExportFrames},
    {Ctl::mnuExportGIFD, "Disk GIF", true, 0, HelpContextIds::kExportFrames},
    {Ctl::mnuExportBMPC, "Clipboard Bitmap", true, 1, 0},
    {Ctl::mnuExportBMPD, "Disk BitMap", true, 0, HelpContextIds::kExportFrames},
    {Ctl::mnuExportEPSD, "Disk EPS", true, 0, HelpContextIds::kExportFrames},
};
const char* const kFrameCaptions[] = {"Modify Box Frame", "Drawing Frame", "Lft/Rt Margin Frame",
                                      "Full Page Frame"};
const char* const kFrameWords[] = {"Box ", "Draw ", "Marg ", "Page "};

void LoadExportSubmenus(FormControls& c) {
  for (size_t m = 0; m < std::size(kExportSubmenus); ++m) {
    const ExportSubmenu& sub = kExportSubmenus[m];
    const int index = static_cast<int>(m);
    c.SetCaption(Ctl::mnuExport, index, sub.caption);
    c.SetHelpContextID(Ctl::mnuExport, index, index == 3 ? 0 : HelpContextIds::kExport);
    c.SetVisible(Ctl::mnuExport, index, false);
    for (int i = sub.firstItem; i < 4; ++i) {
      c.SetCaption(sub.items, i, std::string(kFrameCaptions[i]) + (sub.ellipsis ? " ..." : ""));
      c.SetTag(sub.items, i, kFrameWords[i]);
      c.SetHelpContextID(sub.items, i, sub.help);
      c.SetVisible(sub.items, i, i != 0);
    }
  }
}

// Stored captions of the save and restore items: "1. " to "9. ", "10." to "25.", item 7 "8.".
std::string ItemMenuCaption(int i) {
  if (i == 7) return "8.";
  const std::string number = Trim(Str(i + 1)) + ".";
  return i < 9 ? number + " " : number;
}

}  // namespace

Ctl ContainerOf(Ctl id) {
  switch (id) {
    case Ctl::optGroup: return Ctl::fraCalcType;
    case Ctl::optType: return Ctl::fraPattern;
    case Ctl::CmndUpDn: return Ctl::fraUpDown;
    case Ctl::CmndQuit: case Ctl::btnDiffTogg: return Ctl::fraDiff;
    case Ctl::lblFreq: case Ctl::cmdFreqEnter: case Ctl::lstError: return Ctl::fraError;
    case Ctl::txtInc: case Ctl::grpInc: return Ctl::fraIncrement;
    case Ctl::ParName: case Ctl::ParVal: case Ctl::cmbPar: case Ctl::ParSpin:
    case Ctl::CmndPlus: case Ctl::CmndNeg: case Ctl::CmndSign: case Ctl::lblInc:
      return Ctl::fraPar;
    case Ctl::Image1: return Ctl::picKavo;
    default: return kOnForm;
  }
}

bool InLeftColumn(Ctl id) {
  switch (id) {
    case Ctl::fraCalcType: case Ctl::fraPattern: case Ctl::fraUpDown: case Ctl::fraDiff:
    case Ctl::cmdNextPrevSim: case Ctl::fraError: case Ctl::lblTimeDate:
      return true;
    default:
      return false;
  }
}

void LoadDesignControls(FormControls& c) {
  for (const ControlDesign& d : kDesign) {
    c.SetGeometry(d.id, d.index, d.left, d.top, d.width, d.height);
    c.SetCaption(d.id, d.index, d.caption);
    c.SetToolTip(d.id, d.index, d.tip);
    c.SetHelpContextID(d.id, d.index, d.help);
    c.SetVisible(d.id, d.index, d.visible);
  }
  c.SetToolTip(Ctl::optType, 0, kTypeButtons[0].description);
  for (int g = 0; g < 4; ++g) {
    c.SetGeometry(Ctl::optGroup, g, 120 + (g % 2) * 980, 240 + (g / 2) * 260, 960, 240);
    c.SetCaption(Ctl::optGroup, g, kTypeGroupCaptions[static_cast<size_t>(g)]);
  }
  for (const ToolbarDesign& t : kToolbar) {
    const float width = t.index == 10 ? 1960 : 960;
    c.SetGeometry(Ctl::CmndUpDn, t.index, 70 + t.column * 1000, 90 + t.row * 280, width, 270);
    c.SetCaption(Ctl::CmndUpDn, t.index, t.caption);
    c.SetToolTip(Ctl::CmndUpDn, t.index, t.tip);
    c.SetHelpContextID(Ctl::CmndUpDn, t.index, t.help);
  }
  // The spectrum-height buttons work on a fitted spectrum only: the window starts without line
  // fitting, so they start disabled with their grey pictures (a restored item without a
  // spectrum does not set them up).
  c.SetPicture(Ctl::CmndUpDn, 11, 3);
  c.SetPicture(Ctl::CmndUpDn, 12, 5);
  c.SetEnabled(Ctl::CmndUpDn, 11, false);
  c.SetEnabled(Ctl::CmndUpDn, 12, false);
  for (int i = 0; i < 6; ++i) c.SetVisible(Ctl::Image2, i, false);
  for (size_t k = 0; k < std::size(kIncrementRibbons); ++k) {
    const int index = kIncrementRibbons[k];
    const float col = static_cast<float>(k % 3), row = static_cast<float>(k / 3);
    c.SetGeometry(Ctl::grpInc, index, 80 + col * 450, 580 + row * 250, 440, 240);
    c.SetCaption(Ctl::grpInc, index, kRibbonCaptions[k]);
    c.SetToolTip(Ctl::grpInc, index, kRibbonTips[k]);
    c.SetHelpContextID(Ctl::grpInc, index, H::kIncrement);
  }
  for (int i = 0; i < kParFrames; ++i) LoadParameterFrame(c, i);
  // Drag handles on the picture: vertical ones 240 x 240, horizontal ones 225 x 240.
  for (int i = 0; i < 6; ++i) {
    const bool horizontal = i == 2 || i == 5;
    c.SetGeometry(Ctl::Image1, i, 0, i == 5 ? 240 : 0, horizontal ? 225 : 240, 240);
    c.SetVisible(Ctl::Image1, i, i != 1 && i != 5);
    c.SetHelpContextID(Ctl::Image1, i, H::kDragHandles);
  }
  for (const MenuCaption& m : kMenuCaptions) {
    c.SetCaption(m.id, m.index, m.caption);
    c.SetHelpContextID(m.id, m.index, m.help);
    c.SetVisible(m.id, m.index, m.visible);
    c.SetValue(m.id, m.index, m.checked);
  }
  LoadExportSubmenus(c);
  for (int i = 0; i < kRecentFiles; ++i) c.SetVisible(Ctl::mnufList, i, false);
  for (int i = 1; i < kRecentGroups; ++i) c.SetVisible(Ctl::mnuGroupList, i, false);
  for (int i = 0; i < 25; ++i) {
    c.SetCaption(Ctl::mnuS, i, ItemMenuCaption(i));
    c.SetCaption(Ctl::mnuR, i, ItemMenuCaption(i));
  }
}

const std::vector<MenuItemDesign>& MenuDesign() {
  static const std::vector<MenuItemDesign> menus = [] {
    std::vector<MenuItemDesign> m;
    auto add = [&m](Ctl id, int index, Ctl parent, const char* key = "", bool sep = false,
                    bool sub = false, int parentIndex = 0) {
      m.push_back({id, index, parent, parentIndex, key, sep, sub});
    };
    add(Ctl::mnuFile, 0, kOnForm);
    add(Ctl::mnuFileLoad, 0, Ctl::mnuFile, "Ctrl+O");
    add(Ctl::mnuCancelSim, 0, Ctl::mnuFile);
    add(Ctl::mnuReset, 0, Ctl::mnuFile);
    add(Ctl::mnuImportZEF, 0, Ctl::mnuFile, "Ctrl+V", true);
    add(Ctl::mnuImportPeakPick, 0, Ctl::mnuFile);
    add(Ctl::mnuExit, 0, Ctl::mnuFile, "", true);
    add(Ctl::mnufListSep, 0, Ctl::mnuFile);
    for (int i = 0; i < kRecentFiles; ++i) add(Ctl::mnufList, i, Ctl::mnuFile);
    add(Ctl::mnuExp, 0, kOnForm);
    add(Ctl::mnuClipBrd, 0, Ctl::mnuExp);
    add(Ctl::mnuExportData, 0, Ctl::mnuExp, "", true);
    add(Ctl::mnuExportImage, 0, Ctl::mnuExp, "", true);
    for (int m = 0; m < 6; ++m) {
      const ExportSubmenu& sub = kExportSubmenus[m];
      add(Ctl::mnuExport, m, Ctl::mnuExp, "", false, true);
      for (int i = sub.firstItem; i < 4; ++i) add(sub.items, i, Ctl::mnuExport, "", false, false, m);
    }
    add(Ctl::mnuPrefrences, 0, kOnForm);
    add(Ctl::mnuPar, 0, Ctl::mnuPrefrences);
    add(Ctl::mnuPref, 0, Ctl::mnuPrefrences, "", true);
    add(Ctl::mnuPref, 1, Ctl::mnuPrefrences);
    add(Ctl::mnuPref, 2, Ctl::mnuPrefrences, "", false, true);
    for (int i = 0; i < 3; ++i) add(Ctl::mnuPrefPoint, i, Ctl::mnuPref, "", false, false, 2);
    for (int i = 3; i < 6; ++i) add(Ctl::mnuPref, i, Ctl::mnuPrefrences);
    add(Ctl::mnuABXTree, 0, Ctl::mnuPrefrences);
    for (int i = 0; i < 7; ++i) add(Ctl::mnuNoise, i, Ctl::mnuPrefrences, "", i == 0);
    add(Ctl::mnuPrint, 0, kOnForm);
    add(Ctl::mnuPrintPreview, 0, Ctl::mnuPrint);
    add(Ctl::mnuPrintSpec, 0, Ctl::mnuPrint);
    add(Ctl::mnuGroup, 0, kOnForm);
    add(Ctl::mnuSimEdit, 0, Ctl::mnuGroup);
    add(Ctl::MnuGroupNew, 0, Ctl::mnuGroup);
    add(Ctl::mnuGroupOpen, 0, Ctl::mnuGroup);
    add(Ctl::mnuGroupSaveAs, 0, Ctl::mnuGroup);
    for (int i = 1; i < kRecentGroups; ++i) add(Ctl::mnuGroupList, i, Ctl::mnuGroup, "", i == 1);
    add(Ctl::mnuSaveSpect, 0, kOnForm);
    for (int i = 0; i < 25; ++i) add(Ctl::mnuS, i, Ctl::mnuSaveSpect);
    add(Ctl::mnuRestore, 0, kOnForm);
    for (int i = 0; i < 25; ++i) add(Ctl::mnuR, i, Ctl::mnuRestore);
    add(Ctl::mnuHelp, 0, kOnForm);
    for (int32_t id : kHelpMenuTopics) add(Ctl::mnuHelpTopic, id, Ctl::mnuHelp);
    add(Ctl::mnuHelpTopic, kHelpAboutItem, Ctl::mnuHelp, "", true);
    add(Ctl::mnuPopRtDrag, 0, kOnForm);
    for (int i = 0; i < 5; ++i) add(Ctl::mnuPopRt, i, Ctl::mnuPopRtDrag);
    return m;
  }();
  return menus;
}
