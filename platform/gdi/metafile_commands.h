// The drawing commands that both metafile formats decode into: the Windows metafile reader and
// the enhanced metafile reader check every record and turn it into these, and one player
// replays them onto a Device. Coordinates are logical units of the metafile.
#pragma once

#include <cstdint>
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
};

struct MetaPen {
  bool null = false;
  int32_t width = 0;  // logical units; 0 draws one pixel wide
  uint32_t color = 0;
  bool operator==(const MetaPen&) const = default;
};

struct MetaBrush {
  bool hollow = false;
  uint32_t color = 0xFFFFFF;
  bool operator==(const MetaBrush&) const = default;
};

// A font as created: height in logical units (negative: character height, 0: the default).
using MetaFont = GdiFont;

// Object indexes: a Windows metafile puts each new object into the lowest free slot
// (kLowestFreeSlot); an enhanced metafile names the slot, and selects stock objects by number.
inline constexpr int32_t kLowestFreeSlot = -1;
inline constexpr uint32_t kStockObjectFlag = 0x80000000u;

// Text options (ExtTextOut): the rectangle is filled with the background colour first.
inline constexpr uint32_t kTextOptionOpaque = 2;

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
  std::string text;              // Windows-1252 bytes
  uint32_t textOptions = 0;      // text: kTextOptionOpaque fills rect1..rect2 first
  GdiPoint rect1, rect2;
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
  double frameLeft = 0, frameTop = 0, frameRight = 0, frameBottom = 0;
  double pixelsPerMmX = 96 / 25.4, pixelsPerMmY = 96 / 25.4;
};
