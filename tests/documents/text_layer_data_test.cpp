// The text layer reads its glyphs from the generated KAVO71.dat through the document services,
// as the program does: the built-in font's layout and the caret commands work on the real file.
#include "drawlib/color_scheme.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/text/glyph_tables.h"
#include "drawlib/text/label_draw.h"
#include "platform/gdi/recording_device.h"
#include "tests/documents/built_data_file.h"

namespace {

class TextLayerDataTest : public BuiltDataFile {
 protected:
  void SetUp() override {
    BuiltDataFile::SetUp();
    DrawLibReset();
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
    DrawLibReset();
    BuiltDataFile::TearDown();
  }
  RecordingDevice dc;
};

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

}  // namespace
