// The world rectangle that a range of steps covers: line points as points, labels by their
// character count, spectrum objects by their own layout.
#pragma once

#include <cstdint>
#include <vector>

#include "drawlib/steps/step_list.h"

// Flags: texts count as points only.
inline constexpr int16_t kExtentsTextsAsPoints = 1;
// Flags: only steps whose word in `marks` is not 0.
inline constexpr int16_t kExtentsMarkedOnly = 4;

// Measures steps first..last (limited to the arrays) into left, bottom, right, top. Spectrum
// objects are unpacked into gSpec and their layout rows (unless texts count as points). Nothing
// covered gives (0, 0, 1, 1); the rectangle is at least one unit wide and high.
void DrawingExtents(float& left, float& bottom, float& right, float& top, const StepArrays& steps,
                    int16_t first, int16_t last, int16_t flags,
                    const std::vector<int16_t>& marks = {});

// The rectangle (left, bottom, right, top) that a spectrum object at (x, y) covers with the flag
// word `flags` and the current spectrum-layout rows: frame, axis, captions and margins.
void SpectrumObjectExtents(float x, float y, int16_t flags, float& left, float& bottom,
                           float& right, float& top);
