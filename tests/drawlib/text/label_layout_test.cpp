#include <gtest/gtest.h>

#include "drawlib/device/world_lines.h"
#include "tests/drawlib/text/text_fixture.h"

namespace {

using LabelLayoutTest = TextFixture;

struct BoxCase {
  const char* label;
  float left, bottom, right, top;
};

TEST_F(LabelLayoutTest, BuiltInFontBoxesByKind) {
  // Default height 3.6 mm: h = 144.72; the digit "0" is 150 wide, so d = 144.72.
  const BoxCase cases[] = {
      {"T O = 0 > 0", -72, -72, 72, 72},
      {"M O = 0 > 00", -145, -72, 145, 72},
      {"L O = 0 > 00", -217, -72, 72, 72},
      {"F O = 0 > 00", -72, -72, 217, 72},  // the first character centred
      {"X O = 0 > 00", 0, -72, 289, 72},    // any other letter starts at the anchor
      // A kind below 70 centres its own letter: the "1" after the H.
      {"1 O = 0 > H11", -217, -72, 217, 72},
      // Kinds below 70 without their letter: -w/2 of the last character wider than 1.0.
      {"A O = 0 > H0", -72, -72, 217, 72},
  };
  for (const BoxCase& c : cases) {
    const StepBoxRec box = Draw(c.label);
    EXPECT_EQ(box.flags & kBoxLaidOut, kBoxLaidOut) << c.label;
    EXPECT_EQ(box.x1, c.left) << c.label;
    EXPECT_EQ(box.y1, c.bottom) << c.label;
    EXPECT_EQ(box.x2, c.right) << c.label;
    EXPECT_EQ(box.y2, c.top) << c.label;
  }
}

TEST_F(LabelLayoutTest, ParseSplitsKindStyleAndText) {
  struct Case {
    const char* label;
    const char* kind;
    const char* style;
    const char* text;
  };
  const Case cases[] = {
      {"F > abc", "F", "", "abc"},
      {"M H = 2 > x > y", "M", "H = 2 ", "x > y"},
      {"F >", "F", "", ""},  // ends at its ">": an empty text
      {"F > ", "F", "", ""},
  };
  for (const Case& c : cases) {
    std::string kind, style, text;
    LabelParse(c.label, kind, style, text);
    EXPECT_EQ(kind, c.kind) << c.label;
    EXPECT_EQ(style, c.style) << c.label;
    EXPECT_EQ(text, c.text) << c.label;
  }
  EXPECT_TRUE(boxes.empty());
  // "F >" draws nothing and leaves the box untouched.
  StepBoxRec box;
  box.x1 = 5;
  LabelDraw(&dc, 1, 0xFFFF, "F >", box, StepData{}, 0, 0, 3);
  EXPECT_EQ(box.x1, 5);
  EXPECT_EQ(box.flags, 0);
  EXPECT_TRUE(dc.log.empty());
}

TEST_F(LabelLayoutTest, MalformedLabelIsRepairedWithOneMessagePerText) {
  std::string kind, style, text;
  LabelParse("abc", kind, style, text);
  EXPECT_EQ(text, "abc Fixed by ZEF!");
  EXPECT_EQ(kind, "F");
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "Internal Error in LabelParse: Label fixed by ZEF [abc]");
  EXPECT_EQ(boxes.last().title, "ZEF Error");
  EXPECT_EQ(boxes.last().style, vbOKCancel | vbExclamation);
  // Redrawing the same label shows nothing more; another text shows its own box, cut to 25.
  LabelParse("abc", kind, style, text);
  Draw("abc");
  EXPECT_EQ(boxes.count(), 1u);
  LabelParse("a>bcdefghijklmnopqrstuvwxyz0123", kind, style, text);
  ASSERT_EQ(boxes.count(), 2u);
  EXPECT_EQ(boxes.last().text,
            "Internal Error in LabelParse: Label fixed by ZEF [a>bcdefghijklmnopqrstuvwx]");
}

TEST_F(LabelLayoutTest, LongTextBreaksAtTheLastBlankAndCarriesBold) {
  // Line length 5 mm = 201 units: "00 00" is 361.8 wide, so the break goes at the blank.
  std::string plain = "00 00";
  StepBoxRec box = Layout("O = 0 LL= 5 ", 'F', plain);
  EXPECT_EQ(plain, "00\r00");
  EXPECT_EQ(box.flags & kBoxMultiLine, kBoxMultiLine);
  EXPECT_EQ(box.x2 - box.x1, 289);  // the first line's width

  std::string bold = "^J00 00^j";
  int16_t changed = 0;
  Layout("O = 0 LL= 5 ", 'F', bold, 8, &changed);
  EXPECT_EQ(bold, "^J00^j\r^J00^j");
  EXPECT_EQ(changed, kLayoutMetBoldOff);

  // Without a blank the break follows the character that passed the length.
  std::string word = "0000";
  Layout("O = 0 LL= 3 ", 'F', word);
  EXPECT_EQ(word, "0\r0\r0\r0");

  // Mode 16 stops after the first break.
  std::string first = "0000";
  box = Layout("O = 0 LL= 3 ", 'F', first, 8 | 16);
  EXPECT_EQ(first, "0\r000");
  EXPECT_EQ(box.flags & kBoxMultiLine, 0);
}

TEST_F(LabelLayoutTest, BreakCommandsAndFieldsMakeALabelMultiLine) {
  PageDocuments pages;
  pages.page = 7;
  SetLabelClock([] {
    std::tm t{};
    t.tm_year = 126, t.tm_mon = 11, t.tm_mday = 10, t.tm_hour = 9, t.tm_min = 5;
    return t;
  });
  struct Case {
    const char* text;
    const char* laidOut;
    bool multi;
  };
  const Case cases[] = {
      {"a{/}b", "a\rb", true},
      {"a{//}b", "a\r\rb", true},
      {"^Ja{/}b", "^Ja^j\r^Jb", true},
      {"p{Page#}", "p7", true},
      {"{Date=yyyy-mm-dd hh:nn}", "2026-12-10 09:05", true},
      {"{Date=%s%n%d}", "%0%5%10", true},  // no printf-style formatter: "%" is a literal
      {"a{%note}b{<x}c{Q}", "a{%note}b{<x}c{Q}", false},
      {"a{b", "a{b", false},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    const StepBoxRec box = Layout("", 'F', text);
    EXPECT_EQ(text, c.laidOut) << c.text;
    EXPECT_EQ((box.flags & kBoxMultiLine) != 0, c.multi) << c.text;
  }
}

TEST_F(LabelLayoutTest, AMultiLineLabelKeepsTheFirstLinesBoxAndCentresEachLine) {
  // d = 144.72: a line of three digits is 434 wide, of one digit 145. The box after drawing is
  // the first line's; each line is placed by its own width (one polyline per digit).
  struct Case {
    const char* label;
    float left, right;
    const char* firstLineStart;  // the first digit of the first line, pixels
    size_t secondLineGlyph;      // the index of the second line's first digit
    const char* secondLineStart;
  };
  const Case cases[] = {
      {"M O = 0 > 000{/}0", -217, 217, "Polyline 5: -217 72", 3, "Polyline 5: -72 314"},
      {"T O = 0 > 000{/}0", -72, 362, "Polyline 5: -72 72", 3, "Polyline 5: -72 314"},
      // F becomes T in a multi-line label.
      {"F O = 0 > 000{/}0", -72, 362, "Polyline 5: -72 72", 3, "Polyline 5: -72 314"},
      {"M O = 0 > 0{/}000", -72, 72, "Polyline 5: -72 72", 1, "Polyline 5: -217 314"},
  };
  for (const Case& c : cases) {
    dc.log.clear();
    const StepBoxRec box = Draw(c.label);
    EXPECT_EQ(box.flags & kBoxMultiLine, kBoxMultiLine) << c.label;
    EXPECT_EQ(box.x1, c.left) << c.label;
    EXPECT_EQ(box.x2, c.right) << c.label;
    const auto lines = dc.Calls("Polyline");
    ASSERT_EQ(lines.size(), 4u) << c.label;
    const std::string& second = lines[c.secondLineGlyph];
    EXPECT_EQ(lines.front().rfind(c.firstLineStart, 0), 0u) << c.label << ": " << lines.front();
    EXPECT_EQ(second.rfind(c.secondLineStart, 0), 0u) << c.label << ": " << second;
  }
}

TEST_F(LabelLayoutTest, TwoLineBreaksLeaveAnEmptyLineAndOneAndAHalfSpacings) {
  // "0" glyphs stroke a box from the baseline; each line's baseline is y - h/2 - k x advance.
  Draw("T O = 0 LS= 10 > 0{//}0{/}0");
  const auto lines = dc.Calls("Polyline");
  ASSERT_EQ(lines.size(), 3u);
  // Baseline pixels (y down): 72, then 72 + 1.5 x 402 = 675, then 675 + 402 = 1077.
  EXPECT_EQ(lines[0], "Polyline 5: -72 72 31 72 31 -72 -72 -72 -72 72");
  EXPECT_EQ(lines[1], "Polyline 5: -72 675 31 675 31 531 -72 531 -72 675");
  EXPECT_EQ(lines[2], "Polyline 5: -72 1077 31 1077 31 933 -72 933 -72 1077");
}

TEST_F(LabelLayoutTest, CaretsAndSubscriptsMeasureAsOneCharacter) {
  struct Case {
    const char* text;
    float width;  // in digit widths (d = 144.72)
  };
  const Case cases[] = {
      {"^^", 0},        // one literal caret: glyph 94, not in the fixture font, width 0
      {"0^", 1},        // a caret at the end is nothing
      {"|00", 1.7f},    // "|" lowers the one character after it
      {"0_0", 2},       // "_" has no width
      {"\\0", 2},       // the digit space measures as a digit
      {"^D", 1},        // the built-in Delta
      {"^J0^j", 1},     // commands have no width
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    const StepBoxRec box = Layout("O = 0 ", 'X', text);
    EXPECT_NEAR(box.x2 - box.x1, c.width * 144.72f, 0.6f) << c.text;
  }
}

TEST_F(LabelLayoutTest, ColourCommandSwitchesAndReturns) {
  // Palette entries 4 and 0 as the built-in glyph pen.
  Draw("T O = 0 > 0{C=4}0{C}0");
  std::vector<std::string> pens;
  for (const std::string& line : dc.log)
    if (line.rfind("Pen ", 0) == 0) pens.push_back(line);
  ASSERT_GE(pens.size(), 2u);
  EXPECT_EQ(pens[pens.size() - 2], "Pen 1 " + ColorText(ColorScheme.ColorPalette[4]));
  EXPECT_EQ(pens.back(), "Pen 1 " + ColorText(ColorScheme.ColorPalette[0]));
  EXPECT_EQ(LabelAttrs[kSlotColour], 0.0f);
}

TEST_F(LabelLayoutTest, PointMarkerIsASquareOnTheScreenOnly) {
  Draw("F > \\\\", 100, -100);
  EXPECT_EQ(dc.Calls("LineTo").size(), 4u);
  EXPECT_EQ(dc.Calls("MoveTo")[0], "MoveTo 60 140");
  dc.log.clear();
  OutputFlags = kOutputFlagsPrinter;
  Draw("F > \\\\", 100, -100);
  EXPECT_TRUE(dc.log.empty());
}

}  // namespace
