// The group tables and the stacked plot: cells, free energies, the text and the drawing, and
// what a copy puts on the clipboard.
#include <gmock/gmock.h>

#include "documents/clip_block.h"
#include "drawlib/device/obj_header.h"
#include "drawlib/steps/step_list.h"
#include "engine/sim_catalogue.h"
#include "groups/group_tables.h"
#include "tests/groups/editor_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

class GroupTablesTest : public EditorTest {
 protected:
  SimTypeRec& Type(int16_t t) {
    SimTypeRec& rec = gSimTypes[static_cast<size_t>(t)];
    SimTypeSetup(rec, t);
    return rec;
  }
  std::vector<SimItem> Items(int16_t type, std::vector<int16_t> used) {
    std::vector<SimItem> items(25);
    for (int16_t i : used) {
      items[static_cast<size_t>(i)] = AbItem("N" + std::to_string(i));
      items[static_cast<size_t>(i)].Type = std::to_string(type);
      items[static_cast<size_t>(i)].TempK = "300";
    }
    return items;
  }
  // The copy's private-format block: its type word.
  uint16_t ClipType() {
    std::optional<std::string> block = ClipboardData(kClipFormatMime);
    if (!block) return 0;
    uint16_t type = 0;
    StepData data;
    EXPECT_EQ(ClipBlockParse(*block, type, data), ClipBlockRead::kOk);
    return type;
  }
  // The first parameter's name as the editor labels its row.
  static std::string Cell0Label(int16_t type) {
    std::string name = gSimTypes[static_cast<size_t>(type)].Par[0].Name;
    name.erase(0, name.find_first_not_of(' '));
    name.erase(name.find_last_not_of(' ') + 1);
    return name + " ";
  }
  // The row of a label in a table.
  static const std::vector<std::string>& RowOf(const GroupTable& t, const std::string& label) {
    for (const auto& row : t)
      if (row[0] == label) return row;
    static const std::vector<std::string> none;
    ADD_FAILURE() << "no row " << label;
    return none;
  }
};

TEST_F(GroupTablesTest, DataTableHasOneColumnPerUsedItem) {
  std::vector<SimItem> items = Items(2, {0, 2});
  items[2].TempK = "-20";
  items[2].FileName = "f.nmr";
  const GroupTable t = BuildGroupTable(items, Type(2), false);
  EXPECT_THAT(t[0], ElementsAre("Title:", "N0", "N2"));
  EXPECT_THAT(t[1], ElementsAre("SimNum:", "1", "3"));
  EXPECT_THAT(t[2], ElementsAre("Filename:", "", "f.nmr"));
  EXPECT_THAT(t[3], ElementsAre("Temp K:", "300", "-20"));
  EXPECT_THAT(t[4], ElementsAre("Temp C:", "26.84", "-20.00"));
  ASSERT_EQ(t.size(), 13u);
  EXPECT_EQ(t[5][0] + " ", Cell0Label(2));
  EXPECT_EQ(t[5][2], "1");
  EXPECT_THAT(GroupTableText(t), StartsWith("SimNum:\t1\t3\t\r\nFilename:\t\tf.nmr\t\r\n"));
}

TEST_F(GroupTablesTest, RateRowsSplitTheSumAndGiveFreeEnergies) {
  struct Case {
    const char* percent;
    const char* kab;
    const char* kba;
    bool energies;
  };
  const Case cases[] = {{"25", "75.000", "25.000", true}, {"0", "", "", false},
                        {"100", "", "", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.percent);
    std::vector<SimItem> items = Items(15, {0});
    items[0].Param[1] = "100";
    items[0].Param[4] = c.percent;
    const GroupTable t = BuildGroupTable(items, Type(15), true);
    EXPECT_EQ(RowOf(t, "kab+kba")[1], "100");
    EXPECT_EQ(RowOf(t, "kab")[1], c.kab);
    EXPECT_EQ(RowOf(t, "kba")[1], c.kba);
    EXPECT_EQ(RowOf(t, "^DG~^#(ab)")[1].empty(), !c.energies);
  }
}

TEST_F(GroupTablesTest, RatesOfAnExchangeWithRatiosToK) {
  std::vector<SimItem> items = Items(18, {0, 1});
  items[0].Param[3] = "1000";
  items[0].Param[4] = "0.5";
  items[1].TempK = "5";
  const GroupTable t = BuildGroupTable(items, Type(18), true);
  EXPECT_EQ(t[5][0], "k");
  EXPECT_EQ(t[6][0], "^DG~^#");
  EXPECT_EQ(t[6][1], "13.45");  // 300 K, 1000 s-1
  EXPECT_EQ(t[6][2], "");       // no temperature
  EXPECT_EQ(t[7][0], "kab/k");
  EXPECT_EQ(t[8][0], "kab");
  EXPECT_EQ(t[8][1], "500.000");
}

TEST_F(GroupTablesTest, ACopyPutsTextAndDrawingTogether) {
  CopyGroupTable(BuildGroupTable(Items(2, {0, 2}), Type(2), false));
  EXPECT_THAT(*ClipboardText(), StartsWith("SimNum:"));
  EXPECT_EQ(ClipType(), 34);
  ASSERT_EQ(StepCount, 13 * 3);
  EXPECT_EQ(StepList.Text[1], "F  H = 2 D = 45 > Title:");
  EXPECT_FLOAT_EQ(StepList.X[2], -4000 + 804 * 2);
  EXPECT_FLOAT_EQ(StepList.Y[4], 4000 - 241.2f);
  EXPECT_EQ(StepList.Text[4], "F  H = 2 > SimNum:");
}

TEST_F(GroupTablesTest, ATableTooLargeForADrawingCopiesItsText) {
  std::vector<int16_t> all;
  for (int16_t i = 0; i < 25; ++i) all.push_back(i);
  CopyGroupTable(BuildGroupTable(Items(39, all), Type(39), false));
  EXPECT_EQ(boxes.last().text, "The table is too large for a drawing: only its text was copied.");
  EXPECT_THAT(*ClipboardText(), StartsWith("SimNum:"));
  EXPECT_EQ(ClipType(), 0);
}

class StackedPlotTest : public GroupTablesTest {
 protected:
  // One page per entry: the spectrum objects at (x, y), 40 mm high.
  void WritePages(const std::vector<std::vector<std::pair<float, float>>>& pageObjects) {
    const auto n = static_cast<int16_t>(pageObjects.size());
    PageArray pages(pageObjects.size() + 1);
    for (int16_t p = 1; p <= n; ++p) {
      StepCount = 0;
      for (auto [x, y] : pageObjects[static_cast<size_t>(p - 1)]) {
        const auto s = static_cast<size_t>(++StepCount);
        StepList.X[s] = x;
        StepList.Y[s] = y;
        StepList.StepType[s] = kStepSpectrum;
        StepList.Text[s] = ObjHeaderMake("spec", 1, 100, 40);
        // An object's bytes start with its label, ended by byte 17.
        const std::string bytes = StepList.Text[s] + "\x11\x01\x02";
        ByteArray data;
        data.bytes.assign(bytes.begin(), bytes.end());
        StepList.Data[s] = data;
      }
      PageCapture(pages[static_cast<size_t>(p)]);
    }
    pages[1].pageCount = n;
    ASSERT_EQ(FileSaveBin(pages, 1, n, Zef()), 0);
  }
};

TEST_F(StackedPlotTest, PagesStackUpwardsFiveMillimetresApart) {
  WritePages({{{100, 500}}, {{300, 900}, {350, 1000}}, {{0, 0}}});
  CopyStackedPlot(Zef());
  EXPECT_EQ(ClipType(), 34);
  EXPECT_FLOAT_EQ(StepListAux.Y[1], 500);
  EXPECT_FLOAT_EQ(StepListAux.Y[2], 500 + 1809);
  EXPECT_FLOAT_EQ(StepListAux.X[2], 100);
  EXPECT_FLOAT_EQ(StepListAux.X[3], 100);  // every object at the first object's x
  EXPECT_FLOAT_EQ(StepListAux.Y[3], 500 + 1809 + 100);
  EXPECT_FLOAT_EQ(StepListAux.Y[4], 500 + 1809 + 100 + 1809);
  EXPECT_EQ(StepListAux.StepType[4], kStepSpectrum);
}

TEST_F(StackedPlotTest, ObjectsKeepTheirHeightAboveTheirPagesFirstObject) {
  // 40 mm objects (1608 high): the next page's first object 201 above the top of this page's
  // highest.
  struct Case {
    const char* name;
    std::vector<std::vector<std::pair<float, float>>> pages;
    std::vector<float> y;
  };
  const Case cases[] = {
      {"one page, the third below the first", {{{0, 0}, {0, 200}, {0, -300}}}, {0, 200, -300}},
      {"two pages of three",
       {{{0, 0}, {0, 200}, {0, -300}}, {{0, 1000}, {0, 1250}, {0, 700}}},
       {0, 200, -300, 2009, 2259, 1709}},
      {"pages moved sideways", {{{40, 10}, {90, -20}}, {{-500, 7}}}, {10, -20, 1819}},
  };
  for (const Case& c : cases) {
    WritePages(c.pages);
    CopyStackedPlot(Zef());
    EXPECT_EQ(ClipType(), 34) << c.name;
    for (size_t a = 0; a < c.y.size(); ++a) {
      EXPECT_FLOAT_EQ(StepListAux.Y[a + 1], c.y[a]) << c.name << ", object " << a + 1;
      EXPECT_FLOAT_EQ(StepListAux.X[a + 1], c.pages[0][0].first) << c.name << ", object " << a + 1;
    }
  }
}

TEST_F(StackedPlotTest, TheClipboardsTextStaysBesideTheDrawing) {
  WritePages({{{100, 500}}});
  struct Case {
    const char* name;
    bool otherProgram;  // the text comes from another program, else from this one
  };
  for (const Case c : {Case{"another program's text", true}, Case{"our own copy", false}}) {
    ClipboardReset();
    const std::string text = "k\tT\r\n1500\t300";
    if (c.otherProgram) {
      ClipboardFormats other;
      other.text = text;
      static_cast<MemoryClipboard&>(Clipboard()).TakeOver(other);
    } else {
      ClipboardAddText(text);
    }
    CopyStackedPlot(Zef());
    EXPECT_EQ(ClipType(), 34) << c.name;
    EXPECT_EQ(ClipboardText().value_or("<none>"), text) << c.name;
  }
}

TEST_F(StackedPlotTest, AMissingDrawingFileIsReported) {
  CopyStackedPlot(Zef());
  EXPECT_EQ(boxes.last().text, "File [" + Zef() + "] Not Found");
  EXPECT_FALSE(ClipboardText().has_value());
  EXPECT_EQ(ClipType(), 0);
}

}  // namespace
