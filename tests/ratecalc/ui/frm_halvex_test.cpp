#include "ratecalc/ui/frm_halvex.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <set>

#include "platform/msgbox.h"
#include "ratecalc/info_message.h"
#include "ratecalc/ui/kwant_edit.h"
#include "tests/ratecalc/ui/window_keys.h"
#include "tests/support/msgbox_recorder.h"

namespace {

using A = ActivationCalc;

class HalvexWindow : public ::testing::Test {
 protected:
  void SetUp() override { SetDefaultMsgBoxTitle("Halvex"); }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (KwantEdit* box : window.txtKwant) texts.push_back(Text(box));
    return texts;
  }
  // Types into a box and moves on with Tab.
  void EnterValue(int index, const std::string& keys) {
    FocusBox(window, window.txtKwant[index]);
    TypeKeys(keys);
    PressTab();
  }
  MsgBoxRecorder boxes;
  frmHalvex window;
};

TEST_F(HalvexWindow, StartsWithItsStartValuesAndCaptions) {
  EXPECT_EQ(Texts(), (std::vector<std::string>{"20.00", "293.16", "6.91E+3", "1.00E-4", "12.00",
                                               "12.00", "0.00"}));
  EXPECT_EQ(window.windowTitle(), "Calculation of Rates and Activation Parameters");
  EXPECT_EQ(window.lblKwant[A::kG]->text(), "delta G# (kcal)");
  EXPECT_EQ(window.cmndPlusBig[A::kH]->toolTip(), "Increase Delta H");
  EXPECT_EQ(window.cmndMinusBig[A::kS]->toolTip(), "Decrease Delta S");
  for (int option : {1, 3, 5}) EXPECT_TRUE(window.OptLock[option]->isChecked());
  EXPECT_FALSE(window.chkJoule->isChecked());
  EXPECT_EQ(window.cmndPlus[A::kHalfLife], nullptr);
}

TEST_F(HalvexWindow, TypingStartsANewNumberAndRecalculatesOnLeaving) {
  EnterValue(A::kTC, "25");
  EXPECT_EQ(Text(window.txtKwant[A::kTC]), "25.00");
  EXPECT_EQ(Text(window.txtKwant[A::kTK]), "298.16");
  EXPECT_EQ(Text(window.txtKwant[A::kG]), "12.00");
  EXPECT_EQ(Text(window.txtKwant[A::kRate]), "9.92E+3");
  // The key rule: "-" negates what is typed.
  FocusBox(window, window.txtKwant[A::kS]);
  TypeKeys("12-");
  EXPECT_EQ(Text(window.txtKwant[A::kS]), "-12");
  PressTab();
  EXPECT_EQ(Text(window.txtKwant[A::kS]), "-12.00");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(HalvexWindow, DecimalCommaIsTheDecimalSeparator) {
  struct Case { int box; const char* keys; const char* shown; } cases[] = {
      {A::kTC, "25,5", "25.50"},
      {A::kTC, "2,5,5", "2.55"},   // a second separator is refused
      {A::kTC, "2,5.5", "2.55"},
      {A::kTC, "2,5-", "-2.50"},   // the sign keeps the fraction
      {A::kG, "13,25", "13.25"},
  };
  for (const auto& c : cases) {
    FocusBox(window, window.txtKwant[c.box]);
    TypeKeys(c.keys);
    PressEnter();
    EXPECT_EQ(Text(window.txtKwant[c.box]), c.shown) << c.keys;
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(HalvexWindow, EnterAsFirstKeyEmptiesTheBoxAndRecalculates) {
  FocusBox(window, window.txtKwant[A::kRate]);
  PressEnter();
  EXPECT_EQ(Text(window.txtKwant[A::kRate]), "1.00E-15");
  EXPECT_NE(QApplication::focusWidget(), window.txtKwant[A::kRate]);
}

TEST_F(HalvexWindow, TabbingThroughEveryBoxChangesNothing) {
  for (bool joules : {false, true}) {
    if (joules) window.chkJoule->click();
    const auto before = Texts();
    FocusBox(window, window.txtKwant[A::kTC]);
    std::set<QWidget*> visited;
    for (int i = 0; i < 30; ++i) {
      PressTab();
      visited.insert(QApplication::focusWidget());
    }
    for (KwantEdit* box : window.txtKwant) EXPECT_TRUE(visited.count(box));
    EXPECT_EQ(Texts(), before);
  }
}

TEST_F(HalvexWindow, StepButtons) {
  window.cmndPlusBig[A::kTC]->click();
  EXPECT_EQ(Text(window.txtKwant[A::kTC]), "25.00");
  window.cmndMinus[A::kRate]->click();
  EXPECT_EQ(Text(window.txtKwant[A::kRate]), "9.02E+3");
}

TEST_F(HalvexWindow, JoulesShowKilojoulesAndStepInThem) {
  window.chkJoule->click();
  EXPECT_EQ(window.lblKwant[A::kG]->text(), "delta G# (kJ)");
  EXPECT_EQ(window.lblKwant[A::kS]->text(), "delta S# (J/deg-mol)");
  EXPECT_EQ(Text(window.txtKwant[A::kG]), "50.23");
  window.cmndPlus[A::kG]->click();
  EXPECT_EQ(Text(window.txtKwant[A::kG]), "50.33");
}

TEST_F(HalvexWindow, TypedValueCountsBeforeAStepOrALockOption) {
  FocusBox(window, window.txtKwant[A::kTC]);
  TypeKeys("30");
  window.cmndPlus[A::kG]->click();  // the arrow buttons take no focus
  EXPECT_EQ(Text(window.txtKwant[A::kTK]), "303.16");
  EXPECT_EQ(Text(window.txtKwant[A::kG]), "12.10");

  FocusBox(window, window.txtKwant[A::kG]);
  TypeKeys("15");
  window.OptLock[0]->click();  // the G edit still keeps S; later ones keep H
  EXPECT_EQ(Text(window.txtKwant[A::kS]), "0.00");
  EXPECT_EQ(Text(window.txtKwant[A::kH]), "15.00");
  EXPECT_EQ(window.calc().LockMask, 6);
  EnterValue(A::kG, "14");
  EXPECT_EQ(Text(window.txtKwant[A::kH]), "15.00");
  EXPECT_EQ(Text(window.txtKwant[A::kS]), "3.30");
}

TEST_F(HalvexWindow, ArithmeticFaultShowsAMessageAndKeepsTheValues) {
  const auto before = Texts();
  EnterValue(A::kH, "60000");
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().style, vbExclamation);
  EXPECT_EQ(boxes.last().title, "Halvex");
  EXPECT_NE(boxes.last().text.find("previous values are kept"), std::string::npos);
  EXPECT_EQ(Texts(), before);
}

TEST_F(HalvexWindow, InfoShowsTheEquations) {
  window.Command3D1[1]->click();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().title, "Activation Parameters Info");
  EXPECT_EQ(boxes.last().style, vbInformation);
  EXPECT_EQ(boxes.last().text,
            "The following equations are used for the calculations:     \r\n\r\n"
            "      Delta-G  =  Delta-H  -  T*Delta-S\r\n\r\n"
            "      Delta-G  =  1.987*T*(23.76 + ln(T/k))\r\n\r\n"
            "      k  =  Exp(23.76 + ln(T) - Delta-G/(1.987*T))\r\n\r\n"
            "      deg K  =  deg C + 273.16\r\n\r\n");
}

}  // namespace
