// The group file: exact bytes of a save, the defaults and checks of a restore, header rules,
// atomic failure and the readability test.
#include <gmock/gmock.h>

#include "groups/group_file.h"
#include "tests/groups/groups_fixture.h"

namespace {

class GroupFileTest : public GroupsTest {
 protected:
  std::string Path() const { return folder.File("Group.sim"); }
};

TEST_F(GroupFileTest, SavingAnItemWritesHeaderSectionAndCaptionInOrder) {
  gPrintBoxWidth = 120 * 40.2f;
  gPrintBoxHeight = 80 * 40.2f;
  gPrintBoxToggles = 111;
  gDisableRef = 0;
  gGroupTitle = "Runs";
  gGroupDateStarted = "2024-01-02";
  ASSERT_TRUE(SimItemSave(AbItem("AB & co"), 0, Path(), true));
  EXPECT_EQ(ReadAll(Path()),
            "[Simulation Group]\r\nBox Width= 120\r\nBox Height= 80\r\nBox Toggles= 111\r\n"
            "Date Started=2024-01-02\r\nTitle=Runs\r\nDisableRef= 0\r\n\r\n"
            "[SaveRestore 0]\r\nDateLastChange=2024-03-05 [14:07:09]\r\nType= 2\r\n"
            "Group= 0\r\nName=AB & co\r\nSpecRef= 0\r\nSpecMHz= 200\r\nSpectType= 1\r\n"
            "VertMult= 1.5\r\nTempK=298\r\nVertLock=0\r\nVertLockHt= 2000\r\nSpecOffset= 0\r\n"
            "Param=1|2|3|4|5|6|7|8\r\nParamIncr=0.5|0.5|0.5|0.5|0.5|0.5|0.5|0.5\r\nScreenParam=0123\r\nFileName=\r\n"
            "SpecVertMult=\r\n\r\n[Kavo SaveRestore]\r\n0=1. AB & co\r\n");
}

TEST_F(GroupFileTest, CaptionsKeysAndSectionNames) {
  EXPECT_EQ(ItemSectionName(0), "SaveRestore 0");
  EXPECT_EQ(ItemCaptionText(0, " AB "), "1. AB");
  EXPECT_EQ(ItemCaptionText(9, "x"), "10. x");
  EXPECT_EQ(ItemCaptionText(10, "x"), "11. x");
}

TEST_F(GroupFileTest, InvalidOrEmptyTypesWriteNoItem) {
  for (const char* type : {"-1", "45", "2.5", "abc", "", "1e1"}) {
    SCOPED_TRACE(type);
    std::filesystem::remove(Path());
    SimItem item = AbItem("x");
    item.Type = type;
    ASSERT_TRUE(SimItemSave(item, 3, Path(), false));
    EXPECT_EQ(ReadAll(Path()), "");
    ASSERT_TRUE(SimItemSave(item, 3, Path(), true));
    EXPECT_EQ(ReadAll(Path()).find("SaveRestore"), std::string::npos);
    EXPECT_NE(ReadAll(Path()).find("[Simulation Group]"), std::string::npos);
  }
}

TEST_F(GroupFileTest, ANeverSavedIndexIsAnEmptySlotWithItsDefaults) {
  ASSERT_TRUE(SimItemSave(AbItem("x"), 0, Path(), true));
  SimItem item;
  item.PrivateTag = "<kept>";
  ASSERT_TRUE(SimItemRestore(item, 7, Path(), false));
  EXPECT_EQ(item.Type, "-1");
  EXPECT_EQ(item.Name, "(Empty)");
  EXPECT_EQ(item.VertLockHt, "3000");
  EXPECT_EQ(item.SpecVertMult, "1");
  EXPECT_EQ(item.TempK, "-1");
  EXPECT_EQ(item.Param[75], "0");
  EXPECT_EQ(item.ParamIncr[0], "1");
  EXPECT_EQ(item.PrivateTag, "<kept>");
}

TEST_F(GroupFileTest, RoundTripGivesTheItemBack) {
  SimItem saved = AbItem("AB");
  saved.FileName = "/data/Run 1.nmr";
  saved.SpecVertMult = " 2";
  ASSERT_TRUE(SimItemSave(saved, 12, Path(), true));
  SimItem back;
  ASSERT_TRUE(SimItemRestore(back, 12, Path(), true));
  EXPECT_EQ(back.Type, "2");
  EXPECT_EQ(back.Group, "0");
  EXPECT_EQ(back.Name, "AB");
  EXPECT_EQ(back.FileName, "/data/Run 1.nmr");
  EXPECT_EQ(back.SpecVertMult, "2");
  EXPECT_EQ(back.VertMult, "1.5");
  EXPECT_EQ(back.Param[0], "1");
  EXPECT_EQ(back.ParamIncr[0], "0.5");
}

// Values read from a file: each row a stored text and what the restore gives.
TEST_F(GroupFileTest, UnusableStoredValuesTakeTheirDefaults) {
  struct Case {
    const char* key;
    const char* stored;
    std::string SimItem::*field;
    const char* expected;
  };
  const Case cases[] = {
      {"SpecVertMult", "0.01", &SimItem::SpecVertMult, "1"},
      {"SpecVertMult", "0.011", &SimItem::SpecVertMult, "0.011"},
      {"SpecVertMult", "1e400", &SimItem::SpecVertMult, "1"},
      {"VertLockHt", "1e39", &SimItem::VertLockHt, "3000"},
      {"SpectType", "70000", &SimItem::SpectType, "-1"},
      {"SpecOffset", "99999", &SimItem::SpecOffset, ""},
      {"TempK", "-1e300", &SimItem::TempK, "-1"},
      {"TempK", " 300 ", &SimItem::TempK, "300"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
    WriteAll(Path(), std::string("[SaveRestore 1]\r\nType=2\r\n") + c.key + "=" + c.stored +
                         "\r\nParam=1|1e99||4\r\n");
    SimItem item;
    ASSERT_TRUE(SimItemRestore(item, 1, Path(), false));
    EXPECT_EQ(item.*c.field, c.expected);
    EXPECT_EQ(item.Param[1], "0");
    EXPECT_EQ(item.Param[2], "0");
    EXPECT_EQ(item.Param[3], "4");
  }
}

TEST_F(GroupFileTest, ParamWithMoreThan76FieldsKeepsTheFirst76) {
  std::string param;
  for (int k = 0; k < 80; ++k) param += (k ? "|" : "") + std::to_string(k);
  WriteAll(Path(), "[SaveRestore 0]\r\nType=2\r\nParam=" + param + "\r\n");
  SimItem item;
  ASSERT_TRUE(SimItemRestore(item, 0, Path(), false));
  EXPECT_EQ(item.Param[75], "75");
}

TEST_F(GroupFileTest, HeaderReadKeepsCurrentValuesForMissingOrInvalidKeys) {
  struct Case {
    const char* header;
    float width;
    int16_t toggles;
    int16_t disableRef;
  };
  const float w = 100 * 40.2f;
  const Case cases[] = {
      {"Title=T\r\n", w, 5, -1},                                     // no DisableRef: on
      {"Box Width=120\r\nDisableRef= 0\r\n", 120 * 40.2f, 5, 0},
      {"Box Width=19\r\nDisableRef=False\r\n", w, 5, 0},
      {"Box Width=1001\r\nDisableRef=True\r\n", w, 5, -1},
      {"Box Width=1e999\r\nDisableRef=1\r\n", w, 5, -1},
      {"Box Toggles=70000\r\nDisableRef=maybe\r\n", w, 5, -1},
      {"Box Toggles=-3\r\n", w, -3, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.header);
    gPrintBoxWidth = w;
    gPrintBoxToggles = 5;
    gDisableRef = 7;
    WriteAll(Path(), std::string("[Simulation Group]\r\n") + c.header);
    SimItem item;
    ASSERT_TRUE(SimItemRestore(item, 0, Path(), true));
    EXPECT_FLOAT_EQ(gPrintBoxWidth, c.width);
    EXPECT_EQ(gPrintBoxToggles, c.toggles);
    EXPECT_EQ(gDisableRef, c.disableRef);
  }
}

// A box size saved with a group and read back is the size that was saved, to the bit, though the
// file holds it in millimetres to 7 digits; a size the file changes is taken from the file.
TEST_F(GroupFileTest, BoxSizesComeBackFromTheirOwnGroupUnchanged) {
  struct Case {
    float saved;
    const char* edited;  // the file's "Box Width" edited to this, or nullptr
    float read;
  };
  const Case cases[] = {
      {7874, nullptr, 7874},  // 195.8706 mm, which is 7873.998 again
      {7879.2f, nullptr, 7879.2f},
      {1000.5f, nullptr, 1000.5f},
      {7874, " 200", 8040},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.saved);
    gPrintBoxWidth = gPrintBoxHeight = c.saved;
    ASSERT_TRUE(SimItemSave(AbItem("box"), 0, Path(), true));
    if (c.edited) {
      std::string text = ReadAll(Path());
      const std::size_t at = text.find("Box Width=") + 10;
      text.replace(at, text.find('\r', at) - at, c.edited);
      WriteAll(Path(), text);
    }
    SimItem item;
    ASSERT_TRUE(SimItemRestore(item, 0, Path(), true));
    EXPECT_EQ(gPrintBoxWidth, c.read);
    EXPECT_EQ(gPrintBoxHeight, c.saved);
  }
}

TEST_F(GroupFileTest, NewGroupFileKeepsItemSectionsAndWritesTheCaptionList) {
  ASSERT_TRUE(SimItemSave(AbItem("old"), 4, Path(), false));
  gGroupTitle = "New";
  gGroupDateStarted = "2024-03-05";
  gPrintBoxWidth = 402;
  gPrintBoxHeight = 804;
  gPrintBoxToggles = 3;
  ASSERT_TRUE(WriteNewGroupFile(Path()));
  const std::string text = ReadAll(Path());
  EXPECT_NE(text.find("[SaveRestore 4]"), std::string::npos);
  EXPECT_NE(text.find("[Simulation Group]\r\nDate Started=2024-03-05\r\nBox Width= 10\r\n"
                      "Box Height= 20\r\nBox Toggles= 3\r\nTitle=New\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("0= 1. \r\n"), std::string::npos);
  EXPECT_NE(text.find("9=10. \r\n"), std::string::npos);
  EXPECT_NE(text.find("24=25. \r\n"), std::string::npos);
}

TEST_F(GroupFileTest, AFailedSaveLeavesTheFileByteIdentical) {
  ASSERT_TRUE(SimItemSave(AbItem("first"), 0, Path(), true));
  const std::string before = ReadAll(Path());
  AtomicWriteFailForTests("disk full");
  std::string error;
  EXPECT_FALSE(SimItemSave(AbItem("second"), 1, Path(), true, &error));
  EXPECT_EQ(error, "disk full");
  EXPECT_FALSE(WriteNewGroupFile(Path(), &error));
  EXPECT_EQ(ReadAll(Path()), before);
  EXPECT_EQ(GroupSaveFailedText("/g.sim", "disk full"),
            "The simulation group file [/g.sim] could not be saved: disk full");
}

TEST_F(GroupFileTest, ReadableGroupFilesHaveAHeaderOrAnItemSection) {
  struct Case {
    std::string bytes;
    bool readable;
  };
  const Case cases[] = {
      {"[Simulation Group]\r\n", true},
      {"[ saverestore 24 ]\r\nType=2\r\n", true},
      {"[SaveRestore 25]\r\n", false},
      {"[Kavo SaveRestore]\r\n0=1. x\r\n", false},
      {"ZEF1621DRW\r\n\x01\x02\x03", false},
      {std::string("\0\xff\xfe[", 4), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    WriteAll(Path(), c.bytes);
    EXPECT_EQ(IsReadableGroupFile(Path()), c.readable);
  }
  EXPECT_FALSE(IsReadableGroupFile(folder.File("missing.sim")));
  EXPECT_EQ(UnreadableGroupText("/a.sim"),
            "The file [/a.sim] is not a readable simulation group file.");
}

}  // namespace
