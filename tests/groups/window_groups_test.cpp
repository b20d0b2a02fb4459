// The main window with its groups: start-up, saving and restoring items with their drawing,
// the step buttons, the group menus and their failure roads.
#include <gmock/gmock.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "documents/drawing_file.h"
#include "groups/group_file.h"
#include "platform/atomic_file.h"
#include "tests/groups/window_groups_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST_F(WindowGroupsTest, FirstStartCreatesTheDefaultGroupWithItemZero) {
  Load();
  EXPECT_EQ(groups.GroupFile(), DefaultGroup());
  EXPECT_EQ(form.GroupFile(), DefaultGroup());
  const std::string text = ReadAll(DefaultGroup());
  EXPECT_THAT(text, HasSubstr("Date Started=2024-03-05\r\n"));
  EXPECT_THAT(text, HasSubstr("Title=Default Simulation Group\r\n"));
  EXPECT_THAT(text, HasSubstr("[SaveRestore 0]\r\nDateLastChange=2024-03-05 [14:07:09]\r\n"
                              "Type= 2\r\nGroup= 0\r\nName= AB\r\n"));
  EXPECT_FALSE(std::filesystem::exists(folder.File("default.zef")));
}

TEST_F(WindowGroupsTest, SaveThenRestoreGivesBackValuesAndThePage) {
  Load();
  form.SetParValue(150, 0, 1);
  bool saved = false;
  groups.SaveSimItem(3, "Mine & yours", saved);
  ASSERT_TRUE(saved);
  EXPECT_EQ(Ctrl(Ctl::mnuS, 3).Caption, " 4. Mine && yours");
  EXPECT_TRUE(Ctrl(Ctl::mnuR, 3).Value);
  PageArray pages(2);
  ASSERT_EQ(FileLoadBin32Bit(pages, folder.File("default.zef"), 0), 0);
  EXPECT_EQ(pages[1].pageCount, 4);

  form.SetParValue(120, 0, 1);
  ASSERT_TRUE(groups.mnuR_Click(3));
  EXPECT_FLOAT_EQ(gSimPar[0].Value, 150);
  EXPECT_EQ(gCurrentSimItem, 3);
  EXPECT_EQ(gSimItems[3].Name, "Mine & yours");
  EXPECT_EQ(groups.CheckedItem(), 103);
}

// Restoring an item of another type group sets up that group's buttons under the set-up
// guard; afterwards every type button must answer a click again, whichever road restored it.
TEST_F(WindowGroupsTest, TypeButtonsAnswerAfterRestoringAnItemOfAnotherGroup) {
  Load();
  form.optGroup_Click(2);
  form.OptType_Click(15);
  bool saved = false;
  groups.SaveSimItem(1, "Kavo", saved);
  ASSERT_TRUE(saved);
  form.optGroup_Click(1);
  form.OptType_Click(4);
  groups.SaveSimItem(2, "Spins", saved);
  ASSERT_TRUE(saved);
  form.optGroup_Click(0);
  form.OptType_Click(2);

  struct Road {
    const char* name;
    std::function<void()> restore;
    int16_t restoredType;
    int16_t clickedType;
  };
  const Road roads[] = {
      {"SimRestore", [&] { groups.mnuR_Click(1); }, 15, 16},
      {"Next", [&] { groups.cmdNextPrevSim_Click(0); }, 4, 3},
      {"Prev", [&] { groups.cmdNextPrevSim_Click(1); }, 15, 17},
  };
  for (const Road& r : roads) {
    r.restore();
    EXPECT_EQ(gSimType, r.restoredType) << r.name;
    EXPECT_EQ(form.SetupState(), kSetupIdle) << r.name;
    const std::string before = form.FormCaption();
    form.OptType_Click(r.clickedType);
    EXPECT_EQ(gSimType, r.clickedType) << r.name;
    EXPECT_NE(form.FormCaption(), before) << r.name;
    EXPECT_EQ(form.FormCaption(), "NMR Spectrum Calculation: " + form.TypeCaption()) << r.name;
  }
}

TEST_F(WindowGroupsTest, StepButtonsReportOnlyWhatHappened) {
  Load();
  Printed();
  bool saved = false;
  groups.SaveSimItem(1, "One", saved);
  gCurrentSimItem = 0;
  groups.cmdNextPrevSim_Click(1);
  groups.cmdNextPrevSim_Click(0);
  groups.cmdNextPrevSim_Click(0);
  groups.cmdNextPrevSim_Click(1);
  groups.cmdNextPrevSim_Click(2);
  EXPECT_THAT(Printed(), ElementsAre("Current Sim is First Entry", "[ 2. One] Restored.",
                                     "Next Sim is Empty (no data)", "[ 1. AB] Restored.",
                                     "[ 1. AB] Saved."));
  gCurrentSimItem = 3;
  groups.cmdNextPrevSim_Click(1);
  EXPECT_THAT(Printed(), ElementsAre("Previous Sim is Empty (no data)"));
}

TEST_F(WindowGroupsTest, SaveOffersTheNameInTheCaptionOrTheTypeCaption) {
  Load();
  struct Case {
    int16_t item;
    const char* caption;
    std::string offered;
  };
  const Case cases[] = {{9, "10.", form.TypeCaption()},
                        {4, " 5. (Empty)", "(Empty)"},
                        {1, " 2. A && B", "A & B"}};
  for (const Case& c : cases) {
    form.Controls().SetCaption(Ctl::mnuS, c.item, c.caption);
    boxes.CancelInput();
    groups.mnuS_Click(c.item);
    EXPECT_EQ(boxes.last().defaultText, c.offered) << c.caption;
    EXPECT_EQ(boxes.last().title, "Save Spectrum ");
  }
  EXPECT_THAT(boxes.last().text,
              HasSubstr("This is item 2 in the Simulation Group: [" + DefaultGroup() + "]"));
  EXPECT_EQ(ReadAll(DefaultGroup()).find("SaveRestore 1"), std::string::npos);
}

TEST_F(WindowGroupsTest, AFailedSaveKeepsBothFilesAndSaysWhy) {
  Load();
  bool saved = false;
  groups.SaveSimItem(0, "A", saved);
  const std::string sim = ReadAll(DefaultGroup());
  const std::string zef = ReadAll(folder.File("default.zef"));
  boxes.Clear();
  AtomicWriteFailForTests("No space left on device.");
  groups.SaveSimItem(1, "B", saved);
  EXPECT_FALSE(saved);
  // The drawing is written first; as it cannot be, the item is not saved either.
  EXPECT_EQ(boxes.last().text, "The simulation was not saved as item 2 of the group [" +
                                   DefaultGroup() + "], because its drawing could not be "
                                   "written to [" + folder.File("default.zef") +
                                   "]. The group and its drawing are as they were.");
  EXPECT_EQ(ReadAll(DefaultGroup()), sim);
  EXPECT_EQ(ReadAll(folder.File("default.zef")), zef);
  EXPECT_EQ(groups.GroupFile(), DefaultGroup());
}

TEST_F(WindowGroupsTest, AnUnreadableDrawingFileIsNotOverwritten) {
  Load();
  WriteAll(folder.File("default.zef"), "ZEF1621DRW\r\n garbage that is long enough");
  const std::string sim = ReadAll(DefaultGroup());
  boxes.Clear();
  bool saved = false;
  groups.SaveSimItem(0, "A", saved);
  EXPECT_FALSE(saved);
  EXPECT_EQ(boxes.last().text, "The drawing file [" + folder.File("default.zef") +
                                   "] could not be read (it may be damaged or cut short), so the "
                                   "simulation was not saved as item 1 of the group [" +
                                   DefaultGroup() + "]. The group and its drawing are as they "
                                   "were.");
  EXPECT_EQ(ReadAll(DefaultGroup()), sim);
  EXPECT_EQ(ReadAll(folder.File("default.zef")), "ZEF1621DRW\r\n garbage that is long enough");
}

// Passes every box on and counts those shown while the folder is locked (tried from a
// descriptor of its own, as another program would).
class LockedFolderBoxes : public MsgBoxHandler {
 public:
  LockedFolderBoxes(MsgBoxHandler& next, std::string folder) : next_(next), folder_(std::move(folder)) {
    SetMsgBoxHandler(this);
  }
  ~LockedFolderBoxes() override { SetMsgBoxHandler(&next_); }
  int Message(const std::string& text, int style, const std::string& title) override {
    const int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) locked.push_back(text);
    if (fd >= 0) ::close(fd);
    return next_.Message(text, style, title);
  }
  std::string Input(const std::string& prompt, const std::string& title,
                    const std::string& defaultText, bool& cancelled) override {
    return next_.Input(prompt, title, defaultText, cancelled);
  }
  std::vector<std::string> locked;

 private:
  MsgBoxHandler& next_;
  std::string folder_;
};

// An item save against every state of the group's drawing file: afterwards the group and the
// drawing agree (both hold the save, or neither does and the message says so).
TEST_F(WindowGroupsTest, AnItemSaveAndItsDrawingAreSavedTogetherOrNotAtAll) {
  const std::string notSaved = "simulation was not saved as item 3";
  const std::string sim = DefaultGroup(), away = folder.File("away.sim");
  struct Case {
    const char* what;
    std::function<void(const std::string& zef)> prepare;
    int saved;  // 1 saved, 0 not saved, -1 either (the pages before the cut may still read)
    std::string message;  // said when not saved
  };
  const Case cases[] = {
      {"empty", [](const std::string& zef) { WriteAll(zef, ""); }, 1, ""},
      {"damaged", [](const std::string& zef) { WriteAll(zef, "ZEF1621DRW\r\n" + std::string(80, 'x')); },
       0, notSaved},
      {"truncated",
       [](const std::string& zef) { WriteAll(zef, ReadAll(zef).substr(0, 200)); },
       -1, notSaved},
      {"too large",
       [](const std::string& zef) { std::filesystem::resize_file(zef, kMaxDrawingFileBytes + 1); },
       0, notSaved},
      {"write-protected", [](const std::string& zef) { ::chmod(zef.c_str(), 0444); }, 0, notSaved},
      {"failing writer",
       [](const std::string&) { AtomicWriteFailForTests("No space left on device."); }, 0,
       notSaved},
      // Only the drawing cannot be written: the group file must not take the item alone.
      {"disk full for the drawing",
       [](const std::string&) {
         SetDrawingFileWriter([](const std::string&, std::string_view) { return int16_t{61}; });
       },
       0, notSaved},
      // The drawing is written, then the group file cannot be: the drawing is put back.
      {"group file fails after the drawing",
       [&](const std::string&) {
         SetDrawingFileWriter([&](const std::string& path, std::string_view bytes) {
           std::filesystem::rename(sim, away);
           std::filesystem::create_directory(sim);
           return static_cast<int16_t>(WriteFileAtomic(path, bytes) ? 0 : 75);
         });
       },
       0, "The simulation group file [" + sim + "] could not be saved"},
  };
  Load();
  const std::string zef = folder.File("default.zef");
  LockedFolderBoxes lockCheck(boxes, std::filesystem::path(zef).parent_path().string());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    bool saved = false;
    groups.SaveSimItem(0, "first", saved);
    ASSERT_TRUE(saved);
    c.prepare(zef);
    const std::string group = ReadAll(sim), drawing = ReadAll(zef);
    boxes.Clear();
    groups.SaveSimItem(2, "third", saved);
    AtomicWriteFailForTests("");
    SetDrawingFileWriter({});
    ::chmod(zef.c_str(), 0644);
    if (std::filesystem::is_directory(sim)) {
      std::filesystem::remove(sim);
      std::filesystem::rename(away, sim);
    }
    if (c.saved >= 0) {
      EXPECT_EQ(saved, c.saved == 1);
    }
    if (saved) {
      SimItem item;
      SimItemRestore(item, 2, sim, false);
      EXPECT_EQ(item.Name, "third");
      PageArray pages(2);
      EXPECT_EQ(FileLoadBin32Bit(pages, zef, 0), 0);
      ASSERT_EQ(pages[1].pageCount, 3);
      EXPECT_FALSE(pages[3].objects.bytes.empty()) << "the item's page holds its drawing";
    } else {
      ASSERT_FALSE(boxes.empty());
      EXPECT_THAT(boxes.last().text, HasSubstr(c.message));
      EXPECT_EQ(ReadAll(sim), group);
      EXPECT_TRUE(ReadAll(zef) == drawing) << "the drawing is as it was";
    }
    EXPECT_THAT(lockCheck.locked, ElementsAre()) << "boxes shown while the group was locked";
    lockCheck.locked.clear();
    std::filesystem::remove(zef);
    std::filesystem::remove(sim);
  }
}

TEST_F(WindowGroupsTest, UnreadableFilesDoNotOpen) {
  Load();
  const std::string before = ReadAll(DefaultGroup());
  for (const std::string& bytes :
       {std::string("\x13\x99random\x00bytes", 14), std::string("ZEF1621DRW\r\n\x01\x02")}) {
    WriteAll(folder.File("bad.sim"), bytes);
    boxes.Clear();
    bool ok = true;
    groups.GroupSwitch(folder.File("bad.sim"), 0, ok);
    EXPECT_FALSE(ok);
    EXPECT_THAT(boxes.texts(), ElementsAre("The file [" + folder.File("bad.sim") +
                                           "] is not a readable simulation group file."));
    EXPECT_EQ(groups.GroupFile(), DefaultGroup());
    EXPECT_EQ(ReadAll(folder.File("bad.sim")), bytes);
  }
  EXPECT_EQ(ReadAll(DefaultGroup()), before);
}

TEST_F(WindowGroupsTest, TypesWithoutAButtonAreNeitherSavedNorRestored) {
  Load();
  WriteAll(folder.File("t.sim"),
           "[Simulation Group]\r\n[SaveRestore 0]\r\nType=44\r\n[SaveRestore 1]\r\nType=x7\r\n"
           "[SaveRestore 2]\r\nType=5\r\nName=Five\r\n");
  bool ok = false;
  boxes.Clear();
  groups.GroupSwitch(folder.File("t.sim"), 0, ok);
  groups.mnuR_Click(1);
  EXPECT_THAT(boxes.texts(), ElementsAre("Simulation 1 cannot be restored (type [44]).",
                                         HasSubstr("] opened."),
                                         "Simulation 2 cannot be restored (type [x7])."));
  boxes.Clear();
  gSimType = kPeakListType;
  bool saved = true;
  groups.SaveSimItem(0, "peaks", saved);
  EXPECT_FALSE(saved);
  EXPECT_THAT(boxes.texts(),
              ElementsAre("An imported peak list cannot be saved in a simulation group."));
}

TEST_F(WindowGroupsTest, StartUpOpensAtTheFirstItemWithATypeButton) {
  WriteAll(folder.File("g.sim"),
           "[Simulation Group]\r\nTitle=G\r\n[SaveRestore 0]\r\nType=0\r\n"
           "[SaveRestore 1]\r\nType=44\r\n[SaveRestore 2]\r\nType=5\r\nName=Five\r\n");
  WriteSettings("[Kavo LastGroups]\r\n1=" + folder.File("g.sim") + "\r\n");
  Load();
  EXPECT_EQ(groups.GroupFile(), folder.File("g.sim"));
  EXPECT_EQ(gCurrentSimItem, 2);
  EXPECT_EQ(gSimType, 5);
  EXPECT_EQ(gGroupTitle, "G");
  EXPECT_FALSE(std::filesystem::exists(DefaultGroup()));
}

TEST_F(WindowGroupsTest, StartUpWithOnlyEmptyOrSpectrumItemsOpensNoGroup) {
  WriteAll(DefaultGroup(), "[Simulation Group]\r\n[SaveRestore 0]\r\nType=0\r\n");
  const std::string before = ReadAll(DefaultGroup());
  Load();
  EXPECT_EQ(groups.GroupFile(), "");
  EXPECT_EQ(ReadAll(DefaultGroup()), before);
  bool saved = true;
  groups.SaveSimItem(0, "x", saved);
  EXPECT_FALSE(saved);
  EXPECT_EQ(boxes.last().text, "No simulation group is open.");
  groups.mnuSimEdit_Click();
  EXPECT_EQ(boxes.last().text, "No simulation group is open.");
}

TEST_F(WindowGroupsTest, MixedCaseRecentPathsSurviveARestart) {
  Load();
  const std::string a = folder.File("Runs/Alpha.sim"), b = folder.File("runs/alpha.sim");
  groups.RebuildGroupListMenu(a);
  groups.RebuildGroupListMenu(b);
  groups.RebuildGroupListMenu(a);
  EXPECT_EQ(Ctrl(Ctl::mnuGroupList, 1).Caption, a);
  EXPECT_EQ(Ctrl(Ctl::mnuGroupList, 2).Caption, b);
  EXPECT_EQ(Ctrl(Ctl::mnuGroupList, 3).Caption, DefaultGroup());
  int16_t cancel = 0;
  form.QuitKavo(cancel);
  KavoForm& again = Restart();
  MainWindowGroups groups2(again);
  groups2.Register();
  ASSERT_TRUE(again.Form_Load({}));
  EXPECT_EQ(again.Controls().Get(Ctl::mnuGroupList, 1).Caption, DefaultGroup());
  EXPECT_EQ(again.Controls().Get(Ctl::mnuGroupList, 2).Caption, a);
  EXPECT_EQ(again.Controls().Get(Ctl::mnuGroupList, 3).Caption, b);
}

TEST_F(WindowGroupsTest, NewGroupCancelAbortsAndANewGroupStartsEmpty) {
  Load();
  bool saved = false;
  groups.SaveSimItem(4, "Old", saved);
  groups.MnuGroupNew_Click();  // the dialog is cancelled
  dialog.answers = {folder.File("New.txt")};
  boxes.CancelInput();
  groups.MnuGroupNew_Click();
  EXPECT_EQ(groups.GroupFile(), DefaultGroup());
  EXPECT_FALSE(std::filesystem::exists(folder.File("New.sim")));

  dialog.answers = {folder.File("New.txt")};
  boxes.AnswerInput("");
  groups.MnuGroupNew_Click();
  EXPECT_EQ(groups.GroupFile(), folder.File("New.sim"));
  EXPECT_EQ(gGroupTitle, "");
  EXPECT_EQ(gSimItems.size(), 25u);
  EXPECT_EQ(gSimItems[4].Type, "-1");
  EXPECT_EQ(gCurrentSimItem, 0);
  EXPECT_EQ(Ctrl(Ctl::mnuS, 4).Caption, " 5. ");
  EXPECT_EQ(Ctrl(Ctl::mnuGroupList, 1).Caption, folder.File("New.sim"));
}

TEST_F(WindowGroupsTest, SaveAsCopiesBothFilesOrSaysWhy) {
  Load();
  bool saved = false;
  groups.SaveSimItem(0, "A", saved);
  groups.mnuGroupSaveAs_Click();  // cancelled: nothing
  dialog.answers = {DefaultGroup()};
  groups.mnuGroupSaveAs_Click();
  EXPECT_EQ(boxes.last().text,
            "The sim file [" + DefaultGroup() + "] already exists and is up to date.");
  EXPECT_EQ(boxes.last().title, "Sim File Save As");

  AtomicWriteFailForTests("Read-only file system.");
  dialog.answers = {folder.File("Copy")};
  groups.mnuGroupSaveAs_Click();
  EXPECT_EQ(boxes.last().text, "The simulation group file [" + folder.File("Copy.sim") +
                                   "] could not be saved: Read-only file system.");
  EXPECT_EQ(groups.GroupFile(), DefaultGroup());
  AtomicWriteFailForTests("");

  dialog.answers = {folder.File("Copy")};
  groups.mnuGroupSaveAs_Click();
  EXPECT_EQ(groups.GroupFile(), folder.File("Copy.sim"));
  EXPECT_EQ(ReadAll(folder.File("Copy.sim")), ReadAll(DefaultGroup()));
  EXPECT_EQ(ReadAll(folder.File("Copy.zef")), ReadAll(folder.File("default.zef")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            5);  // KAVO71.dat, default and Copy .sim and .zef: no scratch files
}

TEST_F(WindowGroupsTest, EditorTagChangesTheGroupAndTheMenusAreReadAgain) {
  Load();
  WriteAll(folder.File("e.sim"), "[Simulation Group]\r\n[SaveRestore 1]\r\nType=2\r\nName=E\r\n");
  std::string shownWith;
  groups.SetEditorLauncher([&](const std::string& path) {
    shownWith = path;
    return folder.File("e.sim");
  });
  groups.mnuSimEdit_Click();
  EXPECT_EQ(shownWith, DefaultGroup());
  EXPECT_EQ(groups.GroupFile(), folder.File("e.sim"));
  EXPECT_EQ(Ctrl(Ctl::mnuR, 1).Caption, " 2. E");
  EXPECT_EQ(Ctrl(Ctl::mnuGroupList, 1).Caption, folder.File("e.sim"));
}

}  // namespace
