#include "ratecalc/activation_calc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ratecalc/eyring.h"
#include "tests/ratecalc/typing.h"

namespace {

using A = ActivationCalc;

void ExpectTexts(const A& calc, const A::Texts& want) {
  for (int i = 0; i < A::kCount; ++i) EXPECT_EQ(calc.texts()[i], want[i]) << "box " << i;
}

TEST(ActivationCalc, StartValues) {
  A calc;
  ExpectTexts(calc, {"20.00", "293.16", "6.91E+3", "1.00E-4", "12.00", "12.00", "0.00"});
  EXPECT_EQ(calc.LockMask, 7);
  EXPECT_EQ(calc.entry.LastEdited, -1);
  // Each quantity holds its displayed value.
  EXPECT_FLOAT_EQ(calc.v.k, 6910.0f);
  EXPECT_FLOAT_EQ(calc.v.halfLife, 1.0e-4f);
}

TEST(ActivationCalc, MovingTheFocusThroughEveryBoxChangesNothing) {
  for (bool joules : {false, true}) {
    A calc;
    calc.SetJoules(joules);
    const A::Texts before = calc.texts();
    const A::Values values = calc.v;
    for (int round = 0; round < 3; ++round)
      for (int i = 0; i < A::kCount; ++i) EXPECT_EQ(Leave(calc, i), "");
    ExpectTexts(calc, before);
    EXPECT_EQ(calc.v.k, values.k);
    EXPECT_EQ(calc.v.G, values.G);
    EXPECT_EQ(calc.v.S, values.S);
  }
}

TEST(ActivationCalc, TemperatureEditKeepsEnthalpyAndEntropy) {
  A calc;
  EXPECT_EQ(Enter(calc, A::kTC, "25"), "");
  EXPECT_EQ(calc.texts()[A::kTK], "298.16");
  EXPECT_EQ(calc.texts()[A::kG], "12.00");
  EXPECT_EQ(calc.texts()[A::kH], "12.00");
  EXPECT_EQ(calc.texts()[A::kS], "0.00");
  EXPECT_NEAR(calc.v.k, RateFromFreeEnergy(12, 298.16), 6);
  EXPECT_EQ(Enter(calc, A::kTK, "350"), "");
  EXPECT_EQ(calc.texts()[A::kTC], "76.84");
  EXPECT_EQ(calc.texts()[A::kG], "12.00");
  EXPECT_EQ(Enter(calc, A::kTC, "25,5"), "");  // a pasted decimal comma
  EXPECT_EQ(calc.texts()[A::kTK], "298.66");
}

TEST(ActivationCalc, KelvinBoxNeverHoldsLessThanSeventy) {
  A calc;
  ASSERT_TRUE(calc.entry.KeyStartsNumber(A::kTK));
  calc.Change(A::kTK, "");
  EXPECT_FLOAT_EQ(calc.v.TK, 70.0f);
  calc.Change(A::kTK, "5");
  EXPECT_FLOAT_EQ(calc.v.TK, 70.0f);
  calc.Change(A::kTK, "500");
  EXPECT_FLOAT_EQ(calc.v.TK, 500.0f);
  // A refresh writing a kelvin text below 70 stores 70.
  A cold;
  Enter(cold, A::kH, "0.1");
  EXPECT_EQ(Enter(cold, A::kTC, "-250"), "");
  EXPECT_EQ(cold.texts()[A::kTK], "23.16");
  EXPECT_FLOAT_EQ(cold.v.TK, 70.0f);
}

TEST(ActivationCalc, EnterAsFirstKeyRecalculatesWithAnEmptyBox) {
  A calc;
  EXPECT_EQ(Enter(calc, A::kRate, ""), "");  // k = 0 -> at least 1e-15
  EXPECT_EQ(calc.texts()[A::kRate], "1.00E-15");
  EXPECT_NEAR(calc.v.G, FreeEnergyFromRate(1e-15, 293.16), 0.01);
  A calc2;
  EXPECT_EQ(Enter(calc2, A::kG, ""), "");  // G = 0 -> at least 0.1
  EXPECT_EQ(calc2.texts()[A::kG], "0.10");
}

TEST(ActivationCalc, EditsFollowTheLocks) {
  // Each row: lock option, edited box, typed text, box expected unchanged, box expected moved.
  struct Case { int option, box; const char* typed; int kept, moved; } cases[] = {
      {0, A::kG, "15", A::kH, A::kS},         {1, A::kG, "15", A::kS, A::kH},
      {0, A::kRate, "100", A::kH, A::kS},     {1, A::kRate, "100", A::kS, A::kH},
      {0, A::kHalfLife, "2", A::kH, A::kS},   {1, A::kHalfLife, "2", A::kS, A::kH},
      {2, A::kH, "15", A::kG, A::kS},         {3, A::kH, "15", A::kS, A::kG},
      {4, A::kS, "5", A::kG, A::kH},          {5, A::kS, "5", A::kH, A::kG},
  };
  for (const auto& c : cases) {
    A calc;
    calc.OptLock(c.option);
    const A::Texts before = calc.texts();
    EXPECT_EQ(Enter(calc, c.box, c.typed), "");
    EXPECT_EQ(calc.texts()[c.kept], before[c.kept]) << "option " << c.option;
    EXPECT_NE(calc.texts()[c.moved], before[c.moved]) << "option " << c.option;
    // The Eyring relation and G = H - T S hold after every edit.
    EXPECT_NEAR(calc.v.G, calc.v.H - calc.v.S * calc.v.TK / 1000, 0.01) << c.option;
    EXPECT_NEAR(std::log(calc.v.k), std::log(RateFromFreeEnergy(calc.v.G, calc.v.TK)), 0.01);
  }
}

TEST(ActivationCalc, EnthalpyBelowEntropyTermKeepsFreeEnergyPositive) {
  A calc;  // at start the enthalpy frame keeps S and the entropy frame keeps H
  Enter(calc, A::kS, "20");
  ASSERT_EQ(calc.texts()[A::kS], "20.00");
  const double tsTerm = calc.v.S * calc.v.TK / 1000;  // about 5.86
  EXPECT_EQ(Enter(calc, A::kH, "3"), "");
  EXPECT_FLOAT_EQ(calc.v.G, 0.1f);
  EXPECT_EQ(calc.texts()[A::kG], "0.10");
  EXPECT_NEAR(calc.v.H, tsTerm + 0.1, 0.005);
}

TEST(ActivationCalc, StepsMoveTheDisplayedValue) {
  struct Case { int box; bool up, big; int shown; const char* text; } cases[] = {
      {A::kTC, true, false, A::kTC, "21.00"},  {A::kTC, false, true, A::kTC, "15.00"},
      {A::kTK, true, true, A::kTK, "298.16"},  {A::kRate, true, true, A::kRate, "1.38E+4"},
      {A::kRate, false, false, A::kRate, "6.28E+3"}, {A::kG, true, false, A::kG, "12.10"},
      {A::kH, false, true, A::kH, "11.00"},    {A::kS, true, false, A::kS, "0.10"},
  };
  for (const auto& c : cases) {
    A calc;
    EXPECT_EQ(calc.Step(c.box, c.up, c.big), "");
    EXPECT_EQ(calc.texts()[c.shown], c.text) << "box " << c.box;
  }
}

TEST(ActivationCalc, JoulesShowKilojoulesAndStepInThem) {
  A calc;
  calc.SetJoules(true);
  EXPECT_EQ(calc.texts()[A::kG], "50.23");
  EXPECT_EQ(calc.texts()[A::kH], "50.23");
  EXPECT_EQ(calc.EnergyCaption(A::kS), "delta S# (J/deg-mol)");
  EXPECT_EQ(calc.Step(A::kG, true, false), "");
  EXPECT_EQ(calc.texts()[A::kG], "50.33");
  EXPECT_EQ(calc.Step(A::kG, false, true), "");
  EXPECT_EQ(calc.texts()[A::kG], "49.33");
  EXPECT_NEAR(calc.v.G, 49.33 / 4.186, 1e-4);  // stored in kcal/mol
  calc.SetJoules(false);
  EXPECT_EQ(calc.texts()[A::kG], "11.78");
  EXPECT_EQ(calc.EnergyCaption(A::kG), "delta G# (kcal)");
}

TEST(ActivationCalc, ArithmeticFaultsKeepThePreviousValues) {
  // Optional lock option and first edit, then the edit that fails.
  struct Case { int option; int preBox; const char* preText; int box; const char* typed; };
  const Case cases[] = {
      {-1, -1, "", A::kH, "60000"},       // "Delta S" lock: G follows H, k underflows to 0
      {-1, -1, "", A::kTC, "-273"},       // near absolute zero the rate constant is 0
      {-1, -1, "", A::kG, "30000"},
      {-1, -1, "", A::kHalfLife, "0"},    // no rate constant for a zero half-life
      {-1, -1, "", A::kHalfLife, "-3"},
      {-1, -1, "", A::kS, "-1000000"},    // "Delta H" lock: G huge
      {4, A::kS, "1000000", A::kTC, "1000"},  // G hugely negative: k overflows
  };
  for (const auto& c : cases) {
    A calc;
    if (c.option >= 0) calc.OptLock(c.option);
    if (c.preBox >= 0) {
      ASSERT_EQ(Enter(calc, c.preBox, c.preText), "");
    }
    const A::Texts before = calc.texts();
    const std::string fault = Enter(calc, c.box, c.typed);
    EXPECT_NE(fault, "") << c.box << " " << c.typed;
    ExpectTexts(calc, before);
    EXPECT_EQ(calc.entry.LastEdited, -1);
  }
}

TEST(ActivationCalc, NoInputEverShowsInfinityOrNan) {
  A calc;
  RandomOperations<A>(
      calc, 8101,
      {"0", "-0", "1e38", "99999999999999999999999999999999999999999", "-5", ".", "-",
       "0.0000001", "300", "1000000", "-273.16", "7", "12.5"},
      [](const A& c) {
        for (float x : {c.v.k, c.v.halfLife, c.v.TC, c.v.TK, c.v.G, c.v.H, c.v.S})
          ASSERT_TRUE(std::isfinite(x));
        ASSERT_GT(c.v.k, 0.0f);
      });
}

}  // namespace
