// The simulation types as the main window offers them: each type's button caption, tooltip and
// help context, and the four display groups of type buttons.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct TypeButtonInfo {
  const char* shortName;    // caption of the type's option button
  const char* description;  // its tooltip
  int32_t helpId;           // its help context (0: none)
};

inline constexpr int kTypeButtonCount = 44;  // types 0..43
extern const std::array<TypeButtonInfo, kTypeButtonCount> kTypeButtons;

// The four display groups (button order) and the fifth, empty slot.
inline constexpr int kTypeGroupSlots = 5;
using SimTypeGroupTexts = std::array<std::string, kTypeGroupSlots>;
SimTypeGroupTexts DefaultSimTypeGroups();
// Captions of the pattern frame for groups 0..3.
extern const std::array<const char*, 4> kTypeGroupCaptions;
