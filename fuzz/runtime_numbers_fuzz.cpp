// Number texts and display patterns from any bytes: Val, Str, Format and FormatDateTime must
// neither crash nor show NaN or infinity (patterns can come from user-edited settings).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/runtime_numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 8) return 0;
  double x;
  std::memcpy(&x, data, sizeof x);
  std::string_view text(reinterpret_cast<const char*>(data + 8), size - 8);
  if (text.size() > 4096) return 0;

  Format(x, text);
  Format(static_cast<float>(x), text);
  for (const std::string& s : {Format(x, "0.00E+00"), Format(x, ""), Str(x),
                               Str(static_cast<float>(x))}) {
    if (s.find("nan") != std::string::npos || s.find("inf") != std::string::npos) std::abort();
  }
  double v = Val(text);
  if (!std::isfinite(v)) std::abort();
  if (Val(Str(v)) != Val(Str(Val(Str(v))))) std::abort();  // Str's text reads back stably
  if (!std::isfinite(ValSng(text))) std::abort();
  int16_t i;
  int32_t l;
  TryCInt(x, i);
  TryCLng(x, l);

  std::tm when{};
  when.tm_year = data[0] + 20;
  when.tm_mon = data[1] % 12;
  when.tm_mday = data[2] % 31 + 1;
  when.tm_wday = data[3] % 7;
  when.tm_hour = data[4] % 24;
  when.tm_min = data[5] % 60;
  when.tm_sec = data[6] % 60;
  FormatDateTime(when, text);
  return 0;
}
