#include "data/gen/glyph_encoding.h"

#include <algorithm>
#include <cstdint>

#include "data/gen/sources.h"

namespace datgen {
namespace {

bool CoordinateByte(int v, std::string& out, std::string& err) {
  if (v >= 0 && v <= 127) {
    out += static_cast<char>(v ^ 64);
  } else if (v < 0 && v >= -122) {
    out += static_cast<char>(128 - v);
  } else {
    err = "grid coordinate " + std::to_string(v) + " outside -122..127";
    return false;
  }
  return true;
}

}  // namespace

Strokes ToGrid(const HersheyGlyph& glyph) {
  Strokes grid = glyph.strokes;
  for (auto& stroke : grid)
    for (Point& p : stroke) p = {p.x - glyph.left, 9 - p.y};
  return grid;
}

int GlyphWidth(const HersheyGlyph& glyph) {
  return static_cast<int>(RoundHalfEven(static_cast<long>(glyph.right - glyph.left) * 150, 20));
}

int GridTop(const Strokes& grid) {
  int top = 0;
  bool any = false;
  for (const auto& stroke : grid)
    for (const Point& p : stroke) {
      top = any ? std::max(top, p.y) : p.y;
      any = true;
    }
  return top;
}

std::string WidthBytes(int width) {
  const auto w = static_cast<uint16_t>(static_cast<int16_t>(width));
  return {static_cast<char>(w & 0xFF), static_cast<char>(w >> 8)};
}

bool AppendStrokes(const Strokes& grid, std::string& out, std::string& err) {
  for (std::size_t s = 0; s < grid.size(); ++s) {
    if (s > 0) out += static_cast<char>(kPenUp);
    for (const Point& p : grid[s])
      if (!CoordinateByte(p.x, out, err) || !CoordinateByte(p.y, out, err)) return false;
  }
  return true;
}

bool GlyphEntry(int width, const Strokes& grid, std::string& out, std::string& err) {
  out = WidthBytes(width);
  if (grid.empty()) {
    out += "UC";
    return true;
  }
  out += "RC";
  return AppendStrokes(grid, out, err);
}

}  // namespace datgen
