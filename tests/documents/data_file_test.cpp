#include "documents/data_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "documents/data_file_format.h"
#include "documents/file_location.h"
#include "documents/file_startup.h"
#include "tests/documents/test_files.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/msgbox_recorder.h"

namespace {

using ::testing::StartsWith;

class DataFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }
  void TearDown() override { ResetProcessState(); }

  // Writes a container and makes it the program's data file.
  std::string Install(const std::string& bytes) {
    const std::string path = WriteTestFile(dir_.File("KAVO71.dat"), bytes);
    FileLocation[kLocDataFile] = path;
    return path;
  }

  ScratchFolder dir_;
  MsgBoxRecorder boxes_;
};

TEST_F(DataFileTest, EntriesComeBackByteForByte) {
  std::string widths(722, '\0');
  for (std::size_t i = 0; i < widths.size(); i += 2) widths[i] = static_cast<char>(i % 251);
  const std::string symbol("\x07\x00" "AB\0C", 6);
  const std::string path = Install(*datafile::Build({{1, symbol}, {371, widths}, {374, "%!PS"}}, ""));

  EXPECT_EQ(FileDataRetrieve(1), symbol);
  EXPECT_EQ(FileDataRetrieve(371), widths);
  EXPECT_EQ(FileDataRetrieve(374), "%!PS");
  EXPECT_EQ(FileDataRetrieve(2), "");    // offset 0: absent
  EXPECT_EQ(FileDataRetrieve(500), "");  // beyond the table
  // Read once: the entries are served from memory afterwards.
  std::filesystem::remove(path);
  EXPECT_EQ(FileDataRetrieve(374), "%!PS");
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(DataFileTest, EntryZeroNeverTouchesTheFile) {
  FileLocation[kLocDataFile] = dir_.File("missing.dat");
  EXPECT_EQ(FileDataRetrieve(0), "");
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(DataFileTest, FailuresAreReportedAndGiveEmptyText) {
  std::string bytes = *datafile::Build({{1, "hello"}}, "");
  // Entry 1 claims a length far beyond the end of the file.
  bytes.replace(64 + 4 * 374, 4, std::string("\xFF\xFF\x00\x00", 4));
  Install(bytes);
  struct Case {
    int16_t n;
    std::string start;
  };
  const Case cases[] = {
      {1, "Error During Data retrieval. Num: 1 BB:   1560; Input Past End of File. File May be Damaged."},
      {9000, "Error During Data retrieval. Num: 9000 BB:   0; "},
      {-3, "Error During Data retrieval. Num:-3 BB:   0; "},
  };
  for (const Case& c : cases) {
    boxes_.Clear();
    EXPECT_EQ(FileDataRetrieve(c.n), "") << c.n;
    ASSERT_EQ(boxes_.count(), 1u) << c.n;
    EXPECT_THAT(boxes_.last().text, StartsWith(c.start));
  }
  // A missing data file is reported with its path.
  DataFileReset();
  const std::string missing = dir_.File("gone.dat");
  FileLocation[kLocDataFile] = missing;
  boxes_.Clear();
  EXPECT_EQ(FileDataRetrieve(5), "");
  ASSERT_EQ(boxes_.count(), 1u);
  EXPECT_THAT(boxes_.last().text,
              StartsWith("Error During Data retrieval. Num: 5 BB:   0; File * " + missing + " * not found."));
}

}  // namespace
