#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>

#include "platform/msgbox.h"
#include "platform/paths.h"  // NativePath

namespace {

struct HeldFolder {
  int fd = -1;
  int depth = 0;
};

// The folders this thread holds. Another thread opens its own descriptor, so its lock waits
// for this one as another process's would.
thread_local std::map<std::string, HeldFolder> tHeld;

std::string FolderOf(std::string_view path) {
  const std::filesystem::path native(NativePath(path));
  std::filesystem::path folder = native.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code ec;
  const std::filesystem::path real = std::filesystem::weakly_canonical(folder, ec);
  return (ec ? folder : real).string();
}

}  // namespace

FolderLock::FolderLock(std::string_view path) : folder_(FolderOf(path)) {
  HeldFolder& held = tHeld[folder_];
  if (held.depth > 0) {
    ++held.depth;
    held_ = true;
    return;
  }
  const int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    tHeld.erase(folder_);
    return;
  }
  int r;
  do r = ::flock(fd, LOCK_EX);
  while (r != 0 && errno == EINTR);
  if (r != 0) {
    ::close(fd);
    tHeld.erase(folder_);
    return;
  }
  held.fd = fd;
  held.depth = 1;
  held_ = true;
}

FolderLock::~FolderLock() {
  if (!held_) return;
  auto it = tHeld.find(folder_);
  if (it == tHeld.end()) return;
  if (--it->second.depth > 0) return;
  ::flock(it->second.fd, LOCK_UN);
  ::close(it->second.fd);
  tHeld.erase(it);
  if (!tHeld.empty()) return;
  // The messages that came up while the lock was held (a box handler may throw; a destructor
  // must not).
  try {
    MsgBoxShowHeldBack();
  } catch (...) {
  }
}

bool FolderLockHeldByThisThread() { return !tHeld.empty(); }
