// The plot document: the current simulation as a drawing (spectrum objects and the parameter,
// frequency and exchange-matrix tables), built into the step list.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

// Rebuilds the step list from the simulator's current state. Mode 1: a drawing file is saved
// (the clipboard spectrum joins the block).
void CreateSimPlot(int16_t mode);

// Fills step StepCount with a spectrum object of `spectrum` (1..gNumPts). kindFlags: 1 kind 0,
// 2 kind 1 (the spins become marker items), 4 kind 2 (the highest wins).
void PlotSpectrumStore(const std::array<std::string, 4>& labels, const std::vector<float>& spectrum,
                       int16_t kindFlags);

// The clock of the stamp and the seed of the noise (tests replace them).
void SetPlotClock(std::function<std::tm()> clock);
void SetPlotNoiseSeed(uint32_t seed);
