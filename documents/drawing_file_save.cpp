#include <algorithm>
#include <cerrno>
#include <cmath>
#include <filesystem>

#include "documents/drawing_file.h"
#include "documents/page_bytes.h"
#include "drawlib/pardata.h"
#include "drawlib/util/file_error.h"
#include "drawlib/util/paths.h"
#include "engine/mainwin_services.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"

namespace {

constexpr int16_t kErrSubscript = 9;

int16_t SafeWrite(const std::string& path, std::string_view bytes) {
  if (WriteFileAtomic(path, bytes)) return 0;
  return SaveErrorNumber(path, errno);
}

DrawingFileWriter mWriter;

int16_t Write(const std::string& path, std::string_view bytes) {
  return mWriter ? mWriter(path, bytes) : SafeWrite(path, bytes);
}

void RemoveFile(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(NativePath(path), ec);
}

bool ExistsNotEmpty(const std::string& path, std::string& bytes) {
  const auto held = ReadFileBytes(path);
  if (!held || held->empty()) return false;
  bytes = *held;
  return true;
}

int16_t Fail(int16_t error, const std::string& fileName) {
  std::string message;
  int16_t show = 1;
  FileErrorMsg(error, "FileSaveBin. ", message, fileName, show);
  return error;
}

// Restores the normal pointer however the save ends.
struct WaitPointer {
  WaitPointer() { MainWindow().SetMousePointer(MainWindowServices::kPointerHourglass); }
  ~WaitPointer() { MainWindow().SetMousePointer(MainWindowServices::kPointerDefault); }
};

}  // namespace

std::string DrawingBackupName(const std::string& fileName) {
  std::string folder, name;
  SplitPath(fileName, folder, name);
  std::string base = name, extension;
  SplitExtension(name, base, extension);
  return JoinPath(folder, base + "{BAK}.zef");
}

std::string DrawingFileBytes(const PageArray& pages, int16_t first, int16_t last) {
  std::string out(kDrawingMagic);
  for (int p = first; p <= last; ++p) {
    PageRec page = pages[size_t(p)];
    if (p == first) page.pageCount = static_cast<int16_t>(last - first + 1);
    ByteArray bytes;
    PageToBytes(page, bytes);
    out.append(bytes.bytes.begin(), bytes.bytes.end());
  }
  const int32_t end = kPktFileEnd;
  out.append(reinterpret_cast<const char*>(&end), 4);
  return out;
}

int16_t FileSaveBin(PageArray& pages, int16_t first, int16_t last, const std::string& fileName,
                    int16_t) {
  WaitPointer wait;
  if (first < 1 || last < first || size_t(last) >= pages.size())
    return Fail(kErrSubscript, fileName);

  const std::string backup = DrawingBackupName(fileName);
  std::string old;
  const bool backedUp = ExistsNotEmpty(fileName, old);
  if (backedUp) {
    RemoveFile(backup);
    if (const int16_t error = SafeWrite(backup, old)) return Fail(error, fileName);
  }
  if (fileName.find("{p}drw") == std::string::npos) {
    const int count = std::min<int>(pages[1].pageCount, static_cast<int>(pages.size()) - 1);
    for (int p = 1; p <= count; ++p) pages[size_t(p)].drawingMarker = 0;
  }
  const ParRecord& height = Pardata[2];
  pages[1].letterHeight =
      std::fabs(double(height.Default) - double(height.Value)) <= double(0.1f) ? kUnsetOverride
                                                                               : height.Default;
  if (const int16_t error = Write(fileName, DrawingFileBytes(pages, first, last)))
    return Fail(error, fileName);
  if (backedUp) RemoveFile(backup);
  return 0;
}

void SetDrawingFileWriter(DrawingFileWriter writer) { mWriter = std::move(writer); }
