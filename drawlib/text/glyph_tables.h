// The text layer's glyph tables: widths and texts of the 361 character codes (0..255
// characters, 256..360 the caret glyphs, caret character + 230) and the symbol map that turns
// caret letters into Symbol-font characters. Rows 0..2 of the widths and strings serve the
// built-in stroke fonts (row 0 is read), width rows 2..5 and string row 3 are filled by the
// PostScript writer's character table (PSCharTableInit): one store for both names.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

inline constexpr int kGlyphCodes = 361;        // codes 0..360
inline constexpr int kGlyphWidthRows = 6;
inline constexpr int kGlyphStringRows = 4;
inline constexpr int16_t kGlyphNotLoaded = -998;
inline constexpr int kGlyphCaretOffset = 230;  // "^x" reaches code x + 230

// Widths in 1/150 of the digit width: code * 6 + row. Strings: code * 4 + row.
extern std::vector<int16_t> GlyphWidths;
extern std::vector<std::string> GlyphStrings;
// The names the PostScript side uses for the same two tables.
extern std::vector<int16_t>& CharWidthTable;
extern std::vector<std::string>& CharStringTable;

// Table cells; a code outside 0..360 or a row outside the table reads the blank (code 32).
int16_t& GlyphWidth(int row, int code);
std::string& GlyphString(int row, int code);

// Sets the widths of codes first..last in rows firstRow..lastRow (clipped to the table).
void WidthTableFill(int16_t firstCode, int16_t lastCode, int16_t firstRow, int16_t lastRow,
                    int16_t value);
// Loads data-file entry `code` into the row: its first two bytes (little-endian) are the width,
// the rest the glyph string. A missing (empty) entry gives width 0 and the empty glyph "UC".
void GlyphEntryLoad(int16_t code, int16_t row);
// The row-0 width of a code, loading its entry first while it still holds -998.
int16_t GlyphWidthLoaded(int code);

// Mode 1: caret character -> Symbol character; mode 2: Symbol character -> glyph code (caret
// character + 230; the Symbol Q is not mapped back). True when the code was mapped.
bool SymbolMap(int16_t& code, int16_t mode);

// Where glyph entries come from: by default the program data file through the document services
// (DataFileEntry); tests and fuzz targets install fixture entries here (nullptr restores).
using GlyphEntrySource = std::function<std::string(int16_t)>;
void SetGlyphEntrySource(GlyphEntrySource source);
std::string GlyphEntryText(int16_t code);

// Empties both tables (every width 0, every string empty).
void GlyphTablesReset();
