// The analyses that CalcSpectrum dispatches to: the closed-form static analyses, the
// quantum-mechanical analysis of up to eight coupled spins and the dynamic-NMR driver. They write
// the line list (or, for the driver, gSpectrum) of engine_globals.h.
#pragma once

#include <cstdint>

// AB quartet: positions f1..f4 and intensities i1..i4 of the two shifts vA, vB and coupling J.
// Writes only its outputs (no colours, no count).
void CalcABQuartet(float vA, float vB, float J, float& f1, float& f2, float& f3, float& f4,
                   float& i1, float& i2, float& i3, float& i4);
// AB2: lines 1..9, colours, gNumLines = 9. A coupling below 0.01 Hz is taken as 0.012 Hz for
// the calculation; the arguments are not changed.
void CalcAB2(float& vA, float& vB, float& J);
// ABX: parts bit 0 = AB part (lines 1..8), bit 1 = X part (lines 9..14); gNumLines = 14.
void CalcABX(float vA, float vB, float vX, float JAB, float JBX, float JAX, uint8_t parts);
// ABX3: lines 1..16, colours, gNumLines = 16; the arguments are not changed.
void CalcABX3(float& vA, float& vB, float& JAB, float& JAX, float& JBX);
// AA'XX': lines 1..10, colours, gNumLines = 10.
void CalcAAXX(float vA, float JAA, float JXX, float JAX, float JAXp);
// n coupled spins (gShiftHz, gJMatrix): writes lines 1..count with intensity at least
// minIntensity between low and high; overflow = -1 when the line limit stopped the analysis
// (not written otherwise).
void CalcNSpin(int16_t& count, int16_t n, float minIntensity, float low, float high,
               int16_t& overflow);
// Dynamic-NMR driver: calculates the current exchange type into gSpectrum and draws it.
void CalcDynamicSpectrum();
