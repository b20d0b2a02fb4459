#include "drawlib/color_scheme.h"

#include <algorithm>

#include "drawlib/ini/libr_ini.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

ColorSchemeRec ColorScheme;
ColorSchemeRec SchemeSaved;
int16_t SchemeBackIndex = 0, SchemeModIndex = 0, SchemeHighIndex = 0, SchemeHandIndex = 0;
uint32_t SchemeBackColor = 0, SchemeModColor = 0, SchemeForeColor = 0, SchemeTextColor = 0;
bool SchemeBlackOnWhite = false;
bool SchemePaletteFlag = false;

namespace {

struct BuiltInColor {
  const char* name;
  uint32_t rgb;
};

constexpr std::array<BuiltInColor, 16> kDefaultColors = {{
    {"Black", RGBColor(0, 0, 0)},          {"Blue", RGBColor(0, 0, 128)},
    {"Green", RGBColor(0, 128, 0)},        {"Cyan", RGBColor(0, 128, 128)},
    {"Red", RGBColor(128, 0, 0)},          {"Magenta", RGBColor(128, 0, 128)},
    {"Yellow", RGBColor(128, 128, 0)},     {"Light Grey", RGBColor(192, 192, 192)},
    {"Dark Grey", RGBColor(128, 128, 128)}, {"Light Blue", RGBColor(0, 0, 255)},
    {"Light Green", RGBColor(0, 255, 0)},  {"Light Cyan", RGBColor(0, 255, 255)},
    {"Light Red", RGBColor(255, 0, 0)},    {"Light Magenta", RGBColor(255, 0, 255)},
    {"Light Yellow", RGBColor(255, 255, 0)}, {"Bright White", RGBColor(255, 255, 255)},
}};

std::string FixedText(std::string text) {
  text.resize(kSchemeTextLength, ' ');
  return text;
}

// A key made only of digits, as the palette keys "0" to "15" are; -1 otherwise.
int PaletteKey(const std::string& key) {
  const std::string k = Trim(key);
  if (k.empty() || k.size() > 2) return -1;
  if (!std::all_of(k.begin(), k.end(), [](char c) { return c >= '0' && c <= '9'; })) return -1;
  return std::stoi(k);
}

// Sets an index field from the value text; a value that is not a palette index keeps the field.
void SetIndex(int16_t& field, const std::string& value) {
  int16_t index = 0;
  if (TryCInt(Val(value), index) && index >= 0 && index < kPaletteSize) field = index;
}

void ApplyScheme(const ColorSchemeRec& s) {
  SchemeBackIndex = s.BackCol;
  SchemeBackColor = s.ColorPalette[s.BackCol];
  SchemeModIndex = s.ModCol;
  SchemeModColor = s.ColorPalette[s.ModCol];
  SchemeHighIndex = s.HighCol;
  SchemeHandIndex = s.HandCol;
  SchemeTextColor = s.ColorPalette[0];
  SchemeForeColor = s.ColorPalette[0];
}

}  // namespace

uint32_t DefaultColorRGB(int index) { return kDefaultColors[std::clamp(index, 0, 15)].rgb; }
const char* DefaultColorName(int index) { return kDefaultColors[std::clamp(index, 0, 15)].name; }

void ColorSchemeLoad(ColorSchemeRec& s, int16_t& flags) {
  const int n = flags & 15;
  if (n != 0) {
    IniEntryTable entries;
    const int count = IniReadSection("Color Scheme" + Str(n), entries);
    if (count > 0) {
      for (int e = 0; e < count; ++e) {
        const std::string& key = entries[0][e];
        const std::string& value = entries[1][e];
        if (key == "Name") {
          s.Name = FixedText(value);
        } else if (key == "BackCol") {
          SetIndex(s.BackCol, value);
        } else if (key == "ModCol") {
          SetIndex(s.ModCol, value);
        } else if (key == "HighCol") {
          SetIndex(s.HighCol, value);
        } else if (key == "HandCol") {
          SetIndex(s.HandCol, value);
        } else if (key == "GridCol") {
          SetIndex(s.GridCol, value);
        } else if (const int k = PaletteKey(key); k >= 0 && k <= 15) {
          const size_t comma = value.find(',');
          s.ColorNames[k] = FixedText(value.substr(0, comma));
          int32_t rgb = 0;
          const std::string number = comma == std::string::npos ? "" : value.substr(comma + 1);
          // Only plain RGB values are colours; anything else keeps the entry's colour.
          if (TryCLng(Val(number), rgb) && rgb >= 0 && rgb <= 0xFFFFFF) {
            s.ColorPalette[k] = static_cast<uint32_t>(rgb);
          }
        }
      }
      s.Number = static_cast<int16_t>(n - 1);
      flags = static_cast<int16_t>(flags & ~kSchemeFillDefault);
    }
  }
  if (flags & kSchemeFillDefault) {
    s.Name = FixedText("Default Colors");
    s.Number = static_cast<int16_t>(std::max(n - 1, 0));
    for (int k = 0; k < 16; ++k) {
      s.ColorNames[k] = FixedText(kDefaultColors[k].name);
      s.ColorPalette[k] = kDefaultColors[k].rgb;
    }
    s.BackCol = 15;
    s.ModCol = 10;
    s.HighCol = 9;
    s.HandCol = 12;
    s.GridCol = 0;
  }
  if (flags & kSchemeApply) ApplyScheme(s);
}

int16_t ColorSchemeCurrentNumber() {
  int16_t n = 0;
  if (!TryCInt(Val(IniGetString("Color Schemes", "Current", "1")), n) || n < 1 ||
      n > kSchemeCount) {
    n = 1;
  }
  return n;
}

void ColorSchemeLoadCurrent() {
  int16_t flags = static_cast<int16_t>(ColorSchemeCurrentNumber() + kSchemeFillDefault +
                                       kSchemeApply);
  ColorSchemeLoad(ColorScheme, flags);
}

void ColorSchemeBW(int16_t flag) {
  int16_t apply = kSchemeApply;
  if (flag & 1) {
    if (!SchemeBlackOnWhite) SchemeSaved = ColorScheme;
    for (int k = 0; k < 16; ++k) ColorScheme.ColorPalette[k] = 0;
    ColorScheme.ColorPalette[SchemeBackIndex] = RGBColor(255, 255, 255);
    ColorSchemeLoad(ColorScheme, apply);
    SchemeBlackOnWhite = true;
  } else if (flag == 0 && SchemeBlackOnWhite) {
    ColorScheme = SchemeSaved;
    ColorSchemeLoad(ColorScheme, apply);
    SchemeBlackOnWhite = false;
  }
}
