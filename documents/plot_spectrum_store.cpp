// One spectrum array as a spectrum object step, with optional simulated noise.
#include <algorithm>
#include <cstring>
#include <random>

#include "documents/plot_document.h"
#include "documents/plot_sources.h"
#include "documents/spec_packet.h"
#include "documents/spec_record.h"
#include "drawlib/steps/step_list.h"
#include "engine/engine_globals.h"
#include "platform/runtime_numbers.h"

namespace {

std::mt19937& Noise() {
  static std::mt19937 engine{std::random_device{}()};
  return engine;
}

int16_t StoredPoint(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int16_t>(RoundHalfEven(std::clamp(v, -32000.0, 32000.0)));
}

}  // namespace

void SetPlotNoiseSeed(uint32_t seed) { Noise().seed(seed); }

void PlotSpectrumStore(const std::array<std::string, 4>& labels, const std::vector<float>& spectrum,
                       int16_t kindFlags) {
  const int index = StepCount;
  if (index < 1 || index > kStepListUBound) return;
  const int n = std::max<int>(gNumPts, 0);
  std::vector<int16_t> points(static_cast<std::size_t>(n) + 1, 0);
  const int16_t level = PlotSources().NoiseLevel();
  const double amplitude = level * 0.001 * gVertScale;
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  for (int i = 1; i <= n && static_cast<std::size_t>(i) < spectrum.size(); ++i) {
    double v = spectrum[static_cast<std::size_t>(i)];
    if (level != 0) v += uniform(Noise()) * amplitude;
    points[static_cast<std::size_t>(i)] = StoredPoint(v);
  }

  gSpec.PlotMark = 1;
  if (kindFlags & 4) gSpec.Kind = 2;
  else if (kindFlags & 2) gSpec.Kind = 1;
  else if (kindFlags & 1) gSpec.Kind = 0;
  if (gSpec.Kind == 1 && (kindFlags & 2)) {
    const int count = std::clamp<int>(gSpinCount, 0, kSpecMarkerItems);
    gSpec.MarkerCount = static_cast<uint8_t>(count);
    for (int s = 1; s <= count; ++s) {
      const SpinRec& spin = gSpins[static_cast<std::size_t>(s)];
      SpecMarkerItem item;
      item.FreqHz = spin.Shift - gSpec.Ref;
      std::memcpy(item.Carried4, &spin.Color, 4);
      item.CharCode = spin.Label;
      std::memcpy(item.Carried9 + 1, &spin.ParIndex, 2);
      gSpec.Marker[static_cast<std::size_t>(s)] = item;
    }
  }
  gSpec.Strings = labels;

  ByteArray data;
  std::string text;
  SpecPack(data, text, gFinm, gSpec, points);
  StepList.Data[static_cast<std::size_t>(index)] = data;
  StepList.Text[static_cast<std::size_t>(index)] = text;
  StepList.StepType[static_cast<std::size_t>(index)] =
      text.find("\x10{ZEFNMR") != std::string::npos ? SpecObjectType : 0xFFFF;
}
