// A Device on a gd truecolor image, drawn with gd's own calls and no smoothing anywhere, so a
// drawing of n colours holds exactly n colours. Shapes are clipped to the image (with a margin
// for the pen) before gd sees them, so no coordinate can overflow gd's integer arithmetic.
#pragma once

#include <gd.h>

#include "gifconv/shape_clip.h"
#include "platform/gdi/device.h"

class GdRasterDevice : public Device {
 public:
  // Draws on the image, which the caller keeps; it must be a truecolor image.
  explicit GdRasterDevice(gdImagePtr image);

  void SetPen(int32_t width, uint32_t color) override;
  void SetNullPen() override { penNull_ = true; }
  void SetBrush(bool hollow, uint32_t color) override;
  void SetFont(const GdiFont& font) override { font_ = font; }
  void SetTextColor(uint32_t color) override { textColor_ = color; }
  void MoveTo(int32_t x, int32_t y) override { current_ = {x, y}; }
  void LineTo(int32_t x, int32_t y) override;
  void Polyline(const std::vector<GdiPoint>& points) override;
  void Polygon(const std::vector<GdiPoint>& points) override;
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ellipseWidth,
                 int32_t ellipseHeight) override;
  void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void SetPixel(int32_t x, int32_t y, uint32_t color) override;
  void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t color) override;
  void SetTextAlign(uint16_t align) override { textAlign_ = align; }
  void TextOut(int32_t x, int32_t y, const std::string& text) override;
  GdiSize TextExtent(const std::string& text) override;
  int32_t FontAscent() override;
  int32_t CurrentPenWidth() const override { return penWidth_; }
  uint32_t CurrentPenColor() const override { return penColor_; }
  GdiSize PixelSize() const override;
  bool HasPixelAccess() const override { return true; }
  uint32_t GetPixel(int32_t x, int32_t y) override;

 private:
  ClipBox Margin(int32_t width) const;
  void Segment(ClipPoint a, ClipPoint b, int32_t width, uint32_t color);
  void Outline(const std::vector<ClipPoint>& ring, bool closed);
  void Fill(const std::vector<ClipPoint>& ring);
  // A closed outline with the pen, filled with the brush.
  void Shape(const std::vector<ClipPoint>& ring);
  void DrawText(int32_t x, int32_t y, const std::string& text);
  // gd's whole-pixel advance of each character.
  std::vector<int32_t> Advances(const std::string& text);
  // The font's height in pixels for gd, within what gd can draw.
  int32_t TextPixels() const;

  gdImagePtr image_;
  GdiPoint current_;
  int32_t penWidth_ = 1;
  uint32_t penColor_ = 0;
  bool penNull_ = false;
  bool brushHollow_ = false;
  uint32_t brushColor_ = 0xFFFFFF;
  GdiFont font_;
  uint32_t textColor_ = 0;
  uint16_t textAlign_ = kTextAlignBaseline;
};

// gd's truecolor value of a 0x00BBGGRR colour, and back.
int GdColorOf(uint32_t colorref);
uint32_t ColorRefOf(int gdColor);
