#include "drawlib/steps/output_switch.h"

#include "drawlib/app_hooks.h"
#include "drawlib/device/output_object.h"
#include "drawlib/device/world_window.h"
#include "drawlib/pending_events.h"
#include "drawlib/text/label_attrs.h"

OutputSlot OutputSlotA, OutputSlotB;

void SetOutputObject(OutputObject* restoreTarget, OutputObject* newTarget, float zoom, float dx,
                     float dy, int16_t& flags) {
  OutputSlot& slot = (flags & 16) ? OutputSlotB : OutputSlotA;
  if (flags & 1) {
    OutputTarget = newTarget;
    // Saved before events run, so a handler that draws meanwhile cannot change what is kept.
    slot = {WorldWindow.zoom, WorldWindow.panX, WorldWindow.panY};
    DoEvents();
    WorldWindow.panX = 0.0f;
    WorldWindow.panY = 0.0f;
    WorldWindow.zoom = zoom;
  } else if (flags & 2) {
    OutputSlotA.panX += dx;
    OutputSlotA.panY += dy;
    return;
  } else {
    OutputTarget = restoreTarget;
    DoEvents();
    WorldWindow.zoom = slot.zoom;
    WorldWindow.panX = slot.panX;
    WorldWindow.panY = slot.panY;
  }
  if (flags & 4) ScreenSetScale(4);
  if (flags & 8) LabelAttrApply(OutputTarget ? OutputTarget->DeviceContext() : nullptr, 0xFFFF);
}

void OutputSwitchReset() {
  OutputSlotA = {};
  OutputSlotB = {};
}
