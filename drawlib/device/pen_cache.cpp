#include "drawlib/device/pen_cache.h"

#include <algorithm>
#include <cstdlib>

#include "drawlib/color_scheme.h"
#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/ps_interface.h"
#include "drawlib/util/error_location.h"
#include "platform/gdi/device.h"
#include "platform/msgbox.h"

PenCacheRec PenCache;
std::array<float, 6> LineWidthClasses{};
std::array<int16_t, 16> PenWidths{};

namespace {

bool classesSet = false;

void SetStartClasses() {
  LineWidthClasses = {0.0f, 1.0f, 2.0f, 0.5f, 3.0f, 0.3f};
  classesSet = true;
}

uint32_t PaletteColour(int index) {
  return ColorScheme.ColorPalette[size_t(std::clamp(index, 0, kPaletteSize - 1))];
}

}  // namespace

void PenSetAPI(Device* dc, int32_t width, int32_t colour, int16_t mode) {
  ErrorLocation = 4033;
  PenCacheRec& c = PenCache;
  if (mode == 4) {
    // A new target: what was selected into the previous one went with it.
    c.logPenWidth = width;
    c.logPenColour = uint32_t(std::max(colour, 0));
    c.logBrushColour = 0xFFFFFF;
    c.pen = false;
    c.brush = false;
  } else if (mode == 1) {
    if (!c.brush) {
      if (dc) dc->SetBrush(true, c.logBrushColour);
      c.brush = true;
      c.brushDC = dc;
    }
    if (c.pen) {
      if (c.penDC != dc) MsgBox("Program error 1 - PenSetAPI - Attempting to destroy pen in invalid DC");
      c.pen = false;
    }
    if (width > 0) c.logPenWidth = width;
    if (colour >= 0) c.logPenColour = uint32_t(colour);
    if (dc) dc->SetPen(c.logPenWidth, c.logPenColour);
    c.pen = true;
    c.penDC = dc;
  } else if (mode == 0) {
    c.widthClass = 0xFFFF;
    if (c.pen) {
      if (c.penDC != dc) MsgBox("Program error 2 - PenSetAPI - Attempting to destroy an invalid Pen");
      c.pen = false;
      c.penDC = nullptr;
    }
    if (c.brush) {
      if (c.brushDC != dc) MsgBox("Program error- PenSetAPI - Attempting to destroy an invalid brush");
      c.brush = false;
      c.brushDC = nullptr;
    }
    c.attrib = -999;
  }
  ErrorLocation = 4034;
}

void PenSetStyleColor(Device* dc, uint16_t widthClass, int16_t colourIndex, int16_t options) {
  ErrorLocation = 4031;
  PenCacheRec& c = PenCache;
  if (options & 1) {
    c.widthClass = 0xFFFF;
    c.colour = -1;
  }
  const int32_t wanted = int32_t(PaletteColour(colourIndex));
  int32_t width = 0;
  bool widthChanged = false;
  if (c.widthClass != widthClass) {
    width = widthClass < 16 ? PenWidths[widthClass] : PenWidths[15];
    c.width = int16_t(width);
    c.widthClass = widthClass;
    widthChanged = true;
  } else if (c.colour == wanted) {
    ErrorLocation = 4032;
    return;
  }
  int32_t colour = wanted;
  if (OutputFlags & kOutputScreen) {
    if (widthClass == 3 && colour == 0) colour = int32_t(RGBColor(128, 128, 128));
    PenSetAPI(dc, width, colour, 1);
  } else if (OutputFlags & kOutputGdi) {
    PenSetAPI(dc, width, colour, 1);
  } else if (OutputFlags & kOutputPostScript) {
    if (widthChanged && width != 0) PSLineWidth(int16_t(width));
    PSColor(uint32_t(colour));
  }
  c.colour = wanted;
  c.attrib = int16_t((int32_t(widthClass) - 1) * 256 + colourIndex * 2048);
  ErrorLocation = 4032;
}

void PenSetAttrib(Device* dc, int16_t attrib) {
  const uint16_t cls = attrib >= 256 ? uint16_t(((attrib >> 8) & 7) + 1) : 1;
  const int16_t colour = attrib >= 2048 ? int16_t((attrib >> 11) & 15) : 0;
  PenSetStyleColor(dc, cls, colour, 0);
}

void PenInvalidate(int16_t mode) {
  if (mode == 1) PenCache.attrib = int16_t(PenCache.attrib + 1);
}

int16_t LineWidthSet(int16_t n) {
  ErrorLocation = 4035;
  if (!classesSet) SetStartClasses();
  int16_t result = 0;
  if (n > 0) {
    result = PenWidths[size_t(std::min<int>(n, 5))];
  } else if (n == 0) {
    for (int cls = 1; cls <= 5; ++cls) {
      const float v = LineWidthClasses[size_t(cls)];
      int32_t w = 1;
      if (OutputFlags & kOutputScreen) {
        w = RoundToLong(WorldWindow.zoom > 1.5f ? v + 1.0f : v);
      } else if (OutputFlags & (kOutputGdi | kOutputPostScript)) {
        w = RoundToLong(WorldWindow.sx * Pardata[37].Default * 12.0f * v);
      }
      w = std::clamp<int32_t>(w, 1, 32767);
      PenWidths[size_t(cls)] = int16_t(w);
    }
    result = PenWidths[1];
  } else {
    const int32_t a = std::abs(int32_t(n));
    const int32_t k = a / 256;
    if (k <= 5) LineWidthClasses[size_t(k)] = float(a % 256) / 10.0f;
  }
  ErrorLocation = 4036;
  return result;
}

void PenCacheReset() {
  PenCache = PenCacheRec{};
  LineWidthClasses = {};
  PenWidths = {};
  classesSet = false;
}
