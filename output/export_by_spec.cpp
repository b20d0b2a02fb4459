#include "output/export_by_spec.h"

#include <utility>

#include "documents/file_location.h"
#include "drawlib/pardata.h"
#include "drawlib/steps/step_list.h"
#include "output/export_flags.h"
#include "output/export_region.h"
#include "output/render_output.h"

void ExportBySpec(const std::string& spec) {
  const uint16_t flags = ExportFlagsFromSpec(spec);
  ExportRegion region = ExportRegionFromSpec(spec);
  FileLocationSet(FileLocationGet(kLocDefaultDrawing), kSetLastExport);
  OutputRegion& r = region.box;
  if (r.bottom > r.top) std::swap(r.bottom, r.top);
  const float m = region.margin;
  int16_t first = 1;
  RenderOutput(r.left - m, r.bottom - m, r.right + m, r.top + m, first, StepCountGet(),
               int16_t(Pardata[56].Default), flags);
  if (flags & kExportPrinter) EndPrintJob();
}
