// The corner grip that resizes the spectrum picture, with its limits and its live or deferred
// redraw, and the scroll bar of a picture wider than the window.
#include "platform/runtime_numbers.h"
#include "tests/mainwin/picture_fixture.h"

namespace {

class CornerGripTest : public PictureFixture {
 protected:
  static constexpr float kGrab = 150;  // press point inside the 300 x 300 grip

  // The cursor where the grip's bottom-right corner makes the picture width x height.
  void CursorFor(float width, float height) {
    const Control& pic = Ctrl(Ctl::picKavo);
    host.cursorX = pic.Left + width + kGrab - 300;
    host.cursorY = pic.Top + height + kGrab - 300;
  }
  void Press() { form.PicKavoDragCorner(kGrab, kGrab, 2); }
  void Move() { form.PicKavoDragCorner(kGrab, kGrab, 4); }
  void Release() { form.PicKavoDragCorner(kGrab, kGrab, 5); }
  void WiderThanTheWindowBy2000() {
    const Control& pic = Ctrl(Ctl::picKavo);
    const float home = Ctrl(Ctl::fraIncrement).Left;
    form.Controls().SetGeometry(Ctl::picKavo, 0, pic.Left, pic.Top,
                                host.ScaleWidth() - home + 2000, kHeight);
    form.PicCalcScaling();
  }
  // The last calculation took this long.
  void LastCalculationTook(double seconds) {
    host.clockStep = seconds;
    form.CalcSpectTimed(-1);
    picture.ops.clear();
  }
};

TEST_F(CornerGripTest, APressAndReleaseWithoutAMoveChangesNothing) {
  const Control before = Ctrl(Ctl::picKavo);
  Press();
  Release();
  EXPECT_EQ(Ctrl(Ctl::picKavo).Width, before.Width);
  EXPECT_EQ(Ctrl(Ctl::picKavo).Height, before.Height);
  EXPECT_EQ(gNumPts, 600);
  EXPECT_EQ(Drawings(), 0);
  CursorFor(6000, 4000);
  Move();  // the drag is over
  EXPECT_EQ(Ctrl(Ctl::picKavo).Width, before.Width);
}

TEST_F(CornerGripTest, ThePictureKeepsItsMinimumSizeAndItsBottomMargin) {
  struct Case {
    float width, height;  // asked for by the cursor
    float expectWidth, expectHeight;
  };
  const float top = Ctrl(Ctl::picKavo).Top;
  const float lowest = host.ScaleHeight() - 450 - top;
  const Case cases[] = {{6000, 4000, 6000, 4000},
                        {-5000, -5000, 3000, 2000},
                        {2999, 1999, 3000, 2000},
                        {7000, lowest + 1000, 7000, lowest}};
  for (const Case& c : cases) {
    Press();
    CursorFor(c.width, c.height);
    Move();
    Release();
    const Control& pic = Ctrl(Ctl::picKavo);
    EXPECT_EQ(pic.Width, c.expectWidth) << c.width;
    EXPECT_EQ(pic.Height, c.expectHeight) << c.height;
    EXPECT_EQ(Ctrl(Ctl::grp1).Left + 300, pic.Left + pic.Width);
    EXPECT_EQ(Ctrl(Ctl::grp1).Top + 300, pic.Top + pic.Height);
    EXPECT_EQ(gNumPts, CInt(c.expectWidth / 15));
  }
}

TEST_F(CornerGripTest, AReleaseWithoutAMoveScrollsBackWhereTheScrollBarStands) {
  const float home = Ctrl(Ctl::fraIncrement).Left;
  WiderThanTheWindowBy2000();
  form.scrhDisplay_Change(200);  // the grip comes into view
  const float handle = Ctrl(Ctl::Image1, 2).Left;
  Press();
  Release();
  EXPECT_EQ(Ctrl(Ctl::scrhDisplay).ScrollValue, 200);
  EXPECT_EQ(Ctrl(Ctl::picKavo).Left, home - 2000);
  EXPECT_EQ(gScrollTwips, 2000);
  EXPECT_EQ(Ctrl(Ctl::Image1, 2).Left, handle);
}

TEST_F(CornerGripTest, APressScrollsThePictureHome) {
  const float home = Ctrl(Ctl::fraIncrement).Left;
  form.Controls().SetLeft(Ctl::picKavo, 0, home - 500);
  gScrollTwips = 500;
  Press();
  EXPECT_EQ(Ctrl(Ctl::picKavo).Left, home);
  EXPECT_EQ(gScrollTwips, 0);
}

TEST_F(CornerGripTest, AFastCalculationRedrawsLiveAndASlowOneWaitsForTheRelease) {
  struct Case {
    double seconds;
    bool live;
  };
  for (const Case& c : {Case{0.05, true}, Case{0.1, false}, Case{0.3, false}}) {
    CursorFor(kWidth, kHeight);
    Press();
    Move();
    Release();
    LastCalculationTook(c.seconds);
    Press();
    CursorFor(6000, 4000);
    Move();
    EXPECT_EQ(gNumPts, c.live ? 400 : 600) << c.seconds;
    EXPECT_EQ(Drawings(), 1) << c.seconds;
    // The point count of a slow calculation goes to the left field (the right one has its own).
    bool leftField = false;
    for (const auto& op : picture.OpsOf(RecordingPictureBox::Kind::Print))
      leftField |= op.text == "VIREO is using 600 data points" && op.x1 == gScrollTwips + 100;
    EXPECT_EQ(leftField, !c.live) << c.seconds;
    Release();
    EXPECT_EQ(gNumPts, 400) << c.seconds;
    EXPECT_EQ(Drawings(), 2) << c.seconds;
  }
}

TEST_F(CornerGripTest, TheScrollBarMovesThePictureInStepsOf10Twips) {
  const float home = Ctrl(Ctl::fraIncrement).Left;
  WiderThanTheWindowBy2000();
  ASSERT_EQ(Ctrl(Ctl::scrhDisplay).Max, 200);
  form.scrhDisplay_Change(200);
  EXPECT_EQ(Ctrl(Ctl::picKavo).Left, home - 2000);
  EXPECT_EQ(gScrollTwips, 2000);
  EXPECT_EQ(Ctrl(Ctl::grp1).Left + 300, home - 2000 + Ctrl(Ctl::picKavo).Width);
  form.scrhDisplay_Change(0);
  EXPECT_EQ(Ctrl(Ctl::picKavo).Left, home);
  EXPECT_EQ(gScrollTwips, 0);
}

}  // namespace
