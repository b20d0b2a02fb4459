#include "platform/gdi/metafile_player.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr size_t kMaxObjects = 65536;
constexpr size_t kMaxSavedStates = 4096;
constexpr int32_t kDefaultFontPixels = 16;
constexpr double kCoordinateLimit = 1 << 30;
constexpr double kPi = 3.14159265358979323846;

enum TextAlign : uint16_t {
  kAlignUpdateCp = 1, kAlignRight = 2, kAlignCenter = 6, kAlignBottom = 8, kAlignBaseline = 24,
};

// The stock objects of enhanced metafiles, selected by number with the high bit set.
std::optional<MetaObject> StockObject(uint32_t number) {
  switch (number) {
    case 0: return MetaBrush{false, 0xFFFFFF};
    case 1: return MetaBrush{false, 0xC0C0C0};
    case 2: return MetaBrush{false, 0x808080};
    case 3: return MetaBrush{false, 0x404040};
    case 4: return MetaBrush{false, 0x000000};
    case 5: return MetaBrush{true, 0};
    case 6: return MetaPen{false, 0, 0xFFFFFF};
    case 7: return MetaPen{false, 0, 0x000000};
    case 8: return MetaPen{true, 0, 0};
    case 10: case 11: case 16: return MetaFont{.face = "Courier New"};
    case 12: case 13: case 14: case 17: return MetaFont{};
    case 18: return MetaBrush{false, 0xFFFFFF};
    case 19: return MetaPen{false, 0, 0x000000};
    default: return std::nullopt;
  }
}

int32_t Clamp(double v) {
  return int32_t(std::lround(std::clamp(v, -kCoordinateLimit, kCoordinateLimit)));
}

class Player {
 public:
  Player(MetafilePlaybackState& state, Device& device, const PlaybackTarget& target)
      : s_(state), dev_(device), target_(target) {}

  void Play(const MetaCommand& c);

 private:
  MetafileDcState& dc() { return s_.dc; }
  double X(int32_t x) { return target_.scaleX * dc().mapping.DeviceX(x) + target_.offsetX; }
  double Y(int32_t y) { return target_.scaleY * dc().mapping.DeviceY(y) + target_.offsetY; }
  GdiPoint Map(GdiPoint p) { return {Clamp(X(p.x)), Clamp(Y(p.y))}; }
  double UnitX() { return std::abs(target_.scaleX * dc().mapping.ScaleX()); }
  double UnitY() { return std::abs(target_.scaleY * dc().mapping.ScaleY()); }
  std::vector<GdiPoint> Map(const std::vector<GdiPoint>& points, size_t from, size_t n);
  // Device rectangle of two logical corners, ordered left < right and top < bottom.
  void MapBox(GdiPoint a, GdiPoint b, int32_t& l, int32_t& t, int32_t& r, int32_t& bt);

  void ApplyPen();
  void ApplyBrush();
  void ApplyFont();
  void Create(const MetaCommand& c, MetaObject object);
  void Select(const MetaCommand& c);
  void Delete(int32_t index);
  void RestoreDc(int32_t level);
  void Text(const MetaCommand& c);
  void FillBox(GdiPoint origin, double alongX, double alongY, double downX, double downY,
               double left, double top, double right, double bottom, uint32_t color);

  MetafilePlaybackState& s_;
  Device& dev_;
  const PlaybackTarget& target_;
};

std::vector<GdiPoint> Player::Map(const std::vector<GdiPoint>& points, size_t from, size_t n) {
  std::vector<GdiPoint> out;
  out.reserve(n);
  for (size_t i = from; i < from + n && i < points.size(); ++i) out.push_back(Map(points[i]));
  return out;
}

void Player::MapBox(GdiPoint a, GdiPoint b, int32_t& l, int32_t& t, int32_t& r, int32_t& bt) {
  const GdiPoint p = Map(a), q = Map(b);
  l = std::min(p.x, q.x);
  r = std::max(p.x, q.x);
  t = std::min(p.y, q.y);
  bt = std::max(p.y, q.y);
}

void Player::ApplyPen() {
  const MetaPen& pen = dc().pen;
  if (pen.null) return dev_.SetNullPen();
  const int32_t width = pen.width <= 0 ? 1 : std::max(1, Clamp(pen.width * UnitX()));
  dev_.SetPen(width, pen.color);
}

void Player::ApplyBrush() { dev_.SetBrush(dc().brush.hollow, dc().brush.color); }

void Player::ApplyFont() {
  MetaFont font = dc().font;
  font.height = font.height == 0 ? kDefaultFontPixels : Clamp(font.height * UnitY());
  if (font.height == 0) font.height = 1;
  dev_.SetFont(font);
  dev_.SetTextColor(dc().textColor);
}

void Player::Create(const MetaCommand& c, MetaObject object) {
  size_t slot;
  if (c.value == kLowestFreeSlot) {
    slot = 0;
    while (slot < s_.objects.size() && s_.objects[slot]) ++slot;
  } else {
    if (c.value < 0) return;
    slot = size_t(c.value);
  }
  if (slot >= kMaxObjects) return;
  if (slot >= s_.objects.size()) s_.objects.resize(slot + 1);
  s_.objects[slot] = std::move(object);
}

void Player::Select(const MetaCommand& c) {
  std::optional<MetaObject> object;
  const uint32_t index = uint32_t(c.value);
  if (index & kStockObjectFlag) {
    object = StockObject(index & ~kStockObjectFlag);
  } else if (index < s_.objects.size()) {
    object = s_.objects[index];
  }
  if (!object) return;
  if (auto* pen = std::get_if<MetaPen>(&*object)) dc().pen = *pen;
  else if (auto* brush = std::get_if<MetaBrush>(&*object)) dc().brush = *brush;
  else if (auto* font = std::get_if<MetaFont>(&*object)) dc().font = *font;
}

void Player::Delete(int32_t index) {
  if (index >= 0 && size_t(index) < s_.objects.size()) s_.objects[size_t(index)].reset();
}

void Player::RestoreDc(int32_t level) {
  // Negative: that many states back; positive: the absolute level (1 is the first saved).
  const int64_t depth = int64_t(s_.saved.size());
  const int64_t keep = level < 0 ? depth + level : int64_t(level) - 1;
  if (level == 0 || keep < 0 || keep >= depth) return;
  dc() = s_.saved[size_t(keep)];
  s_.saved.resize(size_t(keep));
}

void Player::FillBox(GdiPoint origin, double ax, double ay, double dx, double dy, double left,
                     double top, double right, double bottom, uint32_t color) {
  if (ay == 0 && dx == 0) {
    dev_.FillRect(origin.x + Clamp(left), origin.y + Clamp(top), origin.x + Clamp(right),
                  origin.y + Clamp(bottom), color);
    return;
  }
  auto corner = [&](double u, double v) {
    return GdiPoint{Clamp(origin.x + u * ax + v * dx), Clamp(origin.y + u * ay + v * dy)};
  };
  dev_.SetNullPen();
  dev_.SetBrush(false, color);
  dev_.Polygon({corner(left, top), corner(right, top), corner(right, bottom),
                corner(left, bottom)});
  ApplyPen();
  ApplyBrush();
}

void Player::Text(const MetaCommand& c) {
  ApplyFont();
  if (c.textOptions & kTextOptionOpaque) {
    int32_t l, t, r, b;
    MapBox(c.rect1, c.rect2, l, t, r, b);
    dev_.FillRect(l, t, r, b, dc().bkColor);
  }
  if (c.text.empty()) return;
  const GdiSize extent = dev_.TextExtent(c.text);
  const int32_t ascent = dev_.FontAscent();
  const int32_t descent = std::max(0, extent.cy - ascent);
  const uint16_t align = dc().textAlign;
  const double angle = dc().font.escapement / 10.0 * kPi / 180.0;
  const double ax = std::cos(angle), ay = -std::sin(angle);  // along the baseline
  const double dx = -ay, dy = ax;                              // down from the baseline
  const double refX = (align & kAlignUpdateCp) ? dc().positionX : X(c.p1.x);
  const double refY = (align & kAlignUpdateCp) ? dc().positionY : Y(c.p1.y);
  double along = 0;
  if ((align & kAlignCenter) == kAlignCenter) along = -extent.cx / 2.0;
  else if (align & kAlignRight) along = -extent.cx;
  double down = 0;
  if ((align & kAlignBaseline) == kAlignBaseline) down = 0;
  else if (align & kAlignBottom) down = -descent;
  else down = ascent;
  const GdiPoint start{Clamp(refX + along * ax + down * dx), Clamp(refY + along * ay + down * dy)};
  if (dc().bkMode == kBkOpaque)
    FillBox(start, ax, ay, dx, dy, 0, -ascent, extent.cx, descent, dc().bkColor);
  dev_.SetTextAlign(kTextAlignBaseline);
  dev_.TextOut(start.x, start.y, c.text);
  if (align & kAlignUpdateCp) {
    const double move = (align & kAlignCenter) == kAlignCenter ? 0
                        : (align & kAlignRight)                ? -extent.cx
                                                               : extent.cx;
    dc().positionX = refX + move * ax;
    dc().positionY = refY + move * ay;
  }
}

void Player::Play(const MetaCommand& c) {
  MetafileMapping& m = dc().mapping;
  switch (c.op) {
    case MetaOp::kSetMapMode: m.SetMode(c.value, target_.pixelsPerMmX, target_.pixelsPerMmY); break;
    case MetaOp::kSetWindowOrg: m.windowOrg = c.p1; break;
    case MetaOp::kSetWindowExt: m.SetWindowExt({c.p1.x, c.p1.y}); break;
    case MetaOp::kSetViewportOrg: m.viewportOrg = c.p1; break;
    case MetaOp::kSetViewportExt: m.SetViewportExt({c.p1.x, c.p1.y}); break;
    case MetaOp::kSaveDc:
      if (s_.saved.size() < kMaxSavedStates) s_.saved.push_back(dc());
      break;
    case MetaOp::kRestoreDc: RestoreDc(c.value); break;
    case MetaOp::kCreatePen: Create(c, c.pen); break;
    case MetaOp::kCreateBrush: Create(c, c.brush); break;
    case MetaOp::kCreateFont: Create(c, c.font); break;
    case MetaOp::kCreateOther: Create(c, std::monostate()); break;
    case MetaOp::kSelectObject: Select(c); break;
    case MetaOp::kDeleteObject: Delete(c.value); break;
    case MetaOp::kMoveTo:
      dc().positionX = X(c.p1.x);
      dc().positionY = Y(c.p1.y);
      break;
    case MetaOp::kLineTo: {
      ApplyPen();
      const GdiPoint to = Map(c.p1);
      dev_.MoveTo(Clamp(dc().positionX), Clamp(dc().positionY));
      dev_.LineTo(to.x, to.y);
      dc().positionX = X(c.p1.x);
      dc().positionY = Y(c.p1.y);
      break;
    }
    case MetaOp::kPolyline:
      ApplyPen();
      dev_.Polyline(Map(c.points, 0, c.points.size()));
      break;
    case MetaOp::kPolygon:
      ApplyPen();
      ApplyBrush();
      dev_.Polygon(Map(c.points, 0, c.points.size()));
      break;
    case MetaOp::kPolyPolygon: {
      ApplyPen();
      ApplyBrush();
      size_t from = 0;
      for (uint32_t n : c.counts) {
        dev_.Polygon(Map(c.points, from, n));
        from += n;
      }
      break;
    }
    case MetaOp::kRectangle:
    case MetaOp::kRoundRect:
    case MetaOp::kEllipse: {
      ApplyPen();
      ApplyBrush();
      int32_t l, t, r, b;
      MapBox(c.p1, c.p2, l, t, r, b);
      if (c.op == MetaOp::kRectangle) dev_.Rectangle(l, t, r, b);
      else if (c.op == MetaOp::kEllipse) dev_.Ellipse(l, t, r, b);
      else dev_.RoundRect(l, t, r, b, Clamp(c.corner.cx * UnitX()), Clamp(c.corner.cy * UnitY()));
      break;
    }
    case MetaOp::kSetPixel: {
      const GdiPoint p = Map(c.p1);
      dev_.SetPixel(p.x, p.y, c.color);
      break;
    }
    case MetaOp::kText: Text(c); break;
    case MetaOp::kSetTextColor: dc().textColor = c.color; break;
    case MetaOp::kSetBkColor: dc().bkColor = c.color; break;
    case MetaOp::kSetBkMode:
      if (c.value == kBkTransparent || c.value == kBkOpaque) dc().bkMode = c.value;
      break;
    case MetaOp::kSetTextAlign: dc().textAlign = uint16_t(c.value); break;
    case MetaOp::kSetPolyFillMode:
      if (c.value == kFillAlternate || c.value == kFillWinding) dc().polyFillMode = c.value;
      break;
  }
}

}  // namespace

PlaybackTarget FrameOntoRect(const MetafilePicture& picture, int32_t left, int32_t top,
                             int32_t right, int32_t bottom) {
  PlaybackTarget t;
  t.pixelsPerMmX = picture.pixelsPerMmX;
  t.pixelsPerMmY = picture.pixelsPerMmY;
  const double fw = picture.frameRight - picture.frameLeft;
  const double fh = picture.frameBottom - picture.frameTop;
  t.scaleX = fw > 0 ? (double(right) - left) / fw : 1;
  t.scaleY = fh > 0 ? (double(bottom) - top) / fh : 1;
  t.offsetX = left - picture.frameLeft * t.scaleX;
  t.offsetY = top - picture.frameTop * t.scaleY;
  return t;
}

void PlayMetafile(const MetafilePicture& picture, MetafilePlaybackState& state, Device& device,
                  const PlaybackTarget& target) {
  Player player(state, device, target);
  for (const MetaCommand& c : picture.commands) player.Play(c);
}
