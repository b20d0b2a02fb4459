#include "tests/support/comma_locale.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include <unistd.h>

namespace {

bool DecimalIsComma() {
  const lconv* lc = std::localeconv();
  return lc && lc->decimal_point && std::strcmp(lc->decimal_point, ",") == 0;
}

bool TryInstalled() {
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8",
                           "nl_NL.UTF-8", "nl_NL.utf8"})
    if (std::setlocale(LC_ALL, name) && DecimalIsComma()) return true;
  return false;
}

// Builds de_DE once (shared by all test programs) when the system has the locale sources but
// not the compiled locale. Each process builds into its own folder and renames it into place.
bool TryGenerated() {
  namespace fs = std::filesystem;
  static std::string dir;
  if (dir.empty()) {
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec) / "kavo_test_locales";
    fs::path final = base / "de_DE.UTF-8";
    if (!fs::exists(final / "LC_NUMERIC", ec)) {
      if (std::system("command -v localedef >/dev/null 2>&1") != 0) return false;
      fs::path mine = base / ("build." + std::to_string(getpid()));
      fs::create_directories(mine, ec);
      std::string cmd = "localedef -i de_DE -f UTF-8 '" + (mine / "de_DE.UTF-8").string() +
                        "' >/dev/null 2>&1";
      int rc = std::system(cmd.c_str());
      if (rc == 0) fs::rename(mine / "de_DE.UTF-8", final, ec);
      fs::remove_all(mine, ec);
      if (!fs::exists(final / "LC_NUMERIC", ec)) return false;
    }
    dir = base.string();
  }
  setenv("LOCPATH", dir.c_str(), 1);
  return std::setlocale(LC_ALL, "de_DE.UTF-8") && DecimalIsComma();
}

}  // namespace

CommaLocale::CommaLocale() {
  const char* current = std::setlocale(LC_ALL, nullptr);
  saved_ = current ? current : "C";
  active_ = TryInstalled() || TryGenerated();
  if (!active_) {
    std::setlocale(LC_ALL, saved_.c_str());
    return;
  }
  // The C++ global locale too, so that stream output would show the comma.
  try {
    savedCpp_ = std::locale::global(std::locale(std::setlocale(LC_ALL, nullptr)));
  } catch (const std::runtime_error&) {
  }
}

CommaLocale::~CommaLocale() {
  if (active_) std::locale::global(savedCpp_);
  std::setlocale(LC_ALL, saved_.c_str());
}
