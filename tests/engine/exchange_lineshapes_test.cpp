// The closed-form exchange kernels against the double-precision oracle, over rates from the
// slowest to the fastest the catalogue allows, and their edge cases.
#include "engine/exchange_lineshapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "engine/engine_globals.h"
#include "tests/engine/dyn_oracle/dyn_oracle.h"

namespace {

constexpr double kPi = 3.14159625;

class ExchangeLineshapeTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetEngineState(); }
  void Grid(int points, float offset, float width) {
    gNumPts = static_cast<int16_t>(points);
    RedimSpectrum(points);
    gHorOffHz = offset;
    gHzPerPt = width / static_cast<float>(points);
  }
  // Largest difference from the expected shape relative to its largest magnitude, the shape
  // evaluated at the grid frequencies, or (accumulated) at the running frequency that adds the
  // spacing once per point starting one spacing in.
  static double RelativeError(const std::vector<float>& actual,
                              const std::function<double(double)>& expected,
                              bool accumulated = false) {
    double worst = 0.0, peak = 0.0;
    float running = 0.0f;
    for (int i = 0; i <= gNumPts; ++i) {
      running += gHzPerPt;
      const double nu = accumulated
                            ? static_cast<double>(gHorOffHz) + running
                            : static_cast<double>(gHorOffHz + static_cast<float>(i) * gHzPerPt);
      const double e = expected(nu);
      peak = std::max(peak, std::fabs(e));
      worst = std::max(worst, std::fabs(actual[static_cast<size_t>(i)] - e));
    }
    return worst / peak;
  }
  static int ArgMax(const std::vector<float>& s, int from, int to) {
    int best = from;
    for (int i = from; i <= to; ++i) {
      if (s[static_cast<size_t>(i)] > s[static_cast<size_t>(best)]) best = i;
    }
    return best;
  }
};

TEST_F(ExchangeLineshapeTest, TwoSiteMatchesBlochMcConnellAtEveryRate) {
  struct Case {
    double rateSum, pA, widthA, widthB;
  };
  const Case cases[] = {{1e-7, 0.5, 0.5, 0.5}, {0.001, 0.3, 0.5, 2.0}, {1.0, 0.5, 1.0, 1.0},
                        {30.0, 0.7, 0.5, 0.8}, {300.0, 0.5, 0.5, 0.5}, {3000.0, 0.2, 2.0, 0.5},
                        {1e5, 0.5, 0.5, 0.5},  {1e7, 0.4, 0.5, 1.5}};
  Grid(2000, 0.0f, 300.0f);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rateSum);
    const float tau = static_cast<float>(1.0 / c.rateSum);
    const float pA = static_cast<float>(c.pA), pB = 1.0f - pA;
    const float rA = static_cast<float>(kPi * c.widthA), rB = static_cast<float>(kPi * c.widthB);
    TwoSiteLineshape(tau, pA, pB, rA, rB, 120.0f, -40.0f, gSpectrum, 2.0f);
    const auto sites = dyn_oracle::TwoSites(tau, pA, pB, rA, rB, 100.0, 140.0);
    EXPECT_LT(RelativeError(gSpectrum,
                            [&](double nu) { return 2.0 * dyn_oracle::BlochMcConnell(sites, nu); }),
              1e-4);
  }
}

TEST_F(ExchangeLineshapeTest, CoupledABMatchesLiouvilleSpaceUpToTheLargestRates) {
  const double rates[] = {1e-7, 0.01, 1.0, 10.0, 100.0, 1000.0, 1e4, 1e5, 1e6, 1e7};
  struct Pair {
    float J, vA, vB;
  };
  const Pair pairs[] = {{12.0f, 165.0f, 135.0f}, {-12.0f, 50.0f, 60.0f}, {0.0f, 140.0f, 160.0f}};
  Grid(2000, 0.0f, 300.0f);
  for (const Pair& p : pairs) {
    for (double k : rates) {
      SCOPED_TRACE(testing::Message() << "J " << p.J << " k " << k);
      const float T2 = static_cast<float>(1.0 / (kPi * 1.0));
      CoupledABLineshape(static_cast<float>(k), T2, p.J, p.vA, p.vB, gSpectrum, 3.0f);
      EXPECT_LT(RelativeError(gSpectrum,
                              [&](double nu) {
                                return 3.0 * 0.5 *
                                       dyn_oracle::CoupledABPair(k, 1.0 / T2, p.J, p.vA, p.vB, nu);
                              }),
                1e-4);
    }
  }
}

TEST_F(ExchangeLineshapeTest, CoupledABQuartetAndItsCoalescence) {
  Grid(3000, 100.0f, 90.0f);  // 0.03 Hz per point
  const float T2 = static_cast<float>(1.0 / (kPi * 1.0));
  CoupledABLineshape(1e-6f, T2, 12.0f, 165.0f, 135.0f, gSpectrum, 1.0f);
  const double expected[] = {127.84, 139.84, 160.16, 172.16};
  double heights[4];
  for (int n = 0; n < 4; ++n) {
    const int centre = static_cast<int>(std::lround((expected[n] - 100.0) / gHzPerPt));
    const int peak = ArgMax(gSpectrum, centre - 30, centre + 30);
    EXPECT_NEAR(gHorOffHz + static_cast<float>(peak) * gHzPerPt, expected[n], 0.03);
    heights[n] = gSpectrum[static_cast<size_t>(peak)];
  }
  EXPECT_NEAR(heights[1] / heights[0], 2.18, 0.01);
  EXPECT_NEAR(heights[2] / heights[3], 2.18, 0.01);

  CoupledABLineshape(10000.0f, T2, 12.0f, 165.0f, 135.0f, gSpectrum, 1.0f);
  EXPECT_NEAR(gHorOffHz + static_cast<float>(ArgMax(gSpectrum, 0, gNumPts)) * gHzPerPt, 150.0,
              0.03);
}

TEST_F(ExchangeLineshapeTest, QuartetT1MatchesRelaxingSpinThreeHalves) {
  struct Case {
    float J, T1ms;
  };
  const Case cases[] = {{12.0f, 100.0f}, {12.0f, 10.0f},  {12.0f, 1.0f}, {12.0f, 0.05f},
                        {-7.0f, 30.0f},  {7.0f, 5000.0f}, {40.0f, 0.01f}};
  Grid(2000, 0.0f, 300.0f);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "J " << c.J << " T1 " << c.T1ms);
    QuartetT1Lineshape(c.J, c.T1ms, 150.0f, 2.0f);
    // The kernel's height is scaled by 1/(4 T1): its area is 125 / T1(ms) per unit scale.
    const double T1 = c.T1ms * 0.001;
    EXPECT_LT(RelativeError(
                  gSpectrum,
                  [&](double nu) {
                    return 2.0 / (4.0 * T1) * dyn_oracle::QuartetRelaxing(c.J, T1, 150.0, nu);
                  },
                  true),
              1e-4);
  }
}

TEST_F(ExchangeLineshapeTest, QuartetCentreLandsOneSpacingEarly) {
  Grid(300, 0.0f, 300.0f);
  QuartetT1Lineshape(12.0f, 0.01f, 150.0f, 1.0f);  // fast relaxation: one line at the centre
  EXPECT_EQ(ArgMax(gSpectrum, 0, gNumPts), 149);
}

TEST_F(ExchangeLineshapeTest, QuartetWithoutCouplingKeepsItsAreaOnOnePoint) {
  Grid(2000, 0.0f, 300.0f);
  QuartetT1Lineshape(0.0f, 100.0f, 150.0f, 2.0f);
  double area = 0.0;
  int nonZero = 0;
  for (int i = 0; i <= gNumPts; ++i) {
    ASSERT_TRUE(std::isfinite(gSpectrum[static_cast<size_t>(i)]));
    area += gSpectrum[static_cast<size_t>(i)] * gHzPerPt;
    nonZero += gSpectrum[static_cast<size_t>(i)] != 0.0f;
  }
  EXPECT_EQ(nonZero, 1);
  EXPECT_NEAR(area, 2.0 * 125.0 / 100.0, 1e-4);
  EXPECT_GT(gSpectrum[999], 0.0f);  // evaluated at 0.15 * (999 + 1) = 150 Hz
}

TEST_F(ExchangeLineshapeTest, EdgeCasesStayFiniteAndInsideTheArray) {
  Grid(100, 0.0f, 300.0f);
  // tau = 0: P, Q, R reduce to pA rA + pB rB, 0, 2 pi delta + C.
  TwoSiteLineshape(0.0f, 0.5f, 0.5f, 1.5f, 1.5f, 150.0f, 20.0f, gSpectrum, 1.0f);
  for (int i = 0; i <= gNumPts; ++i) EXPECT_TRUE(std::isfinite(gSpectrum[static_cast<size_t>(i)]));
  // T2 = 0 divides by zero: stored as 0, not as infinity.
  CoupledABLineshape(1.0f, 0.0f, 12.0f, 140.0f, 160.0f, gSpectrum, 1.0f);
  for (int i = 0; i <= gNumPts; ++i) EXPECT_TRUE(std::isfinite(gSpectrum[static_cast<size_t>(i)]));

  // A short target is written only as far as it goes; no points: nothing written.
  std::vector<float> shortTarget(10, -1.0f);
  TwoSiteLineshape(0.01f, 0.5f, 0.5f, 1.5f, 1.5f, 150.0f, 20.0f, shortTarget, 1.0f);
  EXPECT_NE(shortTarget[9], -1.0f);
  gNumPts = -1;
  std::vector<float> untouched(10, -1.0f);
  CoupledABLineshape(1.0f, 0.3f, 12.0f, 140.0f, 160.0f, untouched, 1.0f);
  EXPECT_EQ(untouched, std::vector<float>(10, -1.0f));
}

}  // namespace
