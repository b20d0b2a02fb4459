// Test helper: a fresh, empty folder under the system's temporary folder, removed with its
// contents at the end of the scope. Paths are ASCII, so they are the same in Windows-1252.
#pragma once

#include <fstream>
#include <string>

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};
