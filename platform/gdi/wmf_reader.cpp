#include "platform/gdi/wmf_reader.h"

#include "platform/byte_reader.h"
#include "platform/gdi/metafile_records.h"

namespace {

using namespace wmf;

constexpr uint16_t kPenStyleNull = 5;
constexpr uint16_t kBrushSolid = 0, kBrushHatched = 2;
constexpr uint16_t kTextOptionClipped = 4;
constexpr size_t kFaceNameBytes = 32;

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

// Decodes one record's parameters; false when they do not hold what the record needs.
// Records the player does not draw leave `out` unchanged.
bool Decode(uint16_t function, std::span<const uint8_t> params, std::vector<MetaCommand>& out) {
  ByteReader r(params);
  MetaCommand c;
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
    case kCreatePenIndirect:
      c = MakeCommand(MetaOp::kCreatePen);
      c.value = kLowestFreeSlot;
      c.pen.null = (r.U16(0) & 0x0F) == kPenStyleNull;
      c.pen.width = r.I16(2);
      c.pen.color = r.U32(6);
      break;
    case kCreateBrushIndirect: {
      c = MakeCommand(MetaOp::kCreateBrush);
      c.value = kLowestFreeSlot;
      const uint16_t style = r.U16(0);
      c.brush.hollow = style != kBrushSolid && style != kBrushHatched;
      c.brush.color = r.U32(2);
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
      r.U8(17);  // the fixed part must be there; the face name may be short
      c.font.face = FaceName(r, 18);
      break;
    case kCreatePalette:
    case kCreatePatternBrush:
    case kDibCreatePatternBrush:
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
      if (n < 0 || !ReadPoints(r, 2, size_t(n), c.points)) return false;
      break;
    }
    case kPolyPolygon: {
      c = MakeCommand(MetaOp::kPolyPolygon);
      const size_t polygons = r.U16(0);
      if (!r.Has(2, polygons * 2)) return false;
      size_t total = 0;
      for (size_t i = 0; i < polygons; ++i) {
        c.counts.push_back(r.U16(2 + 2 * i));
        total += c.counts.back();
      }
      if (!ReadPoints(r, 2 + polygons * 2, total, c.points)) return false;
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
      if (n < 0) return false;
      c.text = r.Bytes(2, size_t(n));
      c.p1 = YX(r, 2 + ((size_t(n) + 1) & ~size_t(1)));
      break;
    }
    case kExtTextOut: {
      c = MakeCommand(MetaOp::kText);
      c.p1 = YX(r, 0);
      const int16_t n = r.I16(4);
      c.textOptions = r.U16(6);
      if (n < 0) return false;
      size_t at = 8;
      if (c.textOptions & (kTextOptionOpaque | kTextOptionClipped)) {
        c.rect1 = {r.I16(8), r.I16(10)};
        c.rect2 = {r.I16(12), r.I16(14)};
        at = 16;
      }
      c.text = r.Bytes(at, size_t(n));
      break;
    }
    default: return true;  // not drawn: skipped by its size
  }
  if (!r.ok()) return false;
  out.push_back(std::move(c));
  return true;
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
  size_t at = kMetaHeaderSize;
  const size_t end = size_t(sizeBytes);
  while (at < end) {
    if (end - at < 6) return std::nullopt;
    const uint64_t recordBytes = uint64_t(r.U32(at)) * 2;
    const uint16_t function = r.U16(at + 4);
    if (recordBytes < 6 || recordBytes > end - at) return std::nullopt;
    if (function == kEof) break;
    if (!Decode(function, bytes.subspan(at + 6, size_t(recordBytes) - 6), picture.commands))
      return std::nullopt;
    at += size_t(recordBytes);
  }
  return picture;
}
