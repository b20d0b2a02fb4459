#include "platform/gdi/emf_writer.h"

#include <algorithm>

#include "platform/byte_writer.h"
#include "platform/gdi/ink_box.h"
#include "platform/gdi/metafile_records.h"
#include "platform/cp1252.h"
#include "platform/gdi/text_box.h"

namespace {

using namespace emf;

constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr uint32_t kVersion = 0x10000;
constexpr size_t kHeaderBytes = 108;  // with both header extensions
constexpr uint32_t kPenSolid = 0, kPenNull = 5;
constexpr uint32_t kBrushSolid = 0, kBrushNull = 1;
constexpr size_t kFaceChars = 32;
constexpr uint8_t kSymbolCharset = 2;
constexpr int32_t kGraphicsModeCompatible = 1;

size_t Pad4(size_t n) { return (n + 3) / 4 * 4; }

}  // namespace

EmfWriter::EmfWriter(Device* measure, const EmfHeaderInfo& info)
    : MetafileWriter(measure, 1), info_(info) {}

void EmfWriter::Begin(uint32_t type, size_t bytes) {
  ++count_;
  PutU32(records_, type);
  PutU32(records_, uint32_t(bytes));
}

void EmfWriter::Record(uint32_t type, std::initializer_list<int32_t> values) {
  Begin(type, 8 + 4 * values.size());
  for (const int32_t v : values) PutI32(records_, v);
}

void EmfWriter::Grow(int32_t x, int32_t y) {
  if (!anything_) {
    boundsLeft_ = boundsRight_ = x;
    boundsTop_ = boundsBottom_ = y;
    anything_ = true;
    return;
  }
  boundsLeft_ = std::min(boundsLeft_, x);
  boundsRight_ = std::max(boundsRight_, x);
  boundsTop_ = std::min(boundsTop_, y);
  boundsBottom_ = std::max(boundsBottom_, y);
}

// A wide pen reaches half its width beyond the points it is drawn through.
void EmfWriter::GrowByPen(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  const GdiBox box = PenBox(left, top, right, bottom, CurrentPenWidth());
  Grow(box.left, box.top);
  Grow(box.right, box.bottom);
}

void EmfWriter::SetMapMode(int32_t mode) {
  if (!finished()) Record(kSetMapMode, {mode});
}
void EmfWriter::SetWindowOrg(int32_t x, int32_t y) {
  if (!finished()) Record(kSetWindowOrg, {x, y});
}
void EmfWriter::SetWindowExt(int32_t cx, int32_t cy) {
  if (finished()) return;
  Record(kSetWindowExt, {cx, cy});
  Record(kSetViewportExt, {cx, cy});
}
void EmfWriter::SetBkMode(int32_t mode) {
  if (!finished()) Record(kSetBkMode, {mode});
}
void EmfWriter::SetPolyFillMode(int32_t mode) {
  if (!finished()) Record(kSetPolyFillMode, {mode});
}

void EmfWriter::PutCreatePen(int32_t slot, bool null, int32_t width, uint32_t color) {
  Record(kCreatePen, {slot, int32_t(null ? kPenNull : kPenSolid), width, 0,
                      int32_t(color & 0xFFFFFF)});
}
void EmfWriter::PutCreateBrush(int32_t slot, bool hollow, uint32_t color) {
  Record(kCreateBrush, {slot, int32_t(hollow ? kBrushNull : kBrushSolid),
                        int32_t(color & 0xFFFFFF), 0});
}

void EmfWriter::PutCreateFont(int32_t slot, const GdiFont& font) {
  Begin(kCreateFontW, 12 + 92);
  PutI32(records_, slot);
  PutI32(records_, font.height);
  PutI32(records_, 0);
  PutI32(records_, font.escapement);
  PutI32(records_, font.escapement);
  PutI32(records_, font.weight);
  PutU8(records_, font.italic ? 1 : 0);
  PutU8(records_, font.underline ? 1 : 0);
  PutU8(records_, 0);
  PutU8(records_, font.face == "Symbol" ? kSymbolCharset : 0);
  PutU32(records_, 0);
  std::u16string face = Cp1252ToUtf16(font.face.substr(0, kFaceChars - 1));
  face.resize(kFaceChars, u'\0');
  for (const char16_t c : face) PutU16(records_, c);
}

void EmfWriter::PutSelect(int32_t slot) { Record(kSelectObject, {slot}); }
void EmfWriter::PutDelete(int32_t slot) { Record(kDeleteObject, {slot}); }
void EmfWriter::PutTextColor(uint32_t color) {
  Record(kSetTextColor, {int32_t(color & 0xFFFFFF)});
}
void EmfWriter::PutTextAlign(uint16_t align) { Record(kSetTextAlign, {align}); }
void EmfWriter::PutMoveTo(int32_t x, int32_t y) {
  at_ = {x, y};
  Record(kMoveTo, {x, y});
}
void EmfWriter::PutLineTo(int32_t x, int32_t y) {
  GrowByPen(at_.x, at_.y, at_.x, at_.y);
  GrowByPen(x, y, x, y);
  at_ = {x, y};
  Record(kLineTo, {x, y});
}

void EmfWriter::PutPoly(const std::vector<GdiPoint>& points, bool closed) {
  const GdiBox box = PointsBox(points);
  GrowByPen(box.left, box.top, box.right, box.bottom);
  Begin(closed ? kPolygon : kPolyline, 28 + 8 * points.size());
  for (const int32_t v : {box.left, box.top, box.right, box.bottom}) PutI32(records_, v);
  PutU32(records_, uint32_t(points.size()));
  for (const GdiPoint& p : points) {
    PutI32(records_, p.x);
    PutI32(records_, p.y);
  }
}

void EmfWriter::PutShape(Shape shape, int32_t left, int32_t top, int32_t right, int32_t bottom,
                         int32_t ellipseWidth, int32_t ellipseHeight) {
  GrowByPen(left, top, right, bottom);
  switch (shape) {
    case Shape::kRectangle: Record(kRectangle, {left, top, right, bottom}); break;
    case Shape::kEllipse: Record(kEllipse, {left, top, right, bottom}); break;
    case Shape::kRoundRect:
      Record(kRoundRect, {left, top, right, bottom, ellipseWidth, ellipseHeight});
      break;
  }
}

void EmfWriter::PutPixel(int32_t x, int32_t y, uint32_t color) {
  Grow(x, y);
  Record(kSetPixel, {x, y, int32_t(color & 0xFFFFFF)});
}

// Wide text with the advance of every character, measured with the font in place, so that
// readers place the characters where the measuring device did.
void EmfWriter::PutText(int32_t x, int32_t y, const std::string& text) {
  // Symbol-face text keeps its byte codes, in the private range that symbol fonts use.
  std::u16string wide = Cp1252ToUtf16(text);
  if (font().face == "Symbol")
    for (size_t i = 0; i < text.size(); ++i) wide[i] = char16_t(0xF000 | uint8_t(text[i]));
  std::vector<int32_t> dx(text.size(), 0);
  int32_t before = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const int32_t after = TextExtent(text.substr(0, i + 1)).cx;
    dx[i] = after - before;
    before = after;
  }
  // The bounds take in every glyph's cell, not only the reference point.
  const GdiBox box = TextInkBox({x, y}, TextExtent(text), FontAscent(), textAlign(), font());
  Grow(box.left, box.top);
  Grow(box.right, box.bottom);
  const size_t stringAt = 76;
  const size_t dxAt = stringAt + Pad4(2 * wide.size());
  Begin(kExtTextOutW, dxAt + 4 * dx.size());
  for (const int32_t v : {0, 0, -1, -1}) PutI32(records_, v);  // bounds not computed
  PutI32(records_, kGraphicsModeCompatible);
  PutU32(records_, 0);  // x and y scale (unused in the compatible mode)
  PutU32(records_, 0);
  PutI32(records_, x);
  PutI32(records_, y);
  PutU32(records_, uint32_t(wide.size()));
  PutU32(records_, uint32_t(stringAt));
  PutU32(records_, 0);  // options: no clipping, no opaque rectangle
  for (const int32_t v : {0, 0, -1, -1}) PutI32(records_, v);
  PutU32(records_, uint32_t(dxAt));
  for (const char16_t c : wide) PutU16(records_, c);
  if (wide.size() % 2) PutU16(records_, 0);
  for (const int32_t d : dx) PutI32(records_, d);
}

std::string EmfWriter::PutEnd() {
  Begin(kEof, 20);
  PutU32(records_, 0);
  PutU32(records_, 16);
  PutU32(records_, 20);

  const std::u16string description = Cp1252ToUtf16(info_.description);
  const size_t headerSize = kHeaderBytes + Pad4(2 * description.size());
  std::string out;
  PutU32(out, kHeader);
  PutU32(out, uint32_t(headerSize));
  if (!anything_) boundsLeft_ = boundsTop_ = boundsRight_ = boundsBottom_ = 0;
  for (const int32_t v : {boundsLeft_, boundsTop_, boundsRight_, boundsBottom_}) PutI32(out, v);
  for (const int32_t v : {0, 0, info_.frameRight, info_.frameBottom}) PutI32(out, v);
  PutU32(out, kSignature);
  PutU32(out, kVersion);
  PutU32(out, uint32_t(headerSize + records_.size()));
  PutU32(out, count_ + 1);
  PutU16(out, uint16_t(std::min<int32_t>(SlotsUsed() + 1, UINT16_MAX)));
  PutU16(out, 0);
  PutU32(out, uint32_t(description.size()));
  PutU32(out, description.empty() ? 0 : uint32_t(kHeaderBytes));
  PutU32(out, 0);  // no palette
  PutI32(out, info_.devicePixelsX);
  PutI32(out, info_.devicePixelsY);
  PutI32(out, info_.deviceMmX);
  PutI32(out, info_.deviceMmY);
  PutU32(out, 0);  // no pixel format
  PutU32(out, 0);
  PutU32(out, 0);  // no OpenGL
  PutI32(out, info_.deviceMmX * 1000);
  PutI32(out, info_.deviceMmY * 1000);
  for (const char16_t c : description) PutU16(out, c);
  out.resize(headerSize, '\0');
  out += records_;
  records_.clear();
  return out;
}
