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
};
}  // namespace emf
