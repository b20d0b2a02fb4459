// Small pieces of the label markup shared by the layout and the two renderers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The 0-based position of the "}" that closes the "{" at `open` (inner braces counted), or npos.
size_t MarkupClose(const std::string& text, size_t open);

// The code drawn for "^" followed by x (not one of the commands "iIjJ[]$"): the literal
// characters "^|~{}\" (a backslash is code 127 in the built-in fonts, whose 92 is the digit
// space), with a named font the Symbol character of the symbol map (symbol set true), else the
// built-in glyph x + 230.
int16_t MarkupCaretCode(unsigned char x, bool namedFont, bool& symbol);

// Rotates (x, y) about (cx, cy) by the angle in radians, counter-clockwise (Y up).
void RotateLabelPoint(float cx, float cy, float& x, float& y, float angle);

// One step of a label line's text as the renderers meet it.
struct MarkupToken {
  enum Kind : uint8_t { kChar, kItalic, kBold, kUnderline, kBrace, kEnd };
  Kind kind = kEnd;
  int16_t code = 0;         // kChar: the code to draw (below 32 already made a blank)
  bool symbol = false;      // a Symbol-font character ("^x" of the symbol map, or after "^$")
  bool digitSpace = false;  // a lone backslash: an empty space of the digit width
  bool underlined = false;  // the character is followed by "_"
  bool on = false;          // commands: switched on
  int ss = 0;               // 0 normal, 1 subscript, 2 superscript
  size_t pos = 0;           // kBrace: position of the "{"
};

// Reads the markup of one line: "|" and "~" before a character, "^" sequences, "_" after a
// character, "{" commands (handed to the caller, who resumes after them).
class MarkupReader {
 public:
  MarkupReader(const std::string& text, bool namedFont) : text_(text), named_(namedFont) {}
  MarkupToken Next();
  // Continue after the 0-based position (the "}" of a brace command).
  void ResumeAfter(size_t pos) { i_ = pos + 1; }

 private:
  const std::string& text_;
  bool named_;
  size_t i_ = 0;
  int pending_ = 0;
  bool symbolNext_ = false;
};
