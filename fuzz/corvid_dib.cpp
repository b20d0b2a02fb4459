// Arbitrary bytes as a packed-DIB bitmap handle, stretched onto a raster of the rectangle that
// the first bytes choose; the caller's bytes must stay as they were.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz/corvid_fuzz_paths.h"
#include "fuzz/corvid_fuzz_target.h"
#include "gifconv/corvid32.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CorvidRect target = TakeFuzzTarget(data, size, {3, 5, 40, 29});
  const std::vector<uint8_t> before(data, data + size);
  const CorvidHandle picture{CORVID_OBJ_BITMAP, data, size};
  const int32_t result = CorvidPic(&picture, FuzzGifPath().c_str(), &target, 0, 0);
  // No raster (0) exactly when the rectangle's size is refused; otherwise rendered (the GIF
  // path cannot be written) or refused as a bitmap.
  const bool drawable = FuzzTargetDrawable(target);
  if (result != -2 && result != -3 && (result != 0 || drawable)) std::abort();
  if (result == -2 && !drawable) std::abort();
  if (size && std::memcmp(before.data(), data, size) != 0) std::abort();
  return 0;
}
