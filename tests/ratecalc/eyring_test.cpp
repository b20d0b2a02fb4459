#include "ratecalc/eyring.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ratecalc/rate_format.h"

// Values worked out by hand from k = exp(23.76 + ln T - G*1000/(1.987 T)).
TEST(Eyring, RateAndFreeEnergyAgreeWithIndependentValues) {
  struct Case { double T, G, k; } cases[] = {
      {298.15, 20.0, 1.354e-2},
      {293.16, 12.0, 6.906e3},
  };
  for (const auto& c : cases) {
    const double k = RateFromFreeEnergy(c.G, c.T);
    EXPECT_NEAR(k / c.k, 1.0, 5e-4) << c.T << " K, " << c.G << " kcal/mol";
    EXPECT_NEAR(FreeEnergyFromRate(k, c.T), c.G, 1e-9);
  }
}

TEST(Eyring, FirstOrderHalfReactionAndBack) {
  const double k = FirstOrderSolve(50, 600);
  EXPECT_NEAR(k, std::log(2.0) / 600, 1e-15);
  EXPECT_NEAR(PercentReaction(600, k), 50.0, 1e-9);
  EXPECT_NEAR(FirstOrderSolve(PercentReaction(123, 0.01), 0.01), 123, 1e-9);
}

TEST(RateFormat, PatternBoundaries) {
  struct Case { float x; const char* text; };
  const Case rates[] = {{999.0f, "999.000"}, {0.01f, "0.010"},      {1000.0f, "1.00E+3"},
                        {6906.2f, "6.91E+3"}, {0.0001003f, "1.00E-4"}, {0.0f, "0.00E+0"},
                        {0.00999f, "9.99E-3"}};
  for (const auto& c : rates) EXPECT_EQ(FormatRate(c.x), c.text) << c.x;
  const Case times[] = {{0.01f, "0.010"},     {99.0f, "99.000"},     {100.0f, "100.0"},
                        {9999.0f, "9999.0"},  {10000.0f, "1.00E+4"}, {0.005f, "5.00E-3"},
                        {600.0f, "600.0"}};
  for (const auto& c : times) EXPECT_EQ(FormatTime(c.x), c.text) << c.x;
}

TEST(RateFormat, PercentNeverReadsZeroOrHundred) {
  struct Case { float x; const char* text; } cases[] = {
      {50.0f, "50.00"}, {99.999f, "99.999"}, {0.000001f, "0.000001"},
      {0.00001f, "0.00001"}, {1e-8f, "1.00E-8"}, {99.99999f, "99.99999"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatPercent(c.x), c.text) << c.x;
}
