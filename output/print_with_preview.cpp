#include "output/print_with_preview.h"

#include "drawlib/document_services.h"
#include "drawlib/params_apply.h"
#include "drawlib/pardata.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/strings.h"
#include "output/export_flags.h"
#include "output/render_output.h"
#include "platform/runtime_numbers.h"

namespace {

PrintPreviewDialog* gDialog = nullptr;

}  // namespace

void PrintCurrentPage() {
  int16_t first = 1;
  RenderOutput(PrintableRect.left, PrintableRect.bottom, PrintableRect.right, PrintableRect.top,
               first, StepCountGet(), int16_t(Pardata[56].Default),
               kExportPrinter | kExportGdi);
  EndPrintJob();
}

void SetPrintPreviewDialog(PrintPreviewDialog* dialog) { gDialog = dialog; }

void PrintWithPreview() {
  ErrorLocation = 7205;
  if (!gDialog) {
    PrintCurrentPage();
    ErrorLocation = 7206;
    return;
  }
  const std::string tag = gDialog->ShowModal();
  if (tag.find("Print") != std::string::npos) {
    int32_t position = 1;
    const double from = Int(Val(TextBetween(tag, "<", "-", position)));
    position = 1;
    const double to = Int(Val(TextBetween(tag, "-", ">", position)));
    // The current page is printed when it lies within the requested range; a drawing without
    // page numbers is its own page 1.
    int16_t current = CurrentPageNumber();
    if (current < 1) current = 1;
    if (from <= current && current <= to) PrintCurrentPage();
  }
  ErrorLocation = 7206;
}
