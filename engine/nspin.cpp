// The quantum-mechanical analysis on the engine's globals.
#include "engine/analyses.h"
#include "engine/engine_globals.h"
#include "engine/nspin_core.h"
#include "platform/msgbox.h"

void CalcNSpin(int16_t& count, int16_t n, float minIntensity, float low, float high,
               int16_t& overflow) {
  // Room for every line the analysis may accept, so none below the limit is lost.
  EnsureLineCapacity(kNSpinMaxLines);
  const NSpinResult result =
      NSpinAnalyse(gShiftHz, gJMatrix, n, minIntensity, low, high, gLineFreq, gLineInt);
  count = static_cast<int16_t>(result.count);
  if (result.overflow) {
    overflow = -1;
    // The spectrum goes on with the first 6000 lines; the user is told they are not all.
    MsgBox("Too many lines for current dimensioning. Only the first 6000 lines are shown.",
           vbExclamation, "Spin System Calculations");
  }
}
