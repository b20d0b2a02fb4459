// Test fixture of the text layer: the drawing library's reset state, world units 1:1 on pixels,
// the style tables set up as at start-up, and a handful of fixture glyph entries in the data
// file's entry format (two bytes of width, then "UC", "RC" strokes or a "CP" command) in place
// of the program data file.
#pragma once

#include <map>
#include <string>

#include "drawlib/color_scheme.h"
#include "drawlib/document_services.h"
#include "drawlib/pardata.h"
#include "drawlib/text/glyph_tables.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/text/label_draw.h"
#include "drawlib/text/label_layout.h"
#include "drawlib/text/text_fonts.h"
#include "tests/drawlib/device_fixture.h"

// The stroke byte of a grid value: v XOR 64 for 0..63, 128 + |v| below 0.
inline char GridByte(int v) { return v >= 0 ? char(v ^ 64) : char(128 - v); }
// A stroke string from grid points; a point (99, 99) stands for a pen up (254).
inline std::string Strokes(std::initializer_list<std::pair<int, int>> points) {
  std::string s;
  for (const auto& [x, y] : points) {
    if (x == 99 && y == 99) s += char(254);
    else s += std::string{GridByte(x), GridByte(y)};
  }
  return s;
}
// One data-file entry: the width (little-endian 16 bits) and the glyph string.
inline std::string GlyphEntry(int16_t width, const std::string& glyph) {
  std::string s(2, '\0');
  s[0] = char(width & 0xFF);
  s[1] = char((width >> 8) & 0xFF);
  return s + glyph;
}

inline constexpr int kUp = 99;

// The fixture font: a few glyphs, caret commands and composites.
inline std::map<int, std::string> FixtureGlyphs() {
  std::map<int, std::string> g;
  g[32] = GlyphEntry(75, "UC");
  g[48] = GlyphEntry(150, "RC" + Strokes({{0, 0}, {15, 0}, {15, 21}, {0, 21}, {0, 0}}));  // "0"
  g[49] = GlyphEntry(150, "RC" + Strokes({{7, 0}, {7, 21}}));                             // "1"
  g[72] = GlyphEntry(150, "RC" + Strokes({{0, 0}, {0, 21}, {kUp, kUp}, {15, 0}, {15, 21},
                                          {kUp, kUp}, {0, 10}, {15, 10}}));               // "H"
  g[97] = GlyphEntry(120, "RC" + Strokes({{0, 0}, {12, 0}, {12, 12}}));                   // "a"
  g[92] = GlyphEntry(150, "UC");                                     // the digit space
  g[95] = GlyphEntry(0, "UC");
  g[127] = GlyphEntry(90, "RC" + Strokes({{0, 21}, {9, 0}}));        // the literal backslash
  g['D' + 230] = GlyphEntry(150, "RC" + Strokes({{0, 0}, {15, 0}, {7, 21}, {0, 0}}) +
                                     char(252));                     // Delta, fillable
  g['a' + 230] = GlyphEntry(130, "RC" + Strokes({{0, 0}, {13, 13}}));  // alpha
  g['H' + 230] = GlyphEntry(0, "CP^H");
  g['Q' + 230] = GlyphEntry(0, "CP^Q");
  g['N' + 230] = GlyphEntry(0, "CP^N");
  g['I' + 230] = GlyphEntry(0, "CPSL0.21");
  g['i' + 230] = GlyphEntry(0, "CPSL0");
  g['J' + 230] = GlyphEntry(0, "CPSP2");
  g['j' + 230] = GlyphEntry(0, "CPSP1");
  g['[' + 230] = GlyphEntry(0, "CPUL1");
  g[']' + 230] = GlyphEntry(0, "CPUL0");
  g[200] = GlyphEntry(150, "RC" + std::string{char(253), 'H', char(253), '1'});  // composite
  g[201] = GlyphEntry(150, "RC" + Strokes({{0, 0}, {1, 1}}) + char(253) + char(201));  // itself
  return g;
}

// Documents that answer the page number.
class PageDocuments : public DocumentServices {
 public:
  PageDocuments() { SetDocumentServices(this); }
  ~PageDocuments() override { SetDocumentServices(nullptr); }
  void FileInit() override {}
  void SpecRescale(ByteArray&, std::string&, float, float) override {}
  void SpecPrint(Device*, int16_t step, const std::string& text, int16_t& flags,
                 const StepData&, float x, float y) override {
    printed.push_back(std::to_string(step) + " " + text + " " + std::to_string(int(x)) + " " +
                      std::to_string(int(y)));
    flags |= 16;
  }
  int16_t CurrentPageNumber() override { return page; }
  int16_t page = 0;
  std::vector<std::string> printed;
};

class TextFixture : public DeviceFixture {
 protected:
  void SetUp() override {
    DeviceFixture::SetUp();
    UnitMapping();
    SchemePaletteFlag = true;  // as the library's start-up sets it
    glyphs = FixtureGlyphs();
    SetGlyphEntrySource([this](int16_t code) {
      ++loads;
      const auto it = glyphs.find(code);
      return it == glyphs.end() ? std::string() : it->second;
    });
    StylesInit(9);
    StylesInit(0);
    StylesInit(-1);
    LabelAttrReset(&dc);
    dc.log.clear();
  }
  void TearDown() override {
    FontSetAPI(&dc, 0);
    DeviceFixture::TearDown();
  }
  // A label drawn at (x, y) with the flags; returns its box.
  StepBoxRec Draw(const std::string& label, float x = 0, float y = 0, int16_t flags = 3) {
    StepBoxRec box;
    LabelDraw(&dc, 1, 0xFFFF, label, box, StepData{}, x, y, flags);
    return box;
  }
  // Lays the text out with the style applied, as LabelDraw does; returns the box.
  StepBoxRec Layout(const std::string& style, char kind, std::string& text, int16_t mode = 8,
                    int16_t* changed = nullptr) {
    StepBoxRec box;
    int16_t met = 0;
    LabelAttrStack(&dc, style, 2);
    LabelLayout(&dc, kind, text, met, box, mode);
    LabelAttrStack(&dc, "", 4);
    if (changed) *changed = met;
    return box;
  }

  std::map<int, std::string> glyphs;
  int loads = 0;
};
