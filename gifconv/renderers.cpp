#include "gifconv/renderers.h"

#include "gifconv/dib.h"
#include "gifconv/encoder_state.h"
#include "gifconv/gif_file.h"
#include "gifconv/palette_image.h"
#include "gifconv/picture_size.h"
#include "gifconv/raster_device.h"
#include "platform/gdi/metafile_player.h"

namespace {

// The raster of the target's size (the whole of it, wherever the target's corner lies).
bool MakeRaster(const CorvidRect& target, int& width, int& height) {
  const int64_t w = int64_t(target.right) - target.left;
  const int64_t h = int64_t(target.bottom) - target.top;
  if (!RasterSizeAllowed(w, h)) return false;
  width = int(w);
  height = int(h);
  Encoder().raster = gdImageCreateTrueColor(width, height);
  return Encoder().raster != nullptr;
}

// The raster read back as a DIB, onto the palette image, into the GIF file.
int32_t RasterToGif(const char* gifPath, uint32_t flags, uint32_t color) {
  EncoderState& e = Encoder();
  e.dib = BitmapToDib(e.raster);
  if (e.dib.empty()) return CORVID_NO_RASTER;
  e.paletteImage = gdImageCreate(gdImageSX(e.raster), gdImageSY(e.raster));
  if (!e.paletteImage) return CORVID_NO_RASTER;
  if (!DibToPaletteImage(e.dib, e.paletteImage, flags, color)) return CORVID_NO_RASTER;
  return WriteGifFile(e.paletteImage, gifPath) ? CORVID_OK : CORVID_GIF_NOT_CREATED;
}

// A metafile on the background colour over the whole raster.
int32_t PlayToGif(const MetafilePicture& picture, bool enhanced, const char* gifPath,
                  const CorvidRect& target, uint32_t flags, uint32_t color,
                  const CorvidRect* bounds) {
  int w, h;
  if (!MakeRaster(target, w, h)) return CORVID_NO_RASTER;
  GdRasterDevice device(Encoder().raster);
  device.FillRect(0, 0, w, h, BackgroundColorFromFlags(flags, color));
  MetafilePlaybackState& state = Encoder().player;
  bool drew;
  if (enhanced) {
    PlaybackTarget mapping = FrameOntoRect(picture, 0, 0, w, h);
    if (bounds && bounds->right > bounds->left && bounds->bottom > bounds->top) {
      mapping.scaleX = double(w) / (double(bounds->right) - bounds->left);
      mapping.scaleY = double(h) / (double(bounds->bottom) - bounds->top);
      mapping.offsetX = -bounds->left * mapping.scaleX;
      mapping.offsetY = -bounds->top * mapping.scaleY;
    }
    drew = PlayMetafile(picture, state, device, mapping);
  } else {
    state.dc.mapping.mode = kMapAnisotropic;
    state.dc.mapping.viewportExt = {w, h};
    state.dc.mapping.viewportOrg = {0, 0};
    drew = PlayMetafile(picture, state, device);
  }
  // A picture whose every drawing record was one the player does not know is not converted
  // into a blank GIF.
  if (!drew && picture.skippedRecords > 0) return CORVID_BAD_METAFILE;
  return RasterToGif(gifPath, flags, color);
}

}  // namespace

int32_t RenderMetafileToGif(const MetafilePicture& picture, const char* gifPath,
                            const CorvidRect& target, uint32_t flags, uint32_t color) {
  return PlayToGif(picture, false, gifPath, target, flags, color, nullptr);
}

int32_t RenderEnhMetafileToGif(const MetafilePicture& picture, const char* gifPath,
                               const CorvidRect& target, uint32_t flags, uint32_t color,
                               const CorvidRect* bounds) {
  return PlayToGif(picture, true, gifPath, target, flags, color, bounds);
}

int32_t RenderBitmapToGif(const PackedDib& bitmap, const char* gifPath, const CorvidRect& target,
                          uint32_t flags, uint32_t color) {
  int w, h;
  if (!MakeRaster(target, w, h)) return CORVID_NO_RASTER;
  gdImagePtr raster = Encoder().raster;
  const int64_t bw = bitmap.width(), bh = bitmap.height();
  for (int y = 0; y < h; ++y) {
    // The source pixel under each target pixel's centre.
    const int32_t sy = int32_t((2 * int64_t(y) + 1) * bh / (2 * int64_t(h)));
    for (int x = 0; x < w; ++x) {
      const int32_t sx = int32_t((2 * int64_t(x) + 1) * bw / (2 * int64_t(w)));
      gdImageSetPixel(raster, x, y, GdColorOf(bitmap.Pixel(sx, sy)));
    }
  }
  return RasterToGif(gifPath, flags, color);
}
