// Switching the object that drawing goes to, with the world window's zoom and pan kept in two
// save slots.
#pragma once

#include <cstdint>

class OutputObject;

struct OutputSlot {
  float zoom = 1.0f, panX = 0.0f, panY = 0.0f;
};
extern OutputSlot OutputSlotA, OutputSlotB;

// Flags: 1 select newTarget (save zoom and pan in slot B with 16, else A; then pan 0, zoom z);
// 2 without 1 move the pan saved in slot A by (dx, dy); otherwise restore restoreTarget and the
// slot. After a select or restore, 4 sets up the screen scale and 8 re-applies the label
// attributes.
void SetOutputObject(OutputObject* restoreTarget, OutputObject* newTarget, float zoom, float dx,
                     float dy, int16_t& flags);

void OutputSwitchReset();
