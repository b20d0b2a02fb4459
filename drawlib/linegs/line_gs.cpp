#include "drawlib/linegs/line_gs.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/device.h"
#include "platform/msgbox.h"

struct LineGS::Target {
  Device* dc;  // nullptr: the pixel array
  // Pixel rectangle that stepping is limited to (a margin around the surface).
  int64_t left, top, right, bottom;
};

namespace {

int32_t RoundHalfEven(double v) {
  if (!(v > -2.0e9 && v < 2.0e9)) return v > 0 ? 2000000000 : -2000000000;
  return static_cast<int32_t>(std::nearbyint(v));
}

uint32_t DibToColour(uint32_t p) {  // 0x00RRGGBB -> 0x00BBGGRR
  return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}
uint32_t ColourToDib(uint32_t c) { return DibToColour(c); }

constexpr float kQuarterTurn = 1.570796f;
constexpr float kRadPerDeg = 0.017453289f;
// Bound on the points of one ellipse quadrant or arc, so that a huge radius cannot stall drawing.
constexpr int64_t kMaxCurvePoints = 4000000;

// True when no point of the ellipse can touch the target: its box misses the target, or the
// target lies wholly inside it.
template <typename T>
bool OutsideTarget(const T& t, float cx, float cy, float rx, float ry) {
  const double ax = std::fabs(double(rx)) + 2.0, ay = std::fabs(double(ry)) + 2.0;
  const double l = double(t.left) - 2.0, r = double(t.right) + 2.0;
  const double top = double(t.top) - 2.0, b = double(t.bottom) + 2.0;
  if (cx + ax < l || cx - ax > r || cy + ay < top || cy - ay > b) return true;
  const double ix = std::fabs(double(rx)) - 2.0, iy = std::fabs(double(ry)) - 2.0;
  if (ix <= 0.0 || iy <= 0.0) return false;
  for (double x : {l, r})
    for (double y : {top, b}) {
      const double u = (x - cx) / ix, v = (y - cy) / iy;
      if (u * u + v * v >= 1.0) return false;
    }
  return true;
}

}  // namespace

LineGS& SharedLineGS() {
  static LineGS shared;
  return shared;
}

void LineGS::DIB(Device* dc, int32_t width, int32_t height) {
  dibDC_ = dc;
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  pixels_.assign(size_t(width_) * size_t(height_), 0);
  if (dc && dc->HasPixelAccess())
    for (int32_t y = 0; y < height_; ++y)
      for (int32_t x = 0; x < width_; ++x)
        pixels_[size_t(y) * size_t(width_) + size_t(x)] = ColourToDib(dc->GetPixel(x, y));
  loaded_ = true;
}

void LineGS::Array2Pic() {
  if (!loaded_) return;
  if (dibDC_)
    for (int32_t y = 0; y < height_; ++y)
      for (int32_t x = 0; x < width_; ++x)
        dibDC_->SetPixel(x, y, DibToColour(pixels_[size_t(y) * size_t(width_) + size_t(x)]));
  loaded_ = false;
}

uint32_t LineGS::PixelAt(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || pixels_.empty()) return 0;
  return DibToColour(pixels_[size_t(y) * size_t(width_) + size_t(x)]);
}

void LineGS::SetRGBComponents(uint32_t c) {
  // System colours (high byte set) cannot be translated here: they give black.
  if (c > 0xFFFFFF) c = 0;
  colour = c;
  red = int32_t(c & 255);
  green = int32_t((c / 256) & 255);
  blue = int32_t(c / 65536);
}

float LineGS::AngleStep(float radius, int32_t stepMode) {
  const float k = stepMode == 1 ? 0.5340707f : 1.0681413f;
  if (radius == 0.0f) return k;
  return k / std::fabs(radius);
}

void LineGS::SolidPixel(const Target& t, int32_t x, int32_t y) {
  if (t.dc) {
    t.dc->SetPixel(x, y, colour);
    return;
  }
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[size_t(y) * size_t(width_) + size_t(x)] = ColourToDib(colour);
}

void LineGS::BlendPixel(const Target& t, int32_t x, int32_t y, int32_t alpha) {
  // Alpha 0 leaves the pixel as it is: blending by 255/256 would darken white into a halo.
  if (alpha <= 0) return;
  if (alpha > 252) {
    SolidPixel(t, x, y);
    return;
  }
  uint32_t old;
  if (t.dc) {
    old = t.dc->GetPixel(x, y);
  } else {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    old = DibToColour(pixels_[size_t(y) * size_t(width_) + size_t(x)]);
  }
  const int32_t oldR = int32_t(old & 255), oldG = int32_t((old >> 8) & 255),
                oldB = int32_t((old >> 16) & 255);
  const int32_t r = (red * alpha + oldR * (255 - alpha)) / 256;
  const int32_t g = (green * alpha + oldG * (255 - alpha)) / 256;
  const int32_t b = (blue * alpha + oldB * (255 - alpha)) / 256;
  const uint32_t c = uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16);
  if (t.dc) t.dc->SetPixel(x, y, c);
  else pixels_[size_t(y) * size_t(width_) + size_t(x)] = ColourToDib(c);
}

void LineGS::BlendPixelGP(Device* dc, int32_t x, int32_t y, int32_t alpha) {
  if (dc) BlendPixel(Target{dc, 0, 0, 0, 0}, x, y, alpha);
}

void LineGS::BlendPixelDIB(int32_t x, int32_t y, int32_t alpha) {
  if (loaded_) BlendPixel(Target{nullptr, 0, 0, 0, 0}, x, y, alpha);
}

namespace {

// The steps i = 0..n of a line, starting at a, that keep coordinate a + i * dir inside [lo, hi]
// (dir is +1 or -1). False when none does.
bool VisibleSteps(int64_t a, int64_t dir, int64_t n, int64_t lo, int64_t hi, int64_t& first,
                  int64_t& last) {
  if (dir > 0) {
    first = std::max<int64_t>(0, lo - a);
    last = std::min<int64_t>(n, hi - a);
  } else {
    first = std::max<int64_t>(0, a - hi);
    last = std::min<int64_t>(n, a - lo);
  }
  return first <= last;
}

}  // namespace

// Only the steps whose column (or row) lies on the target, plus a margin, are visited, but each
// keeps the place and fraction it has on the whole line: a line running off the target looks
// the same on it as one drawn wholly inside.
void LineGS::WuLine(const Target& t, int32_t ix1, int32_t iy1, int32_t ix2, int32_t iy2,
                    uint32_t c, int32_t width) {
  if (ix1 == ix2 && iy1 == iy2) return;
  SetRGBComponents(c);
  width = std::clamp(width, 1, 1000);
  const int64_t m = width + 2;
  const int64_t left = t.left - m, top = t.top - m, right = t.right + m, bottom = t.bottom + m;
  const int32_t below = width / 2;
  const int32_t above = width - below;
  const bool xMajor = std::llabs(int64_t(ix2) - ix1) > std::llabs(int64_t(iy2) - iy1);
  // Stepped along the major axis from the end with the smaller major coordinate.
  const bool swap = xMajor ? ix1 >= ix2 : iy1 >= iy2;
  const int64_t a0 = xMajor ? (swap ? ix2 : ix1) : (swap ? iy2 : iy1);
  const int64_t b0 = xMajor ? (swap ? iy2 : iy1) : (swap ? ix2 : ix1);
  const int64_t major = std::llabs(xMajor ? int64_t(ix2) - ix1 : int64_t(iy2) - iy1);
  const int64_t minor = (xMajor ? int64_t(iy2) - iy1 : int64_t(ix2) - ix1) * (swap ? -1 : 1);
  int64_t first, last;
  if (!VisibleSteps(a0, 1, major, xMajor ? left : top, xMajor ? right : bottom, first, last))
    return;
  // Within the 16-bit range the fraction is stepped in single precision; longer lines in double,
  // so that their far parts keep their place.
  const bool single = major <= 32767;
  const float gradientF = float(minor) / float(major);
  const double gradientD = double(minor) / double(major);
  auto pixel = [&](int64_t a, int64_t b, int32_t alpha, bool solid) {
    const int64_t x = xMajor ? a : b, y = xMajor ? b : a;
    if (x < left || x > right || y < top || y > bottom) return;
    if (solid) SolidPixel(t, int32_t(x), int32_t(y));
    else BlendPixel(t, int32_t(x), int32_t(y), alpha);
  };
  for (int64_t i = first; i <= last; ++i) {
    int64_t k;
    float f;
    if (single) {
      const float tt = float(i) * gradientF;
      const float kk = std::floor(tt);
      f = (tt - kk) * 255.0f;
      k = int64_t(kk);
    } else {
      const double tt = double(i) * gradientD;
      const double kk = std::floor(tt);
      f = float((tt - kk) * 255.0);
      k = int64_t(kk);
    }
    const int64_t a = a0 + i, b = b0 + k;
    pixel(a, b - below, RoundHalfEven(255.0f - f), false);
    pixel(a, b + above, RoundHalfEven(f), false);
    for (int64_t bb = b - below + 1; bb <= b + above - 1; ++bb) pixel(a, bb, 0, true);
  }
}

void LineGS::Line(const Target& t, int32_t ix1, int32_t iy1, int32_t ix2, int32_t iy2,
                  uint32_t c) {
  if (ix1 == ix2 && iy1 == iy2) return;
  SetRGBComponents(c);
  const int64_t left = t.left - 3, top = t.top - 3, right = t.right + 3, bottom = t.bottom + 3;
  const int64_t x1 = ix1, y1 = iy1, x2 = ix2, y2 = iy2;
  const int64_t dx = x2 - x1, dy = y2 - y1;
  const int32_t sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  const bool xMajor = std::llabs(dx) > std::llabs(dy);
  const int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  // Unit steps along the major and the minor axis.
  const int32_t mx = xMajor ? sx : 0, my = xMajor ? 0 : sy;
  const int32_t nx = xMajor ? 0 : sx, ny = xMajor ? sy : 0;
  auto blend = [&](int64_t x, int64_t y, int32_t alpha) {
    if (x < left || x > right || y < top || y > bottom) return;
    BlendPixel(t, int32_t(x), int32_t(y), alpha);
  };
  const int32_t capAlpha = int32_t(minor * 85 / major);
  // End caps beyond both ends.
  blend(x1 - mx, y1 - my, 127);
  blend(x1 - mx - nx, y1 - my - ny, capAlpha);
  blend(x2 + mx, y2 + my, 127);
  blend(x2 + mx + nx, y2 + my + ny, capAlpha);
  int64_t first, last;
  if (!VisibleSteps(xMajor ? x1 : y1, xMajor ? sx : sy, major, xMajor ? left : top,
                    xMajor ? right : bottom, first, last))
    return;
  // The error term and minor position after `first` steps, as plain stepping would reach them.
  const unsigned __int128 reached =
      (unsigned __int128)(major / 2) + (unsigned __int128)first * (unsigned __int128)minor;
  int64_t error = int64_t(reached % (unsigned __int128)major);
  const int64_t minorSteps = int64_t(reached / (unsigned __int128)major);
  int64_t x = x1 + first * mx + minorSteps * nx, y = y1 + first * my + minorSteps * ny;
  for (int64_t i = first; i <= last; ++i) {
    if (x >= left && x <= right && y >= top && y <= bottom) SolidPixel(t, int32_t(x), int32_t(y));
    const int32_t e = int32_t(error * 255 / major);
    blend(x - nx, y - ny, 255 - e);
    blend(x + nx, y + ny, e);
    error += minor;
    if (error >= major) {
      error -= major;
      x += nx;
      y += ny;
    }
    x += mx;
    y += my;
  }
}

void LineGS::SpreadPoint(const Target& t, float px, float py) {
  if (!(std::fabs(px) < 2.0e9f && std::fabs(py) < 2.0e9f)) return;
  const int32_t ix = RoundHalfEven(px), iy = RoundHalfEven(py), iy2 = RoundHalfEven(py + 1.0f);
  if (ix < t.left - 2 || ix > t.right + 2 || iy < t.top - 2 || iy > t.bottom + 2) return;
  const float w = (float(ix) + 0.5f - px) * 255.0f;
  const float upper = float(iy) + 0.5f - py;
  const float lower = py + 1.0f - float(iy2) + 0.5f;
  BlendPixel(t, ix, iy, RoundHalfEven(w * upper));
  BlendPixel(t, ix + 1, iy, RoundHalfEven((255.0f - w) * upper));
  BlendPixel(t, ix, iy2, RoundHalfEven(w * lower));
  BlendPixel(t, ix + 1, iy2, RoundHalfEven((255.0f - w) * lower));
}

void LineGS::Circle(const Target& t, float cx, float cy, float rx, float ry, uint32_t c,
                    int32_t stepMode) {
  SetRGBComponents(c);
  if (OutsideTarget(t, cx, cy, rx, ry)) return;
  const float step = AngleStep(std::max(std::fabs(rx), std::fabs(ry)), stepMode);
  const int64_t n = std::min<int64_t>(int64_t(kQuarterTurn / step), kMaxCurvePoints);
  for (int64_t i = 0; i <= n; ++i) {
    const float a = float(i) * step;
    float x = rx * std::cos(a), y = ry * std::sin(a);
    if (x == std::floor(x)) x += 0.001f;
    if (y == std::floor(y)) y += 0.001f;
    SpreadPoint(t, cx + x - 0.5f, cy + y - 0.5f);
    SpreadPoint(t, cx + x - 0.5f, cy - y - 0.5f);
    SpreadPoint(t, cx - x - 0.5f, cy + y - 0.5f);
    SpreadPoint(t, cx - x - 0.5f, cy - y - 0.5f);
  }
}

void LineGS::Arc(const Target& t, float cx, float cy, float rx, float ry, float startDeg,
                 float endDeg, uint32_t c, int32_t stepMode) {
  SetRGBComponents(c);
  if (OutsideTarget(t, cx, cy, rx, ry)) return;
  if (startDeg > endDeg) endDeg += 360.0f;
  const float a0 = startDeg * kRadPerDeg, a1 = endDeg * kRadPerDeg;
  const float step = AngleStep(std::max(std::fabs(rx), std::fabs(ry)), stepMode);
  if (!(a1 >= a0)) return;
  const int64_t n = std::min<int64_t>(int64_t((a1 - a0) / step), kMaxCurvePoints);
  for (int64_t i = 0; i <= n; ++i) {
    const float a = a0 + float(i) * step;
    const float x = rx * std::cos(a - kQuarterTurn), y = ry * std::sin(a - kQuarterTurn);
    SpreadPoint(t, cx + x - 0.5f, cy + y - 0.5f);
  }
}

namespace {
// The stepping rectangle of a device: its surface, or a generous box when the size is unknown.
void DeviceBounds(Device* dc, int64_t& r, int64_t& b) {
  const GdiSize size = dc->PixelSize();
  r = size.cx > 0 ? size.cx - 1 : 32767;
  b = size.cy > 0 ? size.cy - 1 : 32767;
}
}  // namespace

void LineGS::WuLineGP(Device* dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t c,
                      int32_t width) {
  if (!dc) return;
  if (!dc->HasPixelAccess()) {
    // Without pixel reads nothing can be blended: a plain line instead.
    DrawLineFast(dc, x1, y1, x2, y2, c, width);
    return;
  }
  int64_t r, b;
  DeviceBounds(dc, r, b);
  WuLine(Target{dc, 0, 0, r, b}, x1, y1, x2, y2, c, width);
}

void LineGS::WuLineDIB(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t c,
                       int32_t width) {
  if (!loaded_) return;
  WuLine(Target{nullptr, 0, 0, width_ - 1, height_ - 1}, x1, y1, x2, y2, c, width);
}

void LineGS::LineGP(Device* dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t c) {
  if (!dc) return;
  if (!dc->HasPixelAccess()) {
    DrawLineFast(dc, x1, y1, x2, y2, c, 1);
    return;
  }
  int64_t r, b;
  DeviceBounds(dc, r, b);
  Line(Target{dc, 0, 0, r, b}, x1, y1, x2, y2, c);
}

void LineGS::LineDIB(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t c) {
  if (!loaded_) {
    MsgBox("You must create a DIB array\r\nbefore calling LineDIB.");
    return;
  }
  Line(Target{nullptr, 0, 0, width_ - 1, height_ - 1}, x1, y1, x2, y2, c);
}

void LineGS::CircleGP(Device* dc, float cx, float cy, float rx, float ry, uint32_t c,
                      int32_t stepMode) {
  if (!dc || !dc->HasPixelAccess()) return;
  int64_t r, b;
  DeviceBounds(dc, r, b);
  Circle(Target{dc, 0, 0, r, b}, cx, cy, rx, ry, c, stepMode);
}

void LineGS::ArcGP(Device* dc, float cx, float cy, float rx, float ry, float startDeg,
                   float endDeg, uint32_t c, int32_t stepMode) {
  if (!dc || !dc->HasPixelAccess()) return;
  int64_t r, b;
  DeviceBounds(dc, r, b);
  Arc(Target{dc, 0, 0, r, b}, cx, cy, rx, ry, startDeg, endDeg, c, stepMode);
}

void LineGS::CircleDIB(float cx, float cy, float rx, float ry, uint32_t c, int32_t stepMode) {
  if (!loaded_) {
    MsgBox("You must create a DIB array\r\nbefore calling CircleDIB.");
    return;
  }
  Circle(Target{nullptr, 0, 0, width_ - 1, height_ - 1}, cx, cy, rx, ry, c, stepMode);
}

void LineGS::ArcDIB(float cx, float cy, float rx, float ry, float startDeg, float endDeg,
                    uint32_t c, int32_t stepMode) {
  if (!loaded_) return;
  Arc(Target{nullptr, 0, 0, width_ - 1, height_ - 1}, cx, cy, rx, ry, startDeg, endDeg, c,
      stepMode);
}

void LineGS::DrawLineFast(Device* dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                          uint32_t c, int32_t width) {
  if (!dc) return;
  const int32_t oldWidth = dc->CurrentPenWidth();
  const uint32_t oldColour = dc->CurrentPenColor();
  dc->SetPen(width, c);
  dc->MoveTo(x1, y1);
  dc->LineTo(x2, y2);
  dc->SetPen(oldWidth, oldColour);
}
