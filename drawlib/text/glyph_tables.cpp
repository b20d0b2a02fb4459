#include "drawlib/text/glyph_tables.h"

#include <algorithm>
#include <utility>

#include "drawlib/document_services.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/strings.h"

std::vector<int16_t> GlyphWidths(size_t(kGlyphCodes) * kGlyphWidthRows, 0);
std::vector<std::string> GlyphStrings(size_t(kGlyphCodes) * kGlyphStringRows);
std::vector<int16_t>& CharWidthTable = GlyphWidths;
std::vector<std::string>& CharStringTable = GlyphStrings;

namespace {

GlyphEntrySource entrySource;

// Caret characters and the Symbol characters they stand for.
struct SymbolPair {
  unsigned char caret;
  unsigned char symbol;
};
constexpr SymbolPair kSymbolPairs[] = {
    {'D', 'D'}, {'F', 'F'}, {'G', 'G'}, {'L', 'L'}, {'O', 'W'}, {'S', 'S'}, {'T', 'Q'},
    {'a', 'a'}, {'b', 'b'}, {'x', 'c'}, {'d', 'd'}, {'e', 'e'}, {'g', 'g'}, {'c', 'h'},
    {'f', 'j'}, {'k', 'k'}, {'l', 'l'}, {'m', 'm'}, {'n', 'n'}, {'o', 'w'}, {'p', 'p'},
    {'r', 'r'}, {'s', 's'}, {'t', 't'}, {'v', 'u'}, {'z', 'x'}, {'y', 'y'}, {'u', 'z'},
    {'A', 174}, {'M', 177}, {'P', 181}, {'*', 176}, {'=', 186}, {'.', 183}, {'`', 191},
};

bool InTable(int row, int code, int rows) {
  return row >= 0 && row < rows && code >= 0 && code < kGlyphCodes;
}

}  // namespace

int16_t& GlyphWidth(int row, int code) {
  static int16_t outside;
  if (!InTable(row, code, kGlyphWidthRows)) {
    outside = GlyphWidths[size_t(32) * kGlyphWidthRows];
    return outside;
  }
  return GlyphWidths[size_t(code) * kGlyphWidthRows + size_t(row)];
}

std::string& GlyphString(int row, int code) {
  static std::string outside;
  if (!InTable(row, code, kGlyphStringRows)) {
    outside = GlyphStrings[size_t(32) * kGlyphStringRows];
    return outside;
  }
  return GlyphStrings[size_t(code) * kGlyphStringRows + size_t(row)];
}

void WidthTableFill(int16_t firstCode, int16_t lastCode, int16_t firstRow, int16_t lastRow,
                    int16_t value) {
  ErrorLocation = 3039;
  const int c1 = std::max<int>(firstCode, 0), c2 = std::min<int>(lastCode, kGlyphCodes - 1);
  const int r1 = std::max<int>(firstRow, 0), r2 = std::min<int>(lastRow, kGlyphWidthRows - 1);
  for (int code = c1; code <= c2; ++code)
    for (int row = r1; row <= r2; ++row) GlyphWidth(row, code) = value;
  ErrorLocation = 3040;
}

void SetGlyphEntrySource(GlyphEntrySource source) { entrySource = std::move(source); }

std::string GlyphEntryText(int16_t code) {
  return entrySource ? entrySource(code) : DataFileEntry(code);
}

void GlyphEntryLoad(int16_t code, int16_t row) {
  ErrorLocation = 3049;
  if (InTable(row, code, kGlyphStringRows)) {
    const std::string entry = GlyphEntryText(code);
    GlyphWidth(row, code) = StrToInt(entry);
    GlyphString(row, code) = entry.size() > 2 ? entry.substr(2) : std::string("UC");
  }
  ErrorLocation = 3050;
}

int16_t GlyphWidthLoaded(int code) {
  if (code < 0 || code >= kGlyphCodes) code = 32;
  if (GlyphWidth(0, code) == kGlyphNotLoaded) GlyphEntryLoad(int16_t(code), 0);
  return GlyphWidth(0, code);
}

bool SymbolMap(int16_t& code, int16_t mode) {
  ErrorLocation = 3045;
  bool mapped = false;
  for (const SymbolPair& p : kSymbolPairs) {
    if (mode == 1 && code == p.caret) {
      code = p.symbol;
      mapped = true;
      break;
    }
    if (mode == 2 && code == p.symbol && p.caret != 'T') {
      code = int16_t(p.caret + kGlyphCaretOffset);
      mapped = true;
      break;
    }
  }
  ErrorLocation = 3046;
  return mapped;
}

void GlyphTablesReset() {
  std::fill(GlyphWidths.begin(), GlyphWidths.end(), int16_t(0));
  std::fill(GlyphStrings.begin(), GlyphStrings.end(), std::string());
}
