#include "drawlib/util/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "tests/support/comma_locale.h"

TEST(Numbers, DecimalCommaIsRead) {
  EXPECT_EQ(CommaToPoint("1,5,3"), "1.5,3");
  EXPECT_EQ(CommaToPoint("12"), "12");
  struct Case { const char* text; float value; };
  for (const Case& c : {Case{"1,5,3", 1.5f}, Case{"  -2.25e1x", -22.5f}, Case{"abc", 0.0f},
                        Case{"", 0.0f}, Case{",5", 0.5f}, Case{"1e999", FLT_MAX}}) {
    EXPECT_EQ(ValPoint(c.text), c.value) << c.text;
  }
}

TEST(Numbers, FormatByMagnitudeChoosesPatternByMagnitude) {
  struct Case { float value; const char* text; };
  for (const Case& c : {Case{0.005, "5.00E-03"}, Case{0.05, "0.05000"}, Case{0.5, "0.5000"},
                        Case{5, "5.000"}, Case{500, "500.00"}, Case{5000, "5000.0"},
                        Case{100000, "1.00E+05"}, Case{-5, "-5.000"}, Case{0.01, "0.01000"},
                        Case{99999.9, "99999.9"}}) {
    EXPECT_EQ(FormatByMagnitude(c.value), c.text) << c.value;
  }
}

TEST(Numbers, ClampsAndExtremes) {
  EXPECT_EQ(ClampSngl(1, 5, 7), 5);
  EXPECT_EQ(ClampSngl(5, 1, 0), 1);  // low and high swapped
  EXPECT_EQ(ClampSngl(5, 1, 3), 3);
  EXPECT_EQ(ClampSngl(0, 1, NAN), 1);  // never passes a NaN on
  EXPECT_EQ(ClampInt(1, 5, -3), 1);
  EXPECT_EQ(ClampInt(1, 5, 9), 5);
  EXPECT_EQ(ClampInt(5, 1, 3), 5);  // no swap: the low limit wins
  EXPECT_EQ(MaxInt(3, 4), 4);
  EXPECT_EQ(MinLong(3, -4), -4);
  EXPECT_TRUE(std::signbit(MaxSngl(-0.0f, 0.0f)));  // ties keep the first argument
  EXPECT_FALSE(std::signbit(MinSngl(0.0f, -0.0f)));
}

TEST(Numbers, CeilSnglToleratesTinyFractions) {
  struct Case { float value; int32_t ceil; };
  for (const Case& c : {Case{2.00005f, 2}, Case{2.5f, 3}, Case{-2.5f, -2}, Case{3.0f, 3},
                        Case{1e20f, INT32_MAX}, Case{NAN, 0}}) {
    EXPECT_EQ(CeilSngl(c.value), c.ceil) << c.value;
  }
}

TEST(Numbers, FormulasStayFinite) {
  EXPECT_NEAR(Log10(1000.0f), 3.0, 1e-12);
  EXPECT_EQ(Log10(0.0f), 0.0);
  EXPECT_EQ(Log10(-1.0f), 0.0);
  // 298 K, k = 1/s: 298 x 1.987 x (ln 298 + 23.76) / 1000.
  EXPECT_NEAR(EyringFreeEnergy(298.0f, 1.0f), 298 * 1.987 * (std::log(298.0) + 23.76) / 1000, 1e-9);
  EXPECT_EQ(EyringFreeEnergy(0.0f, 1.0f), 0.0);
  EXPECT_EQ(EyringFreeEnergy(300.0f, 0.0f), 0.0);
}

TEST(Numbers, NumberTextsIgnoreTheLocale) {
  CommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no comma-decimal locale available";
  EXPECT_EQ(ValPoint("2,5"), 2.5f);
  EXPECT_EQ(ValPoint("2.5"), 2.5f);
  EXPECT_EQ(FormatByMagnitude(5.0f), "5.000");
  EXPECT_EQ(FormatByMagnitude(0.005f), "5.00E-03");
}
