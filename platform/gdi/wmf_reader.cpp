#include "platform/gdi/wmf_reader.h"

#include "platform/byte_reader.h"
#include "platform/gdi/metafile_bitmaps.h"
#include "platform/gdi/metafile_records.h"
#include "platform/gdi/record_decoding.h"
#include "platform/gdi/packed_dib.h"

namespace {

using namespace wmf;

constexpr uint16_t kBrushSolid = 0, kBrushHatched = 2;
constexpr size_t kFaceNameBytes = 32;
constexpr uint32_t kRopSourceCopy = 0xCC0020;

// Reads "y, x" pairs as the 16-bit records store them.
GdiPoint YX(ByteReader& r, size_t at) { return {r.I16(at + 2), r.I16(at)}; }

// n points of (x, y) pairs from `at`.
bool ReadPoints(ByteReader& r, size_t at, size_t n, std::vector<GdiPoint>& out) {
  if (!r.Has(at, n * 4)) return false;
  out.reserve(out.size() + n);
  for (size_t i = 0; i < n; ++i) out.push_back({r.I16(at + 4 * i), r.I16(at + 4 * i + 2)});
  return true;
}

// Bottom, right, top, left: the rectangle records' order.
void ReadBox(ByteReader& r, size_t at, MetaCommand& c) {
  c.p2 = {r.I16(at + 2), r.I16(at)};
  c.p1 = {r.I16(at + 6), r.I16(at + 4)};
}

std::string FaceName(ByteReader& r, size_t at) {
  std::string face;
  for (size_t i = 0; i < kFaceNameBytes && r.Has(at + i, 1); ++i) {
    const char ch = char(r.U8(at + i));
    if (ch == '\0') break;
    face += ch;
  }
  return face;
}

// A packed bitmap that fills the parameters from `at` on.
bool ReadPackedBitmap(std::span<const uint8_t> params, size_t at, MetaCommand& c,
                      uint64_t& budget) {
  if (at > params.size()) return false;
  RecordBitmap bitmap;
  if (!ReadRecordBitmap(params.subspan(at), {}, bitmap, budget)) return true;  // not drawn
  c.pixelWidth = bitmap.width;
  c.pixelHeight = bitmap.height;
  c.pixels = std::move(bitmap.pixels);
  return true;
}

// Decodes one record's parameters.
Decoded Decode(uint16_t function, std::span<const uint8_t> params, std::vector<MetaCommand>& out,
               uint64_t& budget) {
  ByteReader r(params);
  MetaCommand c;
  // Bitmap records whose parameter count says whether a bitmap follows.
  auto bitmapRecord = [&](size_t fixedWords, bool& withBitmap) {
    withBitmap = params.size() > (fixedWords + 1) * 2;
  };
  switch (function) {
    case kSetMapMode: c = MakeCommand(MetaOp::kSetMapMode); c.value = r.U16(0); break;
    case kSetBkMode: c = MakeCommand(MetaOp::kSetBkMode); c.value = r.U16(0); break;
    case kSetTextAlign: c = MakeCommand(MetaOp::kSetTextAlign); c.value = r.U16(0); break;
    case kSetPolyFillMode: c = MakeCommand(MetaOp::kSetPolyFillMode); c.value = r.U16(0); break;
    case kSetWindowOrg: c = MakeCommand(MetaOp::kSetWindowOrg); c.p1 = YX(r, 0); break;
    case kSetWindowExt: c = MakeCommand(MetaOp::kSetWindowExt); c.p1 = YX(r, 0); break;
    case kSetViewportOrg: c = MakeCommand(MetaOp::kSetViewportOrg); c.p1 = YX(r, 0); break;
    case kSetViewportExt: c = MakeCommand(MetaOp::kSetViewportExt); c.p1 = YX(r, 0); break;
    case kSaveDc: c = MakeCommand(MetaOp::kSaveDc); break;
    case kRestoreDc: c = MakeCommand(MetaOp::kRestoreDc); c.value = r.I16(0); break;
    case kCreatePenIndirect: {
      c = MakeCommand(MetaOp::kCreatePen);
      c.value = kLowestFreeSlot;
      const uint16_t style = r.U16(0);
      c.pen.style = style & 0x0F;
      c.pen.null = c.pen.style == kPenNull;
      c.pen.endCap = style >> 8 & 0x0F;
      c.pen.join = style >> 12 & 0x0F;
      c.pen.width = r.I16(2);
      c.pen.color = r.U32(6);
      break;
    }
    case kCreateBrushIndirect: {
      c = MakeCommand(MetaOp::kCreateBrush);
      c.value = kLowestFreeSlot;
      const uint16_t style = r.U16(0);
      c.brush.hollow = style != kBrushSolid && style != kBrushHatched;
      c.brush.hatched = style == kBrushHatched;
      c.brush.color = r.U32(2);
      c.brush.hatch = r.U16(6) % 6;
      break;
    }
    case kDibCreatePatternBrush: {
      c = MakeCommand(MetaOp::kCreateBrush);
      c.value = kLowestFreeSlot;
      MetaCommand pixels;
      if (!ReadPackedBitmap(params, 4, pixels, budget)) return Decoded::kBad;
      c.brush.patternWidth = pixels.pixelWidth;
      c.brush.patternHeight = pixels.pixelHeight;
      c.brush.hollow = pixels.pixels.empty();
      if (!c.brush.hollow)
        c.brush.pattern = std::make_shared<const std::vector<uint32_t>>(std::move(pixels.pixels));
      break;
    }
    case kCreateFontIndirect:
      c = MakeCommand(MetaOp::kCreateFont);
      c.value = kLowestFreeSlot;
      c.font.height = r.I16(0);
      c.font.escapement = r.I16(4);
      c.font.weight = r.I16(8);
      c.font.italic = r.U8(10) != 0;
      c.font.underline = r.U8(11) != 0;
      c.font.charset = r.U8(13);
      r.U8(17);  // the fixed part must be there; the face name may be short
      c.font.face = FaceName(r, 18);
      break;
    case kCreatePalette:
    case kCreatePatternBrush:
    case kCreateRegion:
      c = MakeCommand(MetaOp::kCreateOther);
      c.value = kLowestFreeSlot;
      break;
    case kSelectObject: c = MakeCommand(MetaOp::kSelectObject); c.value = r.U16(0); break;
    case kDeleteObject: c = MakeCommand(MetaOp::kDeleteObject); c.value = r.U16(0); break;
    case kMoveTo: c = MakeCommand(MetaOp::kMoveTo); c.p1 = YX(r, 0); break;
    case kLineTo: c = MakeCommand(MetaOp::kLineTo); c.p1 = YX(r, 0); break;
    case kPolyline:
    case kPolygon: {
      c = MakeCommand(function == kPolyline ? MetaOp::kPolyline : MetaOp::kPolygon);
      const int16_t n = r.I16(0);
      if (n < 0 || !ReadPoints(r, 2, size_t(n), c.points)) return Decoded::kBad;
      break;
    }
    case kPolyPolygon: {
      c = MakeCommand(MetaOp::kPolyPolygon);
      const size_t polygons = r.U16(0);
      if (!r.Has(2, polygons * 2)) return Decoded::kBad;
      size_t total = 0;
      for (size_t i = 0; i < polygons; ++i) {
        c.counts.push_back(r.U16(2 + 2 * i));
        total += c.counts.back();
      }
      if (!ReadPoints(r, 2 + polygons * 2, total, c.points)) return Decoded::kBad;
      break;
    }
    case kArc:
    case kChord:
    case kPie:
      c = MakeCommand(function == kArc ? MetaOp::kArc
                      : function == kChord ? MetaOp::kChord
                                           : MetaOp::kPie);
      c.rect2 = YX(r, 0);
      c.rect1 = YX(r, 4);
      ReadBox(r, 8, c);
      break;
    case kIntersectClipRect:
    case kExcludeClipRect:
      c = MakeCommand(function == kIntersectClipRect ? MetaOp::kIntersectClipRect
                                                     : MetaOp::kExcludeClipRect);
      ReadBox(r, 0, c);
      break;
    case kOffsetClipRgn: c = MakeCommand(MetaOp::kOffsetClipRegion); c.p1 = YX(r, 0); break;
    case kOffsetWindowOrg: c = MakeCommand(MetaOp::kOffsetWindowOrg); c.p1 = YX(r, 0); break;
    case kOffsetViewportOrg: c = MakeCommand(MetaOp::kOffsetViewportOrg); c.p1 = YX(r, 0); break;
    case kScaleWindowExt:
    case kScaleViewportExt:
      // y denominator, y numerator, x denominator, x numerator.
      c = MakeCommand(function == kScaleWindowExt ? MetaOp::kScaleWindowExt
                                                  : MetaOp::kScaleViewportExt);
      c.numbers[3] = r.I16(0);
      c.numbers[2] = r.I16(2);
      c.numbers[1] = r.I16(4);
      c.numbers[0] = r.I16(6);
      break;
    case kPatBlt:
      c = MakeCommand(MetaOp::kBitmap);
      c.rop = r.U32(0);
      c.p2 = {r.I16(6), r.I16(4)};
      c.p1 = YX(r, 8);
      break;
    case kDibBitBlt:
    case kDibStretchBlt: {
      // Raster operation, (source extent,) source origin, (a reserved word without a bitmap,)
      // destination extent and origin, the bitmap.
      const bool stretch = function == kDibStretchBlt;
      const size_t fixedWords = stretch ? 10 : 8;
      bool withBitmap;
      bitmapRecord(fixedWords, withBitmap);
      c = MakeCommand(MetaOp::kBitmap);
      c.rop = r.U32(0);
      size_t at = 4;
      if (stretch) {
        c.rect2 = YX(r, at);
        at += 4;
      }
      c.rect1 = YX(r, at);
      at += 4;
      if (!withBitmap) at += 2;
      c.p2 = YX(r, at);
      c.p1 = YX(r, at + 4);
      if (!stretch) c.rect2 = c.p2;
      if (withBitmap && !ReadPackedBitmap(params, at + 8, c, budget)) return Decoded::kBad;
      break;
    }
    case kStretchDib: {
      c = MakeCommand(MetaOp::kBitmap);
      c.rop = r.U32(0);
      c.rect2 = YX(r, 6);
      c.rect1 = YX(r, 10);
      c.p2 = YX(r, 14);
      c.p1 = YX(r, 18);
      if (!ReadPackedBitmap(params, 22, c, budget)) return Decoded::kBad;
      if (c.pixels.empty()) return Decoded::kSkipped;
      c.rect1.y = SourceRowFromTop(c.pixelHeight, c.rect1.y, c.rect2.y);  // rows from the bottom
      break;
    }
    case kSetDibToDev: {
      c = MakeCommand(MetaOp::kBitmap);
      c.rop = kRopSourceCopy;
      c.rect1 = YX(r, 6);
      c.rect2 = YX(r, 10);
      c.p2 = c.rect2;
      c.p1 = YX(r, 14);
      if (!ReadPackedBitmap(params, 18, c, budget)) return Decoded::kBad;
      if (c.pixels.empty()) return Decoded::kSkipped;
      c.rect1.y = SourceRowFromTop(c.pixelHeight, c.rect1.y, c.rect2.y);
      break;
    }
    case kRectangle: c = MakeCommand(MetaOp::kRectangle); ReadBox(r, 0, c); break;
    case kEllipse: c = MakeCommand(MetaOp::kEllipse); ReadBox(r, 0, c); break;
    case kRoundRect:
      c = MakeCommand(MetaOp::kRoundRect);
      c.corner = {r.I16(2), r.I16(0)};
      ReadBox(r, 4, c);
      break;
    case kSetPixel: c = MakeCommand(MetaOp::kSetPixel); c.color = r.U32(0); c.p1 = YX(r, 4); break;
    case kSetTextColor: c = MakeCommand(MetaOp::kSetTextColor); c.color = r.U32(0); break;
    case kSetBkColor: c = MakeCommand(MetaOp::kSetBkColor); c.color = r.U32(0); break;
    case kTextOut: {
      c = MakeCommand(MetaOp::kText);
      const int16_t n = r.I16(0);
      if (n < 0) return Decoded::kBad;
      c.text = r.Bytes(2, size_t(n));
      c.p1 = YX(r, 2 + ((size_t(n) + 1) & ~size_t(1)));
      break;
    }
    case kExtTextOut: {
      c = MakeCommand(MetaOp::kText);
      c.p1 = YX(r, 0);
      const int16_t n = r.I16(4);
      c.textOptions = r.U16(6);
      if (n < 0) return Decoded::kBad;
      size_t at = 8;
      if (c.textOptions & (kTextOptionOpaque | kTextOptionClipped)) {
        c.rect1 = {r.I16(8), r.I16(10)};
        c.rect2 = {r.I16(12), r.I16(14)};
        at = 16;
      }
      c.text = r.Bytes(at, size_t(n));
      // The advances follow the text (padded to a word) when the record has room for them.
      const size_t dxAt = at + ((size_t(n) + 1) & ~size_t(1));
      if (r.ok() && r.Has(dxAt, size_t(n) * 2))
        for (size_t i = 0; i < size_t(n); ++i) c.dx.push_back(r.I16(dxAt + 2 * i));
      break;
    }
    // Settings that change nothing the player draws.
    case kSetRop2: case kSetStretchBltMode: case kSetTextCharExtra: case kSetTextJustification:
    case kSetMapperFlags: case kSetRelAbs: case kRealizePalette: case kSelectPalette:
    case kSetPalEntries:
      return Decoded::kKnown;
    default: return Decoded::kSkipped;  // not drawn: skipped by its size
  }
  return KeepCommand(r.ok(), std::move(c), out);
}

}  // namespace

std::optional<PlaceableHeader> ReadPlaceableHeader(std::span<const uint8_t> bytes) {
  ByteReader r(bytes);
  if (r.U32(0) != kPlaceableKey || !r.Has(0, kPlaceableHeaderSize)) return std::nullopt;
  PlaceableHeader h;
  h.left = r.I16(6);
  h.top = r.I16(8);
  h.right = r.I16(10);
  h.bottom = r.I16(12);
  h.unitsPerInch = r.U16(14);
  return h;
}

std::optional<uint32_t> MetaHeaderSizeWords(std::span<const uint8_t> header) {
  ByteReader r(header);
  const uint32_t words = r.U32(6);
  if (!r.ok()) return std::nullopt;
  return words;
}

std::optional<MetafilePicture> ReadWindowsMetafile(std::span<const uint8_t> bytes) {
  ByteReader r(bytes);
  const uint16_t type = r.U16(0);
  const uint16_t headerWords = r.U16(2);
  const uint64_t sizeBytes = uint64_t(r.U32(6)) * 2;
  if (!r.ok() || (type != 1 && type != 2) || headerWords != kMetaHeaderSize / 2 ||
      sizeBytes < kMetaHeaderSize || sizeBytes > bytes.size())
    return std::nullopt;

  MetafilePicture picture;
  uint64_t budget = kMaxPictureBitmapPixels;
  size_t at = kMetaHeaderSize;
  const size_t end = size_t(sizeBytes);
  while (at < end) {
    if (end - at < 6) return std::nullopt;
    const uint64_t recordBytes = uint64_t(r.U32(at)) * 2;
    const uint16_t function = r.U16(at + 4);
    if (recordBytes < 6 || recordBytes > end - at) return std::nullopt;
    if (function == kEof) break;
    const Decoded d = Decode(function, bytes.subspan(at + 6, size_t(recordBytes) - 6),
                             picture.commands, budget);
    if (d == Decoded::kBad) return std::nullopt;
    if (d == Decoded::kSkipped) ++picture.skippedRecords;
    at += size_t(recordBytes);
  }
  return picture;
}
