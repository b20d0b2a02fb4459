#include "drawlib/util/numeric_key.h"

#include <cmath>

#include "drawlib/util/numbers.h"
#include "platform/runtime_numbers.h"

namespace {

// Str of a value that must not show as "-0".
std::string StrNoNegativeZero(double v) { return Str(v == 0.0 ? 0.0 : v); }

bool IsSeparator(int16_t key) { return key == '.' || key == ','; }

}  // namespace

std::string NumericKeyFilter(int16_t& key, std::string& text, bool* moveFocus) {
  if (moveFocus) *moveFocus = false;
  if (key == 13) {
    key = 0;
    if (moveFocus) *moveFocus = true;
    return text;
  }
  const bool allowed = key == 8 || (key >= '0' && key <= '9') || IsSeparator(key) ||
                       key == '+' || key == '-';
  if (!allowed) {
    key = 0;
    return text;
  }
  if (IsSeparator(key)) {
    if (text.find_first_of(".,") != std::string::npos) key = 0;
    return text;
  }
  if (!text.empty() && (key == '+' || key == '-')) {
    const bool refused = text.find(char(key)) != std::string::npos;
    const double value = Val(CommaToPoint(text));
    if (key == '-' && !refused) text = StrNoNegativeZero(-value);
    if (key == '+' && !refused) text = StrNoNegativeZero(std::fabs(value));
    key = 0;
  }
  return text;
}
