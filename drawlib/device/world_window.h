// Device layer state: the world-to-device mapping, the output-target word, the library's option
// word and the object drawn on. World units: 40.2 per millimetre, Y upward; pixels: Y downward.
#pragma once

#include <cstdint>

#include "drawlib/device/draw_options.h"
#include "drawlib/device/pen_cache.h"  // LineWidthSet, for the preference code

class OutputObject;
class Device;
struct GdiPoint;

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
inline constexpr uint16_t kOutputScreen = 0x0001;
inline constexpr uint16_t kOutputGdi = 0x0040;
inline constexpr uint16_t kOutputPostScript = 0x0100;
inline constexpr uint16_t kOutputSmooth = 0x2000;
inline constexpr uint16_t kOutputFlagsScreen = 65;
inline constexpr uint16_t kOutputFlagsPrinter = 0x0044;
extern OutputObject* OutputTarget;
// While printing or exporting: the device text is measured against (the printer or the bitmap;
// nullptr for the screen), and the word the pen-width and label code read of the target
// (0 outside output).
extern Device* ReferenceDevice;
extern int32_t OutputDeviceWord;
inline constexpr uint32_t kDrawOptionHandles = 0x0040;

inline constexpr float kWorldUnitsPerMM = 40.2f;

// Maps the world rectangle onto the whole target. A rectangle of zero (or not finite) width or
// height, or a target without a size, is refused: the mapping stays and false is returned.
bool SetWorldWindow(const OutputObject* target, float x1, float y1, float x2, float y2);
// The world rectangle that the output target shows at the current zoom and pan.
void TargetWorldRect(float& x1, float& y1, float& x2, float& y2);

// World to pixel, rounded halves to even and limited to the 32-bit range.
int32_t WorldToPixelX(float x);
int32_t WorldToPixelY(float y);
void WorldToPixel(float x, float y, int32_t& px, int32_t& py);
void WorldToPixelPt(float x, float y, GdiPoint& pt);
// Pixel to world (the mouse's direction).
void PixelToWorld(int32_t px, int32_t py, float& x, float& y);

// Rounds halves to even and limits to the 32-bit range; 0 for NaN.
int32_t RoundToLong(double v);
