#include "drawlib/util/file_error.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

#include "drawlib/util/error_location.h"
#include "drawlib/util/paths.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"

bool AskOK(std::string_view prompt, int16_t buttons) {
  const int answer = MsgBox(std::string(prompt), buttons, "");
  return answer == vbOK || answer == vbYes;
}

std::string RuntimeErrorDescription(int error) {
  switch (error) {
    case 5: return "Invalid procedure call or argument";
    case 6: return "Overflow";
    case 7: return "Out of memory";
    case 9: return "Subscript out of range";
    case 11: return "Division by zero";
    case 13: return "Type mismatch";
    case 52: return "Bad file name or number";
    case 54: return "Bad file mode";
    case 57: return "Device I/O error";
    case 63: return "Bad record number";
    case 67: return "Too many files";
    case 53: return "File not found";
    case 61: return "Disk full";
    case 68: return "Device unavailable";
    case 70: return "Permission denied";
    case 75: return "Path/File access error";
    case 76: return "Path not found";
    default: return "Application-defined or object-defined error";
  }
}

void FileErrorMsg(int16_t error, std::string_view label, std::string& message,
                  std::string_view fileName, int16_t& show, std::string_view description) {
  const std::string f(fileName);
  switch (error) {
    case 14: message = "Out of Memory for Strings."; break;
    case 53: message = "File * " + f + " * not found."; break;
    case 55: message = "File * " + f + " * Already Open."; break;
    case 58: message = "File * " + f + " * Already Exists."; break;
    case 61: message = "Disk Full, * " + f + " * Not Saved."; break;
    case 62: message = "Input Past End of File. File May be Damaged."; break;
    case 64: message = f + " * is not a proper FileName. Use Correct name."; break;
    case 70: message = "Permission Denied. Write Protected disk?  File already Open?"; break;
    case 71: message = "Disk not Ready."; break;
    case 74: message = "Cannot rename across drives."; break;
    case 75:
    case 76: message = "FileSpec * " + f + " * Contains a Path Error."; break;
    default:
      message = (description.empty() ? RuntimeErrorDescription(error) : std::string(description)) +
                "  Error No." + Str(error);
  }
  if (error >= 2 && (show & 1)) {
    const std::string text =
        std::string(label) + message + " [Error Location: " + Str(ErrorLocation) + "]";
    show = AskOK(text, vbOKCancel + vbExclamation) ? -1 : 0;
  }
}

int16_t SaveErrorNumber(std::string_view path, int err) {
  std::string folder, name;
  SplitPath(path, folder, name);
  const std::string native = NativePath(folder.empty() ? "." : folder);
  struct stat st;
  if (::stat(native.c_str(), &st) != 0)
    return errno == ENOENT || errno == ENOTDIR ? 76 : errno == EACCES ? 70 : 75;
  if (!S_ISDIR(st.st_mode)) return 76;
  if (::access(native.c_str(), W_OK) != 0 || FileWriteProtected(path)) return 70;
  if (err == EACCES || err == EPERM || err == EROFS) return 70;
  struct statvfs fs;
  if (err == ENOSPC || err == EDQUOT ||
      (::statvfs(native.c_str(), &fs) == 0 && fs.f_bavail == 0))
    return 61;
  return 75;
}
