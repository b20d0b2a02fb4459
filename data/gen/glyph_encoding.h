// The glyph entries of the stroke font: two bytes of width (a little-endian 16-bit number, in
// 1/150 of the digit width), then "UC" (an empty glyph), "RC" and stroke bytes, or "CP" and a
// command. Stroke coordinates are grid values from the pen position, y up from the baseline:
// 0..127 are written as the value XOR 64, -1..-122 as 128 + the magnitude; 254 lifts the pen
// and 253 followed by a code inserts that glyph's strokes.
#pragma once

#include <string>

#include "data/gen/hershey.h"

namespace datgen {

inline constexpr unsigned char kPenUp = 254;
inline constexpr unsigned char kInsertGlyph = 253;

// The grid of a Hershey glyph: x from its left bearing, y = 9 - y (baseline 0, capitals 21 high).
Strokes ToGrid(const HersheyGlyph& glyph);
// (right - left) x 150 / 20, halves to even: every digit of the simplex roman font is 150.
int GlyphWidth(const HersheyGlyph& glyph);
// Top of the grid strokes (0 without strokes).
int GridTop(const Strokes& grid);

std::string WidthBytes(int width);
// The stroke bytes of grid strokes, appended to `out`; false for a coordinate beyond the byte range.
bool AppendStrokes(const Strokes& grid, std::string& out, std::string& err);
// A whole entry: "UC" without strokes, otherwise "RC" and the strokes.
bool GlyphEntry(int width, const Strokes& grid, std::string& out, std::string& err);

}  // namespace datgen
