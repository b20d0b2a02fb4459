// The main window's start-up and shut-down use of the simulation groups: reading the group
// list into the menus, finding the first saved item of a group file, opening a group at an
// item, the recent-group list and creating the default group. The groups subsystem registers
// the real implementation; until then a stand-in writes nothing and finds no saved item.
#pragma once

#include <cstdint>
#include <string>

class GroupStartup {
 public:
  virtual ~GroupStartup() = default;
  // Reads all items of the open group into the item table and the SimSave/SimRestore menus.
  virtual void GroupINItoMenu() = 0;
  // Reads item n of the group file (n = 0 also reads the header); the item's saved type text
  // comes back in typeText ("" when the item is missing).
  virtual void SimItemRestore(const std::string& path, int16_t n, std::string& typeText) = 0;
  // Opens the group file and restores item n into the main window.
  virtual void GroupSwitch(const std::string& path, int16_t n, bool& ok) = 0;
  // Puts the path at the head of the recent-group list.
  virtual void RebuildGroupListMenu(const std::string& path) = 0;
  // Writes the header and the empty item list of a new group file.
  virtual void GroupCreateNew(const std::string& path) = 0;
  // Stores the current simulation as item n under the name.
  virtual void IniSaveCalcD(int16_t n, const std::string& name) = 0;
};

// Registers the implementation (not owned); nullptr restores the stand-in.
void RegisterGroupStartup(GroupStartup* groups);
GroupStartup& GroupsAtStartup();
