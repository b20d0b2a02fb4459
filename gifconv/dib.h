// Packed device-independent bitmaps of the raster: the colour-table rules and the read-back of
// a raster as a 24-bit DIB with rows bottom-up.
#pragma once

#include <gd.h>

#include <cstdint>
#include <span>
#include <vector>

inline constexpr uint32_t kDibInfoHeaderSize = 40;

// Colour-table entries of the DIB header at the start of the bytes: the colours-used field
// when not 0 (info headers), else 2^bits for up to 8 bits, else 0. 0 for an unreadable header.
uint32_t DibNumColors(std::span<const uint8_t> dib);
// Bytes of the colour table: 3 per entry after a core header, 4 per entry plus 12 for the
// masks with bit fields, else 4 per entry.
uint32_t DibColorTableSize(std::span<const uint8_t> dib);
// Bytes of one row: bits x width rounded up to whole 32-bit groups.
uint64_t DibStride(uint16_t bitCount, uint32_t width);

// The truecolor raster as a packed DIB: 40-byte header (width, positive height, 1 plane,
// 24 bits, uncompressed), no colour table, rows bottom-up in blue, green, red. Empty when the
// image is missing or the memory cannot be had.
std::vector<uint8_t> BitmapToDib(gdImagePtr raster);
