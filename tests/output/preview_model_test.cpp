#include "output/preview_model.h"

#include <cmath>

#include "drawlib/ini/ini_support.h"
#include "drawlib/steps/step_list.h"
#include "tests/output/output_model_fixture.h"

namespace {

class PreviewModel : public OutputModelTest {
 protected:
  void SetUp() override {
    OutputModelTest::SetUp();
    PreviewActivate(s);
    s.handleSize = 100;
  }
  float Scale() const { return Pardata[35].Default; }
  PreviewState s;
};

TEST_F(PreviewModel, RequestStringHoldsTheRangeAndPagesPerSheet) {
  struct Case {
    int16_t choice, perSheet, current, count;
    const char *from, *to, *tag;
  };
  const Case cases[] = {
      {0, 1, 1, 1, "", "", "Print < 1- 1> 1]"},
      {0, 2, 1, 3, "", "", "Print < 1- 2> 2]"},  // current page, two per sheet
      {1, 1, 2, 4, "", "", "Print < 1- 4> 1]"},
      {2, 1, 1, 5, "0", "9", "Print < 1- 5> 1]"},  // typed pages clamped to 1..count
      {2, 1, 1, 5, "4", "2", "Print < 4- 4> 1]"},  // to never below from
  };
  for (const Case& c : cases) {
    const PageRange r = PrintPageRange(c.choice, c.perSheet, c.current, c.count, c.from, c.to);
    EXPECT_EQ(PrintRequestTag(r, c.perSheet), c.tag);
  }
  EXPECT_EQ(PagesPerSheet(0), 1);
  EXPECT_EQ(PagesPerSheet(3), 6);
}

TEST_F(PreviewModel, PrintCommandPrintsTheCurrentPageWithinTheRange) {
  struct Case {
    const char* tag;
    int16_t current;
    bool prints;
    bool message;
  };
  const Case cases[] = {
      {"OK", 1, false, false},
      {"Print < 1- 1> 1]", 1, true, false},
      {"Print < 2- 3> 1]", 1, false, false},
      {"Print < 1- 2> 2]", 1, true, true},  // several per sheet: said, then one page
      {"Print < 1- 4> 4]", 3, true, true},
  };
  for (const Case& c : cases) {
    const PrintDecision d = DecidePrint(ParsePrintRequest(c.tag), c.current);
    EXPECT_EQ(d.printCurrentPage, c.prints) << c.tag;
    EXPECT_EQ(d.message.empty(), !c.message) << c.tag;
  }
}

TEST_F(PreviewModel, ScaleStepsReturnAndStopAtTheLimits) {
  PreviewScaleStep(true);
  EXPECT_NEAR(Scale(), 1.02f, 1e-6);
  PreviewScaleStep(false);
  EXPECT_NEAR(Scale(), 1.0f, 1e-6);
  Pardata[35].Default = 9.95f;
  PreviewScaleStep(true);
  EXPECT_FLOAT_EQ(Scale(), 10.0f);  // held at the maximum, not back to the built-in value
  Pardata[35].Default = 0.101f;
  PreviewScaleStep(false);
  EXPECT_FLOAT_EQ(Scale(), 0.1f);
  EXPECT_EQ(PreviewScaleText(), "0.100");
}

TEST_F(PreviewModel, TypedScaleOutsideTheLimitsIsRefused) {
  for (const char* text : {"0", "-2", "1e39", "11", ""}) {
    Pardata[35].Default = 0.8f;
    EXPECT_FALSE(PreviewScaleTyped(text)) << text;
    EXPECT_FLOAT_EQ(Scale(), 0.8f) << text;
  }
  EXPECT_TRUE(PreviewScaleTyped("1,5"));
  EXPECT_FLOAT_EQ(Scale(), 1.5f);
}

TEST_F(PreviewModel, ResizeDragFollowsTheMouseAndIgnoresPointsAcrossTheOrigin) {
  const float right = PaperRect.right, top = PaperRect.top;
  PreviewMouseDown(s, right + 10, top - 10);
  ASSERT_EQ(s.dragMode, kDragResize);
  EXPECT_TRUE(PreviewMouseMove(s, right / 2, top));
  EXPECT_NEAR(Scale(), 2.0f, 1e-4);
  for (float x : {0.0f, -500.0f, 100.0f}) {  // at or left of the handle size
    EXPECT_FALSE(PreviewMouseMove(s, x, top)) << x;
    EXPECT_NEAR(Scale(), 2.0f, 1e-4);
  }
  EXPECT_TRUE(PreviewMouseMove(s, 101, top));  // far right of the page: held at 10
  EXPECT_FLOAT_EQ(Scale(), 10.0f);
  PreviewMouseUp(s);
  EXPECT_EQ(s.dragMode, kDragNone);
}

TEST_F(PreviewModel, CancelAfterADragRestoresTheScaleAndDropsTheOffset) {
  StepListReset();
  PreviewMouseDown(s, 0, 0);
  ASSERT_EQ(s.dragMode, kDragMove);
  PreviewMouseMove(s, 300, -200);
  EXPECT_FLOAT_EQ(s.offsetX, 300);
  EXPECT_FLOAT_EQ(s.offsetY, -200);
  PreviewScaleStep(true);
  PreviewCancel(s);
  EXPECT_FLOAT_EQ(Scale(), 1.0f);
  EXPECT_FLOAT_EQ(s.offsetX, 0);
  EXPECT_FLOAT_EQ(s.offsetY, 0);
}

TEST_F(PreviewModel, FrameIsThePaperLessTheMarginsWithTheSquareAndNameMarker) {
  Pardata[104].Default = 10;  // top margin, mm
  Pardata[48].Default = 1;
  s.offsetX = 50;
  const auto shapes = PageFrameShapes(s);
  ASSERT_GE(shapes.size(), 3u);
  EXPECT_FLOAT_EQ(shapes[0].top, PaperRect.top - 402);
  EXPECT_FLOAT_EQ(shapes[0].left, PaperRect.left + 50 + 40.2f * Pardata[106].Default);
  const FrameShape& square = shapes[shapes.size() - 2];
  EXPECT_TRUE(square.filled);
  EXPECT_FLOAT_EQ(square.right - square.left, 200);
  EXPECT_EQ(shapes.back().colour, kPrintableColour);
  Pardata[35].Default = 0;  // a zero scale never reaches the frame
  for (const FrameShape& f : PageFrameShapes(s)) EXPECT_TRUE(std::isfinite(f.left + f.top));
}

TEST_F(PreviewModel, SaveSetupWritesExactlyFourKeys) {
  Pardata[35].Default = 1.25f;
  ASSERT_TRUE(PreviewSaveSetup());
  IniEntryTable table;
  ASSERT_EQ(IniReadSection("Preferences", table), 4);
  EXPECT_EQ(table[0][0], "20 " + Pardata[20].Name);
  EXPECT_EQ(table[0][3], "56 " + Pardata[56].Name);
  EXPECT_EQ(IniGetString("Preferences", "35 Print Scale:", ""), "1.250");
}

TEST_F(PreviewModel, ZoomAndHandleSizeComeFromThePictureHeight) {
  const float zoom = PreviewZoom(6000);
  EXPECT_NEAR(zoom, 6000 * 0.3f / std::max(PrintableRect.right, PrintableRect.top), 1e-6);
  EXPECT_EQ(HandleSizeFor(0.5f), 100);
  EXPECT_EQ(HandleSizeFor(0), 1);
}

}  // namespace
