// Switches the process (C and C++ global locale) to a locale whose decimal separator is a comma
// for one scope, to prove that number texts do not depend on the locale.
// Uses an installed German, French or Dutch locale; when none is installed it builds de_DE
// with localedef into a temporary folder (LOCPATH). `active()` is false when neither works.
#pragma once

#include <locale>
#include <string>

class CommaLocale {
 public:
  CommaLocale();
  ~CommaLocale();
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;
  bool active() const { return active_; }

 private:
  std::string saved_;
  std::locale savedCpp_;
  bool active_ = false;
};
