#include "drawlib/axes/draw_path.h"

#include <algorithm>
#include <cmath>

#include "drawlib/color_scheme.h"
#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/geometry.h"
#include "platform/gdi/device.h"

namespace {

uint16_t ChordAttrib(uint16_t attrib, bool recording) {
  const int code = attrib & 31;
  if (code >= 27 && code <= 29)
    return uint16_t((attrib & 0xFF00) + 50 + ((int8_t(attrib & 0xFF) >> 1) & 3));
  if (recording) return uint16_t((attrib & ~0x18) | 1);
  return uint16_t(attrib & 0xFF00);
}

void HandleSquare(Device* dc, float x, float y) {
  const float zoom = std::max(WorldWindow.zoom, 1.0f);
  const int32_t h = RoundToLong(2.0f * WorldWindow.sx * 20.1f / zoom);
  int32_t px, py;
  WorldToPixel(x, y, px, py);
  PenSetStyleColor(dc, 1, SchemeHandIndex, 0);
  dc->SetBrush(true, 0xFFFFFF);
  dc->Rectangle(px - h, py - h, px + h, py + h);
}

}  // namespace

void BezierSegment(Device* dc, const BezierState& s, int16_t options) {
  const bool recording = (options & kDrawAltBndRecord) != 0;
  const bool chordsAsLines = (s.attrib & 63) >= 51 || recording;
  float cx[3], cy[3];
  cx[2] = 3.0f * (s.px[1] - s.px[0]);
  cy[2] = 3.0f * (s.py[1] - s.py[0]);
  cx[1] = 3.0f * (s.px[2] - s.px[1]) - cx[2];
  cy[1] = 3.0f * (s.py[2] - s.py[1]) - cy[2];
  cx[0] = s.px[3] - s.px[0] - cx[2] - cx[1];
  cy[0] = s.py[3] - s.py[0] - cy[2] - cy[1];
  float prevX = s.px[0], prevY = s.py[0];
  const int chords = std::max<int>(1, s.chords);
  for (int i = 1; i <= chords; ++i) {
    const float t = float(i) / float(chords);
    const float qx = cx[0] * t * t * t + cx[1] * t * t + cx[2] * t + s.px[0];
    const float qy = cy[0] * t * t * t + cy[1] * t * t + cy[2] * t + s.py[0];
    if (chordsAsLines) DrawAltBnd(dc, prevX, prevY, s.attrib, qx, qy, options);
    else PolyBuffer(dc, qx, qy, 2);
    prevX = qx;
    prevY = qy;
  }
}

void DrawPath(Device* dc, StepArrays& steps, int16_t chords, int16_t& index, uint16_t attrib,
              int16_t options) {
  ErrorLocation = 4003;
  const int ub = steps.UBound();
  if (index < 0 || index > ub) return;
  int last = index;
  while (last + 1 <= ub && IsPathCode(steps.StepType[size_t(last + 1)])) ++last;
  int first = index;
  while (first > 0 && IsPathCode(steps.StepType[size_t(first)])) --first;
  index = int16_t(last);

  const bool recording = (options & kDrawAltBndRecord) != 0;
  const int code = attrib & 31;
  BezierState s;
  s.attrib = ChordAttrib(attrib, recording);
  s.chords = chords;
  if (!recording) PolyBuffer(dc, steps.X[size_t(first)], steps.Y[size_t(first)], 1);
  const bool handles = (OutputFlags & kOutputScreen) && (OutputFlags & kOutputGdi) &&
                       (DrawOptions & kDrawOptionHandles) && options != 2 && dc;
  int held = 0;
  for (int i = first; i <= last; ++i) {
    const float x = steps.X[size_t(i)], y = steps.Y[size_t(i)];
    if (handles) HandleSquare(dc, x, y);
    if (code == 31) {
      PolyBuffer(dc, x, y, 2);
    } else if (held == 3 && i != last) {
      const float mx = (s.px[2] + x) * 0.5f, my = (s.py[2] + y) * 0.5f;
      s.px[3] = mx;
      s.py[3] = my;
      BezierSegment(dc, s, options);
      s.px[0] = mx;
      s.py[0] = my;
      s.px[1] = x;
      s.py[1] = y;
      held = 2;
    } else if (held < 4) {
      s.px[held] = x;
      s.py[held] = y;
      ++held;
    }
    if (recording && i > first) steps.StepType[size_t(i)] = 0xFFFF;
  }
  if (held > 2) {
    if (held == 3) {
      s.px[3] = s.px[2];
      s.py[3] = s.py[2];
    }
    BezierSegment(dc, s, options);
  }
  if (recording || !(OutputFlags & (kOutputGdi | kOutputPostScript))) {
    ErrorLocation = 4004;
    return;
  }
  PenSetAttrib(dc, int16_t(s.attrib));
  if (code == 30 || code == 31) {
    PolyBuffer(dc, 0, 0, int16_t((attrib & 0x7800) + 8));
    ErrorLocation = 4004;
    return;
  }
  if (code >= 24 && code <= 26) PolyBuffer(dc, 0, 0, 4);
  if (code == 25 || code == 26 || code == 29) {
    float dx = s.px[3] - s.px[2], dy = s.py[3] - s.py[2];
    if (dx == 0.0f && dy == 0.0f) {
      dx = s.px[3] - s.px[1];
      dy = s.py[3] - s.py[1];
    }
    const uint16_t head = uint16_t((attrib & 0xFF00) | 10);
    const float a = float(VectorAngle(dx, dy));
    const float lx = steps.X[size_t(last)], ly = steps.Y[size_t(last)];
    DrawAltBnd(dc, lx, ly, head, lx + 40.2f * std::cos(a), ly + 40.2f * std::sin(a), options);
    if (code == 26 && first + 1 <= last) {
      const float fx = steps.X[size_t(first)], fy = steps.Y[size_t(first)];
      const float b = float(VectorAngle(fx - steps.X[size_t(first + 1)],
                                        fy - steps.Y[size_t(first + 1)]));
      DrawAltBnd(dc, fx, fy, head, fx + 40.2f * std::cos(b), fy + 40.2f * std::sin(b), options);
    }
  }
  ErrorLocation = 4004;
}

void DrawCurrentPath(Device* dc, int16_t chords, int16_t& index, uint16_t attrib,
                     int16_t options) {
  DrawPath(dc, StepList, chords, index, attrib, options);
}
