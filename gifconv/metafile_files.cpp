#include "gifconv/metafile_files.h"

#include <sys/stat.h>

#include <cstdio>
#include <vector>

#include "gifconv/picture_size.h"
#include "gifconv/renderers.h"
#include "platform/atomic_file.h"
#include "platform/byte_reader.h"
#include "platform/gdi/emf_reader.h"

namespace {

constexpr size_t kEmfHeaderBytes = 100;

// A file open for reading, closed on every way out.
class InputFile {
 public:
  explicit InputFile(const char* path) : file_(path ? std::fopen(path, "rb") : nullptr) {}
  ~InputFile() {
    if (file_) std::fclose(file_);
  }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool is_open() const { return file_ != nullptr; }
  // The bytes at the offset; fewer (or none) at the end of the file.
  std::vector<uint8_t> Read(long offset, size_t n) {
    std::vector<uint8_t> bytes(n);
    if (!file_ || std::fseek(file_, offset, SEEK_SET) != 0) return {};
    bytes.resize(std::fread(bytes.data(), 1, n, file_));
    return bytes;
  }
  uint64_t Size() {
    struct stat st;
    return file_ && ::fstat(fileno(file_), &st) == 0 && S_ISREG(st.st_mode) ? uint64_t(st.st_size)
                                                                           : 0;
  }

 private:
  std::FILE* file_;
};

bool StartsWith(const char* path, size_t n, uint32_t key) {
  InputFile file(path);
  const std::vector<uint8_t> head = file.Read(0, n);
  ByteReader r(head);
  return head.size() == n && r.U32(0) == key;
}

}  // namespace

bool IsPlaceableMetafileFile(const char* path) {
  return StartsWith(path, kPlaceableHeaderSize, kPlaceableKey);
}

bool IsEnhMetafileFile(const char* path) {
  return StartsWith(path, kEmfHeaderBytes, kEmfHeaderRecord);
}

std::optional<MetafilePicture> LoadPlaceableMetafile(const char* path, PlaceableHeader& header) {
  InputFile file(path);
  const std::optional<PlaceableHeader> placeable =
      ReadPlaceableHeader(file.Read(0, kPlaceableHeaderSize));
  const std::optional<uint32_t> words =
      MetaHeaderSizeWords(file.Read(long(kPlaceableHeaderSize), kMetaHeaderSize));
  if (!placeable || !words) return std::nullopt;
  const uint64_t bytes = uint64_t(*words) * 2;
  const uint64_t fileSize = file.Size();
  if (bytes < kMetaHeaderSize || fileSize < kPlaceableHeaderSize ||
      bytes > fileSize - kPlaceableHeaderSize)
    return std::nullopt;
  const std::vector<uint8_t> metafile = file.Read(long(kPlaceableHeaderSize), size_t(bytes));
  if (metafile.size() != bytes) return std::nullopt;
  header = *placeable;
  if (header.unitsPerInch == 0) header.unitsPerInch = kUnitsPerInchWhenZero;
  return ReadWindowsMetafile(metafile);
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
  const std::span<const uint8_t> data(reinterpret_cast<const uint8_t*>(bytes->data()),
                                      bytes->size());
  const std::optional<MetafilePicture> picture = ReadEnhancedMetafile(data);
  const std::optional<EmfRect> bounds = ReadEmfBounds(data);
  if (!picture || !bounds) return CORVID_BAD_METAFILE;
  // The bounds count as their low 16 bits, sign-extended.
  auto low16 = [](int32_t v) { return int64_t(int16_t(uint16_t(uint32_t(v) & 0xFFFF))); };
  const int64_t w = PictureSide(low16(bounds->right) - low16(bounds->left), 1, 1, widthPercent);
  const int64_t h = PictureSide(low16(bounds->bottom) - low16(bounds->top), 1, 1, heightPercent);
  return RenderEnhMetafileToGif(*picture, gifPath, {0, 0, int32_t(w), int32_t(h)}, flags, color);
}
