// What the program asks about a simulation type, answered from the catalogue's traits, so each
// fact about the types is written down once.
#pragma once

#include <cstdint>

// A type outside 0..44 has none of the traits.
bool ShowsSpectrumType(int16_t type);  // its trace is the loaded experimental spectrum
bool HasOwnLineWidths(int16_t type);   // every line carries its own width (gLineT1)
bool HasExchangeMatrix(int16_t type);  // in an exchange mode, its exchange matrix is printed
bool HasCouplingTree(int16_t type);    // the AB / ABX coupling tree can be drawn

// An experimental spectrum is shown: line fitting is on, or the current type is the spectrum.
bool ShowsLoadedSpectrum();
