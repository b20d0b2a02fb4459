#include "drawlib/util/strings.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(Strings, GetTokenSplitsOffTheFirstField) {
  struct Case { const char* text; const char* sep; const char* token; const char* rest; };
  for (const Case& c : {Case{"a,b,c", ",", "a", "b,c"}, Case{"abc", ",", "abc", ""},
                        Case{",x", ",", "", "x"}, Case{"a::b", "::", "a", "b"},
                        Case{"a,b", "", "a,b", ""}}) {
    std::string text = c.text;
    EXPECT_EQ(GetToken(text, c.sep), c.token) << c.text;
    EXPECT_EQ(text, c.rest) << c.text;
  }
}

TEST(Strings, ReplaceAllMakesOnePassAndReportsWhereItStopped) {
  int32_t start = 1;
  EXPECT_EQ(ReplaceAll("a^b^", "^", "^^", start), "a^^b^^");
  EXPECT_EQ(start, 7);  // the last replacement ended the text
  start = 1;
  EXPECT_EQ(ReplaceAll("xaxa-", "a", "b", start), "xbxb-");
  EXPECT_EQ(start, 0);  // the last search failed
  start = 3;
  EXPECT_EQ(ReplaceAll("aaaa", "a", "", start), "aa");
  start = 2;
  EXPECT_EQ(ReplaceAll("abc", "", "z", start), "abc");
  EXPECT_EQ(start, 2);
}

TEST(Strings, TrimmingAndCutting) {
  std::string t = "  ab \0 \0"s;
  EXPECT_EQ(TrimNul(t, 0), "ab");
  EXPECT_EQ(t, "ab");
  t = std::string("\0 ab  ", 6);
  EXPECT_EQ(TrimNul(t, 0), std::string("\0 ab", 4));  // leading NULs stay
  t = "  ab ";
  EXPECT_EQ(TrimNul(t, 1), "  ab");
  EXPECT_EQ(CutAtControl("abc\tdef"), "abc");
  EXPECT_EQ(CutAtControl("abc"), "abc");
  EXPECT_EQ(DigitAt("12a", 3), 'a' - 48);
  EXPECT_EQ(DigitAt("12", 1), 1);
  EXPECT_EQ(DigitAt("12", 0), -1);
  EXPECT_EQ(DigitAt("12", 3), -1);
}

TEST(Strings, TextBetweenAndTags) {
  int32_t pos = 0;
  EXPECT_EQ(TextBetween("[a][b]", "[", "]", pos), "a");
  EXPECT_EQ(pos, 4);
  EXPECT_EQ(TextBetween("[a][b]", "[", "]", pos), "b");
  EXPECT_EQ(pos, 7);
  EXPECT_EQ(TextBetween("[a][b]", "[", "]", pos), "");
  EXPECT_EQ(pos, 7);
  pos = 1;
  EXPECT_EQ(TextBetween("[a", "[", "]", pos), "");
  EXPECT_EQ(pos, 1);

  EXPECT_EQ(TagGet("x<n>12</n>y", "n"), "12");
  EXPECT_EQ(TagGet("x<n>12", "n"), "");
  EXPECT_EQ(TagSet("x<n>12</n>y", "n", "7"), "x<n>7</n>y");
  EXPECT_EQ(TagSet("x", "n", "7"), "x<n>7</n>");
  // A dangling opening tag: the value is closed right after it and the old text is kept.
  EXPECT_EQ(TagSet("<n>old", "n", "7"), "<n>7</n>old");
  EXPECT_EQ(TagGet(TagSet("<n>old", "n", "7"), "n"), "7");
}

TEST(Strings, MarkupEscapeAndScan) {
  EXPECT_EQ(MarkupEscape("a^b\\c|d~e{f}g_h"), "a^^b^\\c^|d^~e^{f^}g _h");
  EXPECT_EQ(MarkupScan("{a{b}c}d", '{', '}', 1), 7);
  EXPECT_EQ(MarkupScan("{a{b}c", '{', '}', 1), 0);
  EXPECT_EQ(MarkupScan("x}", '{', '}', 0), 2);
}

TEST(Strings, ArrayJoinAndSplit) {
  std::vector<std::string> items = {"a", "b", "c"};
  EXPECT_EQ(ArrayJoin(items, ", ", 1), "a, b");
  EXPECT_EQ(ArrayJoin(items, ",", 9), "a,b,c");
  EXPECT_EQ(ArrayJoin(items, ",", -1), "");

  std::vector<std::string> out(4, "old");
  ArraySplit(" 1 ,, 3,4,5", out, ",", "-");
  EXPECT_EQ(out, (std::vector<std::string>{"1", "-", "3", "4"}));
  ArraySplit("x", out, ",", "-");
  EXPECT_EQ(out, (std::vector<std::string>{"x", "-", "-", "-"}));
  ArraySplit("a b", out, "", "-");  // an empty separator takes the whole text, no endless loop
  EXPECT_EQ(out[0], "a b");
}

TEST(Strings, BytesOfTexts) {
  EXPECT_EQ(StrToInt("\x01\x02zz"), 0x0201);
  EXPECT_EQ(StrToInt("\xFF"), 0x00FF);
  EXPECT_EQ(StrToLong("\x01\x00\x00\x80"s), int32_t(0x80000001u));
  EXPECT_EQ(StrToLong(""), 0);
  const uint8_t one[4] = {0, 0, 0x80, 0x3F};
  EXPECT_EQ(BytesToSngl(one), 1.0f);
  EXPECT_EQ(BytesToSngl(std::span<const uint8_t>(one, 3)), 0.0f);
}
