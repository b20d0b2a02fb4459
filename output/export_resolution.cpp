#include "output/export_resolution.h"

#include <cmath>

#include "drawlib/pardata.h"
#include "drawlib/printer_interface.h"

namespace {
constexpr double kWorldUnitsPerInch = 1021.08;
}

float ExportPrintScale() {
  const float s = Pardata[35].Default;
  return s > 0.0f && std::isfinite(s) ? s : 0.7f;
}

float ScreenExportPixelsPerWorldUnit(float printScale) {
  return printScale / kTwipsToWorld / kTwipsPerScreenPixel;
}

float ScreenExportDpi(float printScale) {
  if (!(printScale > 0.0f)) return 0.0f;
  return float(double(ScreenExportPixelsPerWorldUnit(printScale)) * kWorldUnitsPerInch /
               double(printScale));
}
