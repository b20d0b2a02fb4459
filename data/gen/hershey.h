// Reading the Hershey fonts in their .jhf text form: per glyph a 5-column number, a 3-column
// count of coordinate pairs, then the pairs, each coordinate a character whose code minus 'R' is
// the value (y grows downwards). The first pair holds the left and right bearings; the pair
// " R" lifts the pen.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace datgen {

struct Point {
  int x = 0, y = 0;
};
using Strokes = std::vector<std::vector<Point>>;

struct HersheyGlyph {
  int left = 0, right = 0;
  Strokes strokes;  // never holds an empty stroke
};

// One glyph's data: the bearings pair and the coordinate pairs.
bool ParseGlyphData(std::string_view data, HersheyGlyph& glyph, std::string& err);
// A whole .jhf file, glyphs in file order (a glyph may continue on the following lines).
bool ParseJhf(std::string_view text, std::vector<HersheyGlyph>& glyphs, std::string& err);

}  // namespace datgen
