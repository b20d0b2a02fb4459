// The PostScript form of a label line (LabelDrawPS): runs of text for the prolog's
// label procedures, with in-string codes for sub- and superscripts, italic, bold, underline and
// Symbol runs; built-in glyphs as strokes through the polygon buffer.
#include <cmath>

#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/ps_interface.h"
#include "drawlib/text/glyph_tables.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/text/label_layout.h"
#include "drawlib/text/label_render.h"
#include "drawlib/text/markup.h"
#include "drawlib/text/text_fonts.h"
#include "drawlib/util/error_location.h"

namespace {

// "\ooo": the three octal digits of a byte.
std::string Octal(unsigned char c) {
  std::string s = "\\";
  s += char('0' + (c >> 6));
  s += char('0' + ((c >> 3) & 7));
  s += char('0' + (c & 7));
  return s;
}

// A character of a plain run: its PostScript text from the character table (row 3).
std::string RunText(int16_t code) {
  const std::string& s = GlyphString(3, code);
  if (!s.empty() || code < 32 || code > 126) return s;
  // Without a built table the printable ASCII characters stand for themselves.
  if (code == '(' || code == ')' || code == '\\') return std::string("\\") + char(code);
  return std::string(1, char(code));
}

// A character of a Symbol run: printable ASCII as itself, from 128 on as an octal escape.
std::string SymbolText(int16_t code) {
  const unsigned char c = static_cast<unsigned char>(code);
  if (c >= 128 || c < 32) return Octal(c);
  if (c == '(' || c == ')' || c == '\\') return std::string("\\") + char(c);
  return std::string(1, char(c));
}

const char* const kSubSuperOn[3] = {"", "\\010", "\\012"};
const char* const kSubSuperOff[3] = {"", "\\011", "\\013"};

class PSRuns {
 public:
  // Runs start with "(" right after what comes before them (" _LbINI(a) _LbTXT(b)").
  // Appends a character's text in the run of its kind, writing a pending sub/superscript change
  // before it.
  void Char(const std::string& s, bool symbol, int ss) {
    if (open_ && symbol_ != symbol) Close();
    if (!open_) {
      run_ = symbol ? "(\\025" : "(";
      open_ = true;
      symbol_ = symbol;
    }
    if (state_ != ss) {
      run_ += kSubSuperOff[state_];
      run_ += kSubSuperOn[ss];
      state_ = ss;
    }
    run_ += s;
  }
  // A style code inside the current (or a new) plain run.
  void Code(const char* code) {
    if (!open_) {
      run_ = "(";
      open_ = true;
      symbol_ = false;
    }
    run_ += code;
  }
  void Close() {
    if (!open_) return;
    if (state_ != 0) run_ += kSubSuperOff[state_];
    state_ = 0;
    PSAppend(run_ + ") _LbTXT");
    open_ = false;
    run_.clear();
  }
  bool open() const { return open_; }

 private:
  std::string run_;
  bool open_ = false;
  bool symbol_ = false;
  int state_ = 0;
};

}  // namespace

void LabelDrawPS(Device* dc, const std::string& text, float x, float y, const StepBoxRec& box,
                 int16_t /*flags*/) {
  ErrorLocation = 3015;
  TextFontRec& t = TextFont;
  const bool named = t.named != 0;
  const float h = t.h;
  const float v = Pardata[22].Default;
  PSXY(-997, 0, 0, RoundToLong(x), RoundToLong(y));
  PSAppend(" _LbINI");
  const float dirRad = t.dirRad;
  const int16_t escapement = t.escapement, fontEscapement = int16_t(LabelFont.escapement);
  if (LabelAttrs[kSlotDirection] != 0.0f || t.dirRad != 0.0f) {
    PSDirection(LabelAttrs[kSlotDirection]);
    t.dirRad = 0.0f;
    t.escapement = 0;
    LabelFont.escapement = 0;
  }
  const float x0 = WorldWindow.x0, y0w = WorldWindow.y0;
  WorldWindow.x0 = 0.0f;
  WorldWindow.y0 = 0.0f;
  const float y0 = -h / 2.0f;
  float penX = box.x1;
  PSXY(-997, 0, 0, RoundToLong(penX), RoundToLong(y0));

  PSRuns runs;
  int16_t glyphFlags = 0, prevCode = 32;
  bool rangeUnderline = false, italicByLine = false, boldByLine = false;
  auto movePen = [&] { PSXY(-997, 0, 0, RoundToLong(penX), RoundToLong(y0)); };
  auto strokeGlyph = [&](int16_t code, float baseline, float s, bool underlined) {
    runs.Close();
    int16_t grid = 0;
    GlyphDraw(dc, code, penX, baseline, 0.0f, 0.0f, t.unitX * s, t.unitY * s, glyphFlags, grid);
    if (underlined && grid > 0) {
      const std::string stroke = std::string("RC@") + char(132) + char(grid + 128) + char(132);
      GlyphStrokeDraw(dc, stroke, penX, baseline, t.unitX * s, t.unitY * s, glyphFlags, grid);
    }
    movePen();
  };

  MarkupReader reader(text, named);
  for (MarkupToken tok = reader.Next(); tok.kind != MarkupToken::kEnd; tok = reader.Next()) {
    if (OutputFlags == 0xFFFF) break;
    if (tok.kind == MarkupToken::kBrace) {
      const size_t close = MarkupClose(text, tok.pos);
      if (close != std::string::npos) runs.Close();
      size_t pos = tok.pos;
      // Marks are placed from the baseline here (the half height they add on PostScript
      // brings them to where the device context puts them from the anchor).
      const int16_t code = LabelInlineCommand(dc, 0.0f, y0, penX, text, pos, prevCode, t.named);
      reader.ResumeAfter(pos);
      if (close != std::string::npos) movePen();
      if (code == 0) continue;
      tok.kind = MarkupToken::kChar;
      tok.code = code;
    }
    if (tok.kind == MarkupToken::kItalic) {
      runs.Code(tok.on ? "\\017" : "\\020");
      italicByLine = tok.on;
      continue;
    }
    if (tok.kind == MarkupToken::kBold) {
      runs.Code(tok.on ? "\\021" : "\\022");
      boldByLine = tok.on;
      continue;
    }
    if (tok.kind == MarkupToken::kUnderline) {
      runs.Code(tok.on ? "\\023" : "\\024");
      rangeUnderline = tok.on;
      continue;
    }
    const float s = tok.ss ? t.subFactor : 1.0f;
    const float baseline = SubSuperBaseline(y0, tok.ss, h, v);
    const bool single = tok.underlined && !rangeUnderline;
    if (!named) {
      int16_t code = tok.code;
      if (tok.symbol) SymbolMap(code, 2);
      strokeGlyph(code, baseline, s, tok.underlined || rangeUnderline);
    } else if (tok.digitSpace || tok.code > 255) {
      strokeGlyph(tok.code, baseline, s, tok.underlined || rangeUnderline);
    } else {
      if (single) runs.Code("\\023");
      runs.Char(tok.symbol ? SymbolText(tok.code) : RunText(tok.code), tok.symbol, tok.ss);
      if (single) runs.Code("\\024");
      if (tok.symbol) runs.Close();
      penX += LabelCharWidth(dc, tok.code, s, tok.symbol);
    }
    prevCode = tok.code;
  }
  if (italicByLine) runs.Code("\\020");
  if (boldByLine) runs.Code("\\022");
  if (rangeUnderline) runs.Code("\\024");
  runs.Close();
  PSAppend(" _LbEND");
  WorldWindow.x0 = x0;
  WorldWindow.y0 = y0w;
  PSXY(-997, 0, 0, RoundToLong(x), RoundToLong(y));
  t.dirRad = dirRad;
  t.escapement = escapement;
  LabelFont.escapement = fontEscapement;
  if (OutputFlags == 0xFFFF) OutputFlags = kOutputFlagsScreen;
  ErrorLocation = 3016;
}
