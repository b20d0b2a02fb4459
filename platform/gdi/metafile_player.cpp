#include "platform/gdi/metafile_player.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/metafile_player_impl.h"

namespace metafile_player {

namespace {

constexpr size_t kMaxObjects = 65536;
constexpr size_t kMaxSavedStates = 4096;
constexpr int32_t kDefaultFontPixels = 16;
constexpr int32_t kWorldIdentity = 1, kWorldLeftMultiply = 2, kWorldRightMultiply = 3,
                  kWorldSet = 4;

// The stock objects of enhanced metafiles, selected by number with the high bit set.
std::optional<MetaObject> StockObject(uint32_t number) {
  auto brush = [](bool hollow, uint32_t color) {
    MetaBrush b;
    b.hollow = hollow;
    b.color = color;
    return b;
  };
  auto pen = [](bool null, uint32_t color) {
    MetaPen p;
    p.null = null;
    p.color = color;
    return p;
  };
  switch (number) {
    case 0: return brush(false, 0xFFFFFF);
    case 1: return brush(false, 0xC0C0C0);
    case 2: return brush(false, 0x808080);
    case 3: return brush(false, 0x404040);
    case 4: return brush(false, 0x000000);
    case 5: return brush(true, 0);
    case 6: return pen(false, 0xFFFFFF);
    case 7: return pen(false, 0x000000);
    case 8: return pen(true, 0);
    case 10: case 11: case 16: return MetaFont{.face = "Courier New"};
    case 12: case 13: case 14: case 17: return MetaFont{};
    case 18: return brush(false, 0xFFFFFF);
    case 19: return pen(false, 0x000000);
    default: return std::nullopt;
  }
}

// a then b, as transforms compose.
WorldTransform Compose(const WorldTransform& a, const WorldTransform& b) {
  return {a.m11 * b.m11 + a.m12 * b.m21,        a.m11 * b.m12 + a.m12 * b.m22,
          a.m21 * b.m11 + a.m22 * b.m21,        a.m21 * b.m12 + a.m22 * b.m22,
          a.dx * b.m11 + a.dy * b.m21 + b.dx,   a.dx * b.m12 + a.dy * b.m22 + b.dy};
}

bool Usable(const WorldTransform& t) {
  for (double v : {t.m11, t.m12, t.m21, t.m22, t.dx, t.dy})
    if (!std::isfinite(v) || std::abs(v) > kCoordinateLimit) return false;
  return t.m11 * t.m22 - t.m12 * t.m21 != 0;
}

}  // namespace

DPoint Player::MapD(double x, double y) const {
  const WorldTransform& w = dc().world;
  const MetafileMapping& m = dc().mapping;
  const double px = w.m11 * x + w.m21 * y + w.dx, py = w.m12 * x + w.m22 * y + w.dy;
  const double devX = (px - m.windowOrg.x) * m.ScaleX() + m.viewportOrg.x;
  const double devY = (py - m.windowOrg.y) * m.ScaleY() + m.viewportOrg.y;
  return {target_.scaleX * devX + target_.offsetX, target_.scaleY * devY + target_.offsetY};
}

double Player::UnitX() const {
  const WorldTransform& w = dc().world;
  return std::abs(target_.scaleX * dc().mapping.ScaleX()) * std::hypot(w.m11, w.m12);
}

double Player::UnitY() const {
  const WorldTransform& w = dc().world;
  return std::abs(target_.scaleY * dc().mapping.ScaleY()) * std::hypot(w.m21, w.m22);
}

std::vector<GdiPoint> Player::Map(const std::vector<GdiPoint>& points, size_t from, size_t n) {
  std::vector<GdiPoint> out;
  out.reserve(std::min(n, points.size()));
  for (size_t i = from; i < from + n && i < points.size(); ++i) out.push_back(Map(points[i]));
  return out;
}

std::vector<GdiPoint> Player::Round(const std::vector<DPoint>& points) {
  std::vector<GdiPoint> out;
  out.reserve(points.size());
  for (const DPoint& p : points) out.push_back({Clamp(p.x), Clamp(p.y)});
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
  if (pen.null || pen.style == kPenNull) return dev_.SetNullPen();
  const int32_t width = pen.width <= 0 ? 1 : std::max(1, Clamp(pen.width * UnitX()));
  dev_.SetPen(width, pen.color);
  // Extended geometric pens choose their ends and corners; the others keep them round.
  if (pen.geometric && (pen.endCap != kEndRound || pen.join != kJoinRound))
    dev_.SetPenEnds(pen.endCap == kEndSquare ? kPenEndSquare
                    : pen.endCap == kEndFlat ? kPenEndFlat
                                             : kPenEndRound,
                    pen.join == kJoinBevel ? kPenJoinBevel
                    : pen.join == kJoinMiter ? kPenJoinMiter
                                             : kPenJoinRound);
}

void Player::ApplyBrush() {
  const MetaBrush& b = dc().brush;
  GdiBrush brush;
  brush.color = b.color;
  brush.bkColor = dc().bkColor;
  brush.bkOpaque = dc().bkMode == kBkOpaque;
  if (b.hollow) {
    brush.kind = GdiBrushKind::kHollow;
  } else if (b.hatched) {
    brush.kind = GdiBrushKind::kHatch;
    brush.hatch = b.hatch;
  } else if (b.pattern && b.patternWidth > 0 && b.patternHeight > 0) {
    brush.kind = GdiBrushKind::kPattern;
    brush.patternWidth = b.patternWidth;
    brush.patternHeight = b.patternHeight;
    brush.pattern = b.pattern;
  }
  dev_.SetBrushStyle(brush);
}

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

std::optional<MetaObject> Player::Lookup(int32_t value) const {
  const uint32_t index = uint32_t(value);
  if (index & kStockObjectFlag) return StockObject(index & ~kStockObjectFlag);
  if (index < s_.objects.size()) return s_.objects[index];
  return std::nullopt;
}

void Player::Select(const MetaCommand& c) {
  const std::optional<MetaObject> object = Lookup(c.value);
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
  const bool clipChanges = dc().clip != s_.saved[size_t(keep)].clip;
  dc() = s_.saved[size_t(keep)];
  s_.saved.resize(size_t(keep));
  if (clipChanges) RebuildClip();
}

void Player::Transform(const MetaCommand& c) {
  const WorldTransform t{c.numbers[0], c.numbers[1], c.numbers[2],
                         c.numbers[3], c.numbers[4], c.numbers[5]};
  WorldTransform result = dc().world;
  if (c.op == MetaOp::kSetWorldTransform) {
    result = t;
  } else {
    switch (c.value) {
      case kWorldIdentity: result = WorldTransform(); break;
      case kWorldLeftMultiply: result = Compose(t, dc().world); break;
      case kWorldRightMultiply: result = Compose(dc().world, t); break;
      case kWorldSet: result = t; break;
      default: return;
    }
  }
  if (Usable(result)) dc().world = result;
}

void Player::Play(const MetaCommand& c) {
  MetafileMapping& m = dc().mapping;
  switch (c.op) {
    case MetaOp::kSetMapMode: m.SetMode(c.value, target_.pixelsPerMmX, target_.pixelsPerMmY); break;
    case MetaOp::kSetWindowOrg: m.windowOrg = c.p1; break;
    case MetaOp::kSetWindowExt: m.SetWindowExt({c.p1.x, c.p1.y}); break;
    case MetaOp::kSetViewportOrg: m.viewportOrg = c.p1; break;
    case MetaOp::kSetViewportExt: m.SetViewportExt({c.p1.x, c.p1.y}); break;
    case MetaOp::kOffsetWindowOrg:
      m.windowOrg = {Clamp(double(m.windowOrg.x) + c.p1.x), Clamp(double(m.windowOrg.y) + c.p1.y)};
      break;
    case MetaOp::kOffsetViewportOrg:
      m.viewportOrg = {Clamp(double(m.viewportOrg.x) + c.p1.x),
                       Clamp(double(m.viewportOrg.y) + c.p1.y)};
      break;
    case MetaOp::kScaleWindowExt:
    case MetaOp::kScaleViewportExt: {
      // x and y extents times numerator over denominator; a zero denominator is refused.
      if (c.numbers[1] == 0 || c.numbers[3] == 0) break;
      const GdiSize old = c.op == MetaOp::kScaleWindowExt ? m.windowExt : m.viewportExt;
      const GdiSize ext{Clamp(old.cx * c.numbers[0] / c.numbers[1]),
                        Clamp(old.cy * c.numbers[2] / c.numbers[3])};
      if (c.op == MetaOp::kScaleWindowExt) m.SetWindowExt(ext);
      else m.SetViewportExt(ext);
      break;
    }
    case MetaOp::kSetWorldTransform:
    case MetaOp::kModifyWorldTransform: Transform(c); break;
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
    case MetaOp::kMoveTo: {
      const DPoint p = MapD(c.p1);
      dc().positionX = p.x;
      dc().positionY = p.y;
      if (s_.path.open) s_.path.figures.push_back({{p}, false});
      break;
    }
    case MetaOp::kLineTo:
    case MetaOp::kPolyline:
    case MetaOp::kPolylineTo:
    case MetaOp::kPolyPolyline:
    case MetaOp::kPolygon:
    case MetaOp::kPolyPolygon:
    case MetaOp::kPolyBezier:
    case MetaOp::kPolyBezierTo: Lines(c); break;
    case MetaOp::kPolyDraw: PolyDraw(c); break;
    case MetaOp::kRectangle:
    case MetaOp::kRoundRect:
    case MetaOp::kEllipse: Shape(c); break;
    case MetaOp::kArc:
    case MetaOp::kArcTo:
    case MetaOp::kChord:
    case MetaOp::kPie:
    case MetaOp::kAngleArc: Arc(c); break;
    case MetaOp::kSetArcDirection:
      if (c.value == kArcCounterClockwise || c.value == kArcClockwise) dc().arcDirection = c.value;
      break;
    case MetaOp::kBeginPath:
    case MetaOp::kEndPath:
    case MetaOp::kCloseFigure:
    case MetaOp::kAbortPath:
    case MetaOp::kFillPath:
    case MetaOp::kStrokePath:
    case MetaOp::kStrokeAndFillPath:
    case MetaOp::kFlattenPath:
    case MetaOp::kWidenPath:
    case MetaOp::kSelectClipPath: PathCommand(c); break;
    case MetaOp::kIntersectClipRect:
    case MetaOp::kExcludeClipRect:
    case MetaOp::kSelectClipRegion:
    case MetaOp::kOffsetClipRegion: Clip(c); break;
    case MetaOp::kBitmap: Bitmap(c); break;
    case MetaOp::kFillRegion: {
      // The region's rectangles with the named brush (or the one in place).
      const MetaBrush inPlace = dc().brush;
      if (c.value != kCurrentBrush) {
        const std::optional<MetaObject> object = Lookup(c.value);
        const MetaBrush* named = object ? std::get_if<MetaBrush>(&*object) : nullptr;
        if (!named) break;  // no such brush: nothing is filled
        dc().brush = *named;
      }
      std::vector<PathFigure> rects;
      for (size_t i = 0; i + 1 < c.points.size(); i += 2) {
        const GdiPoint a = c.points[i], b = c.points[i + 1];
        rects.push_back({{MapD(a.x, a.y), MapD(b.x, a.y), MapD(b.x, b.y), MapD(a.x, b.y)}, true});
      }
      const int32_t mode = dc().polyFillMode;
      dc().polyFillMode = kFillWinding;
      drew_ = drew_ || !rects.empty();
      Fill(rects);
      dc().polyFillMode = mode;
      dc().brush = inPlace;
      break;
    }
    case MetaOp::kSetPixel: {
      const GdiPoint p = Map(c.p1);
      dev_.SetPixel(p.x, p.y, c.color);
      drew_ = true;
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

}  // namespace metafile_player

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

bool PlayMetafile(const MetafilePicture& picture, MetafilePlaybackState& state, Device& device,
                  const PlaybackTarget& target) {
  metafile_player::Player player(state, device, target);
  for (const MetaCommand& c : picture.commands) player.Play(c);
  return player.drew();
}
