// Keeping windows with their frames on the screen's available area: the geometry, and a real
// window on the offscreen platform.
#include "platform/ui/screen_fit.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace {

TEST(ScreenFit, AWindowAndItsFrameAreMovedAndShrunkOntoTheArea) {
  struct Case {
    const char* what;
    QRect window, area;
    QMargins frame;
    QRect fitted;
  };
  const QRect full(0, 0, 1920, 1080), panel(0, 40, 1920, 1040);
  const QMargins none, frame(6, 36, 6, 6);
  const Case cases[] = {
      {"inside", {100, 100, 400, 352}, full, frame, {100, 100, 400, 352}},
      {"below the bottom", {1328, 747, 400, 352}, full, none, {1328, 728, 400, 352}},
      {"below, framed", {1328, 747, 400, 352}, full, frame, {1328, 686, 400, 352}},
      {"past the right edge", {1700, 10, 560, 480}, full, frame, {1348, 10, 560, 480}},
      {"above a top panel", {0, 0, 1728, 972}, panel, frame, {0, 40, 1728, 972}},
      {"left of and above the screen", {-50, -20, 300, 200}, full, frame, {0, 0, 300, 200}},
      {"taller than the area", {0, 0, 800, 2000}, panel, frame, {0, 40, 800, 998}},
      {"wider than the area", {10, 10, 4000, 300}, full, frame, {0, 10, 1908, 300}},
      {"a second screen", {3900, 900, 500, 400}, {1920, 0, 1920, 1080}, frame, {3328, 638, 500, 400}},
  };
  for (const Case& c : cases) {
    const QRect fitted = FitOnArea(c.window, c.frame, c.area);
    EXPECT_EQ(fitted, c.fitted) << c.what;
    const QRect framed = fitted.adjusted(0, 0, c.frame.left() + c.frame.right(),
                                         c.frame.top() + c.frame.bottom());
    EXPECT_TRUE(c.area.contains(framed)) << c.what;
  }
}

TEST(ScreenFit, KeepOnScreenPlacesARealWindowOnItsScreen) {
  QWidget window;
  const QRect area = AvailableAreaOf(&window);
  window.resize(area.width() / 3, area.height() / 3);
  window.move(area.right() - 10, area.bottom() - 10);
  KeepOnScreen(&window);
  EXPECT_TRUE(area.contains(window.frameGeometry())) << window.x() << "," << window.y();
  window.resize(area.width() * 2, area.height() * 2);
  KeepOnScreen(&window);
  EXPECT_TRUE(area.contains(window.frameGeometry()));
}

}  // namespace
