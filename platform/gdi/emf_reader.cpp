#include "platform/gdi/emf_reader.h"

#include <algorithm>
#include <cstdint>

#include "platform/byte_reader.h"
#include "platform/gdi/metafile_records.h"
#include "platform/cp1252.h"

namespace {

using namespace emf;

constexpr uint32_t kPenStyleNull = 5;
constexpr uint32_t kBrushSolid = 0, kBrushNull = 1, kBrushHatched = 2;
constexpr size_t kFaceNameChars = 32;
constexpr size_t kLogFontWSize = 92;

GdiPoint Point32(ByteReader& r, size_t at) { return {r.I32(at), r.I32(at + 4)}; }

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

bool ReadText(ByteReader& r, bool wide, MetaCommand& c) {
  c.p1 = Point32(r, 36);
  const uint32_t chars = r.U32(44);
  const uint32_t offset = r.U32(48);
  c.textOptions = r.U32(52);
  c.rect1 = Point32(r, 56);
  c.rect2 = Point32(r, 64);
  const uint64_t bytes = uint64_t(chars) * (wide ? 2 : 1);
  if (!r.ok() || !r.Has(offset, size_t(std::min<uint64_t>(bytes, r.size() + 1)))) return false;
  for (size_t i = 0; i < chars; ++i)
    c.text += wide ? Cp1252Of(r.U16(offset + 2 * i)) : char(r.U8(offset + i));
  return true;
}

// Decodes one record (offsets from its start); false when it does not hold what it needs.
// Records the player does not draw leave `out` unchanged.
bool Decode(uint32_t type, std::span<const uint8_t> record, std::vector<MetaCommand>& out) {
  ByteReader r(record);
  MetaCommand c;
  switch (type) {
    case kSetMapMode: c = MakeCommand(MetaOp::kSetMapMode, r.I32(8)); break;
    case kSetBkMode: c = MakeCommand(MetaOp::kSetBkMode, r.I32(8)); break;
    case kSetTextAlign: c = MakeCommand(MetaOp::kSetTextAlign, int32_t(r.U32(8) & 0xFFFF)); break;
    case kSetPolyFillMode: c = MakeCommand(MetaOp::kSetPolyFillMode, r.I32(8)); break;
    case kSetWindowExt: c = MakeCommand(MetaOp::kSetWindowExt); c.p1 = Point32(r, 8); break;
    case kSetWindowOrg: c = MakeCommand(MetaOp::kSetWindowOrg); c.p1 = Point32(r, 8); break;
    case kSetViewportExt: c = MakeCommand(MetaOp::kSetViewportExt); c.p1 = Point32(r, 8); break;
    case kSetViewportOrg: c = MakeCommand(MetaOp::kSetViewportOrg); c.p1 = Point32(r, 8); break;
    case kSaveDc: c = MakeCommand(MetaOp::kSaveDc); break;
    case kRestoreDc: c = MakeCommand(MetaOp::kRestoreDc, r.I32(8)); break;
    case kCreatePen:
      c = MakeCommand(MetaOp::kCreatePen, r.I32(8));
      c.pen.null = (r.U32(12) & 0x0F) == kPenStyleNull;
      c.pen.width = r.I32(16);
      c.pen.color = r.U32(24);
      break;
    case kExtCreatePen:
      c = MakeCommand(MetaOp::kCreatePen, r.I32(8));
      c.pen.null = (r.U32(28) & 0x0F) == kPenStyleNull || r.U32(36) == kBrushNull;
      c.pen.width = int32_t(std::min<uint32_t>(r.U32(32), INT32_MAX));
      c.pen.color = r.U32(40);
      break;
    case kCreateBrush: {
      c = MakeCommand(MetaOp::kCreateBrush, r.I32(8));
      const uint32_t style = r.U32(12);
      c.brush.hollow = style != kBrushSolid && style != kBrushHatched;
      c.brush.color = r.U32(16);
      break;
    }
    case kCreateFontW:
      c = MakeCommand(MetaOp::kCreateFont, r.I32(8));
      if (!r.Has(12, kLogFontWSize)) return false;
      c.font.height = r.I32(12);
      c.font.escapement = r.I32(20);
      c.font.weight = int16_t(std::clamp(r.I32(28), 0, 1000));
      c.font.italic = r.U8(32) != 0;
      c.font.underline = r.U8(33) != 0;
      c.font.face = FaceName(r, 40);
      break;
    case kCreatePalette:
    case kCreateMonoBrush:
    case kCreateDibPatternBrush: c = MakeCommand(MetaOp::kCreateOther, r.I32(8)); break;
    case kSelectObject: c = MakeCommand(MetaOp::kSelectObject, r.I32(8)); break;
    case kDeleteObject: c = MakeCommand(MetaOp::kDeleteObject, r.I32(8)); break;
    case kMoveTo: c = MakeCommand(MetaOp::kMoveTo); c.p1 = Point32(r, 8); break;
    case kLineTo: c = MakeCommand(MetaOp::kLineTo); c.p1 = Point32(r, 8); break;
    case kPolyline:
    case kPolygon:
    case kPolyline16:
    case kPolygon16: {
      const bool line = type == kPolyline || type == kPolyline16;
      c = MakeCommand(line ? MetaOp::kPolyline : MetaOp::kPolygon);
      const bool small = type == kPolyline16 || type == kPolygon16;
      const uint32_t n = r.U32(24);
      if (!r.ok() || !ReadPoints(r, 28, n, small, c.points)) return false;
      break;
    }
    case kPolyPolygon:
    case kPolyPolygon16:
      c = MakeCommand(MetaOp::kPolyPolygon);
      if (!ReadPolyPolygon(r, type == kPolyPolygon16, c)) return false;
      break;
    case kRectangle:
    case kEllipse:
    case kRoundRect:
      c = MakeCommand(type == kRectangle ? MetaOp::kRectangle
             : type == kEllipse ? MetaOp::kEllipse
                                : MetaOp::kRoundRect);
      c.p1 = Point32(r, 8);
      c.p2 = Point32(r, 16);
      if (type == kRoundRect) c.corner = {r.I32(24), r.I32(28)};
      break;
    case kSetPixel: c = MakeCommand(MetaOp::kSetPixel); c.p1 = Point32(r, 8); c.color = r.U32(16); break;
    case kSetTextColor: c = MakeCommand(MetaOp::kSetTextColor); c.color = r.U32(8); break;
    case kSetBkColor: c = MakeCommand(MetaOp::kSetBkColor); c.color = r.U32(8); break;
    case kExtTextOutA:
    case kExtTextOutW:
      c = MakeCommand(MetaOp::kText);
      if (!ReadText(r, type == kExtTextOutW, c)) return false;
      break;
    default: return true;  // not drawn: skipped by its size
  }
  if (!r.ok()) return false;
  out.push_back(std::move(c));
  return true;
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
    if (!Decode(type, bytes.subspan(at, size), picture.commands)) return std::nullopt;
    at += size;
  }
  return picture;
}
