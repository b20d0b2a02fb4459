#include "drawlib/device/world_lines.h"

#include <algorithm>

#include "drawlib/color_scheme.h"
#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_window.h"
#include "drawlib/linegs/line_gs.h"
#include "drawlib/ps_interface.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/util/error_location.h"

GdiPoint LastPixelPoint;

namespace {

std::vector<GdiPoint> polyPoints;  // the run: point 0 and count points after it
constexpr size_t kPolylineChunk = 2001;

uint32_t PaletteColour(int index) {
  return ColorScheme.ColorPalette[size_t(std::clamp(index, 0, kPaletteSize - 1))];
}

GdiPoint Pixel(float x, float y) {
  GdiPoint p;
  WorldToPixelPt(x, y, p);
  return p;
}

void SmoothOutline(Device* dc) {
  for (size_t i = 1; i < polyPoints.size(); ++i)
    SharedLineGS().WuLineGP(dc, polyPoints[i - 1].x, polyPoints[i - 1].y, polyPoints[i].x,
                            polyPoints[i].y, CachedPenColour(), CachedPenWidth());
}

}  // namespace

uint32_t CachedPenColour() { return PenCache.colour < 0 ? 0u : uint32_t(PenCache.colour); }
int32_t CachedPenWidth() { return PenCache.width > 0 ? PenCache.width : 1; }

const std::vector<GdiPoint>& PolyPoints() { return polyPoints; }

void WorldLineTo(Device* dc, float x1, float y1, float x2, float y2, int16_t mode) {
  const GdiPoint to = Pixel(x2, y2);
  if ((OutputFlags & kOutputGdi) && dc && mode != 0) {
    if (mode > 0) {
      const GdiPoint from = Pixel(x1, y1);
      if (OutputFlags & kOutputSmooth) {
        SharedLineGS().WuLineGP(dc, from.x, from.y, to.x, to.y, CachedPenColour(),
                                CachedPenWidth());
      } else {
        if (!(from == LastPixelPoint)) dc->MoveTo(from.x, from.y);
        dc->LineTo(to.x, to.y);
      }
    } else {
      dc->MoveTo(to.x, to.y);
    }
  }
  LastPixelPoint = to;
}

void WorldLinePlain(Device* dc, float x1, float y1, float x2, float y2, int16_t mode) {
  if (!dc || mode == 0) return;
  const GdiPoint to = Pixel(x2, y2);
  if (mode > 0) {
    const GdiPoint from = Pixel(x1, y1);
    dc->MoveTo(from.x, from.y);
    dc->LineTo(to.x, to.y);
  } else {
    dc->MoveTo(to.x, to.y);
  }
}

void DrawHandleSquare(Device* dc, float x, float y, int16_t colourIndex, int16_t force) {
  ErrorLocation = 4037;
  if (dc && (force == 1 || (DrawOptions & kDrawOptionHandles))) {
    const float zoom = WorldWindow.zoom > 0.0f ? WorldWindow.zoom : 1.0f;
    const float h = kWorldUnitsPerMM / zoom;
    const uint32_t c = PaletteColour(colourIndex);
    const int32_t oldWidth = dc->CurrentPenWidth();
    const uint32_t oldColour = dc->CurrentPenColor();
    dc->SetPen(1, c);
    dc->SetBrush(false, c);
    const GdiPoint a = Pixel(x - h, y + h), b = Pixel(x + h, y - h);
    dc->Rectangle(a.x, a.y, b.x, b.y);
    dc->SetBrush(true, PenCache.logBrushColour);
    dc->SetPen(oldWidth, oldColour);
  }
  ErrorLocation = 4038;
}

void PolyBuffer(Device* dc, float x, float y, int16_t mode) {
  if (OutputFlags & kOutputPostScript) {
    PSPolyline(x, y, mode);
    return;
  }
  if (mode == 1) {
    polyPoints.assign(1, Pixel(x, y));
    return;
  }
  if (mode == 2) {
    if (polyPoints.empty()) polyPoints.push_back(Pixel(x, y));
    polyPoints.push_back(Pixel(x, y));
    return;
  }
  if (polyPoints.size() < 2) {
    polyPoints.clear();
    return;
  }
  if (!(OutputFlags & kOutputGdi) || !dc) {
    polyPoints.clear();
    return;
  }
  if (mode & 4) {
    if (OutputFlags & kOutputSmooth) {
      SmoothOutline(dc);
    } else {
      // Outlines go out in runs of 2001 points, each run starting at the last point of the one
      // before.
      for (size_t start = 0; start + 1 < polyPoints.size(); start += kPolylineChunk - 1) {
        const size_t end = std::min(polyPoints.size(), start + kPolylineChunk);
        dc->Polyline(std::vector<GdiPoint>(polyPoints.begin() + long(start),
                                           polyPoints.begin() + long(end)));
      }
    }
  } else {
    // A filled shape is one polygon, however many points it has.
    const uint32_t fill = PaletteColour(uint16_t(mode) >> 11);
    const int32_t oldWidth = dc->CurrentPenWidth();
    const uint32_t oldColour = dc->CurrentPenColor();
    if (mode & 16) {
      dc->SetPen(LineWidthSet(int16_t(std::clamp(RoundToLong(LabelAttrs[1]), 1, 5))), fill);
      dc->SetBrush(false, SchemeBackColor);
    } else {
      dc->SetPen(1, fill);
      dc->SetBrush(false, fill);
    }
    dc->Polygon(polyPoints);
    dc->SetBrush(true, PenCache.logBrushColour);
    dc->SetPen(oldWidth, oldColour);
    if (OutputFlags & kOutputSmooth) SmoothOutline(dc);
  }
  WorldLineTo(dc, -999.0f, -999.0f, -999.0f, -999.0f, 0);
  polyPoints.clear();
}

void BoxExtend(float box[4], const StepBoxRec& b, float dx, float dy) {
  box[0] = std::min(box[0], b.x1 + dx);
  box[1] = std::min(box[1], b.y1 + dy);
  box[2] = std::max(box[2], b.x2 + dx);
  box[3] = std::max(box[3], b.y2 + dy);
}

void WorldLinesReset() {
  LastPixelPoint = {};
  polyPoints.clear();
}
