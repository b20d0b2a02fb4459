// The group editor: loading, the grid of a uniform and of a mixed group, editing cells, saving
// with the drawing file, closing, and the failure roads.
#include <gmock/gmock.h>

#include <filesystem>
#include <functional>

#include "documents/file_dialog.h"
#include "groups/item_drawing.h"
#include "tests/groups/editor_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST_F(EditorTest, AUniformGroupShowsEveryItemAndStartsAtTheFirstOne) {
  WriteGroup({{2, 2}, {3, 2}});
  Open();
  ASSERT_TRUE(editor.Visible());
  EXPECT_EQ(editor.Caption(), "Simulation Group Editor [" + Path() + "]");
  EXPECT_EQ(editor.Grid1().Cols(), 26);
  EXPECT_EQ(editor.Grid1().Rows(), 13);  // type 2: parameters 0..7
  EXPECT_EQ(editor.CurrentItem(), 2);
  EXPECT_EQ(editor.ListIndex(), 2);
  EXPECT_EQ(editor.Grid1().Col(), 3);
  EXPECT_EQ(editor.lstIniItems()[2], " 3. Item2");
  EXPECT_EQ(editor.lstIniItems()[0], " 1. (Empty)");
  EXPECT_EQ(Cell(0, 3), " 3");
  EXPECT_EQ(Cell(2, 0), " Title");
  EXPECT_EQ(Cell(3, 3), "26.84");
  EXPECT_EQ(Cell(5, 3), "2.0");
  EXPECT_EQ(Cell(4, 3), gSimItems[2].PrivateTag.substr(0, 50));
  EXPECT_THAT(gSimItems[2].PrivateTag, HasSubstr("<Type>2</Type><Group>0</Group>"));
  EXPECT_TRUE(editor.Buttons().Copy);
  EXPECT_EQ(editor.txtBoxWidth, "0.0");
}

TEST_F(EditorTest, AMixedGroupShowsTheCurrentItemAloneAndTurnsTypeCommandsOff) {
  WriteGroup({{0, 2}, {1, 15}});
  Open();
  EXPECT_TRUE(editor.MixedTypes());
  EXPECT_EQ(editor.Grid1().Cols(), 2);
  editor.lstIniItems_Click(1);
  EXPECT_EQ(editor.Grid1().Rows(), 13);  // type 15: parameters 0..7
  EXPECT_EQ(Cell(6, 0), "kab+kba ");
  EXPECT_EQ(Cell(2, 1), "Item1");
  editor.lstIniItems_Click(5);  // an empty item cannot be selected
  EXPECT_EQ(editor.CurrentItem(), 1);
  EXPECT_EQ(editor.ListIndex(), 1);
  Select(6, 1);
  EXPECT_FALSE(editor.Buttons().Make_k_vs_T);
}

// Which buttons a loaded group leaves enabled: a mixed group turns off exactly the five commands
// that work on the grid's rows; the two group tables stay.
TEST_F(EditorTest, TheButtonsAfterLoadingFollowTheGroupsTypes) {
  struct Case {
    const char* name;
    std::vector<std::pair<int16_t, int16_t>> items;
    bool typeCommands;  // MakeParSame, MakeViewParSame, Copy, Paste, Make_k_vs_T
  };
  const Case cases[] = {
      {"single type", {{0, 18}, {1, 18}}, true},
      {"mixed types", {{0, 2}, {1, 18}}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(Path());
    WriteGroup(c.items);
    SimEditor fresh;
    fresh.SetTag(Path());
    fresh.Form_Activate();
    ASSERT_EQ(fresh.MixedTypes(), !c.typeCommands);
    const EditorButtons& b = fresh.Buttons();
    EXPECT_EQ(b.MakeParSame, c.typeCommands);
    EXPECT_EQ(b.MakeViewParSame, c.typeCommands);
    EXPECT_EQ(b.Copy, c.typeCommands);
    EXPECT_EQ(b.Paste, c.typeCommands);
    EXPECT_TRUE(b.CopyData);
    EXPECT_TRUE(b.CopyRates);
    // On the rate row "k" of the type-18 item, k versus T follows the type commands.
    fresh.lstIniItems_Click(1);
    fresh.Grid1().SetRow(8);
    fresh.Grid1().SetCol(c.typeCommands ? 2 : 1);
    fresh.Grid1_CellChanged();
    EXPECT_EQ(fresh.Buttons().Make_k_vs_T, c.typeCommands);
  }
}

TEST_F(EditorTest, AnEmptyGroupShowsTheFiveFixedRows) {
  WriteAll(Path(), "[Simulation Group]\r\nTitle=T\r\n");
  Open();
  ASSERT_TRUE(editor.Visible());
  EXPECT_EQ(editor.Grid1().Rows(), 5);
  EXPECT_EQ(editor.CurrentItem(), 0);
}

TEST_F(EditorTest, EditingCellsFollowsTheRowRules) {
  WriteGroup({{0, 2}, {1, 2}});
  Open();
  Select(2, 1);
  editor.txtGridEdit_Change("Run, first");
  EXPECT_EQ(editor.lstIniItems()[0], " 1. Run, first");
  EXPECT_TRUE(editor.ChangedSinceSave());
  Select(5, 2);
  editor.txtGridEdit_Change("1,5");
  Select(2, 1);
  EXPECT_EQ(editor.txtGridEdit(), "Run, first");  // a title keeps its comma
  Select(5, 2);
  EXPECT_EQ(editor.txtGridEdit(), "1.5");
  Select(4, 2);
  EXPECT_EQ(editor.txtGridEdit(), kNotEditable);
  const std::string tag = Cell(4, 2);
  editor.txtGridEdit_Change("typed");
  EXPECT_EQ(Cell(4, 2), tag);
  Select(3, 1);
  editor.txtGridEdit_Change("");
  editor.DataGridToSim();
  EXPECT_EQ(gSimItems[0].TempK, "0");
  EXPECT_EQ(gSimItems[1].Param[0], "1.5");
  EXPECT_EQ(gSimItems[0].Name, "Run, first");
}

TEST_F(EditorTest, EnterMovesAlongTheRowThenToTheNextRowAndStopsAtTheLastCell) {
  WriteGroup({{0, 2}});
  Open();
  EXPECT_EQ(editor.txtGridEdit_KeyPress(13), 0);
  Select(5, 25);
  editor.txtGridEdit_KeyUp(13);
  EXPECT_EQ(editor.Grid1().Row(), 6);
  EXPECT_EQ(editor.Grid1().Col(), 1);
  Select(12, 25);
  editor.txtGridEdit_KeyUp(13);
  EXPECT_EQ(editor.Grid1().Row(), 12);
  EXPECT_EQ(editor.Grid1().Col(), 25);
}

TEST_F(EditorTest, SaveWritesTheWholeGroupAnd25Pages) {
  WriteGroup({{1, 2}, {4, 2}});
  const std::string before = ReadAll(Path());
  WriteAll(Path(), before + "[Stale]\r\nx=1\r\n");
  Open();
  Select(2, 2);
  editor.txtGridEdit_Change("Renamed");
  ASSERT_EQ(editor.SimSave(), 1);
  EXPECT_FALSE(editor.ChangedSinceSave());
  const std::string text = ReadAll(Path());
  EXPECT_EQ(text.find("[Simulation Group]"), 0u);
  EXPECT_EQ(text.find("[Stale]"), std::string::npos);
  EXPECT_THAT(text, HasSubstr("[SaveRestore 1]\r\nDateLastChange=2024-03-05 [14:07:09]\r\n"
                              "Type=2\r\nGroup=0\r\nName=Renamed\r\n"));
  EXPECT_THAT(text, HasSubstr("[SaveRestore 4]"));
  EXPECT_EQ(text.find("[SaveRestore 0]"), std::string::npos);
  PageArray pages(2);
  ASSERT_EQ(FileLoadBin32Bit(pages, Zef(), 0), 0);
  EXPECT_EQ(pages[1].pageCount, 25);
}

// A save that cannot write the group file, or only the group file and not its drawing, leaves
// both files as they were and the editor's changes unsaved.
TEST_F(EditorTest, AFailedSaveKeepsBothFilesAndTheChanges) {
  struct Case {
    const char* what;
    std::function<void()> fail;
    std::string message;
  };
  const Case cases[] = {
      {"nothing can be written", [] { AtomicWriteFailForTests("No space left on device."); },
       "The simulation group file [" + Path() + "] could not be saved: No space left on device."},
      {"the drawing cannot be written",
       [] { SetDrawingFileWriter([](const std::string&, std::string_view) { return int16_t{61}; }); },
       "The simulation group [" + Path() + "] was not saved, because its drawing could not be "
       "written to [" + Zef() + "]. The group and its drawing are as they were."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteGroup({{0, 2}});
    WriteDrawing(1);
    const std::string sim = ReadAll(Path()), zef = ReadAll(Zef());
    Open();
    Select(2, 1);
    editor.txtGridEdit_Change("New");
    c.fail();
    EXPECT_EQ(editor.SimSave(), 0);
    AtomicWriteFailForTests("");
    SetDrawingFileWriter({});
    EXPECT_EQ(boxes.last().text, c.message);
    EXPECT_TRUE(editor.ChangedSinceSave());
    EXPECT_EQ(ReadAll(Path()), sim);
    EXPECT_EQ(ReadAll(Zef()), zef);
  }
}

TEST_F(EditorTest, ADamagedDrawingFileIsKeptBeforeTheFirstSave) {
  WriteGroup({{0, 2}});
  WriteAll(Zef(), "ZEF1621DRW\r\n not a drawing, but long enough");
  Open();
  EXPECT_THAT(boxes.texts(), testing::Contains("ZEF file " + Zef() +
                                               "not found. ZEF drawing will be empty."));
  ASSERT_EQ(editor.SimSave(), 1);
  EXPECT_EQ(ReadAll(folder.File("Group{damaged}.zef")),
            "ZEF1621DRW\r\n not a drawing, but long enough");
  PageArray pages(2);
  EXPECT_EQ(FileLoadBin32Bit(pages, Zef(), 0), 0);
}

TEST_F(EditorTest, GroupsThisEditorCannotReadStayClosed) {
  struct Case {
    std::string bytes;
    std::string message;
  };
  const Case cases[] = {
      {"[SaveRestore 0]\r\nType=2\r\n[SaveRestore 1]\r\nType=2.5\r\n",
       "The simulation group [" + Path() + "] holds simulations this editor cannot read."},
      {"ZEF1621DRW\r\n\x01\x02", "The file [" + Path() + "] is not a readable simulation group file."},
  };
  for (const Case& c : cases) {
    WriteAll(Path(), c.bytes);
    gSimItems.assign(25, SimItem{});
    gSimItems[0].Name = "kept";
    boxes.Clear();
    SimEditor fresh;
    fresh.SetTag(Path());
    fresh.Form_Activate();
    EXPECT_FALSE(fresh.Visible());
    EXPECT_THAT(boxes.texts(), ElementsAre(c.message));
    EXPECT_EQ(gSimItems[0].Name, "kept");
  }
  SimEditor missing;
  missing.SetTag(folder.File("none.sim"));
  missing.Form_Activate();
  EXPECT_FALSE(missing.Visible());
  EXPECT_EQ(boxes.last().text,
            "The file " + folder.File("none.sim") + " was not found. Operation cancelled.");
}

TEST_F(EditorTest, ExitAsksOnlyAfterChanges) {
  WriteGroup({{0, 2}});
  Open();
  editor.cmdSimExit_Click();
  EXPECT_FALSE(editor.Visible());
  EXPECT_TRUE(boxes.empty());
  editor.SetTag(Path());
  editor.Form_Activate();
  Select(2, 1);
  editor.txtGridEdit_Change("x");
  boxes.Answer(vbCancel);
  editor.cmdSimExit_Click();
  EXPECT_TRUE(editor.Visible());
  EXPECT_EQ(boxes.last().title, "Simulation File Editor");
  boxes.Answer(vbYes);
  editor.cmdSimExit_Click();
  EXPECT_FALSE(editor.Visible());
  EXPECT_THAT(ReadAll(Path()), HasSubstr("Name=x\r\n"));
}

TEST_F(EditorTest, ItemTagParseSetsOnlyTheFieldsItHolds) {
  SimItem item = AbItem("a");
  ItemTagParse("<vertMult>7</vertMult><ParamIncr>2||3</ParamIncr>", item);
  EXPECT_EQ(item.VertMult, "7");
  EXPECT_EQ(item.Type, " 2");
  EXPECT_EQ(item.ParamIncr[0], "2");
  EXPECT_EQ(item.ParamIncr[1], "1");
  EXPECT_EQ(item.ParamIncr[2], "3");
  SimItem back = AbItem("b");
  back.VertLockHt = "1234";
  ItemTagParse(ItemTagBuild(back), item);
  EXPECT_EQ(item.VertLockHt, "1234");
  EXPECT_EQ(item.VertLock, "0");
}

// Another program saves item 1 (with its page) while the editor is open on the group.
class EditorSharingTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    WriteGroup({{0, 2}, {1, 2}, {2, 2}});
    WriteDrawing(3);
    Open();
  }
  void OtherProgramSavesItem1() { OtherProgramSaves(1); }
  void OtherProgramSaves(int16_t index) {
    SimItem other = AbItem("Saved by the other program");
    other.Type = "15";
    ASSERT_TRUE(SimItemSave(other, index, Path(), false));
    ASSERT_TRUE(SaveItemDrawing(index, Path(), [](PageRec& page) { page.title = "other page"; }));
  }
  std::string FileItemName(int16_t index) {
    SimItem item;
    EXPECT_TRUE(SimItemRestore(item, index, Path(), false));
    return item.Name;
  }
  std::string PageTitle(int16_t index) {
    PageArray pages(2);
    EXPECT_EQ(FileLoadBin32Bit(pages, Zef(), 0), 0);
    return static_cast<size_t>(index + 1) < pages.size() ? pages[static_cast<size_t>(index + 1)].title
                                                         : "";
  }
};

TEST_F(EditorSharingTest, AnItemTheEditorLeftAloneKeepsTheOtherProgramsSave) {
  Select(2, 3);
  editor.txtGridEdit_Change("Edited here");
  OtherProgramSavesItem1();
  ASSERT_EQ(editor.SimSave(), 1);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(FileItemName(1), "Saved by the other program");
  EXPECT_EQ(PageTitle(1), "other page");
  EXPECT_EQ(FileItemName(2), "Edited here");
  // The editor shows the other program's item from now on, and a second save keeps it too.
  EXPECT_EQ(editor.lstIniItems()[1], " 2. Saved by the other program");
  ASSERT_EQ(editor.SimSave(), 1);
  EXPECT_EQ(FileItemName(1), "Saved by the other program");
}

TEST_F(EditorSharingTest, AnItemBothChangedIsWrittenOverOnlyWhenTheUserSaysSo) {
  struct Case {
    int answer;
    std::string name1;  // item 1 in the file afterwards
    int result;
  };
  for (const Case& c : {Case{vbYes, "Edited here", 1},
                        Case{vbNo, "Saved by the other program", 1},
                        Case{vbCancel, "Saved by the other program", 0}}) {
    SCOPED_TRACE(c.answer);
    WriteGroup({{0, 2}, {1, 2}, {2, 2}});
    Open();
    boxes.Clear();
    Select(2, 2);
    editor.txtGridEdit_Change("Edited here");
    OtherProgramSavesItem1();
    boxes.Answer(c.answer);
    EXPECT_EQ(editor.SimSave(), c.result);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_THAT(boxes.last().text, HasSubstr("Item 2 [Edited here] of the group [" + Path() +
                                             "] was saved by another program"));
    EXPECT_EQ(FileItemName(1), c.name1);
    EXPECT_EQ(FileItemName(0), "Item0");
    EXPECT_EQ(editor.ChangedSinceSave(), c.result == 0);
  }
}

// Answers the Save As dialog with a fixed path ("" cancels).
class FixedFileDialog : public FileDialogService {
 public:
  std::string Show(const FileDialogRequest&) override { return path; }
  std::string path;
};

// Every write of the editor, after its command, against a save of the other program made
// between the editor's load and that write: the other save is kept with its page, wherever the
// editor's moves and deletes have put its item, and the user is asked only about an item both
// changed. The pages follow their items.
TEST_F(EditorSharingTest, EveryWriteOfTheEditorKeepsTheOtherProgramsSave) {
  const std::string other = "Saved by the other program", page = "other page";
  FixedFileDialog dialog;
  SetFileDialogService(&dialog);
  auto select = [&](int16_t i) { editor.lstIniItems_Click(i); };
  auto pasteWith = [&](const std::string& from, const std::string& to) {
    editor.cmdCopy_Click();
    std::string text = *ClipboardText();
    text.replace(text.find(from), from.size(), to);
    ClipboardAddText(text);
    editor.cmdPaste_Click();
  };
  auto box = [&] {
    editor.txtBoxWidth = "120";
    editor.txtBoxHeight = "80";
    editor.cmdMakeBoxSame_Click();
  };
  auto save = [&] { EXPECT_EQ(editor.SimSave(), 1); };
  struct Case {
    const char* what;
    std::function<void()> command;  // before the other program's save
    int16_t otherItem;
    std::function<void()> write;    // after it
    int answer;                     // to the one question, 0 for none
    std::vector<std::string> names, pages;  // items 0 to 3 of the group afterwards
  };
  const Case cases[] = {
      {"renumber", [&] { editor.cmdRenumber_Click(); }, 1, save, 0,
       {"Item0", other, "Item2", ""}, {"page0", page, "page2", ""}},
      {"delete before it", [&] { select(0); editor.cmdDelete_Click(); }, 1, save, 0,
       {other, "Item2", "", ""}, {page, "page2", "", ""}},
      {"move across it", [&] { select(0); editor.cmdMoveupdn_Click(0); }, 1, save, 0,
       {other, "Item0", "Item2", ""}, {page, "page0", "page2", ""}},
      {"clone before it", [&] { select(0); editor.cmdClone_Click(); }, 1, save, 0,
       {"Item0", "Item0", other, "Item2"}, {"page0", "page0", page, "page2"}},
      {"paste of the same grid", [&] { pasteWith("\tItem0\t", "\tItem0\t"); }, 1, save, 0,
       {"Item0", other, "Item2", ""}, {"page0", page, "page2", ""}},
      {"paste over it, keep the other",
       [&] { pasteWith("\tItem1\t", "\tPasted\t"); }, 1, [&] { editor.SimSave(); }, vbNo,
       {"Item0", other, "Item2", ""}, {"page0", page, "page2", ""}},
      {"paste over it, write over", [&] { pasteWith("\tItem1\t", "\tPasted\t"); }, 1, save,
       vbYes, {"Item0", "Pasted", "Item2", ""}, {"page0", "page1", "page2", ""}},
      {"delete it, keep the other", [&] { select(1); editor.cmdDelete_Click(); }, 1, save, vbNo,
       {"Item0", "Item2", other, ""}, {"page0", "page2", page, ""}},
      {"delete it all the same", [&] { select(1); editor.cmdDelete_Click(); }, 1, save, vbYes,
       {"Item0", "Item2", "", ""}, {"page0", "page2", "", ""}},
      {"box size", [] {}, 1, [&] { box(); save(); }, 0,
       {"Item0", other, "Item2", ""}, {"page0", page, "page2", ""}},
      {"delete, then box size", [&] { select(0); editor.cmdDelete_Click(); }, 2,
       [&] { box(); save(); }, 0, {"Item1", other, "", ""}, {"page1", page, "", ""}},
      {"save as, same name", [&] { dialog.path = ""; }, 1, [&] { editor.SimSaveAs(); }, 0,
       {"Item0", other, "Item2", ""}, {"page0", page, "page2", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(Path());
    WriteGroup({{0, 2}, {1, 2}, {2, 2}});
    WriteDrawing(3);
    for (int16_t i = 0; i < 3; ++i)
      ASSERT_TRUE(SaveItemDrawing(i, Path(), [i](PageRec& p) { p.title = "page" + std::to_string(i); }));
    Open();
    c.command();
    OtherProgramSaves(c.otherItem);
    boxes.Clear();
    if (c.answer) boxes.Answer(c.answer);
    c.write();
    EXPECT_EQ(boxes.count(), c.answer ? 1u : 0u) << (boxes.empty() ? "" : boxes.last().text);
    if (c.answer) {
      EXPECT_THAT(boxes.last().text, HasSubstr("was saved by another program while this editor"));
    }
    for (int16_t i = 0; i < 4; ++i) {
      const std::string& name = c.names[static_cast<size_t>(i)];
      EXPECT_EQ(FileItemName(i), name.empty() ? "(Empty)" : name) << "item " << i;
      EXPECT_EQ(PageTitle(i), c.pages[static_cast<size_t>(i)]) << "page of item " << i;
    }
  }
  // Saved as another group, the editor writes its own items there; the other save stays in the
  // group it was made in.
  OtherProgramSaves(0);
  dialog.path = folder.File("Copy.sim");
  editor.SimSaveAs();
  EXPECT_EQ(FileItemName(0), other);
  SimItem copied;
  ASSERT_TRUE(SimItemRestore(copied, 0, folder.File("Copy.sim"), false));
  EXPECT_EQ(copied.Name, "Item0");
  SetFileDialogService(nullptr);
}

// The other program saves the last item while a clone here filled all 25: there is no item
// left to keep it in, so the editor saves nothing and says which item it is.
TEST_F(EditorSharingTest, AnOtherSaveWithNoFreeItemLeftStopsTheSave) {
  std::vector<std::pair<int16_t, int16_t>> items;
  for (int16_t i = 0; i < kLastGroupItem; ++i) items.emplace_back(i, 2);
  WriteGroup(items);
  Open();
  editor.lstIniItems_Click(0);
  editor.cmdClone_Click();
  OtherProgramSaves(kLastGroupItem);
  const std::string before = ReadAll(Path());
  boxes.Clear();
  EXPECT_EQ(editor.SimSave(), 0);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_THAT(boxes.last().text, HasSubstr("Item 25 [Saved by the other program] of the group ["));
  EXPECT_THAT(boxes.last().text, HasSubstr("Nothing was saved"));
  EXPECT_EQ(ReadAll(Path()), before);
  EXPECT_TRUE(editor.ChangedSinceSave());
  // With an item deleted here the save goes on, and keeps the other one in the free item.
  editor.lstIniItems_Click(3);
  editor.cmdDelete_Click();
  boxes.Clear();
  EXPECT_EQ(editor.SimSave(), 1);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(FileItemName(kLastGroupItem), "Saved by the other program");
}

// An empty drawing file (an interrupted copy) is a drawing without pages: the editor opens
// without a word and its save writes the drawing, as an item save does.
TEST_F(EditorTest, AnEmptyDrawingFileReadsAsOneWithoutPages) {
  WriteGroup({{0, 2}});
  WriteAll(Zef(), "");
  Open();
  EXPECT_TRUE(boxes.empty());
  ASSERT_EQ(editor.SimSave(), 1);
  PageArray pages(2);
  ASSERT_EQ(FileLoadBin32Bit(pages, Zef(), 0), 0);
  EXPECT_EQ(pages[1].pageCount, 25);
  WriteAll(Zef(), "");
  ASSERT_TRUE(SaveItemDrawing(2, Path(), [](PageRec& page) { page.title = "third"; }));
  ASSERT_EQ(FileLoadBin32Bit(pages, Zef(), 0), 0);
  EXPECT_EQ(pages[1].pageCount, 3);
  EXPECT_EQ(pages[3].title, "third");
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
