#include "gifconv/corvid32.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "tests/gifconv/gif_helpers.h"
#include "platform/paths.h"
#include "tests/support/scratch_folder.h"

namespace {
std::atomic<size_t> gLargestAllocation{0};
}  // namespace

// The largest single allocation of this test program is kept (it goes on to malloc as usual),
// so that a test can tell that a claimed size was never allocated. GCC takes the free() of the
// replacing deletes for a mismatch with the standard operator new once they are inlined; these
// are the matching pair.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
  size_t seen = gLargestAllocation.load(std::memory_order_relaxed);
  while (size > seen && !gLargestAllocation.compare_exchange_weak(seen, size)) {
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// A small picture: a blue filled rectangle in the middle of the box.
WmfBuilder Picture(int w, int h) {
  WmfBuilder b;
  b.SetWindowOrg(0, 0).SetWindowExt(w, h).CreatePen(5, 0, 0).CreateBrush(0, 0xFF0000);
  return b.Select(0).Select(1).Rectangle(w / 4, h / 4, 3 * w / 4, 3 * h / 4);
}

std::string EmfPicture(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return EmfBuilder().CreateBrush(1, 0, 0x00FF00).Select(1).Ellipse(0, 0, 10, 10)
      .Bytes(left, top, right, bottom);
}

int ScreenWidth(const std::string& gif) { return uint8_t(gif[6]) | uint8_t(gif[7]) << 8; }
int ScreenHeight(const std::string& gif) { return uint8_t(gif[8]) | uint8_t(gif[9]) << 8; }

class Exports : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = dir.File(name);
    WriteAll(path, bytes);
    return path;
  }
  int32_t Convert(const std::string& bytes, int wp = 100, int hp = 100, uint32_t flags = 0,
                  uint32_t color = 0) {
    const std::string in = Write("in.mf", bytes);
    return CorvidEx(in.c_str(), gif.c_str(), wp, hp, flags, color);
  }
  ScratchFolder dir;
  std::string gif = dir.File("out.gif");
};

}  // namespace

TEST_F(Exports, SizesFollowTheBoxResolutionAndPercentages) {
  struct Case {
    const char* name;
    std::string file;
    int wp, hp, width, height;
  };
  const Case cases[] = {
      {"2 inches at 100 %", Picture(100, 50).Placeable(0, 0, 1152, 576, 576), 100, 100, 192, 96},
      {"2 inches at 50 %", Picture(100, 50).Placeable(0, 0, 1152, 576, 576), 50, 50, 96, 48},
      {"units per inch 0 is 575", Picture(100, 50).Placeable(0, 0, 1150, 575, 0), 100, 100, 192,
       96},
      {"576 per inch is not 575", Picture(100, 50).Placeable(0, 0, 1150, 575, 576), 100, 100,
       191, 95},
      {"negative box corner", Picture(100, 50).Placeable(-96, -48, 96, 48, 96), 100, 200, 192,
       192},
      {"enhanced: bounds, no +1", EmfPicture(0, 0, 99, 49), 100, 100, 99, 49},
      {"enhanced: low 16 bits", EmfPicture(0x1FFF6, 0, 20, 10), 100, 300, 30, 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(Convert(c.file, c.wp, c.hp), 1);
    const std::string out = ReadAll(gif);
    EXPECT_EQ(ScreenWidth(out), c.width);
    EXPECT_EQ(ScreenHeight(out), c.height);
    EXPECT_NE(GifText(gif).find("terminated normally"), std::string::npos);
  }
  EXPECT_EQ(Corvid(Write("c.wmf", cases[0].file).c_str(), gif.c_str(), 100, 100), 1);
}

TEST_F(Exports, SizesThatCannotBeMadeGiveZeroAndNoFile) {
  struct Case {
    const char* name;
    std::string file;
    int wp, hp;
  };
  const Case cases[] = {
      {"reversed box", Picture(10, 10).Placeable(100, 0, 0, 100, 96), 100, 100},
      {"zero percent", Picture(10, 10).Placeable(0, 0, 100, 100, 96), 0, 100},
      {"negative percent", Picture(10, 10).Placeable(0, 0, 100, 100, 96), 100, -50},
      {"empty box", Picture(10, 10).Placeable(0, 0, 0, 100, 96), 100, 100},
      {"side above 16384", Picture(10, 10).Placeable(0, 0, 100, 100, 96), 16385, 100},
      {"percent that would wrap", Picture(10, 10).Placeable(0, 0, 100, 100, 96), 0x7FFFFFFF, 1},
      {"more than 32 M pixels", Picture(10, 10).Placeable(0, 0, 100, 100, 96), 8000, 8000},
      {"enhanced, reversed", EmfPicture(50, 0, 10, 10), 100, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Convert(c.file, c.wp, c.hp), 0);
    EXPECT_FALSE(PathIsRegularFile(gif));
  }
}

TEST_F(Exports, FilesThatAreNoMetafileAndGifPathsThatCannotBeWritten) {
  const std::string wmf = Picture(10, 10).Placeable(0, 0, 96, 96, 96);
  EXPECT_EQ(Convert(Picture(10, 10).Standard()), -1);  // no placeable key
  EXPECT_EQ(Convert("GIF89a short"), -1);
  EXPECT_EQ(CorvidEx(dir.File("none.wmf").c_str(), gif.c_str(), 100, 100, 0, 0), -1);
  EXPECT_EQ(CorvidEx(nullptr, gif.c_str(), 100, 100, 0, 0), -1);

  const std::string in = Write("in.wmf", wmf);
  EXPECT_EQ(CorvidEx(in.c_str(), dir.File("missing/out.gif").c_str(), 100, 100, 0, 0), -2);
  EXPECT_EQ(CorvidEx(in.c_str(), dir.path().c_str(), 100, 100, 0, 0), -2);
  EXPECT_EQ(CorvidEx(in.c_str(), nullptr, 100, 100, 0, 0), -2);
}

TEST_F(Exports, PathsThatAreNoRegularFileGiveMinusOneAtOnce) {
  // A FIFO with no writer would block a reading open for ever; a device reads without end.
  const std::string fifo = dir.File("pipe.wmf");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, dir.path(), std::string("/dev/zero")}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(Corvid(path.c_str(), gif.c_str(), 100, 100), -1);
    EXPECT_EQ(CorvidEx(path.c_str(), gif.c_str(), 100, 100, 0, 0), -1);
    EXPECT_FALSE(PathIsRegularFile(gif));
  }
}

TEST_F(Exports, UntrustedSizesAndRecordsMakeTheFileUnloadable) {
  // The placeable size field sits at byte 28 (offset 6 of the standard header).
  auto withSizeField = [](std::string file, uint32_t words) {
    for (int i = 0; i < 4; ++i) file[size_t(28 + i)] = char(words >> (8 * i));
    return file;
  };
  const std::string wmf = Picture(10, 10).Placeable(0, 0, 96, 96, 96);
  const uint32_t words = uint32_t((wmf.size() - 22) / 2);
  WmfBuilder tooMany;
  tooMany.RawRecord(0x0325, Bytes().U16(50).U16(1).U16(1).str());  // 50 points, 1 given
  WmfBuilder shortRecord;
  shortRecord.RawRecord(0x0213, "");
  std::string shortWmf = shortRecord.Placeable(0, 0, 96, 96, 96);
  shortWmf[22 + 18] = 2;  // a record of 2 words
  std::string pastEnd = Picture(10, 10).Placeable(0, 0, 96, 96, 96);
  pastEnd[22 + 18] = char(0xF0);  // the first record claims more than there is
  std::string zeroRecord = Picture(10, 10).Placeable(0, 0, 96, 96, 96);
  zeroRecord[22 + 18] = 0;

  const std::string emf = EmfPicture(0, 0, 20, 20);
  auto emfWith = [&](size_t at, uint32_t v) {
    std::string e = emf;
    for (int i = 0; i < 4; ++i) e[at + size_t(i)] = char(v >> (8 * i));
    return e;
  };
  const std::string manyPoints =
      EmfBuilder().Record(3, {0, 0, 0, 0, 1000, 1, 1}).Bytes(0, 0, 20, 20);

  struct Case {
    const char* name;
    std::string file;
  };
  const Case cases[] = {
      {"size field 0xFFFFFFFF words", withSizeField(wmf, 0xFFFFFFFF)},
      {"size field below 9 words", withSizeField(wmf, 8)},
      {"size field one word beyond the file", withSizeField(wmf, words + 1)},
      {"count beyond its record", tooMany.Placeable(0, 0, 96, 96, 96)},
      {"record under 3 words", shortWmf},
      {"record past the end", pastEnd},
      {"record of 0 words", zeroRecord},
      {"enhanced: byte count beyond the file", emfWith(48, uint32_t(emf.size() + 4))},
      {"enhanced: record under 8 bytes", emfWith(108 + 4, 4)},
      {"enhanced: record size not a multiple of 4", emfWith(108 + 4, 30)},
      {"enhanced: record past the byte count", emfWith(108 + 4, 0x1000)},
      {"enhanced: record of 0 bytes", emfWith(108 + 4, 0)},
      {"enhanced: count beyond its record", manyPoints},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteAll(gif, "old");
    const std::string in = Write("in.mf", c.file);
    gLargestAllocation = 0;
    EXPECT_EQ(CorvidEx(in.c_str(), gif.c_str(), 100, 100, 0, 0), -3);
    // Nothing of a claimed size is allocated: no block beyond a few times the file's size.
    EXPECT_LE(gLargestAllocation.load(), 4 * c.file.size() + 4096);
    EXPECT_EQ(ReadAll(gif), "old");
  }
  EXPECT_EQ(Convert(wmf), 1);  // the unchanged file converts
}

TEST_F(Exports, TransparentWhiteByTheFlagAlone) {
  ASSERT_EQ(Convert(Picture(10, 10).Placeable(0, 0, 40, 40, 96), 100, 100, FLAG_TRANSPARENT,
                    0x0000FF),
            1);
  const std::string text = GifText(gif);
  EXPECT_NE(text.find("Transparency on: yes"), std::string::npos) << text;
  EXPECT_NE(text.find("Transparent Index: 0"), std::string::npos);
  const std::string out = ReadAll(gif);
  EXPECT_EQ(out.substr(13, 3), "\xFF\xFF\xFF");  // entry 0 is white, not the caller's red
  const DecodedGif pixels = DecodeGif(gif);
  ASSERT_EQ(pixels.width, 40);
  EXPECT_EQ(pixels.At(1, 1), 0xFFFFFFu);
  EXPECT_EQ(pixels.At(20, 20), 0xFF0000u);

  ASSERT_EQ(Convert(Picture(10, 10).Placeable(0, 0, 40, 40, 96), 100, 100,
                    FLAG_BACKGROUND_COLOR | FLAG_INTERLACE, 0x00FFFF),
            1);
  EXPECT_EQ(DecodeGif(gif).At(1, 1), 0x00FFFFu);
  EXPECT_NE(GifText(gif).find("Image is Interlaced"), std::string::npos);
}

TEST_F(Exports, HandlesOfEveryKind) {
  const CorvidRect rect{10, 20, 14, 22};  // a 4 x 2 raster wherever the corner lies
  // Two pixels, red and blue, stretched nearest-pixel over the whole raster.
  const std::string dib = MakeDib(2, 1, 24, {}, std::string("\0\0\xFF\xFF\0\0\0\0", 8));
  const std::string before = dib;
  CorvidHandle bitmap{CORVID_OBJ_BITMAP, dib.data(), dib.size()};
  ASSERT_EQ(CorvidPic(&bitmap, gif.c_str(), &rect, 0, 0), 1);
  DecodedGif out = DecodeGif(gif);
  ASSERT_EQ(out.width, 4);
  ASSERT_EQ(out.height, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(out.At(x, y), x < 2 ? 0x0000FFu : 0xFF0000u);

  CorvidHandle brush{CORVID_OBJ_BRUSH, dib.data(), dib.size()};
  EXPECT_EQ(CorvidPic(&brush, gif.c_str(), &rect, 0, 0), -5);
  EXPECT_EQ(CorvidPic(nullptr, gif.c_str(), &rect, 0, 0), -5);
  EXPECT_EQ(CorvidPic(&bitmap, gif.c_str(), nullptr, 0, 0), 0);
  EXPECT_EQ(CorvidPic(&bitmap, nullptr, &rect, 0, 0), -2);
  EXPECT_EQ(dib, before);  // the caller's bytes are never changed

  const std::string wmf = Picture(40, 20).Standard();
  const std::string emf = EmfPicture(0, 0, 10, 10);
  const CorvidRect big{-5, -5, 35, 15};
  for (const CorvidHandle& h : {CorvidHandle{CORVID_OBJ_METAFILE, wmf.data(), wmf.size()},
                                CorvidHandle{CORVID_OBJ_ENHMETAFILE, emf.data(), emf.size()}}) {
    SCOPED_TRACE(h.kind);
    ASSERT_EQ(CorvidPic(&h, gif.c_str(), &big, FLAG_BACKGROUND_COLOR, 0x000080), 1);
    out = DecodeGif(gif);
    ASSERT_EQ(out.width, 40);
    EXPECT_EQ(out.At(0, 0), 0x000080u);    // background from the raster's corner on
    EXPECT_NE(out.At(20, 10), 0x000080u);  // the picture's middle is drawn
    CorvidHandle truncated = h;
    truncated.size -= 8;
    EXPECT_EQ(CorvidPic(&truncated, gif.c_str(), &big, 0, 0), -3);
    CorvidHandle none{h.kind, nullptr, 100};
    EXPECT_EQ(CorvidPic(&none, gif.c_str(), &big, 0, 0), -3);
  }
}

TEST_F(Exports, EnhancedFramesOtherThanTheBoundsDoNotStretchTheDrawing) {
  // A square of 30 pixels at (10, 10) in bounds of 100 x 50; the frame (hundredths of a
  // millimetre at 96 dpi, header offset 24) is twice the bounds, then twice their width only.
  const std::string emf = EmfBuilder().CreateBrush(1, 0, 0x0000FF).Select(1)
                              .Rectangle(10, 10, 40, 40).Bytes(0, 0, 100, 50);
  auto withFrame = [&](int32_t right, int32_t bottom) {
    std::string e = emf;
    const int32_t frame[4] = {0, 0, right * 2540 / 96, bottom * 2540 / 96};
    for (int f = 0; f < 4; ++f)
      for (int i = 0; i < 4; ++i) e[size_t(24 + 4 * f + i)] = char(uint32_t(frame[f]) >> (8 * i));
    return e;
  };
  struct Square {
    int left, top, side;
  };
  std::optional<Square> first;
  for (const auto& [name, file] : {std::pair{"frame as the bounds", emf},
                                   std::pair{"frame twice the bounds", withFrame(200, 100)},
                                   std::pair{"frame twice as wide", withFrame(200, 50)}}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(Convert(file), 1);
    const DecodedGif g = DecodeGif(gif);
    ASSERT_EQ(g.width, 100);
    ASSERT_EQ(g.height, 50);
    int left = g.width, right = -1, top = g.height, bottom = -1;
    for (int y = 0; y < g.height; ++y)
      for (int x = 0; x < g.width; ++x)
        if (g.At(x, y) == 0x0000FFu) {
          left = std::min(left, x), right = std::max(right, x);
          top = std::min(top, y), bottom = std::max(bottom, y);
        }
    EXPECT_NEAR(right - left, bottom - top, 1);  // square
    // Where and how large it is with a frame that matches the bounds.
    if (!first) first = {left, top, right - left};
    EXPECT_NEAR(left, first->left, 1);
    EXPECT_NEAR(top, first->top, 1);
    EXPECT_NEAR(right - left, first->side, 1);
  }
}

TEST_F(Exports, APrinterReferencedEnhancedMetafileGivesTheRasterOfItsPlaceableTwin) {
  // The same 2 x 1 inch drawing: an enhanced metafile made for a 600-dpi printer (A4 of
  // 4960 x 7016 pixels, header offsets 72 and 80), its bounds and records in printer pixels, and
  // a placeable metafile of 1200 x 600 units at 600 per inch.
  std::string emf = EmfBuilder().CreateBrush(1, 0, 0x0000FF).Select(1)
                        .Rectangle(300, 150, 900, 450).Bytes(0, 0, 1200, 600);
  const int32_t reference[4] = {4960, 7016, 210, 297};
  for (int f = 0; f < 4; ++f)
    for (int i = 0; i < 4; ++i) emf[size_t(72 + 4 * f + i)] = char(uint32_t(reference[f]) >> (8 * i));
  WmfBuilder wmf;
  wmf.SetWindowOrg(0, 0).SetWindowExt(1200, 600).CreatePen(5, 0, 0).CreateBrush(0, 0x0000FF);
  wmf.Select(0).Select(1).Rectangle(300, 150, 900, 450);

  std::vector<DecodedGif> out;
  for (const std::string& file : {emf, wmf.Placeable(0, 0, 1200, 600, 600)}) {
    ASSERT_EQ(Convert(file), 1);
    out.push_back(DecodeGif(gif));
  }
  EXPECT_NEAR(out[0].width, 192, 1);
  EXPECT_NEAR(out[0].height, 96, 1);
  EXPECT_NEAR(out[0].width, out[1].width, 1);
  EXPECT_NEAR(out[0].height, out[1].height, 1);
  for (int x : {40, 50, 140, 150})
    for (int y : {20, 30, 66, 76}) {
      const bool inside = x > 48 && x < 144 && y > 24 && y < 72;
      EXPECT_EQ(out[0].At(x, y) == 0x0000FFu, inside) << x << ", " << y;
      EXPECT_EQ(out[1].At(x, y) == 0x0000FFu, inside) << x << ", " << y;
    }
}
