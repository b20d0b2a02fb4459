// The engine's view of the open group: the current item's temperature text.
#pragma once

// Registers the groups subsystem as the engine's GroupServices (nullptr-safe to call again).
void RegisterItemTemperatures();
