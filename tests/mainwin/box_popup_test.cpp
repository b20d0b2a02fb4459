// The commands of the box popup: expand to the box, integrate it, find its peak, read its edges
// and set the spectrum reference from its peak.
#include <algorithm>

#include "tests/mainwin/picture_fixture.h"
#include "tests/support/comma_locale.h"

namespace {

using Kind = RecordingPictureBox::Kind;

class BoxPopupTest : public PictureFixture {
 protected:
  // A box from x1 to x2 (the press point first) that runs popup command `item`.
  void BoxCommand(float x1, float x2, int16_t item, float y1 = 1000, float y2 = 3000) {
    host.onPopup = [this, item](Ctl) { form.mnuPopRt_Click(item); };
    RightBox(x1, y1, x2, y2);
    host.onPopup = nullptr;
  }
  // The calculated spectrum as the popup reads it: `inside` at points 1..gNumPts, `outside`
  // everywhere else in the array.
  void FillSpectrum(float inside, float outside) {
    std::fill(gSpectrum.begin(), gSpectrum.end(), outside);
    for (int k = 1; k <= gNumPts; ++k) gSpectrum[static_cast<size_t>(k)] = inside;
  }
  static float XOfPoint(int k) { return kWidth - 15.0f * static_cast<float>(k); }
};

TEST_F(BoxPopupTest, ExpandShowsTheBoxButAtLeast10Hertz) {
  form.SetParValue(1000, form.WidthPar(), 1);  // 9 twips per Hz
  form.SetParValue(100, form.OffsetPar(), 1);
  struct Case {
    float hiHz, loHz;  // h of the press and the release
    float width, offset;
  };
  const Case cases[] = {{500, 495, 10, 595}, {300, 200, 100, 300}};
  for (const Case& c : cases) {
    BoxCommand((gSpectHz - c.hiHz) * gTwipsPerHz, (gSpectHz - c.loHz) * gTwipsPerHz, 0);
    EXPECT_FLOAT_EQ(gSpectHz, c.width);
    EXPECT_FLOAT_EQ(gHorOffHz, c.offset);
    EXPECT_FLOAT_EQ(Par(form.WidthPar()).Value, c.width);
    EXPECT_FLOAT_EQ(Par(form.OffsetPar()).Value, c.offset);
    form.SetParValue(1000, form.WidthPar(), 1);
    form.SetParValue(100, form.OffsetPar(), 1);
  }
}

TEST_F(BoxPopupTest, IntegratingTheWholeSimulatedSpectrumGivesAHundredPercent) {
  CommaLocale comma;
  BoxCommand(0, kWidth, 1);
  EXPECT_EQ(Caption(Ctl::lblFreq, 0), "area:100.0 ");
  const std::vector<RecordingPictureBox::Op> points = picture.OpsOf(Kind::PSet);
  ASSERT_EQ(points.size(), 601u);
  EXPECT_EQ(points.front().color, PaletteColor(12));
  EXPECT_NEAR(points.back().y1, 0, 1);  // the curve climbs to the top edge
  EXPECT_TRUE(PrintedText("100.0 "));
}

TEST_F(BoxPopupTest, IntegrationNeverReadsPastTheSpectrum) {
  FillSpectrum(1, 1e6f);
  BoxCommand(-3000, kWidth + 3000, 1);  // 1001 positions, each clamped onto a point
  EXPECT_EQ(Caption(Ctl::lblFreq, 0), "area:166.8 ");
}

TEST_F(BoxPopupTest, AnEmptySpectrumHasNoArea) {
  FillSpectrum(0, 0);
  BoxCommand(0, kWidth, 1);
  EXPECT_EQ(Caption(Ctl::lblFreq, 0), "area: -");
  EXPECT_TRUE(picture.OpsOf(Kind::PSet).empty());
  EXPECT_TRUE(picture.OpsOf(Kind::Print).empty());
}

TEST_F(BoxPopupTest, AnOverlaidSpectrumIsIntegratedAboveTheBoxsFirstCorner) {
  gLineFit = -1;
  gExpBaseLnTwips = 4000;
  gSpecExp.assign(gSpectrum.size(), 10);
  gSpectrum.assign(gSpectrum.size(), 0);
  form.picKavo_MouseMove(0, 0, 0, 100);
  form.picKavo_MouseMove(2, 0, 0, 3990);  // 10 twips above the experimental baseline
  form.picKavo_MouseMove(2, 0, kWidth, 3000);
  form.picKavo_MouseUp(2, 0, kWidth, 3000);
  form.mnuPopRt_Click(1);
  EXPECT_EQ(Caption(Ctl::lblFreq, 0), "area:0.0 ");
}

TEST_F(BoxPopupTest, PeakPositionMarksTheLeftOfTwoEqualMaxima) {
  CommaLocale comma;
  FillSpectrum(0, 1e6f);
  gSpectrum[200] = 7;
  gSpectrum[400] = 7;  // further left: higher frequency
  BoxCommand(-3000, kWidth + 3000, 2, 1000, 3000);
  EXPECT_EQ(Caption(Ctl::lblFreq, 0), "200.0 Hz");
  const std::vector<RecordingPictureBox::Op> lines = picture.OpsOf(Kind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].x1, XOfPoint(400));
  EXPECT_EQ(lines[0].y1, 3000);
  EXPECT_EQ(lines[0].y2, 2500);
  EXPECT_EQ(lines[0].color, gTraceColors[1]);
  const std::vector<RecordingPictureBox::Op> texts = picture.OpsOf(Kind::Print);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "200.0 Hz");
  EXPECT_EQ(texts[0].y1, 2300);
}

TEST_F(BoxPopupTest, TheBoxReadOutGivesItsWidthAndItsRightEdge) {
  CommaLocale comma;
  gHorOffHz = 12.5f;
  for (float from : {1500.0f, 3000.0f}) {
    BoxCommand(from, 4500 - from, 3);
    EXPECT_EQ(Caption(Ctl::lblFreq, 1), "50.0 Hz");
    EXPECT_EQ(Caption(Ctl::lblFreq, 0), "212.5 Hz");
  }
}

TEST_F(BoxPopupTest, IntegrateIsOfferedOnlyForATrace) {
  for (int16_t mode : {int16_t{0}, int16_t{1}, int16_t{2}}) {
    gTypeMode = mode;
    form.mnuPopRtDrag_Click();
    EXPECT_EQ(Ctrl(Ctl::mnuPopRt, 1).Enabled, mode != 0) << mode;
  }
}

class SetReferenceTest : public BoxPopupTest {
 protected:
  // A 300 Hz window from 2000 Hz with one peak at 2180 Hz (x 3600).
  void SetUp() override {
    BoxPopupTest::SetUp();
    gDisableRef = 0;
    gSpec.MHz = 300;
    PeakAt2180();
  }
  void PeakAt2180() {
    form.SetParValue(2000, form.OffsetPar(), 1);
    form.SetParValue(2150, 2, 1);
    form.SetParValue(2160, 3, 1);
    FillSpectrum(0, 0);
    gSpectrum[360] = 9;
  }
};

TEST_F(SetReferenceTest, TheTypedShiftMovesEverything) {
  CommaLocale comma;
  for (int16_t fit : {int16_t{0}, int16_t{-1}}) {
    PeakAt2180();
    gLineFit = fit;
    if (fit) gSpecExp = gSpectrum;
    gSpec.Ref = 5;
    boxes.Clear();
    boxes.AnswerInput("7.26");
    BoxCommand(0, kWidth, 4);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().title, "Set Reference");
    EXPECT_EQ(boxes.last().text,
              "The maximum position in the Right-Drag-Box is at 2180.0 Hz (7.27 ppm). Type ppm "
              "value for this position (spectrometer frequency is 300.00 MHz).");
    EXPECT_EQ(boxes.last().defaultText, "7.27");
    EXPECT_NEAR(gHorOffHz, 1998, 0.01) << fit;
    EXPECT_NEAR(Par(form.OffsetPar()).Value, 1998, 0.01);
    EXPECT_NEAR(Par(2).Value, 2148, 0.01);
    EXPECT_NEAR(gSpinMarks[2].Shift, 2158, 0.01);
    EXPECT_EQ(RowText(6), "2153.00");  // the shown centre follows
    EXPECT_NEAR(gSpec.Ref, fit ? 3 : 5, 0.01) << fit;  // an overlaid spectrum's reference moves
  }
}

TEST_F(SetReferenceTest, ACancelledAnswerOrAMissingSpectrometerFrequencyChangesNothing) {
  boxes.CancelInput();
  BoxCommand(0, kWidth, 4);
  EXPECT_FLOAT_EQ(gHorOffHz, 2000);

  gSpec.MHz = 0;
  boxes.Clear();
  BoxCommand(0, kWidth, 4);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_FALSE(boxes.last().input);
  EXPECT_EQ(boxes.last().title, "Set Reference");
  EXPECT_FLOAT_EQ(gHorOffHz, 2000);
  EXPECT_FLOAT_EQ(Par(2).Value, 2150);
}

}  // namespace
