#include "drawlib/text/label_layout.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <utility>

#include "drawlib/device/world_window.h"
#include "drawlib/document_services.h"
#include "drawlib/pardata.h"
#include "drawlib/text/glyph_tables.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/text/label_draw.h"
#include "drawlib/text/markup.h"
#include "drawlib/text/text_fonts.h"
#include "drawlib/util/error_location.h"
#include "platform/gdi/device.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"

namespace {

std::function<std::tm()> labelClock;
std::set<std::string> repairedLabels;
constexpr size_t kRepairedKept = 4096;

// Field expansions of one layout: each may bring new fields, so their number is bounded.
constexpr int kMaxExpansions = 64;
// {K} marks draw labels that may hold marks: nested at most this deep.
constexpr int kMaxMarkDepth = 4;
int markDepth = 0;

std::tm Now() { return labelClock ? labelClock() : NowLocal(); }

// True when a character other than a blank follows position i, past the markup that has no
// width (style commands, "_", commands in braces): only then does an overlong line break.
bool CharacterFollows(const std::string& text, size_t i) {
  while (i < text.size()) {
    const char c = text[i];
    if (c == '_') {
      ++i;
    } else if (c == '^' && i + 1 < text.size() && std::strchr("iIjJ[]$", text[i + 1]) &&
               text[i + 1] != 0) {
      i += 2;
    } else if (c == '{') {
      const size_t close = MarkupClose(text, i);
      if (close == std::string::npos) return true;
      i = close + 1;
    } else {
      return c != ' ';
    }
  }
  return false;
}

}  // namespace

void SetLabelClock(std::function<std::tm()> clock) { labelClock = std::move(clock); }

void LabelLayoutReset() {
  repairedLabels.clear();
  labelClock = nullptr;
  markDepth = 0;
}

void LabelParse(const std::string& label, std::string& kind, std::string& style,
                std::string& text) {
  ErrorLocation = 3053;
  const std::string* work = &label;
  std::string repaired;
  size_t p = label.find('>') + 1;  // 1-based; 0 when there is none
  if (p < 3) {
    if (repairedLabels.insert(label).second) {
      if (repairedLabels.size() > kRepairedKept) repairedLabels.clear();
      MsgBox("Internal Error in LabelParse: Label fixed by ZEF [" + label.substr(0, 25) + "]",
             vbOKCancel | vbExclamation, "ZEF Error");
    }
    repaired = "F > " + label + " Fixed by ZEF!";
    work = &repaired;
    p = repaired.find('>') + 1;
  }
  kind = work->substr(0, 1);
  style = work->substr(2, p - 3);
  text = p + 1 < work->size() ? work->substr(p + 1) : std::string();
  ErrorLocation = 3054;
}

std::string LabelText(const std::string& label) {
  std::string kind, style, text;
  LabelParse(label, kind, style, text);
  return text;
}

std::string LabelStyle(const std::string& label) {
  std::string kind, style, text;
  LabelParse(label, kind, style, text);
  return style;
}

int32_t TextWidthGet(Device* dc, const std::string& s) {
  ErrorLocation = 3031;
  const int32_t w = dc ? dc->TextExtent(s).cx : 0;
  ErrorLocation = 3032;
  return w;
}

int32_t TextHeightGet(Device* dc, const std::string& s) {
  ErrorLocation = 3029;
  const int32_t h = dc ? dc->TextExtent(s).cy : 0;
  ErrorLocation = 3030;
  return h;
}

float LabelCharWidth(Device* dc, int16_t code, float s, bool symbol) {
  const TextFontRec& t = TextFont;
  if (code < 0 || code >= kGlyphCodes) code = 32;
  if (!t.named || code > 255) {
    if (symbol && !t.named) SymbolMap(code, 2);
    return float(GlyphWidthLoaded(code)) * s * t.d / 150.0f;
  }
  if (TextToPostScript()) {
    return float(GlyphWidth(symbol ? 2 : t.psRow, code)) * s * t.d / 150.0f;
  }
  const std::string face = LabelFont.face;
  const int32_t height = LabelFont.height;
  if (symbol) LabelFont.face = "Symbol";
  if (s != 1.0f) LabelFont.height = RoundToLong(t.subDevHeight);
  const GdiSize extent = TextMeasure(dc, std::string(1, char(code)));
  LabelFont.face = face;
  LabelFont.height = height;
  return float(extent.cx) / TextPixelScaleX();
}

void LabelLayout(Device* dc, char kindChar, std::string& text, int16_t& changed,
                 StepBoxRec& box, int16_t mode) {
  ErrorLocation = 3001;
  if (text.empty() || (box.flags & 3) == 1 || (box.flags & 3) == 2) {
    ErrorLocation = 3002;
    return;
  }
  const unsigned char kind = static_cast<unsigned char>(kindChar);
  const bool breaking = (mode & kLayoutBreakLines) != 0;
  const float lineLength = LabelAttrs[kSlotLineLength] * kWorldUnitsPerMM;
  const float d = TextFont.d, h = TextFont.h;
  const bool named = TextFont.named != 0;
  box.flags |= kBoxPlain;

  float x = 0, offset = 0, firstWidth = 0, lastWidth = 0;
  int lines = 1, expansions = 0;
  bool aligned = false, italic = false, bold = false, underline = false, symbolNext = false;
  struct Candidate {
    bool valid = false;
    size_t pos = 0;
    float xAfter = 0, xBefore = 0;
    bool italic = false, bold = false, underline = false;
  } blank;

  // Styles on at a break are switched off before its returns and on again after them.
  auto applyBreak = [&](size_t pos, size_t replace, int returns, bool rebuild, bool onItalic,
                        bool onBold, bool onUnderline, float widthBefore, float widthUpTo,
                        size_t& i) {
    std::string inserted;
    if (rebuild) {
      if (onItalic) inserted += "^i";
      if (onBold) inserted += "^j";
      if (onUnderline) inserted += "^]";
      inserted += std::string(size_t(returns), '\r');
      if (onItalic) inserted += "^I";
      if (onBold) inserted += "^J";
      if (onUnderline) inserted += "^[";
      text = text.substr(0, pos) + inserted + text.substr(std::min(text.size(), pos + replace));
      if (i >= pos + replace) i = i + inserted.size() - replace;
      else i = pos + inserted.size();
    } else {
      text[pos] = '\r';
    }
    if (lines == 1) firstWidth = widthBefore;
    x -= widthUpTo;
    lines += returns;
    blank.valid = false;
  };

  size_t i = 0;
  bool stop = false;
  while (i < text.size() && !stop) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '_') {
      box.flags &= ~kBoxPlain;
      ++i;
      continue;
    }
    float s = 1.0f;
    if (c == '|' || c == '~') {
      box.flags &= ~kBoxPlain;
      s = TextFont.subFactor;
      if (++i >= text.size()) break;
      c = static_cast<unsigned char>(text[i]);
    }
    int16_t code = c;
    bool symbol = false;
    size_t end = i + 1;
    if (c == '^') {
      box.flags &= ~kBoxPlain;
      if (i + 1 >= text.size()) break;  // a caret at the end draws nothing
      const unsigned char x2 = static_cast<unsigned char>(text[i + 1]);
      end = i + 2;
      bool command = true;
      switch (x2) {
        case 'I': ItalicSet(1, 0); italic = true; break;
        case 'i': ItalicSet(0, 0); italic = false; changed |= kLayoutMetItalicOff; break;
        case 'J': BoldSet(1, 0); bold = true; break;
        case 'j': BoldSet(0, 0); bold = false; changed |= kLayoutMetBoldOff; break;
        case '[': underline = true; break;
        case ']': underline = false; break;
        case '$': symbolNext = true; break;
        default: command = false; break;
      }
      if (command) {
        i = end;
        continue;
      }
      code = MarkupCaretCode(x2, named, symbol);
    } else if (c == '{') {
      box.flags &= ~kBoxPlain;
      const size_t close = MarkupClose(text, i);
      if (close != std::string::npos) {
        const std::string command = text.substr(i, close - i + 1);
        if (command == "{Page#}" && expansions < kMaxExpansions) {
          ++expansions;
          text.replace(i, command.size(), std::to_string(CurrentPageNumber()));
          box.flags |= kBoxMultiLine;
          continue;
        }
        if (command.rfind("{Date=", 0) == 0 && expansions < kMaxExpansions) {
          ++expansions;
          const std::string pattern = command.substr(6, command.size() - 7);
          text.replace(i, command.size(), FormatDateTime(Now(), pattern));
          box.flags |= kBoxMultiLine;
          continue;
        }
        if (breaking && (command == "{/}" || command == "{//}")) {
          const int returns = command == "{/}" ? 1 : 2;
          size_t next = i;
          applyBreak(i, command.size(), returns, true, italic, bold, underline, x, x, next);
          i = next;
          if (mode & kLayoutFirstBreak) stop = true;
          else box.flags |= kBoxMultiLine;
          continue;
        }
        i = close + 1;
        continue;
      }
      // A "{" without its "}" is measured as a character.
    } else if (c == '\\') {
      code = '0';
    } else if (c < 32) {
      code = 32;
    }
    if (symbolNext && c != '^') {
      symbol = true;
      symbolNext = false;
    } else if (symbolNext) {
      symbolNext = false;
    }
    if (end < text.size() && text[end] == '_') box.flags &= ~kBoxPlain;

    const float w = LabelCharWidth(dc, code, s, symbol);
    if (breaking && c == ' ') {
      blank.valid = true;
      blank.pos = i;
      blank.xBefore = x;
      blank.xAfter = x + w;
      blank.italic = italic;
      blank.bold = bold;
      blank.underline = underline;
    }
    x += w;
    lastWidth = w;
    if (kind < 71 && !aligned && w > 1.0f) {
      offset = -w / 2.0f;
      if (kind == 'F') aligned = true;
    }
    if (kind < 70 && !aligned && code == kind) {
      offset = -(x - w / 2.0f);
      aligned = true;
    }
    i = end;
    if (breaking && x > lineLength && x > 0.0f && CharacterFollows(text, i)) {
      if (blank.valid) {
        const Candidate at = blank;
        applyBreak(at.pos, 1, 1, at.italic || at.bold || at.underline, at.italic, at.bold,
                   at.underline, at.xBefore, at.xAfter, i);
      } else {
        while (i < text.size() && text[i] == '_') ++i;  // the underline stays with its character
        applyBreak(i, 0, 1, true, italic, bold, underline, x, x, i);
      }
      if (mode & kLayoutFirstBreak) stop = true;
      else box.flags |= kBoxMultiLine;
    }
  }

  const float width = lines > 1 ? firstWidth : x;
  if (kind == 'M') offset = -width / 2.0f;
  else if (kind == 'L')
    offset = (float(RoundToLong(0.2 * double(d))) <= lastWidth ? lastWidth / 2.0f : d / 2.0f) -
             width;
  else if (kind == 'T') offset = -d / 2.0f;
  box.x1 = float(RoundToLong(offset));
  box.x2 = float(RoundToLong(double(offset) + double(width)));
  box.y1 = float(RoundToLong(-h / 2.0f));
  box.y2 = float(RoundToLong(h / 2.0f));
  box.flags |= kBoxLaidOut;
  if (italic) ItalicSet(0, 0);
  if (bold) BoldSet(0, 0);
  ErrorLocation = 3002;
}

int16_t LabelInlineCommand(Device* dc, float anchorX, float anchorY, float penX,
                           const std::string& text, size_t& pos, int16_t prevCode,
                           int16_t namedFont) {
  ErrorLocation = 3033;
  (void)namedFont;
  const size_t close = MarkupClose(text, pos);
  if (close == std::string::npos) {
    ErrorLocation = 3034;
    return 123;
  }
  const char letter = pos + 1 < close ? text[pos + 1] : '}';
  if (letter == 'C' || letter == 'c') {
    if (pos + 2 < close && text[pos + 2] == '=') {
      LabelSavedColour = LabelAttrs[kSlotColour];
      float v = ValSng(std::string_view(text).substr(pos + 3, close - pos - 3));
      const int32_t r = RoundToLong(double(v));
      if (r < 0 || r > 16) v = Pardata[kSlotColour].Default;
      LabelAttrs[kSlotColour] = v;
    } else {
      LabelAttrs[kSlotColour] = LabelSavedColour;
      LabelSavedColour = Pardata[kSlotColour].Default;
    }
    LabelAttrChanged |= SlotBit(kSlotColour);
    LabelAttrApply(dc, SlotBit(kSlotColour));
  } else if (letter == 'K' && markDepth < kMaxMarkDepth) {
    float f = (pos + 2 < close && text[pos + 2] == 'D') ? -1.0f : 1.0f;
    const char modifier = pos + 3 < close ? text[pos + 3] : ' ';
    std::string markText = pos + 4 < close ? text.substr(pos + 4, close - pos - 4) : "";
    std::string mark = " ";
    if (modifier == '=') mark = "^\"";
    else if (modifier == '-') mark = "^!";
    else if (modifier == ':') {
      mark = "^@";
      f *= 0.8f;
    } else if (modifier != ' ') {
      markText = std::string(1, modifier) + markText;
    }
    if (mark == " ") {
      if (markText == "-" || markText == "^_") f *= 0.5f;
      else if (markText == "+") f *= 0.55f;
      else f *= 0.65f;
    }
    const float wp = LabelCharWidth(dc, prevCode, 1.0f, false);
    const float o = TextToPostScript() ? (f < 0 ? -0.5f : 0.5f) : 0.0f;
    const float h = TextFont.h;
    float mx = penX - wp / 2.0f, my = anchorY + (o + 1.03f) * f * h;
    float tx = mx, ty = anchorY + (o + 2.0f) * f * h;
    if (TextFont.dirRad != 0.0f) {
      RotateLabelPoint(anchorX, anchorY, mx, my, TextFont.dirRad);
      RotateLabelPoint(anchorX, anchorY, tx, ty, TextFont.dirRad);
    }
    ++markDepth;
    StepBoxRec markBox, textBox;
    LabelDraw(dc, 0, 0xFFFF, "M > " + mark, markBox, StepData{}, mx, my, 32);
    LabelDraw(dc, 0, 0xFFFF, "F > " + (markText.empty() ? std::string(" ") : markText), textBox,
              StepData{}, tx, ty, 32);
    --markDepth;
  }
  pos = close;
  ErrorLocation = 3034;
  return 0;
}
