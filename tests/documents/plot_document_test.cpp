#include <gtest/gtest.h>

#include "documents/plot_document.h"
#include "documents/plot_sources.h"
#include "documents/spec_packet.h"
#include "documents/spec_record.h"
#include "drawlib/pardata.h"
#include "drawlib/steps/step_list.h"
#include "engine/engine_globals.h"
#include "tests/support/msgbox_recorder.h"

namespace {

class PlotDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngineState();
    SpecRecordReset();
    StepListReset();
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
  void TearDown() override { SetPlotClock(nullptr); }
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

}  // namespace
