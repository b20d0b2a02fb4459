// The dynamic-NMR driver: every exchange type at its defaults, the population normalisation and
// its value boxes, the dependent parameters, the composite types and the failure paths.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "engine/analyses.h"
#include "engine/exchange_lineshapes.h"
#include "engine/group_services.h"
#include "platform/runtime_text.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/comma_locale.h"

using ::testing::ElementsAre;
using ::testing::Pair;

namespace {

constexpr double kPi = 3.14159625;

class FakeGroups : public GroupServices {
 public:
  bool open = true;
  std::string tempK;
  bool CurrentTempK(std::string& text) override {
    if (open) text = tempK;
    return open;
  }
};

class DynamicDriverTest : public EngineTest {
 protected:
  void TearDown() override {
    RegisterGroupServices(nullptr);
    EngineTest::TearDown();
  }
  void Select(int16_t type, int points = 2000) {
    SelectType(type);
    SetGrid(points);
  }
  void Set(int k, float value) { gSimPar[static_cast<size_t>(k)].Value = value; }
  float P(int k) const { return gSimPar[static_cast<size_t>(k)].Value; }
  std::vector<float> Spectrum() const {
    return std::vector<float>(gSpectrum.begin(), gSpectrum.begin() + gNumPts + 1);
  }
  bool Shown(int k) const { return (gSimPar[static_cast<size_t>(k)].Flags & kParShown) != 0; }
  static bool AllFinite(const std::vector<float>& s) {
    return std::all_of(s.begin(), s.end(), [](float v) { return std::isfinite(v); });
  }
  // Largest difference relative to the largest magnitude of expected.
  static double RelativeDifference(const std::vector<float>& actual,
                                   const std::vector<float>& expected) {
    double worst = 0.0, peak = 0.0;
    for (size_t i = 0; i < expected.size(); ++i) {
      peak = std::max(peak, static_cast<double>(std::fabs(expected[i])));
      worst = std::max(worst, static_cast<double>(std::fabs(actual[i] - expected[i])));
    }
    return worst / peak;
  }
  double HzAtMax(int from, int to) const {
    int best = from;
    for (int i = from; i <= to; ++i) {
      if (gSpectrum[static_cast<size_t>(i)] > gSpectrum[static_cast<size_t>(best)]) best = i;
    }
    return gHorOffHz + static_cast<float>(best) * gHzPerPt;
  }
  double Area(double fromHz, double toHz) const {
    double sum = 0.0;
    for (int i = 0; i <= gNumPts; ++i) {
      const double nu = gHorOffHz + static_cast<float>(i) * gHzPerPt;
      if (nu >= fromHz && nu < toHz) sum += gSpectrum[static_cast<size_t>(i)] * gHzPerPt;
    }
    return sum;
  }
};

TEST_F(DynamicDriverTest, EveryTypeAtItsDefaults) {
  const int types[] = {15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28,
                       29, 30, 31, 32, 33, 35, 36, 37, 38, 40, 41, 42, 43};
  const std::set<int> notice = {18, 19, 20, 21, 22, 23, 24, 25, 26, 29, 30, 31, 35, 36, 37, 41, 42};
  for (int type : types) {
    SCOPED_TRACE(type);
    window = RecordingMainWindow();
    Select(static_cast<int16_t>(type));
    CalcDynamicSpectrum();
    const std::vector<float> s = Spectrum();
    EXPECT_TRUE(AllFinite(s));
    EXPECT_GT(*std::max_element(s.begin(), s.end()), 0.0f);
    EXPECT_THAT(window.drawnLineCounts, ElementsAre(0));
    if (type == 15 || type == 17) {
      EXPECT_THAT(window.pointers, ElementsAre(MainWindowServices::kPointerDefault));
    } else {
      EXPECT_THAT(window.pointers, ElementsAre(MainWindowServices::kPointerHourglass,
                                               MainWindowServices::kPointerDefault));
    }
    const bool noticed = std::any_of(window.messages.begin(), window.messages.end(), [](auto& m) {
      return m.text == "Calculating" && m.line == 1 && m.where == "Left";
    });
    EXPECT_EQ(noticed, notice.count(type) == 1);
    for (const auto& box : window.valueBoxes)
      EXPECT_EQ(box.second.find_first_of("naif"), std::string::npos);
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(DynamicDriverTest, CoarserEvaluationStepsStayOnTheGrid) {
  // 2001 points are no multiple of 3 or 10: the last point is solved, nothing read beyond it.
  for (int16_t step : {3, 10}) {
    for (int16_t type : {18, 29, 35, 41, 42, 43}) {
      SCOPED_TRACE(testing::Message() << "type " << type << " step " << step);
      Select(type);
      gPointStep = 1;
      CalcDynamicSpectrum();
      const float lastEvery = gSpectrum[static_cast<size_t>(gNumPts)];
      gPointStep = step;
      CalcDynamicSpectrum();
      EXPECT_TRUE(AllFinite(Spectrum()));
      if (type != 42) {
        EXPECT_FLOAT_EQ(gSpectrum[static_cast<size_t>(gNumPts)], lastEvery);
      }
    }
  }
}

TEST_F(DynamicDriverTest, ExchangeMatricesKeepDetailedBalance) {
  // Each type's sites hold populations summing to 1, rows that sum to zero and pop(i) k(i, j) =
  // pop(j) k(j, i): a wrong entry of a fixed table or a pair written the wrong way round breaks it.
  const std::pair<int, int> typeSites[] = {{18, 3}, {19, 4}, {20, 5}, {21, 6}, {22, 4}, {23, 5},
                                           {24, 6}, {25, 4}, {26, 5}, {29, 7}, {30, 7}, {31, 5},
                                           {35, 4}, {36, 5}, {37, 7}, {41, 3}, {42, 3}, {43, 3}};
  for (const auto& [type, n] : typeSites) {
    SCOPED_TRACE(type);
    Select(static_cast<int16_t>(type));
    CalcDynamicSpectrum();
    double popSum = 0.0;
    for (int i = 1; i <= n; ++i) {
      popSum += gSitePop[static_cast<size_t>(i)];
      double row = 0.0;
      for (int j = 1; j <= n; ++j) {
        row += ExchKAt(i, j);
        const double forward = gSitePop[static_cast<size_t>(i)] * ExchKAt(i, j);
        const double backward = gSitePop[static_cast<size_t>(j)] * ExchKAt(j, i);
        EXPECT_NEAR(forward, backward, 1e-5 * (std::fabs(forward) + 1e-3)) << i << " " << j;
      }
      EXPECT_NEAR(row, 0.0, 1e-5 * std::fabs(ExchKAt(i, i)) + 1e-6) << i;
    }
    EXPECT_NEAR(popSum, 1.0, 2e-3);
  }
}

TEST_F(DynamicDriverTest, SitesTakeTheParametersNamedForThem) {
  // Every site's frequency ("  Va"), width ("  Wa") and population (" % a") and every pair's
  // relative rate ("kab/k") is found by its name in the catalogue and given its own value, so a
  // parameter read for the wrong site or pair shows. Type 41 ends on its sites d, e, f; type 42
  // moves its sites up by the half couplings' sum.
  struct Case {
    int16_t type;
    int n;
    std::string sites;  // letters of the frequency and width names
    std::vector<std::string> pops;
  };
  const Case cases[] = {{18, 3, "abc", {}},     {19, 4, "abcd", {}},
                        {20, 5, "abcde", {}},   {21, 6, "abcdef", {}},
                        {29, 7, "abcdefg", {}}, {41, 3, "def", {"% ad", "% be", "% cf"}},
                        {42, 3, "abc", {}}};
  const std::string letters = "abcdefg";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    Select(c.type);
    auto index = [&](const std::string& name) {
      for (int k = 0; k <= gLastPar; ++k) {
        if (Trim(gSimPar[static_cast<size_t>(k)].Name) == name) return k;
      }
      ADD_FAILURE() << "no parameter " << name;
      return 0;
    };
    auto popIndex = [&](int i) {
      return index(c.pops.empty() ? "% " + letters.substr(static_cast<size_t>(i), 1)
                                  : c.pops[static_cast<size_t>(i)]);
    };
    auto ratioIndex = [&](int a, int b) {
      return index("k" + letters.substr(static_cast<size_t>(a), 1) +
                   letters.substr(static_cast<size_t>(b), 1) + "/k");
    };
    for (int i = 0; i < c.n; ++i) {
      const std::string site = c.sites.substr(static_cast<size_t>(i), 1);
      Set(index("V" + site), 60.0f + 23.0f * i);
      Set(index("W" + site), 0.4f + 0.1f * i);
      Set(popIndex(i), 5.0f + 2.0f * i);
      for (int j = i + 1; j < c.n; ++j) Set(ratioIndex(i, j), 0.5f + 0.1f * i + 0.03f * j);
    }
    Set(index("k"), 11.0f);
    CalcDynamicSpectrum();
    float lift = 0.0f;
    if (c.type == 42) {
      for (int k = 13; k <= 16; ++k) lift += std::fabs(P(k) * 0.5f);
    }
    for (int i = 0; i < c.n; ++i) {
      const size_t s = static_cast<size_t>(i + 1);
      const std::string site = c.sites.substr(static_cast<size_t>(i), 1);
      EXPECT_FLOAT_EQ(gShiftHz[s], P(index("V" + site)) + lift) << site;
      EXPECT_FLOAT_EQ(gSiteR2[s], static_cast<float>(kPi * P(index("W" + site)))) << site;
      EXPECT_FLOAT_EQ(gSitePop[s], P(popIndex(i)) * 0.01f) << site;
      for (int j = i + 1; j < c.n; ++j) {
        const float forward = 11.0f * P(ratioIndex(i, j));
        EXPECT_FLOAT_EQ(ExchKAt(i + 1, j + 1), forward) << i << j;
        EXPECT_NEAR(ExchKAt(j + 1, i + 1), forward * gSitePop[s] / gSitePop[s + j - i],
                    1e-5 * forward)
            << j << i;
      }
    }
  }
}

TEST_F(DynamicDriverTest, RandomPartnersCollapseToOneLineAtFastExchange) {
  for (int16_t type : {23, 24, 37, 43}) {
    SCOPED_TRACE(type);
    Select(type);
    Set(2, 8e6f);
    CalcDynamicSpectrum();
    EXPECT_NEAR(HzAtMax(0, gNumPts), P(0), gHzPerPt);
  }
}

TEST_F(DynamicDriverTest, PopulationsNormalisedAndShown) {
  CommaLocale comma;  // the boxes show a point whatever the regional format
  Select(18);
  Set(7, 30.0f);
  Set(8, 50.0f);
  Set(9, 40.0f);
  ASSERT_TRUE(Shown(7) && Shown(8) && Shown(9));
  CalcDynamicSpectrum();
  EXPECT_FLOAT_EQ(P(7), 25.0f);
  EXPECT_FLOAT_EQ(P(8), 41.666668f);
  EXPECT_FLOAT_EQ(P(9), 33.333332f);
  EXPECT_THAT(window.valueBoxes, ElementsAre(Pair(7, "25.00"), Pair(8, "41.67"), Pair(9, "33.33")));
  EXPECT_FLOAT_EQ(gSitePop[1], 0.25f);
}

TEST_F(DynamicDriverTest, DependentParametersAndWeightedSums) {
  // Type 22 counts the A population twice.
  Select(22);
  Set(8, 30.0f);
  Set(9, 50.0f);
  Set(10, 10.0f);
  CalcDynamicSpectrum();
  EXPECT_FLOAT_EQ(P(8), 25.0f);
  EXPECT_NEAR(P(9), 41.6667f, 1e-4f);
  EXPECT_NEAR(P(10), 8.3333f, 1e-4f);
  EXPECT_EQ(gSitePop[1], gSitePop[2]);

  // Type 25 ignores a typed P12: it is half of P11 before normalising.
  Select(25);
  Set(11, 40.0f);
  Set(12, 77.0f);
  Set(13, 20.0f);
  Set(14, 20.0f);
  CalcDynamicSpectrum();
  EXPECT_FLOAT_EQ(P(12), P(11) * 0.5f);
  EXPECT_NEAR(P(11) + P(12) + P(13) + P(14), 100.0f, 1e-4f);

  // Type 26 overwrites the mirror parameters from their partners.
  Select(26);
  Set(6, 1.5f);
  Set(7, 2.5f);
  Set(9, 3.5f);
  Set(12, 4.5f);
  Set(11, 9.0f);
  Set(13, 9.0f);
  Set(14, 9.0f);
  Set(15, 9.0f);
  Set(16, 10.0f);
  Set(17, 20.0f);
  Set(18, 99.0f);
  Set(19, 99.0f);
  Set(20, 40.0f);
  CalcDynamicSpectrum();
  EXPECT_EQ(P(13), 1.5f);
  EXPECT_EQ(P(14), 3.5f);
  EXPECT_EQ(P(11), 2.5f);
  EXPECT_EQ(P(15), 4.5f);
  EXPECT_FLOAT_EQ(P(18), P(16));
  EXPECT_FLOAT_EQ(P(19), P(17));
  EXPECT_FLOAT_EQ(P(16), 10.0f);  // 10 + 20 + 10 + 20 + 40 = 100
  EXPECT_EQ(ExchKAt(1, 4), 0.0f);
  EXPECT_EQ(ExchKAt(2, 3), 0.0f);
}

TEST_F(DynamicDriverTest, TwoSiteCoalescence) {
  Select(15);
  Set(4, 50.0f);
  Set(1, 1e7f);  // kab + kba
  CalcDynamicSpectrum();
  const double mean = (gSpins[1].Shift + gSpins[2].Shift) * 0.5;
  EXPECT_NEAR(HzAtMax(0, gNumPts), mean, gHzPerPt);
  Set(1, 1e-5f);
  CalcDynamicSpectrum();
  const int middle = static_cast<int>((mean - gHorOffHz) / gHzPerPt);
  const double low = std::min(gSpins[1].Shift, gSpins[2].Shift);
  const double high = std::max(gSpins[1].Shift, gSpins[2].Shift);
  EXPECT_NEAR(HzAtMax(0, middle), low, gHzPerPt);
  EXPECT_NEAR(HzAtMax(middle, gNumPts), high, gHzPerPt);
}

TEST_F(DynamicDriverTest, SecondPairSilentAtFullShare) {
  Select(17);
  Set(10, 100.0f);  // %ab/cd
  CalcDynamicSpectrum();
  std::vector<float> expected(gSpectrum.size());
  const float pA = P(4) * 0.01f;
  TwoSiteLineshape(1.0f / P(1), pA, 1.0f - pA, static_cast<float>(kPi * P(2)),
                   static_cast<float>(kPi * P(3)), (gSpins[1].Shift + gSpins[2].Shift) * 0.5f,
                   gSpins[1].Shift - gSpins[2].Shift, expected, gVertMult);
  expected.resize(static_cast<size_t>(gNumPts) + 1);
  EXPECT_LT(RelativeDifference(Spectrum(), expected), 1e-6);
}

TEST_F(DynamicDriverTest, ThreeXNucleiStatesWeighOneFourFourOne) {
  Select(32);
  gHorOffHz = -100.0f;
  gSpectHz = 400.0f;
  SetGrid(4000);
  Set(0, 50.0f);
  Set(1, 60.0f);
  Set(3, 40.0f);
  Set(4, 40.0f);
  Set(5, 1e-3f);
  CalcDynamicSpectrum();
  // The states lie at 55 + m 40 Hz.
  const double outer = Area(-30.0, 15.0), inner = Area(15.0, 55.0);
  EXPECT_NEAR(outer / inner, 0.25, 0.01);
  EXPECT_NEAR(Area(95.0, 140.0) / Area(55.0, 95.0), 0.25, 0.01);
}

TEST_F(DynamicDriverTest, MultipletTypesWithoutCouplingAreSixteenFold) {
  Select(38);
  for (int k = 3; k <= 10; ++k) Set(k, 0.0f);
  CalcDynamicSpectrum();
  std::vector<float> single(gSpectrum.size());
  const float pA = P(11) * 0.01f;
  TwoSiteLineshape(1.0f / P(2), pA, 1.0f - pA, static_cast<float>(kPi * P(12)),
                   static_cast<float>(kPi * P(13)), (P(0) + P(1)) * 0.5f, P(0) - P(1), single,
                   gVertMult);
  std::vector<float> sixteen(static_cast<size_t>(gNumPts) + 1);
  for (size_t i = 0; i < sixteen.size(); ++i) sixteen[i] = 16.0f * single[i];
  EXPECT_LT(RelativeDifference(Spectrum(), sixteen), 1e-5);

  // Type 42 against the three-site type with the same parameters: 16 copies without coupling;
  // with four equal couplings the 6 lines of zero total shift land on the sites, once on the
  // widened grid (m = 20000) and once window by window (m = 120000). A large multiplier keeps
  // the flat skip (changes below 0.5) out of the comparison.
  Select(18);
  gVertMult = 1000.0f;
  CalcDynamicSpectrum();
  const std::vector<float> three = Spectrum();
  struct Case {
    float J;
    float copies;
    double tolerance;
  };
  for (const Case& c :
       {Case{0.0f, 16.0f, 1e-5}, Case{1500.0f, 6.0f, 1e-2}, Case{9000.0f, 6.0f, 1e-2}}) {
    SCOPED_TRACE(c.J);
    Select(42);
    for (int k = 13; k <= 16; ++k) Set(k, c.J);
    gVertMult = 1000.0f;
    CalcDynamicSpectrum();
    std::vector<float> expected(three);
    for (float& v : expected) v *= c.copies;
    EXPECT_LT(RelativeDifference(Spectrum(), expected), c.tolerance);
  }
}

TEST_F(DynamicDriverTest, XPartOfExchangingAbx) {
  Select(35);
  CalcDynamicSpectrum();
  // The two X lines independent of the AB state become lines 1 and 2.
  EXPECT_FLOAT_EQ(gLineFreq[1], P(1) - (P(3) + P(4)) * 0.5f);
  EXPECT_FLOAT_EQ(gLineFreq[2], P(1) + (P(3) + P(4)) * 0.5f);
  EXPECT_NEAR(gLineInt[1], 0.7853990625 / P(8), 1e-6);

  // Below |Jab / Vab| = 0.08 two X lines exchange as a pair (no sites written); from 0.08 on,
  // four sites.
  for (const auto& [jab, fourSites] : {std::pair{7.99f, false}, std::pair{8.0f, true}}) {
    SCOPED_TRACE(jab);
    Set(0, 100.0f);
    Set(2, jab);
    gSitePop[1] = -1.0f;
    CalcDynamicSpectrum();
    EXPECT_EQ(gSitePop[1] != -1.0f, fourSites);
    EXPECT_TRUE(AllFinite(Spectrum()));
  }
}

TEST_F(DynamicDriverTest, EdgeInputsGiveFiniteSpectra) {
  struct Case {
    int16_t type;
    std::vector<std::pair<int, float>> values;
  };
  const Case cases[] = {
      {35, {{0, 0.0f}}},             // Vab = 0
      {35, {{0, 0.0f}, {2, 0.0f}}},  // Vab = Jab = 0
      {35, {{3, 5.0f}, {4, 5.0f}}},  // Jax = Jbx: two X lines of zero intensity
      {40, {{0, 0.0f}}},             // quartet without coupling
      {16, {{2, 0.0f}}},             // no line width
      {15, {{2, 0.0f}, {3, 0.0f}}},
      {18, {{10, 0.0f}, {11, 0.0f}, {12, 0.0f}}},
      {33, {{0, 0.0f}, {1, 0.0f}, {8, 0.0f}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    Select(c.type);
    for (const auto& [k, v] : c.values) Set(k, v);
    CalcDynamicSpectrum();
    EXPECT_TRUE(AllFinite(Spectrum()));
  }
}

TEST_F(DynamicDriverTest, SingularMatrixReportedOncePerCalculation) {
  Select(41);
  // No widths, no exchange and every site at 150 Hz, a grid frequency: the matrix is zero there,
  // in both three-site calculations.
  for (int k : {0, 1, 2, 16, 17, 18}) Set(k, 150.0f);
  Set(3, 0.0f);  // no exchange either
  for (int k = 10; k <= 15; ++k) Set(k, 0.0f);
  CalcDynamicSpectrum();
  EXPECT_THAT(boxes.texts(), ElementsAre("Matrix singular "));
  EXPECT_TRUE(AllFinite(Spectrum()));
  CalcDynamicSpectrum();
  EXPECT_EQ(boxes.count(), 2u);
}

TEST_F(DynamicDriverTest, FiveSitesTakeThePopulationModelAtTheItemTemperature) {
  WriteSettings(
      "[Kavo 5 Spin LiI Pelko]\r\nOK=OK\r\nLiConc=1\r\nIConc=0.35\r\nDeltaH=0\r\nDeltaS=0\r\n");
  Select(20);             // populations 20, 30, 15, 25, 10
  CalcDynamicSpectrum();  // no group open: no temperature
  EXPECT_THAT(boxes.texts(), ElementsAre("No Temperature specified"));
  EXPECT_FLOAT_EQ(P(19), 25.0f);

  FakeGroups groups;
  groups.tempK = " 298 K";
  RegisterGroupServices(&groups);
  Select(20);
  CalcDynamicSpectrum();
  EXPECT_EQ(boxes.count(), 1u);
  const double pd = std::sqrt(0.3) / 0.02;
  EXPECT_NEAR(P(19), pd * 100.0 / (75.0 + pd), 1e-3);
}

}  // namespace
