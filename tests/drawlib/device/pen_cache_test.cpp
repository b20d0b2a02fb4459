#include <gtest/gtest.h>

#include "drawlib/device/pen_cache.h"
#include "tests/drawlib/device_fixture.h"

namespace {

class PenCacheTest : public DeviceFixture {};

TEST_F(PenCacheTest, ScreenWidthsPerClassAndZoom) {
  struct Case {
    float zoom;
    std::array<int16_t, 5> widths;
  };
  for (const Case& c : {Case{1.5f, {1, 2, 1, 3, 1}}, Case{2.0f, {2, 3, 2, 4, 1}}}) {
    PenCacheReset();
    WorldWindow.zoom = c.zoom;
    EXPECT_EQ(LineWidthSet(0), c.widths[0]);
    for (int16_t k = 1; k <= 5; ++k) EXPECT_EQ(LineWidthSet(k), c.widths[size_t(k - 1)]) << k;
    EXPECT_EQ(LineWidthSet(9), c.widths[4]);  // above 5 reads class 5
  }
}

TEST_F(PenCacheTest, PrinterWidthsScaleWithPixelsPerUnitAndRelativeWidth) {
  OutputFlags = kOutputFlagsPrinter;
  WorldWindow.sx = 0.5f;
  Pardata[37].Default = 1.0f;
  EXPECT_EQ(LineWidthSet(0), 6);  // 0.5 * 1 * 12 * 1.0
  EXPECT_EQ(LineWidthSet(4), 18);
  EXPECT_EQ(LineWidthSet(5), 2);  // 1.8 rounded
  WorldWindow.sx = 0.001f;
  LineWidthSet(0);
  EXPECT_EQ(LineWidthSet(3), 1);  // never below 1
}

TEST_F(PenCacheTest, NegativeArgumentSetsAClassValueInTenths) {
  EXPECT_EQ(LineWidthSet(-(3 * 256 + 5)), 0);
  EXPECT_FLOAT_EQ(LineWidthClasses[3], 0.5f);
  EXPECT_EQ(LineWidthSet(-(2 * 256 + 25)), 0);
  EXPECT_FLOAT_EQ(LineWidthClasses[2], 2.5f);
  WorldWindow.zoom = 1.0f;
  LineWidthSet(0);
  EXPECT_EQ(LineWidthSet(2), 2);  // 2.5 rounds to even
}

TEST_F(PenCacheTest, BlackThinPenIsGreyOnScreenAndBlackOnPrinter) {
  LineWidthSet(0);
  PenSetStyleColor(&dc, 3, 0, 0);
  EXPECT_EQ(dc.log.back(), "Pen 1 #808080");
  EXPECT_EQ(PenCache.colour, 0);  // the cache keeps the wanted colour

  PenCacheReset();
  OutputFlags = kOutputFlagsPrinter;
  WorldWindow.sx = 0.5f;
  Pardata[37].Default = 1.0f;
  LineWidthSet(0);
  PenSetStyleColor(&dc, 3, 0, 0);
  EXPECT_EQ(dc.log.back(), "Pen 3 #000000");
}

TEST_F(PenCacheTest, OnePenPerClassOrColourChange) {
  LineWidthSet(0);
  PenSetStyleColor(&dc, 1, 4, 0);
  PenSetStyleColor(&dc, 1, 4, 0);
  EXPECT_EQ(dc.Count("Pen"), 1u);
  PenSetStyleColor(&dc, 1, 4, 1);  // forced
  EXPECT_EQ(dc.Count("Pen"), 2u);
  PenSetStyleColor(&dc, 2, 4, 0);
  PenSetStyleColor(&dc, 2, 1, 0);
  EXPECT_EQ(dc.Count("Pen"), 4u);
  EXPECT_EQ(dc.log.back(), "Pen 2 #800000");
  EXPECT_EQ(PenCache.attrib, 1 * 256 + 1 * 2048);
}

TEST_F(PenCacheTest, AttributeWordSelectsClassAndColour) {
  LineWidthSet(0);
  PenSetAttrib(&dc, int16_t(0x0301 | (9 << 11)));  // class 4, colour 9
  EXPECT_EQ(PenCache.widthClass, 4);
  EXPECT_EQ(dc.log.back(), "Pen 3 #FF0000");
  EXPECT_EQ(PenCache.attrib, PenPart(0x0301 | (9 << 11)));
  PenSetAttrib(&dc, int16_t(0x8000 | 0x0301));  // bit 15: class 1, colour 0
  EXPECT_EQ(PenCache.widthClass, 1);
  EXPECT_EQ(dc.log.back(), "Pen 1 #000000");
}

TEST_F(PenCacheTest, ReleasingOnAnotherDeviceReportsAndGoesOn) {
  RecordingDevice other;
  PenSetAPI(&dc, 1, 0, 4);
  PenSetAPI(&dc, 2, 255, 1);
  EXPECT_EQ(dc.Count("Brush hollow"), 1u);
  PenSetAPI(&other, 0, 0, 0);
  ASSERT_EQ(boxes.count(), 2u);
  EXPECT_EQ(boxes.boxes()[0].text, "Program error 2 - PenSetAPI - Attempting to destroy an invalid Pen");
  EXPECT_EQ(boxes.boxes()[1].text,
            "Program error- PenSetAPI - Attempting to destroy an invalid brush");
  EXPECT_EQ(PenCache.attrib, -999);
  EXPECT_EQ(PenCache.widthClass, 0xFFFF);
}

}  // namespace
