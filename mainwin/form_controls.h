// The controls of the main window as the window's code sees them: every control under its name
// and index, with the properties the code reads and writes (caption or text, visibility,
// enabled state, value, position and size in twips, colours, tooltip, help context, list index,
// tag, scroll-bar range, list items). The logic writes here; a view (the Qt window, or nothing in
// tests) is told of each change and shows it. User actions update the properties first and then
// call the window's handler, as the runtime does.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

enum class Ctl : int16_t {
  // Window parts
  picKavo, fraIncrement, txtInc, grpInc,
  fraPar, ParName, ParVal, cmbPar, ParSpin, CmndPlus, CmndNeg, CmndSign, lblInc,
  fraCalcType, optGroup, fraPattern, optType,
  fraUpDown, CmndUpDn, Image2, fraDiff, btnDiffTogg, CmndQuit,
  fraError, lblFreq, cmdFreqEnter, lstError,
  Image1, grp1, scrhDisplay, lblTimeDate, cmdNextPrevSim,
  // Menus
  mnuFile, mnuFileLoad, mnuCancelSim, mnuReset, mnuImportZEF, mnuImportPeakPick, mnuExit,
  mnufListSep, mnufList,
  mnuExp, mnuClipBrd, mnuExportData, mnuExportImage,
  mnuPrefrences, mnuPar, mnuPref, mnuPrefPoint, mnuABXTree, mnuNoise,
  mnuPrint, mnuPrintPreview, mnuPrintSpec,
  mnuGroup, mnuSimEdit, MnuGroupNew, mnuGroupOpen, mnuGroupSaveAs, mnuGroupList,
  mnuSaveSpect, mnuS, mnuRestore, mnuR,
  mnuHelp, mnuHelpTopic,
  mnuPopRtDrag, mnuPopRt,
  mnuExport, mnuExportWMFC, mnuExportWMFD, mnuExportGIFD, mnuExportBMPC, mnuExportBMPD,
  mnuExportEPSD,
};

enum class Prop : int16_t {
  Caption, Visible, Enabled, Value, Geometry, BackColor, ToolTip, HelpContextID, ListIndex,
  Tag, Scroll, Items, Picture,
};

struct Control {
  std::string Caption;  // caption, or the text of a text box
  bool Visible = true;
  bool Enabled = true;
  bool Value = false;  // option button, check mark, toggle button
  float Left = 0, Top = 0, Width = 0, Height = 0;  // twips, in the container's coordinates
  uint32_t BackColor = 0xC0C0C0;
  std::string ToolTip;
  int32_t HelpContextID = 0;
  int16_t ListIndex = -1;
  std::string Tag;
  int32_t Min = 0, Max = 0, SmallChange = 1, LargeChange = 1, ScrollValue = 0;
  std::vector<std::string> Items;  // list boxes and drop-down lists
  int16_t Picture = -1;  // a button's picture: index of the hidden image Image2 it shows
};

class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void ControlChanged(Ctl id, int index, Prop what) = 0;
};

class FormControls {
 public:
  // The control, created with default properties on first use.
  const Control& Get(Ctl id, int index = 0);
  bool Exists(Ctl id, int index) const;
  // Every control created so far, in name and index order.
  std::vector<std::pair<Ctl, int>> Keys() const;

  void SetCaption(Ctl id, int index, const std::string& text);
  void SetVisible(Ctl id, int index, bool on);
  void SetEnabled(Ctl id, int index, bool on);
  void SetValue(Ctl id, int index, bool on);
  void SetLeft(Ctl id, int index, float twips);
  void SetTop(Ctl id, int index, float twips);
  void SetWidth(Ctl id, int index, float twips);
  void SetHeight(Ctl id, int index, float twips);
  void SetGeometry(Ctl id, int index, float left, float top, float width, float height);
  void SetBackColor(Ctl id, int index, uint32_t color);
  void SetToolTip(Ctl id, int index, const std::string& text);
  void SetHelpContextID(Ctl id, int index, int32_t contextId);
  void SetListIndex(Ctl id, int index, int16_t listIndex);
  void SetTag(Ctl id, int index, const std::string& tag);
  void SetScroll(Ctl id, int index, int32_t min, int32_t max, int32_t smallChange,
                 int32_t largeChange);
  void SetScrollValue(Ctl id, int index, int32_t value);
  void SetPicture(Ctl id, int index, int16_t image2Index);
  void SetItems(Ctl id, int index, std::vector<std::string> items);
  void ListInsert(Ctl id, int index, int position, const std::string& item);
  void ListRemove(Ctl id, int index, int position);

  void SetView(ControlView* view) { view_ = view; }

 private:
  Control& At(Ctl id, int index);
  template <typename T>
  void Assign(Ctl id, int index, T Control::*field, const T& value, Prop what);
  void Notify(Ctl id, int index, Prop what);

  std::map<std::pair<Ctl, int>, Control> controls_;
  ControlView* view_ = nullptr;
};
