// Clipping of segments and polygons to a box, in doubles, so that shapes far outside the
// raster reach gd only as the part that can show.
#pragma once

#include <vector>

struct ClipPoint {
  double x, y;
};

struct ClipBox {
  double left, top, right, bottom;
};

// Clips the segment a-b to the box (Liang-Barsky); false when nothing of it is inside.
bool ClipSegment(ClipPoint& a, ClipPoint& b, const ClipBox& box);

// The polygon cut to the box (Sutherland-Hodgman); empty when nothing is inside.
std::vector<ClipPoint> ClipPolygon(const std::vector<ClipPoint>& ring, const ClipBox& box);

// Points around an ellipse inscribed in the box, for ellipses too large for gd's own.
std::vector<ClipPoint> EllipsePoints(double left, double top, double right, double bottom,
                                     int count);
