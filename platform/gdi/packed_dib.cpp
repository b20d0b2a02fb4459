#include "platform/gdi/packed_dib.h"

#include <bit>

#include "platform/byte_reader.h"

namespace {

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kMasksInHeaderSize = 52;  // longer info headers hold the masks themselves
constexpr uint32_t kMaxHeaderSize = 4096;

// The top 8 bits of a masked channel.
uint32_t Channel(uint32_t value, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int width = std::popcount(mask >> shift);
  const uint32_t v = (value & mask) >> shift;
  return width >= 8 ? v >> (width - 8) : (v << (8 - width)) & 0xFF;
}

}  // namespace

uint32_t DibTableEntries(uint32_t headerSize, uint16_t bitCount, uint32_t colorsUsed) {
  if (headerSize != kCoreHeaderSize && colorsUsed != 0) return colorsUsed;
  return bitCount <= 8 ? 1u << bitCount : 0;
}

std::optional<PackedDib> PackedDib::Parse(std::span<const uint8_t> bytes) {
  ByteReader r(bytes);
  PackedDib dib;
  dib.bytes_ = bytes;
  const uint32_t headerSize = r.U32(0);
  uint32_t compression = kBiRgb, colorsUsed = 0;
  int64_t height = 0;
  if (headerSize == kCoreHeaderSize) {
    dib.width_ = r.U16(4);
    height = r.U16(6);
    dib.bits_ = r.U16(10);
    dib.tableEntrySize_ = 3;
  } else if (headerSize >= kInfoHeaderSize && headerSize <= kMaxHeaderSize) {
    dib.width_ = r.I32(4);
    height = r.I32(8);
    dib.bits_ = r.U16(14);
    compression = r.U32(16);
    colorsUsed = r.U32(32);
  } else {
    return std::nullopt;
  }
  if (!r.ok() || dib.width_ <= 0 || height == 0 || height == INT32_MIN) return std::nullopt;
  dib.bottomUp_ = height > 0;
  dib.height_ = int32_t(height > 0 ? height : -height);
  const uint16_t bits = dib.bits_;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return std::nullopt;

  size_t at = headerSize;
  if (compression == kBiBitFields) {
    if (bits != 16 && bits != 32) return std::nullopt;
    const size_t masksAt = headerSize >= kMasksInHeaderSize ? kInfoHeaderSize : headerSize;
    dib.masks_ = {r.U32(masksAt), r.U32(masksAt + 4), r.U32(masksAt + 8)};
    dib.masked_ = true;
    if (headerSize < kMasksInHeaderSize) at += 12;
  } else if (compression == kBiRgb) {
    if (bits == 16) {
      dib.masks_ = {0x7C00, 0x03E0, 0x001F};
      dib.masked_ = true;
    }
  } else {
    return std::nullopt;
  }
  const uint64_t entries = DibTableEntries(headerSize, bits, colorsUsed);
  if (entries > bytes.size()) return std::nullopt;
  dib.tableOffset_ = at;
  dib.tableEntries_ = bits <= 8 ? size_t(entries) : 0;
  at += size_t(entries) * dib.tableEntrySize_;
  const uint64_t stride = (uint64_t(bits) * uint64_t(dib.width_) + 31) / 32 * 4;
  if (!r.ok() || at > bytes.size() || stride > bytes.size() ||
      uint64_t(dib.height_) > (bytes.size() - at) / stride)
    return std::nullopt;
  dib.pixelOffset_ = at;
  dib.stride_ = size_t(stride);
  return dib;
}

uint32_t PackedDib::TableColor(uint32_t index) const {
  if (index >= tableEntries_) return 0;
  const size_t at = tableOffset_ + size_t(index) * tableEntrySize_;
  return uint32_t(bytes_[at + 2]) | uint32_t(bytes_[at + 1]) << 8 | uint32_t(bytes_[at]) << 16;
}

uint32_t PackedDib::MaskedColor(uint32_t value) const {
  return Channel(value, masks_[0]) | Channel(value, masks_[1]) << 8 |
         Channel(value, masks_[2]) << 16;
}

uint32_t PackedDib::Pixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const size_t row = size_t(bottomUp_ ? height_ - 1 - y : y);
  const uint8_t* p = bytes_.data() + pixelOffset_ + row * stride_;
  const size_t ux = size_t(x);
  switch (bits_) {
    case 1: return TableColor((p[ux / 8] >> (7 - ux % 8)) & 1);
    case 4: return TableColor((p[ux / 2] >> (ux % 2 ? 0 : 4)) & 0x0F);
    case 8: return TableColor(p[ux]);
    case 16: return MaskedColor(uint32_t(p[2 * ux]) | uint32_t(p[2 * ux + 1]) << 8);
    case 24: {
      const uint8_t* q = p + 3 * ux;
      return uint32_t(q[2]) | uint32_t(q[1]) << 8 | uint32_t(q[0]) << 16;
    }
    default: {
      const uint8_t* q = p + 4 * ux;
      if (!masked_) return uint32_t(q[2]) | uint32_t(q[1]) << 8 | uint32_t(q[0]) << 16;
      return MaskedColor(uint32_t(q[0]) | uint32_t(q[1]) << 8 | uint32_t(q[2]) << 16 |
                         uint32_t(q[3]) << 24);
    }
  }
}
