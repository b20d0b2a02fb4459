#include <gtest/gtest.h>

#include "engine/analyses.h"
#include "engine/engine_globals.h"
#include "engine/nspin_core.h"
#include "tests/support/msgbox_recorder.h"

namespace {

class CalcNSpinTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetEngineState(); }
  // n spins spaced by `spacing` from 100 Hz, every pair coupled by about J.
  void Couple(int n, float spacing, float J) {
    for (int a = 1; a <= n; ++a) {
      gShiftHz[a] = 100.0f + spacing * static_cast<float>(a - 1);
      for (int b = a + 1; b <= n; ++b) {
        JMatrixAt(a, b) = J + 0.37f * static_cast<float>((a + b) % 3);  // J(1, 2) = J
        JMatrixAt(b, a) = JMatrixAt(a, b) * 0.5f;
      }
    }
  }
};

TEST_F(CalcNSpinTest, AbQuartetOnTheLineList) {
  Couple(2, 10, 10);
  MsgBoxRecorder boxes;
  int16_t count = 99;
  int16_t overflow = 5;
  CalcNSpin(count, 2, 0.01f, 0, 1000, overflow);
  ASSERT_EQ(count, 4);
  EXPECT_EQ(overflow, 5);  // not written without an overflow
  EXPECT_NEAR(gLineFreq[1], 102.929, 0.0005);
  EXPECT_NEAR(gLineInt[1], 1.7071, 0.0001);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CalcNSpinTest, GrowsTheListAndReportsTheLimitOnce) {
  // Eight strongly coupled spins with every weak line kept: more than 6000 transitions.
  Couple(8, 3, 9);
  ASSERT_EQ(LineListUBound(), kStartLineCapacity);
  MsgBoxRecorder boxes;
  int16_t count = 0;
  int16_t overflow = 0;
  CalcNSpin(count, 8, 1e-9f, -1e4f, 1e4f, overflow);
  EXPECT_EQ(count, 6000);
  EXPECT_EQ(overflow, -1);
  EXPECT_GE(LineListUBound(), 6000);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().style, vbExclamation);
  EXPECT_EQ(boxes.last().title, "Spin System Calculations");
  EXPECT_EQ(boxes.last().text,
            "Too many lines for current dimensioning. Only the first 6000 lines are shown.");
}

}  // namespace
