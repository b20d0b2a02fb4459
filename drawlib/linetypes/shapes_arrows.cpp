// Arrows and arrowheads of the line types 2, 8, 10, 21 and 22.
#include <algorithm>

#include "drawlib/device/world_window.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/linetypes/turtle.h"
#include "drawlib/pardata.h"

void Turtle::Arrow(int code, float s, float k, float angle, float length) {
  switch (WidthClass()) {
    case 2: s *= 1.2f; break;
    case 3: k *= 0.6f; s *= 0.8f; break;
    case 4: k *= 1.8f; s *= 1.2f; break;
    case 5: k *= 0.4f; s *= 0.6f; break;
    default: break;
  }
  if (code == 22) Move(angle, k);
  const float shaft = length - k - (code == 22 ? k : 0.0f);
  if (shaft > 0.0f) Stroke(angle, shaft);
  Move(angle, k);
  ArrowHead(code, s, angle);
  Move(angle, 0.3f * s);
  if (recording && WorldWindow.zoom * Pardata[41].Default > 0.8f) {
    Move(angle + 180.0f, 0.12f * s);
    ArrowHead(code, 0.5f * s, angle);
    Move(angle, 0.27f * s);
  }
  if (code == 22) {
    Move(angle + 180.0f, length);
    ArrowHead(code, s, angle + 180.0f);
  }
}

// A head whose tip is the current point; it ends 0.3 * s behind the tip, on the shaft.
void Turtle::ArrowHead(int code, float s, float angle) {
  const bool full = code == 10 || code == 22;
  // The full head has barbs on both sides whatever the direction bit says.
  const float rr = full ? 1.0f : float(r);
  if (recording) {
    if (full) {
      Move(angle + 180.0f, 0.3f * s);
      Stroke(angle - 115.0f, 0.0778f * s);
      Stroke(angle + 12.0f, 0.341f * s);
    }
    Stroke(angle + 168.0f * rr, 0.341f * s);
    Stroke(angle - 65.0f * rr, 0.0778f * s);
  } else {
    Move(angle + 180.0f, 0.3f * s);
    PolyStart();
    if (full) {
      PolyVertex(angle - 115.0f, 0.0778f * s);
      PolyVertex(angle + 12.0f, 0.341f * s);
    } else {
      PolyVertex(angle, 0.3f * s);
    }
    PolyVertex(angle + 168.0f * rr, 0.341f * s);
    PolyVertex(angle - 65.0f * rr, 0.0778f * s);
    if (drawing) PolyFill();
  }
}
