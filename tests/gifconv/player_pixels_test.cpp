// Metafiles drawn by the converter and checked by their pixels against the drawing's known
// geometry: files another program wrote (tests/gifconv/fixtures/office, made by
// make_fixtures.sh there) and small hand-built ones for the records those do not use.
#include <gtest/gtest.h>

#include <bit>

#include "gifconv/corvid32.h"
#include "platform/gdi/metafile_player.h"
#include "platform/gdi/recording_device.h"
#include "platform/gdi/wmf_reader.h"
#include "tests/gifconv/gif_helpers.h"
#include "tests/support/scratch_folder.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0, kRed = 0x0000FF, kBlue = 0xFF0000;

std::string OfficeFixture(const std::string& name) {
  return std::string(KAVO_GIFCONV_FIXTURES) + "/office/" + name;
}

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive
  bool empty() const { return right < left; }
  int cx() const { return (left + right) / 2; }
  int cy() const { return (top + bottom) / 2; }
};

// The pixels of one colour: their bounding box.
Box BoxOf(const DecodedGif& g, uint32_t color) {
  Box b;
  for (int y = 0; y < g.height; ++y)
    for (int x = 0; x < g.width; ++x)
      if (g.At(x, y) == color) {
        b.left = std::min(b.left, x), b.right = std::max(b.right, x);
        b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
      }
  return b;
}

// Runs of the colour along a row (or a column), from a to b inclusive.
int RunsInRow(const DecodedGif& g, int y, int a, int b, uint32_t color) {
  int runs = 0;
  bool in = false;
  for (int x = a; x <= b; ++x) {
    const bool is = g.At(x, y) == color;
    runs += is && !in;
    in = is;
  }
  return runs;
}
int RunsInColumn(const DecodedGif& g, int x, int a, int b, uint32_t color) {
  int runs = 0;
  bool in = false;
  for (int y = a; y <= b; ++y) {
    const bool is = g.At(x, y) == color;
    runs += is && !in;
    in = is;
  }
  return runs;
}
int Count(const DecodedGif& g, uint32_t color) {
  int n = 0;
  for (uint32_t p : g.pixels) n += p == color;
  return n;
}

class PlayerPixels : public ::testing::Test {
 protected:
  DecodedGif ConvertPath(const std::string& path, int32_t expected = 1) {
    EXPECT_EQ(Corvid(path.c_str(), gif.c_str(), 100, 100), expected) << path;
    return DecodeGif(gif);
  }
  DecodedGif Convert(const std::string& bytes, int32_t expected = 1) {
    const std::string path = dir.File("in.mf");
    WriteAll(path, bytes);
    return ConvertPath(path, expected);
  }
  // A 100 x 100 pixel enhanced metafile, one logical unit per pixel.
  DecodedGif Emf(const EmfBuilder& b) { return Convert(b.Bytes(0, 0, 100, 100)); }
  ScratchFolder dir;
  std::string gif = dir.File("out.gif");
};

uint32_t FloatBits(float f) { return std::bit_cast<uint32_t>(f); }

}  // namespace

// Drawings another program wrote, in both formats: the office suite's own records (paths with
// Bezier curves, dashes cut into pieces, hatches as lines, Greek text in a Greek font).
TEST_F(PlayerPixels, FilesOfAnotherProducerDrawTheirGeometry) {
  for (const char* format : {".emf", ".wmf"}) {
    SCOPED_TRACE(format);
    {
      SCOPED_TRACE("even-odd square with a hole; winding square without");
      const DecodedGif g = ConvertPath(OfficeFixture(std::string("holes") + format));
      ASSERT_GT(g.width, 0);
      const Box blue = BoxOf(g, kBlue), red = BoxOf(g, kRed);
      ASSERT_FALSE(blue.empty() || red.empty());
      EXPECT_EQ(g.At(blue.cx(), blue.cy()), kWhite) << "the hole stays empty";
      EXPECT_EQ(g.At(blue.left + (blue.right - blue.left) / 8, blue.cy()), kBlue);
      EXPECT_EQ(g.At(red.cx(), red.cy()), kRed) << "the same ring filled by winding";
    }
    {
      SCOPED_TRACE("a Bezier arch");
      const DecodedGif g = ConvertPath(OfficeFixture(std::string("curve") + format));
      const Box ink = BoxOf(g, kBlack);
      ASSERT_FALSE(ink.empty());
      // The apex: the top row's ink lies in the middle; the ends reach the bottom corners.
      const int w = ink.right - ink.left;
      EXPECT_EQ(RunsInRow(g, ink.top, ink.left + 3 * w / 8, ink.left + 5 * w / 8, kBlack), 1);
      EXPECT_EQ(RunsInRow(g, ink.top, ink.left, ink.left + w / 4, kBlack), 0);
      int leftEnd = 0, rightEnd = 0;
      for (int y = ink.bottom - 2; y <= ink.bottom; ++y) {
        leftEnd += RunsInRow(g, y, ink.left, ink.left + w / 8, kBlack);
        rightEnd += RunsInRow(g, y, ink.right - w / 8, ink.right, kBlack);
      }
      EXPECT_GT(leftEnd, 0);
      EXPECT_GT(rightEnd, 0);
      EXPECT_EQ(g.At(ink.cx(), ink.cy()), kWhite) << "a stroke, not a filled shape";
    }
    {
      SCOPED_TRACE("dashed and dotted lines");
      const DecodedGif g = ConvertPath(OfficeFixture(std::string("dashes") + format));
      const Box dash = BoxOf(g, kBlack), dot = BoxOf(g, 0x008000);
      ASSERT_FALSE(dash.empty() || dot.empty());
      EXPECT_GE(RunsInRow(g, dash.cy(), 0, g.width - 1, kBlack), 8);
      EXPECT_GE(RunsInRow(g, dot.cy(), 0, g.width - 1, 0x008000), 12);
    }
    {
      SCOPED_TRACE("a hatched ellipse");
      const DecodedGif g = ConvertPath(OfficeFixture(std::string("hatch") + format));
      const Box ink = BoxOf(g, kBlack);
      ASSERT_FALSE(ink.empty());
      EXPECT_GE(RunsInColumn(g, ink.cx(), ink.top, ink.bottom, kBlack), 8) << "lines and gaps";
      EXPECT_EQ(g.At(ink.left + 2, ink.top + 2), kWhite) << "the ellipse's corner is outside";
    }
    {
      SCOPED_TRACE("a filled circle and an outlined ellipse");
      const DecodedGif g = ConvertPath(OfficeFixture(std::string("shapes") + format));
      const Box green = BoxOf(g, 0x00C000), yellow = BoxOf(g, 0x00FFFF);
      ASSERT_FALSE(green.empty() || yellow.empty());
      EXPECT_EQ(g.At(green.cx(), green.cy()), 0x00C000u);
      EXPECT_EQ(g.At(green.left + 1, green.top + 1), kWhite) << "round, not square";
      EXPECT_EQ(g.At(yellow.cx(), yellow.cy()), 0x00FFFFu);
      EXPECT_GT(RunsInRow(g, yellow.cy(), 0, yellow.left, 0x000080), 0) << "the outline";
    }
    {
      SCOPED_TRACE("rotated text");
      const DecodedGif g = ConvertPath(OfficeFixture(std::string("text") + format));
      const Box ppm = BoxOf(g, kBlue);
      ASSERT_FALSE(ppm.empty());
      EXPECT_GT(ppm.bottom - ppm.top, 2 * (ppm.right - ppm.left)) << "reads upward";
      EXPECT_GT(Count(g, kBlack), 100);
    }
  }
}

// The Greek letters of the office suite's Windows metafile are in a Greek font's 8-bit code.
TEST_F(PlayerPixels, TextOfAnotherProducerKeepsItsLetters) {
  const std::string bytes = ReadAll(OfficeFixture("text.wmf"));
  const auto picture = ReadWindowsMetafile(
      {reinterpret_cast<const uint8_t*>(bytes.data()) + 22, bytes.size() - 22});
  ASSERT_TRUE(picture);
  RecordingDevice device;
  MetafilePlaybackState state;
  PlayMetafile(*picture, state, device);
  const std::vector<std::string> texts = device.Calls("Text ");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_NE(texts[0].find("\xce\xb4\xce\xbd Hz"), std::string::npos) << texts[0];
  EXPECT_NE(texts[1].find("ppm"), std::string::npos);
}

TEST_F(PlayerPixels, HatchBrushesDrawLinesInTheBrushColourOverTheBackgroundMode) {
  struct Case {
    const char* name;
    int hatch;
    int bkMode;
    bool rows, columns;  // whole rows / columns of the brush colour
  };
  const Case cases[] = {
      {"horizontal, transparent", 0, 1, true, false},
      {"vertical, opaque", 1, 2, false, true},
      {"cross, opaque", 4, 2, true, true},
      {"forward diagonal, transparent", 2, 1, false, false},
      {"diagonal cross, opaque", 5, 2, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EmfBuilder b;
    b.SetBkMode(c.bkMode).SetBkColor(kRed).Select(0x80000008);
    b.CreateBrush(1, 2, kBlue, c.hatch).Select(1).Rectangle(10, 10, 90, 90);
    const DecodedGif g = Emf(b);
    ASSERT_GT(g.width, 0);
    const uint32_t gap = c.bkMode == 2 ? kRed : kWhite;
    int fullRows = 0, fullColumns = 0, blue = 0, gaps = 0;
    for (int i = 20; i < 80; ++i) {
      fullRows += RunsInRow(g, i, 20, 79, kBlue) == 1 && g.At(20, i) == kBlue && g.At(79, i) == kBlue;
      fullColumns += RunsInColumn(g, i, 20, 79, kBlue) == 1 && g.At(i, 20) == kBlue &&
                     g.At(i, 79) == kBlue;
      for (int j = 20; j < 80; ++j) blue += g.At(i, j) == kBlue, gaps += g.At(i, j) == gap;
    }
    EXPECT_EQ(fullRows > 0, c.rows);
    EXPECT_EQ(fullColumns > 0, c.columns);
    EXPECT_GT(blue, 200);
    EXPECT_EQ(blue + gaps, 60 * 60) << "lines in the brush colour, gaps in the background";
    EXPECT_EQ(g.At(5, 5), kWhite);
  }
}

TEST_F(PlayerPixels, PenStylesHaveTheirGaps) {
  struct Case {
    const char* name;
    int style, width;
    int minRuns, maxRuns;
  };
  const Case cases[] = {
      {"solid", 0, 1, 1, 1},
      {"dash", 1, 1, 3, 5},          // 18 on, 6 off over 80 pixels
      {"dot", 2, 1, 12, 15},         // 3 on, 3 off
      {"dash dot", 3, 1, 6, 8},
      {"dash dot dot", 4, 1, 8, 11},
      {"dashed but wide: solid", 1, 3, 1, 1},
      {"null", 5, 1, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WmfBuilder b;
    b.SetMapMode(8).SetWindowOrg(0, 0).SetWindowExt(100, 100);
    b.CreatePen(c.style, c.width, 0).Select(0).MoveTo(10, 50).LineTo(90, 50);
    const DecodedGif g = Convert(b.Placeable(0, 0, 100, 100, 96));
    ASSERT_GT(g.width, 0);
    const int runs = RunsInRow(g, 50, 0, 99, kBlack);
    EXPECT_GE(runs, c.minRuns);
    EXPECT_LE(runs, c.maxRuns);
  }
}

TEST_F(PlayerPixels, ExtendedPensHaveTheirEndsAndCorners) {
  // An 11-pixel geometric pen: a line from (20, 50) to (80, 50) and a corner at (60, 20).
  struct Case {
    const char* name;
    uint32_t style;
    bool beyondEnd, endCorner, miterTip, nearCorner;
  };
  const Case cases[] = {
      {"round ends and corners", 0x10000, true, false, false, true},
      {"square ends, bevelled corners", 0x10000 | 0x100 | 0x1000, true, true, false, false},
      {"flat ends, mitred corners", 0x10000 | 0x200 | 0x2000, false, false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EmfBuilder b;
    b.Record(95, {2, 0, 0, 0, 0, c.style, 11, 0, kBlack, 0, 0}).Select(2);
    b.MoveTo(20, 50).LineTo(80, 50);
    b.Poly(4, {{20, 20}, {60, 20}, {60, 40}});
    const DecodedGif g = Emf(b);
    ASSERT_GT(g.width, 0);
    EXPECT_EQ(g.At(50, 54), kBlack) << "the width";
    EXPECT_EQ(g.At(17, 50) == kBlack, c.beyondEnd);
    EXPECT_EQ(g.At(15, 45) == kBlack, c.endCorner);
    EXPECT_EQ(g.At(64, 16) == kBlack, c.miterTip);
    EXPECT_EQ(g.At(63, 17) == kBlack, c.nearCorner);
  }
}

TEST_F(PlayerPixels, ArcsFollowTheirDirection) {
  // Box 10..90 around (50, 50); from the radial at 3 o'clock to the one at 9 o'clock.
  struct Case {
    const char* name;
    uint32_t type;
    int direction;  // 1 counter-clockwise, 2 clockwise
    int inkX, inkY, emptyX, emptyY;
  };
  const Case cases[] = {
      {"arc, counter-clockwise: the upper half", 45, 1, 50, 10, 50, 89},
      {"arc, clockwise: the lower half", 45, 2, 50, 89, 50, 10},
      {"pie, a filled upper half", 47, 1, 50, 30, 50, 70},
      {"chord, clockwise: a filled lower half", 46, 2, 50, 70, 50, 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EmfBuilder b;
    b.CreateBrush(1, 0, kBlack).Select(1).Record(57, {c.direction});
    b.Record(c.type, {10, 10, 90, 90, 90, 50, 10, 50});
    const DecodedGif g = Emf(b);
    ASSERT_GT(g.width, 0);
    bool ink = false;
    for (int d = -1; d <= 1; ++d) ink = ink || g.At(c.inkX, c.inkY + d) == kBlack;
    EXPECT_TRUE(ink);
    EXPECT_EQ(g.At(c.emptyX, c.emptyY), kWhite);
  }
  // An angle arc: a line from the current position to the arc's start, then a quarter arc.
  EmfBuilder b;
  b.MoveTo(50, 50).Record(41, {50, 50, 40, FloatBits(0), FloatBits(90)});
  const DecodedGif g = Emf(b);
  EXPECT_EQ(g.At(70, 50), kBlack) << "the line to the start";
  EXPECT_EQ(g.At(50, 10), kBlack) << "the arc's end";
  EXPECT_EQ(g.At(50, 90), kWhite);
  const Box ink = BoxOf(g, kBlack);
  EXPECT_GE(ink.top, 9);
  EXPECT_LE(ink.bottom, 51);
}

TEST_F(PlayerPixels, CurvesAndPathsDrawTheirShapes) {
  {
    SCOPED_TRACE("a Bezier passes its apex");
    EmfBuilder b;
    b.Poly(85, {{10, 90}, {10, 10}, {90, 10}, {90, 90}});  // 16-bit Bezier
    const DecodedGif g = Emf(b);
    const Box ink = BoxOf(g, kBlack);
    EXPECT_NEAR(ink.top, 30, 1);
    EXPECT_EQ(RunsInRow(g, ink.top, 0, 99, kBlack), 1);
    EXPECT_EQ(g.At(50, 60), kWhite);
  }
  {
    SCOPED_TRACE("poly-draw: a move, a line, a curve closed back to the start");
    EmfBuilder b;
    // Points (32-bit) then their types: move, line, three Bezier points, the last closing.
    b.RawRecord(56, Bytes().U32(0).U32(0).U32(0).U32(0).U32(5)
                        .U32(10).U32(90).U32(90).U32(90).U32(90).U32(10).U32(10).U32(10)
                        .U32(10).U32(50)
                        .U8(6).U8(2).U8(4).U8(4).U8(4 | 1).U8(0).U8(0).U8(0).str());
    const DecodedGif g = Emf(b);
    EXPECT_EQ(g.At(50, 90), kBlack) << "the line";
    EXPECT_EQ(RunsInColumn(g, 10, 55, 89, kBlack), 1) << "closed back to the start";
  }
  {
    SCOPED_TRACE("a path of two rings filled by the alternate rule keeps its hole");
    EmfBuilder b;
    b.CreateBrush(1, 0, kBlue).Select(1).Select(0x80000008).Record(59, {});
    b.Poly(86, {{10, 10}, {90, 10}, {90, 90}, {10, 90}});
    b.Poly(86, {{30, 30}, {70, 30}, {70, 70}, {30, 70}});
    b.Record(60, {}).Record(62, {0, 0, 100, 100});
    const DecodedGif g = Emf(b);
    EXPECT_EQ(g.At(20, 50), kBlue);
    EXPECT_EQ(g.At(50, 50), kWhite);
  }
  {
    SCOPED_TRACE("a star: the alternate rule leaves its middle, winding fills it");
    for (int mode : {1, 2}) {
      EmfBuilder b;
      b.CreateBrush(1, 0, kBlue).Select(1).Select(0x80000008).Record(19, {mode});
      b.Poly(86, {{50, 5}, {77, 90}, {5, 35}, {95, 35}, {23, 90}});
      const DecodedGif g = Emf(b);
      EXPECT_EQ(g.At(50, 50), mode == 1 ? kWhite : kBlue) << mode;
      EXPECT_EQ(g.At(50, 15), kBlue);
    }
  }
  {
    SCOPED_TRACE("stroked and widened paths");
    EmfBuilder b;
    b.CreatePen(2, 0, 9, kBlue).Select(2).CreateBrush(1, 0, kRed).Select(1);
    b.Record(59, {}).MoveTo(10, 50).LineTo(90, 50);
    b.Record(60, {}).Record(66, {}).Record(62, {0, 0, 100, 100});  // widened, then filled
    const DecodedGif g = Emf(b);
    EXPECT_EQ(g.At(50, 46), kRed);
    EXPECT_EQ(g.At(50, 54), kRed);
    EXPECT_EQ(g.At(50, 60), kWhite);
  }
}

TEST_F(PlayerPixels, ClippingLimitsEveryKindOfDrawing) {
  auto redSquare = [](EmfBuilder& b) {
    b.CreateBrush(1, 0, kRed).Select(1).Select(0x80000008).Rectangle(0, 0, 100, 100);
  };
  {
    SCOPED_TRACE("intersect, then a saved state's exclusion undone by its restore");
    EmfBuilder b;
    b.Record(30, {0, 0, 50, 100}).SaveDc().Record(29, {0, 0, 20, 100}).RestoreDc(-1);
    redSquare(b);
    const DecodedGif g = Emf(b);
    EXPECT_EQ(g.At(10, 50), kRed);
    EXPECT_EQ(g.At(40, 50), kRed);
    EXPECT_EQ(g.At(60, 50), kWhite);
  }
  {
    SCOPED_TRACE("a region of two rectangles, moved by an offset");
    EmfBuilder b;
    b.RawRecord(75, Bytes().U32(64).U32(5).U32(32).U32(1).U32(2).U32(32).U32(0).U32(0)
                        .U32(100).U32(100).U32(0).U32(0).U32(10).U32(10).U32(50).U32(50)
                        .U32(60).U32(60).str());
    b.Record(26, {5, 0});
    redSquare(b);
    const DecodedGif g = Emf(b);
    EXPECT_EQ(g.At(8, 5), kRed);
    EXPECT_EQ(g.At(3, 5), kWhite);
    EXPECT_EQ(g.At(60, 55), kRed);
    EXPECT_EQ(g.At(30, 30), kWhite);
  }
  {
    SCOPED_TRACE("a clip path");
    EmfBuilder b;
    b.Record(59, {}).Ellipse(20, 20, 80, 80).Record(60, {}).Record(67, {5});
    redSquare(b);
    const DecodedGif g = Emf(b);
    EXPECT_EQ(g.At(50, 50), kRed);
    EXPECT_EQ(g.At(22, 22), kWhite);
  }
  {
    SCOPED_TRACE("clipped text stops at its rectangle; lines and ellipses at the clip");
    EmfBuilder b;
    b.CreateFont(2, -40, 0, 700, false, false, "Arial").Select(2).SetBkMode(1);
    b.SetTextAlign(24).ExtTextOutW(5, 45, u"WWWWWW", {}, 4, {0, 0}, {40, 100});
    b.Record(30, {0, 50, 100, 100}).CreatePen(3, 0, 5, kBlue).Select(3);
    b.MoveTo(0, 40).LineTo(99, 99).Ellipse(10, 10, 90, 90);
    const DecodedGif g = Emf(b);
    const Box text = BoxOf(g, kBlack), blue = BoxOf(g, kBlue);
    ASSERT_FALSE(text.empty() || blue.empty());
    EXPECT_LT(text.right, 40);
    EXPECT_GE(blue.top, 50);
  }
}

TEST_F(PlayerPixels, WorldTransformsAndMappingMoveTheDrawing) {
  {
    SCOPED_TRACE("a quarter turn: a wide bar becomes a tall one");
    EmfBuilder b;
    b.Record(35, {FloatBits(0), FloatBits(1), FloatBits(-1), FloatBits(0), FloatBits(50),
                  FloatBits(10)});
    b.CreateBrush(1, 0, kRed).Select(1).Select(0x80000008).Rectangle(0, 0, 40, 10);
    const Box red = BoxOf(Emf(b), kRed);
    EXPECT_NEAR(red.left, 40, 1);
    EXPECT_NEAR(red.right, 50, 1);
    EXPECT_NEAR(red.top, 10, 1);
    EXPECT_NEAR(red.bottom, 50, 1);
  }
  {
    SCOPED_TRACE("scaled and offset window: half size, moved");
    WmfBuilder b;
    b.SetMapMode(8).SetWindowOrg(0, 0).SetWindowExt(100, 100);
    b.Record(0x0410, {1, 1, 1, 2}).Record(0x020F, {-20, -20});  // x2 extents, origin -20
    b.CreateBrush(0, kRed).Select(0).CreatePen(5, 0, 0).Select(1).Rectangle(0, 0, 40, 40);
    const Box red = BoxOf(Convert(b.Placeable(0, 0, 100, 100, 96)), kRed);
    // Device 10 to 30; a rectangle without a pen leaves out its right and bottom edge.
    EXPECT_EQ(red.left, 10);
    EXPECT_EQ(red.right, 28);
    EXPECT_EQ(red.top, 20);
  }
}

TEST_F(PlayerPixels, BitmapsAreStretchedOntoTheirDestination) {
  // A 2 x 2 24-bit bitmap, rows bottom-up: blue, green below; red, white above.
  const std::string header = Bytes().U32(40).U32(2).U32(2).U16(1).U16(24).U32(0).U32(16)
                                 .U32(0).U32(0).U32(0).U32(0).str();
  const std::string bits = Bytes().U8(0xFF).U8(0).U8(0).U8(0).U8(0xFF).U8(0).U16(0)
                               .U8(0).U8(0).U8(0xFF).U8(0xFF).U8(0xFF).U8(0xFF).U16(0).str();
  auto stretch = [&](int x, int y, int cx, int cy) {
    EmfBuilder b;
    b.RawRecord(81, Bytes().U32(0).U32(0).U32(0).U32(0).U32(uint32_t(x)).U32(uint32_t(y))
                        .U32(0).U32(0).U32(2).U32(2).U32(80).U32(40).U32(120).U32(16).U32(0)
                        .U32(0xCC0020).U32(uint32_t(cx)).U32(uint32_t(cy)).str() +
                        header + bits);
    return Emf(b);
  };
  {
    const DecodedGif g = stretch(10, 10, 80, 80);
    EXPECT_EQ(g.At(20, 20), kRed);
    EXPECT_EQ(g.At(80, 20), kWhite);
    EXPECT_EQ(g.At(20, 80), kBlue);
    EXPECT_EQ(g.At(80, 80), 0x00FF00u);
    EXPECT_EQ(g.At(5, 5), kWhite);
  }
  {
    SCOPED_TRACE("a negative width mirrors");
    const DecodedGif g = stretch(90, 10, -80, 80);
    EXPECT_EQ(g.At(80, 20), kRed);
    EXPECT_EQ(g.At(20, 80), 0x00FF00u);
  }
  {
    SCOPED_TRACE("a Windows metafile's stretched bitmap and its brush-filled block");
    WmfBuilder b;
    b.SetMapMode(8).SetWindowOrg(0, 0).SetWindowExt(100, 100);
    b.RawRecord(0x0F43, Bytes().U32(0xCC0020).U16(0).U16(2).U16(2).U16(0).U16(0).U16(40)
                            .U16(40).U16(0).U16(0).str() + header + bits);
    b.CreateBrush(0, kBlue).Select(0).RawRecord(0x061D, Bytes().U32(0xF00021).U16(20).U16(20)
                                                       .U16(60).U16(60).str());
    const DecodedGif g = Convert(b.Placeable(0, 0, 100, 100, 96));
    EXPECT_EQ(g.At(10, 10), kRed);
    EXPECT_EQ(g.At(10, 30), kBlue);
    EXPECT_EQ(g.At(70, 70), kBlue);
    EXPECT_EQ(g.At(90, 90), kWhite);
  }
}

TEST_F(PlayerPixels, RegionsAreFilledWithTheirBrush) {
  // Two rectangles: one filled with a named brush, one painted with the brush in place.
  auto region = [](uint32_t left, uint32_t top, uint32_t right, uint32_t bottom) {
    return Bytes().U32(32).U32(1).U32(1).U32(16).U32(left).U32(top).U32(right).U32(bottom)
        .U32(left).U32(top).U32(right).U32(bottom).str();
  };
  EmfBuilder b;
  b.CreateBrush(1, 0, kRed).CreateBrush(2, 0, kBlue).Select(2);
  b.RawRecord(71, Bytes().U32(0).U32(0).U32(0).U32(0).U32(48).U32(1).str() + region(10, 10, 40, 40));
  b.RawRecord(74, Bytes().U32(0).U32(0).U32(0).U32(0).U32(48).str() + region(60, 60, 90, 90));
  b.RawRecord(71, Bytes().U32(0).U32(0).U32(0).U32(0).U32(48).U32(7).str() + region(0, 60, 20, 90));
  const DecodedGif g = Emf(b);
  EXPECT_EQ(g.At(25, 25), kRed);
  EXPECT_EQ(g.At(75, 75), kBlue);
  EXPECT_EQ(g.At(10, 75), kWhite) << "slot 7 holds no brush";
  EXPECT_EQ(g.At(50, 50), kWhite);
}

TEST_F(PlayerPixels, AFileWithNothingDrawableIsNotWritten) {
  // An EMF+ record (in a comment) and an unknown record, nothing else: no GIF.
  const std::string plusOnly = EmfBuilder().RawRecord(70, Bytes().U32(16).U32(0x2B464D45)
                                                          .U32(0x4001).U32(0).str())
                                   .Record(200, {1, 2}).Bytes(0, 0, 100, 100);
  WriteAll(gif, "old");
  Convert(plusOnly, -3);
  EXPECT_EQ(ReadAll(gif), "old");
  // The same with the drawing records beside it, as dual files have them: drawn.
  EmfBuilder dual;
  dual.RawRecord(70, Bytes().U32(16).U32(0x2B464D45).U32(0x4001).U32(0).str());
  dual.CreateBrush(1, 0, kRed).Select(1).Rectangle(10, 10, 90, 90);
  EXPECT_EQ(Emf(dual).At(50, 50), kRed);
  // A file of state records alone is an empty picture, and written.
  Convert(EmfBuilder().SetBkMode(1).Bytes(0, 0, 100, 100), 1);
}

TEST_F(PlayerPixels, TextAtTheCoordinateLimitsDrawsNothingOutOfPlace) {
  // Opaque text whose reference point and advances lie at the far ends of the 32-bit range: its
  // background box lies off the raster, wherever the sums of its corners would wrap around.
  struct Case {
    const char* name;
    int x;
    std::vector<int32_t> dx;
    int scale;  // device pixels per logical unit
  };
  const Case cases[] = {
      {"far right, wide", 0x7FFFFFF0, {0x7FFFFFFF, 0x7FFFFFFF}, 1},
      {"far left, wide backwards", -0x7FFFFFF0, {-0x7FFFFFFF, -0x7FFFFFFF}, 1},
      {"advances from one end to the other", 0x7FFFFFF0, {-0x7FFFFFFF, 0x7FFFFFFF, -0x7FFFFFFF}, 1},
      {"one advance across the whole range", 0x7FFFFFF0, {-0x40000000, 0x7FFFFFFF}, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EmfBuilder b;
    b.SetMapMode(8).SetWindowExt(1, 1).SetViewportExt(c.scale, c.scale);
    b.SetBkMode(2).SetBkColor(kRed).SetTextColor(kBlue).SetTextAlign(0);
    b.ExtTextOutW(c.x, 50, std::u16string(c.dx.size(), u'W'), c.dx);
    b.ExtTextOutW(c.x, 50, u"WW", c.dx).SetTextAlign(1).MoveTo(c.x, 50);
    b.ExtTextOutW(0, 0, std::u16string(c.dx.size(), u'W'), c.dx);
    const DecodedGif g = Emf(b);
    EXPECT_EQ(Count(g, kRed), 0);
    EXPECT_EQ(Count(g, kBlue), 0);
  }
}
