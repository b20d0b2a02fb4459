#include "output/render_output.h"

#include <exception>
#include <vector>

#include "drawlib/app_hooks.h"
#include "drawlib/axes/draw_path.h"
#include "drawlib/color_scheme.h"
#include "drawlib/device/draw_options.h"
#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/params_apply.h"
#include "drawlib/ps_interface.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/text/label_draw.h"
#include "drawlib/text/text_fonts.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/file_error.h"
#include "output/export_flags.h"
#include "output/export_pictures.h"
#include "output/output_printer.h"
#include "output/printer_control.h"
#include "output/render_targets.h"
#include "platform/gdi/device.h"
#include "platform/msgbox.h"

namespace {

constexpr uint16_t kStepSkipText = 0xFFFA;
constexpr uint32_t kOptionPostScript = 0x0100;

// What one call changes of the library, put back however the call ends.
class RendererExit {
 public:
  explicit RendererExit(int16_t blackOnWhite)
      : blackOnWhite_(blackOnWhite), flags_(OutputFlags), measure_(TextMeasureDevice),
        options_(DrawOptions) {}
  ~RendererExit() {
    ExportPictures* pictures = RegisteredExportPictures();
    if (busy_ && pictures) pictures->SetBusy(false);
    DrawOptions = options_;
    int16_t zero = 0;
    EpsRotatedSet(zero);
    ReferenceDevice = nullptr;
    TextMeasureDevice = measure_;
    if (blackOnWhite_ != 0 && schemeSwitched_) ColorSchemeBW(0);
    OutputFlags = flags_;
    OutputDeviceWord = 0;
    ErrorLocation = 7208;
  }
  RendererExit(const RendererExit&) = delete;
  RendererExit& operator=(const RendererExit&) = delete;
  void SchemeSwitched() { schemeSwitched_ = true; }
  void Busy() { busy_ = true; }

 private:
  int16_t blackOnWhite_;
  uint16_t flags_;
  Device* measure_;
  uint32_t options_;
  bool schemeSwitched_ = false;
  bool busy_ = false;
};

}  // namespace

void DrawSteps(Device* dc, int16_t& first, int16_t last, const std::vector<int16_t>& marks) {
  const int16_t end = int16_t(std::min<int>(last, kStepListUBound));
  int i = std::max<int>(first, 0);
  if (i > end) return;
  float px = StepList.X[size_t(i)], py = StepList.Y[size_t(i)];
  while (true) {
    px = StepList.X[size_t(i)];
    py = StepList.Y[size_t(i)];
    const uint16_t type = StepList.StepType[size_t(i)];
    if (StepList.Text[size_t(i)].size() > 3 && type != kStepSkipText && marks[size_t(i)] != 0) {
      StepBoxRec& box = StepList.StepBox[size_t(i)];
      box.flags = 0;
      LabelDraw(dc, int16_t(i), type, StepList.Text[size_t(i)], box, StepList.Data[size_t(i)],
                px, py, 5);
    }
    ++i;
    if (i > end || OutputFlags == 0xFFFF) break;
    const uint16_t next = StepList.StepType[size_t(i)];
    if (LabelAttrs[kSlotPen] > 0.5f && int16_t(next) > 0 && marks[size_t(i)] != 0 &&
        marks[size_t(i - 1)] != 0) {
      const int c = next & 63;
      if ((c & 56) == 24) {
        int16_t index = int16_t(i);
        DrawCurrentPath(dc, 25, index, next, 1);
        i = index;
      } else if (c > 0) {
        DrawAltBnd(dc, px, py, next, StepList.X[size_t(i)], StepList.Y[size_t(i)], 1);
      }
    }
  }
  first = int16_t(i);
}

namespace {

void ReportRenderError(const std::string& description, bool printerError) {
  std::string message;
  int16_t show = 1;
  OutputPrinter* printer = RegisteredPrinter();
  std::string name = printer ? printer->DeviceName() : std::string();
  for (char& c : name) c = char(std::toupper(static_cast<unsigned char>(c)));
  if (printerError && ErrorLocation == 7210 && name.find("PDF") != std::string::npos) {
    FileErrorMsg(482, "Cancel or error during creation of PDF file. ", message, "", show,
                 description);
  } else {
    FileErrorMsg(printerError ? 482 : 5, "", message, "", show, description);
  }
}

}  // namespace

void FillBackground(Device* dc, float x1, float y1, float x2, float y2, uint16_t flags) {
  const uint32_t background = SchemeBackColor;
  if (background == 0xFFFFFF) return;
  if (flags & kExportGdi) {
    if (!dc) return;
    int32_t l, t, r, b;
    WorldToPixel(x1, y2, l, t);
    WorldToPixel(x2, y1, r, b);
    dc->FillRect(l, t, r, b, background);
  } else if (flags & kExportEps) {
    PSColor(background);
    PSPolyline(x1, y1, 1);
    PSPolyline(x2, y1, 2);
    PSPolyline(x2, y2, 2);
    PSPolyline(x1, y2, 2);
    PSPolyline(x1, y1, 2);
    PSPolyline(x1, y1, 8);
    PSColor(SchemeForeColor);
  }
}

void RenderOutput(float x1, float y1, float x2, float y2, int16_t& first, int16_t last,
                  int16_t blackOnWhite, uint16_t flags) {
  ErrorLocation = 7207;
  RendererExit exit(blackOnWhite);
  AppHookEmpty();
  try {
    std::vector<int16_t> marks(size_t(kStepListUBound) + 1, 0);
    if (!FunMarkPointinRect(marks, x1, y1, x2, y2, 0)) {
      MsgBox("Nothing to Print", vbInformation, "ZEF Export");
      return;
    }
    if (flags & kExportPrinter) flags |= kExportGdi;
    WorldWindow.x0 = PrintableRect.left;
    WorldWindow.y0 = PrintableRect.top;

    const OutputRegion region{x1, y1, x2, y2};
    std::unique_ptr<RenderTarget> target = MakeRenderTarget(flags);
    if (!target->Open(region, flags)) return;
    Device* dc = target->Dc();

    if (blackOnWhite != 0) {
      ColorSchemeBW(1);
      exit.SchemeSwitched();
    }
    LabelAttrReset(dc);
    PenSetStyleColor(dc, uint16_t(LabelAttrs[kSlotPen]), TextColourIndex, 0);
    FillBackground(dc, x1, y1, x2, y2, flags);
    WorldLineTo(dc, -9999, -9999, -9999, -9999, 0);

    if (ExportPictures* pictures = RegisteredExportPictures()) {
      pictures->SetBusy(true);
      exit.Busy();
    }
    DrawOptions &= ~kOptionPostScript;
    DrawSteps(dc, first, last, marks);
    target->Finish(region, flags);
  } catch (const PrinterJobError& e) {
    ReportRenderError(e.what(), true);
  } catch (const std::exception& e) {
    ReportRenderError(e.what(), false);
  }
}
