// Arbitrary bytes as the head of a file of any kind and as the program data file: the detection
// gives one of its codes with a message, and every entry of the data file is either read from
// inside the bytes, absent, or reported as damaged with an empty text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "documents/data_file.h"
#include "documents/data_file_format.h"
#include "documents/file_type.h"
#include "fuzz/silent_boxes.h"
#include "platform/msgbox.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "documents fuzz check failed: %s\n", what);
    std::abort();
  }
}

// Answers every box silently, so that reports of damaged entries do not flood the output.
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentBoxes boxes;
  SetMsgBoxHandler(&boxes);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  for (const char* name : {"x.wmf", "x.EMF", "x.dat"}) {
    std::string message;
    const int16_t code = FileTypeOfBytes(name, bytes, message);
    Check(code >= 2 && code <= 16 && code != 14 && code != 15, "a known code");
    Check(message.empty() == (code == 7 || (code == 2 && name[2] == 'E')), "a message when due");
  }

  const datafile::View view(bytes);
  Check(view.TableSlots() == 0 || 64 + 4 * static_cast<std::size_t>(view.TableSlots()) <= size,
        "table inside the bytes");
  DataFileSetBytes(std::string(bytes));
  for (int n = 0; n <= 380 && n <= view.TableSlots() + 1; ++n) {
    const int before = boxes.shown;
    const std::string text = FileDataRetrieve(static_cast<int16_t>(n));
    std::string direct;
    const datafile::EntryStatus status = view.Entry(n, direct);
    Check(text == direct, "retrieval gives the entry's bytes");
    Check((boxes.shown > before) == (n != 0 && status == datafile::EntryStatus::Damaged),
          "only damaged entries are reported");
    Check(text.size() <= size, "entry inside the bytes");
  }
  DataFileReset();
  return 0;
}
