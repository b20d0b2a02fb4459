// The one entry through which every recalculation of the simulated spectrum passes: decides
// whether a calculation is due, fills the line list of the current type (or runs the dynamic
// driver), broadens it and hands the result to the main window's display.
#pragma once

#include <cstdint>

// force (any non-zero value) recalculates even when the Autoredraw option is off.
void CalcSpectrum(int16_t force);

// Fewest lines that the grid-merging broadening is used for (types without own widths).
constexpr int kFastBroadeningLines = 35;
