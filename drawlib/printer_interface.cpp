#include "drawlib/printer_interface.h"

#include "drawlib/pardata.h"

PrinterPageSizes PrinterPage;

namespace {
PrinterControl* gPrinter = nullptr;
}

void SetPrinterControl(PrinterControl* control) { gPrinter = control; }

int32_t PrinterSetup(int16_t& options) { return gPrinter ? gPrinter->PrinterSetup(options) : 0; }

bool PageIsLandscape(float w, float h) {
  const float direction = Pardata[20].Default;
  return (direction < 0.5f && w < h) || (direction > 0.5f && w > h);
}
