// The one-slot hand-over store of a spectrum object (its label text and data) between the
// simulator and the drawing library: a spectrum import stores into it, the plot document reads
// it back.
#pragma once

#include <cstdint>
#include <string>

#include "drawlib/steps/step_list.h"

// Flag 0 stores the text and a copy of the data; flag 1 returns the stored pair; any other flag
// is an improper call (a message, nothing changed).
void ZEFSpectrumSetGet(std::string& text, StepData& data, int16_t flag);

// Empties the store (tests).
void SpectrumHandoverReset();
