// The trace of a spectrum: a run of points drawn from right to left so that the last point lies
// at the x origin.
#pragma once

#include <cstdint>
#include <vector>

class Device;

struct SpecTraceLayout {
  int16_t attrib = 0;        // pen and line type; low byte 51 or 52 draws line objects
  float xPerPoint = 0;       // world units per point (negative in a spectrum)
  float x0 = 0, y0 = 0;      // where the last point lies, and the y of the baseline
  float upper = 0, lower = 0;  // y limits relative to y0
  float baseline = 0;        // subtracted from every value
  float yScale = 0;          // world units per value unit
};

// Draws points first..last (clamped to 0..size - 2) through the polygon buffer, or as line
// objects. Point k lies at x0 - (last - k) x xPerPoint, y0 + the clamped scaled value. With
// anti-aliased output the run is thinned to two values per group of pixels.
void SpecDrawTrace(Device* dc, const std::vector<int16_t>& points, int32_t first, int32_t last,
                   const SpecTraceLayout& layout);

// True for an attribute word whose line type is one of the dashed line objects 51 and 52.
inline bool SpecDrawsLineObjects(int16_t attrib) {
  const int lowByte = attrib & 0xFF;
  return lowByte == 51 || lowByte == 52;
}
