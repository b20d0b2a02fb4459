#include "platform/gdi/ink_bounds_device.h"

#include <algorithm>

#include "platform/gdi/ink_box.h"

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

void InkBoundsDevice::AddStroked(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  const GdiBox box = PenBox(left, top, right, bottom, nullPen_ ? 0 : penWidth_);
  Add(box.left, box.top, box.right, box.bottom);
}

void InkBoundsDevice::AddPoints(const std::vector<GdiPoint>& points) {
  if (points.empty()) return;
  const GdiBox box = PointsBox(points);
  AddStroked(box.left, box.top, box.right, box.bottom);
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
