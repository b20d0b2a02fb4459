// The group editor's commands: clone, delete, move, renumber, same row and panels, Set Box,
// Copy and Paste, and the k versus T list.
#include <gmock/gmock.h>

#include <filesystem>

#include "drawlib/device/obj_header.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/util/strings.h"
#include "platform/atomic_file.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"
#include "tests/groups/editor_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<std::string> Names() {
  std::vector<std::string> names;
  for (const SimItem& item : gSimItems) names.push_back(item.Name);
  names.resize(8);
  return names;
}

TEST_F(EditorTest, CloneDuplicatesTheSelectedItemAndRefusesAFullGroup) {
  WriteGroup({{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}});
  Open();
  editor.lstIniItems_Click(3);
  editor.cmdClone_Click();
  EXPECT_THAT(Names(), ElementsAre("Item0", "Item1", "Item2", "Item3", "Item3", "Item4",
                                   "Item5", "(Empty)"));
  EXPECT_EQ(editor.lstIniItems()[3], editor.lstIniItems()[4]);
  EXPECT_EQ(editor.Grid1().Cols(), 27);
  EXPECT_EQ(Cell(2, 5), "Item3");
  editor.cmdRenumber_Click();
  EXPECT_EQ(editor.lstIniItems()[4], "5. Item3");
  EXPECT_EQ(editor.lstIniItems()[0], "1. Item0");

  gSimItems[24].Type = "2";
  editor.cmdClone_Click();
  EXPECT_EQ(boxes.last().text,
            "The Sim Editor is full (25 items - last item is in use) - can't clone current one");
}

TEST_F(EditorTest, AMixedGroupCloneCarriesTheShownEditsIntoBothCopiesAndTheFile) {
  WriteGroup({{0, 2}, {1, 15}, {2, 2}});
  Open();
  editor.lstIniItems_Click(0);
  Select(2, 1);
  editor.txtGridEdit_Change("Edited");
  Select(5, 1);
  editor.txtGridEdit_Change("9");
  editor.cmdClone_Click();
  EXPECT_EQ(editor.lstIniItems()[0], editor.lstIniItems()[1]);
  ASSERT_EQ(editor.SimSave(), 1);
  // What the list shows is what the file holds, for the item, its clone and the moved item.
  struct Case {
    int16_t index;
    std::string name, type, param0;
  };
  const Case cases[] = {{0, "Edited", "2", "9"}, {1, "Edited", "2", "9"}, {2, "Item1", "15", "1.0"},
                        {3, "Item2", "2", "2.0"}};
  for (const Case& c : cases) {
    SimItem saved;
    ASSERT_TRUE(SimItemRestore(saved, c.index, Path(), c.index == 0)) << c.index;
    EXPECT_EQ(saved.Name, c.name) << c.index;
    EXPECT_EQ(Trim(saved.Type), c.type) << c.index;
    EXPECT_EQ(saved.Param[0], c.param0) << c.index;
    EXPECT_EQ(editor.lstIniItems()[static_cast<size_t>(c.index)],
              Str(static_cast<int16_t>(c.index == 0 ? 1 : c.index)) + ". " + c.name)
        << c.index;
  }
}

TEST_F(EditorTest, DeleteMovesLaterItemsDownAndTheLastDeleteClosesTheEditor) {
  WriteGroup({{0, 2}, {1, 2}, {2, 2}});
  Open();
  editor.lstIniItems_Click(1);
  editor.cmdDelete_Click();
  EXPECT_THAT(Names(), ElementsAre("Item0", "Item2", "(Empty)", "(Empty)", "(Empty)",
                                   "(Empty)", "(Empty)", "(Empty)"));
  EXPECT_EQ(gSimItems[24].Type, "-1");
  EXPECT_EQ(editor.lstIniItems()[24], "[Empty]");
  EXPECT_EQ(editor.Grid1().Cols(), 26);
  EXPECT_EQ(Cell(2, 2), "Item2");
  EXPECT_EQ(editor.ListIndex(), 1);
  ASSERT_EQ(editor.SimSave(), 1);
  PageArray pages(2);
  ASSERT_EQ(FileLoadBin32Bit(pages, Zef(), 0), 0);
  EXPECT_EQ(pages[1].pageCount, 25);
}

TEST_F(EditorTest, DeletingTheOnlyItemClosesWithoutTouchingTheFile) {
  WriteGroup({{3, 2}});
  const std::string before = ReadAll(Path());
  Open();
  editor.cmdDelete_Click();
  EXPECT_EQ(boxes.last().text,
            "There are no active simulations left. Click Ok to exit the sime editor");
  EXPECT_EQ(boxes.last().title, "Sim Delete");
  EXPECT_FALSE(editor.Visible());
  EXPECT_EQ(ReadAll(Path()), before);
}

TEST_F(EditorTest, AMixedGroupDeleteNeverWritesTheShownColumnIntoTheNextItem) {
  WriteGroup({{0, 2}, {1, 15}, {2, 2}});
  Open();
  editor.lstIniItems_Click(1);
  Select(2, 1);
  editor.txtGridEdit_Change("edited but deleted");
  editor.cmdDelete_Click();
  EXPECT_THAT(Names(), ElementsAre("Item0", "Item2", "(Empty)", "(Empty)", "(Empty)",
                                   "(Empty)", "(Empty)", "(Empty)"));
  EXPECT_EQ(gSimItems[1].Type, "2");
  EXPECT_EQ(gSimItems[1].Param[0], "2.0");
  EXPECT_EQ(Cell(2, 1), "Item2");
}

TEST_F(EditorTest, MovingSwapsNeighboursAndStopsAtTheEnds) {
  WriteGroup({{0, 2}, {1, 2}});
  Open();
  editor.lstIniItems_Click(0);
  editor.cmdMoveupdn_Click(1);
  EXPECT_EQ(gSimItems[0].Name, "Item0");
  editor.cmdMoveupdn_Click(0);
  EXPECT_THAT(Names(), ElementsAre("Item1", "Item0", "(Empty)", "(Empty)", "(Empty)",
                                   "(Empty)", "(Empty)", "(Empty)"));
  EXPECT_EQ(Cell(2, 1), "Item1");
  EXPECT_EQ(Cell(0, 1), " 2");  // numbers move with their items until Renumber
  EXPECT_EQ(editor.ListIndex(), 1);
  editor.lstIniItems_Click(24);
  editor.cmdMoveupdn_Click(0);
  EXPECT_EQ(gSimItems[24].Name, "(Empty)");
}

TEST_F(EditorTest, MakeRowAndPanelsTheSame) {
  WriteGroup({{0, 2}, {1, 2}});
  Open();
  Select(6, 2);
  boxes.Answer(vbOK);
  editor.cmdMakeParSame_Click();
  EXPECT_EQ(boxes.last().text,
            "Make all values in row 6 [" + Cell(6, 0) + "] the same as the current value [1.1]");
  EXPECT_EQ(Cell(6, 1), "1.1");
  EXPECT_EQ(Cell(6, 25), "1.1");
  gSimItems[1].ScreenParam = "012";
  Select(2, 2);
  boxes.Answer(vbOK);
  editor.cmdMakeViewParSame_Click();
  EXPECT_EQ(boxes.last().title, "Make Screen Pars Same");
  editor.DataGridToSim();
  EXPECT_EQ(gSimItems[0].ScreenParam, "012");
  EXPECT_EQ(gSimItems[0].Param[1], "1.1");
}

TEST_F(EditorTest, SetBoxNeedsNumbersAndADrawingAndWritesPlainMillimetres) {
  WriteGroup({{0, 2}});
  Open();
  editor.txtBoxWidth = "wide";
  editor.cmdMakeBoxSame_Click();
  EXPECT_EQ(boxes.last().text, "The box width and height must be numbers (millimetres).");
  editor.txtBoxWidth = "120";
  editor.txtBoxHeight = "5";
  editor.cmdMakeBoxSame_Click();
  EXPECT_EQ(boxes.last().text, "File [" + Zef() + "] Not Found");
  WriteDrawing(1);
  editor.cmdMakeBoxSame_Click();
  const std::string text = ReadAll(Path());
  EXPECT_THAT(text, HasSubstr("Box Width=120\r\n"));
  EXPECT_THAT(text, HasSubstr("Box Height=20\r\n"));
  EXPECT_FLOAT_EQ(gPrintBoxWidth, 120 * 40.2f);
  EXPECT_TRUE(editor.ChangedSinceSave());
}

// Set Box writes the drawing and then the group file: when either cannot be written, neither
// changes, the size stays as it was and the message says so.
TEST_F(EditorTest, SetBoxChangesBothFilesOrNeither) {
  const std::string away = folder.File("away.sim");
  struct Case {
    const char* what;
    DrawingFileWriter writer;
    std::string message;
  };
  const Case cases[] = {
      {"the drawing cannot be written",
       [](const std::string&, std::string_view) { return int16_t{61}; },
       "The box size was not set: the drawing file [" + Zef() + "] could not be written."},
      {"the group file cannot be written",
       [&](const std::string& path, std::string_view bytes) {
         std::filesystem::rename(Path(), away);
         std::filesystem::create_directory(Path());
         return static_cast<int16_t>(WriteFileAtomic(path, bytes) ? 0 : 75);
       },
       "The box size was not set."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteGroup({{0, 2}});
    WriteDrawing(1);
    Open();
    const std::string sim = ReadAll(Path()), zef = ReadAll(Zef());
    const float width = gPrintBoxWidth;
    editor.txtBoxWidth = "120";
    editor.txtBoxHeight = "80";
    SetDrawingFileWriter(c.writer);
    boxes.Clear();
    editor.cmdMakeBoxSame_Click();
    SetDrawingFileWriter({});
    if (std::filesystem::is_directory(Path())) {
      std::filesystem::remove(Path());
      std::filesystem::rename(away, Path());
    }
    EXPECT_THAT(boxes.last().text, HasSubstr(c.message));
    EXPECT_EQ(ReadAll(Path()), sim);
    EXPECT_EQ(ReadAll(Zef()), zef);
    EXPECT_EQ(gPrintBoxWidth, width);
    EXPECT_FALSE(editor.ChangedSinceSave());
  }
}

TEST_F(EditorTest, CopyThenPasteGivesBackTheGridAndTags) {
  WriteGroup({{0, 2}, {2, 2}});
  Open();
  editor.cmdCopy_Click();
  const std::string copied = *ClipboardText();
  EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 12);  // every grid row
  EXPECT_THAT(copied, HasSubstr(gSimItems[2].PrivateTag));
  Select(2, 1);
  editor.txtGridEdit_Change("changed");
  gSimItems[0].PrivateTag = "";
  editor.cmdPaste_Click();
  EXPECT_EQ(Cell(2, 1), "Item0");
  EXPECT_EQ(editor.lstIniItems()[0], " 1. Item0");
  editor.cmdCopy_Click();
  EXPECT_EQ(*ClipboardText(), copied);
}

TEST_F(EditorTest, PasteSkipsAPrivateCellWithAnInvalidType) {
  WriteGroup({{0, 2}});
  Open();
  const std::string tag = gSimItems[0].PrivateTag;
  ClipboardAddText("\t 1\r\n\tf\r\n\tt\r\n\t\r\n\t<Type>99</Type>");
  editor.cmdPaste_Click();
  EXPECT_EQ(boxes.last().text, "Paste: column 1 holds no valid type.");
  EXPECT_EQ(gSimItems[0].PrivateTag, tag);
  EXPECT_EQ(Cell(2, 1), "t");
}

TEST_F(EditorTest, KversusTListsRatesAndTemperatures) {
  WriteGroup({{0, 18}, {2, 18}});
  Open();
  Select(8, 1);  // k
  EXPECT_TRUE(editor.Buttons().Make_k_vs_T);
  Select(8 + 1, 1);  // kab/k
  EXPECT_TRUE(editor.Buttons().Make_k_vs_T);
  editor.Grid1().SetCell(8, 1, "1500");
  editor.Grid1().SetCell(9, 1, "0.5");
  editor.cmdMake_k_vs_T_Click();
  EXPECT_EQ(*ClipboardText(), "750.00,300.00\r\n5.52,300.00");
  Select(5, 1);
  EXPECT_FALSE(editor.Buttons().Make_k_vs_T);
}

TEST_F(EditorTest, KversusTWithoutAParameterNamedK) {
  WriteGroup({{0, 15}});
  Open();
  editor.cmdMake_k_vs_T_Click();
  EXPECT_EQ(boxes.last().text, "No parameter named k in this simulation type.");
}

}  // namespace
