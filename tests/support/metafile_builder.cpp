#include "tests/support/metafile_builder.h"

Bytes& Bytes::U8(uint8_t v) {
  s_ += char(v);
  return *this;
}
Bytes& Bytes::U16(uint16_t v) { return U8(uint8_t(v)).U8(uint8_t(v >> 8)); }
Bytes& Bytes::U32(uint32_t v) { return U16(uint16_t(v)).U16(uint16_t(v >> 16)); }
Bytes& Bytes::Text(const std::string& s) {
  s_ += s;
  return *this;
}

namespace {

std::string PadTo(std::string s, size_t multiple) {
  while (s.size() % multiple) s += '\0';
  return s;
}

}  // namespace

WmfBuilder& WmfBuilder::RawRecord(uint16_t function, const std::string& params) {
  const std::string p = PadTo(params, 2);
  const uint32_t words = uint32_t(3 + p.size() / 2);
  if (words > maxRecordWords_) maxRecordWords_ = words;
  records_ += Bytes().U32(words).U16(function).Text(p).str();
  return *this;
}

WmfBuilder& WmfBuilder::Record(uint16_t function, const std::vector<int32_t>& words) {
  Bytes b;
  for (int32_t w : words) b.U16(uint16_t(w));
  return RawRecord(function, b.str());
}

WmfBuilder& WmfBuilder::CreatePen(int style, int width, uint32_t color) {
  ++objects_;
  return RawRecord(0x02FA, Bytes().U16(uint16_t(style)).U16(uint16_t(width)).U16(0).U32(color).str());
}

WmfBuilder& WmfBuilder::CreateBrush(int style, uint32_t color, int hatch) {
  ++objects_;
  return RawRecord(0x02FC, Bytes().U16(uint16_t(style)).U32(color).U16(uint16_t(hatch)).str());
}

WmfBuilder& WmfBuilder::CreateFont(int height, int escapement, int weight, bool italic,
                                   bool underline, const std::string& face, uint8_t charset) {
  ++objects_;
  Bytes b;
  b.U16(uint16_t(height)).U16(0).U16(uint16_t(escapement)).U16(uint16_t(escapement));
  b.U16(uint16_t(weight)).U8(italic).U8(underline).U8(0).U8(charset).U8(0).U8(0).U8(0).U8(0);
  return RawRecord(0x02FB, b.Text(face).U8(0).str());
}

namespace {

std::string Points16(const std::vector<BuilderPoint>& points) {
  Bytes b;
  for (const BuilderPoint& p : points) b.U16(uint16_t(p.x)).U16(uint16_t(p.y));
  return b.str();
}

}  // namespace

WmfBuilder& WmfBuilder::Polyline(const std::vector<BuilderPoint>& points) {
  return RawRecord(0x0325, Bytes().U16(uint16_t(points.size())).str() + Points16(points));
}

WmfBuilder& WmfBuilder::Polygon(const std::vector<BuilderPoint>& points) {
  return RawRecord(0x0324, Bytes().U16(uint16_t(points.size())).str() + Points16(points));
}

WmfBuilder& WmfBuilder::PolyPolygon(const std::vector<std::vector<BuilderPoint>>& polygons) {
  Bytes b;
  b.U16(uint16_t(polygons.size()));
  for (const auto& p : polygons) b.U16(uint16_t(p.size()));
  std::string points;
  for (const auto& p : polygons) points += Points16(p);
  return RawRecord(0x0538, b.str() + points);
}

WmfBuilder& WmfBuilder::SetPixel(int x, int y, uint32_t color) {
  return RawRecord(0x041F, Bytes().U32(color).U16(uint16_t(y)).U16(uint16_t(x)).str());
}

WmfBuilder& WmfBuilder::SetTextColor(uint32_t color) {
  return RawRecord(0x0209, Bytes().U32(color).str());
}

WmfBuilder& WmfBuilder::SetBkColor(uint32_t color) {
  return RawRecord(0x0201, Bytes().U32(color).str());
}

WmfBuilder& WmfBuilder::TextOut(int x, int y, const std::string& text) {
  return RawRecord(0x0521, Bytes().U16(uint16_t(text.size())).Text(PadTo(text, 2)).U16(uint16_t(y))
                               .U16(uint16_t(x)).str());
}

WmfBuilder& WmfBuilder::ExtTextOut(int x, int y, const std::string& text) {
  return RawRecord(0x0A32, Bytes().U16(uint16_t(y)).U16(uint16_t(x)).U16(uint16_t(text.size()))
                               .U16(0).Text(text).str());
}

std::string WmfBuilder::Standard() const {
  const std::string eof = Bytes().U32(3).U16(0).str();
  const uint32_t words = uint32_t((18 + records_.size() + eof.size()) / 2);
  return Bytes().U16(1).U16(9).U16(0x0300).U32(words).U16(objects_).U32(maxRecordWords_).U16(0)
             .str() + records_ + eof;
}

std::string WmfBuilder::Placeable(int16_t left, int16_t top, int16_t right, int16_t bottom,
                                  uint16_t unitsPerInch) const {
  Bytes b;
  b.U32(0x9AC6CDD7).U16(0).U16(uint16_t(left)).U16(uint16_t(top)).U16(uint16_t(right));
  b.U16(uint16_t(bottom)).U16(unitsPerInch).U32(0);
  uint16_t sum = 0;
  for (size_t i = 0; i < 20; i += 2)
    sum ^= uint16_t(uint8_t(b.str()[i]) | uint8_t(b.str()[i + 1]) << 8);
  return b.U16(sum).str() + Standard();
}

EmfBuilder& EmfBuilder::RawRecord(uint32_t type, const std::string& body) {
  const std::string p = PadTo(body, 4);
  records_ += ::Bytes().U32(type).U32(uint32_t(8 + p.size())).Text(p).str();
  ++count_;
  return *this;
}

EmfBuilder& EmfBuilder::Record(uint32_t type, const std::vector<int64_t>& fields) {
  ::Bytes b;
  for (int64_t f : fields) b.U32(uint32_t(f));
  return RawRecord(type, b.str());
}

EmfBuilder& EmfBuilder::CreateFont(int index, int height, int escapement, int weight, bool italic,
                                   bool underline, const std::string& face) {
  if (index >= handles_) handles_ = uint16_t(index + 1);
  ::Bytes b;
  b.U32(uint32_t(index)).U32(uint32_t(height)).U32(0).U32(uint32_t(escapement));
  b.U32(uint32_t(escapement)).U32(uint32_t(weight));
  b.U8(italic).U8(underline).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0);
  for (size_t i = 0; i < 32; ++i) b.U16(i < face.size() ? uint8_t(face[i]) : 0);
  return RawRecord(82, b.str());
}

EmfBuilder& EmfBuilder::Poly(uint32_t type, const std::vector<BuilderPoint>& points) {
  const bool small = type >= 85 && type <= 89;
  ::Bytes b;
  b.U32(0).U32(0).U32(0).U32(0).U32(uint32_t(points.size()));
  for (const BuilderPoint& p : points) {
    if (small) b.U16(uint16_t(p.x)).U16(uint16_t(p.y));
    else b.U32(uint32_t(p.x)).U32(uint32_t(p.y));
  }
  return RawRecord(type, b.str());
}

EmfBuilder& EmfBuilder::PolyPolygon16(const std::vector<std::vector<BuilderPoint>>& polygons) {
  ::Bytes b;
  size_t total = 0;
  for (const auto& p : polygons) total += p.size();
  b.U32(0).U32(0).U32(0).U32(0).U32(uint32_t(polygons.size())).U32(uint32_t(total));
  for (const auto& p : polygons) b.U32(uint32_t(p.size()));
  for (const auto& p : polygons)
    for (const BuilderPoint& q : p) b.U16(uint16_t(q.x)).U16(uint16_t(q.y));
  return RawRecord(91, b.str());
}

EmfBuilder& EmfBuilder::ExtTextOutW(int x, int y, const std::u16string& text,
                                    const std::vector<int32_t>& dx, uint32_t options,
                                    BuilderPoint clipTopLeft, BuilderPoint clipBottomRight) {
  ::Bytes b;
  b.U32(0).U32(0).U32(0).U32(0).U32(1).U32(0).U32(0);  // bounds, graphics mode, scales
  const uint32_t stringAt = 76;
  const uint32_t dxAt = dx.empty() ? 0 : stringAt + uint32_t((text.size() * 2 + 3) / 4 * 4);
  b.U32(uint32_t(x)).U32(uint32_t(y)).U32(uint32_t(text.size())).U32(stringAt).U32(options);
  b.U32(uint32_t(clipTopLeft.x)).U32(uint32_t(clipTopLeft.y));
  b.U32(uint32_t(clipBottomRight.x)).U32(uint32_t(clipBottomRight.y)).U32(dxAt);
  for (char16_t c : text) b.U16(c);
  std::string body = PadTo(b.str(), 4);
  for (int32_t d : dx) body += ::Bytes().U32(uint32_t(d)).str();
  return RawRecord(84, body);
}

std::string EmfBuilder::Bytes(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
  const std::string eof = ::Bytes().U32(14).U32(20).U32(0).U32(0).U32(20).str();
  constexpr uint32_t kHeaderSize = 108;
  const uint32_t total = uint32_t(kHeaderSize + records_.size() + eof.size());
  auto frame = [](int32_t px) { return uint32_t(int64_t(px) * 2540 / 96); };
  ::Bytes h;
  h.U32(1).U32(kHeaderSize);
  h.U32(uint32_t(left)).U32(uint32_t(top)).U32(uint32_t(right)).U32(uint32_t(bottom));
  h.U32(frame(left)).U32(frame(top)).U32(frame(right)).U32(frame(bottom));
  h.U32(0x464D4520).U32(0x10000).U32(total).U32(count_ + 2).U16(handles_).U16(0);
  h.U32(0).U32(0).U32(0).U32(960).U32(960).U32(254).U32(254);
  h.U32(0).U32(0).U32(0).U32(254000).U32(254000);
  return h.str() + records_ + eof;
}
