#include "gifconv/shape_clip.h"

#include <cmath>

bool ClipSegment(ClipPoint& a, ClipPoint& b, const ClipBox& box) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - box.left, box.right - a.x, a.y - box.top, box.bottom - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  const ClipPoint start{a.x + t0 * dx, a.y + t0 * dy};
  b = {a.x + t1 * dx, a.y + t1 * dy};
  a = start;
  return true;
}

namespace {

// One edge of the box as a half-plane: inside when side(p) >= 0.
template <typename Side>
std::vector<ClipPoint> ClipEdge(const std::vector<ClipPoint>& in, Side side) {
  std::vector<ClipPoint> out;
  for (size_t i = 0; i < in.size(); ++i) {
    const ClipPoint& a = in[i];
    const ClipPoint& b = in[(i + 1) % in.size()];
    const double sa = side(a), sb = side(b);
    if (sa >= 0) out.push_back(a);
    if ((sa >= 0) != (sb >= 0)) {
      const double t = sa / (sa - sb);
      out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
    }
  }
  return out;
}

}  // namespace

std::vector<ClipPoint> ClipPolygon(const std::vector<ClipPoint>& ring, const ClipBox& box) {
  std::vector<ClipPoint> r = ring;
  r = ClipEdge(r, [&](const ClipPoint& p) { return p.x - box.left; });
  r = ClipEdge(r, [&](const ClipPoint& p) { return box.right - p.x; });
  r = ClipEdge(r, [&](const ClipPoint& p) { return p.y - box.top; });
  r = ClipEdge(r, [&](const ClipPoint& p) { return box.bottom - p.y; });
  return r;
}

std::vector<ClipPoint> EllipsePoints(double left, double top, double right, double bottom,
                                     int count) {
  const double cx = (left + right) / 2, cy = (top + bottom) / 2;
  const double rx = (right - left) / 2, ry = (bottom - top) / 2;
  std::vector<ClipPoint> points;
  for (int i = 0; i < count; ++i) {
    const double a = 2 * 3.14159265358979323846 * i / count;
    points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return points;
}
