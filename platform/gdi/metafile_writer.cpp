#include "platform/gdi/metafile_writer.h"

#include <algorithm>

MetafileWriter::MetafileWriter(Device* measure, int32_t firstSlot)
    : measure_(measure), firstSlot_(firstSlot) {}

int32_t MetafileWriter::NewSlot() {
  const auto free = std::find(slots_.begin(), slots_.end(), false);
  if (free != slots_.end()) {
    *free = true;
    return firstSlot_ + static_cast<int32_t>(free - slots_.begin());
  }
  slots_.push_back(true);
  return firstSlot_ + static_cast<int32_t>(slots_.size()) - 1;
}

template <class Create>
void MetafileWriter::Replace(int32_t& current, Create create) {
  const int32_t slot = NewSlot();
  create(slot);
  PutSelect(slot);
  if (current >= 0) {
    PutDelete(current);
    slots_[size_t(current - firstSlot_)] = false;
  }
  current = slot;
}

void MetafileWriter::SetPen(int32_t width, uint32_t color) {
  if (finished_ || (pen_ >= 0 && !penNull_ && width == penWidth_ && color == penColor_)) return;
  penNull_ = false;
  penWidth_ = width;
  penColor_ = color;
  Replace(pen_, [&](int32_t slot) { PutCreatePen(slot, false, std::max(width, 0), color); });
}

void MetafileWriter::SetNullPen() {
  if (finished_ || (pen_ >= 0 && penNull_)) return;
  penNull_ = true;
  Replace(pen_, [&](int32_t slot) { PutCreatePen(slot, true, 0, 0); });
}

void MetafileWriter::SetBrush(bool hollow, uint32_t color) {
  if (finished_ || (brush_ >= 0 && hollow == brushHollow_ && color == brushColor_)) return;
  brushHollow_ = hollow;
  brushColor_ = color;
  Replace(brush_, [&](int32_t slot) { PutCreateBrush(slot, hollow, color); });
}

void MetafileWriter::SetFont(const GdiFont& font) {
  if (finished_ || (font_ >= 0 && font == gdiFont_)) return;
  gdiFont_ = font;
  Replace(font_, [&](int32_t slot) { PutCreateFont(slot, font); });
}

void MetafileWriter::SetTextColor(uint32_t color) {
  if (finished_ || (textColorSet_ && color == textColor_)) return;
  textColor_ = color;
  textColorSet_ = true;
  PutTextColor(color);
}

void MetafileWriter::SetTextAlign(uint16_t align) {
  if (finished_) return;
  textAlign_ = align;
  const uint16_t written = align & ~kTextAlignUpdateCP;
  if (written == writtenAlign_) return;
  writtenAlign_ = written;
  PutTextAlign(written);
}

void MetafileWriter::MoveTo(int32_t x, int32_t y) {
  if (finished_) return;
  PutMoveTo(x, y);
  current_ = {x, y};
  currentMoved_ = false;
}
void MetafileWriter::LineTo(int32_t x, int32_t y) {
  if (finished_) return;
  if (currentMoved_) PutMoveTo(current_.x, current_.y);
  currentMoved_ = false;
  PutLineTo(x, y);
  current_ = {x, y};
}
void MetafileWriter::Polyline(const std::vector<GdiPoint>& points) {
  if (!finished_ && points.size() >= 2) PutPoly(points, false);
}
void MetafileWriter::Polygon(const std::vector<GdiPoint>& points) {
  if (!finished_ && points.size() >= 2) PutPoly(points, true);
}
void MetafileWriter::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (!finished_) PutShape(Shape::kRectangle, left, top, right, bottom, 0, 0);
}
void MetafileWriter::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                               int32_t ellipseWidth, int32_t ellipseHeight) {
  if (!finished_)
    PutShape(Shape::kRoundRect, left, top, right, bottom, ellipseWidth, ellipseHeight);
}
void MetafileWriter::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (!finished_) PutShape(Shape::kEllipse, left, top, right, bottom, 0, 0);
}
void MetafileWriter::SetPixel(int32_t x, int32_t y, uint32_t color) {
  if (!finished_) PutPixel(x, y, color);
}

void MetafileWriter::EnsurePenAndBrush() {
  if (pen_ < 0) SetPen(penWidth_, penColor_);  // the default pen, until one is set
  if (brush_ < 0) SetBrush(brushHollow_, brushColor_);
}

// A rectangle with a null pen and a solid brush, the pen and brush in place selected again. A
// null-pen rectangle leaves out its right and bottom edge, as the fill does.
void MetafileWriter::FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                              uint32_t color) {
  if (finished_ || right <= left || bottom <= top) return;
  EnsurePenAndBrush();
  const int32_t nullPen = NewSlot();
  PutCreatePen(nullPen, true, 0, 0);
  PutSelect(nullPen);
  const int32_t solid = NewSlot();
  PutCreateBrush(solid, false, color);
  PutSelect(solid);
  PutShape(Shape::kRectangle, left, top, right + 1, bottom + 1, 0, 0);
  PutSelect(pen_);
  PutSelect(brush_);
  for (const int32_t slot : {solid, nullPen}) {
    PutDelete(slot);
    slots_[size_t(slot - firstSlot_)] = false;
  }
}

void MetafileWriter::TextOut(int32_t x, int32_t y, const std::string& text) {
  if (finished_ || text.empty()) return;
  if (textAlign_ != 0xFFFF && (textAlign_ & kTextAlignUpdateCP)) {
    x = current_.x;
    y = current_.y;
    current_ = AdvanceAlongBaseline(current_, TextExtent(text).cx, gdiFont_.escapement);
    currentMoved_ = true;
  }
  PutText(x, y, text);
}

GdiSize MetafileWriter::TextExtent(const std::string& text) {
  if (!measure_) return {};
  measure_->SetFont(gdiFont_);
  return measure_->TextExtent(text);
}

int32_t MetafileWriter::FontAscent() {
  if (!measure_) return 0;
  measure_->SetFont(gdiFont_);
  return measure_->FontAscent();
}

std::string MetafileWriter::Finish() {
  if (finished_) return {};
  for (int32_t* slot : {&pen_, &brush_, &font_}) {
    if (*slot >= 0) PutDelete(*slot);
    *slot = -1;
  }
  finished_ = true;
  return PutEnd();
}
