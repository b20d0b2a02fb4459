// A device that draws nothing and keeps the box of everything it was asked to draw: lines and
// outlines widened by half the pen, filled shapes, pixels and the cells of text (measured on a
// measuring device with the same font). Exports measure the drawing's ink with it before they
// size their picture.
#pragma once

#include "platform/gdi/device.h"
#include "platform/gdi/text_box.h"

class InkBoundsDevice final : public Device {
 public:
  // `measure` (not owned, may be null: text then counts as its reference point) measures text.
  explicit InkBoundsDevice(Device* measure) : measure_(measure) {}

  // False while nothing was drawn.
  bool Inked() const { return inked_; }
  // The box of the ink, right and bottom included.
  GdiBox Ink() const { return box_; }

  void SetPen(int32_t width, uint32_t color) override;
  void SetNullPen() override { nullPen_ = true; }
  void SetBrush(bool, uint32_t) override {}
  void SetFont(const GdiFont& font) override { font_ = font; }
  void SetTextColor(uint32_t) override {}
  void MoveTo(int32_t x, int32_t y) override { current_ = {x, y}; }
  void LineTo(int32_t x, int32_t y) override;
  void Polyline(const std::vector<GdiPoint>& points) override { AddPoints(points); }
  void Polygon(const std::vector<GdiPoint>& points) override { AddPoints(points); }
  void PolyPolygon(const std::vector<GdiRing>& rings, bool) override {
    for (const GdiRing& ring : rings) AddPoints(ring);
  }
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override {
    AddStroked(left, top, right, bottom);
  }
  void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t,
                 int32_t) override {
    AddStroked(left, top, right, bottom);
  }
  void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override {
    AddStroked(left, top, right, bottom);
  }
  void SetPixel(int32_t x, int32_t y, uint32_t) override { Add(x, y, x, y); }
  void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t) override {
    if (right > left && bottom > top) Add(left, top, right - 1, bottom - 1);
  }
  void StretchPixels(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t, int32_t,
                     const std::vector<uint32_t>&, uint32_t) override {
    if (right > left && bottom > top) Add(left, top, right - 1, bottom - 1);
  }
  void SetTextAlign(uint16_t align) override { align_ = align; }
  void TextOut(int32_t x, int32_t y, const std::string& text) override;
  void TextOutUnicode(int32_t x, int32_t y, const std::string& utf8,
                      const std::vector<int32_t>& advances) override;
  GdiSize TextExtent(const std::string& text) override;
  GdiSize TextExtentUnicode(const std::string& utf8) override;
  int32_t FontAscent() override;
  int32_t CurrentPenWidth() const override { return penWidth_; }
  uint32_t CurrentPenColor() const override { return penColor_; }

 private:
  void Add(int32_t left, int32_t top, int32_t right, int32_t bottom);
  void AddStroked(int32_t left, int32_t top, int32_t right, int32_t bottom);
  void AddPoints(const std::vector<GdiPoint>& points);
  void AddText(int32_t x, int32_t y, GdiSize extent);

  Device* measure_;
  bool inked_ = false;
  GdiBox box_;
  int32_t penWidth_ = 1;
  uint32_t penColor_ = 0;
  bool nullPen_ = false;
  GdiFont font_;
  uint16_t align_ = kTextAlignBaseline;
  GdiPoint current_;
};
