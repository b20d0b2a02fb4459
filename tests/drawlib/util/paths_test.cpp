#include "drawlib/util/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

TEST(Paths, JoinAndSplit) {
  EXPECT_EQ(JoinPath(" /home/u ", " a.sim "), "/home/u/a.sim");
  EXPECT_EQ(JoinPath("/home/u/", "a.sim"), "/home/u/a.sim");
  EXPECT_EQ(JoinPath("C:\\dir\\", "a.sim"), "C:\\dir\\a.sim");
  EXPECT_EQ(JoinPath("", "a.sim"), "a.sim");

  struct Case { const char* path; const char* folder; const char* name; };
  for (const Case& c : {Case{"C:\\a.txt", "C:\\", "a.txt"}, Case{"C:\\dir\\a.txt", "C:\\dir", "a.txt"},
                        Case{"C:a.txt", "C:", "a.txt"}, Case{"/a.txt", "/", "a.txt"},
                        Case{"/ab/x.sim", "/ab", "x.sim"}, Case{"/home/u/dir/", "/home/u/dir", ""},
                        Case{"a.txt", "", "a.txt"}, Case{"/d/x:y.txt", "/d", "x:y.txt"}}) {
    std::string folder = "old", name = "old";
    SplitPath(c.path, folder, name);
    EXPECT_EQ(folder, c.folder) << c.path;
    EXPECT_EQ(name, c.name) << c.path;
  }
}

TEST(Paths, ExtensionsOnlyInTheLastComponent) {
  struct Case { const char* name; const char* base; const char* ext; const char* changed; };
  for (const Case& c : {Case{"a.b.sim", "a.b", "sim", "a.b.grp"},
                        Case{"/home/u/.config/x/grp", "old", "old", "/home/u/.config/x/grp.grp"},
                        Case{"C:\\v1.2\\run", "old", "old", "C:\\v1.2\\run.grp"},
                        Case{"/d/run.", "/d/run", "", "/d/run.grp"},
                        Case{"plain", "old", "old", "plain.grp"}}) {
    std::string base = "old", ext = "old";
    SplitExtension(c.name, base, ext);
    EXPECT_EQ(base, c.base) << c.name;
    EXPECT_EQ(ext, c.ext) << c.name;
    EXPECT_EQ(ChangeExtension(c.name, "grp"), c.changed) << c.name;
  }
}

class PathsOnDisk : public ::testing::Test {
 protected:
  void SetUp() override { std::ofstream(dir / "file.txt") << "x"; }
  ScratchFolder scratch;
  fs::path dir{scratch.path()};
};

TEST_F(PathsOnDisk, ExistenceQueries) {
  const std::string d = dir.string();
  EXPECT_EQ(FolderExists(d + "/file.txt"), 2);
  EXPECT_EQ(FolderExists(d), 2);
  EXPECT_EQ(FolderExists(d + "/"), 1);
  EXPECT_EQ(FolderExists(d + "/missing"), 0);
  EXPECT_EQ(FolderExists(d + "/file.txt/x"), 0);
  EXPECT_TRUE(IsPlainFile(d + "/file.txt"));
  EXPECT_FALSE(IsPlainFile(d));
  EXPECT_FALSE(IsPlainFile(d + "/missing"));

  const fs::path working = fs::current_path();
  std::string folder = d + "/";
  FolderSetCurrent(folder);
  EXPECT_EQ(folder, d);
  EXPECT_EQ(fs::current_path(), working);  // the process never changes its working folder
}

TEST_F(PathsOnDisk, WritableProbeLeavesNoFileBehind) {
  // A user's file with the old fixed probe name must survive.
  std::ofstream(dir / "{ZEF}xxx.tmp") << "keep";
  EXPECT_FALSE(FolderNotWritable(dir.string()));
  std::size_t count = 0;
  for (auto& entry : fs::directory_iterator(dir)) count += entry.is_regular_file();
  EXPECT_EQ(count, 2u);
  std::ifstream kept(dir / "{ZEF}xxx.tmp");
  std::string text;
  kept >> text;
  EXPECT_EQ(text, "keep");

  EXPECT_TRUE(FolderNotWritable((dir / "missing").string()));
  if (geteuid() != 0) {
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(FolderNotWritable(dir.string()));
    fs::permissions(dir, fs::perms::owner_all);
  }
}
