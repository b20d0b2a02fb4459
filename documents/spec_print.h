// Drawing the spectrum object of a step, with a one-object cache of the unpacked record.
#pragma once

#include <cstdint>
#include <string>

#include "drawlib/steps/step_list.h"

class Device;

// Box-flag bit set once the step's object is unpacked into the cache.
inline constexpr int16_t kSpecBoxUnpacked = 16;

// SpecPrint of the document services: unpacks the step's object unless the cache holds the same step with the same bytes (and the
// step's flags say it was unpacked); a hit applies the object's layout rows again as an unpack
// would. Then draws the record with its origin at (x, y).
void SpecPrintStep(Device* dc, int16_t stepIndex, const std::string& text, int16_t& boxFlags,
               const StepData& data, float x, float y);

// How many unpacks the cache has done, and forgetting it (tests).
int SpecPrintUnpackCount();
void SpecPrintReset();
