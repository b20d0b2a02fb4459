#include <gtest/gtest.h>

#include "documents/drawing_extents.h"
#include "documents/spec_packet.h"
#include "documents/spec_record.h"
#include "drawlib/pardata.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"

namespace {

struct Box {
  float l, b, r, t;
};

class DrawingExtentsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    PardataBuild();
  }
  Box Measure(int16_t first, int16_t last, int16_t flags, const std::vector<int16_t>& marks = {}) {
    Box e{};
    DrawingExtents(e.l, e.b, e.r, e.t, steps, first, last, flags, marks);
    return e;
  }
  void Spectrum(int i, int16_t specFlags) {
    SpecRec rec;
    rec.Flags = specFlags;
    rec.WdthHz = rec.DispWdthHz = 100;
    rec.HzPerPt = 10;
    rec.NumPts = 10;
    ByteArray data;
    std::string label;
    Pardata[90].Default = 100, Pardata[91].Default = 50;  // stored in the object
    SpecPack(data, label, "", rec, std::vector<int16_t>(11, 0));
    steps.StepType[std::size_t(i)] = SpecObjectType;
    steps.Text[std::size_t(i)] = label;
    steps.Data[std::size_t(i)] = data;
    PardataBuild();
  }
  StepArrays steps{10};
  MsgBoxRecorder boxes;
};

void ExpectBox(const Box& e, float l, float b, float r, float t) {
  EXPECT_FLOAT_EQ(e.l, l);
  EXPECT_FLOAT_EQ(e.b, b);
  EXPECT_FLOAT_EQ(e.r, r);
  EXPECT_FLOAT_EQ(e.t, t);
}

TEST_F(DrawingExtentsTest, PointsLabelsAndNothingAtAll) {
  ExpectBox(Measure(1, 3, 2), 0, 0, 1, 1);  // nothing counted
  steps.X[2] = 10, steps.Y[2] = 20, steps.StepType[2] = 1;
  ExpectBox(Measure(2, 2, 2), 10, 20, 11, 21);
  steps.X[3] = 100, steps.Y[3] = 200, steps.Text[3] = "T > abc";
  ExpectBox(Measure(3, 3, 2), 100 - 80.4f, 200 - 80.4f, 100 + 241.2f, 200 + 80.4f);
  ExpectBox(Measure(3, 3, kExtentsTextsAsPoints), 100, 200, 101, 201);
  // A move (type 0) counts when the step after it is a line point.
  steps.X[1] = -5, steps.Y[1] = -6;
  ExpectBox(Measure(1, 2, 2), -5, -6, 10, 20);
  // Marked steps only.
  ExpectBox(Measure(1, 3, kExtentsMarkedOnly, {0, 0, 1, 0}), 10, 20, 11, 21);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(DrawingExtentsTest, MultiLineLabelsReachDownToTheirLastLine) {
  // 2 mm around the anchor, and one line spacing (6 mm, or the label's own) per line break
  // below it, one and a half for a double break.
  struct Case {
    const char* label;
    float bottom;
  };
  const Case cases[] = {
      {"T > ab", -80.4f},
      {"T > a{/}b", -80.4f - 241.2f},
      {"T > a{/}b{/}c", -80.4f - 2 * 241.2f},
      {"T > a{//}b", -80.4f - 1.5f * 241.2f},
      {"T LS= 10 > a{/}b", -80.4f - 402},
      {"T > a{b}c", -80.4f},
  };
  for (const Case& c : cases) {
    steps.Text[1] = c.label;
    EXPECT_FLOAT_EQ(Measure(1, 1, 2).b, c.bottom) << c.label;
  }
}

TEST_F(DrawingExtentsTest, SpectrumObjectsMeasureByTheirOwnFlagsAndLayout) {
  // W 100, H 50, M 5, B 3, T 3, big tick 3, X-caption offset 0 (mm).
  const float mm = 40.2f;
  struct Case {
    int16_t flags;
    float m, b, u;
  } cases[] = {
      {0, 2, 2, 52},
      {kSpecFlagFrame, 7, 5, 55},
      {kSpecFlagAxis, 2, 11, 52},
      {kSpecFlagAxis | kSpecFlagAxisCaption, 2, 15, 52},
      {kSpecFlagObjectCaption, 2, 2, 60},
  };
  for (const Case& c : cases) {
    Spectrum(4, c.flags);
    steps.X[4] = 1000, steps.Y[4] = 2000;
    const Box e = Measure(4, 4, 2);
    EXPECT_NEAR(e.l, 1000 - c.m * mm, 0.01) << c.flags;
    EXPECT_NEAR(e.r, 1000 + 107 * mm, 0.01) << c.flags;
    EXPECT_NEAR(e.b, 2000 - c.b * mm, 0.01) << c.flags;
    EXPECT_NEAR(e.t, 2000 + c.u * mm, 0.01) << c.flags;
  }
  // Unpacking set the object's layout rows; as a point it changes nothing.
  EXPECT_EQ(Pardata[91].Default, 50);
  PardataBuild();
  const Box p = Measure(4, 4, kExtentsTextsAsPoints);
  EXPECT_EQ(p.l, 1000);
  EXPECT_EQ(Pardata[91].Default, Pardata[91].Value);
}

}  // namespace
