#include "platform/gdi/recording_device.h"

#include <string_view>

namespace {

std::string Num(int64_t v) { return std::to_string(v); }

std::string Points(const std::vector<GdiPoint>& points) {
  std::string s = Num(int64_t(points.size())) + ":";
  for (const GdiPoint& p : points) s += " " + Num(p.x) + " " + Num(p.y);
  return s;
}

std::string Box(int32_t l, int32_t t, int32_t r, int32_t b) {
  return Num(l) + " " + Num(t) + " " + Num(r) + " " + Num(b);
}

}  // namespace

std::string ColorText(uint32_t color) {
  static const char* hex = "0123456789ABCDEF";
  std::string s = "#";
  for (int shift = 20; shift >= 0; shift -= 4) s += hex[(color >> shift) & 15];
  return s;
}

RecordingDevice::RecordingDevice(int32_t width, int32_t height, uint32_t fill)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      pixels_(size_t(width_) * size_t(height_), fill) {}

void RecordingDevice::SetPen(int32_t width, uint32_t color) {
  penWidth = width;
  penColor = color;
  log.push_back("Pen " + Num(width) + " " + ColorText(color));
}

void RecordingDevice::SetNullPen() { log.push_back("Pen null"); }

void RecordingDevice::SetBrush(bool hollow, uint32_t color) {
  brushHollow = hollow;
  brushColor = color;
  log.push_back(hollow ? std::string("Brush hollow") : "Brush " + ColorText(color));
}

void RecordingDevice::SetFont(const GdiFont& f) {
  font = f;
  log.push_back("Font " + f.face + " " + Num(f.height) + " " + Num(f.escapement) + " " +
                Num(f.weight) + (f.italic ? " i" : "") + (f.underline ? " u" : ""));
}

void RecordingDevice::SetTextColor(uint32_t color) { log.push_back("TextColor " + ColorText(color)); }

void RecordingDevice::MoveTo(int32_t x, int32_t y) {
  current = {x, y};
  log.push_back("MoveTo " + Num(x) + " " + Num(y));
}

void RecordingDevice::LineTo(int32_t x, int32_t y) {
  current = {x, y};
  log.push_back("LineTo " + Num(x) + " " + Num(y));
}

void RecordingDevice::Polyline(const std::vector<GdiPoint>& points) {
  log.push_back("Polyline " + Points(points));
}

void RecordingDevice::Polygon(const std::vector<GdiPoint>& points) {
  log.push_back("Polygon " + Points(points));
}

void RecordingDevice::Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) {
  log.push_back("Rectangle " + Box(l, t, r, b));
}

void RecordingDevice::RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew,
                                int32_t eh) {
  log.push_back("RoundRect " + Box(l, t, r, b) + " " + Num(ew) + " " + Num(eh));
}

void RecordingDevice::Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) {
  log.push_back("Ellipse " + Box(l, t, r, b));
}

void RecordingDevice::SetPixel(int32_t x, int32_t y, uint32_t color) {
  if (logPixels) log.push_back("Pixel " + Num(x) + " " + Num(y) + " " + ColorText(color));
  if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[size_t(y) * size_t(width_) + size_t(x)] = color;
}

void RecordingDevice::FillRect(int32_t l, int32_t t, int32_t r, int32_t b, uint32_t color) {
  log.push_back("FillRect " + Box(l, t, r, b) + " " + ColorText(color));
}

void RecordingDevice::SetTextAlign(uint16_t align) {
  textAlign = align;
  log.push_back("TextAlign " + Num(align));
}

void RecordingDevice::TextOut(int32_t x, int32_t y, const std::string& text) {
  if (textAlign & kTextAlignUpdateCP) {
    x = current.x;
    y = current.y;
    current = AdvanceAlongBaseline(current, TextExtent(text).cx, font.escapement);
  }
  log.push_back("Text " + Num(x) + " " + Num(y) + " " + text);
}

void RecordingDevice::TextOutUnicode(int32_t x, int32_t y, const std::string& utf8,
                                     const std::vector<int32_t>& advances) {
  if (textAlign & kTextAlignUpdateCP) {
    const int32_t width = advances.empty() ? TextExtentUnicode(utf8).cx : AdvancesWidth(advances);
    x = current.x;
    y = current.y;
    current = AdvanceAlongBaseline(current, width, font.escapement);
  }
  log.push_back("Text " + Num(x) + " " + Num(y) + " " + utf8);
  if (!advances.empty()) {
    std::string line = "Advances";
    for (int32_t a : advances) line += " " + Num(a);
    log.push_back(line);
  }
}

GdiSize RecordingDevice::TextExtent(const std::string& text) {
  // A fixed cell: half the font height per character, the height as line height.
  const int32_t h = font.height < 0 ? -font.height : font.height;
  return {int32_t(text.size()) * (h / 2), h};
}

int32_t RecordingDevice::FontAscent() {
  // Four fifths of the cell, below it the descent.
  const int32_t h = font.height < 0 ? -font.height : font.height;
  return h * 4 / 5;
}

uint32_t RecordingDevice::GetPixel(int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[size_t(y) * size_t(width_) + size_t(x)];
}

std::vector<std::string> RecordingDevice::Calls(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const std::string& line : log)
    if (std::string_view(line).substr(0, prefix.size()) == prefix) out.push_back(line);
  return out;
}
