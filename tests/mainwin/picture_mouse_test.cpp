// The mouse inside the spectrum picture: hovering and dragging a nucleus marker, the rubber-band
// box with its popup, and the left-click frequency read-out.
#include "tests/mainwin/picture_fixture.h"
#include "tests/support/comma_locale.h"

namespace {

using Kind = RecordingPictureBox::Kind;

class PictureMouseTest : public PictureFixture {};

TEST_F(PictureMouseTest, MarkersAreHoveredOnlyBelowTheBaselineAndWithin99Twips) {
  struct Case {
    float dx, dy;  // from marker 1's position on the baseline
    int16_t hovered;
  };
  const Case cases[] = {{99, 1, 1},  {-99, 400, 1}, {100, 1, 0},   {-100, 1, 0},
                        {0, 0, 0},   {0, -300, 0},  {0, 1, 1}};
  for (const Case& c : cases) {
    form.picKavo_MouseMove(0, 0, XOf(142.5f) + c.dx, kBase + c.dy);
    EXPECT_EQ(form.HoverMark(), c.hovered) << c.dx << ", " << c.dy;
    ASSERT_FALSE(host.picturePointers.empty());
    EXPECT_EQ(host.picturePointers.back(), c.hovered ? 9 : 0) << c.dx << ", " << c.dy;
  }
}

TEST_F(PictureMouseTest, OfTwoMarkersInReachTheLowerIndexWins) {
  gSpinMarks[2].Shift = 145;  // 75 twips left of marker 1
  form.picKavo_MouseMove(0, 0, XOf(145) + 10, kBase + 50);
  EXPECT_EQ(form.HoverMark(), 1);
}

TEST_F(PictureMouseTest, DraggingAMarkerMovesItsShiftAndRecalculatesOnlyAtTheRelease) {
  const float x = XOf(142.5f);
  form.picKavo_MouseMove(0, 0, x, kBase + 50);
  form.picKavo_MouseMove(1, 0, x - 150, kBase + 50);
  form.picKavo_MouseMove(1, 0, x - 300, kBase + 50);
  EXPECT_EQ(form.PicDrag(), 1);
  EXPECT_FLOAT_EQ(Par(2).Value, 152.5f);
  EXPECT_FLOAT_EQ(gSpinMarks[1].Shift, 152.5f);
  EXPECT_EQ(Drawings(), 0);
  ASSERT_TRUE(picture.overlays[PictureBox::kOverlayGuide]);
  const PictureBox::Overlay guide = *picture.overlays[PictureBox::kOverlayGuide];
  EXPECT_FALSE(guide.box);
  EXPECT_EQ(guide.x1, x - 300);
  EXPECT_EQ(guide.x2, x - 300);
  EXPECT_EQ(guide.y2, kBase);

  form.picKavo_MouseUp(1, 0, x - 300, kBase + 50);
  EXPECT_EQ(form.PicDrag(), 0);
  EXPECT_GE(Drawings(), 1);
  EXPECT_TRUE(NoOverlays());
  // Va and Vb are shown through their difference and centre.
  EXPECT_FLOAT_EQ(Par(1).Value, 5);
  EXPECT_FLOAT_EQ(Par(6).Value, 155);
  EXPECT_EQ(RowText(1), "5.00");
  EXPECT_EQ(RowText(6), "155.00");
  EXPECT_EQ(host.picturePointers.back(), 0);
  EXPECT_EQ(Caption(Ctl::lblFreq, 0), "152.5 Hz");  // the release is also a read-out
}

TEST_F(PictureMouseTest, OnlyTheLeftButtonDragsAMarker) {
  const float x = XOf(142.5f);
  form.picKavo_MouseMove(0, 0, x, kBase + 50);
  Drag(2, x, kBase + 50, x - 300, kBase + 50);
  EXPECT_FLOAT_EQ(Par(2).Value, 142.5f);
  EXPECT_TRUE(host.popups.empty());
  EXPECT_EQ(Drawings(), 0);
}

TEST_F(PictureMouseTest, ABoxShowsItsWidthThenOpensThePopupAndIsRemoved) {
  CommaLocale comma;
  form.picKavo_MouseMove(0, 0, 3000, 100);
  form.picKavo_MouseMove(2, 0, 3000, 1000);
  EXPECT_EQ(form.PicDrag(), -1);
  EXPECT_FALSE(picture.overlays[PictureBox::kOverlayBox]);  // nothing drawn before a move
  form.picKavo_MouseMove(2, 0, 1500, 2000);
  ASSERT_TRUE(picture.overlays[PictureBox::kOverlayBox]);
  const PictureBox::Overlay box = *picture.overlays[PictureBox::kOverlayBox];
  EXPECT_TRUE(box.box);
  EXPECT_EQ(box.x1, 3000);
  EXPECT_EQ(box.y1, 1000);
  EXPECT_EQ(box.x2, 1500);
  EXPECT_EQ(box.y2, 2000);
  EXPECT_EQ(box.color, gTraceColors[1]);
  EXPECT_EQ(Caption(Ctl::lblFreq, 1), "50.0 Hz");  // drawn leftward: positive

  const std::string readout = Caption(Ctl::lblFreq, 0);
  form.picKavo_MouseUp(2, 0, 1500, 2000);
  EXPECT_FLOAT_EQ(form.BoxHiHz(), 250);
  EXPECT_FLOAT_EQ(form.BoxLoHz(), 200);
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0], Ctl::mnuPopRtDrag);
  EXPECT_EQ(Caption(Ctl::mnuPopRt, 1), "Integrate");
  EXPECT_TRUE(NoOverlays());
  EXPECT_EQ(Caption(Ctl::lblFreq, 0), readout);  // a box is no read-out
  EXPECT_EQ(form.PicDrag(), 0);
}

TEST_F(PictureMouseTest, ThePopupNamesTheWholeSpectrumAndTheReferenceStateBeforeItOpens) {
  struct Case {
    int16_t lineFit, disableRef;
    const char* integrate;
    bool reference;
  };
  const Case cases[] = {{0, 0, "Integrate", true}, {-1, 0, "Integrate Spectrum", true},
                        {0, -1, "Integrate", false}};
  for (const Case& c : cases) {
    gLineFit = c.lineFit;
    gDisableRef = c.disableRef;
    host.onPopup = [&](Ctl) {
      EXPECT_EQ(Caption(Ctl::mnuPopRt, 1), c.integrate);
      EXPECT_EQ(Ctrl(Ctl::mnuPopRt, 4).Enabled, c.reference);
    };
    RightBox(3000, 1000, 1500, 2000);
  }
  EXPECT_EQ(host.popups.size(), 3u);
}

TEST_F(PictureMouseTest, ABoxOfAtMostOneHertzOpensNoPopupButIsRemoved) {
  RightBox(3000, 1000, 3030, 2000);  // exactly 1.0 Hz
  EXPECT_TRUE(host.popups.empty());
  EXPECT_TRUE(NoOverlays());
  RightBox(3000, 1000, 3031, 2000);
  EXPECT_EQ(host.popups.size(), 1u);
}

TEST_F(PictureMouseTest, APopupCommandThatRedrawsLeavesNoBoxBehind) {
  host.onPopup = [&](Ctl) { form.mnuPopRt_Click(0); };
  RightBox(3000, 1000, 1500, 2000);
  EXPECT_GE(Drawings(), 1);
  EXPECT_TRUE(NoOverlays());
  EXPECT_TRUE(picture.OpsOf(Kind::Box).empty());
}

TEST_F(PictureMouseTest, ALeftClickReadsTheFrequencyAndTheDifferenceToThePreviousClick) {
  CommaLocale comma;
  gHorOffHz = 12.5f;
  form.picKavo_MouseUp(1, 0, 3000, 1000);  // 200 Hz above the offset
  EXPECT_EQ(Caption(Ctl::lblFreq, 0), "212.5 Hz");
  EXPECT_EQ(Caption(Ctl::lblFreq, 1), "212.5 Hz");  // the first click against 0
  form.picKavo_MouseUp(1, 0, 4500, 1000);
  EXPECT_EQ(Caption(Ctl::lblFreq, 0), "162.5 Hz");
  EXPECT_EQ(Caption(Ctl::lblFreq, 1), "-50.0 Hz");
  form.picKavo_MouseUp(2, 0, 0, 1000);
  EXPECT_EQ(Caption(Ctl::lblFreq, 0), "162.5 Hz");
  EXPECT_EQ(Caption(Ctl::lblFreq, 1), "-50.0 Hz");
}

}  // namespace
