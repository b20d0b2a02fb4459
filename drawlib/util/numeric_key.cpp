#include "drawlib/util/numeric_key.h"

#include <cmath>
#include <cstring>

#include "platform/runtime_numbers.h"

namespace {
// Str of a value that must not show as "-0".
std::string StrNoNegativeZero(double v) { return Str(v == 0.0 ? 0.0 : v); }
}  // namespace

std::string NumericKeyFilter(int16_t& key, std::string& text, bool* moveFocus) {
  if (moveFocus) *moveFocus = false;
  if (key == 13) {
    key = 0;
    if (moveFocus) *moveFocus = true;
    return text;
  }
  const bool allowed = key == 8 || (key >= '0' && key <= '9') || key == '.' || key == '+' ||
                       key == '-';
  if (!allowed) {
    key = 0;
    return text;
  }
  if (!text.empty() && (key == '+' || key == '-' || key == '.')) {
    if (text.find(char(key)) != std::string::npos) key = 0;
    if (key == '-') {
      text = StrNoNegativeZero(-Val(text));
      key = 0;
    } else if (key == '+') {
      text = StrNoNegativeZero(std::fabs(Val(text)));
      key = 0;
    }
  }
  return text;
}
