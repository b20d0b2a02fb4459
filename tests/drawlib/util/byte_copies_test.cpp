#include "drawlib/util/byte_copies.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>

#include "tests/support/msgbox_recorder.h"

namespace {

// One member of the family: its name, how many bytes it copies, and a call that performs it and
// describes its outputs (readers) so a refused call can be checked to change none of them.
struct CopyCase {
  const char* name;
  int size;
  std::function<std::string(ByteArray&, int32_t&)> call;
};

std::string Hex(float f) {
  uint32_t u;
  std::memcpy(&u, &f, 4);
  return std::to_string(u);
}

std::vector<CopyCase> AllMembers() {
  return {
      {"HmemcpyIntSngl", 6, [](ByteArray& b, int32_t& p) { HmemcpyIntSngl(b, p, -2, 1.5f); return std::string(); }},
      {"HmemcpyInt", 2, [](ByteArray& b, int32_t& p) { HmemcpyInt(b, p, 0x1234); return std::string(); }},
      {"Hmemcpy2Int", 4, [](ByteArray& b, int32_t& p) { Hmemcpy2Int(b, p, 1, -1); return std::string(); }},
      {"Hmemcpy3Int", 6, [](ByteArray& b, int32_t& p) { Hmemcpy3Int(b, p, 1, 2, 3); return std::string(); }},
      {"Hmemcpy2Long", 8, [](ByteArray& b, int32_t& p) { Hmemcpy2Long(b, p, 7, -7); return std::string(); }},
      {"hmemcpyIntToByte", 2, [](ByteArray& b, int32_t& p) { hmemcpyIntToByte(b, 9, p); return std::string(); }},
      {"hmemcpyLongToByte", 4, [](ByteArray& b, int32_t& p) { hmemcpyLongToByte(b, 70000, p); return std::string(); }},
      {"hmemcpyStringToByte", 3, [](ByteArray& b, int32_t& p) { hmemcpyStringToByte(b, "xyz", p); return std::string(); }},
      {"hmemcpyByteToInt", 2, [](ByteArray& b, int32_t& p) { return std::to_string(hmemcpyByteToInt(b, p)); }},
      {"hmemcpyByteToLong", 4, [](ByteArray& b, int32_t& p) { return std::to_string(hmemcpyByteToLong(b, p)); }},
      {"hmemcpyByteToSngl", 4, [](ByteArray& b, int32_t& p) { return Hex(hmemcpyByteToSngl(b, p)); }},
      {"hmemcpyByteToString", 3, [](ByteArray& b, int32_t& p) { return hmemcpyByteToString(b, p, 3); }},
      {"hmemcpyByteTo2Int", 4, [](ByteArray& b, int32_t& p) {
         int16_t x = 11, y = 22;
         hmemcpyByteTo2Int(b, x, y, p);
         return std::to_string(x) + "," + std::to_string(y);
       }},
      {"hmemcpyByteTo2Long", 8, [](ByteArray& b, int32_t& p) {
         int32_t x = 11, y = 22;
         hmemcpyByteTo2Long(b, x, y, p);
         return std::to_string(x) + "," + std::to_string(y);
       }},
  };
}

// What a refused call leaves in its outputs.
std::string RefusedOutput(const CopyCase& c) {
  std::string name = c.name;
  if (name == "hmemcpyByteToInt" || name == "hmemcpyByteToLong") return "0";
  if (name == "hmemcpyByteToSngl") return Hex(0.0f);
  if (name == "hmemcpyByteToString") return "   ";
  if (name.rfind("hmemcpyByteTo2", 0) == 0) return "11,22";
  return "";
}

ByteArray Pattern(std::size_t count, int32_t lower) {
  ByteArray b(count, lower);
  for (std::size_t i = 0; i < count; ++i) b.bytes[i] = uint8_t(0x41 + i);
  return b;
}

// Every member, over arrays indexed from 0 and from 1: the last position where the value fits
// copies it and advances by its size; one further is refused with its own message and changes
// nothing.
TEST(ByteCopies, EveryMemberAtBothBounds) {
  for (int32_t lower : {0, 1}) {
    for (const CopyCase& c : AllMembers()) {
      SCOPED_TRACE(std::string(c.name) + " lower bound " + std::to_string(lower));
      MsgBoxRecorder log;
      ByteArray bytes = Pattern(12, lower);
      const int32_t ubound = int32_t(bytes.UBound());

      int32_t position = ubound - c.size + 1;
      c.call(bytes, position);
      EXPECT_EQ(position, ubound + 1);
      EXPECT_TRUE(log.empty());

      ByteArray before = bytes;
      position = ubound - c.size + 2;
      std::string out = c.call(bytes, position);
      EXPECT_EQ(position, ubound - c.size + 2);
      EXPECT_EQ(bytes.bytes, before.bytes);
      EXPECT_EQ(out, RefusedOutput(c));
      ASSERT_EQ(log.count(), 1u);
      EXPECT_EQ(log.boxes()[0].text, std::string("Internal error in ") + c.name + ": bounds violation.");
      EXPECT_EQ(log.boxes()[0].style, vbOKOnly);
    }
  }
}

// Positions below the lower bound, and positions whose end would pass the 32-bit range, are
// refused like any other bounds violation.
TEST(ByteCopies, RefusesPositionsBelowLowerBoundAndOverflow) {
  for (const CopyCase& c : AllMembers()) {
    SCOPED_TRACE(c.name);
    for (int32_t start : {0, -4, std::numeric_limits<int32_t>::min(),
                          std::numeric_limits<int32_t>::max() - 1}) {
      MsgBoxRecorder log;
      ByteArray bytes = Pattern(16, 1);
      ByteArray before = bytes;
      int32_t position = start;
      c.call(bytes, position);
      EXPECT_EQ(position, start);
      EXPECT_EQ(bytes.bytes, before.bytes);
      EXPECT_EQ(log.count(), 1u);
    }
  }
}

TEST(ByteCopies, ValuesAreLittleEndianAndReadBack) {
  MsgBoxRecorder log;
  ByteArray bytes(30, 1);
  int32_t p = 1;
  HmemcpyIntSngl(bytes, p, 0x0102, 1.0f);
  Hmemcpy3Int(bytes, p, -1, 3, 4);
  Hmemcpy2Long(bytes, p, 0x01020304, -2);
  hmemcpyStringToByte(bytes, "\xE9z", p);
  EXPECT_EQ(p, 23);
  EXPECT_EQ(bytes.at(1), 0x02);
  EXPECT_EQ(bytes.at(2), 0x01);
  EXPECT_EQ(bytes.at(6), 0x3F);  // 1.0f = 00 00 80 3F
  EXPECT_EQ(bytes.at(7), 0xFF);
  EXPECT_EQ(bytes.at(13), 0x04);
  EXPECT_EQ(bytes.at(21), 0xE9);

  p = 1;
  int16_t a = 0, b = 0;
  EXPECT_EQ(hmemcpyByteToInt(bytes, p), 0x0102);
  EXPECT_EQ(hmemcpyByteToSngl(bytes, p), 1.0f);
  hmemcpyByteTo2Int(bytes, a, b, p);
  EXPECT_EQ(a, -1);
  EXPECT_EQ(b, 3);
  EXPECT_EQ(hmemcpyByteToInt(bytes, p), 4);
  int32_t la = 0, lb = 0;
  hmemcpyByteTo2Long(bytes, la, lb, p);
  EXPECT_EQ(la, 0x01020304);
  EXPECT_EQ(lb, -2);
  EXPECT_EQ(hmemcpyByteToString(bytes, p, 2), "\xE9z");
  EXPECT_TRUE(log.empty());
}

TEST(ByteCopies, TextLengthsThatCanNeverFit) {
  MsgBoxRecorder log;
  ByteArray bytes = ByteArray::FromBytes("abc");
  int32_t p = 0;
  EXPECT_EQ(hmemcpyByteToString(bytes, p, 3), "abc");
  EXPECT_EQ(p, 3);
  // A damaged length field: no huge allocation, no blanks, nothing read.
  p = 0;
  EXPECT_EQ(hmemcpyByteToString(bytes, p, std::numeric_limits<int32_t>::max()), "");
  EXPECT_EQ(hmemcpyByteToString(bytes, p, -1), "");
  EXPECT_EQ(p, 0);
  EXPECT_EQ(log.count(), 2u);
  // An empty text just past the end copies nothing and is no violation.
  p = 3;
  hmemcpyStringToByte(bytes, "", p);
  EXPECT_EQ(hmemcpyByteToString(bytes, p, 0), "");
  EXPECT_EQ(p, 3);
  EXPECT_EQ(log.count(), 2u);
}

}  // namespace
