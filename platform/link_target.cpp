#include "platform/link_target.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

std::string FollowLinks(const std::string& path, int* err, bool* exists, struct stat* st) {
  constexpr int kMaxLinks = 40;  // as the kernel's own limit for a path
  std::string current = path;
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    *exists = ::lstat(current.c_str(), st) == 0;
    if (!*exists || !S_ISLNK(st->st_mode)) return current;
    std::vector<char> buf(static_cast<std::size_t>(st->st_size > 0 ? st->st_size : 255) + 1);
    const ssize_t n = ::readlink(current.c_str(), buf.data(), buf.size());
    if (n < 0 || static_cast<std::size_t>(n) >= buf.size()) {
      *err = n < 0 ? errno : ENAMETOOLONG;
      return {};
    }
    const std::filesystem::path link(std::string(buf.data(), static_cast<std::size_t>(n)));
    current = link.is_absolute() ? link.string()
                                 : (std::filesystem::path(current).parent_path() / link).string();
  }
  *err = ELOOP;
  return {};
}
