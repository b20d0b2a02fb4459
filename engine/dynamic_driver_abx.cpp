// Type 35: the X part of an ABX system whose A and B nuclei exchange. The two X lines that do
// not depend on the AB state are plain Lorentzians; the other four exchange pairwise.
#include <cmath>

#include "engine/analyses.h"
#include "engine/broadening.h"
#include "engine/dynamic_driver.h"
#include "engine/engine_globals.h"
#include "engine/exchange_lineshapes.h"

namespace dynamic {

void XPartOfABXType35() {
  const float vab = Par(0), jab = Par(2), k = Par(7), width = Par(8);
  CalcABX(0.0f, vab, Par(1), jab, Par(4), Par(3), 2);
  ShowCalculating();
  // Weak AB coupling: two X lines exchange as a two-site pair. Vab = 0 is strong coupling.
  const bool weak = vab != 0.0f && std::fabs(jab / vab) < 0.08f;
  if (weak) {
    TwoSiteLineshape(static_cast<float>(0.5 / k), 0.5f, 0.5f, Rate(width), Rate(width),
                     (gLineFreq[10] + gLineFreq[11]) * 0.5f, gLineFreq[10] - gLineFreq[11],
                     gSpectrum, 5.0f * gVertMult);
  } else {
    const int lines[4] = {14, 11, 10, 13};
    for (int i = 0; i < 4; ++i) {
      SetSite(i + 1, gLineInt[static_cast<size_t>(lines[i])] * 0.5f, Rate(width),
              gLineFreq[static_cast<size_t>(lines[i])]);
    }
    ClearRates(4);
    SetPairRates(1, 4, k);
    SetPairRates(2, 3, k);
    FillDiagonal(4);
    Exch(4);
  }
  // Lines 9 and 12 become the first two lines of the list and are added as Lorentzians.
  gLineFreq[1] = gLineFreq[9];
  gLineFreq[2] = gLineFreq[12];
  gLineInt[1] = gLineInt[9] * 0.7853990625f / width;
  gLineInt[2] = gLineInt[12] * 0.7853990625f / width;
  if (!gSpectrum2.empty()) gSpectrum2[0] = 0.0f;  // not written by the broadening
  LorentzSum(gSpectrum2, 2, width, gHorOffHz, gVertMult);
  Combine(gSpectrum, 1.0f, gSpectrum2, gSpectrum);
}

}  // namespace dynamic
