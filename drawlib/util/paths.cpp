#include "drawlib/util/paths.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/paths.h"
#include "platform/runtime_text.h"

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsDriveColon(std::string_view path, std::size_t index) {
  if (index != 1 || path[1] != ':') return false;
  const char d = path[0];
  return (d >= 'A' && d <= 'Z') || (d >= 'a' && d <= 'z');
}

// Index of the last separator (or drive colon), npos when there is none.
std::size_t LastSeparator(std::string_view path) {
  for (std::size_t i = path.size(); i-- > 0;) {
    if (IsSeparator(path[i]) || IsDriveColon(path, i)) return i;
  }
  return std::string_view::npos;
}

// Index of the point that starts the extension of the last component, npos when none.
std::size_t ExtensionPoint(std::string_view name) {
  std::size_t point = name.rfind('.');
  if (point == std::string_view::npos) return point;
  std::size_t separator = LastSeparator(name);
  if (separator != std::string_view::npos && separator > point) return std::string_view::npos;
  return point;
}

}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string joined = Trim(folder);
  if (!joined.empty() && !IsSeparator(joined.back())) joined += '/';
  return joined + Trim(name);
}

void SplitPath(std::string_view path, std::string& folder, std::string& name) {
  std::size_t i = LastSeparator(path);
  if (i == std::string_view::npos) {
    folder.clear();
    name = std::string(path);
    return;
  }
  name = std::string(path.substr(i + 1));
  const bool root = i == 0 || IsDriveColon(path, i) || (i == 2 && IsDriveColon(path, 1));
  folder = std::string(path.substr(0, root ? i + 1 : i));
}

void SplitExtension(std::string_view name, std::string& base, std::string& extension) {
  std::size_t point = ExtensionPoint(name);
  if (point == std::string_view::npos) return;
  base = std::string(name.substr(0, point));
  extension = std::string(name.substr(point + 1));
}

std::string ChangeExtension(std::string_view name, std::string_view extension) {
  std::size_t point = ExtensionPoint(name);
  std::string result(point == std::string_view::npos ? name : name.substr(0, point));
  return result + "." + std::string(extension);
}

void FolderSetCurrent(std::string& folder) {
  if (!folder.empty() && IsSeparator(folder.back())) folder.pop_back();
}

int16_t FolderExists(std::string_view path) {
  if (path.empty()) return 0;
  if (path.find('\0') != std::string_view::npos) return -52;
  struct stat info;
  if (::stat(NativePath(path).c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return 0;
    return errno == EACCES ? -70 : -75;
  }
  if (S_ISDIR(info.st_mode) && IsSeparator(path.back())) return 1;
  return 2;
}

bool IsPlainFile(std::string_view path) {
  if (path.empty() || path.find('\0') != std::string_view::npos) return false;
  struct stat info;
  return ::stat(NativePath(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool FolderNotWritable(std::string_view folder) {
  std::string pattern = NativePath(JoinPath(folder, "{ZEF}XXXXXX.tmp"));
  int fd = ::mkstemps(pattern.data(), 4);
  if (fd < 0) return true;
  const bool closed = ::close(fd) == 0;
  const bool deleted = ::unlink(pattern.c_str()) == 0;
  return !(closed && deleted);
}
