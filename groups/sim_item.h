// The saved simulations of the open simulation group: the item record, the item table and the
// group's header values, with the rules for an item's type text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "documents/page_record.h"
#include "drawlib/device/world_window.h"
#include "engine/engine_globals.h"

inline constexpr int kGroupItems = 25;  // items 0..24
inline constexpr int16_t kLastGroupItem = 24;
inline constexpr int16_t kPeakListType = 44;  // an imported peak list: no type button

// One saved simulation; every field is text, numbers included.
struct SimItem {
  std::string Name;
  std::string ScreenParam;
  std::string FileName;
  std::string Type = "-1";  // "-1": an empty slot
  std::string Group;
  std::string SpectType;
  std::string TempK;
  std::string SpecRef;
  std::string SpecMHz;
  std::string VertMult;
  std::string VertLock;
  std::string VertLockHt;
  std::string SpecOffset;
  std::string SpecVertMult;
  std::array<std::string, kSimParCount> Param{};
  std::array<std::string, kSimParCount> ParamIncr{};
  std::string PrivateTag;  // the group editor's tag string, never stored in the group file
  PageRec Page;            // the item's drawing
};

extern std::vector<SimItem> gSimItems;
extern std::string gGroupTitle;
extern std::string gGroupDateStarted;
extern int16_t gCurrentSimItem;

// The two items hold the same saved values (the editor's tag and the page are not compared).
bool SameSavedValues(const SimItem& a, const SimItem& b);

// Makes sure gSimItems has items 0..index, keeping its contents.
void GrowSimItems(int16_t index);
// gSimItems as 25 empty items.
void ClearSimItems();

// The type of an item's Type text: a whole number from -1 to 44 (blanks around it allowed).
// False for anything else, which is never written to a group file.
bool ItemTypeOf(const std::string& typeText, int16_t& type);
// The item holds a saved simulation (a valid type of 0 or more).
bool ItemInUse(const SimItem& item);
// The last parameter index of a type (0..75; 0 for a type outside the catalogue).
int16_t TypeLastPar(int16_t type);

// The display group of a type text (index of its type-button group), "-1" for none.
std::string GroupOfItemType(const std::string& typeText);

// The groups subsystem's start state (tests).
void GroupsReset();
