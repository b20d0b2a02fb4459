// The bounding box of a run of steps of the current drawing: every step's point, and the box of
// each label that has been drawn (box flag 16). An empty run gives (0, 0, 0, 0).
#pragma once

#include <cstdint>

#include "output/output_services.h"

void StepExtents(int16_t first, int16_t last, OutputRegion& box);
