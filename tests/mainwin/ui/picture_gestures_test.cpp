// Mouse gestures on the real main window offscreen: hovering a marker, a click read-out, a
// handle dragged against its range, right-click help on a handle, and Shift on a toolbar click.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "mainwin/ui/frm_kavo.h"
#include "tests/mainwin/mainwin_fixture.h"

namespace {

// The real window over the headless fixture's program folder, help viewer and message boxes.
class PictureGesturesTest : public MainWinTest {
 protected:
  void SetUp() override {
    MainWinTest::SetUp();
    window = std::make_unique<frmKavo>();
    RegisterMainWindowServices(&window->form());
    ASSERT_TRUE(window->form().Form_Load({}));
    QApplication::processEvents();
  }
  void TearDown() override {
    window.reset();
    MainWinTest::TearDown();
  }
  template <typename T>
  T* Widget(Ctl id, int index = 0) {
    return qobject_cast<T*>(window->ControlWidget(id, index));
  }
  const Control& Win(Ctl id, int index = 0) { return window->form().Controls().Get(id, index); }
  double Tpp() const { return window->picture()->TwipsPerPixelX(); }
  // A mouse move with these buttons held, delivered to the widget at once.
  static void MoveTo(QWidget* w, QPoint at, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
  }

  std::unique_ptr<frmKavo> window;
};

TEST_F(PictureGesturesTest, HoveringAMarkerBelowTheBaselineShowsTheSizingPointer) {
  PictureWidget* pic = window->picture();
  const float x = (gSpectHz - gSpinMarks[1].Shift + gHorOffHz) * gTwipsPerHz;
  const QPoint below(static_cast<int>(x / Tpp()), static_cast<int>(gBaseLnTwips / Tpp()) + 3);
  ASSERT_TRUE(pic->hasMouseTracking());
  MoveTo(pic, below);
  EXPECT_EQ(window->form().HoverMark(), 1);
  EXPECT_EQ(pic->MousePointer(), 9);
  MoveTo(pic, QPoint(below.x(), 5));
  EXPECT_EQ(window->form().HoverMark(), 0);
  EXPECT_EQ(pic->MousePointer(), 0);
}

TEST_F(PictureGesturesTest, ALeftClickOnThePictureReadsItsFrequency) {
  PictureWidget* pic = window->picture();
  QTest::mouseClick(pic, Qt::LeftButton, Qt::NoModifier, QPoint(pic->width() / 2, 20));
  const QString text = Widget<QLabel>(Ctl::lblFreq, 0)->text();
  EXPECT_TRUE(QRegularExpression("^-?\\d+\\.\\d Hz$").match(text).hasMatch()) << text.toStdString();
  EXPECT_NEAR(text.left(text.size() - 3).toDouble(), gHorOffHz + gSpectHz / 2, 1);
  EXPECT_EQ(Widget<QLabel>(Ctl::lblFreq, 1)->text(), text);  // against 0 the first time
}

TEST_F(PictureGesturesTest, DraggingTheBaselineHandleStopsAtItsRange) {
  QWidget* handle = window->ControlWidget(Ctl::Image1, 3);
  ASSERT_NE(handle, nullptr);
  const QPoint grab(handle->width() / 2, handle->height() / 2);
  const float highest = 0.95f * gVertScale;
  QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grab);
  MoveTo(handle, grab + QPoint(0, 2000), Qt::LeftButton);
  EXPECT_FLOAT_EQ(Win(Ctl::Image1, 3).Top, highest);
  EXPECT_EQ(window->picture()->overlays[PictureBox::kOverlayGuide]->y1, highest);
  QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grab);
  EXPECT_EQ(gBaseLnTwips, static_cast<int16_t>(std::lround(highest)));
  EXPECT_NEAR(handle->y(), highest / Tpp(), 1);
  EXPECT_FALSE(window->picture()->overlays[PictureBox::kOverlayGuide]);
}

TEST_F(PictureGesturesTest, ARightClickOnAHandleShowsItsHelpOnce) {
  QWidget* handle = window->ControlWidget(Ctl::Image1, 2);
  ASSERT_NE(handle, nullptr);
  const float left = Win(Ctl::Image1, 2).Left;
  QTest::mouseClick(handle, Qt::RightButton);
  ASSERT_EQ(help.popups.size(), 1u);
  EXPECT_EQ(help.popups[0].id, 170);
  EXPECT_EQ(Win(Ctl::Image1, 2).Left, left);
}

TEST_F(PictureGesturesTest, ShiftHeldAtAToolbarClickAlsoRaisesTheSimulation) {
  FormControls& controls = window->form().Controls();
  controls.SetVisible(Ctl::CmndUpDn, 11, true);
  controls.SetEnabled(Ctl::CmndUpDn, 11, true);
  QPushButton* raise = Widget<QPushButton>(Ctl::CmndUpDn, 11);
  ASSERT_NE(raise, nullptr);
  gSpec.VertMult = 1;
  const float simulation = gVertMult;
  QTest::mouseClick(raise, Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_FLOAT_EQ(gSpec.VertMult, 1.1f);
  EXPECT_FLOAT_EQ(gVertMult, simulation * 1.1f);
  QTest::mouseClick(raise, Qt::LeftButton);
  EXPECT_FLOAT_EQ(gSpec.VertMult, 1.1f * 1.1f);
  EXPECT_FLOAT_EQ(gVertMult, simulation * 1.1f);
}

}  // namespace
