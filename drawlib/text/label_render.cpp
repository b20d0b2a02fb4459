#include "drawlib/text/label_render.h"

#include <algorithm>
#include <cmath>

#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/text/glyph_tables.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/text/label_layout.h"
#include "drawlib/text/markup.h"
#include "drawlib/text/text_fonts.h"
#include "drawlib/util/error_location.h"
#include "platform/gdi/device.h"
#include "platform/runtime_numbers.h"

namespace {

// The thick-stroke flag ("CP" "SP") and its value at the previous glyph.
bool thickStrokes = false;
bool thickBefore = false;

constexpr int kMaxGlyphNesting = 4;

// The grid value of a stroke byte: b XOR 64 below 128, -(b - 128) from 128.
int GridValue(unsigned char b) { return b < 128 ? (b ^ 64) : -(int(b) - 128); }

char GridByte(int v) { return char(std::clamp(v, 0, 122) + 128); }

// Flushes the buffered stroke with a point-buffer mode: colour index x 2048 + style code.
void StrokeFlush(Device* dc, int code) {
  const int mode = TextColourIndex * 2048 + code;
  PolyBuffer(dc, 0.0f, 0.0f, int16_t(uint16_t(mode)));
}

struct StrokeFrame {
  Device* dc;
  float x, y, unitX, unitY;
  int16_t& glyphFlags;
  bool rotate;
  bool slant;
  bool open = false;  // a stroke is buffered
};

void FrameFlush(StrokeFrame& f, int code) {
  if (!f.open) return;
  StrokeFlush(f.dc, code);
  f.open = false;
}

void StrokeData(StrokeFrame& f, const std::string& data, size_t from, int depth, bool& move) {
  for (size_t i = from; i < data.size();) {
    const unsigned char b = static_cast<unsigned char>(data[i]);
    if (b < 251) {
      if (i + 1 >= data.size()) break;  // an odd count of coordinate bytes stops here
      float ox = float(GridValue(b)) * f.unitX;
      float oy = float(GridValue(static_cast<unsigned char>(data[i + 1]))) * f.unitY;
      i += 2;
      if (f.slant) ox += TextFont.slantTan * oy;
      if (f.rotate) RotateLabelPoint(0.0f, 0.0f, ox, oy, TextFont.dirRad);
      if (move) {
        FrameFlush(f, 4);
        PolyBuffer(f.dc, f.x + ox, f.y + oy, 1);
        f.open = true;
        move = false;
      } else {
        PolyBuffer(f.dc, f.x + ox, f.y + oy, 2);
      }
    } else if (b == 254) {
      move = true;
      ++i;
    } else if (b == 253) {
      if (i + 1 >= data.size()) break;
      const int code = static_cast<unsigned char>(data[i + 1]);
      i += 2;
      move = true;
      if (depth < kMaxGlyphNesting) {
        GlyphWidthLoaded(code);
        const std::string& inner = GlyphString(0, code);
        if (inner.compare(0, 2, "RC") == 0) {
          const std::string copy = inner;  // the table may be reloaded while drawing
          StrokeData(f, copy, 2, depth + 1, move);
        }
      }
    } else if (b == 252 || b == 251) {
      ++i;
      const int16_t g = f.glyphFlags;
      if (!(g & (1 | 4 | 32))) continue;
      const bool f1 = g & 1, f4 = g & 4, f32 = g & 32;
      int code = 4;
      if (b == 252 && f1 && !f32) code = 8;
      if (b == 251 && f1 && f32) code = 8;
      if (!f1 && !f4 && f32) code = 8;
      if (f4 && code == 4) code = 24;
      FrameFlush(f, code);
      move = true;
    } else {
      ++i;
    }
  }
}

}  // namespace

void LabelRenderReset() {
  thickStrokes = false;
  thickBefore = false;
}

int16_t GlyphStrokeDraw(Device* dc, const std::string& glyph, float x, float y, float unitX,
                        float unitY, int16_t& glyphFlags, int16_t gridWidth) {
  ErrorLocation = 3035;
  int16_t result = 0;
  std::string data;
  const std::string kind = glyph.substr(0, 2);
  if (kind == "CP" && glyph.size() >= 4) {
    const std::string command = glyph.substr(2, 2);
    const float n = glyph.size() > 4 ? ValSng(std::string_view(glyph).substr(4)) : 0.0f;
    if (command == "SL") {
      TextFont.slantTan = std::clamp(n, -1.0e3f, 1.0e3f);
      LabelAttrChanged |= SlotBit(kSlotSlant);
    } else if (command == "SP") {
      thickStrokes = n > 1.5f;
    } else if (command == "UL") {
      result = int16_t(std::clamp<int32_t>(RoundToLong(n), -32768, 32767));
    } else if (command == "UD") {
      const int depth = std::clamp<int>(RoundToLong(n), 0, 122);
      // A horizontal stroke: its last byte repeats the y byte.
      data = std::string("@") + GridByte(depth) + GridByte(gridWidth) + GridByte(depth);
    } else if (command == "^H") {
      glyphFlags |= 1;
    } else if (command == "^Q") {
      glyphFlags |= 32;
    } else if (command == "^N") {
      glyphFlags |= 4;
    }
  } else if (kind == "RC") {
    data = glyph.substr(2);
  }
  if (thickStrokes != thickBefore) {
    LabelAttrs[kSlotPen] = thickStrokes ? 2.0f : 1.0f;
    LabelAttrChanged |= SlotBit(kSlotPen);
    thickBefore = thickStrokes;
  }
  if (!data.empty()) {
    const int cls = std::clamp<int>(RoundToLong(LabelAttrs[kSlotPen]), 1, 15);
    PenSetStyleColor(dc, uint16_t(cls), TextColourIndex, 0);
    StrokeFrame f{dc, x, y, unitX, unitY, glyphFlags,
                  TextFont.escapement != 0 && !TextToPostScript(),
                  std::fabs(TextFont.slantTan) > 0.06f};
    bool move = true;
    StrokeData(f, data, 0, 0, move);
    FrameFlush(f, 4);
  }
  ErrorLocation = 3036;
  return result;
}

void GlyphDraw(Device* dc, int16_t code, float& penX, float penY, float anchorX, float anchorY,
               float unitX, float unitY, int16_t& glyphFlags, int16_t& gridWidth) {
  if (code < 0 || code >= kGlyphCodes) code = 32;
  const int16_t width = GlyphWidthLoaded(code);
  const int16_t grid = int16_t(std::clamp<int32_t>(RoundToLong(double(width) * 21.0 / 150.0), 0, 122));
  float ox = penX, oy = penY;
  if (TextFont.dirRad != 0.0f && !TextToPostScript())
    RotateLabelPoint(anchorX, anchorY, ox, oy, TextFont.dirRad);
  const std::string glyph = GlyphString(0, code);
  GlyphStrokeDraw(dc, glyph, ox, oy, unitX, unitY, glyphFlags, grid);
  penX += float(width) * unitX * 21.0f / 150.0f;
  gridWidth = width > 50 ? grid : int16_t(0);
}

float SubSuperBaseline(float y0, int ss, float h, float offset) {
  if (ss == 1) return y0 - 2.0f * h * offset;
  if (ss == 2) return y0 + 2.0f * h * 1.7f * offset;
  return y0;
}

void FontHeightSwitch(int16_t& oldState, int16_t newState, int16_t namedFont) {
  if (namedFont && !TextToPostScript() && (oldState != 0) != (newState != 0))
    LabelFont.height = RoundToLong(newState ? TextFont.subDevHeight : TextFont.devHeight);
  oldState = newState;
}

void TextRunFlush(Device* dc, std::string& run, float& penX, float penY, float anchorX,
                  float anchorY, bool symbol, bool& reposition) {
  if (run.empty()) return;
  if (symbol) LabelFont.face = "Symbol";
  float px = penX, py = penY;
  if (TextFont.escapement != 0) RotateLabelPoint(anchorX, anchorY, px, py, TextFont.dirRad);
  if (dc) {
    if (LogFontChanged() || FontObjects.drawingDC != dc) FontSetAPI(dc, 1);
    if ((OutputFlags & 0x402) == 2) {
      GdiPoint p;
      WorldToPixelPt(px, py, p);
      dc->TextOut(p.x, p.y, run);
    } else {
      if (reposition) WorldLineTo(dc, px, py, px, py, -1);
      dc->TextOut(0, 0, run);
    }
    penX += float(TextMeasure(dc, run).cx) / TextPixelScaleX();
    if ((OutputFlags & 0x402) == 2) {
      float ex = penX, ey = penY;
      if (TextFont.escapement != 0) RotateLabelPoint(anchorX, anchorY, ex, ey, TextFont.dirRad);
      WorldToPixelPt(ex, ey, LastPixelPoint);
    }
  }
  reposition = false;
  run.clear();
  if (symbol) LabelFont.face = TextFont.face;
}

void LabelDrawDevice(Device* dc, const std::string& text, float x, float y,
                     const StepBoxRec& box, int16_t /*flags*/) {
  ErrorLocation = 3009;
  const TextFontRec& t = TextFont;
  const bool named = t.named != 0;
  const float h = t.h;
  const float y0 = y - h / 2.0f;
  const float v = Pardata[22].Default;
  float penX = x + box.x1;
  bool reposition = true;
  std::string run;
  if (named && dc) dc->SetTextAlign((OutputFlags & 0x402) == 2 ? 24 : 25);
  if (named && (box.flags & kBoxPlain)) {
    for (const char c : text) run += static_cast<unsigned char>(c) < 32 ? ' ' : c;
    TextRunFlush(dc, run, penX, y0, x, y, false, reposition);
    ErrorLocation = 3010;
    return;
  }

  int16_t heightState = 0, glyphFlags = 0, prevCode = 32;
  float runBaseline = y0;
  bool rangeUnderline = false, italicByLine = false, boldByLine = false;
  auto flush = [&] { TextRunFlush(dc, run, penX, runBaseline, x, y, false, reposition); };
  // The built-in command glyphs of "^I", "^i", "^J", "^j": slant and stroke weight.
  auto commandGlyph = [&](int code) {
    if (named) return;
    GlyphWidthLoaded(code);
    const std::string glyph = GlyphString(0, code);
    GlyphStrokeDraw(dc, glyph, penX, y0, t.unitX, t.unitY, glyphFlags, 0);
  };
  auto underlineStroke = [&](float ux, float baseline, float unitX, float unitY, int16_t grid) {
    if (grid <= 0) return;
    float ox = ux, oy = baseline;
    if (t.dirRad != 0.0f) RotateLabelPoint(x, y, ox, oy, t.dirRad);
    const std::string stroke = std::string("RC@") + char(132) + char(grid + 128) + char(132);
    GlyphStrokeDraw(dc, stroke, ox, oy, unitX, unitY, glyphFlags, grid);
  };

  MarkupReader reader(text, named);
  for (MarkupToken tok = reader.Next(); tok.kind != MarkupToken::kEnd; tok = reader.Next()) {
    if (OutputFlags == 0xFFFF) break;
    if (tok.kind == MarkupToken::kBrace) {
      flush();
      FontHeightSwitch(heightState, 0, t.named);
      size_t pos = tok.pos;
      const int16_t code = LabelInlineCommand(dc, x, y, penX, text, pos, prevCode, t.named);
      reader.ResumeAfter(pos);
      reposition = true;
      if (code == 0) continue;
      tok.kind = MarkupToken::kChar;
      tok.code = code;
    }
    if (tok.kind != MarkupToken::kChar) {
      if (named) flush();
      if (tok.kind == MarkupToken::kItalic) {
        ItalicSet(tok.on, 2);
        commandGlyph(tok.on ? 'I' + kGlyphCaretOffset : 'i' + kGlyphCaretOffset);
        italicByLine = tok.on;
      } else if (tok.kind == MarkupToken::kBold) {
        BoldSet(tok.on, 2);
        commandGlyph(tok.on ? 'J' + kGlyphCaretOffset : 'j' + kGlyphCaretOffset);
        boldByLine = tok.on;
      } else {
        rangeUnderline = tok.on;
      }
      continue;
    }
    const float s = tok.ss ? t.subFactor : 1.0f;
    const float baseline = SubSuperBaseline(y0, tok.ss, h, v);
    const bool underlined = rangeUnderline || tok.underlined;
    if (named) {
      if (underlined != LabelFont.underline) {
        flush();
        LabelFont.underline = underlined;
      }
      if (baseline != runBaseline || tok.ss) {
        flush();
        FontHeightSwitch(heightState, tok.ss ? 1 : 0, t.named);
        if (baseline != runBaseline) reposition = true;
        runBaseline = baseline;
      }
      if (tok.digitSpace) {
        flush();
        penX += t.d;
        reposition = true;
      } else if (tok.code > 255) {
        flush();
        int16_t grid = 0;
        GlyphDraw(dc, tok.code, penX, baseline, x, y, t.unitX * s, t.unitY * s, glyphFlags, grid);
        if (underlined) underlineStroke(penX, baseline, t.unitX * s, t.unitY * s, grid);
        reposition = true;
      } else if (tok.symbol) {
        flush();
        run = std::string(1, char(tok.code));
        TextRunFlush(dc, run, penX, baseline, x, y, true, reposition);
      } else {
        run += char(tok.code);
      }
      if (tok.ss) {
        flush();
        FontHeightSwitch(heightState, 0, t.named);
        if (runBaseline != y0) reposition = true;
        runBaseline = y0;
      }
    } else {
      int16_t code = tok.code;
      if (tok.symbol) SymbolMap(code, 2);
      int16_t grid = 0;
      GlyphDraw(dc, code, penX, baseline, x, y, t.unitX * s, t.unitY * s, glyphFlags, grid);
      if (underlined) underlineStroke(penX, baseline, t.unitX * s, t.unitY * s, grid);
    }
    prevCode = tok.code;
  }
  flush();
  FontHeightSwitch(heightState, 0, t.named);
  LabelFont.underline = false;
  if (italicByLine) {
    ItalicSet(0, 2);
    commandGlyph('i' + kGlyphCaretOffset);
  }
  if (boldByLine) {
    BoldSet(0, 2);
    commandGlyph('j' + kGlyphCaretOffset);
  }
  if (OutputFlags == 0xFFFF) OutputFlags = kOutputFlagsScreen;
  ErrorLocation = 3010;
}
