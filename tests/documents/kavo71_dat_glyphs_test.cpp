// The stroke-font entries 32-360 of the built data file: every code the label markup can reach,
// the sample glyphs, the caret commands and the composites.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/documents/built_data_file.h"

namespace {

using Stroke = std::vector<std::pair<int, int>>;  // grid (x, y), y up from the baseline

class GlyphEntries : public BuiltDataFile {
 protected:
  static int Width(int code) { return Int16At(Entry(code), 0); }
  static std::string Kind(int code) { return Entry(code).substr(2, 2); }

  // The strokes of an "RC" glyph with its composites inserted; false (and why) when the data
  // is malformed or nests deeper than 4.
  static bool Strokes(int code, std::vector<Stroke>& out, std::string& why, int depth = 0) {
    const std::string e = Entry(code);
    if (e.substr(2, 2) != "RC") return why = "glyph " + std::to_string(code) + " is not RC", false;
    if (depth > 4) return why = "composites nest deeper than 4", false;
    out.emplace_back();
    auto value = [](unsigned char b) { return b < 128 ? b ^ 64 : -(b - 128); };
    for (std::size_t i = 4; i < e.size();) {
      const auto b = static_cast<unsigned char>(e[i]);
      if (b == 254) {
        out.emplace_back();
        ++i;
      } else if (b == 253) {
        if (i + 1 >= e.size()) return why = "253 without a code", false;
        if (!Strokes(static_cast<unsigned char>(e[i + 1]), out, why, depth + 1)) return false;
        out.emplace_back();
        i += 2;
      } else if (b == 251 || b == 252) {
        ++i;
      } else if (b == 255 || i + 1 >= e.size() || static_cast<unsigned char>(e[i + 1]) >= 251) {
        return why = "bad byte at " + std::to_string(i), false;
      } else {
        out.back().emplace_back(value(b), value(static_cast<unsigned char>(e[i + 1])));
        i += 2;
      }
    }
    std::erase_if(out, [](const Stroke& s) { return s.empty(); });
    return true;
  }

  static int Top(const std::vector<Stroke>& strokes) {
    int top = -999;
    for (const Stroke& s : strokes)
      for (const auto& p : s) top = std::max(top, p.second);
    return top;
  }
};

TEST_F(GlyphEntries, EveryCodeTheMarkupReachesLoads) {
  for (int code = 32; code <= 360; ++code) {
    const std::string e = Entry(code);
    ASSERT_GE(e.size(), 4u) << code;
    EXPECT_NE(Width(code), -998) << code;
    const std::string kind = Kind(code);
    std::vector<Stroke> strokes;
    std::string why;
    if (kind == "RC") {
      EXPECT_TRUE(Strokes(code, strokes, why)) << code << ": " << why;
      EXPECT_FALSE(strokes.empty()) << code;
    } else if (kind == "UC") {
      EXPECT_EQ(e.size(), 4u) << code;
    } else {
      EXPECT_EQ(kind, "CP") << code;
      EXPECT_GE(e.size(), 6u) << code;  // the two characters of the command
    }
  }
}

TEST_F(GlyphEntries, SampleCodes) {
  EXPECT_EQ(Entry(48).substr(0, 4), std::string("\x96\x00RC", 4));
  for (int digit = '0'; digit <= '9'; ++digit) EXPECT_EQ(Width(digit), 150) << digit;
  struct Case {
    int code;
    int width;
    const char* kind;
  };
  const Case cases[] = {
      {'A', 135, "RC"}, {'o', 142, "RC"},  // 19 grid units: 142.5 halves to even
      {' ', 120, "UC"}, {92, 150, "UC"},   // the blank; the digit space
      {127, 105, "RC"},                    // the literal backslash
      {233, 135, "RC"},                    // e acute: the width of e
      {327, 158, "RC"},                    // alpha, 21 grid units: 157.5 halves to even
      {266, 0, "UC"},   {278, -150, "UC"}, {279, -15, "UC"}, {283, -75, "UC"}, {287, -135, "UC"},
      {257, 120, "UC"}, {360, 120, "UC"},  // not named: the blank's width
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Width(c.code), c.width) << c.code;
    EXPECT_EQ(Kind(c.code), c.kind) << c.code;
  }
}

TEST_F(GlyphEntries, CaretCommands) {
  const std::pair<int, const char*> cases[] = {
      {303, "CPSL0.21"}, {335, "CPSL0"}, {304, "CPSP2"}, {336, "CPSP1"}, {321, "CPUL1"},
      {323, "CPUL0"},    {302, "CP^H"},  {311, "CP^Q"},  {308, "CP^N"},
  };
  for (const auto& [code, text] : cases) EXPECT_EQ(Entry(code), std::string("\0\0", 2) + text) << code;
}

TEST_F(GlyphEntries, CaretLiteralsAreTheirCharacters) {
  const std::pair<int, int> cases[] = {{324, '^'}, {354, '|'}, {356, '~'}, {353, '{'}, {355, '}'}, {322, 127}};
  for (const auto& [code, character] : cases) {
    EXPECT_EQ(Kind(code), "RC") << code;
    EXPECT_EQ(Entry(code), Entry(character)) << code;
  }
}

TEST_F(GlyphEntries, SymbolMapLettersAndSignsAreDistinctGlyphs) {
  // The caret letters of the symbol map: Greek letters, then the signs.
  const std::string letters = "DFGLOSTabxdegcfklmnoprstvzyu", signs = "AMP*=.`";
  std::set<std::string> seen;
  for (char c : letters + signs) {
    const int code = static_cast<unsigned char>(c) + 230;
    EXPECT_EQ(Kind(code), "RC") << c;
    EXPECT_TRUE(seen.insert(Entry(code)).second) << c << " repeats another glyph";
  }
  for (char c : letters) EXPECT_NE(Entry(c + 230).substr(2), Entry(c).substr(2)) << c;
}

TEST_F(GlyphEntries, AccentedLettersInsertTheirBaseBelowTheAccent) {
  struct Case {
    int code, base;
    bool above;
  };
  const Case cases[] = {{233, 'e', true}, {192, 'A', true}, {239, 'i', true}, {241, 'n', true},
                        {138, 'S', true}, {231, 'c', false}, {199, 'C', false}};
  for (const Case& c : cases) {
    const std::string e = Entry(c.code);
    EXPECT_EQ(Width(c.code), Width(c.base)) << c.code;
    EXPECT_EQ(e.substr(2, 4), std::string("RC\xFD") + static_cast<char>(c.base)) << c.code;
    std::vector<Stroke> whole, base;
    std::string why;
    ASSERT_TRUE(Strokes(c.code, whole, why)) << why;
    ASSERT_TRUE(Strokes(c.base, base, why)) << why;
    ASSERT_GT(whole.size(), base.size()) << c.code;
    const std::vector<Stroke> accent(whole.begin() + static_cast<long>(base.size()), whole.end());
    int lowest = 999;
    for (const Stroke& s : accent)
      for (const auto& p : s) lowest = std::min(lowest, p.second);
    if (c.above)
      EXPECT_GT(lowest, Top(base)) << c.code;
    else
      EXPECT_LT(lowest, 0) << c.code;
  }
}

TEST_F(GlyphEntries, UnderlineIsHorizontal) {
  std::vector<Stroke> strokes;
  std::string why;
  ASSERT_TRUE(Strokes('_', strokes, why)) << why;
  ASSERT_EQ(strokes.size(), 1u);
  ASSERT_GE(strokes[0].size(), 2u);
  for (const auto& p : strokes[0]) EXPECT_EQ(p.second, strokes[0][0].second);
  EXPECT_GT(strokes[0].back().first, strokes[0][0].first);
}

}  // namespace
