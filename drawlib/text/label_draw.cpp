#include "drawlib/text/label_draw.h"

#include <algorithm>
#include <exception>

#include "drawlib/color_scheme.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "drawlib/document_services.h"
#include "drawlib/ps_interface.h"
#include "drawlib/text/label_layout.h"
#include "drawlib/text/label_render.h"
#include "drawlib/text/markup.h"
#include "drawlib/util/error_location.h"
#include "platform/runtime_numbers.h"

namespace {

inline constexpr int16_t kDrawPlain = 16;
inline constexpr int16_t kDrawAttrsSet = 32;

// One line through the renderer the output flags choose; a fault inside stays there.
void DrawLine(Device* dc, const std::string& text, float x, float y, const StepBoxRec& box,
              int16_t flags) {
  try {
    if ((OutputFlags & kOutputPostScript) && OutputFlags != 0xFFFF) {
      LabelDrawPS(dc, text, x, y, box, flags);
    } else if (OutputFlags & kOutputGdi) {
      LabelDrawDevice(dc, text, x, y, box, flags);
    }
  } catch (const std::exception&) {
    if (OutputFlags == 0xFFFF) OutputFlags = kOutputFlagsScreen;
  }
}

uint32_t SlotColour() {
  const int index = std::clamp<int>(RoundToLong(LabelAttrs[kSlotColour]), 0, kPaletteSize - 1);
  return ColorScheme.ColorPalette[size_t(index)];
}

// The point marker "\\": a square of half-side 40.2 / zoom in the current pen.
void MarkerSquare(Device* dc, float x, float y) {
  const float zoom = WorldWindow.zoom > 0.0f ? WorldWindow.zoom : 1.0f;
  const float a = kWorldUnitsPerMM / zoom;
  WorldLineTo(dc, x - a, y - a, x - a, y - a, -1);
  WorldLineTo(dc, x - a, y - a, x + a, y - a, 1);
  WorldLineTo(dc, x + a, y - a, x + a, y + a, 1);
  WorldLineTo(dc, x + a, y + a, x - a, y + a, 1);
  WorldLineTo(dc, x - a, y + a, x - a, y - a, 1);
}

}  // namespace

void LabelDraw(Device* dc, int16_t stepIndex, uint16_t stepType, const std::string& label,
               StepBoxRec& box, const StepData& data, float x, float y, int16_t flags) {
  ErrorLocation = 3007;
  if (int16_t(stepType) < -1) {
    if (stepType == kStepSpectrum) SpecPrint(dc, stepIndex, label, box.flags, data, x, y);
    if (OutputFlags & kOutputScreen) DrawHandleSquare(dc, x, y, ColorScheme.HandCol, 0);
    ErrorLocation = 3008;
    return;
  }
  std::string kindText, style, text;
  LabelParse(label, kindText, style, text);
  if (text == "\\\\") {
    if (OutputFlags == kOutputFlagsScreen) MarkerSquare(dc, x, y);
    ErrorLocation = 3008;
    return;
  }
  if (text.empty()) {
    ErrorLocation = 3008;
    return;
  }
  const bool ownStyle = !(flags & kDrawAttrsSet);
  if (ownStyle) LabelAttrStack(dc, style, 2);
  const uint16_t styleSlots = LabelAttrChanged;
  char kind = kindText.empty() ? 'F' : kindText[0];
  if (flags & kDrawPlain) {
    box.flags = int16_t((box.flags & ~kBoxMultiLine) | kBoxPlain);
    box.x1 = 0.0f;
  } else {
    int16_t changed = 0;
    LabelLayout(dc, kind, text, changed, box, kLayoutBreakLines);
    if ((changed & kLayoutMetBoldOff) && (styleSlots & SlotBit(kSlotPen)))
      LabelAttrApply(dc, SlotBit(kSlotPen));
    if ((changed & kLayoutMetItalicOff) && (styleSlots & SlotBit(kSlotSlant)))
      LabelAttrApply(dc, SlotBit(kSlotSlant));
  }

  if (box.flags & kBoxMultiLine) {
    const float advance = LabelAttrs[kSlotLineSpacing] * kWorldUnitsPerMM;
    if (kind == 'F') kind = 'T';
    float lineY = y, before = 0.0f;
    bool keepColour = false;
    float keptColour = 0.0f;
    size_t start = 0;
    for (;;) {
      size_t end = text.find('\r', start);
      const std::string line = text.substr(start, end == std::string::npos ? end : end - start);
      float a = advance;
      if (end != std::string::npos && end + 1 < text.size() && text[end + 1] == '\r') {
        a = 1.5f * advance;
        ++end;  // that return is dropped
      }
      if (!line.empty()) {
        if (ownStyle) LabelAttrStack(dc, style, 2);
        if (keepColour) {
          LabelAttrs[kSlotColour] = keptColour;
          LabelAttrChanged |= SlotBit(kSlotColour);
          LabelAttrApply(dc, SlotBit(kSlotColour));
        }
        // Each line is laid out in a box of its own: the step's box keeps the whole label's.
        std::string lineText = line;
        int16_t changed = 0;
        StepBoxRec lineBox;
        LabelLayout(dc, kind, lineText, changed, lineBox, 0);
        float lx = x, ly = lineY;
        if (TextFont.dirRad != 0.0f) RotateLabelPoint(x, y, lx, ly, TextFont.dirRad);
        if (TextToPostScript()) PSColor(SlotColour());
        DrawLine(dc, lineText, lx, ly, lineBox, flags);
        // A colour command of this line goes on in the next one.
        if (lineText.find("{C") != std::string::npos || lineText.find("{c") != std::string::npos) {
          keepColour = true;
          keptColour = LabelAttrs[kSlotColour];
        }
        if (ownStyle) LabelAttrStack(dc, "", 4);
        lineY -= a;
      } else {
        lineY -= before;
      }
      before = a;
      if (end == std::string::npos || end + 1 > text.size()) break;
      start = end + 1;
      if (start >= text.size()) break;
    }
  } else {
    if (TextToPostScript()) PSColor(SlotColour());
    DrawLine(dc, text, x, y, box, flags);
  }
  if (ownStyle) LabelAttrStack(dc, "", 4);
  ErrorLocation = 3008;
}
