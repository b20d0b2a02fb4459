#include "gifconv/scanline_fill.h"

#include <algorithm>
#include <cmath>

namespace {

struct Edge {
  double x0, y0, x1, y1;  // y0 < y1
  int direction;          // +1 downward in the ring's order, -1 upward
};

struct Crossing {
  double x;
  int direction;
};

}  // namespace

void FillSpans(const std::vector<std::vector<ClipPoint>>& rings, bool winding, int left, int top,
               int right, int bottom, const std::function<void(int, int, int)>& span) {
  std::vector<Edge> edges;
  double minY = HUGE_VAL, maxY = -HUGE_VAL;
  for (const std::vector<ClipPoint>& ring : rings) {
    if (ring.size() < 3) continue;
    for (size_t i = 0; i < ring.size(); ++i) {
      const ClipPoint& a = ring[i];
      const ClipPoint& b = ring[(i + 1) % ring.size()];
      if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) ||
          !std::isfinite(b.y) || a.y == b.y)
        continue;
      if (a.y < b.y) edges.push_back({a.x, a.y, b.x, b.y, 1});
      else edges.push_back({b.x, b.y, a.x, a.y, -1});
      minY = std::min({minY, a.y, b.y});
      maxY = std::max({maxY, a.y, b.y});
    }
  }
  if (edges.empty() || right <= left) return;
  // Rows whose centre lies within the rings' height, inside the allowed rows.
  const int firstRow = int(std::clamp<double>(std::ceil(minY - 0.5), top, bottom));
  const int lastRow = int(std::clamp<double>(std::ceil(maxY - 0.5) - 1, top - 1, bottom - 1));
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
  std::vector<const Edge*> active;
  std::vector<Crossing> crossings;
  size_t next = 0;
  for (int y = firstRow; y <= lastRow; ++y) {
    const double yc = y + 0.5;
    while (next < edges.size() && edges[next].y0 <= yc) active.push_back(&edges[next++]);
    std::erase_if(active, [yc](const Edge* e) { return e->y1 <= yc; });
    crossings.clear();
    for (const Edge* e : active) {
      if (e->y0 > yc) continue;
      const double t = (yc - e->y0) / (e->y1 - e->y0);
      crossings.push_back({e->x0 + t * (e->x1 - e->x0), e->direction});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    int count = 0;
    for (size_t i = 0; i + 1 < crossings.size(); ++i) {
      count += winding ? crossings[i].direction : 1;
      const bool inside = winding ? count != 0 : (count & 1) != 0;
      if (!inside) continue;
      // Pixels whose centres lie in [x_i, x_i+1).
      const double from = std::ceil(crossings[i].x - 0.5);
      const double to = std::ceil(crossings[i + 1].x - 0.5);
      const int x0 = int(std::clamp<double>(from, left, right));
      const int x1 = int(std::clamp<double>(to, left, right));
      if (x1 > x0) span(y, x0, x1);
    }
  }
}
