// The device context that every drawing goes through: pens, brushes and fonts, lines, polygons,
// shapes, pixels and text, all in device units (pixels, Y downward). The drawing library talks
// only to this interface; a Qt painter device draws on screen images, bitmaps and the printer,
// and a recording device logs the calls for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct GdiPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const GdiPoint&) const = default;
};

struct GdiSize {
  int32_t cx = 0;
  int32_t cy = 0;
};

inline constexpr uint16_t kTextAlignBaseline = 24;
inline constexpr uint16_t kTextAlignUpdateCP = 1;

// Where text drawn from `from` along the baseline direction (tenths of a degree,
// counter-clockwise, Y downward on the device) ends after `advance` pixels.
GdiPoint AdvanceAlongBaseline(GdiPoint from, int32_t advance, int32_t escapement);

struct GdiFont {
  int32_t height = 0;      // character height in device units (cell height when positive)
  int32_t escapement = 0;  // baseline direction, tenths of a degree counter-clockwise
  int16_t weight = 400;    // 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  std::string face = "Arial";
  bool operator==(const GdiFont&) const = default;
};

class Device {
 public:
  virtual ~Device() = default;

  // A solid pen; widths below 1 draw one pixel wide. Wide pens have round caps and joins.
  virtual void SetPen(int32_t width, uint32_t color) = 0;
  // The null pen: lines and outlines are not drawn until the next SetPen.
  virtual void SetNullPen() = 0;
  // A hollow brush (shapes are outlined only) or a solid one.
  virtual void SetBrush(bool hollow, uint32_t color) = 0;
  virtual void SetFont(const GdiFont& font) = 0;
  virtual void SetTextColor(uint32_t color) = 0;

  virtual void MoveTo(int32_t x, int32_t y) = 0;
  // Draws from the current point to (x, y); (x, y) becomes current.
  virtual void LineTo(int32_t x, int32_t y) = 0;
  virtual void Polyline(const std::vector<GdiPoint>& points) = 0;
  // Closed polygon, outlined with the pen and filled with the brush (winding rule).
  virtual void Polygon(const std::vector<GdiPoint>& points) = 0;
  virtual void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
  virtual void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                         int32_t ellipseWidth, int32_t ellipseHeight) = 0;
  virtual void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
  virtual void SetPixel(int32_t x, int32_t y, uint32_t color) = 0;
  // Fills the rectangle (right and bottom excluded) with the colour; no outline.
  virtual void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                        uint32_t color) = 0;
  // Text alignment: 24 baseline-left at the given point; 25 baseline-left at the current point,
  // which then advances by the text's extent along the baseline direction.
  virtual void SetTextAlign(uint16_t align) = 0;
  // Text in the current font and text colour, its baseline starting at (x, y) (or at the current
  // point, see SetTextAlign); Windows-1252 bytes (Symbol-face text as its byte codes).
  virtual void TextOut(int32_t x, int32_t y, const std::string& text) = 0;
  virtual GdiSize TextExtent(const std::string& text) = 0;
  // The current font's ascent: pixels from the top of the character cell to the baseline.
  virtual int32_t FontAscent() = 0;

  // The pen in place, as last set.
  virtual int32_t CurrentPenWidth() const = 0;
  virtual uint32_t CurrentPenColor() const = 0;
  // Size of the drawing surface in pixels; 0 x 0 when not known (printers, metafiles).
  virtual GdiSize PixelSize() const { return {}; }

  // Pixel reads are possible only on bitmaps; GetPixel returns 0 elsewhere.
  virtual bool HasPixelAccess() const { return false; }
  virtual uint32_t GetPixel(int32_t /*x*/, int32_t /*y*/) { return 0; }
};
