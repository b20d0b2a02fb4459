#include "platform/runtime_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(RuntimeText, TrimRemovesBlanksOnly) {
  struct Case { const char* in; const char* trim; const char* ltrim; const char* rtrim; };
  const std::vector<Case> cases = {
      {"", "", "", ""},
      {"   ", "", "", ""},
      {"  a b  ", "a b", "a b  ", "  a b"},
      {"\ta\t", "\ta\t", "\ta\t", "\ta\t"},  // tabs are not blanks
      {"x", "x", "x", "x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Trim(c.in), c.trim) << '"' << c.in << '"';
    EXPECT_EQ(LTrim(c.in), c.ltrim) << '"' << c.in << '"';
    EXPECT_EQ(RTrim(c.in), c.rtrim) << '"' << c.in << '"';
  }
}

TEST(RuntimeText, PositionsAreOneBasedAndClipped) {
  EXPECT_EQ(Mid("Hello", 2, 3), "ell");
  EXPECT_EQ(Mid("Hello", 2), "ello");
  EXPECT_EQ(Mid("Hello", 0), "Hello");
  EXPECT_EQ(Mid("Hello", 5), "o");
  EXPECT_EQ(Mid("Hello", 6), "");
  EXPECT_EQ(Mid("Hello", 4, 100), "lo");
  EXPECT_EQ(Mid("Hello", 2, -1), "");
  EXPECT_EQ(Left("abc", 2), "ab");
  EXPECT_EQ(Left("abc", 5), "abc");
  EXPECT_EQ(Left("abc", -1), "");
  EXPECT_EQ(Right("abc", 2), "bc");
  EXPECT_EQ(Right("abc", 9), "abc");
  EXPECT_EQ(Right("abc", -3), "");
  EXPECT_EQ(Space(3), "   ");
  EXPECT_EQ(Space(-1), "");

  struct Case { long start; const char* s; const char* what; long pos; };
  const std::vector<Case> cases = {
      {1, "abcabc", "c", 3}, {4, "abcabc", "c", 6}, {7, "abcabc", "c", 0}, {1, "abcabc", "x", 0},
      {1, "abc", "", 1},     {4, "abc", "", 4},     {5, "abc", "", 0},     {0, "abc", "a", 1},
      {1, "", "a", 0},       {2, "aaa", "aa", 2},
  };
  for (const auto& c : cases)
    EXPECT_EQ(InStr(c.start, c.s, c.what), c.pos) << c.start << " " << c.s << " " << c.what;
}

TEST(RuntimeText, CaseOfWindows1252Letters) {
  EXPECT_EQ(UCase("abc \xe9t\xe9 \xe0\xfe"), "ABC \xc9T\xc9 \xc0\xde");
  EXPECT_EQ(UCase("\xff\x9a\x9c\x9e"), "\x9f\x8a\x8c\x8e");
  EXPECT_EQ(LCase("\x9f\x8a\x8c\x8e\xc0\xde XY"), "\xff\x9a\x9c\x9e\xe0\xfe xy");
  // Sharp s, the division and multiplication signs and the micro sign have no partner.
  EXPECT_EQ(UCase("\xdf\xf7\xb5"), "\xdf\xf7\xb5");
  EXPECT_EQ(LCase("\xd7"), "\xd7");
  for (int c = 0; c < 256; ++c) {
    std::string s = Chr(c);
    EXPECT_EQ(UCase(LCase(UCase(s))), UCase(s)) << c;
    EXPECT_EQ(LCase(UCase(LCase(s))), LCase(s)) << c;
  }
}

TEST(RuntimeText, ChrAndAsc) {
  EXPECT_EQ(Chr(233), "\xe9");
  EXPECT_EQ(Chr(0), std::string(1, '\0'));
  EXPECT_EQ(Asc("\xe9x"), 233);
  EXPECT_EQ(Asc(""), 0);
}
