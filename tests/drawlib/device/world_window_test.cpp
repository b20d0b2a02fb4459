#include <gtest/gtest.h>

#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "tests/drawlib/device_fixture.h"

namespace {

class WorldWindowTest : public DeviceFixture {};

TEST_F(WorldWindowTest, TargetRectOfTwipTargetAtZoomAndPan) {
  float x1, y1, x2, y2;
  TargetWorldRect(x1, y1, x2, y2);
  EXPECT_NEAR(x1, -4253.968f, 0.01f);
  EXPECT_NEAR(x2, 4253.968f, 0.01f);
  EXPECT_NEAR(y1, -3190.476f, 0.01f);
  EXPECT_NEAR(y2, 3190.476f, 0.01f);

  WorldWindow.zoom = 2.0f;
  WorldWindow.panX = 100.0f;
  WorldWindow.panY = -50.0f;
  TargetWorldRect(x1, y1, x2, y2);
  EXPECT_NEAR(x1, -2126.984f - 100.0f, 0.01f);
  EXPECT_NEAR(y2, 1595.238f + 50.0f, 0.01f);

  WorldWindow.zoom = 0.05f;  // below the print scale's minimum
  TargetWorldRect(x1, y1, x2, y2);
  EXPECT_FLOAT_EQ(WorldWindow.zoom, 0.7f);
}

TEST_F(WorldWindowTest, SetWorldWindowMapsRectangleOntoTargetPixels) {
  ASSERT_TRUE(SetWorldWindow(&target, -400, -300, 400, 300));
  // 12000 twips = 800 pixels across 800 world units.
  EXPECT_FLOAT_EQ(WorldWindow.sx, 1.0f);
  EXPECT_FLOAT_EQ(WorldWindow.sy, 1.0f);
  int32_t px, py;
  WorldToPixel(-400, 300, px, py);
  EXPECT_EQ(px, 0);
  EXPECT_EQ(py, 0);
  WorldToPixel(0.5f, -1.5f, px, py);  // halves to even: 400.5 -> 400, 301.5 -> 302
  EXPECT_EQ(px, 400);
  EXPECT_EQ(py, 302);
  float x, y;
  PixelToWorld(800, 600, x, y);
  EXPECT_FLOAT_EQ(x, 400);
  EXPECT_FLOAT_EQ(y, -300);
}

TEST_F(WorldWindowTest, SetWorldWindowRefusesEmptyRectangleAndKeepsMapping) {
  ASSERT_TRUE(SetWorldWindow(&target, -400, -300, 400, 300));
  const WorldWindowRec before = WorldWindow;
  EXPECT_FALSE(SetWorldWindow(&target, 5, -300, 5, 300));
  EXPECT_FALSE(SetWorldWindow(&target, -400, 7, 400, 7));
  TwipTarget empty(0, 0);
  EXPECT_FALSE(SetWorldWindow(&empty, -400, -300, 400, 300));
  EXPECT_FLOAT_EQ(WorldWindow.sx, before.sx);
  EXPECT_FLOAT_EQ(WorldWindow.x0, before.x0);
}

TEST_F(WorldWindowTest, HugeCoordinatesSaturateInsteadOfOverflowing) {
  UnitMapping();
  WorldWindow.sx = 1.0e6f;
  EXPECT_EQ(WorldToPixelX(1.0e9f), 2147483647);
  EXPECT_EQ(WorldToPixelX(-1.0e9f), -2147483647 - 1);
}

TEST_F(WorldWindowTest, WorldLineToMovesOnlyWhenNotContinuing) {
  UnitMapping();
  WorldLineTo(&dc, 10, -10, 20, -10, 1);
  WorldLineTo(&dc, 20, -10, 20, -30, 1);
  WorldLineTo(&dc, 0, 0, 5, -5, -1);
  WorldLineTo(&dc, 0, 0, 7, -7, 0);
  EXPECT_EQ(dc.log, (std::vector<std::string>{"MoveTo 10 10", "LineTo 20 10", "LineTo 20 30",
                                               "MoveTo 5 5"}));
  EXPECT_EQ(LastPixelPoint, (GdiPoint{7, 7}));  // mode 0 draws nothing but moves it

  OutputFlags = 0x0100;  // no device output
  WorldLineTo(&dc, 0, 0, 1, -1, 1);
  EXPECT_EQ(dc.log.size(), 4u);
}

TEST_F(WorldWindowTest, HandleSquaresKeepTheirScreenSizeAndFollowTheOption) {
  UnitMapping();
  DrawHandleSquare(&dc, 100, -100, 4, 0);
  EXPECT_TRUE(dc.log.empty());  // option off, not forced
  WorldWindow.zoom = 2.0f;
  DrawHandleSquare(&dc, 100, -100, 4, 1);
  EXPECT_EQ(dc.Calls("Rectangle"), (std::vector<std::string>{"Rectangle 80 80 120 120"}));
  EXPECT_EQ(dc.Calls("Brush")[0], "Brush #000080");
  DrawOptions = kDrawOptionHandles;
  dc.log.clear();
  DrawHandleSquare(&dc, 0, 0, 0, 0);
  EXPECT_EQ(dc.Count("Rectangle"), 1u);
}

}  // namespace
