// Two instances saving into one group at once, and group files that must not be touched: one
// far too large to be a group, one the user may not write.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "documents/drawing_file.h"
#include "groups/group_file.h"
#include "groups/item_drawing.h"
#include "platform/folder_lock.h"
#include "platform/profile.h"
#include "platform/runtime_numbers.h"
#include "tests/groups/groups_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string Label(int16_t item, int round) {
  return "item" + Str(item) + " round" + Str(static_cast<int16_t>(round));
}

constexpr int kRounds = 20;
constexpr int16_t kItemsEach = 12;

class GroupSharingTest : public GroupsTest {
 protected:
  std::string Path() const { return folder.File("Shared.sim"); }
  std::string Zef() const { return folder.File("Shared.zef"); }

  // One instance: items first..first+11, every round, each saved as the window saves it (the
  // item, then its drawing page, under one hold of the lock). Exit status 0 when every save
  // reported success.
  [[noreturn]] static void Saver(const std::string& path, int16_t first, int startSignal) {
    char go = 0;
    if (::read(startSignal, &go, 1) != 1) _exit(3);
    bool allSaved = true;
    for (int round = 0; round < kRounds; ++round) {
      for (int16_t i = first; i < first + kItemsEach; ++i) {
        const std::string label = Label(i, round);
        SimItem item = AbItem(label);
        const FolderLock hold(path);
        const bool saved =
            SimItemSave(item, i, path, true) && SaveItemDrawing(i, path, [&](PageRec& page) {
              PageNew(page);
              page.title = label;
            });
        allSaved = allSaved && saved;
      }
    }
    _exit(allSaved ? 0 : 1);
  }
};

// Every save that both instances reported is in the group afterwards, and the drawing holds
// the page of each item's last save.
TEST_F(GroupSharingTest, TwoInstancesSavingIntoOneGroupLoseNothing) {
  int start[2];
  ASSERT_EQ(::pipe(start), 0);
  pid_t savers[2];
  for (int s = 0; s < 2; ++s) {
    savers[s] = ::fork();
    ASSERT_GE(savers[s], 0);
    if (savers[s] == 0) {
      ::close(start[1]);
      Saver(Path(), static_cast<int16_t>(s * kItemsEach), start[0]);
    }
  }
  ::close(start[0]);
  // Both start together.
  ASSERT_EQ(::write(start[1], "gg", 2), 2);
  ::close(start[1]);
  for (pid_t saver : savers) {
    int status = 0;
    ASSERT_EQ(::waitpid(saver, &status, 0), saver);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "a save reported a failure";
  }

  PageArray pages(2);
  ASSERT_EQ(FileLoadBin32Bit(pages, Zef(), 0), 0);
  ASSERT_EQ(pages[1].pageCount, 2 * kItemsEach);
  for (int16_t i = 0; i < 2 * kItemsEach; ++i) {
    SCOPED_TRACE(i);
    SimItem item;
    ASSERT_TRUE(SimItemRestore(item, i, Path(), false));
    EXPECT_EQ(item.Name, Label(i, kRounds - 1));
    ASSERT_LT(static_cast<size_t>(i + 1), pages.size());
    EXPECT_EQ(pages[static_cast<size_t>(i + 1)].title, Label(i, kRounds - 1));
  }
  EXPECT_TRUE(boxes.empty());
}

// A group file far larger than any group reads as unreadable with a clear message, and neither
// an item save nor a new header is written over it.
TEST_F(GroupSharingTest, AFarTooLargeGroupFileIsRefusedAndLeftAlone) {
  WriteAll(Path(), "[Simulation Group]\r\nTitle=big\r\n");
  fs::resize_file(Path(), std::uintmax_t{1} << 30);
  SimItem item;
  EXPECT_FALSE(SimItemRestore(item, 0, Path(), true));
  EXPECT_EQ(item.Type, "-1");
  EXPECT_FALSE(IsReadableGroupFile(Path()));
  EXPECT_EQ(UnreadableGroupText(Path()), profile::TooLargeText(Path()));
  std::string error;
  EXPECT_FALSE(SimItemSave(AbItem("x"), 0, Path(), true, &error));
  EXPECT_EQ(error, profile::TooLargeText(Path()));
  EXPECT_FALSE(WriteNewGroupFile(Path()));
  EXPECT_EQ(fs::file_size(Path()), std::uintmax_t{1} << 30);
}

// A group file and a drawing file that nobody may write (mode 444, in a writable folder) stay
// as they were; the save says so. This holds for the superuser too.
TEST_F(GroupSharingTest, WriteProtectedGroupFilesAreNotReplaced) {
  ASSERT_TRUE(SimItemSave(AbItem("first"), 0, Path(), true));
  ASSERT_TRUE(SaveItemDrawing(0, Path(), [](PageRec& page) { page.title = "first"; }));
  const std::string sim = ReadAll(Path()), zef = ReadAll(Zef());
  ASSERT_EQ(::chmod(Path().c_str(), 0444), 0);
  ASSERT_EQ(::chmod(Zef().c_str(), 0444), 0);
  std::string error;
  EXPECT_FALSE(SimItemSave(AbItem("second"), 1, Path(), true, &error));
  EXPECT_NE(error.find("write-protected"), std::string::npos) << error;
  EXPECT_EQ(GroupSaveFailedText(Path(), error),
            "The simulation group file [" + Path() + "] could not be saved: The file " + Path() +
                " is write-protected.");
  boxes.Clear();
  boxes.Answer(vbOK);
  EXPECT_FALSE(SaveItemDrawing(1, Path(), [](PageRec& page) { page.title = "second"; }));
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text.rfind(
                "FileSaveBin. Permission Denied. Write Protected disk?  File already Open?", 0),
            0u)
      << boxes.last().text;
  EXPECT_EQ(ReadAll(Path()), sim);
  EXPECT_EQ(ReadAll(Zef()), zef);
  ::chmod(Path().c_str(), 0644);
  ::chmod(Zef().c_str(), 0644);
}

}  // namespace
