// A device that draws everything on two devices at once (a metafile and its preview image).
// Text extents, the pen in place and the size come from the first.
#pragma once

#include "platform/gdi/device.h"

class TeeDevice final : public Device {
 public:
  TeeDevice(Device& first, Device& second) : a_(first), b_(second) {}

  void SetPen(int32_t width, uint32_t color) override {
    a_.SetPen(width, color);
    b_.SetPen(width, color);
  }
  void SetNullPen() override {
    a_.SetNullPen();
    b_.SetNullPen();
  }
  void SetBrush(bool hollow, uint32_t color) override {
    a_.SetBrush(hollow, color);
    b_.SetBrush(hollow, color);
  }
  void SetFont(const GdiFont& font) override { a_.SetFont(font), b_.SetFont(font); }
  void SetTextColor(uint32_t color) override { a_.SetTextColor(color), b_.SetTextColor(color); }
  void MoveTo(int32_t x, int32_t y) override { a_.MoveTo(x, y), b_.MoveTo(x, y); }
  void LineTo(int32_t x, int32_t y) override { a_.LineTo(x, y), b_.LineTo(x, y); }
  void Polyline(const std::vector<GdiPoint>& points) override {
    a_.Polyline(points);
    b_.Polyline(points);
  }
  void Polygon(const std::vector<GdiPoint>& points) override {
    a_.Polygon(points);
    b_.Polygon(points);
  }
  void Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) override {
    a_.Rectangle(l, t, r, b);
    b_.Rectangle(l, t, r, b);
  }
  void RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh) override {
    a_.RoundRect(l, t, r, b, ew, eh);
    b_.RoundRect(l, t, r, b, ew, eh);
  }
  void Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) override {
    a_.Ellipse(l, t, r, b);
    b_.Ellipse(l, t, r, b);
  }
  void SetPixel(int32_t x, int32_t y, uint32_t color) override {
    a_.SetPixel(x, y, color);
    b_.SetPixel(x, y, color);
  }
  void FillRect(int32_t l, int32_t t, int32_t r, int32_t b, uint32_t color) override {
    a_.FillRect(l, t, r, b, color);
    b_.FillRect(l, t, r, b, color);
  }
  void SetTextAlign(uint16_t align) override { a_.SetTextAlign(align), b_.SetTextAlign(align); }
  void TextOut(int32_t x, int32_t y, const std::string& text) override {
    a_.TextOut(x, y, text);
    b_.TextOut(x, y, text);
  }
  GdiSize TextExtent(const std::string& text) override { return a_.TextExtent(text); }
  int32_t FontAscent() override { return a_.FontAscent(); }
  int32_t CurrentPenWidth() const override { return a_.CurrentPenWidth(); }
  uint32_t CurrentPenColor() const override { return a_.CurrentPenColor(); }
  GdiSize PixelSize() const override { return a_.PixelSize(); }

 private:
  Device& a_;
  Device& b_;
};
