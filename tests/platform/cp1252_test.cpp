#include "platform/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string AllCodes() {
  std::string s;
  for (int c = 0; c < 256; ++c) s += static_cast<char>(c);
  return s;
}

}  // namespace

TEST(Cp1252, EveryCodeRoundTripsThroughUtf16AndUtf8) {
  for (int c = 0; c < 256; ++c) {
    std::string one(1, static_cast<char>(c));
    char16_t u = Cp1252ToUnicode(static_cast<unsigned char>(c));
    EXPECT_EQ(UnicodeToCp1252(u), static_cast<unsigned char>(c)) << c;
    EXPECT_EQ(Utf16ToCp1252(Cp1252ToUtf16(one)), one) << c;
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << c;
  }
  std::string all = AllCodes();
  EXPECT_EQ(Utf16ToCp1252(Cp1252ToUtf16(all)), all);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Utf8ToCp1252Lossy(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Utf16ToCp1252Lossy(Cp1252ToUtf16(all)), all);
}

TEST(Cp1252, KnownCharacters) {
  struct Case { unsigned char code; char16_t unicode; const char* utf8; };
  const Case cases[] = {
      {0x41, u'A', "A"},          {0x80, 0x20AC, "\xE2\x82\xAC"}, {0x81, 0x0081, "\xC2\x81"},
      {0x8A, 0x0160, "\xC5\xA0"}, {0x96, 0x2013, "\xE2\x80\x93"}, {0x99, 0x2122, "\xE2\x84\xA2"},
      {0x9F, 0x0178, "\xC5\xB8"}, {0xA0, 0x00A0, "\xC2\xA0"},     {0xB0, 0x00B0, "\xC2\xB0"},
      {0xB5, 0x00B5, "\xC2\xB5"}, {0xE9, 0x00E9, "\xC3\xA9"},     {0xFF, 0x00FF, "\xC3\xBF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp1252ToUnicode(c.code), c.unicode) << int(c.code);
    EXPECT_EQ(Cp1252ToUtf8(std::string(1, static_cast<char>(c.code))), c.utf8) << int(c.code);
  }
}

TEST(Cp1252, CharactersOutsideTheCodePageAreRefused) {
  const char* refused[] = {
      "\xCE\xA9",          // Greek capital omega
      "a\xE4\xB8\xAD",     // a CJK character
      "\xF0\x9F\x98\x80",  // outside the BMP
      "\xC3",              // cut sequence
      "\xC0\xAF",          // overlong form
      "\xED\xA0\x80",      // encoded surrogate
      "\xFF",              // not UTF-8
  };
  for (const char* s : refused) EXPECT_EQ(Utf8ToCp1252(s), std::nullopt) << s;
  EXPECT_EQ(Utf16ToCp1252(u"\u03A9"), std::nullopt);
  EXPECT_EQ(UnicodeToCp1252(0x0100), std::nullopt);
  EXPECT_EQ(Utf8ToCp1252Lossy("a\xCE\xA9" "b\xFF" "c"), "a?b?c");
  EXPECT_EQ(Utf16ToCp1252Lossy(u"a\U0001F600b"), "a?b");
}
