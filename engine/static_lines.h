// Helpers shared by the closed-form static analyses.
#pragma once

#include <cmath>
#include <cstdint>

#include "engine/engine_globals.h"

namespace static_lines {

// A shift difference below 0.0001 Hz in magnitude is replaced by 0.00011 Hz, which keeps the
// square roots it enters away from zero.
inline double NonZeroDifference(double delta) {
  return std::fabs(delta) < static_cast<double>(0.0001f) ? static_cast<double>(0.00011f) : delta;
}

// Rounds a working value to the 32-bit float it is kept as.
inline double F32(double v) { return static_cast<double>(static_cast<float>(v)); }

// Writes line i with a colour of gTraceColors.
inline void SetLine(int i, double freq, double intensity, int traceColor) {
  gLineFreq[i] = static_cast<float>(freq);
  gLineInt[i] = static_cast<float>(intensity);
  gLineColor[i] = gTraceColors[traceColor];
}

}  // namespace static_lines
