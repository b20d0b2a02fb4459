// A packed device-independent bitmap (header, colour table or bit-field masks, pixels), as a
// bitmap handle holds it: core (12-byte) and info (40-byte and longer) headers, 1, 4, 8, 16, 24
// and 32 bits per pixel, uncompressed or with bit fields, rows bottom-up or top-down. Parse
// checks every size and offset; pixels are then read in place.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

inline constexpr uint32_t kBiRgb = 0;
inline constexpr uint32_t kBiBitFields = 3;

class PackedDib {
 public:
  // Nothing when the header is unknown, a size is 0 or negative, the format is not one of the
  // above, or the colour table or pixels do not fit the bytes.
  static std::optional<PackedDib> Parse(std::span<const uint8_t> bytes);

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  uint16_t bitCount() const { return bits_; }
  // The colour 0x00BBGGRR of a pixel, (0, 0) the top left; outside the bitmap 0.
  // 16 bits without masks are 5-5-5; 32 bits without masks are blue, green, red, unused.
  // Table indexes beyond the table are black.
  uint32_t Pixel(int32_t x, int32_t y) const;

 private:
  PackedDib() = default;
  uint32_t TableColor(uint32_t index) const;
  uint32_t MaskedColor(uint32_t value) const;

  std::span<const uint8_t> bytes_;
  int32_t width_ = 0, height_ = 0;
  bool bottomUp_ = true;
  uint16_t bits_ = 0;
  size_t tableOffset_ = 0, tableEntries_ = 0, tableEntrySize_ = 4;
  size_t pixelOffset_ = 0, stride_ = 0;
  bool masked_ = false;
  std::array<uint32_t, 3> masks_{};  // red, green, blue
};

// The colour-table entries a header declares: the colours-used field when not 0 (info
// headers), else 2^bits for up to 8 bits, else 0.
uint32_t DibTableEntries(uint32_t headerSize, uint16_t bitCount, uint32_t colorsUsed);
