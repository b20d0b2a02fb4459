#include "output/printer_control.h"

#include <cmath>

#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/printer_interface.h"
#include "drawlib/util/error_location.h"
#include "output/export_resolution.h"
#include "output/output_printer.h"
#include "output/postscript_writer.h"
#include "platform/runtime_numbers.h"

namespace {

OutputPrinter* gPrinter = nullptr;
int16_t gPrinterReady = 0;
int16_t gEpsRotated = 0;

constexpr int32_t kVirtualDpi = 600;
constexpr GdiSize kVirtualLetter{5100, 6600};  // 8.5 x 11 inches at 600 dpi

int32_t WorldOf(int32_t pixels, int32_t dpi) {
  // pixels -> twips -> world units, rounded as the runtime does.
  return int32_t(std::lround(double(pixels) * 1440.0 / dpi * kTwipsToWorld));
}

class Control final : public PrinterControl {
 public:
  int32_t PrinterSetup(int16_t& options) override { return PrinterSetupRun(options); }
};
Control gControl;

}  // namespace

void SetOutputPrinter(OutputPrinter* printer) { gPrinter = printer; }
OutputPrinter* RegisteredPrinter() { return gPrinter; }

int32_t PrinterSetupRun(int16_t& options) {
  ErrorLocation = 7209;
  int32_t handle = 0;
  if (gPrinterReady == 0) {
    if (gPrinter && (options & 4)) SetPrinterOrientation();
    int32_t dpiX = kVirtualDpi, dpiY = kVirtualDpi;
    GdiSize printable = kVirtualLetter, paper = kVirtualLetter;
    if (gPrinter && gPrinter->DpiX() > 0 && gPrinter->DpiY() > 0) {
      dpiX = gPrinter->DpiX();
      dpiY = gPrinter->DpiY();
      printable = gPrinter->PrintableSize();
      paper = gPrinter->PaperSize();
      handle = 1;
    }
    // A page without a size keeps the virtual Letter page: nothing is divided by zero.
    if (printable.cx <= 0 || printable.cy <= 0 || paper.cx <= 0 || paper.cy <= 0) {
      dpiX = dpiY = kVirtualDpi;
      printable = paper = kVirtualLetter;
    }
    const float scale = ExportPrintScale();
    WorldWindow.sx = scale / (1440.0f / float(dpiX) * kTwipsToWorld);
    WorldWindow.sy = scale / (1440.0f / float(dpiY) * kTwipsToWorld);
    PrinterPage.printableWidth = WorldOf(printable.cx, dpiX);
    PrinterPage.printableHeight = WorldOf(printable.cy, dpiY);
    PrinterPage.paperWidth = WorldOf(paper.cx, dpiX);
    PrinterPage.paperHeight = WorldOf(paper.cy, dpiY);
  }
  ErrorLocation = 7210;
  return handle;
}

void SetPrinterOrientation() {
  if (!gPrinter) return;
  gPrinter->SetOrientation(Int(Pardata[20].Default + 1.01) >= 2 ? kOrientationLandscape
                                                                : kOrientationPortrait);
}

bool PageMatchesOrientation(float w, float h) { return PageIsLandscape(w, h); }

int16_t PrinterReadyFlag() { return gPrinterReady; }
int16_t EpsRotatedGet() { return gEpsRotated; }
void EpsRotatedSet(int16_t& value) { gEpsRotated = value; }

void PrinterControlRegister() {
  SetPrinterControl(&gControl);
  PostScriptWriterInstance().SetEpsRotation([] { return EpsRotatedGet(); },
                                            [](int16_t v) { EpsRotatedSet(v); });
}

void PrinterControlReset() {
  gPrinterReady = 0;
  gEpsRotated = 0;
}
