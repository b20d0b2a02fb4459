#include "output/ui/preview_printer.h"

#include <QPrinter>

#include <string>

#include "drawlib/params_apply.h"
#include "drawlib/printer_interface.h"
#include "drawlib/ps_interface.h"
#include "output/output_printer.h"
#include "output/ui/qt_output_printer.h"
#include "platform/ui/qt_text.h"

QPrinter& SharedPrinter() {
  if (auto* printer = dynamic_cast<QtOutputPrinter*>(RegisteredPrinter())) return printer->printer();
  // Without the program's printer (tests): a 600-dpi Letter page of our own.
  static QPrinter fallback(QPrinter::HighResolution);
  static const bool ready = [] {
    if (fallback.printerName().isEmpty()) {
      fallback.setResolution(600);
      fallback.setPageSize(QPageSize(QPageSize::Letter));
    }
    return true;
  }();
  (void)ready;
  return fallback;
}

const char* PrinterDeviceName() {
  static std::string name;
  if (OutputPrinter* printer = RegisteredPrinter()) {
    name = printer->DeviceName();
  } else {
    name = FromQString(SharedPrinter().printerName());
  }
  // A printer without a system name is the program's own PDF-file printer.
  if (name.empty()) name = kPdfFilePrinterName;
  return name.c_str();
}

void PreviewPrinterSetup() {
  // The printer's sizes at the orientation of preference 20, then the page at the print scale.
  int16_t options = kPrinterSetupQuery;
  PrinterSetup(options);
  int16_t mode = kApplyToLibrary | kApplyNoPrinter;
  ParamsApply(std::string(1, char(35)), mode);
}
