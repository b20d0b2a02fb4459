#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/broadening.h"
#include "tests/engine/engine_fixture.h"

namespace {

using Kernel = void (*)(std::vector<float>&, int16_t, float, float, float);

class BroadeningTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gSimType = 3;
    gNumPts = 100;
    RedimSpectrum(100);
    gHzPerPt = 1;
  }
  void Lines(std::initializer_list<std::pair<float, float>> lines) {
    int k = 0;
    for (auto [freq, height] : lines) {
      ++k;
      gLineFreq[static_cast<size_t>(k)] = freq;
      gLineInt[static_cast<size_t>(k)] = height;
    }
    gNumLines = static_cast<int16_t>(k);
  }
  std::vector<int> NonZeroPoints() const {
    std::vector<int> points;
    for (int p = 1; p <= gNumPts; ++p) {
      if (gSpectrum[static_cast<size_t>(p)] != 0) points.push_back(p);
    }
    return points;
  }
};

const Kernel kKernels[] = {&LorentzSum, &LineBroadenFast};

TEST_F(BroadeningTest, CutOffEndsTheTailsAndMultiplierScales) {
  gHzPerPt = 0.25f;
  for (Kernel kernel : kKernels) {
    Lines({{12.5f, 1}});  // point 50
    gSpectrum[0] = 7;
    gSpectrum[101] = 7;
    kernel(gSpectrum, gNumLines, 1.1f, 0, 1);
    EXPECT_TRUE(NonZeroPoints().empty()) << "height 1 is below the cut 2 / 1";
    kernel(gSpectrum, gNumLines, 1.1f, 0, 100);
    // 1 / (1 + (2x / W)^2) stays at or above 0.02 out to 15 points (x = 3.75 Hz).
    const std::vector<int> points = NonZeroPoints();
    ASSERT_EQ(points.size(), 31u);
    EXPECT_EQ(points.front(), 35);
    EXPECT_EQ(points.back(), 65);
    EXPECT_FLOAT_EQ(gSpectrum[50], 100);
    EXPECT_NEAR(gSpectrum[55], 100 / (1 + std::pow(2 * 1.25 / 1.1, 2)), 1e-3);
    EXPECT_FLOAT_EQ(gSpectrum[45], gSpectrum[55]);
    EXPECT_EQ(gSpectrum[0], 7);  // outside points 1..gNumPts nothing is touched
    EXPECT_EQ(gSpectrum[101], 7);
  }
}

TEST_F(BroadeningTest, WidthsBelowTheNarrowestLineAreBounded) {
  for (Kernel kernel : kKernels) {
    for (float width : {0.0f, -3.0f, 0.05f, std::numeric_limits<float>::quiet_NaN()}) {
      Lines({{50, 1}});
      kernel(gSpectrum, gNumLines, width, 0, 100);
      const float atZero = gSpectrum[50];
      const float beside = gSpectrum[51];
      kernel(gSpectrum, gNumLines, 0.1f, 0, 100);
      EXPECT_FLOAT_EQ(atZero, gSpectrum[50]) << width;
      EXPECT_FLOAT_EQ(beside, gSpectrum[51]) << width;
    }
  }
}

TEST_F(BroadeningTest, LorentzSumSkipsWeakLinesAndGridEnds) {
  Lines({{30, 0.00001f}, {0, 1}, {100, 1}, {-5, 1}, {1e30f, 1}});
  LorentzSum(gSpectrum, gNumLines, 3, 0, 100);
  EXPECT_TRUE(NonZeroPoints().empty());
  Lines({{30, 0.000011f}, {1, 1}});
  LorentzSum(gSpectrum, gNumLines, 3, 0, 1e7f);
  EXPECT_GT(gSpectrum[30], 0);
  EXPECT_GT(gSpectrum[1], 0);
}

TEST_F(BroadeningTest, FastAcceptsPositionsAboveSixTenths) {
  Lines({{0.6f, 1}});
  LineBroadenFast(gSpectrum, gNumLines, 3, 0, 100);
  EXPECT_TRUE(NonZeroPoints().empty());
  Lines({{0.61f, 1}, {99.9f, 1}});
  LineBroadenFast(gSpectrum, gNumLines, 0.1f, 0, 100);
  EXPECT_THAT(NonZeroPoints(), ::testing::ElementsAre(1, 100));
  EXPECT_FLOAT_EQ(gSpectrum[1], 100);
  EXPECT_FLOAT_EQ(gStickPos[1], 0.61f);
}

TEST_F(BroadeningTest, FastMergesLinesIntoNearbySticks) {
  Lines({{10.0f, 1}, {10.45f, 2}});
  LineBroadenFast(gSpectrum, gNumLines, 1, 0, 1000);
  EXPECT_FLOAT_EQ(gStickSum[10], 3);
  EXPECT_FLOAT_EQ(gStickPos[10], 10.45f);
  EXPECT_EQ(gStickSum[11], 0);

  Lines({{10.0f, 1}, {10.55f, 2}});
  LineBroadenFast(gSpectrum, gNumLines, 1, 0, 1000);
  EXPECT_FLOAT_EQ(gStickSum[10], 1);
  EXPECT_FLOAT_EQ(gStickSum[11], 2);

  // A line pulled into the lower neighbour when both neighbours qualify.
  Lines({{9.495f, 1}, {10.505f, 1}, {10.0f, 0.5f}});
  LineBroadenFast(gSpectrum, gNumLines, 1, 0, 1000);
  EXPECT_FLOAT_EQ(gStickSum[9], 1.5f);
  EXPECT_EQ(gStickSum[10], 0);
  EXPECT_FLOAT_EQ(gStickSum[11], 1);
}

TEST_F(BroadeningTest, FastEqualsExactSumForSeparateLinesOnGridPoints) {
  Lines({{20, 3}, {40, 1}, {41, 2}, {75, 5}, {99, 4}, {1, 2}});
  LorentzSum(gSpectrum, gNumLines, 2.5f, 0, 50);
  const std::vector<float> exact(gSpectrum.begin() + 1, gSpectrum.begin() + 100);
  LineBroadenFast(gSpectrum, gNumLines, 2.5f, 0, 50);
  for (int p = 1; p < 100; ++p) {
    EXPECT_NEAR(gSpectrum[static_cast<size_t>(p)], exact[static_cast<size_t>(p - 1)], 1e-4) << p;
  }
}

TEST_F(BroadeningTest, OwnWidthTypesUseEachLinesWidth) {
  gSimType = 13;
  Lines({{30, 1}, {70, 1}});
  gLineT1[1] = 1;
  gLineT1[2] = 8;
  LorentzSum(gSpectrum, gNumLines, 300, 0, 100);
  EXPECT_FLOAT_EQ(gSpectrum[30], 100);
  EXPECT_NEAR(gSpectrum[31], 100 / (1 + 4.0f), 1e-3);      // W = 1
  EXPECT_NEAR(gSpectrum[71], 100 / (1 + 1 / 16.0f), 1e-3);  // W = 8
  gLineT1[2] = 0;  // bounded like every other width
  LorentzSum(gSpectrum, gNumLines, 300, 0, 100);
  EXPECT_FLOAT_EQ(gSpectrum[71], 0);
  EXPECT_FLOAT_EQ(gSpectrum[70], 100);
}

TEST_F(BroadeningTest, NothingThatIsNotFiniteReachesTheSpectrum) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (Kernel kernel : kKernels) {
    Lines({{50, nan}, {nan, 1}, {60, 3e38f}, {61, 3e38f}, {40, inf}});
    for (float vm : {1e10f, nan, inf, 0.0f, -5.0f}) {
      kernel(gSpectrum, gNumLines, 2, 0, vm);
      for (int p = 1; p <= gNumPts; ++p) {
        ASSERT_TRUE(std::isfinite(gSpectrum[static_cast<size_t>(p)])) << p << " vm " << vm;
      }
    }
    gHzPerPt = 0;
    kernel(gSpectrum, gNumLines, 2, 0, 10);
    EXPECT_TRUE(NonZeroPoints().empty());
    gHzPerPt = 1;
  }
}

TEST_F(BroadeningTest, LineCountBeyondTheListIsBounded) {
  RedimLineList(3);
  Lines({{50, 10}});
  for (Kernel kernel : kKernels) {
    kernel(gSpectrum, 30000, 2, 0, 10);
    EXPECT_GT(gSpectrum[50], 0);
  }
}

}  // namespace
