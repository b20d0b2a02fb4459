// Feeds arbitrary text to the peak-list import as if pasted: it must stay within the line list,
// and whatever it imports must be finite, with relative intensities in 0..1.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "documents/spec_record.h"
#include "engine/engine_globals.h"
#include "mainwin/peak_pick_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool started = [] {
    ResetEngineState();
    return true;
  }();
  (void)started;
  gSimType = 2;
  gNumLines = 0;
  gSpec.MHz = 100;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int16_t result = PeakPickImport(text);
  if (result == 0) {
    if (gSimType != 2 || gNumLines != 0 || gSpec.MHz != 100) std::abort();
    return 0;
  }
  if (result != -1 || gSimType != 44 || gNumLines < 1 || gNumLines > LineListUBound()) std::abort();
  if (!std::isfinite(gSpec.MHz)) std::abort();
  for (int i = 0; i <= gNumLines; ++i) {
    const float f = gLineFreq[static_cast<size_t>(i)];
    const float v = gLineInt[static_cast<size_t>(i)];
    if (!std::isfinite(f) || !(v >= 0 && v <= 1)) std::abort();
  }
  return 0;
}
