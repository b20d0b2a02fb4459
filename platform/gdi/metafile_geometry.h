// Curves and lines of metafile playback as point lists: Bezier curves and elliptic arcs
// flattened into short segments, and dashed lines cut into their dashes.
#pragma once

#include <vector>

struct DPoint {
  double x = 0, y = 0;
};

// Appends the cubic Bezier curve from p0 (not appended) through the control points p1, p2 to
// p3, in steps short enough to look smooth at the points' scale.
void AppendBezier(std::vector<DPoint>& out, DPoint p0, DPoint p1, DPoint p2, DPoint p3);

// Points of the ellipse inscribed in the box from the angle t0 to t1 (radians, the parameter
// of (cx + rx cos t, cy - ry sin t)), both ends included.
std::vector<DPoint> EllipseArc(double left, double top, double right, double bottom, double t0,
                               double t1);

// The parameter angle of the ellipse's radial through a point (0 for the centre itself).
double RadialAngle(double left, double top, double right, double bottom, DPoint p);

struct DBox {
  double left, top, right, bottom;
};

// The dashes of a line: `pattern` holds dash and gap lengths in turn (an even number, all
// > 0); the pattern runs on along the whole line, across its corners. With a view, only the
// dashes within it are made (the pattern still runs on outside it).
std::vector<std::vector<DPoint>> Dashes(const std::vector<DPoint>& line,
                                        const std::vector<double>& pattern,
                                        const DBox* view = nullptr);
