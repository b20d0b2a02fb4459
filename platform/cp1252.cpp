// Windows-1252 <-> Unicode. Codes below 0x80 and from 0xA0 up are the same as Unicode; the
// table gives 0x80..0x9F, where the five unassigned codes map to the C1 control of their value.
#include "platform/cp1252.h"

#include <array>

namespace {

constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

// Decodes one UTF-8 character at s[i]; advances i. Malformed input (bad lead byte, missing
// continuation, overlong form, surrogate, beyond U+10FFFF) gives nothing.
std::optional<char32_t> DecodeUtf8(std::string_view s, std::size_t& i) {
  unsigned char b = static_cast<unsigned char>(s[i]);
  int extra;
  char32_t u;
  char32_t min;
  if (b < 0x80) {
    ++i;
    return b;
  } else if ((b & 0xE0) == 0xC0) {
    extra = 1, u = b & 0x1F, min = 0x80;
  } else if ((b & 0xF0) == 0xE0) {
    extra = 2, u = b & 0x0F, min = 0x800;
  } else if ((b & 0xF8) == 0xF0) {
    extra = 3, u = b & 0x07, min = 0x10000;
  } else {
    return std::nullopt;
  }
  if (s.size() - i <= static_cast<std::size_t>(extra)) return std::nullopt;
  for (int k = 1; k <= extra; ++k) {
    unsigned char c = static_cast<unsigned char>(s[i + k]);
    if ((c & 0xC0) != 0x80) return std::nullopt;
    u = (u << 6) | (c & 0x3F);
  }
  if (u < min || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) return std::nullopt;
  i += extra + 1;
  return u;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t u) {
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else if (u < 0x10000) {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (u >> 18));
    out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}

char16_t Cp1252ToUnicode(unsigned char c) {
  return c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : static_cast<char16_t>(c);
}

std::optional<unsigned char> UnicodeToCp1252(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<unsigned char>(u);
  for (std::size_t k = 0; k < kHigh.size(); ++k)
    if (kHigh[k] == u) return static_cast<unsigned char>(0x80 + k);
  return std::nullopt;
}

std::u16string Cp1252ToUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (char c : s) out += Cp1252ToUnicode(static_cast<unsigned char>(c));
  return out;
}

std::string Cp1252ToUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::optional<std::string> Utf16ToCp1252(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char16_t u : s) {
    auto c = UnicodeToCp1252(u);  // a surrogate half is never representable
    if (!c) return std::nullopt;
    out += static_cast<char>(*c);
  }
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    auto u = DecodeUtf8(s, i);
    if (!u) return std::nullopt;
    auto c = UnicodeToCp1252(*u);
    if (!c) return std::nullopt;
    out += static_cast<char>(*c);
  }
  return out;
}

std::string Utf8ToCp1252Lossy(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    auto u = DecodeUtf8(s, i);
    if (!u) {
      ++i;  // skip one byte of a malformed sequence
      out += '?';
      continue;
    }
    auto c = UnicodeToCp1252(*u);
    out += c ? static_cast<char>(*c) : '?';
  }
  return out;
}

std::string Utf16ToCp1252Lossy(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    char16_t u = s[i];
    // A surrogate pair is one character outside the code page.
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF)
      ++i;
    auto c = UnicodeToCp1252(u);
    out += c ? static_cast<char>(*c) : '?';
  }
  return out;
}
