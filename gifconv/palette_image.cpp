#include "gifconv/palette_image.h"

#include <algorithm>
#include <unordered_map>

#include "gifconv/corvid32.h"
#include "platform/gdi/packed_dib.h"

namespace {

int Red(uint32_t c) { return int(c & 0xFF); }
int Green(uint32_t c) { return int(c >> 8 & 0xFF); }
int Blue(uint32_t c) { return int(c >> 16 & 0xFF); }

}  // namespace

uint32_t BackgroundColorFromFlags(uint32_t flags, uint32_t color) {
  return (flags & FLAG_BACKGROUND_COLOR) ? color : 0x00FFFFFF;
}

bool DibToPaletteImage(std::span<const uint8_t> dib, gdImagePtr image, uint32_t flags,
                       uint32_t color) {
  const uint32_t background = BackgroundColorFromFlags(flags, color);
  const int backgroundIndex =
      gdImageColorAllocate(image, Red(background), Green(background), Blue(background));
  if (flags & FLAG_TRANSPARENT) gdImageColorTransparent(image, backgroundIndex);
  if (flags & FLAG_INTERLACE) gdImageInterlace(image, 1);

  const std::optional<PackedDib> pixels = PackedDib::Parse(dib);
  if (!pixels) return false;
  const int width = std::min(gdImageSX(image), int(pixels->width()));
  const int height = std::min(gdImageSY(image), int(pixels->height()));
  // The index each colour got, so that gd's palette is searched once per colour.
  std::unordered_map<uint32_t, int> indexOf;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t c = pixels->Pixel(x, y);
      if (c == background) continue;  // a new image is index 0 everywhere
      auto found = indexOf.find(c);
      if (found == indexOf.end()) {
        int index = gdImageColorExact(image, Red(c), Green(c), Blue(c));
        if (index < 0 && gdImageColorsTotal(image) < gdMaxColors)
          index = gdImageColorAllocate(image, Red(c), Green(c), Blue(c));
        if (index < 0) index = gdImageColorClosest(image, Red(c), Green(c), Blue(c));
        found = indexOf.emplace(c, index).first;
      }
      gdImageSetPixel(image, x, y, found->second);
    }
  }
  return true;
}
