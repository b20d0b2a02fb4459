// The drawing library's preference table: adjustable sizes, margins, scales and export choices,
// built once from the built-in rows and then changed by the "Preferences" section and the
// preference dialogs. Every reader uses a row's Default.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct ParRecord {
  std::string Name;     // caption shown in the preference dialogs
  std::string Format;   // display pattern of the value ("0", "0.0", ...)
  std::string Options;  // choice captions in fixed-width items, 72 characters; empty otherwise
  float Value = 0;      // built-in value, the fallback of validation
  float Current = 0;    // value kept when -999 ("keep") is validated
  float Default = 0;    // the value in use
  float Max = 0;
  float Min = 0;
  float Increment = 0;
  int16_t Flags = 0;    // 2: validate |value| and keep the sign; 128: copy into every page
};

inline constexpr int kPardataRows = 119;  // row indexes 0 to 118
inline constexpr int kPardataOptionsLength = 72;
inline constexpr int kPardataOptionRows = 23;
inline constexpr int16_t kParFlagAbsolute = 2;
inline constexpr int16_t kParFlagPages = 128;
inline constexpr float kParKeep = -999.0f;  // "keep what is there"

extern std::array<ParRecord, kPardataRows> Pardata;

struct PardataOptionText {
  int row;
  const char* text;
};
extern const std::array<const char*, kPardataRows> PardataBuiltInRows;
extern const std::array<PardataOptionText, kPardataOptionRows> PardataBuiltInOptions;

// Fills Pardata from the built-in rows; a row with too few fields shows "error in Pardata: [row]"
// once per missing field.
void PardataBuild();
// Parses one row text into a record (exposed for the start-up and its tests).
void PardataParseRow(const std::string& rowText, ParRecord& rec);

// Validates v for row i and writes the result back into v: -999 keeps the row's Current, a value
// outside Min..Max (or not a finite number) falls back to the row's Value; rows with flag 2 test
// |v| and keep the sign. A row index outside 0 to 118 leaves v unchanged.
float ParamValidate(float& v, int16_t i);

// True for a row index that names a slot of the table.
inline bool PardataRowValid(int i) { return i >= 0 && i < kPardataRows; }
