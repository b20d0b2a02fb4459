#include "platform/gdi/device.h"

#include <cmath>

#include "platform/cp1252.h"

GdiPoint AdvanceAlongBaseline(GdiPoint from, int32_t advance, int32_t escapement) {
  if (escapement == 0) return {from.x + advance, from.y};
  const double a = double(escapement) / 10.0 * 3.14159265358979323846 / 180.0;
  return {from.x + int32_t(std::lround(advance * std::cos(a))),
          from.y - int32_t(std::lround(advance * std::sin(a)))};
}

void Device::TextOutUnicode(int32_t x, int32_t y, const std::string& utf8,
                            const std::vector<int32_t>& advances) {
  (void)advances;
  TextOut(x, y, Utf8ToCp1252Lossy(utf8));
}

GdiSize Device::TextExtentUnicode(const std::string& utf8) {
  return TextExtent(Utf8ToCp1252Lossy(utf8));
}
