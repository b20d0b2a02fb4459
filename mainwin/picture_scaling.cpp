// The spectrum picture's geometry (points, horizontal scales, vertical rescaling, the scroll
// bar), the repaint rule, the increment ribbon and box, and the clock label.
#include <algorithm>

#include "documents/spec_record.h"
#include "drawlib/util/numbers.h"
#include "engine/calc_spectrum.h"
#include "mainwin/design_layout.h"
#include "mainwin/kavo_form.h"
#include "mainwin/printer_page.h"
#include "mainwin/twips_int.h"
#include "platform/runtime_numbers.h"

namespace {

int16_t ScaledTwips(int16_t value, double ratio) { return TwipsInt16(value * ratio); }

}  // namespace

Control KavoForm::Pic() { return ctl_.Get(Ctl::picKavo); }

std::string KavoForm::PicTag() { return ctl_.Get(Ctl::picKavo).Tag; }

void KavoForm::SetPicTag(const std::string& tag) { ctl_.SetTag(Ctl::picKavo, 0, tag); }

void KavoForm::PlaceGrip() {
  const Control pic = Pic();
  const Control grip = ctl_.Get(Ctl::grp1);
  ctl_.SetTop(Ctl::grp1, 0, pic.Top + pic.Height - grip.Height);
  ctl_.SetLeft(Ctl::grp1, 0, pic.Left + pic.Width - grip.Width);
}

void KavoForm::PicCalcScaling() {
  const Control pic = Pic();
  gPicWidthTwips = CLng(pic.Width);
  int16_t points = 1;
  if (!TryCInt(gPicWidthTwips / host_.TwipsPerPixelX(), points) || points < 1) points = 1;
  gNumPts = points;
  gTwipsPerPt = static_cast<float>(gPicWidthTwips) / static_cast<float>(gNumPts);
  RedimSpectrum(gNumPts);
  ctl_.SetCaption(Ctl::mnuPref, 4, "Display Width (Curr:" + Str(gNumPts) + ")");

  if (gVertScale > 0 && pic.Height > 0) {
    const double r = pic.Height / gVertScale;
    gBaseLnTwips = ScaledTwips(gBaseLnTwips, r);
    gDiffBaseLnTwips = ScaledTwips(gDiffBaseLnTwips, r);
    gExpBaseLnTwips = ScaledTwips(gExpBaseLnTwips, r);
    gVertMult = static_cast<float>(gVertMult * r);
    VertLockHt = static_cast<float>(VertLockHt * r);
    if (gLineFit) gSpec.VertMult = static_cast<float>(gSpec.VertMult * r);
  }
  gVertScale = pic.Height;

  const Control inc = ctl_.Get(Ctl::fraIncrement);
  const float w = inc.Left + pic.Width;
  const float scaleWidth = host_.ScaleWidth();
  if (w > scaleWidth) {
    const float barWidth = scaleWidth - inc.Left;
    ctl_.SetGeometry(Ctl::scrhDisplay, 0, inc.Left, pic.Top + pic.Height + 300, barWidth,
                     ctl_.Get(Ctl::scrhDisplay).Height);
    ctl_.SetVisible(Ctl::scrhDisplay, 0, true);
    const int32_t whole = CLng(barWidth);
    ctl_.SetScroll(Ctl::scrhDisplay, 0, 0, CLng(0.1 * (w - scaleWidth)), CLng(0.1 * (whole / 10)),
                   CLng(0.1 * (whole / 3)));
    // The read-out frame reaches down to the window's bottom, but never gets shorter than its
    // design: on a window shorter than the left column the column scrolls to it instead, and a
    // frame of no height would take its labels, buttons and list out of reach.
    const Control err = ctl_.Get(Ctl::fraError);
    ctl_.SetHeight(Ctl::fraError, 0, std::max(kErrorFrameHeight, host_.ScaleHeight() - err.Top));
    gScrollTwips = CLng(inc.Left - pic.Left);
  } else {
    ctl_.SetVisible(Ctl::scrhDisplay, 0, false);
    gScrollTwips = 0;
    ctl_.SetVisible(Ctl::grp1, 0, true);
  }
  PlaceGrip();
  SetImgSliders(3);
  SetDisplayWidth(gSpectHz);
  gRedrawFlags = 8;
  gPrintBoxHeight = static_cast<float>(PrinterPaperWidthWorld() * pic.Height / pic.Width);
}

void KavoForm::grpInc_Click(int16_t index) {
  std::string text;
  if (index > 0) {
    mIncrement = static_cast<float>(index / 10.0);
    text = index > 9 ? Str(index / 10.0) : CommaToPoint(Format(index / 10.0, "0.0"));
  } else {
    text = ctl_.Get(Ctl::txtInc).Caption;
    mIncrement = ValPoint(text);
  }
  if (mSelPar > -1) {
    const int16_t row = mParToFrame[static_cast<size_t>(mSelPar)];
    if (row >= 0) ctl_.SetCaption(Ctl::lblInc, row, text);
    gSimPar[static_cast<size_t>(mSelPar)].Incr = CommaToPoint(text);
  }
}

void KavoForm::txtInc_Change() {
  mIncrement = ValPoint(ctl_.Get(Ctl::txtInc).Caption);
  txtInc_GotFocus();
}

void KavoForm::txtInc_GotFocus() {
  for (int index : kIncrementRibbons) ctl_.SetValue(Ctl::grpInc, index, index == 0);
  grpInc_Click(0);
}

void KavoForm::lblInc_Click(int16_t row) {
  const int16_t p = RowParameter(row);
  if (p < 0) return;
  mIncrement = static_cast<float>(Val(gSimPar[static_cast<size_t>(p)].Incr));
  SelectParameter(p);
}

void KavoForm::Timer1_Timer() {
  ctl_.SetCaption(Ctl::lblTimeDate, 0, host_.DateTimeText());
  host_.SetTimerInterval(1000);
}

void KavoForm::picKavo_Paint() {
  if (!PicTag().empty()) return;
  gRedrawFlags |= 1;
  CalcSpectrum(0);
}

int32_t KavoForm::ControlHelpContext(Ctl id, int index) {
  switch (id) {
    // Fixed numbers of their handlers.
    case Ctl::fraPar: return HelpContextIds::kParFrame;
    case Ctl::grpInc: return HelpContextIds::kIncrement;
    case Ctl::lblFreq: return HelpContextIds::kFrequency;
    case Ctl::Image1: return HelpContextIds::kDragHandles;
    case Ctl::btnDiffTogg: return HelpContextIds::kDifference;
    // The arrays' handlers take element 0's number.
    case Ctl::CmndPlus: case Ctl::CmndNeg: case Ctl::CmndSign: case Ctl::ParVal:
      return ctl_.Get(id, 0).HelpContextID;
    case Ctl::optType:
      return index >= 0 && index < kTypeButtonCount ? ctl_.Get(id, index).HelpContextID : 0;
    default: return ctl_.Get(id, index).HelpContextID;
  }
}

void KavoForm::ControlMouseUp(Ctl id, int index, int16_t button) {
  if (button == 2) ControlHelpPopup(ControlHelpContext(id, index));
}
