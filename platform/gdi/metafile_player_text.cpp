// Text records: the characters decoded by the font's character set, placed by the alignment
// (or at the current position), each at its own advance when the record gives them, on an
// opaque background box when the mode asks for it, and clipped to the record's rectangle.
#include <algorithm>
#include <cmath>

#include "platform/cp1252.h"
#include "platform/gdi/charset_text.h"
#include "platform/gdi/metafile_player_impl.h"

namespace metafile_player {

namespace {

constexpr double kPi = 3.14159265358979323846;

enum TextAlign : uint16_t {
  kAlignUpdateCp = 1, kAlignRight = 2, kAlignCenter = 6, kAlignBottom = 8, kAlignBaseline = 24,
};

bool IsSymbolFont(const MetaFont& font) {
  return font.charset == kCharsetSymbol || font.face == "Symbol";
}

// The record's text in the form the device draws: Windows-1252 bytes for the device's own
// text (symbol fonts: their byte codes), else UTF-8.
struct DecodedText {
  std::string bytes;  // when `plain`
  std::string utf8;
  bool plain = false;
};

DecodedText Decode(const MetaCommand& c, const MetaFont& font) {
  DecodedText d;
  const bool symbol = IsSymbolFont(font);
  if (c.wideText) {
    // Symbol fonts' private-use codes are their byte codes.
    std::u16string wide = c.wide;
    bool bytesOnly = true;
    for (char16_t& u : wide) {
      if (u >= 0xF000 && u <= 0xF0FF) u = char16_t(u & 0xFF);
      bytesOnly = bytesOnly && u < 0x100;
    }
    if (symbol && bytesOnly) {
      for (char16_t u : wide) d.bytes += char(u);
      d.utf8 = Latin1ToUtf8(d.bytes);
      d.plain = true;
      return d;
    }
    d.utf8 = Utf16ToUtf8(wide);
  } else if (symbol) {
    d.bytes = c.text;
    d.utf8 = Latin1ToUtf8(c.text);
    d.plain = true;
    return d;
  } else {
    d.utf8 = CodePageToUtf8(c.text, CodePageOfCharset(font.charset).value_or(1252));
  }
  if (const auto cp = Utf8ToCp1252(d.utf8)) {
    d.bytes = *cp;
    d.plain = true;
  }
  return d;
}

}  // namespace

void Player::FillBox(GdiPoint origin, double ax, double ay, double dx, double dy, double left,
                     double top, double right, double bottom, uint32_t color) {
  if (ay == 0 && dx == 0) {
    // Added in double: a corner near the limit plus a box edge near it would overflow 32 bits.
    dev_.FillRect(Clamp(origin.x + left), Clamp(origin.y + top), Clamp(origin.x + right),
                  Clamp(origin.y + bottom), color);
    return;
  }
  auto corner = [&](double u, double v) {
    return GdiPoint{Clamp(origin.x + u * ax + v * dx), Clamp(origin.y + u * ay + v * dy)};
  };
  dev_.SetNullPen();
  dev_.SetBrush(false, color);
  dev_.Polygon({corner(left, top), corner(right, top), corner(right, bottom),
                corner(left, bottom)});
  ApplyPen();
  ApplyBrush();
}

void Player::Text(const MetaCommand& c) {
  ApplyFont();
  drew_ = true;
  int32_t l, t, r, b;
  MapBox(c.rect1, c.rect2, l, t, r, b);
  if (c.textOptions & kTextOptionOpaque) dev_.FillRect(l, t, r, b, dc().bkColor);
  const bool clipped = (c.textOptions & kTextOptionClipped) && r > l && b > t;
  if (clipped)
    dev_.CombineClip({{{l, t}, {r, t}, {r, b}, {l, b}}}, false,
                     dc().clip ? kClipAnd : kClipCopy);
  const DecodedText text = Decode(c, dc().font);
  // Advances in device pixels, rounded where they add up, so that no error piles up.
  std::vector<int32_t> advances;
  if (!c.dx.empty() && !text.utf8.empty()) {
    double sum = 0;
    int32_t placed = 0;
    for (int32_t d : c.dx) {
      sum += d * UnitX();
      const int32_t at = Clamp(sum);
      advances.push_back(Clamp(double(at) - placed));  // both may lie at opposite limits
      placed = at;
    }
  }
  if (text.utf8.empty()) {
    if (clipped) RebuildClip();
    return;
  }
  GdiSize extent;
  if (text.plain) extent = dev_.TextExtent(text.bytes);
  else extent = dev_.TextExtentUnicode(text.utf8);
  if (!advances.empty()) {
    int64_t width = 0;
    for (int32_t a : advances) width += a;
    extent.cx = int32_t(std::clamp<int64_t>(width, -kCoordinateLimit, kCoordinateLimit));
  }
  const int32_t ascent = dev_.FontAscent();
  const int32_t descent = std::max(0, extent.cy - ascent);
  const uint16_t align = dc().textAlign;
  // The baseline's direction on the device: the font's escapement, turned with the world.
  const WorldTransform& w = dc().world;
  const double worldTurn = std::atan2(-w.m12, w.m11);
  const double angle = dc().font.escapement / 10.0 * kPi / 180.0 + (Upright() ? 0 : worldTurn);
  const double ax = std::cos(angle), ay = -std::sin(angle);  // along the baseline
  const double dx = -ay, dy = ax;                              // down from the baseline
  const DPoint reference = MapD(c.p1);
  const double refX = (align & kAlignUpdateCp) ? dc().positionX : reference.x;
  const double refY = (align & kAlignUpdateCp) ? dc().positionY : reference.y;
  double along = 0;
  if ((align & kAlignCenter) == kAlignCenter) along = -extent.cx / 2.0;
  else if (align & kAlignRight) along = -extent.cx;
  double down = 0;
  if ((align & kAlignBaseline) == kAlignBaseline) down = 0;
  else if (align & kAlignBottom) down = -descent;
  else down = ascent;
  const GdiPoint start{Clamp(refX + along * ax + down * dx), Clamp(refY + along * ay + down * dy)};
  if (dc().bkMode == kBkOpaque)
    FillBox(start, ax, ay, dx, dy, 0, -ascent, extent.cx, descent, dc().bkColor);
  dev_.SetTextAlign(kTextAlignBaseline);
  if (text.plain && advances.empty()) dev_.TextOut(start.x, start.y, text.bytes);
  else dev_.TextOutUnicode(start.x, start.y, text.utf8, advances);
  if (align & kAlignUpdateCp) {
    const double move = (align & kAlignCenter) == kAlignCenter ? 0
                        : (align & kAlignRight)                ? -extent.cx
                                                               : extent.cx;
    dc().positionX = refX + move * ax;
    dc().positionY = refY + move * ay;
  }
  if (clipped) RebuildClip();
}

}  // namespace metafile_player
