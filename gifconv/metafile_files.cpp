#include "gifconv/metafile_files.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

#include "gifconv/picture_size.h"
#include "gifconv/renderers.h"
#include "platform/atomic_file.h"
#include "platform/byte_reader.h"
#include "platform/gdi/emf_reader.h"

namespace {

constexpr size_t kEmfHeaderBytes = 100;

std::span<const uint8_t> AsBytes(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// Only regular files are read: a FIFO, a device or a folder is never opened for blocking
// reads, so nothing waits for a writer or reads without end.
bool StartsWith(const char* path, size_t n, uint32_t key) {
  const std::optional<std::string> head = path ? ReadNativeFileHead(path, n) : std::nullopt;
  return head && head->size() == n && ByteReader(AsBytes(*head)).U32(0) == key;
}

// Bounds in reference-device pixels as screen pixels. A printer's pixels are converted by its
// resolution; a screen's (below 300 dpi) count as the screen's own, unchanged.
int64_t ScreenUnits(int64_t units, double referencePixelsPerMm) {
  constexpr double kPrinterPixelsPerMm = 300 / 25.4;
  if (!(referencePixelsPerMm >= kPrinterPixelsPerMm)) return units;
  return std::llround(double(units) * kScreenDpi / 25.4 / referencePixelsPerMm);
}

}  // namespace

bool IsPlaceableMetafileFile(const char* path) {
  return StartsWith(path, kPlaceableHeaderSize, kPlaceableKey);
}

bool IsEnhMetafileFile(const char* path) {
  return StartsWith(path, kEmfHeaderBytes, kEmfHeaderRecord);
}

std::optional<MetafilePicture> LoadPlaceableMetafile(const char* path, PlaceableHeader& header) {
  if (!path) return std::nullopt;
  uint64_t fileSize = 0;
  const std::optional<std::string> head =
      ReadNativeFileHead(path, kPlaceableHeaderSize + kMetaHeaderSize, &fileSize);
  if (!head) return std::nullopt;
  const std::span<const uint8_t> headBytes = AsBytes(*head);
  const std::optional<PlaceableHeader> placeable =
      ReadPlaceableHeader(headBytes.first(std::min(headBytes.size(), kPlaceableHeaderSize)));
  const std::optional<uint32_t> words = MetaHeaderSizeWords(
      headBytes.subspan(std::min(headBytes.size(), kPlaceableHeaderSize)));
  if (!placeable || !words) return std::nullopt;
  const uint64_t bytes = uint64_t(*words) * 2;
  if (bytes < kMetaHeaderSize || fileSize < kPlaceableHeaderSize ||
      bytes > fileSize - kPlaceableHeaderSize)
    return std::nullopt;
  // Read again up to the metafile's end, now that its size is known to fit the file.
  const std::optional<std::string> file =
      ReadNativeFileHead(path, kPlaceableHeaderSize + size_t(bytes));
  if (!file || file->size() != kPlaceableHeaderSize + bytes) return std::nullopt;
  header = *placeable;
  if (header.unitsPerInch == 0) header.unitsPerInch = kUnitsPerInchWhenZero;
  return ReadWindowsMetafile(AsBytes(*file).subspan(kPlaceableHeaderSize));
}

int32_t ConvertMetafileFile(const char* path, const char* gifPath, int32_t widthPercent,
                            int32_t heightPercent, uint32_t flags, uint32_t color) {
  if (!path) return CORVID_NOT_METAFILE;
  if (!IsPlaceableMetafileFile(path)) {
    if (!IsEnhMetafileFile(path)) return CORVID_NOT_METAFILE;
    return ConvertEnhMetafileFile(path, gifPath, widthPercent, heightPercent, flags, color);
  }
  PlaceableHeader box;
  const std::optional<MetafilePicture> picture = LoadPlaceableMetafile(path, box);
  if (!picture) return CORVID_BAD_METAFILE;
  const int64_t w = PictureSide(int64_t(box.right) - box.left, kScreenDpi, box.unitsPerInch,
                                widthPercent);
  const int64_t h = PictureSide(int64_t(box.bottom) - box.top, kScreenDpi, box.unitsPerInch,
                                heightPercent);
  return RenderMetafileToGif(*picture, gifPath, {0, 0, int32_t(w), int32_t(h)}, flags, color);
}

int32_t ConvertEnhMetafileFile(const char* path, const char* gifPath, int32_t widthPercent,
                               int32_t heightPercent, uint32_t flags, uint32_t color) {
  const std::optional<std::string> bytes = ReadNativeFileBytes(path ? path : "");
  if (!bytes) return CORVID_BAD_METAFILE;
  const std::span<const uint8_t> data = AsBytes(*bytes);
  const std::optional<MetafilePicture> picture = ReadEnhancedMetafile(data);
  const std::optional<EmfRect> bounds = ReadEmfBounds(data);
  if (!picture || !bounds) return CORVID_BAD_METAFILE;
  // The bounds count as their low 16 bits, sign-extended.
  auto low16 = [](int32_t v) { return int64_t(int16_t(uint16_t(uint32_t(v) & 0xFFFF))); };
  const CorvidRect box{int32_t(low16(bounds->left)), int32_t(low16(bounds->top)),
                       int32_t(low16(bounds->right)), int32_t(low16(bounds->bottom))};
  const int64_t w = PictureSide(ScreenUnits(int64_t(box.right) - box.left, picture->pixelsPerMmX),
                                1, 1, widthPercent);
  const int64_t h = PictureSide(ScreenUnits(int64_t(box.bottom) - box.top, picture->pixelsPerMmY),
                                1, 1, heightPercent);
  // The bounds, not the frame, fill the raster: a frame larger or smaller than the drawing
  // is not stretched onto it.
  return RenderEnhMetafileToGif(*picture, gifPath, {0, 0, int32_t(w), int32_t(h)}, flags, color,
                                &box);
}
