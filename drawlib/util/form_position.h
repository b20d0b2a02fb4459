// Where a window goes on the screen, in twips, without any widget: restoring a rectangle kept
// in the settings ("left,top,width,height") and centring.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct TwipsRect {
  int32_t left = 0, top = 0, width = 0, height = 0;
  bool operator==(const TwipsRect&) const = default;
};

// The rectangle of a restored window on a screen of the given size; nothing for an empty text.
// Width is at least 3500 and height at least 2500; a window that would run past the screen's
// right (bottom) edge moves to 0 and is no wider (taller) than the screen; left and top are
// never negative, so the window's corner stays on the screen.
std::optional<TwipsRect> FormRestoreRect(std::string_view text, int32_t screenWidth,
                                         int32_t screenHeight);
// The text a window's rectangle is kept as: Str(left) + "," + Str(top) + "," + ... .
std::string FormRectText(const TwipsRect& rect);
// The centred place of a window: left = (screen width - width) / 2, top = 0.85 x screen height
// / 2 - height / 2 (slightly above the centre), neither negative.
TwipsRect CenterRect(int32_t width, int32_t height, int32_t screenWidth, int32_t screenHeight);
