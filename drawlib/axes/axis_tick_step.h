// Tick steps of 1, 2 or 5 times a power of ten for a value range, the first tick and the
// number format.
#pragma once

#include <cstdint>
#include <string>

// Returns the subdivisions per step (10 for a step of 1 x 10^e, else 2 or 5). n outside 1..100
// counts as 7. A range with equal ends gets a step from the size of its value (1 for 0).
int16_t AxisTickStep(float a, float b, int16_t n, float& step, float& firstTick,
                     std::string& format, float& decimals);
