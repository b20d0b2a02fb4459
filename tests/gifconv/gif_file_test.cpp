#include "gifconv/gif_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/gifconv/gif_helpers.h"
#include "tests/support/scratch_folder.h"

namespace {

// A palette image of n colours, each used by one pixel.
gdImagePtr ImageOfColors(int n) {
  gdImagePtr im = gdImageCreate(n, 2);
  for (int i = 0; i < n; ++i) gdImageSetPixel(im, i, 1, gdImageColorAllocate(im, i, 255 - i, 7));
  return im;
}

}  // namespace

TEST(WriteGifFile, HeaderSignatureScreenAndColourTable) {
  struct Case {
    int colors;
    bool transparent, interlaced;
    const char* signature;
    int tableBits;
  };
  for (const Case& c : {Case{1, false, false, "GIF87a", 1}, Case{3, false, true, "GIF87a", 2},
                        Case{129, true, false, "GIF89a", 8}, Case{256, true, true, "GIF89a", 8}}) {
    SCOPED_TRACE(c.colors);
    ScratchFolder dir;
    gdImagePtr im = ImageOfColors(c.colors);
    if (c.transparent) gdImageColorTransparent(im, 0);
    gdImageInterlace(im, c.interlaced);
    const std::string path = dir.File("out.gif");
    ASSERT_EQ(WriteGifFile(im, path.c_str()), 1);
    gdImageDestroy(im);

    const std::string gif = ReadAll(path);
    ASSERT_GT(gif.size(), 13u);
    EXPECT_EQ(gif.substr(0, 6), c.signature);
    EXPECT_EQ(uint8_t(gif[6]) | uint8_t(gif[7]) << 8, c.colors);  // logical screen
    EXPECT_EQ(uint8_t(gif[8]) | uint8_t(gif[9]) << 8, 2);
    EXPECT_EQ(uint8_t(gif[10]) & 0x87, 0x80 | (c.tableBits - 1));  // global table of 2^b
    EXPECT_EQ(gif[11], 0);                                          // background index 0
    EXPECT_EQ(gif[12], 0);                                          // no aspect ratio
    const size_t after = 13 + 3 * (size_t(1) << c.tableBits);
    size_t descriptor = after;
    if (c.transparent) {  // graphic control extension: transparency flag, delay 0, index 0
      EXPECT_EQ(gif.substr(after, 4), std::string("\x21\xF9\x04\x01", 4));
      EXPECT_EQ(gif.substr(after + 4, 3), std::string("\0\0\0", 3));
      descriptor += 8;
    }
    ASSERT_EQ(gif[descriptor], ',');
    EXPECT_EQ(gif.substr(descriptor + 1, 8), std::string("\0\0\0\0", 4) + gif.substr(6, 4));
    EXPECT_EQ(uint8_t(gif[descriptor + 9]), c.interlaced ? 0x40 : 0x00);
    EXPECT_EQ(gif.back(), ';');

    const std::string text = GifText(path);
    EXPECT_NE(text.find("BitsPerPixel = " + std::to_string(c.tableBits)), std::string::npos);
    EXPECT_NE(text.find(c.interlaced ? "Image is Interlaced" : "Image is Non Interlaced"),
              std::string::npos) << text;
    EXPECT_EQ(text.find("Transparency on: yes") != std::string::npos, c.transparent);
    EXPECT_NE(text.find("terminated normally"), std::string::npos);
  }
}

TEST(WriteGifFile, RefusesWhatCannotBeWrittenAndKeepsOldFiles) {
  ScratchFolder dir;
  gdImagePtr im = ImageOfColors(2);
  const std::string old = dir.File("old.gif");
  WriteAll(old, "old bytes");
  ::chmod(old.c_str(), 0444);
  EXPECT_EQ(WriteGifFile(im, dir.path().c_str()), 0);                      // a directory
  EXPECT_EQ(WriteGifFile(im, old.c_str()), 0);                              // read-only
  EXPECT_EQ(WriteGifFile(im, dir.File("missing/out.gif").c_str()), 0);      // no such folder
  EXPECT_EQ(WriteGifFile(im, nullptr), 0);
  EXPECT_EQ(ReadAll(old), "old bytes");

  // A path is the file system's bytes: UTF-8 names are kept as they are.
  const std::string utf8 = dir.File("\xc3\xa9t\xc3\xa9.gif");
  EXPECT_EQ(WriteGifFile(im, utf8.c_str()), 1);
  EXPECT_EQ(ReadAll(utf8).substr(0, 6), "GIF87a");
  gdImageDestroy(im);
}
