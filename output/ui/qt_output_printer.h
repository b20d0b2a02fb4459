// The program's one printer: the default system printer, or with none a PDF-file printer named
// "PDF file" (600 dpi, Letter). The PDF file's name is asked for when a print job starts; the
// job writes a temporary file in the target folder, renamed over the target when it ends.
#pragma once

#include <QPrinter>
#include <memory>
#include <string>

#include "output/output_printer.h"

class QtPainterDevice;

class QtOutputPrinter final : public OutputPrinter {
 public:
  // With `forcePdf` the PDF-file printer is used even when a system printer exists (tests).
  explicit QtOutputPrinter(bool forcePdf = false);
  ~QtOutputPrinter() override;

  int32_t DpiX() override;
  int32_t DpiY() override;
  GdiSize PrintableSize() override;
  GdiSize PaperSize() override;
  int16_t Orientation() override;
  void SetOrientation(int16_t orientation) override;
  std::string DeviceName() override;
  bool BeginDocument() override;
  bool EndDocument() override;
  bool Printing() override { return device_ != nullptr; }
  Device* PageDevice(bool rotated) override;

  bool IsPdfFile() const { return pdf_; }
  QPrinter& printer() { return *printer_; }

 private:
  std::unique_ptr<QPrinter> printer_;
  bool pdf_ = false;
  std::unique_ptr<QtPainterDevice> device_;
  bool rotated_ = false;
  std::string target_;     // the PDF file's path (native)
  std::string temporary_;  // where the job writes until it ends
};
