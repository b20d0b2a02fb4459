#include "drawlib/color_scheme.h"

#include "tests/drawlib/drawlib_state.h"

namespace {

using ColorSchemeTest = DrawlibState;

std::string Fixed(const std::string& s) { return s + std::string(20 - s.size(), ' '); }

TEST_F(ColorSchemeTest, MissingSectionLoadsAndAppliesDefaultColors) {
  ColorSchemeLoadCurrent();
  EXPECT_EQ(ColorScheme.Name, Fixed("Default Colors"));
  EXPECT_EQ(ColorScheme.Number, 0);
  EXPECT_EQ(SchemeBackColor, RGBColor(255, 255, 255));
  EXPECT_EQ(SchemeModColor, RGBColor(0, 255, 0));
  EXPECT_EQ(SchemeForeColor, RGBColor(0, 0, 0));
  EXPECT_EQ(SchemeTextColor, RGBColor(0, 0, 0));
  EXPECT_EQ(SchemeHighIndex, 9);
  EXPECT_EQ(SchemeHandIndex, 12);
  EXPECT_EQ(ColorScheme.ColorNames[13], Fixed("Light Magenta"));
  EXPECT_EQ(ColorScheme.ColorPalette[6], RGBColor(128, 128, 0));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ColorSchemeTest, SectionChangesOnlyTheKeysItHolds) {
  WriteSettings("[Color Scheme 2]\nName=Night\nBackCol=0\n");
  ColorSchemeRec s;
  int16_t fill = 1 + kSchemeFillDefault;
  ColorSchemeLoad(s, fill);  // built-in colours into scheme 1 first
  s.ColorPalette[16] = 0x123456;
  int16_t flags = 2 + kSchemeFillDefault;
  ColorSchemeLoad(s, flags);
  EXPECT_EQ(flags & kSchemeFillDefault, 0);
  EXPECT_EQ(s.Name, Fixed("Night"));
  EXPECT_EQ(s.Number, 1);
  EXPECT_EQ(s.BackCol, 0);
  EXPECT_EQ(s.ModCol, 10);
  EXPECT_EQ(s.ColorPalette[15], RGBColor(255, 255, 255));
  EXPECT_EQ(s.ColorPalette[16], 0x123456u);
}

TEST_F(ColorSchemeTest, OnlyPaletteKeysAndIndexesInRangeAreTaken) {
  WriteSettings(
      "[Color Scheme 3]\n"
      "0=Ink,255\n"
      "15=Paper,  16777215\n"
      "16=Beyond,255\n"
      "x=Letter,255\n"
      "-1=Negative,255\n"
      "1.5=Fraction,255\n"
      "4=Broken,-5\n"
      "BackCol=17\n"
      "ModCol=-1\n"
      "HighCol=3\n"
      "HandCol=abc\n"
      "A Very Long Colour Name That Runs On=8,1\n"
      "7=A Very Long Colour Name That Runs On,65280\n");
  ColorSchemeRec s;
  int16_t flags = 3 + kSchemeFillDefault;
  ColorSchemeLoad(s, flags);  // the section exists: no built-in colours
  EXPECT_EQ(s.ColorPalette[0], 255u);
  EXPECT_EQ(s.ColorNames[0], Fixed("Ink"));
  EXPECT_EQ(s.ColorPalette[15], 0xFFFFFFu);
  EXPECT_EQ(s.ColorPalette[16], 0u);
  EXPECT_EQ(s.ColorPalette[1], 0u);
  EXPECT_EQ(s.ColorNames[4], Fixed("Broken"));
  EXPECT_EQ(s.ColorPalette[4], 0u);  // not a colour: unchanged
  EXPECT_EQ(s.ColorNames[7], "A Very Long Colour N");
  EXPECT_EQ(s.ColorPalette[7], 65280u);
  EXPECT_EQ(s.BackCol, 0);  // 17 kept the previous index
  EXPECT_EQ(s.ModCol, 0);
  EXPECT_EQ(s.HighCol, 3);
  EXPECT_EQ(s.HandCol, 0);
}

TEST_F(ColorSchemeTest, CurrentSchemeOutsideOneToFifteenMeansOne) {
  const struct {
    const char* settings;
    int16_t number;
  } cases[] = {
      {"", 1},
      {"[Color Schemes]\nCurrent=0\n", 1},
      {"[Color Schemes]\nCurrent=16\n", 1},
      {"[Color Schemes]\nCurrent=-3\n", 1},
      {"[Color Schemes]\nCurrent=abc\n", 1},
      {"[Color Schemes]\nCurrent=15\n", 15},
      {"[Color Schemes]\nCurrent= 4\n", 4},
  };
  for (const auto& c : cases) {
    WriteSettings(c.settings);
    EXPECT_EQ(ColorSchemeCurrentNumber(), c.number) << c.settings;
  }
  WriteSettings("[Color Schemes]\nCurrent=2\n[Color Scheme 2]\nName=Second\n");
  ColorSchemeLoadCurrent();
  EXPECT_EQ(ColorScheme.Name, Fixed("Second"));
  EXPECT_EQ(ColorScheme.Number, 1);
}

TEST_F(ColorSchemeTest, BlackOnWhiteKeepsTheFirstSavedSchemeAndRestoresIt) {
  ColorSchemeLoadCurrent();
  ColorScheme.ColorPalette[16] = 0x00ABCDEF;
  const ColorSchemeRec before = ColorScheme;

  ColorSchemeBW(1);
  EXPECT_TRUE(SchemeBlackOnWhite);
  for (int k = 0; k < 15; ++k) EXPECT_EQ(ColorScheme.ColorPalette[k], 0u) << k;
  EXPECT_EQ(ColorScheme.ColorPalette[15], RGBColor(255, 255, 255));
  EXPECT_EQ(ColorScheme.ColorPalette[16], 0x00ABCDEFu);
  EXPECT_EQ(SchemeModColor, 0u);
  EXPECT_EQ(SchemeBackColor, RGBColor(255, 255, 255));

  ColorSchemeBW(1);
  ColorSchemeBW(2);  // neither on nor off: nothing
  EXPECT_TRUE(SchemeBlackOnWhite);
  ColorSchemeBW(0);
  EXPECT_FALSE(SchemeBlackOnWhite);
  EXPECT_EQ(ColorScheme.ColorPalette, before.ColorPalette);
  EXPECT_EQ(SchemeModColor, RGBColor(0, 255, 0));
  ColorSchemeBW(0);  // already off
  EXPECT_EQ(ColorScheme.ColorPalette, before.ColorPalette);
}

}  // namespace
