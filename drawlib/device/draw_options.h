// The drawing library's 32-bit option word: 0x0040 handle squares on screen, 0x2000 no file
// dialog, 0x40000 set when the file layer's state value is stored.
#pragma once

#include <cstdint>

extern uint32_t DrawOptions;
