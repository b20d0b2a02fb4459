#include "drawlib/text/markup.h"

#include <cstring>

#include "drawlib/text/glyph_tables.h"
#include "drawlib/util/geometry.h"

size_t MarkupClose(const std::string& text, size_t open) {
  int depth = 0;
  for (size_t i = open + 1; i < text.size(); ++i) {
    if (text[i] == '{') ++depth;
    else if (text[i] == '}' && --depth < 0) return i;
  }
  return std::string::npos;
}

int16_t MarkupCaretCode(unsigned char x, bool namedFont, bool& symbol) {
  symbol = false;
  if (x != 0 && std::strchr("^|~{}\\", x)) return int16_t(x == '\\' && !namedFont ? 127 : x);
  if (namedFont) {
    int16_t code = x;
    if (SymbolMap(code, 1)) {
      symbol = true;
      return code;
    }
  }
  return int16_t(x + kGlyphCaretOffset);
}

void RotateLabelPoint(float cx, float cy, float& x, float& y, float angle) {
  RotateAbout(cx, cy, x, y, angle);
}

MarkupToken MarkupReader::Next() {
  MarkupToken t;
  while (i_ < text_.size()) {
    const unsigned char c = static_cast<unsigned char>(text_[i_]);
    if (c == '_') {
      ++i_;
      continue;
    }
    if ((c == '|' || c == '~') && pending_ == 0) {
      pending_ = c == '|' ? 1 : 2;
      ++i_;
      continue;
    }
    t.ss = pending_;
    if (c == '{') {
      t.kind = MarkupToken::kBrace;
      t.pos = i_;
      pending_ = 0;
      ++i_;
      return t;
    }
    if (c == '^') {
      if (i_ + 1 >= text_.size()) {
        i_ = text_.size();  // a caret at the end draws nothing
        break;
      }
      const unsigned char x = static_cast<unsigned char>(text_[i_ + 1]);
      i_ += 2;
      switch (x) {
        case 'I': case 'i': t.kind = MarkupToken::kItalic; t.on = x == 'I'; return t;
        case 'J': case 'j': t.kind = MarkupToken::kBold; t.on = x == 'J'; return t;
        case '[': case ']': t.kind = MarkupToken::kUnderline; t.on = x == '['; return t;
        case '$': symbolNext_ = true; continue;
        default: break;
      }
      t.code = MarkupCaretCode(x, named_, t.symbol);
    } else {
      ++i_;
      if (c == '\\') {
        t.code = 92;
        t.digitSpace = true;
      } else {
        t.code = c < 32 ? int16_t(32) : int16_t(c);
        t.symbol = symbolNext_;
      }
    }
    symbolNext_ = false;
    if (i_ < text_.size() && text_[i_] == '_') {
      t.underlined = true;
      ++i_;
    }
    pending_ = 0;
    t.kind = MarkupToken::kChar;
    return t;
  }
  t.kind = MarkupToken::kEnd;
  return t;
}
