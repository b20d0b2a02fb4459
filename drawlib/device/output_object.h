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
  // The device context drawn on; none until the object has one.
  virtual Device* DeviceContext() { return nullptr; }
};
