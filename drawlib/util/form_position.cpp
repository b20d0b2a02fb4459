#include "drawlib/util/form_position.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "drawlib/util/strings.h"
#include "platform/runtime_numbers.h"

namespace {

int32_t ToTwips(double v) {
  if (!(v > -1e9)) return v > 0 ? 1000000000 : (v < 0 ? -1000000000 : 0);
  if (v > 1e9) return 1000000000;
  return int32_t(std::lround(v));
}

}  // namespace

std::optional<TwipsRect> FormRestoreRect(std::string_view text, int32_t screenWidth,
                                         int32_t screenHeight) {
  if (text.empty()) return std::nullopt;
  std::string rest(text);
  TwipsRect r;
  r.left = ToTwips(Val(GetToken(rest, ",")));
  r.top = ToTwips(Val(GetToken(rest, ",")));
  r.width = std::max(ToTwips(Val(GetToken(rest, ","))), 3500);
  r.height = std::max(ToTwips(Val(GetToken(rest, ","))), 2500);
  if (int64_t(r.left) + r.width > screenWidth) {
    r.left = 0;
    r.width = std::min(r.width, screenWidth);
  }
  if (int64_t(r.top) + r.height > screenHeight) {
    r.top = 0;
    r.height = std::min(r.height, screenHeight);
  }
  r.left = std::max(r.left, 0);
  r.top = std::max(r.top, 0);
  return r;
}

std::string FormRectText(const TwipsRect& rect) {
  return Str(rect.left) + "," + Str(rect.top) + "," + Str(rect.width) + "," + Str(rect.height);
}

TwipsRect CenterRect(int32_t width, int32_t height, int32_t screenWidth, int32_t screenHeight) {
  TwipsRect r;
  r.width = width;
  r.height = height;
  r.left = std::max(0, int32_t((int64_t(screenWidth) - width) / 2));
  r.top = std::max(0, int32_t(std::lround(0.85 * screenHeight / 2.0 - height / 2.0)));
  return r;
}
