#include "drawlib/text/text_fonts.h"

#include <algorithm>
#include <cmath>

#include "drawlib/device/world_window.h"
#include "drawlib/ps_interface.h"
#include "drawlib/text/glyph_tables.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/util/error_location.h"
#include "platform/msgbox.h"

GdiFont LabelFont;
Device* TextMeasureDevice = nullptr;
bool TextSizedAsPrinted = false;
TextFontRec TextFont;
FontObjectsRec FontObjects;

namespace {

// World sizes beyond this are taken as this: a letter 25 m high is no letter.
constexpr float kLargestSize = 1.0e6f;

float Finite(float v) {
  if (!std::isfinite(v)) return v > 0 ? kLargestSize : (v < 0 ? -kLargestSize : 0.0f);
  return std::clamp(v, -kLargestSize, kLargestSize);
}

}  // namespace

bool TextToPostScript() { return (OutputFlags & kOutputPostScript) != 0; }

float TextPixelScaleX() {
  const float s = std::fabs(WorldWindow.sx);
  return s > 0.0f && std::isfinite(s) ? s : 1.0f;
}

float TextPixelScaleY() {
  const float s = std::fabs(WorldWindow.sy);
  return s > 0.0f && std::isfinite(s) ? s : 1.0f;
}

float DeviceLetterFactor() {
  // The renderer's printer, metafile and bitmap bits (0x0004, 0x0002, 0x0010).
  constexpr uint16_t kOutputTargets = 0x0004 | 0x0002 | 0x0010;
  return (OutputFlags & kOutputTargets) || TextSizedAsPrinted ? 1.0f : 1.43f;
}

void LogFontSetFace(const std::string& face) {
  ErrorLocation = 3023;
  LabelFont.face = face.substr(0, 31);
  ErrorLocation = 3024;
}

bool LogFontChanged() { return !FontObjects.shadowValid || !(FontObjects.shadow == LabelFont); }

void FontSetAPI(Device* dc, int16_t mode) {
  ErrorLocation = 3017;
  FontObjectsRec& f = FontObjects;
  if (mode == 1) {
    if (f.drawing && f.drawingDC != dc)
      MsgBox("Program error 1 - PenSetAPI - Attempting to destroy Font in invalid DC");
    if (dc) dc->SetFont(LabelFont);
    f.drawing = dc != nullptr;
    f.drawingDC = dc;
    f.shadow = LabelFont;
    f.shadowValid = dc != nullptr;
  } else if (mode == 4) {
    LabelFont.weight = 400;
    LabelFont.italic = false;
    LabelFont.underline = false;
    LabelFont.face = "Arial";
  } else if (mode == 0) {
    if (f.drawing) {
      if (f.drawingDC == dc) {
        f.drawing = false;
        f.drawingDC = nullptr;
      } else {
        MsgBox("Program error 1 - PenSetAPI - Attempting to destroy pen in invalid DC");
      }
    }
    f.shadowValid = false;
  }
  ErrorLocation = 3018;
}

void FontSetMeasure(Device* measureDC, int16_t mode) {
  ErrorLocation = 3025;
  FontObjectsRec& f = FontObjects;
  if (mode == 1) {
    if (measureDC) measureDC->SetFont(LabelFont);
    f.measuring = measureDC != nullptr;
    f.measuringDC = measureDC;
    f.measureShadow = LabelFont;
    f.measureShadowValid = measureDC != nullptr;
  } else if (mode == 0) {
    f.measuring = false;
    f.measuringDC = nullptr;
    f.measureShadowValid = false;
  }
  f.shadowValid = false;
  ErrorLocation = 3026;
}

GdiSize TextMeasure(Device* dc, const std::string& text) {
  if (TextMeasureDevice) {
    FontObjectsRec& f = FontObjects;
    if (!f.measureShadowValid || f.measuringDC != TextMeasureDevice ||
        !(f.measureShadow == LabelFont))
      FontSetMeasure(TextMeasureDevice, 1);
    return TextMeasureDevice->TextExtent(text);
  }
  if (!dc) return {};
  if (LogFontChanged() || FontObjects.drawingDC != dc) FontSetAPI(dc, 1);
  return dc->TextExtent(text);
}

void BoldSet(int16_t on, int16_t source) {
  ErrorLocation = 3027;
  if (TextToPostScript()) {
    if (source == 1) PSBoldToggle(on != 0, source);
  } else {
    LabelFont.weight = on ? 700 : 400;
  }
  ErrorLocation = 3028;
}

void ItalicSet(int16_t on, int16_t source) {
  ErrorLocation = 3021;
  if (TextToPostScript()) {
    if (source == 1) PSItalicToggle(on != 0, source);
  } else {
    LabelFont.italic = on != 0;
  }
  ErrorLocation = 3022;
}

void FontMetricsUpdate(Device* dc, bool allApplied) {
  TextFontRec& t = TextFont;
  t.h = Finite(LabelAttrs[8] * LabelAttrs[2] * kWorldUnitsPerMM);
  const float breadth = LabelAttrs[3];
  if (t.named && !TextToPostScript()) {
    LogFontSetFace(t.face);
    t.devHeight = Finite(TextPixelScaleY() * -DeviceLetterFactor() * t.h);
    LabelFont.height = RoundToLong(t.devHeight);
    t.subDevHeight = t.subFactor * t.devHeight;
    if (allApplied || LogFontChanged()) {
      if (TextMeasureDevice) FontSetMeasure(TextMeasureDevice, 1);
      if (dc) FontSetAPI(dc, 1);
      Device* m = TextMeasureDevice ? TextMeasureDevice : dc;
      if (m) {
        t.lineHeight = Finite(float(m->TextExtent("N").cy) / TextPixelScaleY());
        t.d = Finite(float(m->TextExtent("0").cx) / TextPixelScaleX());
      } else {
        // Nothing to measure on: the proportions of a common sans face.
        t.lineHeight = t.h;
        t.d = t.h * 0.55f;
      }
    }
  } else if (t.named) {
    t.d = Finite(float(GlyphWidth(t.psRow, 31)) * t.h * breadth / 1000.0f);
    PSFont(t.face, Finite(t.h * breadth), t.h, t.number);
  } else {
    t.d = t.lineHeight = t.h;
    if (t.fontClass & 8) t.d = Finite(t.h * breadth);
    FontObjects.shadowValid = false;
  }
  t.unitX = t.d / 21.0f;
  t.unitY = t.h / 21.0f;
}

void TextFontReset() {
  LabelFont = GdiFont{};
  TextMeasureDevice = nullptr;
  TextSizedAsPrinted = false;
  TextFont = TextFontRec{};
  FontObjects = FontObjectsRec{};
}
