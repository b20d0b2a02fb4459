// The text layer reads its glyphs from the generated KAVO71.dat through the document services,
// as the program does: the built-in font's layout and the caret commands work on the real file.
#include <algorithm>
#include <sstream>

#include "documents/drawing_file.h"
#include "documents/page_record.h"
#include "drawlib/color_scheme.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/text/glyph_tables.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/text/label_draw.h"
#include "drawlib/text/label_layout.h"
#include "platform/gdi/recording_device.h"
#include "tests/documents/built_data_file.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"

namespace {

class TextLayerDataTest : public BuiltDataFile {
 protected:
  void SetUp() override {
    BuiltDataFile::SetUp();
    PardataBuild();
    DocumentServicesRegister();
    for (int i = 0; i < kPaletteSize; ++i) ColorScheme.ColorPalette[size_t(i)] = DefaultColorRGB(i);
    SchemePaletteFlag = true;
    WorldWindow.sx = WorldWindow.sy = 1.0f;
    StylesInit(-1);
    LabelAttrReset(&dc);
  }
  void TearDown() override {
    FontSetAPI(&dc, 0);
    BuiltDataFile::TearDown();
  }
  RecordingDevice dc;
};

struct Ink {
  float left = 1e9f, bottom = 1e9f, right = -1e9f, top = -1e9f;
  bool any = false;
};

// The world rectangle of the polylines logged from index `from` on (pixels are world units with
// y down here).
Ink InkOf(const std::vector<std::string>& lines, size_t from) {
  Ink ink;
  for (size_t i = from; i < lines.size(); ++i) {
    std::istringstream in(lines[i].substr(lines[i].find(':') + 1));
    float x = 0, y = 0;
    while (in >> x >> y) {
      ink.any = true;
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      ink.bottom = std::min(ink.bottom, -y);
      ink.top = std::max(ink.top, -y);
    }
  }
  return ink;
}

TEST_F(TextLayerDataTest, BuiltInFontLaysOutWithTheRealDigits) {
  struct Case {
    const char* label;
    float left, right;
  };
  const Case cases[] = {{"T O = 0 > 0", -72, 72}, {"M O = 0 > 00", -145, 145},
                        {"L O = 0 > 00", -217, 72}};
  for (const Case& c : cases) {
    StepBoxRec box;
    LabelDraw(&dc, 1, 0xFFFF, c.label, box, StepData{}, 0, 0, 3);
    EXPECT_EQ(box.x1, c.left) << c.label;
    EXPECT_EQ(box.x2, c.right) << c.label;
    EXPECT_EQ(box.y1, -72) << c.label;
    EXPECT_EQ(box.y2, 72) << c.label;
  }
  EXPECT_GT(dc.Count("Polyline"), 0u);
}

TEST_F(TextLayerDataTest, CaretCommandsAndGreekComeFromTheFile) {
  EXPECT_EQ(GlyphString(0, 'J' + 230), "CPSP2");
  EXPECT_EQ(GlyphString(0, 'I' + 230), "CPSL0.21");
  StepBoxRec box;
  LabelDraw(&dc, 1, 0xFFFF, "X O = 0 > ^a^J^D^j", box, StepData{}, 0, 0, 3);
  EXPECT_EQ(GlyphString(0, 'a' + 230).substr(0, 2), "RC");
  EXPECT_EQ(dc.Calls("Pen ").back().substr(0, 6), "Pen 2 ");  // the Delta in thick strokes
  EXPECT_EQ(LabelAttrs[kSlotPen], 1.0f);
  EXPECT_GT(box.x2 - box.x1, 100);
}

TEST_F(TextLayerDataTest, ChargeMarksAndTheDoubleDaggerDrawWhereTheyBelong) {
  // Stroke font 0 at 3.6 mm: h = d = 144.72. A "0" covers x 0..145 and y -72..72 about the
  // anchor; a mark is centred over (or under) the character before it, clear of it; the double
  // dagger is a raised character after the "G".
  struct Case {
    const char* base;  // the label without the mark
    const char* marked;
    int code;          // the glyph entry the mark draws
    Ink where;         // the rectangle the mark's ink must lie in
  };
  const Case cases[] = {
      {"X O = 0 > 0", "X O = 0 > 0{KU-}", 263, {0, 80, 145, 220, true}},
      {"X O = 0 > 0", "X O = 0 > 0{KD-}", 263, {0, -220, 145, -80, true}},
      {"X O = 0 > 0", "X O = 0 > 0{KU=}", 264, {0, 80, 145, 220, true}},
      {"X O = 0 > 0", "X O = 0 > 0{KD=}", 264, {0, -220, 145, -80, true}},
      {"X O = 0 > 0", "X O = 0 > 0{KU:}", 294, {0, 80, 145, 220, true}},
      {"X O = 0 > 0", "X O = 0 > 0{KD:}", 294, {0, -220, 145, -80, true}},
      {"X O = 0 > ^DG", "X O = 0 > ^DG~^#", 265, {280, 0, 400, 200, true}},
      // A named font draws its text as text: the mark is the one stroked thing.
      {"X > G", "X > G{KU-}", 263, {0, 80, 110, 220, true}},
      {"X > ^DG", "X > ^DG~^#", 265, {150, 0, 300, 200, true}},
  };
  for (const Case& c : cases) {
    const std::string entry = Entry(c.code);  // two bytes of width, then the glyph
    EXPECT_EQ(entry.substr(2, 2), "RC") << c.marked;
    EXPECT_GT(entry.size(), 6u) << c.marked;
    StepBoxRec box;
    dc.log.clear();
    LabelDraw(&dc, 1, 0xFFFF, c.base, box, StepData{}, 0, 0, 3);
    const size_t before = dc.Calls("Polyline").size();
    dc.log.clear();
    box = StepBoxRec{};
    LabelDraw(&dc, 1, 0xFFFF, c.marked, box, StepData{}, 0, 0, 3);
    const Ink ink = InkOf(dc.Calls("Polyline"), before);
    ASSERT_TRUE(ink.any) << c.marked << " draws no mark";
    EXPECT_GE(ink.left, c.where.left) << c.marked;
    EXPECT_LE(ink.right, c.where.right) << c.marked;
    EXPECT_GE(ink.bottom, c.where.bottom) << c.marked;
    EXPECT_LE(ink.top, c.where.top) << c.marked;
    EXPECT_GT(ink.right - ink.left, 20) << c.marked << ": hardly a mark";
  }
}

TEST_F(TextLayerDataTest, PageFieldShowsThePageInTheStepList) {
  // A three-page drawing file loaded as the group editor loads it; each page restored into the
  // step list is the one drawn, printed or exported.
  ScratchFolder folder;
  PageArray pages(4);
  for (int p = 1; p <= 3; ++p) {
    StepCount = 0;
    StepCreate(kStepLabel, 0, 0, "X > page " + std::to_string(p), StepData{});
    PageCapture(pages[size_t(p)]);
  }
  pages[1].pageCount = 3;
  const std::string path = folder.File("pages.zef");
  ASSERT_EQ(FileSaveBin(pages, 1, 3, path), 0);
  PageArray loaded;
  ASSERT_EQ(FileLoadBin32Bit(loaded, path, 0), 0);
  PageRec fresh;
  PageNew(fresh);  // a page no file numbered
  struct Case {
    PageRec* page;
    const char* shown;
  };
  const Case cases[] = {{&loaded[2], "page 2"}, {&loaded[3], "page 3"}, {&loaded[1], "page 1"},
                        {&fresh, "page 1"}};
  for (const Case& c : cases) {
    PageRestore(*c.page);
    std::string text = "page {Page#}";
    StepBoxRec box;
    int16_t changed = 0;
    LabelLayout(&dc, 'X', text, changed, box, 8);
    EXPECT_EQ(text, c.shown) << LabelText(StepList.Text[1]);
  }
}

}  // namespace
