#include "platform/gdi/metafile_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kMaxCurveSteps = 256;
constexpr size_t kMaxDashes = 1 << 20;

double Distance(DPoint a, DPoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

}  // namespace

void AppendBezier(std::vector<DPoint>& out, DPoint p0, DPoint p1, DPoint p2, DPoint p3) {
  const double length = Distance(p0, p1) + Distance(p1, p2) + Distance(p2, p3);
  const int steps = std::isfinite(length) ? std::clamp(int(length / 3), 4, kMaxCurveSteps) : 1;
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
  const int steps = std::isfinite(length)
                        ? std::clamp(int(length / 3), 8, kMaxCurveSteps * 4)
                        : 1;
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

std::vector<std::vector<DPoint>> Dashes(const std::vector<DPoint>& line,
                                        const std::vector<double>& pattern) {
  std::vector<std::vector<DPoint>> dashes;
  if (pattern.empty() || line.size() < 2) return dashes;
  double period = 0;
  for (double p : pattern) period += p;
  if (!(period > 0) || !std::isfinite(period)) return {line};
  size_t part = 0;            // which entry of the pattern is running
  double left = pattern[0];   // of it
  bool on = true;
  dashes.push_back({line[0]});
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    const DPoint a = line[i], b = line[i + 1];
    const double length = Distance(a, b);
    if (!std::isfinite(length)) return {};
    double done = 0;
    while (length - done > left) {
      done += left;
      const DPoint at{a.x + (b.x - a.x) * done / length, a.y + (b.y - a.y) * done / length};
      if (on) dashes.back().push_back(at);
      on = !on;
      if (on) {
        if (dashes.size() >= kMaxDashes) return dashes;
        dashes.push_back({at});
      }
      part = (part + 1) % pattern.size();
      left = pattern[part];
    }
    left -= length - done;
    if (on) dashes.back().push_back(b);
  }
  std::erase_if(dashes, [](const std::vector<DPoint>& d) { return d.size() < 2; });
  return dashes;
}
