#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/first_order.h"
#include "tests/engine/engine_fixture.h"

namespace {

using ::testing::ElementsAreArray;
using ::testing::FloatEq;

class FirstOrderTest : public EngineTest {
 protected:
  // Lines 1..gNumLines as (frequency, intensity) lists.
  std::vector<float> Freqs() const {
    return std::vector<float>(gLineFreq.begin() + 1, gLineFreq.begin() + 1 + gNumLines);
  }
  std::vector<float> Ints() const {
    return std::vector<float>(gLineInt.begin() + 1, gLineInt.begin() + 1 + gNumLines);
  }
  void OneLine(float freq, float intensity) {
    gLineFreq[1] = freq;
    gLineInt[1] = intensity;
    gNumLines = 1;
  }
};

std::vector<::testing::Matcher<float>> Floats(std::initializer_list<float> values) {
  std::vector<::testing::Matcher<float>> m;
  for (float v : values) m.push_back(FloatEq(v));
  return m;
}

TEST_F(FirstOrderTest, PatternsInOrderOfWriting) {
  struct Case {
    int16_t code;
    float J;
    std::initializer_list<float> offsets;
    std::initializer_list<float> factors;
  };
  const Case cases[] = {
      {0, 7, {0}, {1}},
      {1, 7, {-3.5f, 3.5f}, {0.5f, 0.5f}},
      {2, 4, {0, -4, 4}, {0.5f, 0.25f, 0.25f}},
      {3, 2, {-1, 1, -3, 3}, {3 / 8.f, 3 / 8.f, 1 / 8.f, 1 / 8.f}},
      {4, 2, {0, -2, 2, -4, 4}, {6 / 16.f, 4 / 16.f, 4 / 16.f, 1 / 16.f, 1 / 16.f}},
      {5, 2, {-1, 1, -3, 3, -5, 5}, {10 / 32.f, 10 / 32.f, 5 / 32.f, 5 / 32.f, 1 / 32.f, 1 / 32.f}},
      {6, 2, {0, -2, 2, -4, 4, -6, 6},
       {20 / 64.f, 15 / 64.f, 15 / 64.f, 6 / 64.f, 6 / 64.f, 1 / 64.f, 1 / 64.f}},
      {7, 2, {-1, 1, -3, 3, -5, 5, -7, 7},
       {35 / 128.f, 35 / 128.f, 21 / 128.f, 21 / 128.f, 7 / 128.f, 7 / 128.f, 1 / 128.f, 1 / 128.f}},
      {8, 2, {0, -2, 2, -4, 4, -6, 6, -8, 8},
       {70 / 256.f, 56 / 256.f, 56 / 256.f, 28 / 256.f, 28 / 256.f, 8 / 256.f, 8 / 256.f,
        1 / 256.f, 1 / 256.f}},
      {9, 10, {0, 10, -10}, {1 / 3.f, 1 / 3.f, 1 / 3.f}},
      {10, 10, {15, 5, -5, -15}, {0.25f, 0.25f, 0.25f, 0.25f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("code " + std::to_string(c.code));
    std::vector<float> freqs(20, 0.0f), ints(20, 0.0f);
    int16_t count = 3;
    ASSERT_TRUE(FirstOrderMultiplet(100, 2, freqs, ints, count, c.J, c.code));
    ASSERT_EQ(count, 3 + static_cast<int>(c.offsets.size()));
    std::vector<::testing::Matcher<float>> wantF, wantI;
    for (float o : c.offsets) wantF.push_back(FloatEq(100 + o));
    for (float f : c.factors) wantI.push_back(FloatEq(2 * f));
    EXPECT_THAT(std::vector<float>(freqs.begin() + 3, freqs.begin() + count), ElementsAreArray(wantF));
    EXPECT_THAT(std::vector<float>(ints.begin() + 3, ints.begin() + count), ElementsAreArray(wantI));
    EXPECT_EQ(freqs[2], 0);  // nothing before the running index
  }
}

TEST_F(FirstOrderTest, UnknownCodeOrShortArraysWriteNothing) {
  std::vector<float> freqs(5, 0.0f), ints(5, 0.0f);
  for (int16_t code : {int16_t{-1}, int16_t{11}, int16_t{-32768}}) {
    int16_t count = 1;
    EXPECT_TRUE(FirstOrderMultiplet(100, 1, freqs, ints, count, 7, code));
    EXPECT_EQ(count, 1);
  }
  int16_t count = 2;  // a quintet would need indexes 2..6
  EXPECT_FALSE(FirstOrderMultiplet(100, 1, freqs, ints, count, 7, 4));
  EXPECT_EQ(count, 2);
  EXPECT_THAT(freqs, ::testing::Each(0.0f));
}

TEST_F(FirstOrderTest, SplitKeepsParentOrderAndColours) {
  gTraceColors[0] = 0x123456;
  OneLine(100, 1);
  FirstOrderSplit(7, gNumLines, 1);
  EXPECT_THAT(Freqs(), ElementsAreArray(Floats({96.5f, 103.5f})));
  EXPECT_THAT(Ints(), ElementsAreArray(Floats({0.5f, 0.5f})));

  OneLine(100, 1);
  FirstOrderSplit(6, gNumLines, 3);  // quartet 97, 103, 91, 109
  FirstOrderSplit(2, gNumLines, 1);
  EXPECT_THAT(Freqs(), ElementsAreArray(Floats({96, 98, 102, 104, 90, 92, 108, 110})));
  EXPECT_EQ(gLineColor[8], 0x123456u);

  // Code 0 changes only the colours.
  gLineColor[1] = 0;
  FirstOrderSplit(5, gNumLines, 0);
  EXPECT_EQ(gNumLines, 8);
  EXPECT_THAT(Freqs(), ElementsAreArray(Floats({96, 98, 102, 104, 90, 92, 108, 110})));
  EXPECT_EQ(gLineColor[1], 0x123456u);
}

TEST_F(FirstOrderTest, TooManyLinesIsRefusedOnce) {
  for (int i = 1; i <= 1000; ++i) {
    gLineFreq[static_cast<size_t>(i)] = static_cast<float>(i);
    gLineInt[static_cast<size_t>(i)] = 1;
  }
  gNumLines = 1000;
  FirstOrderSplit(1, gNumLines, 4);  // 5 * 1000 + 1 = 5001
  EXPECT_EQ(gNumLines, 1000);
  EXPECT_FLOAT_EQ(gLineFreq[1000], 1000);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "Too many lines for current dimensioning.");
  EXPECT_EQ(boxes.last().title, "First Order Calculations");
  EXPECT_EQ(boxes.last().style, vbExclamation);

  gNumLines = 999;  // 4996 lines: goes ahead and grows the line list
  FirstOrderSplit(1, gNumLines, 4);
  EXPECT_EQ(gNumLines, 4995);
  EXPECT_GE(LineListUBound(), 4995);
  EXPECT_EQ(boxes.count(), 1u);
}

TEST_F(FirstOrderTest, SplitWithUnknownCodeEmptiesTheList) {
  OneLine(100, 1);
  for (int16_t code : {int16_t{12}, int16_t{-3}}) {
    gNumLines = 5;
    FirstOrderSplit(7, gNumLines, code);
    EXPECT_EQ(gNumLines, 0);
  }
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
