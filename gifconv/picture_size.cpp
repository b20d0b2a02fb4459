#include "gifconv/picture_size.h"

int64_t PictureSide(int64_t units, uint32_t dpi, uint32_t unitsPerInch, int32_t percent) {
  if (units <= 0 || percent <= 0 || unitsPerInch == 0) return 0;
  const uint64_t pixels = uint64_t(units) * dpi / unitsPerInch;
  if (pixels > uint64_t(kMaxRasterSide) * 100) return 0;
  const uint64_t side = pixels * uint32_t(percent) / 100;
  return side > uint64_t(kMaxRasterSide) ? 0 : int64_t(side);
}

bool RasterSizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxRasterSide && height <= kMaxRasterSide &&
         width * height <= kMaxRasterPixels;
}
