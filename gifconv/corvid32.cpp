// The library's three exports, with C linkage. Each opens an encoder session, so the state is
// fresh on entry and released on return, and nothing escapes as an exception.
#include "gifconv/corvid32.h"

#include <exception>
#include <span>

#include "gifconv/encoder_state.h"
#include "gifconv/metafile_files.h"
#include "gifconv/renderers.h"
#include "platform/gdi/emf_reader.h"
#include "platform/gdi/wmf_reader.h"

namespace {

int32_t RenderHandle(const CorvidHandle* picture, const char* gifPath, const CorvidRect* target,
                     uint32_t flags, uint32_t color) {
  if (!picture) return CORVID_NOT_PICTURE;
  const int32_t kind = picture->kind;
  if (kind != CORVID_OBJ_METAFILE && kind != CORVID_OBJ_ENHMETAFILE && kind != CORVID_OBJ_BITMAP)
    return CORVID_NOT_PICTURE;
  if (!target) return CORVID_NO_RASTER;
  const std::span<const uint8_t> bytes(static_cast<const uint8_t*>(picture->data),
                                       picture->data ? picture->size : 0);
  if (kind == CORVID_OBJ_BITMAP) {
    const std::optional<PackedDib> bitmap = PackedDib::Parse(bytes);
    if (!bitmap) return CORVID_BAD_METAFILE;
    return RenderBitmapToGif(*bitmap, gifPath, *target, flags, color);
  }
  if (kind == CORVID_OBJ_METAFILE) {
    const std::optional<MetafilePicture> metafile = ReadWindowsMetafile(bytes);
    if (!metafile) return CORVID_BAD_METAFILE;
    return RenderMetafileToGif(*metafile, gifPath, *target, flags, color);
  }
  const std::optional<MetafilePicture> metafile = ReadEnhancedMetafile(bytes);
  if (!metafile) return CORVID_BAD_METAFILE;
  return RenderEnhMetafileToGif(*metafile, gifPath, *target, flags, color);
}

}  // namespace

extern "C" int32_t CorvidEx(const char* metafilePath, const char* gifPath, int32_t widthPercent,
                            int32_t heightPercent, uint32_t flags, uint32_t backgroundColor) {
  try {
    EncoderSession session;
    return ConvertMetafileFile(metafilePath, gifPath, widthPercent, heightPercent, flags,
                               backgroundColor);
  } catch (const std::exception&) {
    return CORVID_NO_RASTER;  // out of memory
  }
}

extern "C" int32_t Corvid(const char* metafilePath, const char* gifPath, int32_t widthPercent,
                          int32_t heightPercent) {
  return CorvidEx(metafilePath, gifPath, widthPercent, heightPercent, 0, 0);
}

extern "C" int32_t CorvidPic(const CorvidHandle* picture, const char* gifPath,
                             const CorvidRect* target, uint32_t flags, uint32_t backgroundColor) {
  try {
    EncoderSession session;
    return RenderHandle(picture, gifPath, target, flags, backgroundColor);
  } catch (const std::exception&) {
    return CORVID_NO_RASTER;
  }
}
