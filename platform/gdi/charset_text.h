// The text of metafile records as Unicode: 8-bit text by the character set of the font it is
// drawn in (the Windows code pages 1250 to 1258), UTF-16 text as it is.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

inline constexpr uint8_t kCharsetAnsi = 0, kCharsetDefault = 1, kCharsetSymbol = 2;

// The Windows code page of a font character set; nothing for the symbol set, whose byte codes
// name glyphs of the font itself.
std::optional<int> CodePageOfCharset(uint8_t charset);

// 8-bit text of a code page as UTF-8; codes the page does not assign become U+FFFD.
std::string CodePageToUtf8(const std::string& bytes, int codePage);

// Byte codes as the code points U+0000 to U+00FF, in UTF-8 (symbol fonts map these onto their
// glyphs).
std::string Latin1ToUtf8(const std::string& bytes);

// UTF-16 as UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);
