#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/atomic_file_seam.h"
#include "platform/paths.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  return names;
}

// The id of a process that has ended (a child that exited and was waited for).
pid_t DeadPid() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
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

// The new file must carry the old one's permissions: a save that cannot set them fails and
// keeps the old file, except where the file system keeps no permissions at all.
TEST(AtomicFile, PermissionsThatCannotBeSetFailTheSaveUnlessTheFileSystemKeepsNone) {
  const struct {
    int err;
    bool saved;
  } cases[] = {{EIO, false}, {EROFS, false}, {EPERM, true}, {EOPNOTSUPP, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.err);
    ScratchFolder dir;
    const std::string path = dir.File("a.sim");
    ASSERT_TRUE(WriteFileAtomic(path, "old"));
    AtomicWriteChmodErrorForTests(c.err);
    std::string error;
    const bool ok = WriteFileAtomic(path, "new", &error);
    AtomicWriteChmodErrorForTests(0);
    EXPECT_EQ(ok, c.saved) << error;
    EXPECT_EQ(ReadFileBytes(path), c.saved ? "new" : "old");
    if (c.saved) EXPECT_EQ(error, "");
    else EXPECT_EQ(error.rfind("Cannot set the permissions of " + path + ": ", 0), 0u) << error;
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"a.sim"});
  }
}

// A file that nobody may write (no write bit) is not replaced, whoever runs the save, the
// superuser too: a rename in a writable folder would otherwise go round the protection.
TEST(AtomicFile, WriteProtectedFilesAreNotReplaced) {
  ScratchFolder dir;
  const struct {
    mode_t mode;
    bool saved;
  } cases[] = {{0444, false}, {0400, false}, {0555, false}, {0644, true}, {0200, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    const std::string path = dir.File("group.sim");
    fs::remove(path);
    Put(path, "old");
    ASSERT_EQ(chmod(path.c_str(), c.mode), 0);
    std::string error;
    errno = 0;
    EXPECT_EQ(WriteFileAtomic(path, "new", &error), c.saved) << error;
    EXPECT_EQ(FileWriteProtected(path), !c.saved);
    EXPECT_EQ(ModeOf(path), c.mode);
    chmod(path.c_str(), 0644);
    EXPECT_EQ(ReadFileBytes(path), c.saved ? "new" : "old");
    if (!c.saved) {
      EXPECT_EQ(errno, EACCES);
      EXPECT_NE(error.find("write-protected"), std::string::npos) << error;
    }
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"group.sim"});
  }
  // The protection of a link's target counts.
  const std::string target = dir.File("group.sim");
  ASSERT_EQ(chmod(target.c_str(), 0444), 0);
  fs::create_symlink(target, dir.File("link.sim"));
  EXPECT_FALSE(WriteFileAtomic(dir.File("link.sim"), "new"));
  EXPECT_TRUE(fs::is_symlink(dir.File("link.sim")));
  EXPECT_FALSE(FileWriteProtected(dir.File("none.sim")));
}

// Readers look at the size first: a file beyond the limit is refused before anything is read
// (a sparse file of 1 GiB takes no time), one at the limit is read whole.
TEST(AtomicFile, ReadsAreBoundedAndTheHeadComesAlone) {
  ScratchFolder dir;
  const std::string huge = dir.File("huge.zef");
  {
    std::ofstream out(huge, std::ios::binary);
    out << "ZEF1621DRW\r\n";
  }
  fs::resize_file(huge, std::uintmax_t{1} << 30);
  bool tooLarge = false;
  EXPECT_EQ(ReadFileBytes(huge, kDefaultReadLimit, &tooLarge), std::nullopt);
  EXPECT_TRUE(tooLarge);
  EXPECT_EQ(ReadFileBytes(huge), std::nullopt);
  uint64_t size = 0;
  EXPECT_EQ(ReadFileHead(huge, 12, &size), "ZEF1621DRW\r\n");
  EXPECT_EQ(size, std::uint64_t{1} << 30);
  EXPECT_EQ(fs::file_size(huge), std::uintmax_t{1} << 30) << "reading changes nothing";

  const std::string small = dir.File("small.bin");
  Put(small, "12345");
  const struct {
    std::size_t limit;
    std::optional<std::string> read;
    bool tooLarge;
  } cases[] = {{5, "12345", false}, {4, std::nullopt, true}, {0, std::nullopt, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.limit);
    tooLarge = !c.tooLarge;
    EXPECT_EQ(ReadFileBytes(small, c.limit, &tooLarge), c.read);
    EXPECT_EQ(tooLarge, c.tooLarge);
  }
  EXPECT_EQ(ReadFileHead(small, 3), "123");
  EXPECT_EQ(ReadFileHead(small, 12), "12345");
  tooLarge = true;
  EXPECT_EQ(ReadFileBytes(dir.File("none"), 10, &tooLarge), std::nullopt);
  EXPECT_FALSE(tooLarge);
  EXPECT_EQ(ReadFileHead(dir.File("none"), 10), std::nullopt);
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

TEST(AtomicFile, WritesThroughLinksKeepingThem) {
  struct Case {
    const char* what;
    std::vector<std::pair<const char*, const char*>> links;  // link name -> what it names
    const char* written;                                     // where the bytes must land
  };
  const Case cases[] = {
      {"link to a file", {{"l", "f"}}, "f"},
      {"dangling link", {{"l", "new.ini"}}, "new.ini"},
      {"dangling link into a subfolder", {{"l", "sub/new.ini"}}, "sub/new.ini"},
      {"chain of links ending nowhere", {{"l", "m"}, {"m", "sub/end.ini"}}, "sub/end.ini"},
      {"link from a subfolder, relative to it", {{"sub/l", "../f"}}, "f"},
  };
  for (const Case& c : cases) {
    ScratchFolder dir;
    ASSERT_TRUE(EnsureDirectory(dir.File("sub")));
    Put(dir.File("f"), "old");
    for (const auto& [link, names] : c.links) fs::create_symlink(names, dir.File(link));
    const std::string link = dir.File(c.links.front().first);
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(link, "new", &error)) << c.what << ": " << error;
    for (const auto& [name, names] : c.links) {
      EXPECT_TRUE(fs::is_symlink(dir.File(name))) << c.what;
      EXPECT_EQ(fs::read_symlink(dir.File(name)), names) << c.what;
    }
    EXPECT_EQ(ReadFileBytes(dir.File(c.written)), "new") << c.what;
    EXPECT_EQ(ReadFileBytes(link), "new") << c.what;
    if (std::string(c.written) != "f") {
      EXPECT_EQ(ReadFileBytes(dir.File("f")), "old") << c.what;
    }
  }
}

TEST(AtomicFile, LinkCycleIsRefusedAndChangesNothing) {
  ScratchFolder dir;
  fs::create_symlink("b", dir.File("a"));
  fs::create_symlink("a", dir.File("b"));
  std::string error;
  EXPECT_FALSE(WriteFileAtomic(dir.File("a"), "x", &error));
  EXPECT_NE(error.find(dir.File("a")), std::string::npos) << error;
  std::vector<std::string> names = Names(dir.path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(fs::is_symlink(dir.File("a")));
}

TEST(AtomicFile, LongestFileNameIsSaved) {
  ScratchFolder dir;
  const std::string name(255, 'n');
  ASSERT_TRUE(WriteFileAtomic(dir.File(name), "x"));
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{name});
}

TEST(AtomicFile, SaveRemovesOnlyTheTemporaryFilesOfDeadSavesOfItsTarget) {
  ScratchFolder dir;
  const std::string dead = std::to_string(DeadPid());
  const std::string alive = std::to_string(getppid());
  std::vector<std::string> kept = {
      ".group.sim.kavo71-save." + alive + ".aB3xYz",  // its process still runs
      ".other.sim.kavo71-save." + dead + ".aB3xYz",   // another target's
      ".group.sim.kavo71-save." + dead + ".aB3x",     // not a name we make
      ".group.sim.kavo71-save." + dead + "x.aB3xYz",
      ".group.sim.tmpaB3xYz",                         // not ours
      "group.sim.kavo71-save." + dead + ".aB3xYz",
  };
  // Enough other files that the folder is listed in several parts.
  for (int i = 0; i < 400; ++i) kept.push_back("filler-" + std::to_string(i) + std::string(40, 'f'));
  for (const std::string& name : kept) Put(dir.File(name), "keep");
  for (const char* random : {"aB3xYz", "000000", "zzzzzz", "Q1w2E3", "pLmKoN"})
    Put(dir.File(".group.sim.kavo71-save." + dead + "." + random), "left by a killed save");
  const std::string folderLike = ".group.sim.kavo71-save." + dead + ".folder";
  const std::string linkLike = ".group.sim.kavo71-save." + dead + ".linkxx";
  ASSERT_TRUE(EnsureDirectory(dir.File(folderLike)));
  fs::create_symlink(kept.front(), dir.File(linkLike));

  ASSERT_TRUE(WriteFileAtomic(dir.File("group.sim"), "new"));
  std::vector<std::string> expected = kept;
  expected.insert(expected.end(), {"group.sim", folderLike, linkLike});
  std::sort(expected.begin(), expected.end());
  std::vector<std::string> names = Names(dir.path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, expected);
}

// A child saves a 3 MB file again and again and is killed with SIGKILL at a random moment. The
// target must always hold one complete version, and the next normal save must tidy up.
TEST(AtomicFile, SaveKilledMidwayLeavesOldOrNewAndTheNextSaveTidiesUp) {
  ScratchFolder dir;
  const std::string path = dir.File("big.sim");
  const std::size_t size = 3u << 20;
  const std::string versions[] = {std::string(size, 'o'), std::string(size, 'a'),
                                  std::string(size, 'b')};
  ASSERT_TRUE(WriteFileAtomic(path, versions[0]));
  std::mt19937 rng(71);
  std::size_t leftBehind = 0;
  for (int round = 0; round < 25; ++round) {
    int started[2];
    ASSERT_EQ(pipe(started), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(started[0]);
      if (write(started[1], "s", 1) != 1) _exit(1);
      for (int v = 1;; v = 3 - v) WriteFileAtomic(path, versions[v]);
    }
    close(started[1]);
    char byte;
    const bool running = read(started[0], &byte, 1) == 1;
    close(started[0]);
    usleep(static_cast<useconds_t>(rng() % 30000));
    kill(child, SIGKILL);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    ASSERT_TRUE(running);
    const std::optional<std::string> bytes = ReadFileBytes(path);
    ASSERT_TRUE(bytes == versions[0] || bytes == versions[1] || bytes == versions[2])
        << "round " << round << ": " << (bytes ? bytes->size() : 0) << " bytes";
    leftBehind += Names(dir.path()).size() - 1;
  }
  EXPECT_GT(leftBehind, 0u) << "no kill landed inside a save: the test shows nothing";
  ASSERT_TRUE(WriteFileAtomic(path, "final"));
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"big.sim"});
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
