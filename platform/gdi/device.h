// The device context that every drawing goes through: pens, brushes and fonts, lines, polygons,
// shapes, pixels and text, all in device units (pixels, Y downward). The drawing library talks
// only to this interface; a Qt painter device draws on screen images, bitmaps and the printer,
// and a recording device logs the calls for tests.
#pragma once

#include <cstdint>
#include <memory>
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
// Positions beyond the 32-bit range stay at its ends.
GdiPoint AdvanceAlongBaseline(GdiPoint from, int32_t advance, int32_t escapement);
// The sum of per-character advances, added in 64 bits and kept within the 32-bit range.
int32_t AdvancesWidth(const std::vector<int32_t>& advances);

struct GdiFont {
  int32_t height = 0;      // character height in device units (cell height when positive)
  int32_t escapement = 0;  // baseline direction, tenths of a degree counter-clockwise
  int16_t weight = 400;    // 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  std::string face = "Arial";
  uint8_t charset = 0;     // 0 Western, 2 Symbol, 161 Greek, ... (metafile playback)
  bool operator==(const GdiFont&) const = default;
};

// Brushes beyond solid and hollow: the six hatch patterns (8 x 8 pixels, in the brush colour,
// the gaps in the background colour when the background mode is opaque) and pattern bitmaps
// (colours row by row from the top, repeated from the device origin).
enum class GdiBrushKind : uint8_t { kSolid, kHollow, kHatch, kPattern };
enum GdiHatch : int32_t {
  kHatchHorizontal = 0, kHatchVertical = 1, kHatchForwardDiagonal = 2, kHatchBackDiagonal = 3,
  kHatchCross = 4, kHatchDiagonalCross = 5,
};
struct GdiBrush {
  GdiBrushKind kind = GdiBrushKind::kSolid;
  uint32_t color = 0xFFFFFF;
  int32_t hatch = kHatchHorizontal;
  uint32_t bkColor = 0xFFFFFF;
  bool bkOpaque = false;
  int32_t patternWidth = 0, patternHeight = 0;
  std::shared_ptr<const std::vector<uint32_t>> pattern;  // shared, never changed
  bool operator==(const GdiBrush&) const = default;
};

// The ends and corners of wide lines.
enum GdiPenEnd : int32_t { kPenEndRound = 0, kPenEndSquare = 1, kPenEndFlat = 2 };
enum GdiPenJoin : int32_t { kPenJoinRound = 0, kPenJoinBevel = 1, kPenJoinMiter = 2 };

// How a clip combines with the one in place (the region combination modes).
enum GdiClipMode : int32_t {
  kClipAnd = 1, kClipOr = 2, kClipXor = 3, kClipDiff = 4, kClipCopy = 5,
};

using GdiRing = std::vector<GdiPoint>;

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

  // The ends and corners of the pen's wide lines (round, as SetPen leaves them, until set).
  virtual void SetPenEnds(GdiPenEnd end, GdiPenJoin join) { (void)end, (void)join; }
  // Brushes of every kind; devices without patterns fill hatch and pattern brushes solid.
  virtual void SetBrushStyle(const GdiBrush& brush) {
    SetBrush(brush.kind == GdiBrushKind::kHollow, brush.color);
  }
  // Several rings filled as one shape, by the alternate (even-odd) or the winding rule, so that
  // inner rings can be holes; each ring is outlined with the pen.
  virtual void PolyPolygon(const std::vector<GdiRing>& rings, bool winding) {
    (void)winding;
    for (const GdiRing& ring : rings) Polygon(ring);
  }
  // Clipping in device pixels: no clip, or the clip combined with the area of the rings.
  // Devices that cannot clip draw everything.
  virtual void ResetClip() {}
  virtual void CombineClip(const std::vector<GdiRing>& rings, bool winding, GdiClipMode mode) {
    (void)rings, (void)winding, (void)mode;
  }
  // Any Unicode text (UTF-8) at a baseline point, each character placed by its advance in
  // pixels when advances are given. Devices without it draw the Windows-1252 form.
  virtual void TextOutUnicode(int32_t x, int32_t y, const std::string& utf8,
                              const std::vector<int32_t>& advances);
  virtual GdiSize TextExtentUnicode(const std::string& utf8);
  // Pixels (0x00BBGGRR, rows from the top) stretched onto the rectangle (right and bottom
  // excluded), combined with what is there by a ternary raster operation's common cases.
  virtual void StretchPixels(int32_t left, int32_t top, int32_t right, int32_t bottom,
                             int32_t width, int32_t height, const std::vector<uint32_t>& pixels,
                             uint32_t rop) {
    (void)left, (void)top, (void)right, (void)bottom, (void)width, (void)height, (void)pixels,
        (void)rop;
  }

  // Pixel reads are possible only on bitmaps; GetPixel returns 0 elsewhere.
  virtual bool HasPixelAccess() const { return false; }
  virtual uint32_t GetPixel(int32_t /*x*/, int32_t /*y*/) { return 0; }
};
