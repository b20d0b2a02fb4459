// The line lists that CalcSpectrum builds itself, one routine per simulation type, from the
// current parameters (gSimPar) and spins (gSpins).
#pragma once

#include <cstdint>

// Value of gSimPar entry k (0 for an index outside 0..75).
float ParValue(int k);
// Shift of gSpins entry n (0 for an index outside 0..15).
float SpinShift(int n);

// Type 1: one line at the X shift, split once per coupling to A, B, C and D nuclei.
void FirstOrderLines();
// Type 2: the four lines of the AB quartet.
void ABQuartetLines();
// Types 3 to 7 and 34: n coupled nuclei from the shift and coupling parameters.
void NSpinLines(int n, int16_t force);
// Type 12: AA'BB' as four coupled nuclei.
void AABBLines(int16_t force);
// Type 13: fifteen singlets with their own widths.
void SingletLines();
// Type 14: summed first-order multiplets with their own widths.
void MultipletLines();
// Type 39: summed ddd multiplets with their own widths.
void DddLines();
