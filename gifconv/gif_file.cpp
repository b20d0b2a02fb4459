#include "gifconv/gif_file.h"

#include <sys/stat.h>

#include <string_view>

#include "platform/atomic_file.h"

namespace {

bool IsReadOnlyFile(const char* path) {
  struct stat st;
  return ::stat(path, &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0;
}

}  // namespace

int32_t WriteGifFile(gdImagePtr image, const char* path) {
  if (!image || !path || !*path || IsReadOnlyFile(path)) return 0;
  int size = 0;
  void* bytes = gdImageGifPtr(image, &size);
  if (!bytes) return 0;
  const bool written = size > 0 && WriteNativeFileAtomic(
      path, std::string_view(static_cast<const char*>(bytes), size_t(size)));
  gdFree(bytes);
  return written ? 1 : 0;
}
