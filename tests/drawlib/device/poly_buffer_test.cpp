#include <gtest/gtest.h>

#include "drawlib/device/obj_header.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/steps/step_list.h"
#include "platform/runtime_text.h"
#include "tests/drawlib/device_fixture.h"

namespace {

class PolyBufferTest : public DeviceFixture {
 protected:
  void AddRun(int added) {
    PolyBuffer(&dc, 0, 0, 1);
    for (int i = 1; i <= added; ++i) PolyBuffer(&dc, float(i), -float(i % 7), 2);
  }
};

TEST_F(PolyBufferTest, OutlineGoesOutInRunsOf2001Points) {
  UnitMapping();
  AddRun(2500);
  PolyBuffer(&dc, 0, 0, 4);
  const auto lines = dc.Calls("Polyline");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].substr(0, 15), "Polyline 2001: ");
  EXPECT_EQ(lines[1].substr(0, 28), "Polyline 501: 2000 5 2001 6 ");  // continues from point 2000
}

TEST_F(PolyBufferTest, LargeFilledPolygonIsOnePolygon) {
  UnitMapping();
  AddRun(2500);
  PolyBuffer(&dc, 0, 0, int16_t((4 << 11) + 8));
  EXPECT_EQ(dc.Count("Polyline"), 0u);
  const auto polys = dc.Calls("Polygon");
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].substr(0, 13), "Polygon 2501:");
  // Pen and brush in the fill colour (palette 4), then the hollow brush and old pen again.
  EXPECT_EQ(dc.Calls("Brush")[0], "Brush #000080");
  EXPECT_EQ(dc.log.back(), "Pen 1 #000000");
  EXPECT_EQ(LastPixelPoint, (GdiPoint{-999, 999}));
}

TEST_F(PolyBufferTest, EmptyFlushAndFlushWithoutDeviceOutputDrawNothing) {
  UnitMapping();
  PolyBuffer(&dc, 0, 0, 1);
  PolyBuffer(&dc, 0, 0, 4);
  AddRun(3);
  OutputFlags = 0x0001;
  PolyBuffer(&dc, 0, 0, 4);
  EXPECT_TRUE(dc.log.empty());
  EXPECT_TRUE(PolyPoints().empty());
}

TEST_F(PolyBufferTest, ObjectHeaderRoundTrip) {
  const std::string header = ObjHeaderMake("abc", -4, 12.5f, 7.0f);
  EXPECT_EQ(header, "F > " + Chr(16) + "{ZEFNMR  abc Wd: 0012.5 Ht: 0007.0}  ");
  Pardata[102].Default = Pardata[103].Default = 0;
  ASSERT_TRUE(ObjHeaderParse(header));
  EXPECT_FLOAT_EQ(Pardata[102].Default, 12.5f);
  EXPECT_FLOAT_EQ(Pardata[103].Default, 7.0f);
  // Numbers of other widths are read where they stand.
  ASSERT_TRUE(ObjHeaderParse("F > " + Chr(16) + "{ZEFGRAPH x Wd: 12345.5 Ht: 3}  "));
  EXPECT_FLOAT_EQ(Pardata[102].Default, 12345.5f);
  EXPECT_FLOAT_EQ(Pardata[103].Default, 3.0f);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(PolyBufferTest, HeaderWithoutWidthIsReportedAndChangesNothing) {
  Pardata[102].Default = 4;
  EXPECT_FALSE(ObjHeaderParse("F > plain"));
  EXPECT_EQ(boxes.last().text, "TODO: Error in GRAPH/SPEC header: [F > plain]");
  EXPECT_FLOAT_EQ(Pardata[102].Default, 4);
}

TEST_F(PolyBufferTest, BoxExtendGrowsByTheMovedStepBox) {
  float box[4] = {0, 0, 10, 10};
  StepBoxRec b;
  b.x1 = -5, b.y1 = 2, b.x2 = 3, b.y2 = 4;
  BoxExtend(box, b, 100, -10);
  EXPECT_EQ(std::vector<float>(box, box + 4), (std::vector<float>{0, -8, 103, 10}));
}

}  // namespace
