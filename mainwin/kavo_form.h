// The logic of the simulator's main window frmKavo, without its widgets: start-up and shut-down, the type
// buttons, the parameter panel, the spectrum picture's scaling, increment controls and clock,
// the on-screen drawing of the spectra, the recent-file list and help. Controls are the
// FormControls model; the picture is a PictureBox; the window system is a KavoHost. It is the
// engine's MainWindowServices.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/engine_globals.h"
#include "engine/mainwin_services.h"
#include "mainwin/plot_sources_kavo.h"
#include "mainwin/form_controls.h"
#include "mainwin/help_context_ids.h"
#include "mainwin/kavo_host.h"
#include "mainwin/status_fields.h"
#include "mainwin/type_table.h"
#include "platform/picture_box.h"

inline constexpr int kParFrames = 14;  // parameter rows 0..13
inline constexpr int kRecentFiles = 10;  // mnufList 0..9
inline constexpr int kRecentGroups = 10;  // mnuGroupList 1..9 (0 unused)

// Set-up states of the window.
inline constexpr int16_t kSetupIdle = 0;
inline constexpr int16_t kSetupFileOpen = 1;
inline constexpr int16_t kSetupTypeButtons = 4;
inline constexpr int16_t kSetupClipboardImport = 17;

// The help context numbers of the Help menu items.
inline constexpr std::array<int32_t, 8> kHelpMenuTopics = {
    HelpContextIds::kContents, HelpContextIds::kCapabilities, HelpContextIds::kSimulation,
    HelpContextIds::kLineFitting, HelpContextIds::kPrinting, HelpContextIds::kOptions,
    HelpContextIds::kParameters, HelpContextIds::kSaveRestore};
inline constexpr int32_t kHelpAboutItem = 1201;

class KavoForm : public MainWindowServices {
 public:
  KavoForm(KavoHost& host, PictureBox& picture);
  ~KavoForm() override;

  FormControls& Controls() { return ctl_; }
  PictureBox& Picture() { return pic_; }

  // --- Start-up and shut-down ---
  // The start-up road; false when the window must unload (start-up stopped).
  bool Form_Load(const std::vector<std::string>& commandLine);
  void InitKavo();
  void QuitKavo(int16_t& cancel);
  void Form_KeyUp(int16_t keyCode, int16_t shift);
  void Form_Paint();
  void Form_Resize();
  void Form_QueryUnload(int16_t& cancel, int16_t unloadMode);
  void Form_Unload(int16_t& cancel);

  // --- Type selection ---
  void optGroup_Click(int16_t index);
  void OptType_Click(int16_t index);
  void optType_MouseUp(int16_t index, int16_t button);
  std::string GetGroupFromType(const std::string& typeText) const;
  void OptGroupSetup(int16_t group);
  void OptSetupSpectrum(float offsetHz, float widthHz, float vertMult);
  void OptSetupFormCaption();
  void OptSetupMiscButtons();
  void OptSetupParFrames();
  void CalcSpectTimed(int16_t reload);

  // --- Parameter panel ---
  // Mode bits: 1 show the value in its row, 2 show pending linked values and recalculate, 4 make
  // the parameter the current one. Returns the clamped value.
  float SetParValue(float value, int16_t index, int16_t mode);
  void RedisplayLinkedPars(uint8_t& pending);
  void SelectParameter(int16_t index);
  void CmndPlus_Click(int16_t row);
  void CmndNeg_Click(int16_t row);
  void ParSpin_Up(int16_t row) { CmndPlus_Click(row); }
  void ParSpin_Down(int16_t row) { CmndNeg_Click(row); }
  void CmndSign_Click(int16_t row);
  void cmbPar_Click(int16_t row);
  void ParName_Click(int16_t row);
  void ParVal_GotFocus(int16_t row);
  // The key as typed (Windows-1252 code); returns the key after the filter (0: swallowed).
  // Enter (13) asks the view to move the focus on: see FocusNextRequested.
  int16_t ParVal_KeyPress(int16_t row, int16_t key);
  void ParVal_Change(int16_t row);
  void ParVal_LostFocus(int16_t row);
  void ParVal_UserText(int16_t row, const std::string& text);  // the user edited the box
  void cmdFreqEnter_Click(int16_t k);
  void LoadTypeDefaults(SimTypeRec& record);
  void SnapshotSimulation(SimTypeRec& record);
  void RedisplayPars();
  void mnuReset_Click();
  int16_t FrameFromPar(int16_t i) override;
  int16_t ParScrnMax() override { return mParScrnMax; }
  float VertMultInc() const { return mVertMultInc; }
  void SetVertMultInc(float v) { mVertMultInc = v; }
  void SetImgSliders(int16_t mode);
  void SetupLinefitting(bool on);
  // A text written to a status field replaces the field's text; it stays until the next one.
  void MessageDisplay(const std::string& text, int16_t line, const std::string& field) override;
  const StatusFields& Status() const { return mStatus; }
  // Right-button release on a control: its help popup.
  void ControlMouseUp(Ctl id, int index, int16_t button);
  // The help context number a right click on the control shows (0: none).
  int32_t ControlHelpContext(Ctl id, int index);

  // --- Picture scaling, increments, clock ---
  void PicCalcScaling();
  void grpInc_Click(int16_t index);
  void txtInc_Change();
  void txtInc_GotFocus();
  void lblInc_Click(int16_t row);
  void Timer1_Timer();
  void picKavo_Paint();

  // --- On-screen display ---
  void DrawSpectra(int16_t numLines, uint32_t traceColour, bool copyToClipboard);
  void DrawSpectra(int16_t& lineCount, std::array<uint32_t, 4>& colors, int16_t& flag) override;
  // Draws points first..last of values (those that the array holds).
  void DrawTrace(const std::vector<float>& values, float offset, uint32_t colour,
                 int32_t first = 1, int32_t last = INT32_MAX);
  void DrawMarker(float x, float y, const std::string& text, PictureBox& target, uint32_t colour,
                  bool visible);
  void DrawTreeFork(PictureBox& target, int32_t y, int32_t height, int32_t dy, int32_t x,
                    int32_t spread, uint32_t stemColour, uint32_t legColour1,
                    uint32_t legColour2);
  void DrawTreeLevel(PictureBox& target, int32_t y, int32_t height, int32_t dy, int32_t x1,
                     int32_t x2, int32_t coupling, uint32_t colour1, uint32_t colour2);
  float SpectrumMax() const;
  void SetDisplayWidth(float widthHz);
  void FreqReadoutUpdate();
  double HzToPpmDisplay(double valueHz, int32_t flags) override;
  void ControlHelpPopup(int32_t contextId);
  void SetPointDisplay(int16_t& stepPoints) override;
  // The noise source of DrawTrace: uniform in [0, 1), never reseeded (tests may replace it).
  void SetNoiseSource(std::function<float()> source) { mNoise = std::move(source); }

  // --- Engine services ---
  bool AutoredrawChecked() override;
  void SetParValText(int16_t row, const std::string& text) override;
  void SetMousePointer(int16_t code) override;

  // --- Menus of this window so far ---
  void RebuildFileListMenu(const std::string& path);
  void mnuExit_Click();
  void mnuHelpTopic_Click(int32_t index);

  // --- Help ---
  void HelpSetup(int64_t ownerWindow);
  void HelpShowTopic(int32_t id);
  void HelpShowPopup(int32_t id);
  void HelpQuit();
  void ShowAbout();
  const std::string& HelpFolder() const { return mHelpFolder; }

  // --- What the user does to the view's controls (the runtime's click rules) ---
  // A click on an option button that is already selected does nothing.
  void optGroup_UserClick(int16_t index);
  void optType_UserClick(int16_t index);
  void grpInc_UserClick(int16_t index);
  void cmbPar_UserChoice(int16_t row, int16_t listIndex);
  // Options menu items whose marks the engine reads.
  void mnuPref_Click(int16_t index);
  void mnuPrefPoint_Click(int16_t index);
  void mnuABXTree_Click();

  // --- Mouse on the spectrum picture, its handles, grip and scroll bar ---
  // Buttons: 1 left, 2 right, 4 middle (a mask while moving); shift: 1 Shift, 2 Ctrl, 4 Alt.
  void picKavo_MouseMove(int16_t button, int16_t shift, float x, float y);
  void picKavo_MouseUp(int16_t button, int16_t shift, float x, float y);
  void Image1_MouseDown(int16_t index, int16_t button, int16_t shift, float x, float y);
  void Image1_MouseMove(int16_t index, int16_t button, int16_t shift, float x, float y);
  void Image1_MouseUp(int16_t index, int16_t button, int16_t shift, float x, float y);
  // Phases: 2 press, 4 move, 5 release; x, y inside the grip.
  void PicKavoDragCorner(float x, float y, int16_t phase);
  void scrhDisplay_Change(int32_t value);
  float BoxHiHz() const { return mBoxHiHz; }
  float BoxLoHz() const { return mBoxLoHz; }
  int16_t HoverMark() const { return mHoverMark; }
  int16_t PicDrag() const { return mPicDrag; }

  // --- Display toolbar ---
  void CmndUpDn_Click(int16_t index);
  void CmndUpDn_KeyDown(int16_t index, int16_t keyCode, int16_t shift);
  void CmndUpDn_KeyUp(int16_t index, int16_t keyCode, int16_t shift);
  void btnDiffTogg_Click(bool value);
  void CmndQuit_Click();
  float VertIncr() const { return mVertIncr; }

  // --- Options menu and the box popup ---
  void mnuPrefrences_Click();
  void mnuPar_Click();
  void mnuNoise_Click(int16_t index);
  void LockHt();
  void ApplyParItems(float& deltaHz);
  void mnuPopRtDrag_Click();
  void mnuPopRt_Click(int16_t index);
  void mnuPrintPreview_Click();
  void mnuImportPeakPick_Click();
  void mnuPrintSpec_Click();

  // --- File and Export menus ---
  // mode: 0 or 16 on entry (the loader's option bits afterwards); ok is set when a spectrum was
  // loaded (or the same file is shown again).
  void LoadExperimentalSpectrum(const std::string& path, int16_t item, int16_t& mode, bool& ok);
  void mnuFileLoad_Click();
  void mnufList_Click(int16_t index);
  void mnuImportZEF_Click();
  void mnuCancelSim_Click();
  void mnuClipBrd_Click();
  void mnuExportData_Click();
  void mnuExportImage_Click();
  void mnuExportWMFC_Click(int16_t index);
  void mnuExportWMFD_Click(int16_t index);
  void mnuExportGIFD_Click(int16_t index);
  void mnuExportBMPD_Click(int16_t index);
  void mnuExportEPSD_Click(int16_t index);
  const std::string& ExportSettings() const { return mExportSettings; }
  void SetGroupFile(const std::string& path) { mGroupFile = path; }

  // --- State read by the view and by tests ---
  int16_t SetupState() const { return mSetupState; }
  // The type set-up guard: while it is kSetupTypeButtons, the group and type buttons change
  // without running their handlers. Whoever sets it puts it back to kSetupIdle.
  void SetSetupState(int16_t state) { mSetupState = state; }
  int16_t CurrentGroup() const { return mCurrentGroup; }
  int16_t SelPar() const { return mSelPar; }
  float Increment() const { return mIncrement; }
  float CalcSeconds() const { return mCalcSeconds; }
  bool CalculationHasRun() const { return mCalcHasRun; }
  const std::string& TypeCaption() const { return mTypeCaption; }
  const std::string& OnScreenList() const { return mOnScreen; }
  int16_t WidthPar() const { return mWidthPar; }
  int16_t OffsetPar() const { return mOffsetPar; }
  int16_t RowParameter(int16_t row) const;
  const std::string& GroupFile() const { return mGroupFile; }
  const std::string& FormCaption() const { return mFormCaption; }
  const SimTypeGroupTexts& SimTypeGroups() const { return mSimTypeGroups; }
  // The view asks for the focus to move on after Enter in a value box.
  bool TakeFocusNextRequest();
  // Lets the spectrum picture repaint again (its tag emptied).
  void PictureRepaintAllowed() { SetPicTag(""); }

 private:
  // Start-up steps.
  void PlaceWindowAndPicture();
  void LastParFrameFromWidth();
  void OpenStartupGroup();
  void StartDefaultGroup(bool writeFile);
  void ReadRecentLists();
  // Type change helpers.
  void LoadTypeDefaultsFor(int16_t type);
  void RevertToSpectrumDefaults();
  bool TypeZeroLoad(int16_t old);
  void SetTypeButton(int16_t type, bool on);
  void LayoutRow(int16_t row, int16_t p);
  // Picture geometry.
  Control Pic();
  void PlaceGrip();
  // Drawing steps.
  void DrawSticks(int16_t numLines, float& inc);
  void DrawLockedTrace();
  void DrawCouplingTree(bool& drawn);
  void DrawMarkers();
  void DrawOverlay();
  // Maps the held experimental spectrum onto the display's window (offset, width, reference).
  void MapOverlayOntoDisplay();
  void CopySpectraToClipboard();
  float MarkX(int mark) const;
  void PicLine(float x1, float y1, float x2, float y2, uint32_t color);
  std::string PicTag();
  void SetPicTag(const std::string& tag);
  void ShowParText(int16_t row, const std::string& text);
  StatusFields::Place StatusPlace(const std::string& text, int16_t line, bool right) const;
  void RedrawStatusFields();
  float IncrementOf(int16_t p) const;
  void ShowBox();
  void ToggleAutoredraw();
  void ShowLineFittingCaption();
  void ReopenSpectrumType(int16_t setupState);
  // After a load: a loaded spectrum is the one the window names from now on; after a failed or
  // cancelled one the window names again the spectrum it still holds (none: an empty name).
  void KeepLoadedSpectrum();
  void ForgetFailedSpectrum();
  // The calculation after a new experimental spectrum was loaded during line fitting.
  void CalcAfterSpectrumLoad();
  void ExportFrame(const char* format, const char* target, int16_t index);
  void HandleRange(int16_t index, float& low, float& high);
  void GripPlacement();
  void MoveMarkers(float deltaHz, bool withRows);
  void IntegrateBox(float x1, float x2);
  void PeakInBox(float x1, float x2, int16_t index);
  const std::vector<float>& BoxArray() const;

  KavoHost& host_;
  PictureBox& pic_;
  FormControls ctl_;
  KavoPlotSources plotSources_{ctl_};

  // Window-level values.
  int16_t mSelPar = -1;
  float mIncrement = 2.0f;
  float mVertMultInc = 1.0f;
  int16_t mParScrnMax = 13;
  float mCalcSeconds = 0;
  bool mCalcHasRun = false;
  int16_t mCurrentGroup = -1;
  std::string mGroupFile;
  SimTypeGroupTexts mSimTypeGroups;
  std::string mLoadedButtons;
  int16_t mSetupState = kSetupIdle;
  bool mSkipCalc = false;
  bool mSelEnabled = false;
  std::array<int16_t, kParFrames> mFrameToPar{};
  std::array<int16_t, kSimParCount> mParToFrame{};
  std::string mOnScreen;
  std::string mTypeCaption;
  std::string mTypeOrder;
  int16_t mWidthPar = 0;
  int16_t mOffsetPar = 0;
  uint8_t mLinkedPending = 0;
  std::string mFormCaption;
  StatusFields mStatus;
  bool mFocusNext = false;
  bool mLoaded = false;  // start-up completed (the settings file is registered)
  bool mSettingsWarned = false;  // the user was told the settings could not be saved
  // The print-box sizes as read from the settings and the values read from them: an unchanged
  // size is written back as it was read.
  struct SettingRead {
    std::string text;
    float value = 0;
  };
  SettingRead mBoxWidthRead, mBoxHeightRead;
  float mVertIncr = 10;  // step of the toolbar buttons, percent
  int16_t mKeyShift = 0;  // Shift state of the last key on a toolbar button
  int16_t mNoiseIdx = 0;
  std::function<float()> mNoise;
  std::mt19937 mNoiseEngine;
  // The experimental spectrum the window holds since its last successful load, and its name.
  bool mSpectrumHeld = false;
  std::string mHeldSpectrum;
  std::string mExportSettings;  // of the export dialog, for the run of the program
  bool mExportConfirmed = false;
  // Mouse on the picture.
  int16_t mHoverMark = 0;
  int16_t mPicDrag = 0;
  float mMarkX = 0;
  float mBoxX1 = 0, mBoxY1 = 0, mBoxX2 = 0, mBoxY2 = 0;
  float mBoxHiHz = 0, mBoxLoHz = 0;
  float mLastClickHz = 0;
  bool mGripDragging = false;
  bool mGripMoved = false;
  float mGripRight = 0, mGripBottom = 0, mGripGrabX = 0, mGripGrabY = 0;
  float mGripMinRight = 0, mGripMinBottom = 0, mGripMaxBottom = 0;
  int16_t mHandleDrag = 0;
  float mHandleGrabX = 0, mHandleGrabY = 0, mHandleLeft0 = 0;
  // Help.
  int64_t mHelpOwner = 0;
  std::string mHelpFolder;
};
