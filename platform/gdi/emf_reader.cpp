#include "platform/gdi/emf_reader.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "platform/byte_reader.h"
#include "platform/gdi/metafile_bitmaps.h"
#include "platform/gdi/metafile_records.h"
#include "platform/gdi/record_decoding.h"
#include "platform/cp1252.h"

namespace {

using namespace emf;

constexpr uint32_t kBrushSolid = 0, kBrushNull = 1, kBrushHatched = 2;
constexpr size_t kFaceNameChars = 32;
constexpr size_t kLogFontWSize = 92;
constexpr uint32_t kTextOptionPdy = 0x2000;
constexpr uint32_t kMaxDashEntries = 64;

GdiPoint Point32(ByteReader& r, size_t at) { return {r.I32(at), r.I32(at + 4)}; }

double Float(ByteReader& r, size_t at) { return double(std::bit_cast<float>(r.U32(at))); }

// n points from `at`, 32-bit (x, y) pairs or 16-bit ones.
bool ReadPoints(ByteReader& r, size_t at, uint64_t n, bool small, std::vector<GdiPoint>& out) {
  const size_t step = small ? 4 : 8;
  if (n > r.size() / step || !r.Has(at, size_t(n) * step)) return false;
  out.reserve(out.size() + size_t(n));
  for (size_t i = 0; i < n; ++i) {
    const size_t p = at + i * step;
    out.push_back(small ? GdiPoint{r.I16(p), r.I16(p + 2)} : Point32(r, p));
  }
  return true;
}

// Polypolygon records: bounds, polygon count, point count, the counts, then the points.
bool ReadPolyPolygon(ByteReader& r, bool small, MetaCommand& c) {
  const uint32_t polygons = r.U32(24);
  const uint32_t points = r.U32(28);
  if (!r.ok() || polygons > r.size() / 4 || !r.Has(32, size_t(polygons) * 4)) return false;
  uint64_t total = 0;
  for (size_t i = 0; i < polygons; ++i) {
    c.counts.push_back(r.U32(32 + 4 * i));
    total += c.counts.back();
  }
  return total <= points && ReadPoints(r, 32 + size_t(polygons) * 4, points, small, c.points);
}

char Cp1252Of(char16_t u) {
  if (u >= 0xF000 && u <= 0xF0FF) return char(u & 0xFF);  // symbol fonts by byte code
  const auto code = UnicodeToCp1252(u);
  return code ? char(*code) : '?';
}

// A nul-terminated UTF-16 face name of at most 32 characters.
std::string FaceName(ByteReader& r, size_t at) {
  std::string face;
  for (size_t i = 0; i < kFaceNameChars && r.Has(at + 2 * i, 2); ++i) {
    const char16_t u = r.U16(at + 2 * i);
    if (u == 0) break;
    face += Cp1252Of(u);
  }
  return face;
}

// The text part of the text records (from `at`): reference point, characters, options, the
// rectangle and the advances.
bool ReadText(ByteReader& r, bool wide, MetaCommand& c) {
  c.p1 = Point32(r, 36);
  const uint32_t chars = r.U32(44);
  const uint32_t offset = r.U32(48);
  c.textOptions = r.U32(52);
  c.rect1 = Point32(r, 56);
  c.rect2 = Point32(r, 64);
  const uint32_t dxAt = r.U32(72);
  const uint64_t bytes = uint64_t(chars) * (wide ? 2 : 1);
  if (!r.ok() || bytes > r.size() || !r.Has(offset, size_t(bytes))) return false;
  c.wideText = wide;
  for (size_t i = 0; i < chars; ++i) {
    if (wide) c.wide += char16_t(r.U16(offset + 2 * i));
    else c.text += char(r.U8(offset + i));
  }
  // Advances (pairs of x and y advances with the PDY option); a record without room for
  // them has none.
  const size_t step = (c.textOptions & kTextOptionPdy) ? 8 : 4;
  if (dxAt != 0 && chars <= r.size() / step && r.Has(dxAt, size_t(chars) * step))
    for (size_t i = 0; i < chars; ++i) c.dx.push_back(r.I32(dxAt + i * step));
  return true;
}

// A bitmap of a record: its header and bits at the given offsets and sizes.
bool ReadBitmap(ByteReader& r, std::span<const uint8_t> record, size_t fieldsAt,
                MetaCommand& c, uint64_t& budget) {
  const uint32_t headerAt = r.U32(fieldsAt), headerSize = r.U32(fieldsAt + 4);
  const uint32_t bitsAt = r.U32(fieldsAt + 8), bitsSize = r.U32(fieldsAt + 12);
  if (!r.ok() || headerSize == 0) return true;  // no bitmap: the record fills with the brush
  if (!r.Has(headerAt, headerSize) || !r.Has(bitsAt, bitsSize)) return false;
  RecordBitmap bitmap;
  if (!ReadRecordBitmap(record.subspan(headerAt, headerSize), record.subspan(bitsAt, bitsSize),
                        bitmap, budget))
    return true;  // a bitmap that cannot be read is not drawn
  c.pixelWidth = bitmap.width;
  c.pixelHeight = bitmap.height;
  c.pixels = std::move(bitmap.pixels);
  return true;
}

void ReadPen(ByteReader& r, uint32_t style, MetaCommand& c) {
  c.pen.style = int32_t(style & 0x0F);
  c.pen.null = c.pen.style == kPenNull;
  c.pen.endCap = int32_t(style >> 8 & 0x0F);
  c.pen.join = int32_t(style >> 12 & 0x0F);
  (void)r;
}

// Decodes one record (offsets from its start).
Decoded Decode(uint32_t type, std::span<const uint8_t> record, std::vector<MetaCommand>& out,
               uint64_t& budget) {
  ByteReader r(record);
  MetaCommand c;
  auto box = [&](size_t at) {
    c.p1 = Point32(r, at);
    c.p2 = Point32(r, at + 8);
  };
  switch (type) {
    case kSetMapMode: c = MakeCommand(MetaOp::kSetMapMode, r.I32(8)); break;
    case kSetBkMode: c = MakeCommand(MetaOp::kSetBkMode, r.I32(8)); break;
    case kSetTextAlign: c = MakeCommand(MetaOp::kSetTextAlign, int32_t(r.U32(8) & 0xFFFF)); break;
    case kSetPolyFillMode: c = MakeCommand(MetaOp::kSetPolyFillMode, r.I32(8)); break;
    case kSetArcDirection: c = MakeCommand(MetaOp::kSetArcDirection, r.I32(8)); break;
    case kSetWindowExt: c = MakeCommand(MetaOp::kSetWindowExt); c.p1 = Point32(r, 8); break;
    case kSetWindowOrg: c = MakeCommand(MetaOp::kSetWindowOrg); c.p1 = Point32(r, 8); break;
    case kSetViewportExt: c = MakeCommand(MetaOp::kSetViewportExt); c.p1 = Point32(r, 8); break;
    case kSetViewportOrg: c = MakeCommand(MetaOp::kSetViewportOrg); c.p1 = Point32(r, 8); break;
    case kScaleViewportExt:
    case kScaleWindowExt:
      c = MakeCommand(type == kScaleWindowExt ? MetaOp::kScaleWindowExt
                                              : MetaOp::kScaleViewportExt);
      for (int i = 0; i < 4; ++i) c.numbers[i] = r.I32(8 + 4 * size_t(i));
      break;
    case kSetWorldTransform:
    case kModifyWorldTransform:
      c = MakeCommand(type == kSetWorldTransform ? MetaOp::kSetWorldTransform
                                                 : MetaOp::kModifyWorldTransform);
      for (int i = 0; i < 6; ++i) c.numbers[i] = Float(r, 8 + 4 * size_t(i));
      if (type == kModifyWorldTransform) c.value = r.I32(32);
      break;
    case kSaveDc: c = MakeCommand(MetaOp::kSaveDc); break;
    case kRestoreDc: c = MakeCommand(MetaOp::kRestoreDc, r.I32(8)); break;
    case kCreatePen:
      c = MakeCommand(MetaOp::kCreatePen, r.I32(8));
      ReadPen(r, r.U32(12), c);
      c.pen.width = r.I32(16);
      c.pen.color = r.U32(24);
      break;
    case kExtCreatePen: {
      c = MakeCommand(MetaOp::kCreatePen, r.I32(8));
      const uint32_t style = r.U32(28);
      ReadPen(r, style, c);
      c.pen.geometric = (style & 0xF0000) != 0;
      c.pen.null = c.pen.null || r.U32(36) == kBrushNull;
      c.pen.width = int32_t(std::min<uint32_t>(r.U32(32), INT32_MAX));
      c.pen.color = r.U32(40);
      const uint32_t entries = r.U32(48);
      if (c.pen.style == kPenUserStyle && entries <= kMaxDashEntries && r.Has(52, 4 * entries))
        for (size_t i = 0; i < entries; ++i) c.pen.dashes.push_back(r.U32(52 + 4 * i));
      break;
    }
    case kCreateBrush: {
      c = MakeCommand(MetaOp::kCreateBrush, r.I32(8));
      const uint32_t style = r.U32(12);
      c.brush.hollow = style != kBrushSolid && style != kBrushHatched;
      c.brush.hatched = style == kBrushHatched;
      c.brush.hatch = int32_t(r.U32(20) % 6);
      c.brush.color = r.U32(16);
      break;
    }
    case kCreateMonoBrush:
    case kCreateDibPatternBrush: {
      c = MakeCommand(MetaOp::kCreateBrush, r.I32(8));
      MetaCommand pixels;
      if (!ReadBitmap(r, record, 16, pixels, budget)) return Decoded::kBad;
      c.brush.patternWidth = pixels.pixelWidth;
      c.brush.patternHeight = pixels.pixelHeight;
      c.brush.hollow = pixels.pixels.empty();
      if (!c.brush.hollow)
        c.brush.pattern = std::make_shared<const std::vector<uint32_t>>(std::move(pixels.pixels));
      break;
    }
    case kCreateFontW:
      c = MakeCommand(MetaOp::kCreateFont, r.I32(8));
      if (!r.Has(12, kLogFontWSize)) return Decoded::kBad;
      c.font.height = r.I32(12);
      c.font.escapement = r.I32(20);
      c.font.weight = int16_t(std::clamp(r.I32(28), 0, 1000));
      c.font.italic = r.U8(32) != 0;
      c.font.underline = r.U8(33) != 0;
      c.font.charset = r.U8(35);
      c.font.face = FaceName(r, 40);
      break;
    case kCreatePalette: c = MakeCommand(MetaOp::kCreateOther, r.I32(8)); break;
    case kSelectObject: c = MakeCommand(MetaOp::kSelectObject, r.I32(8)); break;
    case kDeleteObject: c = MakeCommand(MetaOp::kDeleteObject, r.I32(8)); break;
    case kMoveTo: c = MakeCommand(MetaOp::kMoveTo); c.p1 = Point32(r, 8); break;
    case kLineTo: c = MakeCommand(MetaOp::kLineTo); c.p1 = Point32(r, 8); break;
    case kPolyline: case kPolyline16:
    case kPolygon: case kPolygon16:
    case kPolyBezier: case kPolyBezier16:
    case kPolyBezierTo: case kPolyBezierTo16:
    case kPolylineTo: case kPolylineTo16: {
      const bool small = type == kPolyline16 || type == kPolygon16 || type == kPolyBezier16 ||
                         type == kPolyBezierTo16 || type == kPolylineTo16;
      const uint32_t wide = small ? type == kPolyline16      ? kPolyline
                                    : type == kPolygon16     ? kPolygon
                                    : type == kPolyBezier16  ? kPolyBezier
                                    : type == kPolyBezierTo16 ? kPolyBezierTo
                                                             : kPolylineTo
                                  : type;
      c = MakeCommand(wide == kPolyline      ? MetaOp::kPolyline
                      : wide == kPolygon     ? MetaOp::kPolygon
                      : wide == kPolyBezier  ? MetaOp::kPolyBezier
                      : wide == kPolyBezierTo ? MetaOp::kPolyBezierTo
                                             : MetaOp::kPolylineTo);
      const uint32_t n = r.U32(24);
      if (!r.ok() || !ReadPoints(r, 28, n, small, c.points)) return Decoded::kBad;
      break;
    }
    case kPolyPolygon:
    case kPolyPolygon16:
    case kPolyPolyline:
    case kPolyPolyline16:
      c = MakeCommand(type == kPolyPolygon || type == kPolyPolygon16 ? MetaOp::kPolyPolygon
                                                                     : MetaOp::kPolyPolyline);
      if (!ReadPolyPolygon(r, type == kPolyPolygon16 || type == kPolyPolyline16, c))
        return Decoded::kBad;
      break;
    case kPolyDraw:
    case kPolyDraw16: {
      c = MakeCommand(MetaOp::kPolyDraw);
      const bool small = type == kPolyDraw16;
      const uint32_t n = r.U32(24);
      if (!r.ok() || !ReadPoints(r, 28, n, small, c.points)) return Decoded::kBad;
      const size_t typesAt = 28 + size_t(n) * (small ? 4 : 8);
      if (!r.Has(typesAt, n)) return Decoded::kBad;
      for (size_t i = 0; i < n; ++i) c.types.push_back(r.U8(typesAt + i));
      break;
    }
    case kRectangle:
    case kEllipse:
    case kRoundRect:
      c = MakeCommand(type == kRectangle ? MetaOp::kRectangle
             : type == kEllipse ? MetaOp::kEllipse
                                : MetaOp::kRoundRect);
      box(8);
      if (type == kRoundRect) c.corner = {r.I32(24), r.I32(28)};
      break;
    case kArc:
    case kArcTo:
    case kChord:
    case kPie:
      c = MakeCommand(type == kArc ? MetaOp::kArc
                      : type == kArcTo ? MetaOp::kArcTo
                      : type == kChord ? MetaOp::kChord
                                       : MetaOp::kPie);
      box(8);
      c.rect1 = Point32(r, 24);
      c.rect2 = Point32(r, 32);
      break;
    case kAngleArc:
      c = MakeCommand(MetaOp::kAngleArc);
      c.p1 = Point32(r, 8);
      c.numbers[0] = r.U32(16);
      c.numbers[1] = Float(r, 20);
      c.numbers[2] = Float(r, 24);
      break;
    case kBeginPath: c = MakeCommand(MetaOp::kBeginPath); break;
    case kEndPath: c = MakeCommand(MetaOp::kEndPath); break;
    case kCloseFigure: c = MakeCommand(MetaOp::kCloseFigure); break;
    case kAbortPath: c = MakeCommand(MetaOp::kAbortPath); break;
    case kFillPath: c = MakeCommand(MetaOp::kFillPath); break;
    case kStrokePath: c = MakeCommand(MetaOp::kStrokePath); break;
    case kStrokeAndFillPath: c = MakeCommand(MetaOp::kStrokeAndFillPath); break;
    case kFlattenPath: c = MakeCommand(MetaOp::kFlattenPath); break;
    case kWidenPath: c = MakeCommand(MetaOp::kWidenPath); break;
    case kSelectClipPath: c = MakeCommand(MetaOp::kSelectClipPath, r.I32(8)); break;
    case kIntersectClipRect:
    case kExcludeClipRect:
      c = MakeCommand(type == kIntersectClipRect ? MetaOp::kIntersectClipRect
                                                 : MetaOp::kExcludeClipRect);
      box(8);
      break;
    case kOffsetClipRgn: c = MakeCommand(MetaOp::kOffsetClipRegion); c.p1 = Point32(r, 8); break;
    case kExtSelectClipRgn: {
      c = MakeCommand(MetaOp::kSelectClipRegion, r.I32(12));
      const uint32_t dataSize = r.U32(8);
      if (!r.ok()) return Decoded::kBad;
      if (dataSize >= 32) {
        const uint32_t count = r.U32(24);
        if (!r.ok() || count > r.size() / 16 || !r.Has(48, size_t(count) * 16))
          return Decoded::kBad;
        for (size_t i = 0; i < count; ++i) {
          c.points.push_back(Point32(r, 48 + 16 * i));
          c.points.push_back(Point32(r, 56 + 16 * i));
        }
      }
      break;
    }
    case kFillRgn:
    case kPaintRgn: {
      // The region's data after the brush (fill) or right after its size (paint).
      const size_t dataAt = type == kFillRgn ? 32 : 28;
      c = MakeCommand(MetaOp::kFillRegion, type == kFillRgn ? r.I32(28) : kCurrentBrush);
      const uint32_t count = r.U32(dataAt + 8);
      const size_t rectsAt = dataAt + 32;
      if (!r.ok() || count > r.size() / 16 || !r.Has(rectsAt, size_t(count) * 16))
        return Decoded::kBad;
      for (size_t i = 0; i < count; ++i) {
        c.points.push_back(Point32(r, rectsAt + 16 * i));
        c.points.push_back(Point32(r, rectsAt + 16 * i + 8));
      }
      break;
    }
    case kBitBlt:
    case kStretchBlt:
    case kMaskBlt:
      c = MakeCommand(MetaOp::kBitmap);
      c.p1 = Point32(r, 24);
      c.p2 = Point32(r, 32);
      c.rop = r.U32(40);
      c.rect1 = Point32(r, 44);
      c.rect2 = c.p2;
      if (type == kStretchBlt && r.Has(100, 8)) c.rect2 = Point32(r, 100);
      // The mask of a masked copy is not read: its common case copies the source.
      if (type == kMaskBlt) c.rop = (c.rop & 0xFFFFFF) | 0xCC0000;
      if (!ReadBitmap(r, record, 84, c, budget)) return Decoded::kBad;
      break;
    case kStretchDiBits:
    case kSetDiBitsToDevice: {
      c = MakeCommand(MetaOp::kBitmap);
      c.p1 = Point32(r, 24);
      c.rect1 = Point32(r, 32);
      c.rect2 = Point32(r, 40);
      if (type == kStretchDiBits) {
        c.rop = r.U32(68);
        c.p2 = Point32(r, 72);
      } else {
        c.rop = 0xCC0020;
        c.p2 = c.rect2;
      }
      if (!ReadBitmap(r, record, 48, c, budget)) return Decoded::kBad;
      if (!r.ok()) return Decoded::kBad;
      if (c.pixels.empty()) return Decoded::kSkipped;
      // Source rows count from the bitmap's bottom.
      c.rect1.y = SourceRowFromTop(c.pixelHeight, c.rect1.y, c.rect2.y);
      break;
    }
    case kSetPixel: c = MakeCommand(MetaOp::kSetPixel); c.p1 = Point32(r, 8); c.color = r.U32(16); break;
    case kSetTextColor: c = MakeCommand(MetaOp::kSetTextColor); c.color = r.U32(8); break;
    case kSetBkColor: c = MakeCommand(MetaOp::kSetBkColor); c.color = r.U32(8); break;
    case kExtTextOutA:
    case kExtTextOutW:
      c = MakeCommand(MetaOp::kText);
      if (!ReadText(r, type == kExtTextOutW, c)) return Decoded::kBad;
      break;
    // Settings that change nothing the player draws.
    case kSetBrushOrg: case kSetMapperFlags: case kSetRop2: case kSetStretchBltMode:
    case kSetColorAdjustment: case kSetMetaRgn: case kSelectPalette: case kSetPaletteEntries:
    case kResizePalette: case kRealizePalette: case kSetMiterLimit: case kSetIcmMode:
    case kSetLayout:
      return Decoded::kKnown;
    default: return Decoded::kSkipped;  // not drawn: skipped by its size
  }
  return KeepCommand(r.ok(), std::move(c), out);
}

}  // namespace

std::optional<EmfRect> ReadEmfBounds(std::span<const uint8_t> bytes) {
  ByteReader r(bytes);
  EmfRect b{r.I32(8), r.I32(12), r.I32(16), r.I32(20)};
  if (!r.ok() || r.U32(0) != kEmfHeaderRecord) return std::nullopt;
  return b;
}

std::optional<MetafilePicture> ReadEnhancedMetafile(std::span<const uint8_t> bytes) {
  ByteReader r(bytes);
  const uint32_t headerSize = r.U32(4);
  const uint32_t total = r.U32(48);
  if (!r.ok() || r.U32(0) != kEmfHeaderRecord || headerSize < kEmfMinHeaderSize ||
      headerSize % 4 != 0 || total < headerSize || total > bytes.size())
    return std::nullopt;

  MetafilePicture picture;
  uint64_t budget = kMaxPictureBitmapPixels;
  picture.enhanced = true;
  const int32_t deviceX = r.I32(72), deviceY = r.I32(76);
  const int32_t mmX = r.I32(80), mmY = r.I32(84);
  if (deviceX > 0 && deviceY > 0 && mmX > 0 && mmY > 0) {
    picture.pixelsPerMmX = double(deviceX) / mmX;
    picture.pixelsPerMmY = double(deviceY) / mmY;
  }
  // The frame is in hundredths of a millimetre.
  picture.frameLeft = r.I32(24) * picture.pixelsPerMmX / 100;
  picture.frameTop = r.I32(28) * picture.pixelsPerMmY / 100;
  picture.frameRight = r.I32(32) * picture.pixelsPerMmX / 100;
  picture.frameBottom = r.I32(36) * picture.pixelsPerMmY / 100;

  size_t at = headerSize;
  while (at < total) {
    if (total - at < 8) return std::nullopt;
    const uint32_t type = r.U32(at);
    const uint32_t size = r.U32(at + 4);
    if (size < 8 || size % 4 != 0 || size > total - at) return std::nullopt;
    if (type == kEof) break;
    const Decoded d = Decode(type, bytes.subspan(at, size), picture.commands, budget);
    if (d == Decoded::kBad) return std::nullopt;
    if (d == Decoded::kSkipped) ++picture.skippedRecords;
    at += size;
  }
  return picture;
}
