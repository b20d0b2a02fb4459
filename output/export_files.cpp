#include "output/export_files.h"

#include <gd.h>

#include <cerrno>
#include <memory>

#include "documents/file_dialog.h"
#include "drawlib/color_scheme.h"
#include "drawlib/ps_interface.h"
#include "drawlib/util/file_error.h"
#include "drawlib/util/paths.h"
#include "gifconv/corvid32.h"
#include "gifconv/gif_file.h"
#include "gifconv/palette_image.h"
#include "output/export_flags.h"
#include "output/export_pictures.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"

namespace {

constexpr ExportFileKind kEps{"eps", "Encapsulated PostScript File",
                              "Postscript files (*.EPS)|*.EPS|ZEF Files (*.ZEF)|*.ZEF|All Files (*.*)|*.*"};
constexpr ExportFileKind kBmp{"bmp", "Windows Bitmap",
                              "Bitmap files (*.bmp)|*.bmp|All Files (*.*)|*.*"};
constexpr ExportFileKind kGif{"gif", "GIF File", "Bitmap files (*.gif)|*.gif|All Files (*.*)|*.*"};
constexpr ExportFileKind kJpg{"jpg", "JPG File", "JPG files (*.jpg)|*.jpg|All Files (*.*)|*.*"};
constexpr ExportFileKind kEmf{
    "emf", "Windows MetaFile ",
    "Metafiles (*.emf)|*.emf|ZEF Files (*.zef)|*.zef|All Files (*.*)|*.*|Template Files (*.TEM)|*.TEM"};
constexpr ExportFileKind kWmf{
    "wmf", "Windows MetaFile ",
    "Metafiles (*.wmf)|*.wmf|zef Files (*.zef)|*.zef|All Files (*.*)|*.*|Template Files (*.TEM)|*.TEM"};

constexpr int32_t kSaveDialogOptions = 526350;
constexpr int16_t kSaveDialogAction = 34;

void ReportWriteError(const std::string& fileName, const std::string& reason) {
  std::string message;
  int16_t show = 1;
  FileErrorMsg(SaveErrorNumber(fileName, errno), "SaveExportFile. ", message, fileName, show,
               reason);
}

// The held image as a GIF file through the palette and GIF code of the conversion library: the
// scheme's background is palette entry 0, transparent unless the export is opaque.
bool WriteGif(ExportPictures& pictures, const std::string& fileName, uint16_t flags,
              std::string& reason) {
  const std::vector<uint8_t> dib = pictures.PictureDib();
  if (dib.size() < 12) {
    reason = "There is no picture to save.";
    return false;
  }
  const int32_t width = int32_t(dib[4] | dib[5] << 8 | dib[6] << 16 | uint32_t(dib[7]) << 24);
  const int32_t height = int32_t(dib[8] | dib[9] << 8 | dib[10] << 16 | uint32_t(dib[11]) << 24);
  if (width <= 0 || height <= 0) {
    reason = "There is no picture to save.";
    return false;
  }
  std::unique_ptr<gdImage, void (*)(gdImagePtr)> image(gdImageCreate(width, height),
                                                       gdImageDestroy);
  uint32_t gifFlags = FLAG_BACKGROUND_COLOR;
  if (!(flags & kExportOpaque)) gifFlags |= FLAG_TRANSPARENT;
  if (!image || !DibToPaletteImage(dib, image.get(), gifFlags, SchemeBackColor)) {
    reason = "The picture cannot be converted to GIF.";
    return false;
  }
  if (WriteGifFile(image.get(), NativePath(fileName).c_str()) != 1) {
    reason = "Cannot write " + fileName + ".";
    return false;
  }
  return true;
}

}  // namespace

const ExportFileKind* ExportFileKindFor(uint16_t flags) {
  if (flags & kExportEps) return &kEps;
  if (flags & kExportBitmap) return &kBmp;
  if (flags & kExportGif) return &kGif;
  if (flags & kExportJpg) return &kJpg;
  if (flags & kExportMetafile) return (flags & kExportEnhanced) ? &kEmf : &kWmf;
  return nullptr;
}

std::string ExportSaveAsDialog(const std::string& name, uint16_t flags) {
  const ExportFileKind* kind = ExportFileKindFor(flags);
  if (!kind) return "";
  std::string folder, file;
  SplitPath(name, folder, file);
  const std::string proposal = file.empty() ? std::string() : ChangeExtension(file, kind->extension);
  const std::string chosen =
      FileDialog(std::string("ZEF Export ") + kind->kind, proposal, folder, kind->filter,
                 kSaveDialogOptions, kSaveDialogAction);
  if (chosen.empty()) return "";
  return SaveExportFile(chosen, flags) ? chosen : std::string();
}

bool SaveExportFile(const std::string& fileName, uint16_t flags) {
  std::string bytes, reason;
  ExportPictures* pictures = RegisteredExportPictures();
  bool ok = false;
  if (flags & kExportEps) {
    bytes = PSTrailer();
    if (bytes.empty()) {
      reason = "The PostScript text is empty.";
    } else {
      bytes += "\r\n";
      ok = WriteFileAtomic(fileName, bytes, &reason);
    }
  } else if (!pictures) {
    reason = "There is no picture to save.";
  } else if (flags & kExportGif) {
    ok = WriteGif(*pictures, fileName, flags, reason);
  } else {
    if (flags & kExportBitmap) bytes = pictures->PictureEncoded("BMP");
    else if (flags & kExportJpg) bytes = pictures->PictureEncoded("JPG");
    else if (flags & kExportMetafile) bytes = pictures->PictureMetafile();
    if (bytes.empty()) reason = "There is no picture to save.";
    else ok = WriteFileAtomic(fileName, bytes, &reason);
  }
  if (!ok) ReportWriteError(fileName, reason);
  return ok;
}
