#include "documents/clip_transfer.h"

#include <gtest/gtest.h>

#include "drawlib/util/clipboard_text.h"
#include "platform/clipboard.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"

namespace {

class ClipTransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    SetClipboardDevice(&clipboard);
  }
  void TearDown() override { SetClipboardDevice(nullptr); }
  std::string Block() { return clipboard.Data(kClipFormatMime).value_or("<none>"); }
  void OtherProgramCopies(ClipboardFormats f) { clipboard.TakeOver(f); }

  MemoryClipboard clipboard;
  MsgBoxRecorder boxes;
};

// The data as "bytes:...", "text:..." or "nothing", for comparing.
std::string Shown(const StepData& d) {
  if (const auto* b = std::get_if<ByteArray>(&d))
    return "bytes:" + std::string(b->bytes.begin(), b->bytes.end());
  if (const auto* t = std::get_if<std::string>(&d)) return "text:" + *t;
  return "nothing";
}

ClipboardFormats WithBlock(const std::string& block) {
  ClipboardFormats f;
  f.data[kClipFormatMime] = block;
  return f;
}

TEST_F(ClipTransferTest, BlocksAsWritten) {
  ClipDataSetVariant(ByteArray::FromBytes("\x01\x02\x03"), 34);
  EXPECT_EQ(Block(), std::string("\x22\x00\x03\x00\x00\x00\x01\x02\x03", 9));
  ClipDataSetVariant(std::string("abc"), 4);
  EXPECT_EQ(Block(), std::string("\x04\x00\x03\x00\x00\x00" "abc\0\0\0", 12));
  ClipDataSetVariant(StepData{}, 34);
  EXPECT_EQ(boxes.last().text, "Internal error in ClipDataSetVariant VarType=  0");
  EXPECT_EQ(Block(), std::string(6, '\0'));
  EXPECT_TRUE(clipboard.HoldsPublished());
}

TEST_F(ClipTransferTest, ReadsThePrivateBlockThenTheFallbacks) {
  struct Case {
    const char* what;
    ClipboardFormats held;
    uint16_t type;
    StepData data;
    const char* box;
  };
  ClipboardFormats text;
  text.text = "line1\nline2";
  ClipboardFormats withType0 = WithBlock(std::string("\0\0\0\0\0\0", 6));
  withType0.text = "t";
  ClipboardFormats damaged = WithBlock(std::string("\x40\x00\x09\x00\x00\x00zz", 8));
  damaged.text = "after";
  ClipboardFormats emptyText;
  emptyText.text = "";
  ClipboardFormats image;
  image.image = true;
  const char* damagedBox =
      "Error in ClipDataGetVariant: damaged ZEF61-MORAV block on the clipboard.";
  const Case cases[] = {
      {"bytes of type 64", WithBlock(std::string("\x40\x00\x02\x00\x00\x00xy\0", 9)), 64,
       ByteArray::FromBytes("xy"), nullptr},
      {"text of type 1", WithBlock(std::string("\x01\x00\x02\x00\x00\x00hi", 8)), 1,
       std::string("hi"), nullptr},
      {"neither text nor bytes", WithBlock(std::string("\x00\x04\x00\x00\x00\x00", 6)), 1024,
       StepData{}, nullptr},
      {"type 0 is ignored", withType0, 1, std::string("t"), nullptr},
      {"text gets CR LF", text, 1, std::string("line1\r\nline2"), nullptr},
      {"empty text", emptyText, 0, std::string(""), nullptr},
      {"damaged block", damaged, 1, std::string("after"), damagedBox},
      {"block under 6 bytes", WithBlock("\x40\x00"), 0, StepData{}, damagedBox},
      {"bitmap", image, 2048, StepData{}, nullptr},
      {"nothing", ClipboardFormats{}, 0, StepData{}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    boxes.Clear();
    OtherProgramCopies(c.held);
    StepData data;
    EXPECT_EQ(ClipDataGetVariant(data), c.type);
    EXPECT_EQ(Shown(data), Shown(c.data));
    if (c.box) {
      ASSERT_EQ(boxes.count(), 1u);
      EXPECT_EQ(boxes.last().text, c.box);
      EXPECT_EQ(boxes.last().style, vbOKOnly + vbExclamation);
    } else {
      EXPECT_TRUE(boxes.empty());
    }
  }
}

std::string Marker(int16_t length) {
  return "ZEF1620DRW\r\n" + std::string(12, '.') +
         std::string(reinterpret_cast<const char*>(&length), 2);
}

TEST_F(ClipTransferTest, MetafilesAndTheirEmbeddedDrawing) {
  struct Case {
    const char* what;
    const char* mime;
    std::string bits;
    uint16_t type;
    std::string data;
  };
  const std::string pad(40, 'p');
  const std::string drawing = "DRAWING";
  const Case cases[] = {
      {"metafile", "image/x-wmf", pad, 8, pad},
      {"metafile with a drawing", "image/x-wmf", "ab" + Marker(7) + drawing + pad, 10, drawing},
      {"enhanced with a drawing", "image/x-emf", Marker(7) + drawing + pad, 42, drawing},
      {"enhanced", "image/x-emf", pad, 40, pad},
      {"marker with L = 0 is skipped", "image/x-wmf", Marker(0) + pad, 8, Marker(0) + pad},
      {"marker past the end is skipped", "image/x-wmf", Marker(500) + pad, 8, Marker(500) + pad},
      {"marker after byte 1000", "image/x-wmf", std::string(1001, 'q') + Marker(7) + drawing + pad,
       8, std::string(1001, 'q') + Marker(7) + drawing + pad},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClipboardFormats f;
    f.data[c.mime] = c.bits;
    OtherProgramCopies(f);
    StepData data;
    EXPECT_EQ(ClipDataGetVariant(data), c.type);
    EXPECT_EQ(Shown(data), "bytes:" + c.data);
  }
  // A marker is only looked for up to n - 30.
  std::string shortBits = Marker(2) + "ok";
  EXPECT_FALSE(ClipMetafileExtract(shortBits));

  // The rights notice: only in bits over 1000 bytes, only with a notice configured.
  const std::string tail = "ACME CORP ALL RIGHTS RESERVED";
  EXPECT_TRUE(ClipMetafileRefused(std::string(1000, 'm') + tail, "ACME CORP"));
  EXPECT_FALSE(ClipMetafileRefused(std::string(1000 - tail.size(), 'm') + tail, "ACME CORP"));
  EXPECT_FALSE(ClipMetafileRefused(std::string(1000, 'm') + tail, kClipSupplierNotice));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ClipTransferTest, OneCopyCommandPublishesEveryFormatTogether) {
  {
    ClipboardBatch copy;
    ClipboardSetText("table\ttext");
    ClipDataSetVariant(ByteArray::FromBytes("steps"), 34);
    EXPECT_EQ(clipboard.publications, 0);
  }
  EXPECT_EQ(clipboard.publications, 1);
  EXPECT_EQ(clipboard.Text(), "table\ttext");
  EXPECT_EQ(Block().substr(6), "steps");

  // A write outside a batch adds to what this program published...
  ClipDataSetVariant(ByteArray::FromBytes("more"), 34);
  EXPECT_EQ(clipboard.Text(), "table\ttext");
  EXPECT_EQ(Block().substr(6), "more");
  // ...but not to what another program put there since.
  ClipboardFormats other;
  other.text = "theirs";
  OtherProgramCopies(other);
  ClipDataSetVariant(ByteArray::FromBytes("mine"), 34);
  EXPECT_FALSE(clipboard.Text().has_value());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ClipTransferTest, UnreachableClipboardIsReported) {
  clipboard.reachable = false;
  ClipDataSetVariant(ByteArray::FromBytes("x"), 34);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "MORAV-ZEF Clipboard Format Failed in Clip SetVariant.");
  EXPECT_EQ(ClipFormatRegister(), 0);
  clipboard.reachable = true;
  EXPECT_NE(ClipFormatRegister(), 0);
  // Registered, but the copy itself cannot reach the clipboard.
  clipboard.reachable = false;
  boxes.Clear();
  ClipDataSetVariant(ByteArray::FromBytes("x"), 34);
  EXPECT_EQ(boxes.texts(),
            std::vector<std::string>{"MORAV-ZEF Clipboard Format Failed in Clip SetVariant."});
}

}  // namespace
