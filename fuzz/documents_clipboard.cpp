// Arbitrary bytes on the clipboard as the private block, a metafile or a text: the read gives
// a ClipType value, and the data it returns lie inside the input.
#include <algorithm>
#include <cstdint>
#include <string>

#include "documents/clip_transfer.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/silent_boxes.h"
#include "platform/clipboard.h"
#include "platform/line_ends.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentBoxes boxes;
  static MemoryClipboard clipboard;
  SetMsgBoxHandler(&boxes);
  SetClipboardDevice(&clipboard);
  if (size < 1) return 0;
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  ClipboardFormats held;
  const int where = data[0] % 4;
  if (where == 0) held.data[kClipFormatMime] = input;
  if (where == 1) held.data["image/x-wmf"] = input;
  if (where == 2) held.data["image/x-emf"] = input;
  if (where == 3) held.text = input;
  clipboard.TakeOver(held);

  StepData got;
  const uint16_t type = ClipDataGetVariant(got);
  const bool stored = where == 0 && input.size() >= 6 &&
                      type == uint16_t(uint8_t(input[0]) | uint8_t(input[1]) << 8);
  const uint16_t known[] = {0, 1, 8, 10, 40, 42, 1024};
  FuzzCheck(stored || std::find(std::begin(known), std::end(known), type) != std::end(known),
            "a ClipType value");
  if (const auto* bytes = std::get_if<ByteArray>(&got)) {
    const std::string b(bytes->bytes.begin(), bytes->bytes.end());
    FuzzCheck(input.find(b) != std::string::npos, "bytes inside the input");
  }
  if (const auto* text = std::get_if<std::string>(&got))
    FuzzCheck(where == 3 ? *text == CrLfLineEnds(input) : input.find(*text) != std::string::npos,
              "text inside the input");
  return 0;
}
