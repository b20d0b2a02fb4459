#include "drawlib/axes/axis_tick_step.h"

#include <cmath>

#include "drawlib/util/numbers.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

const char* kTickFormats = "       0     0.0    0.00   0.000  0.0000 0.00^^^";

std::string TickFormat(int d) { return Trim(std::string(kTickFormats + 8 * d, 8)); }

bool EndsInZero(float v, const std::string& format) {
  const std::string s = Format(v, format);
  return !s.empty() && s.back() == '0';
}

}  // namespace

int16_t AxisTickStep(float a, float b, int16_t n, float& step, float& firstTick,
                     std::string& format, float& decimals) {
  if (n < 1 || n > 100) n = 7;
  float raw = std::fabs(a - b) / float(n);
  if (!(raw > 0.0f) || !std::isfinite(raw)) {
    // Equal ends: a step that suits the value itself.
    const float size = std::fabs(a) > 0.0f && std::isfinite(a) ? std::fabs(a) : 1.0f;
    raw = size / float(n);
  }
  const int32_t e = CeilSngl(float(Log10(raw) - 1.0));
  const float m = float(RoundHalfEven(double(raw) * std::pow(10.0, -double(e))));
  int factor = 10;
  if (m < 2.0f) factor = 1;
  else if (m < 4.0f) factor = 2;
  else if (m < 8.0f) factor = 5;
  step = float(double(factor) * std::pow(10.0, double(e)));
  const int16_t subdivisions = int16_t(factor == 1 ? 10 : factor);

  int d = 0;
  const double logStep = Log10(step);
  if (logStep < 0.0) d = int(std::fabs(Fix(-(std::fabs(logStep + 0.001) + 1.0))));
  if (e > 3 || e < -5) d = 5;
  if (d > 5) d = 5;
  format = TickFormat(d);
  if (d >= 1 && d <= 4 && EndsInZero(step, format) && EndsInZero(2.0f * step, format) &&
      EndsInZero(3.0f * step, format)) {
    --d;
    format = TickFormat(d);
  }
  decimals = float(d);

  firstTick = float(Fix(double(a) / double(step))) * step;
  if (a <= b) {
    if (a < 0.0f) firstTick -= step;
  } else {
    step = -step;
    if (a > 0.0f) firstTick -= step;
  }
  return subdivisions;
}
