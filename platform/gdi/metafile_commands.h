// The drawing commands that both metafile formats decode into: the Windows metafile reader and
// the enhanced metafile reader check every record and turn it into these, and one player
// replays them onto a Device. Coordinates are logical units of the metafile.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/device.h"

enum class MetaOp : uint8_t {
  kSetMapMode, kSetWindowOrg, kSetWindowExt, kSetViewportOrg, kSetViewportExt,
  kSaveDc, kRestoreDc,
  kCreatePen, kCreateBrush, kCreateFont, kCreateOther, kSelectObject, kDeleteObject,
  kMoveTo, kLineTo, kPolyline, kPolygon, kPolyPolygon, kRectangle, kRoundRect, kEllipse,
  kSetPixel, kText,
  kSetTextColor, kSetBkColor, kSetBkMode, kSetTextAlign, kSetPolyFillMode,
  // Curves and figures: points; the "to" forms start at the current position.
  kPolyBezier, kPolyBezierTo, kPolylineTo, kPolyPolyline, kPolyDraw,
  // Arcs in the box p1..p2 from the radial through rect1 to the one through rect2.
  kArc, kArcTo, kChord, kPie, kAngleArc, kSetArcDirection,
  kBeginPath, kEndPath, kCloseFigure, kAbortPath, kFillPath, kStrokePath, kStrokeAndFillPath,
  kFlattenPath, kWidenPath, kSelectClipPath,
  // Clipping: rectangles p1..p2 (logical), regions as device rectangles in points (pairs).
  kIntersectClipRect, kExcludeClipRect, kSelectClipRegion, kOffsetClipRegion,
  kSetWorldTransform, kModifyWorldTransform,
  kScaleViewportExt, kScaleWindowExt, kOffsetViewportOrg, kOffsetWindowOrg,
  // Pixels onto the destination p1 (origin) with the extent corner (cx, cy), or a brush fill
  // of that rectangle when there are no pixels.
  kBitmap,
  // A region (rectangles in points, pairs, logical units) filled with the brush of the object
  // `value` names, or with the brush in place when `value` is kCurrentBrush.
  kFillRegion,
};

inline constexpr int32_t kCurrentBrush = -1;

// Pen styles, end caps and joins as the records store them.
enum MetaPenStyle : int32_t {
  kPenSolid = 0, kPenDash = 1, kPenDot = 2, kPenDashDot = 3, kPenDashDotDot = 4, kPenNull = 5,
  kPenInsideFrame = 6, kPenUserStyle = 7, kPenAlternate = 8,
};
enum MetaPenEnd : int32_t { kEndRound = 0, kEndSquare = 1, kEndFlat = 2 };
enum MetaPenJoin : int32_t { kJoinRound = 0, kJoinBevel = 1, kJoinMiter = 2 };

struct MetaPen {
  bool null = false;
  int32_t width = 0;  // logical units; 0 draws one pixel wide
  uint32_t color = 0;
  int32_t style = kPenSolid;
  bool geometric = false;  // an extended pen of its own width: dashes scale with it
  int32_t endCap = kEndRound, join = kJoinRound;
  std::vector<uint32_t> dashes;  // user style: dash and gap lengths
  bool operator==(const MetaPen&) const = default;
};

struct MetaBrush {
  bool hollow = false;
  uint32_t color = 0xFFFFFF;
  bool hatched = false;
  int32_t hatch = 0;
  // Pattern brushes: the pattern's colours row by row from the top.
  int32_t patternWidth = 0, patternHeight = 0;
  std::shared_ptr<const std::vector<uint32_t>> pattern;  // shared, never changed
  bool operator==(const MetaBrush&) const = default;
};

// Point types of poly-draw records.
inline constexpr uint8_t kPointClose = 1, kPointLineTo = 2, kPointBezierTo = 4, kPointMoveTo = 6;

// A font as created: height in logical units (negative: character height, 0: the default).
using MetaFont = GdiFont;

// Object indexes: a Windows metafile puts each new object into the lowest free slot
// (kLowestFreeSlot); an enhanced metafile names the slot, and selects stock objects by number.
inline constexpr int32_t kLowestFreeSlot = -1;
inline constexpr uint32_t kStockObjectFlag = 0x80000000u;

// Text options (ExtTextOut): the rectangle is filled with the background colour first, and
// the text clipped to it.
inline constexpr uint32_t kTextOptionOpaque = 2;
inline constexpr uint32_t kTextOptionClipped = 4;

struct MetaCommand {
  MetaOp op{};
  int32_t value = 0;     // mode, alignment, saved-state level or object index
  uint32_t color = 0;    // colour of colour settings and pixels
  GdiPoint p1, p2;       // point, origin or extent; rectangles: left-top and right-bottom
  GdiSize corner;        // round rectangle corner ellipse
  MetaPen pen;
  MetaBrush brush;
  MetaFont font;
  std::vector<GdiPoint> points;
  std::vector<uint32_t> counts;  // polypolygon: points per polygon
  std::vector<uint8_t> types;    // poly-draw: the type of each point
  std::string text;              // 8-bit text in the selected font's character set
  std::u16string wide;           // UTF-16 text (when wideText)
  bool wideText = false;
  std::vector<int32_t> dx;       // text: the advance of each character, logical units
  uint32_t textOptions = 0;      // text: kTextOptionOpaque fills rect1..rect2 first
  GdiPoint rect1, rect2;
  double numbers[6] = {0, 0, 0, 0, 0, 0};  // transforms, arc angles, extent scales
  // Bitmaps: the raster operation, the pixels (colours row by row from the top) and the part
  // of them drawn (rect1 origin, rect2 extent).
  uint32_t rop = 0;
  int32_t pixelWidth = 0, pixelHeight = 0;
  std::vector<uint32_t> pixels;
};

inline MetaCommand MakeCommand(MetaOp op, int32_t value = 0) {
  MetaCommand c;
  c.op = op;
  c.value = value;
  return c;
}

// The picture of a decoded metafile: its commands, and for enhanced metafiles the frame that
// a rectangle maps onto.
struct MetafilePicture {
  std::vector<MetaCommand> commands;
  // Enhanced metafiles: the picture frame in reference-device pixels (left, top, right, bottom)
  // and the reference device's pixels per millimetre.
  bool enhanced = false;
  // Records that were read but not known, and so not drawn.
  size_t skippedRecords = 0;
  double frameLeft = 0, frameTop = 0, frameRight = 0, frameBottom = 0;
  double pixelsPerMmX = 96 / 25.4, pixelsPerMmY = 96 / 25.4;
};
