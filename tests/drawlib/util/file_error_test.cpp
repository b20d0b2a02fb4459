#include "drawlib/util/file_error.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <fstream>

#include "drawlib/util/error_location.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/msgbox_recorder.h"

TEST(FileErrorMsg, MessagesByErrorNumber) {
  struct Case { int16_t error; const char* message; };
  for (const Case& c : {
           Case{14, "Out of Memory for Strings."},
           Case{53, "File * f.sim * not found."},
           Case{55, "File * f.sim * Already Open."},
           Case{58, "File * f.sim * Already Exists."},
           Case{61, "Disk Full, * f.sim * Not Saved."},
           Case{62, "Input Past End of File. File May be Damaged."},
           Case{64, "f.sim * is not a proper FileName. Use Correct name."},
           Case{70, "Permission Denied. Write Protected disk?  File already Open?"},
           Case{71, "Disk not Ready."},
           Case{74, "Cannot rename across drives."},
           Case{75, "FileSpec * f.sim * Contains a Path Error."},
           Case{76, "FileSpec * f.sim * Contains a Path Error."},
           Case{57, "Device I/O error  Error No. 57"},
       }) {
    MsgBoxRecorder log;
    std::string message;
    int16_t show = 0;
    FileErrorMsg(c.error, "L. ", message, "f.sim", show);
    EXPECT_EQ(message, c.message) << c.error;
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(show, 0);
  }
  std::string message;
  int16_t show = 0;
  FileErrorMsg(-3, "L. ", message, "", show, "Custom");
  EXPECT_EQ(message, "Custom  Error No.-3");
}

TEST(FileErrorMsg, ShowsWithLocationAndReturnsTheAnswer) {
  MsgBoxRecorder log;
  ErrorLocation = 4041;
  std::string message;
  int16_t show = 1;
  FileErrorMsg(53, "CtrlMenuToINI. ", message, "f", show);
  ASSERT_EQ(log.count(), 1u);
  EXPECT_EQ(log.boxes()[0].text, "CtrlMenuToINI. File * f * not found. [Error Location:  4041]");
  EXPECT_EQ(log.boxes()[0].style, vbOKCancel + vbExclamation);
  EXPECT_EQ(show, -1);

  log.Answer(vbCancel);
  show = 3;
  FileErrorMsg(70, "X. ", message, "f", show);
  EXPECT_EQ(show, 0);

  // Error numbers 0 and 1 are never shown.
  for (int16_t e : {0, 1}) {
    show = 1;
    FileErrorMsg(e, "X. ", message, "f", show);
    EXPECT_EQ(show, 1);
  }
  EXPECT_EQ(log.count(), 2u);
  ErrorLocation = 0;
}

TEST(AskOK, TrueForOKAndYes) {
  MsgBoxRecorder log;
  struct Case { int answer; bool ok; };
  for (const Case& c : {Case{vbOK, true}, Case{vbYes, true}, Case{vbNo, false}, Case{vbCancel, false}}) {
    log.Answer(c.answer);
    EXPECT_EQ(AskOK("Go?", vbYesNo), c.ok);
  }
  EXPECT_EQ(log.last().style, vbYesNo);
}

// Why a save failed, in the runtime's numbers, from the state of the folder and the file.
TEST(SaveErrorNumber, FolderAndFileStateGiveTheRuntimesError) {
  ScratchFolder folder;
  const std::string plain = folder.File("plain.txt");
  std::ofstream(plain) << "x";
  const std::string locked = folder.File("locked.zef");
  std::ofstream(locked) << "x";
  ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
  struct Case {
    const char* what;
    std::string path;
    int err;
    int16_t error;
  } cases[] = {
      {"folder missing", folder.File("none/a.zef"), ENOENT, 76},
      {"folder missing, deeper", folder.File("none/deeper/a.zef"), 0, 76},
      {"a file where the folder should be", plain + "/a.zef", ENOTDIR, 76},
      {"write-protected file", locked, EACCES, 70},
      {"write-protected file, reason unknown", locked, 0, 70},
      {"refused by the system", folder.File("a.zef"), EROFS, 70},
      {"disk full", folder.File("a.zef"), ENOSPC, 61},
      {"anything else", folder.File("a.zef"), EIO, 75},
  };
  for (const Case& c : cases) EXPECT_EQ(SaveErrorNumber(c.path, c.err), c.error) << c.what;
  EXPECT_EQ(RuntimeErrorDescription(76), "Path not found");
  EXPECT_EQ(RuntimeErrorDescription(70), "Permission denied");
}
