#include "output/ui/qt_output_printer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include "documents/file_dialog.h"
#include "drawlib/util/paths.h"
#include "output/ui/preview_printer.h"
#include "platform/paths.h"
#include "platform/ui/gdi/qt_painter_device.h"

namespace {

constexpr int kPdfDpi = 600;

}  // namespace

QtOutputPrinter::QtOutputPrinter(bool forcePdf) {
  const QPrinterInfo system = QPrinterInfo::defaultPrinter();
  if (!forcePdf && !system.isNull()) {
    printer_ = std::make_unique<QPrinter>(system, QPrinter::HighResolution);
  } else {
    pdf_ = true;
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setResolution(kPdfDpi);
    printer_->setPageSize(QPageSize(QPageSize::Letter));
    printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer_->setPrinterName(QString());
  }
}

QtOutputPrinter::~QtOutputPrinter() {
  if (device_) EndDocument();
}

int32_t QtOutputPrinter::DpiX() { return printer_->resolution(); }
int32_t QtOutputPrinter::DpiY() { return printer_->resolution(); }

GdiSize QtOutputPrinter::PrintableSize() {
  const QRect r = printer_->pageLayout().paintRectPixels(printer_->resolution());
  return {r.width(), r.height()};
}

GdiSize QtOutputPrinter::PaperSize() {
  const QRect r = printer_->pageLayout().fullRectPixels(printer_->resolution());
  return {r.width(), r.height()};
}

int16_t QtOutputPrinter::Orientation() {
  return printer_->pageLayout().orientation() == QPageLayout::Landscape ? kOrientationLandscape
                                                                         : kOrientationPortrait;
}

void QtOutputPrinter::SetOrientation(int16_t orientation) {
  if (device_) return;  // not while a page is drawn
  printer_->setPageOrientation(orientation == kOrientationLandscape ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
}

std::string QtOutputPrinter::DeviceName() {
  return pdf_ ? std::string(kPdfFilePrinterName) : printer_->printerName().toStdString();
}

bool QtOutputPrinter::BeginDocument() {
  if (device_) return true;
  if (pdf_) {
    target_.clear();
    const std::string chosen = FileDialog("Print to PDF File", "", "",
                                          "PDF files (*.pdf)|*.pdf|All Files (*.*)|*.*",
                                          kOfnOverwritePrompt, 34);
    if (chosen.empty()) return false;
    target_ = NativePath(chosen);
    std::filesystem::path folder = std::filesystem::path(target_).parent_path();
    if (folder.empty()) folder = ".";
    temporary_ = (folder / ("." + std::filesystem::path(target_).filename().string() + ".printing"))
                     .string();
    printer_->setOutputFileName(QString::fromStdString(temporary_));
  }
  device_ = std::make_unique<QtPainterDevice>(printer_.get());
  if (!device_->painter().isActive()) {
    device_.reset();
    if (!temporary_.empty()) std::remove(temporary_.c_str());
    temporary_.clear();
    return false;
  }
  rotated_ = false;
  return true;
}

Device* QtOutputPrinter::PageDevice(bool rotated) {
  if (!device_) return nullptr;
  if (rotated && !rotated_) {
    // The drawing was laid out for the other orientation: turn it onto the page.
    const QRect page = printer_->pageLayout().paintRectPixels(printer_->resolution());
    device_->painter().translate(page.width(), 0);
    device_->painter().rotate(90);
    rotated_ = true;
  }
  return device_.get();
}

bool QtOutputPrinter::EndDocument() {
  if (!device_) return true;
  const bool ended = device_->painter().end();
  device_.reset();
  if (!pdf_) return ended;
  const std::string temporary = temporary_;
  temporary_.clear();
  if (!ended || std::rename(temporary.c_str(), target_.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}
