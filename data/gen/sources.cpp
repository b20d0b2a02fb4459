#include "data/gen/sources.h"

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace datgen {

bool ReadAll(const fs::path& p, std::string& out) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool SourceFinder::Read(const std::string& name, std::string& out, std::string& err) const {
  std::string searched = listFolder_.string();
  std::error_code ec;
  if (fs::is_regular_file(listFolder_ / name, ec)) {
    if (ReadAll(listFolder_ / name, out)) return true;
    err = "cannot read " + (listFolder_ / name).string();
    return false;
  }
  for (const fs::path& folder : folders_) {
    const fs::path p = folder / name;
    if (fs::is_regular_file(p, ec)) {
      if (ReadAll(p, out)) return true;
      err = "cannot read " + p.string();
      return false;
    }
    searched += ", " + folder.string();
  }
  err = "source " + name + " not found in " + searched +
        " (scripts/install-deps.sh installs the font packages)";
  return false;
}

long RoundHalfEven(long n, long d) {
  long q = n / d, r = n % d;
  if (r < 0) {
    r += d;
    --q;
  }
  if (2 * r > d || (2 * r == d && q % 2 != 0)) ++q;
  return q;
}

}  // namespace datgen
