// Feeds arbitrary bytes to the string-list reader: it must never read or write outside its
// arrays, never move backwards, and whatever it restores must pack and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "drawlib/util/byte_array.h"
#include "drawlib/util/string_list.h"
#include "fuzz/silent_boxes.h"
#include "platform/msgbox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentBoxes silent;
  SetMsgBoxHandler(&silent);
  if (size < 2) return 0;
  // First byte: the index offset; second: the array's lower bound; then the block.
  const int16_t offset = int16_t(int8_t(data[0]));
  const int32_t lower = int32_t(data[1] % 3);
  ByteArray bytes = ByteArray::FromBytes(
      std::string_view(reinterpret_cast<const char*>(data + 2), size - 2), lower);

  std::vector<std::string> items(16);
  int32_t position = lower;
  UnpackStringList(position, offset, items, bytes);
  if (!bytes.empty() && position < lower) std::abort();

  int16_t flags = 0;
  ByteArray packed = PackStringList(0, 15, items, flags);
  std::vector<std::string> again(16, "x");
  int32_t start = 0;
  UnpackStringList(start, 0, again, packed);
  if (again != items || start != int32_t(packed.size())) std::abort();
  return 0;
}
