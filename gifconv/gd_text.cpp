#include "gifconv/gd_text.h"

#include <cstdlib>

#include "platform/cp1252.h"
#include "platform/gdi/charset_text.h"

namespace {

bool IsSymbolFace(const std::string& face) { return face == "Symbol"; }

}  // namespace

std::string GdFontPattern(const GdiFont& font) {
  std::string family = font.face;
  if (family == "Arial" || family.empty()) family = "Liberation Sans";
  else if (family == "Times New Roman") family = "Liberation Serif";
  else if (family == "Courier New") family = "Liberation Mono";
  else if (IsSymbolFace(family)) family = "Standard Symbols PS";
  // Characters that separate fontconfig pattern fields are escaped.
  std::string pattern;
  for (char c : family) {
    if (c == ':' || c == ',' || c == '-' || c == '\\') pattern += '\\';
    pattern += c;
  }
  if (font.weight >= 700) pattern += ":bold";
  if (font.italic) pattern += ":italic";
  return pattern;
}

std::string GdTextOf(const GdiFont& font, const std::string& text) {
  if (!IsSymbolFace(font.face)) return Cp1252ToUtf8(text);
  return Latin1ToUtf8(text);
}

double GdPointSize(int32_t pixels) { return std::abs(double(pixels)) * 72.0 / 96.0; }
