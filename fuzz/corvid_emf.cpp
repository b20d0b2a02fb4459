// Arbitrary bytes as an enhanced metafile handle, played into a small raster.
#include <cstdint>
#include <cstdlib>

#include "fuzz/corvid_fuzz_paths.h"
#include "fuzz/fontconfig_leaks.h"
#include "gifconv/corvid32.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CorvidHandle picture{CORVID_OBJ_ENHMETAFILE, data, size};
  const CorvidRect target{0, 0, 64, 48};
  const int32_t result = CorvidPic(&picture, FuzzGifPath().c_str(), &target, FLAG_INTERLACE, 0);
  if (result != -2 && result != -3) std::abort();
  return 0;
}
