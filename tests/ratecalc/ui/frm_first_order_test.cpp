#include "ratecalc/ui/frm_first_order.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <set>

#include "platform/msgbox.h"
#include "ratecalc/ui/frm_halvex.h"
#include "ratecalc/ui/halvex_windows.h"
#include "platform/ui/screen_fit.h"
#include "ratecalc/ui/kwant_edit.h"
#include "tests/ratecalc/ui/window_keys.h"
#include "tests/support/msgbox_recorder.h"

namespace {

using F = FirstOrderCalc;

class FirstOrderWindow : public ::testing::Test {
 protected:
  void SetUp() override { SetDefaultMsgBoxTitle("Halvex"); }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (KwantEdit* box : window.txtKwant) texts.push_back(Text(box));
    texts.push_back(window.Label2->text().toStdString());
    return texts;
  }
  void EnterValue(int index, const std::string& keys) {
    FocusBox(window, window.txtKwant[index]);
    TypeKeys(keys);
    PressTab();
  }
  MsgBoxRecorder boxes;
  frmFirstOrder window;
};

TEST_F(FirstOrderWindow, StartsWithItsStartValues) {
  EXPECT_EQ(Texts(),
            (std::vector<std::string>{"20.00", "293.16", "600.0", "1.16E-3", "50.00", "21.09"}));
  EXPECT_EQ(window.windowTitle(), "First Order Rate");
  EXPECT_EQ(window.lblKwant[5]->text(), "Delta G (kcal)");
  for (int option : {1, 2, 5}) EXPECT_TRUE(window.OptLock[option]->isChecked());
  EXPECT_EQ(window.Command3D1[2]->text(), "Delta G");
}

TEST_F(FirstOrderWindow, TypedValuesAreClampedAndFormatted) {
  struct Case { int box; const char* keys; const char* shown; } cases[] = {
      {F::kTime, "100", "100.0"},       {F::kTime, "10000", "1.00E+4"},
      {F::kTime, "0.001", "0.010"},     {F::kPercent, "100", "99.999"},
      {F::kPercent, "0", "0.000001"},
      {F::kTime, "100,5", "100.5"},     {F::kPercent, "25,5", "25.50"},  // decimal comma
      {F::kRate, "0,5,3", "0.530"},     // a second separator is refused
  };
  for (const auto& c : cases) {
    EnterValue(c.box, c.keys);
    EXPECT_EQ(Text(window.txtKwant[c.box]), c.shown) << c.keys;
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(FirstOrderWindow, TabbingChangesNothingAndStepsDo) {
  const auto before = Texts();
  FocusBox(window, window.txtKwant[F::kTC]);
  std::set<QWidget*> visited;
  for (int i = 0; i < 30; ++i) {
    PressTab();
    visited.insert(QApplication::focusWidget());
  }
  for (KwantEdit* box : window.txtKwant) EXPECT_TRUE(visited.count(box));
  EXPECT_EQ(Texts(), before);

  window.cmndPlusBig[F::kTC]->click();
  EXPECT_EQ(Text(window.txtKwant[F::kTK]), "303.16");
  window.cmndPlus[F::kPercent]->click();
  EXPECT_EQ(Text(window.txtKwant[F::kPercent]), "55.00");
}

TEST_F(FirstOrderWindow, JoulesReadOutInKilojoules) {
  window.chkJoule->click();
  EXPECT_EQ(window.lblKwant[5]->text(), "Delta G (kJ)");
  EXPECT_EQ(window.Label2->text(), "88.28");
}

TEST_F(FirstOrderWindow, CompleteReactionIsReportedNotShownAsInfinity) {
  window.OptLock[3]->click();  // "Rate" kept when the time is edited
  const auto before = Texts();
  EnterValue(F::kTime, "1000000");
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().style, vbExclamation);
  EXPECT_EQ(Texts(), before);
}

TEST(HalvexWindows, BothWindowsOpenWithinTheScreen) {
  HalvexWindows windows;
  windows.Start();
  KwantForm* first = windows.current();
  ASSERT_NE(first, nullptr);
  const QRect area = AvailableAreaOf(first);
  EXPECT_TRUE(area.contains(first->frameGeometry())) << first->x() << "," << first->y();
  // Centred: as far from the left edge as from the right.
  EXPECT_NEAR(first->x() - area.left(), area.right() - first->frameGeometry().right(), 20);
  // Moved towards a corner, the other window opens there, still whole on the screen.
  first->move(area.right() - first->width() / 2, area.bottom() - first->height() / 2);
  first->Command3D1[2]->click();
  KwantForm* order = windows.current();
  ASSERT_NE(order, first);
  EXPECT_TRUE(area.contains(order->frameGeometry())) << order->x() << "," << order->y();
  order->close();
}

TEST(HalvexWindows, SwitchingOpensTheOtherWindowFromItsStartValues) {
  HalvexWindows windows;
  windows.Start();
  auto* first = qobject_cast<frmHalvex*>(windows.current());
  ASSERT_NE(first, nullptr);
  first->cmndPlusBig[ActivationCalc::kTC]->click();
  first->Command3D1[2]->click();
  auto* order = qobject_cast<frmFirstOrder*>(windows.current());
  ASSERT_NE(order, nullptr);
  EXPECT_TRUE(order->isVisible());
  EXPECT_EQ(Text(order->txtKwant[F::kTime]), "600.0");
  order->Command3D1[2]->click();
  auto* again = qobject_cast<frmHalvex*>(windows.current());
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Text(again->txtKwant[ActivationCalc::kTC]), "20.00");
  again->Command3D1[0]->click();  // Exit
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(windows.current(), nullptr);
}

}  // namespace
