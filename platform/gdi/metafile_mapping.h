// Logical-to-device mapping of a device context: map mode, window and viewport origins and
// extents, as the metafile records set them. Fixed map modes use the device's pixels per
// millimetre; the isotropic mode keeps both axes at the smaller scale.
#pragma once

#include <cstdint>

#include "platform/gdi/device.h"

enum MapMode : int32_t {
  kMapText = 1, kMapLoMetric = 2, kMapHiMetric = 3, kMapLoEnglish = 4, kMapHiEnglish = 5,
  kMapTwips = 6, kMapIsotropic = 7, kMapAnisotropic = 8,
};

struct MetafileMapping {
  int32_t mode = kMapText;
  GdiPoint windowOrg, viewportOrg;
  GdiSize windowExt{1, 1}, viewportExt{1, 1};
  double fixedScaleX = 1, fixedScaleY = 1;  // device units per logical unit of fixed modes

  // Switches the map mode; unknown modes are ignored. Fixed modes set their own extents.
  void SetMode(int32_t newMode, double pixelsPerMmX, double pixelsPerMmY);
  // Extents count only in the isotropic and anisotropic modes; zero extents are refused.
  void SetWindowExt(GdiSize ext);
  void SetViewportExt(GdiSize ext);

  // Device units per logical unit along each axis (negative when the axis is flipped).
  double ScaleX() const;
  double ScaleY() const;
  // A logical point in device units, not rounded.
  double DeviceX(int32_t x) const { return (double(x) - windowOrg.x) * ScaleX() + viewportOrg.x; }
  double DeviceY(int32_t y) const { return (double(y) - windowOrg.y) * ScaleY() + viewportOrg.y; }
};
