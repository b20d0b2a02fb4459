#include "output/ui/preview_printer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <string>

#include "drawlib/device/output_object.h"
#include "drawlib/device/world_window.h"
#include "drawlib/device/redraw_drawing.h"
#include "drawlib/params_apply.h"
#include "drawlib/pardata.h"
#include "drawlib/ps_interface.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/text/label_attrs.h"
#include "output/bottom_label_text.h"
#include "platform/ui/gdi/qt_painter_device.h"
#include "platform/ui/qt_text.h"

namespace {

constexpr double kWorldPerInch = 1021.08;

// The printer as the drawing library's output object while a page is printed.
class PrinterTarget final : public OutputObject {
 public:
  PrinterTarget(QPrinter& printer, Device* dc) : printer_(printer), dc_(dc) {}
  void SetForeColor(uint32_t) override {}
  void SetBackColor(uint32_t) override {}
  void SetDrawStyle(int16_t) override {}
  void SetDrawMode(int16_t) override {}
  float WidthTwips() const override { return float(printer_.width()) * TwipsPerPixelX(); }
  float HeightTwips() const override { return float(printer_.height()) * TwipsPerPixelY(); }
  float TwipsPerPixelX() const override { return 1440.0f / float(printer_.logicalDpiX()); }
  float TwipsPerPixelY() const override { return 1440.0f / float(printer_.logicalDpiY()); }
  Device* DeviceContext() override { return dc_; }

 private:
  QPrinter& printer_;
  Device* dc_;
};

}  // namespace

QPrinter& SharedPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  static bool ready = false;
  if (!ready) {
    ready = true;
    if (printer.printerName().isEmpty()) {
      printer.setResolution(600);
      printer.setPageSize(QPageSize(QPageSize::Letter));
    }
  }
  return printer;
}

const char* PrinterDeviceName() {
  static std::string name;
  name = FromQString(SharedPrinter().printerName());
  return name.c_str();
}

void PreviewPrinterSetup() {
  QPrinter& printer = SharedPrinter();
  printer.setPageOrientation(Pardata[20].Default > 0.5f ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait);
  const QPageLayout layout = printer.pageLayout();
  const QRectF paper = layout.fullRect(QPageLayout::Inch);
  const QRectF printable = layout.paintRect(QPageLayout::Inch);
  PrinterPage.paperWidth = int32_t(paper.width() * kWorldPerInch);
  PrinterPage.paperHeight = int32_t(paper.height() * kWorldPerInch);
  PrinterPage.printableWidth = int32_t(printable.width() * kWorldPerInch);
  PrinterPage.printableHeight = int32_t(printable.height() * kWorldPerInch);
  int16_t mode = kApplyToLibrary | kApplyNoPrinter;
  ParamsApply(std::string(1, char(35)), mode);
}

void PrintCurrentPage() {
  QPrinter& printer = SharedPrinter();
  QtPainterDevice dc(&printer);
  PrinterTarget target(printer, &dc);
  OutputObject* saved = OutputTarget;
  const WorldWindowRec savedWindow = WorldWindow;
  const uint16_t savedFlags = OutputFlags;
  OutputTarget = &target;
  const WorldRect& page = PrintableRect;
  SetWorldWindow(&target, page.left, page.bottom, page.right, page.top);
  OutputFlags = kOutputFlagsPrinter;
  LabelAttrReset(&dc);
  RedrawDrawing(&dc, 1, StepCountGet(), 0);
  if (Pardata[48].Default > 0.5f) {
    QPainter& painter = dc.painter();
    painter.setPen(Qt::black);
    QFont font("Liberation Sans");
    font.setPointSizeF(8);
    painter.setFont(font);
    painter.drawText(QPointF(printer.width() * 0.02, printer.height() * 0.98),
                     ToQString(BottomLabelText("")));
  }
  OutputFlags = savedFlags;
  WorldWindow = savedWindow;
  OutputTarget = saved;
}
