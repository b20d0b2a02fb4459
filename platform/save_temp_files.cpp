#include "platform/save_temp_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view kTag = ".kavo71-save.";
constexpr std::size_t kRandomLength = 6;  // mkostemp's XXXXXX
// A directory record of getdents64: 19 bytes before the name, the name with its NUL, padded to
// a multiple of 8.
constexpr std::size_t kLongestRecord = (19 + NAME_MAX + 1 + 7) / 8 * 8;

// ".<name>.kavo71-save." with the name cut (at a UTF-8 character boundary) so that the prefix,
// the largest process id and the random part fit into NAME_MAX.
std::string TempPrefix(std::string_view targetName) {
  constexpr std::size_t kPidDigits = 10;
  const std::size_t room = NAME_MAX - 1 - kTag.size() - kPidDigits - 1 - kRandomLength;
  std::size_t keep = targetName.size();
  if (keep > room) {
    keep = room;
    while (keep > 0 && (static_cast<unsigned char>(targetName[keep]) & 0xC0) == 0x80) --keep;
  }
  std::string prefix = ".";
  prefix.append(targetName.substr(0, keep));
  prefix.append(kTag);
  return prefix;
}

// The process id in "<digits>.<six characters>"; -1 when the rest is not of that form.
pid_t PidOfSuffix(std::string_view rest) {
  const std::size_t dot = rest.find('.');
  if (dot == 0 || dot == std::string_view::npos || dot > 10) return -1;
  if (rest.size() - dot - 1 != kRandomLength) return -1;
  int64_t pid = 0;
  for (char c : rest.substr(0, dot)) {
    if (c < '0' || c > '9') return -1;
    pid = pid * 10 + (c - '0');
  }
  return pid > 0 && pid <= INT32_MAX ? static_cast<pid_t>(pid) : -1;
}

bool ProcessIsGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

std::string SaveTempPattern(std::string_view targetName, pid_t pid) {
  return TempPrefix(targetName) + std::to_string(pid) + "." + std::string(kRandomLength, 'X');
}

void RemoveStaleSaveTemps(const std::string& folder, std::string_view targetName, pid_t self) {
  // Raw directory reads into a buffer on the stack: this runs on every save, and opendir's
  // own 32 KB buffer is a heap allocation each time.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  const std::string prefix = TempPrefix(targetName);
  alignas(8) char buf[8192];
  for (;;) {
    const ssize_t n = ::getdents64(dir, buf, sizeof buf);
    if (n <= 0) break;
    // The kernel fills the buffer while the next record fits: with room left for the longest
    // record, this was the last part of the folder (no further call needed).
    const bool last = sizeof buf - static_cast<std::size_t>(n) >= kLongestRecord;
    for (ssize_t at = 0; at < n;) {
      // A record: inode (8 bytes), offset (8), record length (2), type (1), NUL-ended name.
      uint16_t length;
      std::memcpy(&length, buf + at + 16, sizeof length);
      const char* entry = buf + at + 19;
      at += length;
      const std::string_view name(entry);
      if (name.substr(0, prefix.size()) != prefix) continue;
      const pid_t pid = PidOfSuffix(name.substr(prefix.size()));
      if (pid < 0 || pid == self || !ProcessIsGone(pid)) continue;
      struct stat st;
      if (::fstatat(dir, entry, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
      if (S_ISREG(st.st_mode)) ::unlinkat(dir, entry, 0);
    }
    if (last) break;
  }
  ::close(dir);
}
