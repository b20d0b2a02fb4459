// The picture box widget: what its drawing calls leave in the image, in logical pixels of
// 15 twips (the offscreen screen has 96 DPI), at pixel ratios 1 and 2.
#include "platform/ui/picture_widget.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <tuple>
#include <vector>

#include "platform/ui/qt_color.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0x0000FF;  // 0x00BBGGRR

class PictureWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(pic.logicalDpiX(), 96);
    pic.resize(200, 100);
    pic.BackColor = kWhite;
    pic.Cls();
  }
  // The colour at a logical pixel (its top-left physical pixel).
  uint32_t At(int x, int y) const {
    const qreal r = pic.image().devicePixelRatio();
    return FromQColor(pic.image().pixelColor(int(x * r), int(y * r)));
  }

  PictureWidget pic;
};

}  // namespace

TEST(PictureWidgetUnits, TwipsPerPixelFollowTheLogicalDpi) {
  for (auto [dpi, twips] : {std::pair{96, 15.0f}, {120, 12.0f}, {144, 10.0f}, {192, 7.5f}})
    EXPECT_EQ(TwipsPerPixelAt(dpi), twips) << dpi;
}

TEST(PictureWidgetUnits, MouseAndPointerCodesAreTheRuntimes) {
  EXPECT_EQ(RuntimeButtonCode(Qt::LeftButton), 1);
  EXPECT_EQ(RuntimeButtonCode(Qt::RightButton), 2);
  EXPECT_EQ(RuntimeButtonCode(Qt::MiddleButton), 4);
  EXPECT_EQ(RuntimeButtonCode(Qt::LeftButton | Qt::MiddleButton), 5);
  EXPECT_EQ(RuntimeButtonCode(Qt::NoButton), 0);
  EXPECT_EQ(RuntimeShiftCode(Qt::ShiftModifier), 1);
  EXPECT_EQ(RuntimeShiftCode(Qt::ControlModifier | Qt::AltModifier), 6);
  EXPECT_EQ(RuntimeShiftCode(Qt::KeypadModifier), 0);
  for (auto [code, shape] : {std::pair<int16_t, Qt::CursorShape>{0, Qt::ArrowCursor},
                             {9, Qt::SizeHorCursor},
                             {7, Qt::SizeVerCursor},
                             {11, Qt::WaitCursor},
                             {99, Qt::ArrowCursor}})
    EXPECT_EQ(CursorForMousePointer(code), shape) << code;

  PictureWidget pic;
  pic.SetMousePointer(9);
  EXPECT_EQ(pic.cursor().shape(), Qt::SizeHorCursor);
  EXPECT_EQ(pic.MousePointer(), 9);
  pic.SetMousePointer(0);
  EXPECT_EQ(pic.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(PictureWidgetTest, ClsFillsTheWholeImageWithBackColor) {
  EXPECT_EQ(pic.ScaleWidth(), 3000);
  EXPECT_EQ(pic.ScaleHeight(), 1500);
  pic.Line(0, 0, 2985, 1485, kRed);
  pic.BackColor = 0x336699;
  pic.CurrentX = 40;
  pic.Cls();
  EXPECT_EQ(pic.CurrentX, 0);
  EXPECT_EQ(pic.image().size(), QSize(200, 100));
  EXPECT_EQ(pic.image().format(), QImage::Format_RGB32);
  std::set<uint32_t> colours;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) colours.insert(At(x, y));
  EXPECT_EQ(colours, std::set<uint32_t>{0x336699});
}

TEST_F(PictureWidgetTest, LinesBoxesAndPointsLandOnTheirPixels) {
  pic.Line(150, 300, 1500, 300, kRed);  // pixels (10, 20) to (100, 20)
  EXPECT_EQ(pic.CurrentX, 1500);
  EXPECT_EQ(pic.CurrentY, 300);
  for (int x = 10; x < 100; ++x) ASSERT_EQ(At(x, 20), kRed) << x;
  EXPECT_EQ(At(9, 20), kWhite);
  EXPECT_EQ(At(50, 19), kWhite);
  EXPECT_EQ(At(50, 21), kWhite);

  pic.DrawWidth = 3;
  pic.Line(750, 600, 750, 1200, 0);  // a 3-pixel column around x = 50
  for (int x : {49, 50, 51}) EXPECT_EQ(At(x, 60), 0u) << x;
  EXPECT_EQ(At(47, 60), kWhite);
  EXPECT_EQ(At(53, 60), kWhite);

  pic.DrawWidth = 1;
  pic.Box(2700, 1200, 1800, 600, kRed);  // corners (120, 40) and (180, 80)
  EXPECT_EQ(pic.CurrentX, 1800);
  for (auto [x, y] : {std::pair{120, 40}, {180, 40}, {120, 80}, {180, 80}, {150, 40}, {120, 60}})
    EXPECT_EQ(At(x, y), kRed) << x << "," << y;
  for (auto [x, y] : {std::pair{150, 60}, {181, 60}, {150, 81}, {119, 40}})
    EXPECT_EQ(At(x, y), kWhite) << x << "," << y;

  pic.PSet(30, 45, 0x00FF00);  // rounds to (2, 3)
  EXPECT_EQ(At(2, 3), 0x00FF00u);
  EXPECT_EQ(pic.CurrentX, 30);
  EXPECT_EQ(pic.CurrentY, 45);
}

TEST_F(PictureWidgetTest, DottedLinesLeaveGaps) {
  pic.DrawStyle = PictureBox::kDrawStyleDot;
  pic.Line(0, 150, 2985, 150, 0);
  int inked = 0;
  for (int x = 0; x < 200; ++x) inked += At(x, 10) == 0;
  EXPECT_GT(inked, 50);
  EXPECT_LT(inked, 150);
}

// Drawing with the XOR pen twice must give back the exact picture (rubber bands), for every
// pen style and shape, also at pixel ratio 2.
TEST_F(PictureWidgetTest, XorDrawingTwiceRestoresThePicture) {
  using Shape = std::function<void(PictureWidget&)>;
  const std::vector<std::pair<const char*, Shape>> shapes = {
      {"diagonal", [](PictureWidget& p) { p.Line(100, 1400, 2900, 37, 0x00FF00); }},
      {"horizontal", [](PictureWidget& p) { p.Line(0, 700, 2985, 700, 0x00FF00); }},
      {"box", [](PictureWidget& p) { p.Box(300, 200, 2400, 1300, 0x00FF00); }},
      {"point", [](PictureWidget& p) { p.PSet(1500, 700, 0x00FF00); }},
  };
  for (qreal ratio : {1.0, 2.0}) {
    pic.SetPixelRatioForTests(ratio);
    ASSERT_EQ(pic.image().size(), QSize(200, 100) * ratio);
    for (int16_t style : {PictureBox::kDrawStyleSolid, PictureBox::kDrawStyleDot}) {
      for (int16_t width : {1, 3}) {
        for (const auto& [name, draw] : shapes) {
          SCOPED_TRACE(testing::Message() << name << " ratio " << ratio << " style " << style
                                          << " width " << width);
          pic.DrawMode = PictureBox::kDrawModeCopyPen;
          pic.DrawStyle = PictureBox::kDrawStyleSolid;
          pic.DrawWidth = 1;
          pic.Cls();
          for (int y = 0; y < 1500; y += 90) pic.Line(0, y, 2985, 1485 - y, kRed);  // a pattern
          const QImage before = pic.image();
          pic.DrawMode = PictureBox::kDrawModeXorPen;
          pic.DrawStyle = style;
          pic.DrawWidth = width;
          draw(pic);
          EXPECT_NE(pic.image(), before);
          draw(pic);
          EXPECT_EQ(pic.image(), before);
        }
      }
    }
  }
}

TEST_F(PictureWidgetTest, PrintDrawsCrispTextAtTheCurrentPointAndMovesDown) {
  const float lineHeight = pic.TextHeight("Hz");
  EXPECT_GT(lineHeight, 0);
  EXPECT_EQ(std::fmod(lineHeight, 15.0f), 0.0f);
  EXPECT_GT(pic.TextWidth("1000 Hz"), pic.TextWidth("1 Hz"));
  pic.ForeColor = kRed;
  pic.CurrentX = 300;
  pic.CurrentY = 150;
  pic.Print("100 Hz");
  EXPECT_EQ(pic.CurrentX, 0);
  EXPECT_EQ(pic.CurrentY, 150 + lineHeight);
  pic.Print("x");
  EXPECT_EQ(pic.CurrentY, 150 + 2 * lineHeight);

  const int textTop = 10, textBottom = textTop + int(lineHeight / 15);
  int inked = 0;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 200; ++x) {
      const uint32_t c = At(x, y);
      ASSERT_TRUE(c == kWhite || c == kRed) << "grey edge at " << x << "," << y;
      if (c == kRed && y < textBottom) {
        ++inked;
        EXPECT_GE(x, 20);
        EXPECT_GE(y, textTop);
      }
    }
  }
  EXPECT_GT(inked, 10);
}

TEST_F(PictureWidgetTest, ResizingClearsTheImageAndAsksOnceForARedraw) {
  int requests = 0;
  QObject::connect(&pic, &PictureWidget::repaintNeeded, [&] { ++requests; });
  pic.show();
  QCoreApplication::processEvents();
  requests = 0;

  pic.Line(0, 0, 2985, 1485, kRed);
  pic.resize(320, 130);
  pic.resize(300, 120);
  EXPECT_EQ(requests, 0);  // asked from the event loop, not from inside the resize
  QCoreApplication::processEvents();
  EXPECT_EQ(requests, 1);
  EXPECT_EQ(pic.image().size(), QSize(300, 120));
  EXPECT_EQ(pic.ScaleWidth(), 4500);
  EXPECT_EQ(At(0, 0), kWhite);
  EXPECT_EQ(At(100, 50), kWhite);
  QCoreApplication::processEvents();
  EXPECT_EQ(requests, 1);
}

TEST_F(PictureWidgetTest, MouseEventsAreReportedInTwipsWithRuntimeCodes) {
  std::vector<std::tuple<char, int, int, float, float>> seen;
  auto log = [&seen](char what) {
    return [&seen, what](int b, int s, float x, float y) { seen.emplace_back(what, b, s, x, y); };
  };
  QObject::connect(&pic, &PictureWidget::mouseDown, log('d'));
  QObject::connect(&pic, &PictureWidget::mouseMove, log('m'));
  QObject::connect(&pic, &PictureWidget::mouseUp, log('u'));
  auto send = [this](QEvent::Type type, QPointF at, Qt::MouseButton button,
                     Qt::MouseButtons held, Qt::KeyboardModifiers mods) {
    QMouseEvent event(type, at, pic.mapToGlobal(at), button, held, mods);
    QCoreApplication::sendEvent(&pic, &event);
  };
  send(QEvent::MouseMove, {4, 6}, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  send(QEvent::MouseButtonPress, {10, 20}, Qt::RightButton, Qt::RightButton,
       Qt::ShiftModifier | Qt::ControlModifier);
  send(QEvent::MouseMove, {12.5, 20}, Qt::NoButton, Qt::RightButton | Qt::LeftButton,
       Qt::AltModifier);
  send(QEvent::MouseButtonRelease, {12, 21}, Qt::RightButton, Qt::LeftButton, Qt::NoModifier);
  using E = std::tuple<char, int, int, float, float>;
  EXPECT_EQ(seen, (std::vector<E>{{'m', 0, 0, 60, 90},
                                  {'d', 2, 3, 150, 300},
                                  {'m', 3, 4, 187.5f, 300},
                                  {'u', 2, 0, 180, 315}}));
}
