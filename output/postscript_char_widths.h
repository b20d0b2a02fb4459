// The PostScript widths of the label character codes, from the width entries 371 (Helvetica)
// and 372 (Times) of the program data file: 361 little-endian signed 16-bit values each.
#pragma once

#include <cstdint>
#include <vector>

inline constexpr int16_t kHelveticaWidthsEntry = 371;
inline constexpr int16_t kTimesWidthsEntry = 372;

// The 361 values of a width entry; values past the end of a short entry are 0.
std::vector<int16_t> PSEntryWidths(int16_t entry);
// The raw values of entry 371.
void PSRawWidths(std::vector<int16_t>& target);
// The widths of the font of `entry` (371 or 372), remapped into target.
void PSCharWidths(int16_t entry, float f, const std::vector<int16_t>& first,
                  std::vector<int16_t>& target);
// Writes the widths of codes 30 to 356 into target (361 values): each code takes the width of
// the glyph its string draws. own: the font's values; first: entry 371's; f: the factor of the
// superscript digits.
void PSWidthRemap(float f, const std::vector<int16_t>& own, const std::vector<int16_t>& first,
                  std::vector<int16_t>& target);
