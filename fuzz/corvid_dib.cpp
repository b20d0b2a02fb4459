// Arbitrary bytes as a packed-DIB bitmap handle, stretched onto a small raster; the caller's
// bytes must stay as they were.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz/corvid_fuzz_paths.h"
#include "gifconv/corvid32.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> before(data, data + size);
  const CorvidHandle picture{CORVID_OBJ_BITMAP, data, size};
  const CorvidRect target{3, 5, 40, 29};
  const int32_t result = CorvidPic(&picture, FuzzGifPath().c_str(), &target, 0, 0);
  if ((result != -2 && result != -3) || (size && std::memcmp(before.data(), data, size) != 0))
    std::abort();
  return 0;
}
