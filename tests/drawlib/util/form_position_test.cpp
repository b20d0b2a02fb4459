#include "drawlib/util/form_position.h"

#include <gtest/gtest.h>

TEST(FormPosition, RestoredRectanglesStayOnTheScreen) {
  constexpr int32_t W = 28800, H = 16200;  // 1920 x 1080 pixels at 15 twips per pixel
  struct Case { const char* text; TwipsRect rect; };
  for (const Case& c : {
           Case{" 1000, 2000, 6000, 4000", {1000, 2000, 6000, 4000}},
           Case{"1000,2000,100,100", {1000, 2000, 3500, 2500}},       // minimum size
           Case{"27000,2000,6000,4000", {0, 2000, 6000, 4000}},       // past the right edge
           Case{"100,100,40000,20000", {0, 0, W, H}},                 // larger than the screen
           Case{"-9000,-300,6000,4000", {0, 0, 6000, 4000}},          // corner kept on screen
           Case{"1,5,garbage", {1, 5, 3500, 2500}},
       }) {
    auto rect = FormRestoreRect(c.text, W, H);
    ASSERT_TRUE(rect.has_value()) << c.text;
    EXPECT_EQ(*rect, c.rect) << c.text;
  }
  EXPECT_FALSE(FormRestoreRect("", W, H).has_value());
  EXPECT_EQ(FormRectText({-15, 30, 6000, 4000}), "-15, 30, 6000, 4000");
  EXPECT_EQ(FormRestoreRect(FormRectText({15, 30, 6000, 4000}), W, H), (TwipsRect{15, 30, 6000, 4000}));
}

TEST(FormPosition, CentredSlightlyAboveTheMiddle) {
  EXPECT_EQ(CenterRect(6000, 4000, 28800, 16200), (TwipsRect{11400, 4885, 6000, 4000}));
  EXPECT_EQ(CenterRect(40000, 20000, 28800, 16200).left, 0);
  EXPECT_EQ(CenterRect(40000, 20000, 28800, 16200).top, 0);
}
