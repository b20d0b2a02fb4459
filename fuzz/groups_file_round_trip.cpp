// Arbitrary bytes as a simulation-group file: the readability test, reading every item with the
// header, saving the group whole, reading and saving it again. The second save gives the same
// bytes as the first, and nothing read is NaN or infinite where the window takes numbers.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

#include "drawlib/ini/cls_file_ini.h"
#include "drawlib/ini/libr_ini.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/run_folder.h"
#include "fuzz/silent_boxes.h"
#include "groups/group_clock.h"
#include "groups/group_file.h"
#include "platform/atomic_file.h"
#include "platform/atomic_file_seam.h"
#include "platform/runtime_numbers.h"

namespace {

std::tm FixedTime() {
  std::tm t{};
  t.tm_year = 124;
  t.tm_mday = 1;
  return t;
}

// Reads all items with the header, then writes the group whole; the written bytes.
std::string ReadAndSave(const std::string& path) {
  gPrintBoxWidth = 4020;
  gPrintBoxHeight = 2010;
  gPrintBoxToggles = 111;
  gDisableRef = -1;
  std::vector<SimItem> items(kGroupItems);
  for (int16_t i = 0; i < kGroupItems; ++i) {
    SimItemRestore(items[static_cast<size_t>(i)], i, path, i == 0);
    for (const std::string& p : items[static_cast<size_t>(i)].Param)
      FuzzCheck(std::isfinite(Val(p)), "parameters are finite");
  }
  FuzzCheck(std::isfinite(gPrintBoxWidth) && std::isfinite(gPrintBoxHeight), "finite box");
  clsFileINI file;
  file.IniFilename(path);
  FuzzCheck(file.BeginBatch(true), "a fresh batch");
  for (int16_t i = 0; i < kGroupItems; ++i)
    SimItemWrite(file, items[static_cast<size_t>(i)], i, i == 0);
  FuzzCheck(file.CommitBatch(), "the save");
  return *ReadFileBytes(path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentBoxes boxes;
  static const RunFolder folder;
  static const std::string path = folder.File("fuzz.sim");
  static const bool setUp = [] {
    SetMsgBoxHandler(&boxes);
    AtomicWriteSkipSyncForTests(true);
    IniRegisterFile(folder.File("KAVO71.ini"));
    SetGroupClock(&FixedTime);
    return true;
  }();
  (void)setUp;
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  IsReadableGroupFile(path);
  const std::string first = ReadAndSave(path);
  FuzzCheck(IsReadableGroupFile(path), "a saved group is readable");
  const std::string second = ReadAndSave(path);
  FuzzCheck(first == second, "a second round trip changes nothing");
  return 0;
}
