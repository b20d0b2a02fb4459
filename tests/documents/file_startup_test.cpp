#include "documents/file_startup.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <vector>
#include <fstream>
#include <functional>
#include <string>

#include "documents/file_location.h"
#include "drawlib/color_scheme.h"
#include "drawlib/document_services.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/ini/libr_ini.h"
#include "drawlib/pardata.h"
#include "platform/paths.h"
#include "tests/documents/test_files.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/comma_locale.h"
#include "tests/support/msgbox_recorder.h"

namespace {

namespace fs = std::filesystem;

std::string BuiltDataFile() {
  std::ifstream in(KAVO71_DAT_PATH, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class FileStartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Reset();
    program_ = root_.File("bin");
    fs::create_directories(program_);
    SetProgramFolderForTests(program_);
    config_ = root_.File("config");
    setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
  }
  void TearDown() override {
    ResetProcessState();
    unsetenv("XDG_CONFIG_HOME");
  }
  // A fresh process over the same program folder.
  void Reset() {
    ResetProcessState();
    if (!program_.empty()) SetProgramFolderForTests(program_);
  }
  void InstallDataFile() { WriteTestFile(root_.File("bin/KAVO71.dat"), BuiltDataFile()); }

  ScratchFolder root_;
  std::string program_;
  std::string config_;
  MsgBoxRecorder boxes_;
};

TEST_F(FileStartupTest, UnusableDataFileEndsStartupAndIsLeftAlone) {
  const std::string dat = program_ + "/KAVO71.dat";
  const std::string notFound = "Data file [" + dat + "] not found. This is an essential file.";
  struct Case {
    const char* what;
    bool present;
    std::string bytes;
    std::string message;
  };
  const Case cases[] = {
      {"missing", false, "", notFound},
      {"empty", true, "", notFound},
      {"obsolete", true, "ZEF1620DAT",
       dat + " is an obsolete data file. Contact KESMO Products for a current one. Location: [ 5511] "},
      {"another kind", true, "ZEF1621DRW", dat + ": This is a ZEF Drawing File. Location: [ 5511] "},
  };
  for (const Case& c : cases) {
    Reset();
    fs::remove(dat);
    if (c.present) WriteTestFile(root_.File("bin/KAVO71.dat"), c.bytes);
    boxes_.Clear();
    std::string ini;
    EXPECT_EQ(FileInitName(ini, {}), 0) << c.what;
    ASSERT_EQ(boxes_.count(), 1u) << c.what;
    EXPECT_EQ(boxes_.last().text, c.message + " Press OK to exit VIREO.") << c.what;
    EXPECT_EQ(boxes_.last().title, "VIREO Startup");
    EXPECT_EQ(boxes_.last().style, 1 + 48);
    EXPECT_EQ(IniRegistered, 0) << c.what;
    EXPECT_EQ(fs::exists(dat), c.present) << c.what;
  }
}

TEST_F(FileStartupTest, DefaultPathsAndSettingsFile) {
  InstallDataFile();
  std::string ini;
  ASSERT_EQ(FileInitName(ini, {}), 1);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(ini, program_ + "/KAVO71.ini");
  EXPECT_EQ(IniRegFile, ini);
  EXPECT_EQ(FileLocationGet(1), "unnamed01.zef");
  EXPECT_EQ(FileLocationGet(2), program_ + "/");
  EXPECT_EQ(FileLocationGet(5), "");
  EXPECT_EQ(FileLocationGet(7), program_ + "/KAVO71.dat");
}

TEST_F(FileStartupTest, DataFileFromTheShareFolder) {
  WriteTestFile(root_.File("share/kavo71/KAVO71.dat"), BuiltDataFile());
  std::string ini;
  ASSERT_EQ(FileInitName(ini, {}), 1);
  EXPECT_TRUE(fs::equivalent(FileLocationGet(7), root_.File("share/kavo71/KAVO71.dat")));
}

TEST_F(FileStartupTest, CommandLineItems) {
  InstallDataFile();
  const std::string ini = WriteTestFile(root_.File("my files/Group Settings.INI"), "[Preferences]\r\n");
  const std::string drawing = WriteTestFile(root_.File("my files/plot.zef"), "ZEF1621DRW");
  const std::string tem = WriteTestFile(root_.File("tpl.tem"), "x");
  const std::string pipeIni = root_.File("pipe.ini"), pipeZef = root_.File("pipe.zef");
  ASSERT_EQ(mkfifo(pipeIni.c_str(), 0600), 0);
  ASSERT_EQ(mkfifo(pipeZef.c_str(), 0600), 0);
  const std::string items[] = {
      "  \"" + ini + "\" ",      // quoted, with blanks: trimmed and unquoted
      drawing,                   // lower-case extension accepted
      pipeIni,                   // not a regular file: ignored
      pipeZef,
      root_.File("missing.ini"),     // does not exist: ignored
      root_.path(),              // a folder: ignored
      WriteTestFile(root_.File("notes.txt"), "x"),
  };
  std::string chosen;
  ASSERT_EQ(FileInitName(chosen, {std::begin(items), std::end(items)}), 1);
  EXPECT_EQ(chosen, ini);
  EXPECT_EQ(IniRegFile, ini);
  EXPECT_EQ(FileLocationGet(5), drawing);

  // A second call changes nothing and gives the same settings file.
  std::string again;
  EXPECT_EQ(FileInitName(again, {tem}), 1);
  EXPECT_EQ(again, ini);
  EXPECT_EQ(FileLocationGet(5), drawing);
}

// Runs `f` with the rights of an ordinary user, so that folder permissions count when the tests
// run as root too (the saved user id brings root back afterwards).
void AsOrdinaryUser(const std::function<void()>& f) {
  if (geteuid() != 0) {
    f();
    return;
  }
  ASSERT_EQ(setresgid(65534, 65534, 0), 0);
  ASSERT_EQ(setresuid(65534, 65534, 0), 0);
  f();
  ASSERT_EQ(setresuid(0, 0, 0), 0);
  ASSERT_EQ(setresgid(0, 0, 0), 0);
}

TEST_F(FileStartupTest, ReadOnlyProgramFolderKeepsSettingsInTheConfigFolder) {
  InstallDataFile();
  WriteTestFile(config_ + "/kavo71/ZEF{Test}.txt", "");
  fs::permissions(root_.path(), fs::perms(0755));
  fs::permissions(config_, fs::perms(0777));
  fs::permissions(config_ + "/kavo71", fs::perms(0777));
  fs::permissions(program_, fs::perms(0555));
  std::string ini, temp;
  int16_t started = 0;
  AsOrdinaryUser([&] {
    started = FileInitName(ini, {});
    PardataBuild();
    FileInitRun();
    temp = TempFolder();
  });
  fs::permissions(program_, fs::perms(0755));
  EXPECT_EQ(started, 1);
  EXPECT_EQ(ini, config_ + "/kavo71/KAVO71.ini");
  EXPECT_EQ(IniRegFile, ini);
  EXPECT_EQ(FileLocationGet(8), temp + "/");  // scratch files cannot go beside the program
  EXPECT_EQ(FileTestFlag(), -1);
}

TEST_F(FileStartupTest, ArgumentsBecomeWindows1252Items) {
  const char* argv[] = {"Kavo71", "/home/u/r\xC3\xA9sum\xC3\xA9.zef", "/home/u/\xE4\xB8\xAD.ini", "b.ini"};
  const std::vector<std::string> items = CommandLineItems(4, argv);
  EXPECT_EQ(items, (std::vector<std::string>{"/home/u/r\xE9sum\xE9.zef", "b.ini"}));
  ASSERT_EQ(boxes_.count(), 1u);  // the name Windows-1252 cannot hold is refused with a message
}

class FileInitTest : public FileStartupTest {
 protected:
  void Start(const std::string& settings) {
    InstallDataFile();
    WriteTestFile(root_.File("bin/KAVO71.ini"), settings);
    std::string ini;
    ASSERT_EQ(FileInitName(ini, {}), 1);
    // The drawing library's start-up reaches FileInit through the registered services.
    DocumentServicesRegister();
    DrawLibInit(nullptr);
    SetDocumentServices(nullptr);
  }
};

// A settings file far too large to be one (1 GiB, sparse), in the program folder or named on
// the command line: start-up says so once, the settings are the defaults, and nothing is
// written over the file.
TEST_F(FileInitTest, AFarTooLargeSettingsFileIsLeftAloneAndTheDefaultsUsed) {
  InstallDataFile();
  const std::string named = WriteTestFile(root_.File("big.ini"), "[Preferences]\r\n");
  fs::resize_file(named, std::uintmax_t{1} << 30);
  const std::string beside =
      WriteTestFile(root_.File("bin/KAVO71.ini"), "[Preferences]\r\n35 Print Scale:=0.7\r\n");
  fs::resize_file(beside, std::uintmax_t{1} << 30);
  const std::vector<std::vector<std::string>> commandLines = {{}, {named}};
  for (const auto& commandLine : commandLines) {
    SCOPED_TRACE(commandLine.empty() ? beside : named);
    Reset();
    boxes_.Clear();
    std::string ini;
    ASSERT_EQ(FileInitName(ini, commandLine), 1);
    EXPECT_EQ(ini, commandLine.empty() ? beside : named);
    ASSERT_EQ(boxes_.count(), 1u);
    EXPECT_NE(boxes_.last().text.find("larger than 16 MB"), std::string::npos);
    EXPECT_NE(boxes_.last().text.find(ini), std::string::npos);
    EXPECT_EQ(IniGetString("Preferences", "35 Print Scale:", "none"), "none");
    EXPECT_EQ(IniPutString("Preferences", "35 Print Scale:", "0.5"), 0);
    EXPECT_EQ(fs::file_size(ini), std::uintmax_t{1} << 30);
  }
}

TEST_F(FileInitTest, PreferencesReadWithPointOrCommaWhateverTheLocale) {
  const std::string settings =
      "[Preferences]\r\n35 Print Scale:=0,7\r\n27 Normal Linewidth:=1.50\r\n"
      "2 Height (mm):=300\r\n200 Nothing:=5\r\n-1 Below:=5\r\nname=5\r\n";
  const auto check = [&](const char* locale) {
    Reset();
    Start(settings);
    EXPECT_FLOAT_EQ(Pardata[35].Default, 0.7f) << locale;
    EXPECT_FLOAT_EQ(Pardata[35].Current, 0.7f) << locale;
    EXPECT_FLOAT_EQ(Pardata[27].Default, 1.5f) << locale;
    EXPECT_FLOAT_EQ(Pardata[2].Default, 3.6f) << locale;  // out of range: the built-in value
    EXPECT_FLOAT_EQ(Pardata[0].Default, 0.0f) << locale;  // "name" names no row
  };
  check("C");
  {
    CommaLocale comma;
    if (comma.active()) check("comma");
  }
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(FileInitTest, FoldersMarkerStateAndColourScheme) {
  fs::create_directories(root_.File("drawings"));
  WriteTestFile(root_.File("bin/ZEF{Test}.txt"), "");
  Start("[File Location]\r\nZEF Drawings=" + root_.File("drawings") + "\r\nNMR Spectra=/data/nmr\r\n"
        "[Color Schemes]\r\nCurrent=2\r\n[Color Scheme 2]\r\nName=Lab\r\n");
  EXPECT_EQ(FileLocationGet(3), program_ + "/");  // templates: the program folder by default
  EXPECT_EQ(FileLocationGet(4), root_.File("drawings/unnamed01.zef"));
  EXPECT_EQ(FileLocationGet(6), "/data/nmr");      // taken as written
  EXPECT_EQ(FileLocationGet(8), program_ + "/");   // the program folder is writable
  EXPECT_EQ(FileTestFlag(), -1);
  EXPECT_EQ(FileStateValue(-1), 2);
  EXPECT_EQ(ColorScheme.Name.substr(0, 3), "Lab");
}

TEST_F(FileInitTest, MissingDrawingsFolderAndUnknownSchemeFallBack) {
  Start("[File Location]\r\nZEF Drawings=" + root_.File("nowhere") +
        "\r\n[Color Schemes]\r\nCurrent=40\r\n");
  EXPECT_EQ(FileLocationGet(4), program_ + "/unnamed01.zef");
  EXPECT_EQ(FileTestFlag(), 0);
  EXPECT_EQ(ColorScheme.Name.substr(0, 14), "Default Colors");
  EXPECT_EQ(ColorScheme.Number, 0);
}

}  // namespace
