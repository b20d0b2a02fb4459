// The parameter panel: SetParValue (clamping, display, the plain spectrum's window, linked AB
// shifts), typing into a value box, the step, sign and list buttons, the frequency entry and
// the current parameter.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "platform/runtime_numbers.h"

#include "tests/mainwin/mainwin_fixture.h"
#include "tests/support/status_texts.h"

namespace {

// Parameters of the AB type (2) as the catalogue lays them out.
constexpr int16_t kJab = 0, kVab = 1, kVa = 2, kVb = 3, kRightHz = 4, kWidth = 5, kCentre = 6,
                  kLineWidth = 7;
constexpr uint32_t kRed = 255, kGrey = 0xC0C0C0;

// The texts seen at a status line's top.
std::vector<std::string> SeenOnLine(const RecordingPictureBox& picture, int16_t line) {
  std::vector<std::string> texts;
  for (const SeenText& t : SeenTexts(picture))
    if (t.y == line * 230 - 130) texts.push_back(t.text);
  return texts;
}

class ParameterPanelTest : public MainWinTest {
 protected:
  void SetUp() override {
    MainWinTest::SetUp();
    Load();
  }
  bool Recalculated() const { return !picture.OpsOf(RecordingPictureBox::Kind::Cls).empty(); }
};

TEST_F(ParameterPanelTest, IntegerValuesRoundHalvesToEvenAndClampToTheirLimits) {
  form.OptType_Click(1);  // first-order multiplets: "#A" is an integer 0..8
  const int16_t count = 1;
  ASSERT_TRUE(Par(count).Flags & kParInteger);
  const std::pair<float, float> cases[] = {{2.5f, 2}, {3.5f, 4}, {2.4f, 2}, {100, 8}, {-3, 0}};
  for (auto [typed, stored] : cases) {
    EXPECT_EQ(form.SetParValue(typed, count, 0), stored) << typed;
    EXPECT_EQ(Par(count).Value, stored);
  }
}

TEST_F(ParameterPanelTest, ShownDecimalsFollowTheMagnitudeAndTheShownValueIsStored) {
  const std::pair<float, const char*> cases[] = {
      {1.5f, "1.5000"},     {12, "12.000"},       {250, "250.00"},   {4000, "4000.0"},
      {10000, "10000.0"},   {123456, "123456"},   {-0.004f, "-0.0040"}, {1.23456f, "1.2346"},
  };
  for (auto [value, shown] : cases) {
    form.SetParValue(value, kRightHz, 1);
    EXPECT_EQ(RowText(kRightHz), shown);
    EXPECT_FLOAT_EQ(Par(kRightHz).Value, std::stof(shown)) << "the shown value is stored back";
  }
  EXPECT_FLOAT_EQ(gHorOffHz, 1.2346f);
}

TEST_F(ParameterPanelTest, SpectrumWindowStaysInsideTheLoadedSpectrum) {
  spectra.openResult = kSpectrumLoaded;
  spectra.sweepHz = 1000;
  form.OptType_Click(0);
  ASSERT_EQ(gSimType, 0);
  const int16_t width = form.WidthPar(), offset = form.OffsetPar();
  ASSERT_GE(RowOf(width), 0);
  ASSERT_GE(RowOf(offset), 0);
  // A window of `startWidth` from `startOffset`; a value typed into one row and the box left.
  struct Case {
    float startOffset, startWidth;
    int16_t typedInto;
    const char* typed;
    float width, offset;
    const char* shownWidth;
    const char* shownOffset;
  };
  const Case cases[] = {
      {800, 1000, width, "500", 200, 800, "200.00", "start"},
      {998, 1000, width, "500", 5, 995, "5.0000", "995.00"},
      {0, 1000, offset, "998", 5, 995, "5.0000", "995.00"},
      {100, 1000, width, "500", 500, 100, "500.00", "start"},
      {0, 300, offset, "900", 100, 900, "100.00", "900.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typedInto == width ? "width " : "offset ") + c.typed +
                 " typed at offset " + std::to_string(c.startOffset));
    // The starting window as stored and shown (set directly: the rule would move it).
    Par(width).Value = gSpectHz = c.startWidth;
    Par(offset).Value = gHorOffHz = c.startOffset;
    form.Controls().SetCaption(Ctl::ParVal, RowOf(width), "start");
    form.Controls().SetCaption(Ctl::ParVal, RowOf(offset), "start");
    const int16_t row = RowOf(c.typedInto);
    form.ParVal_GotFocus(row);
    form.ParVal_KeyPress(row, c.typed[0]);
    form.ParVal_UserText(row, c.typed);
    form.ParVal_LostFocus(row);
    EXPECT_EQ(Par(width).Value, c.width);
    EXPECT_EQ(Par(offset).Value, c.offset);
    EXPECT_EQ(gSpectHz, c.width) << "the display shows the stored width";
    EXPECT_EQ(gHorOffHz, c.offset) << "the display starts at the stored offset";
    EXPECT_EQ(RowText(width), c.shownWidth);
    EXPECT_EQ(RowText(offset), c.shownOffset);
    EXPECT_EQ(form.SelPar(), c.typedInto) << "the row typed into stays the current one";
  }
}

TEST_F(ParameterPanelTest, AWidthBelowOneHertzBecomesOneHundred) {
  Par(kWidth).Min = 0;
  form.SetParValue(0.5f, kWidth, 1);
  EXPECT_EQ(gSpectHz, 100);
  EXPECT_EQ(Par(kWidth).Value, 100);
  EXPECT_EQ(RowText(kWidth), "100.00");
  EXPECT_FLOAT_EQ(gTwipsPerHz, gPicWidthTwips / 100.0f);
}

TEST_F(ParameterPanelTest, ShiftDifferenceMovesBothShiftsAboutTheCentre) {
  form.SetParValue(20, kVab, 7);
  EXPECT_EQ(Par(kVa).Value, 140);
  EXPECT_EQ(Par(kVb).Value, 160);
  EXPECT_EQ(gSpinMarks[1].Shift, 140);
  EXPECT_EQ(gSpinMarks[2].Shift, 160);
  EXPECT_TRUE(Recalculated());
}

TEST_F(ParameterPanelTest, OneShiftRecomputesDifferenceAndCentre) {
  form.SetParValue(130, kVa, 7);
  EXPECT_EQ(Par(kVab).Value, 27.5f);
  EXPECT_EQ(Par(kCentre).Value, 143.75f);
  EXPECT_EQ(gSpinMarks[1].Shift, 130);
  EXPECT_EQ(RowText(kVab), "27.50");
  EXPECT_EQ(RowText(kCentre), "143.75");
}

TEST_F(ParameterPanelTest, TypingStoresAtOnceAndCommitsOnLeavingTheBox) {
  const int16_t row = RowOf(kLineWidth);
  form.ParVal_GotFocus(row);
  EXPECT_EQ(gEditFocus, row);
  EXPECT_EQ(form.SelPar(), kLineWidth);
  EXPECT_EQ(form.ParVal_KeyPress(row, '2'), '2');
  EXPECT_EQ(gEditFocus, row + 100);
  form.ParVal_UserText(row, "2.25");
  EXPECT_EQ(Par(kLineWidth).Value, 2.25f);
  EXPECT_FALSE(Recalculated());

  form.ParVal_GotFocus(row);  // back into the box while typing is under way
  EXPECT_EQ(gEditFocus, row + 100);
  form.ParVal_LostFocus(row);
  EXPECT_EQ(RowText(kLineWidth), "2.2500");
  EXPECT_TRUE(Recalculated());
  EXPECT_EQ(gEditFocus, 0);
}

TEST_F(ParameterPanelTest, LeavingABoxWithoutTypingChangesNothing) {
  const int16_t row = RowOf(kLineWidth);
  form.ParVal_GotFocus(row);
  form.ParVal_LostFocus(row);
  EXPECT_FALSE(Recalculated());
  EXPECT_EQ(gEditFocus, row);
}

TEST_F(ParameterPanelTest, KeysOfAValueBox) {
  const int16_t row = RowOf(kRightHz);
  form.ParVal_UserText(row, "12.5");
  form.ParVal_GotFocus(row);
  EXPECT_EQ(form.ParVal_KeyPress(row, '-'), 0);
  EXPECT_EQ(Ctrl(Ctl::ParVal, row).Caption, "-12.5");
  EXPECT_EQ(Par(kRightHz).Value, -12.5f);
  EXPECT_EQ(form.ParVal_KeyPress(row, 'a'), 0);
  EXPECT_EQ(Ctrl(Ctl::ParVal, row).Caption, "-12.5");
  EXPECT_FALSE(form.TakeFocusNextRequest());
  EXPECT_EQ(form.ParVal_KeyPress(row, 13), 0);
  EXPECT_TRUE(form.TakeFocusNextRequest());
  EXPECT_FALSE(form.TakeFocusNextRequest());
}

TEST_F(ParameterPanelTest, TypedChangesWaitWhileLinkedValuesArePending) {
  form.SetParValue(20, kVab, 1);  // linked shifts recomputed, not yet shown
  form.ParVal_UserText(RowOf(kJab), "50");
  EXPECT_EQ(Par(kJab).Value, 12);
}

TEST_F(ParameterPanelTest, StepButtonsUseTheRowsIncrementOrOneForIntegers) {
  Par(kLineWidth).Incr = "0.2";
  form.CmndPlus_Click(RowOf(kLineWidth));  // not current: its own increment
  EXPECT_FLOAT_EQ(Par(kLineWidth).Value, 0.7f);
  EXPECT_EQ(form.SelPar(), kLineWidth);
  form.ParSpin_Down(RowOf(kLineWidth));
  EXPECT_FLOAT_EQ(Par(kLineWidth).Value, 0.5f);
  form.CmndSign_Click(RowOf(kJab));
  EXPECT_EQ(Par(kJab).Value, -12);

  form.OptType_Click(1);
  const int16_t count = 1;
  form.grpInc_Click(30);
  form.CmndPlus_Click(RowOf(count));
  EXPECT_EQ(Par(count).Value, 3);
  form.CmndNeg_Click(RowOf(count));
  form.ParSpin_Down(RowOf(count));
  EXPECT_EQ(Par(count).Value, 1);
}

TEST_F(ParameterPanelTest, MultipletListChoiceIsTheValue) {
  form.OptType_Click(14);
  const int16_t multiplicity = 4;
  const int16_t row = RowOf(multiplicity);
  form.Controls().SetListIndex(Ctl::cmbPar, row, 3);
  form.cmbPar_Click(row);
  EXPECT_EQ(Par(multiplicity).Value, 3);
}

TEST_F(ParameterPanelTest, FrequencyEntryNeedsANumberInTheReadout) {
  form.ParName_Click(RowOf(kCentre));
  form.Controls().SetCaption(Ctl::lblFreq, 0, "Lft Click Hz");
  form.cmdFreqEnter_Click(0);
  EXPECT_EQ(Par(kCentre).Value, 150);
  form.Controls().SetCaption(Ctl::lblFreq, 1, "123.4 Hz");
  form.cmdFreqEnter_Click(1);
  EXPECT_FLOAT_EQ(Par(kCentre).Value, 123.4f);
  EXPECT_EQ(RowText(kCentre), "123.40");
}

TEST_F(ParameterPanelTest, OnlyOnScreenParametersBecomeCurrent) {
  ASSERT_EQ(form.SelPar(), kJab);
  EXPECT_EQ(Ctrl(Ctl::ParName, RowOf(kJab)).BackColor, kRed);
  form.ParName_Click(RowOf(kCentre));
  EXPECT_EQ(form.SelPar(), kCentre);
  EXPECT_EQ(Ctrl(Ctl::ParName, RowOf(kCentre)).BackColor, kRed);
  EXPECT_EQ(Ctrl(Ctl::ParName, RowOf(kJab)).BackColor, kGrey);
  form.SelectParameter(kVa);  // a hidden shift
  EXPECT_EQ(form.SelPar(), kCentre);
}

TEST_F(ParameterPanelTest, ResetAsksAndRestoresTheDefaults) {
  Par(kJab).Value = 3;
  boxes.Answer(vbCancel);
  form.mnuReset_Click();
  EXPECT_EQ(Par(kJab).Value, 3);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "Reset default parameters for current Simulation?");
  EXPECT_EQ(boxes.last().style, vbOKCancel + vbQuestion);
  EXPECT_EQ(boxes.last().title, "Kavo Reset");

  gLineFit = -1;
  boxes.Answer(vbOK);
  form.mnuReset_Click();
  EXPECT_EQ(Par(kJab).Value, 12);
  EXPECT_EQ(gLineFit, 0);
  EXPECT_TRUE(Recalculated());
}

TEST_F(ParameterPanelTest, HeightHandleStaysInsideThePicture) {
  struct Case {
    float lock, top;
  };
  gBaseLnTwips = 3000;
  const Case cases[] = {{1000, 2000}, {200, 2600}, {5000, 0}};
  for (const Case& c : cases) {
    VertLockHt = c.lock;
    form.SetImgSliders(1);
    EXPECT_EQ(Ctrl(Ctl::Image1, 0).Top, c.top) << c.lock;
  }
  EXPECT_EQ(Ctrl(Ctl::Image1, 3).Top, 3000);
  EXPECT_EQ(Ctrl(Ctl::picKavo).Tag, "");
}

TEST_F(ParameterPanelTest, StatusMessagesGoLeftOrRight) {
  form.MessageDisplay("abc", 2, "right");
  form.MessageDisplay("abc", 1, "Left");
  const auto points = picture.OpsOf(RecordingPictureBox::Kind::PSet);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0].x1, gPicWidthTwips - 6 * RecordingPictureBox::kCharWidthTwips);
  EXPECT_EQ(points[0].y1, 330);
  EXPECT_EQ(points[1].x1, gScrollTwips + 100);
  EXPECT_EQ(points[1].y1, 100);
  EXPECT_EQ(picture.OpsOf(RecordingPictureBox::Kind::Print).size(), 2u);
}

TEST_F(ParameterPanelTest, AStatusTextReplacesTheTextOfItsFieldAndOutlastsRedraws) {
  using ::testing::ElementsAre;
  using ::testing::UnorderedElementsAre;
  // Written in this order, line 1 then shows only the last text of each of its two fields.
  form.MessageDisplay("VIREO is using 600 data points", 1, "Right");
  form.MessageDisplay("Solution 1", 1, "Right");
  form.MessageDisplay("Item 2 Restored.", 1, "Left");
  form.MessageDisplay("Solution 2", 1, "right");
  EXPECT_THAT(SeenOnLine(picture, 1), UnorderedElementsAre("Solution 2", "Item 2 Restored."));
  EXPECT_EQ(SeenTexts(picture).back().x,
            gPicWidthTwips - 13 * RecordingPictureBox::kCharWidthTwips);

  // A repaint draws the picture anew: the texts come back; progress and prompt texts end.
  form.MessageDisplay("Calculating", 3, "Left");
  form.MessageDisplay("Press ReDraw button to recalculate spectrum", 2, "Left");
  picture.ops.clear();
  form.picKavo_Paint();
  EXPECT_THAT(SeenOnLine(picture, 1), UnorderedElementsAre("Solution 2", "Item 2 Restored."));
  EXPECT_THAT(SeenOnLine(picture, 2), ElementsAre());
  EXPECT_THAT(SeenOnLine(picture, 3), ElementsAre());
}

TEST_F(ParameterPanelTest, ThePointCountOfTheStartStaysUntilTheNextTextOfItsField) {
  using ::testing::ElementsAre;
  const std::string points = "VIREO is using" + Str(gNumPts) + " data points";
  form.picKavo_Paint();  // the first paint after start-up
  EXPECT_THAT(SeenOnLine(picture, 1), ElementsAre(points));
  // ABX reports its solution in the same field: one text can be read at any time.
  for (int16_t type : {9, 9, 2}) {
    picture.ops.clear();
    form.OptType_Click(type);
    EXPECT_THAT(SeenOnLine(picture, 1), ElementsAre(points)) << type;
    picture.ops.clear();
    form.CmndPlus_Click(0);
    if (type == 9) {
      EXPECT_THAT(SeenOnLine(picture, 1),
                  ElementsAre(::testing::AnyOf("Solution 1", "Solution 2")));
    } else {
      EXPECT_THAT(SeenOnLine(picture, 1), ElementsAre(points));
    }
  }
}

}  // namespace
