// The runtime's Beep: sounds the system bell through the handler a program installs (its
// window system's beep); without one it does nothing, so code without windows and tests stay
// quiet. Tests may install a counter.
#pragma once

using BeepHandler = void (*)();

// Installs the handler; nullptr restores the quiet default.
void SetBeepHandler(BeepHandler handler);
void Beep();
