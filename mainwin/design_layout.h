// The stored main window: every control with its design position and size (twips, in its
// container), caption, tooltip, help context and start visibility, and the menu tree. Start-up
// then sizes the window to the screen and recomputes the picture and the parameter rows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mainwin/form_controls.h"

// The container a control is placed in; Ctl::picKavo for the drag handles, the frames for their
// children, and kOnForm for controls placed on the window itself.
inline constexpr Ctl kOnForm = static_cast<Ctl>(-1);
Ctl ContainerOf(Ctl id);
// The controls of the window's left column (placed on the window itself, at its left edge): the
// type frames, the display toolbar, the group step buttons, the read-outs and the clock. On a
// window shorter than the column they scroll together.
bool InLeftColumn(Ctl id);
// The design height of the read-out frame fraError (twips), which its labels, buttons and list
// need.
inline constexpr float kErrorFrameHeight = 2500;

// Fills the model with the stored window.
void LoadDesignControls(FormControls& controls);

// Indexes of the increment ribbon buttons grpInc.
inline constexpr int kIncrementRibbons[] = {0, 1, 3, 10, 30, 100, 300, 1000, 10000};

struct MenuItemDesign {
  Ctl id;
  int index;
  Ctl parent;  // kOnForm for the menu bar's top level
  int parentIndex;
  const char* shortcut;  // "" for none, else like "Ctrl+O"
  bool separatorBefore;
  bool submenu;          // the item holds further items
};
// Menu items in display order (captions, visibility and checks are in the model).
const std::vector<MenuItemDesign>& MenuDesign();
