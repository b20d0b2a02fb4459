#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  return names;
}

mode_t ModeOf(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

}  // namespace

TEST(AtomicFile, WritesAndReplacesLeavingNoTemporaryFile) {
  ScratchFolder dir;
  std::string path = dir.File("group.sim");
  const std::string bytes("[A]\r\nk=\xe9\0x\r\n", 12);
  std::string error = "stale";
  ASSERT_TRUE(WriteFileAtomic(path, bytes, &error));
  EXPECT_EQ(error, "");
  EXPECT_EQ(ReadFileBytes(path), bytes);
  ASSERT_TRUE(WriteFileAtomic(path, "short"));
  EXPECT_EQ(ReadFileBytes(path), "short");
  ASSERT_TRUE(WriteFileAtomic(path, ""));
  EXPECT_EQ(ReadFileBytes(path), "");
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"group.sim"});
}

TEST(AtomicFile, RefusedTargetsAreReportedAndNothingChanges) {
  ScratchFolder dir;
  ASSERT_TRUE(EnsureDirectory(dir.File("sub")));
  std::string error;
  EXPECT_FALSE(WriteFileAtomic(dir.File("missing/x.ini"), "x", &error));
  EXPECT_NE(error.find("missing/x.ini"), std::string::npos) << error;
  error.clear();
  EXPECT_FALSE(WriteFileAtomic(dir.File("sub"), "x", &error));  // a folder is not replaced
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(PathIsDirectory(dir.File("sub")));
  EXPECT_FALSE(WriteFileAtomic("", "x", &error));
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"sub"});
}

TEST(AtomicFile, FailedWriteLeavesTheOldFileUntouched) {
  ScratchFolder dir;
  std::string path = dir.File("KAVO71.ini");
  ASSERT_TRUE(WriteFileAtomic(path, "old contents"));
  // A child process whose file-size limit stops the write half-way (EFBIG).
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::string error;
    bool ok = WriteFileAtomic(path, std::string(100000, 'n'), &error);
    _exit(ok ? 1 : error.find("Cannot write") == std::string::npos ? 2 : 0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the write claimed success, 2: no clear reason";
  EXPECT_EQ(ReadFileBytes(path), "old contents");
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"KAVO71.ini"});
}

TEST(AtomicFile, KeepsPermissionsAndSymbolicLinks) {
  ScratchFolder dir;
  std::string path = dir.File("a.ini");
  ASSERT_TRUE(WriteFileAtomic(path, "1"));
  mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(ModeOf(path), 0666 & ~mask);
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(WriteFileAtomic(path, "2"));
  EXPECT_EQ(ModeOf(path), 0640u);

  fs::create_symlink(path, dir.File("link.ini"));
  ASSERT_TRUE(WriteFileAtomic(dir.File("link.ini"), "3"));
  EXPECT_TRUE(fs::is_symlink(dir.File("link.ini")));
  EXPECT_EQ(ReadFileBytes(path), "3");
}

TEST(AtomicFile, ReadingNeverCreatesAndOnlyReadsRegularFiles) {
  ScratchFolder dir;
  EXPECT_EQ(ReadFileBytes(dir.File("none.ini")), std::nullopt);
  EXPECT_FALSE(PathExists(dir.File("none.ini")));
  EXPECT_EQ(ReadFileBytes(dir.path()), std::nullopt);
  ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
  EXPECT_EQ(ReadFileBytes(dir.File("pipe")), std::nullopt);  // returns at once, no hang
  std::string big(300000, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  ASSERT_TRUE(WriteFileAtomic(dir.File("big.bin"), big));
  EXPECT_EQ(ReadFileBytes(dir.File("big.bin")), big);
}

// Native paths are the file system's bytes; program paths are Windows-1252 and get converted.
TEST(AtomicFile, NativePathsArePassedOnUnchanged) {
  ScratchFolder dir;
  const std::string utf8 = dir.File("\xc3\xa9.gif");  // "é" in UTF-8
  ASSERT_TRUE(WriteNativeFileAtomic(utf8, "native"));
  ASSERT_TRUE(WriteFileAtomic(utf8, "program"));  // the same bytes read as "Ã©"
  EXPECT_EQ(ReadNativeFileBytes(utf8), "native");
  EXPECT_EQ(ReadFileBytes(utf8), "program");
  std::vector<std::string> names = Names(dir.path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"\xc3\x83\xc2\xa9.gif", "\xc3\xa9.gif"}));
  std::string error;
  EXPECT_FALSE(WriteNativeFileAtomic(dir.path(), "x", &error));
  EXPECT_NE(error, "");
}
