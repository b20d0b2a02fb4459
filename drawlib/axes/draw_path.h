// Paths of the step list: runs of steps whose type words are path codes 24 to 31, drawn as a
// smooth chain of cubic Bezier segments, as chords in dots or dashes, or as filled shapes, with
// arrowheads where the code asks for them.
#pragma once

#include <cstdint>

#include "drawlib/steps/step_list.h"

class Device;

struct BezierState {
  uint16_t attrib = 0;  // attribute word of the chords
  int16_t chords = 25;  // chords per segment
  float px[4] = {0, 0, 0, 0};
  float py[4] = {0, 0, 0, 0};
};

// True for a type word with bits 3-5 equal to 3 (codes 24 to 31).
inline bool IsPathCode(uint16_t type) { return int16_t(type) > 0 && ((type >> 3) & 7) == 3; }

// Draws the path that contains step `index`; `index` returns the path's last step. Options as
// for DrawAltBnd (2 records; the points then get type 0xFFFF).
void DrawPath(Device* dc, StepArrays& steps, int16_t chords, int16_t& index, uint16_t attrib,
              int16_t options);
void DrawCurrentPath(Device* dc, int16_t chords, int16_t& index, uint16_t attrib, int16_t options);
// One cubic segment as chords: by DrawAltBnd for dotted or dashed chords or when recording,
// otherwise into the polygon buffer.
void BezierSegment(Device* dc, const BezierState& state, int16_t options);
