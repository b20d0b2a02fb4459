#include "drawlib/linetypes/draw_alt_bnd.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/linegs/line_gs.h"
#include "drawlib/linetypes/turtle.h"
#include "drawlib/pardata.h"
#include "drawlib/ps_interface.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/geometry.h"
#include "platform/msgbox.h"

BondGeometryRec BondGeometry;
uint16_t LastLineAttrib = 0;
float DashPhase = 0.0f;

namespace {

constexpr float kRadPerDeg = 0.017453294f;

void ReloadBondGeometry() {
  BondGeometryRec& g = BondGeometry;
  g.doubleSep = Pardata[16].Default;
  g.tripleSep = Pardata[47].Default;
  g.hatchSep = Pardata[44].Default;
  g.bondLength = Pardata[15].Default;
  g.innerCut = (1.0f - Pardata[19].Default) * 0.5f;
  g.wedgeHalf = Pardata[45].Default * 0.5f;
  g.wedgeWidth = 2.0f * std::sin(g.wedgeHalf * kRadPerDeg);
  g.thinWedgeHalf = Pardata[46].Default * 0.5f;
  g.thinWedgeWidth = 2.0f * std::sin(g.thinWedgeHalf * kRadPerDeg);
  g.arrowSize = Pardata[41].Default * g.bondLength;
}

bool IsRefused(int code) {
  return code == 5 || code == 32 || code == 40 || code == 47 || code == 49 || code == 50;
}

}  // namespace

void RelLine(Device* dc, float angle, float length, float dx, float dy, int16_t mode, float& cx,
             float& cy, float& nx, float& ny, int16_t options, int16_t kind) {
  if (kind == kRelPolar) PolarToXY(angle, length, dx, dy);
  nx = cx + dx;
  ny = cy + dy;
  if (OutputFlags & kOutputScreen) {
    if (options & kDrawAltBndDraw) {
      if (mode > 0) {
        if (OutputFlags & kOutputSmooth) {
          int32_t x1, y1, x2, y2;
          WorldToPixel(cx, cy, x1, y1);
          WorldToPixel(nx, ny, x2, y2);
          SharedLineGS().WuLineGP(dc, x1, y1, x2, y2, CachedPenColour(), CachedPenWidth());
        } else {
          WorldLinePlain(dc, cx, cy, nx, ny, mode);
        }
      }
    } else if (options & kDrawAltBndRecord) {
      StepAddPoint(cx, cy, nx, ny, mode > 0 ? uint16_t(mode) : 0);
    }
  } else if (OutputFlags & kOutputGdi) {
    if (mode > 0) WorldLineTo(dc, cx, cy, nx, ny, mode);
  } else if (OutputFlags & kOutputPostScript) {
    PSXY(mode, RoundToLong(cx), RoundToLong(cy), RoundToLong(nx), RoundToLong(ny));
  }
  cx = nx;
  cy = ny;
}

void RelPolyPoint(Device* dc, float angle, float length, float& cx, float& cy, float& nx,
                  float& ny) {
  float dx, dy;
  PolarToXY(angle, length, dx, dy);
  nx = cx + dx;
  ny = cy + dy;
  PolyBuffer(dc, nx, ny, 2);
  cx = nx;
  cy = ny;
}

void DrawAltBnd(Device* dc, float x1, float y1, uint16_t attrib, float x2, float y2,
                int16_t options) {
  // The reload needs no segment: it runs whatever the attribute word is.
  if (options & kDrawAltBndReloadShapes) {
    ReloadBondGeometry();
    return;
  }
  ErrorLocation = 4007;
  Turtle t(dc, x1, y1, options);
  float dx = x2 - x1, dy = y2 - y1;
  if (int16_t(attrib) <= 0) {
    t.MoveXY(dx, dy);
    LastLineAttrib = attrib;
    ErrorLocation = 4008;
    return;
  }
  int code = attrib & 63;
  if (code == 6) {
    attrib = uint16_t((attrib & 0x7800) | 0x0301);
    code = 1;
  }
  t.attrib = attrib;
  if (PenPart(attrib) != PenCache.attrib) PenSetAttrib(dc, int16_t(attrib));
  if (code <= 1) {
    t.Line(dx, dy, t.recording ? int16_t(attrib) : int16_t(1));
  } else {
    if (attrib & 0x40) {
      t.MoveXY(dx, dy);
      dx = -dx;
      dy = -dy;
    }
    float length = 0;
    t.theta = VectorPolar(dx, dy, length) * 57.295773f;
    t.L = length * 0.024875622f;
    t.r = (attrib & 0x80) ? -1 : 1;
    t.farX = t.x + dx;
    t.farY = t.y + dy;
    if (IsRefused(code)) {
      MsgBox("Error in Draw-AltBnd = " + std::to_string(code) + " improper call", vbCritical,
             "DrawAltBnd error");
    } else {
      t.DrawShape(code);
    }
    if (attrib & 0x40) t.Stroke(t.theta + 180.0f, t.L);
  }
  LastLineAttrib = attrib;
  ErrorLocation = 4008;
}

void LineTypesReset() {
  BondGeometry = BondGeometryRec{};
  LastLineAttrib = 0;
  DashPhase = 0.0f;
}
