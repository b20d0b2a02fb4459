#include "drawlib/device/world_window.h"

WorldWindowRec WorldWindow;
uint16_t OutputFlags = kOutputFlagsScreen;
OutputObject* OutputTarget = nullptr;

// Filled in by the device layer's line-width classes.
int16_t LineWidthSet(int16_t /*n*/) { return 0; }
