#include "output/export_region.h"

#include "documents/drawing_extents.h"
#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/params_apply.h"
#include "drawlib/steps/step_list.h"
#include "output/export_flags.h"
#include "output/export_ink.h"

namespace {

bool Has(const std::string& spec, const char* word) {
  return spec.find(word) != std::string::npos;
}

}  // namespace

ExportRegion ExportRegionFromSpec(const std::string& spec) {
  ExportRegion region;
  OutputRegion& r = region.box;
  if (Has(spec, "Page") && !Has(spec, "Frame") && !Has(spec, "Box")) {
    r = {PrintableRect.left, PrintableRect.bottom, PrintableRect.right, PrintableRect.top};
    return region;
  }
  // Every step of the drawing, labels by their text and spectrum objects by their layout, so a
  // plot that no screen has drawn yet is measured whole.
  DrawingExtents(r.left, r.bottom, r.right, r.top, StepList, 1, StepCountGet(), 2);
  // The labels as the export draws them: a title wider than its spectrum, descenders.
  ExportInkExtend(r, ExportFlagsFromSpec(spec));
  const bool draw = Has(spec, "Draw") || Has(spec, "Frame");
  const bool marg = Has(spec, "Marg") || Has(spec, "Box");
  if (!draw && marg) {
    r.left = PrintableRect.left;
    r.right = PrintableRect.right;
  }
  region.margin = Pardata[23].Default * kWorldUnitsPerMM;
  return region;
}
