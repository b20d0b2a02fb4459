// Raster sizes of the exports: unsigned arithmetic with a 64-bit product and truncating
// divisions, in this order, and limits that keep every size meaningful.
#pragma once

#include <cstdint>

inline constexpr int64_t kMaxRasterSide = 16384;
inline constexpr int64_t kMaxRasterPixels = 32 * 1024 * 1024;
inline constexpr uint32_t kScreenDpi = 96;
inline constexpr uint32_t kUnitsPerInchWhenZero = 575;

// One side in pixels: units x dpi / unitsPerInch, then x percent / 100. 0 when the units or
// the percentage are 0 or less, or the side is above the limit.
int64_t PictureSide(int64_t units, uint32_t dpi, uint32_t unitsPerInch, int32_t percent);

// Whether a raster of w x h pixels may be made: both sides 1 to 16384, at most 32 M pixels.
bool RasterSizeAllowed(int64_t width, int64_t height);
