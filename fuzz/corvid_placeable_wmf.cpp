// Arbitrary bytes as a placeable metafile file through the file export. The placeable key and
// box are set so that every input reaches the metafile reader and draws on a small raster.
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz/corvid_fuzz_paths.h"
#include "fuzz/fontconfig_leaks.h"
#include "gifconv/corvid32.h"
#include "platform/atomic_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string file(reinterpret_cast<const char*>(data), size);
  if (file.size() < 22) file.resize(22, '\0');
  const std::string header("\xD7\xCD\xC6\x9A\0\0\0\0\0\0\x40\0\x30\0\x60\0", 16);
  file.replace(0, header.size(), header);  // key, box 64 x 48 at 96 units per inch
  const std::string& path = FuzzInputPath("corvid-wmf");
  if (!WriteFileAtomic(path, file)) return 0;
  const int32_t result = CorvidEx(path.c_str(), FuzzGifPath().c_str(), 100, 100,
                                  FLAG_TRANSPARENT, 0);
  if (result != -2 && result != -3) std::abort();  // drawn (no GIF folder) or unloadable
  return 0;
}
