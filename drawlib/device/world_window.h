// Device layer state: the world-to-device mapping, the output-target word and the object drawn on.
#pragma once

#include <cstdint>

class OutputObject;

struct WorldWindowRec {
  float zoom = 1.0f;  // magnification of the screen view
  float panX = 0.0f;  // pan offset of the screen view in world units
  float panY = 0.0f;
  float x0 = 0.0f;    // world X of the target's left edge
  float y0 = 0.0f;    // world Y of the target's top edge
  float sx = 1.0f;    // pixels per world unit
  float sy = 1.0f;
};

extern WorldWindowRec WorldWindow;
// 0x0001 screen, 0x0040 GDI device context, 0x0100 PostScript buffer, 0x2000 anti-aliased lines.
extern uint16_t OutputFlags;
inline constexpr uint16_t kOutputFlagsScreen = 65;
extern OutputObject* OutputTarget;

// Line-width classes 1 to 5. n < 0 sets class (-n) >> 8 to ((-n) & 255) / 10.
int16_t LineWidthSet(int16_t n);
