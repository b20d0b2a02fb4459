// The Options menu: simulated noise, height lock, display width, the spectrum reference, point
// density, the parameter dialog, and the two print commands.
#include "drawlib/params_apply.h"
#include "drawlib/steps/step_list.h"
#include "platform/runtime_numbers.h"
#include "tests/mainwin/picture_fixture.h"
#include "tests/mainwin/recording_output_services.h"

namespace {

using Kind = RecordingPictureBox::Kind;

class OptionMenusTest : public PictureFixture {
 protected:
  int CheckedCount(Ctl id, int count) {
    int n = 0;
    for (int i = 0; i < count; ++i) n += Ctrl(id, i).Value;
    return n;
  }
};

TEST_F(OptionMenusTest, NoiseItemsAreExclusiveAndSetPowersOfTwo) {
  const int16_t levels[] = {0, 2, 4, 8, 16, 32, 64};
  for (int16_t item : {3, 6, 1, 0, 5, 2, 4}) {
    picture.ops.clear();
    form.mnuNoise_Click(item);
    EXPECT_EQ(gNoiseLevel, levels[item]);
    EXPECT_TRUE(Ctrl(Ctl::mnuNoise, item).Value);
    EXPECT_EQ(CheckedCount(Ctl::mnuNoise, 7), 1);
    EXPECT_GT(Drawings(), 0);
  }
}

TEST_F(OptionMenusTest, AnOverlaidSpectrumHasNoSimulatedNoise) {
  form.mnuNoise_Click(3);
  gLineFit = -1;
  form.mnuPrefrences_Click();
  EXPECT_EQ(gNoiseLevel, 0);
  for (int i = 0; i < 7; ++i) {
    EXPECT_FALSE(Ctrl(Ctl::mnuNoise, i).Enabled);
    EXPECT_FALSE(Ctrl(Ctl::mnuNoise, i).Value);
  }
  picture.ops.clear();
  form.mnuNoise_Click(2);
  EXPECT_EQ(Drawings(), 0);

  gLineFit = 0;
  form.mnuPrefrences_Click();
  for (int i = 0; i < 7; ++i) EXPECT_TRUE(Ctrl(Ctl::mnuNoise, i).Enabled);
  EXPECT_TRUE(Ctrl(Ctl::mnuNoise, 2).Value);
}

TEST_F(OptionMenusTest, LockHeightLocksAtTheTallestPeakWithoutRecalculating) {
  form.mnuPref_Click(0);
  const float tallest = form.SpectrumMax();
  ASSERT_GT(tallest, 100);
  EXPECT_EQ(gVertLock, -1);
  EXPECT_FLOAT_EQ(VertLockHt, tallest);
  EXPECT_TRUE(Ctrl(Ctl::mnuPref, 0).Value);
  EXPECT_TRUE(Ctrl(Ctl::Image1, 0).Visible);
  EXPECT_FLOAT_EQ(Ctrl(Ctl::Image1, 0).Top, kBase - tallest);
  std::vector<RecordingPictureBox::Op> lines = picture.OpsOf(Kind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_FLOAT_EQ(lines[0].y1, kBase - tallest);
  EXPECT_EQ(lines[0].x2, kWidth);
  EXPECT_EQ(lines[0].color, 0xC0C0C0u);

  form.mnuPref_Click(0);
  EXPECT_EQ(gVertLock, 0);
  EXPECT_FALSE(Ctrl(Ctl::mnuPref, 0).Value);
  lines = picture.OpsOf(Kind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].color, 0xFFFFFFu);  // the line is wiped out
  EXPECT_EQ(Drawings(), 0);
}

TEST_F(OptionMenusTest, DisplayWidthIsClampedTo200To3000Points) {
  struct Case {
    const char* answer;
    int16_t points;
  };
  const Case cases[] = {{"5000", 3000}, {"150", 200}, {"abc", 200}, {"1000", 1000}};
  for (const Case& c : cases) {
    boxes.Clear();
    boxes.AnswerInput(c.answer);
    const std::string current = Str(gNumPts);
    form.mnuPref_Click(4);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().title, "Set Display Width");
    EXPECT_EQ(boxes.last().defaultText, current);
    EXPECT_EQ(boxes.last().text,
              "Type new value for number of points in simulated spectrum and in the display "
              "screen (200-3000). Current value is " + current +
                  ". This will also reset the width of the display area.");
    EXPECT_EQ(gNumPts, c.points) << c.answer;
    EXPECT_EQ(Ctrl(Ctl::picKavo).Width, c.points * 15.0f);
    EXPECT_EQ(Ctrl(Ctl::picKavo).Left, Ctrl(Ctl::fraIncrement).Left);
  }
  picture.ops.clear();
  boxes.CancelInput();
  form.mnuPref_Click(4);
  EXPECT_EQ(gNumPts, 1000);
  EXPECT_EQ(Drawings(), 0);
}

TEST_F(OptionMenusTest, DisablingTheReferenceShiftsEverythingOnlyForMoreThanATenthOfAHertz) {
  struct Case {
    float reference, shift;
  };
  for (const Case& c : {Case{0.05f, 0}, Case{3.5f, -3.5f}}) {
    form.Controls().SetValue(Ctl::mnuPref, 5, false);
    gDisableRef = 0;
    form.SetParValue(20, form.OffsetPar(), 1);
    form.SetParValue(142.5f, 2, 1);
    form.SetParValue(157.5f, 3, 1);
    gSpec.Ref = c.reference;
    form.mnuPref_Click(5);
    EXPECT_TRUE(Ctrl(Ctl::mnuPref, 5).Value);
    EXPECT_EQ(gDisableRef, -1);
    EXPECT_FLOAT_EQ(gHorOffHz, 20 + c.shift) << c.reference;
    EXPECT_FLOAT_EQ(Par(form.OffsetPar()).Value, 20 + c.shift);
    EXPECT_FLOAT_EQ(Par(2).Value, 142.5f + c.shift);
    EXPECT_FLOAT_EQ(gSpinMarks[2].Shift, 157.5f + c.shift);
  }
  const float offset = gHorOffHz;
  gSpec.Ref = 3.5f;
  form.mnuPref_Click(5);  // enabling again shifts nothing
  EXPECT_FALSE(Ctrl(Ctl::mnuPref, 5).Value);
  EXPECT_EQ(gDisableRef, 0);
  EXPECT_EQ(gHorOffHz, offset);
}

TEST_F(OptionMenusTest, PointDensityIsExclusiveAndSetsTheStep) {
  struct Case {
    int16_t item, step;
  };
  for (const Case& c : {Case{1, 3}, Case{2, 10}, Case{0, 1}}) {
    form.mnuPrefPoint_Click(c.item);
    EXPECT_EQ(gPointStep, c.step);
    EXPECT_TRUE(Ctrl(Ctl::mnuPrefPoint, c.item).Value);
    EXPECT_EQ(CheckedCount(Ctl::mnuPrefPoint, 3), 1);
  }
  EXPECT_EQ(Drawings(), 0);
}

TEST_F(OptionMenusTest, ShowDifferenceAndCouplingTreesToggle) {
  form.mnuPref_Click(1);
  EXPECT_TRUE(Ctrl(Ctl::btnDiffTogg).Value);
  EXPECT_TRUE(Ctrl(Ctl::Image1, 1).Visible);
  EXPECT_TRUE(Ctrl(Ctl::mnuPref, 1).Value);
  form.mnuPref_Click(1);
  EXPECT_FALSE(Ctrl(Ctl::btnDiffTogg).Value);
  EXPECT_FALSE(Ctrl(Ctl::Image1, 1).Visible);

  const bool trees = Ctrl(Ctl::mnuABXTree).Value;
  form.mnuABXTree_Click();
  EXPECT_EQ(Ctrl(Ctl::mnuABXTree).Value, !trees);
}

TEST_F(OptionMenusTest, TheParameterDialogAppliesOrRestoresTheSimulation) {
  struct Case {
    const char* tag;
    float jab;
  };
  for (const Case& c : {Case{"Cancel", 12}, Case{"", 9}}) {
    form.SetParValue(12, 0, 1);
    host.parameterDialog = [&] {
      EXPECT_EQ(Ctrl(Ctl::picKavo).Tag, "No");
      Par(0).Value = 9;  // edited in the dialog
      return std::string(c.tag);
    };
    form.mnuPar_Click();
    EXPECT_FLOAT_EQ(Par(0).Value, c.jab) << c.tag;
    EXPECT_EQ(Ctrl(Ctl::picKavo).Tag, "");
  }
  EXPECT_EQ(RowText(0), "9.0000");
}

TEST_F(OptionMenusTest, PrintCommandsGoToThePrinter) {
  RecordingOutputServices output;
  PrintableRect = {-4000, 5000, 4000, -5000};
  StepCountSet(17);
  form.mnuPrintSpec_Click();
  ASSERT_EQ(output.renders.size(), 1u);
  const RecordingOutputServices::Render& r = output.renders[0];
  EXPECT_EQ(r.region.left, -4000);
  EXPECT_EQ(r.region.bottom, -5000);
  EXPECT_EQ(r.region.right, 4000);
  EXPECT_EQ(r.region.top, 5000);
  EXPECT_EQ(r.firstStep, 1);
  // The command builds the plot document first and prints all of it.
  EXPECT_EQ(r.lastStep, StepCountGet());
  EXPECT_GE(r.lastStep, 1);
  EXPECT_EQ(r.blackOnWhite, 0);
  EXPECT_EQ(r.flags, 68);
  EXPECT_EQ(output.previews, 0);

  form.mnuPrintPreview_Click();
  EXPECT_EQ(output.previews, 1);
  EXPECT_EQ(output.renders.size(), 1u);
}

}  // namespace
