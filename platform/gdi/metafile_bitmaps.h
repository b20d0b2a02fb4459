// Bitmaps inside metafile records: a device-independent bitmap's header (with its colour
// table) and its pixel bits, which the records may keep apart, read into colours.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The most pixels a record's bitmap may hold, and all bitmaps of one picture together; larger
// ones are not drawn.
inline constexpr uint64_t kMaxRecordBitmapPixels = uint64_t(1) << 22;
inline constexpr uint64_t kMaxPictureBitmapPixels = uint64_t(1) << 25;

struct RecordBitmap {
  int32_t width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0x00BBGGRR, rows from the top
};

// False when the bitmap cannot be read or is too large; `budget` (pixels still allowed for
// the picture) shrinks by the bitmap's pixels.
bool ReadRecordBitmap(std::span<const uint8_t> header, std::span<const uint8_t> bits,
                      RecordBitmap& out, uint64_t& budget);

// The top row, counted from the bitmap's top, of a source rectangle whose record counts rows
// from the bottom: height - y - rows, clamped to 32 bits (the values come from the file).
int32_t SourceRowFromTop(int32_t height, int32_t yFromBottom, int32_t rows);
