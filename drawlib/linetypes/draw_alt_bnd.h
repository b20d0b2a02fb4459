// The line-object renderer: one line step of a drawing between two world points, in one of 53
// line types (bonds, arrows, rings, boxes, dashes), built from turtle steps in millimetres and
// degrees so that the same code draws on the screen, on a device, into PostScript, or records
// the shape as plain line steps.
#pragma once

#include <cstdint>

class Device;

struct BondGeometryRec {
  float doubleSep = 0;       // separation of double lines, mm
  float tripleSep = 0;       // separation of triple lines, mm
  float hatchSep = 0;        // spacing of hatch strokes, mm
  float bondLength = 0;      // standard bond length, mm
  float innerCut = 0;        // fraction cut from each end of an inner double line
  float wedgeHalf = 0;       // half the wedge angle, degrees
  float wedgeWidth = 0;      // wide-end width per unit length
  float thinWedgeHalf = 0;
  float thinWedgeWidth = 0;
  float arrowSize = 0;       // arrowhead size, mm
};
extern BondGeometryRec BondGeometry;
extern uint16_t LastLineAttrib;
extern float DashPhase;  // position inside the dash period of types 51 and 52, mm

// Options: 1 draw on screen output; 2 record the strokes as line steps (filled shapes as strokes);
// 4096 only reload the bond geometry from the preference table.
inline constexpr int16_t kDrawAltBndDraw = 1;
inline constexpr int16_t kDrawAltBndRecord = 2;
inline constexpr int16_t kDrawAltBndReloadShapes = 4096;
void DrawAltBnd(Device* dc, float x1, float y1, uint16_t attrib, float x2, float y2,
                int16_t options);

// Kind 5501: the step is (length mm, angle degrees); any other kind takes dx, dy in world
// units. Draws (mode > 0) or moves from (cx, cy) to (nx, ny) by the output in force; then
// (cx, cy) = (nx, ny). Moves are mode -1 (recorded as type 0).
inline constexpr int16_t kRelPolar = 5501;
void RelLine(Device* dc, float angle, float length, float dx, float dy, int16_t mode, float& cx,
             float& cy, float& nx, float& ny, int16_t options, int16_t kind);
// A polar step whose end point is added to the polygon buffer.
void RelPolyPoint(Device* dc, float angle, float length, float& cx, float& cy, float& nx,
                  float& ny);

// Start state of the renderer (tests).
void LineTypesReset();
