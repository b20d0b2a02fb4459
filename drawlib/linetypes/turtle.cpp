#include "drawlib/linetypes/turtle.h"

#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/linetypes/draw_alt_bnd.h"

Turtle::Turtle(Device* d, float px, float py, int16_t opts)
    : dc(d), x(px), y(py), options(opts), recording((opts & kDrawAltBndRecord) != 0) {
  drawing = !recording &&
            (!(OutputFlags & kOutputScreen) || (options & kDrawAltBndDraw) != 0);
}

int16_t Turtle::StrokeMode() const {
  // Recorded strokes become plain lines in the attribute's width and colour.
  return recording ? int16_t((attrib & 0x7F00) | 1) : int16_t(1);
}

void Turtle::Line(float dx, float dy, int16_t mode) {
  float nx, ny;
  RelLine(dc, 0, 0, dx, dy, mode, x, y, nx, ny, options, 0);
}

void Turtle::Stroke(float angle, float lengthMM) {
  float nx, ny;
  RelLine(dc, angle, lengthMM, 0, 0, StrokeMode(), x, y, nx, ny, options, kRelPolar);
}

void Turtle::Move(float angle, float lengthMM) {
  float nx, ny;
  RelLine(dc, angle, lengthMM, 0, 0, -1, x, y, nx, ny, options, kRelPolar);
}

void Turtle::StrokeAs(float angle, float lengthMM, uint16_t code) {
  float nx, ny;
  const int16_t mode = recording ? int16_t((attrib & 0x7F00) | code) : int16_t(1);
  RelLine(dc, angle, lengthMM, 0, 0, mode, x, y, nx, ny, options, kRelPolar);
}

void Turtle::PolyVertex(float angle, float lengthMM) {
  float nx, ny;
  RelPolyPoint(dc, angle, lengthMM, x, y, nx, ny);
}

void Turtle::PolyStart() { PolyBuffer(dc, x, y, 1); }

void Turtle::PolyFill() { PolyBuffer(dc, x, y, int16_t((attrib & 0x7800) + 8)); }

void Turtle::PolyOutline() { PolyBuffer(dc, x, y, 4); }
