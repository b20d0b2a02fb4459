#include "drawlib/util/string_list.h"

#include <gtest/gtest.h>

#include "drawlib/util/byte_copies.h"
#include "tests/support/msgbox_recorder.h"

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> v;
  for (int x : values) v.push_back(uint8_t(x));
  return v;
}

TEST(StringList, PacksTheDocumentedLayoutAndRestoresIt) {
  std::vector<std::string> items(8);
  items[5] = "a";
  items[7] = "bc";
  int16_t flags = 0;
  ByteArray block = PackStringList(5, 7, items, flags);
  EXPECT_EQ(block.bytes, Bytes({15, 0, 2, 0, 0, 0, 1, 0, 'a', 2, 0, 2, 0, 'b', 'c', 0xFF, 0xFF}));
  EXPECT_EQ(items[5], "a");  // kept without flag bit 1

  std::vector<std::string> back(8, "junk");
  int32_t position = 0;
  UnpackStringList(position, 5, back, block);
  EXPECT_EQ(position, 17);
  EXPECT_EQ(back[5], "a");
  EXPECT_EQ(back[6], "");
  EXPECT_EQ(back[7], "bc");
  EXPECT_EQ(back[4], "junk");
}

TEST(StringList, EndMarkFitsWhenTheLastRecordFillsTheFirstBuffer) {
  // 4 + 4 + 1992 bytes end at offset 2000, the last byte of the first 2001-byte buffer.
  std::vector<std::string> items = {std::string(1992, 'x')};
  int16_t flags = 0;
  ByteArray block = PackStringList(0, 0, items, flags);
  ASSERT_EQ(block.size(), 2002u);
  int32_t p = 0;
  EXPECT_EQ(hmemcpyByteToInt(block, p), 2000);
  p = 2000;
  EXPECT_EQ(hmemcpyByteToInt(block, p), -1);
}

TEST(StringList, ClearsPackedItemsOnRequestAndGrowsForLongTexts) {
  std::vector<std::string> items = {std::string(1990, 'x'), std::string(3000, 'y'), "z"};
  const std::vector<std::string> original = items;
  int16_t flags = 2;
  ByteArray block = PackStringList(0, 2, items, flags);
  EXPECT_EQ(block.size(), 4u + 4 + 1990 + 4 + 3000 + 4 + 1 + 2);
  EXPECT_EQ(items, std::vector<std::string>(3));

  // Read it back from the middle of a larger array indexed from 1.
  ByteArray host(block.size() + 10, 1);
  std::copy(block.bytes.begin(), block.bytes.end(), host.bytes.begin() + 3);
  int32_t position = 4;
  UnpackStringList(position, 0, items, host);
  EXPECT_EQ(items, original);
  EXPECT_EQ(position, 4 + int32_t(block.size()));
}

TEST(StringList, RefusesBlocksBeyondItsSixteenBitFields) {
  MsgBoxRecorder log;
  std::vector<std::string> items = {std::string(20000, 'a'), std::string(20000, 'b')};
  int16_t flags = 2;
  ByteArray block = PackStringList(0, 1, items, flags);
  EXPECT_EQ(log.count(), 1u);
  EXPECT_EQ(items[0].size(), 20000u);  // nothing cleared
  std::vector<std::string> back(2, "junk");
  int32_t position = 0;
  UnpackStringList(position, 0, back, block);  // still a readable block, without records
  EXPECT_EQ(back, std::vector<std::string>(2));
  EXPECT_EQ(position, int32_t(block.size()));
}

// Damaged blocks: nothing outside the target is written, the position never moves backwards and
// strings crossing the block end give empty items.
TEST(StringList, DamagedBlocksAreReadSafely) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    int32_t endPosition;
    std::vector<std::string> items;
  };
  const std::vector<Case> cases = {
      {"negative end offset", Bytes({0xF0, 0xFF, 2, 0}), 2, {"junk", "junk", "junk"}},
      {"string crossing the block end", Bytes({9, 0, 1, 0, 0, 0, 9, 0, 'a', 'b', 0xFF, 0xFF}), 11,
       {"", "", "junk"}},
      {"negative string length", Bytes({9, 0, 1, 0, 0, 0, 0xFE, 0xFF, 1, 0, 1, 0}), 11,
       {"", "", "junk"}},
      {"end beyond the array", Bytes({100, 0, 1, 0, 1, 0, 1, 0, 'q'}), 102, {"", "q", "junk"}},
      {"count beyond the target", Bytes({8, 0, 0x10, 0x27, 2, 0, 1, 0, 'r', 0xFF, 0xFF}), 10,
       {"", "", "r"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MsgBoxRecorder log;
    ByteArray bytes;
    bytes.bytes = c.bytes;
    std::vector<std::string> items(3, "junk");
    int32_t position = 0;
    UnpackStringList(position, 0, items, bytes);
    EXPECT_EQ(position, c.endPosition);
    EXPECT_EQ(items, c.items);
  }
}

}  // namespace
