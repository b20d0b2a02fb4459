// The PostScript columns of the label layer's character tables, built once per process.
#include "drawlib/util/error_location.h"
#include "output/postscript_char_strings.h"
#include "output/postscript_char_widths.h"
#include "output/postscript_writer.h"

namespace {

constexpr size_t kWidthColumns = 6;   // widths: code * 6 + column
constexpr size_t kStringColumns = 4;  // strings: code * 4 + column

}  // namespace

void ZEF1PS::PSCharTableInit(float subSuperFactor, std::vector<int16_t>& widths,
                             std::vector<std::string>& strings) {
  if (tableBuilt_) return;
  ErrorLocation = 7015;
  // Tables of other bounds are left alone, and the next call tries again.
  if (widths.size() < kCharCodes * kWidthColumns || strings.size() < kCharCodes * kStringColumns)
    return;
  std::vector<std::string> text;
  PSCharStrings(text);
  for (size_t code = 31; code < kCharCodes; ++code)
    strings[code * kStringColumns + 3] = text[code];
  std::vector<int16_t> first;
  PSRawWidths(first);
  for (size_t code = 32; code <= 255; ++code) {
    strings[code * kStringColumns + 2] = std::string(1, char(code));
    widths[code * kWidthColumns + 2] = first[code];
  }
  std::vector<int16_t> remapped(kCharCodes, 0);
  PSCharWidths(kHelveticaWidthsEntry, subSuperFactor, first, remapped);
  for (size_t code = 31; code < kCharCodes; ++code)
    widths[code * kWidthColumns + 3] = remapped[code];
  PSCharWidths(kTimesWidthsEntry, subSuperFactor, first, remapped);
  for (size_t code = 31; code < kCharCodes; ++code)
    widths[code * kWidthColumns + 4] = remapped[code];
  tableBuilt_ = true;
  ErrorLocation = 7016;
}
