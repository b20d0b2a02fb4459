// The player's inner workings, shared by its parts: the state and object commands, shapes and
// paths, text, and clipping with bitmaps.
#pragma once

#include <cmath>

#include "platform/gdi/metafile_player.h"

namespace metafile_player {

constexpr double kCoordinateLimit = 1 << 30;

inline int32_t Clamp(double v) {
  if (!std::isfinite(v)) return v > 0 ? int32_t(kCoordinateLimit) : v < 0 ? -int32_t(kCoordinateLimit) : 0;
  return int32_t(std::lround(std::clamp(v, -kCoordinateLimit, kCoordinateLimit)));
}

class Player {
 public:
  Player(MetafilePlaybackState& state, Device& device, const PlaybackTarget& target)
      : s_(state), dev_(device), target_(target) {}

  void Play(const MetaCommand& c);
  bool drew() const { return drew_; }

 private:
  // Logical units to device units, through the world transform and the mapping.
  DPoint MapD(double x, double y) const;
  DPoint MapD(GdiPoint p) const { return MapD(p.x, p.y); }
  GdiPoint Map(GdiPoint p) const {
    const DPoint d = MapD(p);
    return {Clamp(d.x), Clamp(d.y)};
  }
  double UnitX() const;
  double UnitY() const;
  // Whether logical axes stay device axes (no rotation or shear).
  bool Upright() const { return dc().world.m12 == 0 && dc().world.m21 == 0; }
  MetafileDcState& dc() const { return s_.dc; }
  std::vector<GdiPoint> Map(const std::vector<GdiPoint>& points, size_t from, size_t n);
  // Device rectangle of two logical corners, ordered left < right and top < bottom.
  void MapBox(GdiPoint a, GdiPoint b, int32_t& l, int32_t& t, int32_t& r, int32_t& bt);
  static std::vector<GdiPoint> Round(const std::vector<DPoint>& points);

  // State and objects.
  void ApplyPen();
  void ApplyBrush();
  void ApplyFont();
  void Create(const MetaCommand& c, MetaObject object);
  std::optional<MetaObject> Lookup(int32_t index) const;
  void Select(const MetaCommand& c);
  void Delete(int32_t index);
  void RestoreDc(int32_t level);
  void Transform(const MetaCommand& c);

  // Shapes and paths.
  bool SimplePen() const;
  std::vector<double> DashPattern() const;
  void Stroke(const std::vector<PathFigure>& figures);
  void Fill(const std::vector<PathFigure>& figures);
  // Shapes: into the path while it is open, else filled (when `fill`) and stroked.
  void Draw(const std::vector<PathFigure>& figures, bool fill);
  // Lines from the current position on: into the path, else stroked.
  void DrawFrom(const std::vector<DPoint>& points);
  void Shape(const MetaCommand& c);
  void Lines(const MetaCommand& c);
  void Arc(const MetaCommand& c);
  void PolyDraw(const MetaCommand& c);
  void PathCommand(const MetaCommand& c);
  std::vector<DPoint> Beziers(DPoint start, const std::vector<GdiPoint>& points, size_t from,
                              size_t n);

  // Text.
  void Text(const MetaCommand& c);
  void FillBox(GdiPoint origin, double alongX, double alongY, double downX, double downY,
               double left, double top, double right, double bottom, uint32_t color);

  // Clipping and bitmaps.
  void Clip(const MetaCommand& c);
  void AddClip(ClipStep step);
  void RebuildClip();
  void Bitmap(const MetaCommand& c);

  MetafilePlaybackState& s_;
  Device& dev_;
  const PlaybackTarget& target_;
  bool drew_ = false;
};

}  // namespace metafile_player
