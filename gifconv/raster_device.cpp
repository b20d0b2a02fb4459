#include "gifconv/raster_device.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <vector>

#include "gifconv/gd_text.h"
#include "gifconv/scanline_fill.h"

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

// Whether the hatch pattern marks the pixel (8 x 8 cells from the device origin).
bool HatchMarks(int32_t hatch, int x, int y) {
  const int cx = x & 7, cy = y & 7;
  switch (hatch) {
    case kHatchHorizontal: return cy == 7;
    case kHatchVertical: return cx == 7;
    case kHatchForwardDiagonal: return cx == cy;
    case kHatchBackDiagonal: return cx + cy == 7;
    case kHatchCross: return cx == 7 || cy == 7;
    case kHatchDiagonalCross: return cx == cy || cx + cy == 7;
    default: return false;
  }
}

// The UTF-8 characters of a text, one string each.
std::vector<std::string> Utf8Characters(const std::string& utf8) {
  std::vector<std::string> out;
  for (size_t i = 0; i < utf8.size();) {
    size_t n = 1;
    while (i + n < utf8.size() && (uint8_t(utf8[i + n]) & 0xC0) == 0x80) ++n;
    out.push_back(utf8.substr(i, n));
    i += n;
  }
  return out;
}

// A ternary raster operation's common cases on a source and a destination colour.
uint32_t RasterOp(uint32_t rop, uint32_t src, uint32_t dst) {
  switch (rop >> 16 & 0xFF) {
    case 0x00: return 0;
    case 0xFF: return 0xFFFFFF;
    case 0xEE: return src | dst;
    case 0x88: return src & dst;
    case 0x66: return src ^ dst;
    case 0x33: return ~src & 0xFFFFFF;
    case 0x44: return src & ~dst & 0xFFFFFF;
    case 0x11: return ~(src | dst) & 0xFFFFFF;
    case 0xBB: return (~src | dst) & 0xFFFFFF;
    case 0x55: return ~dst & 0xFFFFFF;
    case 0xAA: return dst;
    default: return src;
  }
}

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

// While a clip is in place, what gd draws inside the box is undone outside the clip.
class GdRasterDevice::ClipGuard {
 public:
  ClipGuard(GdRasterDevice& d, double left, double top, double right, double bottom) : d_(d) {
    if (d.clip_.empty()) return;
    const int w = gdImageSX(d.image_), h = gdImageSY(d.image_);
    l_ = int(std::clamp(std::floor(left), 0.0, double(w)));
    t_ = int(std::clamp(std::floor(top), 0.0, double(h)));
    r_ = int(std::clamp(std::ceil(right) + 1, 0.0, double(w)));
    b_ = int(std::clamp(std::ceil(bottom) + 1, 0.0, double(h)));
    for (int y = t_; y < b_; ++y)
      for (int x = l_; x < r_; ++x) saved_.push_back(gdImageGetTrueColorPixel(d.image_, x, y));
  }
  ~ClipGuard() {
    size_t i = 0;
    for (int y = t_; y < b_; ++y)
      for (int x = l_; x < r_; ++x, ++i)
        if (!d_.Visible(x, y)) gdImageSetPixel(d_.image_, x, y, saved_[i]);
  }

 private:
  GdRasterDevice& d_;
  int l_ = 0, t_ = 0, r_ = 0, b_ = 0;
  std::vector<int> saved_;
};

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
  penEnd_ = kPenEndRound;
  penJoin_ = kPenJoinRound;
  // A pen wider than the raster covers it whole; gd's thick lines cost width per pixel.
  penWidth_ = std::clamp(width, 1, gdImageSX(image_) + gdImageSY(image_) + 2);
  penColor_ = color;
}

void GdRasterDevice::SetBrush(bool hollow, uint32_t color) {
  brush_ = GdiBrush{};
  brush_.kind = hollow ? GdiBrushKind::kHollow : GdiBrushKind::kSolid;
  brush_.color = color;
}

void GdRasterDevice::FillRings(const std::vector<std::vector<ClipPoint>>& rings, bool winding) {
  if (brush_.kind == GdiBrushKind::kHollow) return;
  if (brush_.kind == GdiBrushKind::kPattern &&
      (!brush_.pattern || brush_.patternWidth <= 0 || brush_.patternHeight <= 0 ||
       brush_.pattern->size() < size_t(brush_.patternWidth) * size_t(brush_.patternHeight)))
    return;
  const int solid = GdColorOf(brush_.color), back = GdColorOf(brush_.bkColor);
  FillSpans(rings, winding, 0, 0, gdImageSX(image_), gdImageSY(image_), [&](int y, int x0, int x1) {
    for (int x = x0; x < x1; ++x) {
      if (!Visible(x, y)) continue;
      switch (brush_.kind) {
        case GdiBrushKind::kSolid: gdImageSetPixel(image_, x, y, solid); break;
        case GdiBrushKind::kHatch:
          if (HatchMarks(brush_.hatch, x, y)) gdImageSetPixel(image_, x, y, solid);
          else if (brush_.bkOpaque) gdImageSetPixel(image_, x, y, back);
          break;
        case GdiBrushKind::kPattern: {
          const size_t px = size_t(x % brush_.patternWidth), py = size_t(y % brush_.patternHeight);
          gdImageSetPixel(image_, x, y,
                          GdColorOf((*brush_.pattern)[py * size_t(brush_.patternWidth) + px]));
          break;
        }
        case GdiBrushKind::kHollow: break;
      }
    }
  });
}

void GdRasterDevice::PolyPolygon(const std::vector<GdiRing>& rings, bool winding) {
  std::vector<std::vector<ClipPoint>> all;
  for (const GdiRing& ring : rings) {
    all.emplace_back();
    for (const GdiPoint& p : ring) all.back().push_back({double(p.x), double(p.y)});
  }
  FillRings(all, winding);
  for (const std::vector<ClipPoint>& ring : all) Outline(ring, true);
}

void GdRasterDevice::CombineClip(const std::vector<GdiRing>& rings, bool winding,
                                 GdiClipMode mode) {
  const int w = gdImageSX(image_), h = gdImageSY(image_);
  std::vector<std::vector<ClipPoint>> all;
  for (const GdiRing& ring : rings) {
    all.emplace_back();
    for (const GdiPoint& p : ring) all.back().push_back({double(p.x), double(p.y)});
  }
  std::vector<uint8_t> area(size_t(w) * size_t(h), 0);
  FillSpans(all, winding, 0, 0, w, h, [&](int y, int x0, int x1) {
    std::fill(area.begin() + std::ptrdiff_t(size_t(y) * size_t(w) + size_t(x0)),
              area.begin() + std::ptrdiff_t(size_t(y) * size_t(w) + size_t(x1)), 1);
  });
  if (mode == kClipCopy) {
    clip_ = std::move(area);
    return;
  }
  if (clip_.empty()) clip_.assign(area.size(), 1);  // no clip: all of the raster
  for (size_t i = 0; i < area.size(); ++i) {
    switch (mode) {
      case kClipAnd: clip_[i] = clip_[i] & area[i]; break;
      case kClipOr: clip_[i] = clip_[i] | area[i]; break;
      case kClipXor: clip_[i] = clip_[i] ^ area[i]; break;
      case kClipDiff: clip_[i] = clip_[i] & !area[i]; break;
      case kClipCopy: break;
    }
  }
}

void GdRasterDevice::StretchPixels(int32_t l, int32_t t, int32_t r, int32_t b, int32_t width,
                                   int32_t height, const std::vector<uint32_t>& pixels,
                                   uint32_t rop) {
  if (width <= 0 || height <= 0 || pixels.size() < size_t(width) * size_t(height) || r <= l ||
      b <= t)
    return;
  const int64_t w = int64_t(r) - l, h = int64_t(b) - t;
  const int x0 = int(std::max<int64_t>(l, 0)), x1 = int(std::min<int64_t>(r, gdImageSX(image_)));
  const int y0 = int(std::max<int64_t>(t, 0)), y1 = int(std::min<int64_t>(b, gdImageSY(image_)));
  for (int y = y0; y < y1; ++y) {
    // The source pixel under each target pixel's centre.
    const int64_t sy = (2 * (int64_t(y) - t) + 1) * height / (2 * h);
    for (int x = x0; x < x1; ++x) {
      if (!Visible(x, y)) continue;
      const int64_t sx = (2 * (int64_t(x) - l) + 1) * width / (2 * w);
      const uint32_t src = pixels[size_t(sy) * size_t(width) + size_t(sx)] & 0xFFFFFF;
      const uint32_t dst = ColorRefOf(gdImageGetTrueColorPixel(image_, x, y));
      gdImageSetPixel(image_, x, y, GdColorOf(RasterOp(rop, src, dst)));
    }
  }
}

void GdRasterDevice::Segment(ClipPoint a, ClipPoint b, int32_t width, uint32_t color) {
  if (!ClipSegment(a, b, Margin(width))) return;
  const double m = width / 2.0 + 2;
  ClipGuard guard(*this, std::min(a.x, b.x) - m, std::min(a.y, b.y) - m, std::max(a.x, b.x) + m,
                  std::max(a.y, b.y) + m);
  gdImageSetThickness(image_, width);
  gdImageLine(image_, Round(a.x), Round(a.y), Round(b.x), Round(b.y), GdColorOf(color));
  gdImageSetThickness(image_, 1);
}

void GdRasterDevice::FillSolid(const std::vector<ClipPoint>& ring, uint32_t color) {
  double left = HUGE_VAL, top = HUGE_VAL, right = -HUGE_VAL, bottom = -HUGE_VAL;
  for (const ClipPoint& p : ring) {
    left = std::min(left, p.x), right = std::max(right, p.x);
    top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  }
  if (right < 0 || bottom < 0 || left > gdImageSX(image_) || top > gdImageSY(image_)) return;
  const int c = GdColorOf(color);
  FillSpans({ring}, true, 0, 0, gdImageSX(image_), gdImageSY(image_), [&](int y, int x0, int x1) {
    for (int x = x0; x < x1; ++x)
      if (Visible(x, y)) gdImageSetPixel(image_, x, y, c);
  });
}

void GdRasterDevice::WideOutline(const std::vector<ClipPoint>& input, bool closed) {
  std::vector<ClipPoint> ring;
  for (const ClipPoint& p : input)
    if (ring.empty() || p.x != ring.back().x || p.y != ring.back().y) ring.push_back(p);
  if (closed && ring.size() > 2 && ring.front().x == ring.back().x && ring.front().y == ring.back().y)
    ring.pop_back();
  const double half = penWidth_ / 2.0;
  auto disc = [&](ClipPoint p) {
    FillSolid(EllipsePoints(p.x - half, p.y - half, p.x + half, p.y + half, kCornerPoints * 2),
              penColor_);
  };
  if (ring.size() == 1) {
    if (penEnd_ == kPenEndRound) disc(ring[0]);
    return;
  }
  // Unit normals of each segment, half the width long.
  const size_t segments = closed && ring.size() > 2 ? ring.size() : ring.size() - 1;
  auto normal = [&](size_t i) {
    const ClipPoint a = ring[i], b = ring[(i + 1) % ring.size()];
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    return ClipPoint{-(b.y - a.y) / len * half, (b.x - a.x) / len * half};
  };
  for (size_t i = 0; i < segments; ++i) {
    ClipPoint a = ring[i], b = ring[(i + 1) % ring.size()];
    const ClipPoint n = normal(i);
    if (!closed && penEnd_ == kPenEndSquare) {
      // Square ends reach half the width beyond the line's first and last point.
      const ClipPoint along{n.y, -n.x};
      if (i == 0) a = {a.x - along.x, a.y - along.y};
      if (i + 1 == segments) b = {b.x + along.x, b.y + along.y};
    }
    FillSolid({{a.x + n.x, a.y + n.y}, {b.x + n.x, b.y + n.y}, {b.x - n.x, b.y - n.y},
               {a.x - n.x, a.y - n.y}},
              penColor_);
  }
  // The corners between segments; open lines also get their round ends.
  for (size_t i = 0; i < ring.size(); ++i) {
    const bool end = !closed && (i == 0 || i + 1 == ring.size());
    if (end) {
      if (penEnd_ == kPenEndRound) disc(ring[i]);
      continue;
    }
    if (ring.size() < 3 && !closed) continue;
    const ClipPoint p = ring[i];
    const ClipPoint n0 = normal((i + ring.size() - 1) % ring.size()), n1 = normal(i);
    // A round corner: a disc, unless the line turns so little that a bevel is within half a
    // pixel of it (flattened curves turn a little at every point).
    const double turn = std::acos(std::clamp((n0.x * n1.x + n0.y * n1.y) / (half * half), -1.0, 1.0));
    if (penJoin_ == kPenJoinRound && half * turn * turn / 8 > 0.5) {
      disc(p);
      continue;
    }
    // Both sides get the bevel; the inner one lies under the segments anyway.
    for (double side : {1.0, -1.0}) {
      const ClipPoint e0{p.x + side * n0.x, p.y + side * n0.y};
      const ClipPoint e1{p.x + side * n1.x, p.y + side * n1.y};
      std::vector<ClipPoint> corner{p, e0, e1};
      if (penJoin_ == kPenJoinMiter && turn > 0) {
        // The miter point where the two outer edges meet, within ten half widths.
        const double cross = n0.x * n1.y - n0.y * n1.x;
        const ClipPoint sum{n0.x + n1.x, n0.y + n1.y};
        const double dot = (n0.x * n1.x + n0.y * n1.y) / (half * half);
        const double scale = 2 / (1 + dot);
        const ClipPoint tip{p.x + side * sum.x * scale / 2, p.y + side * sum.y * scale / 2};
        if (cross != 0 && 1 + dot > 0 && std::hypot(tip.x - p.x, tip.y - p.y) <= 10 * half)
          corner = {p, e0, tip, e1};
      }
      FillSolid(corner, penColor_);
    }
  }
}

void GdRasterDevice::Outline(const std::vector<ClipPoint>& ring, bool closed) {
  if (penNull_ || ring.empty()) return;
  if (penWidth_ >= 3) return WideOutline(ring, closed);
  if (ring.size() == 1) return Segment(ring[0], ring[0], penWidth_, penColor_);
  for (size_t i = 0; i + 1 < ring.size(); ++i) Segment(ring[i], ring[i + 1], penWidth_, penColor_);
  if (closed && ring.size() > 2) Segment(ring.back(), ring.front(), penWidth_, penColor_);
}

void GdRasterDevice::Fill(const std::vector<ClipPoint>& ring) { FillRings({ring}, true); }

void GdRasterDevice::Shape(const std::vector<ClipPoint>& ring) {
  Fill(ring);
  Outline(ring, true);
}

void GdRasterDevice::LineTo(int32_t x, int32_t y) {
  if (!penNull_ && (x != current_.x || y != current_.y))
    Outline({{double(current_.x), double(current_.y)}, {double(x), double(y)}}, false);
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
  const double m = penWidth_ + 2.0;
  ClipGuard guard(*this, l - m, t - m, r + m, b + m);
  if (brush_.kind == GdiBrushKind::kSolid)
    gdImageFilledEllipse(image_, cx, cy, int(w), int(h), GdColorOf(brush_.color));
  else
    FillRings({EllipsePoints(l, t, r, b, kEllipsePoints)}, true);
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

void GdRasterDevice::DrawText(int32_t x, int32_t y, const std::string& utf8,
                              std::vector<int32_t> advances) {
  if (std::abs(double(x)) > kFarAway || std::abs(double(y)) > kFarAway) return;
  const std::vector<std::string> chars = Utf8Characters(utf8.substr(0, kMaxTextBytes));
  const bool placed = !advances.empty();
  if (!placed) advances = Advances(utf8);
  advances.resize(chars.size(), 0);
  // Only the characters whose pen position comes within a font height of the raster are drawn,
  // so a long text in a large font costs no more than what can show.
  const double angle = font_.escapement / 10.0 * kPi / 180.0;
  const double reach = TextPixels() * 2.0;
  const ClipBox near{-reach, -reach, gdImageSX(image_) + reach, gdImageSY(image_) + reach};
  std::string pattern = GdFontPattern(font_);
  const double points = GdPointSize(TextPixels());
  const int color = GdColorOf(textColor_);
  // A run of characters from pen position `at` (pixels along the baseline).
  auto run = [&](const std::string& text, double at) {
    const int px = Round(x + at * std::cos(angle)), py = Round(y - at * std::sin(angle));
    int box[8];
    if (gdImageStringFT(nullptr, box, -1, pattern.data(), points, angle, px, py,
                        const_cast<char*>(text.c_str())))
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
    gdImageStringFT(scratch, box, -gdTrueColor(0, 0, 1), pattern.data(), points, angle, px - left,
                    py - top, const_cast<char*>(text.c_str()));
    for (int sy = 0; sy < bottom - top; ++sy)
      for (int sx = 0; sx < right - left; ++sx)
        if (gdImageGetTrueColorPixel(scratch, sx, sy) != white && Visible(left + sx, top + sy))
          gdImageSetPixel(image_, left + sx, top + sy, color);
    gdImageDestroy(scratch);
  };
  std::string pending;
  double pen = 0, pendingAt = 0;
  for (size_t i = 0; i < chars.size(); ++i) {
    const double px = x + pen * std::cos(angle), py = y - pen * std::sin(angle);
    const bool shows = px >= near.left && px <= near.right && py >= near.top && py <= near.bottom;
    if (shows) {
      if (pending.empty()) pendingAt = pen;
      pending += chars[i];
    }
    // Characters with advances of their own are drawn one by one; gd's go as one run.
    if ((placed || !shows) && !pending.empty()) {
      run(pending, pendingAt);
      pending.clear();
    }
    pen += advances[i];
  }
  if (!pending.empty()) run(pending, pendingAt);
}

void GdRasterDevice::Underline(int32_t x, int32_t y, int32_t width) {
  const int32_t pixels = TextPixels();
  const double angle = font_.escapement / 10.0 * kPi / 180.0;
  const double down = std::max(1, pixels / 10);
  const ClipPoint start{x + down * std::sin(angle), y + down * std::cos(angle)};
  const ClipPoint end{start.x + width * std::cos(angle), start.y - width * std::sin(angle)};
  Segment(start, end, std::max(1, pixels / 16), textColor_);
}

void GdRasterDevice::TextOut(int32_t x, int32_t y, const std::string& text) {
  const GdiSize extent = TextExtent(text);
  if (textAlign_ & kTextAlignUpdateCP) {
    x = current_.x;
    y = current_.y;
    current_ = AdvanceAlongBaseline(current_, extent.cx, font_.escapement);
  }
  DrawText(x, y, GdTextOf(font_, text), {});
  if (font_.underline && !text.empty()) Underline(x, y, extent.cx);
}

void GdRasterDevice::TextOutUnicode(int32_t x, int32_t y, const std::string& utf8,
                                    const std::vector<int32_t>& advances) {
  const int32_t width = advances.empty() ? TextExtentUnicode(utf8).cx : AdvancesWidth(advances);
  if (textAlign_ & kTextAlignUpdateCP) {
    x = current_.x;
    y = current_.y;
    current_ = AdvanceAlongBaseline(current_, width, font_.escapement);
  }
  DrawText(x, y, utf8, advances);
  if (font_.underline && !utf8.empty()) Underline(x, y, width);
}

std::vector<int32_t> GdRasterDevice::Advances(const std::string& utf8) {
  if (utf8.empty()) return {};
  std::string pattern = GdFontPattern(font_);
  std::string text = utf8.substr(0, kMaxTextBytes);
  gdFTStringExtra extra{};
  extra.flags = gdFTEX_XSHOW;
  int box[8];
  std::vector<int32_t> advances;
  if (!gdImageStringFTEx(nullptr, box, -1, pattern.data(), GdPointSize(TextPixels()), 0, 0, 0,
                         text.data(), &extra))
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
  for (int32_t a : Advances(GdTextOf(font_, text))) width += a;
  return {width, height};
}

GdiSize GdRasterDevice::TextExtentUnicode(const std::string& utf8) {
  GdiSize size = TextExtent("");
  for (int32_t a : Advances(utf8)) size.cx += a;
  return size;
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
