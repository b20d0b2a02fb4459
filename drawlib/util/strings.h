// Text helpers on Windows-1252 byte strings. Positions are 1-based as in the runtime.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The part of `text` before the first `separator`; `text` keeps what follows the separator.
// Without a separator (or with an empty one) the whole text is returned and `text` becomes empty.
std::string GetToken(std::string& text, std::string_view separator);

// Replaces every occurrence of `find` at or after `start` in one left-to-right pass, continuing
// after each inserted replacement (a replacement holding `find` is not replaced again). `start`
// ends past the last replacement when that ended the text, else 0 (the last search failed). An
// empty `find` returns the text unchanged and leaves `start` alone.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement,
                       int32_t& start);
// The same from position 1.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// Removes trailing blanks and NULs and, when keepLeading is 0, leading blanks (leading NULs
// stay). `text` is changed too; the result is the new text.
std::string TrimNul(std::string& text, int16_t keepLeading);
// The text up to its first character below code 32 (the whole text when there is none).
std::string CutAtControl(std::string_view text);
// The character code at 1-based `position` minus 48, or -1 outside 1..length.
int16_t DigitAt(std::string_view text, int16_t position);

// Finds `startMarker` at or after max(position, 1), then `endMarker` after it; returns what lies
// between and sets position just past the end marker. When either is missing: "" and position
// unchanged.
std::string TextBetween(std::string_view text, std::string_view startMarker,
                        std::string_view endMarker, int32_t& position);
// The text between "<tag>" and the next "</tag>" after it; "" when either is missing.
std::string TagGet(std::string_view text, std::string_view tag);
// Replaces what lies between "<tag>" and "</tag>" by value; appends "<tag>value</tag>" when the
// opening tag is absent. When the closing tag is missing, value and "</tag>" are inserted right
// after the opening tag (nothing of the old text is dropped).
std::string TagSet(std::string_view text, std::string_view tag, std::string_view value);

// Makes a plain text safe for label markup: "^" -> "^^", then "\" "|" "~" "{" "}" get a caret
// before them, and "_" gets a blank before it.
std::string MarkupEscape(std::string_view text);
// Scans from start + 1, counting `opening` up and `closing` down; the 1-based position where the
// depth first reaches -1 (the matching closing character), or 0.
int16_t MarkupScan(std::string_view text, char opening, char closing, int16_t start);

// Items 0..last joined with the separator ("" when last < 0; indexes beyond the array ignored).
std::string ArrayJoin(const std::vector<std::string>& items, std::string_view separator,
                      int16_t last);
// Sets every item to `filler`, then puts the trimmed tokens of `text` (GetToken) into items
// 0, 1, 2...; an empty token leaves the filler; stops when the rest is blank or the array full.
void ArraySplit(std::string_view text, std::vector<std::string>& items, std::string_view separator,
                std::string_view filler);

// The first two (four) bytes of the text as a little-endian integer; missing bytes count as 0.
int16_t StrToInt(std::string_view text);
int32_t StrToLong(std::string_view text);
// The first four bytes as a float; 0 when fewer than four are given.
float BytesToSngl(std::span<const uint8_t> bytes);
