#include "platform/gdi/metafile_mapping.h"

#include <cmath>
#include <cstdlib>

namespace {

// Logical units per millimetre of the fixed map modes.
double UnitsPerMm(int32_t mode) {
  switch (mode) {
    case kMapLoMetric: return 10;
    case kMapHiMetric: return 100;
    case kMapLoEnglish: return 100 / 25.4;
    case kMapHiEnglish: return 1000 / 25.4;
    case kMapTwips: return 1440 / 25.4;
    default: return 0;
  }
}

bool IsScalable(int32_t mode) { return mode == kMapIsotropic || mode == kMapAnisotropic; }

}  // namespace

void MetafileMapping::SetMode(int32_t newMode, double pixelsPerMmX, double pixelsPerMmY) {
  if (newMode < kMapText || newMode > kMapAnisotropic) return;
  const double units = UnitsPerMm(newMode);
  if (newMode == kMapText) {
    windowExt = viewportExt = {1, 1};
  } else if (units > 0) {
    fixedScaleX = pixelsPerMmX / units;  // Y upward
    fixedScaleY = -pixelsPerMmY / units;
  } else if (newMode == kMapIsotropic && mode != kMapIsotropic) {
    // The isotropic mode starts at the low-metric scale.
    windowExt = {10000, 10000};
    viewportExt = {int32_t(std::lround(pixelsPerMmX * 1000)),
                   -int32_t(std::lround(pixelsPerMmY * 1000))};
  }
  mode = newMode;
}

void MetafileMapping::SetWindowExt(GdiSize ext) {
  if (IsScalable(mode) && ext.cx != 0 && ext.cy != 0) windowExt = ext;
}

void MetafileMapping::SetViewportExt(GdiSize ext) {
  if (IsScalable(mode) && ext.cx != 0 && ext.cy != 0) viewportExt = ext;
}

double MetafileMapping::ScaleX() const {
  if (UnitsPerMm(mode) > 0) return fixedScaleX;
  const double sx = double(viewportExt.cx) / windowExt.cx;
  if (mode != kMapIsotropic) return sx;
  const double sy = double(viewportExt.cy) / windowExt.cy;
  return std::abs(sy) < std::abs(sx) ? std::copysign(std::abs(sy), sx) : sx;
}

double MetafileMapping::ScaleY() const {
  if (UnitsPerMm(mode) > 0) return fixedScaleY;
  const double sy = double(viewportExt.cy) / windowExt.cy;
  if (mode != kMapIsotropic) return sy;
  const double sx = double(viewportExt.cx) / windowExt.cx;
  return std::abs(sx) < std::abs(sy) ? std::copysign(std::abs(sx), sy) : sy;
}
