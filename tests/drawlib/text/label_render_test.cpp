#include <gtest/gtest.h>

#include <cstring>

#include "drawlib/text/label_render.h"
#include "tests/drawlib/recording_postscript.h"
#include "tests/drawlib/text/text_fixture.h"

namespace {

class LabelRenderTest : public TextFixture {
 protected:
  // The font in force when the logged call was made.
  std::string FontBefore(const std::string& call) {
    std::string font;
    for (const std::string& l : dc.log) {
      if (l.rfind("Font ", 0) == 0) font = l;
      if (l == call) return font;
    }
    return "(no " + call + ")";
  }
};

std::vector<std::string> Without(const std::vector<std::string>& log, const std::string& prefix) {
  std::vector<std::string> out;
  for (const std::string& l : log)
    if (l.rfind(prefix, 0) != 0) out.push_back(l);
  return out;
}

TEST_F(LabelRenderTest, PlainLabelIsOneTextCall) {
  // Font 3 on the recording device: cells of half the font height (207 / 2 = 103 pixels).
  const StepBoxRec box = Draw("F > abc");
  EXPECT_EQ(box.flags & kBoxPlain, kBoxPlain);
  ASSERT_EQ(dc.Count("Text "), 1u);
  EXPECT_EQ(dc.Calls("Text ")[0], "Text -52 72 abc");  // F: the first character centred
  EXPECT_EQ(dc.Calls("Font ")[0], "Font Arial -207 0 400");
}

TEST_F(LabelRenderTest, GreekLetterInFontThreeIsOneSymbolRun) {
  Draw("X > a^ab");
  const auto texts = dc.Calls("Text ");
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], "Text 0 72 a");
  EXPECT_EQ(texts[1], "Text 103 72 a");
  EXPECT_EQ(texts[2], "Text 206 72 b");
  EXPECT_EQ(FontBefore("Text 103 72 a"), "Font Symbol -207 0 400");
  EXPECT_EQ(FontBefore("Text 206 72 b"), "Font Arial -207 0 400");
}

TEST_F(LabelRenderTest, MetafileTargetsPlaceEveryRunAtItsOwnPoint) {
  OutputFlags = 0x0042;  // a metafile: runs at computed positions, no current point
  LabelAttrReset(&dc);
  dc.log.clear();
  Draw("X > ab^ac");
  EXPECT_EQ(dc.Calls("TextAlign"), std::vector<std::string>{"TextAlign 24"});
  EXPECT_EQ(dc.Count("MoveTo"), 0u);
  // Letters of one h (145 pixels, cells of 72) on an output target, as in the EPS.
  EXPECT_EQ(dc.Calls("Font ")[0], "Font Arial -145 0 400");
  EXPECT_EQ(dc.Calls("Text "),
            (std::vector<std::string>{"Text 0 72 ab", "Text 144 72 a", "Text 216 72 c"}));
}

TEST_F(LabelRenderTest, CaretsOfNamedFonts) {
  Draw("X > ^^^T^H");
  const auto texts = dc.Calls("Text ");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "Text 0 72 ^");  // "^^" is one caret
  EXPECT_EQ(texts[1], "Text 103 72 Q");  // "^T" is the Symbol Q (theta)
  EXPECT_EQ(FontBefore(texts[1]), "Font Symbol -207 0 400");
  // "^H" is no Symbol character: the built-in command glyph runs, drawing nothing.
  EXPECT_EQ(dc.Count("Polyline"), 0u);
}

TEST_F(LabelRenderTest, StyleBoldSurvivesTheLayoutsSwitchOff) {
  Draw("X P = 2 > a^jb");
  const auto texts = dc.Calls("Text ");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(FontBefore(texts[0]), "Font Arial -207 0 700");
  EXPECT_EQ(FontBefore(texts[1]), "Font Arial -207 0 400");
}

TEST_F(LabelRenderTest, ColourCommandCarriesIntoTheNextLine) {
  Draw("X O = 0 > 0{C=4}0{/}0");
  std::vector<std::string> pens;
  for (const std::string& l : dc.log)
    if (l.rfind("Pen ", 0) == 0) pens.push_back(l);
  ASSERT_FALSE(pens.empty());
  EXPECT_EQ(pens.back(), "Pen 1 " + ColorText(ColorScheme.ColorPalette[4]));
  EXPECT_EQ(dc.Count("Polyline"), 3u);
}

TEST_F(LabelRenderTest, SymbolQIsThePlainQOfTheBuiltInFonts) {
  glyphs['Q'] = GlyphEntry(160, "UC");
  std::string text = "^$Q";
  StepBoxRec box;
  int16_t changed = 0;
  LabelAttrStack(&dc, "O = 0 ", 2);
  LabelLayout(&dc, 'X', text, changed, box, 8);
  LabelAttrStack(&dc, "", 4);
  EXPECT_EQ(box.x2, 154);  // 160 / 150 of the digit width
}

TEST_F(LabelRenderTest, NamedFontStylesSplitRuns) {
  Draw("X > a^Jbc^jd_e|2");
  const auto texts = dc.Calls("Text ");
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[0], "Text 0 72 a");
  EXPECT_EQ(texts[1], "Text 103 72 bc");
  EXPECT_EQ(texts[2], "Text 309 72 d");
  EXPECT_EQ(texts[3], "Text 412 72 e");
  EXPECT_EQ(texts[4], "Text 515 122 2");  // 0.34 h below the baseline, at 0.7 of the height
  EXPECT_EQ(FontBefore(texts[1]), "Font Arial -207 0 700");
  EXPECT_EQ(FontBefore(texts[2]), "Font Arial -207 0 400 u");  // "d_": d alone underlined
  EXPECT_EQ(FontBefore(texts[3]), "Font Arial -207 0 400");
  EXPECT_EQ(FontBefore(texts[4]), "Font Arial -145 0 400");
}

TEST_F(LabelRenderTest, BuiltInSubscriptUsesSmallerUnitsBelowTheBaseline) {
  Draw("X O = 0 > 0|0");
  const auto lines = dc.Calls("Polyline");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Polyline 5: 0 72 103 72 103 -72 0 -72 0 72");
  // Units 0.7 of the normal ones; the baseline 0.34 h (49.2) lower.
  EXPECT_EQ(lines[1], "Polyline 5: 145 122 217 122 217 20 145 20 145 122");
}

TEST_F(LabelRenderTest, UnderlineAndUdStrokesAreHorizontal) {
  Draw("X O = 0 > 0_1");
  const auto lines = dc.Calls("Polyline");
  ASSERT_EQ(lines.size(), 3u);
  // From the pen after the glyph back over its 21 grid units, 4 units below the baseline.
  EXPECT_EQ(lines[1], "Polyline 2: 145 100 0 100");
  dc.log.clear();
  int16_t flags = 0;
  GlyphStrokeDraw(&dc, "CPUD3", 0, 0, 1, 1, flags, 21);
  EXPECT_EQ(dc.Calls("Polyline")[0], "Polyline 2: 0 3 -21 3");
}

TEST_F(LabelRenderTest, FillStylesOfTheGlyphFlags) {
  struct Case {
    int16_t flags;
    int mark;          // 252 or 251
    const char* call;  // what the stroke became
  };
  const Case cases[] = {
      {0, 252, "Polyline"},  {1, 252, "Polygon fill"},  {32, 252, "Polygon fill"},
      {33, 252, "Polyline"}, {4, 252, "Polygon back"},  {5, 252, "Polygon fill"},
      {36, 252, "Polygon back"},
      {0, 251, "Polyline"},  {1, 251, "Polyline"},      {32, 251, "Polygon fill"},
      {33, 251, "Polygon fill"}, {4, 251, "Polygon back"}, {5, 251, "Polygon back"},
      {36, 251, "Polygon back"},
  };
  SchemeBackColor = 0x00FFFF;
  for (const Case& c : cases) {
    dc.log.clear();
    int16_t flags = c.flags;
    const std::string glyph =
        "RC" + Strokes({{0, 0}, {10, 0}, {5, 10}, {0, 0}}) + char(c.mark);
    GlyphStrokeDraw(&dc, glyph, 0, 0, 1, 1, flags, 10);
    std::string got;
    if (dc.Count("Polygon")) {
      got = dc.Calls("Brush ")[0] == "Brush " + ColorText(0x00FFFF) ? "Polygon back"
                                                                     : "Polygon fill";
    } else if (dc.Count("Polyline")) {
      got = "Polyline";
    }
    EXPECT_EQ(got, c.call) << "flags " << c.flags << " mark " << c.mark;
  }
}

TEST_F(LabelRenderTest, GlyphFlagsHoldToTheEndOfTheLine) {
  // "^Q^H^D": flags 32 and 1, then the Delta with its 252: 252 with flags 1 and 32 is a line.
  Draw("X O = 0 > ^H^D^D");
  EXPECT_EQ(dc.Count("Polygon"), 2u);  // both Deltas filled under flag 1
  dc.log.clear();
  Draw("X O = 0 > ^D");
  EXPECT_EQ(dc.Count("Polygon"), 0u);  // a new line starts without flags
}

TEST_F(LabelRenderTest, CompositesNestAtMostFourDeepAndOddBytesStop) {
  Draw("X O = 0 > \xC8");  // 200: "H" and "1"
  EXPECT_EQ(dc.Count("Polyline"), 4u);
  dc.log.clear();
  Draw("X O = 0 > \xC9");  // 201 inserts itself
  EXPECT_EQ(dc.Count("Polyline"), 5u);
  dc.log.clear();
  int16_t flags = 0;
  GlyphStrokeDraw(&dc, "RC" + Strokes({{0, 0}, {3, 3}}) + "A", 0, 0, 1, 1, flags, 0);
  EXPECT_EQ(dc.Calls("Polyline")[0], "Polyline 2: 0 0 3 -3");
}

TEST_F(LabelRenderTest, ItalicAndBoldMarkupActOnTheBuiltInFonts) {
  Draw("X O = 0 > ^J^I1^i^j1");
  const auto log = Without(Without(dc.log, "Brush"), "TextColor");
  const auto lines = dc.Calls("Polyline");
  ASSERT_EQ(lines.size(), 2u);
  // "1" is the stroke (7, 0)-(7, 21): slanted by 0.21 x y, then upright again.
  EXPECT_EQ(lines[0], "Polyline 2: 48 72 79 -72");
  EXPECT_EQ(lines[1], "Polyline 2: 193 72 193 -72");
  std::vector<std::string> pens;
  for (const std::string& l : log)
    if (l.rfind("Pen ", 0) == 0) pens.push_back(l);
  ASSERT_EQ(pens.size(), 2u);
  EXPECT_EQ(pens[0], "Pen 2 #000000");  // thick strokes
  EXPECT_EQ(pens[1], "Pen 1 #000000");
  EXPECT_EQ(LabelAttrs[kSlotPen], 1.0f);
  EXPECT_FLOAT_EQ(TextFont.slantTan, 0.0f);
}

TEST_F(LabelRenderTest, SlantOfStyleBendsBuiltInGlyphsAboveTheThreshold) {
  for (const auto& [style, top] : {std::pair{"S = 3", "Polyline 2: 48 72 48 -72"},
                                   std::pair{"S = 3.5", "Polyline 2: 48 72 57 -72"}}) {
    dc.log.clear();
    Draw(std::string("X O = 0 ") + style + " > 1");
    EXPECT_EQ(dc.Calls("Polyline")[0], top) << style;
  }
}

TEST_F(LabelRenderTest, DirectionTurnsGlyphsAboutTheAnchor) {
  Draw("X O = 0 D = 90 > 0");
  EXPECT_EQ(dc.Calls("Polyline")[0], "Polyline 5: 72 0 72 -103 -72 -103 -72 0 72 0");
}

TEST_F(LabelRenderTest, ChargeMarkSitsOverThePreviousCharacter) {
  Draw("X O = 0 > 0{KU0}");
  const auto lines = dc.Calls("Polyline");
  ASSERT_EQ(lines.size(), 2u);
  // A blank mark and the text "0" at 2.0 x 0.65 font heights over the anchor, centred on the
  // previous character: its baseline 0.8 h (115.8) up.
  EXPECT_EQ(lines[1], "Polyline 5: 0 -116 104 -116 104 -260 0 -260 0 -116");
}

TEST_F(LabelRenderTest, CancelledDrawingStopsAndComesBackToTheScreen) {
  OutputFlags = 0xFFFF;
  Draw("X O = 0 > 00");
  EXPECT_EQ(dc.Count("Polyline"), 0u);
  EXPECT_EQ(OutputFlags, kOutputFlagsScreen);
}

TEST_F(LabelRenderTest, SpectrumObjectGoesToTheDocuments) {
  PageDocuments documents;
  StepBoxRec box;
  LabelDraw(&dc, 4, kStepSpectrum, "F > obj", box, StepData{}, 10, 20, 5);
  ASSERT_EQ(documents.printed.size(), 1u);
  EXPECT_EQ(documents.printed[0], "4 F > obj 10 20");
  EXPECT_EQ(box.flags & 16, 16);
}

class LabelPostScriptTest : public TextFixture {
 protected:
  void SetUp() override {
    TextFixture::SetUp();
    OutputFlags = kOutputPostScript;
    LabelAttrReset(&dc);
    ps.log.clear();
    ps.buffer.clear();
  }
  RecordingPostScript ps;
};

TEST_F(LabelPostScriptTest, SubscriptThenSuperscriptWritesOffThenOn) {
  Draw("X > H|2~3");
  EXPECT_EQ(ps.buffer, " _LbINI(H\\0102\\011\\0123\\013) _LbTXT _LbEND");
}

TEST_F(LabelPostScriptTest, RunsCarryStyleCodesAndSymbolRunsStartWith025) {
  Draw("X > a^Ib^ic_^ad\\(");
  EXPECT_EQ(ps.buffer,
            " _LbINI(a\\017b\\020\\023c\\024) _LbTXT(\\025a) _LbTXT(d) _LbTXT(\\() _LbTXT"
            " _LbEND");
  // The digit space was drawn as built-in glyph 92 and the current point moved past it.
  const auto moves = ps.Calls("XY -997");
  ASSERT_GE(moves.size(), 4u);
  EXPECT_EQ(moves.front(), "XY -997 0 0 0 0");
  EXPECT_EQ(moves[1], "XY -997 0 0 0 -72");
}

TEST_F(LabelPostScriptTest, SymbolCodesFrom128AreOctalAndMarksAreNestedLabels) {
  Draw("X > ^A x{KU+}");
  EXPECT_EQ(ps.buffer,
            " _LbINI(\\025\\256) _LbTXT( x) _LbTXT"
            " _LbINI( ) _LbTXT _LbEND _LbINI(+) _LbTXT _LbEND _LbEND");
}

TEST_F(LabelPostScriptTest, MarksSitWhereTheDeviceContextPutsThem) {
  // h = 144.72: a mark lies 1.03 h x f from the anchor on a device context; here its half
  // height on PostScript is added from the baseline (-h/2), which gives the same place for the
  // charge marks (f = 1) and 0.1 h less for the lone pair (f = 0.8). The move that comes just
  // before the mark's own label is to the mark's anchor.
  struct Case {
    const char* label;
    const char* markMove;  // the end of that move: x and y
  };
  const Case cases[] = {{"X > C{KU-}", " 149"},  {"X > C{KD-}", " -149"},
                        {"X > C{KD=}", " -149"}, {"X > C{KU:}", " 105"},
                        {"X > C{KD:}", " -134"}, {"X O = 0 > 0{KU-}", " 72 149"},
                        {"X O = 0 > 0{KD:}", " 72 -134"}};
  for (const Case& c : cases) {
    ps.log.clear();
    Draw(c.label);
    std::string before;  // the last move before the second " _LbINI"
    int labels = 0;
    for (const std::string& l : ps.log) {
      if (l == "Append _LbINI" && ++labels == 2) break;
      if (l.rfind("XY -997", 0) == 0) before = l;
    }
    ASSERT_EQ(labels, 2) << c.label;
    ASSERT_GE(before.size(), std::strlen(c.markMove)) << c.label;
    EXPECT_EQ(before.substr(before.size() - std::strlen(c.markMove)), c.markMove)
        << c.label << ": " << before;
  }
}

TEST_F(LabelPostScriptTest, BuiltInGlyphsAreStrokesRelativeToTheAnchor) {
  WorldWindow.x0 = 500;
  WorldWindow.y0 = 600;
  Draw("X O = 0 D = 30 > 1", 1000, 2000);
  EXPECT_EQ(ps.buffer, " _LbINI _LbEND");
  const auto polys = ps.Calls("Poly");
  ASSERT_EQ(polys.size(), 3u);
  EXPECT_EQ(polys[0], "Poly 48 -72 1");  // unrotated: the prolog turns the frame
  EXPECT_EQ(polys[1], "Poly 48 72 2");
  EXPECT_EQ(ps.Calls("Direction").back(), "Direction 30");
  EXPECT_EQ(ps.log.back(), "XY -997 0 0 1000 2000");
  EXPECT_EQ(WorldWindow.x0, 500);
  EXPECT_EQ(WorldWindow.y0, 600);
}

TEST_F(LabelPostScriptTest, BoldAndItalicOfTheStyleAreToggles) {
  Draw("X P = 2 S = 12 > a");
  EXPECT_EQ(ps.Calls("Bold")[0], "Bold on 1");
  EXPECT_EQ(ps.Calls("Italic")[0], "Italic on 1");
}

}  // namespace
