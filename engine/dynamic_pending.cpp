// Stand-in for the dynamic-NMR driver until it is built: an empty spectrum, drawn without lines.
// Remove this file when the driver lands.
#include <algorithm>

#include "engine/analyses.h"
#include "engine/engine_globals.h"
#include "engine/mainwin_services.h"

void CalcDynamicSpectrum() {
  std::fill(gSpectrum.begin(), gSpectrum.end(), 0.0f);
  int16_t lines = 0;
  int16_t flag = 0;
  MainWindow().DrawSpectra(lines, gTraceColors, flag);
}
