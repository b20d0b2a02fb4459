// A device that logs every call as one text line in device units, for tests. It can also hold a
// small pixel grid so that pixel reads and writes have something to work on.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/device.h"

class RecordingDevice : public Device {
 public:
  RecordingDevice() = default;
  // A device with pixel access: width x height pixels, all of one colour.
  RecordingDevice(int32_t width, int32_t height, uint32_t fill);

  void SetPen(int32_t width, uint32_t color) override;
  void SetNullPen() override;
  void SetBrush(bool hollow, uint32_t color) override;
  void SetFont(const GdiFont& font) override;
  void SetTextColor(uint32_t color) override;
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Polyline(const std::vector<GdiPoint>& points) override;
  void Polygon(const std::vector<GdiPoint>& points) override;
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ellipseWidth,
                 int32_t ellipseHeight) override;
  void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void SetPixel(int32_t x, int32_t y, uint32_t color) override;
  void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t color) override;
  void SetTextAlign(uint16_t align) override;
  void TextOut(int32_t x, int32_t y, const std::string& text) override;
  // Logged as "Text x y" with the UTF-8 text, and "Advances a b c" when given.
  void TextOutUnicode(int32_t x, int32_t y, const std::string& utf8,
                      const std::vector<int32_t>& advances) override;
  GdiSize TextExtent(const std::string& text) override;
  int32_t FontAscent() override;
  int32_t CurrentPenWidth() const override { return penWidth; }
  uint32_t CurrentPenColor() const override { return penColor; }
  GdiSize PixelSize() const override { return {width_, height_}; }
  bool HasPixelAccess() const override { return width_ > 0; }
  uint32_t GetPixel(int32_t x, int32_t y) override;

  // Calls logged so far, e.g. "Pen 2 #000080", "MoveTo 1 2", "Polyline 3: 0 0 1 1 2 2".
  std::vector<std::string> log;
  // Whether SetPixel calls are logged (pixel-heavy drawing turns this off).
  bool logPixels = true;
  // Lines of the log that start with the prefix.
  std::vector<std::string> Calls(const std::string& prefix) const;
  size_t Count(const std::string& prefix) const { return Calls(prefix).size(); }

  // Current state, as last set.
  int32_t penWidth = 1;
  uint32_t penColor = 0;
  bool brushHollow = false;
  uint32_t brushColor = 0xFFFFFF;
  GdiFont font;
  GdiPoint current;
  uint16_t textAlign = kTextAlignBaseline;

 private:
  int32_t width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
};

// "#BBGGRR" of a 0x00BBGGRR colour, as the log writes it.
std::string ColorText(uint32_t color);
