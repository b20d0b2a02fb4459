// A folder of a fuzz run's own for the files a target writes; in memory (/dev/shm) where there
// is such a folder, as creating files on a disk's file system costs far more than the work
// under test. Removed when the run ends.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "platform/paths.h"

class RunFolder {
 public:
  RunFolder() {
    const std::string base = PathIsWritableDirectory("/dev/shm") ? "/dev/shm" : TempFolder();
    std::string pattern = PathJoin(base, "fuzz_run_XXXXXX");
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    FuzzCheck(::mkdtemp(buf.data()) != nullptr, "a folder for the run");
    path_ = buf.data();
  }
  ~RunFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return PathJoin(path_, name); }

 private:
  std::string path_;
};
