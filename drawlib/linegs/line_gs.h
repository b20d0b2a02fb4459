// Anti-aliased lines, ellipses and elliptic arcs in one colour, either straight onto a device
// with pixel access (the GP members) or into a 32-bit pixel array that is written back to a
// bitmap device afterwards (the DIB members). Colours are 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <vector>

class Device;

class LineGS {
 public:
  // Takes the device and its size and loads the pixels into the array.
  void DIB(Device* dc, int32_t width, int32_t height);
  // Writes the array back to the device and forgets it.
  void Array2Pic();

  void CircleGP(Device* dc, float cx, float cy, float rx, float ry, uint32_t colour,
                int32_t stepMode);
  void ArcGP(Device* dc, float cx, float cy, float rx, float ry, float startDeg, float endDeg,
             uint32_t colour, int32_t stepMode);
  void CircleDIB(float cx, float cy, float rx, float ry, uint32_t colour, int32_t stepMode);
  void ArcDIB(float cx, float cy, float rx, float ry, float startDeg, float endDeg,
              uint32_t colour, int32_t stepMode);
  void SetRGBComponents(uint32_t colour);
  void LineGP(Device* dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour);
  void LineDIB(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour);
  void WuLineGP(Device* dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour,
                int32_t width);
  void WuLineDIB(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour, int32_t width);
  // A plain solid line of the width and colour; the device's pen is restored afterwards.
  void DrawLineFast(Device* dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour,
                    int32_t width);

  // Blends the current colour with alpha 0..255 into a device pixel or an array pixel: above 252
  // the pixel takes the colour, 0 leaves it unchanged.
  void BlendPixelGP(Device* dc, int32_t x, int32_t y, int32_t alpha);
  void BlendPixelDIB(int32_t x, int32_t y, int32_t alpha);

  bool PixelsLoaded() const { return loaded_; }
  // A pixel of the array as 0x00BBGGRR; 0 outside it.
  uint32_t PixelAt(int32_t x, int32_t y) const;
  int32_t red = 0, green = 0, blue = 0;
  uint32_t colour = 0;

 private:
  // Where a member draws: onto a device or into the array.
  struct Target;
  static float AngleStep(float radius, int32_t stepMode);
  void BlendPixel(const Target& t, int32_t x, int32_t y, int32_t alpha);
  void SolidPixel(const Target& t, int32_t x, int32_t y);
  void WuLine(const Target& t, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour,
              int32_t width);
  void Line(const Target& t, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour);
  void Circle(const Target& t, float cx, float cy, float rx, float ry, uint32_t colour,
              int32_t stepMode);
  void Arc(const Target& t, float cx, float cy, float rx, float ry, float startDeg, float endDeg,
           uint32_t colour, int32_t stepMode);
  void SpreadPoint(const Target& t, float px, float py);

  Device* dibDC_ = nullptr;
  int32_t width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;  // row-major, 0x00RRGGBB as the DIB's bytes blue, green, red
  bool loaded_ = false;
};

// The library's one LineGS object, made on first use.
LineGS& SharedLineGS();
