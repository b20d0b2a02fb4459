// Test support: puts everything a test can change in the process back to its start-up state,
// in every subsystem at once, so no fixture has to pick the resets it needs (and miss one).
//
// Not reset: the seams tests register objects in (message-box handler, main window, spectrum
// files, help viewer, clipboard device...), which belong to the objects that register them,
// and the atomic writer's skipped syncing, a speed setting of the whole test program.
#pragma once

void ResetProcessState();
