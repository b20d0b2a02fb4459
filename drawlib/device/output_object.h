// A GUI object that the drawing library draws on (a picture box, a window or the printer). The
// GUI layer implements it; the library only sees this interface.
#pragma once

#include <cstdint>

class Device;

class OutputObject {
 public:
  virtual ~OutputObject() = default;
  virtual void SetForeColor(uint32_t rgb) = 0;
  virtual void SetBackColor(uint32_t rgb) = 0;
  virtual void SetDrawStyle(int16_t style) = 0;  // 0 solid
  virtual void SetDrawMode(int16_t mode) = 0;    // 13 copy pen
  // Size of the drawing area in twips, and the screen's twips per pixel.
  virtual float WidthTwips() const { return 0.0f; }
  virtual float HeightTwips() const { return 0.0f; }
  virtual float TwipsPerPixelX() const { return 15.0f; }
  virtual float TwipsPerPixelY() const { return 15.0f; }
  // Gives the object its own drawing coordinates: (left, top) is its upper-left corner and
  // (right, bottom) its lower-right corner.
  virtual void Scale(float /*left*/, float /*top*/, float /*right*/, float /*bottom*/) {}
  // The device context drawn on; none until the object has one.
  virtual Device* DeviceContext() { return nullptr; }
};
