// Picture coordinates in twips as integers: far-off positions saturate at the type's range
// instead of overflowing (a huge screen, a marker far outside the shown window).
#pragma once

#include <cstdint>

#include "platform/runtime_numbers.h"

inline int32_t TwipsInt(double v) {
  if (!(v > -2.0e9)) return -2000000000;
  if (v > 2.0e9) return 2000000000;
  return CLng(v);
}

inline int16_t TwipsInt16(double v) {
  if (!(v > -32768.0)) return -32768;
  if (v > 32767.0) return 32767;
  return CInt(v);
}
