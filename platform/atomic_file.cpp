// Atomic file replacement: temporary file in the target's folder, checked write and fsync,
// then rename over the target. The old file stays as it was until the rename.
#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/paths.h"  // NativePath

namespace {

void SetError(std::string* error, const std::string& what, int err) {
  // The untranslated system text: messages are Windows-1252, a translated one could be UTF-8.
  const char* reason = ::strerrordesc_np(err);
  if (error) *error = what + ": " + (reason ? reason : "unknown error") + ".";
}

// Closes a descriptor and removes the temporary file unless released.
struct TempFile {
  int fd = -1;
  std::string path;
  ~TempFile() {
    if (fd >= 0) ::close(fd);
    if (!path.empty()) ::unlink(path.c_str());
  }
};

bool WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

mode_t NewFileMode() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

bool WriteFileAtomic(std::string_view path, std::string_view bytes, std::string* error) {
  return WriteNativeFileAtomic(NativePath(path), bytes, error);
}

bool WriteNativeFileAtomic(std::string_view path, std::string_view bytes, std::string* error) {
  if (error) error->clear();
  std::string target(path);
  if (target.empty()) {
    if (error) *error = "No file name given.";
    return false;
  }
  // Write through a symbolic link to the file it names, keeping the link.
  struct stat st;
  bool exists = ::lstat(target.c_str(), &st) == 0;
  if (exists && S_ISLNK(st.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(target.c_str(), resolved)) target = resolved;
    exists = ::stat(target.c_str(), &st) == 0;
  }
  if (exists && !S_ISREG(st.st_mode)) {
    if (error) *error = "Not a file: " + std::string(path);
    return false;
  }

  std::filesystem::path native(target);
  std::string folder = native.parent_path().string();
  if (folder.empty()) folder = ".";
  std::string pattern = (std::filesystem::path(folder) / ("." + native.filename().string() +
                                                          ".tmpXXXXXX")).string();
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');

  TempFile temp;
  temp.fd = ::mkostemp(buf.data(), O_CLOEXEC);
  if (temp.fd < 0) {
    SetError(error, "Cannot create a temporary file beside " + std::string(path), errno);
    return false;
  }
  temp.path = buf.data();
  ::fchmod(temp.fd, exists ? (st.st_mode & 07777) : NewFileMode());

  if (!WriteAll(temp.fd, bytes)) {
    SetError(error, "Cannot write " + std::string(path), errno);
    return false;
  }
  if (::fsync(temp.fd) != 0) {
    SetError(error, "Cannot write " + std::string(path), errno);
    return false;
  }
  int fd = temp.fd;
  temp.fd = -1;
  if (::close(fd) != 0) {
    SetError(error, "Cannot write " + std::string(path), errno);
    return false;
  }
  if (::rename(temp.path.c_str(), target.c_str()) != 0) {
    SetError(error, "Cannot replace " + std::string(path), errno);
    return false;
  }
  temp.path.clear();  // renamed: nothing to remove
  // Make the rename itself durable; a failure here does not undo the complete new file.
  int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

std::optional<std::string> ReadFileBytes(std::string_view path) {
  return ReadNativeFileBytes(NativePath(path));
}

std::optional<std::string> ReadNativeFileBytes(std::string_view path) {
  // O_NONBLOCK: opening a FIFO must not hang; only regular files are read.
  int fd = ::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  std::string out;
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    out.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return out;
}
