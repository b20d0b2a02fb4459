#include "platform/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

// Sets or clears an environment variable for one scope.
class EnvVar {
 public:
  EnvVar(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~EnvVar() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Restores the real program folder at the end of a scope.
struct ProgramFolderOverride {
  explicit ProgramFolderOverride(const std::string& f) { SetProgramFolderForTests(f); }
  ~ProgramFolderOverride() { SetProgramFolderForTests(""); }
};

}  // namespace

TEST(Paths, SplitAtSlashAndBackslash) {
  struct Case { const char* path; const char* folder; const char* file; };
  const std::vector<Case> cases = {
      {"/a/b.txt", "/a", "b.txt"},
      {"/b.txt", "/", "b.txt"},
      {"b.txt", "", "b.txt"},
      {"", "", ""},
      {"dir/", "dir", ""},
      {"/home/u/.config/x/grp", "/home/u/.config/x", "grp"},
      {"C:\\data\\group.sim", "C:\\data", "group.sim"},
      {"C:\\group.sim", "C:\\", "group.sim"},
      {"a/b\\c.sim", "a/b", "c.sim"},
  };
  for (const auto& c : cases) {
    std::string folder = "x", file = "x";
    PathSplit(c.path, folder, file);
    EXPECT_EQ(folder, c.folder) << c.path;
    EXPECT_EQ(file, c.file) << c.path;
    EXPECT_EQ(PathFileName(c.path), c.file) << c.path;
  }
}

TEST(Paths, JoinAddsOneSeparator) {
  struct Case { const char* folder; const char* name; const char* path; };
  const std::vector<Case> cases = {
      {"/a", "b", "/a/b"}, {"/a/", "b", "/a/b"}, {"", "b", "b"}, {"/", "b", "/b"},
      {"C:\\x\\", "y", "C:\\x\\y"}, {"/a", "", "/a/"},
  };
  for (const auto& c : cases) EXPECT_EQ(PathJoin(c.folder, c.name), c.path) << c.folder;
}

TEST(Paths, Windows1252NamesReachTheFileSystemAsUtf8) {
  ScratchFolder dir;
  std::string name = PathJoin(dir.path(), "Caf\xe9 \x80.sim");
  EXPECT_EQ(NativePath(name), dir.path() + "/Caf\xC3\xA9 \xE2\x82\xAC.sim");
  std::ofstream(NativePath(name)) << "x";
  EXPECT_TRUE(PathIsRegularFile(name));
  EXPECT_EQ(ProgramPath(NativePath(name)), name);
  EXPECT_EQ(ProgramPath("/tmp/\xCE\xA9"), std::nullopt);  // refused, never changed
}

TEST(Paths, ExistenceQueries) {
  ScratchFolder dir;
  std::string file = PathJoin(dir.path(), "f.txt");
  std::ofstream(file) << "x";
  struct Case { std::string path; bool exists, file, folder, writable; };
  const std::vector<Case> cases = {
      {file, true, true, false, false},
      {dir.path(), true, false, true, true},
      {PathJoin(dir.path(), "missing"), false, false, false, false},
      {"", false, false, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PathExists(c.path), c.exists) << c.path;
    EXPECT_EQ(PathIsRegularFile(c.path), c.file) << c.path;
    EXPECT_EQ(PathIsDirectory(c.path), c.folder) << c.path;
    EXPECT_EQ(PathIsWritableDirectory(c.path), c.writable) << c.path;
  }
  std::string deep = PathJoin(dir.path(), "a/b/c");
  EXPECT_TRUE(EnsureDirectory(deep));
  EXPECT_TRUE(PathIsDirectory(deep));
  EXPECT_FALSE(EnsureDirectory(PathJoin(file, "sub")));  // a file is in the way
}

TEST(Paths, ProgramFolderIsTheExecutablesFolder) {
  fs::path exe = fs::read_symlink("/proc/self/exe");
  EXPECT_EQ(ProgramFolder(), exe.parent_path().string());
  {
    ProgramFolderOverride pf("/opt/kavo/bin/");
    EXPECT_EQ(ProgramFolder(), "/opt/kavo/bin");
    EXPECT_EQ(ShareFolder(), "/opt/kavo/share/kavo71");
  }
  EXPECT_EQ(ProgramFolder(), exe.parent_path().string());
}

TEST(Paths, SettingsFolderIsTheProgramFolderWhenWritable) {
  ScratchFolder dir;
  ProgramFolderOverride pf(dir.path());
  EXPECT_EQ(SettingsFolder(), dir.path());
}

TEST(Paths, SettingsFolderFallsBackToTheConfigurationFolder) {
  ScratchFolder dir;
  ProgramFolderOverride pf(PathJoin(dir.path(), "not-there"));
  {
    std::string config = PathJoin(dir.path(), "xdg");
    EnvVar xdg("XDG_CONFIG_HOME", config.c_str());
    EXPECT_EQ(SettingsFolder(), config + "/kavo71");
    EXPECT_TRUE(PathIsDirectory(config + "/kavo71"));  // created on first use
  }
  for (const char* xdgValue : {static_cast<const char*>(nullptr), "", "relative/path"}) {
    EnvVar xdg("XDG_CONFIG_HOME", xdgValue);
    EnvVar home("HOME", dir.path().c_str());
    EXPECT_EQ(SettingsFolder(), dir.path() + "/.config/kavo71") << (xdgValue ? xdgValue : "unset");
  }
}

TEST(Paths, TempFolderOrder) {
  ScratchFolder a, b;
  std::string missing = PathJoin(a.path(), "missing");
  struct Case { const char* temp; const char* tmpdir; std::string expected; };
  const std::vector<Case> cases = {
      {a.path().c_str(), b.path().c_str(), a.path()},
      {missing.c_str(), b.path().c_str(), b.path()},
      {nullptr, b.path().c_str(), b.path()},
      {"relative", nullptr, "/tmp"},
      {missing.c_str(), missing.c_str(), "/tmp"},
  };
  for (const auto& c : cases) {
    EnvVar temp("TEMP", c.temp);
    EnvVar tmpdir("TMPDIR", c.tmpdir);
    EXPECT_EQ(TempFolder(), c.expected);
  }
}

TEST(Paths, ProgramFilesAreFoundInTheProgramThenTheShareFolder) {
  ScratchFolder root;
  std::string bin = PathJoin(root.path(), "bin"), share = PathJoin(root.path(), "share/kavo71");
  ASSERT_TRUE(EnsureDirectory(bin));
  ASSERT_TRUE(EnsureDirectory(share));
  ProgramFolderOverride pf(bin);
  EXPECT_EQ(FindProgramFile("KAVO71.dat"), bin + "/KAVO71.dat");  // neither: program folder
  std::ofstream(share + "/KAVO71.dat") << "x";
  EXPECT_EQ(FindProgramFile("KAVO71.dat"), share + "/KAVO71.dat");
  std::ofstream(bin + "/KAVO71.dat") << "x";
  EXPECT_EQ(FindProgramFile("KAVO71.dat"), bin + "/KAVO71.dat");
}
