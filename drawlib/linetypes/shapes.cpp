// Dispatch of the line types to their shapes, and the bond shapes: parallel lines, wedges,
// wavy, dashed and hatched lines.
#include <algorithm>
#include <cmath>

#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/linetypes/turtle.h"
#include "platform/gdi/device.h"

namespace {
// Bound on the repeats of one pattern, so that a tiny spacing cannot stall drawing.
constexpr int kMaxRepeats = 5000;
}  // namespace

void Turtle::DrawShape(int code) {
  const BondGeometryRec& g = BondGeometry;
  switch (code) {
    case 2:
    case 10:
    case 22: Arrow(code, g.arrowSize, 2.5f, theta, L); break;
    case 8: Arrow(10, g.arrowSize * 0.5f, 1.0f, theta, L); break;
    case 21: {
      Move(theta + 90.0f * float(r), 0.9f);
      Arrow(2, g.arrowSize, 2.5f, theta, L);
      Move(theta - 90.0f * float(r), 1.8f);
      Arrow(2, g.arrowSize, 2.5f, theta + 180.0f, L);
      Move(theta + 90.0f * float(r), 0.9f);
      MoveToPoint(farX, farY);
      break;
    }
    case 3:
    case 4: Wedge(code); break;
    case 7:
    case 17: ParallelLines(code); break;
    case 9:
      Stroke(theta, L);
      InnerDoubleLine(theta, L);
      MoveToPoint(farX, farY);
      break;
    case 11: Wavy(); break;
    case 12: Dashes(0.6f); break;
    case 13: Dashes(0.11f); break;
    case 14: Circle(); break;
    case 15: Hatches(true); break;
    case 16: Hatches(false); break;
    case 18: Rectangle(); break;
    case 19:
    case 20: Brackets(code); break;
    case 23: RoundedRectangle(); break;
    case 33: case 34: case 35: case 36: case 37: case 38: case 39: Polygon(code - 30); break;
    case 41: HexagonCircle(); break;
    case 42:
    case 43:
    case 53: HexagonDoubles(code); break;
    case 44: RingOutline(-30.0f, 45.0f); break;
    case 45: RingOutline(75.0f, 210.0f); break;
    case 46: RingOutline(135.0f, 105.0f); break;
    case 51: ContinuousDashes(0.11f); break;
    case 52: ContinuousDashes(0.6f); break;
    default: break;  // path points, 48 and codes above 53 draw nothing
  }
}

void Turtle::ParallelLines(int code) {
  float d;
  if (code == 7) {
    d = BondGeometry.tripleSep;
    Stroke(theta, L);
  } else {
    d = BondGeometry.doubleSep * 0.5f;
    Move(theta, L);
  }
  Move(theta + 90.0f, d);
  Stroke(theta + 180.0f, L);
  Move(theta - 90.0f, 2.0f * d);
  Stroke(theta, L);
  Move(theta + 90.0f, d);
}

void Turtle::InnerDoubleLine(float angle, float length) {
  // From the end of a side: over to the inner line, which is cut at both ends.
  const float cut = BondGeometry.innerCut * length;
  Move(angle + 90.0f * float(r), BondGeometry.doubleSep);
  Move(angle + 180.0f, cut);
  Stroke(angle + 180.0f, length * (1.0f - 2.0f * BondGeometry.innerCut));
  Move(angle + 180.0f, cut);
}

void Turtle::Wedge(int code) {
  const float a = code == 3 ? BondGeometry.wedgeHalf : BondGeometry.thinWedgeHalf;
  const float w = code == 3 ? BondGeometry.wedgeWidth : BondGeometry.thinWedgeWidth;
  if (recording) {
    for (int k = -2; k <= 2; ++k) {
      const float angle = theta + float(k) * a / 2.0f;
      Stroke(angle, L);
      Move(angle + 180.0f, L);
    }
    MoveToPoint(farX, farY);
    return;
  }
  const float sx = x, sy = y;
  PolyStart();
  PolyVertex(theta - a, L);
  PolyVertex(theta + 90.0f, w * L);
  PolyVertex(a + theta + 180.0f, L);
  if (drawing) PolyFill();
  x = sx;
  y = sy;
  MoveToPoint(farX, farY);
}

void Turtle::Wavy() {
  const bool poly = !recording;
  auto step = [&](float angle, float len) {
    if (poly) PolyVertex(angle, len);
    else Stroke(angle, len);
  };
  if (poly) PolyStart();
  step(theta, 0.5f);
  float covered = 0.5f;
  float s = 1.0f;
  for (int n = 0; covered <= L - 0.9f && n < kMaxRepeats; ++n) {
    step(theta + 60.0f * s, 0.5f);
    step(theta, 0.4f);
    step(theta - 60.0f * s, 0.5f);
    covered += 0.9f;
    s = -s;
  }
  if (poly && drawing) PolyOutline();
  MoveToPoint(farX, farY);
}

void Turtle::Dashes(float dash) {
  float p = 0.0f;
  for (int n = 0; p + 1.2f + dash <= L && n < kMaxRepeats; ++n) {
    Move(theta, 1.2f);
    Stroke(theta, dash);
    if (drawing && (OutputFlags & kOutputGdi) && dc) {
      int32_t px, py;
      WorldToPixel(x, y, px, py);
      dc->SetPixel(px, py, CachedPenColour());
    }
    p += 1.2f + dash;
  }
  MoveToPoint(farX, farY);
}

void Turtle::Hatches(bool wedge) {
  const float sep = BondGeometry.hatchSep;
  float p = 0.0f;
  if (sep > 0.0f) {
    for (int n = 0; p + sep <= L && n < kMaxRepeats; ++n) {
      Move(theta, sep);
      p += sep;
      const float w = wedge ? 0.09f * p : 0.5f;
      Move(theta - 90.0f, w);
      Stroke(theta + 90.0f, 2.0f * w);
      Move(theta - 90.0f, w);
    }
  }
  Move(theta, L - p);
}

void Turtle::ContinuousDashes(float dash) {
  if (attrib != LastLineAttrib) DashPhase = 0.0f;
  constexpr float gap = 1.2f;
  const float period = gap + dash;
  float q = 0.0f;
  for (int n = 0; q < L && n < 4 * kMaxRepeats; ++n) {
    if (!(DashPhase >= 0.0f && DashPhase < period)) DashPhase = 0.0f;
    const float left = L - q;
    if (DashPhase < gap) {
      const float step = std::min(gap - DashPhase, left);
      Move(theta, step);
      DashPhase += step;
      q += step;
    } else {
      const float step = std::min(period - DashPhase, left);
      Stroke(theta, step);
      DashPhase += step;
      q += step;
      if (DashPhase >= period) {
        if (drawing && (OutputFlags & kOutputGdi) && dc) {
          int32_t px, py;
          WorldToPixel(x, y, px, py);
          dc->SetPixel(px, py, CachedPenColour());
        }
      }
    }
    if (DashPhase >= period) DashPhase = 0.0f;
    if (left - (L - q) <= 0.0f) break;  // no progress
  }
  MoveToPoint(farX, farY);
}
