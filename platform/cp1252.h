// Windows-1252 <-> Unicode conversions, used only at the edges (widgets, clipboard, file paths).
// Program text is std::string holding Windows-1252 bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// All 256 codes map to a Unicode character (the five unassigned codes 0x81, 0x8D, 0x8F, 0x90,
// 0x9D map to the C1 control of the same value), so the round trip is lossless.
char16_t Cp1252ToUnicode(unsigned char c);
// The Windows-1252 code of a Unicode character, or nothing when the code page cannot hold it.
std::optional<unsigned char> UnicodeToCp1252(char32_t u);

// Appends the UTF-8 bytes of one Unicode code point.
void AppendUtf8(std::string& out, char32_t u);
std::u16string Cp1252ToUtf16(std::string_view s);
std::string Cp1252ToUtf8(std::string_view s);
// Conversions back: characters Windows-1252 cannot hold make the result empty (nullopt).
std::optional<std::string> Utf16ToCp1252(std::u16string_view s);
std::optional<std::string> Utf8ToCp1252(std::string_view s);
// Lossy variant for display-only texts: unrepresentable characters become '?'.
std::string Utf8ToCp1252Lossy(std::string_view s);
std::string Utf16ToCp1252Lossy(std::u16string_view s);
