// Colour schemes: the 17-entry palette that the colour bits of an attribute word index, the
// colour indexes of background, modified and highlighted objects, handles and grid, loaded from
// the settings sections "Color Scheme n" or the built-in "Default Colors", and the black-on-white
// switch used around printing.
#pragma once

#include <array>
#include <cstdint>
#include <string>

inline constexpr int kPaletteSize = 17;       // indexes 0 to 16
inline constexpr int kSchemeTextLength = 20;  // fixed length of names
inline constexpr int kSchemeCount = 15;       // schemes 1 to 15

struct ColorSchemeRec {
  std::string Name = std::string(kSchemeTextLength, ' ');
  int16_t Number = 0;  // scheme number minus 1
  std::array<std::string, kPaletteSize> ColorNames;
  std::array<uint32_t, kPaletteSize> ColorPalette{};  // 0x00BBGGRR
  int16_t BackCol = 0, ModCol = 0, HighCol = 0, HandCol = 0, GridCol = 0;
};

// The scheme in force.
extern ColorSchemeRec ColorScheme;
extern int16_t SchemeBackIndex, SchemeModIndex, SchemeHighIndex, SchemeHandIndex;
extern uint32_t SchemeBackColor, SchemeModColor, SchemeForeColor, SchemeTextColor;
// True while black-on-white output is on; the copy of the scheme taken when it was switched on.
extern bool SchemeBlackOnWhite;
extern ColorSchemeRec SchemeSaved;
// Set at start-up; read by the pen code of the device layer.
extern bool SchemePaletteFlag;

inline constexpr uint32_t RGBColor(uint32_t r, uint32_t g, uint32_t b) {
  return r | (g << 8) | (b << 16);
}

// The built-in 16 colours ("Default Colors"); also converts the label-colour row into RGB. An
// index outside 0 to 15 is limited to it.
uint32_t DefaultColorRGB(int index);
const char* DefaultColorName(int index);

// Flags: bits 0-3 scheme number to read from "Color Scheme n" (0: none); 16 fill "Default
// Colors" (cleared when the numbered section was found); 32 apply the scheme to the colour state.
inline constexpr int16_t kSchemeFillDefault = 16;
inline constexpr int16_t kSchemeApply = 32;
void ColorSchemeLoad(ColorSchemeRec& scheme, int16_t& flags);

// The scheme number stored under "Current" of "Color Schemes"; anything but 1 to 15 means 1.
int16_t ColorSchemeCurrentNumber();
// Loads the current scheme into ColorScheme with the built-in fallback and applies it.
void ColorSchemeLoadCurrent();

// 1 switches black on white on (the scheme in force is kept aside), 0 restores it.
void ColorSchemeBW(int16_t flag);
