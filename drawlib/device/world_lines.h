// World-coordinate lines, handle squares, the polygon buffer and box growth: the calls through
// which every line, polygon and marker of the library reaches the device.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/device.h"

struct StepBoxRec;

// Pixel where the last WorldLineTo ended.
extern GdiPoint LastPixelPoint;

// mode > 0: line (x1, y1)-(x2, y2), moving first only when (x1, y1) is not LastPixelPoint;
// mode < 0: move to (x2, y2); 0: nothing drawn. Draws only on GDI output; always sets
// LastPixelPoint to the pixel of (x2, y2).
void WorldLineTo(Device* dc, float x1, float y1, float x2, float y2, int16_t mode);
// mode > 0: move to (x1, y1) and line to (x2, y2); mode < 0: move to (x2, y2). Whatever the
// output word says.
void WorldLinePlain(Device* dc, float x1, float y1, float x2, float y2, int16_t mode);
// A filled square of the palette colour, 2 mm wide at zoom 1 and the same size at every zoom;
// drawn when force is 1 or the handle option is on.
void DrawHandleSquare(Device* dc, float x, float y, int16_t colourIndex, int16_t force);

// 1 starts a point run at (x, y), 2 adds a point, anything else flushes: bit 4 an outline
// (polylines of at most 2001 points), else a polygon filled in the palette colour mode >> 11
// (bit 16: outlined in the label pen's width on the background colour).
void PolyBuffer(Device* dc, float x, float y, int16_t mode);
// The points of the run in work (pixels); point 0 is the start.
const std::vector<GdiPoint>& PolyPoints();

// Grows box (xmin, ymin, xmax, ymax) by the step box moved by (dx, dy).
void BoxExtend(float box[4], const StepBoxRec& stepBox, float dx, float dy);

// The pen colour and width drawn with by anti-aliased segments.
uint32_t CachedPenColour();
int32_t CachedPenWidth();

void WorldLinesReset();
