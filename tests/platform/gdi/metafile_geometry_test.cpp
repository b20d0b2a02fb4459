#include "platform/gdi/metafile_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::string Text(const std::vector<std::vector<DPoint>>& dashes) {
  std::string s;
  for (const auto& d : dashes) {
    s += "[";
    for (const DPoint& p : d) s += std::to_string(std::lround(p.x)) + "," + std::to_string(std::lround(p.y)) + " ";
    s.back() = ']';
  }
  return s;
}

}  // namespace

TEST(MetafileGeometry, DashesRunOnAcrossCornersAndOutsideTheView) {
  const DBox view{-1, -10, 60, 10};
  struct Case {
    const char* name;
    std::vector<DPoint> line;
    std::vector<double> pattern;
    const DBox* view;
    const char* expected;
  };
  const Case cases[] = {
      {"a straight line", {{0, 0}, {50, 0}}, {10, 5}, nullptr, "[0,0 10,0][15,0 25,0][30,0 40,0][45,0 50,0]"},
      {"a dash turns the corner", {{0, 0}, {8, 0}, {8, 20}}, {10, 5}, nullptr, "[0,0 8,0 8,2][8,7 8,17]"},
      {"the pattern runs on outside the view", {{-95, 0}, {50, 0}}, {10, 5}, &view,
       "[-1,0 5,0][10,0 20,0][25,0 35,0][40,0 50,0]"},
      {"a line wholly outside makes nothing", {{0, 50}, {1000, 50}}, {1, 1}, &view, ""},
      {"dash, dot", {{0, 0}, {30, 0}}, {9, 6, 3, 6}, nullptr, "[0,0 9,0][15,0 18,0][24,0 30,0]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Text(Dashes(c.line, c.pattern, c.view)), c.expected);
  }
}

TEST(MetafileGeometry, CurvesAndArcsPassTheirKnownPoints) {
  std::vector<DPoint> curve;
  AppendBezier(curve, {10, 90}, {10, 10}, {90, 10}, {90, 90});
  double top = 1e9;
  for (const DPoint& p : curve) top = std::min(top, p.y);
  EXPECT_NEAR(top, 30, 0.1);  // the apex, at t = 1/2
  EXPECT_NEAR(curve.back().x, 90, 1e-9);

  // A quarter of the circle in the box 0..100 from 3 o'clock upward (counter-clockwise).
  const std::vector<DPoint> arc = EllipseArc(0, 0, 100, 100, 0, M_PI / 2);
  EXPECT_NEAR(arc.front().x, 100, 1e-9);
  EXPECT_NEAR(arc.front().y, 50, 1e-9);
  EXPECT_NEAR(arc.back().x, 50, 1e-9);
  EXPECT_NEAR(arc.back().y, 0, 1e-9);
  EXPECT_NEAR(RadialAngle(0, 0, 100, 100, {50, 200}), -M_PI / 2, 1e-9);  // straight down
  EXPECT_EQ(RadialAngle(0, 0, 0, 100, {5, 5}), 0);  // a flat box has no radials
}
