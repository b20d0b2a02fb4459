// The parameter panel: one routine through which every value change passes (SetParValue), the
// linked shifts of AB pairs, the current parameter, the row handlers and the copying of a
// type's parameter set between the catalogue and the current tables.
#include <algorithm>
#include <cmath>

#include "documents/spec_record.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/numeric_key.h"
#include "engine/calc_spectrum.h"
#include "engine/sim_catalogue.h"
#include "mainwin/kavo_form.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr uint32_t kNameSelected = 255;       // pure red
constexpr uint32_t kNameUnselected = 0xC0C0C0;  // light grey

bool ValidPar(int p) { return p >= 0 && p < kSimParCount; }

// The parameter entry, or a scratch entry for an index outside the table.
SimParRec& ParAt(int p) {
  static SimParRec scratch;
  if (!ValidPar(p)) {
    scratch = SimParRec{};
    return scratch;
  }
  return gSimPar[static_cast<size_t>(p)];
}

// Display pattern by magnitude: "0" from 1E5, "0.0" from 1000, "0.00" from 100, "0.000" from 10,
// else "0.0000".
const char* ValuePattern(float v) {
  const double d = Fix(std::log10(std::fabs(static_cast<double>(v)) + 0.00001));
  if (d > 4) return "0";
  if (d >= 3) return "0.0";
  if (d == 2) return "0.00";
  if (d == 1) return "0.000";
  return "0.0000";
}

// A read-out caption that starts with a number (after blanks), such as "1234.5 Hz".
bool StartsWithNumber(const std::string& text) {
  const std::string t = Trim(text);
  size_t i = 0;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
  if (i < t.size() && (t[i] == '.' || t[i] == ',')) ++i;
  return i < t.size() && t[i] >= '0' && t[i] <= '9';
}

}  // namespace

int16_t KavoForm::RowParameter(int16_t row) const {
  if (row < 0 || row >= kParFrames) return -1;
  return mFrameToPar[static_cast<size_t>(row)];
}

int16_t KavoForm::FrameFromPar(int16_t i) {
  if (!ValidPar(i)) return -1;
  return mParToFrame[static_cast<size_t>(i)];
}

float KavoForm::IncrementOf(int16_t p) const { return ValPoint(ParAt(p).Incr); }

void KavoForm::ShowParText(int16_t row, const std::string& text) {
  ctl_.SetCaption(Ctl::ParVal, row, text);
  // The runtime raises Change when code writes the text: the shown value is stored back.
  ParVal_Change(row);
}

float KavoForm::SetParValue(float v, int16_t i, int16_t mode) {
  if (!ValidPar(i)) return v;
  const int32_t k = gSimPar[static_cast<size_t>(i)].Flags & 0xFFFF;
  if (mode & 4) SelectParameter(i);
  SimParClamp(v, i);

  if (i == mWidthPar || i == mOffsetPar) {
    SimParRec& width = ParAt(mWidthPar);
    SimParRec& offset = ParAt(mOffsetPar);
    // The parameter (width or offset) that the window rule moved besides the one being set.
    int16_t moved = -1;
    if (gSimType == 0) {
      // The shown window stays inside the loaded spectrum.
      const float w = gSpec.WdthHz;
      const float widthBefore = width.Value, offsetBefore = offset.Value;
      if (w - width.Value < offset.Value) width.Value = ClampSngl(5, w, w - offset.Value);
      if (offset.Value + width.Value > w) offset.Value = ClampSngl(0, w - 5, w - width.Value);
      if (i != mWidthPar && width.Value != widthBefore) moved = mWidthPar;
      if (i != mOffsetPar && offset.Value != offsetBefore) moved = mOffsetPar;
    }
    // The display follows the parameter being set and the one the rule moved.
    if (i == mWidthPar || moved == mWidthPar) {
      gSpectHz = width.Value;
      gRedrawFlags |= 4;
    }
    if (i == mOffsetPar || moved == mOffsetPar) {
      gHorOffHz = offset.Value;
      gRedrawFlags |= 8;
    }
    if (gSpectHz < 1) {
      gSpectHz = 100;
      width.Value = 100;
    }
    SetDisplayWidth(gSpectHz);
    // The moved parameter's row shows its new value. Its text is written without the change
    // event, which would make that row the current one.
    if (moved >= 0 && (gSimPar[static_cast<size_t>(moved)].Flags & kParShown)) {
      const float m = gSimPar[static_cast<size_t>(moved)].Value;
      const int16_t row = mParToFrame[static_cast<size_t>(moved)];
      if (row >= 0) ctl_.SetCaption(Ctl::ParVal, row, CommaToPoint(Format(m, ValuePattern(m))));
    }
    // The window rules may have changed the stored value: show and return that one.
    v = gSimPar[static_cast<size_t>(i)].Value;
  }

  if (k & 0xCF) {
    if (k & kParCentre) {
      const float half = ParAt(gSpinMarks[0].ParIndex).Value * 0.5f;
      const float centre = ParAt(gLastPar - 1).Value;
      ParAt(gSpinMarks[1].ParIndex).Value = centre - half;
      gSpinMarks[1].Shift = centre - half;
      ParAt(gSpinMarks[2].ParIndex).Value = centre + half;
      gSpinMarks[2].Shift = centre + half;
      mLinkedPending |= 1;
    } else {
      if (gNumSpinMarks > 1 && (k & kParHidden)) {
        const float a = ParAt(gSpinMarks[1].ParIndex).Value;
        const float b = ParAt(gSpinMarks[2].ParIndex).Value;
        ParAt(gSpinMarks[0].ParIndex).Value = b - a;
        ParAt(gLastPar - 1).Value = (a + b) * 0.5f;
        mLinkedPending |= 2;
      }
      SpinRec& mark = gSpinMarks[static_cast<size_t>(k & 15)];
      mark.Shift = ParAt(mark.ParIndex).Value;
    }
  }

  if ((mode & 1) && (gSimPar[static_cast<size_t>(i)].Flags & kParShown)) {
    const int16_t row = mParToFrame[static_cast<size_t>(i)];
    if (row >= 0) ShowParText(row, CommaToPoint(Format(v, ValuePattern(v))));
    mIncrement = static_cast<float>(Val(gSimPar[static_cast<size_t>(i)].Incr));
  }
  if (mode & 2) {
    RedisplayLinkedPars(mLinkedPending);
    CalcSpectrum(0);
  }
  return v;
}

void KavoForm::RedisplayLinkedPars(uint8_t& pending) {
  auto show = [this](int p) {
    if (!ValidPar(p) || !(gSimPar[static_cast<size_t>(p)].Flags & kParShown)) return;
    const int16_t row = mParToFrame[static_cast<size_t>(p)];
    if (row >= 0) ShowParText(row, CommaToPoint(Format(ParAt(p).Value, "0.00")));
  };
  if (pending & 1) {
    show(gSpinMarks[1].ParIndex);
    show(gSpinMarks[2].ParIndex);
    pending &= static_cast<uint8_t>(~1u);
  } else if (pending & 2) {
    if (gSpinMarks[0].ParIndex >= 0) {
      show(gSpinMarks[0].ParIndex);
      show(gLastPar - 1);
    }
    pending &= static_cast<uint8_t>(~2u);
  }
}

void KavoForm::SelectParameter(int16_t i) {
  if (i == mSelPar || !ValidPar(i) || !mSelEnabled) return;
  if (!(gSimPar[static_cast<size_t>(i)].Flags & kParShown)) return;
  const int16_t row = mParToFrame[static_cast<size_t>(i)];
  if (row >= 0) ctl_.SetBackColor(Ctl::ParName, row, kNameSelected);
  if (mSelPar >= 0 && mParToFrame[static_cast<size_t>(mSelPar)] >= 0)
    ctl_.SetBackColor(Ctl::ParName, mParToFrame[static_cast<size_t>(mSelPar)], kNameUnselected);
  mSelPar = i;
}

void KavoForm::CmndPlus_Click(int16_t row) {
  const int16_t p = RowParameter(row);
  if (p < 0) return;
  if (p != mSelPar) mIncrement = static_cast<float>(Val(ParAt(p).Incr));
  const SimParRec& par = ParAt(p);
  SetParValue(par.Value + ((par.Flags & kParInteger) ? 1.0f : mIncrement), p, 7);
}

void KavoForm::CmndNeg_Click(int16_t row) {
  const int16_t p = RowParameter(row);
  if (p < 0) return;
  if (p != mSelPar) mIncrement = static_cast<float>(Val(ParAt(p).Incr));
  const SimParRec& par = ParAt(p);
  SetParValue(par.Value - ((par.Flags & kParInteger) ? 1.0f : mIncrement), p, 7);
}

void KavoForm::CmndSign_Click(int16_t row) {
  const int16_t p = RowParameter(row);
  if (p >= 0) SetParValue(-ParAt(p).Value, p, 7);
}

void KavoForm::cmbPar_Click(int16_t row) {
  const int16_t p = RowParameter(row);
  if (p >= 0) SetParValue(ctl_.Get(Ctl::cmbPar, row).ListIndex, p, 7);
}

void KavoForm::ParName_Click(int16_t row) {
  const int16_t p = RowParameter(row);
  if (p >= 0) SelectParameter(p);
}

void KavoForm::ParVal_GotFocus(int16_t row) {
  const int16_t p = RowParameter(row);
  if (p >= 0) SelectParameter(p);
  if (gEditFocus != row + 100) gEditFocus = row;
}

int16_t KavoForm::ParVal_KeyPress(int16_t row, int16_t key) {
  if (row < 0 || row >= kParFrames) return key;
  if (gEditFocus == row) gEditFocus = static_cast<int16_t>(row + 100);
  const std::string before = ctl_.Get(Ctl::ParVal, row).Caption;
  std::string text = CommaToPoint(before);
  bool moveFocus = false;
  NumericKeyFilter(key, text, &moveFocus);
  if (text != before) ParVal_UserText(row, text);
  if (moveFocus) mFocusNext = true;
  return key;
}

void KavoForm::ParVal_UserText(int16_t row, const std::string& text) {
  if (row < 0 || row >= kParFrames) return;
  ctl_.SetCaption(Ctl::ParVal, row, text);
  ParVal_Change(row);
}

void KavoForm::ParVal_Change(int16_t row) {
  const int16_t p = RowParameter(row);
  if (p < 0 || (mLinkedPending & 3) != 0) return;
  SetParValue(ValPoint(ctl_.Get(Ctl::ParVal, row).Caption), p, 4);
}

void KavoForm::ParVal_LostFocus(int16_t row) {
  const int16_t p = RowParameter(row);
  if (p < 0 || gEditFocus != row + 100) return;
  SetParValue(ValPoint(ctl_.Get(Ctl::ParVal, row).Caption), p, 3);
}

bool KavoForm::TakeFocusNextRequest() {
  const bool request = mFocusNext;
  mFocusNext = false;
  return request;
}

void KavoForm::cmdFreqEnter_Click(int16_t k) {
  if (k < 0 || k > 1 || !ValidPar(mSelPar)) return;
  const int16_t row = mParToFrame[static_cast<size_t>(mSelPar)];
  if (row < 0 || !(gSimPar[static_cast<size_t>(mSelPar)].Flags & kParShown)) return;
  const std::string text = ctl_.Get(Ctl::lblFreq, k).Caption;
  // A caption such as "Lft Click Hz" holds no frequency yet.
  if (!StartsWithNumber(text)) return;
  ShowParText(row, text);
  SetParValue(ValPoint(text), mSelPar, 7);
}

void KavoForm::LoadTypeDefaults(SimTypeRec& record) {
  if (record.LastPar == 0) SimTypeSetup(record, gSimType);
  const int16_t last = std::clamp<int16_t>(record.LastPar, 0, kSimParCount - 1);
  for (int i = 0; i <= last; ++i) {
    const SimParRec& par = record.Par[static_cast<size_t>(i)];
    gSimPar[static_cast<size_t>(i)] = par;
    if (par.Flags & kParSpecWidth) {
      mWidthPar = static_cast<int16_t>(i);
      gSpectHz = par.Value;
    }
    if (par.Flags & kParOffset) {
      mOffsetPar = static_cast<int16_t>(i);
      gHorOffHz = par.Value;
    }
  }
  gVertMult = record.VertMult;
  gLastPar = last;
  gNumSpinMarks = std::clamp<int16_t>(record.SpinCount, 0, kSpinSlots - 1);
  mTypeCaption = RTrim(record.Caption);
  mTypeOrder = record.Order.substr(0, static_cast<size_t>(last) + 1);
  gTypeMode = record.Mode;
  for (int m = 0; m <= gNumSpinMarks; ++m)
    gSpinMarks[static_cast<size_t>(m)] = record.Spins[static_cast<size_t>(m)];
}

void KavoForm::SnapshotSimulation(SimTypeRec& record) {
  record.Par = gSimPar;
  record.VertMult = gVertMult;
  record.LastPar = gLastPar;
  record.SpinCount = gNumSpinMarks;
  record.Caption = mTypeCaption;
  record.Order = mTypeOrder;
  record.Mode = gTypeMode;
  for (int m = 0; m <= gNumSpinMarks && m < kSpinSlots; ++m)
    record.Spins[static_cast<size_t>(m)] = gSpinMarks[static_cast<size_t>(m)];
}

void KavoForm::RedisplayPars() {
  SnapshotSimulation(gSimTypes[static_cast<size_t>(gSimType)]);
  OptType_Click(gSimType);
}

void KavoForm::mnuReset_Click() {
  if (MsgBox("Reset default parameters for current Simulation?", vbOKCancel + vbQuestion,
             "Kavo Reset") != vbOK)
    return;
  SimTypeRec& record = gSimTypes[static_cast<size_t>(gSimType)];
  SimTypeSetup(record, gSimType);
  LoadTypeDefaults(record);
  gLineFit = 0;
  SetTypeButton(gSimType, false);
  SetTypeButton(gSimType, true);
}

void KavoForm::SetImgSliders(int16_t mode) {
  SetPicTag("Off");
  if (mode & 1) {
    ctl_.SetTop(Ctl::Image1, 3, gBaseLnTwips);
    // Never above the picture's top edge.
    const float height = std::min(gBaseLnTwips - VertLockHt, gBaseLnTwips - 400.0f);
    ctl_.SetTop(Ctl::Image1, 0, std::max(height, 0.0f));
    ctl_.SetTop(Ctl::Image1, 1, gDiffBaseLnTwips);
    ctl_.SetTop(Ctl::Image1, 4, gExpBaseLnTwips);
  }
  if (mode & 2) {
    ctl_.SetLeft(Ctl::Image1, 2, gPicWidthTwips * 0.5f);
    for (int h : {0, 3, 4, 1}) ctl_.SetLeft(Ctl::Image1, h, static_cast<float>(gScrollTwips));
  }
  SetPicTag("");
}

void KavoForm::SetupLinefitting(bool on) {
  if (on) {
    gTypeMode |= 1;
    ctl_.SetItems(Ctl::lstError, 0, {"   Error"});
    ctl_.SetVisible(Ctl::lstError, 0, true);
    ctl_.SetEnabled(Ctl::lstError, 0, true);
    ctl_.SetVisible(Ctl::Image1, 4, true);
    ctl_.SetVisible(Ctl::Image1, 1, ctl_.Get(Ctl::btnDiffTogg).Value);
    ctl_.SetPicture(Ctl::CmndUpDn, 11, 2);
    ctl_.SetPicture(Ctl::CmndUpDn, 12, 4);
    ctl_.SetEnabled(Ctl::mnuPref, 1, true);
    ctl_.SetEnabled(Ctl::mnuCancelSim, 0, true);
    ctl_.SetVisible(Ctl::fraDiff, 0, true);
    ctl_.SetEnabled(Ctl::CmndUpDn, 11, true);
    ctl_.SetEnabled(Ctl::CmndUpDn, 12, true);
    return;
  }
  ctl_.SetEnabled(Ctl::mnuPref, 1, false);
  ctl_.SetEnabled(Ctl::mnuCancelSim, 0, false);
  ctl_.SetEnabled(Ctl::lstError, 0, false);
  ctl_.SetVisible(Ctl::lstError, 0, false);
  ctl_.SetVisible(Ctl::fraDiff, 0, false);
  ctl_.SetVisible(Ctl::Image1, 4, false);
  ctl_.SetPicture(Ctl::CmndUpDn, 11, 3);
  ctl_.SetPicture(Ctl::CmndUpDn, 12, 5);
  ctl_.SetEnabled(Ctl::CmndUpDn, 11, false);
  ctl_.SetEnabled(Ctl::CmndUpDn, 12, false);
}

StatusFields::Place KavoForm::StatusPlace(const std::string& text, int16_t line,
                                          bool right) const {
  const float x = right ? gPicWidthTwips - pic_.TextWidth(text + "   ")
                        : static_cast<float>(gScrollTwips) + 100;
  return {x, static_cast<float>(line) * 230 - 130};
}

void KavoForm::MessageDisplay(const std::string& text, int16_t line, const std::string& field) {
  const bool right = UCase(Left(field, 1)) == "R";
  mStatus.Write(pic_, text, line, right, StatusPlace(text, line, right));
}

void KavoForm::RedrawStatusFields() {
  mStatus.Redraw(pic_, [this](const std::string& text, int16_t line, bool right) {
    return StatusPlace(text, line, right);
  });
}
