#include "documents/file_location.h"

#include <gtest/gtest.h>

#include <string>

#include "documents/file_dialog.h"
#include "documents/file_startup.h"
#include "drawlib/device/draw_options.h"
#include "tests/support/process_state.h"

namespace {

class FileLocationTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }
  void TearDown() override {
    SetFileDialogService(nullptr);
    ResetProcessState();
  }
};

TEST_F(FileLocationTest, SetIndexesAreNotGetIndexes) {
  EXPECT_EQ(FileLocationSet("/home/u/plots/a.zef", 2), 2);
  EXPECT_EQ(FileLocationGet(4), "/home/u/plots/a.zef");
  FileLocationSet("/home/u/spectra", 6);
  FileLocationSet("/home/u/out.gif", 9);
  FileLocationSet("/home/u/drawings/", 1);
  EXPECT_EQ(FileLocationGet(6), "/home/u/spectra");
  EXPECT_EQ(FileLocationGet(9), "/home/u/out.gif");
  EXPECT_EQ(FileLocationGet(1), "");  // slot 1 read is the drawing's name, not the folder
  EXPECT_EQ(FileDrawingsFolder, "/home/u/drawings/");
  for (int16_t i : {0, 3, 4, 5, 7, 8, 10, -1}) FileLocationSet("/changed", i);
  for (int16_t i : {1, 2, 3, 5, 7, 8}) EXPECT_EQ(FileLocationGet(i), "") << i;
  for (int16_t i : {0, 10, -1, 32767}) EXPECT_EQ(FileLocationGet(i), "") << i;
}

TEST_F(FileLocationTest, TemFixIsStoredAndReturned) {
  EXPECT_EQ(FileLocationSet("|GetTemFix|", 99), 0);
  FileLocationSet("|SetTemFix|", 7);
  EXPECT_EQ(FileLocationSet("|GetTemFix|", 0), 7);
  EXPECT_EQ(FileLocationGet(4), "");  // the markers are not paths
}

TEST_F(FileLocationTest, StateValue) {
  EXPECT_EQ(FileStateValue(5), 0);
  EXPECT_NE(DrawOptions & 0x40000u, 0u);
  EXPECT_EQ(FileStateValue(-1), 5);
  EXPECT_EQ(FileStateValue(-1), 5);
  EXPECT_EQ(FileStateValue(0), 0);
  EXPECT_EQ(FileStateValue(-1), 0);
}

class RecordingDialog : public FileDialogService {
 public:
  std::string Show(const FileDialogRequest& r) override {
    last = r;
    ++calls;
    return answer;
  }
  FileDialogRequest last;
  int calls = 0;
  std::string answer = "/home/u/a.zef";
};

TEST_F(FileLocationTest, FileDialogPassesItsRequestAndAnswersCancelWithoutService) {
  EXPECT_EQ(FileDialog("Open", "a.zef", "/home/u", "Drawings|*.zef", 3, 1), "");
  RecordingDialog dialog;
  SetFileDialogService(&dialog);
  EXPECT_EQ(FileDialog("Save Drawing", "a.zef", "/home/u", "Drawings (*.zef)|*.zef", 0x7FFF, 34),
            "/home/u/a.zef");
  EXPECT_EQ(dialog.last.title, "Save Drawing");
  EXPECT_EQ(dialog.last.fileName, "a.zef");
  EXPECT_EQ(dialog.last.folder, "/home/u");
  EXPECT_EQ(dialog.last.filter, "Drawings (*.zef)|*.zef");
  EXPECT_EQ(dialog.last.flags, 3);
  EXPECT_FALSE(dialog.last.open);
  FileDialog("Open", "", "", "", 0, 1);
  EXPECT_TRUE(dialog.last.open);
  dialog.answer = "";
  EXPECT_EQ(FileDialog("Open", "", "", "", 0, 1), "");  // cancelled
  DrawOptions |= 0x2000;
  const int before = dialog.calls;
  EXPECT_EQ(FileDialog("Open", "", "", "", 0, 1), "");
  EXPECT_EQ(dialog.calls, before);
}

}  // namespace
