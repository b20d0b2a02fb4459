#include "output/render_targets.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "documents/file_location.h"
#include "drawlib/app_hooks.h"
#include "drawlib/color_scheme.h"
#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/params_apply.h"
#include "drawlib/printer_interface.h"
#include "drawlib/ps_interface.h"
#include "drawlib/text/text_fonts.h"
#include "drawlib/util/error_location.h"
#include "output/bottom_label.h"
#include "output/export_files.h"
#include "output/export_flags.h"
#include "output/export_pictures.h"
#include "output/export_resolution.h"
#include "output/output_printer.h"
#include "output/printer_control.h"
#include "platform/clipboard.h"
#include "platform/gdi/emf_writer.h"
#include "platform/gdi/tee_device.h"
#include "platform/gdi/wmf_writer.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr int32_t kMaxBitmapSide = 20000;
constexpr int32_t kMaxMetafileSide = 32767;  // the 16-bit coordinates of Windows metafiles
// The screen that screen-referenced metafiles name: 96 dpi, 1920 x 1080 pixels.
constexpr int32_t kScreenPixelsX = 1920, kScreenPixelsY = 1080;
constexpr int32_t kScreenMmX = 508, kScreenMmY = 286;

struct PixelBox {
  int32_t width = 0, height = 0;
};

PixelBox PixelBoxOf(const OutputRegion& r) {
  int32_t px1, py1, px2, py2;
  WorldToPixel(r.left, r.top, px1, py1);
  WorldToPixel(r.right, r.bottom, px2, py2);
  return {px2 - px1, py2 - py1};
}

}  // namespace

void SetExportWorldWindow(const OutputRegion& r, uint16_t flags, float& widthTwips,
                          float& heightTwips) {
  WorldWindow.x0 = r.left;
  WorldWindow.y0 = r.top;
  widthTwips = (r.right - r.left) * ExportPrintScale() / kTwipsToWorld;
  heightTwips = (r.top - r.bottom) * ExportPrintScale() / kTwipsToWorld;
  if (flags & kExportScreenRef) {
    WorldWindow.sx = WorldWindow.sy = ScreenExportPixelsPerWorldUnit(ExportPrintScale());
  } else {
    int16_t options = 35;
    PrinterSetupRun(options);
    WorldWindow.x0 = r.left;
    WorldWindow.y0 = r.top;
  }
}

namespace {

bool SizeFits(const PixelBox& box, int32_t limit) {
  if (box.width > 0 && box.height > 0 && box.width <= limit && box.height <= limit) return true;
  MsgBox("The region is too large or too small to export (" + std::to_string(box.width) +
             " x " + std::to_string(box.height) + " pixels).",
         vbExclamation, "ZEF Export");
  return false;
}

void ReleaseDeviceObjects(Device* dc, bool measuring) {
  if (measuring) FontSetMeasure(TextMeasureDevice, 0);
  PenSetAPI(dc, 0, 0, 0);
  FontSetAPI(dc, 0);
}

// The main window's preview frame: the image plus its border.
void ShowPreviewFrame(ExportPictures& pictures, float widthTwips, float heightTwips) {
  pictures.ShowFrame(true, int32_t(std::lround(widthTwips)) + 110,
                     int32_t(std::lround(heightTwips)) + 180);
}

class PrinterTarget final : public RenderTarget {
 public:
  bool Open(const OutputRegion&, uint16_t) override {
    int16_t options = 7;
    if (PrinterSetupRun(options) == 0) return false;
    OutputPrinter* printer = RegisteredPrinter();
    if (!printer) return false;
    if (!printer->Printing() && !printer->BeginDocument()) {
      ErrorLocation = 7210;  // the job belongs to the printer set-up that just finished
      throw PrinterJobError("The print job could not be started.");
    }
    int16_t rotated = PageMatchesOrientation(float(PrinterPage.printableWidth),
                                             float(PrinterPage.printableHeight))
                          ? 0
                          : 1;
    EpsRotatedSet(rotated);
    dc_ = printer->PageDevice(rotated != 0);
    if (!dc_) throw PrinterJobError("The printer has no page to draw on.");
    OutputFlags = kOutputFlagsPrinter;
    ReferenceDevice = dc_;
    TextMeasureDevice = nullptr;
    SetUpDevice(dc_);
    return true;
  }
  Device* Dc() override { return dc_; }
  void Finish(const OutputRegion&, uint16_t) override {
    const float s = ExportPrintScale();
    const float x = 2.0f * kWorldUnitsPerMM / s + PrintableRect.left;
    const float y = 3.5f * kWorldUnitsPerMM / s + PrintableRect.bottom;
    DrawPrintCaption(dc_, BottomLabelText(""), x, y);
    ReleaseDeviceObjects(dc_, false);
  }
  static void SetUpDevice(Device* dc) { PenSetAPI(dc, 1, int32_t(SchemeForeColor), 4); }

 private:
  Device* dc_ = nullptr;
};

class BitmapTarget final : public RenderTarget {
 public:
  bool Open(const OutputRegion& r, uint16_t flags) override {
    pictures_ = RegisteredExportPictures();
    if (!pictures_) return false;
    SetExportWorldWindow(r, flags, widthTwips_, heightTwips_);
    const PixelBox box = PixelBoxOf(r);
    if (!SizeFits(box, kMaxBitmapSide)) return false;
    if (!(flags & kExportScreenRef)) {
      widthTwips_ = float(box.width) * kTwipsPerScreenPixel;
      heightTwips_ = float(box.height) * kTwipsPerScreenPixel;
    }
    ReferenceDevice = nullptr;
    OutputFlags = uint16_t((flags & kExportSmooth) | 0x50);
    dc_ = pictures_->PictureBegin(box.width, box.height, 1.0, SchemeBackColor);
    if (!dc_) {
      MsgBox("Not enough memory for a bitmap of " + std::to_string(box.width) + " x " +
                 std::to_string(box.height) + " pixels.",
             vbExclamation, "ZEF Export");
      return false;
    }
    TextMeasureDevice = dc_;
    PenSetAPI(dc_, 1, int32_t(SchemeForeColor), 4);
    return true;
  }
  Device* Dc() override { return dc_; }
  void Finish(const OutputRegion&, uint16_t flags) override {
    ReleaseDeviceObjects(dc_, true);
    pictures_->PictureEnd("", false);
    ShowPreviewFrame(*pictures_, widthTwips_, heightTwips_);
    std::string message;
    if (flags & kExportDisk) {
      const std::string name = ExportSaveAsDialog(FileLocationGet(kLocLastExport), flags);
      if (!name.empty()) {
        FileLocationSet(name, kSetLastExport);
        message = "Saved to Disk: " + name;
      }
    } else if (flags & kExportBitmap) {
      ClipboardBatch batch;
      ClipboardAddImage(pictures_->PictureEncoded("PNG"));
      if (batch.End()) message = "Windows Bitmap Copied to Clipboard.";
    }
    if (!message.empty()) ShowExportMessage(message);
    pictures_->ShowFrame(false, 0, 0);
  }

 private:
  ExportPictures* pictures_ = nullptr;
  Device* dc_ = nullptr;
  float widthTwips_ = 0, heightTwips_ = 0;
};

class MetafileTarget final : public RenderTarget {
 public:
  bool Open(const OutputRegion& r, uint16_t flags) override {
    pictures_ = RegisteredExportPictures();
    enhanced_ = (flags & kExportEnhanced) != 0;
    float widthTwips = 0, heightTwips = 0;
    SetExportWorldWindow(r, flags, widthTwips, heightTwips);
    const PixelBox box = PixelBoxOf(r);
    if (!SizeFits(box, kMaxMetafileSide)) return false;
    OutputFlags = uint16_t(flags & 0x0442);
    Device* measure = pictures_ ? pictures_->MeasureDevice() : nullptr;
    const float s = ExportPrintScale();
    if (enhanced_) {
      EmfHeaderInfo info;
      info.frameRight = CLng(double(r.right - r.left) * 100 * s / kWorldUnitsPerMM);
      info.frameBottom = CLng(double(r.top - r.bottom) * 100 * s / kWorldUnitsPerMM);
      if (flags & kExportScreenRef) {
        info.devicePixelsX = kScreenPixelsX;
        info.devicePixelsY = kScreenPixelsY;
        info.deviceMmX = kScreenMmX;
        info.deviceMmY = kScreenMmY;
      } else {
        // The printer page at the print scale's pixel size.
        const double pixelsPerMm = WorldWindow.sx * kWorldUnitsPerMM / s;
        info.devicePixelsX = int32_t(std::lround(PrinterPage.paperWidth * WorldWindow.sx / s));
        info.devicePixelsY = int32_t(std::lround(PrinterPage.paperHeight * WorldWindow.sy / s));
        info.deviceMmX = int32_t(std::lround(info.devicePixelsX / pixelsPerMm));
        info.deviceMmY = int32_t(std::lround(info.devicePixelsY / pixelsPerMm));
      }
      const std::string app = (flags & kExportScreenRef) ? "TOLVEN V 7.1" : "TOLVEN V 6.2g";
      info.description = app + '\0' + "ZEF1620 EMF - " + FileLocationGet(kLocDrawingName) +
                         '\0' + '\0';
      writer_ = std::make_unique<EmfWriter>(measure, info);
    } else {
      PlaceableBox placeable;
      placeable.right = int16_t(box.width);
      placeable.bottom = int16_t(box.height);
      placeable.unitsPerInch = uint16_t(std::clamp<long>(
          std::lround(std::floor(WorldWindow.sx * 1021.08f / s)), 1, 65535));
      writer_ = std::make_unique<WmfWriter>(measure, placeable);
    }
    writer_->SetMapMode(kMapModeAnisotropic);
    writer_->SetWindowExt(box.width, box.height);
    writer_->SetWindowOrg(0, 0);
    writer_->SetBkMode(kBkModeTransparent);
    writer_->SetPolyFillMode(kPolyFillWinding);
    dc_ = writer_.get();
    if (pictures_) {
      PreviewSize(r, flags, box);
      if (Device* preview = pictures_->PictureBegin(box.width, box.height, previewScale_,
                                                    SchemeBackColor)) {
        tee_ = std::make_unique<TeeDevice>(*writer_, *preview);
        dc_ = tee_.get();
      }
    }
    ReferenceDevice = measure;
    TextMeasureDevice = measure;
    PenSetAPI(dc_, 1, int32_t(SchemeForeColor), 4);
    return true;
  }
  Device* Dc() override { return dc_; }

  void Finish(const OutputRegion&, uint16_t flags) override {
    ReleaseDeviceObjects(dc_, true);
    const std::string bytes = writer_->Finish();
    std::string message;
    if (pictures_) pictures_->PictureEnd(bytes, enhanced_);
    {
      ClipboardBatch batch;
      ClipboardAddData(enhanced_ ? "image/x-emf" : "image/x-wmf", bytes);
      if (pictures_) ClipboardAddImage(pictures_->PictureEncoded("PNG"));
      if (batch.End())
        message = enhanced_ ? "Windows Metafile (EMF) Copied to ClipBoard"
                            : "Windows Metafile(WMF)Copied to ClipBoard";
    }
    if (pictures_) ShowPreviewFrame(*pictures_, previewWidthTwips_, previewHeightTwips_);
    if (flags & kExportDisk) {
      const std::string name = ExportSaveAsDialog(FileLocationGet(kLocLastExport), flags);
      if (!name.empty()) {
        FileLocationSet(name, kSetLastExport);
        message = "Saved to Disk: " + name;
      }
    }
    if (!message.empty()) ShowExportMessage(message);
    if (pictures_) pictures_->ShowFrame(false, 0, 0);
  }

 private:
  // The preview: the picture's own size for screen-referenced exports, else 0.8 of the print
  // size, kept within the spectrum picture less 300 twips.
  void PreviewSize(const OutputRegion& r, uint16_t flags, const PixelBox& box) {
    float w = (r.right - r.left) * 0.8f / kTwipsToWorld;
    float h = (r.top - r.bottom) * 0.8f / kTwipsToWorld;
    if (flags & kExportScreenRef) {
      w = float(box.width) * kTwipsPerScreenPixel;
      h = float(box.height) * kTwipsPerScreenPixel;
    } else {
      const float maxW = float(pictures_->SpacePictureWidthTwips() - 300);
      const float maxH = float(pictures_->SpacePictureHeightTwips() - 300);
      if (maxW > 0 && w > maxW) {
        h *= maxW / w;
        w = maxW;
      }
      if (maxH > 0 && h > maxH) {
        w *= maxH / h;
        h = maxH;
      }
    }
    previewWidthTwips_ = w;
    previewHeightTwips_ = h;
    previewScale_ = double(w) / kTwipsPerScreenPixel / box.width;
  }

  ExportPictures* pictures_ = nullptr;
  bool enhanced_ = false;
  std::unique_ptr<MetafileWriter> writer_;
  std::unique_ptr<TeeDevice> tee_;
  Device* dc_ = nullptr;
  double previewScale_ = 1.0;
  float previewWidthTwips_ = 0, previewHeightTwips_ = 0;
};

class EpsTarget final : public RenderTarget {
 public:
  bool Open(const OutputRegion& r, uint16_t flags) override {
    OutputFlags = flags;
    PSHeader(BottomLabelText(""), r.left, r.bottom, r.right, r.top);
    return true;
  }
  Device* Dc() override { return nullptr; }
  void Finish(const OutputRegion&, uint16_t flags) override {
    // A saved EPS shows no box.
    ExportSaveAsDialog(FileLocationGet(kLocDefaultDrawing), flags);
  }
};

// Flags that name no target draw nothing.
class NoTarget final : public RenderTarget {
 public:
  bool Open(const OutputRegion&, uint16_t) override { return false; }
  Device* Dc() override { return nullptr; }
  void Finish(const OutputRegion&, uint16_t) override {}
};

}  // namespace

std::unique_ptr<RenderTarget> MakeRenderTarget(uint16_t flags) {
  if (flags & kExportPrinter) return std::make_unique<PrinterTarget>();
  if (!(flags & kExportGdi)) {
    if (flags & kExportEps) return std::make_unique<EpsTarget>();
    return std::make_unique<NoTarget>();
  }
  if ((flags & (kExportGif | kExportBitmap)) || (flags & kExportJpg))
    return std::make_unique<BitmapTarget>();
  return std::make_unique<MetafileTarget>();
}

void ShowExportMessage(const std::string& message) {
  MsgBox(message + "\r\n\r\n", vbInformation, "ZEF Export");
}
