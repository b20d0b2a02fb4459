// Start-up and shut-down of the main window: window and picture placement, the first type, the
// start-up group, the settings the window reads and writes, and the window-wide events.
#include <sys/stat.h>

#include <gmock/gmock.h>

#include <filesystem>

#include "drawlib/util/paths.h"
#include "platform/runtime_numbers.h"
#include "tests/mainwin/mainwin_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

// Group start-up that answers scripted item types and records what the window asks.
class ScriptedGroups : public GroupStartup {
 public:
  std::map<int16_t, std::string> itemTypes;  // item -> saved type text
  std::vector<std::string> calls;
  void GroupINItoMenu() override { calls.push_back("menu"); }
  void SimItemRestore(const std::string&, int16_t n, std::string& typeText) override {
    typeText = itemTypes.count(n) ? itemTypes[n] : "";
  }
  void GroupSwitch(const std::string& path, int16_t n, bool& ok) override {
    calls.push_back("switch " + path + " " + std::to_string(n));
    ok = true;
  }
  void RebuildGroupListMenu(const std::string& path) override { calls.push_back("recent " + path); }
  void GroupCreateNew(const std::string& path) override { calls.push_back("create " + path); }
  void IniSaveCalcD(int16_t n, const std::string& name) override {
    calls.push_back("save " + std::to_string(n) + name);
  }
};

class StartupTest : public MainWinTest {
 protected:
  void SetUp() override {
    MainWinTest::SetUp();
    RegisterGroupStartup(&groups);
  }
  std::string DefaultGroup() const { return folder.File("default.sim"); }
  ScriptedGroups groups;
};

TEST_F(StartupTest, WindowCoversNinetyPercentAndPictureFillsIt) {
  Load();
  ASSERT_EQ(host.moves.size(), 1u);
  EXPECT_EQ(host.form.width, 17280);
  EXPECT_EQ(host.form.height, 12960);
  const Control& pic = Ctrl(Ctl::picKavo);
  const Control& inc = Ctrl(Ctl::fraIncrement);
  EXPECT_EQ(pic.Left, inc.Left);
  EXPECT_EQ(pic.Width, host.ScaleWidth() - 100 - inc.Left);
  // 0.55 x width is below the room left under the rows.
  EXPECT_LT(0.55 * pic.Width, host.ScaleHeight() - inc.Top - inc.Height - 330);
  EXPECT_EQ(pic.Height, RoundHalfEven(0.55 * pic.Width));
  EXPECT_EQ(form.ParScrnMax(), Fix((pic.Width - inc.Width) / 1500) - 1);
  EXPECT_EQ(Ctrl(Ctl::fraPar, 5).Left, Ctrl(Ctl::fraPar, 0).Left + 5 * 1500);
  EXPECT_EQ(gNumPts, RoundHalfEven(pic.Width / 15));
  EXPECT_EQ(gBaseLnTwips, gExpBaseLnTwips);
  EXPECT_FLOAT_EQ(VertLockHt, 0.72f * gBaseLnTwips);
  EXPECT_EQ(Ctrl(Ctl::grp1).Left, pic.Left + pic.Width - 300);
  EXPECT_EQ(host.shown, 1);
}

TEST_F(StartupTest, ScreenSizeBoundsTheWindowAndTheRows) {
  struct Case {
    float screenWidth, screenHeight;
    float formWidth, formHeight, picWidth, picHeight;
    int16_t parScrnMax;
  };
  const Case cases[] = {
      {600, 400, 640, 480, 3000, 2000, 0},  // tiny screen: minimum window and picture
      {60000, 14400, 54000, 12960, 51380, 10500, 13},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.screenWidth);
    host.screenWidth = c.screenWidth;
    host.screenHeight = c.screenHeight;
    KavoForm& window = Restart();
    ASSERT_TRUE(window.Form_Load({}));
    EXPECT_EQ(host.form.width, c.formWidth);
    EXPECT_EQ(host.form.height, c.formHeight);
    EXPECT_EQ(window.Controls().Get(Ctl::picKavo).Width, c.picWidth);
    EXPECT_EQ(window.Controls().Get(Ctl::picKavo).Height, c.picHeight);
    EXPECT_EQ(window.ParScrnMax(), c.parScrnMax);
  }
}

TEST_F(StartupTest, WithoutAnyGroupFileANewDefaultGroupIsCreated) {
  Load();
  EXPECT_EQ(gSimType, 2);
  EXPECT_EQ(form.CurrentGroup(), 0);
  EXPECT_TRUE(Ctrl(Ctl::optType, 2).Value);
  EXPECT_EQ(form.GroupFile(), DefaultGroup());
  EXPECT_THAT(groups.calls, ElementsAre("menu", "create " + DefaultGroup(), "save 0 AB"));
  EXPECT_EQ(host.caption, "NMR Spectrum Calculation:  AB");
  EXPECT_TRUE(form.CalculationHasRun());
}

TEST_F(StartupTest, AnExistingGroupOpensAtItsFirstSavedItem) {
  std::ofstream(DefaultGroup()) << "[Group]\n";
  groups.itemTypes = {{0, "0"}, {1, "-1"}, {2, "x"}, {3, " 9"}, {4, "2"}};
  Load();
  EXPECT_THAT(groups.calls,
              ElementsAre("menu", "switch " + DefaultGroup() + " 3", "recent " + DefaultGroup()));
  EXPECT_EQ(form.GroupFile(), DefaultGroup());
}

TEST_F(StartupTest, AGroupWithoutSavedItemsIsNotOpened) {
  std::ofstream(DefaultGroup()) << "[Group]\n";
  groups.itemTypes = {{0, "0"}, {1, "-1"}, {24, ""}};
  Load();
  EXPECT_THAT(groups.calls, ElementsAre("menu"));
  EXPECT_EQ(form.GroupFile(), "");
  EXPECT_EQ(gSimType, 2);
  EXPECT_EQ(form.CurrentGroup(), 0);
  EXPECT_TRUE(form.CalculationHasRun());
}

TEST_F(StartupTest, TheFirstRecentGroupIsPreferredWhileItExists) {
  const std::string recent = folder.File("recent.sim");
  std::ofstream(recent) << "[Group]\n";
  std::ofstream(DefaultGroup()) << "[Group]\n";
  groups.itemTypes = {{0, "2"}};
  WriteSettings("[Kavo LastGroups]\n 1=" + recent + "\n 2=" + DefaultGroup() + "\n");
  Load();
  EXPECT_EQ(groups.calls[1], "switch " + recent + " 0");

  std::filesystem::remove(recent);
  groups.calls.clear();
  ASSERT_TRUE(Restart().Form_Load({}));
  EXPECT_EQ(groups.calls[1], "switch " + DefaultGroup() + " 0");
}

TEST_F(StartupTest, AMissingDataFileStopsStartup) {
  // The program folder one level down, so that the share folder beside it (where an installed
  // toolset keeps the data file) lies in the scratch folder too, not in the machine's /tmp.
  std::filesystem::create_directory(folder.File("bin"));
  SetProgramFolderForTests(folder.File("bin"));
  EXPECT_FALSE(form.Form_Load({}));
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_THAT(boxes.last().text, HasSubstr("not found"));
  EXPECT_EQ(host.shown, 0);
}

TEST_F(StartupTest, ConfigurationValuesAndTheirDefaults) {
  struct Case {
    const char* lines;
    int16_t toggles;
    int16_t disableRef;
    float mhz;
  };
  const Case cases[] = {
      {"", 111, -1, 200},
      {"PrintBoxToggles=64\nDisableRef=0\nDefault MHz=400\n", 64, 0, 400},
      {"PrintBoxToggles=70000\nDisableRef=False\n", 111, 0, 200},
      {"PrintBoxToggles=abc\nDisableRef=True\n", 0, -1, 200},
      {"PrintBoxToggles=-5\nDisableRef=1\n", -5, -1, 200},
      {"DisableRef=-1\n", 111, -1, 200},
      {"DisableRef=maybe\n", 111, -1, 200},
      {"DisableRef=\n", 111, -1, 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    WriteSettings(std::string("[KavoConfiguration]\nPrintBoxWidth=7000\n") + c.lines);
    KavoForm& window = Restart();
    ASSERT_TRUE(window.Form_Load({}));
    EXPECT_EQ(gPrintBoxToggles, c.toggles);
    EXPECT_EQ(gDisableRef, c.disableRef);
    EXPECT_EQ(window.Controls().Get(Ctl::mnuPref, 5).Value, c.disableRef != 0);
    EXPECT_EQ(gSpec.MHz, c.mhz);
    EXPECT_EQ(gPrintBoxWidth, 7000);
  }
}

TEST_F(StartupTest, SettingsRoundTripThroughShutdown) {
  WriteSettings(
      "[KavoConfiguration]\nPrintBoxWidth=7000\nPrintBoxHeight=4000\nPrintBoxToggles=64\n"
      "DisableRef=0\nDefault MHz=400\n"
      "[Kavo LastFiles]\n 1=/spectra/A.spc\n 2=/spectra/b.spc\n");
  Load();
  gPrintBoxToggles = 65;
  int16_t cancel = 0;
  form.Form_QueryUnload(cancel, 0);
  EXPECT_EQ(host.unloadedAll, 1);
  EXPECT_EQ(help.quits, 1);
  EXPECT_EQ(IniGetString("KavoConfiguration", "PrintBoxToggles", ""), "65");
  EXPECT_EQ(IniGetString("KavoConfiguration", "DisableRef", ""), "0");
  IniEntryTable files, recentGroups;
  ASSERT_EQ(IniReadSection("Kavo LastFiles", files), 2);
  EXPECT_THAT(files[1], ElementsAre("/spectra/A.spc", "/spectra/b.spc"));
  ASSERT_EQ(IniReadSection("Kavo LastGroups", recentGroups), 1);
  EXPECT_THAT(recentGroups[1], ElementsAre(DefaultGroup()));

  KavoForm& again = Restart();
  ASSERT_TRUE(again.Form_Load({}));
  EXPECT_EQ(gPrintBoxToggles, 65);
  EXPECT_EQ(gDisableRef, 0);
  EXPECT_EQ(gSpec.MHz, 400);
  EXPECT_EQ(again.Controls().Get(Ctl::mnufList, 1).Caption, "/spectra/A.spc");
}

// A print-box size the session did not change is written back as it was read, whatever its
// digits; a changed one is written as Str of the new value.
TEST_F(StartupTest, PrintBoxSizesAreWrittenBackAsReadUnlessChanged) {
  struct Case {
    const char* line;   // "PrintBoxWidth" as the settings file has it
    float changedTo;    // 0: left alone
    const char* after;  // the line after the close
  };
  const Case cases[] = {
      {"PrintBoxWidth= 7874", 0, "PrintBoxWidth= 7874"},
      {"PrintBoxWidth=7873.9999", 0, "PrintBoxWidth=7873.9999"},
      {"PrintBoxWidth= 7874.50", 0, "PrintBoxWidth= 7874.50"},
      {"PrintBoxWidth= 7874", 150 * 40.2f, "PrintBoxWidth= 6030"},
      {"PrintBoxWidth= 7874", 7873.998f, "PrintBoxWidth= 7873.998"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    WriteSettings(std::string("[KavoConfiguration]\n") + c.line + "\nPrintBoxHeight= 4000.25\n");
    KavoForm& window = Restart();
    ASSERT_TRUE(window.Form_Load({}));
    if (c.changedTo != 0) gPrintBoxWidth = c.changedTo;
    int16_t cancel = 0;
    window.Form_QueryUnload(cancel, 0);
    window.Form_Unload(cancel);
    EXPECT_THAT(Settings(), HasSubstr(std::string(c.after) + "\r\n"));
    EXPECT_THAT(Settings(), HasSubstr("PrintBoxHeight= 4000.25\r\n"));
  }
}

TEST_F(StartupTest, ShutdownWithoutRecentFilesLeavesNoFileSection) {
  WriteSettings("[Kavo LastFiles]\n");
  Load();
  int16_t cancel = 0;
  form.QuitKavo(cancel);
  EXPECT_THAT(Settings(), Not(HasSubstr("Kavo LastFiles")));
  EXPECT_EQ(IniGetString("KavoConfiguration", "DisableRef", ""), "-1");
}

// A write-protected settings file is left as it is, and the user is told once where the
// settings could not be saved.
TEST_F(StartupTest, ShutdownWithAWriteProtectedSettingsFileSaysSoOnce) {
  WriteSettings("[Kavo LastFiles]\n 1=/spectra/old.spc\n");
  Load();
  const std::string before = Settings();
  ASSERT_EQ(::chmod(SettingsPath().c_str(), 0444), 0);
  boxes.Clear();
  int16_t cancel = 0;
  form.Form_QueryUnload(cancel, 0);
  form.Form_Unload(cancel);
  ::chmod(SettingsPath().c_str(), 0644);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_THAT(boxes.last().text, HasSubstr("could not be saved in the file " + SettingsPath()));
  EXPECT_THAT(boxes.last().text, HasSubstr("write-protected"));
  EXPECT_EQ(Settings(), before);
}

TEST_F(StartupTest, ShutdownBeforeStartupWritesNothingButClosesHelp) {
  int16_t cancel = 0;
  form.QuitKavo(cancel);
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
  EXPECT_EQ(help.quits, 1);
}

TEST_F(StartupTest, UnloadStopsWhenCancelled) {
  Load();
  int16_t cancel = -1;
  form.Form_Unload(cancel);
  EXPECT_EQ(host.unloadedAll, 0);
  cancel = 0;
  form.Form_Unload(cancel);
  EXPECT_EQ(host.unloadedAll, 1);
}

TEST_F(StartupTest, ResizeRescalesOnlyAfterACalculation) {
  form.Controls().SetWidth(Ctl::picKavo, 0, 7680);
  form.Form_Resize();
  EXPECT_EQ(gNumPts, 0);
  EXPECT_EQ(form.ParScrnMax(), Fix((7680 - Ctrl(Ctl::fraIncrement).Width) / 1500) - 1);

  Load();
  const int16_t points = gNumPts;
  form.Controls().SetWidth(Ctl::picKavo, 0, 7680);
  host.minimized = true;
  form.Form_Resize();
  EXPECT_EQ(gNumPts, points);
  host.minimized = false;
  form.Form_Resize();
  EXPECT_EQ(gNumPts, 512);
  EXPECT_EQ(form.OnScreenList().size(), 6u);  // the rows wait for the next type change
}

}  // namespace
