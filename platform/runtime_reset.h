// Test support: puts the runtime layer's process-wide state back to its start-up values
// (message-box handler and default title, program-folder override).
#pragma once

void ResetPlatformRuntime();
