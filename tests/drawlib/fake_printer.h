// A printer control that answers the printer query with scripted page sizes.
#pragma once

#include "drawlib/printer_interface.h"

class FakePrinter : public PrinterControl {
 public:
  FakePrinter() { SetPrinterControl(this); }
  ~FakePrinter() override { SetPrinterControl(nullptr); }
  int32_t PrinterSetup(int16_t& options) override {
    ++queries;
    lastOptions = options;
    if (installed) PrinterPage = sizes;
    return installed ? 1 : 0;
  }
  bool installed = false;
  PrinterPageSizes sizes;
  int queries = 0;
  int16_t lastOptions = 0;
};
