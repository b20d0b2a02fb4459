#include <gtest/gtest.h>

#include "drawlib/linegs/line_gs.h"
#include "platform/gdi/recording_device.h"
#include "tests/support/msgbox_recorder.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlue = 0xFF0000;  // 0x00BBGGRR
constexpr uint32_t Grey(uint32_t v) { return v | (v << 8) | (v << 16); }

class LineGSTest : public ::testing::Test {
 protected:
  LineGSTest() : dc(40, 40, kWhite) { dc.logPixels = false; }
  RecordingDevice dc;
  LineGS gs;
};

TEST_F(LineGSTest, HorizontalLineOfWidthOneLeavesTheRowBelowUntouched) {
  gs.WuLineGP(&dc, 0, 5, 10, 5, kBlue, 1);
  for (int x = 0; x <= 10; ++x) {
    EXPECT_EQ(dc.GetPixel(x, 5), kBlue) << x;
    EXPECT_EQ(dc.GetPixel(x, 6), kWhite) << x;  // alpha 0: no grey halo
  }
  EXPECT_EQ(dc.GetPixel(11, 5), kWhite);
}

TEST_F(LineGSTest, WidthThreeHasEdgesAboveAndBelowTheSolidPixels) {
  gs.WuLineGP(&dc, 0, 10, 20, 10, kBlue, 3);
  for (int x = 0; x <= 20; ++x) {
    EXPECT_EQ(dc.GetPixel(x, 9), kBlue) << x;   // edge y - 1 with alpha 255
    EXPECT_EQ(dc.GetPixel(x, 10), kBlue) << x;  // solid
    EXPECT_EQ(dc.GetPixel(x, 11), kBlue) << x;  // solid
    EXPECT_EQ(dc.GetPixel(x, 12), kWhite) << x; // edge y + 2 with alpha 0
  }
}

TEST_F(LineGSTest, FortyFiveDegreeLineHasNoFractions) {
  gs.WuLineGP(&dc, 0, 0, 10, 10, kBlue, 1);
  for (int i = 0; i <= 10; ++i) {
    EXPECT_EQ(dc.GetPixel(i, i), kBlue);
    EXPECT_EQ(dc.GetPixel(i + 1, i), kWhite);
  }
}

TEST_F(LineGSTest, SlopedLineBlendsEdgesByItsFraction) {
  gs.WuLineGP(&dc, 0, 0, 4, 1, 0x000000, 1);  // gradient 0.25
  // Column 1: t = 0.25, f = 63.75 -> alphas 191 at y 0 and 64 at y 1.
  EXPECT_EQ(dc.GetPixel(1, 0), Grey(63));   // 255 * (255 - 191) / 256
  EXPECT_EQ(dc.GetPixel(1, 1), Grey(190));  // 255 * (255 - 64) / 256
}

TEST_F(LineGSTest, IntegerLineHasSoftSidesAndEndCaps) {
  gs.LineGP(&dc, 1, 5, 5, 5, 0);  // major 4, minor 0: e = 2 * 255 / 4 = 127 at every step
  for (int x = 1; x <= 5; ++x) {
    EXPECT_EQ(dc.GetPixel(x, 5), 0u) << x;
    EXPECT_EQ(dc.GetPixel(x, 4), Grey(126)) << x;  // alpha 128
    EXPECT_EQ(dc.GetPixel(x, 6), Grey(127)) << x;  // alpha 127
  }
  EXPECT_EQ(dc.GetPixel(0, 5), Grey(127));  // caps with alpha 127
  EXPECT_EQ(dc.GetPixel(6, 5), Grey(127));
  EXPECT_EQ(dc.GetPixel(6, 4), kWhite);     // diagonal caps: minor 0 gives alpha 0
}

TEST_F(LineGSTest, BlendThresholdAndFormulaOnDeviceAndArray) {
  gs.SetRGBComponents(0);
  gs.BlendPixelGP(&dc, 1, 1, 252);
  gs.BlendPixelGP(&dc, 2, 1, 253);
  EXPECT_EQ(dc.GetPixel(1, 1), Grey(2));  // (0 * 252 + 255 * 3) / 256
  EXPECT_EQ(dc.GetPixel(2, 1), 0u);
  gs.DIB(&dc, 40, 40);
  gs.SetRGBComponents(0);
  gs.BlendPixelDIB(3, 1, 252);
  gs.BlendPixelDIB(4, 1, 253);
  EXPECT_EQ(gs.PixelAt(3, 1), dc.GetPixel(1, 1));
  EXPECT_EQ(gs.PixelAt(4, 1), 0u);
  gs.BlendPixelDIB(-1, 1, 255);  // outside: skipped
  gs.BlendPixelDIB(40, 1, 255);
}

TEST_F(LineGSTest, ArcFrom350To10CoversTwentyDegreesAroundTheTop) {
  RecordingDevice big(300, 300, kWhite);
  big.logPixels = false;
  gs.DIB(&big, 300, 300);
  gs.ArcDIB(150, 150, 100, 100, 350, 10, 0, 0);
  auto touched = [&](int x0, int y0) {
    for (int y = y0 - 2; y <= y0 + 2; ++y)
      for (int x = x0 - 2; x <= x0 + 2; ++x)
        if (gs.PixelAt(x, y) != kWhite) return true;
    return false;
  };
  EXPECT_TRUE(touched(150, 50));   // angle 0 lies towards negative y
  EXPECT_TRUE(touched(166, 51));   // +9 degrees
  EXPECT_TRUE(touched(134, 51));   // -9 degrees
  EXPECT_FALSE(touched(184, 56));  // +20 degrees
  EXPECT_FALSE(touched(250, 150));
  gs.Array2Pic();
  EXPECT_FALSE(gs.PixelsLoaded());
  EXPECT_TRUE(big.GetPixel(150, 50) != kWhite || big.GetPixel(150, 49) != kWhite ||
              big.GetPixel(149, 49) != kWhite || big.GetPixel(149, 50) != kWhite);
}

TEST_F(LineGSTest, HugeSegmentsAreClippedAndFinish) {
  gs.WuLineGP(&dc, -2000000000, 5, 2000000000, 5, kBlue, 1);
  EXPECT_EQ(dc.GetPixel(0, 5), kBlue);
  EXPECT_EQ(dc.GetPixel(39, 5), kBlue);
  gs.LineGP(&dc, 20, -2000000000, 20, 2000000000, kBlue);
  EXPECT_EQ(dc.GetPixel(20, 30), kBlue);
  gs.WuLineGP(&dc, 100000, 100000, 200000, 300000, kBlue, 5);  // wholly outside
  gs.CircleGP(&dc, 20, 20, 1.0e7f, 1.0e7f, kBlue, 0);  // far outside, bounded
}

// A line running off the target must look on it exactly as the same line drawn wholly inside a
// larger target: limiting the work to the target may not move the line.
TEST_F(LineGSTest, LinesRunningOffTheTargetKeepTheirPixels) {
  struct Case {
    bool wu;
    int x1, y1, x2, y2, width;
  } cases[] = {
      {true, -100, 3, 300, 30, 1},  {true, -150, -40, 90, 35, 3}, {true, 7, -200, 30, 260, 2},
      {false, -100, 3, 300, 30, 0}, {false, 5, -170, 33, 250, 0}, {false, 300, 36, -77, 2, 0},
  };
  constexpr int kShift = 400;  // the large target sees the small one at (kShift, kShift)
  for (const Case& c : cases) {
    RecordingDevice small(40, 40, kWhite), large(1000, 1000, kWhite);
    small.logPixels = large.logPixels = false;
    if (c.wu) {
      gs.WuLineGP(&small, c.x1, c.y1, c.x2, c.y2, 0, c.width);
      gs.WuLineGP(&large, c.x1 + kShift, c.y1 + kShift, c.x2 + kShift, c.y2 + kShift, 0, c.width);
    } else {
      gs.LineGP(&small, c.x1, c.y1, c.x2, c.y2, 0);
      gs.LineGP(&large, c.x1 + kShift, c.y1 + kShift, c.x2 + kShift, c.y2 + kShift, 0);
    }
    int inked = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        ASSERT_EQ(small.GetPixel(x, y), large.GetPixel(x + kShift, y + kShift))
            << c.x1 << "," << c.y1 << " pixel " << x << "," << y;
        inked += small.GetPixel(x, y) != kWhite;
      }
    EXPECT_GT(inked, 20) << c.x1 << "," << c.y1;
  }
}

TEST_F(LineGSTest, ArrayMembersBeforeTheArrayIsMadeSayWhy) {
  MsgBoxRecorder boxes;
  gs.LineDIB(0, 0, 5, 5, 0);
  gs.CircleDIB(5, 5, 2, 2, 0, 0);
  gs.ArcDIB(5, 5, 2, 2, 0, 90, 0, 0);
  EXPECT_EQ(boxes.texts(),
            (std::vector<std::string>{"You must create a DIB array\r\nbefore calling LineDIB.",
                                      "You must create a DIB array\r\nbefore calling CircleDIB."}));
}

TEST_F(LineGSTest, DeviceWithoutPixelAccessGetsAPlainLine) {
  RecordingDevice plain;
  plain.SetPen(1, 0);
  gs.WuLineGP(&plain, 0, 0, 10, 3, kBlue, 2);
  EXPECT_EQ(plain.log, (std::vector<std::string>{"Pen 1 #000000", "Pen 2 #FF0000", "MoveTo 0 0",
                                                  "LineTo 10 3", "Pen 1 #000000"}));
}

}  // namespace
