// Loading a simulation type into the current tables, as selecting a type does.
#pragma once

#include <cstdint>

// Sets the type's record up when it has never been set up, makes it the current type and copies
// its parameters, spins, counts, mode word and vertical factor into the current tables; the
// spectrum width and offset come from its kParSpecWidth and kParOffset parameters.
void LoadSimTypeTables(int16_t type);
