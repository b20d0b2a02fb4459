#include "platform/save_temp_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>

namespace {

constexpr std::string_view kTag = ".kavo71-save.";
constexpr std::size_t kRandomLength = 6;  // mkostemp's XXXXXX

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

void RemoveStaleSaveTemps(const std::string& folder, std::string_view targetName) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  const std::string prefix = TempPrefix(targetName);
  const pid_t self = ::getpid();
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name(entry->d_name);
    if (name.substr(0, prefix.size()) != prefix) continue;
    const pid_t pid = PidOfSuffix(name.substr(prefix.size()));
    if (pid < 0 || pid == self || !ProcessIsGone(pid)) continue;
    struct stat st;
    if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISREG(st.st_mode)) ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}
