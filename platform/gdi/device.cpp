#include "platform/gdi/device.h"

#include <cmath>

GdiPoint AdvanceAlongBaseline(GdiPoint from, int32_t advance, int32_t escapement) {
  if (escapement == 0) return {from.x + advance, from.y};
  const double a = double(escapement) / 10.0 * 3.14159265358979323846 / 180.0;
  return {from.x + int32_t(std::lround(advance * std::cos(a))),
          from.y - int32_t(std::lround(advance * std::sin(a)))};
}
