// Boxes of drawn ink on a device: the box of a set of points, and a box widened by the pen
// that strokes it. Metafile bounds and picture extents are built from them.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/device.h"

// A box on the device, right and bottom included.
struct GdiBox {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The box of the points; `points` must not be empty.
GdiBox PointsBox(const std::vector<GdiPoint>& points);

// The box that a pen of `penWidth` covers when it strokes through the corners (in any order):
// half the pen beyond them; a one-pixel pen, or none (0), stays on them.
GdiBox PenBox(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t penWidth);
