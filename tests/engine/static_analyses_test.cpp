#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "engine/analyses.h"
#include "engine/engine_globals.h"
#include "tests/engine/oracle/spin_oracle.h"

namespace {

class StaticAnalyses : public ::testing::Test {
 protected:
  void SetUp() override { ResetEngineState(); }
};

// Lines first..last of the line list, intensities scaled by `scale`.
std::vector<OracleLine> ListLines(int first, int last, double scale = 1.0) {
  std::vector<OracleLine> lines;
  for (int i = first; i <= last; ++i) {
    EXPECT_TRUE(std::isfinite(gLineFreq[i]) && std::isfinite(gLineInt[i])) << "line " << i;
    lines.push_back({gLineFreq[i], gLineInt[i] * scale});
  }
  return lines;
}

std::vector<OracleLine> Scaled(std::vector<OracleLine> lines, double scale) {
  for (OracleLine& l : lines) l.intensity *= scale;
  return lines;
}

double TotalIntensity(int first, int last) {
  double sum = 0;
  for (int i = first; i <= last; ++i) sum += gLineInt[i];
  return sum;
}

constexpr double kPosTol = 0.002;
constexpr double kIntTol = 0.001;

TEST_F(StaticAnalyses, AbQuartetValues) {
  float f[4], in[4];
  CalcABQuartet(100, 120, 6, f[0], f[1], f[2], f[3], in[0], in[1], in[2], in[3]);
  const double freq[4] = {96.560, 102.560, 117.440, 123.440};
  const double inten[4] = {0.7127, 1.2873, 1.2873, 0.7127};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(f[i], freq[i], 0.0005) << i;
    EXPECT_NEAR(in[i], inten[i], 0.00005) << i;
  }
  // vB below vA: f1 and f2 stay the doublet at vA.
  CalcABQuartet(120, 100, 0, f[0], f[1], f[2], f[3], in[0], in[1], in[2], in[3]);
  EXPECT_FLOAT_EQ(f[0], 120);
  EXPECT_FLOAT_EQ(f[1], 120);
  EXPECT_FLOAT_EQ(f[2], 100);
  EXPECT_FLOAT_EQ(f[3], 100);
  for (float i : in) EXPECT_FLOAT_EQ(i, 1.0f);
  // Negative J: same positions, f1 now the inner line of the A doublet.
  CalcABQuartet(100, 120, -6, f[0], f[1], f[2], f[3], in[0], in[1], in[2], in[3]);
  EXPECT_NEAR(f[0], 102.560, 0.0005);
  EXPECT_NEAR(in[0], 1.2873, 0.00005);
  EXPECT_NEAR(f[1], 96.560, 0.0005);
}

TEST_F(StaticAnalyses, AbQuartetMatchesOracle) {
  struct Case {
    double vA, vB, J;
  } cases[] = {{100, 120, 6},        {120, 100, 6},   {100, 120, -6}, {300, 301, 15},
               {100, 100, 0},        {100, 100, 5},   {100, 100.00005, 8}, {100, 120, 0},
               {-40, 2000, 20}};
  for (const Case& c : cases) {
    float f[4], in[4];
    CalcABQuartet(c.vA, c.vB, c.J, f[0], f[1], f[2], f[3], in[0], in[1], in[2], in[3]);
    std::vector<OracleLine> lines;
    for (int i = 0; i < 4; ++i) lines.push_back({f[i], in[i]});
    OracleSystem sys(2);
    sys.shift = {c.vA, c.vB};
    sys.Couple(0, 1, c.J);
    EXPECT_EQ(CompareStickSpectra(lines, OracleSpectrum(sys), kPosTol, kIntTol), "")
        << c.vA << " " << c.vB << " " << c.J;
  }
}

OracleSystem Ab2System(double vA, double vB, double J) {
  OracleSystem sys(3);
  sys.shift = {vA, vB, vB};
  sys.Couple(0, 1, J);
  sys.Couple(0, 2, J);
  return sys;
}

TEST_F(StaticAnalyses, Ab2MatchesOracle) {
  struct Case {
    double vA, vB, J;
  } cases[] = {{100, 120, 6},  {120, 100, 6},  {100, 110, -8}, {200, 207, 12},
               {100, 103.03, 6}, {50, 350, 3}, {100, 100.6, 1}, {100, 101, 10},
               {2, 2.48, 1},   {2, 2.5, 1},    {2, 1.5, 1},    {100, 100, 5},
               {100, 100.00005, 5}, {100, 100.005, -4}};
  for (const Case& c : cases) {
    float vA = c.vA, vB = c.vB, J = c.J;
    CalcAB2(vA, vB, J);
    ASSERT_EQ(gNumLines, 9);
    EXPECT_EQ(CompareStickSpectra(ListLines(1, 9), OracleSpectrum(Ab2System(c.vA, c.vB, c.J)),
                                  kPosTol, kIntTol), "")
        << c.vA << " " << c.vB << " " << c.J;
  }
  // Line 3 is the A line itself; colours by line.
  EXPECT_FLOAT_EQ(gLineFreq[3], 100);
  EXPECT_FLOAT_EQ(gLineInt[3], 1);
  const int colour[9] = {1, 0, 0, 1, 1, 0, 1, 0, 0};
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(gLineColor[i], gTraceColors[colour[i - 1]]) << i;
}

TEST_F(StaticAnalyses, Ab2SmallCouplingAndZeroMixingKeepTotals) {
  // J below 0.01 is replaced for the calculation only: the caller's value stays.
  float vA = 100, vB = 120, J = 0.005f;
  CalcAB2(vA, vB, J);
  EXPECT_EQ(J, 0.005f);
  EXPECT_NEAR(TotalIntensity(1, 9), 12.0, 0.001);
  // A difference of exactly J / 2 makes the mixing ratio x zero.
  vA = 2;
  vB = 2.5f;
  J = 1;
  CalcAB2(vA, vB, J);
  EXPECT_NEAR(TotalIntensity(1, 9), 12.0, 0.001);
}

TEST_F(StaticAnalyses, AbxMatchesOracleWithWeakX) {
  struct Case {
    double vA, vB, vX, Jab, Jbx, Jax;
  } cases[] = {
      {100, 120, 400, 10, 5, 2},  {120, 100, 400, 10, 5, 2}, {100, 110, 300, -12, 7, -3},
      {100, 100, 300, 8, 4, 4},   {100, 100, 300, 8, 6, -2}, {100, 102, 300, 0, 2, 6},
      {100, 102, 300, 0, 6, 2},   {100, 130, 250, 15, 0, 0}, {100, 100, 300, 0, 3, 3},
  };
  for (const Case& c : cases) {
    CalcABX(c.vA, c.vB, c.vX, c.Jab, c.Jbx, c.Jax, 3);
    ASSERT_EQ(gNumLines, 14);
    OracleSystem sys(3);
    sys.shift = {c.vA, c.vB, c.vX};
    sys.Couple(0, 1, c.Jab);
    sys.Couple(0, 2, c.Jax, true);
    sys.Couple(1, 2, c.Jbx, true);
    sys.observed = {true, true, false};
    EXPECT_EQ(CompareStickSpectra(ListLines(1, 8), OracleSpectrum(sys), kPosTol, kIntTol), "")
        << "AB part " << c.vA << " " << c.vB << " " << c.Jab << " " << c.Jbx << " " << c.Jax;
    sys.observed = {false, false, true};
    EXPECT_EQ(CompareStickSpectra(ListLines(9, 14), OracleSpectrum(sys), kPosTol, kIntTol), "")
        << "X part " << c.vA << " " << c.vB << " " << c.Jab << " " << c.Jbx << " " << c.Jax;
  }
}

TEST_F(StaticAnalyses, AbxPartsAndColours) {
  CalcABX(100, 120, 400, 10, 5, 2, 3);
  const std::vector<float> ab(gLineFreq.begin() + 1, gLineFreq.begin() + 9);
  for (int i = 1; i <= 14; ++i)
    EXPECT_EQ(gLineColor[i], gTraceColors[i <= 4 ? 0 : (i <= 8 ? 1 : 2)]) << i;
  // X part alone: lines 1 to 8 keep what they held, the count is still 14.
  CalcABX(0, 30, 500, 7, 3, 1, 2);
  EXPECT_EQ(std::vector<float>(gLineFreq.begin() + 1, gLineFreq.begin() + 9), ab);
  EXPECT_EQ(gNumLines, 14);
  EXPECT_NEAR(gLineFreq[9], 498, 0.001);
}

TEST_F(StaticAnalyses, Abx3MatchesOracleWithWeakX3) {
  struct Case {
    float vA, vB, Jab, Jax, Jbx;
  } cases[] = {{100, 120, 7, 3, -2}, {100, 103, 5, 0, -2}, {120, 100, -9, 6, 1},
               {100, 100, 4, 2, 2}};
  for (Case c : cases) {
    const Case before = c;
    CalcABX3(c.vA, c.vB, c.Jab, c.Jax, c.Jbx);
    EXPECT_EQ(std::memcmp(&c, &before, sizeof c), 0);
    ASSERT_EQ(gNumLines, 16);
    OracleSystem sys(5);
    sys.shift = {c.vA, c.vB, 900, 900, 900};
    sys.Couple(0, 1, c.Jab);
    for (int x = 2; x < 5; ++x) {
      sys.Couple(0, x, c.Jax, true);
      sys.Couple(1, x, c.Jbx, true);
    }
    sys.observed = {true, true, false, false, false};
    // The weights 0.3333 and 1 stand for the 1 : 3 : 3 : 1 multiplicity of the X3 states.
    EXPECT_EQ(CompareStickSpectra(ListLines(1, 16), Scaled(OracleSpectrum(sys), 1.0 / 3.0),
                                  kPosTol, kIntTol), "")
        << c.vA << " " << c.vB << " " << c.Jab << " " << c.Jax << " " << c.Jbx;
  }
  // The middle quartets are three times the outer ones.
  EXPECT_NEAR(TotalIntensity(5, 8) / TotalIntensity(1, 4), 1 / 0.3333, 1e-4);
  for (int i = 1; i <= 16; ++i) EXPECT_EQ(gLineColor[i], gTraceColors[(i - 1) % 2]) << i;
}

TEST_F(StaticAnalyses, AaxxMatchesOracleWithWeakAX) {
  struct Case {
    double vA, Jaa, Jxx, Jax, Jaxp;
  } cases[] = {
      {100, 12, 8, 6, 1}, {100, 2, -3, 8, -1}, {100, 7, 7, 5, 2},  // JAA' = JXX': M = 0.0001
      {100, 5, -5, 3, 3},                                             // K = L = 0
      {250, 0, 0, 0, 0},  {100, -15, 4, 0, 9},
  };
  for (const Case& c : cases) {
    CalcAAXX(c.vA, c.Jaa, c.Jxx, c.Jax, c.Jaxp);
    ASSERT_EQ(gNumLines, 10);
    EXPECT_NEAR(TotalIntensity(3, 10), 4.0, 0.001);
    OracleSystem sys(4);  // A, A', X, X'
    sys.shift = {c.vA, c.vA, c.vA + 700, c.vA + 700};
    sys.Couple(0, 1, c.Jaa);
    sys.Couple(2, 3, c.Jxx);
    sys.Couple(0, 2, c.Jax, true);
    sys.Couple(1, 3, c.Jax, true);
    sys.Couple(0, 3, c.Jaxp, true);
    sys.Couple(1, 2, c.Jaxp, true);
    sys.observed = {true, true, false, false};
    // The closed form gives the A half at half the oracle's scale (2 + 2 + 4 against 16).
    EXPECT_EQ(CompareStickSpectra(ListLines(1, 10), Scaled(OracleSpectrum(sys), 0.5), kPosTol,
                                  kIntTol), "")
        << c.Jaa << " " << c.Jxx << " " << c.Jax << " " << c.Jaxp;
  }
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(gLineColor[i], gTraceColors[i <= 6 ? 1 : 2]) << i;
}

}  // namespace

namespace {

// Parameter extremes within the catalogue limits: every line stays finite.
TEST_F(StaticAnalyses, ExtremesGiveFiniteLines) {
  const float values[] = {0.0f, 0.005f, -0.005f, 1e4f, -1e4f, 5e5f, -5e5f, 3.0f};
  for (float v1 : values)
    for (float v2 : values)
      for (float j : values) {
        float vA = v1, vB = v2, J = j;
        CalcAB2(vA, vB, J);
        ListLines(1, 9);
        CalcABX(v1, v2, j, j, v1 * 0.01f, -j, 3);
        ListLines(1, 14);
        float a = v1, b = v2, jab = j, jax = v2 * 0.01f, jbx = -j;
        CalcABX3(a, b, jab, jax, jbx);
        ListLines(1, 16);
        CalcAAXX(v1, j, v2 * 0.02f, -j, j);
        ListLines(1, 10);
        float f[4], in[4];
        CalcABQuartet(v1, v2, j, f[0], f[1], f[2], f[3], in[0], in[1], in[2], in[3]);
        for (int i = 0; i < 4; ++i) EXPECT_TRUE(std::isfinite(f[i]) && std::isfinite(in[i]));
        if (HasFailure()) {
          ADD_FAILURE() << v1 << " " << v2 << " " << j;
          return;
        }
      }
}

}  // namespace
