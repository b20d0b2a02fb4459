#include "platform/gdi/ink_bounds_device.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

int32_t Within(int64_t v) {
  return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                     std::numeric_limits<int32_t>::max()));
}

}  // namespace

void InkBoundsDevice::Add(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (!inked_) {
    box_ = {left, top, right, bottom};
    inked_ = true;
    return;
  }
  box_.left = std::min(box_.left, left);
  box_.top = std::min(box_.top, top);
  box_.right = std::max(box_.right, right);
  box_.bottom = std::max(box_.bottom, bottom);
}

// Half the pen beyond the points; a one-pixel pen stays on them.
void InkBoundsDevice::AddStroked(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  const int64_t half = nullPen_ ? 0 : std::clamp(penWidth_, 1, 1 << 20) / 2;
  Add(Within(std::min(left, right) - half), Within(std::min(top, bottom) - half),
      Within(std::max(left, right) + half), Within(std::max(top, bottom) + half));
}

void InkBoundsDevice::AddPoints(const std::vector<GdiPoint>& points) {
  if (points.empty()) return;
  int32_t l = points[0].x, t = points[0].y, r = l, b = t;
  for (const GdiPoint& p : points) {
    l = std::min(l, p.x);
    r = std::max(r, p.x);
    t = std::min(t, p.y);
    b = std::max(b, p.y);
  }
  AddStroked(l, t, r, b);
}

void InkBoundsDevice::SetPen(int32_t width, uint32_t color) {
  penWidth_ = width;
  penColor_ = color;
  nullPen_ = false;
}

void InkBoundsDevice::LineTo(int32_t x, int32_t y) {
  AddStroked(current_.x, current_.y, x, y);
  current_ = {x, y};
}

void InkBoundsDevice::AddText(int32_t x, int32_t y, GdiSize extent) {
  if (align_ & kTextAlignUpdateCP) {
    x = current_.x;
    y = current_.y;
    current_ = AdvanceAlongBaseline(current_, extent.cx, font_.escapement);
  }
  const GdiBox box = TextInkBox({x, y}, extent, FontAscent(), align_, font_);
  Add(box.left, box.top, box.right, box.bottom);
}

void InkBoundsDevice::TextOut(int32_t x, int32_t y, const std::string& text) {
  if (!text.empty()) AddText(x, y, TextExtent(text));
}

void InkBoundsDevice::TextOutUnicode(int32_t x, int32_t y, const std::string& utf8,
                                     const std::vector<int32_t>& advances) {
  if (utf8.empty()) return;
  GdiSize extent = TextExtentUnicode(utf8);
  if (!advances.empty()) extent.cx = std::max(extent.cx, AdvancesWidth(advances));
  AddText(x, y, extent);
}

GdiSize InkBoundsDevice::TextExtent(const std::string& text) {
  if (!measure_) return {};
  measure_->SetFont(font_);
  return measure_->TextExtent(text);
}

GdiSize InkBoundsDevice::TextExtentUnicode(const std::string& utf8) {
  if (!measure_) return {};
  measure_->SetFont(font_);
  return measure_->TextExtentUnicode(utf8);
}

int32_t InkBoundsDevice::FontAscent() {
  if (!measure_) return 0;
  measure_->SetFont(font_);
  return measure_->FontAscent();
}
