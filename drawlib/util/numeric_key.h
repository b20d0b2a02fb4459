// The key rule of numeric text boxes, without any widget: decides what a typed character does
// to the box. The Qt side (drawlib/ui/numeric_key_filter.h) feeds it key presses.
#pragma once

#include <cstdint>
#include <string>

// `key` is the typed character's code (Windows-1252), `text` the box's text; returns the text
// to put back into the box (also stored in `text`).
// - Enter (13): key becomes 0 and *moveFocus is set: the focus moves to the next control.
// - Anything but the digits, ".", "+", "-" and Backspace (8): key becomes 0 (swallowed).
// - "+", "-" or "." into a non-empty text that already holds that character: swallowed.
//   Otherwise "-" replaces the text by Str(-Val(text)) and "+" by Str(Abs(Val(text))), both
//   swallowing the key; "." is typed normally. In an empty box all three are typed.
// - Digits and Backspace pass unchanged.
std::string NumericKeyFilter(int16_t& key, std::string& text, bool* moveFocus = nullptr);
