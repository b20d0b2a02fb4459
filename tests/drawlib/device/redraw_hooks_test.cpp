#include <gtest/gtest.h>

#include "drawlib/app_hooks_kavo.h"
#include "drawlib/device/redraw_drawing.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/steps/step_list.h"
#include "tests/drawlib/device_fixture.h"

namespace {

class HooksTest : public DeviceFixture {
 protected:
  void SetUp() override {
    DeviceFixture::SetUp();
    SetAppHooks(&hooks);
  }
  void TearDown() override {
    SetAppHooks(nullptr);
    DeviceFixture::TearDown();
  }
  KavoHooks hooks;
};

TEST_F(HooksTest, StepClearAndStepClearData) {
  StepListReset();
  for (int i = 1; i <= 5; ++i) StepCreate(0x0301, float(i), float(i), "F > x", std::string("d"));
  StepList.StepBox[5].flags = 17;
  StepClearData(5);
  EXPECT_EQ(StepList.X[5], 5.0f);
  EXPECT_EQ(StepList.StepType[5], 0x0301);
  EXPECT_TRUE(StepList.Text[5].empty());
  EXPECT_EQ(StepList.StepBox[5].flags, 0);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(StepList.Data[5]));
  StepClear(4);
  EXPECT_EQ(StepList.X[4], 0.0f);
  EXPECT_EQ(StepList.Y[4], 0.0f);
  EXPECT_EQ(StepList.StepType[4], 0);
  StepClear(-1);  // outside the list: nothing
  StepClear(2000);
}

TEST_F(HooksTest, PointOnScreenIsStrict) {
  hooks.ScreenRect = {-100, 100, -50, 50};
  EXPECT_TRUE(PointOnScreen(0, 0));
  EXPECT_FALSE(PointOnScreen(-100, 0));  // on the left edge
  EXPECT_FALSE(PointOnScreen(0, 50));    // on the top edge
  EXPECT_TRUE(PointOnScreen(99.9f, -49.9f));
}

TEST_F(HooksTest, ScreenSetScaleRecomputesOnlyWithFlag4) {
  ScreenSetScale(4);
  EXPECT_TRUE(target.scaled);
  EXPECT_NEAR(hooks.ScreenRect.left, -4253.968f, 0.01f);
  EXPECT_NEAR(target.scale[1], 3190.476f, 0.01f);  // the top is the upper-left corner's Y
  EXPECT_NEAR(WorldWindow.sx, 800.0f / 8507.937f, 1e-6f);
  hooks.ScreenRect = {0, 800, 0, 600};
  target.scaled = false;
  ScreenSetScale(0);
  EXPECT_FALSE(target.scaled);
  EXPECT_FLOAT_EQ(WorldWindow.sx, 1.0f);
  EXPECT_FLOAT_EQ(WorldWindow.y0, 600.0f);
}

TEST_F(HooksTest, RedrawDrawsVisibleSegmentsAndSkipsOffScreenOnes) {
  hooks.ScreenRect = {0, 800, 0, 600};
  ScreenSetScale(0);
  DrawAltBnd(nullptr, 0, 0, 0, 0, 0, kDrawAltBndReloadShapes);
  LineWidthSet(0);
  StepListReset();
  StepCreate(0, 10, 10, "", std::monostate{});
  StepCreate(0x0001, 100, 10, "", std::monostate{});      // plain line
  StepCreate(0x0001 | (4 << 11), 100, 100, "", std::monostate{});  // red
  StepCreate(0, 2000, 2000, "", std::monostate{});
  StepCreate(0x0001, 3000, 2000, "", std::monostate{});   // both ends off screen
  StepCreate(18, 3100, 2100, "", std::monostate{});       // off screen too
  RedrawDrawing(&dc, 1, StepCount);
  EXPECT_EQ(dc.Calls("LineTo"), (std::vector<std::string>{"LineTo 100 590", "LineTo 100 500"}));
  EXPECT_EQ(dc.Calls("Pen").back(), "Pen 1 #000080");
  EXPECT_EQ(dc.Count("Rectangle"), 0u);
  EXPECT_EQ(PenCache.attrib, -999);  // released at the end
}

TEST_F(HooksTest, RedrawOfTheSecondStepSet) {
  hooks.ScreenRect = {0, 800, 0, 600};
  ScreenSetScale(0);
  StepListAux = StepArrays(kStepListAuxUBound);
  StepListAux.X[1] = 10, StepListAux.Y[1] = 10;
  StepListAux.X[2] = 20, StepListAux.Y[2] = 10, StepListAux.StepType[2] = 1;
  RedrawDrawing(&dc, 1, 2, kRedrawAuxSteps);
  EXPECT_EQ(dc.Calls("LineTo"), (std::vector<std::string>{"LineTo 20 590"}));
}

}  // namespace
