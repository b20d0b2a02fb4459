// A PostScript writer that only answers the printer query with scripted page sizes.
#pragma once

#include "drawlib/ps_interface.h"

class FakePrinter : public PostScriptWriter {
 public:
  FakePrinter() { SetPostScriptWriter(this); }
  ~FakePrinter() override { SetPostScriptWriter(nullptr); }
  void PSAppend(const std::string&) override {}
  void PSXY(int16_t, int32_t, int32_t, int32_t, int32_t) override {}
  void PSPolyline(float, float, int16_t) override {}
  void PSColor(uint32_t) override {}
  void PSLineWidth(int16_t) override {}
  void PSDirection(float) override {}
  void PSFont(const std::string&, float, float, int16_t) override {}
  void PSBoldToggle(bool, int16_t) override {}
  void PSItalicToggle(bool, int16_t) override {}
  void PSCharTableInit(float, std::vector<int16_t>&, std::vector<std::string>&) override {}
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
