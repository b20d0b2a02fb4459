// Number rules of the runtime, each checked by a table; the tables run once more under a
// comma-decimal locale to prove that no text depends on the process locale.
#include "platform/runtime_numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

#include "tests/support/comma_locale.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

void CheckStr() {
  struct FloatCase { float x; const char* text; };
  const std::vector<FloatCase> floats = {
      {111.0f, " 111"}, {-1.0f, "-1"}, {0.1f, " .1"}, {0.5f, " .5"}, {-0.25f, "-.25"},
      {0.0f, " 0"}, {-0.0f, " 0"}, {40.2f, " 40.2"}, {100.1f, " 100.1"},
      {3.14159265f, " 3.141593"}, {1.0f / 3.0f, " .3333333"}, {-2.0f / 3.0f, "-.6666667"},
      {1234567.0f, " 1234567"}, {123456.7f, " 123456.7"}, {1e7f, " 1E+07"},
      {12345678.0f, " 1.234568E+07"}, {0.0001f, " .0001"}, {1.5e-5f, " 1.5E-05"},
      {-1e-20f, "-1E-20"}, {3.4e38f, " 3.4E+38"}, {0.7089947f, " .7089947"},
      {std::numeric_limits<float>::quiet_NaN(), " 0"},
      {std::numeric_limits<float>::infinity(), " 3.402823E+38"},
  };
  for (const auto& c : floats) EXPECT_EQ(Str(c.x), c.text) << "float " << c.text;

  struct DoubleCase { double x; const char* text; };
  const std::vector<DoubleCase> doubles = {
      {0.1 + 0.2, " .3"}, {1.0 / 3.0, " .333333333333333"}, {2.5, " 2.5"}, {-1e-5, "-1E-05"},
      {1e15, " 1E+15"}, {123456789012345.0, " 123456789012345"}, {1e100, " 1E+100"},
      {static_cast<double>(0.1f), " .100000001490116"}, {-0.0, " 0"}, {kNaN, " 0"},
      {-kInf, "-1.79769313486232E+308"},
  };
  for (const auto& c : doubles) EXPECT_EQ(Str(c.x), c.text) << "double " << c.text;

  EXPECT_EQ(Str(5), " 5");
  EXPECT_EQ(Str(-3), "-3");
  EXPECT_EQ(Str(static_cast<int16_t>(-32768)), "-32768");
  EXPECT_EQ(Str(static_cast<uint8_t>(200)), " 200");
  EXPECT_EQ(Str(std::size_t{25}), " 25");
}

void CheckVal() {
  struct Case { const char* text; double value; };
  const std::vector<Case> cases = {
      {"", 0}, {"abc", 0}, {"  12.5abc", 12.5}, {"\t7", 7}, {"-3", -3}, {"+4", 4},
      {"1.5E3", 1500}, {"1.5e-2", 0.015}, {"2D2", 200}, {"1E", 1}, {"1e+", 1}, {"1Ex", 1},
      {".5", 0.5}, {"-.5", -0.5}, {" .1", 0.1}, {"1.2.3", 1.2}, {"12,5", 12}, {"- 5", 0},
      {".", 0}, {"-", 0}, {"0x10", 0}, {"3 4", 3}, {"00012", 12}, {" 1E+07", 1e7},
      {"-1.5E-05", -1.5e-5}, {"1e999", DBL_MAX}, {"-1e999", -DBL_MAX}, {"1e-999", 0},
      {"0e999999999999999999", 0}, {"0.000001e400", DBL_MAX}, {"123456789012345678", 123456789012345678.0},
  };
  for (const auto& c : cases) EXPECT_EQ(Val(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(ValSng("1e39"), FLT_MAX);
  EXPECT_EQ(ValSng("-1e39"), -FLT_MAX);
  EXPECT_EQ(ValSng("40.2"), 40.2f);
  // What Str writes, Val reads back.
  for (float f : {0.1f, -0.25f, 40.2f, 1234567.0f, 1.5e-5f, 1.234568e7f, 3.4e38f})
    EXPECT_EQ(static_cast<float>(Val(Str(f))), f) << Str(f);
}

void CheckFormat() {
  struct Case { double x; const char* pattern; const char* text; };
  const std::vector<Case> cases = {
      // Halves away from zero on the decimal value.
      {0.25, "0.0", "0.3"}, {0.35, "0.0", "0.4"}, {1.005, "0.00", "1.01"}, {2.5, "0", "3"},
      {-2.5, "0", "-3"}, {-3.25, "0.0", "-3.3"}, {9.96, "0.0", "10.0"}, {99.995, "0.00", "100.00"},
      {0.0 + 0.1 + 0.2, "0.00000", "0.30000"},
      // Zero and values that round to zero carry no minus sign.
      {0, "0.00", "0.00"}, {-0.004, "0.00", "0.00"}, {-0.0, "0", "0"}, {-0.004, "0.0000", "-0.0040"},
      // The fixed patterns in use.
      {1.5, "0.0000", "1.5000"}, {12, "0.000", "12.000"}, {250, "0.00", "250.00"},
      {4000, "0.0", "4000.0"}, {123456, "0", "123456"}, {0.123456, "0.00000", "0.12346"},
      {12.5, "0000.0", "0012.5"}, {7, "0000.0", "0007.0"}, {12345.67, "0000.0", "12345.7"},
      {0.5, "0000.0", "0000.5"}, {-12.5, "0000.0", "-0012.5"}, {1e20, "0", "100000000000000000000"},
      // Exponent patterns.
      {0.005, "0.00E+00", "5.00E-03"}, {100000, "0.00E+00", "1.00E+05"}, {0, "0.00E+00", "0.00E+00"},
      {6906, "0.00E+00", "6.91E+03"}, {-12345, "0.00E+00", "-1.23E+04"}, {9.995, "0.00E+00", "1.00E+01"},
      {1e-100, "0.00E+00", "1.00E-100"}, {6906, "0.00E+#", "6.91E+3"}, {0.0001003, "0.00E+#", "1.00E-4"},
      {0, "0.00E+#", "0.00E+0"}, {1000, "0.00E+#", "1.00E+3"}, {1.5e12, "0.00E+#", "1.50E+12"},
      {1234, "0.0E-00", "1.2E03"}, {0.0123, "0.0E-00", "1.2E-02"}, {1234, "00.0e+0", "12.3e+2"},
      // Optional digits.
      {0, "#", ""}, {5.5, "#", "6"}, {3, "##", "3"}, {123, "##", "123"}, {0.5, "#.##", ".5"},
      {1.5, "0.0#", "1.5"}, {1.234, "0.0#", "1.23"}, {1.2, "0.##", "1.2"},
      // Literals, grouping, percent.
      {12.345, "0.0 Hz", "12.3 Hz"}, {-3.25, "0.0 Hz", "-3.3 Hz"}, {7.4, "0 ", "7 "},
      {50, "0.0 ", "50.0 "}, {2, "\"x=\"0.0", "x=2.0"}, {2, "\\#0", "#2"}, {4, "(0)", "(4)"},
      {1234567.891, "#,##0.00", "1,234,567.89"}, {0.256, "0%", "26%"}, {-1, "Fixed", "-1.00"},
      // Empty pattern: shortest text with a zero before the point.
      {0.5, "", "0.5"}, {-0.25, "", "-0.25"}, {12, "", "12"}, {1e20, "", "1E+20"},
      // Never NaN or infinity.
      {kNaN, "0.00", "0.00"}, {kInf, "0.00E+00", "1.80E+308"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Format(c.x, c.pattern), c.text) << c.x << " with \"" << c.pattern << '"';

  // A float is formatted from its own shortest decimal text, not from its binary expansion.
  EXPECT_EQ(Format(0.35f, "0.0"), "0.4");
  EXPECT_EQ(Format(0.15f, "0.0"), "0.2");
  EXPECT_EQ(Format(2.675f, "0.00"), "2.68");
  EXPECT_EQ(Format(static_cast<double>(0.35f), "0.0"), "0.3");
  EXPECT_EQ(Format(5, "0.0"), "5.0");
}

void CheckDateTime() {
  std::tm t{};
  t.tm_year = 2024 - 1900;
  t.tm_mon = 2;
  t.tm_mday = 7;
  t.tm_wday = 4;
  t.tm_hour = 21;
  t.tm_min = 5;
  t.tm_sec = 2;
  struct Case { const char* pattern; const char* text; };
  const std::vector<Case> cases = {
      {"mm-dd-yyyy", "03-07-2024"}, {"hh:mm:ss", "21:05:02"}, {"hh:mm", "21:05"},
      {"dd.mm.yy hh:nn", "07.03.24 21:05"}, {"d/m/yyyy", "7/3/2024"},
      {"mmm d, yyyy", "Mar 7, 2024"}, {"dddd, mmmm", "Thursday, March"}, {"ddd", "Thu"},
      {"h:mm AM/PM", "9:05 PM"}, {"h:mm am/pm", "9:05 pm"}, {"m:ss", "5:02"},
      {"\"Date: \"yyyy", "Date: 2024"}, {"hh\\h", "21h"}, {"yyyy-mm-dd", "2024-03-07"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(t, c.pattern), c.text) << c.pattern;
  t.tm_hour = 0;
  EXPECT_EQ(FormatDateTime(t, "h AM/PM"), "12 AM");
}

}  // namespace

TEST(RuntimeNumbers, Str) { CheckStr(); }
TEST(RuntimeNumbers, Val) { CheckVal(); }
TEST(RuntimeNumbers, Format) { CheckFormat(); }
TEST(RuntimeNumbers, FormatDateTime) { CheckDateTime(); }

TEST(RuntimeNumbers, SameTextsUnderCommaDecimalLocale) {
  CommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no comma-decimal locale available";
  CheckStr();
  CheckVal();
  CheckFormat();
  CheckDateTime();
}

TEST(RuntimeNumbers, RoundingToIntegers) {
  struct Case { double x; int16_t cint; double fix, intPart; };
  const std::vector<Case> cases = {
      {0.5, 0, 0, 0},      {1.5, 2, 1, 1},      {2.5, 2, 2, 2},      {3.5, 4, 3, 3},
      {-0.5, 0, 0, -1},    {-1.5, -2, -1, -2},  {-2.5, -2, -2, -3},  {2.4999, 2, 2, 2},
      {2.5001, 3, 2, 2},   {-0.1, 0, 0, -1},    {32767.4, 32767, 32767, 32767},
      {-32768.5, -32768, -32768, -32769},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CInt(c.x), c.cint) << c.x;
    EXPECT_EQ(CLng(c.x), c.cint) << c.x;
    EXPECT_EQ(Fix(c.x), c.fix) << c.x;
    EXPECT_EQ(Int(c.x), c.intPart) << c.x;
  }
  EXPECT_EQ(CLng(2147483647.4), 2147483647);
  EXPECT_EQ(CLng(-2147483648.5), -2147483647 - 1);
  EXPECT_EQ(CLng(4.5f), 4);
}

TEST(RuntimeNumbers, OutOfRangeIsAnErrorNotAWrap) {
  for (double x : {32767.5, 32768.0, -32768.6, 1e10, kNaN, kInf, -kInf})
    EXPECT_THROW(CInt(x), RuntimeOverflow) << x;
  for (double x : {2147483647.5, -2147483648.6, 1e19, kNaN, kInf})
    EXPECT_THROW(CLng(x), RuntimeOverflow) << x;
  int16_t i = 7;
  EXPECT_FALSE(TryCInt(40000, i));
  EXPECT_EQ(i, 7);
  EXPECT_EQ(CLng(40000.0), 40000);
}
