// A scale axis with big and small ticks and formatted number labels.
#pragma once

#include <cstdint>
#include <string>

class Device;

struct AxisLayout {
  float x = 0, y = 0;          // axis start (world)
  std::string style;           // label style keys
  float length = 0;            // world units
  float bigTick = 0;           // world units, signed (negative: ticks below or left)
  float smallTick = 0;         // world units
  float startValue = 0;        // value at the axis start
  float firstTickValue = 0;    // value of the first tick
  float offsetMM = 0;          // offset of the value origin along the axis
  float tickSeparation = 0;    // value units between big ticks
  float scale = 0;             // world units per value unit, signed
  int16_t subdivisions = 1;    // per big tick
  int16_t formatIndex = 0;     // 0 "0" .. 4 "0.0000", 5 "0.00E+00"
  int16_t vertical = 0;        // 0 horizontal
  int16_t flags = 0;  // bits 0-1 line options; 1 labels; 8 grow the box by labels; 0x80 no line
};

// Draws the axis; box (xmin, ymin, xmax, ymax) grows by the labels with flag 8. At most 2001
// tick positions are visited whatever the scale.
void DrawAxis(Device* dc, float box[4], const AxisLayout& axis);
