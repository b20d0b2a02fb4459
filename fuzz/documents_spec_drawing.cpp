// Arbitrary bytes as the spectrum object of a step, drawn twice (unpacked, then from the cache)
// onto a recording device: the drawing never faults, and the second drawing repeats the first.
#include <cstdint>
#include <string>

#include "documents/spec_print.h"
#include "drawlib/device/output_object.h"
#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/silent_boxes.h"
#include "platform/gdi/recording_device.h"

namespace {

class FuzzTarget : public OutputObject {
 public:
  void SetForeColor(uint32_t) override {}
  void SetBackColor(uint32_t) override {}
  void SetDrawStyle(int16_t) override {}
  void SetDrawMode(int16_t) override {}
  float WidthTwips() const override { return 8000 * 15.0f; }
  float HeightTwips() const override { return 6000 * 15.0f; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentBoxes boxes;
  static FuzzTarget target;
  SetMsgBoxHandler(&boxes);
  PardataBuild();
  OutputTarget = &target;
  OutputFlags = (size > 0 && (data[0] & 1)) ? kOutputFlagsScreen | kOutputSmooth
                                            : kOutputFlagsScreen;
  WorldWindow = WorldWindowRec{};
  WorldWindow.sy = 1;
  const StepData step = ByteArray::FromBytes(
      std::string_view(reinterpret_cast<const char*>(data), size));
  SpecPrintReset();
  RecordingDevice first, second;
  first.logPixels = second.logPixels = false;
  int16_t flags = 0;
  SpecPrintStep(&first, 1, "", flags, step, 0, 0);
  SpecPrintStep(&second, 1, "", flags, step, 0, 0);
  FuzzCheck(SpecPrintUnpackCount() == 1, "the second drawing comes from the cache");
  for (const char* call : {"Polyline", "LineTo", "Rectangle", "Text "})
    FuzzCheck(first.Calls(call) == second.Calls(call), "the cached drawing repeats the first");
  OutputTarget = nullptr;
  return 0;
}
