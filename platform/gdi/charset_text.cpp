#include "platform/gdi/charset_text.h"

#include <iconv.h>

#include <cerrno>

#include "platform/cp1252.h"

std::optional<int> CodePageOfCharset(uint8_t charset) {
  switch (charset) {
    case kCharsetSymbol: return std::nullopt;
    case 238: return 1250;  // Eastern Europe
    case 204: return 1251;  // Cyrillic
    case 161: return 1253;  // Greek
    case 162: return 1254;  // Turkish
    case 177: return 1255;  // Hebrew
    case 178: return 1256;  // Arabic
    case 186: return 1257;  // Baltic
    case 163: return 1258;  // Vietnamese
    default: return 1252;
  }
}

std::string CodePageToUtf8(const std::string& bytes, int codePage) {
  if (codePage == 1252) return Cp1252ToUtf8(bytes);
  const std::string name = "CP" + std::to_string(codePage);
  iconv_t cd = iconv_open("UTF-8", name.c_str());
  if (cd == iconv_t(-1)) return Cp1252ToUtf8(bytes);
  std::string out;
  std::string in = bytes;
  char* from = in.data();
  size_t left = in.size();
  char buffer[256];
  while (left > 0) {
    char* to = buffer;
    size_t room = sizeof buffer;
    const size_t done = iconv(cd, &from, &left, &to, &room);
    out.append(buffer, size_t(to - buffer));
    if (done != size_t(-1) || errno == E2BIG) continue;
    // A code the page does not assign, or an incomplete sequence: one byte skipped.
    AppendUtf8(out, 0xFFFD);
    ++from;
    --left;
  }
  // What the converter holds back (a letter that combining marks might still follow).
  char* to = buffer;
  size_t room = sizeof buffer;
  iconv(cd, nullptr, nullptr, &to, &room);
  out.append(buffer, size_t(to - buffer));
  iconv_close(cd);
  return out;
}

std::string Latin1ToUtf8(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) AppendUtf8(out, c);
  return out;
}

std::string Utf16ToUtf8(const std::u16string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t u = text[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      u = 0x10000 + ((u - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      u = 0xFFFD;
    }
    AppendUtf8(out, u);
  }
  return out;
}
