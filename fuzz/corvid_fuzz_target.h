// The target rectangle of the converter's handle fuzz targets, taken from the input's first four
// bytes (left, top, right, bottom), so that the size checks are fuzzed along with the picture.
// Each byte is a small coordinate (byte - 64) or, from 0xF8 on, one of the values at the edges
// of what a raster may be: the largest side, one beyond it, and the ends of the 32-bit range.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gifconv/corvid32.h"
#include "gifconv/picture_size.h"

inline int32_t FuzzCoordinate(uint8_t b) {
  constexpr int32_t kSide = int32_t(kMaxRasterSide);
  constexpr int32_t kEdges[8] = {kSide, kSide + 1, -kSide, INT32_MAX, INT32_MIN, INT32_MAX - 1,
                                 1 << 30, -(1 << 30)};
  return b >= 0xF8 ? kEdges[b - 0xF8] : int32_t(b) - 64;
}

// The rectangle, and the input after its four bytes. Shorter inputs keep the fallback.
inline CorvidRect TakeFuzzTarget(const uint8_t*& data, size_t& size, CorvidRect fallback) {
  if (size < 4) return fallback;
  const CorvidRect r{FuzzCoordinate(data[0]), FuzzCoordinate(data[1]), FuzzCoordinate(data[2]),
                     FuzzCoordinate(data[3])};
  data += 4;
  size -= 4;
  return r;
}

// Whether the converter may make a raster of the rectangle's size.
inline bool FuzzTargetDrawable(const CorvidRect& r) {
  return RasterSizeAllowed(int64_t(r.right) - r.left, int64_t(r.bottom) - r.top);
}
