// Label attributes and text styles of the drawing library: the twelve attribute
// slots a label's style keys set, the masks of changed and deferred slots, the named styles and
// font names, and the application of the slots to a device context or to PostScript.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class Device;

inline constexpr int kLabelSlots = 12;
// Slot indexes in StyleKeys order.
enum LabelSlot : int {
  kSlotStyle = 0, kSlotPen = 1, kSlotHeight = 2, kSlotBreadth = 3, kSlotSlant = 4,
  kSlotLineLength = 5, kSlotDirection = 6, kSlotThinSpace = 7, kSlotRelSize = 8,
  kSlotFont = 9, kSlotLineSpacing = 10, kSlotColour = 11,
};
inline constexpr uint16_t SlotBit(int slot) { return uint16_t(1u << slot); }
inline constexpr uint16_t kApplyAll = 0xFFFF;

// The twelve label attribute slots in style-key order; defaults from preference rows 0 to 11.
extern std::array<float, 12> LabelAttrs;
// Slots set by the current label's keys or by markup commands (the restore resets these).
extern uint16_t LabelAttrChanged;
// Slots reset by the last restore and not yet applied to the output.
extern uint16_t LabelAttrDeferred;
// The colour slot value saved by a colour command "{C=n}" for its "{C}".
extern float LabelSavedColour;
// The palette index the text and the built-in glyphs are drawn in.
extern int16_t TextColourIndex;

inline constexpr int kNamedStyles = 15;  // indexes 0..14
inline constexpr int kFontNumbers = 15;  // font numbers 0..14
extern std::array<std::string, kLabelSlots> StyleKeys;
extern std::array<std::string, kNamedStyles> StyleNames;
extern std::array<std::string, kNamedStyles> StyleStrings;
extern std::array<std::string, kFontNumbers> FontNames;

// Reads the keys of slots first..last from the style string into the slots; returns the mask of
// the slots found. "Y =" with a style number appends that named style's string (the label's own
// keys, found first, win). Values a label cannot mean take the row's default: Y, O or C outside
// their tables, H, R, B or LS not above 0, P below 1.
uint16_t StyleStringParse(int16_t first, int16_t last, const std::string& style,
                          std::array<float, 12>& slots);

// Applies the slots in the mask to the device; 0xFFFF applies everything.
void LabelAttrApply(Device* dc, uint16_t mask);
// Mode 2 applies a label's style (keeping the attributes before it); mode 4 restores them.
void LabelAttrStack(Device* dc, const std::string& style, int16_t mode);
// All slots to their defaults, applied.
void LabelAttrReset(Device* dc);
// A slot's value (0..11), or the font height in world units for index 0xFFFF.
float LabelAttrGet(uint16_t index);

// -1 defines the style keys and tables, 0 reads "Styles", 9 reads "Font Definitions".
void StylesInit(int16_t mode);
// Kinds: 1 StyleKeys (0..11), 9 FontNames (0..14; "Arial" when none is defined), 20 StyleNames,
// 21 StyleStrings (0..14). Other kinds and indexes: "" and nothing stored.
std::string TextNameGet(int16_t kind, int16_t index);
void TextNameSet(const std::string& name, int16_t kind, int16_t index);

// The face a named font number draws with: its name, or the default font number's when shorter
// than 5 characters, or "Arial".
std::string FontFaceOf(int16_t number);

// The text layer back to its state before start-up (tests): slots, masks, names, fonts, tables.
void TextLayerReset();
