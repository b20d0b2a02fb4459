// The six drag handles beside and over the spectrum picture: their ranges and guide lines while
// dragged, and what each release changes.
#include "tests/mainwin/picture_fixture.h"

namespace {

class DragHandlesTest : public PictureFixture {
 protected:
  static constexpr float kGrab = 100;  // press point inside the handle

  void Press(int16_t index) { form.Image1_MouseDown(index, 1, 0, kGrab, kGrab); }
  void Move(int16_t index, float dx, float dy) {
    form.Image1_MouseMove(index, 1, 0, kGrab + dx, kGrab + dy);
  }
  void Release(int16_t index, int16_t button = 1, int16_t shift = 0) {
    form.Image1_MouseUp(index, button, shift, kGrab, kGrab);
  }
  void DragBy(int16_t index, float dx, float dy, int16_t shift = 0) {
    Press(index);
    Move(index, dx, dy);
    Release(index, 1, shift);
  }
  const Control& Handle(int16_t index) { return Ctrl(Ctl::Image1, index); }
  float Position(int16_t index) {
    return index == 2 || index == 5 ? Handle(index).Left : Handle(index).Top;
  }
};

TEST_F(DragHandlesTest, EachHandleStaysInItsRange) {
  struct Case {
    int16_t index;
    float low, high;
  };
  // Baseline 5000, picture 6000 high and 9000 wide; handles 240 high, 225 wide.
  const Case cases[] = {{0, 0, 4760},   {1, 500, 4500},  {2, 0, 8887.5f},
                        {3, 500, 5700}, {4, 1800, 5700}, {5, 0, 8887.5f}};
  for (const Case& c : cases) {
    Press(c.index);
    Move(c.index, -1e5f, -1e5f);
    EXPECT_FLOAT_EQ(Position(c.index), c.low) << c.index;
    Move(c.index, 1e5f, 1e5f);
    EXPECT_FLOAT_EQ(Position(c.index), c.high) << c.index;
    Release(c.index, 2);  // the right button only asks for help
    EXPECT_EQ(gBaseLnTwips, kBase);
  }
  EXPECT_EQ(Drawings(), 0);
}

TEST_F(DragHandlesTest, TheGuideLineFollowsTheHandleAndTheRepaintWaits) {
  form.Controls().SetTop(Ctl::Image1, 3, 3000);
  Press(3);
  EXPECT_EQ(Ctrl(Ctl::picKavo).Tag, "No");
  Move(3, 0, -400);
  ASSERT_TRUE(picture.overlays[PictureBox::kOverlayGuide]);
  PictureBox::Overlay line = *picture.overlays[PictureBox::kOverlayGuide];
  EXPECT_EQ(line.x1, 0);
  EXPECT_EQ(line.y1, 2600);
  EXPECT_EQ(line.x2, kWidth);
  EXPECT_EQ(line.y2, 2600);
  Release(3, 2);
  EXPECT_EQ(Ctrl(Ctl::picKavo).Tag, "No");  // the right button leaves the tag

  form.Controls().SetLeft(Ctl::Image1, 2, 4000);
  Press(2);
  Move(2, 300, 50);
  line = *picture.overlays[PictureBox::kOverlayGuide];
  EXPECT_EQ(line.x1, 4300 + 112.5f);
  EXPECT_EQ(line.x2, 4300 + 112.5f);
  EXPECT_EQ(line.y1, 0);
  EXPECT_EQ(line.y2, kBase);
  Release(2);
  EXPECT_TRUE(NoOverlays());
  EXPECT_EQ(Ctrl(Ctl::picKavo).Tag, "");
}

TEST_F(DragHandlesTest, ARightButtonReleaseOnlyShowsHelp) {
  DragBy(5, 300, 0);  // a left drag first, so that a later release would shift
  const float offset = gHorOffHz;
  picture.ops.clear();
  Press(5);
  Move(5, 300, 0);
  Release(5, 2);
  ASSERT_FALSE(help.popups.empty());
  EXPECT_EQ(help.popups.back().id, 170);
  EXPECT_EQ(gHorOffHz, offset);
  EXPECT_EQ(Drawings(), 0);
}

TEST_F(DragHandlesTest, BaselineHandlesStoreTheirTopRoundedToEven) {
  struct Case {
    int16_t index;
    float top;
    int16_t* target;
    int16_t expected;
  };
  const Case cases[] = {{1, 2000.5f, &gDiffBaseLnTwips, 2000},
                        {4, 4001.5f, &gExpBaseLnTwips, 4002},
                        {3, 3000.5f, &gBaseLnTwips, 3000}};
  VertLockHt = 1000;
  for (const Case& c : cases) {
    form.Controls().SetTop(Ctl::Image1, c.index, c.top);
    const int before = Drawings();
    DragBy(c.index, 0, 0);
    EXPECT_EQ(*c.target, c.expected) << c.index;
    EXPECT_GT(Drawings(), before) << c.index;
    EXPECT_EQ(Ctrl(Ctl::picKavo).Tag, "");
  }
  EXPECT_EQ(Handle(0).Top, 2000);  // the lock handle keeps its height above the new baseline
}

TEST_F(DragHandlesTest, TheLockHandleSetsTheLockedHeightAndKeepsTheLockMode) {
  for (int16_t lock : {int16_t{-1}, int16_t{0}}) {
    gVertLock = lock;
    form.Controls().SetTop(Ctl::Image1, 0, 1200);
    DragBy(0, 0, -200);
    EXPECT_EQ(VertLockHt, kBase - 1000);
    EXPECT_EQ(gVertLock, lock);
  }
}

TEST_F(DragHandlesTest, TheExperimentHandleShiftsTheWindowAndEveryMarkerLikeTheReference) {
  form.Controls().SetLeft(Ctl::Image1, 5, 1000);
  DragBy(5, 300, 0);  // +10 Hz
  EXPECT_FLOAT_EQ(gHorOffHz, 10);
  EXPECT_FLOAT_EQ(Par(form.OffsetPar()).Value, 10);
  EXPECT_EQ(RowText(form.OffsetPar()), "10.000");
  EXPECT_FLOAT_EQ(Par(2).Value, 152.5f);
  EXPECT_FLOAT_EQ(Par(3).Value, 167.5f);
  EXPECT_FLOAT_EQ(gSpinMarks[1].Shift, 152.5f);
  EXPECT_FLOAT_EQ(gSpinMarks[2].Shift, 167.5f);
  EXPECT_FLOAT_EQ(Par(6).Value, 160);
  EXPECT_EQ(RowText(6), "160.00");
  ASSERT_EQ(spectra.CallsWith(6), 1);
  EXPECT_FLOAT_EQ(spectra.calls.back().startHz, 10);
  EXPECT_FLOAT_EQ(spectra.calls.back().widthHz, 300);
  EXPECT_GE(Drawings(), 1);
}

TEST_F(DragHandlesTest, TheSimulationHandleMovesTheMarkersAgainstItsOwnMove) {
  form.Controls().SetLeft(Ctl::Image1, 2, 4000);
  DragBy(2, 300, 0);
  EXPECT_FLOAT_EQ(gHorOffHz, 0);
  EXPECT_FLOAT_EQ(Par(2).Value, 132.5f);
  EXPECT_FLOAT_EQ(Par(3).Value, 147.5f);
  EXPECT_EQ(RowText(6), "140.00");
  EXPECT_GE(Drawings(), 1);
}

TEST_F(DragHandlesTest, HorizontalHandlesReleasedWithShiftChangeNothing) {
  for (int16_t index : {int16_t{2}, int16_t{5}}) {
    form.Controls().SetLeft(Ctl::Image1, index, 4000);
    DragBy(index, 300, 0, 1);
    EXPECT_EQ(Handle(index).Left, 4300) << index;  // left where it was dropped
    EXPECT_FLOAT_EQ(gHorOffHz, 0);
    EXPECT_FLOAT_EQ(Par(2).Value, 142.5f);
    EXPECT_FLOAT_EQ(Par(3).Value, 157.5f);
    EXPECT_EQ(Ctrl(Ctl::picKavo).Tag, "");
  }
  EXPECT_TRUE(spectra.calls.empty());
  EXPECT_EQ(Drawings(), 0);
}

}  // namespace
