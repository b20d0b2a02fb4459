#include "documents/drawing_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>

#include "documents/file_location.h"
#include "documents/page_bytes.h"
#include "platform/atomic_file.h"
#include "tests/documents/test_files.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/scratch_folder.h"

namespace {

std::string L32(int32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }
std::string Packet(int32_t type, const std::string& payload) {
  return L32(type) + L32(static_cast<int32_t>(payload.size())) + payload;
}
// An FHEAD of n bytes: flags 1, page count 1 at offset 38 (when it fits).
std::string Fhead(std::size_t n = 108, int16_t pageCount = 1) {
  std::string b(n, '\0');
  b[0] = 1;
  if (n >= 40) std::memcpy(b.data() + 38, &pageCount, 2);
  return b;
}
std::string DrawingFile(const std::string& body) { return "ZEF1621DRW\r\n" + body + L32(1001); }
std::string Page(const std::string& objects, int16_t pageCount = 1, const std::string& tags = "") {
  return Packet(3, Fhead(108, pageCount)) + Packet(5, tags) + Packet(12, objects) + L32(1000);
}

std::string PastEndBox() {
  return "FileLoadBin32Bit. Input Past End of File. File May be Damaged. [Error Location:  5515]";
}

class DrawingFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    return WriteTestFile(folder.File(name), bytes);
  }
  ScratchFolder folder;
  MsgBoxRecorder boxes;
};

struct LoadCase {
  const char* what;
  std::string file;  // empty: no file at all
  int answer;        // scripted answer of the first box, 0 for the default
  int16_t result;
  std::string text;  // the first box; "{}" stands for the file name
  int style;
  const char* title;
  std::size_t pages;  // pages in the array afterwards
};

std::string Named(std::string text, const std::string& name) {
  const auto at = text.find("{}");
  return at == std::string::npos ? text : text.replace(at, 2, name);
}

TEST_F(DrawingFileTest, FailureTableGivesItsTextsTitlesStylesAndResults) {
  const std::string good = Page("OBJECTS-ONE", 2);
  const std::vector<LoadCase> cases = {
      {"shorter than 24 bytes", "ZEF1621DRW\r\n", 0, -1,
       "Error in FileLoadBin32bit: NOT Proper file: LOF  12 [{}]", 49, "ZEF File Load", 0},
      {"missing file", "", 0, -1, "Error in FileLoadBin32bit: NOT Proper file: LOF  0 [{}]", 49,
       "ZEF File Load", 0},
      {"no magic", std::string(40, 'x'), 0, -2,
       "Error in FileLoadBin32Bit: NOT Proper file (no ZEF1621DRW header) [{}]", 48,
       "ZEF File Load", 0},
      {"FHEAD of 109 bytes keeps the pages before", DrawingFile(good + Packet(3, Fhead(109))), 0,
       -2, "Error in File Load BIN [{}] FHEAD has wrong length.", 0, "VIREO", 2},
      {"FHEAD under 3 bytes", DrawingFile(Packet(3, "ab") + std::string(20, '\0')), 0, 62,
       PastEndBox(), 49, "VIREO", 1},
      {"negative length", DrawingFile(L32(5) + L32(-4) + std::string(20, '\0')), 0, 62,
       PastEndBox(), 49, "VIREO", 1},
      {"payload past the end keeps page 1",
       DrawingFile(good + Packet(3, Fhead()) + L32(5) + L32(5000)), 0, 62, PastEndBox(), 49,
       "VIREO", 2},
      {"unknown type, OK skips it", DrawingFile(Packet(77, "zz") + Page("OBJECTS-ONE")), vbOK, 0,
       "Error in FileLoadBin32Bit: NOT Proper file (improper data type):  77 [{}]ZEF1621DRW\r\n",
       49, "ZEF File Load", 1},
      {"unknown type, Cancel ends", DrawingFile(Packet(77, "zz") + Page("OBJECTS-ONE")), vbCancel,
       -3,
       "Error in FileLoadBin32Bit: NOT Proper file (improper data type):  77 [{}]ZEF1621DRW\r\n",
       49, "ZEF File Load", 1},
      {"type-4 packet", DrawingFile(Packet(4, "named.zef") + Page("OBJECTS-ONE")), 0, 0,
       "Error in fileload - should not get a Type 4 in FileLoadBin32Bit%", 0, "VIREO", 1},
  };
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.what);
    boxes.Clear();
    if (c.answer) boxes.Answer(c.answer);
    const std::string name = folder.File(std::string("case-") + std::to_string(&c - &cases[0]));
    if (!c.file.empty()) WriteTestFile(name, c.file);
    PageArray pages;
    EXPECT_EQ(FileLoadBin32Bit(pages, name, kLoadKeepName), c.result);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.boxes()[0].text, Named(c.text, name));
    EXPECT_EQ(boxes.boxes()[0].style, c.style);
    EXPECT_EQ(boxes.boxes()[0].title, c.title);
    EXPECT_EQ(pages.empty() ? 0 : pages.size() - 1, c.pages);
    if (c.pages > 0) {
      EXPECT_EQ(pages[1].pageCount, int16_t(c.pages));
    }
    if (c.file.empty()) {
      EXPECT_FALSE(std::filesystem::exists(name)) << "a load created the file";
    }
  }
  EXPECT_EQ(FileLocation[kLocDrawingName], "named.zef");
}

TEST_F(DrawingFileTest, ShortFheadAndObjectLengthRules) {
  // A 60-byte FHEAD: fields past it stay as the fresh page had them; zero overrides are unset.
  PageArray pages;
  const std::string small = Write("small.zef", DrawingFile(Packet(3, Fhead(60)) +
                                                          Packet(12, "OBJECTS-ONE") + L32(1000)));
  ASSERT_EQ(FileLoadBin32Bit(pages, small, 0), 0);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[1].flags, 1);
  EXPECT_EQ(pages[1].override42, 0.0f);
  EXPECT_EQ(pages[1].lineLength, kUnsetOverride);
  EXPECT_EQ(pages[1].letterHeight, kUnsetOverride);
  EXPECT_EQ(pages[1].pageNumber, 1);
  EXPECT_EQ(std::string(pages[1].objects.bytes.begin(), pages[1].objects.bytes.end()),
            "OBJECTS-ONE");

  // A page without a header has its overrides unset as well.
  const std::string bare = Write("bare.zef", DrawingFile(Packet(12, "OBJECTS-ONE") + L32(1000)));
  ASSERT_EQ(FileLoadBin32Bit(pages, bare, 0), 0);
  EXPECT_EQ(pages[1].lineSpacing, kUnsetOverride);

  // One page whose object packet declares a wrong length takes all but the last byte.
  const std::string wrong = Write("wrong.zef", "ZEF1621DRW\r\n" + Packet(3, Fhead()) + L32(12) +
                                                   L32(3) + "OBJECTS-ONE" + L32(1000) + L32(1001));
  ASSERT_EQ(FileLoadBin32Bit(pages, wrong, 0), 0);
  EXPECT_EQ(pages[1].objects.size(), 11u + 8u - 1u);

  // Two pages read by their declared lengths, whatever page 1 claimed as its count.
  const std::string two = Write("two.zef", DrawingFile(Page("P1", 1, "<$page-title>A</$page-title>") +
                                                      Page("P2", 1)));
  ASSERT_EQ(FileLoadBin32Bit(pages, two, 0), 0);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[1].pageCount, 2);
  EXPECT_EQ(pages[1].title, "A");
  EXPECT_EQ(pages[1].source, "");
  EXPECT_EQ(pages[2].objects.size(), 2u);
  EXPECT_EQ(pages[2].pageNumber, 2);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(DrawingFileTest, ReadOnlyDrawingLoads) {
  const std::string path = Write("ro.zef", DrawingFile(Page("OBJECTS-ONE")));
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  PageArray pages;
  EXPECT_EQ(FileLoadBin32Bit(pages, path, 0), 0);
  EXPECT_EQ(pages.size(), 2u);
}

PageRec SamplePage(int n) {
  PageRec page;
  PageNew(page);
  page.title = "Title " + std::to_string(n);
  page.source = "src";
  page.zoom = 1.5f * float(n);
  page.panX = -3.25f;
  page.reserved50[57] = uint8_t(n);
  page.letterHeight = kUnsetOverride;  // a load turns a zero override into this
  page.objects = ByteArray::FromBytes("packed-steps-" + std::to_string(n));
  return page;
}

void ExpectSamePage(const PageRec& a, const PageRec& b) {
  EXPECT_EQ(a.flags, b.flags);
  EXPECT_EQ(PageFixedBytes(a), PageFixedBytes(b));
  EXPECT_EQ(PageTagsPack(a), PageTagsPack(b));
  EXPECT_EQ(a.objects.bytes, b.objects.bytes);
}

TEST_F(DrawingFileTest, SavedPagesLoadBackAndResavesAreStable) {
  struct Range { int16_t first, last; };
  for (const Range r : {Range{1, 1}, Range{1, 3}, Range{2, 3}}) {
    SCOPED_TRACE(std::to_string(r.first) + ".." + std::to_string(r.last));
    PageArray pages(4);
    for (int p = 1; p <= 3; ++p) pages[size_t(p)] = SamplePage(p);
    pages[1].pageCount = 3;
    const std::string path = folder.File("round.zef");
    ASSERT_EQ(FileSaveBin(pages, r.first, r.last, path), 0);
    PageArray loaded;
    ASSERT_EQ(FileLoadBin32Bit(loaded, path, 0), 0);
    const int count = r.last - r.first + 1;
    ASSERT_EQ(loaded.size(), size_t(count) + 1);
    EXPECT_EQ(loaded[1].pageCount, count);
    for (int k = 0; k < count; ++k) {
      PageRec expected = pages[size_t(r.first + k)];
      if (k == 0) expected.pageCount = int16_t(count);
      ExpectSamePage(loaded[size_t(k) + 1], expected);
    }
    // Saving what was loaded gives the same bytes: nothing lost, nothing grows.
    const auto first = ReadFileBytes(path);
    ASSERT_EQ(FileSaveBin(loaded, 1, int16_t(count), path), 0);
    EXPECT_EQ(ReadFileBytes(path), first);
    EXPECT_FALSE(std::filesystem::exists(DrawingBackupName(path)));
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(DrawingFileTest, FailedWriteKeepsOldFileAndBackup) {
  const std::string path = Write("keep.zef", "old drawing bytes");
  PageArray pages(2);
  pages[1] = SamplePage(1);
  SetDrawingFileWriter([](const std::string&, std::string_view) -> int16_t { return 61; });
  EXPECT_EQ(FileSaveBin(pages, 1, 1, path), 61);
  SetDrawingFileWriter({});
  EXPECT_EQ(ReadFileBytes(path), "old drawing bytes");
  EXPECT_EQ(DrawingBackupName(path), folder.File("keep{BAK}.zef"));
  EXPECT_EQ(ReadFileBytes(DrawingBackupName(path)), "old drawing bytes");
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text.rfind("FileSaveBin. Disk Full, * " + path + " * Not Saved.", 0), 0u);

  // Pages outside the array: error 9, nothing written.
  boxes.Clear();
  EXPECT_EQ(FileSaveBin(pages, 1, 2, folder.File("none.zef")), 9);
  EXPECT_FALSE(std::filesystem::exists(folder.File("none.zef")));
  EXPECT_EQ(boxes.count(), 1u);

  // A name without extension gets its backup beside it; an empty file gets none.
  EXPECT_EQ(DrawingBackupName("/d/plain"), "/d/plain{BAK}.zef");
  const std::string empty = Write("empty.zef", "");
  ASSERT_EQ(FileSaveBin(pages, 1, 1, empty), 0);
  EXPECT_FALSE(std::filesystem::exists(DrawingBackupName(empty)));
}

// Sparse files of 1 GiB: without the magic line refused from their first bytes, with it
// refused by their size; nothing is read whole and the file stays as it was.
TEST_F(DrawingFileTest, HugeFilesAreRefusedBeforeTheyAreRead) {
  struct Case {
    const char* what;
    std::string head;
    int16_t result;
    std::string text;
  } cases[] = {
      {"no magic", std::string(40, 'x'), -2,
       "Error in FileLoadBin32Bit: NOT Proper file (no ZEF1621DRW header) [{}]"},
      {"a drawing with 1 GiB appended", DrawingFile(Page("OBJECTS-ONE")), -1,
       "The drawing file [{}] is larger than 64 MB, more than any drawing holds; it is not "
       "loaded."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    boxes.Clear();
    const std::string path = Write("huge.zef", c.head);
    std::filesystem::resize_file(path, std::uintmax_t{1} << 30);
    PageArray pages;
    EXPECT_EQ(FileLoadBin32Bit(pages, path, 0), c.result);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, Named(c.text, path));
    EXPECT_EQ(boxes.last().title, "ZEF File Load");
    EXPECT_EQ(std::filesystem::file_size(path), std::uintmax_t{1} << 30);
  }
  // The largest drawing file that is still read.
  const std::string path = Write("large.zef", DrawingFile(Page("OBJECTS-ONE")));
  std::filesystem::resize_file(path, kMaxDrawingFileBytes);
  boxes.Clear();
  PageArray pages;
  EXPECT_EQ(FileLoadBin32Bit(pages, path, 0), 0);
  EXPECT_TRUE(boxes.empty());
}

// The save's own failures map to the runtime's numbers: a folder that does not exist is 76,
// a file nobody may write (mode 444, the superuser included) is 70; the file stays as it was.
TEST_F(DrawingFileTest, WriteFailuresGiveTheRuntimesErrors) {
  PageArray pages(2);
  pages[1] = SamplePage(1);
  const std::string missing = folder.File("no such folder/d.zef");
  const std::string locked = Write("locked.zef", "old drawing bytes");
  std::filesystem::permissions(locked, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
  struct Case {
    std::string path;
    int16_t error;
    std::string text;
  } cases[] = {
      {missing, 76, "FileSaveBin. FileSpec * " + missing + " * Contains a Path Error."},
      {locked, 70, "FileSaveBin. Permission Denied. Write Protected disk?  File already Open?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    boxes.Clear();
    EXPECT_EQ(FileSaveBin(pages, 1, 1, c.path), c.error);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text.rfind(c.text, 0), 0u) << boxes.last().text;
  }
  EXPECT_FALSE(std::filesystem::exists(folder.File("no such folder")));
  EXPECT_EQ(ReadFileBytes(locked), "old drawing bytes");
}

TEST(PageRecord, NewPageBytesRunThreeFiveTwelveThenEnd) {
  PageRec page;
  PageNew(page);
  ByteArray bytes;
  PageToBytes(page, bytes);
  const auto at = [&](std::size_t i) {
    int32_t v;
    std::memcpy(&v, bytes.bytes.data() + i, 4);
    return v;
  };
  ASSERT_EQ(at(0), 3);
  EXPECT_EQ(at(4), 108);
  ASSERT_EQ(at(116), 5);
  const std::string tags(bytes.bytes.begin() + 124, bytes.bytes.begin() + 124 + at(120));
  EXPECT_NE(tags.find("<$page-pgposit>"), std::string::npos);
  EXPECT_NE(tags.find("<$HTML></$HTML>"), std::string::npos);
  const std::size_t objects = 124 + tags.size();
  EXPECT_EQ(at(objects), 12);
  EXPECT_EQ(size_t(at(objects + 4)), page.objects.size());
  EXPECT_EQ(at(bytes.size() - 4), 1000);
  EXPECT_EQ(page.lineLength, kUnsetOverride);
  EXPECT_EQ(page.pageCount, 1);
}

}  // namespace
