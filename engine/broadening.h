// Line broadening: the line list turned into Lorentzian lines on the point grid (points
// 1..gNumPts of the target). Both routines clear the target's points first, leave out every
// contribution below 2 / vm and end by multiplying the points by vm.
#pragma once

#include <cstdint>
#include <vector>

// Narrowest line width (Hz) that reaches a kernel.
constexpr float kMinLineWidthHz = 0.1f;

// One Lorentzian per line, centred on the grid point nearest the line. Types 13, 14 and 39 use
// each line's own width (gLineT1) instead of width.
void LorentzSum(std::vector<float>& spectrum, int16_t lines, float width, float offset, float vm);

// Merges the lines into one stick per grid point (a line joins an occupied neighbour whose
// strongest line lies less than 0.51 points away), then one Lorentzian per stick.
void LineBroadenFast(std::vector<float>& spectrum, int16_t lines, float width, float offset,
                     float vm);
