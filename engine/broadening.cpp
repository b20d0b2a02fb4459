#include "engine/broadening.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "engine/engine_globals.h"
#include "platform/runtime_numbers.h"

namespace {

// A width below the narrowest line (or not a number) is taken as the narrowest line.
float BoundedWidth(float width) { return width >= kMinLineWidthHz ? width : kMinLineWidthHz; }

// The grid points that exist in the target: 1..n.
int UsablePoints(const std::vector<float>& spectrum) {
  return std::clamp<int>(gNumPts, 0, static_cast<int>(spectrum.size()) - 1);
}

int UsableLines(int16_t lines) {
  const int inList = std::min({LineListUBound(), static_cast<int>(gLineFreq.size()) - 1,
                               static_cast<int>(gLineInt.size()) - 1,
                               static_cast<int>(gLineT1.size()) - 1});
  return std::clamp<int>(lines, 0, std::max(inList, 0));
}

// vm that can scale: a multiplier that is not finite draws nothing.
float UsableMultiplier(float vm) { return std::isfinite(vm) ? vm : 0.0f; }

void ClearPoints(std::vector<float>& spectrum, int n) {
  std::fill(spectrum.begin() + 1, spectrum.begin() + 1 + n, 0.0f);
}

// Final scaling; a sum that overflowed is held at the largest float, never infinity or NaN.
void ScalePoints(std::vector<float>& spectrum, int n, float vm) {
  for (int p = 1; p <= n; ++p) {
    float v = spectrum[static_cast<size_t>(p)] * vm;
    if (std::isnan(v)) v = 0;
    if (std::isinf(v)) v = std::copysign(FLT_MAX, v);
    spectrum[static_cast<size_t>(p)] = v;
  }
}

bool GridUsable() { return std::isfinite(gHzPerPt) && gHzPerPt > 0; }

bool IsOwnWidthType() { return gSimType == 13 || gSimType == 14 || gSimType == 39; }

}  // namespace

void LorentzSum(std::vector<float>& spectrum, int16_t lines, float width, float offset,
                float vm) {
  const float W = BoundedWidth(width);
  float c = (2 / W) * (2 / W);
  vm = UsableMultiplier(vm);
  const float cut = 2 / vm;
  const int n = UsablePoints(spectrum);
  if (n <= 0) return;
  ClearPoints(spectrum, n);
  const int count = GridUsable() && std::isfinite(offset) ? UsableLines(lines) : 0;
  const bool ownWidths = IsOwnWidthType();

  for (int k = 1; k <= count; ++k) {
    const float freq = gLineFreq[static_cast<size_t>(k)];
    const float height = gLineInt[static_cast<size_t>(k)];
    const float pos = (freq - offset) / gHzPerPt;
    if (!std::isfinite(pos) || !std::isfinite(height)) continue;
    const double jd = RoundHalfEven(pos);
    if (!(jd > 0 && jd < n) || !(height > 1e-5f)) continue;
    const int j = static_cast<int>(jd);
    if (ownWidths) {
      const float own = BoundedWidth(gLineT1[static_cast<size_t>(k)]);
      c = (2 / own) * (2 / own);
    }
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
  ScalePoints(spectrum, n, vm);
}

void LineBroadenFast(std::vector<float>& spectrum, int16_t lines, float width, float offset,
                     float vm) {
  vm = UsableMultiplier(vm);
  const float cut = 2 / vm;
  const float W = BoundedWidth(width);
  const float c = (2 / W) * (2 / W);
  const int n = UsablePoints(spectrum);
  if (n <= 0) return;
  const size_t sticks = static_cast<size_t>(n) + 2;
  if (gStickSum.size() < sticks) gStickSum.resize(sticks, 0.0f);
  if (gStickPos.size() < sticks) gStickPos.resize(sticks, 0.0f);
  ClearPoints(spectrum, n);
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
    const int j = static_cast<int>(RoundHalfEven(pos));
    int m = j;
    const size_t up = static_cast<size_t>(j + 1);
    const size_t down = static_cast<size_t>(j - 1);
    if (gStickSum[up] > 0 && std::fabs(pos - gStickPos[up]) < 0.51f) m = j + 1;
    if (gStickSum[down] > 0 && std::fabs(pos - gStickPos[down]) < 0.51f) m = j - 1;
    float& sum = gStickSum[static_cast<size_t>(m)];
    if (sum == 0 || sum < height) gStickPos[static_cast<size_t>(m)] = pos;
    sum += height;
  }

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
