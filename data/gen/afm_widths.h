// The PostScript width tables: 361 little-endian 16-bit values, index i the advance of the glyph
// at standard-encoding position i in 1/150 of the width of "zero" (halves to even), index 31 the
// width of "zero" itself in 1/1000 em, all else 0. Positions 128-255 that the text font leaves
// empty take the symbol font's glyph there, on the text font's scale. Only the numbers of the
// font metrics (.afm) are used.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace datgen {

inline constexpr int kWidthTableSize = 361;
inline constexpr int kDigitAdvanceIndex = 31;

// The advances of the encoded glyphs of an .afm text ("C <code> ; WX <width> ; N <name> ...");
// `zero` gets the advance of the glyph named "zero" (0 when there is none).
bool ParseAfmWidths(std::string_view afm, std::map<int, int>& byCode, int& zero, std::string& err);

// The table bytes from the parsed text font and symbol font.
std::string WidthTable(const std::map<int, int>& text, int zero, const std::map<int, int>& symbol);

}  // namespace datgen
