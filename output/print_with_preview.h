// The print command: the print preview, then the current page when the preview asks for it.
#pragma once

#include <string>

// The print setup and preview dialog: shown modally, it returns its tag ("Print <from-to>..."
// when the user printed, else anything else).
class PrintPreviewDialog {
 public:
  virtual ~PrintPreviewDialog() = default;
  virtual std::string ShowModal() = 0;
};

// Registers the dialog (not owned); nullptr removes it, and the command then prints the
// current page.
void SetPrintPreviewDialog(PrintPreviewDialog* dialog);

void PrintWithPreview();
// Prints the current drawing's page on the printer, with its footer, and ends the print job.
void PrintCurrentPage();
