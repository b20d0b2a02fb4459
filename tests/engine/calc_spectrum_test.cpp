#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/calc_spectrum.h"
#include "engine/spectrum_file_services.h"
#include "tests/engine/engine_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::Each;
using ::testing::FloatEq;

class CalcSpectrumTest : public EngineTest {
 protected:
  void Select(int16_t type, int points = 600) {
    SelectType(type);
    SetGrid(points);
  }
  std::vector<float> Freqs() const {
    return std::vector<float>(gLineFreq.begin() + 1, gLineFreq.begin() + 1 + gNumLines);
  }
  std::vector<float> Ints() const {
    return std::vector<float>(gLineInt.begin() + 1, gLineInt.begin() + 1 + gNumLines);
  }
  bool SpectrumFlat() const {
    return std::all_of(gSpectrum.begin() + 1, gSpectrum.begin() + 1 + gNumPts,
                       [](float v) { return v == 0; });
  }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : window.messages) texts.push_back(m.text);
    return texts;
  }
};

std::vector<::testing::Matcher<float>> Floats(std::initializer_list<float> values) {
  std::vector<::testing::Matcher<float>> m;
  for (float v : values) m.push_back(FloatEq(v));
  return m;
}

TEST_F(CalcSpectrumTest, FirstOrderTypeAtItsDefaults) {
  gVertScale = 1000;
  Select(1);
  CalcSpectrum(0);
  EXPECT_THAT(Freqs(), ElementsAreArray(Floats({148.5f, 151.5f, 141.5f, 144.5f, 155.5f, 158.5f})));
  EXPECT_THAT(Ints(), ElementsAreArray(Floats({0.25f, 0.25f, 0.125f, 0.125f, 0.125f, 0.125f})));
  EXPECT_THAT(window.drawnLineCounts, ElementsAre(6));
  EXPECT_FALSE(SpectrumFlat());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CalcSpectrumTest, FirstOrderOverflowWarnsOnceAndKeepsLinesSoFar) {
  Select(1);
  for (int k : {1, 3, 5, 7}) gSimPar[static_cast<size_t>(k)].Value = 8;
  CalcSpectrum(0);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "Too many lines for current dimensioning.");
  EXPECT_EQ(boxes.last().title, "First Order Calculations");
  EXPECT_EQ(gNumLines, 729);
  EXPECT_THAT(window.drawnLineCounts, ElementsAre(729));
}

TEST_F(CalcSpectrumTest, RedrawGating) {
  struct Case {
    int16_t flags;
    bool autoredraw;
    int16_t force;
    bool calculates;
    bool draws;
  };
  const Case cases[] = {
      {0, true, 0, true, true},   {8, true, 0, true, true},    {1, false, 0, false, true},
      {16, false, 0, false, true}, {0, false, 0, false, false}, {12, false, 0, false, false},
      {0, false, 1, true, true},  {4, false, -1, true, true},  {2, false, 1, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("flags " + std::to_string(c.flags) + " autoredraw " + std::to_string(c.autoredraw) +
                 " force " + std::to_string(c.force));
    Select(1);
    window = RecordingMainWindow{};
    window.autoredraw = c.autoredraw;
    gNumLines = 0;
    gParTyped = 1;
    gRedrawFlags = c.flags;
    CalcSpectrum(c.force);
    EXPECT_EQ(gParTyped, 0);
    EXPECT_EQ(gNumLines, c.calculates ? 6 : 0);
    EXPECT_EQ(window.drawnLineCounts.size(), c.draws ? 1u : 0u);
    if (!c.draws) {
      ASSERT_EQ(window.messages.size(), 1u);
      EXPECT_EQ(window.messages[0].text, "Press ReDraw button to recalculate spectrum");
      EXPECT_EQ(window.messages[0].line, 2);
      EXPECT_EQ(window.messages[0].where, "Left");
    } else {
      EXPECT_TRUE(window.messages.empty());
    }
  }
}

TEST_F(CalcSpectrumTest, StickDisplayLeavesSpectrumUntouched) {
  Select(1);
  gTypeMode = 0;
  std::fill(gSpectrum.begin(), gSpectrum.end(), 3.0f);
  CalcSpectrum(0);
  EXPECT_EQ(gNumLines, 6);
  EXPECT_THAT(gSpectrum, Each(3.0f));
}

TEST_F(CalcSpectrumTest, AbQuartetHasFourLinesInTwoColours) {
  Select(2);
  CalcSpectrum(0);
  EXPECT_EQ(gNumLines, 4);
  EXPECT_THAT(std::vector<uint32_t>(gLineColor.begin() + 1, gLineColor.begin() + 5),
              ElementsAre(gTraceColors[0], gTraceColors[0], gTraceColors[1], gTraceColors[1]));
}

TEST_F(CalcSpectrumTest, AbxShowsWhichSolution) {
  Select(9);  // shifts 110 and 126, Jax 2, Jbx 8: 16 >= 3
  CalcSpectrum(0);
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, "Solution 1");
  EXPECT_EQ(window.messages[0].line, 1);
  EXPECT_EQ(window.messages[0].where, "Right");
  gSimPar[4].Value = 50;  // |2 - ... | : 16 < |50 - 8| / 2
  CalcSpectrum(0);
  EXPECT_EQ(window.messages.back().text, "Solution 2");
}

TEST_F(CalcSpectrumTest, SpinAnalysisInputsInCatalogueOrder) {
  Select(5);
  CalcSpectrum(0);
  EXPECT_THAT(std::vector<float>(gShiftHz.begin() + 1, gShiftHz.begin() + 6),
              ElementsAreArray(Floats({105, 140, 180, 205, 225})));
  EXPECT_FLOAT_EQ(JMatrixAt(1, 2), -12);
  EXPECT_FLOAT_EQ(JMatrixAt(2, 1), -6);
  EXPECT_FLOAT_EQ(JMatrixAt(2, 5), 14);
  EXPECT_FLOAT_EQ(JMatrixAt(4, 5), 1.5f);
  EXPECT_FLOAT_EQ(JMatrixAt(5, 4), 0.75f);
  EXPECT_TRUE(window.pointers.empty());  // no hourglass up to five spins

  Select(6);
  CalcSpectrum(0);
  EXPECT_THAT(window.pointers, ElementsAre(MainWindowServices::kPointerHourglass,
                                           MainWindowServices::kPointerDefault));
}

TEST_F(CalcSpectrumTest, AaBbAsFourCoupledNuclei) {
  Select(12);
  window.pointers.clear();
  CalcSpectrum(0);
  EXPECT_THAT(std::vector<float>(gShiftHz.begin() + 1, gShiftHz.begin() + 5),
              ElementsAreArray(Floats({130, 170, 130, 170})));
  EXPECT_FLOAT_EQ(JMatrixAt(1, 3), 15);   // JAA'
  EXPECT_FLOAT_EQ(JMatrixAt(2, 4), -10);  // JBB'
  EXPECT_FLOAT_EQ(JMatrixAt(1, 2), 40);   // JAB
  EXPECT_FLOAT_EQ(JMatrixAt(3, 4), 40);
  EXPECT_FLOAT_EQ(JMatrixAt(1, 4), 6);    // JAB'
  EXPECT_FLOAT_EQ(JMatrixAt(3, 2), 3);
  EXPECT_TRUE(window.pointers.empty());
}

TEST_F(CalcSpectrumTest, SingletsWithoutAreaAreSwitchedOff) {
  Select(13);
  CalcSpectrum(0);
  EXPECT_EQ(gNumLines, 15);
  EXPECT_FLOAT_EQ(gLineInt[1], 100 * 0.01f / 0.5f);
  EXPECT_FLOAT_EQ(gLineT1[15], 0.5f);
  EXPECT_EQ(gLineColor[3], PaletteColor(2));
  for (int k = 1; k <= 15; ++k) gSimPar[static_cast<size_t>(3 * k - 1)].Value = 0;
  CalcSpectrum(0);
  EXPECT_EQ(gNumLines, 15);
  EXPECT_THAT(Ints(), Each(0.0f));
  EXPECT_THAT(std::vector<int16_t>(gComponentOn.begin() + 1, gComponentOn.end()), Each(0));
  EXPECT_TRUE(SpectrumFlat());
}

TEST_F(CalcSpectrumTest, SummedMultipletsGrowTheListAndCarryTheirWidths) {
  Select(14);
  RedimLineList(10);  // far too small for the 55 lines at the defaults
  CalcSpectrum(0);
  // Multiplicities 0..8 give 1 + 2 + ... + 9 lines, the tenth (code 9) a 1:1:1 triplet.
  ASSERT_EQ(gNumLines, 48);
  EXPECT_FLOAT_EQ(gLineFreq[1], 18);
  EXPECT_FLOAT_EQ(gLineFreq[2], 27.5f);  // doublet of 30 with J = 5
  EXPECT_THAT(std::vector<float>(gLineFreq.begin() + 46, gLineFreq.begin() + 49),
              ElementsAreArray(Floats({270, 275, 265})));
  EXPECT_EQ(gLineColor[48], PaletteColor(9));
  EXPECT_FLOAT_EQ(gLineT1[48], 0.5f);

  gSimPar[2].Value = 0;      // first multiplet off
  gSimPar[9].Value = -7;     // a negative multiplicity appends nothing
  gSimPar[11].Value = 0.01f; // a width below the narrowest line keeps the area
  CalcSpectrum(0);
  EXPECT_EQ(gComponentOn[1], 0);
  EXPECT_EQ(gNumLines, 48 - 1 - 2);
  EXPECT_FLOAT_EQ(gLineT1[1], 0.1f);
  EXPECT_FLOAT_EQ(gLineInt[1], 100 * 0.01f / 0.1f / 2);  // centre line of the triplet
}

TEST_F(CalcSpectrumTest, DddMultipletsInCentreOrder) {
  Select(39);
  CalcSpectrum(0);
  ASSERT_EQ(gNumLines, 64);  // multiplets 9 to 12 have area 0.0001: off
  EXPECT_THAT(std::vector<float>(gLineFreq.begin() + 1, gLineFreq.begin() + 9),
              ElementsAreArray(Floats({23, 29, 17, 23, 13, 19, 7, 13})));
  EXPECT_THAT(std::vector<float>(gLineInt.begin() + 1, gLineInt.begin() + 9), Each(FloatEq(0.25f)));
  EXPECT_EQ(gComponentOn[8], 1);
  EXPECT_EQ(gComponentOn[9], 0);
  EXPECT_EQ(gLineColor[64], PaletteColor(7));
}

TEST_F(CalcSpectrumTest, PeakListSwitchesToFastBroadeningAt35Lines) {
  SelectType(44);
  gSpectHz = 100;
  gHorOffHz = 0;
  SetGrid(100);
  gVertMult = 100;
  gSimPar[0].Value = 1;
  // The last line sits on the last grid point: only the fast routine accepts it.
  auto run = [&](int lines) {
    for (int k = 1; k < lines; ++k) {
      gLineFreq[static_cast<size_t>(k)] = static_cast<float>(k * 2);
      gLineInt[static_cast<size_t>(k)] = 1;
    }
    gLineFreq[static_cast<size_t>(lines)] = 99.8f;
    gLineInt[static_cast<size_t>(lines)] = 1;
    gNumLines = static_cast<int16_t>(lines);
    CalcSpectrum(0);
    return gSpectrum[100];
  };
  EXPECT_EQ(run(34), 0);
  EXPECT_GT(run(35), 0);
  EXPECT_EQ(gNumLines, 35);  // the imported lines are kept
}

TEST_F(CalcSpectrumTest, PeakListWithZeroWidthIsStillBroadened) {
  SelectType(44);
  gSpectHz = 100;
  SetGrid(100);
  gVertMult = 100;
  gSimPar[0].Value = 0;
  gLineFreq[1] = 50;
  gLineInt[1] = 1;
  gNumLines = 1;
  CalcSpectrum(0);
  EXPECT_FLOAT_EQ(gSpectrum[50], 100);
  for (int p = 1; p <= gNumPts; ++p) ASSERT_TRUE(std::isfinite(gSpectrum[static_cast<size_t>(p)]));
}

class FakeSpectrumFiles : public SpectrumFileServices {
 public:
  int16_t LoadSpectrumKavo(std::string& fileName, std::vector<float>& target, float startHz,
                           float widthHz, float refHz, float& multiplier, int16_t flags) override {
    calls.push_back({fileName, startHz, widthHz, refHz, multiplier, flags});
    target[5] = 42;
    return -1;
  }
  float& SpecRef() override { return ref; }
  struct Call {
    std::string file;
    float start, width, ref, multiplier;
    int16_t flags;
  };
  std::vector<Call> calls;
  float ref = 12.5f;
};

TEST_F(CalcSpectrumTest, TypeZeroRemapsTheLoadedSpectrum) {
  FakeSpectrumFiles files;
  RegisterSpectrumFileServices(&files);
  Select(0);
  gFinm = "/data/run1.nus";
  gNumLines = 9;
  gDisableRef = -1;
  CalcSpectrum(0);
  RegisterSpectrumFileServices(nullptr);
  ASSERT_EQ(files.calls.size(), 1u);
  EXPECT_EQ(files.calls[0].file, "/data/run1.nus");
  EXPECT_FLOAT_EQ(files.calls[0].width, 4000);
  EXPECT_FLOAT_EQ(files.calls[0].ref, 0);  // reference disabled
  EXPECT_EQ(files.calls[0].flags, 2);
  EXPECT_FLOAT_EQ(gSpectrum[5], 42);
  EXPECT_THAT(window.drawnLineCounts, ElementsAre(0));
}

TEST_F(CalcSpectrumTest, ExchangeTypeDrawsOnceWithoutSticks) {
  Select(18);
  gNumLines = 12;
  CalcSpectrum(0);
  EXPECT_THAT(window.drawnLineCounts, ElementsAre(0));
  gRedrawFlags = 1;  // display-only redraw of an exchange type: no stale sticks
  CalcSpectrum(0);
  EXPECT_THAT(window.drawnLineCounts, ElementsAre(0, 0));
}

// A message box whose answer arrives while the calculation waits must not start another one.
class ReenteringBoxes : public MsgBoxHandler {
 public:
  int Message(const std::string&, int, const std::string&) override {
    ++messages;
    CalcSpectrum(1);
    return vbOK;
  }
  std::string Input(const std::string&, const std::string&, const std::string& d,
                    bool& cancelled) override {
    cancelled = false;
    return d;
  }
  int messages = 0;
};

TEST_F(CalcSpectrumTest, NoCalculationStartsWhileAMessageIsUp) {
  ReenteringBoxes reentering;
  SetMsgBoxHandler(&reentering);
  Select(1);
  for (int k : {1, 3, 5, 7}) gSimPar[static_cast<size_t>(k)].Value = 8;
  CalcSpectrum(0);
  SetMsgBoxHandler(&boxes);
  EXPECT_EQ(reentering.messages, 1);
  EXPECT_THAT(window.drawnLineCounts, ElementsAre(729));
}

}  // namespace
