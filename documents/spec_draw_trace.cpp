#include "documents/spec_draw_trace.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "drawlib/linetypes/draw_alt_bnd.h"

namespace {

// Collects the points of one trace and hands them to the polygon buffer or to line objects.
class TracePen {
 public:
  TracePen(Device* dc, int16_t attrib) : dc_(dc), attrib_(attrib),
                                         lines_(SpecDrawsLineObjects(attrib)) {}
  void Add(float x, float y) {
    if (lines_) {
      if (started_) DrawAltBnd(dc_, px_, py_, uint16_t(attrib_), x, y, kDrawAltBndDraw);
    } else {
      PolyBuffer(dc_, x, y, started_ ? 2 : 1);
    }
    started_ = true;
    px_ = x, py_ = y;
  }
  void Finish() {
    if (!lines_) PolyBuffer(dc_, 0, 0, 4);
  }

 private:
  Device* dc_;
  int16_t attrib_;
  bool lines_;
  bool started_ = false;
  float px_ = 0, py_ = 0;
};

}  // namespace

void SpecDrawTrace(Device* dc, const std::vector<int16_t>& points, int32_t first, int32_t last,
                   const SpecTraceLayout& t) {
  if (points.size() < 2) return;
  const int32_t top = int32_t(std::min<std::size_t>(points.size() - 2, 32767));
  first = std::clamp(first, 0, top);
  last = std::clamp(last, 0, top);
  PenSetAttrib(dc, t.attrib);
  auto xOf = [&](int32_t k) { return t.x0 - float(last - k) * t.xPerPoint; };
  auto yOf = [&](int16_t v) {
    const float y = (float(v) - t.baseline) * t.yScale;
    return (std::isfinite(y) ? std::clamp(y, std::min(t.lower, t.upper), t.upper) : 0.0f) + t.y0;
  };

  int32_t step = 1;
  if (OutputFlags & kOutputSmooth) {
    const int64_t span = std::llabs(int64_t(WorldToPixelX(xOf(last))) - WorldToPixelX(xOf(first)));
    const double p = double(std::max<int64_t>(span, 1));
    step = std::max<int32_t>(RoundToLong(std::abs(last - first) / (p * 2.5)), 1);
  }
  TracePen pen(dc, t.attrib);
  if (step == 1) {
    for (int32_t k = first; k <= last; ++k) pen.Add(xOf(k), yOf(points[std::size_t(k)]));
  } else {
    // Each group of 2 x step points keeps its largest and its smallest value, in their order.
    for (int32_t g = first; g <= last; g += 2 * step) {
      const int32_t end = std::min(last, g + 2 * step - 1);
      int32_t hi = g, lo = g;
      for (int32_t k = g; k <= end; ++k) {
        if (points[std::size_t(k)] > points[std::size_t(hi)]) hi = k;
        if (points[std::size_t(k)] < points[std::size_t(lo)]) lo = k;
      }
      const int32_t a = std::min(hi, lo), b = std::max(hi, lo);
      pen.Add(xOf(a), yOf(points[std::size_t(a)]));
      if (b != a) pen.Add(xOf(b), yOf(points[std::size_t(b)]));
    }
  }
  pen.Finish();
}
