#include <cstdint>
#include <string>
#include <vector>

#include "tests/output/postscript_fixture.h"

namespace {

constexpr size_t kCodes = 361;

// A width entry: value(i) at index i, little-endian, `count` values long.
std::string WidthEntry(int base, size_t count = kCodes) {
  std::string bytes;
  for (size_t i = 0; i < count; ++i) {
    const int v = i == 50 ? 556 : base + int(i);
    bytes += char(v & 0xFF);
    bytes += char((v >> 8) & 0xFF);
  }
  return bytes;
}

class PostScriptCharTable : public PostScriptFixture {
 protected:
  void SetUp() override {
    PostScriptFixture::SetUp();
    SetEntries({{371, WidthEntry(1000)}, {372, WidthEntry(2000)}});
  }
  int16_t Width(int code, int column) const { return widths[size_t(code) * 6 + size_t(column)]; }
  const std::string& Text(int code, int column) const {
    return strings[size_t(code) * 4 + size_t(column)];
  }
  std::vector<int16_t> widths = std::vector<int16_t>(kCodes * 6, -7);
  std::vector<std::string> strings = std::vector<std::string>(kCodes * 4, "?");
};

TEST_F(PostScriptCharTable, StringsOfTheColumnThree) {
  writer.PSCharTableInit(0.7f, widths, strings);
  const std::vector<std::pair<int, std::string>> cases = {
      {40, "\\("}, {41, "\\)"}, {92, "\\\\"}, {65, "A"}, {31, ""}, {130, "\\270"},
      {131, "\\247"}, {138, "S\\026\\306"}, {154, "s\\026\\310"}, {178, "\\0122\\013"},
      {188, "1/4"}, {197, "A\\026\\212"}, {208, "D"}, {222, " "}, {229, "a\\026\\212"},
      {256, ""}, {322, "\\\\"}, {325, "\\0056\\025-"}, {343, "\\042"}, {355, "}\\000"},
      {356, "~"}, {357, ""}, {360, ""},
  };
  for (const auto& [code, text] : cases) EXPECT_EQ(Text(code, 3), text) << code;
  EXPECT_EQ(Text(65, 2), "A");
  EXPECT_EQ(Text(255, 2), std::string(1, char(255)));
  EXPECT_EQ(Text(65, 0), "?");   // the label layer's columns stay
  EXPECT_EQ(Text(30, 3), "?");
  EXPECT_EQ(Text(256, 2), "?");
  EXPECT_EQ(ErrorLocation, 7016);
}

TEST_F(PostScriptCharTable, WidthsOfBothFonts) {
  writer.PSCharTableInit(0.7f, widths, strings);
  struct Case {
    int code, column, width;
  };
  const std::vector<Case> cases = {
      {65, 2, 1065},   {31, 3, 1031},   {31, 4, 2031},   {65, 3, 1065},  {65, 4, 2065},
      {188, 3, 1049 + 1047 + 1052},     {188, 4, 2049 + 2047 + 2052},
      {178, 3, 389},   {178, 4, 389},    // 556 x 0.7
      {179, 4, 1436},  {185, 4, 1434},   // 2051 x 0.7 = 1435.7, 2049 x 0.7 = 1434.3
      {153, 3, 1228},  {153, 4, 1228},   // entry 371 at 228 for both fonts
      {130, 3, 1203},  {130, 4, 2203},   {131, 4, 1166},  {181, 4, 1125},  {191, 4, 2065},
      {215, 3, 1180},  {215, 4, 1180},   {197, 4, 2065},  {138, 4, 2083},
      {265, 3, 150},   {278, 4, -150},   {287, 3, -135},  {262, 4, 2032},
      {356, 3, 158},   {356, 4, 158},    {357, 3, 0},     {360, 4, 0},    {256, 3, 0},
      {29, 3, -7},     {65, 0, -7},      {256, 2, -7},
  };
  for (const Case& c : cases) EXPECT_EQ(Width(c.code, c.column), c.width) << c.code;
}

TEST_F(PostScriptCharTable, BuiltOnceWithTheFirstFactor) {
  writer.PSCharTableInit(0.7f, widths, strings);
  SetEntries({{371, WidthEntry(5000)}, {372, WidthEntry(6000)}});
  std::vector<int16_t> widthsAgain = widths;
  writer.PSCharTableInit(0.5f, widthsAgain, strings);
  EXPECT_EQ(widthsAgain, widths);
  EXPECT_TRUE(writer.TableBuilt());
}

TEST_F(PostScriptCharTable, ShortEntryReadsZeroPastItsEnd) {
  SetEntries({{371, WidthEntry(1000, 50)}, {372, std::string(3, '\x01')}});
  writer.PSCharTableInit(0.7f, widths, strings);
  EXPECT_EQ(Width(40, 2), 1040);
  EXPECT_EQ(Width(60, 2), 0);
  EXPECT_EQ(Width(188, 3), 1049 + 1047);
  EXPECT_EQ(Width(0, 4), -7);
  EXPECT_EQ(Width(31, 4), 0);
  EXPECT_EQ(Width(65, 4), 0);
}

TEST_F(PostScriptCharTable, TablesOfOtherBoundsLeaveTheFlagClear) {
  std::vector<int16_t> small(100, -7);
  writer.PSCharTableInit(0.7f, small, strings);
  EXPECT_FALSE(writer.TableBuilt());
  EXPECT_EQ(small, std::vector<int16_t>(100, -7));
  EXPECT_EQ(Text(65, 3), "?");
  writer.PSCharTableInit(0.7f, widths, strings);
  EXPECT_TRUE(writer.TableBuilt());
  EXPECT_EQ(Width(178, 3), 389);
}

}  // namespace
