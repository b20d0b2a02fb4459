#include "platform/gdi/metafile_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxCurveSteps = 256;
constexpr size_t kMaxDashes = 1 << 16;

double Distance(DPoint a, DPoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

}  // namespace

void AppendBezier(std::vector<DPoint>& out, DPoint p0, DPoint p1, DPoint p2, DPoint p3) {
  const double length = Distance(p0, p1) + Distance(p1, p2) + Distance(p2, p3);
  const int steps = std::isfinite(length) ? int(std::clamp(length / 3, 4.0, double(kMaxCurveSteps))) : 1;
  for (int i = 1; i <= steps; ++i) {
    const double t = double(i) / steps, u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    out.push_back({a * p0.x + b * p1.x + c * p2.x + d * p3.x,
                   a * p0.y + b * p1.y + c * p2.y + d * p3.y});
  }
}

std::vector<DPoint> EllipseArc(double left, double top, double right, double bottom, double t0,
                               double t1) {
  const double cx = (left + right) / 2, cy = (top + bottom) / 2;
  const double rx = std::abs(right - left) / 2, ry = std::abs(bottom - top) / 2;
  const double sweep = t1 - t0;
  const double length = std::abs(sweep) * std::max(rx, ry);
  const int steps =
      std::isfinite(length) ? int(std::clamp(length / 3, 8.0, kMaxCurveSteps * 4.0)) : 1;
  std::vector<DPoint> points;
  points.reserve(size_t(steps) + 1);
  for (int i = 0; i <= steps; ++i) {
    const double t = t0 + sweep * i / steps;
    points.push_back({cx + rx * std::cos(t), cy - ry * std::sin(t)});
  }
  return points;
}

double RadialAngle(double left, double top, double right, double bottom, DPoint p) {
  const double cx = (left + right) / 2, cy = (top + bottom) / 2;
  const double rx = std::abs(right - left) / 2, ry = std::abs(bottom - top) / 2;
  if (rx == 0 || ry == 0) return 0;
  const double a = std::atan2(-(p.y - cy) / ry, (p.x - cx) / rx);
  return std::isfinite(a) ? a : 0;
}

namespace {

// The part [t0, t1] of the segment a-b inside the box (Liang-Barsky); false when none is.
bool Inside(DPoint a, DPoint b, const DBox& box, double& t0, double& t1) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - box.left, box.right - a.x, a.y - box.top, box.bottom - a.y};
  t0 = 0, t1 = 1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  return t0 < t1;
}

}  // namespace

std::vector<std::vector<DPoint>> Dashes(const std::vector<DPoint>& line,
                                        const std::vector<double>& pattern, const DBox* view) {
  std::vector<std::vector<DPoint>> dashes;
  if (pattern.empty() || pattern.size() % 2 || line.size() < 2) return dashes;
  double period = 0;
  for (double p : pattern) period += p;
  if (!(period > 0) || !std::isfinite(period)) return {line};
  size_t part = 0;            // which entry of the pattern is running
  double left = pattern[0];   // of it
  bool open = false;          // a dash is being drawn
  // Moves along the pattern without drawing.
  auto skip = [&](double d) {
    d = std::fmod(d, period);
    while (d > 0) {
      if (d < left) {
        left -= d;
        return;
      }
      d -= left;
      part = (part + 1) % pattern.size();
      left = pattern[part];
    }
  };
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    const DPoint a = line[i], b = line[i + 1];
    const double length = Distance(a, b);
    if (!std::isfinite(length)) return dashes;
    if (length == 0) continue;
    double t0 = 0, t1 = 1;
    if (view && !Inside(a, b, *view, t0, t1)) {
      open = false;
      skip(length);
      continue;
    }
    if (t0 > 0) {
      open = false;
      skip(t0 * length);
    }
    auto at = [&](double d) {
      return DPoint{a.x + (b.x - a.x) * d / length, a.y + (b.y - a.y) * d / length};
    };
    double done = t0 * length;
    const double end = t1 * length;
    while (true) {
      const bool on = part % 2 == 0;
      if (on && !open) {
        if (dashes.size() >= kMaxDashes) return dashes;
        dashes.push_back({at(done)});
        open = true;
      }
      if (end - done <= left) {
        left -= end - done;
        if (on) dashes.back().push_back(at(end));
        break;
      }
      done += left;
      if (on) {
        dashes.back().push_back(at(done));
        open = false;
      }
      part = (part + 1) % pattern.size();
      left = pattern[part];
    }
    if (t1 < 1) {
      open = false;
      skip((1 - t1) * length);
    }
  }
  std::erase_if(dashes, [](const std::vector<DPoint>& d) { return d.size() < 2; });
  return dashes;
}
