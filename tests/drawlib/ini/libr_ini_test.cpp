#include "drawlib/ini/libr_ini.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "drawlib/ini/cls_file_ini.h"
#include "platform/msgbox.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

const char kNotRegistered[] = "[Section] and FileName Not Registered in Private.Ini!";

// Every box shown must be the not-registered message; returns how many there were.
std::size_t NotRegisteredBoxes(const MsgBoxRecorder& boxes) {
  for (const RecordedBox& box : boxes.boxes()) {
    EXPECT_EQ(box.text, kNotRegistered);
    EXPECT_EQ(box.style, vbOKOnly + vbCritical);
    EXPECT_EQ(box.title, "IniFile Logic Error");
  }
  return boxes.count();
}

class IniTest : public ::testing::Test {
 protected:
  void SetUp() override { IniResetForTests(); }
  void TearDown() override { IniResetForTests(); }
  void Put(const std::string& bytes) { std::ofstream(file_, std::ios::binary) << bytes; }
  std::string Bytes() const {
    std::ifstream in(file_, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  MsgBoxRecorder boxes_;
  ScratchFolder scratch_;
  const std::string dir_ = scratch_.path();
  const std::string file_ = scratch_.File("KAVO71.ini");
};

TEST_F(IniTest, EveryUseBeforeRegistrationShowsTheMessageAndDoesNothing) {
  IniEntryTable table{{{"keep"}, {"kept"}}};
  std::vector<std::string> list{"x"};
  struct Step {
    const char* what;
    std::function<void()> run;
    std::size_t boxes;
  } steps[] = {
      {"IniGetString", [] { EXPECT_EQ(IniGetString("A", "k", "default"), ""); }, 1},
      {"IniPutString", [] { EXPECT_EQ(IniPutString("A", "k", "v"), 0); }, 1},
      {"IniReadSection", [&] { EXPECT_EQ(IniReadSection("A", table), 0); }, 1},
      {"IniDeleteSection", [] { EXPECT_FALSE(IniDeleteSection("A")); }, 1},
      {"IniNotRegistered", [] { IniNotRegistered(); }, 1},
      {"INItoList", [&] { INItoList(list, "A"); }, 1},
      {"ListToINI: deletion and each non-empty item",
       [] { EXPECT_FALSE(ListToINI({"a", "", "c"}, "A")); }, 3},
      {"CtrlMenuToINI", [] { EXPECT_FALSE(CtrlMenuToINI({"", "f1"}, "A")); }, 2},
  };
  for (const Step& step : steps) {
    boxes_.Clear();
    step.run();
    EXPECT_EQ(NotRegisteredBoxes(boxes_), step.boxes) << step.what;
  }
  EXPECT_EQ(table[0], std::vector<std::string>{"keep"});
  EXPECT_TRUE(list.empty());
  EXPECT_TRUE(fs::is_empty(dir_)) << "nothing written before registration";
}

TEST_F(IniTest, RegistersTheTrimmedAbsolutePath) {
  IniRegisterFile("  " + file_ + "  ");
  EXPECT_EQ(IniRegFile, file_);
  EXPECT_EQ(IniRegistered, -1);
  IniRegisterFile(" settings.ini ");
  EXPECT_EQ(IniRegFile, (fs::current_path() / "settings.ini").string());
}

TEST_F(IniTest, ReadsAndWritesTheRegisteredFile) {
  Put("[KavoConfiguration]\r\nEmpty=\r\nDefault MHz=400\r\n");
  IniRegisterFile(file_);
  EXPECT_EQ(IniGetString("KavoConfiguration", "Missing", "60"), "60");
  EXPECT_EQ(IniGetString("KavoConfiguration", "Empty", "60"), "");
  EXPECT_EQ(IniGetString("kavoconfiguration", "default mhz", "60"), "400");
  EXPECT_NE(IniPutString("KavoConfiguration", "DisableRef", " 0"), 0);
  EXPECT_EQ(IniGetString("KavoConfiguration", "DisableRef", "x"), "0");
  EXPECT_NE(IniPutString("Big", "v", std::string(5000, 'q')), 0);
  EXPECT_EQ(IniGetString("Big", "v", ""), std::string(4095, 'q'));
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(IniTest, ValueEndsAtItsFirstNul) {
  Put(std::string("[A]\r\nk=a\0b\r\nlead=\0b\r\n", 21));
  IniRegisterFile(file_);
  EXPECT_EQ(IniGetString("A", "k", ""), "a");
  EXPECT_EQ(IniGetString("A", "lead", "d"), "");
  clsFileINI group;
  group.IniFilename(file_);
  EXPECT_EQ(group.INIString("A", "k", ""), "a");
  std::vector<std::string> keys, values;
  group.INItoArray(keys, values, "A");
  EXPECT_EQ(values, (std::vector<std::string>{"a", ""}));
}

TEST_F(IniTest, ReadSectionFillsTheTableOrLeavesItAlone) {
  Put("[S]\r\na=1\r\nb=2\r\n[Empty]\r\n");
  IniRegisterFile(file_);
  IniEntryTable table{{{"old1", "old2", "old3"}, {"v1", "v2", "v3"}}};
  EXPECT_EQ(IniReadSection("Missing", table), 0);
  EXPECT_EQ(IniReadSection("Empty", table), 0);
  EXPECT_EQ(table[0].size(), 3u);
  EXPECT_EQ(IniReadSection("S", table), 2);
  EXPECT_EQ(table, (IniEntryTable{{{"a", "b"}, {"1", "2"}}}));
}

TEST_F(IniTest, ListAndMenuReplaceTheirSection) {
  Put("[Printers]\r\n0=stale\r\n7=stale\r\n[Kavo LastFiles]\r\n5=old\r\n");
  IniRegisterFile(file_);
  EXPECT_TRUE(ListToINI({"Laser", "", "Ink"}, "Printers"));
  EXPECT_TRUE(CtrlMenuToINI({"", "/data/a.drw", "", "/data/b.drw"}, "Kavo LastFiles"));
  EXPECT_EQ(Bytes(), "[Printers]\r\n0=Laser\r\n2=Ink\r\n\r\n[Kavo LastFiles]\r\n1=/data/a.drw\r\n"
                     "3=/data/b.drw\r\n");
  std::vector<std::string> list{"left over"};
  INItoList(list, "Printers");
  EXPECT_EQ(list, (std::vector<std::string>{"Laser", "Ink"}));
  EXPECT_EQ(IniGetString("Kavo LastFiles", " 3", ""), "/data/b.drw");
}

TEST_F(IniTest, WriteFailuresReachTheCaller) {
  IniRegisterFile(dir_ + "/no such folder/KAVO71.ini");
  EXPECT_EQ(IniPutString("A", "k", "v"), 0);
  EXPECT_FALSE(IniWriteError.empty());
  EXPECT_FALSE(ListToINI({"a"}, "A"));
  EXPECT_FALSE(CtrlMenuToINI({"a"}, "A"));
  EXPECT_EQ(IniPutString("A", "k=", "v"), 0) << "refused key name";
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(IniTest, FileObjectBeforeNamingShowsTheMessage) {
  clsFileINI group;
  IniEntryTable table;
  int count = 5;
  group.GetSectEntriesEx("A", table, count);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(group.INIString("A", "k", "d"), "");
  EXPECT_FALSE(group.INIString("A", "k", "", "v"));
  EXPECT_FALSE(group.PrivDeleteEntry("A", "k"));
  EXPECT_EQ(NotRegisteredBoxes(boxes_), 4u);
  // The members that name their own file need no registration.
  EXPECT_TRUE(group.PrivIniWrite("A", file_, "k", "v"));
  std::string text;
  int32_t number = 0;
  group.PrivIniRead("A", "k", 0, "", text, number, file_);
  EXPECT_EQ(text, "v");
  EXPECT_EQ(NotRegisteredBoxes(boxes_), 4u);
}

TEST_F(IniTest, FileObjectReadsAndWritesItsGroupFile) {
  clsFileINI group;
  group.IniFilename(" " + file_ + " ");
  EXPECT_EQ(group.IniFilename(), file_);
  EXPECT_EQ(group.INIString("Simulation Group", "Title", "Untitled"), "Untitled");
  EXPECT_TRUE(group.INIString("Simulation Group", "Title", "ignored", "Rotamers of DMF"));
  EXPECT_EQ(group.INIString("simulation group", "title", "Untitled"), "Rotamers of DMF");
  EXPECT_TRUE(group.MenuToINI({"", " 1. ", "", " 3. "}, "Kavo SaveRestore"));

  std::vector<std::string> keys{"k"}, values{"v"};
  group.INItoArray(keys, values, "Missing");
  EXPECT_EQ(keys, std::vector<std::string>{"k"});
  group.INItoArray(keys, values, "Simulation Group");
  EXPECT_EQ(keys, std::vector<std::string>{"Title"});
  EXPECT_EQ(values, std::vector<std::string>{"Rotamers of DMF"});

  EXPECT_TRUE(group.INIString("Kavo SaveRestore", "99", "", "no such item"));
  EXPECT_TRUE(group.INIString("Kavo SaveRestore", "1.6", "", "rounded to 2"));
  std::vector<std::string> captions{"c0", "c1", "c2", "c3"};
  group.INItoMenu(captions, "Kavo SaveRestore");
  EXPECT_EQ(captions, (std::vector<std::string>{"c0", "1.", "rounded to 2", "3."}));

  EXPECT_TRUE(group.PrivDeleteEntry("Kavo SaveRestore", "99"));
  EXPECT_TRUE(group.PrivDeleteSection("Simulation Group"));
  EXPECT_EQ(group.INIString("Simulation Group", "Title", "gone"), "gone");
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(IniTest, FileObjectBatchWritesOnceOnCommit) {
  Put("; kept\r\n[A]\r\nk=1\r\n");
  clsFileINI group;
  group.IniFilename(file_);
  ASSERT_TRUE(group.BeginBatch());
  EXPECT_TRUE(group.INIString("A", "k", "", "2"));
  EXPECT_TRUE(group.INIString("B", "n", "", "3"));
  EXPECT_TRUE(group.PrivDeleteEntry("A", "gone"));
  EXPECT_FALSE(group.INIString("A", "bad=key", "", "x"));
  EXPECT_EQ(group.INIString("a", "K", ""), "2");  // reads see the batch
  IniEntryTable table;
  int count = 0;
  group.GetSectEntriesEx("B", table, count);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(Bytes(), "; kept\r\n[A]\r\nk=1\r\n");  // nothing written yet
  ASSERT_TRUE(group.CommitBatch());
  EXPECT_EQ(Bytes(), "; kept\r\n[A]\r\nk=2\r\n\r\n[B]\r\nn=3\r\n");

  ASSERT_TRUE(group.BeginBatch(true));
  group.INIString("C", "only", "", "this");
  group.AbandonBatch();
  EXPECT_FALSE(group.InBatch());
  EXPECT_EQ(Bytes(), "; kept\r\n[A]\r\nk=2\r\n\r\n[B]\r\nn=3\r\n");
  ASSERT_TRUE(group.BeginBatch(true));
  group.INIString("C", "only", "", "this");
  ASSERT_TRUE(group.CommitBatch());
  EXPECT_EQ(Bytes(), "[C]\r\nonly=this\r\n");
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(IniTest, PrivIniReadKeepsTextWhenNothingIsCopied) {
  Put("[A]\r\nn=12\r\nempty=\r\nt=abc\r\n");
  clsFileINI reader;
  struct Case {
    const char* key;
    int32_t numberIn;
    const char* defaultText;
    const char* textAfter;
    int32_t numberAfter;
  } cases[] = {
      {"t", 0, "d", "abc", 0},       {"missing", 0, "d", "d", 0},
      {"missing", 0, "", "previous", 0}, {"empty", 0, "d", "previous", 0},
      {"n", 1, "", "previous", 12},  {"missing", 1, "", "previous", -5},
  };
  for (const Case& c : cases) {
    std::string text = "previous";
    int32_t number = c.numberIn;
    reader.PrivIniRead("A", c.key, -5, c.defaultText, text, number, file_);
    EXPECT_EQ(text, c.textAfter) << c.key;
    EXPECT_EQ(number, c.numberAfter) << c.key;
  }
}

}  // namespace
