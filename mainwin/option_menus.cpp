// The Options menu (height lock, difference trace, display width, spectrum reference, simulated
// noise, the parameter dialog) and the commands of the box popup (expand, integrate, peak
// position, box read-out, set reference), and the print commands.
#include <algorithm>
#include <cmath>

#include "documents/spec_record.h"
#include "drawlib/pending_events.h"
#include "drawlib/util/numbers.h"
#include "engine/calc_spectrum.h"
#include "engine/sim_type_traits.h"
#include "mainwin/kavo_form.h"
#include "output/output_services.h"
#include "mainwin/peak_pick_import.h"
#include "mainwin/plot_document.h"
#include "mainwin/twips_int.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr uint32_t kLockLine = 0xC0C0C0;
constexpr uint32_t kErase = 0xFFFFFF;

// The point under a picture position, kept inside the spectrum.
int BoxPoint(float x) {
  const int32_t k = TwipsInt((gPicWidthTwips - x) / gTwipsPerPt);
  return std::clamp<int32_t>(k, 1, std::max<int16_t>(gNumPts, 1));
}

}  // namespace

void KavoForm::mnuPrefrences_Click() {
  const bool noNoise = ShowsLoadedSpectrum();
  for (int i = 0; i < 7; ++i) {
    ctl_.SetEnabled(Ctl::mnuNoise, i, !noNoise);
    if (noNoise) ctl_.SetValue(Ctl::mnuNoise, i, false);
  }
  if (noNoise) gNoiseLevel = 0;
}

void KavoForm::mnuNoise_Click(int16_t index) {
  if (index < 0 || index > 6) return;
  ctl_.SetValue(Ctl::mnuNoise, mNoiseIdx, false);
  ctl_.SetValue(Ctl::mnuNoise, index, true);
  mNoiseIdx = index;
  gNoiseLevel = index == 0 ? int16_t{0} : static_cast<int16_t>(1 << index);
  if (!ShowsLoadedSpectrum()) CalcSpectrum(0);
}

void KavoForm::mnuPar_Click() {
  SimTypeRec& record = gSimTypes[static_cast<size_t>(gSimType)];
  SnapshotSimulation(record);
  SetPicTag("No");
  const std::string tag = host_.ShowParameterDialog();
  if (tag != "Cancel") RedisplayPars();
  else LoadTypeDefaults(record);
  DoEvents();
  SetPicTag("");
}

void KavoForm::mnuPref_Click(int16_t index) {
  switch (index) {
    case 0:
      if (!ctl_.Get(Ctl::mnuPref, 0).Value) {
        VertLockHt = std::max(SpectrumMax(), 0.01f);
        gVertLock = -1;
      } else {
        gVertLock = 0;
      }
      LockHt();
      break;
    case 1:
      btnDiffTogg_Click(!ctl_.Get(Ctl::btnDiffTogg).Value);
      break;
    case 3:
      ToggleAutoredraw();
      break;
    case 4: {
      const std::string answer = InputBox(
          "Type new value for number of points in simulated spectrum and in the display screen "
          "(200-3000). Current value is " +
              Str(gNumPts) + ". This will also reset the width of the display area.",
          "Set Display Width", Str(gNumPts));
      if (answer.empty()) break;
      const int16_t n = CInt(ClampSngl(200, 3000, static_cast<float>(Val(answer))));
      const Control inc = ctl_.Get(Ctl::fraIncrement);
      const Control pic = Pic();
      ctl_.SetGeometry(Ctl::picKavo, 0, inc.Left, pic.Top, n * host_.TwipsPerPixelX(),
                       pic.Height);
      PicCalcScaling();
      CalcSpectTimed(-1);
      DoEvents();
      break;
    }
    case 5: {
      const bool disabled = !ctl_.Get(Ctl::mnuPref, 5).Value;
      ctl_.SetValue(Ctl::mnuPref, 5, disabled);
      gDisableRef = disabled ? -1 : 0;
      if (disabled && std::fabs(gSpec.Ref) > 0.1f) {
        float delta = -gSpec.Ref;
        ApplyParItems(delta);
      }
      break;
    }
    default:
      break;
  }
}

void KavoForm::ToggleAutoredraw() {
  // The menu's mark is the switch the calculation reads; toolbar button 7 shows the new state.
  const bool on = !ctl_.Get(Ctl::mnuPref, 3).Value;
  ctl_.SetPicture(Ctl::CmndUpDn, 7, on ? 0 : 1);
  ctl_.SetValue(Ctl::mnuPref, 3, on);
}

void KavoForm::LockHt() {
  uint32_t colour = kErase;
  if (gVertLock != 0) {
    ctl_.SetTop(Ctl::Image1, 0, std::max(0.0f, gBaseLnTwips - VertLockHt));
    ctl_.SetVisible(Ctl::Image1, 0, true);
    colour = kLockLine;
  }
  ctl_.SetValue(Ctl::mnuPref, 0, gVertLock != 0);
  if (gBaseLnTwips > VertLockHt) {
    const float y = gBaseLnTwips - VertLockHt;
    PicLine(0, y, static_cast<float>(gPicWidthTwips), y, colour);
    pic_.Refresh();
  }
}

void KavoForm::ApplyParItems(float& deltaHz) {
  MoveMarkers(deltaHz, true);
  if (ShowsLoadedSpectrum()) gSpec.Ref += deltaHz;
  gRedrawFlags |= 8;
  gHorOffHz += deltaHz;
  SetParValue(gHorOffHz, mOffsetPar, 1);
  CalcSpectrum(-1);
}

void KavoForm::mnuPopRtDrag_Click() {
  ctl_.SetEnabled(Ctl::mnuPopRt, 1, (gTypeMode & 3) != 0);
}

const std::vector<float>& KavoForm::BoxArray() const { return gLineFit ? gSpecExp : gSpectrum; }

void KavoForm::IntegrateBox(float x1, float x2) {
  const std::vector<float>& a = BoxArray();
  const float y0 = gLineFit ? gExpBaseLnTwips : gBaseLnTwips;
  const float c = ShowsLoadedSpectrum() ? y0 - mBoxY1 : 0.0f;
  double total = 0;
  const int n = std::min<int>(gNumPts, static_cast<int>(a.size()) - 1);
  for (int k = 1; k <= n; ++k) total += a[static_cast<size_t>(k)];
  if (total == 0 || n < 1) {
    // Nothing to compare the box with.
    ctl_.SetCaption(Ctl::lblFreq, 0, "area: -");
    return;
  }
  const int32_t step = std::max<int32_t>(1, CLng(gTwipsPerPt));
  double sum = 0;
  float lastX = x1, lastY = y0;
  for (int32_t x = CLng(x1); x <= CLng(x2); x += step) {
    const int k = std::min(BoxPoint(static_cast<float>(x)), n);
    sum += a[static_cast<size_t>(k)] - c;
    lastX = static_cast<float>(x);
    lastY = static_cast<float>(y0 - y0 * sum / total);
    pic_.PSet(lastX, lastY, PaletteColor(12));
  }
  const std::string text = CommaToPoint(Format(100 * sum / total, "0.0 "));
  pic_.CurrentX = lastX;
  pic_.CurrentY = lastY;
  pic_.Print(text);
  pic_.Refresh();
  ctl_.SetCaption(Ctl::lblFreq, 0, "area:" + text);
}

void KavoForm::PeakInBox(float x1, float x2, int16_t index) {
  const std::vector<float>& a = BoxArray();
  const int n = std::min<int>(gNumPts, static_cast<int>(a.size()) - 1);
  if (n < 1) return;
  const int32_t step = std::max<int32_t>(1, CLng(gTwipsPerPt));
  float m = -10000;
  float xp = x1;
  for (int32_t x = CLng(x1); x <= CLng(x2); x += step) {
    const float v = a[static_cast<size_t>(std::min(BoxPoint(static_cast<float>(x)), n))];
    if (v > m) {
      m = v;
      xp = static_cast<float>(x);
    }
  }
  PicLine(xp, mBoxY2, xp, mBoxY2 - 500, gTraceColors[1]);
  const float fp = (gPicWidthTwips - xp) / gTwipsPerHz + gHorOffHz;
  if (index == 2) {
    ctl_.SetCaption(Ctl::lblFreq, 0, CommaToPoint(Format(fp, "0.0 Hz")));
    pic_.CurrentY -= 200;
    pic_.Print(CommaToPoint(Format(fp, "0.0 Hz")));
    pic_.Refresh();
    return;
  }
  const float mhz = gSpec.MHz;
  if (!(mhz > 0)) {
    MsgBox("The spectrometer frequency is not set: no reference can be given in ppm.",
           vbExclamation, "Set Reference");
    return;
  }
  const float ppm = fp / mhz;
  const std::string answer = InputBox(
      "The maximum position in the Right-Drag-Box is at " + CommaToPoint(Format(fp, "0.0")) +
          " Hz (" + CommaToPoint(Format(ppm, "0.00")) +
          " ppm). Type ppm value for this position (spectrometer frequency is " +
          CommaToPoint(Format(mhz, "0.00")) + " MHz).",
      "Set Reference", CommaToPoint(Format(ppm, "0.00")));
  if (answer.empty()) return;
  float delta = ValPoint(answer) * mhz - fp;
  ApplyParItems(delta);
}

void KavoForm::mnuPopRt_Click(int16_t index) {
  float x1 = mBoxX1, x2 = mBoxX2;
  if (x1 > x2) std::swap(x1, x2);
  switch (index) {
    case 0: {
      // The box's left edge is taken before the width's window rule can move the offset.
      const float left = gHorOffHz + mBoxLoHz;
      SetParValue(std::max(mBoxHiHz - mBoxLoHz, 10.0f), mWidthPar, 1);
      SetParValue(left, mOffsetPar, 1);
      CalcSpectrum(0);
      break;
    }
    case 1: IntegrateBox(x1, x2); break;
    case 2: case 4: PeakInBox(x1, x2, index); break;
    case 3:
      ctl_.SetCaption(Ctl::lblFreq, 1, CommaToPoint(Format((x2 - x1) / gTwipsPerHz, "0.0 Hz")));
      // The box's right edge, the lowest frequency in it.
      ctl_.SetCaption(Ctl::lblFreq, 0, CommaToPoint(Format(gHorOffHz + mBoxLoHz, "0.0 Hz")));
      break;
    default:
      break;
  }
}

void KavoForm::mnuImportPeakPick_Click() {
  PeakPickImport(host_.ClipboardText());
  if (gSimType == kPeakListType) CalcSpectrum(-1);
}

void KavoForm::mnuPrintPreview_Click() {
  CreatePlotDocument();
  Output().PrintWithPreview();
}

void KavoForm::mnuPrintSpec_Click() {
  CreatePlotDocument();
  OutputRegion region;
  PlotPageRegion(region);
  Output().RenderOutput(region, 1, PlotStepCount(), 0, 68);
}
