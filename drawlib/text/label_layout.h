// Label layout and markup: the parts of a LabelMarkup string, the measuring and
// line breaking of its text, and the inline commands in braces met while a label is drawn.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

#include "drawlib/steps/step_list.h"

class Device;

// Box flags filled by the layout.
inline constexpr int16_t kBoxLaidOut = 1;
inline constexpr int16_t kBoxMultiLine = 2;
inline constexpr int16_t kBoxPlain = 32;
// Layout modes.
inline constexpr int16_t kLayoutBreakLines = 8;
inline constexpr int16_t kLayoutFirstBreak = 16;
// What the layout met, in its `changed` result.
inline constexpr int16_t kLayoutMetBoldOff = 2;
inline constexpr int16_t kLayoutMetItalicOff = 16;

// Splits a label into its kind letter, style part and text. A label without ">" at position 3
// or later is repaired as "F > " + label + " Fixed by ZEF!", with a message box that shows once
// per label text while the program runs; the stored label is not changed.
void LabelParse(const std::string& label, std::string& kind, std::string& style,
                std::string& text);
std::string LabelText(const std::string& label);
std::string LabelStyle(const std::string& label);

// Measures the text with the applied attributes (fields are expanded and breaks inserted into
// it), fills the box relative to the anchor (left = the kind's offset, bottom -h/2, right =
// left + width, top +h/2) and reports in `changed` a "^j" (2) and a "^i" (16).
void LabelLayout(Device* dc, char kind, std::string& text, int16_t& changed, StepBoxRec& box,
                 int16_t mode);

// Runs the command in braces that starts at the 0-based position `pos` of the text and moves
// pos to its closing brace. Returns a code to draw instead (123 for a "{" without its "}"), or
// 0. anchorX/anchorY is the label's anchor, penX the pen, prevCode the code drawn last.
int16_t LabelInlineCommand(Device* dc, float anchorX, float anchorY, float penX,
                           const std::string& text, size_t& pos, int16_t prevCode,
                           int16_t namedFont);

// The extent of a string on the device context, in device units.
int32_t TextWidthGet(Device* dc, const std::string& s);
int32_t TextHeightGet(Device* dc, const std::string& s);

// The clock of "{Date=...}" fields (tests replace it; nullptr restores the local time).
void SetLabelClock(std::function<std::tm()> clock);

// The width in world units of one character of the current font at size factor s: built-in
// glyphs from the width table, PostScript fonts from their width rows, named fonts on a device
// context by their extent. symbol: a Symbol-font character.
float LabelCharWidth(Device* dc, int16_t code, float s, bool symbol);

// Forgets which labels were repaired (tests).
void LabelLayoutReset();
