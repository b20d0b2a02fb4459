// The display toolbar beside the picture: the heights of the simulated and experimental traces,
// the shown frequency window, automatic redraw, the step size, an explicit redraw, stick or full
// display, and the difference toggle and quit button of line fitting.
#include "documents/spec_record.h"
#include "engine/calc_spectrum.h"
#include "engine/sim_catalogue.h"
#include "engine/sim_type_traits.h"
#include "mainwin/kavo_form.h"
#include "platform/runtime_numbers.h"

void KavoForm::CmndUpDn_KeyDown(int16_t /*index*/, int16_t /*keyCode*/, int16_t shift) {
  mKeyShift = shift;
}

void KavoForm::CmndUpDn_KeyUp(int16_t /*index*/, int16_t /*keyCode*/, int16_t /*shift*/) {
  mKeyShift = 0;
}

void KavoForm::CmndUpDn_Click(int16_t index) {
  const float s = mVertIncr;
  const float f = 1 + s * 0.01f;
  bool recalculate = true;
  auto heightFollowUp = [this] {
    gRedrawFlags |= 1;
    if (gVertLock != 0) VertLockHt *= mVertMultInc;
  };
  switch (index) {
    case 0: mVertMultInc = f; heightFollowUp(); break;
    case 1: mVertMultInc = 1 / f; heightFollowUp(); break;
    case 2: gHorOffHz -= gSpectHz * 0.01f * s; gRedrawFlags |= 8; break;
    case 3: gHorOffHz += gSpectHz * 0.01f * s; gRedrawFlags |= 8; break;
    case 4:
      gHorOffHz += (gSpectHz - gSpectHz / f) * 0.5f;
      gSpectHz /= f;
      gRedrawFlags |= 4 | 8;
      break;
    case 5: {
      const float shift = gSpectHz * 0.005f * s;
      gSpectHz *= f;
      gHorOffHz -= shift;
      gRedrawFlags |= 4 | 8;
      break;
    }
    case 6:
      gHorOffHz = gSpec.Ref;
      if (gLineFit) {
        gSpectHz = gSpec.WdthHz;
        gSpec.DispOffHz = gSpec.Ref;
      } else {
        gSpectHz = ShowsSpectrumType(gSimType) ? gSpec.WdthHz : 300;
      }
      gRedrawFlags |= 4 | 8;
      break;
    case 7:
      ToggleAutoredraw();
      recalculate = false;
      break;
    case 8:
      mVertIncr *= 0.1f;
      if (mVertIncr < 0.05f) mVertIncr = 100;
      ctl_.SetCaption(Ctl::CmndUpDn, 8, Str(mVertIncr) + "%");
      return;
    case 9:
      SetPicTag("");
      CalcSpectrum(-1);
      recalculate = false;
      break;
    case 10: {
      gTypeMode ^= 1;
      const double t0 = host_.MonotonicSeconds();
      CalcSpectrum(0);
      mCalcSeconds = static_cast<float>(host_.MonotonicSeconds() - t0);
      recalculate = false;
      break;
    }
    case 11:
      gSpec.VertMult *= f;
      gRedrawFlags |= 16;
      if (mKeyShift & 1) {
        mVertMultInc = f;
        heightFollowUp();
      }
      break;
    case 12:
      gSpec.VertMult /= f;
      gRedrawFlags |= 16;
      if (mKeyShift & 1) {
        mVertMultInc = 1 / f;
        heightFollowUp();
      }
      break;
    default:
      return;
  }
  // Both values are the toolbar's request. A new window's width is checked against its own new
  // offset, not the old one (else "full width" at the right end of a spectrum stays narrow).
  const float requestedWidth = gSpectHz, requestedOffset = gHorOffHz;
  if ((gRedrawFlags & 4) && (gRedrawFlags & 8)) {
    // The clamp stores the new offset as the parameter's value: the width's rule below reads it.
    float offset = requestedOffset;
    SimParClamp(offset, mOffsetPar);
  }
  if (gRedrawFlags & 4) SetParValue(requestedWidth, mWidthPar, 1);
  if (gRedrawFlags & 8) SetParValue(requestedOffset, mOffsetPar, 1);
  if (recalculate) CalcSpectrum(0);
}

void KavoForm::btnDiffTogg_Click(bool value) {
  SetPicTag("No");
  ctl_.SetValue(Ctl::btnDiffTogg, 0, value);
  ctl_.SetVisible(Ctl::Image1, 1, value);
  ctl_.SetValue(Ctl::mnuPref, 1, value);
  gRedrawFlags |= 1;
  if (gLineFit) CalcSpectrum(0);
  SetPicTag("");
}

void KavoForm::CmndQuit_Click() { host_.CloseForm(); }
