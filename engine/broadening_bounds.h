// The steps both broadening routines (and their point-by-point reference) share: usable
// widths, grid points, line counts and multipliers, line placement, the stick merge and the
// final scaling.
#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/broadening.h"
#include "engine/engine_globals.h"

namespace broadening {

// A width below the narrowest line (or not a number) is taken as the narrowest line.
inline float BoundedWidth(float width) {
  return width >= kMinLineWidthHz ? width : kMinLineWidthHz;
}

// The grid points that exist in the target: 1..n.
inline int UsablePoints(const std::vector<float>& spectrum) {
  return std::clamp<int>(gNumPts, 0, static_cast<int>(spectrum.size()) - 1);
}

inline int UsableLines(int16_t lines) {
  const int inList = std::min({LineListUBound(), static_cast<int>(gLineFreq.size()) - 1,
                               static_cast<int>(gLineInt.size()) - 1,
                               static_cast<int>(gLineT1.size()) - 1});
  return std::clamp<int>(lines, 0, std::max(inList, 0));
}

// vm that can scale: a multiplier that is not finite draws nothing.
inline float UsableMultiplier(float vm) { return std::isfinite(vm) ? vm : 0.0f; }

inline void ClearPoints(std::vector<float>& spectrum, int n) {
  std::fill(spectrum.begin() + 1, spectrum.begin() + 1 + n, 0.0f);
}

// Final scaling; a sum that overflowed is held at the largest float, never infinity or NaN.
inline void ScalePoints(std::vector<float>& spectrum, int n, float vm) {
  for (int p = 1; p <= n; ++p) {
    float v = spectrum[static_cast<size_t>(p)] * vm;
    if (std::isnan(v)) v = 0;
    if (std::isinf(v)) v = std::copysign(FLT_MAX, v);
    spectrum[static_cast<size_t>(p)] = v;
  }
}

inline bool GridUsable() { return std::isfinite(gHzPerPt) && gHzPerPt > 0; }

// What LorentzSum works with: kernel constant c = (2 / W)^2 of the bounded width, the usable
// multiplier and its cut 2 / vm, the grid points (0: nothing to do) and the lines to use.
struct SumSetup {
  float c;
  float vm;
  float cut;
  int points;
  int lines;
};

// Bounds LorentzSum's inputs and clears the spectrum points it will fill.
inline SumSetup PrepareSum(std::vector<float>& spectrum, int16_t lines, float width, float offset,
                           float vm) {
  const float W = BoundedWidth(width);
  SumSetup setup;
  setup.c = (2 / W) * (2 / W);
  setup.vm = UsableMultiplier(vm);
  setup.cut = 2 / setup.vm;
  setup.points = UsablePoints(spectrum);
  setup.lines = GridUsable() && std::isfinite(offset) ? UsableLines(lines) : 0;
  if (setup.points > 0) ClearPoints(spectrum, setup.points);
  return setup;
}

// The grid point nearest a position, halves to the even neighbour (the default rounding).
inline double NearestPoint(float pos) { return std::nearbyint(static_cast<double>(pos)); }

// Line k as LorentzSum places it: false unless its nearest point j lies in 1..n-1 and its
// height (finite) is above 1e-5.
inline bool LineCentre(int k, float offset, int n, int& j, float& height) {
  height = gLineInt[static_cast<size_t>(k)];
  const float pos = (gLineFreq[static_cast<size_t>(k)] - offset) / gHzPerPt;
  if (!std::isfinite(pos) || !std::isfinite(height)) return false;
  const double jd = NearestPoint(pos);
  if (!(jd > 0 && jd < n) || !(height > 1e-5f)) return false;
  j = static_cast<int>(jd);
  return true;
}

// Adds one line of height `height` at point j out to the cut, point by point: height / (c x^2 + 1)
// at j - t and j + t, x grown by gHzPerPt per point (the types with individual widths).
void AddLinePointByPoint(std::vector<float>& spectrum, int n, int j, float height, float c,
                         float cut);

// Merges lines 1..lines into gStickSum / gStickPos over points 1..n (both cleared first): a line
// joins an occupied neighbour whose strongest line lies less than 0.51 points away.
void MergeIntoSticks(int n, int16_t lines, float offset);

}  // namespace broadening
