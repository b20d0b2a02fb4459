// Hooks by which the drawing library calls back into the application.
#pragma once

#include <cstdint>

// Sets up the screen's world window (4: for the preview).
void ScreenSetScale(int16_t flags);
