#include "drawlib/ui/ini_widgets.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <cstdlib>
#include <filesystem>

#include "drawlib/ini/cls_file_ini.h"
#include "drawlib/ini/libr_ini.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

class IniWidgetsTest : public ::testing::Test {
 protected:
  void SetUp() override { IniRegisterFile(dir_ + "/KAVO71.ini"); }
  void TearDown() override { IniResetForTests(); }
  ScratchFolder scratch_;
  const std::string dir_ = scratch_.path();
};

TEST_F(IniWidgetsTest, ListsRoundTripThroughTheSettingsFile) {
  QComboBox printers;
  printers.addItems({QString::fromUtf8("Laser K\u00E9"), "", "Ink"});
  ASSERT_TRUE(ListToINI(&printers, "Printers"));
  EXPECT_EQ(IniGetString("Printers", "0", ""), "Laser K\xE9");
  EXPECT_EQ(IniGetString("Printers", "1", "none"), "none");
  QListWidget shown;
  shown.addItem("stale");
  INItoList(&shown, "Printers");
  ASSERT_EQ(shown.count(), 2);
  EXPECT_EQ(shown.item(0)->text(), QString::fromUtf8("Laser K\u00E9"));
  EXPECT_EQ(shown.item(1)->text(), "Ink");
}

TEST_F(IniWidgetsTest, MenuArraysStoreAndRestoreByIndex) {
  QAction first("/data/a.drw"), third("/data/c.drw");
  const std::vector<QAction*> menu{nullptr, &first, nullptr, &third};
  ASSERT_TRUE(CtrlMenuToINI(menu, "Kavo LastFiles"));
  IniEntryTable table;
  ASSERT_EQ(IniReadSection("Kavo LastFiles", table), 2);
  EXPECT_EQ(table[0], (std::vector<std::string>{"1", "3"}));

  clsFileINI group;
  group.IniFilename(dir_ + "/group.sim");
  ASSERT_TRUE(MenuToINI(group, menu, "Kavo SaveRestore"));
  ASSERT_TRUE(group.INIString("Kavo SaveRestore", "0", "", "no control at 0"));
  ASSERT_TRUE(group.INIString("Kavo SaveRestore", "3", "", "changed"));
  INItoMenu(group, menu, "Kavo SaveRestore");
  EXPECT_EQ(first.text(), "/data/a.drw");
  EXPECT_EQ(third.text(), "changed");
}

}  // namespace
