// Locating and reading the generator's source files: the data/ folder first, then the folders
// where the Debian packages install their fonts.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace datgen {

bool ReadAll(const std::filesystem::path& p, std::string& out);

class SourceFinder {
 public:
  SourceFinder(std::filesystem::path listFolder, std::vector<std::filesystem::path> folders)
      : listFolder_(std::move(listFolder)), folders_(std::move(folders)) {}
  // Reads the source `name` from the first folder that holds it; false with a message naming
  // every folder searched when none does.
  bool Read(const std::string& name, std::string& out, std::string& err) const;

 private:
  std::filesystem::path listFolder_;
  std::vector<std::filesystem::path> folders_;
};

// n / d rounded to the nearest integer, halves to even (d > 0).
long RoundHalfEven(long n, long d);

}  // namespace datgen
