#include <cmath>
#include <limits>
#include <set>

#include "drawlib/pardata.h"
#include "tests/drawlib/drawlib_state.h"

namespace {

using PardataTable = DrawlibState;

TEST_F(PardataTable, BuiltInRowsAreFilledConsistentlyAndWithoutMessages) {
  const std::set<int> unused = {33, 53, 54, 55, 58, 59, 87, 88, 89, 118};
  int filled = 0;
  for (int i = 0; i < kPardataRows; ++i) {
    const ParRecord& r = Pardata[i];
    if (unused.count(i)) {
      EXPECT_TRUE(r.Name.empty()) << i;
      EXPECT_EQ(r.Max, 0.0f) << i;
      continue;
    }
    ++filled;
    EXPECT_FALSE(r.Name.empty()) << i;
    EXPECT_FALSE(r.Format.empty()) << i;
    EXPECT_GE(r.Max, r.Min) << "row " << i;
    EXPECT_EQ(r.Current, r.Value) << i;
    EXPECT_TRUE(r.Options.empty() || r.Options.size() == 72u) << i;
  }
  EXPECT_EQ(filled, 109);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(PardataTable, RowsReadAsWritten) {
  struct Row {
    int i;
    const char* name;
    const char* format;
    float value, def, max, min, inc;
    int16_t flags;
  };
  const Row rows[] = {
      {2, "Height (mm):", "0.0", 3.6f, 3.6f, 250, 0.2f, 0.1f, 1},
      {32, "Very Small Scale:", "0.00", 0.25f, 0.03f, 10, 0.1f, 0.05f, 0},
      {35, "Print Scale:", "0.000", 0.7f, 0.7f, 10, 0.1f, 0.05f, 64},
      {70, "X-Tick Separation:", "0.00", 10, 10, 100000, 0.001f, 0.1f, 2},
      {85, "Axis Ticks,  Labels:", "0", 0, 0, 3, 0, 1, 16},
      {108, "Line Wrap Method:", "0", 0, 0, 2, 0, 0, 17},
      {110, "Arrow Length:", "0.0", 18, 18, 500, 1, 1, 0},
      {117, "Box Options:", "0.0", 3, 3, 3, 1, 1, 16},
  };
  for (const Row& e : rows) {
    const ParRecord& r = Pardata[e.i];
    EXPECT_EQ(r.Name, e.name);
    EXPECT_EQ(r.Format, e.format) << e.i;
    EXPECT_EQ(r.Value, e.value) << e.i;
    EXPECT_EQ(r.Default, e.def) << e.i;
    EXPECT_EQ(r.Max, e.max) << e.i;
    EXPECT_EQ(r.Min, e.min) << e.i;
    EXPECT_EQ(r.Increment, e.inc) << e.i;
    EXPECT_EQ(r.Flags, e.flags) << e.i;
  }
  EXPECT_EQ(Pardata[20].Options, "0 Portrait  1 Landscape " + std::string(48, ' '));
  EXPECT_EQ(Pardata[9].Options.substr(0, 9), "0       1");
}

TEST_F(PardataTable, ShortRowReportsEachMissingFieldAndReadsLeadingNumbers) {
  ParRecord r;
  PardataParseRow("  Odd Row: , 0 . 0, 1#, .5", r);
  EXPECT_EQ(r.Name, "Odd Row:");
  EXPECT_EQ(r.Format, "0.0");
  EXPECT_EQ(r.Value, 1.0f);
  EXPECT_EQ(r.Default, 0.5f);
  EXPECT_EQ(r.Max, 0.0f);
  EXPECT_EQ(r.Flags, 0);
  // Max, Min, Increment and Flags were missing.
  ASSERT_EQ(boxes.count(), 4u);
  EXPECT_EQ(boxes.last().text, "error in Pardata: [  Odd Row: , 0 . 0, 1#, .5]");

  boxes.Clear();
  PardataParseRow("Row:, 0, 1, 1, 5, 0, 1, 17 trailing comment", r);
  EXPECT_EQ(r.Flags, 17);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(PardataTable, ValidateKeepsRangesSignsAndTheKeepMarker) {
  Pardata[2].Current = 4.5f;
  Pardata[70].Current = 12.0f;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    int row;
    float in, out;
  } cases[] = {
      {2, 300, 3.6f},       {2, 0.1f, 3.6f},    {2, 100, 100},        {2, -999, 4.5f},
      {70, -5, -5},         {70, -0.0001f, -10}, {70, 200000, 10},    {70, -999, 12},
      {2, nan, 3.6f},       {85, 2, 2},         {85, 4, 0},           {108, 2, 2},
      {110, 100, 100},      {110, 0.5f, 18},
  };
  for (const Case& c : cases) {
    float v = c.in;
    EXPECT_EQ(ParamValidate(v, int16_t(c.row)), c.out) << c.row << " " << c.in;
    EXPECT_EQ(v, c.out);
  }
  float outside = 7;
  EXPECT_EQ(ParamValidate(outside, 119), 7.0f);
  EXPECT_EQ(ParamValidate(outside, -1), 7.0f);
}

}  // namespace
