#include <algorithm>

#include "drawlib/util/file_error.h"
#include "output/export_by_spec.h"
#include "output/output_services.h"
#include "output/output_printer.h"
#include "output/output_registration.h"
#include "output/print_with_preview.h"
#include "output/printer_control.h"
#include "output/render_output.h"

namespace {

class PrintAndExport final : public OutputServices {
 public:
  void ExportBySpec(const std::string& spec) override { ::ExportBySpec(spec); }
  void RenderOutput(const OutputRegion& r, int16_t firstStep, int16_t lastStep,
                    int16_t blackOnWhite, int16_t flags) override {
    int16_t first = firstStep;
    ::RenderOutput(r.left, r.bottom, r.right, r.top, first, lastStep, blackOnWhite,
                   uint16_t(flags));
    EndPrintJob();
  }
  void PrintWithPreview() override { ::PrintWithPreview(); }
  // The export dialog is the main window's (its dialog services); without it, as cancelled.
  std::string ExportDialog(const std::string&) override { return ""; }
};

PrintAndExport gServices;

}  // namespace

void EndPrintJob() {
  OutputPrinter* printer = RegisteredPrinter();
  if (!printer || !printer->Printing()) return;
  if (!printer->EndDocument()) {
    std::string message;
    int16_t show = 1;
    FileErrorMsg(482, "The print job could not be completed. ", message, printer->DeviceName(),
                 show, "Printer error");
  }
}

OutputServices& PrintAndExportServices() { return gServices; }

void OutputServicesRegister() {
  RegisterOutputServices(&gServices);
  PrinterControlRegister();
}
