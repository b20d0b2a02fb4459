// Drawing the simulation into the spectrum picture: the calculated trace or the line sticks,
// the coupling trees, the nucleus markers, the experimental overlay with the difference trace,
// and the tab-delimited copy of the spectra; the frequency labels under the picture.
#include <algorithm>
#include <cmath>

#include "documents/spec_record.h"
#include "drawlib/util/numbers.h"
#include "engine/analyses.h"
#include "engine/sim_type_traits.h"
#include "engine/spectrum_file_services.h"
#include "mainwin/kavo_form.h"
#include "mainwin/twips_int.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr uint32_t kBlack = 0;
constexpr uint32_t kLockLine = 0xC0C0C0;
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;

// Points 1..gNumPts that an array really holds.
int PointCount(const std::vector<float>& values) {
  return std::clamp<int>(gNumPts, 0, static_cast<int>(values.size()) - 1);
}

// The tree strokes: solid and two pixels wide, or dotted and one pixel wide; the picture's pen
// comes back when the tree is drawn.
class TreePen {
 public:
  explicit TreePen(PictureBox& target)
      : target_(target), style_(target.DrawStyle), width_(target.DrawWidth) {}
  ~TreePen() {
    target_.DrawStyle = style_;
    target_.DrawWidth = width_;
  }
  void Solid() { Set(PictureBox::kDrawStyleSolid, 2); }
  void Dotted() { Set(PictureBox::kDrawStyleDot, 1); }

 private:
  void Set(int16_t style, int16_t width) {
    target_.DrawStyle = style;
    target_.DrawWidth = width;
  }
  PictureBox& target_;
  int16_t style_, width_;
};

// The points of an array that hold loaded values, by the loader's record of its last mapping;
// all of them when it keeps none.
struct PointRun {
  int32_t first = 1;
  int32_t last = INT32_MAX;
};
PointRun LoadedRun(const std::vector<float>& values) {
  PointRun run;
  if (SpectrumFileServices* files = SpectrumFiles()) {
    int32_t first = 0, last = 0;
    if (files->LoadedPoints(values, first, last)) run = {first, last};
  }
  return run;
}

// The calculated trace: in type 0 it holds the loaded spectrum itself.
PointRun CalculatedRun() { return ShowsSpectrumType(gSimType) ? LoadedRun(gSpectrum) : PointRun{}; }

float ParValueAt(int p) {
  return p >= 0 && p < kSimParCount ? gSimPar[static_cast<size_t>(p)].Value : 0.0f;
}

}  // namespace

float KavoForm::MarkX(int mark) const {
  return (gSpectHz - gSpinMarks[static_cast<size_t>(mark)].Shift + gHorOffHz) * gTwipsPerHz;
}

void KavoForm::PicLine(float x1, float y1, float x2, float y2, uint32_t color) {
  pic_.Line(x1, y1, x2, y2, color);
}

void KavoForm::DrawSpectra(int16_t& lineCount, std::array<uint32_t, 4>& colors, int16_t& flag) {
  DrawSpectra(lineCount, colors[0], flag != 0);
}

void KavoForm::DrawSpectra(int16_t numLines, uint32_t /*traceColour*/, bool copyToClipboard) {
  pic_.Cls();
  float inc = mVertMultInc;
  const bool sticks = (gTypeMode & 3) == 0;
  if (sticks) {
    DrawSticks(numLines, inc);
  } else {
    if (gRedrawFlags & 1) {
      const int n = PointCount(gSpectrum);
      for (int i = 1; i <= n; ++i) gSpectrum[static_cast<size_t>(i)] *= inc;
      gVertMult *= inc;
      inc = 1;
    }
    if (gVertLock == 0) {
      const PointRun run = CalculatedRun();
      DrawTrace(gSpectrum, 0, gTraceColors[0], run.first, run.last);
    } else {
      DrawLockedTrace();
    }
  }
  bool treeDrawn = false;
  DrawCouplingTree(treeDrawn);
  if (!treeDrawn) DrawMarkers();
  if (gLineFit) DrawOverlay();
  if (copyToClipboard && !sticks) CopySpectraToClipboard();
  RedrawStatusFields();
  pic_.Refresh();
  gRedrawFlags = 0;
  mVertMultInc = inc;
}

void KavoForm::DrawSticks(int16_t numLines, float& inc) {
  if (gRedrawFlags == 1) {
    gVertMult *= inc;
    inc = 1;
  }
  const int lines = std::clamp<int>(numLines, 0, static_cast<int>(gLineInt.size()) - 1);
  if (gVertLock != 0) {
    float m = 0.0001f;
    for (int i = 1; i <= lines; ++i) m = std::max(m, gLineInt[static_cast<size_t>(i)]);
    gVertMult = std::max(VertLockHt / m, 10.0f);
  }
  const float base = gBaseLnTwips;
  PicLine(0, base, static_cast<float>(gPicWidthTwips), base, kBlack);
  for (int i = 1; i <= lines; ++i) {
    const float h = std::fabs(gLineInt[static_cast<size_t>(i)]);
    if (!(h > 0)) continue;
    const float x = (gSpectHz - gLineFreq[static_cast<size_t>(i)] + gHorOffHz) * gTwipsPerHz;
    const float y = std::max(base - h * gVertMult, 0.0f);
    if (x > 0 && x < gPicWidthTwips && h > 0.01f)
      PicLine(x, base, x, y, gLineColor[static_cast<size_t>(i)]);
  }
}

void KavoForm::DrawLockedTrace() {
  const float base = gBaseLnTwips;
  if (base > VertLockHt)
    PicLine(0, base - VertLockHt, static_cast<float>(gPicWidthTwips), base - VertLockHt,
            kLockLine);
  const float r = VertLockHt / std::max(SpectrumMax(), 0.01f);
  if (gVertMult < 1e12f) gVertMult = std::max(r * gVertMult, 10.0f);
  if (std::fabs(r - 1) > 0.005f) {
    const int n = PointCount(gSpectrum);
    for (int i = 1; i <= n; ++i) gSpectrum[static_cast<size_t>(i)] *= r;
    if (gVertLock == -2 && gLineFit) {
      gSpec.VertMult *= r;
      gRedrawFlags = 8;
    }
  }
  const PointRun run = CalculatedRun();
  DrawTrace(gSpectrum, 0, gTraceColors[0], run.first, run.last);
}

void KavoForm::DrawCouplingTree(bool& drawn) {
  drawn = false;
  if (!ctl_.Get(Ctl::mnuABXTree).Value) return;
  if (!HasCouplingTree(gSimType)) return;
  const int32_t T = TwipsInt(gVertScale - gBaseLnTwips);
  auto level = [T](double f) { return TwipsInt(gVertScale - f * T); };
  auto x = [this](int mark) { return TwipsInt(MarkX(mark)); };
  if (gSimType == 2 || gSimType == 16) {
    const float j = ParValueAt(gSimType == 2 ? 0 : 4);
    DrawTreeLevel(pic_, level(0.1), TwipsInt(-0.8 * T), -50, x(1), x(2),
                  TwipsInt(std::fabs(j) * gTwipsPerHz), kRed, kBlue);
  } else {
    const int32_t y0 = level(0.1), y1 = level(0.45), y2 = level(0.97);
    const int32_t a = TwipsInt(ParValueAt(4) / 2.0 * gTwipsPerHz);
    const int32_t b = TwipsInt(ParValueAt(5) / 2.0 * gTwipsPerHz);
    const int32_t j = TwipsInt(static_cast<double>(ParValueAt(3)) * gTwipsPerHz);
    DrawTreeFork(pic_, y0, y1 - y0, 0, x(1), a, kBlack, kRed, kRed);
    DrawTreeFork(pic_, y0, y1 - y0, 0, x(2), b, kBlack, kBlue, kBlue);
    DrawTreeFork(pic_, y0, y1 - y0, 0, x(3), a, kBlack, kBlack, kBlack);
    DrawTreeFork(pic_, y1, y2 - y1, -30, x(3) + a, b, kBlack, kBlack, kBlack);
    DrawTreeFork(pic_, y1, y2 - y1, -30, x(3) - a, b, kBlack, kBlack, kBlack);
    DrawTreeLevel(pic_, y1, y2 - y1, -50, x(1) + a, x(2) + b, std::abs(j), kRed, kRed);
    DrawTreeLevel(pic_, y1, y2 - y1, -50, x(1) - a, x(2) - b, std::abs(j), kBlue, kBlue);
  }
  drawn = true;
}

void KavoForm::DrawMarkers() {
  if (gSimType == 0) return;
  const bool chosen = HasOwnLineWidths(gSimType);
  const int marks = std::min<int>(gNumSpinMarks, 15);
  for (int i = 1; i <= marks; ++i) {
    if (chosen && gSpinMarkShown[static_cast<size_t>(i)] == 0) continue;
    const SpinRec& m = gSpinMarks[static_cast<size_t>(i)];
    DrawMarker(MarkX(i), gBaseLnTwips, std::string(1, static_cast<char>(m.Label)), pic_, m.Color,
               true);
  }
}

void KavoForm::MapOverlayOntoDisplay() {
  if (SpectrumFileServices* files = SpectrumFiles())
    files->LoadSpectrumKavo(gFinm, gSpecExp, gHorOffHz, gSpectHz, gSpec.Ref, gSpec.VertMult, 6);
}

void KavoForm::DrawOverlay() {
  if (gRedrawFlags & (4 | 8 | 16)) MapOverlayOntoDisplay();
  const int n = std::min(PointCount(gSpectrum), PointCount(gSpecExp));
  double sum = 0;
  for (int i = 1; i <= n; ++i)
    sum += std::fabs(gSpectrum[static_cast<size_t>(i)] - gSpecExp[static_cast<size_t>(i)]);
  const double mean = gNumPts > 0 ? sum / gNumPts : 0.0;
  if (ctl_.Get(Ctl::lstError).Items.size() >= 7) ctl_.ListRemove(Ctl::lstError, 0, 5);
  ctl_.ListInsert(Ctl::lstError, 0, 0, CommaToPoint(Format(mean, "0.0")));
  // Only the loaded points are drawn, of the spectrum and of the difference.
  const PointRun run = LoadedRun(gSpecExp);
  DrawTrace(gSpecExp, static_cast<float>(gBaseLnTwips - gExpBaseLnTwips), PaletteColor(12),
            run.first, run.last);
  if (ctl_.Get(Ctl::btnDiffTogg).Value) {
    PicLine(0, gDiffBaseLnTwips, static_cast<float>(gPicWidthTwips), gDiffBaseLnTwips, kBlack);
    const int m = std::min(n, PointCount(gSpectrum2));
    for (int i = 1; i <= m; ++i) {
      const size_t k = static_cast<size_t>(i);
      gSpectrum2[k] = gSpecExp[k] - gSpectrum[k];
    }
    DrawTrace(gSpectrum2, static_cast<float>(gBaseLnTwips - gDiffBaseLnTwips), PaletteColor(3),
              run.first, run.last);
  }
}

void KavoForm::CopySpectraToClipboard() {
  const bool withExp = gLineFit != 0;
  const bool withDiff = withExp && ctl_.Get(Ctl::btnDiffTogg).Value;
  const int n = std::min({PointCount(gSpectrum), PointCount(gSpecExp), PointCount(gSpectrum2)});
  std::string text;
  float k = 1.0f;
  for (int i = 1; i <= n; ++i, k += 1.0f) {
    const size_t p = static_cast<size_t>(i);
    const std::string f = CommaToPoint(Format(gSpectHz / gNumPts * k + gHorOffHz, "0.0"));
    if (i > 1) text += "\r\n";
    text += f + "\t" + CommaToPoint(Format(gSpectrum[p], "0.00"));
    if (withExp)
      text += "\t" + f + "\t" +
              CommaToPoint(Format(gBaseLnTwips + gSpecExp[p] - gExpBaseLnTwips, "0.00"));
    if (withDiff)
      text += "\t" + f + "\t" +
              CommaToPoint(Format(gBaseLnTwips + gSpectrum2[p] - gDiffBaseLnTwips, "0.00"));
  }
  host_.SetClipboardText(text);
  std::string message = "Spectra data copied to clipboard in tab-delimited form:\r\n"
                        "  Simulation: (Freq, Intensity)\r\n";
  if (withExp) message += "  Spectrum: (Freq, Intensity)\r\n";
  if (withDiff) message += "  Difference spectrum: (Freq, Intensity)\r\n";
  message += "Suitable for pasting into a spreadsheet";
  MsgBox(message, vbInformation, "Clipboard copy");
}

void KavoForm::DrawTrace(const std::vector<float>& values, float offset, uint32_t colour,
                         int32_t first, int32_t last) {
  const float yb = gBaseLnTwips - offset;
  const float width = static_cast<float>(gPicWidthTwips);
  const float noise = gNoiseLevel * 0.001f * gBaseLnTwips;
  const int from = std::max<int32_t>(first, 1);
  const int to = std::min<int32_t>(last, PointCount(values));
  float previous = yb;
  for (int i = from; i <= to; ++i) {
    const float x = width - static_cast<float>(i) * gTwipsPerPt;
    float y = yb - values[static_cast<size_t>(i)];
    if (gNoiseLevel != 0) y -= mNoise() * noise;
    if (y < 0) y = 0;
    if (i == from) {
      // The trace starts at its first point, not at the baseline: point 0 and the points
      // outside a loaded spectrum hold no value.
      pic_.CurrentX = x;
      pic_.CurrentY = y;
      if (from == to) PicLine(x, y, x, y, colour);
    } else if (std::fabs(y - previous) > 0.5f || i == to) {
      // Runs of nearly flat points collapse into one segment.
      PicLine(pic_.CurrentX, pic_.CurrentY, x, y, colour);
    }
    previous = y;
  }
}

void KavoForm::DrawMarker(float x, float y, const std::string& text, PictureBox& target,
                          uint32_t colour, bool visible) {
  if (!visible) colour = target.BackColor;
  const uint32_t saved = target.ForeColor;
  target.ForeColor = colour;
  target.DrawMode = PictureBox::kDrawModeCopyPen;
  const float y1 = y + target.TwipsPerPixelY();
  if (x > 0 && x < gPicWidthTwips) {
    target.Line(x, y1, x - 75, y1 + 100, colour);
    target.Line(x - 75, y1 + 100, x + 75, y1 + 100, colour);
    target.Line(x + 75, y1 + 100, x, y1, colour);
    target.CurrentY = y1 + 110;
    target.CurrentX = x + 20 - target.TextWidth(text) / 2;
    target.Print(text);
  }
  target.ForeColor = saved;
}

void KavoForm::DrawTreeFork(PictureBox& target, int32_t y, int32_t height, int32_t dy, int32_t x,
                            int32_t spread, uint32_t stemColour, uint32_t legColour1,
                            uint32_t legColour2) {
  TreePen pen(target);
  const float mid = y + height / 2.0f, end = static_cast<float>(y + height);
  pen.Solid();
  target.Line(x, y, x, mid, stemColour);
  pen.Dotted();
  target.Line(x, mid, x + spread, end, legColour1);
  target.Line(x, mid, x - spread, end, legColour2);
  if (dy == 0) return;
  pen.Solid();
  target.Line(x + spread, end, x + spread, end + dy, legColour1);
  target.Line(x - spread, end, x - spread, end + dy, legColour2);
}

void KavoForm::DrawTreeLevel(PictureBox& target, int32_t y, int32_t height, int32_t dy,
                             int32_t x1, int32_t x2, int32_t coupling, uint32_t colour1,
                             uint32_t colour2) {
  TreePen pen(target);
  const float mid = y + height / 2.0f, end = static_cast<float>(y + height);
  pen.Solid();
  target.Line(x1, y, x1, mid, colour1);
  target.Line(x2, y, x2, mid, colour2);
  float p1, p2, p3, p4, outer, inner, i3, i4;
  CalcABQuartet(static_cast<float>(x1), static_cast<float>(x2), static_cast<float>(coupling), p1,
                p2, p3, p4, outer, inner, i3, i4);
  pen.Dotted();
  target.Line(x1, mid, p1, end, colour1);
  target.Line(x1, mid, p2, end, colour1);
  target.Line(x2, mid, p3, end, colour2);
  target.Line(x2, mid, p4, end, colour2);
  if (dy == 0) return;
  pen.Solid();
  target.Line(p1, end, p1, end + outer * dy, colour1);
  target.Line(p2, end, p2, end + inner * dy, colour1);
  target.Line(p3, end, p3, end + inner * dy, colour2);
  target.Line(p4, end, p4, end + outer * dy, colour2);
}

float KavoForm::SpectrumMax() const {
  if (gNumPts < 1) return gSpectrum.size() > 1 ? gSpectrum[1] : 0.0f;
  const int n = PointCount(gSpectrum);
  float m = n >= 1 ? gSpectrum[1] : 0.0f;
  for (int i = 2; i <= n; ++i) m = std::max(m, gSpectrum[static_cast<size_t>(i)]);
  return m;
}

void KavoForm::SetDisplayWidth(float widthHz) {
  if (widthHz > 0) gTwipsPerHz = static_cast<float>(gPicWidthTwips) / widthHz;
  if (gNumPts > 0) gHzPerPt = widthHz / gNumPts;
  FreqReadoutUpdate();
}

void KavoForm::FreqReadoutUpdate() {
  std::string unit = " Hz";
  float factor = 1;
  if (gPrintBoxToggles & 0x40) {
    if (gSpec.MHz < 1) gSpec.MHz = 300;
    unit = " ppm";
    factor = 1 / gSpec.MHz;
  }
  SetPicTag("Off");
  host_.FormCls();
  const Control pic = Pic();
  const uint32_t magenta = PaletteColor(5);
  const float y = pic.Top + pic.Height + 30;
  const std::string left = CommaToPoint(Format((gSpectHz + gHorOffHz) * factor, "0.0")) + unit;
  const std::string right = CommaToPoint(Format(gHorOffHz * factor, "0.0")) + unit;
  const std::string middle = "<---" + unit;
  // Under a narrow picture the labels would run into each other: the right one then moves right
  // just past the left one, and the arrow, which carries no value, is left out when it does not
  // fit between them. A blank and a pixel of rounding on each side keep them apart.
  const float gap = host_.FormTextWidth(" ") + 2 * host_.TwipsPerPixelX();
  const float leftX = pic.Left - 200;
  const float leftEnd = leftX + host_.FormTextWidth(left) + gap;
  const float rightX = std::max(pic.Left + pic.Width - 860, leftEnd);
  const float middleX = pic.Left + pic.Width / 2;
  host_.FormPrint(leftX, y, magenta, left);
  host_.FormPrint(rightX, y, magenta, right);
  if (middleX >= leftEnd && middleX + host_.FormTextWidth(middle) + gap <= rightX)
    host_.FormPrint(middleX, y, magenta, middle);
  SetPicTag("");
}

double KavoForm::HzToPpmDisplay(double valueHz, int32_t flags) {
  if (!(flags & 0x40)) return valueHz;
  const double mhz = gSpec.MHz < 1 ? 300.0 : gSpec.MHz;
  return valueHz / mhz;
}

void KavoForm::ControlHelpPopup(int32_t contextId) {
  if (contextId > 0) HelpShowPopup(contextId);
}

void KavoForm::SetPointDisplay(int16_t& stepPoints) { gPointStep = stepPoints; }

bool KavoForm::AutoredrawChecked() { return ctl_.Get(Ctl::mnuPref, 3).Value; }

void KavoForm::SetParValText(int16_t row, const std::string& text) {
  if (row >= 0 && row < kParFrames) ShowParText(row, text);
}

void KavoForm::SetMousePointer(int16_t code) { host_.SetScreenPointer(code); }
