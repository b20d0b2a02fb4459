// Arbitrary bytes as an enhanced metafile handle, played into a raster of the rectangle that
// the first bytes choose.
#include <cstdint>
#include <cstdlib>

#include "fuzz/corvid_fuzz_paths.h"
#include "fuzz/corvid_fuzz_target.h"
#include "fuzz/fontconfig_leaks.h"
#include "gifconv/corvid32.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CorvidRect target = TakeFuzzTarget(data, size, {0, 0, 64, 48});
  const CorvidHandle picture{CORVID_OBJ_ENHMETAFILE, data, size};
  const int32_t result = CorvidPic(&picture, FuzzGifPath().c_str(), &target, FLAG_INTERLACE, 0);
  // No raster (0) exactly when the rectangle's size is refused.
  const bool drawable = FuzzTargetDrawable(target);
  if (result != -2 && result != -3 && (result != 0 || drawable)) std::abort();
  if (result == -2 && !drawable) std::abort();
  return 0;
}
