#include <algorithm>
#include <cstring>
#include <filesystem>

#include "documents/drawing_file.h"
#include "documents/file_location.h"
#include "documents/page_bytes.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/file_error.h"
#include "platform/atomic_file.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr int16_t kErrPastEnd = 62, kErrPathAccess = 75;
constexpr const char* kLoadTitle = "ZEF File Load";

// Signals a length or count that runs past the file: runtime error 62.
struct PastEnd {};

class FileReader {
 public:
  explicit FileReader(std::string_view file) : file_(file) {}
  std::size_t pos() const { return pos_; }
  std::size_t size() const { return file_.size(); }
  std::size_t Left() const { return file_.size() - pos_; }
  int32_t Long() {
    const std::string_view b = Take(4);
    int32_t v = 0;
    std::memcpy(&v, b.data(), 4);
    return v;
  }
  bool LongAt(std::size_t at, int32_t& v) const {
    if (at > file_.size() || file_.size() - at < 4) return false;
    std::memcpy(&v, file_.data() + at, 4);
    return true;
  }
  // n bytes; a negative n or one past the end is error 62.
  std::string_view Take(int64_t n) {
    if (n < 0 || uint64_t(n) > Left()) throw PastEnd{};
    const std::string_view out = file_.substr(pos_, size_t(n));
    pos_ += size_t(n);
    return out;
  }
  std::string_view Rest(std::size_t n) { return Take(int64_t(std::min(n, Left()))); }

 private:
  std::string_view file_;
  std::size_t pos_ = 0;
};

// The page header packet: the flags and the fixed part, kFheadBytes at most. A longer one is
// not read (false): its bytes would not fit the fixed part.
bool ReadFhead(FileReader& r, int32_t length, PageRec& page) {
  if (length > kFheadBytes) return false;
  if (length < 3) throw PastEnd{};
  const std::string_view b = r.Take(length);
  page.zoom = 0;
  PageFixedPart fixed = PageFixedBytes(page);
  static_assert(sizeof(PageFixedPart) == kFheadBytes - 2);
  std::memcpy(&page.flags, b.data(), 2);
  std::memcpy(fixed.data(), b.data() + 2, size_t(length) - 2);
  PageFixedSet(page, fixed);
  return true;
}

// An override of 0 is unset, whether the page header gave it or the page had none.
void UnsetZeroOverrides(PageRec& page) {
  for (float* f : {&page.lineLength, &page.lineSpacing, &page.letterHeight})
    if (*f == 0) *f = kUnsetOverride;
}

// The object packet's bytes. The declared length counts when it fits and a page end follows;
// otherwise a drawing of one page takes the rest of the file but its last byte (older files
// declare a wrong length there) and the file ends after it.
bool ReadObjects(FileReader& r, int32_t length, int16_t pageCount, PageRec& page) {
  int32_t next = 0;
  const bool declaredHolds = length >= 0 && size_t(length) <= r.Left() &&
                             r.LongAt(r.pos() + size_t(length), next) && next == kPktPageEnd;
  if (!declaredHolds && pageCount < 2) {
    const std::size_t count = r.Left() > 0 ? r.Left() - 1 : 0;
    if (count > 10) page.objects = ByteArray::FromBytes(r.Rest(count));
    return true;
  }
  page.objects = ByteArray::FromBytes(r.Take(length));
  return false;
}

enum class PacketResult { kGoOn, kPageEnd, kFileEnd, kCancelled, kHeadTooLong };

PacketResult ReadPacket(FileReader& r, PageArray& pages, std::size_t p, const std::string& name,
                        int16_t options, std::string& lastText) {
  PageRec& page = pages[p];
  const int32_t type = r.Long();
  if (type == kPktPageEnd) return PacketResult::kPageEnd;
  if (type == kPktFileEnd) return PacketResult::kFileEnd;
  const int32_t length = r.Long();
  switch (type) {
    case kPktHead:
      if (!ReadFhead(r, length, page)) {
        MsgBox("Error in File Load BIN [" + name + "] FHEAD has wrong length.");
        return PacketResult::kHeadTooLong;
      }
      return PacketResult::kGoOn;
    case kPktObjects:
      return ReadObjects(r, length, pages[1].pageCount, page) ? PacketResult::kFileEnd
                                                              : PacketResult::kGoOn;
    case kPktName:
      MsgBox("Error in fileload - should not get a Type 4 in FileLoadBin32Bit%");
      lastText = r.Take(length);
      if (options & kLoadKeepName) FileLocation[kLocDrawingName] = lastText;
      return PacketResult::kGoOn;
    case kPktTags:
      lastText = r.Take(length);
      PageTagsUnpack(page, lastText);
      return PacketResult::kGoOn;
    case kPktIgnored:
      r.Take(length);
      return PacketResult::kGoOn;
    default:
      if (MsgBox("Error in FileLoadBin32Bit: NOT Proper file (improper data type): " + Str(type) +
                     " [" + name + "]" + Left(lastText, 50),
                 vbOKCancel + vbExclamation, kLoadTitle) == vbCancel)
        return PacketResult::kCancelled;
      r.Take(length);
      return PacketResult::kGoOn;
  }
}

// Page 1 names the page count (the pages read) and a current page of at least 1.
void Finish(PageArray& pages) {
  if (pages.size() < 2) return;
  pages[1].pageCount = static_cast<int16_t>(pages.size() - 1);
  pages[1].currentPage = std::max<int16_t>(1, pages[1].currentPage);
}

}  // namespace

namespace {

int16_t RefuseNoHeader(const std::string& fileName) {
  MsgBox("Error in FileLoadBin32Bit: NOT Proper file (no ZEF1621DRW header) [" + fileName + "]",
         vbOKOnly + vbExclamation, kLoadTitle);
  return -2;
}

}  // namespace

int16_t DrawingFileParse(PageArray& pages, std::string_view file, const std::string& fileName,
                         int16_t options) {
  if (file.size() < 24) {
    MsgBox("Error in FileLoadBin32bit: NOT Proper file: LOF " + Str(int32_t(file.size())) + " [" +
               fileName + "]",
           vbOKCancel + vbExclamation, kLoadTitle);
    return -1;
  }
  if (file.substr(0, kDrawingMagic.size()) != kDrawingMagic) return RefuseNoHeader(fileName);
  FileReader r(file);
  r.Take(int64_t(kDrawingMagic.size()));
  std::string lastText(kDrawingMagic);
  int16_t result = 0;
  try {
    for (std::size_t p = 1;; ++p) {
      pages.resize(p + 1);
      pages[p].title.clear();
      pages[p].source.clear();
      pages[p].pageNumber = static_cast<int16_t>(std::min<std::size_t>(p, 32767));
      PacketResult step = PacketResult::kGoOn;
      try {
        while (step == PacketResult::kGoOn)
          step = ReadPacket(r, pages, p, fileName, options, lastText);
      } catch (const PastEnd&) {
        UnsetZeroOverrides(pages[p]);
        throw;
      }
      UnsetZeroOverrides(pages[p]);
      if (step == PacketResult::kCancelled) result = -3;
      if (step == PacketResult::kHeadTooLong) result = -2;
      if (step != PacketResult::kPageEnd || r.pos() + 1 + 8 >= r.size()) break;
    }
  } catch (const PastEnd&) {
    std::string message;
    int16_t show = 1;
    FileErrorMsg(kErrPastEnd, "FileLoadBin32Bit. ", message, fileName, show);
    result = kErrPastEnd;
  }
  Finish(pages);
  return result;
}

int16_t FileLoadBin32Bit(PageArray& pages, const std::string& fileName, int16_t options) {
  ErrorLocation = 5515;
  int16_t result = 0;
  // The magic line is looked at before the file is read: anything else is not a drawing.
  uint64_t size = 0;
  if (const auto head = ReadFileHead(fileName, kDrawingMagic.size(), &size);
      head && size >= 24 && *head != kDrawingMagic) {
    ErrorLocation = 5516;
    return RefuseNoHeader(fileName);
  }
  if (size > kMaxDrawingFileBytes) {
    MsgBox("The drawing file [" + fileName + "] is larger than 64 MB, more than any drawing "
           "holds; it is not loaded.", vbExclamation, kLoadTitle);
    return -1;
  }
  if (const auto file = ReadFileBytes(fileName, kMaxDrawingFileBytes)) {
    result = DrawingFileParse(pages, *file, fileName, options);
  } else {
    std::error_code ec;
    if (std::filesystem::exists(NativePath(fileName), ec)) {
      std::string message;
      int16_t show = 1;
      FileErrorMsg(kErrPathAccess, "FileLoadBin32Bit. ", message, fileName, show);
      return kErrPathAccess;
    }
    result = DrawingFileParse(pages, {}, fileName, options);
  }
  ErrorLocation = 5516;
  return result;
}

bool IsEmptyDrawingFile(const std::string& fileName) {
  std::error_code error;
  const std::filesystem::path path(NativePath(fileName));
  return std::filesystem::is_regular_file(path, error) &&
         std::filesystem::file_size(path, error) == 0 && !error;
}
