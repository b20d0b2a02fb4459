// The spectrum record: the settings of a spectrum (sweep width, spectrometer frequency,
// reference, vertical multiplier, the shown window) and the header of a loaded experimental
// spectrum. The simulator's own record is gSpec.
#pragma once

#include <cstdint>

struct SpecRec {
  float WdthHz = 0;      // displayed width in Hz; the loaders store the sweep width here
  float MHz = 0;         // spectrometer frequency
  float Ref = 0;         // reference in Hz, added to frequencies for the axis
  float DispOffHz = 0;   // right edge (lowest frequency) of the shown window, Hz
  float DispWdthHz = 0;  // width of the shown window, Hz
  float VertMult = 1;    // vertical multiplier of a loaded spectrum
};

extern SpecRec gSpec;

// The start-up state of gSpec (tests).
void SpecRecordReset();
