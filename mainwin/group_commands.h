// The window's group commands: the Sim-Group, SimSave and SimRestore menus and the step buttons
// cmdNextPrevSim. The groups subsystem carries them out and registers itself here; the window
// passes each such command on. Without a registration they do nothing.
#pragma once

#include <cstdint>

#include "mainwin/form_controls.h"

class GroupCommands {
 public:
  virtual ~GroupCommands() = default;
  // Runs the command of the control (mnuSimEdit, MnuGroupNew, mnuGroupOpen, mnuGroupSaveAs,
  // mnuGroupList, mnuS, mnuR, cmdNextPrevSim); false when the control is none of these.
  virtual bool GroupCommand(Ctl id, int16_t index) = 0;
};

// Registers the implementation (not owned); nullptr removes it.
void RegisterGroupCommands(GroupCommands* commands);
// The registered implementation, or nullptr.
GroupCommands* RegisteredGroupCommands();
