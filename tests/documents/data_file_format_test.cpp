#include "documents/data_file_format.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

using datafile::EntryStatus;

std::string LongBytes(int32_t v) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[i] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
  return s;
}

TEST(DataFileFormat, BuildLaysOutMagicTableAndEntries) {
  const std::string withZero("A\0B", 3);
  const auto bytes = datafile::Build({{1, "xy"}, {374, withZero}}, "made here");
  ASSERT_TRUE(bytes);
  const std::string& b = *bytes;
  EXPECT_EQ(b.substr(0, 10), "ZEF1621DAT");
  EXPECT_EQ(b.substr(10, 54), "made here" + std::string(45, ' '));
  const std::size_t tableEnd = 64 + 4 * 374;
  // Entry 1 begins right after the table; entry 374 follows it.
  EXPECT_EQ(b.substr(64, 4), LongBytes(static_cast<int32_t>(tableEnd)));
  EXPECT_EQ(b.substr(68, 4), LongBytes(0));
  EXPECT_EQ(b.substr(tableEnd, 6), LongBytes(2) + "xy");
  EXPECT_EQ(b.substr(64 + 4 * 373, 4), LongBytes(static_cast<int32_t>(tableEnd + 6)));
  EXPECT_EQ(b.substr(tableEnd + 6), LongBytes(3) + withZero);

  const datafile::View v(b);
  EXPECT_TRUE(v.HasMagic());
  EXPECT_EQ(v.TableSlots(), 374);
  std::string out;
  EXPECT_EQ(v.Entry(374, out), EntryStatus::Found);
  EXPECT_EQ(out, withZero);
  EXPECT_EQ(v.Entry(2, out), EntryStatus::Absent);
  EXPECT_EQ(out, "");
}

TEST(DataFileFormat, BuildRefusesEntryNumbersBelowOne) {
  EXPECT_FALSE(datafile::Build({{0, "x"}}, ""));
  EXPECT_TRUE(datafile::Build({}, std::string(80, 'p')));  // provenance is cut to 54 bytes
}

// A damaged container never reads outside its bytes and never takes entry bytes for offsets.
TEST(DataFileFormat, DamagedOffsetsAndLengths) {
  std::string b = *datafile::Build({{1, "hello"}, {2, "world"}}, "");
  const std::size_t e1 = 64 + 4 * 374;
  struct Case {
    const char* what;
    std::size_t at;
    std::string bytes;
    int entry;
    EntryStatus want;
  };
  const Case cases[] = {
      {"length beyond the end", e1, LongBytes(1000000), 1, EntryStatus::Damaged},
      {"negative length", e1, LongBytes(-1), 1, EntryStatus::Damaged},
      {"offset beyond the end", 64, LongBytes(999999), 1, EntryStatus::Damaged},
      {"negative offset", 64, LongBytes(-64), 1, EntryStatus::Damaged},
      {"offset into the table", 64, LongBytes(68), 1, EntryStatus::Damaged},
      {"intact entry", 0, "ZEF1621DAT", 2, EntryStatus::Found},
  };
  for (const Case& c : cases) {
    std::string d = b;
    d.replace(c.at, c.bytes.size(), c.bytes);
    std::string out = "old";
    EXPECT_EQ(datafile::View(d).Entry(c.entry, out), c.want) << c.what;
    if (c.want == EntryStatus::Damaged) {
      EXPECT_EQ(out, "") << c.what;
    }
  }
  // Slots beyond the table or the file, and numbers below 1, are absent.
  const datafile::View v(b);
  std::string out;
  for (int n : {-5, 0, 375, 8176, 40000}) EXPECT_EQ(v.Entry(n, out), EntryStatus::Absent) << n;
  // A truncated file: the table stops at the end of the bytes.
  const datafile::View cut(std::string_view(b).substr(0, 70));
  EXPECT_EQ(cut.TableSlots(), 1);
  EXPECT_EQ(cut.Entry(1, out), EntryStatus::Damaged);
}

}  // namespace

namespace {

// The file the build generates: the container with its provenance text and a full table.
TEST(DataFileFormat, TheBuiltFileIsAContainer) {
  std::ifstream in(KAVO71_DAT_PATH, std::ios::binary);
  ASSERT_TRUE(in) << KAVO71_DAT_PATH;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const datafile::View v(bytes);
  EXPECT_TRUE(v.HasMagic());
  EXPECT_GE(v.TableSlots(), 374);
  EXPECT_NE(bytes.substr(10, 54).find("Kavo71"), std::string::npos);
  for (int n = 1; n <= 374; ++n) {
    std::string out;
    EXPECT_NE(v.Entry(n, out), datafile::EntryStatus::Damaged) << n;
  }
}

}  // namespace
