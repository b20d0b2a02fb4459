#include <gtest/gtest.h>

#include <cmath>

#include "drawlib/axes/axis_tick_step.h"
#include "drawlib/axes/draw_axis.h"
#include "drawlib/axes/draw_path.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/steps/step_list.h"
#include "tests/drawlib/device_fixture.h"

namespace {

TEST(AxisTickStep, StepsSubdivisionsFormatsAndFirstTicks) {
  struct Case {
    float a, b;
    int16_t n;
    float step, first;
    int16_t subdivisions;
    const char* format;
  };
  const Case cases[] = {
      {0, 7, 7, 1, 0, 10, "0"},
      {0, 0.35f, 7, 0.05f, 0, 5, "0.00"},
      {0, 14, 7, 2, 0, 2, "0"},
      {0, 70000, 7, 10000, 0, 10, "0"},
      {0, 700000, 7, 100000, 0, 10, "0.00^^^"},
      {7, 0, 7, -1, 8, 10, "0"},             // reversed range: negative step
      {-3, 4, 0, 1, -4, 10, "0"},            // n = 0 counts as 7
      {0, 7, 150, 1, 0, 10, "0"},            // n = 150 counts as 7
      {2, 2, 7, 0.2f, 1.8f, 2, "0.0"},  // equal ends: a step from the value's size (2 / 0.2f truncates to 9)
      {0, 0, 7, 0.1f, 0, 10, "0.0"},
  };
  for (const Case& c : cases) {
    float step = 0, first = 0, decimals = 0;
    std::string format;
    const int16_t sub = AxisTickStep(c.a, c.b, c.n, step, first, format, decimals);
    SCOPED_TRACE(std::to_string(c.a) + " " + std::to_string(c.b));
    EXPECT_NEAR(step, c.step, 1e-6f * std::fabs(c.step));
    EXPECT_EQ(sub, c.subdivisions);
    EXPECT_EQ(format, c.format);
    EXPECT_NEAR(first, c.first, 1e-5f);
    EXPECT_TRUE(std::isfinite(step) && step != 0) << step;
    EXPECT_TRUE(std::isfinite(first)) << first;
  }
}

class AxesTest : public LineDrawingFixture {};

TEST_F(AxesTest, AxisDrawsLineAndTicksWithLongerMiddleTick) {
  AxisLayout a;
  a.x = 0;
  a.y = -100;
  a.length = 100;
  a.bigTick = -10;
  a.smallTick = 5;
  a.startValue = 0;
  a.firstTickValue = 0;
  a.tickSeparation = 10;
  a.scale = 10;  // 10 world units per value unit: big ticks every 100, small every 10
  a.subdivisions = 10;
  a.flags = 1;
  float box[4] = {0, 0, 0, 0};
  DrawAxis(&dc, box, a);
  const auto lines = dc.Calls("LineTo");
  // Axis line, then 11 ticks: big at 0 and 100, the sixth 1.4 times as long.
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], "LineTo 100 100");
  EXPECT_EQ(lines[1], "LineTo 0 110");
  EXPECT_EQ(lines[2], "LineTo 10 105");
  EXPECT_EQ(lines[6], "LineTo 50 107");
  EXPECT_EQ(lines[11], "LineTo 100 110");
}

TEST_F(AxesTest, TinyTickStepStopsAfter2001Positions) {
  AxisLayout a;
  a.length = 1000;
  a.tickSeparation = 1e-9f;
  a.scale = 1;
  a.subdivisions = 1;
  a.bigTick = 5;
  a.flags = 1;
  float box[4] = {};
  DrawAxis(&dc, box, a);
  EXPECT_EQ(dc.Count("LineTo"), 2002u);
}

TEST_F(AxesTest, BezierChordsFollowTheCubic) {
  BezierState s;
  s.attrib = 51;  // dotted chords are drawn through the line types
  s.chords = 4;
  const float px[4] = {0, 0, 300, 300}, py[4] = {0, 300, 300, 0};
  std::copy(px, px + 4, s.px);
  std::copy(py, py + 4, s.py);
  StepListReset();
  StepAddPoint(0, 0, 0, 0, 0);
  s.attrib = 1;
  BezierSegment(&dc, s, kDrawAltBndRecord);
  // t = 1/4: x = 300 (3t^2 - 2t^3) = 46.875, y = 900 t (1 - t) = 168.75
  ASSERT_EQ(StepCount, 5);
  EXPECT_FLOAT_EQ(StepList.X[2], 46.875f);
  EXPECT_FLOAT_EQ(StepList.Y[2], 168.75f);
  EXPECT_FLOAT_EQ(StepList.X[3], 150.0f);
  EXPECT_FLOAT_EQ(StepList.Y[3], 225.0f);
  EXPECT_FLOAT_EQ(StepList.X[5], 300.0f);
  EXPECT_FLOAT_EQ(StepList.Y[5], 0.0f);
}

// A path: a move at (0, 0), then path points of the given code.
void MakePath(uint16_t code, std::initializer_list<std::pair<float, float>> points) {
  StepListReset();
  StepCreate(0, 0, 0, "", std::monostate{});
  for (auto [x, y] : points) StepCreate(code, x, y, "", std::monostate{});
}

TEST_F(AxesTest, ThreePointCurveIsOneSegmentEndingAtTheLastPoint) {
  MakePath(24, {{100, 0}, {200, 0}});
  int16_t index = 2;
  DrawCurrentPath(&dc, 25, index, 24, 1);
  EXPECT_EQ(index, 3);
  const auto lines = dc.Calls("Polyline");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].substr(0, 12), "Polyline 26:");
  EXPECT_EQ(lines[0].substr(lines[0].size() - 6), " 200 0");
}

TEST_F(AxesTest, StraightFilledPathIsOnePolygonThroughItsPoints) {
  MakePath(31 | (4 << 11), {{100, 0}, {100, -100}});
  int16_t index = 1;
  DrawCurrentPath(&dc, 25, index, 31 | (4 << 11), 1);
  // The start point comes first and again as the first point of the run.
  EXPECT_EQ(dc.Calls("Polygon"), (std::vector<std::string>{"Polygon 4: 0 0 0 0 100 0 100 100"}));
  EXPECT_EQ(dc.Calls("Brush #")[0], "Brush #000080");
}

TEST_F(AxesTest, RecordedPathLeavesItsPointsAsType0xFFFF) {
  MakePath(24, {{100, 0}, {200, 0}, {300, 100}});
  int16_t index = 1;
  DrawCurrentPath(&dc, 25, index, 24, 2);
  for (int i = 2; i <= 4; ++i) EXPECT_EQ(StepList.StepType[size_t(i)], 0xFFFF) << i;
  EXPECT_EQ(StepList.StepType[1], 0);  // the step before the path keeps its type
  EXPECT_GT(StepCount, 4);              // chords were recorded after the path
}

TEST_F(AxesTest, ArrowPathEndsInAFullHead) {
  MakePath(25, {{100, 0}, {200, 0}});
  int16_t index = 1;
  DrawCurrentPath(&dc, 25, index, 25, 1);
  EXPECT_EQ(dc.Count("Polygon"), 1u);
}

}  // namespace
