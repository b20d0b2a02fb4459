// The point-by-point broadening the engine used before its tabulated kernel: the reference the
// faster routines must match.
#include "tests/engine/reference/broadening_reference.h"

#include "engine/broadening_bounds.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "engine/engine_globals.h"
#include "engine/sim_type_traits.h"

using namespace broadening;

void ReferenceLorentzSum(std::vector<float>& spectrum, int16_t lines, float width, float offset,
                         float vm) {
  const SumSetup setup = PrepareSum(spectrum, lines, width, offset, vm);
  const int n = setup.points;
  if (n <= 0) return;
  float c = setup.c;
  const float cut = setup.cut;
  const int count = setup.lines;
  const bool ownWidths = HasOwnLineWidths(gSimType);

  for (int k = 1; k <= count; ++k) {
    int j;
    float height;
    if (!LineCentre(k, offset, n, j, height)) continue;
    if (ownWidths) {
      const float own = BoundedWidth(gLineT1[static_cast<size_t>(k)]);
      c = (2 / own) * (2 / own);
    }
    AddLinePointByPoint(spectrum, n, j, height, c, cut);
  }
  ScalePoints(spectrum, n, setup.vm);
}

void ReferenceLineBroadenFast(std::vector<float>& spectrum, int16_t lines, float width,
                              float offset, float vm) {
  vm = UsableMultiplier(vm);
  const float cut = 2 / vm;
  const float W = BoundedWidth(width);
  const float c = (2 / W) * (2 / W);
  const int n = UsablePoints(spectrum);
  if (n <= 0) return;
  ClearPoints(spectrum, n);
  MergeIntoSticks(n, lines, offset);

  for (int p = 1; p <= n; ++p) {
    const float a = gStickSum[static_cast<size_t>(p)];
    if (!(a > 0)) continue;
    float h = a;
    if (h < cut) continue;
    float x = 0;
    int t = 0;
    do {
      const int left = p - t;
      const int right = p + t;
      if (left >= 1) {
        spectrum[static_cast<size_t>(left)] += h;
      } else if (right > n) {
        break;
      }
      if (t > 0 && right <= n) spectrum[static_cast<size_t>(right)] += h;
      x += gHzPerPt;
      ++t;
      h = a / (c * (x * x) + 1);
    } while (h >= cut);
  }
  ScalePoints(spectrum, n, vm);
}
