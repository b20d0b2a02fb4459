#include "gifconv/dib.h"

#include <new>

#include "platform/byte_reader.h"
#include "platform/gdi/packed_dib.h"

namespace {

constexpr uint32_t kCoreHeaderSize = 12;

void PutU16(std::vector<uint8_t>& out, size_t at, uint16_t v) {
  out[at] = uint8_t(v);
  out[at + 1] = uint8_t(v >> 8);
}

void PutU32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + size_t(i)] = uint8_t(v >> (8 * i));
}

}  // namespace

uint32_t DibNumColors(std::span<const uint8_t> dib) {
  ByteReader r(dib);
  const uint32_t headerSize = r.U32(0);
  const uint16_t bits = headerSize == kCoreHeaderSize ? r.U16(10) : r.U16(14);
  const uint32_t used = headerSize == kCoreHeaderSize ? 0 : r.U32(32);
  if (!r.ok()) return 0;
  return DibTableEntries(headerSize, bits, used);
}

uint32_t DibColorTableSize(std::span<const uint8_t> dib) {
  ByteReader r(dib);
  const uint32_t headerSize = r.U32(0);
  const uint64_t colors = DibNumColors(dib);
  uint64_t size;
  if (headerSize == kCoreHeaderSize) size = colors * 3;
  else if (r.U32(16) == kBiBitFields) size = colors * 4 + 12;
  else size = colors * 4;
  return r.ok() && size <= UINT32_MAX ? uint32_t(size) : 0;
}

uint64_t DibStride(uint16_t bitCount, uint32_t width) {
  return (uint64_t(bitCount) * width + 31) / 32 * 4;
}

std::vector<uint8_t> BitmapToDib(gdImagePtr raster) {
  if (!raster || !gdImageTrueColor(raster)) return {};
  const uint32_t width = uint32_t(gdImageSX(raster)), height = uint32_t(gdImageSY(raster));
  const uint64_t stride = DibStride(24, width);
  std::vector<uint8_t> dib;
  try {
    dib.assign(kDibInfoHeaderSize + size_t(stride * height), 0);
  } catch (const std::bad_alloc&) {
    return {};
  }
  PutU32(dib, 0, kDibInfoHeaderSize);
  PutU32(dib, 4, width);
  PutU32(dib, 8, height);
  PutU16(dib, 12, 1);
  PutU16(dib, 14, 24);
  PutU32(dib, 16, kBiRgb);
  for (uint32_t y = 0; y < height; ++y) {
    uint8_t* row = dib.data() + kDibInfoHeaderSize + size_t(height - 1 - y) * stride;
    for (uint32_t x = 0; x < width; ++x) {
      const int c = gdImageGetTrueColorPixel(raster, int(x), int(y));
      row[3 * x] = uint8_t(gdTrueColorGetBlue(c));
      row[3 * x + 1] = uint8_t(gdTrueColorGetGreen(c));
      row[3 * x + 2] = uint8_t(gdTrueColorGetRed(c));
    }
  }
  return dib;
}
