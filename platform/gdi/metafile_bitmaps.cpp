#include "platform/gdi/metafile_bitmaps.h"

#include <algorithm>

#include "platform/gdi/packed_dib.h"

bool ReadRecordBitmap(std::span<const uint8_t> header, std::span<const uint8_t> bits,
                      RecordBitmap& out, uint64_t& budget) {
  std::vector<uint8_t> packed(header.begin(), header.end());
  packed.insert(packed.end(), bits.begin(), bits.end());
  const std::optional<PackedDib> dib = PackedDib::Parse(packed);
  if (!dib || dib->width() <= 0 || dib->height() <= 0 ||
      uint64_t(dib->width()) * uint64_t(dib->height()) > std::min(kMaxRecordBitmapPixels, budget))
    return false;
  budget -= uint64_t(dib->width()) * uint64_t(dib->height());
  out.width = dib->width();
  out.height = dib->height();
  out.pixels.resize(size_t(out.width) * size_t(out.height));
  for (int32_t y = 0; y < out.height; ++y)
    for (int32_t x = 0; x < out.width; ++x)
      out.pixels[size_t(y) * size_t(out.width) + size_t(x)] = dib->Pixel(x, y);
  return true;
}

int32_t SourceRowFromTop(int32_t height, int32_t yFromBottom, int32_t rows) {
  const int64_t top = int64_t(height) - yFromBottom - rows;
  return int32_t(std::clamp<int64_t>(top, INT32_MIN, INT32_MAX));
}
