#include "documents/spec_scale.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "documents/spec_packet.h"
#include "drawlib/axes/axis_tick_step.h"
#include "drawlib/pardata.h"
#include "drawlib/util/error_location.h"
#include "platform/runtime_numbers.h"

namespace {

// A product that stays a finite float.
float Scaled(float value, double factor) {
  const double v = double(value) * factor;
  if (!std::isfinite(v)) return 0.0f;
  return static_cast<float>(std::clamp(v, -double(FLT_MAX), double(FLT_MAX)));
}

// new / old, or 1 when that is no usable factor.
double Factor(float newValue, float oldValue) {
  const double f = double(newValue) / double(oldValue);
  return std::isfinite(f) ? f : 1.0;
}

}  // namespace

int16_t SpecXToPoint(const SpecRec& rec, float x) {
  ErrorLocation = 6017;
  const float start = (rec.Flags & kSpecFlagCurrentLayout) ? rec.StartHz : rec.DispOffHz;
  const double index = (double(x) - double(start)) / double(rec.HzPerPt);
  int16_t result = 0;
  if (std::isfinite(index)) result = static_cast<int16_t>(std::clamp(RoundHalfEven(index),
                                                                     -32768.0, 32767.0));
  ErrorLocation = 6018;
  return result;
}

void SpecScale(SpecRec& rec, float fx, float fy) {
  Pardata[90].Default = std::max(Scaled(Pardata[90].Default, fx), 5.0f);
  Pardata[91].Default = std::max(Scaled(Pardata[91].Default, fy), 3.0f);
  const int insets = std::min<int>(rec.InsetCount, kSpecInsetItems);
  for (int i = 1; i <= insets; ++i) {
    SpecInsetItem& it = rec.Inset[size_t(i)];
    it.X = Scaled(it.X, fx);
    it.Y = Scaled(it.Y, fy);
    it.YScale = Scaled(it.YScale, fy);
  }
  const int integrals = std::min<int>(rec.IntegCount, kSpecIntegralItems);
  if (integrals > 0) {
    rec.IntegScale = Scaled(rec.IntegScale, fy);
    rec.IntegPerUnit = Scaled(rec.IntegPerUnit, fy != 0 ? 1.0 / double(fy) : 1.0);
    for (int i = 1; i <= integrals; ++i) {
      rec.Integral[size_t(i)].VOff = Scaled(rec.Integral[size_t(i)].VOff, fy);
      rec.Integral[size_t(i)].Height = Scaled(rec.Integral[size_t(i)].Height, fy);
    }
  }
}

void SpecRescaleObject(ByteArray& data, std::string& headerLabel, float newWidthMM,
                       float newHeightMM) {
  SpecRec scratch;
  std::vector<int16_t> points;
  std::string caption;
  SpecUnpack(data, headerLabel, caption, scratch, points);
  SpecScale(scratch, float(Factor(newWidthMM, Pardata[90].Default)),
            float(Factor(newHeightMM, Pardata[91].Default)));
  SpecPack(data, headerLabel, caption, scratch, points);
}

void SpecAxisUnit(const SpecRec& rec, int16_t force) {
  const double u = (rec.Flags & kSpecFlagPpm) ? 1.0 / double(rec.MHz) : 1.0;
  const float width = rec.DispWdthHz;
  if (width == 0 || !std::isfinite(u)) return;
  float& separation = Pardata[98].Default;
  if (std::fabs(separation) < 1e-6f) separation = -1e-6f;
  const double ticks = std::fabs(u * double(width) / double(separation));
  if (force != -1 && ticks >= 0.5 && ticks <= 50) return;
  const double big = std::clamp(double(Pardata[90].Default) * 0.1 / 2.5, 2.0, 12.0);
  const auto bigTicks = static_cast<int16_t>(RoundHalfEven(big));
  const double start = rec.DispOffHz;
  const float right = Scaled(1.0f, u * (start + double(width) + double(rec.Ref)));
  const float left = Scaled(1.0f, u * (start + double(rec.Ref)));
  float step = 0, firstTick = 0, decimals = 0;
  std::string format;
  const int16_t subdivisions = AxisTickStep(right, left, bigTicks, step, firstTick, format,
                                            decimals);
  separation = step;
  Pardata[94].Default = firstTick;
  Pardata[83].Default = decimals;
  Pardata[99].Default = subdivisions;
}

void SpecHzPerTenth(SpecRec& rec) {
  const double perCm = double(Pardata[90].Default) * 0.1;
  const double hzPerCm = perCm != 0 ? double(rec.DispWdthHz) / perCm : 0.0;
  rec.HzPerCm = std::isfinite(hzPerCm) && std::fabs(hzPerCm) <= 3.4e38 ? float(hzPerCm) : 0.0f;
}
