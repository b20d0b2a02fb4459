// A Device on a gd truecolor image, drawn with gd's own calls and no smoothing anywhere, so a
// drawing of n colours holds exactly n colours. Shapes are clipped to the image (with a margin
// for the pen) before gd sees them, so no coordinate can overflow gd's integer arithmetic.
// Fills are scanned here (both fill rules, hatch and pattern brushes), and a clip of any shape
// is kept as a mask of the raster's pixels.
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
  void SetBrushStyle(const GdiBrush& brush) override { brush_ = brush; }
  void SetPenEnds(GdiPenEnd end, GdiPenJoin join) override {
    penEnd_ = end;
    penJoin_ = join;
  }
  void PolyPolygon(const std::vector<GdiRing>& rings, bool winding) override;
  void ResetClip() override { clip_.clear(); }
  void CombineClip(const std::vector<GdiRing>& rings, bool winding, GdiClipMode mode) override;
  void TextOutUnicode(int32_t x, int32_t y, const std::string& utf8,
                      const std::vector<int32_t>& advances) override;
  GdiSize TextExtentUnicode(const std::string& utf8) override;
  void StretchPixels(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t width,
                     int32_t height, const std::vector<uint32_t>& pixels, uint32_t rop) override;
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
  class ClipGuard;
  ClipBox Margin(int32_t width) const;
  bool Visible(int x, int y) const {
    return clip_.empty() || clip_[size_t(y) * size_t(gdImageSX(image_)) + size_t(x)];
  }
  void FillRings(const std::vector<std::vector<ClipPoint>>& rings, bool winding);
  void Segment(ClipPoint a, ClipPoint b, int32_t width, uint32_t color);
  void Outline(const std::vector<ClipPoint>& ring, bool closed);
  // A line of the wide pen as filled pieces: the segments, their ends and corners.
  void WideOutline(const std::vector<ClipPoint>& ring, bool closed);
  void FillSolid(const std::vector<ClipPoint>& ring, uint32_t color);
  void Fill(const std::vector<ClipPoint>& ring);
  // A closed outline with the pen, filled with the brush.
  void Shape(const std::vector<ClipPoint>& ring);
  // UTF-8 text with its baseline from (x, y); each character at its given advance, or at gd's.
  void DrawText(int32_t x, int32_t y, const std::string& utf8, std::vector<int32_t> advances);
  void Underline(int32_t x, int32_t y, int32_t width);
  // gd's whole-pixel advance of each character of UTF-8 text.
  std::vector<int32_t> Advances(const std::string& utf8);
  // The font's height in pixels for gd, within what gd can draw.
  int32_t TextPixels() const;

  gdImagePtr image_;
  GdiPoint current_;
  int32_t penWidth_ = 1;
  uint32_t penColor_ = 0;
  bool penNull_ = false;
  GdiPenEnd penEnd_ = kPenEndRound;
  GdiPenJoin penJoin_ = kPenJoinRound;
  GdiBrush brush_;
  std::vector<uint8_t> clip_;  // 1 where drawing shows; empty: no clip
  GdiFont font_;
  uint32_t textColor_ = 0;
  uint16_t textAlign_ = kTextAlignBaseline;
};

// gd's truecolor value of a 0x00BBGGRR colour, and back.
int GdColorOf(uint32_t colorref);
uint32_t ColorRefOf(int gdColor);
