#include "platform/gdi/ink_box.h"

#include <algorithm>
#include <limits>

namespace {

int32_t Within(int64_t v) {
  return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                     std::numeric_limits<int32_t>::max()));
}

}  // namespace

GdiBox PointsBox(const std::vector<GdiPoint>& points) {
  GdiBox box{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const GdiPoint& p : points) {
    box.left = std::min(box.left, p.x);
    box.right = std::max(box.right, p.x);
    box.top = std::min(box.top, p.y);
    box.bottom = std::max(box.bottom, p.y);
  }
  return box;
}

GdiBox PenBox(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t penWidth) {
  const int64_t half = std::clamp(penWidth, 1, 1 << 20) / 2;
  return {Within(std::min(left, right) - half), Within(std::min(top, bottom) - half),
          Within(std::max(left, right) + half), Within(std::max(top, bottom) + half)};
}
