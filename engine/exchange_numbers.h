// Constants and number helpers shared by the exchange line-shape kernels and the dynamic-NMR
// driver. The engine's own value of pi (3.14159625) is kept on purpose: stored spectra and fitted
// rates depend on it.
#pragma once

#include <cmath>
#include <limits>

namespace exchange {

constexpr double kPi = 3.14159625;
constexpr double kTwoPi = 6.2831925;
constexpr double kPiSquared = static_cast<float>(kPi * kPi);  // held as a 32-bit float
constexpr float kTwoPiSingle = 6.2831926f;

// Rounds a working value to the 32-bit float it is kept as.
inline double F32(double v) { return static_cast<double>(static_cast<float>(v)); }

// The 32-bit value stored into a spectrum point: a value that is not finite (or does not fit a
// float) becomes 0, so no NaN or infinity reaches a spectrum.
inline float FiniteFloat(double v) {
  const float f = static_cast<float>(v);
  return std::isfinite(f) ? f : 0.0f;
}

}  // namespace exchange
