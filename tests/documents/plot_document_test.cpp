#include <gtest/gtest.h>

#include "documents/drawing_extents.h"
#include "documents/plot_document.h"
#include "documents/plot_sources.h"
#include "documents/spec_packet.h"
#include "documents/spec_record.h"
#include "drawlib/params_apply.h"
#include "drawlib/pardata.h"
#include "drawlib/steps/step_list.h"
#include "engine/engine_globals.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"

namespace {

class PlotDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    PardataBuild();
    SetPlotClock([] {
      std::tm t{};
      t.tm_year = 126, t.tm_mon = 4, t.tm_mday = 7, t.tm_hour = 9, t.tm_min = 5, t.tm_sec = 3;
      return t;
    });
    gNumPts = 10;
    RedimSpectrum(10);
    gSpectHz = 500;
    gVertScale = 3000;
    gBaseLnTwips = 2000;
    gPrintBoxWidth = 6030;
    gPrintBoxHeight = 4020;
    gSimType = 5;
    gSimTypes[5].Caption = " ABX ";
    gSimTypes[5].Order = "0123";
  }
  void TearDown() override {
    SetPlotClock(nullptr);
    ResetProcessState();
  }
  MsgBoxRecorder boxes;
};

TEST_F(PlotDocumentTest, TitleStampAndFourColumnParametersShareTheBlockCentre) {
  gPrintBoxToggles = 0x0801;
  CreateSimPlot(0);
  ASSERT_EQ(StepCount, 6);  // object, heading, 4 cells
  EXPECT_EQ(gSpec.Strings[0], "M > Simulation of ABX (05-07-2026, 09:05:03)");
  const float bx = StepList.X[2];
  EXPECT_FLOAT_EQ(StepList.Y[2], StepList.Y[1] - 1206);
  for (int c = 0; c < 4; ++c) EXPECT_FLOAT_EQ(StepList.X[std::size_t(3 + c)], bx + (c - 2) * 1608.0f);
  EXPECT_EQ(StepList.Text[2], "M  R = 1.1 P = 2 > Parameters");
  EXPECT_EQ(StepList.Text[3].substr(0, 12), "T  R =  .85 ");
}

TEST_F(PlotDocumentTest, ALongLineListStopsAtTheLastStepWithAnEllipsisCell) {
  gPrintBoxToggles = 0x1001;
  RedimLineList(6000);
  gNumLines = 6000;
  CreateSimPlot(0);
  EXPECT_EQ(StepCount, kStepListUBound);
  EXPECT_EQ(StepList.Text[kStepListUBound], "L  R =  .7 > ...");
}

TEST_F(PlotDocumentTest, TheExperimentLabelIsTheSameAfterTwoBuilds) {
  gSimType = 0;
  gSpec.ImpWdthHz = 1234.5f;
  gSpec.ImpNumPts = 2048;
  gSpec.MHz = 300;
  gFinm = "/x/spec.tnt";
  CreateSimPlot(0);
  const std::string first = gSpec.Strings[2];
  CreateSimPlot(0);
  EXPECT_EQ(gSpec.Strings[2], first);
  EXPECT_EQ(first,
            "F > spec.tnt{/}SpecWidth = 1234.5 Hz{/}DiplayWidth = 500.0 Hz{/}Spectrum Ref. = 0.0 "
            "Hz {/}Freq. = 300.000 MHz{/}Spectrum Data Points = 2048");
}

TEST_F(PlotDocumentTest, LineFitCarriesTheExperimentAndTheDifferenceRaisedByTheirBaselines) {
  struct Sources : PlotDocumentSources {
    bool DifferenceOn() override { return true; }
    int16_t ExpBaseLnTwips() override { return 1500; }
    int16_t DiffBaseLnTwips() override { return 1000; }
  } sources;
  RegisterPlotDocumentSources(&sources);
  gLineFit = -1;
  gPrintBoxToggles = 0x0401;
  CreateSimPlot(0);
  RegisterPlotDocumentSources(nullptr);
  ASSERT_EQ(StepCount, 3);
  const float r = (4020 / 40.2f - Pardata[100].Default) / 3000;
  EXPECT_NEAR(StepList.Y[2] - StepList.Y[1], 500 * r * 40.2f, 1e-3);
  EXPECT_NEAR(StepList.Y[3] - StepList.Y[1], 1000 * r * 40.2f, 1e-3);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(StepList.StepType[std::size_t(i)], SpecObjectType);
  EXPECT_EQ(gSpec.Kind, 2);
  EXPECT_EQ(gSpec.Flags & 0x043F, 0);  // further objects: no axis, captions, frame or markers
  EXPECT_EQ(gSpec.yMult, 1000);
}

TEST_F(PlotDocumentTest, SpinMarkersAreFilledFieldByFieldAndParOutsideTheTableStays) {
  gSpinCount = 2;
  gSpins[1] = {100, 0x00FF00, 'A', 3};
  gSpins[2] = {250, 0x0000FF, 'B', 4};
  gSpec.Ref = 10;
  gSimTypes[5].SpecID = "ID [Par: 99]";
  CreateSimPlot(0);
  EXPECT_EQ(gSpec.MarkerCount, 2);
  EXPECT_FLOAT_EQ(gSpec.Marker[2].FreqHz, 240);
  EXPECT_EQ(gSpec.Marker[2].CharCode, 'B');
  EXPECT_EQ(gSpec.Marker[2].Carried4[0], 0xFF);
  EXPECT_EQ(gSpec.Marker[2].Carried9[1], 4);
  EXPECT_EQ(gSpec.Strings[3], "L > ID [Par: 99]");
}

TEST_F(PlotDocumentTest, ParameterColumnsByTypeAndTheirRows) {
  // Order of 10 characters: rows of C cells, the last row with the rest from column 0.
  const struct {
    int16_t type;
    int columns;
  } cases[] = {{13, 3}, {14, 5}, {39, 6}, {5, 4}};
  gPrintBoxToggles = 0x0801;
  for (const auto& c : cases) {
    gSimType = c.type;
    gSimTypes[std::size_t(c.type)].Order = "0123456789";
    CreateSimPlot(0);
    ASSERT_EQ(StepCount, 12) << c.type;  // object, heading, 10 cells
    const float bx = StepList.X[2];
    const float h = 2 * Pardata[2].Default * Pardata[8].Default * 0.85f * 40.2f;
    for (int p = 0; p < 10; ++p) {
      const std::size_t k = std::size_t(3 + p);
      EXPECT_FLOAT_EQ(StepList.X[k], bx + (p % c.columns - c.columns / 2.0f) * 1608) << c.type;
      EXPECT_FLOAT_EQ(StepList.Y[k], StepList.Y[2] - h - 120.6f - float(p / c.columns) * h);
    }
  }
}

TEST_F(PlotDocumentTest, ThreeSiteExchangeMatrixAndFiveLineFrequencies) {
  gSimType = 20;
  gTypeMode = 2;
  gSpinCount = 3;
  gSpins[1].Label = 'A', gSpins[2].Label = 'B', gSpins[3].Label = 'C';
  ExchKAt(2, 3) = 12.5f;
  gSitePop[2] = 0.25f;
  gSiteR2[3] = 3.14159625f * 2;
  RedimLineList(10);
  gNumLines = 5;
  for (int l = 1; l <= 5; ++l) gLineFreq[std::size_t(l)] = 10.0f * float(l), gLineInt[std::size_t(l)] = 1;
  gPrintBoxToggles = 0x3001;
  CreateSimPlot(0);
  // Object; frequencies: heading, header row 12, lines 15; matrix: heading and 23 cells.
  ASSERT_EQ(StepCount, 1 + 1 + 12 + 15 + 1 + 23);
  EXPECT_EQ(StepList.Text[2], "M  R = 1.12 P = 2 > Frequencies ( 5 )");
  EXPECT_EQ(StepList.Text[15 + 12], "L  R =  .7 > 5");  // line 5 alone in the first group
  EXPECT_FLOAT_EQ(StepList.X[27], StepList.X[3]);
  const int m = 1 + 1 + 12 + 15 + 1;
  EXPECT_EQ(StepList.Text[std::size_t(m)], "M  R = 1.12 P = 2 > Exchange Matrix");
  EXPECT_FLOAT_EQ(StepList.Y[std::size_t(m)], StepList.Y[std::size_t(m - 1)] - 482.4f);
  std::vector<std::string> cells;
  for (int k = m + 1; k <= StepCount; ++k) cells.push_back(StepList.Text[std::size_t(k)].substr(13));
  // Rates in the "0.000e-0" format, populations "0.000", widths (R2 / pi) "0.00".
  EXPECT_EQ(cells, (std::vector<std::string>{
                       "A", "B", "C", "Pop.", "Wd(Hz)",
                       "A", "0.000e0", "0.000e0", "0.000e0", "0.000", "0.00",
                       "B", "0.000e0", "0.000e0", "1.250e1", "0.250", "0.00",
                       "C", "0.000e0", "0.000e0", "0.000e0", "0.000", "2.00"}));
  // Row 0 starts at position 1: the top-left position is empty.
  const float bx = StepList.X[std::size_t(m)];
  EXPECT_FLOAT_EQ(StepList.X[std::size_t(m + 1)], bx + (1 - 2.5f) * 683.4f);
}

TEST_F(PlotDocumentTest, TypeZeroIsOneExperimentObjectWithoutMarkersOrFrequencies) {
  gSimType = 0;
  gSpinCount = 2;
  gFinm = "/d/a.spc";
  RedimLineList(10);
  gNumLines = 3;
  gPrintBoxToggles = 0x1401;
  CreateSimPlot(0);
  ASSERT_EQ(StepCount, 1);
  EXPECT_EQ(StepList.StepType[1], SpecObjectType);
  EXPECT_EQ(gSpec.Kind, 0);
  EXPECT_EQ(gSpec.Flags & 0x400, 0);
  EXPECT_EQ(gSpec.Strings[0], "M >  [/d/a.spc]  (05-07-2026, 09:05:03)");
}

// The printed page keeps the block's placement when the box grows, as long as the block stays on
// the paper; a block that would run off the paper's right edge but fits moves back onto it.
TEST_F(PlotDocumentTest, AWiderBoxKeepsItsPlacementWhileItFitsAndNeverRunsOffThePaper) {
  struct Case {
    float scale, fromMM, toMM, draggedMM;  // dragged: sideways move of the page frame
    bool keepsLeftEdge;
  };
  const Case cases[] = {
      {0.7f, 50, 196, 0, false},  {1.0f, 50, 196, 0, false}, {0.7f, 50, 196, -10, false},
      {0.7f, 50, 100, 0, true},   {1.0f, 50, 80, -40, true}, {0.7f, 50, 196, -100, true},
      {1.0f, 50, 400, 0, true},  // too wide for the paper at any placement: left as placed
  };
  gPrintBoxToggles = 0x083F;  // frame, axis, captions and the parameters table below
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.scale << ": " << c.fromMM << " -> " << c.toMM << " mm");
    // A4 with 3.5 mm side margins: a printable area of 203 by 287 mm.
    const float a = 101.5f * 40.2f / c.scale, b = 143.5f * 40.2f / c.scale;
    PrintableRect = {-a, b, a, -b};
    StepList.X[1] = StepList.Y[1] = 0;
    gPrintBoxWidth = c.fromMM * 40.2f;
    CreateSimPlot(0);
    for (int i = 1; i <= StepCount; ++i) StepList.X[std::size_t(i)] += c.draggedMM * 40.2f;
    float left0, bottom, right, top;
    DrawingExtents(left0, bottom, right, top, StepList, 1, 1, 0);
    gPrintBoxWidth = c.toMM * 40.2f;
    CreateSimPlot(0);
    float left;
    DrawingExtents(left, bottom, right, top, StepList, 1, 1, 0);
    if (c.keepsLeftEdge) {
      EXPECT_NEAR(left, left0, 0.01f);
    } else {
      EXPECT_GE(left, -a - 0.01f);
      EXPECT_LE(right, a + 0.01f);
      // Moved back just far enough: the block touches the paper's right edge.
      EXPECT_NEAR(right, a, 0.01f);
    }
    // The table below stays centred under the block.
    EXPECT_FLOAT_EQ(StepList.X[2], StepList.X[1] + Pardata[90].Default * 0.5f * 40.2f);
  }
}

// The same for a taller box, which grows upwards from the kept baseline.
TEST_F(PlotDocumentTest, ATallerBoxKeepsItsBaselineWhileItFitsAndNeverRunsOffTheTop) {
  struct Case {
    float scale, fromMM, toMM, raisedMM;  // raised: upward move of the page frame
    bool keepsBaseline;
  };
  const Case cases[] = {
      {0.7f, 100, 250, 150, false}, {1.0f, 60, 200, 60, false}, {0.7f, 100, 150, 0, true},
      {1.0f, 60, 100, -40, true},   {1.0f, 60, 600, 0, true},  // too tall for the paper
  };
  gPrintBoxToggles = 0x003F;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.scale << ": " << c.fromMM << " -> " << c.toMM << " mm");
    const float a = 101.5f * 40.2f / c.scale, b = 143.5f * 40.2f / c.scale;
    PrintableRect = {-a, b, a, -b};
    StepList.X[1] = StepList.Y[1] = 0;
    gPrintBoxHeight = c.fromMM * 40.2f;
    CreateSimPlot(0);
    StepList.Y[1] += c.raisedMM * 40.2f;
    const float baseline = StepList.Y[1];
    gPrintBoxHeight = c.toMM * 40.2f;
    CreateSimPlot(0);
    float left, bottom, right, top;
    DrawingExtents(left, bottom, right, top, StepList, 1, 1, 0);
    if (c.keepsBaseline) {
      EXPECT_FLOAT_EQ(StepList.Y[1], baseline);
    } else {
      EXPECT_GE(bottom, -b - 0.01f);
      EXPECT_NEAR(top, b, 0.01f);
    }
  }
}

}  // namespace
