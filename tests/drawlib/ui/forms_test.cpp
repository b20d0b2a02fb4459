#include "drawlib/ui/forms.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {

struct ScreenTwips {
  QRect area;
  double tpp;
  int Px(int twips) const { return int(std::lround(twips / tpp)); }
};

ScreenTwips Screen(const QWidget& w) {
  return {w.screen()->availableGeometry(), TwipsPerPixel(&w)};
}

TEST(Forms, RestoredRectangleRoundTripsThroughItsText) {
  QWidget w;
  const ScreenTwips s = Screen(w);
  FormRestorePos(&w, "1500,3000,6000,4500");
  EXPECT_EQ(w.x(), s.area.left() + s.Px(1500));
  EXPECT_EQ(w.y(), s.area.top() + s.Px(3000));
  EXPECT_EQ(w.width(), s.Px(6000));
  EXPECT_EQ(w.height(), s.Px(4500));
  const std::string kept = FormPosText(&w);
  QWidget again;
  FormRestorePos(&again, kept);
  EXPECT_EQ(again.geometry(), w.geometry());
}

TEST(Forms, EmptyTextLeavesTheWindowAndBadPlacesAreMended) {
  QWidget w;
  w.setGeometry(10, 20, 300, 200);
  const QRect before = w.geometry();
  FormRestorePos(&w, "");
  EXPECT_EQ(w.geometry(), before);

  const ScreenTwips s = Screen(w);
  FormRestorePos(&w, "-90000,-90000,10,10");
  EXPECT_EQ(w.pos(), s.area.topLeft());
  EXPECT_EQ(w.size(), QSize(s.Px(3500), s.Px(2500)));
  FormRestorePos(&w, "0,0,9999999,9999999");
  EXPECT_LE(w.width(), s.area.width());
  EXPECT_LE(w.height(), s.area.height());
}

TEST(Forms, CenterFormPutsTheWindowSlightlyAboveTheMiddle) {
  QWidget w;
  w.resize(200, 100);
  CenterForm(&w);
  const ScreenTwips s = Screen(w);
  EXPECT_NEAR(w.x() - s.area.left(), (s.area.width() - 200) / 2.0, 1.0);
  EXPECT_NEAR(w.y() - s.area.top(), 0.85 * s.area.height() / 2 - 50, 1.0);
}

}  // namespace
