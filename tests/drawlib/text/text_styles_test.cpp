#include <gtest/gtest.h>

#include <cmath>

#include "drawlib/text/label_render.h"
#include "tests/drawlib/recording_postscript.h"
#include "tests/drawlib/text/text_fixture.h"

namespace {

using TextStylesTest = TextFixture;

TEST_F(TextStylesTest, NamedStyleAddsWhatTheLabelDoesNotSetItself) {
  std::array<float, 12> slots{};
  const uint16_t mask = StyleStringParse(0, 11, "Y = 5 H = 7 ", slots);
  EXPECT_EQ(slots[kSlotHeight], 7.0f);  // the label's own key wins
  EXPECT_EQ(slots[kSlotPen], 2.0f);
  EXPECT_EQ(slots[kSlotColour], 9.0f);
  EXPECT_EQ(mask, SlotBit(kSlotStyle) | SlotBit(kSlotPen) | SlotBit(kSlotHeight) |
                      SlotBit(kSlotColour));
}

TEST_F(TextStylesTest, SlotValuesALabelCannotMeanTakeTheRowDefault) {
  struct Case {
    const char* style;
    int slot;
    float expected;
  };
  const Case cases[] = {
      {" Y = 15      ", kSlotStyle, 0},     {" Y = 14      ", kSlotStyle, 14},
      {" O = 15      ", kSlotFont, 3},      {" O = -1      ", kSlotFont, 3},
      {" O = 14      ", kSlotFont, 14},     {" O = 0       ", kSlotFont, 0},
      {" C = 17      ", kSlotColour, 0},    {" C = 16      ", kSlotColour, 16},
      {" H = 0       ", kSlotHeight, 3.6f}, {" H = -2      ", kSlotHeight, 3.6f},
      {" H = 900     ", kSlotHeight, 900},  {" R = 0       ", kSlotRelSize, 1},
      {" B = -1      ", kSlotBreadth, 1},   {" LS= 0       ", kSlotLineSpacing, 6},
      {" P = 0.5     ", kSlotPen, 1},       {" P = 1       ", kSlotPen, 1},
      {" P = 6       ", kSlotPen, 6},       {" S = -90     ", kSlotSlant, -90},
  };
  for (const Case& c : cases) {
    std::array<float, 12> slots{};
    slots.fill(-5.0f);
    StyleStringParse(0, 11, c.style, slots);
    EXPECT_FLOAT_EQ(slots[size_t(c.slot)], c.expected) << c.style;
  }
}

TEST_F(TextStylesTest, ShortStyleAppliesOnlyWhatTheLastRestoreDeferred) {
  LabelAttrStack(&dc, " H = 5 ", 2);
  EXPECT_FLOAT_EQ(LabelAttrGet(0xFFFF), 5 * 40.2f);
  LabelAttrStack(&dc, "", 4);
  EXPECT_FLOAT_EQ(LabelAttrs[kSlotHeight], 3.6f);
  EXPECT_FLOAT_EQ(LabelAttrGet(0xFFFF), 5 * 40.2f);  // deferred: not applied yet
  EXPECT_EQ(LabelAttrDeferred, SlotBit(kSlotHeight));
  LabelAttrStack(&dc, "H=", 2);  // fewer than 3 characters: sets nothing
  EXPECT_EQ(LabelAttrChanged, 0);
  EXPECT_FLOAT_EQ(LabelAttrGet(0xFFFF), 3.6f * 40.2f);
  EXPECT_EQ(LabelAttrDeferred, 0);
}

TEST_F(TextStylesTest, DirectionSlantAndFontClass) {
  LabelAttrStack(&dc, " D = -90 ", 2);
  EXPECT_EQ(LabelAttrs[kSlotDirection], 270.0f);
  EXPECT_EQ(LabelFont.escapement, 2700);
  EXPECT_NEAR(TextFont.dirRad, 4.712389f, 1e-5f);
  LabelAttrStack(&dc, "", 4);

  struct Case {
    const char* style;
    bool italic;
  };
  for (const Case& c : {Case{" O = 3 S = 3 ", false}, Case{" O = 3 S = 3.5 ", true}}) {
    LabelAttrStack(&dc, c.style, 2);
    EXPECT_EQ(TextFont.fontClass, kFontClassDevice);
    EXPECT_EQ(LabelFont.italic, c.italic) << c.style;
    LabelAttrStack(&dc, "", 4);
  }
  for (int font = 0; font <= 2; ++font) {
    LabelAttrStack(&dc, " O = " + std::to_string(font) + " ", 2);
    EXPECT_EQ(TextFont.fontClass, kFontClassBuiltIn);
    EXPECT_EQ(TextFont.named, 0);
    LabelAttrStack(&dc, "", 4);
  }
}

TEST_F(TextStylesTest, NamedFontMetricsComeFromTheDevice) {
  WorldWindow.sx = WorldWindow.sy = 0.1f;
  LabelAttrStack(&dc, " O = 3 H = 5 ", 2);
  EXPECT_EQ(LabelFont.face, "Arial");
  // Device height: 0.1 x -1.43 x h (201) rounded; the recording device's cell is half of it.
  EXPECT_EQ(LabelFont.height, -29);
  EXPECT_FLOAT_EQ(TextFont.d, 14 / 0.1f);
  EXPECT_FLOAT_EQ(TextFont.lineHeight, 29 / 0.1f);
  EXPECT_FLOAT_EQ(TextFont.subDevHeight, 0.7f * TextFont.devHeight);
  LabelAttrStack(&dc, "", 4);
}

TEST_F(TextStylesTest, PostScriptFontsMeasureWithTheirWidthRows) {
  RecordingPostScript ps;
  OutputFlags = kOutputPostScript;
  LabelAttrReset(&dc);
  EXPECT_EQ(ps.tableBuilds, 1);
  struct Case {
    int font;
    int row;
    float digit;
    const char* emitted;
  };
  // h = 144.72; d = code 31 of the row x h x B / 1000; font 5 (and 0 of no named face) as Times.
  const Case cases[] = {{3, 3, 0.556f, "Font Arial 145 145 3"},
                        {4, 4, 0.5f, "Font Times New Roman 145 145 4"},
                        {5, 4, 0.5f, "Font Arial 145 145 5"}};
  for (const Case& c : cases) {
    ps.log.clear();
    LabelAttrStack(&dc, " O = " + std::to_string(c.font) + " ", 2);
    EXPECT_EQ(TextFont.fontClass, kFontClassPostScript);
    EXPECT_EQ(TextFont.psRow, c.row);
    EXPECT_NEAR(TextFont.d, c.digit * 144.72f, 0.01f) << c.font;
    ASSERT_EQ(ps.Calls("Font").size(), 1u);
    EXPECT_EQ(ps.Calls("Font")[0], c.emitted);
    LabelAttrStack(&dc, "", 4);
  }
  // Breadth 2 doubles the letter width PSFont gets, not its height.
  ps.log.clear();
  LabelAttrStack(&dc, " O = 3 B = 2 ", 2);
  EXPECT_EQ(ps.Calls("Font")[0], "Font Arial 289 145 3");
  LabelAttrStack(&dc, "", 4);
}

TEST_F(TextStylesTest, PostScriptRestoreWritesTheColourAtOnce) {
  RecordingPostScript ps;
  OutputFlags = kOutputPostScript;
  LabelAttrReset(&dc);
  LabelAttrStack(&dc, " C = 4 ", 2);
  ps.log.clear();
  LabelAttrStack(&dc, "", 4);
  ASSERT_EQ(ps.Calls("Color").size(), 1u);
  EXPECT_EQ(ps.Calls("Color")[0], "Color " + std::to_string(ColorScheme.ColorPalette[0]));
  EXPECT_EQ(LabelAttrDeferred, 0);
}

TEST_F(TextStylesTest, StylesAndFontDefinitionsFromTheSettings) {
  WriteSettings(
      "[Styles]\n3 = Tiny , H = 1.5 \n12=Mine,P = 2\n20=Out,H = 9\n"
      "[Font Definitions]\n2=Courier New\n5=Courier New\n3=Verdana\n");
  StylesInit(9);
  StylesInit(0);
  EXPECT_EQ(TextNameGet(20, 3), "Tiny");
  EXPECT_EQ(TextNameGet(21, 3), "H = 1.5");
  EXPECT_EQ(TextNameGet(20, 12), "Mine");
  EXPECT_EQ(TextNameGet(20, 5), "Title");
  EXPECT_EQ(TextNameGet(21, 5), " H = 5 P = 2 C = 9 ");
  EXPECT_EQ(TextNameGet(20, 9), "Undefined");
  EXPECT_EQ(TextNameGet(20, 15), "");
  EXPECT_EQ(TextNameGet(9, 2), "Arial");  // built-in fonts take no face from the settings
  EXPECT_EQ(TextNameGet(9, 3), "Verdana");
  EXPECT_EQ(TextNameGet(9, 4), "Times New Roman");
  EXPECT_EQ(TextNameGet(9, 5), "Courier New");
  EXPECT_EQ(TextNameGet(1, 10), "LS=");
  TextNameSet("Sym", 9, 6);
  TextNameSet("", 9, 7);
  EXPECT_EQ(FontFaceOf(6), "Verdana");  // shorter than 5: the default font number's face
  EXPECT_EQ(FontFaceOf(7), "Arial");    // empty: Arial
  Pardata[9].Default = 0;               // a built-in default has no face either
  EXPECT_EQ(FontFaceOf(6), "Arial");
}

TEST_F(TextStylesTest, StartUpLoadsTheCommandGlyphsAndTheRestOnFirstUse) {
  // StylesInit(-1) in the fixture loaded 16 entries: 14 caret commands and codes 95 and 92.
  EXPECT_EQ(GlyphWidth(0, 'J' + 230), 0);
  EXPECT_EQ(GlyphString(0, 'J' + 230), "CPSP2");
  EXPECT_EQ(GlyphWidth(0, 92), 150);
  EXPECT_EQ(GlyphWidth(0, 48), kGlyphNotLoaded);
  EXPECT_EQ(GlyphWidth(1, 48), kGlyphNotLoaded);
  const int before = loads;
  Draw("T O = 0 > 00");
  EXPECT_EQ(loads, before + 1);  // "0" loaded once
  EXPECT_EQ(GlyphWidth(0, 48), 150);
  // A missing entry is the empty glyph.
  GlyphEntryLoad(77, 0);
  EXPECT_EQ(GlyphWidth(0, 77), 0);
  EXPECT_EQ(GlyphString(0, 77), "UC");
}

TEST_F(TextStylesTest, SymbolMapBothWays) {
  struct Case {
    char caret;
    int symbol;
    bool back;
  };
  const Case cases[] = {{'a', 'a', true},  {'T', 'Q', false}, {'x', 'c', true},
                        {'c', 'h', true},  {'A', 174, true},  {'`', 191, true},
                        {'O', 'W', true}};
  for (const Case& c : cases) {
    int16_t code = c.caret;
    EXPECT_TRUE(SymbolMap(code, 1)) << c.caret;
    EXPECT_EQ(code, c.symbol) << c.caret;
    EXPECT_EQ(SymbolMap(code, 2), c.back) << c.caret;
    if (c.back) {
      EXPECT_EQ(code, c.caret + 230) << c.caret;
    }
  }
  int16_t h = 'H';
  EXPECT_FALSE(SymbolMap(h, 1));
  EXPECT_EQ(h, 'H');
}

TEST_F(TextStylesTest, FontOfAnotherDeviceIsNotDeletedHere) {
  RecordingDevice other;
  LabelAttrStack(&dc, " O = 3 ", 2);
  FontSetAPI(&dc, 1);
  FontSetAPI(&other, 0);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "Program error 1 - PenSetAPI - Attempting to destroy pen in invalid DC");
  EXPECT_TRUE(FontObjects.drawing);  // still alive, on its own device
  FontSetAPI(&other, 1);
  EXPECT_EQ(boxes.last().text,
            "Program error 1 - PenSetAPI - Attempting to destroy Font in invalid DC");
  FontSetAPI(&other, 0);
  EXPECT_EQ(boxes.count(), 2u);
  LabelAttrStack(&dc, "", 4);
}

}  // namespace
