// Feeds arbitrary texts to what printing and export read from outside: the footer's field list
// (the settings' "ExportButtons" "DrawingName") and the export text. The footer must start with
// the program's name and never grow without bound; the flags must name at most one format.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "drawlib/pardata.h"
#include "drawlib/params_apply.h"
#include "drawlib/steps/step_list.h"
#include "fuzz/silent_boxes.h"
#include "output/bottom_label.h"
#include "output/export_flags.h"
#include "output/export_region.h"
#include "platform/msgbox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentBoxes silent;
  SetMsgBoxHandler(&silent);
  static bool built = [] {
    PardataBuild();
    return true;
  }();
  (void)built;
  const std::string text(reinterpret_cast<const char*>(data), size);

  BottomLabelReset();
  SetBottomLabelClock([] { return std::tm{}; });
  const std::string footer = BottomLabelText(text);
  if (footer.rfind("VIREO ", 0) != 0) std::abort();
  // Each field adds at most a date, a time, a scale or a name; every "|" at most one of them.
  if (footer.size() > 64 + 64 * (text.size() + 1)) std::abort();

  const uint16_t flags = ExportFlagsFromSpec(text);
  const int formats = !!(flags & kExportMetafile) + !!(flags & kExportBitmap) +
                      !!(flags & kExportEps) + !!(flags & kExportJpg) +
                      !!(flags & kExportPrinter) + !!((flags & kExportGif) && !(flags & kExportBitmap));
  if (formats > 1) std::abort();
  const ExportRegion region = ExportRegionFromSpec(text);
  if (!(region.margin >= 0)) std::abort();
  return 0;
}
