#include "platform/gdi/wmf_writer.h"

#include <algorithm>

#include "platform/byte_writer.h"
#include "platform/gdi/metafile_records.h"

namespace {

using namespace wmf;

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr uint16_t kPenSolid = 0, kPenNull = 5;
constexpr uint16_t kBrushSolid = 0, kBrushNull = 1;
constexpr size_t kHeaderWords = 9;
constexpr size_t kFaceBytes = 32;
constexpr uint8_t kSymbolCharset = 2;
// Points per polyline record: a record must stay within the 16-bit point count.
constexpr size_t kMaxPolyPoints = 32000;

int16_t Clamp16(int32_t v) { return int16_t(std::clamp<int32_t>(v, INT16_MIN, INT16_MAX)); }

}  // namespace

uint16_t PlaceableHeaderChecksum(const uint8_t header[22]) {
  uint16_t sum = 0;
  for (int i = 0; i < 10; ++i) sum ^= uint16_t(header[2 * i] | (header[2 * i + 1] << 8));
  return sum;
}

std::string PlaceableHeaderBytes(const PlaceableBox& box) {
  std::string h;
  PutU32(h, kPlaceableKey);
  PutU16(h, 0);  // no metafile handle
  PutI16(h, box.left);
  PutI16(h, box.top);
  PutI16(h, box.right);
  PutI16(h, box.bottom);
  PutU16(h, box.unitsPerInch);
  PutU32(h, 0);
  PutU16(h, PlaceableHeaderChecksum(reinterpret_cast<const uint8_t*>(h.data())));
  return h;
}

WmfWriter::WmfWriter(Device* measure, const PlaceableBox& box)
    : MetafileWriter(measure, 0), box_(box) {}

void WmfWriter::Begin(uint16_t function, size_t words) {
  maxRecordWords_ = std::max<uint32_t>(maxRecordWords_, uint32_t(words));
  PutU32(records_, uint32_t(words));
  PutU16(records_, function);
}

void WmfWriter::Word(int32_t v) { PutI16(records_, Clamp16(v)); }

void WmfWriter::SetMapMode(int32_t mode) {
  if (finished()) return;
  Begin(kSetMapMode, 4);
  Word(mode);
}
void WmfWriter::SetWindowOrg(int32_t x, int32_t y) {
  if (finished()) return;
  Begin(kSetWindowOrg, 5);
  Word(y);
  Word(x);
}
void WmfWriter::SetWindowExt(int32_t cx, int32_t cy) {
  if (finished()) return;
  Begin(kSetWindowExt, 5);
  Word(cy);
  Word(cx);
}
void WmfWriter::SetBkMode(int32_t mode) {
  if (finished()) return;
  Begin(kSetBkMode, 4);
  Word(mode);
}
void WmfWriter::SetPolyFillMode(int32_t mode) {
  if (finished()) return;
  Begin(kSetPolyFillMode, 4);
  Word(mode);
}

void WmfWriter::PutCreatePen(int32_t, bool null, int32_t width, uint32_t color) {
  Begin(kCreatePenIndirect, 8);
  PutU16(records_, null ? kPenNull : kPenSolid);
  Word(width);
  Word(0);
  PutU32(records_, color & 0xFFFFFF);
}

void WmfWriter::PutCreateBrush(int32_t, bool hollow, uint32_t color) {
  Begin(kCreateBrushIndirect, 7);
  PutU16(records_, hollow ? kBrushNull : kBrushSolid);
  PutU32(records_, color & 0xFFFFFF);
  PutU16(records_, 0);
}

void WmfWriter::PutCreateFont(int32_t, const GdiFont& font) {
  Begin(kCreateFontIndirect, 3 + 9 + kFaceBytes / 2);
  Word(font.height);
  Word(0);  // width: the face's own
  Word(font.escapement);
  Word(font.escapement);  // orientation
  Word(font.weight);
  PutU8(records_, font.italic ? 1 : 0);
  PutU8(records_, font.underline ? 1 : 0);
  PutU8(records_, 0);  // strike-out
  PutU8(records_, font.face == "Symbol" ? kSymbolCharset : 0);
  PutU32(records_, 0);  // precisions, quality, pitch and family
  std::string face = font.face.substr(0, kFaceBytes - 1);
  face.resize(kFaceBytes, '\0');
  records_ += face;
}

void WmfWriter::PutSelect(int32_t slot) {
  Begin(kSelectObject, 4);
  Word(slot);
}
void WmfWriter::PutDelete(int32_t slot) {
  Begin(kDeleteObject, 4);
  Word(slot);
}
void WmfWriter::PutTextColor(uint32_t color) {
  Begin(kSetTextColor, 5);
  PutU32(records_, color & 0xFFFFFF);
}
void WmfWriter::PutTextAlign(uint16_t align) {
  Begin(kSetTextAlign, 4);
  PutU16(records_, align);
}
void WmfWriter::PutMoveTo(int32_t x, int32_t y) {
  Begin(kMoveTo, 5);
  Word(y);
  Word(x);
}
void WmfWriter::PutLineTo(int32_t x, int32_t y) {
  Begin(kLineTo, 5);
  Word(y);
  Word(x);
}

void WmfWriter::PutPoly(const std::vector<GdiPoint>& points, bool closed) {
  // Long polylines go out in pieces that share their end points.
  size_t from = 0;
  while (from + 1 < points.size()) {
    const size_t n = std::min(points.size() - from, kMaxPolyPoints);
    Begin(closed ? kPolygon : kPolyline, 4 + 2 * n);
    Word(int32_t(n));
    for (size_t i = from; i < from + n; ++i) {
      Word(points[i].x);
      Word(points[i].y);
    }
    if (closed) break;
    from += n - 1;
  }
}

void WmfWriter::PutShape(Shape shape, int32_t left, int32_t top, int32_t right, int32_t bottom,
                         int32_t ellipseWidth, int32_t ellipseHeight) {
  switch (shape) {
    case Shape::kRectangle: Begin(kRectangle, 7); break;
    case Shape::kEllipse: Begin(kEllipse, 7); break;
    case Shape::kRoundRect:
      Begin(kRoundRect, 9);
      Word(ellipseHeight);
      Word(ellipseWidth);
      break;
  }
  Word(bottom);
  Word(right);
  Word(top);
  Word(left);
}

void WmfWriter::PutPixel(int32_t x, int32_t y, uint32_t color) {
  Begin(kSetPixel, 7);
  PutU32(records_, color & 0xFFFFFF);
  Word(y);
  Word(x);
}

void WmfWriter::PutText(int32_t x, int32_t y, const std::string& text) {
  const std::string shown = text.substr(0, INT16_MAX - 16);
  const size_t padded = (shown.size() + 1) / 2 * 2;
  Begin(kTextOut, 3 + 1 + padded / 2 + 2);
  Word(int32_t(shown.size()));
  records_ += shown;
  if (padded > shown.size()) records_.push_back('\0');
  Word(y);
  Word(x);
}

std::string WmfWriter::PutEnd() {
  Begin(kEof, 3);
  std::string out = PlaceableHeaderBytes(box_);
  PutU16(out, 1);  // a metafile in memory
  PutU16(out, kHeaderWords);
  PutU16(out, 0x0300);
  PutU32(out, uint32_t(kHeaderWords + records_.size() / 2));
  PutU16(out, uint16_t(std::min<int32_t>(SlotsUsed(), UINT16_MAX)));
  PutU32(out, maxRecordWords_);
  PutU16(out, 0);
  out += records_;
  records_.clear();
  return out;
}
