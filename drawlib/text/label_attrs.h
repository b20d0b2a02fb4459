// Label attributes and text styles of the drawing library.
#pragma once

#include <array>
#include <cstdint>

class Device;

// The twelve label attribute slots in style-key order; defaults from preference rows 0 to 11.
extern std::array<float, 12> LabelAttrs;

// Applies the slots in the mask to the device; 0xFFFF applies everything.
void LabelAttrApply(Device* dc, uint16_t mask);
// -1 defines the style keys and tables, 0 reads "Styles", 9 reads "Font Definitions".
void StylesInit(int16_t mode);
