#include "platform/gdi/packed_dib.h"

#include <gtest/gtest.h>

#include "tests/support/metafile_builder.h"

namespace {

std::span<const uint8_t> Span(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

Bytes InfoHeader(int32_t w, int32_t h, uint16_t bits, uint32_t compression, uint32_t used = 0) {
  Bytes b;
  b.U32(40).U32(uint32_t(w)).U32(uint32_t(h)).U16(1).U16(bits).U32(compression);
  return b.U32(0).U32(0).U32(0).U32(used).U32(0);
}

}  // namespace

TEST(PackedDib, HeadersFormatsAndRowOrders) {
  struct Case {
    const char* name;
    std::string bytes;
    uint32_t topLeft, bottomRight;
  };
  // 2 x 2 pictures: top left and bottom right pixels.
  const Case cases[] = {
      {"core header, 1 bit, bottom-up",
       Bytes().U32(12).U16(2).U16(2).U16(1).U16(1).U8(0).U8(0).U8(0xFF).U8(0xFF).U8(0).U8(0)
           .U32(0x80).U32(0x80).str(),
       0xFF0000, 0x0000FF},
      {"32 bits: blue, green, red, unused",
       InfoHeader(2, -2, 32, 0).U32(0xAA112233).U32(0).U32(0).U32(0x00445566).str(),
       0x332211, 0x665544},
      {"32-bit bit fields",
       InfoHeader(2, 2, 32, 3).U32(0xFF).U32(0xFF00).U32(0xFF0000).U32(0).U32(0x000102)
           .U32(0x030405).U32(0).str(),
       0x030405, 0x000102},
      {"16-bit 5-6-5 bit fields",
       InfoHeader(2, -2, 16, 3).U32(0xF800).U32(0x07E0).U32(0x001F).U16(0xF800).U16(0).U16(0)
           .U16(0x07E0).str(),
       0x0000F8, 0x00FC00},
      {"16 bits 5-5-5", InfoHeader(2, -2, 16, 0).U16(0x001F).U16(0).U16(0).U16(0x7C00).str(),
       0xF80000, 0x0000F8},
      {"4 bits, table of 2, index beyond it is black",
       InfoHeader(2, 2, 4, 0, 2).U32(0x00FF00).U32(0x0000FF).U32(0x02).U32(0x01).str(),
       0x00FF00, 0x000000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto dib = PackedDib::Parse(Span(c.bytes));
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->width(), 2);
    EXPECT_EQ(dib->height(), 2);
    EXPECT_EQ(dib->Pixel(0, 0), c.topLeft);
    EXPECT_EQ(dib->Pixel(1, 1), c.bottomRight);
    EXPECT_EQ(dib->Pixel(2, 0), 0u);
    // One byte less: the pixels no longer fit.
    EXPECT_FALSE(PackedDib::Parse(Span(c.bytes.substr(0, c.bytes.size() - 1))));
  }
  for (const std::string& bad :
       {InfoHeader(0, 2, 24, 0).str() + std::string(16, 0), InfoHeader(2, 0, 24, 0).str(),
        InfoHeader(2, 2, 24, 1).str() + std::string(16, 0),   // run-length compression
        InfoHeader(2, 2, 8, 3).str() + std::string(64, 0),    // bit fields need 16 or 32 bits
        InfoHeader(2, 2, 7, 0).str() + std::string(64, 0),
        InfoHeader(0x7FFFFFFF, 0x7FFFFFFF, 32, 0).str(), InfoHeader(2, 2, 8, 0, 0xFFFFFFFF).str(),
        Bytes().U32(13).str() + std::string(60, 0)}) {
    EXPECT_FALSE(PackedDib::Parse(Span(bad)));
  }
}
