// Circles, rectangles, brackets, regular polygons and ring shapes of the line types.
#include <cmath>

#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/linetypes/turtle.h"
#include "drawlib/ps_interface.h"
#include "platform/gdi/device.h"

namespace {

bool GdiShapes(const Turtle& t) {
  return t.drawing && (OutputFlags & kOutputGdi) && !(OutputFlags & kOutputPostScript) && t.dc;
}

float Sign(float v) { return v > 0.0f ? 1.0f : (v < 0.0f ? -1.0f : 0.0f); }

// An ellipse of the given world radius around (cx, cy) with the hollow brush.
void DeviceCircle(Device* dc, float cx, float cy, float radius) {
  int32_t l, t, r, b;
  WorldToPixel(cx - radius, cy + radius, l, t);
  WorldToPixel(cx + radius, cy - radius, r, b);
  dc->Ellipse(l, t, r, b);
}

}  // namespace

void Turtle::CircleChords(float cx, float cy, float radiusMM, float startDeg, int chords) {
  const float radius = radiusMM * kWorldUnitsPerMM;
  for (int i = 1; i <= chords; ++i) {
    const float a = (startDeg + 360.0f * float(i) / float(chords)) * 0.017453294f;
    const float px = cx + radius * std::cos(a), py = cy + radius * std::sin(a);
    StrokeXY(px - x, py - y);
  }
}

void Turtle::Circle() {
  const float cx = (x + farX) * 0.5f, cy = (y + farY) * 0.5f;
  if (recording) {
    const float bond = BondGeometry.bondLength > 0.0f ? BondGeometry.bondLength : 1.0f;
    const float m = std::fmax(14.0f, 20.0f * L / bond);
    const int chords = int(std::nearbyint(std::fmin(m, 720.0f)));
    CircleChords(cx, cy, L * 0.5f, theta + 180.0f, chords);
  } else if (drawing && (OutputFlags & kOutputPostScript)) {
    PSXY(-996, RoundToLong(x), RoundToLong(y), RoundToLong(farX), RoundToLong(farY));
  } else if (GdiShapes(*this)) {
    DeviceCircle(dc, cx, cy, L * 20.1f);
  }
  MoveToPoint(farX, farY);
}

void Turtle::Rectangle() {
  const float dx = farX - x, dy = farY - y;
  if (GdiShapes(*this)) {
    int32_t l, t, r, b;
    WorldToPixel(std::fmin(x, farX), std::fmax(y, farY), l, t);
    WorldToPixel(std::fmax(x, farX), std::fmin(y, farY), r, b);
    dc->Rectangle(l, t, r, b);
    return;
  }
  StrokeXY(dx, 0);
  StrokeXY(0, dy);
  StrokeXY(-dx, 0);
  StrokeXY(0, -dy);
}

void Turtle::Brackets(int code) {
  const float dx = farX - x, dy = farY - y;
  float e, h, v;
  if (code == 19) {
    e = Sign(dx) * 60.3f;
    if (e == 0.0f) e = 120.6f;
    h = 0.0f;
    v = dy;
  } else {
    e = Sign(dx) * std::fabs(dy / 2.0f);
    if (e == 0.0f) e = dy / 2.0f;
    h = Sign(dy) * std::fabs(e);
    v = 0.0f;
  }
  StrokeXY(-e, h);
  StrokeXY(0, v);
  StrokeXY(e, h);
  MoveXY(dx, 0);
  StrokeXY(e, -h);
  StrokeXY(0, -v);
  StrokeXY(-e, -h);
  MoveXY(-dx, 0);
}

void Turtle::RoundedRectangle() {
  const float left = std::fmin(x, farX), right = std::fmax(x, farX);
  const float bottom = std::fmin(y, farY), top = std::fmax(y, farY);
  if (GdiShapes(*this)) {
    int32_t l, t, r, b;
    WorldToPixel(left, top, l, t);
    WorldToPixel(right, bottom, r, b);
    dc->RoundRect(l, t, r, b, RoundToLong(200.0f * WorldWindow.sx),
                  RoundToLong(200.0f * WorldWindow.sy));
    return;
  }
  const float sx = x, sy = y;
  const float w = right - left - 200.0f, h = top - bottom - 200.0f;
  // Chords of a quarter circle of radius 100 at 67.5, 45 and 22.5 degrees.
  const float c1 = 19.0f, c2 = 35.1f, c3 = 45.8f;
  MoveToPoint(left, bottom + 100.0f);
  StrokeXY(0, h);
  StrokeXY(c1, c3);
  StrokeXY(c2, c2);
  StrokeXY(c3, c1);
  StrokeXY(w, 0);
  StrokeXY(c3, -c1);
  StrokeXY(c2, -c2);
  StrokeXY(c1, -c3);
  StrokeXY(0, -h);
  StrokeXY(-c1, -c3);
  StrokeXY(-c2, -c2);
  StrokeXY(-c3, -c1);
  StrokeXY(-w, 0);
  StrokeXY(-c3, c1);
  StrokeXY(-c2, c2);
  StrokeXY(-c1, c3);
  MoveToPoint(sx, sy);
}

void Turtle::Polygon(int sides) {
  Move(theta, L);
  for (int k = 1; k <= sides; ++k) Stroke(theta + 360.0f * float(k) * float(r) / float(sides), L);
}

void Turtle::HexagonCircle() {
  Polygon(6);
  const float ringAngle = theta + 120.0f * float(r);
  float cdx, cdy;
  PolarToXY(ringAngle, L, cdx, cdy);
  const float cx = x + cdx, cy = y + cdy;
  const float radius = 0.6f * L * kWorldUnitsPerMM;
  if (recording) {
    Move(ringAngle, 0.4f * L);
    StrokeAs(ringAngle, 1.2f * L, 14);
  } else if (drawing && (OutputFlags & kOutputPostScript)) {
    float ox, oy;
    PolarToXY(ringAngle, 0.6f * L, ox, oy);
    PSXY(-996, RoundToLong(cx - ox), RoundToLong(cy - oy), RoundToLong(cx + ox),
         RoundToLong(cy + oy));
  } else if (GdiShapes(*this)) {
    DeviceCircle(dc, cx, cy, radius);
  }
}

void Turtle::HexagonDoubles(int code) {
  float start = theta;
  if (code != 42) {
    Move(theta, L);
    start = theta + 60.0f * float(r);
  }
  const bool asSteps = recording && std::fabs(L - BondGeometry.bondLength) <= 1.0f;
  for (int side = 1; side <= 6; ++side) {
    const float angle = start + 60.0f * float(r) * float(side - 1);
    const bool isDouble = side % 2 == 0 && !(code == 53 && side == 6);
    if (!isDouble) {
      Stroke(angle, L);
    } else if (asSteps) {
      StrokeAs(angle, L, uint16_t(9 | (attrib & 0x80)));
    } else {
      Stroke(angle, L);
      const float ex = x, ey = y;
      InnerDoubleLine(angle, L);
      MoveToPoint(ex, ey);
    }
  }
  if (code == 42) MoveToPoint(farX, farY);
}

void Turtle::RingOutline(float a1, float a2) {
  const float fr = float(r);
  const float angles[6] = {theta, theta + a1 * fr, theta + a2 * fr,
                           theta + 180.0f, theta + a1 * fr + 180.0f, theta + a2 * fr + 180.0f};
  for (float a : angles) Stroke(a, L);
}
