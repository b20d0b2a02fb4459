// The n-site exchange kernel against the Bloch-McConnell oracle, its evaluation step, flat skip
// and interpolation, and the Gauss-Jordan inversion.
#include "engine/nsite_exchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/engine_globals.h"
#include "engine/exchange_lineshapes.h"
#include "engine/gauss_jordan.h"
#include "platform/msgbox.h"
#include "tests/engine/dyn_oracle/dyn_oracle.h"
#include "tests/support/msgbox_recorder.h"

namespace {

constexpr double kPi = 3.14159625;

struct Model {
  SiteArray P{}, R{}, V{};
  SiteMatrix K{};
  int n = 0;
  // Sites with populations, widths (Hz) and frequencies; forward rates (a < b) with reverses
  // by detailed balance.
  Model(std::vector<float> pops, std::vector<float> widths, std::vector<float> freqs) {
    n = static_cast<int>(pops.size());
    for (int i = 1; i <= n; ++i) {
      P[i] = pops[i - 1];
      R[i] = static_cast<float>(kPi * widths[i - 1]);
      V[i] = freqs[i - 1];
    }
  }
  void Pair(int a, int b, float k) {
    K[a + 9 * b] = k;
    K[b + 9 * a] = static_cast<float>(static_cast<double>(k) * P[a] / P[b]);
  }
  void Diagonal() {
    for (int i = 1; i <= n; ++i) {
      float sum = 0.0f;
      for (int j = 1; j <= n; ++j) {
        if (j != i) sum += K[i + 9 * j];
      }
      K[i + 9 * i] = -sum;
    }
  }
  dyn_oracle::Sites Oracle() const {
    dyn_oracle::Sites s;
    for (int i = 1; i <= n; ++i) {
      s.p.push_back(P[i]);
      s.r.push_back(R[i]);
      s.v.push_back(V[i]);
      s.k.emplace_back();
      for (int j = 1; j <= n; ++j) s.k.back().push_back(i == j ? 0.0 : K[i + 9 * j]);
    }
    return s;
  }
};

class NSiteExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngineState();
    Grid(2000, 0.0f, 300.0f);
  }
  void Grid(int points, float offset, float width) {
    gNumPts = static_cast<int16_t>(points);
    RedimSpectrum(points);
    gHorOffHz = offset;
    gHzPerPt = width / static_cast<float>(points);
  }
  static double Nu(int k) { return static_cast<float>(k) * gHzPerPt + gHorOffHz; }
  MsgBoxRecorder boxes;
};

TEST_F(NSiteExchangeTest, MatchesBlochMcConnellUpToTheLargestRates) {
  const float scale = 1e6f;  // large against the 0.5 flat-skip threshold
  const float rates[] = {0.001f, 7.0f, 100.0f, 1000.0f, 1e5f, 8e6f, 8e8f};
  for (float k : rates) {
    SCOPED_TRACE(k);
    Model three({0.3f, 0.5f, 0.2f}, {0.5f, 0.5f, 1.0f}, {100.0f, 140.0f, 200.0f});
    three.Pair(1, 2, k * 1.0f);
    three.Pair(1, 3, k * 0.5f);
    three.Pair(2, 3, k * 0.7f);
    three.Diagonal();
    Model seven({0.1f, 0.2f, 0.15f, 0.05f, 0.2f, 0.1f, 0.2f},
                {0.5f, 0.5f, 0.5f, 2.0f, 0.5f, 1.0f, 0.5f},
                {60.0f, 100.0f, 140.0f, 180.0f, 200.0f, 220.0f, 260.0f});
    for (int a = 1; a <= 7; ++a) {
      for (int b = a + 1; b <= 7; ++b)
        seven.Pair(a, b, k * static_cast<float>(0.3 + 0.1 * (a + b)));
    }
    seven.Diagonal();
    for (const Model* m : {&three, &seven}) {
      ExchangeMatrixLineshape(m->P, m->R, m->V, m->K, gSpectrum, m->n, gNumPts, 1, scale);
      const auto oracle = m->Oracle();
      double worst = 0.0, peak = 0.0;
      for (int i = 0; i <= gNumPts; ++i) {
        const double e = scale * 5.0 * dyn_oracle::BlochMcConnell(oracle, Nu(i));
        peak = std::max(peak, std::fabs(e));
        worst = std::max(worst, std::fabs(gSpectrum[static_cast<size_t>(i)] - e));
      }
      EXPECT_LT(worst / peak, 1e-4) << m->n << " sites";
    }
  }
}

TEST_F(NSiteExchangeTest, OneAndTwoSiteReferences) {
  // One site without exchange: 5 / pi at the line centre (width 1 Hz, scale 1).
  Model one({1.0f}, {1.0f}, {150.0f});
  ExchangeMatrixLineshape(one.P, one.R, one.V, one.K, gSpectrum, 1, gNumPts, 1, 1.0f);
  EXPECT_NEAR(gSpectrum[1000], 5.0 / kPi, 1e-6);

  // Two sites: five times the closed form.
  Model two({0.3f, 0.7f}, {0.5f, 1.5f}, {120.0f, 160.0f});
  const float total = 200.0f;  // kab + kba
  two.K[1 + 9 * 2] = total * 0.7f;
  two.K[2 + 9 * 1] = total * 0.3f;
  two.Diagonal();
  ExchangeMatrixLineshape(two.P, two.R, two.V, two.K, gSpectrum, 2, gNumPts, 1, 1e6f);
  TwoSiteLineshape(1.0f / total, 0.3f, 0.7f, two.R[1], two.R[2], 140.0f, -40.0f, gSpectrum2, 1e6f);
  double worst = 0.0, peak = 0.0;
  for (int i = 0; i <= gNumPts; ++i) {
    peak = std::max(peak, 5.0 * gSpectrum2[static_cast<size_t>(i)]);
    worst = std::max(worst, std::fabs(gSpectrum[static_cast<size_t>(i)] -
                                      5.0 * gSpectrum2[static_cast<size_t>(i)]));
  }
  EXPECT_LT(worst / peak, 1e-4);
}

TEST_F(NSiteExchangeTest, StepInterpolatesAndAlwaysSolvesTheLastPoint) {
  Model one({1.0f}, {3.0f}, {150.0f});
  const int points = 1001;  // not a multiple of the step
  std::vector<float> every(points + 1), stepped(points + 1 + 8, -7.0f);
  ExchangeMatrixLineshape(one.P, one.R, one.V, one.K, every, 1, points, 1, 1e6f);
  ExchangeMatrixLineshape(one.P, one.R, one.V, one.K, stepped, 1, points, 4, 1e6f);
  for (int k = 0; k + 4 <= 1000; k += 4) {
    if (stepped[k] != every[k] || stepped[k + 4] != every[k + 4]) continue;  // flat skip
    const float slope = (stepped[k + 4] - stepped[k]) / 4.0f;
    for (int j = 1; j < 4; ++j) EXPECT_FLOAT_EQ(stepped[k + j], stepped[k] + j * slope);
  }
  EXPECT_EQ(stepped[points], every[points]);
  for (int k = points + 1; k < static_cast<int>(stepped.size()); ++k) EXPECT_EQ(stepped[k], -7.0f);
}

TEST_F(NSiteExchangeTest, FlatStretchesSkipOnlyWhatTheyCanAfford) {
  // After a tall line (about 16000) the tail changes by far less than 0.5 per point: solved
  // points there are followed by repeats of the last changing value, about 0.5 off at most.
  Model tall({1.0f}, {1.0f}, {10.0f});
  ExchangeMatrixLineshape(tall.P, tall.R, tall.V, tall.K, gSpectrum, 1, gNumPts, 1, 1e4f);
  const auto oracle = tall.Oracle();
  int repeats = 0;
  for (int i = 1; i <= gNumPts; ++i) {
    const double exact = 1e4 * 5.0 * dyn_oracle::BlochMcConnell(oracle, Nu(i));
    EXPECT_LE(std::fabs(gSpectrum[static_cast<size_t>(i)] - exact), 1.0);
    repeats +=
        i > 1000 && gSpectrum[static_cast<size_t>(i)] == gSpectrum[static_cast<size_t>(i - 2)];
  }
  EXPECT_GT(repeats, 100);

  // With a small multiplier a whole exchange spectrum stays below 0.5: it is still followed
  // closely at every point, no point dropped to the baseline.
  Model three({0.3f, 0.5f, 0.2f}, {0.5f, 0.5f, 0.5f}, {100.0f, 140.0f, 200.0f});
  three.Pair(1, 2, 7.0f);
  three.Pair(1, 3, 3.5f);
  three.Pair(2, 3, 4.9f);
  three.Diagonal();
  ExchangeMatrixLineshape(three.P, three.R, three.V, three.K, gSpectrum, 3, gNumPts, 1, 2.0f);
  const auto exact3 = three.Oracle();
  double worst = 0.0, peak = 0.0;
  for (int i = 0; i <= gNumPts; ++i) {
    const double e = 2.0 * 5.0 * dyn_oracle::BlochMcConnell(exact3, Nu(i));
    peak = std::max(peak, e);
    worst = std::max(worst, std::fabs(gSpectrum[static_cast<size_t>(i)] - e));
  }
  EXPECT_LT(peak, 0.5);
  EXPECT_LT(worst / peak, 1e-3);
}

TEST_F(NSiteExchangeTest, SingularMatrixReportedOncePerScopeAndSpectrumFinite) {
  // No width and no exchange: singular exactly on the line.
  Model one({1.0f}, {0.0f}, {150.0f});
  ExchangeMatrixLineshape(one.P, one.R, one.V, one.K, gSpectrum, 1, gNumPts, 1, 1.0f);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "Matrix singular ");
  EXPECT_EQ(boxes.last().style, vbOKCancel + vbExclamation);
  for (int i = 0; i <= gNumPts; ++i) EXPECT_TRUE(std::isfinite(gSpectrum[static_cast<size_t>(i)]));
  {
    SingularReportScope scope;
    ExchangeMatrixLineshape(one.P, one.R, one.V, one.K, gSpectrum, 1, gNumPts, 1, 1.0f);
    ExchangeMatrixLineshape(one.P, one.R, one.V, one.K, gSpectrum, 1, gNumPts, 1, 1.0f);
  }
  EXPECT_EQ(boxes.count(), 2u);
}

// The once-per-call Hessenberg form must give the spectrum of the full solve at every point to
// 1e-5 of its maximum: two to seven sites, no exchange to fast exchange, equal and close site
// frequencies, zero widths off the lines, steps 1 and 4, large and small multipliers.
TEST_F(NSiteExchangeTest, HessenbergFormMatchesFullSolveAtEveryPoint) {
  struct Case {
    int sites;
    float rate;   // forward rate of every pair (s-1)
    float width;  // Hz
    float spacing;  // Hz between neighbouring sites (0: all at one frequency)
    int step;
    float scale;
  } cases[] = {
      {2, 0.0f, 1.0f, 40.0f, 1, 1e4f},   {2, 50.0f, 1.0f, 40.0f, 1, 1e4f},
      {3, 5.0f, 0.5f, 30.0f, 1, 2.0f},   {3, 200.0f, 2.0f, 0.0f, 1, 1e4f},
      {4, 1e3f, 1.0f, 25.0f, 4, 1e4f},   {5, 30.0f, 0.0f, 0.01f, 1, 1e3f},
      {6, 1e5f, 1.0f, 20.0f, 1, 1e4f},   {7, 1.0f, 1.0f, 15.0f, 1, 1e4f},
      {7, 120.0f, 1.0f, 15.0f, 1, 1e4f}, {7, 1e7f, 0.3f, 35.0f, 4, 1e5f},
  };
  for (const Case& c : cases) {
    std::vector<float> pops, widths, freqs;
    for (int i = 0; i < c.sites; ++i) {
      pops.push_back(static_cast<float>(i + 1) / static_cast<float>(c.sites * (c.sites + 1) / 2));
      widths.push_back(c.width);
      freqs.push_back(60.0f + c.spacing * static_cast<float>(i) + (i % 2 ? 0.37f : 0.0f));
    }
    Model m(pops, widths, freqs);
    for (int a = 1; a <= c.sites; ++a)
      for (int b = a + 1; b <= c.sites; ++b) m.Pair(a, b, c.rate / static_cast<float>(b - a));
    m.Diagonal();
    std::vector<float> fast(2001 + 8), full(2001 + 8);
    ExchangeMatrixLineshapeOnGrid(m.P, m.R, m.V, m.K, fast, c.sites, 2000, c.step, c.scale, 0.0f,
                                  0.15f);
    ExchangeMatrixLineshapeOnGridByLu(m.P, m.R, m.V, m.K, full, c.sites, 2000, c.step, c.scale,
                                      0.0f, 0.15f);
    float peak = 0.0f;
    for (float v : full) peak = std::max(peak, std::fabs(v));
    ASSERT_GT(peak, 0.0f) << c.sites << " sites, rate " << c.rate;
    for (size_t k = 0; k < full.size(); ++k)
      ASSERT_LE(std::fabs(fast[k] - full[k]), 1e-5f * peak)
          << c.sites << " sites, rate " << c.rate << ", point " << k;
  }
}

TEST(GaussJordanInvertTest, InvertsAndReportsSingularMatrices) {
  MsgBoxRecorder boxes;
  FloatMatrix a(3);
  a.at(1, 1) = 4;
  a.at(1, 2) = 7;
  a.at(2, 1) = 2;
  a.at(2, 2) = 6;
  int16_t flag = 5;
  GaussJordanInvert(a, 2, flag);
  EXPECT_EQ(flag, 0);
  EXPECT_NEAR(a.at(1, 1), 0.6f, 1e-6f);
  EXPECT_NEAR(a.at(1, 2), -0.7f, 1e-6f);
  EXPECT_NEAR(a.at(2, 1), -0.2f, 1e-6f);
  EXPECT_NEAR(a.at(2, 2), 0.4f, 1e-6f);
  EXPECT_TRUE(boxes.empty());

  // The real 14 x 14 form of a 7-site exchange matrix, inverted back to the identity.
  FloatMatrix b(15), original(15);
  for (int r = 1; r <= 14; ++r) {
    for (int c = 1; c <= 14; ++c) {
      b.at(r, c) = original.at(r, c) =
          (r == c) ? -20.0f - r : static_cast<float>((r * 7 + c * 3) % 5) - 2.0f;
    }
  }
  GaussJordanInvert(b, 14, flag);
  EXPECT_EQ(flag, 0);
  for (int r = 1; r <= 14; ++r) {
    for (int c = 1; c <= 14; ++c) {
      double s = 0.0;
      for (int l = 1; l <= 14; ++l) s += static_cast<double>(original.at(r, l)) * b.at(l, c);
      EXPECT_NEAR(s, r == c ? 1.0 : 0.0, 1e-5);
    }
  }

  FloatMatrix zeroRow(3);
  zeroRow.at(1, 1) = 1;
  zeroRow.at(1, 2) = 2;
  GaussJordanInvert(zeroRow, 2, flag);
  EXPECT_EQ(flag, -1);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "Matrix singular ");
  EXPECT_EQ(boxes.last().style, vbOKCancel + vbExclamation);

  FloatMatrix tooSmall(3);
  GaussJordanInvert(tooSmall, 3, flag);  // indexes 1..3 do not exist
  EXPECT_EQ(flag, -1);
}

}  // namespace
