// The main window's side of the plot document: building the drawing of the current simulation
// that printing, export and the clipboard copy draw, and the page region they draw it in.
#pragma once

#include <cstdint>

#include "output/output_services.h"

// Builds the plot document of the current simulation into the current drawing; mode 1 when a
// simulation group stores the drawing, otherwise 0.
void CreatePlotDocument(int16_t mode = 0);
// The drawing library's printed page rectangle (left, bottom, right, top).
void PlotPageRegion(OutputRegion& region);
// The number of steps of the current drawing.
int16_t PlotStepCount();
