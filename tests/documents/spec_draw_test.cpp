// Drawing spectrum records and objects onto the recording device: world units map 1:1 onto
// pixels (y downward), labels use a named font so that their texts and anchors show in the log.
#include <gtest/gtest.h>

#include <cmath>

#include "documents/file_startup.h"
#include "documents/spec_packet.h"
#include "documents/spec_prepare.h"
#include "documents/spec_print.h"
#include "drawlib/document_services.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/text/label_draw.h"
#include "drawlib/text/text_fonts.h"
#include "tests/drawlib/text/text_fixture.h"
#include "tests/support/process_state.h"

namespace {

class SpecDrawTest : public TextFixture {
 protected:
  void SetUp() override {
    ResetProcessState();
    TextFixture::SetUp();
    Pardata[9].Default = 3;  // labels in a named font: TextOut calls carry the texts
    Pardata[90].Default = 100;  // W = 4020
    Pardata[91].Default = 50;   // H = 2010
    Pardata[94].Default = 1200;  // big ticks every 200 Hz from 1000 Hz at the left end
    Pardata[98].Default = 200;
    LabelAttrReset(&dc);
    dc.log.clear();
  }
  void TearDown() override {
    TextFixture::TearDown();
    ResetProcessState();
  }

  // 0..1000 Hz in 10 points of 100 Hz; full scale 1000, so a value of 500 rises H / 2.
  static SpecRec Record(int16_t flags) {
    SpecRec rec;
    rec.Flags = int16_t(flags | kSpecFlagCurrentLayout);
    rec.WdthHz = rec.DispWdthHz = 1000;
    rec.NumPts = 10;
    rec.HzPerPt = 100;
    rec.MHz = 100;
    rec.VMult = 1;
    rec.yMult = 1000;
    rec.Attrib = 1;
    rec.IntegMult = 1;
    rec.Strings = {"M > Caption", "M > Hz", "F > file.tnt", "L > Title"};
    return rec;
  }
  static std::vector<int16_t> Points() { return {0, 0, 100, 500, 1000, 500, 100, 0, 0, 0, 0}; }

  void Prepare(SpecRec rec, int16_t mode = 1, std::vector<int16_t> points = Points()) {
    SpecPrepare(&dc, rec, points, 1000, -3000, mode);
  }
  std::vector<std::string> Texts() const { return dc.Calls("Text "); }
};

// The trace ends at the last index but one (point 9), at the origin x 1000; point k lies at
// x = 1000 + (9 - k) x 402, y = -(-3000 + value x 2.01).
const char* const kTracePolyline =
    "Polyline 10: 4618 3000 4216 3000 3814 2799 3412 1995 3010 990 2608 1995 2206 2799 "
    "1804 3000 1402 3000 1000 3000";

TEST_F(SpecDrawTest, FlagWordZeroDrawsOnlyTheTraceAndItsItems) {
  Prepare(Record(0));
  EXPECT_EQ(dc.Calls("Polyline"), std::vector<std::string>{kTracePolyline});
  EXPECT_TRUE(Texts().empty());
  EXPECT_EQ(dc.Count("LineTo"), 0u);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SpecDrawTest, FlagWord127DrawsFrameAxisAndTheFourCaptions) {
  Prepare(Record(127));
  const auto texts = Texts();
  auto has = [&](const std::string& s) {
    for (const auto& t : texts)
      if (t.find(" " + s) != std::string::npos && t.size() - t.rfind(s) == s.size()) return true;
    return false;
  };
  // 127 includes ppm: the axis runs from 10 ppm at the left; the first tick (1000) lies
  // beyond it, so the one tick that falls on the axis is 0 at its right end.
  EXPECT_EQ(texts, (std::vector<std::string>{"Text 2650 821 Caption", "Text 4968 3358 0",
                                              "Text 2907 3605 Hz", "Text 1069 1263 file.tnt",
                                              "Text 4315 1384 Title"}));
  for (const char* s : {"Caption", "Hz", "file.tnt", "Title"}) EXPECT_TRUE(has(s)) << s;
  EXPECT_EQ(dc.Calls("Rectangle"), std::vector<std::string>{"Rectangle 799 869 5221 3121"});
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SpecDrawTest, FrameFlagLeavesTheAxisLineToTheFrame) {
  // The axis line ends at (5020, 3000 + B), B = 3 mm.
  Prepare(Record(kSpecFlagAxis));
  EXPECT_EQ(dc.Count("LineTo 5020 3121"), 1u);
  EXPECT_EQ(dc.Count("Rectangle"), 0u);
  dc.log.clear();
  Prepare(Record(kSpecFlagAxis | kSpecFlagFrame));
  EXPECT_EQ(dc.Count("LineTo 5020 3121"), 0u);
  EXPECT_EQ(dc.Calls("Rectangle"), std::vector<std::string>{"Rectangle 799 869 5221 3121"});
}

TEST_F(SpecDrawTest, FullScaleZeroIsRepairedWithItsMessage) {
  SpecRec rec = Record(0);
  rec.yMult = 0;
  std::vector<int16_t> points = Points();
  SpecPrepare(&dc, rec, points, 1000, -3000, 1);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "Fixing error in ZEF1NMR.SpecPrepare, scaling = 0");
  EXPECT_EQ(rec.yMult, 3000);
}

TEST_F(SpecDrawTest, MarkersAndAnnotationsExactlyAtTheEdgesAreLeftOut) {
  SpecRec rec = Record(kSpecFlagMarkers);
  rec.MarkerCount = 3;
  rec.Marker[1] = {0, {}, 'A', {}};
  rec.Marker[2] = {300, {}, 'B', {}};
  rec.Marker[3] = {1000, {}, 'C', {}};
  rec.AnnotCount = 2;
  rec.AnnotPos = {1000, 0};
  rec.AnnotVal = {0, 0};
  Prepare(rec);
  // Marker B at point 3: x = 1000 + 6 x 402 = 3412 (the letter centred there); its symbol 2.2 mm
  // and its letter 5.2 mm below the origin.
  // (The symbol is in the stroke font, the letter in the named one.)
  EXPECT_EQ(Texts(), std::vector<std::string>{"Text 3374 3263 B"});
  EXPECT_EQ(dc.Count("LineTo"), 0u);  // no leader lines
}

TEST_F(SpecDrawTest, AnnotationsCloserThanTheLeastSpacingArePushedLeft) {
  SpecRec rec = Record(0);
  rec.AnnotCount = 3;
  rec.AnnotPos = {500, 510, 800};  // points 5, 5 and 8: x 3010, 3010, 1804
  rec.AnnotVal = {0, 0, 0};
  Prepare(rec);
  const auto texts = Texts();
  ASSERT_EQ(texts.size(), 3u);
  std::vector<int> xs;
  for (const auto& t : texts) xs.push_back(std::stoi(t.substr(5)));
  // The first label stands at its peak, the second one 123.816 left of it, the third at its
  // own peak far to the left; rotated labels run upward from the leader's top.
  EXPECT_NEAR(xs[0] - xs[1], 124, 1);
  EXPECT_LT(xs[2], xs[1] - 124);
  EXPECT_NE(texts[0].find("500.0"), std::string::npos);
  EXPECT_NE(texts[1].find("510.0"), std::string::npos);
  // Three leader pieces each: (x, yb)-(x, yb + a), the slant, the upright top.
  EXPECT_EQ(dc.Count("LineTo"), 9u);
}

TEST_F(SpecDrawTest, PpmAnnotationsUseTheShownWidthsFormatAndTheLargerValueLiesLeft) {
  SpecRec rec = Record(kSpecFlagAxis | kSpecFlagPpm);
  rec.AnnotCount = 1;
  rec.AnnotCompanion = kSpecFlagPpm;
  rec.AnnotPos = {300};
  rec.AnnotVal = {0};
  Prepare(rec);
  const auto texts = Texts();
  // 1000 Hz at 100 MHz is 10 ppm wide: "0.00".
  EXPECT_NE(texts.back().find(" 3.00"), std::string::npos) << texts.back();
  // Axis labels: "10" at the left end (x 1000), "0" at the right end (x 5020).
  int x10 = -1, x0 = -1;
  for (const auto& t : texts) {
    const std::string value = t.substr(t.rfind(' ') + 1);
    const int x = std::stoi(t.substr(5));
    if (value == "10") x10 = x;
    if (value == "0") x0 = x;
  }
  EXPECT_LT(x10, x0);
}

TEST_F(SpecDrawTest, MHzZeroWithPpmDrawsInHertzWithoutAFault) {
  SpecRec rec = Record(kSpecFlagAxis | kSpecFlagPpm);
  rec.MHz = 0;
  rec.AnnotCount = 1;
  rec.AnnotCompanion = kSpecFlagPpm;
  rec.AnnotPos = {300};
  rec.AnnotVal = {0};
  rec.InsetCount = 1;
  rec.Inset[1].StartHz = 200;
  rec.Inset[1].SpanHz = 200;
  rec.Inset[1].Width = 804;
  rec.Inset[1].YScale = 1;
  rec.Inset[1].AxisBits = kInsetAxis | kInsetPpm | kInsetUnitCaption;
  rec.Inset[1].TickSep = 100;
  Prepare(rec);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(dc.Calls("Polyline").front(), kTracePolyline);
  for (const auto& line : dc.log) EXPECT_EQ(line.find("2147483647"), std::string::npos) << line;
  EXPECT_NE(Texts().back().find(" 300.0"), std::string::npos);
}

TEST_F(SpecDrawTest, IntegralRunsTowardsLowerFrequenciesAndCarriesItsValueLabel) {
  SpecRec rec = Record(0);
  rec.IntegCount = 1;
  rec.IntegScale = 0.5f;
  rec.IntegPerUnit = 0.25f;
  rec.Integral[1] = {0, 100, 6, 600, 300, {}};  // p0 = 6, three points below it
  Prepare(rec);
  // Sums 100, 600, 1600, 2600 at points 6, 5, 4, 3; y = -3000 + 100 + s / 2.
  ASSERT_EQ(dc.Count("Polyline"), 2u);
  EXPECT_EQ(dc.Calls("Polyline")[1],
            "Polyline 5: 2206 2900 2206 2850 2608 2600 3010 2100 3412 1850");
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_NE(Texts()[0].find(" 1.50"), std::string::npos);  // 6 x 0.25

  dc.log.clear();
  rec.IntegFlags = 1;
  Prepare(rec);
  EXPECT_TRUE(Texts().empty());

  dc.log.clear();
  rec.HzPerPt = 0;  // no width in points: no integral (and a trace of one point)
  Prepare(rec);
  EXPECT_EQ(dc.Count("Polyline"), 0u);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SpecDrawTest, InsetsAtTheRangeEndsAreDrawnAndAnEmptySpanIsSkipped) {
  SpecRec rec = Record(0);
  rec.InsetCount = 3;
  for (int i = 1; i <= 3; ++i) {
    rec.Inset[std::size_t(i)].Width = 804;
    rec.Inset[std::size_t(i)].YScale = 1;
    rec.Inset[std::size_t(i)].Y = 500;
  }
  rec.Inset[1].StartHz = 0, rec.Inset[1].SpanHz = 200;   // at the start: drawn
  rec.Inset[2].StartHz = 1000, rec.Inset[2].SpanHz = -200;  // at the end: drawn (empty run)
  rec.Inset[3].StartHz = 500, rec.Inset[3].SpanHz = 0;   // no span: skipped
  Prepare(rec);
    // Inset 1: points 0..2, point 2 at x0 = 1000, point 0 at x0 + 804; y = -(-2500 + value).
  const auto lines = dc.Calls("Polyline");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "Polyline 3: 1804 2500 1402 2500 1000 2400");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SpecDrawTest, AntiAliasedOutputThinsALongTraceToTheRangeOfEachGroup) {
  SpecRec rec = Record(0);
  rec.NumPts = 1000;
  rec.HzPerPt = 1;
  std::vector<int16_t> points(1001);
  for (std::size_t k = 0; k < points.size(); ++k) points[k] = int16_t(k % 7 == 0 ? 900 : k % 5);
  Pardata[90].Default = 2;  // points 0..999 over 80 pixels
  Prepare(rec, 1, points);
  EXPECT_EQ(dc.Calls("Polyline")[0].substr(0, 14), "Polyline 1000:");
  // Step round(999 / (80 x 2.5)) = 5: each group of 10 points gives its largest and smallest.
  OutputFlags = kOutputFlagsScreen | kOutputSmooth;
  dc.log.clear();
  Prepare(rec, 1, points);
  OutputFlags = kOutputFlagsScreen;
  std::size_t drawn = 0;
  for (const auto& line : dc.log) drawn += line.rfind("Pixel", 0) == 0 || line.rfind("Line", 0) == 0;
  EXPECT_GT(drawn, 0u);
  EXPECT_EQ(dc.Count("Polyline 1000"), 0u);
}

// A packed object carries one point more (index 11), so its trace ends at point 10.
const char* const kPackedTracePolyline =
    "Polyline 11: 5020 3000 4618 3000 4216 2799 3814 1995 3412 990 3010 1995 2608 2799 "
    "2206 3000 1804 3000 1402 3000 1000 3000";

// A packed object of the record and points in a step of the drawing.
StepData Packed(SpecRec rec, const std::vector<int16_t>& points, std::string& label) {
  ByteArray data;
  SpecPack(data, label, "", rec, points);
  return data;
}

TEST_F(SpecDrawTest, TheCacheUnpacksOncePerStepAndAnewWhenTheBytesChange) {
  std::string label;
  StepData data = Packed(Record(0), Points(), label);
  int16_t flags = 0;
  SpecPrintStep(&dc, 3, label, flags, data, 1000, -3000);
  SpecPrintStep(&dc, 3, label, flags, data, 1000, -3000);
  EXPECT_EQ(SpecPrintUnpackCount(), 1);
  EXPECT_EQ(flags & kSpecBoxUnpacked, kSpecBoxUnpacked);
  EXPECT_EQ(dc.Calls("Polyline"), std::vector<std::string>(2, kPackedTracePolyline));

  // A hit applies the object's layout rows again, as an unpack would.
  Pardata[91].Default = 10;
  dc.log.clear();
  SpecPrintStep(&dc, 3, label, flags, data, 1000, -3000);
  EXPECT_EQ(Pardata[91].Default, 50);
  EXPECT_EQ(dc.Calls("Polyline"), std::vector<std::string>{kPackedTracePolyline});

  std::vector<int16_t> other = Points();
  other[4] = 0;
  StepData changed = Packed(Record(0), other, label);
  dc.log.clear();
  SpecPrintStep(&dc, 3, label, flags, changed, 1000, -3000);
  EXPECT_EQ(SpecPrintUnpackCount(), 2);
  EXPECT_NE(dc.Calls("Polyline")[0], kPackedTracePolyline);

  SpecPrintStep(&dc, 4, label, flags, changed, 1000, -3000);  // another step
  flags = 0;
  SpecPrintStep(&dc, 4, label, flags, changed, 1000, -3000);  // its bit cleared
  EXPECT_EQ(SpecPrintUnpackCount(), 4);
}

TEST_F(SpecDrawTest, LabelDrawHandsSpectrumStepsToTheRegisteredDocuments) {
  DocumentServicesRegister();
  std::string label;
  StepData data = Packed(Record(0), Points(), label);
  StepBoxRec box;
  LabelDraw(&dc, 1, SpecObjectType, label, box, data, 1000, -3000, 0);
  EXPECT_EQ(dc.Calls("Polyline"), std::vector<std::string>{kPackedTracePolyline});
  SetDocumentServices(nullptr);
}

}  // namespace
