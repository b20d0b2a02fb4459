// The record numbers of both metafile formats, shared by their readers and writers.
#pragma once

#include <cstdint>

namespace wmf {
enum WmfFunction : uint16_t {
  kEof = 0x0000, kSaveDc = 0x001E, kCreatePalette = 0x00F7, kSetBkMode = 0x0102,
  kSetMapMode = 0x0103, kSetPolyFillMode = 0x0106, kRestoreDc = 0x0127, kSelectObject = 0x012D,
  kSetTextAlign = 0x012E, kDibCreatePatternBrush = 0x0142, kDeleteObject = 0x01F0,
  kCreatePatternBrush = 0x01F9, kSetBkColor = 0x0201, kSetTextColor = 0x0209,
  kSetWindowOrg = 0x020B, kSetWindowExt = 0x020C, kSetViewportOrg = 0x020D,
  kSetViewportExt = 0x020E, kLineTo = 0x0213, kMoveTo = 0x0214, kCreatePenIndirect = 0x02FA,
  kCreateFontIndirect = 0x02FB, kCreateBrushIndirect = 0x02FC, kPolygon = 0x0324,
  kPolyline = 0x0325, kEllipse = 0x0418, kRectangle = 0x041B, kSetPixel = 0x041F,
  kTextOut = 0x0521, kPolyPolygon = 0x0538, kRoundRect = 0x061C, kCreateRegion = 0x06FF,
  kExtTextOut = 0x0A32,
  kSetRop2 = 0x0104, kSetStretchBltMode = 0x0107, kSetTextCharExtra = 0x0108,
  kSetTextJustification = 0x020A, kSetMapperFlags = 0x0231, kSetRelAbs = 0x0105,
  kRealizePalette = 0x0035, kSelectPalette = 0x0234, kSetPalEntries = 0x0037,
  kOffsetWindowOrg = 0x020F, kOffsetViewportOrg = 0x0211, kScaleWindowExt = 0x0410,
  kScaleViewportExt = 0x0412, kExcludeClipRect = 0x0415, kIntersectClipRect = 0x0416,
  kOffsetClipRgn = 0x0220, kArc = 0x0817, kPie = 0x081A, kChord = 0x0830, kPatBlt = 0x061D,
  kDibBitBlt = 0x0940, kDibStretchBlt = 0x0B41, kStretchDib = 0x0F43, kSetDibToDev = 0x0D33,
  kEscape = 0x0626, kSelectClipRegion = 0x012C,
};
}  // namespace wmf

namespace emf {
enum EmfRecord : uint32_t {
  kHeader = 1, kPolygon = 3, kPolyline = 4, kPolyPolygon = 8, kSetWindowExt = 9, kSetWindowOrg = 10,
  kSetViewportExt = 11, kSetViewportOrg = 12, kEof = 14, kSetPixel = 15, kSetMapMode = 17,
  kSetBkMode = 18, kSetPolyFillMode = 19, kSetTextAlign = 22, kSetTextColor = 24,
  kSetBkColor = 25, kMoveTo = 27, kSaveDc = 33, kRestoreDc = 34, kSelectObject = 37,
  kCreatePen = 38, kCreateBrush = 39, kDeleteObject = 40, kEllipse = 42, kRectangle = 43,
  kRoundRect = 44, kCreatePalette = 49, kLineTo = 54, kCreateFontW = 82, kExtTextOutA = 83,
  kExtTextOutW = 84, kPolygon16 = 86, kPolyline16 = 87, kPolyPolygon16 = 91,
  kCreateMonoBrush = 93, kCreateDibPatternBrush = 94, kExtCreatePen = 95,
  kPolyBezier = 2, kPolyBezierTo = 5, kPolylineTo = 6, kPolyPolyline = 7, kSetBrushOrg = 13,
  kSetMapperFlags = 16, kSetRop2 = 20, kSetStretchBltMode = 21, kSetColorAdjustment = 23,
  kOffsetClipRgn = 26, kSetMetaRgn = 28, kExcludeClipRect = 29, kIntersectClipRect = 30,
  kScaleViewportExt = 31, kScaleWindowExt = 32, kSetWorldTransform = 35,
  kModifyWorldTransform = 36, kAngleArc = 41, kArc = 45, kChord = 46, kPie = 47,
  kSelectPalette = 48, kSetPaletteEntries = 50, kResizePalette = 51, kRealizePalette = 52,
  kArcTo = 55, kPolyDraw = 56, kSetArcDirection = 57, kSetMiterLimit = 58, kBeginPath = 59,
  kEndPath = 60, kCloseFigure = 61, kFillPath = 62, kStrokeAndFillPath = 63, kStrokePath = 64,
  kFlattenPath = 65, kWidenPath = 66, kSelectClipPath = 67, kAbortPath = 68, kComment = 70,
  kExtSelectClipRgn = 75, kBitBlt = 76, kStretchBlt = 77, kMaskBlt = 78,
  kSetDiBitsToDevice = 80, kStretchDiBits = 81, kPolyBezier16 = 85, kPolyBezierTo16 = 88,
  kPolylineTo16 = 89, kPolyPolyline16 = 90, kPolyDraw16 = 92, kSetIcmMode = 98,
  kSetLayout = 115, kFillRgn = 71, kPaintRgn = 74,
};
}  // namespace emf
