// The fonts of the text layer: the font description of the label font, the drawing
// and measuring fonts made from it, the font class, and the metrics every label is measured and
// drawn with. Built-in stroke fonts (numbers 0..2) have no device font; named fonts (3..14) are
// device fonts on a device context, or PostScript fonts named by the PostScript writer.
#pragma once

#include <cstdint>
#include <string>

#include "platform/gdi/device.h"

// The font description (height in device units, negative = character height; escapement in
// tenths of a degree; weight; italic; underline; face of at most 31 characters).
extern GdiFont LabelFont;

// The device that named fonts are measured on: the renderer of printing and export sets it to
// its reference device; nullptr measures on the drawing device.
extern Device* TextMeasureDevice;

// Font class: 991 built-in, 791 named on a device context, 799 named in PostScript. Bits: 4 a
// change of H, B or R recomputes the metrics; 8 the digit width is scaled by B; 16 the slant is
// applied; 64 the direction is applied as an angle.
inline constexpr int16_t kFontClassBuiltIn = 991;
inline constexpr int16_t kFontClassDevice = 791;
inline constexpr int16_t kFontClassPostScript = 799;

struct TextFontRec {
  int16_t fontClass = kFontClassBuiltIn;
  int16_t named = 0;       // 0 built-in stroke font, 1 named font
  int16_t number = 0;      // font number 0..14
  int16_t psRow = 0;       // width row of PostScript measuring: 3 Helvetica, 4 Times
  std::string face;        // the named font's face (Symbol characters switch away and back)
  // Metrics in world units unless said.
  float h = 0;             // font height R x H x 40.2
  float d = 0;             // digit width (the width of "0")
  float lineHeight = 0;    // the height of "N"
  float devHeight = 0;     // device font height (pixels, negative: character height)
  float subDevHeight = 0;  // the sub/superscript device height
  float subFactor = 0.7f;  // "Sup/Subscript Size:" (row 21)
  float slantTan = 0;      // tangent of the slant
  float dirRad = 0;        // direction in radians
  int16_t escapement = 0;  // tenths of a degree
  float unitX = 0;         // glyph grid units d / 21 and h / 21
  float unitY = 0;
};
extern TextFontRec TextFont;

// The drawing and measuring fonts: where they were selected, and the shadow copies of the
// description at their last creation (a changed shadow forces a new font).
struct FontObjectsRec {
  bool drawing = false;
  Device* drawingDC = nullptr;
  bool measuring = false;
  Device* measuringDC = nullptr;
  GdiFont shadow;          // the description when the drawing font was last made
  bool shadowValid = false;
  GdiFont measureShadow;   // the description when the measuring font was last made
  bool measureShadowValid = false;
};
extern FontObjectsRec FontObjects;

// True while labels go to the PostScript writer rather than a device context.
bool TextToPostScript();
// The pixel scales of the world window (a zero scale counts as 1).
float TextPixelScaleX();
float TextPixelScaleY();
// The character height of a named font on a device context, in letter heights h. The printer,
// metafiles and bitmaps (and the page preview, which shows the page as it prints) take one h,
// as the PostScript writer sizes it, so that every output shows text at one size relative to
// the drawing; other screen drawing takes 1.43 h.
float DeviceLetterFactor();
// While set, screen drawing sizes text as the outputs do (the page preview).
extern bool TextSizedAsPrinted;
// Sets it for the life of the object, however the drawing ends.
class TextSizedAsPrintedScope {
 public:
  TextSizedAsPrintedScope() { TextSizedAsPrinted = true; }
  ~TextSizedAsPrintedScope() { TextSizedAsPrinted = false; }
  TextSizedAsPrintedScope(const TextSizedAsPrintedScope&) = delete;
  TextSizedAsPrintedScope& operator=(const TextSizedAsPrintedScope&) = delete;
};

// Recomputes h, d, the line height and the glyph units; named fonts on a device context get
// their device heights and, when all slots were applied or the description changed, new fonts.
void FontMetricsUpdate(Device* dc, bool allApplied = false);
// Mode 1 makes and selects the drawing font, 4 resets the description, 0 releases the font.
void FontSetAPI(Device* dc, int16_t mode);
// Mode 1 makes and selects the measuring font on the measuring device, 0 releases it.
void FontSetMeasure(Device* measureDC, int16_t mode);
void LogFontSetFace(const std::string& face);
// True when the description differs from the one the drawing font was made from.
bool LogFontChanged();
// on: any non-zero value. source 1: from the attribute application (the only one that writes
// PostScript); 0 from the layout; 2 from the device output.
void BoldSet(int16_t on, int16_t source);
void ItalicSet(int16_t on, int16_t source);

// The extent of a text in the current description, measured on the measuring device (or the
// drawing device), making the font there first when the description changed.
GdiSize TextMeasure(Device* dc, const std::string& text);

// Back to the start state (tests).
void TextFontReset();
