// Writes small fixture files for the tests of this folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

// Writes `bytes` to `path` (folders created) and returns the path.
inline std::string WriteTestFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}
