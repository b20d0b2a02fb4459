// The process-wide error-location word. Library procedures write their own location number into
// it on entry and that number + 1 on normal exit; messages about unexpected errors quote it.
// Numbers are grouped by module in their first two digits (52nn: general utilities).
#pragma once

#include <cstdint>

extern int16_t ErrorLocation;
