// Draws a range of steps of the drawing: labels, line objects and paths, skipping what lies off
// the screen.
#pragma once

#include <cstdint>

class Device;

// Flag 8 draws the second step set (StepListAux) instead of the drawing.
inline constexpr int16_t kRedrawAuxSteps = 8;
void RedrawDrawing(Device* dc, int16_t first, int16_t last, int16_t flag = 0);
