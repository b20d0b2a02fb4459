// The Windows version class some drawing code distinguishes: 1 for the 95/98/Me family, 2 for
// the NT family, 0 for anything else. This system behaves as the NT family and reports 2.
#pragma once

#include <cstdint>

inline int16_t GetWinVersion() { return 2; }
