#include "platform/gdi/text_box.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr uint16_t kAlignRight = 2, kAlignCenter = 6, kAlignBottom = 8, kAlignBaseline = 24;

int32_t Clamped(double v) {
  return int32_t(std::clamp(v, double(std::numeric_limits<int32_t>::min()),
                            double(std::numeric_limits<int32_t>::max())));
}

}  // namespace

GdiBox TextInkBox(GdiPoint at, GdiSize extent, int32_t ascent, uint16_t align,
                  const GdiFont& font) {
  const double width = std::max(extent.cx, 0), height = std::max(extent.cy, 0);
  const double rise = std::clamp(double(ascent), 0.0, height);
  // Corners relative to the reference point, along the baseline (u) and down from it (v).
  double u0 = 0;
  if ((align & kAlignCenter) == kAlignCenter) u0 = -width / 2;
  else if (align & kAlignRight) u0 = -width;
  double v0 = 0;  // top alignment
  if ((align & kAlignBaseline) == kAlignBaseline) v0 = -rise;
  else if (align & kAlignBottom) v0 = -height;
  const double u1 = u0 + width + (font.italic ? rise / 4 : 0), v1 = v0 + height;
  const double a = double(font.escapement) / 10.0 * 3.14159265358979323846 / 180.0;
  const double c = std::cos(a), s = std::sin(a);
  double left = 0, top = 0, right = 0, bottom = 0;
  bool first = true;
  for (const double u : {u0, u1})
    for (const double v : {v0, v1}) {
      // The baseline turns counter-clockwise on a device whose Y runs downward.
      const double x = at.x + u * c + v * s, y = at.y - u * s + v * c;
      left = first ? x : std::min(left, x);
      right = first ? x : std::max(right, x);
      top = first ? y : std::min(top, y);
      bottom = first ? y : std::max(bottom, y);
      first = false;
    }
  // Whole pixels outward; rounding noise of the turn does not add a pixel.
  constexpr double kNoise = 1e-6;
  return {Clamped(std::floor(left + kNoise)), Clamped(std::floor(top + kNoise)),
          Clamped(std::ceil(right - kNoise)), Clamped(std::ceil(bottom - kNoise))};
}
