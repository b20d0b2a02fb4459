// The key rule of numeric text boxes, without any widget: decides what a typed character does
// to the box. The Qt side (drawlib/ui/numeric_key_filter.h) feeds it key presses.
#pragma once

#include <cstdint>
#include <string>

// `key` is the typed character's code (Windows-1252), `text` the box's text; returns the text
// to put back into the box (also stored in `text`).
// - Enter (13): key becomes 0 and *moveFocus is set: the focus moves to the next control.
// - Anything but the digits, ".", ",", "+", "-" and Backspace (8): key becomes 0 (swallowed).
// - "." and "," are both the decimal separator and are typed as they are (ValPoint reads the
//   comma as a point); one into a text that already holds a point or a comma is swallowed.
// - "+" or "-" into a non-empty text that already holds that character: swallowed. Otherwise
//   "-" replaces the text by Str(-value) and "+" by Str(Abs(value)), both swallowing the key;
//   the value is read with a decimal comma taken as a point. In an empty box both are typed.
// - Digits and Backspace pass unchanged.
std::string NumericKeyFilter(int16_t& key, std::string& text, bool* moveFocus = nullptr);
