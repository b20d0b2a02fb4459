// Lines, polygons, curves, shapes, arcs and paths: drawn through the device's own shapes where
// it can draw them as they are, else as figures of points, filled by the fill mode and
// stroked with the pen's dashes.
#include <algorithm>
#include <cmath>

#include "platform/gdi/metafile_player_impl.h"

namespace metafile_player {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<GdiRing> Rings(const std::vector<PathFigure>& figures) {
  std::vector<GdiRing> rings;
  for (const PathFigure& f : figures) {
    if (f.points.size() < 3) continue;
    rings.emplace_back();
    for (const DPoint& p : f.points) rings.back().push_back({Clamp(p.x), Clamp(p.y)});
  }
  return rings;
}

// The four corners of a segment of the given width, counter-clockwise in device pixels.
std::vector<DPoint> SegmentOutline(DPoint a, DPoint b, double width) {
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  if (!(length > 0)) return {};
  const double nx = -(b.y - a.y) / length * width / 2, ny = (b.x - a.x) / length * width / 2;
  return {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}};
}

}  // namespace

bool Player::SimplePen() const {
  const MetaPen& p = dc().pen;
  return p.null || p.style == kPenNull || p.style == kPenSolid || p.style == kPenInsideFrame ||
         DashPattern().empty();
}

std::vector<double> Player::DashPattern() const {
  const MetaPen& p = dc().pen;
  const double width = p.width <= 0 ? 1 : std::max(1.0, std::round(p.width * UnitX()));
  // Pens of the plain kind draw solid when wider than a pixel; extended geometric pens scale
  // their dashes with their width.
  if (!p.geometric && width > 1) return {};
  const double unit = p.geometric ? width : 1;
  std::vector<double> cosmetic, geometric;
  switch (p.style) {
    case kPenDash: cosmetic = {18, 6}, geometric = {3, 1}; break;
    case kPenDot: cosmetic = {3, 3}, geometric = {1, 1}; break;
    case kPenDashDot: cosmetic = {9, 6, 3, 6}, geometric = {3, 1, 1, 1}; break;
    case kPenDashDotDot: cosmetic = {9, 3, 3, 3, 3, 3}, geometric = {3, 1, 1, 1, 1, 1}; break;
    case kPenAlternate: cosmetic = geometric = {1, 1}; break;
    case kPenUserStyle: {
      std::vector<double> user;
      double total = 0;
      for (uint32_t d : p.dashes) {
        const double len = p.geometric ? d * UnitX() : d;
        user.push_back(std::max(1.0, std::min(len, kCoordinateLimit)));
        total += d;
      }
      if (user.size() % 2) user.insert(user.end(), user.begin(), user.end());
      return total > 0 ? user : std::vector<double>();
    }
    default: return {};
  }
  if (!p.geometric) return cosmetic;
  for (double& d : geometric) d *= unit;
  return geometric;
}

void Player::Stroke(const std::vector<PathFigure>& figures) {
  const MetaPen& pen = dc().pen;
  if (pen.null || pen.style == kPenNull) return;
  ApplyPen();
  const std::vector<double> pattern = DashPattern();
  // Dashes are made only where they can show, when the device's size is known.
  const GdiSize size = dev_.PixelSize();
  const double margin = 4.0 + std::max(1, dev_.CurrentPenWidth());
  const DBox view{-margin, -margin, size.cx + margin, size.cy + margin};
  const DBox* within = size.cx > 0 && size.cy > 0 ? &view : nullptr;
  for (const PathFigure& f : figures) {
    std::vector<DPoint> line = f.points;
    if (f.closed && line.size() > 2) line.push_back(line.front());
    if (line.size() < 2) continue;
    if (pattern.empty()) {
      dev_.Polyline(Round(line));
      continue;
    }
    for (const std::vector<DPoint>& dash : Dashes(line, pattern, within))
      dev_.Polyline(Round(dash));
  }
}

void Player::Fill(const std::vector<PathFigure>& figures) {
  if (dc().brush.hollow) return;
  const std::vector<GdiRing> rings = Rings(figures);
  if (rings.empty()) return;
  dev_.SetNullPen();
  ApplyBrush();
  dev_.PolyPolygon(rings, dc().polyFillMode == kFillWinding);
  ApplyPen();
}

void Player::Draw(const std::vector<PathFigure>& figures, bool fill) {
  if (s_.path.open) {
    s_.path.figures.insert(s_.path.figures.end(), figures.begin(), figures.end());
    return;
  }
  drew_ = true;
  if (fill) Fill(figures);
  Stroke(figures);
}

void Player::DrawFrom(const std::vector<DPoint>& points) {
  if (points.empty()) return;
  const DPoint start{dc().positionX, dc().positionY};
  dc().positionX = points.back().x;
  dc().positionY = points.back().y;
  if (s_.path.open) {
    std::vector<PathFigure>& path = s_.path.figures;
    if (path.empty() || path.back().closed) path.push_back({{start}, false});
    path.back().points.insert(path.back().points.end(), points.begin(), points.end());
    return;
  }
  std::vector<DPoint> line{start};
  line.insert(line.end(), points.begin(), points.end());
  drew_ = true;
  Stroke({{line, false}});
}

std::vector<DPoint> Player::Beziers(DPoint start, const std::vector<GdiPoint>& points,
                                    size_t from, size_t n) {
  std::vector<DPoint> out;
  DPoint at = start;
  for (size_t i = from; i + 2 < from + n && i + 2 < points.size(); i += 3) {
    const DPoint p1 = MapD(points[i]), p2 = MapD(points[i + 1]), p3 = MapD(points[i + 2]);
    AppendBezier(out, at, p1, p2, p3);
    at = p3;
  }
  return out;
}

void Player::Lines(const MetaCommand& c) {
  const bool path = s_.path.open;
  auto figure = [&](size_t from, size_t n, bool closed) {
    PathFigure f{{}, closed};
    for (size_t i = from; i < from + n && i < c.points.size(); ++i) f.points.push_back(MapD(c.points[i]));
    return f;
  };
  switch (c.op) {
    case MetaOp::kLineTo:
      if (!path && SimplePen()) {
        ApplyPen();
        const GdiPoint to = Map(c.p1);
        dev_.MoveTo(Clamp(dc().positionX), Clamp(dc().positionY));
        dev_.LineTo(to.x, to.y);
        const DPoint p = MapD(c.p1);
        dc().positionX = p.x;
        dc().positionY = p.y;
        drew_ = true;
      } else {
        DrawFrom({MapD(c.p1)});
      }
      break;
    case MetaOp::kPolyline:
      if (!path && SimplePen()) {
        ApplyPen();
        dev_.Polyline(Map(c.points, 0, c.points.size()));
        drew_ = true;
      } else {
        Draw({figure(0, c.points.size(), false)}, false);
      }
      break;
    case MetaOp::kPolylineTo: {
      std::vector<DPoint> points;
      for (const GdiPoint& p : c.points) points.push_back(MapD(p));
      DrawFrom(points);
      break;
    }
    case MetaOp::kPolygon:
    case MetaOp::kPolyPolygon:
    case MetaOp::kPolyPolyline: {
      const bool closed = c.op != MetaOp::kPolyPolyline;
      std::vector<PathFigure> figures;
      if (c.op == MetaOp::kPolygon) {
        figures.push_back(figure(0, c.points.size(), true));
      } else {
        size_t from = 0;
        for (uint32_t n : c.counts) {
          figures.push_back(figure(from, n, closed));
          from += n;
        }
      }
      if (!path && closed && SimplePen()) {
        ApplyPen();
        ApplyBrush();
        std::vector<GdiRing> rings;
        for (const PathFigure& f : figures) rings.push_back(Round(f.points));
        dev_.PolyPolygon(rings, dc().polyFillMode == kFillWinding);
        drew_ = true;
      } else {
        Draw(figures, closed);
      }
      break;
    }
    case MetaOp::kPolyBezier: {
      if (c.points.empty()) break;
      PathFigure f{{MapD(c.points[0])}, false};
      const std::vector<DPoint> curve = Beziers(f.points[0], c.points, 1, c.points.size() - 1);
      f.points.insert(f.points.end(), curve.begin(), curve.end());
      Draw({f}, false);
      break;
    }
    case MetaOp::kPolyBezierTo:
      DrawFrom(Beziers({dc().positionX, dc().positionY}, c.points, 0, c.points.size()));
      break;
    default: break;
  }
}

void Player::PolyDraw(const MetaCommand& c) {
  std::vector<PathFigure> figures;
  DPoint at{dc().positionX, dc().positionY};
  figures.push_back({{at}, false});
  const size_t n = std::min(c.points.size(), c.types.size());
  for (size_t i = 0; i < n; ++i) {
    const uint8_t type = c.types[i] & ~kPointClose;
    bool close = c.types[i] & kPointClose;
    if (type == kPointMoveTo) {
      at = MapD(c.points[i]);
      figures.push_back({{at}, false});
      continue;
    }
    if (type == kPointBezierTo && i + 2 < n) {
      std::vector<DPoint> curve;
      const DPoint p3 = MapD(c.points[i + 2]);
      AppendBezier(curve, at, MapD(c.points[i]), MapD(c.points[i + 1]), p3);
      figures.back().points.insert(figures.back().points.end(), curve.begin(), curve.end());
      close = c.types[i + 2] & kPointClose;
      at = p3;
      i += 2;
    } else if (type == kPointLineTo) {
      at = MapD(c.points[i]);
      figures.back().points.push_back(at);
    } else {
      break;  // a malformed record draws what came before
    }
    if (close) {
      figures.back().closed = true;
      figures.push_back({{at}, false});
    }
  }
  dc().positionX = at.x;
  dc().positionY = at.y;
  std::erase_if(figures, [](const PathFigure& f) { return f.points.size() < 2; });
  Draw(figures, false);
}

void Player::Shape(const MetaCommand& c) {
  if (!s_.path.open && SimplePen() && Upright()) {
    ApplyPen();
    ApplyBrush();
    int32_t l, t, r, b;
    MapBox(c.p1, c.p2, l, t, r, b);
    if (c.op == MetaOp::kRectangle) dev_.Rectangle(l, t, r, b);
    else if (c.op == MetaOp::kEllipse) dev_.Ellipse(l, t, r, b);
    else dev_.RoundRect(l, t, r, b, Clamp(c.corner.cx * UnitX()), Clamp(c.corner.cy * UnitY()));
    drew_ = true;
    return;
  }
  const double l = std::min(c.p1.x, c.p2.x), r = std::max(c.p1.x, c.p2.x);
  const double t = std::min(c.p1.y, c.p2.y), b = std::max(c.p1.y, c.p2.y);
  std::vector<DPoint> logical;
  if (c.op == MetaOp::kRectangle) {
    logical = {{l, t}, {r, t}, {r, b}, {l, b}};
  } else if (c.op == MetaOp::kEllipse) {
    logical = EllipseArc(l, t, r, b, 0, 2 * kPi);
    logical.pop_back();
  } else {
    const double rx = std::min(std::abs(double(c.corner.cx)) / 2, (r - l) / 2);
    const double ry = std::min(std::abs(double(c.corner.cy)) / 2, (b - t) / 2);
    // Corner arcs counter-clockwise from the top right.
    const double corners[4][2] = {{r - rx, t + ry}, {l + rx, t + ry}, {l + rx, b - ry},
                                  {r - rx, b - ry}};
    for (int i = 0; i < 4; ++i) {
      const std::vector<DPoint> arc =
          EllipseArc(corners[i][0] - rx, corners[i][1] - ry, corners[i][0] + rx,
                     corners[i][1] + ry, i * kPi / 2, (i + 1) * kPi / 2);
      logical.insert(logical.end(), arc.begin(), arc.end());
    }
  }
  PathFigure f{{}, true};
  for (const DPoint& p : logical) f.points.push_back(MapD(p.x, p.y));
  Draw({f}, true);
}

void Player::Arc(const MetaCommand& c) {
  std::vector<DPoint> logical;
  DPoint centre;
  if (c.op == MetaOp::kAngleArc) {
    const double radius = c.numbers[0];
    const double t0 = c.numbers[1] * kPi / 180, t1 = t0 + c.numbers[2] * kPi / 180;
    if (!std::isfinite(t0) || !std::isfinite(t1) || std::abs(t1 - t0) > 4 * kPi * 1000) return;
    logical = EllipseArc(c.p1.x - radius, c.p1.y - radius, c.p1.x + radius, c.p1.y + radius, t0,
                         t1);
  } else {
    const double l = std::min(c.p1.x, c.p2.x), r = std::max(c.p1.x, c.p2.x);
    const double t = std::min(c.p1.y, c.p2.y), b = std::max(c.p1.y, c.p2.y);
    centre = {(l + r) / 2, (t + b) / 2};
    const double t0 = RadialAngle(l, t, r, b, {double(c.rect1.x), double(c.rect1.y)});
    double t1 = RadialAngle(l, t, r, b, {double(c.rect2.x), double(c.rect2.y)});
    // The direction holds on the device: the parameter runs counter-clockwise there unless
    // the transforms mirror the picture.
    const WorldTransform& w = dc().world;
    const double det = (w.m11 * w.m22 - w.m12 * w.m21) * dc().mapping.ScaleX() *
                       dc().mapping.ScaleY() * target_.scaleX * target_.scaleY;
    const bool increasing = (dc().arcDirection == kArcCounterClockwise) == (det > 0);
    if (increasing) {
      while (t1 <= t0) t1 += 2 * kPi;
    } else {
      while (t1 >= t0) t1 -= 2 * kPi;
    }
    logical = EllipseArc(l, t, r, b, t0, t1);
  }
  std::vector<DPoint> points;
  for (const DPoint& p : logical) points.push_back(MapD(p.x, p.y));
  switch (c.op) {
    case MetaOp::kArc: Draw({{points, false}}, false); break;
    case MetaOp::kArcTo:
    case MetaOp::kAngleArc: DrawFrom(points); break;
    case MetaOp::kChord: Draw({{points, true}}, true); break;
    case MetaOp::kPie:
      points.push_back(MapD(centre.x, centre.y));
      Draw({{points, true}}, true);
      break;
    default: break;
  }
}

void Player::PathCommand(const MetaCommand& c) {
  MetafileDcState& d = dc();
  MetafilePath& path = s_.path;
  auto used = [&] {
    path.figures.clear();
    path.widened = false;
  };
  // Filled figures are closed; a widened path is filled by winding, so that its overlapping
  // pieces stay one.
  auto fill = [&] {
    std::vector<PathFigure> figures = path.figures;
    for (PathFigure& f : figures) f.closed = true;
    const int32_t mode = d.polyFillMode;
    if (path.widened) d.polyFillMode = kFillWinding;
    Fill(figures);
    d.polyFillMode = mode;
  };
  switch (c.op) {
    case MetaOp::kBeginPath:
      used();
      path.open = true;
      break;
    case MetaOp::kEndPath: path.open = false; break;
    case MetaOp::kAbortPath:
      used();
      path.open = false;
      break;
    case MetaOp::kCloseFigure:
      if (path.open && !path.figures.empty()) {
        path.figures.back().closed = true;
        const DPoint start = path.figures.back().points.front();
        d.positionX = start.x;
        d.positionY = start.y;
      }
      break;
    case MetaOp::kFillPath:
    case MetaOp::kStrokePath:
    case MetaOp::kStrokeAndFillPath:
      if (path.open) break;
      drew_ = drew_ || !path.figures.empty();
      if (c.op != MetaOp::kStrokePath) fill();
      if (c.op != MetaOp::kFillPath) {
        if (path.widened) {
          // The outline's pieces in the pen's colour.
          const MetaBrush brush = d.brush;
          d.brush = MetaBrush();
          d.brush.color = d.pen.color;
          fill();
          d.brush = brush;
        } else {
          Stroke(path.figures);
        }
      }
      used();
      break;
    case MetaOp::kFlattenPath: break;  // curves are kept flattened
    case MetaOp::kWidenPath: {
      if (path.open || d.pen.null) break;
      const double width = d.pen.width <= 0 ? 1 : std::max(1.0, d.pen.width * UnitX());
      std::vector<PathFigure> pieces;
      for (const PathFigure& f : path.figures) {
        std::vector<DPoint> line = f.points;
        if (f.closed && line.size() > 2) line.push_back(line.front());
        for (size_t i = 0; i + 1 < line.size(); ++i) {
          std::vector<DPoint> quad = SegmentOutline(line[i], line[i + 1], width);
          if (!quad.empty()) pieces.push_back({quad, true});
        }
      }
      path.figures = std::move(pieces);
      path.widened = true;
      break;
    }
    case MetaOp::kSelectClipPath: {
      if (path.open) break;
      ClipStep step;
      std::vector<PathFigure> figures = path.figures;
      step.rings = Rings(figures);
      step.winding = path.widened || d.polyFillMode == kFillWinding;
      step.mode = c.value >= kClipAnd && c.value <= kClipCopy ? GdiClipMode(c.value) : kClipCopy;
      used();
      AddClip(std::move(step));
      break;
    }
    default: break;
  }
}

}  // namespace metafile_player
