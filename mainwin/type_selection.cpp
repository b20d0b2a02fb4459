// Choosing the group and the simulation type: the type buttons of a group, the set-up steps a
// type change runs in order, the layout of the parameter rows and the timed calculation.
#include <algorithm>

#include "documents/spec_record.h"
#include "drawlib/pending_events.h"
#include "drawlib/util/numbers.h"
#include "engine/calc_spectrum.h"
#include "engine/sim_catalogue.h"
#include "engine/sim_type_traits.h"
#include "engine/spectrum_file_services.h"
#include "mainwin/kavo_form.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

// The codes of a comma-separated list, in order.
std::vector<int16_t> TypeCodes(const std::string& list) {
  std::vector<int16_t> codes;
  std::string rest = list;
  while (!rest.empty()) {
    const size_t comma = rest.find(',');
    const std::string item = rest.substr(0, comma);
    rest = comma == std::string::npos ? "" : rest.substr(comma + 1);
    const double v = Val(item);
    if (!Trim(item).empty() && v >= 0 && v < kTypeButtonCount) codes.push_back(CInt(v));
  }
  return codes;
}

int16_t LoadSpectrum(std::vector<float>& target, float offset, float width, float& mult,
                     int16_t mode) {
  SpectrumFileServices* files = SpectrumFiles();
  if (!files) return kSpectrumNothingLoaded;
  return files->LoadSpectrumKavo(gFinm, target, offset, width, gSpec.Ref, mult, mode);
}

}  // namespace

std::string KavoForm::GetGroupFromType(const std::string& typeText) const {
  // "2", " 2 ", "02" and "2.0" name the same type; "2.5" or "2x" name none.
  const std::string t = Trim(typeText);
  const size_t point = t.find('.');
  const std::string whole = t.substr(0, point);
  if (whole.empty() || whole.find_first_not_of("0123456789") != std::string::npos) return "-1";
  if (point != std::string::npos && t.find_first_not_of('0', point + 1) != std::string::npos)
    return "-1";
  int16_t type = 0;
  if (!TryCInt(Val(t), type)) return "-1";  // too large for any type
  const std::string key = "," + Trim(Str(type)) + ",";
  for (size_t g = 0; g < mSimTypeGroups.size(); ++g) {
    if (mSimTypeGroups[g].empty()) continue;
    if (("," + mSimTypeGroups[g] + ",").find(key) != std::string::npos)
      return Trim(Str(static_cast<int16_t>(g)));
  }
  return "-1";
}

void KavoForm::SetTypeButton(int16_t type, bool on) {
  if (type < 0 || type >= kTypeButtonCount) return;
  if (!on) {
    ctl_.SetValue(Ctl::optType, type, false);
    return;
  }
  if (ctl_.Get(Ctl::optType, type).Value) return;  // already selected: no click
  for (int t = 0; t < kTypeButtonCount; ++t)
    if (t != type) ctl_.SetValue(Ctl::optType, t, false);
  ctl_.SetValue(Ctl::optType, type, true);
  OptType_Click(type);
}

void KavoForm::optGroup_Click(int16_t index) {
  if (mSetupState == kSetupTypeButtons || index < 0 || index > 3) return;
  for (int g = 0; g < 4; ++g) ctl_.SetValue(Ctl::optGroup, g, g == index);
  OptGroupSetup(index);
  DoEvents();
  const int16_t t = CInt(Val(ctl_.Get(Ctl::optGroup, index).Tag));
  SetTypeButton(t, true);
  DoEvents();
  mSetupState = kSetupIdle;
  OptType_Click(t);
}

void KavoForm::OptGroupSetup(int16_t group) {
  if (group < 0 || group > 3) return;
  SetPicTag("Off");
  mSetupState = kSetupTypeButtons;
  if (ctl_.Get(Ctl::optGroup, 0).Tag.empty()) {
    for (int g = 0; g < 4; ++g) {
      const std::vector<int16_t> codes = TypeCodes(mSimTypeGroups[static_cast<size_t>(g)]);
      ctl_.SetTag(Ctl::optGroup, g, codes.empty() ? "" : Trim(Str(codes.front())));
    }
  }
  ctl_.SetCaption(Ctl::fraPattern, 0, kTypeGroupCaptions[static_cast<size_t>(group)]);
  for (int16_t t : TypeCodes(mLoadedButtons)) {
    if (ctl_.Get(Ctl::optType, t).Value && mCurrentGroup >= 0)
      ctl_.SetTag(Ctl::optGroup, mCurrentGroup, Str(t));
    ctl_.SetValue(Ctl::optType, t, false);
    ctl_.SetVisible(Ctl::optType, t, false);
  }
  mLoadedButtons = mSimTypeGroups[static_cast<size_t>(group)];
  const Control first = ctl_.Get(Ctl::optType, 0);
  float y = ctl_.Get(Ctl::optGroup, 0).Top;
  for (int16_t t : TypeCodes(mLoadedButtons)) {
    y += 240;
    const TypeButtonInfo& info = kTypeButtons[static_cast<size_t>(t)];
    ctl_.SetGeometry(Ctl::optType, t, first.Left, y, first.Width, first.Height);
    ctl_.SetCaption(Ctl::optType, t, info.shortName);
    ctl_.SetVisible(Ctl::optType, t, true);
    ctl_.SetValue(Ctl::optType, t, false);
    ctl_.SetHelpContextID(Ctl::optType, t, info.helpId);
    ctl_.SetToolTip(Ctl::optType, t, info.description);
  }
  DoEvents();
  SetPicTag("");
  mCurrentGroup = group;
}

void KavoForm::LoadTypeDefaultsFor(int16_t type) {
  if (type < 0 || type >= kSimTypeCount) return;
  LoadTypeDefaults(gSimTypes[static_cast<size_t>(type)]);
}

void KavoForm::OptType_Click(int16_t index) {
  if (mSetupState == kSetupTypeButtons || index < 0 || index >= kTypeButtonCount) return;
  mSelEnabled = false;
  const int16_t old = gSimType;
  const int16_t t = index;
  if (old != t && old >= 0 && old < kSimTypeCount)
    SnapshotSimulation(gSimTypes[static_cast<size_t>(old)]);
  gSimType = t;
  if (old == 0 && t != 0) {
    // Line fitting is offered only with a spectrum to fit.
    bool fit = gLineFit != 0;
    if (!fit && mSpectrumHeld) {
      fit = MsgBox("Start Linefitting (simultaneous display of Spectrum and Simulation)?",
                   vbYesNo + vbQuestion, "KAVO") == vbYes;
    }
    if (!fit) {
      LoadTypeDefaultsFor(t);
    } else {
      gRedrawFlags = 8;
      gSpec.DispOffHz = gHorOffHz;
      gSpec.VertMult = gVertMult;
      const float width = gSpectHz;
      LoadTypeDefaultsFor(t);
      gSimPar[static_cast<size_t>(mWidthPar)].Value = width;
      gLineFit = -1;
    }
  } else if (gLineFit && old != 0 && t != 0 && old != t) {
    const float width = gSpectHz;
    LoadTypeDefaultsFor(t);
    gSimPar[static_cast<size_t>(mWidthPar)].Value = width;
  } else if (t != 0) {
    LoadTypeDefaultsFor(t);
  } else if (!TypeZeroLoad(old)) {
    return;
  }

  SetupLinefitting(gLineFit != 0);
  OptSetupMiscButtons();
  OptSetupParFrames();
  SetDisplayWidth(gSpectHz);
  if (t == 0) {
    if (LoadSpectrum(gSpectrum, gHorOffHz, gSpectHz, gVertMult, 2) == kSpectrumLoadFailed) {
      MsgBox(gFinm + " File Load Unsuccessful");
      RevertToSpectrumDefaults();
      return;
    }
  }
  OptSetupFormCaption();
  mSetupState = kSetupIdle;
  if (!mSkipCalc) CalcSpectTimed(-1);
  mSkipCalc = false;
}

// The plain spectrum type: keep the overlaid spectrum, or load one from a file or the clipboard.
// False when the click ends here.
bool KavoForm::TypeZeroLoad(int16_t old) {
  if (gLineFit) {
    OptSetupSpectrum(gHorOffHz, gSpectHz, gVertMult);
    return true;
  }
  const bool clipboard = mSetupState == kSetupClipboardImport;
  const int16_t result = LoadSpectrum(gSpectrum, gHorOffHz, gSpectHz, gVertMult,
                                      clipboard ? int16_t{16} : int16_t{9});
  if (gDisableRef) gSpec.Ref = 0;
  if (result == kSpectrumLoaded) {
    KeepLoadedSpectrum();
    if (clipboard) OptSetupSpectrum(gSpec.DispOffHz, gSpec.DispWdthHz, gVertMult);
    else OptSetupSpectrum(gHorOffHz, gSpec.WdthHz, gVertMult);
    const float w = gSpec.WdthHz;
    SimParRec& width = gSimPar[static_cast<size_t>(mWidthPar)];
    width.Max = w;
    width.Min = 5;
    SimParRec& offset = gSimPar[static_cast<size_t>(mOffsetPar)];
    offset.Max = gDisableRef ? w - 5 : w - 5 + gSpec.Ref;
    offset.Min = gDisableRef ? 0 : gSpec.Ref;
    RebuildFileListMenu(gFinm);
    return true;
  }
  const std::string failed = gFinm;
  ForgetFailedSpectrum();
  if (result == kSpectrumNothingLoaded) {
    gSimType = old;
    mSetupState = kSetupTypeButtons;
    for (int k = 0; k < kTypeButtonCount; ++k) ctl_.SetValue(Ctl::optType, k, k == old);
    DoEvents();
    mSetupState = kSetupIdle;
    // The old type's rows are still on screen: they can be selected again.
    mSelEnabled = true;
    return false;
  }
  MsgBox(failed + "File Load Unsuccessful");
  RevertToSpectrumDefaults();
  return false;
}

// After a failed spectrum load: the plain spectrum type with its defaults, fully laid out.
void KavoForm::RevertToSpectrumDefaults() {
  // The plain spectrum type shows no spectrum now: none is named or fitted.
  mSpectrumHeld = false;
  gFinm.clear();
  gLineFit = 0;
  gSimType = 0;
  SimTypeSetup(gSimTypes[0], 0);
  LoadTypeDefaults(gSimTypes[0]);
  // No spectrum is loaded: the default window is the whole spectrum, so the window rules of
  // SetParValue keep the defaults.
  OptSetupSpectrum(gHorOffHz, gSpectHz, gVertMult);
  for (int k = 0; k < kTypeButtonCount; ++k) ctl_.SetValue(Ctl::optType, k, k == 0);
  SetupLinefitting(gLineFit != 0);
  OptSetupMiscButtons();
  OptSetupParFrames();
  SetDisplayWidth(gSpectHz);
  OptSetupFormCaption();
  mSetupState = kSetupIdle;
  mSkipCalc = false;
  pic_.Cls();
  pic_.Refresh();
}

void KavoForm::OptSetupSpectrum(float offsetHz, float widthHz, float vertMult) {
  LoadTypeDefaults(gSimTypes[0]);
  gSimPar[static_cast<size_t>(mWidthPar)].Value = widthHz;
  gSpec.WdthHz = widthHz;
  gSpectHz = widthHz;
  gSimPar[static_cast<size_t>(mOffsetPar)].Value = offsetHz;
  gHorOffHz = offsetHz;
  gSpec.DispOffHz = offsetHz;
  gVertMult = vertMult;
}

void KavoForm::OptSetupFormCaption() {
  std::string caption;
  if (ShowsSpectrumType(gSimType)) {
    caption = "NMR Spectrum: " + gFinm;
  } else if (gLineFit) {
    caption = "NMR Line Fitting of " + mTypeCaption + " [" + gFinm + "]";
  } else {
    caption = "NMR Spectrum Calculation: " + mTypeCaption;
  }
  if (ShowsLoadedSpectrum()) {
    gNoiseLevel = 0;
    for (int i = 0; i < 7; ++i) ctl_.SetValue(Ctl::mnuNoise, i, i == 0);
    mNoiseIdx = 0;
  }
  mFormCaption = caption;
  host_.SetFormCaption(caption);
}

void KavoForm::OptSetupMiscButtons() {
  mVertIncr = 10;
  ctl_.SetCaption(Ctl::CmndUpDn, 8, " 10%");
  ctl_.SetCaption(Ctl::lblFreq, 0, "Lft Click Hz");
  ctl_.SetCaption(Ctl::lblFreq, 1, " Difference");
  ctl_.SetEnabled(Ctl::CmndUpDn, 10, !(gSimType == 0 || (gTypeMode & 2) != 0));
}

void KavoForm::OptSetupParFrames() {
  mOnScreen.clear();
  const int16_t last = std::clamp<int16_t>(gLastPar, 0, kSimParCount - 1);
  for (int k = 0; k <= last; ++k) {
    int p = k < static_cast<int>(mTypeOrder.size())
                ? static_cast<unsigned char>(mTypeOrder[static_cast<size_t>(k)]) - 48
                : -1;
    if (p < 0 || p >= kSimParCount) {
      MsgBox("Internal error in VIREO: negative value of npar% in optType");
      p = 0;
    }
    SimParRec& par = gSimPar[static_cast<size_t>(p)];
    if (par.Flags & kParShown) {
      if (static_cast<int>(mOnScreen.size()) > mParScrnMax) par.Flags &= ~kParShown;
      else mOnScreen += static_cast<char>(p + 48);
    }
  }
  mFrameToPar.fill(-1);
  mParToFrame.fill(-1);
  for (int16_t i = 0; i < kParFrames; ++i) {
    const int p = i < static_cast<int>(mOnScreen.size())
                      ? static_cast<unsigned char>(mOnScreen[static_cast<size_t>(i)]) - 48
                      : -1;
    if (p < 0) {
      ctl_.SetVisible(Ctl::fraPar, i, false);
      continue;
    }
    LayoutRow(i, static_cast<int16_t>(p));
  }
  SetParValue(gSimPar[static_cast<size_t>(mWidthPar)].Value, mWidthPar, 1);
  mSelPar = -1;
  mSelEnabled = true;
  mLinkedPending = 0;
  if (mFrameToPar[0] >= 0) SelectParameter(mFrameToPar[0]);
}

void KavoForm::LayoutRow(int16_t row, int16_t p) {
  const SimParRec& par = gSimPar[static_cast<size_t>(p)];
  mFrameToPar[static_cast<size_t>(row)] = p;
  mParToFrame[static_cast<size_t>(p)] = row;
  ctl_.SetCaption(Ctl::ParName, row, par.Name);
  ctl_.SetToolTip(Ctl::ParName, row, par.Tip);
  ctl_.SetCaption(Ctl::lblInc, row, par.Incr);
  const bool coupling = (par.Flags & kParCoupling) != 0;
  const bool multiplet = !coupling && (par.Flags & kParMultiplet) != 0;
  ctl_.SetVisible(Ctl::CmndSign, row, coupling);
  if (!multiplet) ctl_.SetHeight(Ctl::ParSpin, row, coupling ? 348 : 520);
  for (Ctl c : {Ctl::CmndNeg, Ctl::CmndPlus, Ctl::ParSpin, Ctl::lblInc, Ctl::ParVal})
    ctl_.SetVisible(c, row, !multiplet);
  ctl_.SetVisible(Ctl::cmbPar, row, multiplet);
  if (multiplet) ctl_.SetListIndex(Ctl::cmbPar, row, CInt(par.Value));
  SetParValue(par.Value, p, 5);
  ctl_.SetVisible(Ctl::fraPar, row, true);
  ctl_.SetBackColor(Ctl::ParName, row, 0xC0C0C0);
}

void KavoForm::CalcSpectTimed(int16_t reload) {
  const double t0 = host_.MonotonicSeconds();
  CalcSpectrum(reload);
  mCalcSeconds = static_cast<float>(host_.MonotonicSeconds() - t0);
  mCalcHasRun = true;
  MessageDisplay("VIREO is using" + Str(gNumPts) + " data points", 1, "Right");
}

void KavoForm::optType_MouseUp(int16_t index, int16_t button) {
  if (button == 2 && index >= 0 && index < kTypeButtonCount)
    ControlHelpPopup(ctl_.Get(Ctl::optType, index).HelpContextID);
}
