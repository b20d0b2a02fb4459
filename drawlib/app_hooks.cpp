#include "drawlib/app_hooks.h"

// Filled in by the application hooks.
void ScreenSetScale(int16_t /*flags*/) {}
