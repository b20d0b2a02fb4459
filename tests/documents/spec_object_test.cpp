#include <gtest/gtest.h>

#include <cstring>

#include "documents/clip_transfer.h"
#include "documents/file_startup.h"
#include "documents/spec_import.h"
#include "documents/spec_packet.h"
#include "documents/spec_scale.h"
#include "documents/spectrum_handover.h"
#include "drawlib/document_services.h"
#include "drawlib/pardata.h"
#include "drawlib/steps/step_list.h"
#include "platform/clipboard.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"

namespace {

class SpecObjectTest : public ::testing::Test {
 public:
  void SetUp() override {
    ResetProcessState();
    Pardata[90].Default = 120;
    Pardata[91].Default = 60;
    SetClipboardDevice(&clipboard);
  }
  void TearDown() override {
    SetClipboardDevice(nullptr);
    ResetProcessState();
  }

  // A calculated spectrum over 100..1100 Hz with items at and beyond the range ends.
  static SpecRec Sample() {
    SpecRec rec;
    rec.Flags = kSpecFlagCurrentLayout | kSpecFlagPpm | kSpecFlagAxis;
    rec.StartHz = 100;
    rec.WdthHz = 1000;
    rec.NumPts = 8;
    rec.HzPerPt = 125;
    rec.MHz = 300;
    rec.DispOffHz = 100;
    rec.DispWdthHz = 1000;
    rec.Kind = 1;
    rec.Carried93[26] = 0xAB;
    rec.Strings = {"T > caption text", "M > ppm", "F > /data/x.zef", "title"};
    rec.IntegCount = 3;
    rec.Integral[1].StartHz = 100;  // at the range end: not stored
    rec.Integral[2].StartHz = 500;
    rec.Integral[2].Height = 7;
    rec.Integral[3].StartHz = 1100;
    rec.InsetCount = 2;
    rec.Inset[1].StartHz = 1100;
    rec.Inset[2].StartHz = 600;
    rec.Inset[2].X = 10;
    rec.Inset[2].Y = 20;
    rec.MarkerCount = 2;
    rec.Marker[2].CharCode = 'x';
    rec.AnnotCount = 4;
    rec.AnnotCompanion = 5;
    rec.AnnotPos = {50, 150, 1100, 1200};
    rec.AnnotVal = {1, 2, 3, 4};
    rec.AnnotText = "notes";
    return rec;
  }
  static std::vector<int16_t> Points() { return {0, 10, -20, 30, 32000, -32000, 6, 7, 8}; }

  MemoryClipboard clipboard;
  MsgBoxRecorder boxes;
};

std::string HeadWithoutHzPerCm(const SpecHead& h) {
  std::string b(reinterpret_cast<const char*>(&h), sizeof h);
  return b.replace(48, 4, 4, '\0');
}

TEST_F(SpecObjectTest, PackUnpackKeepsWhatLiesInsideTheRange) {
  SpecRec rec = Sample();
  ByteArray data;
  std::string label;
  SpecPack(data, label, "the caption", rec, Points());
  EXPECT_EQ(rec.IntegCount, 1);
  EXPECT_EQ(rec.InsetCount, 1);
  EXPECT_EQ(rec.AnnotCount, 2);
  EXPECT_EQ(SpecDefaultFlags(), Sample().Flags);
  EXPECT_EQ(label, "F > \x10{ZEFNMR  caption text Wd: 0120.0 Ht: 0060.0}  ");
  ASSERT_GT(data.size(), label.size());
  EXPECT_EQ(data.bytes[label.size()], 17);

  Pardata[90].Default = 7;  // the object carries its own layout
  SpecRec out;
  std::string caption;
  std::vector<int16_t> points;
  SpecUnpack(data, label, caption, out, points);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(Pardata[90].Default, 120);
  EXPECT_EQ(HeadWithoutHzPerCm(out), HeadWithoutHzPerCm(rec));
  EXPECT_FLOAT_EQ(out.HzPerCm, 1000 / 12.0f);
  EXPECT_EQ(caption, "the caption");
  EXPECT_EQ(out.Strings, rec.Strings);
  EXPECT_EQ(out.Integral[1].StartHz, 500);
  EXPECT_EQ(out.Integral[1].Height, 7);
  EXPECT_EQ(out.Inset[1].X, 10);
  EXPECT_EQ(out.MarkerCount, 2);
  EXPECT_EQ(out.Marker[2].CharCode, 'x');
  EXPECT_EQ(out.AnnotPos, (std::vector<float>{150, 1100}));
  EXPECT_EQ(out.AnnotVal, (std::vector<float>{2, 3}));
  EXPECT_EQ(out.AnnotCompanion, 5);
  EXPECT_EQ(out.AnnotText, "notes");
  std::vector<int16_t> expected = Points();
  expected.push_back(0);  // packet 43 reads into 0..length/2
  EXPECT_EQ(points, expected);
}

TEST_F(SpecObjectTest, PackLimits) {
  SpecRec rec = Sample();
  rec.Strings[0] = "T > " + std::string(700, 'n');
  ByteArray data;
  std::string label;
  SpecPack(data, label, "", rec, Points());
  EXPECT_EQ(label.size(), 600u);
  EXPECT_EQ(data.bytes[600], 17);

  // Label-end bytes in the caption never reach the header label.
  rec = Sample();
  rec.Strings[0] = "T > a\x10" "b\x11" "c";
  SpecPack(data, label, "", rec, Points());
  EXPECT_NE(label.find("{ZEFNMR  abc Wd:"), std::string::npos);

  // The largest object that fits, and one point more.
  rec = Sample();
  rec.NumPts = kSpecMaxPoints;
  SpecPack(data, label, "", rec, {});
  SpecRec out;
  std::string caption;
  std::vector<int16_t> points;
  SpecUnpack(data, label, caption, out, points);
  EXPECT_EQ(points.size(), size_t(kSpecMaxPoints) + 2);
  EXPECT_TRUE(boxes.empty());
  rec.NumPts = kSpecMaxPoints + 1;
  SpecPack(data, label, "", rec, {});
  EXPECT_TRUE(data.empty());
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text.rfind("SpecPack. Overflow  Error No. 6", 0), 0u);
}

// A packet of the sample with raw bytes inserted before its head packet (41).
ByteArray WithInsert(const std::string& insert) {
  SpecRec rec = SpecObjectTest::Sample();
  ByteArray data;
  std::string label;
  SpecPack(data, label, "", rec, SpecObjectTest::Points());
  const std::size_t head = data.size() - (4 + 120) - (4 + 2 * 9);
  data.bytes.insert(data.bytes.begin() + long(head), insert.begin(), insert.end());
  return data;
}

TEST_F(SpecObjectTest, DamagedPacketsAskOnceAndNeverRunBack) {
  const std::string unknown = std::string("\x63\x00\x0C\x00", 4) + std::string(12, 'z');
  struct Case {
    const char* what;
    std::string insert;
    int answer;
    std::string box;
    bool headRead;
  } cases[] = {
      {"unknown packet, OK", unknown, vbOK,
       "SpecPak Unknown Data Packet Typ: 99 Length:  12\r\nData has been dicarded, spectrum may "
       "be damaged.",
       true},
      {"unknown packet, Cancel", unknown, vbCancel, "SpecPak Unknown Data Packet Typ: 99", false},
      {"payload past the end", std::string("\x2C\x00\xFF\xFF", 4), vbOK,
       "SpecUnpack. Input Past End of File.", false},
      // An unknown type is asked about even when its length runs past the end; nothing after
      // it can be read, whatever the answer.
      {"unknown packet past the end, OK", std::string("\x63\x00\xFF\xFF", 4), vbOK,
       "SpecPak Unknown Data Packet Typ: 99 Length:  65535", false},
      {"unknown packet past the end, Cancel", std::string("\x63\x00\xFF\xFF", 4), vbCancel,
       "SpecPak Unknown Data Packet Typ: 99 Length:  65535", false},
      {"item index outside 1..30", std::string("\x2D\x00\x1A\x00\x1F\x00", 6) + std::string(24, 0),
       vbOK, "SpecUnpack. Subscript out of range", true},
      {"annotation count past the data", std::string("\x31\x00\x06\x00\xFF\x7F\x00\x00\x00\x00", 10),
       vbOK, "SpecUnpack. Input Past End of File.", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    boxes.Clear();
    boxes.Answer(c.answer);
    SpecRec out;
    std::string caption;
    std::vector<int16_t> points;
    SpecUnpack(WithInsert(c.insert), "", caption, out, points);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text.rfind(c.box, 0), 0u) << boxes.last().text;
    if (c.box.rfind("SpecPak", 0) == 0) {
      EXPECT_EQ(boxes.last().title, "ZEF File Load");
    }
    EXPECT_EQ(out.MHz == 300, c.headRead);
  }
}

TEST_F(SpecObjectTest, RescaleSizesTheObjectAndItsInsets) {
  SpecRec rec = Sample();
  ByteArray data;
  std::string label;
  SpecPack(data, label, "", rec, Points());
  DocumentServicesRegister();
  SpecRescale(data, label, 240, 30);
  SetDocumentServices(nullptr);
  EXPECT_NE(label.find(" Wd: 0240.0 Ht: 0030.0"), std::string::npos);
  SpecRec out;
  std::string caption;
  std::vector<int16_t> points;
  SpecUnpack(data, label, caption, out, points);
  EXPECT_EQ(Pardata[90].Default, 240);
  EXPECT_EQ(Pardata[91].Default, 30);
  EXPECT_EQ(out.Inset[1].X, 20);
  EXPECT_EQ(out.Inset[1].Y, 10);
  EXPECT_EQ(out.Integral[1].Height, 3.5f);
  EXPECT_EQ(points.size(), Points().size() + 1);
}

TEST_F(SpecObjectTest, XToPointRoundsHalvesToEven) {
  SpecRec rec = Sample();
  struct { float x; int16_t point; } cases[] = {{100, 0}, {162.5f, 0}, {287.5f, 2}, {1100, 8},
                                                {1e30f, 32767}};
  for (const auto& c : cases) EXPECT_EQ(SpecXToPoint(rec, c.x), c.point) << c.x;
  rec.Flags = 0;
  rec.DispOffHz = 0;
  EXPECT_EQ(SpecXToPoint(rec, 250), 2);
  rec.HzPerPt = 0;
  EXPECT_EQ(SpecXToPoint(rec, 250), 0);
}

TEST_F(SpecObjectTest, ImportFromTheDrawingTakesTheFirstExperimentalObject) {
  for (int kind : {1, 4}) {
    SpecRec rec = Sample();
    rec.Kind = static_cast<int16_t>(kind);
    rec.MHz = float(100 * kind);
    ByteArray data;
    std::string label;
    SpecPack(data, label, "", rec, Points());
    StepCreate(SpecObjectType, 0, 0, label, data);
  }
  SpecRec got;
  ASSERT_TRUE(SpecImport(got, kSpecImportDrawing));
  EXPECT_EQ(got.MHz, 400);
  EXPECT_EQ(got.StartHz, 0);
  EXPECT_EQ(got.DispOffHz, 0);
  EXPECT_EQ(got.ImpNumPts, 8);
  EXPECT_EQ(SpecRawData, (std::vector<float>{0, 10, -20, 30, 32000, -32000, 6, 7, 8}));
  std::string text;
  StepData held;
  ZEFSpectrumSetGet(text, held, 1);
  EXPECT_EQ(text, StepList.Text[2]);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SpecObjectTest, ImportFromTheClipboard) {
  SpecRec none;
  EXPECT_FALSE(SpecImport(none, kSpecImportClipboard | kSpecImportDrawing));
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "No ZEF-NMR spectrum found in Clipboard");
  EXPECT_EQ(boxes.last().title, "Import NMR Spectrum");

  SpecRec rec = Sample();
  rec.Kind = 0;
  ByteArray data;
  std::string label;
  SpecPack(data, label, "", rec, Points());
  ClipDataSetVariant(data, 64);
  SpecRec got;
  ASSERT_TRUE(SpecImport(got, kSpecImportClipboard));
  EXPECT_EQ(got.MHz, 300);
  EXPECT_EQ(SpecRawData.size(), 9u);
  EXPECT_EQ(StepList.StepType[kSpecImportScratchStep], SpecObjectType);
  EXPECT_EQ(StepList.Text[kSpecImportScratchStep], label);
}

TEST_F(SpecObjectTest, HandoverRefusesOtherFlags) {
  std::string text = "kept";
  StepData data;
  ZEFSpectrumSetGet(text, data, 0);
  std::string other = "x";
  ZEFSpectrumSetGet(other, data, 2);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "Vireo Internal error:  Improper call to ZEFSpectrumSetGet [flag =2]");
  EXPECT_EQ(boxes.last().title, "VIREO Error");
  EXPECT_EQ(boxes.last().style, vbOKOnly);
  ZEFSpectrumSetGet(other, data, 1);
  EXPECT_EQ(other, "kept");
}

}  // namespace
