#include "drawlib/steps/packed_drawing.h"

#include <cstring>

#include "drawlib/document_services.h"
#include "drawlib/steps/segment_parse.h"
#include "drawlib/util/byte_copies.h"
#include "tests/drawlib/drawlib_state.h"

namespace {

class PackedDrawingTest : public DrawlibState {
 protected:
  StepArrays steps{20};
  void Put(int i, uint16_t type, float x, float y, std::string text = "", StepData data = {}) {
    steps.StepType[i] = type;
    steps.X[i] = x;
    steps.Y[i] = y;
    steps.Text[i] = std::move(text);
    steps.Data[i] = std::move(data);
  }
};

ByteArray Bytes(std::initializer_list<uint8_t> b) {
  ByteArray a;
  a.bytes = b;
  return a;
}

// A segment in the header form: 2300, 0, 2330, label length, label, then payload bytes.
ByteArray HeaderSegment(const std::string& label, const std::string& payload) {
  ByteArray a;
  auto put = [&](int32_t v) {
    uint8_t b[4];
    std::memcpy(b, &v, 4);
    a.bytes.insert(a.bytes.end(), b, b + 4);
  };
  put(2300);
  put(0);
  put(2330);
  put(int32_t(label.size()));
  a.bytes.insert(a.bytes.end(), label.begin(), label.end());
  a.bytes.insert(a.bytes.end(), payload.begin(), payload.end());
  return a;
}

int16_t Word16(const ByteArray& a, size_t at) {
  int16_t v;
  std::memcpy(&v, a.bytes.data() + at, 2);
  return v;
}
int32_t Word32(const ByteArray& a, size_t at) {
  int32_t v;
  std::memcpy(&v, a.bytes.data() + at, 4);
  return v;
}

TEST_F(PackedDrawingTest, WorkedSizesOfBothForms) {
  Put(1, 1, 0, 0);
  Put(2, 1, 5, 5);
  int16_t flags = 0;
  ByteArray shortForm = PackZEFByte(1, 2, steps, flags);
  ASSERT_EQ(shortForm.size(), 28u);
  EXPECT_EQ(Word16(shortForm, 0), 2);
  EXPECT_EQ(Word16(shortForm, 22), 4);   // S
  EXPECT_EQ(Word16(shortForm, 24), 1);   // n - 1
  EXPECT_EQ(Word16(shortForm, 26), -1);  // end mark

  flags = 32 | 2 | 1 | 64;
  ByteArray longForm = PackZEFByte(1, 2, steps, flags);
  EXPECT_EQ(flags, 34);
  ASSERT_EQ(longForm.size(), 36u);
  EXPECT_EQ(Word32(longForm, 24), 13);
  EXPECT_EQ(Word32(longForm, 28), 4);
  EXPECT_EQ(Word32(longForm, 32), -1);

  Put(1, kStepLabel, 1, 2, "AB");
  flags = 32;
  ByteArray label = PackZEFByte(1, 1, steps, flags);
  ASSERT_EQ(label.size(), 36u);
  EXPECT_EQ(Word32(label, 18), 14);  // S: record 4 + 4 + 2, end mark 4
  EXPECT_EQ(Word32(label, 22), 0);   // relative index
  EXPECT_EQ(Word32(label, 26), 2);   // length
  EXPECT_EQ(label.bytes[30], 'A');
  flags = 0;
  EXPECT_EQ(PackZEFByte(1, 1, steps, flags).size(), 18u + 6u);
}

TEST_F(PackedDrawingTest, RoundTripInBothForms) {
  Put(1, 0, 1.5f, -2.25f);
  Put(2, 0x0805, 100, 200);
  Put(3, kStepLabel, 3, 4, "F  H = 2 > \xB5s text");
  Put(4, kStepSegmentA, 7, 8, "", HeaderSegment("{obj}", std::string("\0\1\2", 3)));
  Put(5, 12, 9, 10, "move note");
  for (int16_t variant : {int16_t(0), int16_t(32)}) {
    int16_t flags = variant;
    const ByteArray packed = PackZEFByte(1, 5, steps, flags);
    StepArrays out(30);
    int16_t last = 0;
    ASSERT_TRUE(UnPackZEFByte(10, last, out, packed, variant));
    EXPECT_EQ(last, 14);
    for (int k = 0; k < 5; ++k) {
      EXPECT_EQ(out.X[10 + k], steps.X[1 + k]) << k;
      EXPECT_EQ(out.Y[10 + k], steps.Y[1 + k]) << k;
      EXPECT_EQ(out.Text[10 + k], k == 3 ? "{obj}" : steps.Text[1 + k]) << k;
    }
    EXPECT_EQ(out.StepType[10], kStepLabel);  // a zero type word comes back as a label
    EXPECT_EQ(out.StepType[11], 0x0805);
    EXPECT_EQ(out.StepType[13], kStepSegmentA);
    ASSERT_TRUE(std::holds_alternative<ByteArray>(out.Data[13]));
    EXPECT_EQ(std::get<ByteArray>(out.Data[13]).bytes,
              std::get<ByteArray>(steps.Data[4]).bytes);
    EXPECT_TRUE(boxes.empty());
  }
}

TEST_F(PackedDrawingTest, SegmentWithoutBytesIsPackedAsLabel) {
  Put(1, kStepSpectrum, 1, 1, "", std::string("not bytes"));
  Put(2, kStepSegmentB, 2, 2, "kept label");
  int16_t flags = 0;
  const ByteArray packed = PackZEFByte(1, 2, steps, flags);
  EXPECT_EQ(steps.StepType[1], kStepLabel);
  EXPECT_EQ(steps.StepType[2], kStepLabel);
  EXPECT_EQ(uint16_t(Word16(packed, 2 + 16)), kStepLabel);
  EXPECT_EQ(uint16_t(Word16(packed, 2 + 18)), kStepLabel);
  StepArrays out(20);
  int16_t last = 0;
  ASSERT_TRUE(UnPackZEFByte(1, last, out, packed, 0));
  EXPECT_EQ(out.Text[2], "kept label");
}

TEST_F(PackedDrawingTest, ShortFormRefusesWhatItsFieldsCannotHold) {
  Put(1, kStepLabel, 0, 0, std::string(40000, 'x'));
  int16_t flags = 0;
  EXPECT_TRUE(PackZEFByte(1, 1, steps, flags).empty());
  ASSERT_EQ(boxes.count(), 1u);
  // Several records that together overflow the section field.
  for (int i = 1; i <= 3; ++i) Put(i, kStepLabel, 0, 0, std::string(12000, 'y'));
  EXPECT_TRUE(PackZEFByte(1, 3, steps, flags).empty());
  EXPECT_EQ(boxes.count(), 2u);
  flags = 32;
  EXPECT_EQ(PackZEFByte(1, 3, steps, flags).size(), 12u + 30u + 3u * (8u + 12000u) + 4u);
  // A range outside the arrays.
  EXPECT_TRUE(PackZEFByte(19, 25, steps, flags).empty());
  EXPECT_EQ(boxes.count(), 3u);
}

TEST_F(PackedDrawingTest, DamagedDrawingsAreRefusedOrCutWithoutGoingAstray) {
  Put(1, kStepLabel, 1, 1, "AB");
  Put(2, kStepSegmentA, 2, 2, "", HeaderSegment("L", "pp"));
  int16_t flags = 32;
  const ByteArray good = PackZEFByte(1, 2, steps, flags);
  StepArrays out(20);
  int16_t last = 0;

  // Negative step count.
  ByteArray bad = good;
  bad.bytes[3] = 0x80;
  EXPECT_FALSE(UnPackZEFByte(1, last, out, bad, 32));
  EXPECT_EQ(last, 0);

  // Too many steps for the arrays: one empty label step remains.
  out.Text[5] = "old";
  EXPECT_FALSE(UnPackZEFByte(5, last, out, Bytes({100, 0, 0, 0}), 32));
  EXPECT_EQ(last, 5);
  EXPECT_EQ(out.StepType[5], kStepLabel);
  EXPECT_TRUE(out.Text[5].empty());
  EXPECT_EQ(boxes.last().text, "TODO: Too many steps in UnPackZEFByte");

  // Step block cut short: nothing written.
  out = StepArrays(20);
  bad = good;
  bad.bytes.resize(20);
  EXPECT_FALSE(UnPackZEFByte(1, last, out, bad, 32));
  EXPECT_EQ(out.X[1], 0.0f);

  // Records cut short: the steps and the whole records stay, the segment becomes a label.
  bad = good;
  bad.bytes.resize(good.size() - 10);
  EXPECT_FALSE(UnPackZEFByte(1, last, out, bad, 32));
  EXPECT_EQ(last, 2);
  EXPECT_EQ(out.Text[1], "AB");
  EXPECT_EQ(out.StepType[2], kStepLabel);

  // A record whose index lies outside the section is skipped; a negative length stops.
  const size_t firstRecord = 4 + 20 + 8;
  bad = good;
  bad.bytes[firstRecord] = 7;
  EXPECT_TRUE(UnPackZEFByte(1, last, out, bad, 32));
  EXPECT_TRUE(out.Text[1].empty());
  EXPECT_EQ(out.StepType[2], kStepSegmentA);
  bad = good;
  bad.bytes[firstRecord + 7] = 0xFF;
  EXPECT_FALSE(UnPackZEFByte(1, last, out, bad, 32));

  // A wrong section constant only warns.
  boxes.Clear();
  bad = good;
  bad.bytes[24] = 12;
  EXPECT_TRUE(UnPackZEFByte(1, last, out, bad, 32));
  EXPECT_EQ(boxes.last().text, "TODO: Internal error in Packed sring");
  EXPECT_EQ(out.Text[1], "AB");
}

TEST_F(PackedDrawingTest, VariantUnpacksOnlyByteArrays) {
  Put(1, kStepLabel, 1, 1, "AB");
  int16_t flags = 0;
  const StepData value = PackZEFByte(1, 1, steps, flags);
  StepArrays out(5);
  int16_t last = 0;
  EXPECT_TRUE(UnPackZEFVariant(1, last, out, value, 0));
  EXPECT_EQ(out.Text[1], "AB");
  EXPECT_FALSE(UnPackZEFVariant(1, last, out, std::string("AB"), 0));
  EXPECT_EQ(last, 0);
}

class RescaleRecorder : public DocumentServices {
 public:
  RescaleRecorder() { SetDocumentServices(this); }
  ~RescaleRecorder() override { SetDocumentServices(nullptr); }
  void FileInit() override {}
  void SpecRescale(ByteArray&, std::string& label, float w, float h) override {
    labels.push_back(label);
    width = w;
    height = h;
  }
  std::vector<std::string> labels;
  float width = 0, height = 0;
};

TEST_F(PackedDrawingTest, SegmentParserFormsAndRescale) {
  RescaleRecorder documents;
  std::string label = "unchanged";
  StepData data;
  const std::string marked = "F > \x10{ZEFNMR  x}\x11payload";
  ByteArray segment;
  segment.bytes.assign(marked.begin(), marked.end());

  EXPECT_TRUE(NMRGRAPHParseByte(segment, kStepSpectrum, label, data));
  EXPECT_EQ(label, "F > \x10{ZEFNMR  x}");
  EXPECT_EQ(std::get<ByteArray>(data).bytes, segment.bytes);
  ASSERT_EQ(documents.labels.size(), 1u);
  EXPECT_EQ(documents.width, 250.0f);
  EXPECT_EQ(documents.height, 150.0f);

  // With its size in the label, or another segment type, no rescale.
  const std::string sized = "F > \x10{ZEFNMR  x Wd: 10 Ht: 5}\x11";
  segment.bytes.assign(sized.begin(), sized.end());
  EXPECT_TRUE(NMRGRAPHParseByte(segment, kStepSpectrum, label, data));
  EXPECT_TRUE(NMRGRAPHParseByte(HeaderSegment("hdr", ""), kStepSpectrum, label, data));
  EXPECT_EQ(label, "hdr");
  EXPECT_EQ(documents.labels.size(), 1u);
  EXPECT_TRUE(boxes.empty());

  // Neither form: a message, outputs untouched.
  label = "unchanged";
  const struct {
    ByteArray bytes;
    const char* message;
  } bad[] = {
      {Bytes({17, 16, 1, 2}), "TODO: Error in NMRGRAPHParseByte: missing a CHR$(17)"},
      {Bytes({}), "TODO: Error in NMRGRAPHParseByte: missing a CHR$(17)"},
      {Bytes({0xFC, 8, 0, 0, 0, 0, 0, 0, 0x1B, 9, 0, 0, 1, 0, 0, 0}),
       "Internal error in NMRGRAPHParseByte: no 2330 header"},
      {Bytes({0xFC, 8, 0, 0, 0, 0, 0, 0, 0x1A, 9, 0, 0, 50, 0, 0, 0}),
       "Internal error in NMRGRAPHParseByte: no 2330 header"},
  };
  for (const auto& b : bad) {
    EXPECT_FALSE(NMRGRAPHParseByte(b.bytes, kStepSegmentA, label, data));
    EXPECT_EQ(boxes.last().text, b.message);
    EXPECT_EQ(label, "unchanged");
  }
}

TEST_F(PackedDrawingTest, PackParametersWritesRowsOrRefusesSmallArrays) {
  ByteArray bytes(14, 1);
  int32_t position = 2;
  PackParameters(std::string{char(2), char(35)}, bytes, position);
  EXPECT_EQ(position, 14);
  int32_t read = 2;
  EXPECT_EQ(hmemcpyByteToInt(bytes, read), 2);
  EXPECT_EQ(hmemcpyByteToSngl(bytes, read), 3.6f);
  EXPECT_EQ(hmemcpyByteToInt(bytes, read), 35);
  EXPECT_EQ(hmemcpyByteToSngl(bytes, read), 0.7f);

  position = 4;
  const ByteArray before = bytes;
  PackParameters(std::string{char(2), char(35)}, bytes, position);
  EXPECT_EQ(position, 4);
  EXPECT_EQ(bytes.bytes, before.bytes);
  EXPECT_EQ(boxes.last().text, "internal error in PackParameters. Error Location:  2011");
}

}  // namespace
