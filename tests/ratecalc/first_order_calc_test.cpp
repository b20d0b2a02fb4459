#include "ratecalc/first_order_calc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/ratecalc/typing.h"

namespace {

using F = FirstOrderCalc;

TEST(FirstOrderCalc, StartValues) {
  F calc;
  const F::Texts want = {"20.00", "293.16", "600.0", "1.16E-3", "50.00"};
  for (int i = 0; i < F::kCount; ++i) EXPECT_EQ(calc.texts()[i], want[i]) << i;
  EXPECT_EQ(calc.energyText(), "21.09");
  EXPECT_EQ(calc.LockMask, 5);
  EXPECT_EQ(calc.EnergyCaption(), "Delta G (kcal)");
}

TEST(FirstOrderCalc, EditsClampAndRead) {
  struct Case { int box; const char* typed; int shown; const char* text; float stored; } cases[] = {
      {F::kTime, "0.001", F::kTime, "0.010", 0.01f},
      {F::kTime, "100", F::kTime, "100.0", 100.0f},
      {F::kTime, "10000", F::kTime, "1.00E+4", 10000.0f},
      {F::kPercent, "100", F::kPercent, "99.999", 99.999f},
      {F::kPercent, "0", F::kPercent, "0.000001", 0.000001f},
      {F::kRate, "0", F::kRate, "1.00E-15", 1e-15f},
      {F::kTC, "-300", F::kTK, "0.16", 0.16f},  // at least -273 degrees C
      {F::kTK, "0", F::kTC, "-273.06", 0.1f},   // at least 0.1 K
  };
  for (const auto& c : cases) {
    F calc;
    EXPECT_EQ(Enter(calc, c.box, c.typed), "") << c.typed;
    EXPECT_EQ(calc.texts()[c.shown], c.text) << c.typed;
    // The value checked for each edited box (kelvin for both temperature boxes).
    const float values[] = {calc.v.TK, calc.v.TK, calc.v.time, calc.v.k, calc.v.percent};
    EXPECT_FLOAT_EQ(values[c.box], c.stored) << c.typed;
  }
}

TEST(FirstOrderCalc, TemperatureEditMovesOnlyKelvinAndFreeEnergy) {
  F calc;
  const F::Texts before = calc.texts();
  EXPECT_EQ(Enter(calc, F::kTC, "100"), "");
  EXPECT_EQ(calc.texts()[F::kTK], "373.16");
  for (int i : {F::kTime, F::kRate, F::kPercent}) EXPECT_EQ(calc.texts()[i], before[i]);
  EXPECT_NE(calc.energyText(), "21.09");
}

TEST(FirstOrderCalc, EditsFollowTheLocks) {
  // Each row: lock option, edited box, typed text, box expected unchanged, box expected moved.
  struct Case { int option, box; const char* typed; int kept, moved; } cases[] = {
      {0, F::kPercent, "75", F::kRate, F::kTime}, {1, F::kPercent, "75", F::kTime, F::kRate},
      {2, F::kTime, "300", F::kPercent, F::kRate}, {3, F::kTime, "300", F::kRate, F::kPercent},
      {4, F::kRate, "0.01", F::kTime, F::kPercent}, {5, F::kRate, "0.01", F::kPercent, F::kTime},
  };
  for (const auto& c : cases) {
    F calc;
    calc.OptLock(c.option);
    const F::Texts before = calc.texts();
    EXPECT_EQ(Enter(calc, c.box, c.typed), "");
    EXPECT_EQ(calc.texts()[c.kept], before[c.kept]) << "option " << c.option;
    EXPECT_NE(calc.texts()[c.moved], before[c.moved]) << "option " << c.option;
    const double percent = 100 - 100 / std::exp(static_cast<double>(calc.v.time) * calc.v.k);
    EXPECT_NEAR(percent, calc.v.percent, 0.05) << "option " << c.option;
  }
}

TEST(FirstOrderCalc, Steps) {
  struct Case { int box; bool up, big; int shown; const char* text; } cases[] = {
      {F::kTC, true, true, F::kTC, "30.00"},        {F::kTK, false, false, F::kTC, "19.00"},
      {F::kTime, true, true, F::kRate, "5.78E-4"},  {F::kRate, false, false, F::kTime, "657.3"},
      {F::kPercent, true, false, F::kPercent, "55.00"}, {F::kPercent, false, true, F::kPercent, "30.00"},
  };
  for (const auto& c : cases) {
    F calc;
    EXPECT_EQ(calc.Step(c.box, c.up, c.big), "");
    EXPECT_EQ(calc.texts()[c.shown], c.text) << "box " << c.box;
  }
  F calc;  // a step down from below 5 % leaves 0.00001 %
  Enter(calc, F::kPercent, "3");
  EXPECT_EQ(calc.Step(F::kPercent, false, false), "");
  EXPECT_FLOAT_EQ(calc.v.percent, 0.00001f);
  EXPECT_EQ(calc.texts()[F::kPercent], "0.00001");
}

TEST(FirstOrderCalc, JoulesReadOutInKilojoules) {
  F calc;
  calc.SetJoules(true);
  EXPECT_EQ(calc.EnergyCaption(), "Delta G (kJ)");
  EXPECT_EQ(calc.energyText(), "88.28");  // 21.089 kcal/mol x 4.186
  calc.SetJoules(false);
  EXPECT_EQ(calc.energyText(), "21.09");
}

TEST(FirstOrderCalc, MovingTheFocusChangesNothing) {
  F calc;
  Enter(calc, F::kPercent, "99.9999");
  const F::Texts before = calc.texts();
  const F::Values v = calc.v;
  for (int round = 0; round < 3; ++round)
    for (int i = 0; i < F::kCount; ++i) EXPECT_EQ(Leave(calc, i), "");
  EXPECT_EQ(calc.texts(), before);
  EXPECT_EQ(calc.v.percent, v.percent);
  EXPECT_EQ(calc.v.k, v.k);
}

TEST(FirstOrderCalc, ArithmeticFaultsKeepThePreviousValues) {
  // Lock options 3 and 4 let the time and the rate constant move the percentage.
  struct Case { int preBox; const char* preText; int box; const char* typed; bool fault; };
  const Case cases[] = {
      {-1, "", F::kTime, "1000000", true},   // complete within float precision
      {-1, "", F::kRate, "100000", true},    // the same through the rate constant
      {-1, "", F::kTime, "0.01", false},     // 0.0012 %: fine
      {F::kRate, "0", F::kTime, "0", true},  // 1e-15 /s over 0.01 s: the percentage is 0
      {-1, "", F::kTC, "-273", false},       // G at 0.16 K is still finite
  };
  for (const auto& c : cases) {
    F calc;
    calc.OptLock(3);
    calc.OptLock(4);
    if (c.preBox >= 0) {
      ASSERT_EQ(Enter(calc, c.preBox, c.preText), "");
    }
    const F::Texts before = calc.texts();
    const std::string fault = Enter(calc, c.box, c.typed);
    EXPECT_EQ(!fault.empty(), c.fault) << c.typed;
    if (c.fault) {
      EXPECT_EQ(calc.texts(), before) << c.typed;
    }
  }
}

TEST(FirstOrderCalc, NoInputEverShowsInfinityOrNan) {
  F calc;
  RandomOperations<F>(
      calc, 8102,
      {"0", "1e38", "99999999999999999999999999999999999999999", "-5", "100", "0.0000001", "300",
       "1000000", "-273.16", "99.9999", "50", ".001"},
      [](const F& c) {
        ASSERT_TRUE(std::isfinite(c.v.G));
        ASSERT_GT(c.v.percent, 0.0f);
        ASSERT_LT(c.v.percent, 100.0f);
        ASSERT_GT(c.v.time, 0.0f);
        ASSERT_GT(c.v.k, 0.0f);
      });
}

}  // namespace
