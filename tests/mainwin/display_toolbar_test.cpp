// The display toolbar: window shift, zoom and full width fed back into the panel, the step
// cycle, heights with and without Shift, automatic redraw, the explicit redraw and stick mode.
#include "tests/mainwin/picture_fixture.h"

namespace {

constexpr const char* kPressRedraw = "Press ReDraw button to recalculate spectrum";

class DisplayToolbarTest : public PictureFixture {
 protected:
  // A 1000 Hz window at offset 0, shown in the panel.
  void Window1000() {
    form.SetParValue(1000, form.WidthPar(), 1);
    form.SetParValue(0, form.OffsetPar(), 1);
    gRedrawFlags = 0;
  }
  bool AutoRedraw() { return Ctrl(Ctl::mnuPref, 3).Value; }
};

TEST_F(DisplayToolbarTest, WindowButtonsMoveAndZoomTheWindowAndShowItInThePanel) {
  struct Case {
    int16_t index;
    float width, offset;
  };
  gDisableRef = 0;
  gSpec.Ref = 25;
  const Case cases[] = {{2, 1000, -100}, {3, 1000, 100}, {4, 909.0909f, 45.4545f}, {6, 300, 25}};
  for (const Case& c : cases) {
    Window1000();
    form.CmndUpDn_Click(c.index);
    EXPECT_NEAR(gSpectHz, c.width, 0.01) << c.index;
    EXPECT_NEAR(gHorOffHz, c.offset, 0.01) << c.index;
    EXPECT_EQ(Par(form.WidthPar()).Value, gSpectHz) << c.index;
    EXPECT_EQ(Par(form.OffsetPar()).Value, gHorOffHz) << c.index;
  }
  Window1000();
  form.CmndUpDn_Click(4);
  form.CmndUpDn_Click(5);
  EXPECT_NEAR(gSpectHz, 1000, 0.01);
  EXPECT_NEAR(gHorOffHz, 0, 0.01);
  EXPECT_EQ(RowText(form.WidthPar()), "1000.00");
}

TEST_F(DisplayToolbarTest, TheStepButtonCyclesAndDoesNothingElse) {
  const char* captions[] = {" 1%", " .1%", " 100%", " 10%"};
  const float steps[] = {1, 0.1f, 100, 10};
  gRedrawFlags = 0;
  for (int i = 0; i < 4; ++i) {
    form.CmndUpDn_Click(8);
    EXPECT_EQ(Caption(Ctl::CmndUpDn, 8), captions[i]);
    EXPECT_FLOAT_EQ(form.VertIncr(), steps[i]);
  }
  EXPECT_EQ(Drawings(), 0);
  EXPECT_EQ(gRedrawFlags, 0);
}

TEST_F(DisplayToolbarTest, WithoutAutoRedrawOnlyTheHeightButtonsAndReDrawDraw) {
  form.CmndUpDn_Click(7);
  ASSERT_FALSE(AutoRedraw());
  struct Case {
    int16_t index;
    bool draws;
  };
  const Case cases[] = {{2, false}, {3, false}, {4, false}, {5, false}, {6, false},
                        {0, true},  {1, true},  {11, true}, {12, true}, {9, true}};
  for (const Case& c : cases) {
    gRedrawFlags = 0;
    picture.ops.clear();
    form.CmndUpDn_Click(c.index);
    EXPECT_EQ(Drawings() > 0, c.draws) << c.index;
    EXPECT_EQ(PrintedText(kPressRedraw), !c.draws) << c.index;
  }
}

TEST_F(DisplayToolbarTest, TheRedrawButtonsPictureAlwaysShowsTheAutoRedrawState) {
  const bool byButton[] = {true, false, false, true, true, false};
  for (bool button : byButton) {
    if (button) form.CmndUpDn_Click(7);
    else form.mnuPref_Click(3);
    EXPECT_EQ(Ctrl(Ctl::CmndUpDn, 7).Picture, AutoRedraw() ? 0 : 1) << button;
  }
  EXPECT_EQ(Drawings(), 0);
}

// With the lock on the drawing derives the simulation's factor from the lock height.
TEST_F(DisplayToolbarTest, ShiftAtTheClickAlsoScalesTheSimulationAndTheLockLine) {
  for (int16_t lock : {int16_t{0}, int16_t{-1}}) {
    gVertLock = lock;
    gSpec.VertMult = 2;
    gVertMult = 4;
    VertLockHt = 1000;
    form.CmndUpDn_KeyDown(11, 0, 1);
    form.CmndUpDn_Click(11);
    EXPECT_FLOAT_EQ(gSpec.VertMult, 2.2f);
    if (!lock) { EXPECT_FLOAT_EQ(gVertMult, 4.4f); }
    EXPECT_FLOAT_EQ(VertLockHt, lock ? 1100 : 1000);

    form.CmndUpDn_KeyUp(11, 0, 1);
    form.CmndUpDn_Click(12);
    EXPECT_FLOAT_EQ(gSpec.VertMult, 2);
    if (!lock) { EXPECT_FLOAT_EQ(gVertMult, 4.4f); }  // the simulation keeps its height
    EXPECT_FLOAT_EQ(VertLockHt, lock ? 1100 : 1000);
  }
}

TEST_F(DisplayToolbarTest, SimulationHeightButtonsMoveTheLockLineOnlyWhenLocked) {
  for (int16_t lock : {int16_t{0}, int16_t{-1}}) {
    gVertLock = lock;
    gVertMult = 4;
    VertLockHt = 1000;
    form.CmndUpDn_Click(0);
    if (!lock) { EXPECT_FLOAT_EQ(gVertMult, 4.4f); }
    EXPECT_FLOAT_EQ(VertLockHt, lock ? 1100 : 1000);
    form.CmndUpDn_Click(1);
    if (!lock) { EXPECT_FLOAT_EQ(gVertMult, 4); }
    EXPECT_FLOAT_EQ(VertLockHt, 1000);
  }
}

TEST_F(DisplayToolbarTest, StickOrFullIsTimed) {
  const int16_t mode = gTypeMode;
  host.clockStep = 0.25;
  form.CmndUpDn_Click(10);
  EXPECT_EQ(gTypeMode, mode ^ 1);
  EXPECT_FLOAT_EQ(form.CalcSeconds(), 0.25f);
  EXPECT_EQ(Drawings(), 1);
}

TEST_F(DisplayToolbarTest, TheDifferenceToggleShowsItsHandleAndMarksTheMenu) {
  for (bool fitting : {false, true}) {
    gLineFit = fitting ? -1 : 0;
    picture.ops.clear();
    form.btnDiffTogg_Click(true);
    EXPECT_TRUE(Ctrl(Ctl::Image1, 1).Visible);
    EXPECT_TRUE(Ctrl(Ctl::mnuPref, 1).Value);
    EXPECT_EQ(Drawings() > 0, fitting);
    form.btnDiffTogg_Click(false);
    EXPECT_FALSE(Ctrl(Ctl::Image1, 1).Visible);
    EXPECT_FALSE(Ctrl(Ctl::mnuPref, 1).Value);
    EXPECT_EQ(Ctrl(Ctl::picKavo).Tag, "");
  }
  form.CmndQuit_Click();
  EXPECT_EQ(host.closed, 1);
}

}  // namespace

// In the plain spectrum display the window stays inside the loaded spectrum, and the buttons'
// window is the one asked for: "full" from a window at the right end shows the whole spectrum.
TEST_F(DisplayToolbarTest, PlainSpectrumWindowButtonsKeepInsideTheSpectrum) {
  spectra.openResult = kSpectrumLoaded;
  spectra.sweepHz = 1000;
  form.OptType_Click(0);
  ASSERT_EQ(gSimType, 0);
  gSpec.Ref = 0;
  const int16_t width = form.WidthPar(), offset = form.OffsetPar();
  struct Case {
    int16_t index;
    float startWidth, startOffset, width, offset;
  };
  const Case cases[] = {
      {6, 200, 800, 1000, 0},  // full width from the right end
      {6, 5, 995, 1000, 0},
      {4, 200, 800, 181.818f, 809.091f},
      {3, 200, 800, 180, 820},  // shifted past the right end, the window narrows
      {5, 200, 790, 220, 780},  // widened about its centre
      {5, 200, 800, 210, 790},  // widened past the right end, it ends there
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    form.SetParValue(c.startOffset, offset, 1);
    form.SetParValue(c.startWidth, width, 1);
    ASSERT_EQ(gSpectHz, c.startWidth);
    ASSERT_EQ(gHorOffHz, c.startOffset);
    form.CmndUpDn_Click(c.index);
    EXPECT_NEAR(gSpectHz, c.width, 0.01);
    EXPECT_NEAR(gHorOffHz, c.offset, 0.01);
    EXPECT_EQ(Par(width).Value, gSpectHz);
    EXPECT_EQ(Par(offset).Value, gHorOffHz);
  }
}
