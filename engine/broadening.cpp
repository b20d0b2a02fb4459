#include "engine/broadening.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "engine/broadening_bounds.h"
#include "engine/engine_globals.h"
#include "engine/lorentz_kernel.h"
#include "engine/sim_type_traits.h"

namespace {

using namespace broadening;

// The kernel of the current call, kept between calls so that its tables are allocated once.
LorentzKernel& SharedKernel() {
  static LorentzKernel kernel;
  return kernel;
}

// A line waiting to be added: its nearest point, height and reach in points.
struct PendingLine {
  int centre;
  int reach;
  float height;
};

// Adds the lines grouped by their nearest point: the lines of one point share the kernel, so
// each distance band (out to the next shorter reach) is added once with the summed heights of
// the lines that reach it. The work then grows with the longest reach per point, not with the
// number of lines. Scratch storage is kept between calls.
void AddLinesByCentre(LorentzKernel& kernel, int n, std::vector<PendingLine>& lines) {
  static std::vector<int> start;
  static std::vector<PendingLine> sorted;
  start.assign(static_cast<size_t>(n) + 2, 0);
  for (const PendingLine& line : lines) ++start[static_cast<size_t>(line.centre) + 1];
  for (size_t j = 1; j < start.size(); ++j) start[j] += start[j - 1];
  sorted.resize(lines.size());
  for (const PendingLine& line : lines) {
    int& next = start[static_cast<size_t>(line.centre)];
    sorted[static_cast<size_t>(next++)] = line;
  }
  size_t begin = 0;
  while (begin < sorted.size()) {
    size_t end = begin + 1;
    while (end < sorted.size() && sorted[end].centre == sorted[begin].centre) ++end;
    // Longest reach first (a few lines per point: insertion sort).
    for (size_t k = begin + 1; k < end; ++k) {
      const PendingLine line = sorted[k];
      size_t m = k;
      for (; m > begin && sorted[m - 1].reach < line.reach; --m) sorted[m] = sorted[m - 1];
      sorted[m] = line;
    }
    float height = 0;
    for (size_t k = begin; k < end; ++k) {
      height += sorted[k].height;
      const int inner = k + 1 < end ? sorted[k + 1].reach : 0;
      kernel.AddRing(sorted[begin].centre, height, inner, sorted[k].reach);
    }
    begin = end;
  }
}

}  // namespace

void LorentzSum(std::vector<float>& spectrum, int16_t lines, float width, float offset,
                float vm) {
  const SumSetup setup = PrepareSum(spectrum, lines, width, offset, vm);
  const int n = setup.points;
  if (n <= 0) return;
  float c = setup.c;
  const float cut = setup.cut;
  const int count = setup.lines;
  const bool ownWidths = HasOwnLineWidths(gSimType);
  LorentzKernel& kernel = SharedKernel();
  if (!ownWidths) kernel.Build(c, gHzPerPt, n);
  static std::vector<PendingLine> pending;
  pending.clear();

  for (int k = 1; k <= count; ++k) {
    int j;
    float height;
    if (!LineCentre(k, offset, n, j, height)) continue;
    if (ownWidths) {
      const float own = BoundedWidth(gLineT1[static_cast<size_t>(k)]);
      c = (2 / own) * (2 / own);
      AddLinePointByPoint(spectrum, n, j, height, c, cut);
    } else {
      const int reach = kernel.Reach(height, cut);
      if (reach > 0) pending.push_back({j, reach, height});
    }
  }
  if (!ownWidths) {
    AddLinesByCentre(kernel, n, pending);
    kernel.StoreSums(spectrum);
  }
  ScalePoints(spectrum, n, setup.vm);
}

void LineBroadenFast(std::vector<float>& spectrum, int16_t lines, float width, float offset,
                     float vm) {
  vm = UsableMultiplier(vm);
  const float cut = 2 / vm;
  const float W = BoundedWidth(width);
  const float c = (2 / W) * (2 / W);
  const int n = UsablePoints(spectrum);
  if (n <= 0) return;
  ClearPoints(spectrum, n);
  MergeIntoSticks(n, lines, offset);

  LorentzKernel& kernel = SharedKernel();
  kernel.Build(c, gHzPerPt, n);
  for (int p = 1; p <= n; ++p) {
    const float a = gStickSum[static_cast<size_t>(p)];
    if (!(a > 0)) continue;
    kernel.AddLine(p, a, kernel.Reach(a, cut));
  }
  kernel.StoreSums(spectrum);
  ScalePoints(spectrum, n, vm);
}

namespace broadening {

void AddLinePointByPoint(std::vector<float>& spectrum, int n, int j, float height, float c,
                     float cut) {
  float x = 0;
  for (int t = 0;; ++t) {
    const float h = height / (c * (x * x) + 1);
    const int left = j - t;
    const int right = j + t;
    if (right > n && left < 1) break;
    if (h < cut) break;
    if (left >= 1) spectrum[static_cast<size_t>(left)] += h;
    if (t > 0 && right <= n) spectrum[static_cast<size_t>(right)] += h;
    x += gHzPerPt;
  }
}


void MergeIntoSticks(int n, int16_t lines, float offset) {
  const size_t sticks = static_cast<size_t>(n) + 2;
  if (gStickSum.size() < sticks) gStickSum.resize(sticks, 0.0f);
  if (gStickPos.size() < sticks) gStickPos.resize(sticks, 0.0f);
  ClearPoints(gStickSum, n);
  ClearPoints(gStickPos, n);
  // The neighbours of points 1 and n are read while merging: they hold no stick.
  gStickSum[0] = 0;
  gStickSum[static_cast<size_t>(n) + 1] = 0;
  const int count = GridUsable() && std::isfinite(offset) ? UsableLines(lines) : 0;

  for (int k = 1; k <= count; ++k) {
    const float height = gLineInt[static_cast<size_t>(k)];
    const float pos = (gLineFreq[static_cast<size_t>(k)] - offset) / gHzPerPt;
    if (!std::isfinite(height) || !(pos > 0.6f && pos < static_cast<float>(n))) continue;
    const int j = static_cast<int>(NearestPoint(pos));
    int m = j;
    const size_t up = static_cast<size_t>(j + 1);
    const size_t down = static_cast<size_t>(j - 1);
    if (gStickSum[up] > 0 && std::fabs(pos - gStickPos[up]) < 0.51f) m = j + 1;
    if (gStickSum[down] > 0 && std::fabs(pos - gStickPos[down]) < 0.51f) m = j - 1;
    float& sum = gStickSum[static_cast<size_t>(m)];
    if (sum == 0 || sum < height) gStickPos[static_cast<size_t>(m)] = pos;
    sum += height;
  }

}

}  // namespace broadening
