// The one pen and brush in use, cached by line-width class and colour so that a new pen is made
// only when one of them changes, and the five line-width classes.
#pragma once

#include <array>
#include <cstdint>

class Device;

struct PenCacheRec {
  bool pen = false;          // a pen is made and selected
  bool brush = false;        // a brush is made and selected
  Device* penDC = nullptr;   // where the pen is selected
  Device* brushDC = nullptr; // where the brush is selected
  int32_t colour = -1;       // colour of the current pen; -1 forces a change
  int16_t width = 0;         // device width of the current pen
  uint16_t widthClass = 0xFFFF;  // 0xFFFF forces a change
  int16_t attrib = -999;     // pen part of the last attribute word; -999 after a release
  int32_t logPenWidth = 1;   // template of new pens (solid)
  uint32_t logPenColour = 0;
  uint32_t logBrushColour = 0xFFFFFF;  // template of the brush (hollow)
};
extern PenCacheRec PenCache;

// Line-width classes 1 to 5 (index 0 unused) and the device pen widths made from them.
extern std::array<float, 6> LineWidthClasses;
extern std::array<int16_t, 16> PenWidths;

// Mode 4 sets the pen template (solid, width, colour; hollow white brush); 1 makes a pen from
// the template (width above 0 and colour 0 or more replace the template's) and selects it,
// making the brush first when there is none; 0 releases pen and brush.
void PenSetAPI(Device* dc, int32_t width, int32_t colour, int16_t mode);
// Selects the pen of a width class and palette colour through the cache; options bit 1 forces a
// new pen. On screen output a black pen of the thin class is drawn grey.
void PenSetStyleColor(Device* dc, uint16_t widthClass, int16_t colourIndex, int16_t options);
// The pen of an attribute word's width class and colour, without forcing.
void PenSetAttrib(Device* dc, int16_t attrib);
// Mode 1: the next comparison of a pen part with the cache fails.
void PenInvalidate(int16_t mode);
// The pen part (width class and colour) of an attribute word.
inline int16_t PenPart(int32_t attrib) { return int16_t(attrib & 0x7F00); }

// n > 0: the pen width of class min(n, 5); n = 0: recomputes the widths for the current target
// and returns class 1's; n < 0: class (-n) div 256 takes ((-n) mod 256) / 10, returns 0.
int16_t LineWidthSet(int16_t n);

// Back to the start state (tests).
void PenCacheReset();
