// Temporary: the library option word of the device layer, until its header lands.
#pragma once
#include <cstdint>

extern int32_t DrawOptions;
