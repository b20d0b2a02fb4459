// Building the plot document: the stamped title, the label sets of the calculated,
// experimental and difference objects, the layout preferences sized from the print box, the
// spectrum block and the tables below it.
#include "documents/plot_document.h"

#include <cmath>

#include "documents/drawing_extents.h"
#include "documents/page_record.h"
#include "documents/plot_sources.h"
#include "documents/plot_tables.h"
#include "documents/plot_text.h"
#include "documents/spec_packet.h"
#include "documents/spec_record.h"
#include "documents/spectrum_handover.h"
#include "drawlib/axes/axis_tick_step.h"
#include "drawlib/params_apply.h"
#include "drawlib/pardata.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/paths.h"
#include "drawlib/util/strings.h"
#include "engine/engine_globals.h"
#include "engine/mainwin_services.h"
#include "engine/sim_type_traits.h"
#include "platform/runtime_numbers.h"

namespace {

// The least distance between two numbered ticks of the plot's axis.
constexpr float kMinTickSpacingMM = 10.0f;

constexpr float kWorldPerMM = 40.2f;
using Labels = std::array<std::string, 4>;

// How far the span lo..hi must move to lie within pageLo..pageHi of the printable area; 0 when
// it lies there already, when it is too long to fit at all, or when no page is known.
float ShiftOntoPage(float lo, float hi, float pageLo, float pageHi) {
  if (!(pageHi > pageLo) || hi - lo > pageHi - pageLo) return 0;
  if (lo < pageLo) return pageLo - lo;
  if (hi > pageHi) return pageHi - hi;
  return 0;
}

std::tm SystemClock() {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return t;
}
std::function<std::tm()> gClock = SystemClock;

std::string TwoDigits(int v) { return Format(v, "00"); }

std::string Stamp() {
  const std::tm t = gClock();
  return " (" + TwoDigits(t.tm_mon + 1) + "-" + TwoDigits(t.tm_mday) + "-" +
         Format(t.tm_year + 1900, "0000") + ", " + TwoDigits(t.tm_hour) + ":" +
         TwoDigits(t.tm_min) + ":" + TwoDigits(t.tm_sec) + ")";
}

std::string Trimmed(std::string text) { return TrimNul(text, 0); }

std::string Point(float v, const char* pattern) { return CommaToPoint(Format(v, pattern)); }

// The type's spectrum ID, with "[Par:k" replaced by that parameter's "name = value".
std::string ObjectTitle(const SimTypeRec& type) {
  std::string id = Trimmed(type.SpecID);
  const std::size_t p = id.find("[Par:");
  if (p != std::string::npos) {
    const double k = p + 5 < id.size() ? Val(id.substr(p + 5, 4)) : -1;
    if (k >= 0 && k < kSimParCount && k == std::floor(k)) id = PlotParamText(int(k));
  }
  return "L > " + id;
}

std::string ExperimentLabel(const std::string& fileName) {
  std::string text = "F > ";
  if (!fileName.empty()) text += fileName + "{/}";
  return text + "SpecWidth = " + Point(gSpec.ImpWdthHz, "0.0") + " Hz{/}" + "DiplayWidth = " +
         Point(gSpectHz, "0.0") + " Hz{/}" + "Spectrum Ref. = " + Point(gSpec.Ref, "0.0") +
         " Hz {/}" + "Freq. = " + Point(gSpec.MHz, "0.000") + " MHz{/}" +
         "Spectrum Data Points = " + Format(gSpec.ImpNumPts, "0");
}

std::string CalculatedLabel(const SimTypeRec& type, const std::string& fileName) {
  std::string text = fileName;
  std::string pars = type.PrintPars;
  while (!pars.empty() && pars.back() == ' ') pars.pop_back();
  for (char c : pars) {
    if (!text.empty()) text += "{/}";
    text += PlotParamText(static_cast<uint8_t>(c) - 48);
  }
  return "F > " + text;
}

float& Pref(int row) { return Pardata[static_cast<std::size_t>(row)].Default; }

void StoreAt(float x, float y, const Labels& labels, const std::vector<float>& values,
             int16_t kind) {
  if (StepCount >= kStepListUBound) return;
  ++StepCount;
  StepList.X[std::size_t(StepCount)] = x;
  StepList.Y[std::size_t(StepCount)] = y;
  PlotSpectrumStore(labels, values, kind);
}

}  // namespace

void SetPlotClock(std::function<std::tm()> clock) { gClock = clock ? clock : SystemClock; }

void CreateSimPlot(int16_t mode) {
  ErrorLocation = 10201;
  PlotDocumentSources& sources = PlotSources();
  if (gTypeMode == 0) sources.SetModeOption();
  const SimTypeRec& type = gSimTypes[static_cast<std::size_t>(std::clamp<int>(gSimType, 0, kSimTypeCount - 1))];
  const std::string stamp = Stamp();
  const std::string title = ShowsLoadedSpectrum()
                                ? " [" + gFinm + "] " + stamp
                                : "Simulation of " + Trimmed(type.Caption) + stamp;
  std::string folder, fileName;
  SplitPath(gFinm, folder, fileName);
  Labels c, e, d;
  c[0] = e[0] = d[0] = "M > " + title;
  c[3] = e[3] = d[3] = ObjectTitle(type);
  d[2] = "F > " + fileName;
  c[2] = CalculatedLabel(type, fileName);
  e[2] = ExperimentLabel(fileName);

  const int16_t toggles = sources.PrintBoxToggles();
  for (int row = 75; row <= 100; ++row) Pref(row) = Pardata[std::size_t(row)].Value;
  const float right = float(MainWindow().HzToPpmDisplay(gSpectHz + gHorOffHz, toggles));
  const float left = float(MainWindow().HzToPpmDisplay(gHorOffHz, toggles));
  float step = 0, firstTick = 0, decimals = 0;
  std::string format;
  // Six ticks, fewer on a narrow spectrum, so that the tick numbers stand apart.
  const float widthMM = sources.PrintBoxWidth() / kWorldPerMM - 2 * Pref(96);
  const float range = std::fabs(right - left);
  int16_t subdivisions = 0;
  for (int16_t ticks = 6; ticks >= 2; --ticks) {
    subdivisions = AxisTickStep(right, left, ticks, step, firstTick, format, decimals);
    if (!(range > 0) || !(widthMM * std::fabs(step) < kMinTickSpacingMM * range)) break;
  }
  Pref(99) = subdivisions;
  Pref(98) = step;
  Pref(94) = firstTick;
  Pref(83) = decimals;
  c[1] = e[1] = d[1] = std::string("M > ") + ((toggles & kSpecFlagPpm) ? "ppm" : "Hz");

  gSpec.OldNumPts = gNumPts;
  gSpec.WdthHz = gSpec.DispWdthHz = gSpectHz;
  gSpec.NumPts = gNumPts;
  gSpec.DispOffHz = gSpec.StartHz = gHorOffHz - gSpec.Ref;
  gSpec.VMult = 1.0f;
  gSpec.HzPerPt = gNumPts > 0 ? gSpectHz / gNumPts : 0.0f;
  int16_t flags = static_cast<int16_t>(toggles | kSpecFlagCurrentLayout);
  if (!(flags & kSpecFlagAxis)) flags &= ~kSpecFlagAxisCaption;
  gSpec.Flags = flags;
  gSpec.Attrib = 0x201;
  gSpec.Baseline = 0;
  gSpec.IntegMult = 1;

  Pref(90) = sources.PrintBoxWidth() / kWorldPerMM - 2 * Pref(96);
  Pref(76) = 0;
  const float r = gVertScale != 0
                      ? (sources.PrintBoxHeight() / kWorldPerMM - Pref(100)) / gVertScale
                      : 0.0f;
  Pref(97) = std::max(Pardata[97].Value, (gVertScale - gBaseLnTwips) * r) +
             ((flags & kSpecFlagMarkers) ? 1.5f : 0.0f);
  Pref(91) = gBaseLnTwips * r;

  const float halfWidth = Pref(90) * 0.5f * kWorldPerMM;
  float bx = 0, by = 0;
  if (std::fabs(StepList.X[1]) + std::fabs(StepList.Y[1]) > 1.0f) {
    by = StepList.Y[1];
    bx = StepList.X[1] + halfWidth;
  }
  // The rebuilt block keeps its left edge and baseline, so a larger box grows to the right and
  // upwards; where it would then run off the page but fits on it, it moves back just far enough
  // to stay on the paper.
  float blockLeft, blockBottom, blockRight, blockTop;
  SpectrumObjectExtents(bx - halfWidth, by, gSpec.Flags, blockLeft, blockBottom, blockRight,
                        blockTop);
  bx += ShiftOntoPage(blockLeft, blockRight, PrintableRect.left, PrintableRect.right);
  by += ShiftOntoPage(blockBottom, blockTop, PrintableRect.bottom, PrintableRect.top);
  StepCount = 0;
  LivePageNumberSet(1);  // the plot is a drawing of its own page
  gSpec.yMult = gBaseLnTwips;
  const float x1 = bx - halfWidth;
  StepList.X[1] = x1;

  if (gFinm == "<clipboard>" && mode == 1) {
    std::string text;
    StepData data;
    ZEFSpectrumSetGet(text, data, 1);
    StepCount = 1;
    StepList.Y[1] = by + 2010;
    StepList.Text[1] = text;
    StepList.Data[1] = data;
    StepList.StepType[1] = SpecObjectType;
  }

  if (gLineFit == 0) {
    if (ShowsSpectrumType(gSimType)) {
      gSpec.Flags &= ~kSpecFlagMarkers;
      StoreAt(x1, by, e, gSpectrum, 1);
    } else {
      StoreAt(x1, by, c, gSpectrum, 2);
    }
  } else {
    StoreAt(x1, by, c, gSpectrum, 2);
    gSpec.Flags &= static_cast<int16_t>(0xFBC0);
    Pref(97) = Pardata[97].Value;
    StoreAt(x1, by + (gBaseLnTwips - sources.ExpBaseLnTwips()) * r * kWorldPerMM, e, gSpecExp, 1);
    if (sources.DifferenceOn()) {
      std::vector<float> difference(std::size_t(std::max<int>(gNumPts, 0)) + 1, 0.0f);
      for (int i = 1; i <= gNumPts; ++i) {
        const std::size_t k = std::size_t(i);
        const float exp = k < gSpecExp.size() ? gSpecExp[k] : 0.0f;
        const float calc = k < gSpectrum.size() ? gSpectrum[k] : 0.0f;
        difference[k] = exp - calc;
      }
      const int16_t base = sources.DiffBaseLnTwips();
      Pref(91) = base * r;
      gSpec.yMult = base;
      StoreAt(x1, by + (gBaseLnTwips - base) * r * kWorldPerMM, d, difference, 4);
    }
  }

  float y0 = StepList.Y[1] - 1206;
  if (toggles & 0x0800) PlotParametersTable(bx, y0);
  if ((toggles & 0x1000) && gSimType != 0 && gSimType != 40) PlotFrequenciesTable(bx, y0);
  if ((gTypeMode & 2) && gSpinCount > 1 && HasExchangeMatrix(gSimType) && (toggles & 0x2000))
    PlotExchangeTable(bx, y0);
  ErrorLocation = 10202;
}
