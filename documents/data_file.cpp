#include "documents/data_file.h"

#include <optional>
#include <utility>

#include "documents/data_file_format.h"
#include "documents/file_location.h"
#include "drawlib/util/file_error.h"
#include "platform/atomic_file.h"
#include "platform/runtime_numbers.h"

namespace {

// The runtime's error numbers for the failures of a retrieval.
constexpr int16_t kErrOverflow = 6;
constexpr int16_t kErrFileNotFound = 53;
constexpr int16_t kErrPastEnd = 62;
constexpr int16_t kErrBadRecord = 63;

// Highest entry whose table slot a 16-bit position can reach: 64 + 4 (n - 1) <= 32767.
constexpr int kMaxEntry = 8176;

std::optional<std::string> mBytes;

void ReportFailure(int16_t err, int16_t n, int32_t offset) {
  std::string message;
  int16_t show = 1;
  FileErrorMsg(err, "Error During Data retrieval. Num:" + Str(n) + " BB:  " + Str(offset) + "; ",
               message, FileLocation[kLocDataFile], show);
}

}  // namespace

bool DataFileLoad(const std::string& path) {
  mBytes = ReadFileBytes(path);
  return mBytes.has_value();
}

void DataFileSetBytes(std::string bytes) { mBytes = std::move(bytes); }

void DataFileReset() { mBytes.reset(); }

std::string FileDataRetrieve(int16_t n) {
  if (n == 0) return "";
  if (n < 0 || n > kMaxEntry) {
    ReportFailure(n < 0 ? kErrBadRecord : kErrOverflow, n, 0);
    return "";
  }
  if (!mBytes && !DataFileLoad(FileLocation[kLocDataFile])) {
    ReportFailure(kErrFileNotFound, n, 0);
    return "";
  }
  const datafile::View view(*mBytes);
  std::string text;
  if (view.Entry(n, text) == datafile::EntryStatus::Damaged) {
    ReportFailure(kErrPastEnd, n, view.Offset(n));
    return "";
  }
  return text;
}
