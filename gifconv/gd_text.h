// Text for gd's FreeType drawing: the fontconfig pattern of a font (the Windows faces map onto
// their metric-compatible stand-ins) and the UTF-8 text gd draws.
#pragma once

#include <string>

#include "platform/gdi/device.h"

// "Arial" is Liberation Sans, "Times New Roman" Liberation Serif, "Symbol" Standard Symbols PS;
// other faces go to fontconfig as they are. Bold and italic are added as pattern styles.
std::string GdFontPattern(const GdiFont& font);

// Windows-1252 text as UTF-8; Symbol-face text by its byte codes (Latin-1 code points), which
// the symbol font's own encoding maps onto its glyphs.
std::string GdTextOf(const GdiFont& font, const std::string& text);

// gd's point size for a character height in pixels (gd draws at 96 dpi).
double GdPointSize(int32_t pixels);
