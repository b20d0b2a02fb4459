#include "gifconv/palette_image.h"

#include <gtest/gtest.h>

#include <span>

#include "gifconv/corvid32.h"
#include "gifconv/dib.h"
#include "tests/gifconv/gif_helpers.h"

namespace {

constexpr uint32_t kBg = 0x081018, kA = 0x0000F8, kB = 0x00F800, kC = 0xF80000, kD = 0x204060;

std::span<const uint8_t> Span(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

std::string Hex(const char* hex) {
  std::string out;
  for (const char* p = hex; p[0] && p[1];) {
    if (*p == ' ') { ++p; continue; }
    out += char(std::stoi(std::string(p, 2), nullptr, 16));
    p += 2;
  }
  return out;
}

uint32_t ColorAt(gdImagePtr im, int x, int y) {
  const int i = gdImageGetPixel(im, x, y);
  return uint32_t(gdImageRed(im, i)) | uint32_t(gdImageGreen(im, i)) << 8 |
         uint32_t(gdImageBlue(im, i)) << 16;
}

std::vector<uint32_t> Palette(gdImagePtr im) {
  std::vector<uint32_t> p;
  for (int i = 0; i < gdImageColorsTotal(im); ++i)
    p.push_back(uint32_t(gdImageRed(im, i)) | uint32_t(gdImageGreen(im, i)) << 8 |
                uint32_t(gdImageBlue(im, i)) << 16);
  return p;
}

}  // namespace

// A 3 x 2 picture in every pixel format: rows bottom-up, padded to 4 bytes, table indexes
// most significant bits first; colours enter the palette after the background as they come.
TEST(DibToPaletteImage, PixelFormatsRowOrderAndFirstComeColours) {
  const std::vector<uint32_t> table{kD, kC, kB, kA, kBg};
  struct Case {
    const char* name;
    int32_t height;
    uint16_t bits;
    std::vector<uint32_t> table;
    const char* rows;
    std::vector<uint32_t> top, bottom, palette;
  };
  const std::vector<uint32_t> top{kA, kB, kC}, bottom{kBg, kA, kD};
  const std::vector<uint32_t> palette{kBg, kA, kB, kC, kD};
  const Case cases[] = {
      {"24", 2, 24, {}, "081018 0000F8 204060 000000  0000F8 00F800 F80000 000000", top, bottom,
       palette},
      {"24 top-down", -2, 24, {}, "0000F8 00F800 F80000 000000  081018 0000F8 204060 000000",
       top, bottom, palette},
      {"16", 2, 16, {}, "410C 007C 0431 0000  007C E003 1F00 0000", top, bottom, palette},
      {"32", 2, 32, {}, "08101800 0000F800 20406000  0000F800 00F80000 F8000000", top, bottom,
       palette},
      {"8", 2, 8, table, "040300 00  030201 00", top, bottom, palette},
      {"4", 2, 4, table, "43000000  32100000", top, bottom, palette},
      {"1", 2, 1, {kA, kBg}, "80000000  40000000", {kA, kBg, kA}, {kBg, kA, kA}, {kBg, kA}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string dib = MakeDib(3, c.height, c.bits, c.table, Hex(c.rows));
    gdImagePtr im = gdImageCreate(3, 2);
    ASSERT_TRUE(DibToPaletteImage(Span(dib), im, FLAG_BACKGROUND_COLOR, kBg));
    EXPECT_EQ(Palette(im), c.palette);
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(ColorAt(im, x, 0), c.top[size_t(x)]) << x;
      EXPECT_EQ(ColorAt(im, x, 1), c.bottom[size_t(x)]) << x;
    }
    gdImageDestroy(im);
  }
}

TEST(DibToPaletteImage, FlagsBackgroundAndUnreadableDibs) {
  EXPECT_EQ(BackgroundColorFromFlags(FLAG_BACKGROUND_COLOR, 0x123456), 0x123456u);
  EXPECT_EQ(BackgroundColorFromFlags(FLAG_TRANSPARENT | FLAG_INTERLACE, 0x123456), 0xFFFFFFu);

  const std::string dib = MakeDib(1, 1, 24, {}, Hex("FFFFFF00"));
  gdImagePtr im = gdImageCreate(1, 1);
  ASSERT_TRUE(DibToPaletteImage(Span(dib), im, FLAG_TRANSPARENT | FLAG_INTERLACE, 0x123456));
  EXPECT_EQ(Palette(im), std::vector<uint32_t>{0xFFFFFF});  // the white pixel is the background
  EXPECT_EQ(gdImageGetTransparent(im), 0);
  EXPECT_TRUE(gdImageGetInterlaced(im));
  gdImageDestroy(im);

  for (const std::string& bad : {dib.substr(0, dib.size() - 1), MakeDib(1, 1, 2, {}, "xxxx"),
                                 MakeDib(0, 1, 24, {}, "xxxx"), std::string("\x28\0\0", 3)}) {
    gdImagePtr empty = gdImageCreate(1, 1);
    EXPECT_FALSE(DibToPaletteImage(Span(bad), empty, 0, 0));
    gdImageDestroy(empty);
  }
}

// Beyond 256 colours a new colour takes the closest entry, not whatever entry 255 holds.
TEST(DibToPaletteImage, ColoursBeyondThePaletteTakeTheClosestEntry) {
  std::string row;
  for (int i = 0; i < 300; ++i) {
    const int red = i < 255 ? i : i - 255;  // later: one blue step off an earlier colour
    row += char(i < 255 ? 0 : 1);
    row += char(0);
    row += char(red);
  }
  const std::string dib = MakeDib(300, 1, 24, {}, row);
  gdImagePtr im = gdImageCreate(300, 1);
  ASSERT_TRUE(DibToPaletteImage(Span(dib), im, 0, 0));
  EXPECT_EQ(gdImageColorsTotal(im), 256);
  for (int x = 0; x < 255; ++x) EXPECT_EQ(gdImageGetPixel(im, x, 0), x + 1);
  for (int x = 255; x < 300; ++x) EXPECT_EQ(gdImageGetPixel(im, x, 0), x - 255 + 1) << x;
  gdImageDestroy(im);
}

TEST(Dib, ColourTableRulesAndTheRasterReadBack) {
  struct Case {
    std::string dib;
    uint32_t colors, tableBytes;
  };
  const std::string core = Bytes().U32(12).U16(2).U16(2).U16(1).U16(8).str();
  for (const Case& c : {Case{core, 256, 768}, Case{MakeDib(1, 1, 8, {}, ""), 256, 1024},
                        Case{MakeDib(1, 1, 8, {1, 2, 3, 4, 5}, ""), 5, 20},
                        Case{MakeDib(1, 1, 4, {}, ""), 16, 64},
                        Case{MakeDib(1, 1, 24, {}, ""), 0, 0},
                        Case{MakeDib(1, 1, 16, {}, "", 3), 0, 12}}) {
    EXPECT_EQ(DibNumColors(Span(c.dib)), c.colors);
    EXPECT_EQ(DibColorTableSize(Span(c.dib)), c.tableBytes);
  }

  gdImagePtr raster = gdImageCreateTrueColor(3, 2);
  gdImageSetPixel(raster, 0, 0, gdTrueColor(0xF8, 0, 0));  // top left red
  gdImageSetPixel(raster, 2, 1, gdTrueColor(0x20, 0x40, 0x60));
  const std::vector<uint8_t> dib = BitmapToDib(raster);
  const std::string bytes(dib.begin(), dib.end());
  EXPECT_EQ(bytes.substr(0, 16), Hex("28000000 03000000 02000000 0100 1800"));
  EXPECT_EQ(bytes.substr(16, 24), std::string(24, '\0'));
  EXPECT_EQ(bytes.substr(40), Hex("000000 000000 604020 000000  0000F8 000000 000000 000000"));
  gdImageDestroy(raster);
}
