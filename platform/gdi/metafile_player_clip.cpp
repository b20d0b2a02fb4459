// Clipping records, kept as the steps that built the clip so that a restored state can build
// it again, and bitmap records stretched onto their destination.
#include <algorithm>
#include <cmath>

#include "platform/gdi/metafile_player_impl.h"

namespace metafile_player {

namespace {

constexpr uint32_t kRopPatCopy = 0xF0, kRopBlackness = 0x00, kRopWhiteness = 0xFF;

}  // namespace

void Player::AddClip(ClipStep step) {
  dev_.CombineClip(step.rings, step.winding, step.mode);
  auto before = step.mode == kClipCopy ? nullptr : dc().clip;
  dc().clip = std::make_shared<const ClipNode>(ClipNode{std::move(step), std::move(before)});
}

void Player::RebuildClip() {
  dev_.ResetClip();
  std::vector<const ClipStep*> steps;
  for (const ClipNode* n = dc().clip.get(); n; n = n->before.get()) steps.push_back(&n->step);
  for (auto s = steps.rbegin(); s != steps.rend(); ++s)
    dev_.CombineClip((*s)->rings, (*s)->winding, (*s)->mode);
}

void Player::Clip(const MetaCommand& c) {
  switch (c.op) {
    case MetaOp::kIntersectClipRect:
    case MetaOp::kExcludeClipRect: {
      ClipStep step;
      step.rings.push_back(Round({MapD(c.p1.x, c.p1.y), MapD(c.p2.x, c.p1.y),
                                  MapD(c.p2.x, c.p2.y), MapD(c.p1.x, c.p2.y)}));
      step.mode = c.op == MetaOp::kIntersectClipRect ? kClipAnd : kClipDiff;
      AddClip(std::move(step));
      break;
    }
    case MetaOp::kSelectClipRegion: {
      const GdiClipMode mode =
          c.value >= kClipAnd && c.value <= kClipCopy ? GdiClipMode(c.value) : kClipCopy;
      if (c.points.empty()) {
        // No region: copying it removes the clip; the other modes leave it.
        if (mode == kClipCopy) {
          dc().clip.reset();
          dev_.ResetClip();
        }
        break;
      }
      // The region's rectangles are in the picture's device units.
      ClipStep step;
      step.winding = true;
      step.mode = mode;
      for (size_t i = 0; i + 1 < c.points.size(); i += 2) {
        const double l = target_.scaleX * c.points[i].x + target_.offsetX;
        const double t = target_.scaleY * c.points[i].y + target_.offsetY;
        const double r = target_.scaleX * c.points[i + 1].x + target_.offsetX;
        const double b = target_.scaleY * c.points[i + 1].y + target_.offsetY;
        step.rings.push_back(Round({{l, t}, {r, t}, {r, b}, {l, b}}));
      }
      AddClip(std::move(step));
      break;
    }
    case MetaOp::kOffsetClipRegion: {
      if (!dc().clip) break;
      const DPoint a = MapD(0, 0), b = MapD(c.p1);
      const int32_t dx = Clamp(b.x - a.x), dy = Clamp(b.y - a.y);
      // The steps again, moved, the first one first.
      std::vector<ClipStep> steps;
      for (const ClipNode* n = dc().clip.get(); n; n = n->before.get()) steps.push_back(n->step);
      std::shared_ptr<const ClipNode> moved;
      for (auto s = steps.rbegin(); s != steps.rend(); ++s) {
        for (GdiRing& ring : s->rings)
          for (GdiPoint& p : ring) p = {Clamp(double(p.x) + dx), Clamp(double(p.y) + dy)};
        moved = std::make_shared<const ClipNode>(ClipNode{std::move(*s), moved});
      }
      dc().clip = std::move(moved);
      RebuildClip();
      break;
    }
    default: break;
  }
}

void Player::Bitmap(const MetaCommand& c) {
  const DPoint a = MapD(c.p1);
  const DPoint b = MapD(double(c.p1.x) + c.p2.x, double(c.p1.y) + c.p2.y);
  const int32_t l = Clamp(std::min(a.x, b.x)), r = Clamp(std::max(a.x, b.x));
  const int32_t t = Clamp(std::min(a.y, b.y)), bt = Clamp(std::max(a.y, b.y));
  if (r <= l || bt <= t) return;
  drew_ = true;
  const uint32_t op = c.rop >> 16 & 0xFF;
  if (c.pixels.empty()) {
    if (op == kRopPatCopy) {
      Fill({{{{double(l), double(t)}, {double(r), double(t)}, {double(r), double(bt)},
              {double(l), double(bt)}},
             true}});
    } else if (op == kRopBlackness || op == kRopWhiteness) {
      dev_.FillRect(l, t, r, bt, op == kRopBlackness ? 0 : 0xFFFFFF);
    }
    return;
  }
  // The source part, mirrored when the destination runs the other way.
  const int64_t sx0 = std::clamp<int64_t>(std::min<int64_t>(c.rect1.x, int64_t(c.rect1.x) + c.rect2.x), 0, c.pixelWidth);
  const int64_t sx1 = std::clamp<int64_t>(std::max<int64_t>(c.rect1.x, int64_t(c.rect1.x) + c.rect2.x), 0, c.pixelWidth);
  const int64_t sy0 = std::clamp<int64_t>(std::min<int64_t>(c.rect1.y, int64_t(c.rect1.y) + c.rect2.y), 0, c.pixelHeight);
  const int64_t sy1 = std::clamp<int64_t>(std::max<int64_t>(c.rect1.y, int64_t(c.rect1.y) + c.rect2.y), 0, c.pixelHeight);
  if (sx1 <= sx0 || sy1 <= sy0) return;
  const bool mirrorX = (b.x < a.x) != (c.rect2.x < 0);
  const bool mirrorY = (b.y < a.y) != (c.rect2.y < 0);
  const int32_t w = int32_t(sx1 - sx0), h = int32_t(sy1 - sy0);
  std::vector<uint32_t> part;
  part.reserve(size_t(w) * size_t(h));
  for (int32_t y = 0; y < h; ++y) {
    const int64_t sy = mirrorY ? sy1 - 1 - y : sy0 + y;
    for (int32_t x = 0; x < w; ++x) {
      const int64_t sx = mirrorX ? sx1 - 1 - x : sx0 + x;
      part.push_back(c.pixels[size_t(sy) * size_t(c.pixelWidth) + size_t(sx)]);
    }
  }
  dev_.StretchPixels(l, t, r, bt, w, h, part, c.rop);
}

}  // namespace metafile_player
