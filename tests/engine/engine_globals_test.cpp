#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/engine/engine_fixture.h"

namespace {

class EngineArraysTest : public EngineTest {};

TEST_F(EngineArraysTest, LineListGrowsKeepingItsLines) {
  EXPECT_EQ(LineListUBound(), 2000);
  gLineFreq[7] = 123;
  gLineColor[7] = 0xABCDEF;
  EnsureLineCapacity(5000);
  EXPECT_EQ(LineListUBound(), 5000);
  EXPECT_EQ(gLineT1.size(), 5001u);
  EXPECT_FLOAT_EQ(gLineFreq[7], 123);
  EXPECT_EQ(gLineColor[7], 0xABCDEFu);
  EnsureLineCapacity(10);  // never shrinks
  EXPECT_EQ(LineListUBound(), 5000);
  RedimLineList(-4);
  EXPECT_EQ(LineListUBound(), 0);
}

TEST_F(EngineArraysTest, SpectrumArraysAreSizedAndCleared) {
  RedimSpectrum(100);
  gSpectrum[50] = 1;
  gSpecExp[121] = 1;
  RedimSpectrum(200);
  EXPECT_EQ(gSpectrum.size(), 221u);
  EXPECT_EQ(gSpectrum2.size(), 221u);
  EXPECT_EQ(gSpecExp.size(), 222u);
  EXPECT_EQ(gStickSum.size(), 202u);
  EXPECT_EQ(gStickPos.size(), 202u);
  EXPECT_THAT(gSpectrum, ::testing::Each(0.0f));
  EXPECT_THAT(gSpecExp, ::testing::Each(0.0f));
  RedimSpectrum(-1);
  EXPECT_EQ(gSpectrum.size(), 21u);
}

TEST_F(EngineArraysTest, ResetRestoresStartUpState) {
  gSimTypes[5].LastPar = 17;
  RedimLineList(9000);
  gTraceColors = {};
  gPointStep = 10;
  ResetEngineState();
  EXPECT_EQ(gSimTypes[5].LastPar, 0);
  EXPECT_EQ(LineListUBound(), 2000);
  EXPECT_EQ(gTraceColors[0], PaletteColor(1));
  EXPECT_EQ(gTraceColors[1], PaletteColor(4));
  EXPECT_EQ(gPointStep, 1);
  EXPECT_FALSE(SimParLimits.Read);
}

}  // namespace
