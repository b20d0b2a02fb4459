// The recent-spectrum list of the File menu: filled from the settings at start-up and rotated
// when a spectrum is opened.
#include <gmock/gmock.h>

#include "tests/mainwin/mainwin_fixture.h"

namespace {

class RecentFilesTest : public MainWinTest {
 protected:
  std::vector<std::string> Captions() {
    std::vector<std::string> out;
    for (int i = 0; i < kRecentFiles; ++i) out.push_back(Ctrl(Ctl::mnufList, i).Caption);
    return out;
  }
};

TEST_F(RecentFilesTest, StartupFillsItemsOneToNine) {
  std::string section = "[Kavo LastFiles]\n";
  for (int i = 1; i <= 11; ++i) section += " " + std::to_string(i) + "=/s/F" + std::to_string(i) + "\n";
  WriteSettings(section + "[Kavo LastGroups]\n 1=\n");
  Load();
  EXPECT_EQ(Ctrl(Ctl::mnufList, 0).Caption, "");
  EXPECT_FALSE(Ctrl(Ctl::mnufList, 0).Visible);
  EXPECT_EQ(Ctrl(Ctl::mnufList, 9).Caption, "/s/F9");
  EXPECT_TRUE(Ctrl(Ctl::mnufList, 9).Visible);
  EXPECT_TRUE(Ctrl(Ctl::mnufListSep).Visible);
  EXPECT_EQ(Ctrl(Ctl::mnuGroupList, 1).Caption, "");
  EXPECT_FALSE(Ctrl(Ctl::mnuGroupList, 1).Visible);
}

TEST_F(RecentFilesTest, WithoutRecentGroupsTheDefaultGroupIsOffered) {
  Load();
  EXPECT_EQ(Ctrl(Ctl::mnuGroupList, 1).Caption, folder.File("default.sim"));
  EXPECT_FALSE(Ctrl(Ctl::mnuGroupList, 1).Visible);
  EXPECT_FALSE(Ctrl(Ctl::mnufListSep).Visible);
}

TEST_F(RecentFilesTest, OpeningPutsThePathFirstKeepingItsCase) {
  WriteSettings("[Kavo LastFiles]\n 1=/s/A.spc\n 2=/s/B.spc\n");
  Load();
  form.RebuildFileListMenu("/s/New.SPC");
  EXPECT_THAT(Captions(), ::testing::ElementsAre("/s/New.SPC", "", "/s/A.spc", "/s/B.spc", "", "",
                                                 "", "", "", ""));
  EXPECT_FALSE(Ctrl(Ctl::mnufList, 1).Visible);
  EXPECT_TRUE(Ctrl(Ctl::mnufList, 2).Visible);

  form.RebuildFileListMenu("/s/A.spc");  // already listed: no reordering
  EXPECT_EQ(Ctrl(Ctl::mnufList, 0).Caption, "/s/New.SPC");
  form.RebuildFileListMenu("/s/a.spc");  // another file for a case-sensitive system
  EXPECT_EQ(Ctrl(Ctl::mnufList, 0).Caption, "/s/a.spc");
  EXPECT_EQ(Ctrl(Ctl::mnufList, 1).Caption, "/s/New.SPC");
}

TEST_F(RecentFilesTest, TheTenthPathDropsTheOldest) {
  Load();
  for (int i = 0; i < 11; ++i) form.RebuildFileListMenu("/s/" + std::to_string(i));
  const auto captions = Captions();
  EXPECT_EQ(captions.front(), "/s/10");
  EXPECT_EQ(captions.back(), "/s/1");
}

}  // namespace
