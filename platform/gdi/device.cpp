#include "platform/gdi/device.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/cp1252.h"

namespace {

int32_t Saturated(double v) {
  return int32_t(std::clamp(std::round(v), double(INT32_MIN), double(INT32_MAX)));
}

}  // namespace

GdiPoint AdvanceAlongBaseline(GdiPoint from, int32_t advance, int32_t escapement) {
  if (escapement == 0) return {Saturated(double(from.x) + advance), from.y};
  const double a = double(escapement) / 10.0 * 3.14159265358979323846 / 180.0;
  return {Saturated(from.x + advance * std::cos(a)), Saturated(from.y - advance * std::sin(a))};
}

int32_t AdvancesWidth(const std::vector<int32_t>& advances) {
  int64_t width = 0;
  for (int32_t a : advances) width += a;
  return int32_t(std::clamp<int64_t>(width, INT32_MIN, INT32_MAX));
}

void Device::TextOutUnicode(int32_t x, int32_t y, const std::string& utf8,
                            const std::vector<int32_t>& advances) {
  (void)advances;
  TextOut(x, y, Utf8ToCp1252Lossy(utf8));
}

GdiSize Device::TextExtentUnicode(const std::string& utf8) {
  return TextExtent(Utf8ToCp1252Lossy(utf8));
}
