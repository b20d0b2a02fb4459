#include "gifconv/raster_device.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "gifconv/gd_text.h"

namespace {

constexpr int32_t kMaxTextPixels = 2048;
constexpr size_t kMaxTextBytes = 8192;
constexpr int32_t kDefaultTextPixels = 16;
constexpr double kMaxNativeEllipse = 8192;
constexpr int kEllipsePoints = 720;
constexpr int kCornerPoints = 16;
constexpr double kFarAway = 1 << 22;
constexpr double kPi = 3.14159265358979323846;
// Measures the font's cell: an accented capital and a descender.
constexpr const char* kCellSample = "\xc3\x85g|";

int Round(double v) { return int(std::lround(v)); }

// Whole-pixel advances gd reports as "a b c", with a point or a comma as decimal separator
// (gd formats them with the C locale of the moment).
std::vector<int32_t> ParseAdvances(const char* xshow) {
  std::vector<int32_t> advances;
  const char* p = xshow;
  while (p && *p) {
    while (*p == ' ') ++p;
    if (!*p) break;
    double whole = 0, scale = 0;
    for (; *p && *p != ' '; ++p) {
      if (*p == '.' || *p == ',') scale = 1;
      else if (*p >= '0' && *p <= '9') {
        if (scale > 0) whole += (*p - '0') * (scale /= 10);
        else whole = whole * 10 + (*p - '0');
      }
    }
    advances.push_back(int32_t(std::lround(whole)));
  }
  return advances;
}

}  // namespace

int GdColorOf(uint32_t c) { return gdTrueColor(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF)); }

uint32_t ColorRefOf(int g) {
  return uint32_t(gdTrueColorGetRed(g)) | uint32_t(gdTrueColorGetGreen(g)) << 8 |
         uint32_t(gdTrueColorGetBlue(g)) << 16;
}

GdRasterDevice::GdRasterDevice(gdImagePtr image) : image_(image) {
  gdFTUseFontConfig(1);  // font names are fontconfig patterns
  gdImageAlphaBlending(image_, 0);
}

GdiSize GdRasterDevice::PixelSize() const { return {gdImageSX(image_), gdImageSY(image_)}; }

ClipBox GdRasterDevice::Margin(int32_t width) const {
  const double m = width + 2.0;
  return {-m, -m, gdImageSX(image_) + m, gdImageSY(image_) + m};
}

void GdRasterDevice::SetPen(int32_t width, uint32_t color) {
  penNull_ = false;
  // A pen wider than the raster covers it whole; gd's thick lines cost width per pixel.
  penWidth_ = std::clamp(width, 1, gdImageSX(image_) + gdImageSY(image_) + 2);
  penColor_ = color;
}

void GdRasterDevice::SetBrush(bool hollow, uint32_t color) {
  brushHollow_ = hollow;
  brushColor_ = color;
}

void GdRasterDevice::Segment(ClipPoint a, ClipPoint b, int32_t width, uint32_t color) {
  if (!ClipSegment(a, b, Margin(width))) return;
  gdImageSetThickness(image_, width);
  gdImageLine(image_, Round(a.x), Round(a.y), Round(b.x), Round(b.y), GdColorOf(color));
  gdImageSetThickness(image_, 1);
}

void GdRasterDevice::Outline(const std::vector<ClipPoint>& ring, bool closed) {
  if (penNull_ || ring.empty()) return;
  if (ring.size() == 1) return Segment(ring[0], ring[0], penWidth_, penColor_);
  for (size_t i = 0; i + 1 < ring.size(); ++i) Segment(ring[i], ring[i + 1], penWidth_, penColor_);
  if (closed && ring.size() > 2) Segment(ring.back(), ring.front(), penWidth_, penColor_);
}

void GdRasterDevice::Fill(const std::vector<ClipPoint>& ring) {
  if (brushHollow_ || ring.size() < 3) return;
  const std::vector<ClipPoint> clipped = ClipPolygon(ring, Margin(0));
  if (clipped.size() < 3) return;
  std::vector<gdPoint> points;
  for (const ClipPoint& p : clipped) points.push_back({Round(p.x), Round(p.y)});
  gdImageFilledPolygon(image_, points.data(), int(points.size()), GdColorOf(brushColor_));
}

void GdRasterDevice::Shape(const std::vector<ClipPoint>& ring) {
  Fill(ring);
  Outline(ring, true);
}

void GdRasterDevice::LineTo(int32_t x, int32_t y) {
  if (!penNull_ && (x != current_.x || y != current_.y))
    Segment({double(current_.x), double(current_.y)}, {double(x), double(y)}, penWidth_,
            penColor_);
  current_ = {x, y};
}

void GdRasterDevice::Polyline(const std::vector<GdiPoint>& points) {
  std::vector<ClipPoint> ring;
  for (const GdiPoint& p : points) ring.push_back({double(p.x), double(p.y)});
  if (ring.size() > 1) Outline(ring, false);
}

void GdRasterDevice::Polygon(const std::vector<GdiPoint>& points) {
  std::vector<ClipPoint> ring;
  for (const GdiPoint& p : points) ring.push_back({double(p.x), double(p.y)});
  Shape(ring);
}

void GdRasterDevice::Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) {
  const double x1 = double(r) - 1, y1 = double(b) - 1;
  Shape({{double(l), double(t)}, {x1, double(t)}, {x1, y1}, {double(l), y1}});
}

void GdRasterDevice::RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew,
                               int32_t eh) {
  const double x0 = l, y0 = t, x1 = double(r) - 1, y1 = double(b) - 1;
  const double rx = std::min(std::abs(double(ew)) / 2, (x1 - x0) / 2);
  const double ry = std::min(std::abs(double(eh)) / 2, (y1 - y0) / 2);
  std::vector<ClipPoint> ring;
  // Corner centres clockwise from the top right, each with its quarter arc.
  const ClipPoint centres[4] = {{x1 - rx, y0 + ry}, {x1 - rx, y1 - ry}, {x0 + rx, y1 - ry},
                                {x0 + rx, y0 + ry}};
  for (int corner = 0; corner < 4; ++corner) {
    for (int i = 0; i <= kCornerPoints; ++i) {
      const double a = kPi * (corner - 1 + double(i) / kCornerPoints) / 2;
      ring.push_back({centres[corner].x + rx * std::cos(a), centres[corner].y + ry * std::sin(a)});
    }
  }
  Shape(ring);
}

void GdRasterDevice::Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) {
  const double w = double(r) - l, h = double(b) - t;
  const bool near = std::abs(double(l)) < kFarAway && std::abs(double(t)) < kFarAway;
  if (w > kMaxNativeEllipse || h > kMaxNativeEllipse || !near) {
    Shape(EllipsePoints(l, t, r, b, kEllipsePoints));
    return;
  }
  const int cx = int((int64_t(l) + r) / 2), cy = int((int64_t(t) + b) / 2);
  if (!brushHollow_) gdImageFilledEllipse(image_, cx, cy, int(w), int(h), GdColorOf(brushColor_));
  if (!penNull_) {
    gdImageSetThickness(image_, penWidth_);
    gdImageArc(image_, cx, cy, int(w), int(h), 0, 360, GdColorOf(penColor_));
    gdImageSetThickness(image_, 1);
  }
}

void GdRasterDevice::SetPixel(int32_t x, int32_t y, uint32_t color) {
  gdImageSetPixel(image_, x, y, GdColorOf(color));
}

void GdRasterDevice::FillRect(int32_t l, int32_t t, int32_t r, int32_t b, uint32_t color) {
  l = std::max(l, 0);
  t = std::max(t, 0);
  r = std::min(r, gdImageSX(image_));
  b = std::min(b, gdImageSY(image_));
  if (r > l && b > t) gdImageFilledRectangle(image_, l, t, r - 1, b - 1, GdColorOf(color));
}

int32_t GdRasterDevice::TextPixels() const {
  if (font_.height == 0) return kDefaultTextPixels;
  return std::clamp(std::abs(font_.height), 1, kMaxTextPixels);
}

void GdRasterDevice::DrawText(int32_t x, int32_t y, const std::string& text) {
  if (std::abs(double(x)) > kFarAway || std::abs(double(y)) > kFarAway) return;
  // Only the characters whose pen position comes within a font height of the raster are drawn,
  // so a long text in a large font costs no more than what can show.
  const double angle = font_.escapement / 10.0 * kPi / 180.0;
  const std::vector<int32_t> advances = Advances(text);
  const double reach = TextPixels() * 2.0;
  const ClipBox near{-reach, -reach, gdImageSX(image_) + reach, gdImageSY(image_) + reach};
  size_t first = advances.size(), last = 0;
  double pen = 0, firstPen = 0;
  for (size_t i = 0; i < advances.size(); ++i) {
    const double px = x + pen * std::cos(angle), py = y - pen * std::sin(angle);
    if (px >= near.left && px <= near.right && py >= near.top && py <= near.bottom) {
      if (first == advances.size()) first = i, firstPen = pen;
      last = i;
    }
    pen += advances[i];
  }
  if (first == advances.size()) return;
  x = Round(x + firstPen * std::cos(angle));
  y = Round(y - firstPen * std::sin(angle));
  const std::string utf8 = GdTextOf(font_, text.substr(first, last - first + 1));
  std::string pattern = GdFontPattern(font_);
  const double points = GdPointSize(TextPixels());
  int box[8];
  if (gdImageStringFT(nullptr, box, -1, pattern.data(), points, angle, x, y,
                      const_cast<char*>(utf8.c_str())))
    return;  // no such font
  // gd smooths text drawn in colour 0 whatever its sign: draw in another colour on a white
  // scratch image of the text's box, then copy the marked pixels in the text colour.
  const int left = std::max(0, std::min({box[0], box[2], box[4], box[6]}) - 2);
  const int top = std::max(0, std::min({box[1], box[3], box[5], box[7]}) - 2);
  const int right = std::min(gdImageSX(image_), std::max({box[0], box[2], box[4], box[6]}) + 3);
  const int bottom = std::min(gdImageSY(image_), std::max({box[1], box[3], box[5], box[7]}) + 3);
  if (right <= left || bottom <= top) return;
  gdImagePtr scratch = gdImageCreateTrueColor(right - left, bottom - top);
  if (!scratch) return;
  const int white = gdTrueColor(255, 255, 255);
  gdImageFilledRectangle(scratch, 0, 0, right - left - 1, bottom - top - 1, white);
  gdImageStringFT(scratch, box, -gdTrueColor(0, 0, 1), pattern.data(), points, angle, x - left,
                  y - top, const_cast<char*>(utf8.c_str()));
  const int color = GdColorOf(textColor_);
  for (int sy = 0; sy < bottom - top; ++sy)
    for (int sx = 0; sx < right - left; ++sx)
      if (gdImageGetTrueColorPixel(scratch, sx, sy) != white)
        gdImageSetPixel(image_, left + sx, top + sy, color);
  gdImageDestroy(scratch);
}

void GdRasterDevice::TextOut(int32_t x, int32_t y, const std::string& text) {
  const GdiSize extent = TextExtent(text);
  if (textAlign_ & kTextAlignUpdateCP) {
    x = current_.x;
    y = current_.y;
    current_ = AdvanceAlongBaseline(current_, extent.cx, font_.escapement);
  }
  DrawText(x, y, text);
  if (font_.underline && !text.empty()) {
    const int32_t pixels = TextPixels();
    const double angle = font_.escapement / 10.0 * kPi / 180.0;
    const double down = std::max(1, pixels / 10);
    const ClipPoint start{x + down * std::sin(angle), y + down * std::cos(angle)};
    const ClipPoint end{start.x + extent.cx * std::cos(angle),
                        start.y - extent.cx * std::sin(angle)};
    Segment(start, end, std::max(1, pixels / 16), textColor_);
  }
}

std::vector<int32_t> GdRasterDevice::Advances(const std::string& text) {
  if (text.empty()) return {};
  std::string pattern = GdFontPattern(font_);
  const std::string utf8 = GdTextOf(font_, text.substr(0, kMaxTextBytes));
  gdFTStringExtra extra{};
  extra.flags = gdFTEX_XSHOW;
  int box[8];
  std::vector<int32_t> advances;
  if (!gdImageStringFTEx(nullptr, box, -1, pattern.data(), GdPointSize(TextPixels()), 0, 0, 0,
                         const_cast<char*>(utf8.c_str()), &extra))
    advances = ParseAdvances(extra.xshow);
  if (extra.xshow) gdFree(extra.xshow);
  return advances;
}

GdiSize GdRasterDevice::TextExtent(const std::string& text) {
  std::string pattern = GdFontPattern(font_);
  int box[8];
  int32_t height = 0;
  if (!gdImageStringFT(nullptr, box, -1, pattern.data(), GdPointSize(TextPixels()), 0, 0, 0,
                       const_cast<char*>(kCellSample)))
    height = box[1] - box[5];
  int32_t width = 0;
  for (int32_t a : Advances(text)) width += a;
  return {width, height};
}

int32_t GdRasterDevice::FontAscent() {
  std::string pattern = GdFontPattern(font_);
  int box[8];
  if (gdImageStringFT(nullptr, box, -1, pattern.data(), GdPointSize(TextPixels()), 0, 0, 0,
                      const_cast<char*>(kCellSample)))
    return 0;
  return -box[5];
}

uint32_t GdRasterDevice::GetPixel(int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= gdImageSX(image_) || y >= gdImageSY(image_)) return 0;
  return ColorRefOf(gdImageGetTrueColorPixel(image_, x, y));
}
