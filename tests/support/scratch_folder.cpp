#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <system_error>
#include <vector>

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kavo_test_XXXXXX").string();
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  if (::mkdtemp(buf.data()) == nullptr) {
    ADD_FAILURE() << "cannot create a temporary folder from " << pattern;
    return;
  }
  path_ = buf.data();
}

ScratchFolder::~ScratchFolder() {
  if (path_.empty()) return;
  std::error_code ec;
  // Folders a test made read-only must not stop the clean-up.
  for (auto& e : std::filesystem::recursive_directory_iterator(path_, ec))
    if (e.is_directory(ec)) std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                                         std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}
