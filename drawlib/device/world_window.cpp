#include "drawlib/device/world_window.h"

#include <cmath>

#include "drawlib/device/output_object.h"
#include "drawlib/pardata.h"
#include "drawlib/ps_interface.h"
#include "platform/gdi/device.h"

WorldWindowRec WorldWindow;
uint16_t OutputFlags = kOutputFlagsScreen;
OutputObject* OutputTarget = nullptr;
Device* ReferenceDevice = nullptr;
int32_t OutputDeviceWord = 0;

int32_t RoundToLong(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return 2147483647;
  if (v <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int32_t>(std::nearbyint(v));
}

bool SetWorldWindow(const OutputObject* target, float x1, float y1, float x2, float y2) {
  if (!target) return false;
  const float w = x2 - x1, h = y2 - y1;
  if (!(std::isfinite(w) && std::isfinite(h)) || w == 0.0f || h == 0.0f) return false;
  const float tx = target->TwipsPerPixelX(), ty = target->TwipsPerPixelY();
  if (!(tx > 0.0f && ty > 0.0f)) return false;
  const float sx = target->WidthTwips() / w / tx;
  const float sy = target->HeightTwips() / h / ty;
  if (!(std::isfinite(sx) && std::isfinite(sy)) || sx == 0.0f || sy == 0.0f) return false;
  WorldWindow.sx = sx;
  WorldWindow.sy = sy;
  WorldWindow.x0 = x1;
  WorldWindow.y0 = y2;
  return true;
}

void TargetWorldRect(float& x1, float& y1, float& x2, float& y2) {
  if (!(WorldWindow.zoom >= Pardata[35].Min) || !(WorldWindow.zoom > 0.0f))
    WorldWindow.zoom = 0.7f;
  const float w = OutputTarget ? OutputTarget->WidthTwips() : 0.0f;
  const float h = OutputTarget ? OutputTarget->HeightTwips() : 0.0f;
  const float hw = kTwipsToWorld * w * 0.5f / WorldWindow.zoom;
  const float hh = kTwipsToWorld * h * 0.5f / WorldWindow.zoom;
  x1 = -hw - WorldWindow.panX;
  x2 = hw - WorldWindow.panX;
  y1 = -hh - WorldWindow.panY;
  y2 = hh - WorldWindow.panY;
}

int32_t WorldToPixelX(float x) { return RoundToLong((x - WorldWindow.x0) * WorldWindow.sx); }
int32_t WorldToPixelY(float y) { return RoundToLong((WorldWindow.y0 - y) * WorldWindow.sy); }

void WorldToPixel(float x, float y, int32_t& px, int32_t& py) {
  px = WorldToPixelX(x);
  py = WorldToPixelY(y);
}

void WorldToPixelPt(float x, float y, GdiPoint& pt) { WorldToPixel(x, y, pt.x, pt.y); }

void PixelToWorld(int32_t px, int32_t py, float& x, float& y) {
  x = WorldWindow.sx != 0.0f ? float(px) / WorldWindow.sx + WorldWindow.x0 : WorldWindow.x0;
  y = WorldWindow.sy != 0.0f ? WorldWindow.y0 - float(py) / WorldWindow.sy : WorldWindow.y0;
}
