// Small helpers shared by the calculator's two windows.
#pragma once

#include <cmath>
#include <limits>

// The larger and the smaller of two 32-bit floats; used as "at least" and "at most" clamps.
inline float SngMax(const float& a, const float& b) { return a > b ? a : b; }
inline float SngMin(const float& a, const float& b) { return a < b ? a : b; }

// Stores a double result as a 32-bit float; a value beyond the float range becomes an
// infinity of its sign (explicitly, without an out-of-range conversion), NaN stays NaN.
inline float ToSingle(double x) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (x > kMax) return std::numeric_limits<float>::infinity();
  if (x < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(x);
}
