#include "documents/file_type.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "drawlib/util/error_location.h"
#include "drawlib/util/file_error.h"
#include "platform/paths.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr std::string_view kDrawingMessage = ": This is a ZEF Drawing File.";

bool Contains(std::string_view s, std::string_view what) {
  return s.find(what) != std::string_view::npos;
}

// 1-based position of the first `what` in `s`, 0 when absent.
std::size_t FindPos(std::string_view s, std::string_view what) {
  const std::size_t at = s.find(what);
  return at == std::string_view::npos ? 0 : at + 1;
}

bool EndsWithUpper(std::string_view path, std::string_view ext) {
  return UCase(Right(path, static_cast<long>(ext.size()))) == ext;
}

// Reads up to kFileTypeHeadSize bytes. Returns 0 on success, else the runtime error number.
int ReadHead(const std::string& path, std::string& head, bool& empty) {
  const std::string native = NativePath(path);
  // Non-blocking, so that a FIFO named by mistake cannot hang the program.
  const int fd = open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    switch (errno) {
      case ENOENT:
      case ENOTDIR:
        return kErrFileNotFound;
      case EACCES:
      case EPERM:
        return kErrPermissionDenied;
      default:
        return kErrPathFileAccess;
    }
  }
  struct stat st {};
  int err = 0;
  if (fstat(fd, &st) != 0) {
    err = kErrDeviceIO;
  } else if (!S_ISREG(st.st_mode)) {
    err = kErrPathFileAccess;
  } else if (st.st_size == 0) {
    empty = true;
  } else {
    head.resize(kFileTypeHeadSize);
    std::size_t got = 0;
    while (got < head.size()) {
      const ssize_t n = read(fd, head.data() + got, head.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        err = kErrDeviceIO;
        break;
      }
      if (n == 0) break;
      got += static_cast<std::size_t>(n);
    }
    head.resize(got);
    // A file that shrank to nothing between the size test and the read counts as empty.
    if (err == 0 && got == 0) empty = true;
  }
  close(fd);
  return err;
}

// The runtime's descriptions of the file errors the detection meets.
std::string ErrorDescription(int err) {
  switch (err) {
    case kErrFileNotFound:
      return "File not found";
    case kErrPermissionDenied:
      return "Permission denied";
    case kErrPathFileAccess:
      return "Path/File access error";
    default:
      return RuntimeErrorDescription(err);
  }
}

}  // namespace

int16_t FileTypeOfBytes(std::string_view path, std::string_view head, std::string& message) {
  message.clear();
  head = head.substr(0, kFileTypeHeadSize);
  const std::string_view first10 = head.substr(0, 10);
  if (first10 == "ZEF1620DRW" || first10 == "ZEF1621DRW") {
    message = kDrawingMessage;
    return first10 == "ZEF1620DRW" ? kFileDrawing1620 : kFileDrawing1621;
  }
  if (head.substr(0, 5) == "\"ZEF\"" || head.substr(0, 4) == "ZEF,") {
    message = kDrawingMessage;
    return kFileDrawingText;
  }
  if (Contains(head, "\"PU\"") && Contains(head, "\"PD\"")) {
    message = ": This is an Old Style ZEF Drawing File (PD/PU).";
    return kFileDrawingPenCmds;
  }
  if (EndsWithUpper(path, "WMF")) {
    // The drawing travels as the data of a comment escape record: escape number 15 (16-bit),
    // a 16-bit byte count, then the marker. Without any such record there is no drawing.
    const std::size_t p = FindPos(head, "ZEF1620DRW");
    const std::size_t q = FindPos(head, std::string_view("\x0F\x00", 2));
    if (q > 0 && q + 4 == p) {
      message = ": This is a Windows Metafile containing a ZEF Drawing.";
      return kFileMetafileDrawing;
    }
    message = ": This Windows Metafile does not contain a ZEF drawing.";
    return kFileMetafilePlain;
  }
  if (EndsWithUpper(path, "EMF")) return kFileMetafilePlain;
  if (Contains(head, "ZEF1620DAT")) {
    message = " is an obsolete data file. Contact KESMO Products for a current one.";
    return kFileDataObsolete;
  }
  if (Contains(head, "ZEF1621DAT")) {
    message = " is a ZEF data file, and cannot be loaded as a ZEF drawing.";
    return kFileData;
  }
  if (head.substr(0, 4) == std::string_view("\x01\x02\x03\x04", 4)) {
    message = " is NUTS NMR spectrum file.";
    return kFileNuts;
  }
  if (head.substr(0, 8) == std::string_view("KEYSNMR\0", 8)) {
    message = " is LYBRICS NMR spectrum file.";
    return kFileLybrics;
  }
  const std::string upper = UCase(head);
  if (Contains(upper, "$$JCAMPDX") && Contains(upper, "##JCAMP-DXB") && Contains(upper, "##TITLE"))
    return kFileJcamp;
  if (Contains(upper, "TMAG") && head.substr(0, 3) == "TNT") {
    message = " is TECMAG NMR spectrum file.";
    return kFileTecmag;
  }
  message = " is not a recognized NMR spectrum file (NUTS, TECMAG, LYBRICS).";
  return kFileUnknown;
}

int16_t FileTypeDetect(const std::string& path, std::string& message) {
  ErrorLocation = 5511;
  message.clear();
  std::string head;
  bool empty = false;
  int16_t type = 0;
  if (const int err = ReadHead(path, head, empty); err != 0) {
    type = static_cast<int16_t>(-err);
    message = ErrorDescription(err);
  } else if (empty) {
    // Reported as missing; the file itself is left alone.
    type = kFileMissing;
    message = "The file: " + path + " does not exist.";
  } else {
    type = FileTypeOfBytes(path, head, message);
  }
  if (!message.empty()) message = path + message + " Location: [" + Str(ErrorLocation) + "] ";
  ErrorLocation = 5512;
  return type;
}
