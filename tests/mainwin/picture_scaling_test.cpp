// The spectrum picture's geometry (points, vertical rescaling, the scroll bar), the increment
// ribbon, box and labels, the clock and the repaint rule.
#include <algorithm>

#include "mainwin/design_layout.h"
#include "mainwin/printer_page.h"
#include "platform/runtime_numbers.h"
#include "tests/mainwin/mainwin_fixture.h"

namespace {

class PictureScalingTest : public MainWinTest {
 protected:
  void SetUp() override {
    MainWinTest::SetUp();
    Load();
  }
  void SetPictureSize(float width, float height) {
    const Control& pic = Ctrl(Ctl::picKavo);
    form.Controls().SetGeometry(Ctl::picKavo, 0, pic.Left, pic.Top, width, height);
  }
};

TEST_F(PictureScalingTest, OnePointPerPixelOfThePictureWidth) {
  SetPictureSize(7680, 4000);
  form.PicCalcScaling();
  EXPECT_EQ(gNumPts, 512);
  EXPECT_EQ(gTwipsPerPt, 15);
  EXPECT_EQ(gPicWidthTwips, 7680);
  EXPECT_EQ(Ctrl(Ctl::mnuPref, 4).Caption, "Display Width (Curr: 512)");
  EXPECT_EQ(gSpectrum.size(), 512u + 21);
  EXPECT_FLOAT_EQ(gTwipsPerHz, 7680 / gSpectHz);
  EXPECT_EQ(gRedrawFlags, 8);
  EXPECT_FLOAT_EQ(gPrintBoxHeight, static_cast<float>(PrinterPaperWidthWorld() * 4000 / 7680));
}

TEST_F(PictureScalingTest, DoublingTheHeightDoublesEveryVerticalQuantity) {
  for (bool fitting : {false, true}) {
    SetPictureSize(7680, 3000);
    form.PicCalcScaling();
    gLineFit = fitting ? -1 : 0;
    gBaseLnTwips = 2700;
    gExpBaseLnTwips = 2500;
    gDiffBaseLnTwips = 900;
    VertLockHt = 2000;
    gVertMult = 5;
    gSpec.VertMult = 3;
    SetPictureSize(7680, 6000);
    form.PicCalcScaling();
    EXPECT_EQ(gBaseLnTwips, 5400);
    EXPECT_EQ(gExpBaseLnTwips, 5000);
    EXPECT_EQ(gDiffBaseLnTwips, 1800);
    EXPECT_EQ(VertLockHt, 4000);
    EXPECT_EQ(gVertMult, 10);
    EXPECT_EQ(gSpec.VertMult, fitting ? 6 : 3);
    EXPECT_EQ(gVertScale, 6000);
    EXPECT_EQ(Ctrl(Ctl::Image1, 3).Top, 5400);
  }
}

TEST_F(PictureScalingTest, AWiderPictureThanTheWindowScrolls) {
  const float left = Ctrl(Ctl::fraIncrement).Left;
  SetPictureSize(host.ScaleWidth() - left + 2000, 4000);
  form.PicCalcScaling();
  const Control& bar = Ctrl(Ctl::scrhDisplay);
  EXPECT_TRUE(bar.Visible);
  EXPECT_EQ(bar.Max, 200);
  EXPECT_EQ(bar.Min, 0);
  EXPECT_EQ(bar.Width, host.ScaleWidth() - left);
  EXPECT_EQ(bar.SmallChange, CLng(0.1 * (CLng(bar.Width) / 10)));
  EXPECT_EQ(bar.LargeChange, CLng(0.1 * (CLng(bar.Width) / 3)));
  EXPECT_EQ(bar.Top, Ctrl(Ctl::picKavo).Top + 4000 + 300);
  EXPECT_EQ(gScrollTwips, 0);

  // The read-out frame reaches down to the window's bottom, and on a window shorter than the
  // frame's design bottom it keeps its design height (the left column scrolls to it).
  const float errorTop = Ctrl(Ctl::fraError).Top;
  EXPECT_EQ(Ctrl(Ctl::fraError).Height, host.ScaleHeight() - errorTop);
  const auto tall = host.form;
  for (const float room : {kErrorFrameHeight + 1000, kErrorFrameHeight - 1000, -500.0f}) {
    SCOPED_TRACE(room);
    host.form.height = errorTop + room + (tall.height - host.ScaleHeight());
    form.PicCalcScaling();
    ASSERT_TRUE(Ctrl(Ctl::scrhDisplay).Visible);
    const float below = host.ScaleHeight() - errorTop;  // the room below the frame's top
    if (room < kErrorFrameHeight) {
      ASSERT_LT(below, kErrorFrameHeight);
    }
    EXPECT_EQ(Ctrl(Ctl::fraError).Height, std::max(below, kErrorFrameHeight));
  }
  host.form = tall;

  SetPictureSize(7680, 4000);
  form.PicCalcScaling();
  EXPECT_FALSE(Ctrl(Ctl::scrhDisplay).Visible);
  const Control& pic = Ctrl(Ctl::picKavo);
  EXPECT_EQ(Ctrl(Ctl::grp1).Left, pic.Left + 7680 - 300);
  EXPECT_EQ(Ctrl(Ctl::grp1).Top, pic.Top + 4000 - 300);
  EXPECT_EQ(Ctrl(Ctl::Image1, 2).Left, 3840);
}

TEST_F(PictureScalingTest, RibbonsSetTheIncrementAndTheCurrentRowsLabel) {
  struct Case {
    int16_t index;
    float increment;
    const char* label;
  };
  const Case cases[] = {{30, 3, " 3"}, {3, 0.3f, "0.3"}, {1, 0.1f, "0.1"}, {10000, 1000, " 1000"}};
  const int16_t current = form.SelPar();
  const int16_t row = RowOf(current);
  for (const Case& c : cases) {
    form.grpInc_Click(c.index);
    EXPECT_FLOAT_EQ(form.Increment(), c.increment) << c.index;
    EXPECT_EQ(Ctrl(Ctl::lblInc, row).Caption, c.label);
    EXPECT_EQ(Par(current).Incr, c.label);
  }
  form.Controls().SetCaption(Ctl::txtInc, 0, "0,05");
  form.txtInc_Change();
  EXPECT_FLOAT_EQ(form.Increment(), 0.05f);
  EXPECT_TRUE(Ctrl(Ctl::grpInc, 0).Value);
  EXPECT_FALSE(Ctrl(Ctl::grpInc, 10).Value);
  EXPECT_EQ(Ctrl(Ctl::lblInc, row).Caption, "0,05");
  EXPECT_EQ(Par(current).Incr, "0.05");
}

TEST_F(PictureScalingTest, IncrementLabelReadsItsTextPlainly) {
  const int16_t p = form.RowParameter(2);
  Par(p).Incr = "2,5";
  form.lblInc_Click(2);
  EXPECT_EQ(form.Increment(), 2);
  EXPECT_EQ(form.SelPar(), p);
}

TEST_F(PictureScalingTest, ClockShowsDateAndTimeThenTicksEverySecond) {
  form.Timer1_Timer();
  EXPECT_EQ(Ctrl(Ctl::lblTimeDate).Caption, host.dateTime);
  ASSERT_EQ(host.timerIntervals.size(), 1u);
  EXPECT_EQ(host.timerIntervals[0], 1000);
}

TEST_F(PictureScalingTest, RepaintRedrawsOnlyWithAnEmptyTag) {
  form.Controls().SetTag(Ctl::picKavo, 0, "No");
  form.picKavo_Paint();
  EXPECT_TRUE(picture.ops.empty());
  form.Controls().SetTag(Ctl::picKavo, 0, "");
  form.picKavo_Paint();
  EXPECT_FALSE(picture.OpsOf(RecordingPictureBox::Kind::Cls).empty());
  EXPECT_EQ(gRedrawFlags, 0);
}

}  // namespace
