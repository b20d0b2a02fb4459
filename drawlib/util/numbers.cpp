#include "drawlib/util/numbers.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <utility>

#include "platform/runtime_numbers.h"

std::string CommaToPoint(std::string_view text) {
  std::string result(text);
  std::size_t comma = result.find(',');
  if (comma != std::string::npos) result[comma] = '.';
  return result;
}

float ValPoint(std::string_view text) {
  double v = Val(CommaToPoint(text));
  if (v > FLT_MAX) return FLT_MAX;
  if (v < -FLT_MAX) return -FLT_MAX;
  return float(v);
}

std::string FormatByMagnitude(float value) {
  const float a = std::fabs(value);
  const char* pattern;
  if (a < 0.01f || a > 99999.9f) {
    pattern = "0.00E+00";
  } else if (a <= 0.0999f) {
    pattern = "0.00000";
  } else if (a <= 0.999f) {
    pattern = "0.0000";
  } else if (a <= 9.99f) {
    pattern = "0.000";
  } else if (a <= 999.99f) {
    pattern = "0.00";
  } else {
    pattern = "0.0";
  }
  return CommaToPoint(Format(double(value), pattern));
}

float ClampSngl(float low, float high, float value) {
  if (low > high) std::swap(low, high);
  if (value < low) return low;
  if (value <= high) return value;
  return high;
}

int16_t ClampInt(int16_t low, int16_t high, int16_t value) {
  if (value < low) return low;
  if (value > high) return high;
  return value;
}

int32_t CeilSngl(float value) {
  if (std::isnan(value)) return 0;
  const double whole = std::trunc(double(value));
  double result = (double(value) - whole < 0.0001) ? whole : whole + 1.0;
  if (result > double(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  if (result < double(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  return int32_t(result);
}

float MaxSngl(float a, float b) { return b > a ? b : a; }
float MinSngl(float a, float b) { return b < a ? b : a; }
int16_t MaxInt(int16_t a, int16_t b) { return a >= b ? a : b; }
int16_t MinInt(int16_t a, int16_t b) { return a <= b ? a : b; }
int32_t MaxLong(int32_t a, int32_t b) { return a >= b ? a : b; }
int32_t MinLong(int32_t a, int32_t b) { return a <= b ? a : b; }
void SwapSngl(float& a, float& b) { std::swap(a, b); }
void SwapLong(int32_t& a, int32_t& b) { std::swap(a, b); }

double Log10(float value) {
  if (!(value > 0.0f) || !std::isfinite(value)) return 0.0;
  return std::log(double(value)) / std::log(10.0);
}

double EyringFreeEnergy(float temperatureK, float rateConstant) {
  if (!(temperatureK > 0.0f) || !(rateConstant > 0.0f)) return 0.0;
  const float ratio = temperatureK / rateConstant;
  if (!std::isfinite(ratio) || !(ratio > 0.0f)) return 0.0;
  const double g = double(temperatureK) * 1.987 * (std::log(double(ratio)) + 23.76) / 1000.0;
  return std::isfinite(g) ? g : 0.0;
}
