// Test helper: writes small Windows metafiles and enhanced metafiles record by record, from the
// published record layouts, so that tests can feed readers and players exact bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BuilderPoint {
  int32_t x, y;
};

// Little-endian byte appending.
class Bytes {
 public:
  Bytes& U8(uint8_t v);
  Bytes& U16(uint16_t v);
  Bytes& U32(uint32_t v);
  Bytes& Text(const std::string& s);  // the bytes as they are
  const std::string& str() const { return s_; }
  size_t size() const { return s_.size(); }

 private:
  std::string s_;
};

class WmfBuilder {
 public:
  // A record of 16-bit parameters (words as the record stores them) or of raw bytes.
  WmfBuilder& Record(uint16_t function, const std::vector<int32_t>& words);
  WmfBuilder& RawRecord(uint16_t function, const std::string& params);

  WmfBuilder& SetMapMode(int mode) { return Record(0x0103, {mode}); }
  WmfBuilder& SetWindowOrg(int x, int y) { return Record(0x020B, {y, x}); }
  WmfBuilder& SetWindowExt(int x, int y) { return Record(0x020C, {y, x}); }
  WmfBuilder& SetViewportOrg(int x, int y) { return Record(0x020D, {y, x}); }
  WmfBuilder& SetViewportExt(int x, int y) { return Record(0x020E, {y, x}); }
  WmfBuilder& SaveDc() { return Record(0x001E, {}); }
  WmfBuilder& RestoreDc(int n) { return Record(0x0127, {n}); }
  WmfBuilder& CreatePen(int style, int width, uint32_t color);
  WmfBuilder& CreateBrush(int style, uint32_t color, int hatch = 0);
  WmfBuilder& CreateFont(int height, int escapement, int weight, bool italic, bool underline,
                         const std::string& face, uint8_t charset = 0);
  WmfBuilder& Select(int index) { return Record(0x012D, {index}); }
  WmfBuilder& Delete(int index) { return Record(0x01F0, {index}); }
  WmfBuilder& MoveTo(int x, int y) { return Record(0x0214, {y, x}); }
  WmfBuilder& LineTo(int x, int y) { return Record(0x0213, {y, x}); }
  WmfBuilder& Polyline(const std::vector<BuilderPoint>& points);
  WmfBuilder& Polygon(const std::vector<BuilderPoint>& points);
  WmfBuilder& PolyPolygon(const std::vector<std::vector<BuilderPoint>>& polygons);
  WmfBuilder& Rectangle(int l, int t, int r, int b) { return Record(0x041B, {b, r, t, l}); }
  WmfBuilder& Ellipse(int l, int t, int r, int b) { return Record(0x0418, {b, r, t, l}); }
  WmfBuilder& RoundRect(int l, int t, int r, int b, int w, int h) {
    return Record(0x061C, {h, w, b, r, t, l});
  }
  WmfBuilder& SetPixel(int x, int y, uint32_t color);
  WmfBuilder& SetTextColor(uint32_t color);
  WmfBuilder& SetBkColor(uint32_t color);
  WmfBuilder& SetBkMode(int mode) { return Record(0x0102, {mode}); }
  WmfBuilder& SetTextAlign(int align) { return Record(0x012E, {align}); }
  WmfBuilder& SetPolyFillMode(int mode) { return Record(0x0106, {mode}); }
  WmfBuilder& TextOut(int x, int y, const std::string& text);
  WmfBuilder& ExtTextOut(int x, int y, const std::string& text);

  // The 18-byte header, the records, the end record.
  std::string Standard() const;
  // The 22-byte placeable header before the standard metafile.
  std::string Placeable(int16_t left, int16_t top, int16_t right, int16_t bottom,
                        uint16_t unitsPerInch) const;

 private:
  std::string records_;
  uint32_t maxRecordWords_ = 3;
  uint16_t objects_ = 0;
};

class EmfBuilder {
 public:
  // A record of 32-bit fields, or of raw bytes after type and size.
  EmfBuilder& Record(uint32_t type, const std::vector<int64_t>& fields);
  EmfBuilder& RawRecord(uint32_t type, const std::string& body);

  EmfBuilder& SetMapMode(int mode) { return Record(17, {mode}); }
  EmfBuilder& SetWindowOrg(int x, int y) { return Record(10, {x, y}); }
  EmfBuilder& SetWindowExt(int x, int y) { return Record(9, {x, y}); }
  EmfBuilder& SetViewportOrg(int x, int y) { return Record(12, {x, y}); }
  EmfBuilder& SetViewportExt(int x, int y) { return Record(11, {x, y}); }
  EmfBuilder& SaveDc() { return Record(33, {}); }
  EmfBuilder& RestoreDc(int n) { return Record(34, {n}); }
  EmfBuilder& CreatePen(int index, int style, int width, uint32_t color) {
    if (index >= handles_) handles_ = uint16_t(index + 1);
    return Record(38, {index, style, width, 0, color});
  }
  EmfBuilder& CreateBrush(int index, int style, uint32_t color, int hatch = 0) {
    if (index >= handles_) handles_ = uint16_t(index + 1);
    return Record(39, {index, style, color, hatch});
  }
  EmfBuilder& CreateFont(int index, int height, int escapement, int weight, bool italic,
                         bool underline, const std::string& face);
  EmfBuilder& Select(uint32_t index) { return Record(37, {index}); }
  EmfBuilder& Delete(int index) { return Record(40, {index}); }
  EmfBuilder& MoveTo(int x, int y) { return Record(27, {x, y}); }
  EmfBuilder& LineTo(int x, int y) { return Record(54, {x, y}); }
  // 32-bit points (polyline 4, polygon 3, ...) or 16-bit ones (85 to 89: Bezier16,
  // polygon16, polyline16, Bezier-to16, polyline-to16).
  EmfBuilder& Poly(uint32_t type, const std::vector<BuilderPoint>& points);
  EmfBuilder& PolyPolygon16(const std::vector<std::vector<BuilderPoint>>& polygons);
  EmfBuilder& Rectangle(int l, int t, int r, int b) { return Record(43, {l, t, r, b}); }
  EmfBuilder& Ellipse(int l, int t, int r, int b) { return Record(42, {l, t, r, b}); }
  EmfBuilder& SetPixel(int x, int y, uint32_t color) { return Record(15, {x, y, color}); }
  EmfBuilder& SetTextColor(uint32_t color) { return Record(24, {color}); }
  EmfBuilder& SetBkColor(uint32_t color) { return Record(25, {color}); }
  EmfBuilder& SetBkMode(int mode) { return Record(18, {mode}); }
  EmfBuilder& SetTextAlign(int align) { return Record(22, {align}); }
  // Wide text, with each character's advance when dx is given, and text options with their
  // rectangle.
  EmfBuilder& ExtTextOutW(int x, int y, const std::u16string& text,
                          const std::vector<int32_t>& dx = {}, uint32_t options = 0,
                          BuilderPoint clipTopLeft = {0, 0}, BuilderPoint clipBottomRight = {0, 0});

  // Header (bounds in pixels, frame in hundredths of a millimetre, a 96-dpi reference device),
  // the records, the end record.
  std::string Bytes(int32_t left, int32_t top, int32_t right, int32_t bottom) const;

 private:
  std::string records_;
  uint32_t count_ = 0;
  uint16_t handles_ = 1;
};
