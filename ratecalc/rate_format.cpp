#include "ratecalc/rate_format.h"

#include "platform/runtime_numbers.h"

std::string FormatRate(float x) {
  return x >= 0.01f && x <= 999.0f ? Format(x, "0.000") : Format(x, "0.00E+#");
}

std::string FormatTime(float x) {
  if (x > 9999.0f || x < 0.01f) return Format(x, "0.00E+#");
  if (x > 99.0f) return Format(x, "0.0");
  return Format(x, "0.000");
}

std::string FormatPercent(float x) {
  if (!(x > 0.0f && x < 100.0f)) return Format(x, "0.00");
  std::string pattern = "0.00";
  for (int decimals = 2; decimals <= 6; ++decimals, pattern += '0') {
    std::string text = Format(x, pattern);
    const double back = Val(text);
    if (back > 0.0 && back < 100.0) return text;
  }
  return Format(x, "0.00E+#");
}
