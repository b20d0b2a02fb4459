#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "drawlib/device/world_lines.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/ps_interface.h"
#include "drawlib/steps/step_list.h"
#include "platform/runtime_numbers.h"
#include "tests/drawlib/device_fixture.h"
#include "tests/drawlib/recording_postscript.h"

namespace {

// CTest names the drawing-library tests' folder in KAVO_TEST_DATA; run by hand, the folder of
// this file.
std::string FixturePath() {
  if (const char* data = std::getenv("KAVO_TEST_DATA"))
    return std::string(data) + "/linetypes/line_type_steps.txt";
  std::string here = __FILE__;
  return here.substr(0, here.rfind('/')) + "/line_type_steps.txt";
}

class LineTypesTest : public LineDrawingFixture {
 protected:
  // Records one line object from (0, 0) to (x, y) and returns its steps, one per line:
  // "type x y" with the point to a tenth of a world unit.
  std::string Record(uint16_t attrib, float x = 402.0f, float y = 0.0f) {
    StepListReset();
    StepAddPoint(0, 0, 0, 0, 0);
    DrawAltBnd(&dc, 0, 0, attrib, x, y, kDrawAltBndRecord);
    std::string out;
    for (int i = 1; i <= StepCount; ++i) {
      out += std::to_string(StepList.StepType[size_t(i)]) + " " +
             Format(StepList.X[size_t(i)], "0.0") + " " + Format(StepList.Y[size_t(i)], "0.0") +
             "\n";
    }
    return out;
  }
};

bool Refused(int code) {
  return code == 5 || code == 32 || code == 40 || code == 47 || code == 49 || code == 50;
}

TEST_F(LineTypesTest, EveryLineTypeRecordsItsSteps) {
  std::string all;
  for (int code = 1; code <= 53; ++code) {
    if (Refused(code) || (code >= 24 && code <= 31) || code == 48) continue;
    all += "code " + std::to_string(code) + "\n" + Record(uint16_t(code));
  }
  // Reverse bit and end mark on a few shapes whose sides depend on them.
  for (int code : {2, 9, 43}) {
    all += "code " + std::to_string(code) + " reversed\n" + Record(uint16_t(code | 0x80));
    all += "code " + std::to_string(code) + " end mark\n" + Record(uint16_t(code | 0x40));
  }
  if (std::getenv("KAVO_WRITE_FIXTURES")) std::ofstream(FixturePath()) << all;
  std::ifstream in(FixturePath());
  ASSERT_TRUE(in) << FixturePath();
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(all, expected.str());
}

TEST_F(LineTypesTest, SimpleShapesFollowTheirGeometry) {
  // A single line records its own attribute word.
  EXPECT_EQ(Record(0x0301), "0 0.0 0.0\n769 402.0 0.0\n");
  // Code 6 is code 1 in width class 4.
  EXPECT_EQ(Record(6 | (3 << 11)), Record(0x0301 | (3 << 11)));
  // A zero or negative attribute word only moves.
  EXPECT_EQ(Record(0), "0 402.0 0.0\n");
  EXPECT_EQ(Record(0xFFFF), "0 402.0 0.0\n");
  // A triangle on a 10 mm segment ends where it started its last side: at the second point.
  const std::string triangle = Record(33, 0, 402);
  EXPECT_NE(triangle.find("1 -348.1 201.0\n"), std::string::npos) << triangle;
  EXPECT_EQ(triangle.substr(triangle.size() - 12), "1 0.0 402.0\n");
}

TEST_F(LineTypesTest, RefusedCodesNameThemselvesAndDrawNothing) {
  for (int code : {5, 32, 40, 47, 49, 50}) {
    boxes.Clear();
    OutputFlags = kOutputFlagsScreen;
    dc.log.clear();
    DrawAltBnd(&dc, 0, 0, uint16_t(code), 402, 0, kDrawAltBndDraw);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "Error in Draw-AltBnd = " + std::to_string(code) + " improper call");
    EXPECT_EQ(boxes.last().title, "DrawAltBnd error");
    EXPECT_EQ(boxes.last().style, vbCritical);
    EXPECT_EQ(dc.Count("LineTo"), 0u);
  }
  boxes.Clear();
  DrawAltBnd(&dc, 0, 0, 48, 402, 0, kDrawAltBndDraw);
  EXPECT_TRUE(boxes.empty());
  // The end mark is still drawn for a refused code.
  dc.log.clear();
  DrawAltBnd(&dc, 0, 0, uint16_t(32 | 0x40), 402, 0, kDrawAltBndDraw);
  EXPECT_EQ(dc.Count("LineTo"), 1u);
}

TEST_F(LineTypesTest, FullArrowheadKeepsItsAreaWhenReversed) {
  for (uint16_t attrib : {uint16_t(10), uint16_t(10 | 0x80), uint16_t(22 | 0x80)}) {
    dc.log.clear();
    DrawAltBnd(&dc, 0, 0, attrib, 804, 0, kDrawAltBndDraw);
    const auto polys = dc.Calls("Polygon");
    ASSERT_FALSE(polys.empty());
    std::istringstream in(polys[0].substr(polys[0].find(':') + 1));
    std::vector<double> xs, ys;
    double px, py;
    while (in >> px >> py) xs.push_back(px), ys.push_back(py);
    double area = 0;
    for (size_t i = 0; i < xs.size(); ++i) {
      const size_t j = (i + 1) % xs.size();
      area += xs[i] * ys[j] - xs[j] * ys[i];
    }
    EXPECT_GT(std::fabs(area) / 2, 500.0) << attrib;
  }
}

TEST_F(LineTypesTest, ShortArrowDrawsHeadWithoutShaft) {
  DrawAltBnd(&dc, 0, 0, 10, 40, 0, kDrawAltBndDraw);  // 1 mm, shorter than the 2.5 mm gap
  EXPECT_EQ(dc.Count("LineTo"), 0u);
  EXPECT_EQ(dc.Count("Polygon"), 1u);
}

TEST_F(LineTypesTest, DashesAndContinuousDashes) {
  // A dashed segment shorter than one period draws no dash.
  EXPECT_EQ(Record(12, 60, 0), "0 60.0 0.0\n");
  // Consecutive code-52 segments carry the pattern across the joint.
  StepListReset();
  DashPhase = 0;
  LastLineAttrib = 0;
  DrawAltBnd(&dc, 0, 0, 52, 40.2f, 0, kDrawAltBndDraw);  // 1 mm: inside the gap
  EXPECT_NEAR(DashPhase, 1.0f, 1e-4);
  DrawAltBnd(&dc, 40.2f, 0, 52, 80.4f, 0, kDrawAltBndDraw);
  EXPECT_NEAR(DashPhase, 0.2f, 1e-4);  // the 0.6 mm dash started at 1.2 mm
  const size_t lines = dc.Count("LineTo");
  EXPECT_EQ(lines, 1u);
  DrawAltBnd(&dc, 80.4f, 0, 52 | 0x100, 120.6f, 0, kDrawAltBndDraw);  // other attribute: restart
  EXPECT_NEAR(DashPhase, 1.0f, 1e-4);
}

TEST_F(LineTypesTest, HexagonRecordsDoubleSidesAsSteps) {
  // At the bond length a double side is one code-9 step with the reverse bit; 2 mm longer it is
  // drawn as strokes.
  const float bond = BondGeometry.bondLength * 40.2f;
  const std::string near = Record(43 | 0x80, bond, 0);
  size_t doubles = 0;
  for (size_t p = near.find("137 "); p != std::string::npos; p = near.find("137 ", p + 1)) ++doubles;
  EXPECT_EQ(doubles, 3u) << near;
  const std::string far = Record(43 | 0x80, bond + 80.4f, 0);
  EXPECT_EQ(far.find("137 "), std::string::npos);
  EXPECT_GT(far.size(), near.size());
}

TEST_F(LineTypesTest, PostScriptReceivesPenCodesAndCircles) {
  struct Writer : RecordingPostScript {
    std::vector<std::string> calls;
    void PSXY(int16_t pen, int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
      calls.push_back(std::to_string(pen) + " " + std::to_string(x1) + " " + std::to_string(y1) +
                      " " + std::to_string(x2) + " " + std::to_string(y2));
    }
    void PSPolyline(float, float, int16_t mode) override { calls.push_back("poly " + std::to_string(mode)); }
  } writer;
  SetPostScriptWriter(&writer);
  OutputFlags = 0x0100;
  DrawAltBnd(nullptr, 0, 0, 14, 402, 0, 0);
  DrawAltBnd(nullptr, 0, 0, 1, 402, 0, 0);
  SetPostScriptWriter(nullptr);
  ASSERT_GE(writer.calls.size(), 2u);
  EXPECT_EQ(writer.calls[0], "-996 0 0 402 0");
  EXPECT_EQ(writer.calls.back(), "1 0 0 402 0");
}

}  // namespace
