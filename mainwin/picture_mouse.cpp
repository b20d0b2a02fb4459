// The mouse on and around the spectrum picture: hovering and dragging nucleus markers, the
// rubber-band box with its popup, the left-click frequency read-out, the six drag handles, the
// corner grip and the scroll bar. Guide lines and the box are overlays: they never change the
// picture, so removing them needs no second XOR drawing.
#include <algorithm>
#include <cmath>

#include "documents/spec_record.h"
#include "drawlib/pending_events.h"
#include "drawlib/util/numbers.h"
#include "engine/calc_spectrum.h"
#include "engine/sim_type_traits.h"
#include "engine/spectrum_file_services.h"
#include "mainwin/kavo_form.h"
#include "mainwin/twips_int.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr int16_t kPointerWestEast = 9;
constexpr int16_t kLeftButton = 1;
constexpr int16_t kRightButton = 2;
constexpr uint32_t kGuideColour = 0x00FF00;  // basic palette colour 10, light green

bool IsHorizontalHandle(int16_t index) { return index == 2 || index == 5; }

std::string HzText(double hz) { return CommaToPoint(Format(hz, "0.0 Hz")); }

}  // namespace

void KavoForm::ShowBox() {
  PictureBox::Overlay box;
  box.box = true;
  box.x1 = mBoxX1;
  box.y1 = mBoxY1;
  box.x2 = mBoxX2;
  box.y2 = mBoxY2;
  box.color = gTraceColors[1];
  pic_.SetOverlay(PictureBox::kOverlayBox, box);
}

void KavoForm::picKavo_MouseMove(int16_t button, int16_t /*shift*/, float x, float y) {
  if (button == 0) {
    mHoverMark = 0;
    if (y > gBaseLnTwips) {
      const int marks = std::min<int>(gNumSpinMarks, 15);
      for (int i = 1; i <= marks; ++i) {
        if (std::fabs(MarkX(i) - x) < 100) {
          mHoverMark = static_cast<int16_t>(i);
          break;
        }
      }
    }
    host_.SetPicturePointer(mHoverMark ? kPointerWestEast : MainWindowServices::kPointerDefault);
    return;
  }
  if (mHoverMark == 0) {
    // Any button off a marker: the rubber-band box.
    if (mPicDrag != 0) {
      mBoxX2 = x;
      mBoxY2 = y;
      ShowBox();
      ctl_.SetCaption(Ctl::lblFreq, 1, HzText((mBoxX1 - mBoxX2) / gTwipsPerHz));
    } else {
      mBoxX1 = mBoxX2 = x;
      mBoxY1 = mBoxY2 = y;
      mPicDrag = -1;
    }
    return;
  }
  if (!(button & kLeftButton)) return;
  if (mPicDrag == 0) {
    mMarkX = x;
    mPicDrag = mHoverMark;
    host_.SetPicturePointer(kPointerWestEast);
  }
  if (mPicDrag < 1 || mPicDrag > 15) return;
  SpinRec& mark = gSpinMarks[static_cast<size_t>(mPicDrag)];
  const float oldX = MarkX(mPicDrag);
  pic_.SetOverlay(PictureBox::kOverlayGuide,
                  {false, x, 0, x, static_cast<float>(gBaseLnTwips), kGuideColour});
  const std::string letter(1, static_cast<char>(mark.Label));
  DrawMarker(oldX, gBaseLnTwips, letter, pic_, 0, false);
  mark.Shift = gHorOffHz + gSpectHz - x / gTwipsPerHz;
  DrawMarker(x, gBaseLnTwips, letter, pic_, mark.Color, true);
  if (mark.ParIndex >= 0 && mark.ParIndex < kSimParCount)
    gSimPar[static_cast<size_t>(mark.ParIndex)].Value = mark.Shift;
  mMarkX = x;
  pic_.Refresh();
}

void KavoForm::picKavo_MouseUp(int16_t button, int16_t /*shift*/, float x, float /*y*/) {
  if (mPicDrag == -1) {
    mPicDrag = 0;
    const float a = gSpectHz - mBoxX1 / gTwipsPerHz;
    const float b = gSpectHz - mBoxX2 / gTwipsPerHz;
    mBoxHiHz = std::max(a, b);
    mBoxLoHz = std::min(a, b);
    if (mBoxHiHz - mBoxLoHz > 1.0f) {
      ctl_.SetCaption(Ctl::mnuPopRt, 1,
                      ShowsLoadedSpectrum() ? "Integrate Spectrum" : "Integrate");
      ctl_.SetEnabled(Ctl::mnuPopRt, 4, gDisableRef == 0);
      mnuPopRtDrag_Click();
      host_.PopupMenu(Ctl::mnuPopRtDrag);
    }
    pic_.ClearOverlay(PictureBox::kOverlayBox);
    return;
  }
  if (mPicDrag >= 1 && mPicDrag <= 15) {
    const SpinRec& mark = gSpinMarks[static_cast<size_t>(mPicDrag)];
    pic_.ClearOverlay(PictureBox::kOverlayGuide);
    SetParValue(mark.Shift, mark.ParIndex, 7);
    mPicDrag = 0;
    host_.SetPicturePointer(MainWindowServices::kPointerDefault);
  }
  const float f = (Pic().Width - x) / gTwipsPerHz + gHorOffHz;
  if (button == kLeftButton) {
    ctl_.SetCaption(Ctl::lblFreq, 1, HzText(f - mLastClickHz));
    ctl_.SetCaption(Ctl::lblFreq, 0, HzText(f));
    mLastClickHz = f;
  }
}

void KavoForm::HandleRange(int16_t index, float& low, float& high) {
  const float base = gBaseLnTwips;
  const Control handle = ctl_.Get(Ctl::Image1, index);
  switch (index) {
    case 0: low = 0; high = base - handle.Height; break;
    case 1: low = 0.1f * base; high = 0.9f * base; break;
    case 3: low = 0.1f * base; high = 0.95f * gVertScale; break;
    case 4: low = 0.3f * gVertScale; high = 0.95f * gVertScale; break;
    default: low = 0; high = gPicWidthTwips - handle.Width / 2; break;
  }
}

void KavoForm::Image1_MouseDown(int16_t index, int16_t /*button*/, int16_t /*shift*/, float x,
                                float y) {
  if (index < 0 || index > 5) return;
  mHandleDrag = 1;
  mHandleGrabX = x;
  mHandleGrabY = y;
  if (IsHorizontalHandle(index)) mHandleLeft0 = ctl_.Get(Ctl::Image1, index).Left;
  SetPicTag("No");
}

void KavoForm::Image1_MouseMove(int16_t index, int16_t button, int16_t /*shift*/, float x,
                                float y) {
  if (index < 0 || index > 5 || !(button & kLeftButton) || mHandleDrag == 0) return;
  mHandleDrag = 2;
  const Control handle = ctl_.Get(Ctl::Image1, index);
  float low = 0, high = 0;
  HandleRange(index, low, high);
  PictureBox::Overlay guide;
  guide.color = kGuideColour;
  if (IsHorizontalHandle(index)) {
    const float left = ClampSngl(low, high, handle.Left + x - mHandleGrabX);
    ctl_.SetLeft(Ctl::Image1, index, left);
    guide.x1 = guide.x2 = left + handle.Width / 2;
    guide.y2 = gBaseLnTwips;
  } else {
    const float top = ClampSngl(low, high, handle.Top + y - mHandleGrabY);
    ctl_.SetTop(Ctl::Image1, index, top);
    guide.y1 = guide.y2 = top;
    guide.x2 = static_cast<float>(gPicWidthTwips);
  }
  pic_.SetOverlay(PictureBox::kOverlayGuide, guide);
}

// Every marker's parameter moves by deltaHz; withRows shows each in its row, and the values
// linked to them (a shown difference and centre) in theirs.
void KavoForm::MoveMarkers(float deltaHz, bool withRows) {
  const int marks = std::min<int>(gNumSpinMarks, 15);
  for (int i = 1; i <= marks; ++i) {
    SpinRec& mark = gSpinMarks[static_cast<size_t>(i)];
    if (mark.ParIndex < 0 || mark.ParIndex >= kSimParCount) continue;
    SimParRec& par = gSimPar[static_cast<size_t>(mark.ParIndex)];
    par.Value += deltaHz;
    mark.Shift = par.Value;
    if (withRows) SetParValue(par.Value, mark.ParIndex, 1);
  }
  if (withRows) RedisplayLinkedPars(mLinkedPending);
}

void KavoForm::Image1_MouseUp(int16_t index, int16_t button, int16_t shift, float /*x*/,
                              float /*y*/) {
  if (index < 0 || index > 5) return;
  mHandleDrag = 0;
  pic_.ClearOverlay(PictureBox::kOverlayGuide);
  if (button == kRightButton) {
    ControlHelpPopup(HelpContextIds::kDragHandles);
    return;
  }
  const Control handle = ctl_.Get(Ctl::Image1, index);
  const float delta = (handle.Left - mHandleLeft0) / gTwipsPerHz;
  switch (index) {
    case 0:
      if (mSelEnabled) {
        const int16_t saved = gVertLock;
        gVertLock = -2;
        VertLockHt = gBaseLnTwips - handle.Top;
        gRedrawFlags |= 1;
        CalcSpectrum(-1);
        gVertLock = saved;
      }
      break;
    case 1:
      gDiffBaseLnTwips = TwipsInt16(handle.Top);
      gRedrawFlags |= 1;
      CalcSpectrum(-1);
      break;
    case 3:
      gBaseLnTwips = TwipsInt16(handle.Top);
      ctl_.SetTop(Ctl::Image1, 0, ClampSngl(0, gBaseLnTwips, gBaseLnTwips - VertLockHt));
      gRedrawFlags |= 1;
      CalcSpectrum(-1);
      break;
    case 4:
      gExpBaseLnTwips = TwipsInt16(handle.Top);
      gRedrawFlags |= 1;
      CalcSpectrum(-1);
      break;
    case 5:
      if (shift & 1) break;
      // The simulation keeps its place and the experimental spectrum moves under it; the
      // offset row, gHorOffHz and the stored type agree afterwards.
      MoveMarkers(delta, true);
      gHorOffHz += delta;
      SetParValue(gHorOffHz, mOffsetPar, 1);
      if (SpectrumFileServices* files = SpectrumFiles())
        files->LoadSpectrumKavo(gFinm, gSpecExp, gHorOffHz, gSpectHz, gSpec.Ref, gSpec.VertMult,
                                6);
      gRedrawFlags |= 1;
      CalcSpectrum(-1);
      break;
    case 2:
      if (shift & 1) break;
      MoveMarkers(-delta, true);
      gRedrawFlags |= 8;
      CalcSpectrum(-1);
      break;
    default:
      break;
  }
  SetPicTag("");
}

void KavoForm::GripPlacement() {
  const Control grip = ctl_.Get(Ctl::grp1);
  const Control pic = Pic();
  ctl_.SetLeft(Ctl::grp1, 0, mGripRight - grip.Width);
  ctl_.SetTop(Ctl::grp1, 0, mGripBottom - grip.Height);
  ctl_.SetGeometry(Ctl::picKavo, 0, pic.Left, pic.Top, mGripRight - pic.Left,
                   mGripBottom - pic.Top);
}

void KavoForm::PicKavoDragCorner(float x, float y, int16_t phase) {
  const Control grip = ctl_.Get(Ctl::grp1);
  if (phase == 2) {
    const Control inc = ctl_.Get(Ctl::fraIncrement);
    ctl_.SetLeft(Ctl::picKavo, 0, inc.Left);
    gScrollTwips = 0;
    const Control pic = Pic();
    mGripDragging = true;
    mGripMoved = false;
    mGripGrabX = x;
    mGripGrabY = y;
    mGripMinRight = pic.Left + 3000;
    mGripMinBottom = pic.Top + 2000;
    mGripMaxBottom = host_.ScaleHeight() - 450;
    return;
  }
  if (!mGripDragging) return;
  if (phase == 4) {
    float cx = 0, cy = 0;
    host_.CursorPosTwips(cx, cy);
    mGripRight = std::max(cx - mGripGrabX + grip.Width, mGripMinRight);
    mGripBottom = std::max(cy - mGripGrabY + grip.Height, mGripMinBottom);
    mGripBottom = std::min(mGripBottom, mGripMaxBottom);
    mGripMoved = true;
    GripPlacement();
    if (mCalcSeconds < 0.1f) {
      PicCalcScaling();
      CalcSpectTimed(-1);
      DoEvents();
      DoEvents();
    } else {
      pic_.Cls();
      DoEvents();
      MessageDisplay("VIREO is using" + Str(gNumPts) + " data points", 1, "Left");
    }
    return;
  }
  if (phase == 5) {
    mGripDragging = false;
    // A press and release without a move leaves the picture as it was: the press scrolled it
    // home, the scroll bar still says where it stood.
    if (!mGripMoved) {
      scrhDisplay_Change(ctl_.Get(Ctl::scrhDisplay).ScrollValue);
      return;
    }
    GripPlacement();
    PicCalcScaling();
    CalcSpectTimed(-1);
  }
}

void KavoForm::scrhDisplay_Change(int32_t value) {
  ctl_.SetScrollValue(Ctl::scrhDisplay, 0, value);
  const Control inc = ctl_.Get(Ctl::fraIncrement);
  ctl_.SetLeft(Ctl::picKavo, 0, inc.Left - 10.0f * static_cast<float>(value));
  gScrollTwips = CLng(inc.Left - Pic().Left);
  SetImgSliders(2);
  PlaceGrip();
}
