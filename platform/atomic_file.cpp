// Atomic file replacement: temporary file in the target's folder (see save_temp_files.h),
// checked write and fsync, then rename over the target. The old file stays as it was until the
// rename.
#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include "platform/atomic_file_seam.h"
#include "platform/link_target.h"
#include "platform/paths.h"  // NativePath
#include "platform/save_temp_files.h"

namespace {

std::string& FailReason() {
  static std::string reason;
  return reason;
}

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

std::atomic<bool> gSkipSync{false};

bool Sync(int fd) { return gSkipSync.load() || ::fsync(fd) == 0; }

std::atomic<int> gChmodError{0};

// Gives the temporary file the mode the saved file is to have. File systems that keep no Unix
// modes (FAT, some network shares) refuse the change: every file there shows the mount's
// modes, so nothing is lost and the save goes on. Any other failure fails the save, which
// would otherwise silently change who may read the file.
bool SetMode(int fd, mode_t mode, int& err) {
  const int injected = gChmodError.load();
  if (injected == 0 && ::fchmod(fd, mode) == 0) return true;
  err = injected != 0 ? injected : errno;
  return err == EPERM || err == ENOTSUP || err == EOPNOTSUPP;
}

bool WriteProtected(const struct stat& st, const std::string& nativePath) {
  if (!S_ISREG(st.st_mode)) return false;
  // A file without any write permission is read-only for everyone, the superuser too (as a
  // read-only file is on Windows); otherwise the permission of the user who runs the program.
  if ((st.st_mode & 0222) == 0) return true;
  return ::faccessat(AT_FDCWD, nativePath.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

bool WriteNativeFileAtomicKeepingErrno(std::string_view path, std::string_view bytes,
                                       std::string* error, int& err);

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
  // errno tells the caller why the write failed, whatever the clean-up did to it afterwards.
  int err = 0;
  const bool ok = WriteNativeFileAtomicKeepingErrno(path, bytes, error, err);
  if (!ok) errno = err;
  return ok;
}

bool FileWriteProtected(std::string_view path) {
  const std::string native = NativePath(path);
  struct stat st;
  return ::stat(native.c_str(), &st) == 0 && WriteProtected(st, native);
}

namespace {

bool WriteNativeFileAtomicKeepingErrno(std::string_view path, std::string_view bytes,
                                       std::string* error, int& err) {
  err = EIO;
  if (error) error->clear();
  if (!FailReason().empty()) {
    if (error) *error = FailReason();
    return false;
  }
  if (path.empty()) {
    err = ENOENT;
    if (error) *error = "No file name given.";
    return false;
  }
  // Write through a symbolic link (even one whose file does not exist yet) to the path it
  // names, keeping the link.
  int linkError = 0;
  bool exists = false;
  struct stat st;
  const std::string target = FollowLinks(std::string(path), &linkError, &exists, &st);
  if (target.empty()) {
    err = linkError;
    SetError(error, "Cannot follow the link " + std::string(path), linkError);
    return false;
  }
  if (exists && !S_ISREG(st.st_mode)) {
    err = EISDIR;
    if (error) *error = "Not a file: " + std::string(path);
    return false;
  }
  // The rename would replace a file that the user may not write: refused, the file kept.
  if (exists && WriteProtected(st, target)) {
    err = EACCES;
    if (error) *error = "The file " + std::string(path) + " is write-protected.";
    return false;
  }

  const std::filesystem::path native(target);
  std::string folder = native.parent_path().string();
  if (folder.empty()) folder = ".";
  const std::string name = native.filename().string();
  const pid_t self = ::getpid();
  RemoveStaleSaveTemps(folder, name, self);
  std::string pattern = (std::filesystem::path(folder) / SaveTempPattern(name, self)).string();

  TempFile temp;
  temp.fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (temp.fd < 0) {
    err = errno;
    SetError(error, "Cannot create a temporary file beside " + std::string(path), err);
    return false;
  }
  temp.path = pattern;
  if (!SetMode(temp.fd, exists ? (st.st_mode & 07777) : NewFileMode(), err)) {
    SetError(error, "Cannot set the permissions of " + std::string(path), err);
    return false;
  }

  if (!WriteAll(temp.fd, bytes) || !Sync(temp.fd)) {
    err = errno;
    SetError(error, "Cannot write " + std::string(path), err);
    return false;
  }
  const int fd = temp.fd;
  temp.fd = -1;
  if (::close(fd) != 0) {
    err = errno;
    SetError(error, "Cannot write " + std::string(path), err);
    return false;
  }
  if (::rename(temp.path.c_str(), target.c_str()) != 0) {
    err = errno;
    SetError(error, "Cannot replace " + std::string(path), err);
    return false;
  }
  temp.path.clear();  // renamed: nothing to remove
  // Make the rename itself durable. Its failure is not reported as a failed save: the complete,
  // synced new file is already in place and the old one gone, so "not saved" would be untrue
  // and could lead a caller to act on an old file that no longer exists; only the rename's
  // survival of a power cut in the next moments is less certain.
  if (gSkipSync.load()) return true;
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    const bool synced = ::fsync(dir) == 0;
    ::close(dir);
    (void)synced;  // see above: the save stands either way
  }
  return true;
}

}  // namespace

void AtomicWriteSkipSyncForTests(bool skip) { gSkipSync.store(skip); }

void AtomicWriteChmodErrorForTests(int err) { gChmodError.store(err); }

void AtomicWriteFailForTests(const std::string& reason) { FailReason() = reason; }

std::optional<std::string> ReadFileBytes(std::string_view path, std::size_t limit,
                                         bool* tooLarge) {
  return ReadNativeFileBytes(NativePath(path), limit, tooLarge);
}

namespace {

// Opens a regular file for reading; -1 when it is missing or not a regular file.
int OpenRegular(const std::string& path, struct stat& st) {
  // O_NONBLOCK: opening a FIFO must not hang; only regular files are read.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Reads up to `most` bytes from the descriptor's position; false on a read error.
bool ReadUpTo(int fd, std::size_t most, std::size_t sizeHint, std::string& out) {
  out.assign(std::min(most, sizeHint + 1), '\0');
  std::size_t used = 0;
  for (;;) {
    if (used == out.size()) {
      if (used >= most) break;
      out.resize(std::min(most, out.size() * 2 + 1));
    }
    ssize_t n = ::read(fd, out.data() + used, out.size() - used);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) break;
    const bool toTheEnd = static_cast<std::size_t>(n) < out.size() - used;
    used += static_cast<std::size_t>(n);
    if (toTheEnd) break;  // a regular file reads short only at its end
  }
  out.resize(used);
  return true;
}

}  // namespace

std::optional<std::string> ReadNativeFileBytes(std::string_view path, std::size_t limit,
                                               bool* tooLarge) {
  if (tooLarge) *tooLarge = false;
  struct stat st;
  const int fd = OpenRegular(std::string(path), st);
  if (fd < 0) return std::nullopt;
  // The size is looked at before anything is read; a file that grows meanwhile is read to its
  // end all the same, but never beyond the limit.
  const std::size_t size = static_cast<std::size_t>(std::max<off_t>(st.st_size, 0));
  std::string out;
  const std::size_t most = limit < SIZE_MAX ? limit + 1 : limit;
  const bool ok = size <= limit && ReadUpTo(fd, most, size, out);
  ::close(fd);
  if (ok && out.size() <= limit) return out;
  if (tooLarge) *tooLarge = ok || size > limit;
  return std::nullopt;
}

std::optional<std::string> ReadFileHead(std::string_view path, std::size_t count,
                                        uint64_t* fileSize) {
  return ReadNativeFileHead(NativePath(path), count, fileSize);
}

std::optional<std::string> ReadNativeFileHead(std::string_view path, std::size_t count,
                                              uint64_t* fileSize) {
  struct stat st;
  const int fd = OpenRegular(std::string(path), st);
  if (fd < 0) return std::nullopt;
  if (fileSize) *fileSize = static_cast<uint64_t>(std::max<off_t>(st.st_size, 0));
  std::string out;
  const bool ok = ReadUpTo(fd, count, std::min<std::size_t>(count, std::size_t(st.st_size)), out);
  ::close(fd);
  if (!ok) return std::nullopt;
  return out;
}
