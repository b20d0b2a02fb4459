#include "drawlib/util/geometry.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Geometry, RotationUsesACachedSineAndCosine) {
  ResetRotationCache();
  float x = 1, y = 0;
  RotatePoint(x, y, 1.5707963f);
  EXPECT_NEAR(x, 0.0f, 1e-6f);
  EXPECT_NEAR(y, 1.0f, 1e-6f);

  ResetRotationCache();
  float ax = 1, ay = 0, bx = 1, by = 0;
  RotatePoint(ax, ay, 1.000f);
  RotatePoint(bx, by, 1.004f);  // within 0.005 rad: same sine and cosine
  EXPECT_EQ(ax, bx);
  EXPECT_EQ(ay, by);
  bx = 1;
  by = 0;
  RotatePoint(bx, by, 1.1f);  // further away: computed anew
  EXPECT_NEAR(bx, std::cos(1.1f), 1e-6f);

  float px = 3, py = 2;
  RotateAbout(2, 2, px, py, 3.14159265f);
  EXPECT_NEAR(px, 1.0f, 1e-5f);
  EXPECT_NEAR(py, 2.0f, 1e-5f);
}

TEST(Geometry, VectorAngleCoversTheFullTurn) {
  struct Case { float x, y; double angle; };
  for (const Case& c : {Case{0, 0, 0.0}, Case{1, 0, 0.0}, Case{1, 1, 0.78539816},
                        Case{-1, 0, double(3.1415932f)}, Case{0, -1, 4.71239},
                        Case{0, 1, 1.5707966}, Case{1, -1, 5.4977878}}) {
    EXPECT_NEAR(VectorAngle(c.x, c.y), c.angle, 1e-6) << c.x << "," << c.y;
  }
  float length = 0;
  EXPECT_NEAR(VectorPolar(3, 4, length), std::atan2(4.0, 3.0), 1e-6);
  EXPECT_EQ(length, 5.0f);
}

TEST(Geometry, PointInRectIsStrict) {
  EXPECT_TRUE(PointInRect(1, 1, 0, 0, 2, 2));
  EXPECT_FALSE(PointInRect(0, 1, 0, 0, 2, 2));
  EXPECT_FALSE(PointInRect(1, 2, 0, 0, 2, 2));
}

TEST(Geometry, ArrayMinMaxOverARange) {
  std::vector<float> v = {9, 3, -1, 7, -5};
  float hi = 0, lo = 0;
  ArrayMinMax(v, hi, lo, 1, 3);
  EXPECT_EQ(hi, 7);
  EXPECT_EQ(lo, -1);
  ArrayMinMax(v, hi, lo, 3, 99);  // clipped to the array
  EXPECT_EQ(hi, 7);
  EXPECT_EQ(lo, -5);
  hi = lo = 42;
  ArrayMinMax(v, hi, lo, 5, 9);
  EXPECT_EQ(hi, 42);
}
