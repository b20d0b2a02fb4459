// Unpacks arbitrary bytes as a packed drawing in both forms. Whatever unpacks must pack again
// and unpack to the same steps.
#include <cstdint>
#include <cstring>
#include <string>

#include "drawlib/pardata.h"
#include "drawlib/steps/packed_drawing.h"
#include "fuzz/silent_boxes.h"
#include "platform/msgbox.h"

namespace {

bool SameData(const StepData& a, const StepData& b) {
  if (a.index() != b.index()) return false;
  if (const ByteArray* x = std::get_if<ByteArray>(&a)) {
    return x->bytes == std::get<ByteArray>(b).bytes;
  }
  if (const std::string* x = std::get_if<std::string>(&a)) {
    return *x == std::get<std::string>(b);
  }
  return true;
}

bool SameStep(const StepArrays& a, int i, const StepArrays& b, int j) {
  return std::memcmp(&a.X[i], &b.X[j], 4) == 0 && std::memcmp(&a.Y[i], &b.Y[j], 4) == 0 &&
         a.StepType[i] == b.StepType[j] && a.Text[i] == b.Text[j] &&
         SameData(a.Data[i], b.Data[j]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentBoxes boxes;
  static bool started = false;
  if (!started) {
    SetMsgBoxHandler(&boxes);
    PardataBuild();
    started = true;
  }
  if (size < 1) return 0;
  const int16_t flags = (data[0] & 1) ? kPackLong : 0;
  const int16_t first = static_cast<int16_t>(data[0] >> 1);
  ByteArray packed;
  packed.bytes.assign(data + 1, data + size);

  StepArrays steps(kStepListUBound);
  int16_t last = 0;
  UnPackZEFByte(first, last, steps, packed, flags);
  if (last < first) return 0;

  int16_t packFlags = flags;
  const ByteArray again = PackZEFByte(first, last, steps, packFlags);
  if (again.empty()) return 0;  // too large for the short form
  StepArrays copy(kStepListUBound);
  int16_t lastCopy = 0;
  if (!UnPackZEFByte(1, lastCopy, copy, again, flags) || lastCopy != last - first + 1) {
    __builtin_trap();
  }
  for (int i = first; i <= last; ++i) {
    if (!SameStep(steps, i, copy, i - first + 1)) __builtin_trap();
  }
  return 0;
}
